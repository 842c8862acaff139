// pendra-cli under the law of the tax year asked: ways of withholding refused before they began,
// 自1月 governing July to December of 2020, the pension refused before its scheme and noted
// while it was in the pilot cities, and the settlement citing its own year's announcement.

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

// One job of 20000 a month less 2000 insurance, from From, in Year, with Extra keys.
QByteArray YearFile(int Year, int From, const char *Mode, const char *Extra = "") {
    return QStringLiteral(R"({"year": %1, "jobs": [{"employer": "甲", "from": %2, "to": 12,
        "mode": "%3", "pay": [{"from": %2, "income": 20000, "insurance": 2000}]}]%4})")
        .arg(Year)
        .arg(From)
        .arg(QString::fromUtf8(Mode), QString::fromUtf8(Extra))
        .toUtf8();
}

QStringList Taxes(const QJsonObject &Json) {
    QStringList taxes;
    for (const QJsonValue &month : Json.value(u"months").toArray())
        taxes << month.toObject().value(u"tax").toString();
    return taxes;
}

// 6万 from 2021 (国家税务总局公告2020年第19号), 自1月 from July 2020 (2020年第13号).
TEST(LawByYear, WageRefusesAWayBeforeTheYearItBegan) {
    for (const RefusalCase &c :
         {RefusalCase{"wage --year 2019 --mode 6万 --income 20000 --insurance 2000 --json",
                      "减除方式 6万 自2021年1月1日起施行（国家税务总局公告2020年第19号），2019 年"},
          RefusalCase{"wage --year 2020 --mode sixty --income 20000", "2020 年不能采用"},
          RefusalCase{"wage --year 2019 --mode 自1月 --from 5 --income 20000",
                      "自2020年7月1日起施行（国家税务总局公告2020年第13号），2019 年"},
          RefusalCase{"wage --year 2018 --income 20000", "纳税年度“2018”无效"}})
        ExpectRefused(c);
}

// The same 20000 less 2000 insurance. 2021 under 6万: 60000 + 6000 above the 60000 paid by
// March, nothing withheld. 2020 from March under 自1月: March to June per month (13000, 26000,
// 39000, 52000 taxable: 390, 390, 600, 1300), July on 7 × 5000: 100000 − 35000 − 10000 = 55000
// → 2980, 300 more than June's 2680; then 13000 more taxable and 1300 more tax each month.
TEST(LawByYear, WageWithholdsUnderTheYearsLaw) {
    EXPECT_EQ(Taxes(JsonOfLine("wage --year 2021 --mode 6万 --income 20000 --insurance 2000 "
                               "--to 3 --json")),
              (QStringList{"0.00", "0.00", "0.00"}));
    EXPECT_EQ(Taxes(JsonOfLine("wage --year 2020 --mode 自1月 --from 3 --income 20000 "
                               "--insurance 2000 --json")),
              (QStringList{"390.00", "390.00", "600.00", "1300.00", "300.00", "1300.00", "1300.00",
                           "1300.00", "1300.00", "1300.00"}));
}

struct YearFault {
    int Year;
    int From;
    const char *Mode;
    const char *Extra;
    const char *Message;
};

TEST(LawByYear, YearFileRefusesWhatTheYearsLawDidNotHave) {
    QTemporaryDir dir;
    for (const YearFault &c :
         {YearFault{2019, 1, "6万", "", "jobs[0].mode"},
          YearFault{2020, 1, "6万", "",
                    "“6万”自2021年1月1日起施行（国家税务总局公告2020年第19号），2020 年"},
          YearFault{2019, 5, "自1月", "", "“自1月”自2020年7月1日起施行"},
          YearFault{2022, 1, "按月", R"(, "pension": [{"month": 10, "amount": 1000}])",
                    "pension[0].month：个人养老金自2022年11月25日起实施"}}) {
        const Outcome run =
            RunCli({QStringLiteral("year"), Write(dir, YearFile(c.Year, c.From, c.Mode, c.Extra))});
        EXPECT_EQ(run.Status, 2) << c.Message;
        EXPECT_TRUE(run.Out.isEmpty()) << c.Message;
        EXPECT_TRUE(run.Err.contains(QString::fromUtf8(c.Message))) << run.Err.toStdString();
    }
}

// A year of 10000 a month in two jobs of six months each: each withholds 6 × (10000 − 5000) =
// 30000 × 3 % = 900, 1800 in all; the year's 120000 − 60000 = 60000 → 6000 − 2520 = 3480, 1680
// owed on an income of at most 120000: no return needed, by the announcement of the year.
TEST(LawByYear, SettlementCitesTheAnnouncementOfItsYear) {
    QTemporaryDir dir;
    const char *jobs = R"({"year": %1, "jobs": [
        {"employer": "甲", "from": 1, "to": 6, "pay": [{"from": 1, "income": 10000}]},
        {"employer": "乙", "from": 7, "to": 12, "deductions_here": false,
         "pay": [{"from": 7, "income": 10000}]}]})";
    for (const auto &[year, announcement] : {std::pair{2019, "财政部 税务总局公告2019年第94号"},
                                             std::pair{2020, "财政部 税务总局公告2019年第94号"},
                                             std::pair{2021, "财政部 税务总局公告2021年第42号"},
                                             std::pair{2023, "财政部 税务总局公告2021年第42号"},
                                             std::pair{2024, "财政部 税务总局公告2023年第32号"},
                                             std::pair{2027, "财政部 税务总局公告2023年第32号"}}) {
        const Outcome run = RunCli(
            {QStringLiteral("year"), Write(dir, QString::fromUtf8(jobs).arg(year).toUtf8())});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        const QString out = QString::fromUtf8(run.Out);
        EXPECT_TRUE(out.contains(QStringLiteral("应补税 1680.00，但综合所得年收入不超过 120000 "
                                                "元，无需办理汇算（%1）")
                                     .arg(QString::fromUtf8(announcement))))
            << year << out.toStdString();
    }
}

