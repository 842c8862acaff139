#include "engine/UWritingManager.h"

#include "engine/UNumText.h"

TWritingInfo TWritingManager::Calc(double Income) {
    TWritingInfo info;
    info.Income = Income;
    info.Rate = EffectiveRate;
    const long double deductFee =
        Income > Threshold ? (long double)Income * DeductRatio : (long double)FixedDeduct;
    long double taxable = Income - deductFee;
    // Decided on cents: a payment of 800 leaves nothing to tax, not a trace of noise.
    if (NumText::RoundToCents(static_cast<double>(taxable)) <= 0)
        taxable = 0;
    const long double tax = taxable * EffectiveRate;
    info.DeductFee = static_cast<double>(deductFee);
    info.TaxableIncome = static_cast<double>(taxable);
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(Income - tax);
    return info;
}

double TWritingManager::AntiTax(double Tax) {
    const double a = static_cast<double>(Tax / (long double)EffectiveRate);
    // 448 is the tax on a payment of 4000, where the 20 % deduction takes over.
    if (Tax > 448)
        return static_cast<double>(a / (1.0L - DeductRatio));
    return static_cast<double>((long double)a + FixedDeduct);
}

double TWritingManager::AntiIncomeAfterTax(double IncomeAfterTax) {
    const long double a = IncomeAfterTax;
    if (a <= FixedDeduct)
        return IncomeAfterTax;
    // 3552 is the after-tax income of a payment of 4000; above it 1 - 0.8 x 0.14 of the payment
    // is kept.
    if (a > 3552)
        return static_cast<double>(a / 0.888L);
    const double b = static_cast<double>((a - FixedDeduct) / (1.0L - EffectiveRate));
    return static_cast<double>((long double)b + FixedDeduct);
}
