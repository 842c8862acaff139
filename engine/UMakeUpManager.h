#pragma once

#include "engine/UMakeUpInfo.h"

#include <cstdint>

// Severance compensation: up to three times the local average annual wage is free of tax; the
// excess is spread over the years of service (at most 12), less the month's contributions, taxed
// as one month's wage and multiplied back by the years.
class TMakeUpManager {
  public:
    static TMakeUpInfo Calc(double OnceIncome, double AverageWage, double FiveGolds, int32_t Years);

    // Whether the whole compensation stays within the tax-free part (decided on cents, so that
    // exactly three times the average wage is free).
    static bool IsTaxFree(double OnceIncome, double AverageWage);
    // Whether a monthly taxable income is left once the contributions are taken off the spread
    // excess (decided on cents, as the monthly wage engine chooses its bracket).
    static bool HasMonthTaxableIncome(const TMakeUpInfo &Info);

    static constexpr int32_t MaxYears = 12;
    // The compensation is free of tax up to this many times the local average annual wage.
    static constexpr int32_t FreeTimes = 3;
};
