// Sheets made to break the program or to mislead it: each limit of sheets/Limits.h refused at
// once with the limit and the place, faults of single cells named, files that are no regular
// files never waited on, and nothing written over the input, a link or a device.

#include "SheetTestSupport.h"

#include "sheets/Limits.h"
#include "sheets/PayrollBuilder.h"
#include "sheets/Withholding.h"
#include "support/FifoValve.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <array>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

const QByteArray Header = "工号,月份,收入\n";

// A literal with the NUL bytes inside it.
template <std::size_t N> QByteArray Bytes(const char (&Text)[N]) {
    return QByteArray(Text, N - 1);
}

struct RefusedCase {
    const char *Rule;
    QByteArray Bytes;
    const char *Message; // a part of it
};

void PrintTo(const RefusedCase &c, std::ostream *os) {
    *os << c.Rule;
}

class RefusedCsv : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCsv, NamesTheLimitAndThePlace) {
    QTemporaryDir dir;
    const sheets::ReadOutcome read =
        sheets::ReadPayroll(WriteFile(dir, "in.csv", GetParam().Bytes));
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_TRUE(read.Error.contains(QString::fromUtf8(GetParam().Message)))
        << read.Error.toStdString();
}

QByteArray ManyTitles(int Count) {
    QByteArray titles = "工号,月份,收入";
    for (int i = 3; i < Count; ++i)
        titles += ",T" + QByteArray::number(i);
    return titles + "\nE1,1,1\n";
}

QByteArray Gbk(const char *Utf8) {
    return QStringEncoder("GB18030")(QString::fromUtf8(Utf8));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, RefusedCsv,
    ::testing::Values(
        RefusedCase{"titles beyond the columns", ManyTitles(10000),
                    "第1行第257列不是空的，超出了本程序能读的256列"},
        RefusedCase{"a cell beyond its size", Header + "E1,1," + QByteArray(33000, '1') + "\n",
                    "第2行第3列的文字超过了32 KiB（本程序一个单元格最多32 KiB）"},
        RefusedCase{"a record beyond its size", Header + "E1,1,1" + QByteArray(2 << 20, ' '),
                    "第2行超过了1 MiB（本程序一行最多1 MiB）"},
        RefusedCase{"a quote open for megabytes", Header + "E1,1,\"1" + QByteArray(2 << 20, 'x'),
                    "第2行的引号在1 MiB之内没有闭合"},
        RefusedCase{"NUL bytes, nothing else", QByteArray(2 << 20, '\0'), "第1行超过了1 MiB"},
        RefusedCase{"a NUL byte in a title", Bytes("工号,月\0份,收入\n"),
                    "第1行（标题行）第2列含有空字符（NUL）"},
        RefusedCase{"UTF-32", QByteArray("\xFF\xFE\0\0\x25\x5E\0\0", 8), "是UTF-32编码"},
        RefusedCase{"UTF-16 big-endian", QByteArray("\xFE\xFF\x5E\x25", 4), "是UTF-16编码"},
        RefusedCase{"GBK, then a line of UTF-8",
                    Gbk("工号,姓名,月份,收入\nE1,张三,1,1\n") + "E2,李四,1,1\n",
                    "第3行是UTF-8编码，而前面的行是GBK编码"}));

// Names that happen to be valid UTF-8 in GBK (卢梅 is C2 AC C3 B7) are still GBK.
TEST(Encodings, GbkThatLooksLikeUtf8IsStillGbk) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv", Gbk("工号,姓名,月份,收入\nE1,张三,1,1\nE2,卢梅,1,1\n")));
    EXPECT_EQ(Rows(sheet), (QStringList{"E1|张三|1|1.00", "E2|卢梅|1|1.00"}));
}

TEST(Limits, RowsBeyondAWorksheetAreRefused) {
    QTemporaryDir dir;
    QByteArray bytes = Header;
    bytes.reserve(bytes.size() + 6 * (qsizetype(sheets::Limit::Rows) + 1));
    for (std::uint32_t row = 0; row <= sheets::Limit::Rows; ++row)
        bytes += "1,1,1\n";
    const sheets::ReadOutcome read = sheets::ReadPayroll(WriteFile(dir, "in.csv", bytes));
    EXPECT_EQ(read.Error, sheets::BeyondRows(dir.filePath("in.csv"), sheets::Limit::Rows + 2));
}

