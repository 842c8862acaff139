// The annual bonus and the items of the deductions in a wage sheet: each case a sheet as a clerk
// keeps it, the results read back from the CSV written by title, row by row.

#include "SheetTestSupport.h"

#include "engine/current/RulesInUse.h"
#include "sheets/Payslips.h"
#include "sheets/Withholding.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace SheetTest;

// "row:title=value", the row counted from 1 among the results.
struct BonusCase {
    const char *What;
    QByteArray Csv;
    QStringList Cells;
    QStringList Messages = {};
    bool SeparateEnded = false; // the sheet's year under rules without the separate method
};

void PrintTo(const BonusCase &c, std::ostream *os) {
    *os << c.What;
}

QList<QStringList> CsvLines(const QByteArray &Bytes) {
    QList<QStringList> lines;
    for (QString line :
         QString::fromUtf8(Bytes).remove(QChar(0xFEFF)).split("\r\n", Qt::SkipEmptyParts)) {
        // No cell of these sheets holds a comma or a quote.
        lines << line.split(u',');
    }
    return lines;
}

class BonusAndItems : public ::testing::TestWithParam<BonusCase> {};

TEST_P(BonusAndItems, WrittenAsTheLawSays) {
    const BonusCase &c = GetParam();
    std::optional<current::RulesStandIn> law;
    if (c.SeparateEnded) {
        current::YearRules ended = *current::RulesOf(2026);
        ended.SeparateBonus = false;
        law.emplace(ended);
    }
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(WriteFile(dir, "in.csv", c.Csv));
    EXPECT_EQ(Messages(sheet), c.Messages);
    if (c.Cells.isEmpty())
        return;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    ASSERT_EQ(sheets::WritePayrollCsv(out, sheet).Result, sheets::Status::Done);
    const QList<QStringList> lines = CsvLines(out.data());
    ASSERT_FALSE(lines.isEmpty());
    for (const QString &cell : c.Cells) {
        SCOPED_TRACE(cell.toStdString());
        const qsizetype colon = cell.indexOf(u':');
        const qsizetype equals = cell.indexOf(u'=');
        const int row = cell.left(colon).toInt();
        const int column = int(lines[0].indexOf(cell.mid(colon + 1, equals - colon - 1)));
        ASSERT_GE(column, 0);
        ASSERT_LT(row, lines.size());
        EXPECT_EQ(lines[row].value(column), cell.mid(equals + 1));
    }
}

const QByteArray Header = "工号,月份,收入,专项扣除,全年一次性奖金\n";

