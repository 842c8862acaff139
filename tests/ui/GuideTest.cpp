// The user guide: its figures are the engines', in both languages, every page of the law in force
// has its section, and F1 opens the guide at the section of the page shown.

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UGuide.h"
#include "shell/UFrmGuide.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"

#include <QAction>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace UiTest;
using Translations::Language;

namespace {

struct GuideCase {
    Language Lang;
    // Figures of the worked examples as worked out by hand, and the words that say them.
    std::vector<const char *> Says;
};

class GuideText : public ::testing::TestWithParam<GuideCase> {
  protected:
    void SetUp() override { ASSERT_TRUE(Translations::Apply(GetParam().Lang)); }
    void TearDown() override { Translations::Apply(Language::Chinese); }
};

TEST_P(GuideText, FiguresComeFromTheEnginesAndEveryCurrentPageHasItsSection) {
    const QString html = Guide::Html();
    ASSERT_FALSE(html.isEmpty());
    EXPECT_FALSE(html.contains(QStringLiteral("{{"))) << html.toStdString();
    for (const char *said : GetParam().Says)
        EXPECT_TRUE(html.contains(QString::fromUtf8(said))) << said;
    for (const PageRegistry::Entry &entry : PageRegistry::Program()) {
        if (entry.In == PageRegistry::Menu::Current && !entry.Class.isEmpty()) {
            EXPECT_TRUE(html.contains(QStringLiteral("name=\"%1\"").arg(entry.Class)))
                << entry.Class.toStdString();
        }
    }
}

// 20000 a month less 5000, 2000 and 3000 is 10000 at 3 % in January; by April 40000 at 10 %
// less 2520 less 900 before; December 120000 at 10 %: 9480 in the year, 1000 that month.
// The bonus of 38000: 3590 beside 7480 on 100000 against 11280 merged; its cliff ends at
// 38566.67. Labour 30000: 24000 at 30 % less 2000. Severance 200000 less three times 50000 at
// 10 % less 2520. The year with that labour payment: 264000 less 120000 is 144000, 11880 due
// against 14680 withheld. The household: a 120000 less 60000 is 60000 at 10 % (3480), b 240000
// less 60000 and 12000 is 168000 at 20 % (16680, everything claimed by a, whose tax is then
// nil). The best gives a 18000 (half the younger child and half the loan) and b 67000 (the elder
// child, the illness's 40000 less 15000 and the other halves): 42000 and 101000 at 10 %, 1680 and
// 7580, 9260 of 54 splits, 7420 less.
INSTANTIATE_TEST_SUITE_P(
    BothLanguages, GuideText,
    ::testing::Values(
        GuideCase{Language::Chinese,
                  {"1月累计应纳税所得额 10000.00 元，预扣 300.00 元", "4月预扣 580.00 元",
                   "12月预扣 1000.00 元", "全年共 9480.00 元", "单独计税全年税额 11070.00 元",
                   "并入综合所得 11280.00 元", "少缴 210.00 元", "38566.67", "预扣 5200.00 元",
                   "税额 2480.00 元", "应纳税所得额 144000.00 元", "应退 2800.00 元",
                   "财政部 税务总局公告2025年第6号", "自 2025年1月1日 起",
                   "54 种分配中，最优的两人合计缴税 9260.00 元（a 1680.00 元，b 7580.00 元）",
                   "全部由 a 扣除要缴 16680.00 元，最优分配少缴 7420.00 元"}},
        GuideCase{Language::English,
                  {"taxable income is 10000.00, 300.00 is withheld", "month 4 withholds 580.00",
                   "December withholds 1000.00", "9480.00 in the year",
                   "on its own the year's tax is 11070.00", "merged 11280.00", "210.00 less",
                   "38566.67", "5200.00 withheld", "2480.00 of tax", "taxable income 144000.00",
                   "2800.00 is refunded",
                   "Announcement No. 6 [2025] of the Ministry of Finance and the State Taxation "
                   "Administration",
                   "Since 1 January 2025",
                   "Of the 54 splits the law allows, the best costs the two of them 9260.00 "
                   "together (a 1680.00, b 7580.00)",
                   "everything claimed by a costs 16680.00, so the split saves 7420.00"}}),
    [](const ::testing::TestParamInfo<GuideCase> &Info) {
        return Info.param.Lang == Language::English ? std::string("English")
                                                    : std::string("Chinese");
    });

TEST(Guide, AnUnknownPlaceholderStaysForTheTestToFind) {
    const QHash<QString, QString> values{{QStringLiteral("a"), QStringLiteral("1")}};
    EXPECT_EQ(Guide::Fill(QStringLiteral("{{a}} {{b}} {a}"), values),
              QStringLiteral("1 {{b}} {a}"));
}

// F1 on each page opens the one guide window at that page's section, scrolled there.
TEST(Guide, F1OpensTheGuideAtTheSectionOfThePageShown) {
    TFrmMain main;
    ShowActive(&main);
    const struct {
        const char *Entry;
        const char *Section;
    } cases[] = {
        {"MCurBonus", "TFrmCurBonus"},
        {"MCurWage", "TFrmCurWage"},
        {"MCurHousehold", "TFrmHousehold"},
        {"MSalary", "earlier"},
    };
    TFrmGuide *first = nullptr;
    int scrolledBefore = -1;
    for (const auto &c : cases) {
        ASSERT_TRUE(main.Open(QString::fromLatin1(c.Entry)));
        QApplication::setActiveWindow(&main);
        QTest::keyClick(&main, Qt::Key_F1);
        auto *guide = main.findChild<TFrmGuide *>();
        ASSERT_NE(guide, nullptr) << c.Entry;
        if (!first)
            first = guide;
        EXPECT_EQ(guide, first) << "one guide window, brought forward";
        EXPECT_TRUE(guide->isVisible());
        EXPECT_EQ(guide->Section(), QString::fromLatin1(c.Section));
        auto *text = guide->findChild<QTextBrowser *>();
        ASSERT_NE(text, nullptr);
        ASSERT_TRUE(WaitFor([&] { return text->verticalScrollBar()->value() > 0; })) << c.Entry;
        EXPECT_NE(text->verticalScrollBar()->value(), scrolledBefore) << c.Entry;
        scrolledBefore = text->verticalScrollBar()->value();
    }
}

} // namespace
