#pragma once
// The commands of pendra-cli. Each takes the arguments after its name and gives the exit status.

#include <QStringList>

#include <memory>

class QCoreApplication;

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
int RunPayslips(const QStringList &Arguments);

// The program's application object: Qt Gui's for the payslips, which draw with its fonts, Qt
// Core's for every other command.
std::unique_ptr<QCoreApplication> MakeApplication(int &Argc, char **Argv);

} // namespace Cli
