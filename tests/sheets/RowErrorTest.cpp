#include "SheetTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;

// Employee G is good and comes first and last; the rows of B (from line 4) carry the fault.
const QByteArray Header = "工号,姓名,月份,收入,免税收入,专项扣除,专项附加扣除,其他扣除,减除方式\n";
const QByteArray GoodFirst = "G,甲,1,10000,0,1000,0,0,按月\n"
                             "G,甲,2,10000,0,1000,0,0,\n";
const QByteArray GoodLast = "G,甲,3,10000,0,1000,0,0,按月\n";

struct RowFaultCase {
    const char *Rule;
    QByteArray BadRows; // from line 4
    QStringList Messages;
    std::uint32_t Line = 0;
    sheets::RowProblem Problem = sheets::RowProblem::Empty;
    const char *Column = "";
    QStringList Accepted = {"G"};
};

void PrintTo(const RowFaultCase &c, std::ostream *os) {
    *os << c.Rule;
}

class RowFaults : public ::testing::TestWithParam<RowFaultCase> {};

TEST_P(RowFaults, NamedByLineAndColumnWithTheOthersKept) {
    const RowFaultCase &c = GetParam();
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv", Header + GoodFirst + c.BadRows + GoodLast));
    EXPECT_EQ(Messages(sheet), c.Messages);
    ASSERT_FALSE(sheet.Errors().empty());
    const sheets::RowError &error = sheet.Errors().front();
    EXPECT_EQ(error.Line, c.Line);
    EXPECT_EQ(error.Problem, c.Problem);
    const auto &columns = sheet.Columns();
    EXPECT_EQ(error.Column < columns.size() ? columns[error.Column].Title : QString(),
              QString::fromUtf8(c.Column));
    EXPECT_EQ(AcceptedIds(sheet), c.Accepted);
    // Every row of a refused employee is left out, the good employee's rows are whole.
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        const bool good = sheet.Cell(row, 0) == "G";
        EXPECT_EQ(sheet.RowAccepted(row), good) << "line " << sheet.Row(row).Line;
    }
    const std::uint32_t g = 0;
    ASSERT_EQ(sheet.EmployeeId(g), "G");
    const auto months = sheet.Months(g);
    ASSERT_EQ(months.size(), 3u);
    for (int m = 0; m < 3; ++m) {
        EXPECT_EQ(months[m].Month, m + 1);
        EXPECT_EQ(months[m].Income, 1'000'000);
        EXPECT_EQ(months[m].Insurance, 100'000);
    }
}

using P = sheets::RowProblem;

INSTANTIATE_TEST_SUITE_P(
    Cells, RowFaults,
    ::testing::Values(
        RowFaultCase{"an amount that is not a number",
                     "B,乙,1,1万,0,0,0,0,\nB,乙,2,100,0,0,0,0,\n",
                     {"第4行「收入」列：“1万”不是数字"},
                     4,
                     P::NotNumber,
                     "收入"},
        RowFaultCase{"a negative amount",
                     "B,乙,1,100,-5,0,0,0,\n",
                     {"第4行「免税收入」列：“-5”是负数，金额不能为负"},
                     4,
                     P::Negative,
                     "免税收入"},
        RowFaultCase{
            "two faults in one row, each named",
            "B,乙,1,100,0,x,0,-1,\n",
            {"第4行「专项扣除」列：“x”不是数字", "第4行「其他扣除」列：“-1”是负数，金额不能为负"},
            4,
            P::NotNumber,
            "专项扣除"},
        RowFaultCase{"an empty income",
                     "B,乙,1,,0,0,0,0,\n",
                     {"第4行「收入」列：不能为空"},
                     4,
                     P::Empty,
                     "收入"},
        RowFaultCase{"month 13",
                     "B,乙,13,100,0,0,0,0,\n",
                     {"第4行「月份」列：“13”不是1到12的月份"},
                     4,
                     P::NotMonth,
                     "月份"},
        RowFaultCase{"month 0",
                     "B,乙,0,100,0,0,0,0,\n",
                     {"第4行「月份」列：“0”不是1到12的月份"},
                     4,
                     P::NotMonth,
                     "月份"},
        RowFaultCase{"a month with a fraction",
                     "B,乙,1.5,100,0,0,0,0,\n",
                     {"第4行「月份」列：“1.5”不是1到12的月份"},
                     4,
                     P::NotMonth,
                     "月份"},
        RowFaultCase{"an empty month",
                     "B,乙,,100,0,0,0,0,\n",
                     {"第4行「月份」列：不能为空"},
                     4,
                     P::Empty,
                     "月份"},
        RowFaultCase{
            "an unknown mode",
            "B,乙,1,100,0,0,0,0,按年\n",
            {"第4行「减除方式」列：“按年”不是减除方式，应为按月、自1月或6万（空白即按月）"},
            4,
            P::UnknownMode,
            "减除方式"},
        RowFaultCase{"an empty 工号 leaves out only that row",
                     ",乙,1,100,0,0,0,0,\n",
                     {"第4行「工号」列：工号为空"},
                     4,
                     P::EmptyId,
                     "工号"},
        RowFaultCase{"a cell beyond the titled columns",
                     "B,乙,1,100,0,0,0,0,,备注\n",
                     {"第4行第10列：“备注”所在的列没有标题"},
                     4,
                     P::NoTitle,
                     ""}));

INSTANTIATE_TEST_SUITE_P(
    Employees, RowFaults,
    ::testing::Values(
        RowFaultCase{"a month twice",
                     "B,乙,1,100,0,0,0,0,\nB,乙,1,200,0,0,0,0,\n",
                     {"第5行「月份」列：工号“B”的1月与第4行重复"},
                     5,
                     P::DuplicateMonth,
                     "月份"},
        RowFaultCase{"a gap in the months, rows in any order",
                     "B,乙,4,100,0,0,0,0,\nB,乙,1,100,0,0,0,0,\nB,乙,2,100,0,0,0,0,\n",
                     {"第4行「月份」列：工号“B”缺少3月，同一员工的月份必须连续"},
                     4,
                     P::MonthGap,
                     "月份"},
        RowFaultCase{"two modes for one employee",
                     "B,乙,1,100,0,0,0,0,\nB,乙,2,100,0,0,0,0,6万\n",
                     {"第5行「减除方式」列：工号“B”的减除方式“6万”与第4行的空白（按月）不同"},
                     5,
                     P::MixedModes,
                     "减除方式"}));

TEST(RowFaultsAccepted, BlankModeIsPerMonthAndMonthsNeedNotStartInJanuary) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(
        dir, "in.csv",
        Header + "B,乙,5,100,0,0,0,0,\nB,乙,4,100,0,0,0,0,按月\nC,丙,1,1,0,0,0,0,自1月\n"));
    EXPECT_TRUE(sheet.Errors().empty()) << Messages(sheet).join('\n').toStdString();
    EXPECT_EQ(AcceptedIds(sheet), (QStringList{"B", "C"}));
    EXPECT_EQ(sheet.Mode(0), current::BasicDeduction::PerMonth);
    EXPECT_EQ(sheet.Mode(1), current::BasicDeduction::FromJanuary);
    // By month, whatever the order in the file.
    const auto rows = sheet.EmployeeRows(0);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(sheet.Row(rows[0]).Month, 4);
    EXPECT_EQ(sheet.Row(rows[1]).Month, 5);
}

} // namespace
