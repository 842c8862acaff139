#pragma once

#include <cstdint>

// Monthly wage tax result, shared by the current-rules and earlier-rules wage engines and by the
// severance and social insurance calculators.
struct TTaxInfo {
    double Tax = 0;
    double Income = 0;
    double TaxableIncome = 0;
    double IncomeAfterTax = 0;
    double Rate = 0;
    int32_t Deduct = 0;
    double Golds = 0;
    bool IsForeign = false;
    int32_t StartPoint = 0;
};
