#pragma once

#include "engine/UCompanyInfo.h"

#include <cstdint>

// Contracted or leased operation of an enterprise: 2000 yuan deducted per month of operation,
// the rest taxed by five brackets from 5 % to 35 %.
class TCompanyManager {
  public:
    static TCompanyInfo Calc(int32_t Months, double Income);
};
