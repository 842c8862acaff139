// pendra-cli payroll as a script runs it: sheets in temporary folders, the results on stdout or in
// a file, every fault named by line and column with the other employees still computed.

#include "CliRun.h"

#include <QFile>
#include <QProcess>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

// The year worked by hand in the engine tests: 300.00 withheld in January to March, 580.00 in
// April, when the cumulative taxable income passes 36000 and the rate becomes 10 %.
const char *const Header = "工号,姓名,月份,收入,专项扣除,专项附加扣除";
const char *const HandWorked = "E1,\"张, 三\",1,20000,2000,3000\n"
                               "E1,\"张, 三\",2,20000,2000,3000\n"
                               "E1,\"张, 三\",3,20000,2000,3000\n"
                               "E1,\"张, 三\",4,20000,2000,3000\n";
const char *const ResultTitles =
    "累计收入,累计免税收入,累计减除费用,累计专项扣除,累计专项附加扣除,累计其他扣除,"
    "累计应纳税所得额,预扣率,速算扣除数,累计应纳税额,累计已预扣税额,本月应预扣税额,税后收入";
const char *const HandWorkedApril = "E1,\"张, 三\",4,20000.00,2000.00,3000.00,80000.00,0.00,"
                                    "20000.00,8000.00,12000.00,0.00,40000.00,10%,2520.00,"
                                    "1480.00,900.00,580.00,17420.00";

QString Write(const QTemporaryDir &Dir, const QString &Name, const QByteArray &Bytes) {
    const QString path = Dir.filePath(Name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size())
        << path.toStdString();
    return path;
}

QByteArray Sheet(const char *Rows) {
    return QByteArray(Header) + '\n' + HandWorked + Rows;
}

// The output's lines without the BOM and the CRLF ends.
QStringList Lines(const QByteArray &Csv) {
    EXPECT_TRUE(Csv.startsWith("\xEF\xBB\xBF")) << "no BOM";
    QStringList lines = QString::fromUtf8(Csv.mid(3)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray ReadAll(const QString &Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Payroll, WritesTheHandWorkedYearToStandardOutput) {
    QTemporaryDir dir;
    const Outcome run = RunCli({QStringLiteral("payroll"), Write(dir, "in.csv", Sheet(""))});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QString::fromUtf8(Header) + u',' + QString::fromUtf8(ResultTitles));
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral(",300.00,17700.00"))) << lines[1].toStdString();
    EXPECT_EQ(lines[4], QString::fromUtf8(HandWorkedApril));
    EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
}

// Spreadsheets in China save CSV in GBK; the same figures come out, in UTF-8.
TEST(Payroll, ReadsAGbkSheetIntoAFile) {
    QTemporaryDir dir;
    const QByteArray gbk = QStringEncoder("GB18030")(QString::fromUtf8(Sheet("")));
    ASSERT_NE(gbk, Sheet("")); // the Chinese text is encoded differently
    const QString out = dir.filePath(QStringLiteral("结果.csv"));
    const Outcome run =
        RunCli({QStringLiteral("payroll"), Write(dir, "gbk.csv", gbk), QStringLiteral("-o"), out});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(Lines(ReadAll(out)).value(4), QString::fromUtf8(HandWorkedApril));
}

struct BadRowCase {
    const char *What;
    const char *Rows; // employee E2's, after the hand-worked E1 (lines 2 to 5)
    const char *Message;
};

void PrintTo(const BadRowCase &Case, std::ostream *Out) {
    *Out << Case.What;
}

class BadRows : public ::testing::TestWithParam<BadRowCase> {};

// The faulty employee is left out whole, the others are exact, and the status says so.
TEST_P(BadRows, NamedByLineAndColumnWithTheOthersStillExact) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    const Outcome run =
        RunCli({QStringLiteral("payroll"), Write(dir, "in.csv", Sheet(GetParam().Rows)),
                QStringLiteral("--output"), out});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Message))) << run.Err.toStdString();
    const QStringList lines = Lines(ReadAll(out));
    ASSERT_EQ(lines.size(), 5) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines[4], QString::fromUtf8(HandWorkedApril));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BadRows,
    ::testing::Values(
        BadRowCase{"not a number", "E2,,1,8000,0,0\nE2,,2,八千,0,0\n", "第7行「收入」列"},
        BadRowCase{"negative", "E2,,1,8000,-1,0\n", "第6行「专项扣除」列"},
        BadRowCase{"month 13", "E2,,13,8000,0,0\n", "第6行「月份」列"},
        BadRowCase{"duplicate month", "E2,,1,8000,0,0\nE2,,1,9000,0,0\n", "第7行「月份」列"},
        BadRowCase{"gap", "E2,,1,8000,0,0\nE2,,3,8000,0,0\n", "缺少2月"},
        BadRowCase{"empty income", "E2,,1,,0,0\n", "第6行「收入」列"}));