TEST(CellFaults, NamedByLineAndColumn) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv",
                            Bytes("工号,姓名,月份,收入\nA,甲,1,1e14\nB,乙,1,10000000000000\n"
                                  "C,丙,1,1e-400\nD,丁,1,-0.001\nE,戊\0,1,1\nF,己,1,1,x,,y,z\n")));
    EXPECT_EQ(Messages(sheet),
              (QStringList{"第2行「收入」列：“1e14”超出了金额的范围（最大为9999999999999.99）",
                           "第3行「收入」列：“10000000000000”超出了金额的范围（最大为"
                           "9999999999999.99）",
                           "第4行「收入」列：“1e-400”超出了金额的范围（最大为9999999999999.99）",
                           "第5行「收入」列：“-0.001”是负数，金额不能为负",
                           "第6行「姓名」列：含有空字符（NUL），不是文字",
                           "第7行第5列：“x”所在的列没有标题（这一行另有2个没有标题的单元格）"}));
    EXPECT_TRUE(AcceptedIds(sheet).isEmpty());
}

// A sheet of many titles and short rows costs what its cells hold: the empty ones are read as
// empty wherever they are asked for.
TEST(ExtraColumns, OnlyCellsThatHoldTextAreKept) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(
        WriteFile(dir, "in.csv", ManyTitles(200).replace("\nE1,1,1\n", "\nE1,1,1\nE2,1,1,,x\n")));
    ASSERT_EQ(sheet.RowCount(), 2u);
    EXPECT_EQ(sheet.Cell(0, 4), "");
    EXPECT_EQ(sheet.Cell(1, 4), "x");
    EXPECT_EQ(sheet.Cell(1, 199), "");
}

class HostileWorkbooks : public ScriptMade<Hostile> {};

TEST_F(HostileWorkbooks, RefusedWithTheLimitAndThePlace) {
    const std::array<std::pair<const char *, const char *>, 9> cases{{
        {"wide.xlsx", "第1行第257列不是空的，超出了本程序能读的256列"},
        {"longrun.xlsx", "其中xl/worksheets/sheet1.xml（第2行）有一段文字或标记超过了192 KiB"},
        {"deep.xlsx", "其中xl/worksheets/sheet1.xml（第2行）的元素嵌套超过了64层"},
        {"nostrings.xlsx", "已损坏：其中缺少xl/sharedStrings.xml"},
        {"cut.xlsx", "已损坏：压缩包不完整"},
        {"escape.xlsx", "已损坏：其中缺少xl/../../../etc/passwd"},
        {"absolute.xlsx", "已损坏：其中缺少etc/passwd"},
        {"laughs.xlsx", "已损坏"},
        {"empty.xlsx", "不是有效的Excel文件"},
    }};
    for (const auto &[name, message] : cases) {
        const sheets::ReadOutcome read = sheets::ReadPayroll(Path(name));
        EXPECT_EQ(read.Result, sheets::Status::Failed) << name;
        EXPECT_TRUE(read.Error.contains(QString::fromUtf8(message))) << read.Error.toStdString();
    }
}

// An entity naming a file outside is never read: the cell is empty.
TEST_F(HostileWorkbooks, ExternalEntitiesAreNotRead) {
    EXPECT_EQ(Messages(ReadSheet(Path("entity.xlsx"))), QStringList{"第2行「收入」列：不能为空"});
}

// Logical values and dates are what Excel shows, and neither is an amount or a month.
TEST_F(HostileWorkbooks, LogicalValuesAndDatesAreNoAmounts) {
    const sheets::PayrollSheet sheet = ReadSheet(Path("typed.xlsx"));
    EXPECT_EQ(Rows(sheet).value(0), "E1|1|20000.00|2024-01-01|TRUE");
    EXPECT_EQ(Messages(sheet), (QStringList{"第3行「月份」列：“TRUE”不是1到12的月份",
                                            "第4行「收入」列：“2024-01-01”不是数字",
                                            "第5行「收入」列：“TRUE”不是数字"}));
}

