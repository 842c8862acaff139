#pragma once
// The months of the cumulative wage withholding as the commands print them: one JSON object a
// month, and the Chinese table of the months.

#include "engine/current/Wage.h"

#include <QJsonObject>
#include <QString>

#include <vector>

namespace Cli {

QJsonObject JsonWageMonth(const current::WageWithholding &Month);
QString WageMonthTable(const std::vector<current::WageWithholding> &Months);

} // namespace Cli
