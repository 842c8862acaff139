// The titles clerks give their columns (三险一金 for 专项扣除, the insurance in its four parts),
// the columns not read and the totals rows, and the rows left out read back from where a save put
// them: each rule with the sheet it comes from.

#include "SheetTestSupport.h"

#include "sheets/Withholding.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace SheetTest;
using sheets::Field;

struct TitleCase {
    const char *Rule;
    QByteArray Bytes;
    current::Cents Income;
    current::Cents Insurance;
    QString FirstRow; // as written back
};

void PrintTo(const TitleCase &c, std::ostream *os) {
    *os << c.Rule;
}

class ClerkTitles : public ::testing::TestWithParam<TitleCase> {};

TEST_P(ClerkTitles, ReadAsTheColumnTheyMean) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", GetParam().Bytes));
    ASSERT_EQ(sheet.RowCount(), 1u);
    EXPECT_EQ(Messages(sheet), QStringList());
    EXPECT_EQ(sheet.Amount(0, Field::Income), GetParam().Income);
    EXPECT_EQ(sheet.Amount(0, Field::Insurance), GetParam().Insurance);
    EXPECT_EQ(Rows(sheet).value(0), GetParam().FirstRow);
    EXPECT_EQ(sheet.UnreadTitles(), QStringList());
}

INSTANTIATE_TEST_SUITE_P(
    Csv, ClerkTitles,
    ::testing::Values(
        TitleCase{"应发工资 and 三险一金", "工号,月份,应发工资,三险一金\nA1,1,20000,2000\n",
                  2000000, 200000, "A1|1|20000.00|2000.00"},
        TitleCase{"应发合计 and 社保公积金", "工号,月份,应发合计,社保公积金\nA1,1,9000,900\n",
                  900000, 90000, "A1|1|9000.00|900.00"},
        TitleCase{"税前工资 and the four parts by their full names, kept as typed",
                  "工号,月份,税前工资,基本养老保险费,基本医疗保险费,失业保险费,住房公积金\n"
                  "A1,1,20000,\"¥1,600\",400,100.5,1200\n",
                  2000000, 330050, "A1|1|20000.00|¥1,600|400|100.5|1200"},
        TitleCase{"the four parts by their short names, some left empty",
                  "工号,月份,收入,养老保险,医疗保险,失业保险,公积金\nA1,1,20000,1600,,,1200\n",
                  2000000, 280000, "A1|1|20000.00|1600|||1200"},
        TitleCase{"English titles in any case",
                  "Employee ID,Month,GROSS PAY,pension insurance,Medical insurance,"
                  "Unemployment insurance,Housing fund\nA1,1,20000,1600,400,100,1200\n",
                  2000000, 330000, "A1|1|20000.00|1600|400|100|1200"},
        TitleCase{"English synonym of 专项扣除",
                  "Employee ID,Month,Pre-tax pay,Social insurance and housing fund\nA1,1,100,10\n",
                  10000, 1000, "A1|1|100.00|10.00"}));

// The sheet a user tried first: 三险一金 deducted, 300.00 withheld rather than 360.00.
TEST(ClerkTitles, InsuranceTitled三险一金IsDeducted) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(
        dir, "in.csv", "工号,姓名,月份,收入,三险一金,专项附加扣除\nA1,甲,1,20000,2000,3000\n"));
    ASSERT_EQ(sheet.AcceptedEmployeeCount(), 1u);
    EXPECT_EQ(sheets::Withhold(sheet, 0).at(0).Tax, 30000);
}

struct HeaderFault {
    const char *Rule;
    QByteArray Header;
    QString Message; // after 文件“…”的标题行中
};

void PrintTo(const HeaderFault &c, std::ostream *os) {
    *os << c.Rule;
}

class OneColumnTwice : public ::testing::TestWithParam<HeaderFault> {};