// The rows left out are saved beside the results, and stderr says how many and where.
TEST(Payroll, RowsLeftOutAreSavedBesideTheResults) {
    QTemporaryDir dir;
    const QString in = Write(dir, "in.csv", Sheet("E2,,1,8000,0,0\nE2,,2,八千,0,0\n"));
    const QString out = dir.filePath(QStringLiteral("预扣.csv"));
    Outcome run = RunCli({QStringLiteral("payroll"), in, QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1);
    const QString beside = dir.filePath(QStringLiteral("预扣-未计算.csv"));
    EXPECT_TRUE(run.Err.contains(
        QStringLiteral("另有2行（1名员工）因错误未计算，已写在文件“%1”中").arg(beside)))
        << run.Err.toStdString();
    const QStringList rejected = Lines(ReadAll(beside));
    ASSERT_EQ(rejected.size(), 3) << rejected.join(u'\n').toStdString();
    EXPECT_TRUE(rejected[1].startsWith(QStringLiteral("6,,工号“E2”第7行有误")))
        << rejected[1].toStdString();
    EXPECT_TRUE(rejected[2].startsWith(QStringLiteral("7,收入,“八千”不是数字,E2,,2,八千,")))
        << rejected[2].toStdString();

    const QString book = dir.filePath(QStringLiteral("预扣.xlsx"));
    run = RunCli({QStringLiteral("payroll"), in, QStringLiteral("-o"), book});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("已写在工作表“未计算”中")))
        << run.Err.toStdString();
}

// A sheet the command wrote, given to it again: the same results, not a second set of them.
TEST(Payroll, ResultsReadAgainAreMadeAnew) {
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.csv"));
    ASSERT_EQ(RunCli({QStringLiteral("payroll"), Write(dir, "in.csv", Sheet("")),
                      QStringLiteral("-o"), first})
                  .Status,
              0);
    const Outcome again = RunCli({QStringLiteral("payroll"), first});
    EXPECT_EQ(again.Status, 0);
    EXPECT_EQ(again.Out, ReadAll(first));
    EXPECT_TRUE(again.Err.contains(QStringLiteral("工资表中有13列是本程序以前写出的")))
        << again.Err.toStdString();
}

// Modes are a column of their own, so these sheets have another header.
TEST(Payroll, ModeFaultsLeaveTheEmployeeOut) {
    QTemporaryDir dir;
    const QByteArray sheet = "工号,月份,收入,减除方式\n"
                             "E1,1,8000,自1月\n"
                             "E2,1,8000,每月\n"
                             "E3,1,8000,按月\n"
                             "E3,2,8000,6万\n";
    const Outcome run = RunCli({QStringLiteral("payroll"), Write(dir, "in.csv", sheet)});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("第3行「减除方式」列"))) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains(QStringLiteral("第5行「减除方式」列"))) << run.Err.toStdString();
    const QStringList lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("E1,1,8000.00,自1月,")))
        << lines[1].toStdString();
}

struct RefusedCase {
    const char *What;
    const char *Sheet; // empty: no input file at all
    const char *Arguments;
    const char *Message;
};

void PrintTo(const RefusedCase &Case, std::ostream *Out) {
    *Out << Case.What;
}

class Refused : public ::testing::TestWithParam<RefusedCase> {};

// Nothing computed: status 2, a message, and an old output file left as it was.
TEST_P(Refused, WritesNothing) {
    QTemporaryDir dir;
    const QString out = Write(dir, "out.csv", "old results\n");
    QStringList arguments{QStringLiteral("payroll")};
    if (*GetParam().Sheet)
        arguments << Write(dir, "in.csv", GetParam().Sheet);
    arguments << QString::fromUtf8(GetParam().Arguments).split(u' ', Qt::SkipEmptyParts);
    const Outcome run = RunCli(arguments, dir.path());
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Message))) << run.Err.toStdString();
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_EQ(ReadAll(out), "old results\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refused,
    ::testing::Values(
        RefusedCase{"no file named", "", "-o out.csv", "缺少工资表文件"},
        RefusedCase{"a file that is not there", "", "missing.csv -o out.csv", "missing.csv"},
        RefusedCase{"an unknown option", "工号,月份,收入\nE1,1,100\n", "-o out.csv --fast",
                    "未知选项 --fast"},
        RefusedCase{"no JSON", "工号,月份,收入\nE1,1,100\n", "--json", "未知选项 --json"},
        RefusedCase{"a folder that is not there", "工号,月份,收入\nE1,1,100\n",
                    "-o no/such/folder/out.csv", "out.csv"}));

