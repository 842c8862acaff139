// What pendra-cli prints, byte for byte, for every command line of golden/cases.txt: stdout,
// stderr and the exit status, against the outputs recorded in golden/out/. The commands cover
// every command and family of options, text and JSON, in Chinese and in English, over the files
// of golden/in/; they run in the golden folder, so that every path a message names is relative.
// A deliberate change of what is printed is recorded anew (scripts/record-cli-golden, which
// runs these tests with PENDRA_GOLDEN_RECORD=1) and reviewed as the diff of golden/out/.

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

using namespace CliTest;

namespace {

const QString Folder = QStringLiteral(PENDRA_CLI_GOLDEN);

struct GoldenCase {
    std::string Name;
    QStringList Locale; // NAME=value settings before the arguments
    QStringList Arguments;
    int Line = 0;
};

void PrintTo(const GoldenCase &Case, std::ostream *Out) {
    *Out << Case.Name;
}

// "name  [NAME=value ...] argument ...": one case a line, the words split at blanks; # begins a
// comment line.
std::vector<GoldenCase> ReadCases() {
    std::vector<GoldenCase> cases;
    QFile file(QDir(Folder).filePath(QStringLiteral("cases.txt")));
    if (!file.open(QIODevice::ReadOnly))
        return cases;
    const QRegularExpression setting(QStringLiteral("^[A-Z_]+="));
    int number = 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        ++number;
        const QString text = QString::fromUtf8(line).trimmed();
        if (text.isEmpty() || text.startsWith(u'#'))
            continue;
        QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")));
        GoldenCase c{words.takeFirst().toStdString(), {}, {}, number};
        while (!words.isEmpty() && setting.match(words.constFirst()).hasMatch())
            c.Locale.append(words.takeFirst());
        c.Arguments = words;
        cases.push_back(std::move(c));
    }
    return cases;
}

QString OutputPath(const GoldenCase &Case, const char *Suffix) {
    return QDir(Folder).filePath(
        QStringLiteral("out/%1.%2").arg(QString::fromStdString(Case.Name), QLatin1String(Suffix)));
}

QByteArray ReadAll(const QString &Path, bool &Found) {
    QFile file(Path);
    Found = file.open(QIODevice::ReadOnly);
    return Found ? file.readAll() : QByteArray();
}

bool Recording() {
    return qEnvironmentVariableIntValue("PENDRA_GOLDEN_RECORD") == 1;
}

// The status on the first line of the .err file, stderr's bytes after it.
QByteArray StatusAndErrors(const Outcome &Run) {
    return "exit status " + QByteArray::number(Run.Status) + '\n' + Run.Err.toUtf8();
}

class Golden : public testing::TestWithParam<GoldenCase> {};

TEST_P(Golden, PrintsWhatWasRecorded) {
    const GoldenCase &c = GetParam();
    const Outcome run = RunCli(c.Arguments, Folder, c.Locale);
    const QByteArray errors = StatusAndErrors(run);
    if (Recording()) {
        QDir(Folder).mkpath(QStringLiteral("out"));
        for (const auto &[suffix, bytes] : {std::pair{"out", run.Out}, std::pair{"err", errors}}) {
            QFile file(OutputPath(c, suffix));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
                << file.fileName().toStdString();
        }
        return;
    }
    bool found = false;
    const QByteArray out = ReadAll(OutputPath(c, "out"), found);
    ASSERT_TRUE(found) << "no recorded output for line " << c.Line
                       << " of cases.txt: record it with scripts/record-cli-golden";
    const QByteArray recordedErrors = ReadAll(OutputPath(c, "err"), found);
    ASSERT_TRUE(found) << OutputPath(c, "err").toStdString();
    // Whole texts, so that a failure shows both; a deliberate change is recorded anew.
    EXPECT_EQ(run.Out.toStdString(), out.toStdString())
        << "stdout of " << c.Arguments.join(u' ').toStdString();
    EXPECT_EQ(errors.toStdString(), recordedErrors.toStdString())
        << "status and stderr of " << c.Arguments.join(u' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, testing::ValuesIn(ReadCases()),
                         [](const testing::TestParamInfo<GoldenCase> &Info) {
                             return Info.param.Name;
                         });

// The manifest itself: read, its names fit for test names and unique, and no recorded output
// left over from a case that is gone.
TEST(GoldenCases, EveryCaseNamedOnceAndEveryRecordingACase) {
    const std::vector<GoldenCase> cases = ReadCases();
    ASSERT_GE(cases.size(), 50u) << "cases.txt not read from " << Folder.toStdString();
    std::set<QString> names;
    const QRegularExpression fit(QStringLiteral("^[a-z0-9_]+$"));
    for (const GoldenCase &c : cases) {
        const QString name = QString::fromStdString(c.Name);
        EXPECT_TRUE(fit.match(name).hasMatch()) << "line " << c.Line << ": " << c.Name;
        EXPECT_TRUE(names.insert(name).second) << "line " << c.Line << ": " << c.Name;
        EXPECT_FALSE(c.Arguments.isEmpty()) << "line " << c.Line;
    }
    if (Recording())
        return;
    for (const QString &file : QDir(Folder + QStringLiteral("/out")).entryList(QDir::Files))
        EXPECT_TRUE(names.count(file.section(u'.', 0, 0)))
            << "out/" << file.toStdString() << " belongs to no case";
}

} // namespace