TEST_P(OneColumnTwice, IsRefusedNamingBothColumns) {
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "in.csv", GetParam().Header + "\nA1,1,1,1,1\n");
    const sheets::ReadOutcome read = sheets::ReadPayroll(path);
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_EQ(read.Error, QStringLiteral("文件“%1”的标题行中").arg(path) + GetParam().Message);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, OneColumnTwice,
    ::testing::Values(
        HeaderFault{"专项扣除 beside one of its parts", "工号,月份,收入,专项扣除,养老保险",
                    "既有「专项扣除」列又有「养老保险」列：「专项扣除」是各项社会保险费和住房公积金"
                    "之和，不能与其中一项同时给出；请只留「专项扣除」或只留各项"},
        HeaderFault{"a synonym beside the title", "工号,月份,收入,应发工资",
                    "「收入」列和「应发工资」列是同一项，只能有一列"},
        HeaderFault{"one part under both its names", "工号,月份,收入,养老保险,基本养老保险费",
                    "「养老保险」列和「基本养老保险费」列是同一项，只能有一列"}));

// Columns not read are named once, those that look like a deduction warned of; a totals row is
// no employee at fault.
TEST(Unread, ColumnsAreNamedAndTotalsRowsPassedOver) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv",
                            "工号,姓名,部门,月份,收入,个人社保,银行卡号\n"
                            "A1,甲,财务,1,20000,2000,6222\nA2,乙,财务,1,8000,800,6223\n"
                            ",合计,,,28000,2800,\n,,,,,,\n, 总计 ,,,28000,2800,\n"));
    EXPECT_EQ(sheet.RowCount(), 2u);
    EXPECT_EQ(Messages(sheet), QStringList());
    EXPECT_EQ(sheet.TotalsRows(), 2u);
    EXPECT_EQ(sheets::ReadNote(sheet),
              "未读取的列：部门、个人社保、银行卡号；第4行等2行没有工号而写着合计、总计或小计，"
              "是合计行，已略过");
    const QString warning = sheets::DeductionWarning(sheet);
    EXPECT_TRUE(warning.startsWith("「个人社保」看似应从收入中扣除的金额"))
        << warning.toStdString();
    EXPECT_FALSE(warning.contains("部门"));
    // Passed through as today.
    EXPECT_EQ(Rows(sheet).value(0), "A1|甲|财务|1|20000.00|2000|6222");
}

// A row without 工号 and without such a word is still at fault.
TEST(Unread, ARowWithoutIdThatIsNoTotalIsAtFault) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv", "工号,月份,收入\nA1,1,1\n,1,2\n"));
    EXPECT_EQ(sheet.TotalsRows(), 0u);
    EXPECT_EQ(Messages(sheet), QStringList{"第3行「工号」列：工号为空"});
}

// Saved, opened again, mended beside the results, opened again: nothing the sheet held is lost.
TEST(SecondSave, RowsLeftOutComeBackFromTheCsvBeside) {
    QTemporaryDir dir;
    const sheets::PayrollSheet first =
        ReadSheet(WriteFile(dir, "in.csv",
                            "工号,姓名,月份,收入,三险一金\nA1,甲,1,20000,2000\n"
                            "E2,乙,1月,\"¥19,000.00\",0\nE2,乙,2月,abc,0\n"));
    const QString out = dir.filePath("out.csv");
    ASSERT_EQ(sheets::WritePayroll(out, first).Result, sheets::Status::Done);
    const QString beside = dir.filePath("out-未计算.csv");
    const QByteArray left = ReadFile(beside);
    // As typed, so that what is mended there reads as the rest of the row.
    EXPECT_TRUE(left.contains(",E2,乙,1月,\"¥19,000.00\",0.00")) << left.toStdString();
    EXPECT_TRUE(left.contains("4,收入,“abc”不是数字,E2,乙,2月,abc,0.00")) << left.toStdString();

    const sheets::PayrollSheet again = ReadSheet(out);
    EXPECT_EQ(again.RowCount(), 3u);
    EXPECT_EQ(AcceptedIds(again), QStringList{"A1"});
    EXPECT_EQ(Messages(again),
              QStringList{QStringLiteral("文件“%1”第3行「收入」列：“abc”不是数字").arg(beside)});
    EXPECT_TRUE(sheets::ReadNote(again).contains(
        QStringLiteral("另从文件“%1”读入了上次未计算的2行").arg(beside)));
    // Saved again unmended: left out again, as typed, with the reason.
    const QString second = dir.filePath("second.csv");
    ASSERT_EQ(sheets::WritePayroll(second, again).Result, sheets::Status::Done);
    const QByteArray leftAgain = ReadFile(dir.filePath("second-未计算.csv"));
    EXPECT_TRUE(leftAgain.contains(",E2,乙,1月,\"¥19,000.00\",0.00")) << leftAgain.toStdString();
    EXPECT_TRUE(leftAgain.contains(",收入,“abc”不是数字,E2,乙,2月,abc,0.00"))
        << leftAgain.toStdString();

    // Mended where it was left out: computed.
    QByteArray mended = left;
    mended.replace(",abc,", ",19000,");
    WriteFile(dir, "out-未计算.csv", mended);
    const sheets::PayrollSheet fixed = ReadSheet(out);
    EXPECT_EQ(AcceptedIds(fixed), (QStringList{"A1", "E2"}));
    EXPECT_EQ(fixed.AcceptedRowCount(), 3u);

    // Saved with nothing left out over results that had rows left out: the old file of those rows
    // goes, so that the results are not read back with them.
    ASSERT_EQ(sheets::WritePayroll(second, fixed).Result, sheets::Status::Done);
    EXPECT_FALSE(QFile::exists(dir.filePath("second-未计算.csv")));
    EXPECT_EQ(ReadSheet(second).RowCount(), 3u);
    EXPECT_TRUE(QFile::exists(beside)) << "the rows beside the sheet read are kept";
}

