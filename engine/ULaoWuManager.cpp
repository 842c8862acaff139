#include "engine/ULaoWuManager.h"

#include "engine/UNumText.h"

#include <array>
#include <cstdint>

namespace {

constexpr std::array<int32_t, 2> UpperBounds{20000, 50000};
constexpr std::array<double, 3> Rates{0.2, 0.3, 0.4};
constexpr std::array<int32_t, 3> QuickDeducts{0, 2000, 7000};

// The payment whose taxable income is the given one: the fixed deduction up to a taxable 3200
// (a payment of 4000), the 20 % deduction above.
long double IncomeFromTaxable(long double taxable) {
    return taxable > 3200 ? taxable / 0.8L : taxable + TLaoWuManager::FixedDeduct;
}

} // namespace

Brackets::Schedule TLaoWuManager::Table() {
    return {{UpperBounds.begin(), UpperBounds.end()}, {Rates.begin(), Rates.end()}};
}

int TLaoWuManager::GetLevel(double TaxableIncome) {
    if (TaxableIncome <= UpperBounds[0])
        return 0;
    return TaxableIncome <= UpperBounds[1] ? 1 : 2;
}

TLaoWuTaxInfo TLaoWuManager::Calc(double Income) {
    TLaoWuTaxInfo info;
    info.Income = Income;
    if (Income <= FixedDeduct) {
        info.IncomeAfterTax = Income;
        return info;
    }
    const long double deductFee =
        Income < Threshold ? (long double)FixedDeduct : (long double)Income * DeductRatio;
    const long double taxable = Income - deductFee;
    // The level is chosen on cents, so that noise in the deduction never crosses a bound.
    const int k = GetLevel(NumText::RoundToCents(static_cast<double>(taxable)));
    const long double tax = taxable * Rates[k] - QuickDeducts[k];
    info.DeductFee = static_cast<double>(deductFee);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(Income - tax);
    return info;
}

TLaoWuTaxInfo TLaoWuManager::AntiTax(double Tax) {
    // Tax bounds: 4000 at a taxable 20000, 13000 at 50000.
    const int b = Tax <= 4000 ? 0 : (Tax <= 13000 ? 1 : 2);
    TLaoWuTaxInfo info;
    info.Tax = Tax;
    info.Rate = Rates[b];
    info.Deduct = QuickDeducts[b];
    const long double taxable = ((long double)Tax + QuickDeducts[b]) / Rates[b];
    info.TaxableIncome = static_cast<double>(taxable);
    info.Income = static_cast<double>(IncomeFromTaxable(taxable));
    return info;
}

TLaoWuTaxInfo TLaoWuManager::AntiIncomeAfterTax(double IncomeAfterTax) {
    TLaoWuTaxInfo info;
    const long double a = IncomeAfterTax;
    if (a <= FixedDeduct) {
        info.Income = IncomeAfterTax;
        return info;
    }
    // After-tax bounds: 3360 at a payment of 4000, 21000 at a taxable 20000, 49500 at 50000.
    long double taxable = 0;
    if (a <= 3360)
        taxable = (a - FixedDeduct) / 0.8L;
    else if (a <= 21000)
        taxable = (0.8L * a) / 0.84L;
    else if (a <= 49500)
        taxable = ((a - 2000) * 0.8L) / 0.76L;
    else
        taxable = ((a - 7000) * 0.8L) / 0.68L;
    info.TaxableIncome = static_cast<double>(taxable);
    info.Income = static_cast<double>(IncomeFromTaxable(taxable));
    return info;
}
