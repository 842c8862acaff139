#pragma once

#include "engine/URentInfo.h"

// Property lease: 800 yuan (up to 4000) or 20 % is deducted, the rest is taxed at 20 %, or at
// 10 % when a private home is let.
class TRentManager {
  public:
    static TRentInfo Calc(double Income, bool IsHousing);
};
