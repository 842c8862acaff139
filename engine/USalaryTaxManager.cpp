#include "engine/USalaryTaxManager.h"

#include "engine/UNumText.h"

#include <array>

namespace {

constexpr std::array<int32_t, 2> StartPoints{TSalaryTaxManager::StartPoint,
                                             TSalaryTaxManager::ForeignStartPoint};
constexpr std::array<double, 7> Rates{0.03, 0.10, 0.20, 0.25, 0.30, 0.35, 0.45};
constexpr std::array<int32_t, 7> QuickDeducts{0, 105, 555, 1005, 2755, 5505, 13505};
constexpr std::array<int32_t, 7> TaxableBounds{0, 1500, 4500, 9000, 35000, 55000, 80000};
constexpr std::array<int32_t, 7> AfterTaxBounds{0, 1455, 4155, 7755, 27255, 41255, 57505};
constexpr std::array<int32_t, 6> TaxBounds{45, 345, 1245, 7745, 13745, 22495};

long double StartPointOf(bool isForeign) {
    return StartPoints[isForeign ? 1 : 0];
}

// Brackets are chosen on the amount in cents, so that floating-point noise in a difference of
// typed amounts (5000.01 - 0.01) never moves it across a bound.
int LevelOnCents(std::span<const int32_t> bounds, long double value) {
    return TSalaryTaxManager::GetLevel(bounds, NumText::RoundToCents(static_cast<double>(value)));
}

} // namespace

Brackets::Schedule TSalaryTaxManager::Table() {
    return {{TaxableBounds.begin() + 1, TaxableBounds.end()}, {Rates.begin(), Rates.end()}};
}

int TSalaryTaxManager::GetLevel(std::span<const int32_t> Bounds, double Value) {
    for (std::size_t i = 0; i < Bounds.size(); ++i) {
        if (Value <= Bounds[i])
            return static_cast<int>(i) - 1;
    }
    return static_cast<int>(Bounds.size()) - 1;
}

int TSalaryTaxManager::GetLevelByTax(double Tax) {
    for (std::size_t i = 0; i < TaxBounds.size(); ++i) {
        if (Tax <= TaxBounds[i])
            return static_cast<int>(i);
    }
    return static_cast<int>(TaxBounds.size());
}

TTaxInfo TSalaryTaxManager::Calc(bool IsForeign, double Income, double Golds) {
    TTaxInfo info;
    info.Income = Income;
    info.Golds = Golds;
    info.IsForeign = IsForeign;
    const long double taxable = (long double)Income - Golds - StartPointOf(IsForeign);
    const int k = LevelOnCents(TaxableBounds, taxable);
    if (k < 0) {
        info.IncomeAfterTax = static_cast<double>((long double)Income - Golds);
        return info;
    }
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    const long double tax = taxable * Rates[k] - QuickDeducts[k];
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>((long double)Income - Golds - tax);
    return info;
}

TTaxInfo TSalaryTaxManager::AntiTax(bool IsForeign, double Tax, double Golds) {
    const int k = GetLevelByTax(Tax);
    TTaxInfo info;
    info.Tax = Tax;
    info.Golds = Golds;
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    const long double taxable = ((long double)Tax + QuickDeducts[k]) / Rates[k];
    const long double income = taxable + Golds + StartPointOf(IsForeign);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Income = static_cast<double>(income);
    info.IncomeAfterTax = static_cast<double>(income - Golds - Tax);
    info.IsForeign = IsForeign;
    return info;
}

TTaxInfo TSalaryTaxManager::AntiIncomeAfterTax(bool IsForeign, double IncomeAfterTax,
                                               double Golds) {
    TTaxInfo info;
    info.Golds = Golds;
    info.IsForeign = IsForeign;
    const long double afterTaxTaxable = (long double)IncomeAfterTax - StartPointOf(IsForeign);
    const int k1 = LevelOnCents(AfterTaxBounds, afterTaxTaxable);
    if (k1 < 0) {
        // At or below the start point nothing is taxed: the pre-tax income is what was kept.
        info.Income = static_cast<double>((long double)IncomeAfterTax + Golds);
        info.IncomeAfterTax = static_cast<double>((long double)info.Income - Golds);
        return info;
    }
    const long double taxable = (afterTaxTaxable - QuickDeducts[k1]) / (1 - (long double)Rates[k1]);
    int k2 = LevelOnCents(TaxableBounds, taxable);
    if (k2 < 0)
        k2 = k1;
    const long double tax = taxable * Rates[k2] - QuickDeducts[k2];
    const long double income = taxable + Golds + StartPointOf(IsForeign);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = Rates[k2];
    info.Deduct = QuickDeducts[k2];
    info.Tax = static_cast<double>(tax);
    info.Income = static_cast<double>(income);
    info.IncomeAfterTax = static_cast<double>(income - Golds - tax);
    return info;
}