// What waits for ever on being opened, or reads for ever, is refused before a byte is read.
TEST(NotRegular, FifoAndDeviceAreRefused) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const FifoValve valve(fifo);
    for (const char *name : {"zero.csv", "zero.xlsx"})
        ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath(name)));
    for (const QString &path : {fifo, dir.filePath("zero.csv"), dir.filePath("zero.xlsx")}) {
        const sheets::ReadOutcome read = sheets::ReadPayroll(path);
        EXPECT_EQ(
            read.Error,
            QStringLiteral("“%1”不是普通文件（而是设备、管道、套接字之类），不能作为工资表读取")
                .arg(path));
    }
}

// Sums of a million rows of the largest amounts need more than 64 bits.
TEST(Totals, TheYearOfAHugePayrollDoesNotWrap) {
    constexpr int Employees = 2100;
    sheets::PayrollBuilder builder(QStringLiteral("huge"));
    builder.AddRow(1, std::array<std::string_view, 3>{"工号", "月份", "收入"});
    std::vector<std::string> ids;
    for (int e = 0; e < Employees; ++e)
        ids.push_back(std::to_string(e));
    for (int month = 1; month <= 12; ++month) {
        const std::string text = std::to_string(month);
        for (int e = 0; e < Employees; ++e)
            builder.AddRow(2, std::array<std::string_view, 3>{ids[e], text, "9999999999999.99"});
    }
    const sheets::PayrollSheet sheet = builder.Finish();
    const auto summary = sheets::Summarize(sheet);
    ASSERT_TRUE(summary.has_value());
    // Each employee's year: 45 % of 12 × (9999999999999.99 − 5000) less 181920.
    EXPECT_EQ(sheets::TotalText(summary->YearTax), "113399999561267895.00");
    sheets::Total months = 0;
    for (const sheets::Total tax : summary->MonthTax)
        months += tax;
    EXPECT_TRUE(months == summary->YearTax);
}

// A folder holding an input sheet, for the tests that write somewhere near it.
class Written : public ::testing::Test {
  protected:
    void SetUp() override {
        Input = WriteFile(Dir, "in.csv", Header + "E1,1,20000\n");
        Sheet = ReadSheet(Input);
    }
    void ExpectRefused(const QString &Target, const QString &Message) {
        const sheets::WriteOutcome written = sheets::WritePayroll(Target, Sheet);
        EXPECT_EQ(written.Result, sheets::Status::Failed) << Target.toStdString();
        EXPECT_TRUE(written.Error.contains(Message)) << written.Error.toStdString();
        EXPECT_EQ(ReadFile(Input), Header + "E1,1,20000\n");
    }
    QTemporaryDir Dir;
    QString Input;
    sheets::PayrollSheet Sheet;
};

