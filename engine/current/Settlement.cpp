#include "engine/current/Settlement.h"

#include "engine/current/Remuneration.h"
#include "engine/current/RulesInUse.h"

#include <algorithm>

namespace current {
namespace {

const YearRules &RulesOfInput(const SettlementInput &Year) {
    const YearRules *rules = RulesInUse(Year.Year);
    return rules ? *rules : LatestRules();
}

// The method the year's law allows: merged when the bonus may no longer be taxed on its own.
BonusMethod MethodOf(const SettlementInput &Year, const YearRules &Rules) {
    return Rules.SeparateBonus ? Year.Method : BonusMethod::Merged;
}

Cents IncomeAmountOf(const SettlementInput &Year) {
    Cents amount = Year.Wages - Year.Exempt + IncomeAmountOfRemuneration(Year.Labour) +
                   Percent(IncomeAmountOfRemuneration(Year.Author), Law::AuthorShare) +
                   IncomeAmountOfRemuneration(Year.Royalty);
    return Year.Method == BonusMethod::Merged ? amount + Year.Bonus : amount;
}

Cents DeductionsOf(const SettlementInput &Year, const YearRules &Rules) {
    return Rules.BasicAnnual + Year.Insurance + Year.Special +
           std::min(Year.Pension, Rules.PensionCap) + std::min(Year.Health, Rules.HealthAnnual) +
           Year.Other;
}

Cents GrossIncomeOf(const SettlementInput &Year) {
    const Cents gross = Year.Wages + Year.Labour + Year.Author + Year.Royalty;
    return Year.Method == BonusMethod::Merged ? gross + Year.Bonus : gross;
}

// The limited donations first, against 30 % of the taxable income before any donation, then those
// allowed in full against what is left: the order that deducts the most (the announcement lets
// the person choose it). The limit is cut to the cent below, so that no deduction passes it.
Cents DonationsOf(const SettlementInput &Year, Cents Taxable, Cents &Limit) {
    Limit = Taxable * Law::DonationLimitShare / Law::WholeShare;
    const Cents limited = std::clamp(Year.Donations, Cents{0}, Limit);
    const Cents full = std::clamp(Year.DonationsFull, Cents{0}, Taxable - limited);
    return limited + full;
}

FilingReason ReasonOf(Cents Balance, Cents GrossIncome, const YearRules &Rules) {
    if (Balance < 0)
        return FilingReason::Refund;
    if (Balance == 0)
        return FilingReason::None;
    if (Balance <= Rules.SmallOwed)
        return FilingReason::OweSmall;
    if (GrossIncome <= Rules.LowIncome)
        return FilingReason::IncomeLow;
    return FilingReason::Owe;
}

} // namespace

Settlement Settle(const SettlementInput &Year) {
    return Settle(Year, RulesOfInput(Year));
}

Settlement Settle(const SettlementInput &Given, const YearRules &Rules) {
    const YearRules &rules = Rules;
    SettlementInput Year = Given;
    Year.Method = MethodOf(Given, Rules);
    Settlement s;
    s.IncomeAmount = IncomeAmountOf(Year);
    s.Deductions = DeductionsOf(Year, rules);
    const Cents beforeDonations = std::max(Cents{0}, s.IncomeAmount - s.Deductions);
    s.Donations = DonationsOf(Year, beforeDonations, s.DonationLimit);
    s.Taxable = beforeDonations - s.Donations;
    const TaxDue due = TaxOn(rules.Annual, s.Taxable);
    s.Rate = due.Rate;
    s.QuickDeduction = due.QuickDeduction;
    s.Tax = due.Tax;
    if (Year.Method == BonusMethod::Separate)
        s.BonusTax = TaxBonusSeparately(Year.Bonus, rules).Tax;
    s.TotalTax = s.Tax + s.BonusTax;
    s.Withheld = Year.Withheld;
    s.Balance = s.TotalTax - s.Withheld;
    s.Reason = ReasonOf(s.Balance, GrossIncomeOf(Year), rules);
    if (Year.Unwithheld &&
        (s.Reason == FilingReason::OweSmall || s.Reason == FilingReason::IncomeLow)) {
        s.Reason = FilingReason::Owe;
        s.ExemptionBarred = true;
    }
    s.MustFile = s.Reason == FilingReason::Owe;
    return s;
}

OtherMethod SettleOtherWay(const SettlementInput &Year) {
    return SettleOtherWay(Year, RulesOfInput(Year));
}

OtherMethod SettleOtherWay(const SettlementInput &Given, const YearRules &Rules) {
    SettlementInput Year = Given;
    Year.Method = MethodOf(Given, Rules);
    const Settlement chosen = Settle(Year, Rules);
    SettlementInput other = Year;
    other.Method = Year.Method == BonusMethod::Merged ? BonusMethod::Separate : BonusMethod::Merged;
    OtherMethod result;
    if (!Rules.SeparateBonus) {
        result.Other = chosen; // no other way that year
        return result;
    }
    result.Other = Settle(other, Rules);
    if (chosen.TotalTax < result.Other.TotalTax)
        result.Lower = Year.Method;
    else if (result.Other.TotalTax < chosen.TotalTax)
        result.Lower = other.Method;
    result.Difference = std::max(chosen.TotalTax, result.Other.TotalTax) -
                        std::min(chosen.TotalTax, result.Other.TotalTax);
    return result;
}

} // namespace current
