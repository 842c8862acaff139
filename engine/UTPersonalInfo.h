#pragma once

// Tax of an individual industrial and commercial household on a year's production and business
// income.
struct TPersonalInfo {
    double Income = 0;
    double TaxableIncome = 0;
    double Tax = 0;
    double Rate = 0;
    double Deduct = 0;
    double IncomeAfterTax = 0;
};
