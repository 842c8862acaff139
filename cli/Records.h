#pragma once
// The engines' records as the commands print them, and the options that choose them, shared by
// the commands that print the same record, so that one record reads alike wherever it appears.

#include "cli/CommandLine.h"
#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Wage.h"

#include <QJsonObject>
#include <QString>

#include <optional>
#include <vector>

namespace Cli {

// A month of cumulative withholding as in `wage --json`, and the months as its table.
QJsonObject JsonMonth(const current::WageWithholding &Month);
QString MonthTable(const std::vector<current::WageWithholding> &Months);

// The category of remuneration by its name on the command line (labour, author, royalty or the
// Chinese names).
std::optional<current::RemunerationKind> KindNamed(const QString &Name);
// --kind and --nonresident, which choose the category and the residence of a payment.
void AddRemunerationOptions(CommandLine &Line);
QJsonObject JsonRemuneration(const current::Remuneration &Payment);
QString RemunerationText(const current::Remuneration &Payment);

// The separately taxed bonus and a cliff (null when there is none) as in `bonus --json`.
QJsonObject JsonSeparate(const current::SeparateBonus &Separate);
QJsonValue JsonCliff(const std::optional<current::BonusCliff> &Cliff);

} // namespace Cli
