// The single-calculation commands: their JSON keys and figures, help, and usage mistakes.

#include "CliRun.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QStringList Args(const char *Line) {
    return QString::fromUtf8(Line).split(u' ', Qt::SkipEmptyParts);
}

struct KeysCase {
    const char *Line;
    const char *Keys; // sorted, space-separated
};

void PrintTo(const KeysCase &c, std::ostream *os) {
    *os << c.Line;
}

class JsonKeys : public ::testing::TestWithParam<KeysCase> {};

TEST_P(JsonKeys, ExactlyTheDocumentedOnes) {
    const Outcome run = RunCli(Args(GetParam().Line) << QStringLiteral("--json"));
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    EXPECT_EQ(KeysOf(JsonOf(run)).join(u' ').toStdString(), GetParam().Keys);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, JsonKeys,
    ::testing::Values(
        KeysCase{"wage --income 20000", "months total_tax"},
        KeysCase{"wage --nonresident --income 8000",
                 "after_tax deduction income quick_deduction rate tax taxable"},
        KeysCase{"labour --income 4000",
                 "after_tax deduction income quick_deduction rate tax taxable"},
        KeysCase{"bonus --bonus 38000", "best_split better cliff merged saving separate"},
        KeysCase{"settle --wages 100000",
                 "balance bonus_tax deductions donation_limit donations exemption_barred "
                 "exemptions exemptions_until income_amount low_income must_file quick_deduction "
                 "rate reason settlement_from settlement_until small_owed tax taxable total_tax "
                 "withheld"},
        KeysCase{"severance --amount 300000 --average-wage 60000",
                 "after_tax exempt income quick_deduction rate tax taxable"}));

// The year worked by hand in the engine tests, through the command line: amounts as strings with
// two decimals, rates as whole numbers.
TEST(WageJson, MonthsOfTheHandWorkedYear) {
    const QJsonObject json =
        JsonOf(RunCli(Args("wage --income 20000 --insurance 2000 --special 3000 --json")));
    const QJsonArray months = json.value(u"months").toArray();
    ASSERT_EQ(months.size(), 12);
    const QJsonObject april = months.at(3).toObject();
    EXPECT_EQ(KeysOf(april).join(u' ').toStdString(),
              "cumulative_basic cumulative_exempt cumulative_income cumulative_insurance "
              "cumulative_other cumulative_special cumulative_tax cumulative_taxable income "
              "month net quick_deduction rate tax withheld_before");
    EXPECT_EQ(april.value(u"month").toInt(), 4);
    EXPECT_EQ(april.value(u"rate").toInt(), 10);
    EXPECT_TRUE(april.value(u"rate").isDouble());
    EXPECT_EQ(april.value(u"tax").toString(), u"580.00");
    EXPECT_EQ(april.value(u"withheld_before").toString(), u"900.00");
    EXPECT_EQ(months.at(0).toObject().value(u"tax").toString(), u"300.00");
    EXPECT_EQ(months.at(11).toObject().value(u"tax").toString(), u"1000.00");
    EXPECT_EQ(json.value(u"total_tax").toString(), u"9480.00");
}

TEST(WageJson, MonthsFromToAndMode) {
    const QJsonArray months = JsonOf(RunCli({"wage", "--income", "12000", "--mode", "自1月",
                                             "--from", "4", "--to", "6", "--json"}))
                                  .value(u"months")
                                  .toArray();
    ASSERT_EQ(months.size(), 3);
    EXPECT_EQ(months.at(0).toObject().value(u"month").toInt(), 4);
    EXPECT_EQ(months.at(0).toObject().value(u"cumulative_basic").toString(), u"20000.00");
    EXPECT_EQ(months.at(2).toObject().value(u"tax").toString(), u"180.00");
}

