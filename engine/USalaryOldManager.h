#pragma once

#include "engine/UBrackets.h"
#include "engine/UTaxInfo.h"

#include <cstdint>

// Monthly wage tax under the earlier rules: start point 2000 (4800 for foreign nationals) and
// nine brackets from 5 % to 45 %. Forward only.
class TSalaryOldManager {
  public:
    static TTaxInfo Calc(bool IsForeign, double Income, double Golds);

    static constexpr int32_t StartPoint = 2000;
    static constexpr int32_t ForeignStartPoint = 4800;
    static Brackets::Schedule Table();
};
