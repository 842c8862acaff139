#include "engine/UTransferManager.h"

#include "engine/UNumText.h"

TTransferInfo TTransferManager::Calc(double Income, double Original, double Expense) {
    TTransferInfo info;
    info.Income = Income;
    info.Original = Original;
    info.Expense = Expense;
    info.Rate = Rate;
    long double taxable = ((long double)Income - Original) - Expense;
    // A sale at exactly the original value plus fees leaves a remainder of floating-point noise
    // that must not be taxed; the loss test is made on cents.
    if (NumText::RoundToCents(static_cast<double>(taxable)) <= 0)
        taxable = 0;
    const long double tax = taxable * Rate;
    info.TaxableIncome = static_cast<double>(taxable);
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>((long double)Income - tax);
    return info;
}
