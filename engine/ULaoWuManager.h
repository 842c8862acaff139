#pragma once

#include "engine/UBrackets.h"
#include "engine/ULaoWuTaxInfo.h"

#include <cstdint>

// Labour remuneration: 800 yuan (below 4000) or 20 % is deducted, the rest is taxed at 20 %, 30 %
// or 40 % with quick deductions 0, 2000 and 7000; forward and from a tax or an after-tax income.
class TLaoWuManager {
  public:
    static TLaoWuTaxInfo Calc(double Income);
    static int GetLevel(double TaxableIncome);
    // Fills Tax, Rate, Deduct, TaxableIncome and Income.
    static TLaoWuTaxInfo AntiTax(double Tax);
    // Fills TaxableIncome and Income.
    static TLaoWuTaxInfo AntiIncomeAfterTax(double IncomeAfterTax);

    // A payment below the threshold takes the fixed deduction, one from it up the 20 % share.
    static constexpr int32_t Threshold = 4000;
    static constexpr int32_t FixedDeduct = 800;
    static constexpr double DeductRatio = 0.2;
    static Brackets::Schedule Table();
};
