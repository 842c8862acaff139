#pragma once

#include "engine/ULateFeeInfo.h"

#include <cstdint>

// Late fee at the daily rate of five in ten thousand, charged since 1 May 2001.
class TLateFeeManager {
  public:
    static TLateFeeInfo Calc(int32_t Days, double Tax);

    // Five ten-thousandths of the tax for each day late.
    static constexpr double DailyRate = 0.0005;
};