// Without a required column no row can be computed: nothing is written, so that an older
// output is left as it was, and the status says that nothing was done.
TEST(Payroll, MissingColumnWritesNothing) {
    QTemporaryDir dir;
    const QString out = Write(dir, "out.csv", "old results\n");
    const Outcome run =
        RunCli({QStringLiteral("payroll"), Write(dir, "in.csv", "工号,月份,专项扣除\nE1,1,100\n"),
                QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("第1行（标题行）缺少必需的列「收入」")))
        << run.Err.toStdString();
    EXPECT_EQ(ReadAll(out), "old results\n");
}

// Workbooks both ways, checked by another tool than the one that wrote them.
TEST(Payroll, ExcelInAndOut) {
    QTemporaryDir dir;
    QProcess python;
    python.start(QStringLiteral(PENDRA_PYTHON),
                 {QStringLiteral(PENDRA_XLSX_FIXTURES), QStringLiteral("make"), dir.path()});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();

    // Row 7 of that workbook holds "八千" as 收入: named by the row the spreadsheet shows.
    const QString out = dir.filePath(QStringLiteral("out.csv"));
    Outcome run = RunCli({QStringLiteral("payroll"), dir.filePath(QStringLiteral("shared.xlsx")),
                          QStringLiteral("-o"), out});
    EXPECT_EQ(run.Status, 1);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("第7行「收入」列"))) << run.Err.toStdString();
    const QStringList lines = Lines(ReadAll(out));
    ASSERT_EQ(lines.size(), 4) << lines.join(u'\n').toStdString();
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("E01,张三,1,20000.00,2000.50,财务部,")));

    const QString book = dir.filePath(QStringLiteral("out.xlsx"));
    run = RunCli(
        {QStringLiteral("payroll"), Write(dir, "in.csv", Sheet("")), QStringLiteral("-o"), book});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    python.start(QStringLiteral(PENDRA_PYTHON),
                 {QStringLiteral(PENDRA_XLSX_FIXTURES), QStringLiteral("inspect"), book});
    ASSERT_TRUE(python.waitForFinished(60000));
    const QString facts = QString::fromUtf8(python.readAllStandardOutput());
    EXPECT_TRUE(facts.contains(QStringLiteral("header_bold=True"))) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QStringLiteral("本月应预扣税额=n:300"))) << facts.toStdString();
    EXPECT_TRUE(facts.contains(QStringLiteral("预扣率=s:3%"))) << facts.toStdString();
}

} // namespace

namespace {

// The sheet a clerk tried first: 三险一金 deducted (300.00, not 360.00), the columns not read
// named, the one that looks like a deduction warned of, the totals row passed over without a fault.
TEST(PayrollTitles, InsuranceUnderItsClerkTitleIsDeductedAndTheRestIsNamed) {
    QTemporaryDir dir;
    const QString in = Write(dir, "in.csv",
                             "工号,姓名,部门,月份,收入,三险一金,专项附加扣除,个人社保\n"
                             "A1,甲,财务,1,20000,2000,3000,100\n,合计,,,20000,2000,3000,100\n");
    const Outcome run = RunCli({QStringLiteral("payroll"), in});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QStringList lines = Lines(run.Out);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].endsWith(",300.00,17700.00")) << lines[1].toStdString();
    EXPECT_TRUE(run.Err.contains("未读取的列：部门、个人社保")) << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("第3行等1行没有工号而写着合计、总计或小计"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("警告：「个人社保」看似应从收入中扣除的金额"))
        << run.Err.toStdString();
}

// A second run over the first's workbook keeps the employees left out, and says so.
TEST(PayrollTitles, ASecondSaveKeepsTheEmployeesLeftOut) {
    QTemporaryDir dir;
    const QString in =
        Write(dir, "in.csv", Sheet("E2,乙,1月,\"¥19,000.00\",0,0\nE2,乙,2,八千,0,0\n"));
    const Outcome first = RunCli({"payroll", in, "-o", dir.filePath("first.xlsx")});
    ASSERT_EQ(first.Status, 1) << first.Err.toStdString();
    const Outcome second =
        RunCli({"payroll", dir.filePath("first.xlsx"), "-o", dir.filePath("second.csv")});
    ASSERT_EQ(second.Status, 1) << second.Err.toStdString();
    EXPECT_TRUE(second.Err.contains("另从工作表“未计算”读入了上次未计算的2行"))
        << second.Err.toStdString();
    const QByteArray left = ReadAll(dir.filePath("second-未计算.csv"));
    EXPECT_TRUE(left.contains(",E2,乙,1月,\"¥19,000.00\",")) << left.toStdString();
    EXPECT_TRUE(left.contains("“八千”不是数字,E2,乙,2,八千,")) << left.toStdString();
}

} // namespace
