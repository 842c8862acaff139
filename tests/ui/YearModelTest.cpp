// The facts of 我的纳税年度 as a model, without a widget: each edit read and checked as the year
// file is, its fault at its key path in the file's words, the last figures that checked kept while
// a value is wrong, and worked out again once the facts check.

#include "common/UYearModel.h"
#include "engine/current/Money.h"
#include "formats/YearFile.h"
#include "support/ReadmeYear.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

current::YearFacts Readme() {
    return *formats::ParseYearFile(ReadmeYearJson).Facts;
}

// The README's year, opened.
class YearModel : public ::testing::Test {
  protected:
    void SetUp() override { Model.SetFacts(Readme()); }
    TYearModel Model;
};

struct WrongField {
    const char *Path;
    QJsonValue Value;
    const char *FaultAt; // the key path the fault names
};

TEST_F(YearModel, AWrongFieldIsRefusedAtItsKeyPathAndTheLastFiguresStay) {
    const TYearFigures before = *Model.Figures();
    const WrongField cases[] = {
        {"jobs[0].pay[0].income", QStringLiteral("两万"), "jobs[0].pay[0].income"},
        {"jobs[0].pay[1].insurance", QStringLiteral("-1"), "jobs[0].pay[1].insurance"},
        {"jobs[0].to", 13, "jobs[0].to"},
        {"jobs[0].pay[1].from", 1, "jobs[0].pay[1].from"},
        {"children[0].born", QStringLiteral("2023-02-30"), "children[0].born"},
        {"bonus.amount", QStringLiteral("40000.005"), "bonus.amount"},
        {"payments[0].kind", QStringLiteral("wages"), "payments[0].kind"},
        {"certificates[0]", QStringLiteral("2026-13"), "certificates[0]"},
        {"days_in_china", 400, "days_in_china"},
        {"year", 2000, "year"},
    };
    for (const WrongField &wrong : cases) {
        SCOPED_TRACE(wrong.Path);
        SetUp();
        QSignalSpy checked(&Model, &TYearModel::Checked);
        QSignalSpy figures(&Model, &TYearModel::FiguresChanged);
        ASSERT_TRUE(Model.SetField(QString::fromLatin1(wrong.Path), wrong.Value));
        EXPECT_FALSE(Model.IsValid());
        EXPECT_EQ(Model.Check().Path, QLatin1String(wrong.FaultAt));
        EXPECT_TRUE(Model.Check().Fault.startsWith(QLatin1String(wrong.FaultAt)))
            << Model.Check().Fault.toStdString();
        EXPECT_EQ(checked.count(), 1);
        EXPECT_EQ(figures.count(), 0);
        ASSERT_TRUE(Model.Figures());
        EXPECT_EQ(Model.Figures()->Facts, before.Facts);
        EXPECT_EQ(Model.Figures()->Result.Settled.Figures.Balance,
                  before.Result.Settled.Figures.Balance);
    }
}

TEST_F(YearModel, AnEditThatChecksIsWorkedOutAgainAfterAWrongOne) {
    ASSERT_TRUE(Model.SetField(QStringLiteral("jobs[0].pay[1].income"), QStringLiteral("3万")));
    ASSERT_FALSE(Model.IsValid());
    QSignalSpy figures(&Model, &TYearModel::FiguresChanged);
    ASSERT_TRUE(Model.SetField(QStringLiteral("jobs[0].pay[1].income"), QStringLiteral("30000")));
    ASSERT_TRUE(Model.IsValid()) << Model.Check().Fault.toStdString();
    EXPECT_EQ(figures.count(), 1);
    current::YearFacts expected = Readme();
    expected.Jobs[0].Pay[1].Income = current::Yuan(30000);
    EXPECT_EQ(Model.Figures()->Facts, expected);
    const current::YearResult year = current::ComputeYear(expected);
    EXPECT_EQ(Model.Figures()->Result.Settled.Figures.TotalTax, year.Settled.Figures.TotalTax);
    EXPECT_EQ(Model.Figures()->Result.Jobs[0].Withheld, year.Jobs[0].Withheld);
    EXPECT_NE(year.Jobs[0].Withheld, current::ComputeYear(Readme()).Jobs[0].Withheld);
}

// Entries are added at the end of a list and left out by an undefined value; a path through a
// value that is neither an object nor a list changes nothing.
TEST_F(YearModel, FieldsAddAndLeaveOutEntriesByTheirKeyPath) {
    ASSERT_TRUE(Model.SetField(QStringLiteral("certificates[1]"), QStringLiteral("2026-09")));
    ASSERT_TRUE(Model.SetField(QStringLiteral("bonus"), QJsonValue(QJsonValue::Undefined)));
    ASSERT_TRUE(Model.SetField(QStringLiteral("illness[0]"), QJsonValue(QJsonValue::Undefined)));
    ASSERT_TRUE(Model.IsValid()) << Model.Check().Fault.toStdString();
    current::YearFacts expected = Readme();
    expected.Certificates.push_back({2026, 9});
    expected.Bonus.reset();
    expected.Illness.erase(expected.Illness.begin());
    EXPECT_EQ(Model.Figures()->Facts, expected);

    const QJsonObject typed = Model.Typed();
    EXPECT_FALSE(Model.SetField(QStringLiteral("year.month"), 1));
    EXPECT_FALSE(Model.SetField(QStringLiteral("certificates[5]"), QStringLiteral("2026-01")));
    EXPECT_EQ(Model.Typed(), typed);
}

} // namespace
