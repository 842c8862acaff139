// The cases of a year the law settles its own way, through the command line: donations at the
// settlement, the lump sum of internal retirement, a non-resident's year and illness per patient.

#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

QString Write(const QTemporaryDir &Dir, const QByteArray &Bytes) {
    const QString path = Dir.filePath(QStringLiteral("年度.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

// 200000 of wages − 60000 = 140000 before donations; the limit is 30 % of it, 42000. A donation
// of 42000 is deducted whole (98000 → 9800 − 2520 = 7280); one of 42000.01 is cut to 42000; a
// further 50000 in full takes 92000 in all (48000 → 2280).
TEST(SettleDonations, TheLimitAtItsBoundary) {
    struct Case {
        const char *Line;
        const char *Donations, *Taxable, *Tax;
    };
    for (const Case &c :
         {Case{"settle --wages 200000 --donation 42000", "42000.00", "98000.00", "7280.00"},
          Case{"settle --wages 200000 --donation 42000.01", "42000.00", "98000.00", "7280.00"},
          Case{"settle --wages 200000 --donation 42000.01 --donation-full 50000", "92000.00",
               "48000.00", "2280.00"}}) {
        const QJsonObject json = JsonOfLine((std::string(c.Line) + " --json").c_str());
        EXPECT_EQ(json.value(u"donation_limit").toString(), u"42000.00") << c.Line;
        EXPECT_EQ(json.value(u"donations").toString(), QLatin1String(c.Donations)) << c.Line;
        EXPECT_EQ(json.value(u"taxable").toString(), QLatin1String(c.Taxable)) << c.Line;
        EXPECT_EQ(json.value(u"tax").toString(), QLatin1String(c.Tax)) << c.Line;
    }
    const QString text =
        QString::fromUtf8(RunCli(Args("settle --wages 200000 --donation 42000.01")).Out);
    EXPECT_TRUE(text.contains(QStringLiteral("捐赠限额（30%）"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("捐赠扣除"))) << text.toStdString();
}

// The README's example of internal retirement: 120000 ÷ 24 = 5000, + 6000 − 5000 = 6000 → 10 %,
// quick deduction 210; (6000 + 120000 − 5000) × 10 % − 210 = 11890; the wage alone 1000 × 3 % =
// 30, so the lump sum adds 11860.
TEST(InternalRetirementJson, TheReadmeExample) {
    const QJsonObject json = JsonOfLine(
        "severance --internal-retirement --amount 120000 --months 24 --wage 6000 --json");
    EXPECT_EQ(KeysOf(json).join(u' '), u"added after_tax amount average base months "
                                       u"quick_deduction rate tax taxable wage wage_tax");
    EXPECT_EQ(json.value(u"average").toString(), u"5000.00");
    EXPECT_EQ(json.value(u"base").toString(), u"6000.00");
    EXPECT_EQ(json.value(u"rate").toInt(), 10);
    EXPECT_EQ(json.value(u"quick_deduction").toString(), u"210.00");
    EXPECT_EQ(json.value(u"tax").toString(), u"11890.00");
    EXPECT_EQ(json.value(u"wage_tax").toString(), u"30.00");
    EXPECT_EQ(json.value(u"added").toString(), u"11860.00");
    const QString text = QString::fromUtf8(
        RunCli(Args("severance --internal-retirement --amount 120000 --months 24 --wage 6000"))
            .Out);
    for (const char *part :
         {"每月平均额", "5000.00", "当月应纳税额", "11890.00", "一次性收入增加的税额", "11860.00"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
}

class InternalRetirementRefusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(InternalRetirementRefusals, ExitTwoWithAMessageAndNothingPrinted) {
    ExpectRefused(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, InternalRetirementRefusals,
    ::testing::Values(
        RefusalCase{"severance --internal-retirement --amount 1 --months 24", "缺少选项 --wage"},
        RefusalCase{"severance --internal-retirement --amount 1 --wage 1", "缺少选项 --months"},
        RefusalCase{"severance --internal-retirement --amount 1 --months 0 --wage 1",
                    "不是有效的月数"},
        RefusalCase{"severance --internal-retirement --amount 1 --months 2.5 --wage 1",
                    "不是有效的月数"},
        RefusalCase{"severance --internal-retirement --amount 1 --months 1201 --wage 1",
                    "1 到 1200 的整数"},
        RefusalCase{"severance --internal-retirement --amount 1 --months 2 --wage 1 --years 2",
                    "不能与 --internal-retirement 同用"},
        RefusalCase{"severance --amount 1 --average-wage 1 --months 4",
                    "只用于 --internal-retirement"}));

// One job of 20000 a month, a labour payment of 10000 in April and a bonus of 60000 in December.
// 182 days: a non-resident. Each month 20000 − 5000 = 15000 → 20 %, 3000 − 1410 = 1590; the
// labour 10000 − 20 % = 8000 → 10 %, 800 − 210 = 590; the bonus 60000 ÷ 6 = 10000 → 10 %, 790 × 6
// = 4740: 19080 + 590 + 4740 = 24410 in all, and no settlement. 183 days: a resident, January
// 20000 − 5000 = 15000 → 3 %, 450, and a settlement.
QByteArray DaysYear(int Days) {
    return QStringLiteral(R"({ "year": 2026, "days_in_china": %1,
  "jobs": [ { "employer": "甲公司", "pay": [ { "from": 1, "income": 20000 } ] } ],
  "payments": [ { "month": 4, "kind": "labour", "amount": 10000 } ],
  "bonus": { "month": 12, "amount": 60000, "employer": "甲公司" } })")
        .arg(Days)
        .toUtf8();
}

TEST(NonResidentYear, FewerThan183DaysHasNoSettlement) {
    QTemporaryDir dir;
    const QString path = Write(dir, DaysYear(182));
    const Outcome run = RunCli({QStringLiteral("year"), path, "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = JsonOf(run);
    EXPECT_FALSE(json.value(u"resident").toBool(true));
    EXPECT_EQ(json.value(u"days_in_china").toInt(), 182);
    EXPECT_TRUE(json.value(u"settlement").isNull());
    const QJsonObject job = json.value(u"jobs").toArray().at(0).toObject();
    EXPECT_EQ(job.value(u"withheld").toString(), u"19080.00");
    const QJsonObject january = job.value(u"months").toArray().at(0).toObject();
    EXPECT_EQ(KeysOf(january).join(u' '),
              u"after_tax deduction income month quick_deduction rate tax taxable");
    EXPECT_EQ(january.value(u"taxable").toString(), u"15000.00");
    EXPECT_EQ(january.value(u"tax").toString(), u"1590.00");
    EXPECT_EQ(json.value(u"payments").toArray().at(0).toObject().value(u"tax").toString(),
              u"590.00");
    EXPECT_EQ(json.value(u"bonus").toObject().value(u"tax").toString(), u"4740.00");

    const QString text = QString::fromUtf8(RunCli({QStringLiteral("year"), path}).Out);
    for (const char *part : {"非居民个人：本年在中国境内 182 天，不满 183 天", "1590.00", "590.00",
                             "4740.00", "全年扣缴税额合计：24410.00", "没有年度汇算"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
}

TEST(NonResidentYear, From183DaysAResidentWithASettlement) {
    QTemporaryDir dir;
    const QString path = Write(dir, DaysYear(183));
    const QJsonObject json = JsonOf(RunCli({QStringLiteral("year"), path, "--json"}));
    EXPECT_TRUE(json.value(u"resident").toBool(false));
    EXPECT_TRUE(json.value(u"settlement").isObject());
    const QJsonObject january =
        json.value(u"jobs").toArray().at(0).toObject().value(u"months").toArray().at(0).toObject();
    EXPECT_EQ(january.value(u"tax").toString(), u"450.00");
    const QString text = QString::fromUtf8(RunCli({QStringLiteral("year"), path}).Out);
    EXPECT_TRUE(text.contains(QStringLiteral("居民个人：本年在中国境内 183 天")))
        << text.toStdString();
}

// Two entries of 10000 for the same child: 20000 − 15000 = 5000; without "child" each is below
// the floor. Donations of the file: 240000 − 60000 − 24000 of the child's education − 5000 =
// 151000 before them, a limit of 45300; 45300 + 1000 in full deducted.
TEST(YearFile, IllnessPerChildAndDonations) {
    QTemporaryDir dir;
    const QByteArray year = R"({ "year": 2026,
  "jobs": [ { "employer": "甲公司", "pay": [ { "from": 1, "income": 20000 } ] } ],
  "children": [ { "born": "2015-01-01" } ],
  "illness": [ { "who": "子女", "paid": 10000, "child": 0 },
               { "who": "子女", "paid": 10000, "child": 0 } ],
  "donations": [ { "month": 3, "amount": 60000 }, { "month": 5, "amount": 1000, "full": true } ] })";
    const QJsonObject s = JsonOf(RunCli({QStringLiteral("year"), Write(dir, year), "--json"}))
                              .value(u"settlement")
                              .toObject();
    EXPECT_EQ(s.value(u"illness").toString(), u"5000.00");
    EXPECT_EQ(s.value(u"donation_limit").toString(), u"45300.00");
    EXPECT_EQ(s.value(u"donations").toString(), u"46300.00");
    EXPECT_EQ(s.value(u"donations_given").toString(), u"60000.00");
    EXPECT_EQ(s.value(u"donations_full_given").toString(), u"1000.00");
}

} // namespace
