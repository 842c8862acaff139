// pendra-cli household on household files in temporary folders: the README's household with its
// split worked by hand, the tables, and faults refused with their key paths.

#include "CliRun.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace CliTest;

namespace {

// The README's household, 2026. a: 120000 − 60000 = taxable 60000, 3480 alone; 10 % on the first
// 24000 of deductions, then 3 %. b: 240000 − 12000 − 60000 = 168000, 16680 alone; 20 % on the
// first 24000, then 10 %. Shared: two children of 24000 a year each (education; infant care all
// year for the younger), the loan 12000, the illness 25000: 85000 whichever way. The most they
// can save is 24000 at 20 % on b and the other 61000 at 10 %, 10900, so the least total is
// 20160 − 10900 = 9260: b takes at least 24000 and a at most 24000. The reference (children and
// loan half, the illness to a) leaves a 55000; moving the illness alone still 30000; so two moves,
// the first in order being the elder child to b: a 12000 + 6000 = 18000 → 42000 → 1680; b 24000 +
// 12000 + 6000 + 25000 = 67000 → 101000 → 7580. The worst places everything on a, where it saves
// only 3480: 0 + 16680.
const char *const Household = R"({
  "a": { "year": 2026,
         "jobs": [ { "employer": "甲公司", "pay": [ { "from": 1, "income": 10000 } ] } ] },
  "b": { "year": 2026,
         "jobs": [ { "employer": "乙公司", "pay": [ { "from": 1, "income": 20000, "insurance": 1000 } ] } ] },
  "shared": {
    "children": [ { "born": "2019-04-02", "education_end": null },
                  { "born": "2024-08-15" } ],
    "housing_loan": { "first_repayment": "2018-06", "both_before_marriage": true },
    "illness": [ { "who": "子女", "paid": 40000 } ]
  }
})";

