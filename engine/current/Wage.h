#pragma once
// Wages under the law in force since 2019: cumulative withholding (累计预扣法) over the months of
// one employee in one year, and the monthly tax of a non-resident.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"

#include <span>
#include <vector>

namespace current {

// How the basic deduction accumulates (累计减除费用).
enum class BasicDeduction {
    PerMonth,    // 按月: 5000 for each month paid so far
    FromJanuary, // 自1月: 5000 × the month number (first job of the year)
    Sixty,       // 6万: 60000 from the first month (last year's wages here at most 60000)
};

// Whether the law of Rules' year has the way at all: 自1月 from July 2020 (in 2020 it governs
// July to December only), 6万 from 2021.
bool InLaw(BasicDeduction Mode, const YearRules &Rules);

// What one employee is paid in one month.
struct WageMonth {
    int Month = 0;       // 1 to 12
    Cents Income = 0;    // 收入
    Cents Exempt = 0;    // 免税收入
    Cents Insurance = 0; // 专项扣除 (三险一金)
    Cents Special = 0;   // 专项附加扣除
    Cents Other = 0;     // 其他扣除
};

// One month of cumulative withholding.
struct WageWithholding {
    int Month = 0;
    Cents Income = 0;
    Cents CumulativeIncome = 0;
    Cents CumulativeExempt = 0;
    Cents CumulativeBasic = 0;
    Cents CumulativeInsurance = 0;
    Cents CumulativeSpecial = 0;
    Cents CumulativeOther = 0;
    Cents CumulativeTaxable = 0;
    int Rate = 0; // whole percent
    Cents QuickDeduction = 0;
    Cents CumulativeTax = 0;
    Cents WithheldBefore = 0; // 累计已预扣税额
    Cents Tax = 0;            // 本月应预扣税额
    Cents Net = 0;            // 税后收入
};

// The months of one employee, consecutive and ascending (the caller checks that): one record
// per month, in the same order, under the basic deduction and table of Rules' year.
std::vector<WageWithholding> WithholdWages(std::span<const WageMonth> Months, BasicDeduction Mode,
                                           const YearRules &Rules = LatestRules());

// A non-resident's wage of one month: the monthly basic deduction, the monthly table of Rules'
// year.
struct NonResidentWage {
    Cents Income = 0;
    Cents Deduction = 0;
    Cents Taxable = 0;
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;
    Cents AfterTax = 0;
};
NonResidentWage WithholdNonResidentWage(Cents Income, const YearRules &Rules = LatestRules());

} // namespace current
