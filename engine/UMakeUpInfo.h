#pragma once

#include <cstdint>

// Tax on a one-off economic compensation paid when employment ends.
struct TMakeUpInfo {
    double OnceIncome = 0;
    double AverageWage = 0;
    double FiveGolds = 0;
    int32_t Years = 0;
    double MonthTaxableIncome = 0;
    double MonthTax = 0;
    double TotalTax = 0;
    double Rate = 0;
    double Deduct = 0;
    double IncomeAfterTax = 0;
};
