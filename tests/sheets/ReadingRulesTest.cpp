// How sheets kept by hand are read: a title above the header, amounts written as a spreadsheet
// shows them, months written in words and with a year, the result columns of an earlier run. Each
// rule with the sheet it comes from.

#include "SheetTestSupport.h"
#include "sheets/Withholding.h"

#include "sheets/Cells.h"

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

struct RuleCase {
    const char *Rule;
    QByteArray Bytes;
    QStringList Rows;
    QStringList Messages = {};
};

void PrintTo(const RuleCase &c, std::ostream *os) {
    *os << c.Rule;
}

class ReadingRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ReadingRules, ReadAsTheClerkMeantIt) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", GetParam().Bytes));
    EXPECT_EQ(Rows(sheet), GetParam().Rows);
    EXPECT_EQ(Messages(sheet), GetParam().Messages);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, ReadingRules,
    ::testing::Values(
        RuleCase{"a title and a note above the header, lines counted from the file's first",
                 "某某公司2026年工资表,,,\n单位：元,,,\n\n工号,姓名,月份,收入\nE1,张三,1,20000\n"
                 "E1,张三,2,x\n",
                 {"E1|张三|1|20000.00", "E1|张三|2|x"},
                 {"第6行「收入」列：“x”不是数字"}},
        RuleCase{
            "amounts with thousands separators and the yuan sign",
            "工号,月份,收入,专项扣除\nE1,1,\"15,000.00\",¥500\nE1,2,\"￥1,234,567.5\", ¥ 0.5\n",
            {"E1|1|15000.00|500.00", "E1|2|1234567.50|0.50"}},
        RuleCase{"separators out of place, or a sign before the yuan sign",
                 "工号,月份,收入\nE1,1,\"1,5000\"\nE2,1,\",500\"\nE3,1,-¥5\nE4,1,¥-5\n",
                 {"E1|1|1,5000", "E2|1|,500", "E3|1|-¥5", "E4|1|¥-5"},
                 {"第2行「收入」列：“1,5000”不是数字", "第3行「收入」列：“,500”不是数字",
                  "第4行「收入」列：“-¥5”不是数字", "第5行「收入」列：“¥-5”是负数，金额不能为负"}},
        RuleCase{"months as 1月, 2026-02, 2026年3月, 2026/4, a date and 06",
                 "工号,月份,收入\nE1,1月,1\nE1,2026-02,1\nE1,2026年3月,1\nE1,2026/4,1\n"
                 "E1,2026-05-01,1\nE1,06,1\n",
                 {"E1|1|1.00", "E1|2|1.00", "E1|3|1.00", "E1|4|1.00", "E1|5|1.00", "E1|6|1.00"}},
        RuleCase{"months beyond 1 to 12 however written, and years that are not four digits",
                 "工号,月份,收入\nA,13月,1\nB,2026-13,1\nC,26年2月,1\nD,2026-02-32,1\n",
                 {"A|13月|1.00", "B|2026-13|1.00", "C|26年2月|1.00", "D|2026-02-32|1.00"},
                 {"第2行「月份」列：“13月”不是1到12的月份",
                  "第3行「月份」列：“2026-13”不是1到12的月份",
                  "第4行「月份」列：“26年2月”不是1到12的月份",
                  "第5行「月份」列：“2026-02-32”不是1到12的月份"}},
        RuleCase{"a year other than the one most rows name",
                 "工号,月份,收入\nE1,2025-12,1\nE2,2026-01,1\nE2,2,1\nE3,2026年1月,1\n",
                 {"E1|2025-12|1.00", "E2|1|1.00", "E2|2|1.00", "E3|1|1.00"},
                 {"第2行「月份」列：“2025-12”与表中其他各行的年份（2026年）不同，"
                  "一张工资表只能是同一年的"}},
        RuleCase{"of years named as often, the one named first",
                 "工号,月份,收入\nE1,2026-01,1\nE2,2025-01,1\n",
                 {"E1|1|1.00", "E2|2025-01|1.00"},
                 {"第3行「月份」列：“2025-01”与表中其他各行的年份（2026年）不同，"
                  "一张工资表只能是同一年的"}},
        RuleCase{"6万 for an employee whose months begin after January",
                 "工号,月份,收入,减除方式\nE1,3,70000,6万\nE1,4,70000,6万\nE2,1,70000,6万\n",
                 {"E1|3|70000.00|6万", "E1|4|70000.00|6万", "E2|1|70000.00|6万"},
                 {"第2行「减除方式」列：工号“E1”的减除方式“6万”只适用于上年各月均在本单位任职受雇、"
                  "本年1月起仍在本单位的员工，其月份应从1月开始，不能从3月开始"}},
        // 6万 from 2021-01-01 (国家税务总局公告2020年第19号), 自1月 from 2020-07-01 (2020年第13号):
        // a sheet of an earlier year refuses them at the employee's first row; a sheet that
        // names no year is of the latest year, where both are the law.
        RuleCase{
            "6万 and 自1月 before the years they began",
            "工号,月份,收入,减除方式\nE1,2019-01,20000,6万\nE1,2019-02,20000,6万\n"
            "E2,2019-05,20000,自1月\nE3,2019-01,20000,按月\n",
            {"E1|1|20000.00|6万", "E1|2|20000.00|6万", "E2|5|20000.00|自1月", "E3|1|20000.00|按月"},
            {"第2行「减除方式」列：工号“E1”的减除方式“6万”自2021年1月1日起施行（国家税务总局公告"
             "2020年第19号），2019年不能采用",
             "第4行「减除方式」列：工号“E2”的减除方式“自1月”自2020年7月1日起施行（国家税务总局"
             "公告2020年第13号），2019年不能采用"}},
        RuleCase{
            "6万 in 2020, 自1月 taken",
            "工号,月份,收入,减除方式\nE1,2020-01,20000,6万\nE2,2020-03,20000,自1月\n",
            {"E1|1|20000.00|6万", "E2|3|20000.00|自1月"},
            {"第2行「减除方式」列：工号“E1”的减除方式“6万”自2021年1月1日起施行（国家税务总局公告"
             "2020年第19号），2020年不能采用"}}));

