#pragma once

#include "engine/UOthersInfo.h"

// The flat-rate incomes, forward from the income and back from a tax or an after-tax income.
class TOthersManager {
  public:
    static TOthersInfo Calc(double Income);
    static double AntiTax(double Tax);
    static double AntiIncomeAfterTax(double IncomeAfterTax);

    static constexpr double FlatRate = 0.2;
};
