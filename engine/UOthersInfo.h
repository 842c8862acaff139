#pragma once

// Tax at the flat 20 % on interest, dividends and bonuses, incidental income and other income
// determined to be taxable: the whole amount is taxable.
struct TOthersInfo {
    double Tax = 0;
    double Income = 0;
    double TaxableIncome = 0;
    double IncomeAfterTax = 0;
    double Rate = 0;
};