// 2022 to 2024 the pension was deducted in the pilot cities only: said once, however many
// payments; not in 2025, nationwide by then.
TEST(LawByYear, YearSaysOnceThatThePensionWasInThePilotCities) {
    QTemporaryDir dir;
    const char *payments =
        R"(, "pension": [{"month": 11, "amount": 1000}, {"month": 12, "amount": 1000}])";
    const QString note =
        QStringLiteral("个人养老金扣除只在先行试点城市（地区）实施，自2024年12月15日"
                       "起在全国实施（财政部 税务总局公告2024年第21号）");
    for (const auto &[year, times] : {std::pair{2022, 1}, std::pair{2024, 1}, std::pair{2025, 0}}) {
        const Outcome run =
            RunCli({QStringLiteral("year"), Write(dir, YearFile(year, 1, "按月", payments))});
        ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
        EXPECT_EQ(QString::fromUtf8(run.Out).count(note), times) << year;
    }
    // The flag says it, not the year: 2025 under rules that keep the pilot cities.
    const Outcome piloted =
        RunCli({QStringLiteral("year"), Write(dir, YearFile(2025, 1, "按月", payments))}, {},
               {QStringLiteral("PENDRA_TEST_RULES=2025:PensionPilot=1")});
    ASSERT_EQ(piloted.Status, 0) << piloted.Err.toStdString();
    EXPECT_EQ(QString::fromUtf8(piloted.Out).count(note), 1);
}

// The latest year's law with the separate bonus ended, as a test build takes it in place of the
// law. 38000 beside 100000 of other taxable income merged: 138000 × 10 % − 2520 = 11280 (11070
// separately, 3590 + 7480). A settlement of 150000 of wages and a bonus of 30000 merged: 120000
// × 10 % − 2520 = 9480 (separately 90000 → 6480 and 30000 × 3 % = 900: 7380). A year of 20000
// a month less 2000 with 36000 in December merged: 276000 − 60000 − 24000 = 192000 × 20 % −
// 16920 = 21480 (separately 156000 → 14280 and 1080: 15360).
TEST(LawByYear, AYearWithoutTheSeparateBonusMergesItAndSaysSo) {
    const QStringList ended{QStringLiteral("PENDRA_TEST_RULES=%1:SeparateBonus=0").arg(2027)};
    const QString said =
        QStringLiteral("2027年没有全年一次性奖金单独计税的办法：奖金并入当月工资薪金"
                       "预扣预缴，年度汇算并入综合所得");
    QTemporaryDir dir;
    const QString year = Write(dir, YearFile(2027, 1, "按月",
                                             R"(, "bonus": {"month": 12, "amount": 36000,
                                                "employer": "甲"}, "bonus_method": "separate")"));
    struct Case {
        QStringList Line;
        const char *Key, *Merged;
        const char *SeparateKey, *Separate; // under the law's own rules
    };
    for (const Case &c : {Case{Args("bonus --bonus 38000 --taxable 100000"), "merged.total",
                               "11280.00", "separate.total", "11070.00"},
                          Case{Args("settle --wages 150000 --bonus 30000"), "total_tax", "9480.00",
                               "total_tax", "7380.00"},
                          Case{{QStringLiteral("year"), year},
                               "settlement.total_tax",
                               "21480.00",
                               "settlement.total_tax",
                               "15360.00"}}) {
        const auto figure = [](const Outcome &Run, const char *Key) {
            QJsonObject json = JsonOf(Run);
            const QStringList path = QString::fromLatin1(Key).split(u'.');
            for (qsizetype i = 0; i + 1 < path.size(); ++i)
                json = json.value(path[i]).toObject();
            return json.value(path.last()).toString();
        };
        const QStringList json = c.Line + QStringList{QStringLiteral("--json")};
        const Outcome merged = RunCli(json, {}, ended);
        ASSERT_EQ(merged.Status, 0) << merged.Err.toStdString();
        EXPECT_EQ(figure(merged, c.Key), c.Merged) << c.Key;
        EXPECT_EQ(figure(RunCli(json), c.SeparateKey), c.Separate) << c.SeparateKey;
        const Outcome text = RunCli(c.Line, {}, ended);
        EXPECT_TRUE(QString::fromUtf8(text.Out).contains(said)) << text.Out.toStdString();
        EXPECT_TRUE(QString::fromUtf8(text.Out).contains(QString::fromLatin1(c.Merged)))
            << text.Out.toStdString();
    }
    const QJsonObject bonus = JsonOf(RunCli(Args("bonus --bonus 38000 --json"), {}, ended));
    EXPECT_TRUE(bonus.value(u"separate").isNull());
    EXPECT_TRUE(bonus.value(u"cliff").isNull());
    EXPECT_EQ(bonus.value(u"better").toString(), u"merged");
    const Outcome asked =
        RunCli(Args("settle --wages 150000 --bonus 30000 --bonus-method separate"), {}, ended);
    EXPECT_EQ(asked.Status, 2);
    EXPECT_TRUE(asked.Out.isEmpty());
    EXPECT_TRUE(asked.Err.contains(said)) << asked.Err.toStdString();
}

} // namespace