TEST(BonusJson, CliffAndBestSplit) {
    const QJsonObject json = JsonOf(RunCli(Args("bonus --bonus 38000 --json")));
    const QJsonObject cliff = json.value(u"cliff").toObject();
    EXPECT_EQ(cliff.value(u"from").toString(), u"36000.00");
    EXPECT_EQ(cliff.value(u"to").toString(), u"38566.67");
    EXPECT_EQ(cliff.value(u"loss").toString(), u"510.00"); // 34920 kept at 36000, 34410 here
    EXPECT_EQ(KeysOf(json.value(u"separate").toObject()).join(u' '),
              u"bonus_tax other_tax quick_deduction rate total");
    EXPECT_EQ(KeysOf(json.value(u"merged").toObject()).join(u' '),
              u"bonus_tax quick_deduction rate taxable total");
    EXPECT_EQ(KeysOf(json.value(u"best_split").toObject()).join(u' '),
              u"bonus saving total wage_taxable");
    // Alone, 38000 costs 3800 − 210 = 3590 separately and 3800 − 2520 = 1280 merged.
    EXPECT_EQ(json.value(u"better").toString(), u"merged");
    EXPECT_EQ(json.value(u"saving").toString(), u"2310.00");
}

TEST(BonusJson, NoCliffIsNullAndTaxableMayBeNegative) {
    const QJsonObject json = JsonOf(RunCli(Args("bonus --bonus 20000 --taxable -30000 --json")));
    EXPECT_TRUE(json.value(u"cliff").isNull());
    EXPECT_EQ(json.value(u"better").toString(), u"merged");
    EXPECT_EQ(json.value(u"saving").toString(), u"600.00");
}

struct ReasonCase {
    const char *Withheld;
    const char *Wages;
    const char *Reason;
    bool MustFile;
    bool Unwithheld = false; // an employer should have withheld and did not
};

class SettleReasons : public ::testing::TestWithParam<ReasonCase> {};

// Insurance 10000: taxable is wages − 70000.
TEST_P(SettleReasons, NamedAsDocumented) {
    const ReasonCase &c = GetParam();
    QStringList arguments{"settle", "--wages",    c.Wages,    "--insurance",
                          "10000",  "--withheld", c.Withheld, "--json"};
    if (c.Unwithheld)
        arguments << "--unwithheld";
    const QJsonObject json = JsonOf(RunCli(arguments));
    EXPECT_EQ(json.value(u"reason").toString().toStdString(), c.Reason);
    EXPECT_TRUE(json.value(u"must_file").isBool());
    EXPECT_EQ(json.value(u"must_file").toBool(), c.MustFile);
    EXPECT_EQ(json.value(u"exemption_barred").toBool(), c.Unwithheld && c.MustFile);
}

INSTANTIATE_TEST_SUITE_P(Reasons, SettleReasons,
                         ::testing::Values(ReasonCase{"2000", "100000", "refund", false},
                                           ReasonCase{"900", "100000", "none", false},
                                           ReasonCase{"500", "100000", "owe_small", false},
                                           ReasonCase{"0", "120000", "income_low", false},
                                           ReasonCase{"0", "120000.01", "owe", true},
                                           ReasonCase{"500", "100000", "owe", true, true},
                                           ReasonCase{"0", "120000", "owe", true, true},
                                           ReasonCase{"2000", "100000", "refund", false, true}));

