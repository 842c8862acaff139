#pragma once

#include "engine/UWritingInfo.h"

// Author remuneration: 800 yuan (up to 4000) or 20 % is deducted, the rest is taxed at 20 %
// reduced by 30 %, an effective 14 %; forward and from a tax or an after-tax income.
class TWritingManager {
  public:
    static TWritingInfo Calc(double Income);
    // The payment whose tax is Tax.
    static double AntiTax(double Tax);
    // The payment whose after-tax income is IncomeAfterTax.
    static double AntiIncomeAfterTax(double IncomeAfterTax);

    // The 20 % rate lessened by 30 %: the arithmetic takes their product, written out, so that
    // the figures stay those of the original.
    static constexpr double BaseRate = 0.2;
    static constexpr double Reduction = 0.3;
    static constexpr double EffectiveRate = 0.14;
    static_assert(BaseRate * (1 - Reduction) - EffectiveRate < 1e-12 &&
                  EffectiveRate - BaseRate * (1 - Reduction) < 1e-12);
    // A payment above the threshold takes the 20 % share, one up to it the fixed deduction.
    static constexpr double Threshold = 4000;
    static constexpr double DeductRatio = 0.2;
    static constexpr double FixedDeduct = 800;
};
