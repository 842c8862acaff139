#pragma once

#include "engine/UTaxInfo.h"

// Monthly wage tax under the earlier rules: start point 2000 (4800 for foreign nationals) and
// nine brackets from 5 % to 45 %. Forward only.
class TSalaryOldManager {
  public:
    static TTaxInfo Calc(bool IsForeign, double Income, double Golds);
};
