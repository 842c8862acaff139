#include "SheetTestSupport.h"

#include <QDir>

#include <array>

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

struct EncodingCase {
    const char *Rule;
    QByteArray Bytes;
    QString Titles;
    QStringList Rows;
};

void PrintTo(const EncodingCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CsvReading : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(CsvReading, CellsAsWritten) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", GetParam().Bytes));
    EXPECT_EQ(Titles(sheet), GetParam().Titles);
    EXPECT_EQ(Rows(sheet), GetParam().Rows);
    EXPECT_TRUE(sheet.Errors().empty()) << Messages(sheet).join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvReading,
    ::testing::Values(
        EncodingCase{"UTF-8 without BOM, LF line ends",
                     "工号,姓名,月份,收入\nE1,张三,1,20000\nE1,张三,2,20000.5\n",
                     "工号|姓名|月份|收入",
                     {"E1|张三|1|20000.00", "E1|张三|2|20000.50"}},
        EncodingCase{"UTF-8 with BOM, CRLF line ends",
                     "\xEF\xBB\xBF工号,姓名,月份,收入\r\nE1,张三,1,20000\r\nE1,张三,2,20000.5\r\n",
                     "工号|姓名|月份|收入",
                     {"E1|张三|1|20000.00", "E1|张三|2|20000.50"}},
        EncodingCase{"GBK, as spreadsheets in China save CSV",
                     "\xB9\xA4\xBA\xC5,\xD0\xD5\xC3\xFB,\xD4\xC2\xB7\xDD,\xCA\xD5\xC8\xEB,"
                     "\xB2\xBF\xC3\xC5\r\nE1,\xD5\xC5\xC8\xFD,1,20000,\xB2\xC6\xCE\xF1\xB2\xBF\r\n",
                     "工号|姓名|月份|收入|部门",
                     {"E1|张三|1|20000.00|财务部"}},
        EncodingCase{"quoted cells with commas, doubled quotes and line breaks",
                     "工号,月份,收入,备注\n\"E,1\",\"1\",\"20000\",\"他说\"\"好\"\"\n第二行\"\r\n",
                     "工号|月份|收入|备注",
                     {"E,1|1|20000.00|他说\"好\"\n第二行"}},
        EncodingCase{"columns in any order, blank lines and empty cells passed over",
                     "\n收入,减除方式,月份,工号,,\n\n20000,6万,1,E1,,\n,,,\n  \n",
                     "收入|减除方式|月份|工号",
                     {"20000.00|6万|1|E1"}},
        EncodingCase{"a lone CR ends a line, the last line needs no line end",
                     "工号,月份,收入\rE1,1, 1e3 \rE1,2,0.125",
                     "工号|月份|收入",
                     {"E1|1|1000.00", "E1|2|0.13"}},
        EncodingCase{"optional amounts default to 0, extra columns are kept in place",
                     "部门,工号,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n"
                     "销售,E1,3,100,,,,,\n",
                     "部门|工号|月份|收入|免税收入|专项扣除|专项附加扣除|其他扣除|减除方式",
                     {"销售|E1|3|100.00|0.00|0.00|0.00|0.00|"}}));

TEST(CsvLines, LinesCountFromTheHeaderWithBreaksInsideQuotes) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(
        dir, "in.csv", "工号,月份,收入,备注\r\nE1,1,100,\"a\r\nb\"\r\nE2,1,x,\r\n\r\nE3,13,1\r\n"));
    EXPECT_EQ(Messages(sheet), (QStringList{"第4行「收入」列：“x”不是数字",
                                            "第6行「月份」列：“13”不是1到12的月份"}));
}

// Rows of every length, some quoted across lines, over several of the reader's chunks: every
// cell comes back whole wherever a chunk ends.
TEST(CsvLines, ManyChunksReadWhole) {
    QByteArray bytes = "工号,月份,收入,备注\n";
    constexpr int Employees = 40000;
    for (int i = 0; i < Employees; ++i) {
        const QByteArray note = i % 7 == 0 ? "\"多行\n\"\"备注\"\"," + QByteArray::number(i) + "\""
                                           : QByteArray(i % 120, 'x');
        bytes += "E" + QByteArray::number(i) + ",1," + QByteArray::number(i) + ".5," + note + "\n";
    }
    ASSERT_GT(bytes.size(), 2 << 20);
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "big.csv", bytes));
    ASSERT_EQ(sheet.RowCount(), std::size_t{Employees});
    EXPECT_TRUE(sheet.Errors().empty());
    for (int i = 0; i < Employees; ++i) {
        const QString note =
            i % 7 == 0 ? QStringLiteral("多行\n\"备注\",%1").arg(i) : QString(i % 120, u'x');
        ASSERT_EQ(sheet.Cell(std::size_t(i), 0), QStringLiteral("E%1").arg(i));
        ASSERT_EQ(sheet.Row(std::size_t(i)).Income, i * 100 + 50);
        ASSERT_EQ(sheet.Cell(std::size_t(i), 3), note) << i;
    }
}

