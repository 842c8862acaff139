#include "engine/UYearAwardManager.h"

#include "engine/UNumText.h"

#include <array>

namespace {

constexpr std::array<int32_t, 2> Deductions{TYearAwardManager::StartPoint,
                                            TYearAwardManager::ForeignStartPoint};
constexpr std::array<int32_t, 7> Bounds{0, 1500, 4500, 9000, 35000, 55000, 80000};
constexpr std::array<double, 7> Rates{0.03, 0.10, 0.20, 0.25, 0.30, 0.35, 0.45};
constexpr std::array<int32_t, 7> QuickDeducts{0, 105, 555, 1005, 2755, 5505, 13505};

} // namespace

Brackets::Schedule TYearAwardManager::Table() {
    return {{Bounds.begin() + 1, Bounds.end()}, {Rates.begin(), Rates.end()}};
}

int TYearAwardManager::GetLevel(std::span<const int32_t> Bounds, double Average) {
    for (std::size_t i = 0; i < Bounds.size(); ++i) {
        if (Bounds[i] >= Average)
            return static_cast<int>(i) - 1;
    }
    return static_cast<int>(Bounds.size()) - 1;
}

TYearAwardInfo TYearAwardManager::Calc(bool IsForeign, double YearAward, double Income,
                                       double Golds) {
    TYearAwardInfo info;
    info.YearAward = YearAward;
    info.Income = Income;
    info.Golds = Golds;
    info.IsForeign = IsForeign;

    // The part of the deduction that the wage leaves unused is taken from the bonus. The test and
    // the bracket are decided on cents, so that noise in a difference of typed amounts (3500.01 -
    // 0.01) never decides them.
    const double deduction = Deductions[IsForeign ? 1 : 0];
    double taxable = YearAward;
    if (NumText::RoundToCents(Income - Golds) < deduction)
        taxable = YearAward - (deduction - Income + Golds);
    const int k = GetLevel(Bounds, NumText::RoundToCents(taxable) / Months);
    if (k < 0) {
        // Nothing is left to tax: the whole bonus is kept.
        info.IncomeAfterTax = YearAward;
        return info;
    }
    info.TaxableIncome = taxable;
    info.Average = taxable / 12;
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    info.Tax = taxable * info.Rate - info.Deduct;
    info.IncomeAfterTax = YearAward - info.Tax;
    return info;
}
