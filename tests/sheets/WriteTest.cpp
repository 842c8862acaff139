#include "SheetTestSupport.h"

#include "sheets/Limits.h"
#include "sheets/Withholding.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

// A worked by hand: 20000 a month, 三险一金 2000, special 3000; 3 % on cumulative taxable
// 10000, 20000, 30000, then 10 % less 2520 on 40000. B under 6万: 60000 deducted in its first
// month. X has a fault and is left out. Rows come in any order.
const QByteArray Input = "工号,月份,收入,专项扣除,专项附加扣除,减除方式\n"
                         "B,1,70000,0,0,6万\n"
                         "A,2,20000,2000,3000,\n"
                         "A,1,20000,2000,3000,\n"
                         "X,1,oops,0,0,\n"
                         "A,4,20000,2000,3000,\n"
                         "A,3,20000,2000,3000,\n";

const QByteArray Expected =
    "\xEF\xBB\xBF工号,月份,收入,专项扣除,专项附加扣除,减除方式,累计收入,累计免税收入,累计减除费用,"
    "累计专项扣除,累计专项附加扣除,累计其他扣除,累计应纳税所得额,预扣率,速算扣除数,累计应纳税额,"
    "累计已预扣税额,本月应预扣税额,税后收入\r\n"
    "B,1,70000.00,0.00,0.00,6万,70000.00,0.00,60000.00,0.00,0.00,0.00,10000.00,3%,0.00,300.00,"
    "0.00,300.00,69700.00\r\n"
    "A,1,20000.00,2000.00,3000.00,,20000.00,0.00,5000.00,2000.00,3000.00,0.00,10000.00,3%,0.00,"
    "300.00,0.00,300.00,17700.00\r\n"
    "A,2,20000.00,2000.00,3000.00,,40000.00,0.00,10000.00,4000.00,6000.00,0.00,20000.00,3%,0.00,"
    "600.00,300.00,300.00,17700.00\r\n"
    "A,3,20000.00,2000.00,3000.00,,60000.00,0.00,15000.00,6000.00,9000.00,0.00,30000.00,3%,0.00,"
    "900.00,600.00,300.00,17700.00\r\n"
    "A,4,20000.00,2000.00,3000.00,,80000.00,0.00,20000.00,8000.00,12000.00,0.00,40000.00,10%,"
    "2520.00,1480.00,900.00,580.00,17420.00\r\n";

TEST(PayrollCsv, GroupedByEmployeeAndMonthWithEveryResult) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", Input));
    const QString out = dir.filePath("out.csv");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    EXPECT_EQ(ReadFile(out), Expected);

    QBuffer device;
    device.open(QIODevice::WriteOnly);
    ASSERT_EQ(sheets::WritePayrollCsv(device, sheet).Result, sheets::Status::Done);
    EXPECT_EQ(device.data(), Expected);
}

TEST(PayrollCsv, SummaryAndRowResults) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", Input));
    const auto summary = sheets::Summarize(sheet);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->Employees, 2u);
    EXPECT_EQ(summary->Rows, 5u);
    EXPECT_EQ(summary->RejectedEmployees, 1u);
    EXPECT_EQ(summary->RejectedRows, 1u);
    const std::array<sheets::Total, 12> monthTax{60000, 30000, 30000, 58000};
    EXPECT_EQ(summary->MonthTax, monthTax);
    EXPECT_EQ(summary->YearTax, 178000);

    sheets::WithholdingCursor results(sheet);
    EXPECT_EQ(results.At(4)->Tax, 58000); // A, April
    EXPECT_EQ(results.At(0)->CumulativeBasic, 6000000);
    EXPECT_EQ(results.At(3), nullptr); // X
    EXPECT_EQ(results.At(2)->Month, 1);
    EXPECT_EQ(sheets::ResultText(*results.At(4), sheets::ResultColumn::Rate), "10%");
}

// The rows left out are saved too, where each was at fault and why before its own cells: a row
// left out with its employee names the row at fault, a row with two faults names both.
const QByteArray WithRejected = "工号,月份,收入,专项扣除,其他扣除\n"
                                "A,1,100,0,0\n"
                                "X,1,100,0,0\n"
                                "X,2,oops,-1,0\n"
                                ",1,100,0,0\n";
const char *const RejectedReasons[] = {
    "3||工号“X”第4行有误，同一员工的各行都未计算",
    "4|收入、专项扣除|“oops”不是数字；“-1”是负数，金额不能为负",
    "5|工号|工号为空",
};

