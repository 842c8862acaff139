// pendra-cli year on year files in temporary folders: the JSON of the contract with figures
// worked by hand, the Chinese tables, and every kind of fault refused with its key path.

#include "../support/ReadmeYear.h"
#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

// The README's example. Timeline: infant care 2000 to April (born 2023-05), then education
// 2000; elderly 1500 from March (the parent turns 60); loan 1000; degree 400; the certificate
// 3600 in June; health 200; pension 12000 in December: 59400 of special deductions.
// 甲公司 in December: 270000 − 60000 − 27000 − 59400 − 14400 = 109200 → 10920 − 2520 = 8400.
// Labour 8000: 6400 × 20 % = 1280. The bonus 40000: 3333.33 a month → 10 %, 4000 − 210 = 3790.
// Settlement: 270000 + 6400 = 276400, less 60000 + 27000 + 59400 + 50000 of illness (15000 +
// 35000) + 12000 + 2400 = 210800: 65600 → 6560 − 2520 = 4040, plus 3790 on its own = 7830
// (merged: 105600 → 8040); withheld 8400 + 1280 + 3790 = 13470, 5640 refunded.
const char *const Example = ReadmeYearJson;

QString Write(const QTemporaryDir &Dir, const QByteArray &Bytes) {
    const QString path = Dir.filePath(QStringLiteral("年度.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

TEST(Year, JsonOfTheContractWithTheHandWorkedFigures) {
    QTemporaryDir dir;
    const Outcome run = RunCli({QStringLiteral("year"), Write(dir, Example), "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = JsonOf(run);
    EXPECT_EQ(KeysOf(json).join(u' '),
              u"bonus days_in_china jobs payments resident settlement timeline year");
    const QJsonArray timeline = json.value(u"timeline").toArray();
    ASSERT_EQ(timeline.size(), 12);
    const QJsonObject june = timeline.at(5).toObject();
    EXPECT_EQ(KeysOf(june).join(u' '), u"children continuing_education elderly health_insurance "
                                       u"housing_loan infant_care month pension rent total");
    EXPECT_EQ(june.value(u"continuing_education").toString(), u"4000.00");
    EXPECT_EQ(june.value(u"total").toString(), u"8700.00");
    const QJsonObject job = json.value(u"jobs").toArray().at(0).toObject();
    EXPECT_EQ(KeysOf(job).join(u' '), u"employer months withheld");
    EXPECT_EQ(job.value(u"employer").toString(), u"甲公司");
    EXPECT_EQ(job.value(u"withheld").toString(), u"8400.00");
    EXPECT_EQ(job.value(u"months").toArray().size(), 12);
    EXPECT_EQ(json.value(u"payments").toArray().at(0).toObject().value(u"tax").toString(),
              u"1280.00");
    EXPECT_EQ(json.value(u"bonus").toObject().value(u"tax").toString(), u"3790.00");
    const QJsonObject s = json.value(u"settlement").toObject();
    EXPECT_EQ(
        KeysOf(s).join(u' '),
        u"balance bonus_method bonus_tax deductions difference donation_limit donations "
        u"donations_full_given donations_given exemption_barred exemptions exemptions_until "
        u"health_insurance illness income_amount low_income must_file other_method "
        u"other_method_tax pension quick_deduction rate reason settlement_from settlement_until "
        u"small_owed special tax taxable total_tax withheld");
    EXPECT_EQ(s.value(u"bonus_method").toString(), u"separate");
    // By how much: merged, the year would cost 8040.00, 210.00 more.
    EXPECT_EQ(s.value(u"other_method").toString(), u"merged");
    EXPECT_EQ(s.value(u"other_method_tax").toString(), u"8040.00");
    EXPECT_EQ(s.value(u"difference").toString(), u"210.00");
    EXPECT_EQ(s.value(u"special").toString(), u"59400.00");
    EXPECT_EQ(s.value(u"illness").toString(), u"50000.00");
    EXPECT_EQ(s.value(u"deductions").toString(), u"210800.00");
    EXPECT_EQ(s.value(u"total_tax").toString(), u"7830.00");
    EXPECT_EQ(s.value(u"withheld").toString(), u"13470.00");
    EXPECT_EQ(s.value(u"balance").toString(), u"-5640.00");
    EXPECT_EQ(s.value(u"reason").toString(), u"refund");
}

// Without a bonus the JSON says so with null; the tables name every part of the year.
TEST(Year, TablesAndNoBonus) {
    QTemporaryDir dir;
    QByteArray text(Example);
    text.replace(R"("bonus": { "month": 1, "amount": 40000, "employer": "甲公司" },)", "");
    const QString path = Write(dir, text);
    const Outcome json = RunCli({QStringLiteral("year"), path, "--json"});
    ASSERT_EQ(json.Status, 0) << json.Err.toStdString();
    EXPECT_TRUE(JsonOf(json).value(u"bonus").isNull());
    const QJsonObject settled = JsonOf(json).value(u"settlement").toObject();
    for (const char *key : {"other_method", "other_method_tax", "difference"})
        EXPECT_TRUE(settled.value(QLatin1String(key)).isNull()) << key;
    const Outcome table = RunCli({QStringLiteral("year"), path});
    ASSERT_EQ(table.Status, 0) << table.Err.toStdString();
    const QString out = QString::fromUtf8(table.Out);
    for (const char *part : {"2026 年每月可扣除额", "甲公司：1—12 月",
                             "本单位预扣税额合计：8400.00", "劳务报酬", "应退税"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(part))) << part;
}

// The text says the other method's total and by how much, more or less as the method was chosen.
TEST(Year, TheOtherBonusMethodByHowMuch) {
    QTemporaryDir dir;
    const struct {
        const char *Method;
        const char *Line;
    } cases[] = {{"best", "若年终奖并入综合所得，应纳税额合计为 8040.00，多 210.00"},
                 {"merged", "若年终奖单独计税，应纳税额合计为 7830.00，少 210.00"}};
    for (const auto &c : cases) {
        QByteArray text(Example);
        text.replace(R"("bonus_method": "best")",
                     QByteArray(R"("bonus_method": ")") + c.Method + '"');
        const Outcome run = RunCli({QStringLiteral("year"), Write(dir, text)});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        const QString out = QString::fromUtf8(run.Out);
        EXPECT_TRUE(out.contains(QString::fromUtf8(c.Line))) << c.Method << "\n"
                                                             << out.toStdString();
        for (const char *part : {"大病医疗", "个人养老金", "商业健康保险"})
            EXPECT_TRUE(out.contains(QString::fromUtf8(part))) << part;
    }
}

struct FaultCase {
    const char *From; // replaced in the example by To
    const char *To;
    const char *Path;
};

class YearFault : public testing::TestWithParam<FaultCase> {};

// Nothing computed: status 2, nothing on stdout, the key path on stderr.
TEST_P(YearFault, ExitTwoNamingTheKeyPath) {
    QTemporaryDir dir;
    QByteArray text(Example);
    ASSERT_TRUE(text.contains(GetParam().From));
    text.replace(GetParam().From, GetParam().To);
    const Outcome run = RunCli({QStringLiteral("year"), Write(dir, text), "--json"});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Path) + QStringLiteral("：")))
        << run.Err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, YearFault,
    testing::Values(
        FaultCase{"\"year\": 2026", "\"year\": 2028", "year"},
        FaultCase{"\"insurance\": 2500", "\"insurance\": -2500", "jobs[0].pay[1].insurance"},
        FaultCase{"\"only_child\"", "\"onlychild\"", "elderly.onlychild"},
        FaultCase{"\"month\": 5", "\"month\": \"5\"", "payments[0].month"},
        FaultCase{"\"from\": 7", "\"from\": 13", "jobs[0].pay[1].from"},
        FaultCase{"\"share\": 1500", "\"share\": 1500.123", "elderly.share"},
        FaultCase{"\"2026-06\"", "\"2026-6\"", "certificates[0]"},
        FaultCase{"\"employer\": \"甲公司\" }", "\"employer\": \"乙公司\" }", "bonus.employer"}));

TEST(Year, UnreadableFilesAndUsage) {
    QTemporaryDir dir;
    const Outcome missing = RunCli({QStringLiteral("year"), dir.filePath("无.json")});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("不存在")));
    const Outcome device = RunCli({QStringLiteral("year"), QStringLiteral("/dev/zero")});
    EXPECT_EQ(device.Status, 2);
    EXPECT_TRUE(device.Err.contains(QStringLiteral("不是普通文件")));
    EXPECT_EQ(RunCli({QStringLiteral("year")}).Status, 2);
    const Outcome help = RunCli({QStringLiteral("year"), QStringLiteral("--help")});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(QString::fromUtf8(help.Out).contains(QStringLiteral("pendra-cli year 2026.json")));
}

} // namespace
