#pragma once

#include "engine/UBrackets.h"
#include "engine/UTaxInfo.h"

#include <cstdint>
#include <span>

// Monthly wage tax under the current rules: start point 3500 (4800 for foreign nationals) and
// seven brackets from 3 % to 45 %, forward and in both reverse directions.
class TSalaryTaxManager {
  public:
    static TTaxInfo Calc(bool IsForeign, double Income, double Golds);
    static TTaxInfo AntiTax(bool IsForeign, double Tax, double Golds);
    static TTaxInfo AntiIncomeAfterTax(bool IsForeign, double IncomeAfterTax, double Golds);

    // Bracket over lower bounds: the last bound below the value; -1 at or below the first bound.
    static int GetLevel(std::span<const int32_t> Bounds, double Value);
    // Bracket holding a tax: 0 to 6.
    static int GetLevelByTax(double Tax);

    static constexpr int32_t StartPoint = 3500;
    static constexpr int32_t ForeignStartPoint = 4800;
    static Brackets::Schedule Table();
};