TEST(RejectedRows, BesideTheCsvResults) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", WithRejected));
    const QString out = dir.filePath("结果.csv");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const QString beside = dir.filePath("结果-未计算.csv");
    EXPECT_EQ(sheets::RejectedCsvPath(out), beside);
    EXPECT_EQ(
        QString::fromUtf8(ReadFile(beside)).split("\r\n"),
        (QStringList{"\uFEFF原表行号,有误的列,未计算的原因,工号,月份,收入,专项扣除,其他扣除",
                     QString(RejectedReasons[0]).replace('|', ',') + ",X,1,100.00,0.00,0.00",
                     QString(RejectedReasons[1]).replace('|', ',') + ",X,2,oops,'-1,0.00",
                     QString(RejectedReasons[2]).replace('|', ',') + ",,1,100.00,0.00,0.00", ""}));
    EXPECT_EQ(sheets::RejectedNote(sheet, out),
              QStringLiteral("另有3行（1名员工）因错误未计算，已写在文件“%1”中").arg(beside));
    // The results read back bring the rows left out beside them along.
    EXPECT_EQ(ReadSheet(out).RowCount(), 4u);
}

TEST(RejectedRows, OnASecondWorksheet) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", WithRejected));
    const QString out = dir.filePath("out.xlsx");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const QStringList dumped = FixtureLines({"dump", out});
    const qsizetype second = dumped.indexOf("[未计算]");
    ASSERT_EQ(second, 3) << dumped.join('\n').toStdString();
    EXPECT_EQ(dumped.mid(second + 1),
              (QStringList{"原表行号|有误的列|未计算的原因|工号|月份|收入|专项扣除|其他扣除",
                           QString(RejectedReasons[0]) + "|X|1|100|0|0",
                           QString(RejectedReasons[1]) + "|X|2|oops|-1|0",
                           QString(RejectedReasons[2]) + "||1|100|0|0"}));
    EXPECT_EQ(sheets::RejectedNote(sheet, out),
              "另有3行（1名员工）因错误未计算，已写在工作表“未计算”中");
    EXPECT_FALSE(QFile::exists(dir.filePath("out-未计算.xlsx")));
}

// A folder holding only the old file, and that file's bytes.
struct OldFile {
    QTemporaryDir Dir;
    QString Path;
    QByteArray Bytes = "old contents\n";
    explicit OldFile(const char *Name) { Path = WriteFile(Dir, Name, Bytes); }
    void ExpectUntouched() const {
        EXPECT_EQ(ReadFile(Path), Bytes);
        EXPECT_EQ(
            QDir(Dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QFileInfo(Path).fileName()});
    }
};

// Some rows more than the writers report progress in.
sheets::PayrollSheet ManyRows(const QTemporaryDir &Dir) {
    QByteArray bytes = "工号,月份,收入\n";
    for (int i = 0; i < 20000; ++i)
        bytes += "E" + QByteArray::number(i) + ",1,10000\n";
    return ReadSheet(WriteFile(Dir, "many.csv", bytes));
}

class WriteOver : public ::testing::TestWithParam<const char *> {};

TEST_P(WriteOver, CancelledWriteLeavesTheOldFile) {
    OldFile old(GetParam());
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ManyRows(dir);
    qint64 reported = 0;
    const sheets::Progress hooks{[&](qint64 done, qint64) { reported = done; },
                                 [&] { return reported > 0; }};
    const sheets::WriteOutcome written = sheets::WritePayroll(old.Path, sheet, hooks);
    EXPECT_EQ(written.Result, sheets::Status::Cancelled);
    EXPECT_GT(reported, 0);
    EXPECT_LT(reported, 20000);
    old.ExpectUntouched();
}

TEST_P(WriteOver, FolderThatCannotExistFailsWithTheName) {
    OldFile old("plain.txt");
    const QString path = old.Path + "/" + GetParam();
    QTemporaryDir dir;
    const sheets::WriteOutcome written = sheets::WritePayroll(path, ManyRows(dir));
    EXPECT_EQ(written.Result, sheets::Status::Failed);
    EXPECT_TRUE(written.Error.startsWith(QStringLiteral("无法写入文件“%1”").arg(path)))
        << written.Error.toStdString();
    old.ExpectUntouched();
}

INSTANTIATE_TEST_SUITE_P(Kinds, WriteOver, ::testing::Values("out.csv", "out.xlsx"));

TEST(WriteOverXlsx, FailureHalfWayLeavesTheOldFile) {
    OldFile old("out.xlsx");
    QTemporaryDir dir;
    // Excel holds at most 32767 characters in a cell: the second employee's note, as long as a
    // cell may be read, is refused.
    const QByteArray note(sheets::Limit::CellBytes, 'x');
    const sheets::PayrollSheet sheet = ReadSheet(
        WriteFile(dir, "in.csv", "工号,月份,收入,备注\nA,1,100,short\nB,1,100," + note + "\n"));
    const sheets::WriteOutcome written = sheets::WritePayroll(old.Path, sheet);
    EXPECT_EQ(written.Result, sheets::Status::Failed);
    EXPECT_EQ(written.Error,
              QStringLiteral("写入文件“%1”时出错：一个单元格的文字超过了Excel允许的32767个字符")
                  .arg(old.Path));
    old.ExpectUntouched();
}

} // namespace
