// The cases the law treats on their own, through the command line: a student's internship pay,
// a non-resident's bonus for several months, the lump sum for early retirement.

#include "CliRun.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QJsonObject Json(const char *Line) {
    return JsonOfLine(Line);
}

QStringList Field(const QJsonArray &Months, const char *Key) {
    QStringList values;
    for (const QJsonValue &month : Months)
        values << month.toObject().value(QLatin1String(Key)).toString();
    return values;
}

// July to September at 8000: 6400 of income amount a month, 1400 more taxable each month.
TEST(InternJson, MonthsWithTheKeysOfWagesAndTheIncomeAmount) {
    const QJsonObject json = Json("labour --intern --income 8000 --from 7 --to 9");
    EXPECT_EQ(KeysOf(json).join(u' '), u"months");
    const QJsonArray months = json.value(u"months").toArray();
    ASSERT_EQ(months.size(), 3);
    EXPECT_EQ(KeysOf(months.at(0).toObject()).join(u' ').toStdString(),
              "cumulative_basic cumulative_exempt cumulative_income cumulative_insurance "
              "cumulative_other cumulative_special cumulative_tax cumulative_taxable income "
              "income_amount month net quick_deduction rate tax withheld_before");
    EXPECT_EQ(months.at(0).toObject().value(u"month").toInt(), 7);
    EXPECT_EQ(Field(months, "income"), (QStringList{"8000.00", "8000.00", "8000.00"}));
    EXPECT_EQ(Field(months, "income_amount"), (QStringList{"6400.00", "6400.00", "6400.00"}));
    EXPECT_EQ(Field(months, "cumulative_income"), (QStringList{"6400.00", "12800.00", "19200.00"}));
    EXPECT_EQ(Field(months, "cumulative_basic"), (QStringList{"5000.00", "10000.00", "15000.00"}));
    EXPECT_EQ(Field(months, "tax"), (QStringList{"42.00", "42.00", "42.00"}));
    EXPECT_EQ(Field(months, "withheld_before"), (QStringList{"0.00", "42.00", "84.00"}));
    EXPECT_EQ(Field(months, "net"), (QStringList{"7958.00", "7958.00", "7958.00"}));
}

TEST(InternJson, TwelveMonthsByDefaultAndNothingOnTheBound) {
    const QJsonArray months = Json("labour --intern --income 6250").value(u"months").toArray();
    ASSERT_EQ(months.size(), 12);
    EXPECT_EQ(months.at(11).toObject().value(u"cumulative_basic").toString(), u"60000.00");
    EXPECT_EQ(Field(months, "tax"), QStringList(12, QStringLiteral("0.00")));
}

