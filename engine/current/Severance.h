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

// A lump sum on internal retirement (内部退养一次性收入, 财税〔2018〕164号 五(三),
// 国税发〔1999〕58号): the lump sum ÷ the months until the statutory retirement age, plus that
// month's wage, less the monthly basic deduction, finds the rate on the monthly table; the month's
// tax is (the wage + the lump sum − the basic deduction) × that rate − its quick deduction. A base
// of 0 or less still taxes a positive amount at the table's lowest rate.
struct InternalRetirement {
    Cents Amount = 0;
    int Months = 0;
    Cents Wage = 0;
    Cents Average = 0; // the lump sum ÷ the months
    Cents Base = 0;    // the average + the wage − the basic deduction: finds the rate
    Cents Taxable = 0; // the wage + the lump sum − the basic deduction, at least 0
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;      // the month's tax, the wage's included
    Cents WageTax = 0;  // the wage alone on the same table
    Cents Added = 0;    // what the lump sum adds: Tax − WageTax
    Cents AfterTax = 0; // the wage and the lump sum after the month's tax
};

// 1 ≤ Months ≤ Law::MaxRetirementMonths.
InternalRetirement TaxInternalRetirement(Cents Amount, int Months, Cents Wage);

// The longest span of years taken, far beyond any working life, so that no product overflows.
inline constexpr std::int64_t MaxYearsHundredths = 100 * 100;

// Years as typed, exactly: whole or with one or two decimals ("4", "2.5", "0.75"), blanks around
// tolerated, in hundredths; none for other text, more than two decimals or beyond
// MaxYearsHundredths, and none for zero years, which have no share.
std::optional<std::int64_t> ParseYearsHundredths(std::string_view Text);

} // namespace current
