// pendra-cli reverse: the JSON of each kind with the records of the forward commands, the answers
// at the bounds, and every refusal.

#include "CliRun.h"

#include <QJsonArray>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QJsonObject Json(const char *Line) {
    return JsonOfLine(Line);
}

TEST(ReverseJson, KeysAreTheForwardCommandsWithGrossAndNet) {
    EXPECT_EQ(
        KeysOf(Json("reverse wage --net 15000")).join(u' '),
        QStringLiteral("equal_net from gross mode months net to year_gross year_net year_tax"));
    // The bonus: the separate method's fields of `bonus`, and the cliff above.
    QStringList bonus = KeysOf(Json("bonus --bonus 50000").value(u"separate").toObject());
    bonus << QStringLiteral("cliff_above") << QStringLiteral("gross") << QStringLiteral("net");
    bonus.sort();
    EXPECT_EQ(KeysOf(Json("reverse bonus --net 50000")), bonus);
    QStringList labour = KeysOf(Json("labour --income 30000"));
    labour << QStringLiteral("gross") << QStringLiteral("net");
    labour.sort();
    EXPECT_EQ(KeysOf(Json("reverse labour --net 30000")), labour);
}

// The months of the answer are those `wage` gives for its gross, object for object.
TEST(ReverseJson, WageMonthsAreThoseOfTheForwardCommand) {
    const struct {
        const char *Reverse;
        const char *Gross, *Net, *YearNet;
        const char *Forward; // `wage` with the answer and the insurance it comes to
    } cases[] = {
        {"reverse wage --net 7910", "8000.00", "7910.00", "94920.00", "wage --income 8000"},
        {"reverse wage --net 7910.01", "8000.02", "7910.01", "94920.22", "wage --income 8000.02"},
        // 10.5 % of the ceiling, 35811: 3760.155, rounded up a cent.
        {"reverse wage --net 40000 --insurance-rate 10.5 --base-min 7162 --base-max 35811 "
         "--special 3000",
         "51174.45", "40000.00", "480000.04",
         "wage --income 51174.45 --insurance 3760.16 --special 3000"},
    };
    for (const auto &c : cases) {
        const QJsonObject reverse = Json(c.Reverse);
        EXPECT_EQ(reverse.value(u"gross").toString(), QString::fromUtf8(c.Gross)) << c.Reverse;
        EXPECT_EQ(reverse.value(u"net").toString(), QString::fromUtf8(c.Net)) << c.Reverse;
        EXPECT_EQ(reverse.value(u"year_net").toString(), QString::fromUtf8(c.YearNet));
        EXPECT_EQ(reverse.value(u"months").toArray(), Json(c.Forward).value(u"months").toArray())
            << c.Forward;
    }
}

TEST(ReverseJson, BonusAtBothEndsOfTheFirstCliff) {
    const QJsonObject at = Json("reverse bonus --net 34920 --taxable 100000");
    EXPECT_EQ(at.value(u"gross").toString(), u"36000.00");
    EXPECT_EQ(at.value(u"net").toString(), u"34920.00");
    EXPECT_EQ(at.value(u"other_tax").toString(), u"7480.00");
    const QJsonObject cliff = at.value(u"cliff_above").toObject();
    EXPECT_EQ(KeysOf(cliff), KeysOf(Json("bonus --bonus 38000").value(u"cliff").toObject()));
    EXPECT_EQ(cliff.value(u"from").toString(), u"36000.00");
    EXPECT_EQ(cliff.value(u"to").toString(), u"38566.67");
    EXPECT_EQ(cliff.value(u"loss").toString(), u"2309.99");

    EXPECT_EQ(Json("reverse bonus --net 34920.01").value(u"gross").toString(), u"38566.68");
    EXPECT_TRUE(Json("reverse bonus --net 1000000").value(u"cliff_above").isNull())
        << "above the last bound no cliff lies ahead";
}

TEST(ReverseJson, LabourAtTheBoundsOfTheGross) {
    const struct {
        const char *Line;
        const char *Gross;
    } cases[] = {{"reverse labour --net 3360", "4000.00"},
                 {"reverse labour --net 16800", "20000.00"},
                 {"reverse labour --net 40000", "50000.00"},
                 {"reverse labour --net 40000.01", "50000.01"},
                 {"reverse labour --net 8400 --kind royalty", "10000.00"},
                 {"reverse labour --net 9650 --kind author --nonresident", "10000.00"}};
    for (const auto &c : cases) {
        const QJsonObject json = Json(c.Line);
        EXPECT_EQ(json.value(u"gross").toString(), QString::fromUtf8(c.Gross)) << c.Line;
        EXPECT_EQ(json.value(u"gross"), json.value(u"income"));
        EXPECT_EQ(json.value(u"net"), json.value(u"after_tax"));
    }
}

