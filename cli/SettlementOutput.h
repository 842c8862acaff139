#pragma once
// The annual settlement as the commands print it: the JSON object of `settle --json`, the Chinese
// label and value pairs, and the sentence that says whether a return is needed.

#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace Cli {

QJsonObject JsonSettlement(const current::Settlement &s);
QList<QStringList> SettlementPairs(const current::Settlement &s);
// Under the exemptions of Rules' year.
QString ReasonText(const current::Settlement &s,
                   const current::YearRules &Rules = current::LatestRules());

} // namespace Cli
