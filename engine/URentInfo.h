#pragma once

// Tax on one payment of income from leasing property.
struct TRentInfo {
    double Income = 0;
    double TaxableIncome = 0;
    double Tax = 0;
    double DeductFee = 0;
    double Rate = 0;
    double IncomeAfterTax = 0;
    bool IsHousing = false;
};
