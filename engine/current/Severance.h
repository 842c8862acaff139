#pragma once
// Severance compensation (经济补偿金) on ending a labour contract: tax free up to three times the
// local average annual wage of the previous year, the excess taxed on its own on the annual
// table.

#include "engine/current/Money.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace current {

struct Severance {
    Cents Income = 0;
    Cents Exempt = 0; // the tax-free part, at most the amount
    Cents Taxable = 0;
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;
    Cents AfterTax = 0;
};

Severance TaxSeverance(Cents Amount, Cents AverageWage);

// A lump sum for early retirement (提前退休一次性补贴): spread evenly over the years until the
// statutory retirement age, each year's share taxed on the annual table above the annual basic
// deduction, the tax of one year times the years, apart from the year's other income. The
// years may have a fraction, so they are counted in hundredths; each step is rounded to cents.
struct EarlyRetirement {
    Cents Amount = 0;
    std::int64_t YearsHundredths = 0;
    Cents PerYear = 0;        // the amount ÷ the years
    Cents TaxablePerYear = 0; // above the annual basic deduction, at least 0
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents TaxPerYear = 0;
    Cents Tax = 0; // the tax of a year × the years
    Cents AfterTax = 0;
};

// YearsHundredths > 0.
EarlyRetirement TaxEarlyRetirement(Cents Amount, std::int64_t YearsHundredths);

// The longest span of years taken, far beyond any working life, so that no product overflows.
inline constexpr std::int64_t MaxYearsHundredths = 100 * 100;

// Years as typed, exactly: whole or with one or two decimals ("4", "2.5", "0.75"), blanks around
// tolerated, in hundredths; none for other text, more than two decimals or beyond
// MaxYearsHundredths, and none for zero years, which have no share.
std::optional<std::int64_t> ParseYearsHundredths(std::string_view Text);

} // namespace current
