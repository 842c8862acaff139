#include "engine/URentManager.h"

#include "engine/UNumText.h"

TRentInfo TRentManager::Calc(double Income, bool IsHousing) {
    TRentInfo info;
    info.Income = Income;
    info.IsHousing = IsHousing;
    const long double deductFee =
        Income > Threshold ? (long double)Income * DeductRatio : (long double)FixedDeduct;
    long double taxable = Income - deductFee;
    // Decided on cents: a payment of 800 leaves nothing to tax, not a trace of noise.
    if (NumText::RoundToCents(static_cast<double>(taxable)) <= 0)
        taxable = 0;
    const double rate = IsHousing ? HousingRate : OrdinaryRate;
    const long double tax = taxable * rate;
    info.DeductFee = static_cast<double>(deductFee);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Rate = rate;
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(Income - tax);
    return info;
}
