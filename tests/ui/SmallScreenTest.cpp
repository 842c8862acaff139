// Dialogs on a laptop's 1366×768 screen: each opens centred on the main window and wholly inside
// the screen, wherever the main window stands. Run on an offscreen screen of that size
// (tests/support/screen-1366x768.json, see tests/CMakeLists.txt).

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UMsgBox.h"
#include "common/UYearFacts.h"
#include "pages/UFrmCurWage.h"
#include "pages/UFrmTaxYear.h"
#include "support/UiTestSupport.h"
#include "translations/Language.h"
#include "ui/FactInput.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

struct Placed {
    QString Name;
    QRect Frame;
};

class SmallScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1366, 768))
            << "run with QT_QPA_PLATFORM=offscreen:configfile=tests/support/screen-1366x768.json";
        ShowActive(&Main);
    }
    // Where every dialog of the registry opens over the main window, and a message box.
    std::vector<Placed> Dialogs() {
        std::vector<Placed> placed;
        const auto record = [&placed](QWidget *Modal) {
            placed.push_back(
                {QString::fromLatin1(Modal->metaObject()->className()), Modal->frameGeometry()});
        };
        for (const PageRegistry::Entry &entry : Main.Entries()) {
            if (entry.Opens != PageRegistry::Kind::Dialog)
                continue;
            EXPECT_TRUE(CloseNextModal([&] { Main.Open(entry.Name); }, record).Shown)
                << entry.Name.toStdString();
        }
        CloseNextModal([this] { MsgBox::Show(&Main, QStringLiteral("提示文字")); }, record);
        return placed;
    }
    QRect Area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    TFrmMain Main;
};

TEST_F(SmallScreen, DialogsOpenCentredOnTheMainWindow) {
    const std::vector<Placed> placed = Dialogs();
    ASSERT_EQ(placed.size(), 6u);
    for (const Placed &dialog : placed) {
        SCOPED_TRACE(dialog.Name.toStdString());
        EXPECT_TRUE(Area().contains(dialog.Frame));
        const QPoint offset = dialog.Frame.center() - Main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
    }
}

// A main window pushed into a corner takes its dialogs along only as far as the screen allows.
TEST_F(SmallScreen, DialogsStayInsideTheScreenWhereverTheMainWindowIs) {
    for (const QPoint corner : {Area().topLeft() - QPoint(600, 500), Area().bottomRight()}) {
        Main.move(corner);
        for (const Placed &dialog : Dialogs())
            EXPECT_TRUE(Area().contains(dialog.Frame))
                << dialog.Name.toStdString() << " at " << dialog.Frame.x() << ","
                << dialog.Frame.y() << " " << dialog.Frame.width() << "x" << dialog.Frame.height();
    }
}

// A year file opened while the wage page is shown brings the row of its employers: the inputs
// grow to hold it, and 开始计算 and 重置 stay whole in view, never under a scroll bar.
TEST_F(SmallScreen, TheWagePageKeepsItsButtonsInViewWhenAYearOpens) {
    Main.findChild<QAction *>(QStringLiteral("MCurWage"))->trigger();
    auto *page = qobject_cast<TFrmCurWage *>(Main.CurrentPage());
    ASSERT_NE(page, nullptr);
    QCoreApplication::processEvents();
    const QTemporaryDir files;
    FactInput::OpenYear(
        FactInput::WriteText(files, QStringLiteral("a.json"), FactInput::ReadmeYear));
    ASSERT_TRUE(WaitFor([page] { return page->BtnFromYear->isVisible(); }));
    auto *inputs = page->findChild<QScrollArea *>(QStringLiteral("ScrollInputs"));
    ASSERT_NE(inputs, nullptr);
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
    const QRect shown = inputs->viewport()->rect();
    for (QPushButton *button : {page->BtnCalc, page->BtnReset}) {
        const QRect at(button->mapTo(inputs->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(shown.contains(at)) << button->objectName().toStdString();
    }
    EXPECT_FALSE(inputs->verticalScrollBar()->isVisible());
}

// My tax year in English on the whole screen: neither tab of the facts scrolls sideways, and the
// bonus method list is as wide as its longest choice, in Chinese too.
TEST_F(SmallScreen, TheTaxYearShowsItsTabsAndBonusMethodsWhole) {
    using Translations::Language;
    for (const Language lang : {Language::English, Language::Chinese}) {
        SCOPED_TRACE(Translations::Code(lang).toStdString());
        ASSERT_TRUE(Translations::Apply(lang, Translations::Scope::Qt));
        Main.showMaximized();
        // The window builds its page anew in the language once the change reaches it.
        QCoreApplication::processEvents();
        ASSERT_TRUE(Main.Open(QStringLiteral("MCurYear")));
        auto *page = qobject_cast<TFrmTaxYear *>(Main.CurrentPage());
        ASSERT_NE(page, nullptr);
        for (int tab = 0; tab < page->Facts->TabsFacts->count(); ++tab) {
            page->Facts->TabsFacts->setCurrentIndex(tab);
            for (int turn = 0; turn < 3; ++turn)
                QCoreApplication::processEvents();
            for (const QScrollArea *column : page->findChildren<QScrollArea *>()) {
                if (!column->isVisible() || !column->widget())
                    continue;
                const QString name =
                    page->Facts->TabsFacts->tabText(tab) + u' ' + column->objectName();
                EXPECT_LE(column->widget()->minimumSizeHint().width(), column->viewport()->width())
                    << name.toStdString();
                EXPECT_FALSE(column->horizontalScrollBar()->isVisible()) << name.toStdString();
            }
        }
        page->Facts->TabsFacts->setCurrentIndex(0);
        QCoreApplication::processEvents();
        QComboBox *methods = page->Facts->CmbBonusMethod;
        const int shown = methods->width();
        const auto policy = methods->sizeAdjustPolicy();
        methods->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        EXPECT_GE(shown, methods->sizeHint().width());
        methods->setSizeAdjustPolicy(policy);
    }
}

} // namespace