QString Write(const QTemporaryDir &Dir, const QByteArray &Bytes) {
    const QString path = Dir.filePath(QStringLiteral("家庭.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Bytes) == Bytes.size());
    return path;
}

QString Places(const QJsonObject &Choice) {
    const QJsonObject a = Choice.value(u"assignment").toObject();
    QStringList places;
    for (const char *key : {"children", "rent", "illness"}) {
        QStringList list;
        for (const QJsonValue &place : a.value(QLatin1String(key)).toArray())
            list.append(place.toString());
        places.append(QLatin1String(key) + u'=' + list.join(u','));
    }
    places.append(QStringLiteral("loan=") + a.value(u"housing_loan").toString());
    return places.join(u' ');
}

TEST(Household, JsonOfTheSplitWorkedByHand) {
    QTemporaryDir dir;
    const Outcome run = RunCli({QStringLiteral("household"), Write(dir, Household), "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = JsonOf(run);
    EXPECT_EQ(KeysOf(json).join(u' '), u"all_to_a all_to_b best combinations worst");
    EXPECT_EQ(json.value(u"combinations").toInt(), 54); // 3 × 3 × 3 × 2
    const QJsonObject best = json.value(u"best").toObject();
    EXPECT_EQ(KeysOf(best).join(u' '), u"a assignment b total");
    EXPECT_EQ(KeysOf(best.value(u"assignment").toObject()).join(u' '),
              u"children housing_loan illness rent");
    EXPECT_EQ(Places(best), u"children=b,half rent= illness=b loan=half");
    EXPECT_EQ(best.value(u"a").toObject().value(u"total_tax").toString(), u"1680.00");
    EXPECT_EQ(best.value(u"b").toObject().value(u"total_tax").toString(), u"7580.00");
    EXPECT_EQ(best.value(u"b").toObject().value(u"illness").toString(), u"25000.00");
    EXPECT_EQ(best.value(u"total").toString(), u"9260.00");
    const QJsonObject worst = json.value(u"worst").toObject();
    EXPECT_EQ(Places(worst), u"children=a,a rent= illness=a loan=a");
    EXPECT_EQ(worst.value(u"total").toString(), u"16680.00");
    EXPECT_EQ(json.value(u"all_to_a").toObject().value(u"total").toString(), u"16680.00");
    // Everything on b saves 24000 at 20 % and 61000 at 10 % as the best does: a 3480, b
    // 168000 − 85000 = 83000 → 5780.
    const QJsonObject allToB = json.value(u"all_to_b").toObject();
    EXPECT_EQ(KeysOf(allToB), KeysOf(best));
    EXPECT_EQ(Places(allToB), u"children=b,b rent= illness=b loan=b");
    EXPECT_EQ(allToB.value(u"a").toObject().value(u"total_tax").toString(), u"3480.00");
    EXPECT_EQ(allToB.value(u"b").toObject().value(u"total_tax").toString(), u"5780.00");
    EXPECT_EQ(allToB.value(u"total").toString(), u"9260.00");
}

// Without shared items the one assignment is each year as it stands, the loan null.
TEST(Household, TablesAndNothingShared) {
    QTemporaryDir dir;
    const QString path = Write(dir, Household);
    const Outcome table = RunCli({QStringLiteral("household"), path});
    ASSERT_EQ(table.Status, 0) << table.Err.toStdString();
    const QString out = QString::fromUtf8(table.Out);
    for (const char *part : {"试过 54 种分配", "子女（2019-04-02 出生）", "各 50%",
                             "最优分配下的年度汇算", "b：应退税",
                             "最优分配比全部由 a 扣除少缴 7420.00，比最不利的分配少缴 7420.00\n"
                             "全部由 b 扣除：两人应纳税额合计 9260.00，最优分配比其少缴 0.00\n"})
        EXPECT_TRUE(out.contains(QString::fromUtf8(part))) << part << '\n' << out.toStdString();
    QByteArray alone(Household);
    alone.truncate(alone.indexOf(",\n  \"shared\""));
    alone.append('}');
    const Outcome json = RunCli({QStringLiteral("household"), Write(dir, alone), "--json"});
    ASSERT_EQ(json.Status, 0) << json.Err.toStdString();
    EXPECT_EQ(JsonOf(json).value(u"combinations").toInt(), 1);
    const QJsonObject best = JsonOf(json).value(u"best").toObject();
    EXPECT_TRUE(best.value(u"assignment").toObject().value(u"housing_loan").isNull());
    EXPECT_EQ(best.value(u"total").toString(), u"20160.00"); // 3480 + 16680
}

// Every shared item saying who claims it now (everything on a, as the worst): the split they have
// is printed beside the best, 16680.00 against 9260.00, a saving of 7420.00; in JSON "current"
// has the keys of "best". With one item silent there is no current split, and stderr says which.
TEST(Household, TheSplitTheyHaveNowBesideTheBest) {
    QTemporaryDir dir;
    QByteArray text(Household);
    text.replace(R"("education_end": null)", R"("education_end": null, "now": "a")");
    text.replace(R"("born": "2024-08-15")", R"("born": "2024-08-15", "now": "a")");
    text.replace(R"("both_before_marriage": true)", R"("both_before_marriage": true, "now": "a")");
    const QString partial = Write(dir, text);
    const Outcome silent = RunCli({QStringLiteral("household"), partial, "--json"});
    ASSERT_EQ(silent.Status, 0) << silent.Err.toStdString();
    EXPECT_FALSE(JsonOf(silent).contains(u"current"));
    EXPECT_TRUE(silent.Err.contains(QStringLiteral("shared.illness[0]")))
        << silent.Err.toStdString();

    text.replace(R"("paid": 40000)", R"("paid": 40000, "now": "a")");
    const QString path = Write(dir, text);
    const Outcome run = RunCli({QStringLiteral("household"), path, "--json"});
    ASSERT_EQ(run.Status, 0) << run.Err.toStdString();
    const QJsonObject json = JsonOf(run);
    const QJsonObject now = json.value(u"current").toObject();
    EXPECT_EQ(KeysOf(now), KeysOf(json.value(u"best").toObject()));
    EXPECT_EQ(Places(now), u"children=a,a rent= illness=a loan=a");
    EXPECT_EQ(now.value(u"total").toString(), u"16680.00");
    EXPECT_EQ(now.value(u"b").toObject().value(u"total_tax").toString(), u"16680.00");
    const Outcome table = RunCli({QStringLiteral("household"), path});
    EXPECT_TRUE(QString::fromUtf8(table.Out).contains(
        QStringLiteral("现在的分配：a 0.00，b 16680.00，合计 16680.00；"
                       "最优分配比现在少缴 7420.00")))
        << table.Out.toStdString();
}

// The couple's own years and a colleague's year in place of a's, with one child between them:
// a 18000 − 2001 and b 18000 − 2239 a month, 216000 − 24012 − 60000 = 131988 and 129132 before
// the child, both at 10 % whoever claims it (24000 × 10 % in any split): 10678.80 + 10393.20
// − 2400 = 18672.00. The colleague, 28000 − 2588: 304944 − 60000 = 244944 at 20 %, the child
// there 220944 → 27268.80, b 10393.20: 37662.00, the figure a's year taken from elsewhere gave.
// The names the years hold head the table.
TEST(Household, TheCouplesOwnYearsAndTheirNames) {
    QTemporaryDir dir;
    const auto household = [](const char *A, const char *NameA) {
        return QStringLiteral(R"({ "a": { "year": 2026, "name": "%1", "jobs": [ { "employer": "甲",
            "pay": [ { "from": 1, "income": %2 } ] } ] },
          "b": { "year": 2026, "name": "王芳", "jobs": [ { "employer": "乙",
            "pay": [ { "from": 1, "income": 18000, "insurance": 2239 } ] } ] },
          "shared": { "children": [ { "born": "2020-05-01" } ] } })")
            .arg(QString::fromUtf8(NameA), QString::fromUtf8(A))
            .toUtf8();
    };
    const struct {
        const char *A, *Name, *Total;
    } cases[] = {{R"(18000, "insurance": 2001)", "李明", "18672.00"},
                 {R"(28000, "insurance": 2588)", "张伟", "37662.00"}};
    for (const auto &c : cases) {
        const QString path = Write(dir, household(c.A, c.Name));
        const Outcome json = RunCli({QStringLiteral("household"), path, "--json"});
        ASSERT_EQ(json.Status, 0) << json.Err.toStdString();
        EXPECT_EQ(JsonOf(json).value(u"best").toObject().value(u"total").toString(),
                  QLatin1String(c.Total));
        const QString text = QString::fromUtf8(RunCli({QStringLiteral("household"), path}).Out);
        EXPECT_TRUE(text.contains(
            QStringLiteral("两人：a（%1），b（王芳）").arg(QString::fromUtf8(c.Name))))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("最优分配 %1").arg(QLatin1String(c.Total))));
    }
}

