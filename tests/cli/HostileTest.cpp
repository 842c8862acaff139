// pendra-cli against what a hostile probe tried: small files that used to take gigabytes, outputs
// over devices, links and the input itself, standard output that cannot be written, a run killed
// half way and two runs writing at once.

#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QString Write(const QString &Path, const QByteArray &Bytes) {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size())
        << Path.toStdString();
    return Path;
}

QByteArray ReadAll(const QString &Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The files of the probe, made once by Python: a child's peak memory counts its parent's at the
// moment it was started, so this process makes nothing large.
class Hostile : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        Dir = new QTemporaryDir;
        QProcess python;
        python.start(QStringLiteral(PENDRA_PYTHON),
                     {QStringLiteral(PENDRA_XLSX_FIXTURES), QStringLiteral("bombs"), Dir->path()});
        ASSERT_TRUE(python.waitForFinished(120000));
        ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Path("zero.csv")));
    }
    static void TearDownTestSuite() { delete Dir; }
    static QString Path(const char *Name) { return Dir->filePath(QString::fromUtf8(Name)); }
    static QTemporaryDir *Dir;
};
QTemporaryDir *Hostile::Dir = nullptr;

// Far below what the probe saw (1.3 to 2.1 GB) and above what the sanitizers take to start.
constexpr long MemoryCapKiB = 160 * 1024;

struct CappedCase {
    const char *File;
    int Status;
    const char *Message; // a part of it
};

TEST_F(Hostile, SmallFilesAreRefusedWithinAMemoryCap) {
    const CappedCase cases[] = {
        {"titles.csv", 2, "第1行第257列不是空的，超出了本程序能读的256列"},
        {"quote.csv", 2, "第2行的引号在1 MiB之内没有闭合"},
        {"zero.csv", 2, "不是普通文件"},
        {"titles.xlsx", 2, "解压后超过了"},
        {"rows.xlsx", 2, "解压后超过了"},
        {"bigtext.xlsx", 2, "解压后超过了"},
        {"cells.xlsx", 2, "解压后超过了"},
    };
    for (const CappedCase &c : cases) {
        SCOPED_TRACE(c.File);
        const QString out = Path("out.csv");
        const Measured run =
            RunCliMeasured({QStringLiteral("payroll"), Path(c.File), QStringLiteral("-o"), out},
                           Dir->path(), QStringLiteral("/dev/null"));
        EXPECT_EQ(run.Status, c.Status) << run.Err.toStdString();
        EXPECT_LT(run.PeakKiB, MemoryCapKiB);
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
        EXPECT_EQ(run.Err.count(u'\n'), 1) << "one message";
        EXPECT_FALSE(QFile::exists(out));
        QFile::remove(out);
    }
}

// 247 extra titles over a hundred thousand short rows cost what the rows hold, not rows ×
// titles (which took a hundred megabytes).
TEST_F(Hostile, EmptyExtraCellsCostNothing) {
    long peak[2] = {};
    for (int i = 0; i < 2; ++i) {
        const Measured run =
            RunCliMeasured({QStringLiteral("payroll"), Path(i == 0 ? "narrow.csv" : "sparse.csv")},
                           Dir->path(), QStringLiteral("/dev/null"));
        EXPECT_EQ(run.Status, 2) << "every row is at fault";
        peak[i] = run.PeakKiB;
    }
    EXPECT_LT(peak[1] - peak[0], 16 * 1024) << peak[0] << " KiB with 3 titles";
}

// A thousand faults by name, then a count: a sheet made to fail does not flood the terminal.
TEST(HostileRun, FaultsBeyondAThousandAreCounted) {
    QTemporaryDir dir;
    QByteArray bytes = "工号,月份,收入\nE0,1,1\n";
    for (int row = 1; row <= 3000; ++row)
        bytes += "E" + QByteArray::number(row) + ",1,x\n";
    const Outcome run = RunCli({QStringLiteral("payroll"), Write(dir.filePath("in.csv"), bytes)});
    EXPECT_EQ(run.Status, 1);
    const QStringList lines = run.Err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1002);
    EXPECT_EQ(lines[999], QStringLiteral("pendra-cli：第1002行「收入」列：“x”不是数字"));
    EXPECT_EQ(lines[1000], QStringLiteral("pendra-cli：另有2000处错误未列出（只列出前1000处）"));
    EXPECT_EQ(lines[1001], QStringLiteral("pendra-cli：另有3000行（3000名员工）因错误未计算"));
}

// What -o names is left alone, and nothing is read, when writing there would destroy the input
// or write through a link or into a device.
TEST(HostileRun, OutputsThatAreNotToBeWritten) {
    QTemporaryDir dir;
    const QByteArray typo = "工号,月分,收入\nE1,1,20000\n";
    const QString input = Write(dir.filePath("typo.csv"), typo);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("fifo.csv")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), dir.filePath("null.csv")));
    ASSERT_TRUE(QFile::link(input, dir.filePath("same.csv")));
    ASSERT_EQ(::link(QFile::encodeName(input).constData(),
                     QFile::encodeName(dir.filePath("hard.xlsx")).constData()),
              0);
    const std::pair<const char *, const char *> cases[] = {
        {"typo.csv", "就是读入的工资表"},  {"same.csv", "就是读入的工资表"},
        {"hard.xlsx", "就是读入的工资表"}, {"fifo.csv", "不是普通文件"},
        {"null.csv", "是符号链接"},
    };
    for (const auto &[target, message] : cases) {
        const Outcome run = RunCli(
            {QStringLiteral("payroll"), input, QStringLiteral("-o"), QString::fromUtf8(target)},
            dir.path());
        EXPECT_EQ(run.Status, 2) << target;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(message))) << run.Err.toStdString();
        EXPECT_FALSE(run.Err.contains(QStringLiteral("缺少必需的列"))) << "nothing was read";
    }
    EXPECT_EQ(ReadAll(input), typo);
    struct stat fifo {};
    EXPECT_TRUE(::lstat(QFile::encodeName(dir.filePath("fifo.csv")).constData(), &fifo) == 0 &&
                S_ISFIFO(fifo.st_mode));
    EXPECT_EQ(QFile::symLinkTarget(dir.filePath("null.csv")), QStringLiteral("/dev/null"));
}