TEST_F(Written, NeverOverTheInputALinkOrAFifo) {
    const QString itself = QStringLiteral("就是读入的工资表");
    ExpectRefused(Input, itself);
    ASSERT_TRUE(QFile::link(Input, Dir.filePath("link.csv")));
    ExpectRefused(Dir.filePath("link.csv"), itself);
    ASSERT_EQ(::link(QFile::encodeName(Input).constData(),
                     QFile::encodeName(Dir.filePath("hard.xlsx")).constData()),
              0);
    ExpectRefused(Dir.filePath("hard.xlsx"), itself);

    const QString other = WriteFile(Dir, "other.csv", "keep\n");
    ASSERT_TRUE(QFile::link(other, Dir.filePath("other-link.xlsx")));
    ExpectRefused(Dir.filePath("other-link.xlsx"), QStringLiteral("是符号链接"));
    EXPECT_EQ(ReadFile(other), "keep\n");
    const QString fifo = Dir.filePath("pipe.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ExpectRefused(fifo, QStringLiteral("不是普通文件"));
    struct stat status {};
    EXPECT_TRUE(::lstat(QFile::encodeName(fifo).constData(), &status) == 0 &&
                S_ISFIFO(status.st_mode));
}

// The file of the rows left out is written under the same rules: never over the input, never
// through a link, and when it is refused neither file is written.
TEST_F(Written, TheRowsLeftOutNeverOverTheInputNorThroughALink) {
    const QString input = WriteFile(Dir, "out-未计算.csv", Header + "E1,1,20000\nE2,1,x\n");
    const sheets::PayrollSheet faulty = ReadSheet(input);
    const QString out = Dir.filePath("out.csv");
    sheets::WriteOutcome written = sheets::WritePayroll(out, faulty);
    EXPECT_TRUE(written.Error.contains(QStringLiteral("就是读入的工资表")))
        << written.Error.toStdString();
    EXPECT_EQ(ReadFile(input), Header + "E1,1,20000\nE2,1,x\n");

    const QString other = WriteFile(Dir, "other.csv", "keep\n");
    ASSERT_TRUE(QFile::link(other, Dir.filePath("linked-未计算.csv")));
    written = sheets::WritePayroll(Dir.filePath("linked.csv"), faulty);
    EXPECT_TRUE(written.Error.contains(QStringLiteral("是符号链接")))
        << written.Error.toStdString();
    EXPECT_EQ(ReadFile(other), "keep\n");
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(QFile::exists(Dir.filePath("linked.csv")));
}

TEST_F(Written, NothingWhenNoRowWasComputed) {
    const sheets::PayrollSheet faulty =
        ReadSheet(WriteFile(Dir, "typo.csv", Header + "E1,1,abc\n"));
    const sheets::WriteOutcome written = sheets::WritePayroll(Dir.filePath("out.csv"), faulty);
    EXPECT_EQ(written.Error,
              QStringLiteral("文件“%1”中没有一行可以计算，没有写出结果").arg(faulty.FileName()));
    EXPECT_FALSE(QFile::exists(Dir.filePath("out.csv")));
}

// The workbook is made beside its target, not in a temporary folder others may read.
TEST_F(Written, WorkbookNeedsNoTemporaryFolder) {
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Dir.filePath("no/such/folder")));
    const sheets::WriteOutcome written = sheets::WritePayroll(Dir.filePath("out.xlsx"), Sheet);
    qputenv("TMPDIR", saved);
    EXPECT_EQ(written.Result, sheets::Status::Done) << written.Error.toStdString();
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"in.csv", "out.xlsx"}));
}

// A text a spreadsheet would take for a formula goes out inert; amounts as they are.
TEST_F(Written, FormulasInCsvGoOutAfterAnApostrophe) {
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(Dir, "formulas.csv",
                            "工号,姓名,=标题,月份,收入\n"
                            "=HYPERLINK(\"http://x\"),@SUM(A1)*cmd|' /C calc'!A0,+1,1,1\n"
                            "-2+3,\"\t=1+2\",\"\r=1\",1,2\n"));
    const QString out = Dir.filePath("out.csv");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const QStringList lines = QString::fromUtf8(ReadFile(out)).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.value(0).startsWith(QStringLiteral("工号,姓名,'=标题,月份,收入,")))
        << lines.value(0).toStdString();
    EXPECT_TRUE(lines.value(1).startsWith(QStringLiteral(
        "\"'=HYPERLINK(\"\"http://x\"\")\",'@SUM(A1)*cmd|' /C calc'!A0,'+1,1,1.00,")))
        << lines.value(1).toStdString();
    EXPECT_TRUE(lines.value(2).startsWith(QStringLiteral("'-2+3,'=1+2,\"'\r=1\",1,2.00,")))
        << lines.value(2).toStdString();
}

// Text stays text in a workbook, where no apostrophe is needed.
TEST_F(Written, FormulasInWorkbooksStayText) {
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(Dir, "formula.csv", "工号,姓名,月份,收入\nE1,=1+2,1,1\n"));
    const QString out = Dir.filePath("out.xlsx");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    EXPECT_TRUE(RunFixtureScript({"inspect", out}).contains(QStringLiteral("姓名=s:=1+2:General")));
}

} // namespace
