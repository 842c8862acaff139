#pragma once

#include "engine/UBrackets.h"
#include "engine/UYearAwardInfo.h"

#include <cstdint>
#include <span>

// The one-off annual bonus: the bonus (less what the month's wage leaves of the deduction) is
// divided by 12 only to choose a bracket of the monthly table; the whole bonus is then taxed at
// that bracket's rate less its single quick deduction.
class TYearAwardManager {
  public:
    static TYearAwardInfo Calc(bool IsForeign, double YearAward, double Income, double Golds);

    // Bracket over lower bounds: the last bound below the average; -1 at or below the first.
    static int GetLevel(std::span<const int32_t> Bounds, double Average);

    // The month's deduction that the wage may leave partly unused.
    static constexpr int32_t StartPoint = 3500;
    static constexpr int32_t ForeignStartPoint = 4800;
    // The bonus is divided by this to choose its bracket.
    static constexpr int32_t Months = 12;
    static Brackets::Schedule Table();
};
