#pragma once

#include "engine/UBrackets.h"
#include "engine/UTPersonalInfo.h"

// Individual business income: the amount entered is already net of costs, expenses and losses
// and is taxed whole by five brackets from 5 % to 35 % with quick deductions.
class TPersonalManager {
  public:
    static TPersonalInfo Calc(double Income);
    // Bracket 0 to 4 of a taxable income; a value on a bound belongs to the lower bracket.
    static int GetLevel(double TaxableIncome);
    static Brackets::Schedule Table();
};
