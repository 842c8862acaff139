#include "engine/current/Settlement.h"

#include "engine/current/TaxTable.h"

#include <algorithm>

namespace current {
namespace {

constexpr Cents AnnualBasic = Yuan(60000);
constexpr Cents PensionCap = Yuan(12000);
constexpr Cents HealthCap = Yuan(2400);
constexpr Cents SmallBalance = Yuan(400);
constexpr Cents LowIncome = Yuan(120000);
constexpr int CostRate = 20;
constexpr int AuthorShare = 70;

Cents LessCosts(Cents Amount) {
    return Amount - Percent(Amount, CostRate);
}

Cents IncomeAmountOf(const SettlementInput &Year) {
    Cents amount = Year.Wages - Year.Exempt + LessCosts(Year.Labour) +
                   Percent(LessCosts(Year.Author), AuthorShare) + LessCosts(Year.Royalty);
    return Year.Method == BonusMethod::Merged ? amount + Year.Bonus : amount;
}

Cents DeductionsOf(const SettlementInput &Year) {
    return AnnualBasic + Year.Insurance + Year.Special + std::min(Year.Pension, PensionCap) +
           std::min(Year.Health, HealthCap) + Year.Other;
}

Cents GrossIncomeOf(const SettlementInput &Year) {
    const Cents gross = Year.Wages + Year.Labour + Year.Author + Year.Royalty;
    return Year.Method == BonusMethod::Merged ? gross + Year.Bonus : gross;
}

FilingReason ReasonOf(Cents Balance, Cents GrossIncome) {
    if (Balance < 0)
        return FilingReason::Refund;
    if (Balance == 0)
        return FilingReason::None;
    if (Balance <= SmallBalance)
        return FilingReason::OweSmall;
    if (GrossIncome <= LowIncome)
        return FilingReason::IncomeLow;
    return FilingReason::Owe;
}

} // namespace

Settlement Settle(const SettlementInput &Year) {
    Settlement s;
    s.IncomeAmount = IncomeAmountOf(Year);
    s.Deductions = DeductionsOf(Year);
    s.Taxable = std::max(Cents{0}, s.IncomeAmount - s.Deductions);
    const TaxDue due = TaxOn(Tables::Annual, s.Taxable);
    s.Rate = due.Rate;
    s.QuickDeduction = due.QuickDeduction;
    s.Tax = due.Tax;
    if (Year.Method == BonusMethod::Separate)
        s.BonusTax = TaxBonusSeparately(Year.Bonus).Tax;
    s.TotalTax = s.Tax + s.BonusTax;
    s.Withheld = Year.Withheld;
    s.Balance = s.TotalTax - s.Withheld;
    s.Reason = ReasonOf(s.Balance, GrossIncomeOf(Year));
    s.MustFile = s.Reason == FilingReason::Owe;
    return s;
}

} // namespace current
