// The charts' titles, legends and axis titles read whole in both languages at the smallest screen:
// Qt Charts cuts a text too long for its place with "...", so the titles and legends are labels
// that wrap, and nothing the chart draws itself is cut.

#include "common/UYearResults.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmTaxYear.h"
#include "support/ParamFolders.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"
#include "ui/FactInput.h"

#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace UiTest;
using Translations::Language;

namespace {

// The texts the chart draws in its scene (axis titles and labels, any title or legend of its own).
QStringList SceneTexts(const QGraphicsView *View) {
    QStringList texts;
    for (const QGraphicsItem *item : View->scene()->items()) {
        if (!item->isVisible())
            continue;
        if (const auto *text = dynamic_cast<const QGraphicsTextItem *>(item))
            texts << text->toPlainText();
        else if (const auto *simple = dynamic_cast<const QGraphicsSimpleTextItem *>(item))
            texts << simple->text();
    }
    return texts;
}

void ExpectWhole(QWidget *Chart, const QString &Title, const QStringList &Names) {
    auto *view = Chart->findChild<QGraphicsView *>();
    ASSERT_NE(view, nullptr);
    for (const QString &text : SceneTexts(view))
        EXPECT_FALSE(text.contains(QStringLiteral("...")) || text.contains(u'…'))
            << text.toStdString();
    auto *title = Chart->findChild<QLabel *>(QStringLiteral("ChartTitle"));
    auto *legend = Chart->findChild<QLabel *>(QStringLiteral("ChartLegend"));
    ASSERT_NE(title, nullptr);
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(title->text(), Title);
    EXPECT_TRUE(title->wordWrap() && legend->wordWrap());
    ASSERT_FALSE(Names.isEmpty());
    for (const QString &name : Names)
        EXPECT_TRUE(legend->text().contains(name.toHtmlEscaped())) << name.toStdString();
}

class ChartTexts : public ParamFolders, public ::testing::WithParamInterface<Language> {
  protected:
    void SetUp() override {
        ParamFolders::SetUp();
        ASSERT_TRUE(Translations::Apply(GetParam(), Translations::Scope::Qt));
    }
    void TearDown() override {
        Translations::Apply(Language::Chinese, Translations::Scope::Qt);
        ParamFolders::TearDown();
    }
    QTemporaryDir Files;
};

TEST_P(ChartTexts, TheTimelineNamesEveryItemWhole) {
    FactInput::OpenYear(
        FactInput::WriteText(Files, QStringLiteral("year.json"), FactInput::BusyYear));
    TFrmTaxYear page;
    page.resize(1366, 768);
    ShowActive(&page);
    const TYearResults &results = *page.Results;
    ASSERT_TRUE(WaitFor([&] { return results.Chart != nullptr; }));
    QStringList names;
    for (const TTimelineItem &item : results.Bars().Items)
        names << item.Name;
    ExpectWhole(results.Chart->Widget(), results.Bars().Title, names);
}

TEST_P(ChartTexts, TheBonusChartNamesBothMethodsWhole) {
    TFrmCurBonus page;
    page.resize(1366, 768);
    ShowActive(&page);
    Type(page.TxtOtherTaxable, QStringLiteral("100000"));
    TypeAndEnter(page.TxtBonus, QStringLiteral("38000"));
    ASSERT_NE(page.Chart, nullptr);
    auto *title = page.Chart->Widget()->findChild<QLabel *>(QStringLiteral("ChartTitle"));
    ASSERT_NE(title, nullptr);
    EXPECT_FALSE(title->text().isEmpty());
    const bool english = GetParam() == Language::English;
    ExpectWhole(page.Chart->Widget(), title->text(),
                english ? QStringList{QStringLiteral("Taxed separately"),
                                      QStringLiteral("Combined with comprehensive income")}
                        : QStringList{QStringLiteral("单独计税"), QStringLiteral("并入综合所得")});
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, ChartTexts,
                         ::testing::Values(Language::Chinese, Language::English),
                         [](const ::testing::TestParamInfo<Language> &Info) {
                             return Info.param == Language::English ? std::string("English")
                                                                    : std::string("Chinese");
                         });

} // namespace