INSTANTIATE_TEST_SUITE_P(
    Csv, BonusAndItems,
    ::testing::Values(
        BonusCase{"a bonus at the bound keeps 34920.00",
                  Header + "E1,2026-01,20000,2000,36000.00\n",
                  {"1:奖金应纳税额=1080.00", "1:奖金税率=3%", "1:奖金速算扣除数=0.00",
                   "1:税后奖金=34920.00", "1:奖金提示=", "1:本月应预扣税额=390.00"}},
        BonusCase{"a cent above the bound keeps less, and the note says what to pay instead",
                  Header + "E1,2026-01,20000,2000,36000.01\n",
                  {"1:奖金应纳税额=3390.00", "1:奖金税率=10%", "1:奖金速算扣除数=210.00",
                   "1:税后奖金=32610.01",
                   "1:奖金提示=临界点：奖金在36000.00至38566.67元之间，税后反而比36000.00元少；"
                   "改发36000.00元，员工税后多得2309.99元"}},
        BonusCase{"the end of the cliff keeps as much as the bound",
                  Header + "E1,2026-01,20000,2000,38566.67\n",
                  {"1:奖金应纳税额=3646.67", "1:税后奖金=34920.00", "1:奖金提示="}},
        BonusCase{"the cliff above 144000 reaches to 160500",
                  Header + "E1,2026-01,20000,2000,144000.01\n",
                  {"1:奖金应纳税额=27390.00", "1:税后奖金=116610.01",
                   "1:奖金提示=临界点：奖金在144000.00至160500.00元之间，税后反而比144000.00元"
                   "少；改发144000.00元，员工税后多得13199.99元"}},
        BonusCase{"a second bonus of the year is taxed with its month's wage",
                  Header + "E1,2026-01,20000,2000,36000\nE1,2026-02,20000,2000,5000\n",
                  {"2:奖金应纳税额=", "2:累计收入=45000.00", "2:本月应预扣税额=540.00",
                   "2:奖金提示=一年只有一次奖金可单独计税（已用于1月），这笔并入当月工资计税"}},
        BonusCase{"merging asked adds the bonus to the wage's withholding",
                  "工号,月份,收入,专项扣除,全年一次性奖金,奖金计税方式\n"
                  "E1,2026-01,20000,2000,36000,并入\nE2,2026-01,20000,2000,36000,单独\n",
                  {"1:本月应预扣税额=2380.00",
                   "1:奖金应纳税额=", "1:奖金提示=按奖金计税方式并入当月工资计税",
                   "2:本月应预扣税额=390.00", "2:奖金应纳税额=1080.00"}},
        BonusCase{"a year past the end of the separate method merges",
                  Header + "E1,2028-01,20000,2000,36000\n",
                  {"1:本月应预扣税额=2380.00", "1:奖金应纳税额=", "1:税后奖金="}},
        BonusCase{"a year whose rules end the separate method merges",
                  Header + "E1,2026-01,20000,2000,36000\n",
                  {"1:本月应预扣税额=2380.00", "1:奖金应纳税额="},
                  {},
                  true},
        BonusCase{"the items are summed into the special additional deductions, each with its "
                  "year to date",
                  "工号,月份,收入,子女教育,赡养老人\nE1,2026-01,20000,2000,3000\n"
                  "E1,2026-02,20000,2000,3000\n",
                  {"1:累计专项附加扣除=5000.00", "2:累计专项附加扣除=10000.00",
                   "2:累计子女教育=4000.00", "2:累计赡养老人=6000.00", "2:本月应预扣税额=300.00"}},
        BonusCase{"the private pension within the year's cap and health insurance within the "
                  "month's, with other deductions",
                  "工号,月份,收入,其他扣除,个人养老金,商业健康保险\n"
                  "E1,2026-01,20000,100,10000,300\nE1,2026-02,20000,0,5000,150\n",
                  {"1:累计其他扣除=10300.00", "1:累计个人养老金=10000.00",
                   "1:累计商业健康保险=200.00", "2:累计个人养老金=12000.00",
                   "2:累计商业健康保险=350.00", "2:累计其他扣除=12450.00"}},
        BonusCase{
            "an item the year's law does not have, and a method that is none",
            "工号,月份,收入,3岁以下婴幼儿照护,全年一次性奖金,奖金计税方式\n"
            "E1,2021-01,20000,1000,,\nE2,2021-01,20000,0,1000,分开\n",
            {},
            {"第2行「3岁以下婴幼儿照护」列：2021年还没有「3岁以下婴幼儿照护」这项扣除，该列应为空",
             "第3行「奖金计税方式」列：“分开”不是奖金计税方式，应为单独或并入（空白即单独计税"
             "）"}}));

TEST(BonusAndItemsHeader, TheTotalBesideAnItemIsRefusedNamingBoth) {
    QTemporaryDir dir;
    const sheets::ReadOutcome read = sheets::ReadPayroll(
        WriteFile(dir, "in.csv", "工号,月份,收入,专项附加扣除,住房租金\nE1,1,20000,1500,1500\n"));
    EXPECT_EQ(read.Result, sheets::Status::Failed);
    EXPECT_TRUE(read.Error.contains("「专项附加扣除」列又有「住房租金」列"))
        << read.Error.toStdString();
}

TEST(BonusAndItemsHeader, ResultsReadAgainLeaveTheBonusAndItemColumnsOut) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet = ReadSheet(
        WriteFile(dir, "in.csv", "工号,月份,收入,年终奖,子女教育\nE1,1,20000,36000.01,2000\n"));
    const QString results = dir.filePath("out.csv");
    ASSERT_EQ(sheets::WritePayroll(results, sheet).Result, sheets::Status::Done);
    const sheets::PayrollSheet again = ReadSheet(results);
    EXPECT_EQ(again.WrittenColumnsLeftOut(),
              sheets::ResultColumnCount + sheets::BonusColumnCount + 1);
    EXPECT_EQ(Rows(again), QStringList{"E1|1|20000.00|36000.01|2000.00"});
}

TEST(BonusAndItemsPayslip, ThePaySlipShowsTheBonusAndItsTax) {
    QTemporaryDir dir;
    const sheets::PayrollSheet sheet =
        ReadSheet(WriteFile(dir, "in.csv", Header + "E1,2026-01,20000,2000,36000.01\n"));
    QString fault;
    const auto slips = sheets::MakePayslips(sheet, 1, {}, fault);
    ASSERT_TRUE(slips) << fault.toStdString();
    QStringList pay;
    for (const sheets::PayslipItem &item : slips->Slips.at(0).Pay)
        pay << item.Title + u'=' + QString::fromStdString(current::FormatCents(item.Amount));
    EXPECT_EQ(pay, (QStringList{"应发=20000.00", "全年一次性奖金=36000.01", "三险一金=2000.00",
                                "个人所得税=390.00", "奖金应纳税额=3390.00", "实发=50220.01"}));
}

} // namespace
