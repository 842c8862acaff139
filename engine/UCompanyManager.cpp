#include "engine/UCompanyManager.h"

#include "engine/UBrackets.h"
#include "engine/UNumText.h"

#include <array>

namespace {

constexpr std::array<int32_t, 4> Bounds{5000, 10000, 30000, 50000};
constexpr std::array<double, 5> Rates{0.05, 0.1, 0.2, 0.3, 0.35};
constexpr std::array<int32_t, 5> QuickDeducts{0, 250, 1250, 4250, 6750};

} // namespace

Brackets::Schedule TCompanyManager::Table() {
    return {{Bounds.begin(), Bounds.end()}, {Rates.begin(), Rates.end()}};
}

TCompanyInfo TCompanyManager::Calc(int32_t Months, double Income) {
    TCompanyInfo info;
    info.Income = Income;
    info.Months = Months;
    // Formed in 64 bits so that no month count can overflow the product.
    const int64_t deduction = int64_t{Months} * MonthlyDeduct;
    long double taxable = (long double)Income - deduction;
    // Loss test and bracket on cents: noise in the difference must not cross a bound.
    const double taxableCents = NumText::RoundToCents(static_cast<double>(taxable));
    if (taxableCents <= 0)
        taxable = 0;
    const int k = Brackets::FindLevel(Bounds, taxableCents);
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    const long double tax = taxable * Rates[k] - QuickDeducts[k];
    info.TaxableIncome = static_cast<double>(taxable);
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>((long double)Income - tax);
    return info;
}
