#include "engine/ULicenseManager.h"

#include "engine/UNumText.h"

TLicenseInfo TLicenseManager::Calc(double Income) {
    TLicenseInfo info;
    info.Income = Income;
    const bool aboveThreshold = NumText::RoundToCents(Income) > DeductThreshold;
    const long double deductFee = aboveThreshold ? (long double)Income * DeductRatio : FixedDeduct;
    long double taxable = (long double)Income - deductFee;
    // A payment of 800 or less bears no tax; decided on cents like every clamp of typed amounts.
    if (NumText::RoundToCents(static_cast<double>(taxable)) <= 0)
        taxable = 0;
    const long double tax = taxable * Rate;
    info.Rate = Rate;
    info.DeductFee = static_cast<double>(deductFee);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>((long double)Income - tax);
    return info;
}
