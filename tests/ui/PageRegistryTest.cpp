// The page registry drives the main window: a row added to it is a menu entry, a toolbar button,
// a page to switch to and a stop of the tour; the menus follow its rows, and every page takes its
// title and the period of its rules from its row.

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UCalcPage.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using namespace UiTest;
using PageRegistry::Entry;
using PageRegistry::Menu;

// A page that no menu of the program knows.
class TRegistryTestPage : public QWidget {
    Q_OBJECT
  public:
    explicit TRegistryTestPage(QWidget *Parent = nullptr) : QWidget(Parent) {}
};

namespace {

QString ClassOf(const QWidget *Widget) {
    return Widget ? QString::fromLatin1(Widget->metaObject()->className()) : QString();
}

TEST(PageRegistry, ARowAddedIsInTheMenuTheToolbarTheSwitchingAndTheTour) {
    PageRegistry::Registry entries = PageRegistry::Program();
    entries.push_back(
        PageRegistry::Page<TRegistryTestPage>(Menu::Current, "MTestPage", "试验页(&T)")
            .Follows(RulesPeriod::Period::Since2011)
            .OnToolbar("TBtnTestPage", "试验", {3, 2}));
    TFrmMain main(entries);
    ShowActive(&main);

    auto *item = main.findChild<QAction *>(QStringLiteral("MTestPage"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(main.MCurrent->actions().constLast(), item);
    EXPECT_EQ(item->text(), "试验页(&T)");
    EXPECT_TRUE(item->isCheckable());
    item->trigger();
    EXPECT_EQ(ClassOf(main.CurrentPage()), "TRegistryTestPage");
    EXPECT_TRUE(item->isChecked());

    auto *button = main.findChild<QToolButton *>(QStringLiteral("TBtnTestPage"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "试验");
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(button->toolTip().contains(QStringLiteral("2011年9月至2018年12月")));
    // Right after the current wage page's button, in its group.
    const auto *wage = main.findChild<QToolButton *>(QStringLiteral("TBtnCurWage"));
    EXPECT_GT(button->x(), wage->x());
    EXPECT_LT(button->x(), main.findChild<QToolButton *>(QStringLiteral("ToolButton3"))->x());
    main.Open(QStringLiteral("MSalary"));
    Click(button);
    EXPECT_EQ(ClassOf(main.CurrentPage()), "TRegistryTestPage");

    const auto tour = PageRegistry::PagesAndWindows(main.Entries());
    const auto stop = std::find_if(tour.begin(), tour.end(),
                                   [](const Entry *E) { return E->Name == "MTestPage"; });
    ASSERT_NE(stop, tour.end());
    EXPECT_EQ(ClassOf(std::unique_ptr<QWidget>((*stop)->Create(nullptr)).get()),
              "TRegistryTestPage");
    // Pages first, then the windows of their own.
    EXPECT_TRUE(
        std::is_partitioned(tour.begin(), tour.end(), [](const Entry *E) { return E->IsPage(); }));
}

// A header is there to be read, not chosen (a hidden entry is disabled too).
bool IsHeader(const QAction *Action) {
    return Action->isVisible() && !Action->isEnabled();
}

// Each menu holds its rows in their order (the rows of a submenu in it, where the first of them
// stands), and in the 计算器 menu every entry stands under the header that names the period of its
// rules.
TEST(PageRegistry, MenusFollowTheRowsUnderTheHeadersOfTheirPeriods) {
    TFrmMain main;
    for (Menu in : {Menu::File, Menu::Calculator, Menu::Current, Menu::Tools, Menu::Help}) {
        QStringList rows, entries;
        for (const Entry &entry : main.Entries()) {
            if (entry.In != in)
                continue;
            if (entry.Submenu.isEmpty()) {
                rows << entry.Name + (entry.Hidden ? "(hidden)" : "");
                continue;
            }
            if (!rows.contains(entry.Submenu))
                rows << entry.Submenu;
            const auto *submenu = main.MenuOf(in)->findChild<QMenu *>(entry.Submenu);
            ASSERT_NE(submenu, nullptr) << entry.Submenu.toStdString();
            EXPECT_NE(submenu->findChild<QAction *>(entry.Name), nullptr)
                << entry.Name.toStdString();
        }
        for (QAction *action : main.MenuOf(in)->actions()) {
            if (!action->isSeparator() && !IsHeader(action))
                entries << action->objectName() + (action->isVisible() ? "" : "(hidden)");
        }
        EXPECT_EQ(entries, rows);
    }
    QString header;
    QSet<QString> headers;
    for (QAction *action : main.N2->actions()) {
        if (action->isSeparator())
            continue;
        if (IsHeader(action)) {
            header = action->text();
            EXPECT_FALSE(headers.contains(header))
                << "a period in two places: " << header.toStdString();
            headers << header;
            continue;
        }
        const Entry *row = PageRegistry::Named(main.Entries(), action->objectName());
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(header, RulesPeriod::Header(row->Rules)) << row->Name.toStdString();
    }
    EXPECT_EQ(headers.size(), 5);
    EXPECT_TRUE(headers.contains(QStringLiteral("—— 2011年9月至2018年12月施行的规定 ——")));
}

// Alt and a letter reach every entry of the 现行税法 menu, each by a letter of its own.
TEST(PageRegistry, CurrentLawEntriesHaveTheirOwnAccelerators) {
    TFrmMain main;
    QSet<QString> letters;
    for (QAction *action : main.MCurrent->actions()) {
        const QString letter = QKeySequence::mnemonic(action->text()).toString();
        EXPECT_FALSE(letter.isEmpty()) << action->text().toStdString();
        EXPECT_FALSE(letters.contains(letter)) << action->text().toStdString();
        letters << letter;
    }
}

TEST(PageRegistry, ToolbarButtonsOfEarlierRulesNameTheirPeriod) {
    TFrmMain main;
    for (const Entry &entry : main.Entries()) {
        if (entry.Button.isEmpty())
            continue;
        auto *button = main.findChild<QToolButton *>(entry.Button);
        ASSERT_NE(button, nullptr) << entry.Button.toStdString();
        if (RulesPeriod::IsPast(entry.Rules))
            EXPECT_EQ(button->toolTip(), RulesPeriod::Tip(entry.Rules));
        else
            EXPECT_TRUE(button->toolTip().isEmpty()) << entry.Button.toStdString();
    }
    EXPECT_TRUE(main.findChild<QToolButton *>(QStringLiteral("ToolButton5"))
                    ->toolTip()
                    .contains(QStringLiteral("2018年12月以前按次计税")));
}

// No two buttons of a group touch, and the space between them is the same everywhere.
TEST(PageRegistry, ToolbarButtonsAreEvenlySpaced) {
    TFrmMain main;
    ShowActive(&main);
    std::vector<const Entry *> shown;
    for (const Entry &entry : main.Entries()) {
        if (entry.Place.Group > 0 && !entry.ButtonHidden)
            shown.push_back(&entry);
    }
    std::sort(shown.begin(), shown.end(), [](const Entry *A, const Entry *B) {
        return std::pair(A->Place.Group, A->Place.Order) <
               std::pair(B->Place.Group, B->Place.Order);
    });
    QSet<int> within, between;
    for (std::size_t i = 1; i < shown.size(); ++i) {
        const QRect left = main.findChild<QToolButton *>(shown[i - 1]->Button)->geometry();
        const QRect right = main.findChild<QToolButton *>(shown[i]->Button)->geometry();
        const int gap = right.left() - left.right() - 1;
        (shown[i]->Place.Group == shown[i - 1]->Place.Group ? within : between) << gap;
    }
    ASSERT_EQ(within.size(), 1) << "uneven gaps between the buttons of a group";
    EXPECT_GE(*within.begin(), TFrmMain::ToolbarGap);
    ASSERT_EQ(between.size(), 1) << "uneven gaps between the groups";
    EXPECT_GT(*between.begin(), *within.begin());
}

class RegistryPages : public ::testing::TestWithParam<const Entry *> {};

// The title strip is the row's, and a page of rules no longer in force names their period under
// the strip and again under its results, where the note covers nothing and is not cut off even
// in the main window's smallest size.
TEST_P(RegistryPages, TitleAndPeriodFromTheRow) {
    const Entry &row = *GetParam();
    TFrmMain main;
    main.resize(main.minimumSize());
    main.show();
    ASSERT_TRUE(main.Open(row.Name));
    QCoreApplication::processEvents();
    auto *calcPage = qobject_cast<TCalcPage *>(main.CurrentPage());
    ASSERT_NE(calcPage, nullptr);
    EXPECT_EQ(calcPage->Panel1->text(), "   " + row.Title());
    if (!RulesPeriod::IsPast(row.Rules)) {
        EXPECT_EQ(calcPage->LawNote, nullptr);
        EXPECT_EQ(calcPage->LawNoteResults, nullptr);
        return;
    }
    ASSERT_NE(calcPage->LawNote, nullptr);
    EXPECT_EQ(calcPage->LawNote->text(), RulesPeriod::Line(row.Rules));
    const QLabel *note = calcPage->LawNoteResults;
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->text(), RulesPeriod::Results(row.Rules));
    EXPECT_TRUE(note->isVisible());
    const QWidget *client = note->parentWidget();
    EXPECT_TRUE(client->rect().contains(note->geometry())) << "cut off at the page's edge";
    for (const QWidget *other : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != note && other->isVisible()) {
            EXPECT_FALSE(other->geometry().intersects(note->geometry()))
                << "over " << other->objectName().toStdString();
        }
    }
}

std::vector<const Entry *> ProgramPages() {
    std::vector<const Entry *> pages;
    for (const Entry &entry : PageRegistry::Program()) {
        if (entry.IsPage())
            pages.push_back(&entry);
    }
    return pages;
}

INSTANTIATE_TEST_SUITE_P(Program, RegistryPages, ::testing::ValuesIn(ProgramPages()),
                         [](const auto &Info) { return Info.param->Name.toStdString(); });

} // namespace

#include "PageRegistryTest.moc"
