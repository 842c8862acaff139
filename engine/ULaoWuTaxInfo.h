#pragma once

#include <cstdint>

// Tax on one payment of labour remuneration.
struct TLaoWuTaxInfo {
    double Tax = 0;
    double Income = 0;
    double DeductFee = 0;
    double TaxableIncome = 0;
    double IncomeAfterTax = 0;
    double Rate = 0;
    int32_t Deduct = 0;
};