// More columns than a worksheet holds were told in the workbook library's English.
TEST(HostileRun, TooWideForExcelIsToldInChinese) {
    QTemporaryDir dir;
    QByteArray titles = "工号,月份,收入";
    for (int i = 3; i < 16400; ++i)
        titles += ",T" + QByteArray::number(i);
    const QString input = Write(dir.filePath("wide.csv"), titles + "\nE1,1,1\n");
    const Outcome run =
        RunCli({QStringLiteral("payroll"), input, QStringLiteral("-o"), dir.filePath("out.xlsx")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("超出了本程序能读的256列")))
        << run.Err.toStdString();
}

TEST(HostileRun, DashIsStandardOutput) {
    QTemporaryDir dir;
    const QString input = Write(dir.filePath("in.csv"), "工号,月份,收入\nE1,1,20000\n");
    const Outcome run = RunCli(
        {QStringLiteral("payroll"), input, QStringLiteral("-o"), QStringLiteral("-")}, dir.path());
    EXPECT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.contains("E1,1,20000.00,"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("-"))));
}

// Every command: output that never reached its place is no success.
TEST(HostileRun, FullStandardOutputIsExitTwo) {
    QTemporaryDir dir;
    const QString input = Write(dir.filePath("in.csv"), "工号,月份,收入\nE1,1,20000\n");
    const QStringList commands[] = {
        {QStringLiteral("wage"), QStringLiteral("--income"), QStringLiteral("20000")},
        {QStringLiteral("bonus"), QStringLiteral("--bonus"), QStringLiteral("38000")},
        {QStringLiteral("--help")},
        {QStringLiteral("payroll"), input},
    };
    for (const QStringList &arguments : commands) {
        const Measured run = RunCliMeasured(arguments, dir.path(), QStringLiteral("/dev/full"));
        EXPECT_EQ(run.Status, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.Err.isEmpty()) << arguments.join(u' ').toStdString();
    }
}

// A run killed while it writes a workbook leaves the old file whole, and its half-made
// workbook in the target's own folder, not in the temporary folder others may read.
TEST(HostileRun, KilledWhileWritingAWorkbook) {
    QTemporaryDir dir;
    QTemporaryDir temporary;
    QByteArray bytes = "工号,月份,收入,备注\n";
    for (int row = 0; row < 300000; ++row)
        bytes += "E" + QByteArray::number(row) + ",1,20000,某某某某某某\n";
    const QString input = Write(dir.filePath("in.csv"), bytes);
    const QString target = Write(dir.filePath("k.xlsx"), "old workbook");
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary.path());
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(PENDRA_CLI),
              {QStringLiteral("payroll"), input, QStringLiteral("-o"), target});
    const auto halfMade = [&] {
        return QDir(dir.path())
            .entryList({QStringLiteral(".k.xlsx.*")}, QDir::Files | QDir::Hidden);
    };
    for (int waited = 0; halfMade().isEmpty() && waited < 60000; waited += 10)
        QThread::msleep(10);
    ASSERT_EQ(halfMade().size(), 1) << "the workbook is made beside its target";
    cli.kill();
    cli.waitForFinished();
    EXPECT_EQ(ReadAll(target), "old workbook");
    const QStringList left =
        QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
}

// Two runs writing one file at once leave one whole file and nothing beside it.
TEST(HostileRun, TwoWritersLeaveOneCompleteFile) {
    QTemporaryDir dir;
    QByteArray bytes = "工号,月份,收入\n";
    for (int row = 0; row < 20000; ++row)
        bytes += "E" + QByteArray::number(row) + ",1,20000\n";
    const QString input = Write(dir.filePath("in.csv"), bytes);
    const QString out = dir.filePath("out.csv");
    QProcess first, second;
    for (QProcess *run : {&first, &second})
        run->start(QStringLiteral(PENDRA_CLI),
                   {QStringLiteral("payroll"), input, QStringLiteral("-o"), out});
    // The later one may find the file made by the earlier one meanwhile, and leave it.
    int done = 0;
    for (QProcess *run : {&first, &second}) {
        ASSERT_TRUE(run->waitForFinished(60000));
        const QString error = QString::fromUtf8(run->readAllStandardError());
        done += run->exitCode() == 0 ? 1 : 0;
        EXPECT_TRUE(run->exitCode() == 0 || error.contains(QStringLiteral("被其他程序改动了")))
            << error.toStdString();
    }
    EXPECT_GE(done, 1);
    EXPECT_EQ(ReadAll(out), RunCli({QStringLiteral("payroll"), input}).Out);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"in.csv", "out.csv"}));
}

} // namespace
