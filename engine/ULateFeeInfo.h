#pragma once

#include <cstdint>

// Late fee on a tax paid after its due date.
struct TLateFeeInfo {
    double Tax = 0;
    double Total = 0;
    double Rate = 0;
    double LateFee = 0;
    int32_t Days = 0;
};
