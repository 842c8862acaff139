#pragma once

// Tax on one payment of royalties: cost deduction, then a flat rate.
struct TLicenseInfo {
    double Income = 0;
    double Tax = 0;
    double TaxableIncome = 0;
    double IncomeAfterTax = 0;
    double Rate = 0;
    double DeductFee = 0;
};
