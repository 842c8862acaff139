#pragma once
// The months of cumulative withholding as the commands print them, for wages and for the pay
// withheld as wages (a student's internship).

#include "engine/current/Wage.h"

#include <QString>

#include <vector>

namespace Cli {

// One line a month. IncomeAmounts, when given, are each month's income amount of remuneration
// withheld as wages: shown after the payment, the cumulative income then being of those amounts.
QString MonthTable(const std::vector<current::WageWithholding> &Months,
                   const std::vector<current::Cents> &IncomeAmounts = {});

} // namespace Cli