TEST(InternText, TheMonthsWithTheIncomeAmountAndTheTotal) {
    const Outcome run = RunCli(Args("labour --intern --income 8000 --from 7 --to 9"));
    ASSERT_EQ(run.Status, 0);
    const QString text = QString::fromUtf8(run.Out);
    for (const char *part : {"收入额", "累计收入额", "6400.00", "19200.00", "预扣税额合计：126.00"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
}

// 60000 ÷ 6 = 10000: 10000 × 10 % − 210 = 790, × 6.
TEST(NonResidentBonusJson, TheWorkedExample) {
    const QJsonObject json = Json("bonus --nonresident --bonus 60000");
    EXPECT_EQ(KeysOf(json).join(u' '), u"after_tax average quick_deduction rate tax");
    EXPECT_EQ(json.value(u"average").toString(), u"10000.00");
    EXPECT_EQ(json.value(u"rate").toInt(), 10);
    EXPECT_TRUE(json.value(u"rate").isDouble());
    EXPECT_EQ(json.value(u"quick_deduction").toString(), u"210.00");
    EXPECT_EQ(json.value(u"tax").toString(), u"4740.00");
    EXPECT_EQ(json.value(u"after_tax").toString(), u"55260.00");
}

TEST(NonResidentBonusText, SaysOnceAYearAndApartFromTheWage) {
    const Outcome run = RunCli(Args("bonus --nonresident --bonus 60000"));
    ASSERT_EQ(run.Status, 0);
    const QString text = QString::fromUtf8(run.Out);
    EXPECT_TRUE(text.contains(QStringLiteral("4740.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("一个公历年度内只能用一次")));
    EXPECT_TRUE(text.contains(QStringLiteral("不与当月工资薪金合并")));
    const QString help = QString::fromUtf8(RunCli(Args("bonus --help")).Out);
    EXPECT_TRUE(help.contains(QStringLiteral("一个公历年度内只能用一次")));
    EXPECT_TRUE(help.contains(QStringLiteral("--nonresident")));
}

// 500000 ÷ 4 = 125000; 65000 above 60000 × 10 % − 2520 = 3980, × 4.
TEST(EarlyRetirementJson, TheWorkedExample) {
    const QJsonObject json = Json("severance --early-retirement --amount 500000 --years 4");
    EXPECT_EQ(KeysOf(json).join(u' '),
              u"after_tax per_year quick_deduction rate tax tax_per_year taxable_per_year");
    EXPECT_EQ(json.value(u"per_year").toString(), u"125000.00");
    EXPECT_EQ(json.value(u"taxable_per_year").toString(), u"65000.00");
    EXPECT_EQ(json.value(u"rate").toInt(), 10);
    EXPECT_EQ(json.value(u"quick_deduction").toString(), u"2520.00");
    EXPECT_EQ(json.value(u"tax_per_year").toString(), u"3980.00");
    EXPECT_EQ(json.value(u"tax").toString(), u"15920.00");
    EXPECT_EQ(json.value(u"after_tax").toString(), u"484080.00");
}

// 300000 ÷ 2.5 = 120000; 60000 × 10 % − 2520 = 3480, × 2.5 = 8700: the years read exactly.
TEST(EarlyRetirementJson, YearsWithAFraction) {
    const QJsonObject json = Json("severance --early-retirement --amount 300000 --years 2.50");
    EXPECT_EQ(json.value(u"per_year").toString(), u"120000.00");
    EXPECT_EQ(json.value(u"tax").toString(), u"8700.00");
}

class SpecialCaseRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(SpecialCaseRefusals, ExitTwoWithAMessageAndNothingPrinted) {
    ExpectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, SpecialCaseRefusals,
    ::testing::Values(
        RefusalCase{"labour --intern --income 1 --kind author", "只适用于劳务报酬"},
        RefusalCase{"labour --intern --income 1 --kind royalty", "只适用于劳务报酬"},
        RefusalCase{"labour --intern --income 1 --nonresident", "不能与 --intern 同用"},
        RefusalCase{"labour --income 1 --from 3", "--from 只用于 --intern"},
        RefusalCase{"labour --intern --income 1 --to 13", "月份应为 1 到 12 的整数"},
        RefusalCase{"labour --intern --income 1 --from 9 --to 7", "起始月份 9 晚于截止月份 7"},
        RefusalCase{"bonus --nonresident --bonus 1 --taxable 1", "不能与 --nonresident 同用"},
        RefusalCase{"severance --early-retirement --amount 1", "缺少选项 --years"},
        RefusalCase{"severance --early-retirement --years 4", "缺少选项 --amount"},
        RefusalCase{"severance --early-retirement --amount 1 --years 0", "不是有效的年数"},
        RefusalCase{"severance --early-retirement --amount 1 --years 2.555", "最多两位小数"},
        RefusalCase{"severance --early-retirement --amount 1 --years -1", "不是有效的年数"},
        RefusalCase{"severance --early-retirement --amount 1 --years 101", "不超过 100"},
        RefusalCase{"severance --early-retirement --amount 1 --years 4 --average-wage 1",
                    "不能与 --early-retirement 同用"},
        RefusalCase{"severance --amount 1 --average-wage 1 --years 4",
                    "--years 只用于 --early-retirement"}));

} // namespace
