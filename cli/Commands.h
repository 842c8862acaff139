#pragma once
// The commands of pendra-cli. Each takes the arguments after its name and gives the exit status.

#include <QStringList>

namespace Cli {

int RunWage(const QStringList &Arguments);
int RunLabour(const QStringList &Arguments);
int RunBonus(const QStringList &Arguments);
int RunSettle(const QStringList &Arguments);
int RunSeverance(const QStringList &Arguments);
int RunPayroll(const QStringList &Arguments);
int RunYear(const QStringList &Arguments);
int RunReverse(const QStringList &Arguments);
int RunHousehold(const QStringList &Arguments);

} // namespace Cli