// A sheet of 2020 withholds under 2020's law: 自1月 governs from July. 20000 a month less 2000
// insurance from March: per month to June (13000, 26000, 39000, 52000 taxable: 390, 390, 600,
// 1300), then July 7 × 5000: 100000 − 35000 − 10000 = 55000 → 2980, 300 more than June's 2680.
TEST(SheetYear, WithheldUnderTheLawOfTheYearItsMonthsName) {
    QByteArray bytes = "工号,月份,收入,专项扣除,减除方式\n";
    for (int month = 3; month <= 7; ++month)
        bytes += "E1,2020-0" + QByteArray::number(month) + ",20000,2000,自1月\n";
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", bytes));
    ASSERT_TRUE(sheet.Errors().empty());
    QStringList taxes;
    for (const current::WageWithholding &month : sheets::Withhold(sheet, 0))
        taxes << QString::number(month.Tax / 100);
    EXPECT_EQ(taxes, (QStringList{"390", "390", "600", "1300", "300"}));
}

// Only the header is looked for so far: a sheet without one is refused after ten rows.
TEST(HeaderSearch, NoHeaderAmongTheFirstTenRows) {
    QByteArray bytes;
    for (int note = 1; note <= 10; ++note)
        bytes += "说明" + QByteArray::number(note) + ",,\n\n";
    bytes += "工号,月份,收入\nE1,1,1\n";
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "in.csv", bytes);
    const sheets::ReadOutcome read = sheets::ReadPayroll(path);
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_EQ(read.Error, QStringLiteral("文件“%1”的前10行（不计空行）中没有标题行：标题行是含有"
                                         "「工号」、「月份」、「收入」各列的一行")
                              .arg(path));
    // Nine rows above it are still passed over.
    bytes.remove(0, bytes.indexOf('\n') + 1);
    EXPECT_EQ(Rows(ReadSheet(WriteFile(dir, "nine.csv", bytes))), QStringList{"E1|1|1.00"});
}

// The results of an earlier run are left out of the input and made again: a sheet saved by the
// program and opened again gives the same file, not a second set of results.
TEST(ResultColumns, LeftOutWhenReadAndMadeAgain) {
    QTemporaryDir dir;
    const QByteArray input = "工号,姓名,月份,收入,专项扣除,部门\nE1,张三,1,20000,2000,财务\n"
                             "E1,张三,2,20000,2000,财务\n";
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", input));
    EXPECT_EQ(sheet.WrittenColumnsLeftOut(), 0u);
    const QString first = dir.filePath("first.csv");
    ASSERT_EQ(sheets::WritePayroll(first, sheet).Result, sheets::Status::Done);

    const sheets::PayrollSheet again = ReadSheet(first);
    EXPECT_EQ(Titles(again), Titles(sheet));
    EXPECT_EQ(Rows(again), Rows(sheet));
    EXPECT_EQ(again.WrittenColumnsLeftOut(), sheets::ResultColumnCount);
    const QString second = dir.filePath("second.csv");
    ASSERT_EQ(sheets::WritePayroll(second, again).Result, sheets::Status::Done);
    EXPECT_EQ(ReadFile(second), ReadFile(first));
}

// The sheet a clerk keeps in Excel, made by openpyxl: the title merged over the columns, amounts
// typed as text with separators or formatted as currency, a month as a date cell shown 2026-02.
class ClerkWorkbook : public ScriptMade<MadeByOpenpyxl> {};

TEST_F(ClerkWorkbook, ReadAsTheClerkMeantIt) {
    const sheets::PayrollSheet sheet = ReadSheet(Path("clerk.xlsx"));
    EXPECT_EQ(Titles(sheet), "工号|姓名|月份|收入|专项扣除");
    EXPECT_EQ(Rows(sheet),
              (QStringList{"E01|张三|1|15000.00|1500.00", "E01|张三|2|15000.00|1500.00",
                           "E01|张三|3|15000.00|1500.00", "E02|李四|1|8000.50|0.00",
                           "E03|王五|2025-12|8000.00|0.00"}));
    EXPECT_EQ(Messages(sheet),
              QStringList{"第8行「月份」列：“2025-12”与表中其他各行的年份（2026年）不同，"
                          "一张工资表只能是同一年的"});
    EXPECT_EQ(AcceptedIds(sheet), (QStringList{"E01", "E02"}));
}

} // namespace
