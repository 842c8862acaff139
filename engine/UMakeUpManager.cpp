#include "engine/UMakeUpManager.h"

#include "engine/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <algorithm>

namespace {

constexpr double DomesticStartPoint = 3500;

} // namespace

bool TMakeUpManager::IsTaxFree(double OnceIncome, double AverageWage) {
    return NumText::RoundToCents(double{FreeTimes} * AverageWage - OnceIncome) >= 0;
}

bool TMakeUpManager::HasMonthTaxableIncome(const TMakeUpInfo &Info) {
    return NumText::RoundToCents(Info.MonthTaxableIncome) > 0;
}

TMakeUpInfo TMakeUpManager::Calc(double OnceIncome, double AverageWage, double FiveGolds,
                                 int32_t Years) {
    TMakeUpInfo info;
    info.OnceIncome = OnceIncome;
    info.AverageWage = AverageWage;
    info.FiveGolds = FiveGolds;
    // Service beyond twelve years counts as twelve; a count below one would divide by nothing.
    info.Years = std::clamp<int32_t>(Years, 1, MaxYears);
    if (IsTaxFree(OnceIncome, AverageWage)) {
        info.IncomeAfterTax = OnceIncome;
        return info;
    }
    info.MonthTaxableIncome =
        (OnceIncome - double{FreeTimes} * AverageWage) / info.Years - FiveGolds;
    // Taxed as a domestic monthly wage whose taxable income is exactly the spread excess. When the
    // contributions swallow the excess, the wage engine finds no bracket and taxes nothing.
    const TTaxInfo month =
        TSalaryTaxManager::Calc(false, info.MonthTaxableIncome + DomesticStartPoint, 0);
    info.MonthTax = month.Tax;
    info.Rate = month.Rate;
    info.Deduct = month.Deduct;
    info.TotalTax = info.Years * info.MonthTax;
    info.IncomeAfterTax = OnceIncome - info.TotalTax - FiveGolds;
    return info;
}