class ReverseRefused : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(ReverseRefused, ExitsTwoWithAMessageAndNoOutput) {
    ExpectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, ReverseRefused,
    ::testing::Values(
        RefusalCase{"reverse", "缺少反算类别"},
        RefusalCase{"reverse salary --net 100", "未知的反算类别“salary”"},
        RefusalCase{"reverse wage", "缺少选项 --net"},
        RefusalCase{"reverse wage --net abc", "不是数字"},
        RefusalCase{"reverse wage --net -5", "不能为负数"},
        RefusalCase{"reverse wage --net 100 --gross 5", "未知选项 --gross"},
        RefusalCase{"reverse wage --net 100 --insurance 10 --insurance-rate 10",
                    "不能与 --insurance-rate 同用"},
        RefusalCase{"reverse wage --net 100 --base-min 5000", "只与 --insurance-rate 同用"},
        RefusalCase{"reverse wage --net 100 --insurance-rate 10.555", "不是百分数"},
        RefusalCase{"reverse wage --net 100 --insurance-rate 1e1", "不是百分数"},
        RefusalCase{"reverse wage --net 100 --insurance-rate 100.01", "超过 100%"},
        RefusalCase{"reverse wage --net 100 --insurance-rate 10 --base-min 9000 --base-max 8000",
                    "上限 8000.00 低于下限 9000.00"},
        RefusalCase{"reverse wage --net 100 --mode 6万 --from 3", "起始月份应为 1，不能是 3"},
        RefusalCase{"reverse wage --net 100 --mode yearly", "未知的减除方式“yearly”"},
        RefusalCase{"reverse wage --net 100 --from 9 --to 3", "起始月份 9 晚于截止月份 3"},
        RefusalCase{"reverse wage --net 100 --to 13", "月份应为 1 到 12 的整数"},
        RefusalCase{"reverse bonus --net 50000 --kind author", "未知选项 --kind"},
        RefusalCase{"reverse labour --net 100 --kind salary", "未知的类别“salary”"}));

// No gross below 10^12 yuan reaches these.
INSTANTIATE_TEST_SUITE_P(
    Unreachable, ReverseRefused,
    ::testing::Values(RefusalCase{"reverse wage --net 1000000000000", "无法达到"},
                      RefusalCase{"reverse wage --net 100 --insurance 1000000000000", "无法达到"},
                      RefusalCase{"reverse wage --net 1000000000000 --equal-net --from 12",
                                  "无法达到"},
                      RefusalCase{"reverse bonus --net 1000000000000", "1000000000000.00 元以下"},
                      RefusalCase{"reverse labour --net 1000000000000 --nonresident", "无法达到"}));

