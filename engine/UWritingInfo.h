#pragma once

// Tax on one payment of author remuneration.
struct TWritingInfo {
    double Income = 0;
    double DeductFee = 0;
    double TaxableIncome = 0;
    double Rate = 0;
    double Tax = 0;
    double IncomeAfterTax = 0;
};
