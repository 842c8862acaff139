#pragma once

#include "engine/ULicenseInfo.h"

// Royalties: 800 yuan deducted from a payment up to 4000 yuan, 20 % above that; the rest is taxed
// at 20 %, without brackets.
class TLicenseManager {
  public:
    static TLicenseInfo Calc(double Income);

    static constexpr double Rate = 0.2;
    static constexpr double DeductRatio = 0.2;
    static constexpr double FixedDeduct = 800;
    static constexpr double DeductThreshold = 4000;
};