TEST(ReverseHelp, ListsTheKindsTheOptionsAndExamples) {
    const Outcome overview = RunCli({QStringLiteral("reverse"), QStringLiteral("--help")});
    EXPECT_EQ(overview.Status, 0);
    const QString text = QString::fromUtf8(overview.Out);
    for (const char *part : {"wage", "bonus", "labour", "示例", "pendra-cli reverse wage --net"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    const Outcome wage = RunCli(Args("reverse wage --help"));
    EXPECT_EQ(wage.Status, 0);
    for (const char *part : {"--insurance-rate", "--base-max", "--special", "示例"})
        EXPECT_TRUE(QString::fromUtf8(wage.Out).contains(QString::fromUtf8(part))) << part;
    EXPECT_TRUE(QString::fromUtf8(RunCli({QStringLiteral("--help")}).Out).contains(u"reverse"));
}

TEST(ReverseText, WageShowsTheAnswerTotalsAndMonths) {
    const Outcome run = RunCli(Args("reverse wage --net 7910"));
    ASSERT_EQ(run.Status, 0);
    const QString text = QString::fromUtf8(run.Out);
    for (const char *part : {"税前月薪", "8000.00", "全年税后合计", "94920.00", "本月应预扣税额"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
}

// A hire from March: the least gross for March to December, not for the whole year, with the
// months named; 自1月 and 6万 as `wage` takes them, the months those of `wage` for the answer.
TEST(ReverseMonths, TheAnswerIsForTheMonthsAskedFor) {
    const char *const insurance = "--insurance-rate 10.5 --base-min 7460 --base-max 37302";
    const struct {
        QString Reverse;
        const char *Gross, *YearNet;
        QString Forward; // `wage` with the months and mode, before its income
    } cases[] = {
        {QStringLiteral("reverse wage --net 20000 %1").arg(insurance), "24567.04", "240000.00",
         QStringLiteral("wage")},
        {QStringLiteral("reverse wage --net 20000 --from 3 %1").arg(insurance), "24173.18", nullptr,
         QStringLiteral("wage --from 3")},
        {QStringLiteral("reverse wage --net 9000 --from 7 --to 9 --mode 自1月"), nullptr, nullptr,
         QStringLiteral("wage --from 7 --to 9 --mode 自1月")},
        {QStringLiteral("reverse wage --net 9000 --mode sixty"), nullptr, nullptr,
         QStringLiteral("wage --mode 6万")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Reverse.toStdString());
        const Outcome run = RunCli(c.Reverse.split(u' ') << QStringLiteral("--json"));
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        const QJsonObject reverse = JsonOf(run);
        if (c.Gross) {
            EXPECT_EQ(reverse.value(u"gross").toString(), QString::fromUtf8(c.Gross));
        }
        if (c.YearNet) {
            EXPECT_EQ(reverse.value(u"year_net").toString(), QString::fromUtf8(c.YearNet));
        }
        const QJsonArray months = reverse.value(u"months").toArray();
        EXPECT_EQ(reverse.value(u"from").toInt(),
                  months.first().toObject().value(u"month").toInt());
        EXPECT_EQ(reverse.value(u"to").toInt(), months.last().toObject().value(u"month").toInt());
        // The months `wage` withholds on that gross, with the insurance it comes to.
        QStringList forward = c.Forward.split(u' ');
        forward << QStringLiteral("--income") << reverse.value(u"gross").toString()
                << QStringLiteral("--json");
        if (c.Reverse.contains(u"insurance-rate"))
            forward << QStringLiteral("--insurance")
                    << months.first().toObject().value(u"cumulative_insurance").toString();
        const Outcome wage = RunCli(forward);
        ASSERT_EQ(wage.Status, 0) << wage.Err.toStdString();
        EXPECT_EQ(JsonOf(wage).value(u"months").toArray(), months);
    }
    const Outcome text = RunCli(Args("reverse wage --net 20000 --from 3"));
    ASSERT_EQ(text.Status, 0);
    EXPECT_TRUE(QString::fromUtf8(text.Out).contains(u"3 至 12 月，共 10 个月，减除方式按月"))
        << text.Out.toStdString();
}

// --equal-net: a gross of each month's own, every month's net exactly the target, and a table of
// each month's gross, tax and net with the year's totals.
TEST(ReverseMonths, EqualNetEveryMonth) {
    const Outcome run = RunCli(Args("reverse wage --net 20000 --from 3 --insurance-rate 10.5 "
                                    "--base-min 7460 --base-max 37302 --equal-net --json"));
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = JsonOf(run);
    EXPECT_TRUE(json.value(u"gross").isNull());
    EXPECT_TRUE(json.value(u"equal_net").toBool());
    EXPECT_EQ(json.value(u"year_net").toString(), u"200000.00");
    const QJsonArray months = json.value(u"months").toArray();
    ASSERT_EQ(months.size(), 10);
    QStringList grosses;
    for (const QJsonValue &month : months) {
        EXPECT_EQ(month.toObject().value(u"net").toString(), u"20000.00");
        grosses << month.toObject().value(u"income").toString();
    }
    // The rate rises over the year: so does the gross that keeps the net.
    EXPECT_LT(grosses.first().toDouble(), grosses.last().toDouble());
    const Outcome text = RunCli(Args("reverse wage --net 20000 --from 3 --equal-net"));
    ASSERT_EQ(text.Status, 0);
    const QString out = QString::fromUtf8(text.Out);
    for (const char *part :
         {"税前收入", "预扣税额", "合计", "200000.00", "各月税后都恰为 20000.00"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(part))) << part;
}

} // namespace
