#pragma once

#include "engine/UBrackets.h"
#include "engine/UCompanyInfo.h"

#include <cstdint>

// Contracted or leased operation of an enterprise: 2000 yuan deducted per month of operation,
// the rest taxed by five brackets from 5 % to 35 %.
class TCompanyManager {
  public:
    static TCompanyInfo Calc(int32_t Months, double Income);

    // The necessary costs deducted for each month of operation.
    static constexpr int32_t MonthlyDeduct = 2000;
    static Brackets::Schedule Table();
};
