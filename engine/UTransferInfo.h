#pragma once

// Tax on the income from transferring property: the gain over the original value and the fees,
// at a flat rate.
struct TTransferInfo {
    double Income = 0;
    double Original = 0;
    double Expense = 0;
    double TaxableIncome = 0;
    double Tax = 0;
    double IncomeAfterTax = 0;
    double Rate = 0;
};