TEST(TextOutput, AChineseTableByDefault) {
    const Outcome run = RunCli(Args("labour --income 4000"));
    ASSERT_EQ(run.Status, 0);
    const QString text = QString::fromUtf8(run.Out);
    EXPECT_TRUE(text.contains(QStringLiteral("减除费用")));
    EXPECT_TRUE(text.contains(QStringLiteral("800.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("应预扣税额")));
    EXPECT_TRUE(text.contains(QStringLiteral("640.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("20%")));
}

class Help : public ::testing::TestWithParam<const char *> {};

TEST_P(Help, ListsTheOptionsWithAnExample) {
    const Outcome run = RunCli(Args(GetParam()));
    EXPECT_EQ(run.Status, 0);
    const QString text = QString::fromUtf8(run.Out);
    EXPECT_TRUE(text.contains(QStringLiteral("用法："))) << GetParam();
    EXPECT_TRUE(text.contains(QStringLiteral("示例："))) << GetParam();
    EXPECT_TRUE(text.contains(QStringLiteral("--json"))) << GetParam();
    const QString command = Args(GetParam()).constFirst();
    if (!command.startsWith(u'-')) {
        EXPECT_TRUE(text.contains(QStringLiteral("  pendra-cli ") + command + u' '));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, Help,
                         ::testing::Values("--help", "wage --help", "labour --help", "bonus -h",
                                           "settle --help", "severance --help"));

struct UsageCase {
    const char *Line;
    const char *Message; // a part of the message on stderr
};

void PrintTo(const UsageCase &c, std::ostream *os) {
    *os << c.Line;
}

class UsageMistakes : public ::testing::TestWithParam<UsageCase> {};

TEST_P(UsageMistakes, ExitTwoWithAChineseMessageAndNothingPrinted) {
    const Outcome run = RunCli(Args(GetParam().Line));
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Out.isEmpty()) << run.Out.toStdString();
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Message))) << run.Err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, UsageMistakes,
    ::testing::Values(UsageCase{"", "缺少命令"}, UsageCase{"frob", "未知命令“frob”"},
                      UsageCase{"wage --income 5000 --bogus", "未知选项 --bogus"},
                      UsageCase{"wage --income abc", "--income 的值“abc”不是数字"},
                      UsageCase{"wage --income 5000 --special -1", "--special 的金额不能为负数"},
                      UsageCase{"labour --income -0.01", "--income 的金额不能为负数"},
                      UsageCase{"settle --withheld -3", "--withheld 的金额不能为负数"},
                      UsageCase{"severance --amount 1 --average-wage -1", "不能为负数"},
                      UsageCase{"bonus --bonus -5", "--bonus 的金额不能为负数"},
                      UsageCase{"bonus --bonus 5 --taxable x", "--taxable 的值“x”不是数字"},
                      UsageCase{"bonus --bonus 1e14", "超出范围"},
                      UsageCase{"wage", "缺少选项 --income"},
                      UsageCase{"wage --income", "--income 缺少值"},
                      UsageCase{"wage --income 1 --mode 每月", "未知的减除方式“每月”"},
                      UsageCase{"wage --income 1 --from 0", "月份应为 1 到 12 的整数"},
                      UsageCase{"wage --income 1 --to 7.5", "月份应为 1 到 12 的整数"},
                      UsageCase{"wage --income 1 --from 6 --to 5", "起始月份 6 晚于截止月份 5"},
                      UsageCase{"wage --income 1 --mode 6万 --from 2", "起始月份应为 1，不能是 2"},
                      UsageCase{"wage --income 1 --mode sixty --from 12", "6万 只适用于"},
                      UsageCase{"wage --nonresident --income 1 --insurance 1", "不能与"},
                      UsageCase{"labour --income 1 --kind gift", "未知的类别“gift”"},
                      UsageCase{"settle --bonus-method both", "未知的奖金计税方法“both”"},
                      UsageCase{"severance --amount 1", "缺少选项 --average-wage"},
                      UsageCase{"labour --income 1 more", "多余的参数“more”"},
                      UsageCase{"labour --income 1 --income 2", "不止一次"},
                      UsageCase{"wage --income 1e308", "超出范围（绝对值最多 9999999999999.99）"},
                      UsageCase{"wage --income NaN", "--income 的值“NaN”不是数字"},
                      UsageCase{"wage --income inf", "--income 的值“inf”不是数字"},
                      UsageCase{"wage --income ２００００", "不是数字"},
                      UsageCase{"wage --income 20,000", "--income 的值“20,000”不是数字"},
                      UsageCase{"wage --income=", "--income 的值“”不是数字"}));

TEST(UsageMistakes, AHundredKilobyteValueIsNoNumber) {
    const Outcome run = RunCli({QStringLiteral("wage"), QStringLiteral("--income"),
                                QString(100 * 1024, u'9') + QStringLiteral("x")});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Err.contains(QStringLiteral("不是数字")));
}

} // namespace
