#include "CliRun.h"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

namespace CliTest {

Outcome RunCli(const QStringList &Arguments, const QString &Folder) {
    QProcess process;
    process.setProgram(QStringLiteral(PENDRA_CLI));
    process.setArguments(Arguments);
    if (!Folder.isEmpty())
        process.setWorkingDirectory(Folder);
    process.start();
    Outcome result;
    // Generous: the sanitizers slow the program down, and CI machines are shared.
    if (!process.waitForFinished(60000)) {
        ADD_FAILURE() << "pendra-cli did not finish: " << Arguments.join(u' ').toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.Out = process.readAllStandardOutput();
    result.Err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QJsonObject JsonOf(const Outcome &Result) {
    return QJsonDocument::fromJson(Result.Out).object();
}

QStringList KeysOf(const QJsonObject &Object) {
    QStringList keys = Object.keys();
    keys.sort();
    return keys;
}

} // namespace CliTest
