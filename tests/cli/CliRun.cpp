#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

extern char **environ;

namespace CliTest {

Outcome RunCli(const QStringList &Arguments, const QString &Folder, const QStringList &Locale) {
    QProcess process;
    process.setProgram(QStringLiteral(PENDRA_CLI));
    process.setArguments(Arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    for (const QString &setting : Locale)
        environment.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
    process.setProcessEnvironment(environment);
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

Measured RunCliMeasured(const QStringList &Arguments, const QString &Folder, const QString &Out) {
    std::vector<QByteArray> words{QByteArrayLiteral(PENDRA_CLI)};
    for (const QString &argument : Arguments)
        words.push_back(argument.toUtf8());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    const QByteArray err = QFile::encodeName(QDir(Folder).filePath(QStringLiteral("stderr.txt")));
    const QByteArray out = QFile::encodeName(Out);
    const QByteArray folder = QFile::encodeName(Folder);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    pid_t pid = 0;
    Measured result;
    const int spawned = posix_spawn(&pid, PENDRA_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "pendra-cli could not be started";
        return result;
    }
    int status = 0;
    struct rusage usage {};
    // Generous, as for RunCli; a run that never ends is killed and fails the test.
    for (int waited = 0; ::wait4(pid, &status, WNOHANG, &usage) == 0; waited += 20) {
        if (waited > 120000) {
            ADD_FAILURE() << "pendra-cli did not finish: " << Arguments.join(u' ').toStdString();
            ::kill(pid, SIGKILL);
            ::wait4(pid, &status, 0, &usage);
            break;
        }
        QThread::msleep(20);
    }
    result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.PeakKiB = usage.ru_maxrss;
    QFile errors(QString::fromLocal8Bit(err));
    if (errors.open(QIODevice::ReadOnly))
        result.Err = QString::fromUtf8(errors.readAll());
    errors.remove();
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

QStringList Args(const char *Line) {
    return QString::fromUtf8(Line).split(u' ', Qt::SkipEmptyParts);
}

QJsonObject JsonOfLine(const char *Line) {
    const Outcome run = RunCli(Args(Line) << QStringLiteral("--json"));
    EXPECT_EQ(run.Status, 0) << Line << ": " << run.Err.toStdString();
    return JsonOf(run);
}

void PrintTo(const RefusalCase &Case, std::ostream *Out) {
    *Out << Case.Line;
}

void ExpectRefused(const RefusalCase &Case) {
    const Outcome run = RunCli(Args(Case.Line));
    EXPECT_EQ(run.Status, 2) << Case.Line;
    EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(Case.Message))) << run.Err.toStdString();
}

} // namespace CliTest
