#pragma once
// pendra-cli run as a process, as scripts run it.

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <ostream>

namespace CliTest {

struct Outcome {
    int Status = -1;
    QByteArray Out;
    QString Err;
};

// Runs pendra-cli with Arguments in Folder (the current folder when empty) and waits for it. The
// locale's variables are the tests' own, whatever the machine's (pendra-cli speaks by them): LANG
// is C.UTF-8 and LC_ALL and LC_MESSAGES are not set, unless Locale sets some ("LANG=en_US.UTF-8").
Outcome RunCli(const QStringList &Arguments, const QString &Folder = {},
               const QStringList &Locale = {});

// The same with standard output going to the file Out, and the most memory the run held (its
// peak resident set, as wait4 tells it: an address-space limit does not work under the address
// sanitizer, which reserves terabytes).
struct Measured {
    int Status = -1;
    QString Err;
    long PeakKiB = 0;
};
Measured RunCliMeasured(const QStringList &Arguments, const QString &Folder, const QString &Out);

// The JSON object a run printed; empty when stdout held none.
QJsonObject JsonOf(const Outcome &Result);

// The object's keys in sorted order.
QStringList KeysOf(const QJsonObject &Object);

// The words of a command line written as one string, split at its spaces.
QStringList Args(const char *Line);
// The JSON object of Line run with --json, which must succeed.
QJsonObject JsonOfLine(const char *Line);

// A command line pendra-cli refuses: exit 2, nothing on stdout, and a message of which Message is
// a part on stderr.
struct RefusalCase {
    const char *Line;
    const char *Message;
};
void PrintTo(const RefusalCase &Case, std::ostream *Out);
void ExpectRefused(const RefusalCase &Case);

} // namespace CliTest
