#pragma once

#include <cstdint>

// Tax for one year on the income from operating an enterprise under a contract or a lease.
struct TCompanyInfo {
    double Income = 0;
    double Tax = 0;
    double TaxableIncome = 0;
    double Rate = 0;
    double IncomeAfterTax = 0;
    int32_t Months = 0;
    int32_t Deduct = 0;
};