// A lease goes only to a spouse who signed it. b earns more, so with both signing the lease
// (12 × 1500 = 18000) goes to b; signed by a alone it must go to a, in every split printed.
TEST(Household, TheLeaseGoesToTheSpouseWhoSignedIt) {
    QTemporaryDir dir;
    QByteArray text(Household);
    text.replace(
        R"("housing_loan": { "first_repayment": "2018-06", "both_before_marriage": true },)",
        R"("rent": [ { "from": "2026-01", "to": "2026-12", "amount": 1500, "signed_by": "both" } ],)");
    const Outcome both = RunCli({QStringLiteral("household"), Write(dir, text), "--json"});
    ASSERT_EQ(both.Status, 0) << both.Err.toStdString();
    EXPECT_EQ(JsonOf(both).value(u"combinations").toInt(), 36); // 3 × 3 × 2 × 2
    text.replace(R"("signed_by": "both")", R"("signed_by": "a")");
    const Outcome a = RunCli({QStringLiteral("household"), Write(dir, text), "--json"});
    ASSERT_EQ(a.Status, 0) << a.Err.toStdString();
    const QJsonObject json = JsonOf(a);
    EXPECT_EQ(json.value(u"combinations").toInt(), 18);
    for (const char *choice : {"best", "worst", "all_to_a"})
        EXPECT_TRUE(Places(json.value(QLatin1String(choice)).toObject()).contains(u"rent=a "))
            << choice;
    text.replace(R"(, "signed_by": "a")", "");
    const Outcome missing = RunCli({QStringLiteral("household"), Write(dir, text)});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("shared.rent[0].signed_by：")))
        << missing.Err.toStdString();
}

struct FaultCase {
    const char *From; // replaced in the household by To
    const char *To;
    const char *Path;
};

class HouseholdFault : public testing::TestWithParam<FaultCase> {};

// Nothing computed: status 2, nothing on stdout, the file and the key path on stderr.
TEST_P(HouseholdFault, ExitTwoNamingTheKeyPath) {
    QTemporaryDir dir;
    QByteArray text(Household);
    ASSERT_TRUE(text.contains(GetParam().From));
    text.replace(GetParam().From, GetParam().To);
    const Outcome run = RunCli({QStringLiteral("household"), Write(dir, text)});
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Out.isEmpty());
    EXPECT_TRUE(run.Err.contains(QStringLiteral("家庭.json")));
    EXPECT_TRUE(run.Err.contains(QString::fromUtf8(GetParam().Path) + QStringLiteral("：")))
        << run.Err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, HouseholdFault,
    testing::Values(
        FaultCase{"\"income\": 10000", "\"income\": \"一万\"", "a.jobs[0].pay[0].income"},
        FaultCase{"\"b\": { \"year\": 2026", "\"b\": { \"year\": 2027", "b.year"},
        FaultCase{"\"education_end\": null", "\"share\": 100", "shared.children[0].share"},
        FaultCase{"\"who\": \"子女\"", "\"who\": \"本人\"", "shared.illness[0].who"},
        FaultCase{"\"jobs\": [ { \"employer\": \"甲公司\"",
                  "\"children\": [ { \"born\": \"2024-08-15\" } ], \"jobs\": [ { \"employer\": "
                  "\"甲公司\"",
                  "shared.children[1]"}));

TEST(Household, UnreadableFilesAndUsage) {
    QTemporaryDir dir;
    const Outcome missing = RunCli({QStringLiteral("household"), dir.filePath("无.json")});
    EXPECT_EQ(missing.Status, 2);
    EXPECT_TRUE(missing.Err.contains(QStringLiteral("不存在")));
    EXPECT_EQ(RunCli({QStringLiteral("household")}).Status, 2);
    const Outcome help = RunCli({QStringLiteral("household"), QStringLiteral("--help")});
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(
        QString::fromUtf8(help.Out).contains(QStringLiteral("pendra-cli household 家庭.json")));
    const Outcome all = RunCli({QStringLiteral("--help")});
    EXPECT_TRUE(QString::fromUtf8(all.Out).contains(QStringLiteral("  household ")));
}

} // namespace
