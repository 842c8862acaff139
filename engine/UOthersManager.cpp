#include "engine/UOthersManager.h"

TOthersInfo TOthersManager::Calc(double Income) {
    TOthersInfo info;
    info.Rate = FlatRate;
    info.Income = Income;
    info.TaxableIncome = Income;
    const long double tax = (long double)Income * FlatRate;
    info.Tax = static_cast<double>(tax);
    info.IncomeAfterTax = static_cast<double>(Income - tax);
    return info;
}

double TOthersManager::AntiTax(double Tax) {
    return static_cast<double>((long double)Tax / FlatRate);
}

double TOthersManager::AntiIncomeAfterTax(double IncomeAfterTax) {
    return static_cast<double>((long double)IncomeAfterTax / (1 - (long double)FlatRate));
}