// The workbook a clerk keeps: its title, its worksheet's name and the rows left out survive two
// saves.
class PartsWorkbook : public ScriptMade<MadeByOpenpyxl> {};

TEST_F(PartsWorkbook, SavedTwiceKeepsTheTitleTheNameAndTheRowsLeftOut) {
    const sheets::PayrollSheet sheet = ReadSheet(Path("parts.xlsx"));
    EXPECT_EQ(sheet.UnreadTitles(), QStringList{"部门"});
    EXPECT_EQ(sheet.TotalsRows(), 1u);
    ASSERT_EQ(AcceptedIds(sheet), QStringList{"A1"});
    EXPECT_EQ(sheets::Withhold(sheet, 0).at(0).Tax, 30000);

    const QString out = Dir->filePath("out.xlsx");
    ASSERT_EQ(sheets::WritePayroll(out, sheet).Result, sheets::Status::Done);
    const QStringList dumped = FixtureLines({"dump", out});
    ASSERT_GE(dumped.size(), 8);
    EXPECT_EQ(dumped[0], "[2026年工资]");
    EXPECT_TRUE(dumped[1].startsWith("某某公司2026年工资表|")) << dumped[1].toStdString();
    EXPECT_TRUE(dumped[2].startsWith("工号|姓名|月份|收入|基本养老保险费|"))
        << dumped[2].toStdString();
    EXPECT_EQ(dumped[4], "[未计算]");
    EXPECT_TRUE(dumped[6].contains("|E2|乙|1月|¥19,000.00|")) << dumped[6].toStdString();

    const sheets::PayrollSheet again = ReadSheet(out);
    EXPECT_EQ(again.RowCount(), 3u);
    EXPECT_EQ(AcceptedIds(again), QStringList{"A1"});
    EXPECT_TRUE(sheets::ReadNote(again).contains("另从工作表“未计算”读入了上次未计算的2行"));
    const QString second = Dir->filePath("second.xlsx");
    ASSERT_EQ(sheets::WritePayroll(second, again).Result, sheets::Status::Done);
    const QStringList twice = FixtureLines({"dump", second});
    ASSERT_EQ(twice.size(), dumped.size());
    EXPECT_EQ(twice.mid(0, 6), dumped.mid(0, 6));
    EXPECT_TRUE(twice[6].contains("|E2|乙|1月|¥19,000.00|")) << twice[6].toStdString();
    EXPECT_TRUE(twice[7].contains("“abc”不是数字|E2|乙|2月|abc|")) << twice[7].toStdString();
}

} // namespace
