#include "engine/ULateFeeManager.h"

TLateFeeInfo TLateFeeManager::Calc(int32_t Days, double Tax) {
    TLateFeeInfo info;
    info.Tax = Tax;
    info.Rate = DailyRate;
    info.Days = Days;
    // Days times tax first, then the rate: the order fixes the last digit of the fee.
    const long double fee = ((long double)Days * Tax) * DailyRate;
    info.LateFee = static_cast<double>(fee);
    info.Total = static_cast<double>(Tax + fee);
    return info;
}
