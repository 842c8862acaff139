#pragma once

#include "engine/URentInfo.h"

// Property lease: 800 yuan (up to 4000) or 20 % is deducted, the rest is taxed at 20 %, or at
// 10 % when a private home is let.
class TRentManager {
  public:
    static TRentInfo Calc(double Income, bool IsHousing);

    static constexpr double Threshold = 4000;
    static constexpr double FixedDeduct = 800;
    static constexpr double DeductRatio = 0.2;
    static constexpr double OrdinaryRate = 0.2;
    // A home let to live in.
    static constexpr double HousingRate = 0.1;
};
