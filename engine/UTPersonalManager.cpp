#include "engine/UTPersonalManager.h"

#include "engine/UNumText.h"

#include <array>

namespace {

constexpr std::array<float, 4> UpperBounds{5000.0f, 10000.0f, 30000.0f, 50000.0f};
constexpr std::array<double, 5> Rates{0.05, 0.1, 0.2, 0.3, 0.35};
constexpr std::array<double, 5> QuickDeducts{0, 250, 1250, 4250, 6750};

} // namespace

Brackets::Schedule TPersonalManager::Table() {
    return {{UpperBounds.begin(), UpperBounds.end()}, {Rates.begin(), Rates.end()}};
}

int TPersonalManager::GetLevel(double TaxableIncome) {
    const long double value = TaxableIncome;
    int level = 0;
    for (const float bound : UpperBounds) {
        if (value <= bound)
            return level;
        ++level;
    }
    return level;
}

TPersonalInfo TPersonalManager::Calc(double Income) {
    TPersonalInfo info;
    info.Income = Income;
    // A loss (only reachable by pasting a negative amount) leaves nothing to tax.
    const long double taxable = Income > 0 ? (long double)Income : 0.0L;
    const int k = GetLevel(NumText::RoundToCents(static_cast<double>(taxable)));
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = Rates[k];
    info.Deduct = QuickDeducts[k];
    const long double tax = taxable * Rates[k] - QuickDeducts[k];
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(Income - tax);
    return info;
}
