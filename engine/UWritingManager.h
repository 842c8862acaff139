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
};
