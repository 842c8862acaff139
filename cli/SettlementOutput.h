#pragma once
// The annual settlement as the commands print it: the label and value pairs, and the sentence that
// says whether a return is needed; and a year's settlement as `year` and `household` print it.

#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"
#include "engine/current/Year.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Cli {

QList<QStringList> SettlementPairs(const current::Settlement &s);
// A year's settlement as the year engine gives it: the method taken for the bonus and the year's
// deductions beside the figures.
QList<QStringList> YearSettlementPairs(const current::YearSettlement &s);
// With a bonus, a line saying what the other method's total tax would be and by how much it
// differs; empty without one.
QString BonusComparisonText(const current::YearSettlement &s);
// Under the exemptions of Rules' year.
QString ReasonText(const current::Settlement &s,
                   const current::YearRules &Rules = current::LatestRules());

} // namespace Cli
