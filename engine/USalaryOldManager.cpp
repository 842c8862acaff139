#include "engine/USalaryOldManager.h"

#include "engine/UBrackets.h"
#include "engine/UNumText.h"

#include <array>

namespace {

constexpr std::array<int32_t, 2> StartPoints{TSalaryOldManager::StartPoint,
                                             TSalaryOldManager::ForeignStartPoint};
constexpr std::array<int32_t, 8> Bounds{500, 2000, 5000, 20000, 40000, 60000, 80000, 100000};
constexpr std::array<double, 9> Rates{0.05, 0.10, 0.15, 0.20, 0.25, 0.30, 0.35, 0.40, 0.45};
constexpr std::array<int32_t, 9> QuickDeducts{0, 25, 125, 375, 1375, 3375, 6375, 10375, 15375};

} // namespace

Brackets::Schedule TSalaryOldManager::Table() {
    return {{Bounds.begin(), Bounds.end()}, {Rates.begin(), Rates.end()}};
}

TTaxInfo TSalaryOldManager::Calc(bool IsForeign, double Income, double Golds) {
    TTaxInfo info;
    info.Income = Income;
    info.Golds = Golds;
    info.IsForeign = IsForeign;
    info.StartPoint = StartPoints[IsForeign ? 1 : 0];
    const long double kept = (long double)Income - Golds;
    const long double taxable = kept - info.StartPoint;
    // The tax-free test and the bracket are decided on cents: 2000.13 less 0.13 is no taxable
    // income, however the subtraction rounds.
    const double taxableCents = NumText::RoundToCents(static_cast<double>(taxable));
    if (taxableCents <= 0) {
        info.IncomeAfterTax = static_cast<double>(kept);
        return info;
    }
    const int k = Brackets::FindLevel(Bounds, taxableCents);
    const long double tax = taxable * Rates[k] - QuickDeducts[k];
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(kept - tax);
    return info;
}