struct FileFaultCase {
    const char *Rule;
    const char *Name;
    QByteArray Bytes; // none: no such file
    QString Message;  // %1 is the path
};

void PrintTo(const FileFaultCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CsvFileFaults : public ::testing::TestWithParam<FileFaultCase> {};

TEST_P(CsvFileFaults, WholeFileRefusedWithItsName) {
    QTemporaryDir dir;
    const FileFaultCase &c = GetParam();
    const QString path = c.Bytes.isNull() ? dir.filePath(c.Name) : WriteFile(dir, c.Name, c.Bytes);
    const sheets::ReadOutcome read = sheets::ReadPayroll(path);
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_EQ(read.Error, c.Message.arg(path));
    EXPECT_EQ(read.Sheet.RowCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvFileFaults,
    ::testing::Values(
        FileFaultCase{"no such file", "none.csv", QByteArray(), "文件“%1”不存在"},
        FileFaultCase{"empty", "empty.csv", "", "文件“%1”是空的，没有标题行"},
        FileFaultCase{"blank lines only", "blank.csv", "\n , \n\r\n", "文件“%1”是空的，没有标题行"},
        FileFaultCase{"a required column missing", "a.csv", "工号,月份\nE1,1\n",
                      "文件“%1”第1行（标题行）缺少必需的列「收入」"},
        FileFaultCase{"no header at all", "a.csv", "E1,张三,1,20000\n",
                      "文件“%1”的前10行（不计空行）中没有标题行：标题行是含有「工号」、「月份」、"
                      "「收入」各列的一行"},
        FileFaultCase{"a column twice", "a.csv", "工号,月份,收入,收入\nE1,1,2,3\n",
                      "文件“%1”的标题行中「收入」列出现了不止一次"},
        FileFaultCase{"GBK text, then bytes neither UTF-8 nor GBK", "a.csv",
                      "\xB9\xA4\xBA\xC5,\xD4\xC2\xB7\xDD,\xCA\xD5\xC8\xEB\nE1,1,\x80\xFF\n",
                      "文件“%1”第2行既不是UTF-8也不是GBK文本，无法解码"},
        FileFaultCase{"UTF-8 BOM, then other bytes", "a.csv",
                      "\xEF\xBB\xBF工号,月份,收入\nE1,1,\xB9\xA4\n",
                      "文件“%1”第2行不是有效的UTF-8文本，无法解码"},
        FileFaultCase{"UTF-8 text, then GBK text", "a.csv", "工号,月份,收入\nE1,1,\xB9\xA4\n",
                      "文件“%1”第2行不是有效的UTF-8文本，无法解码"},
        FileFaultCase{"UTF-16", "a.csv", QByteArray("\xFF\xFE\x27\x5E", 4),
                      "文件“%1”是UTF-16编码，请另存为UTF-8或GBK编码的CSV文件"},
        FileFaultCase{"a quote never closed", "a.csv", "工号,月份,收入\nE1,1,\"100\nE2,1,1\n",
                      "文件“%1”第2行的引号没有闭合"},
        FileFaultCase{"old Excel format", "a.xls", "\xD0\xCF\x11\xE0",
                      "文件“%1”是旧版Excel格式（.xls），请在Excel中另存为.xlsx或CSV文件"}));

TEST(CsvFileFault, FolderIsNotAFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.csv"));
    const QString path = dir.filePath("folder.csv");
    const sheets::ReadOutcome read = sheets::ReadPayroll(path);
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_EQ(read.Error, QStringLiteral("“%1”是文件夹，不是文件").arg(path));
}

} // namespace

// Month by month with the order of employees changing, ids that begin alike, and one employee
// row by row: each row still goes to its own employee.
TEST(CsvEmployees, RowsGoToTheirEmployeeWhateverTheOrder) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv",
                                                           "工号,月份,收入\n"
                                                           "E1,1,11\nE10,1,101\nE100,1,1001\n"
                                                           "E1,2,12\nE100,2,1002\nE10,2,102\n"
                                                           "E10,3,103\nE1,3,13\nE100,3,1003\n"
                                                           "X,1,1\nX,2,2\nX,3,3\n"));
    EXPECT_TRUE(sheet.Errors().empty());
    EXPECT_EQ(sheet.ColumnOf(sheets::Field::Income), 2);
    EXPECT_EQ(sheet.ColumnOf(sheets::Field::Name), -1);
    ASSERT_EQ(AcceptedIds(sheet), (QStringList{"E1", "E10", "E100", "X"}));
    const std::array<int, 4> base{10, 100, 1000, 0};
    for (std::uint32_t employee = 0; employee < 4; ++employee) {
        const auto months = sheet.Months(employee);
        ASSERT_EQ(months.size(), 3u);
        for (int m = 0; m < 3; ++m) {
            EXPECT_EQ(months[m].Month, m + 1);
            EXPECT_EQ(months[m].Income, (base[employee] + m + 1) * 100);
        }
    }
}
