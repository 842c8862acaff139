#pragma once

#include "engine/ULaoWuTaxInfo.h"

// Labour remuneration: 800 yuan (below 4000) or 20 % is deducted, the rest is taxed at 20 %, 30 %
// or 40 % with quick deductions 0, 2000 and 7000; forward and from a tax or an after-tax income.
class TLaoWuManager {
  public:
    static TLaoWuTaxInfo Calc(double Income);
    static int GetLevel(double TaxableIncome);
    // Fills Tax, Rate, Deduct, TaxableIncome and Income.
    static TLaoWuTaxInfo AntiTax(double Tax);
    // Fills TaxableIncome and Income.
    static TLaoWuTaxInfo AntiIncomeAfterTax(double IncomeAfterTax);
};
