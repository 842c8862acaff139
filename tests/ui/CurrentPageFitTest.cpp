// The pages of the law in force are laid out by Qt layouts: at the main window's smallest size,
// in either language, what each of their scrolling columns holds fits the column's width, so that
// no caption, option or button is cut at the right edge or reached only by scrolling sideways.
// The dialogs and windows of the same menu are checked at the size they open with.

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UReverseDialog.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"

#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Translations::Language;

struct FitCase {
    std::string Name;
    QString Entry; // the registry's entry; empty for a reverse dialog
    TFrmCurReverse::Subject Reverse = TFrmCurReverse::Subject::Wage;
    Language Lang = Language::Chinese;
};

void PrintTo(const FitCase &Case, std::ostream *Out) {
    *Out << Case.Name;
}

std::vector<FitCase> CurrentLawCases() {
    std::vector<FitCase> cases;
    const auto add = [&cases](const std::string &Name, const QString &Entry,
                              TFrmCurReverse::Subject Reverse) {
        for (const Language lang : {Language::Chinese, Language::English})
            cases.push_back(
                {Name + "_" + Translations::Code(lang).toStdString(), Entry, Reverse, lang});
    };
    for (const PageRegistry::Entry *entry : PageRegistry::PagesAndWindows(PageRegistry::Program()))
        if (entry->In == PageRegistry::Menu::Current)
            add(entry->Name.toStdString(), entry->Name, {});
    // Opened by the pages' 反算 buttons rather than by an entry.
    add("ReverseWage", {}, TFrmCurReverse::Subject::Wage);
    add("ReverseLabour", {}, TFrmCurReverse::Subject::Labour);
    return cases;
}

// Every scrolling column of Window: what it holds needs no more width than it shows, so it never
// scrolls sideways. Tables and lists scroll their own contents and are not columns of the page.
void ExpectColumnsFit(const QWidget *Window) {
    for (const QScrollArea *column : Window->findChildren<QScrollArea *>()) {
        if (!column->isVisible() || !column->widget())
            continue;
        const QWidget *content = column->widget();
        const int needed = content->minimumSizeHint().expandedTo(content->minimumSize()).width();
        EXPECT_LE(needed, column->viewport()->width()) << column->objectName().toStdString();
        EXPECT_FALSE(column->horizontalScrollBar()->isVisible())
            << column->objectName().toStdString();
    }
}

class CurrentLawFit : public ::testing::TestWithParam<FitCase> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Translations::Apply(GetParam().Lang, Translations::Scope::Qt));
    }
    void TearDown() override { Translations::Apply(Language::Chinese, Translations::Scope::Qt); }
};

TEST_P(CurrentLawFit, NothingScrollsSidewaysAtTheSmallestSize) {
    const FitCase &Case = GetParam();
    const PageRegistry::Entry *entry =
        Case.Entry.isEmpty() ? nullptr : PageRegistry::Named(PageRegistry::Program(), Case.Entry);
    if (entry && entry->IsPage()) {
        TFrmMain main;
        main.resize(main.minimumSize());
        main.show();
        ASSERT_TRUE(main.Open(Case.Entry));
        QCoreApplication::processEvents();
        QWidget *page = main.CurrentPage();
        ASSERT_NE(page, nullptr);
        // The page takes the width the window gives it, not more.
        EXPECT_LE(page->minimumSizeHint().width(), page->width());
        ExpectColumnsFit(page);
        return;
    }
    const std::unique_ptr<QWidget> window(entry ? entry->Create(nullptr)
                                                : new TFrmCurReverse(Case.Reverse, {}));
    window->show();
    QCoreApplication::processEvents();
    EXPECT_LE(window->minimumSizeHint().width(), window->width());
    ExpectColumnsFit(window.get());
}

INSTANTIATE_TEST_SUITE_P(CurrentLawMenu, CurrentLawFit, ::testing::ValuesIn(CurrentLawCases()),
                         [](const auto &Info) { return Info.param.Name; });

} // namespace
