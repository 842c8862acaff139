#pragma once

#include "engine/UTransferInfo.h"

// Property transfer: 20 % of the transfer income less the original value and the fees paid.
class TTransferManager {
  public:
    static TTransferInfo Calc(double Income, double Original, double Expense);

    static constexpr double Rate = 0.2;
};
