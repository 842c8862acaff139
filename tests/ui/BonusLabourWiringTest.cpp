#include "app/UFrmMain.h"
#include "pages/UFrmMoney.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class Wiring : public ::testing::Test {
  protected:
    void SetUp() override {
        Main.show();
        QApplication::setActiveWindow(&Main);
        QCoreApplication::processEvents();
    }
    QString PageClass() const {
        return Main.CurrentPage()
                   ? QString::fromLatin1(Main.CurrentPage()->metaObject()->className())
                   : QString();
    }
    TFrmMain Main;
};

struct Entry {
    const char *Item;
    const char *Button; // empty: no toolbar button
    const char *PageClass;
};

class WiringPages : public Wiring, public ::testing::WithParamInterface<Entry> {};

TEST_P(WiringPages, MenuItemAndToolbarButtonShowThePage) {
    const Entry &c = GetParam();
    auto *item = Main.findChild<QAction *>(c.Item);
    ASSERT_NE(item, nullptr) << c.Item;
    item->trigger();
    EXPECT_EQ(PageClass(), c.PageClass) << c.Item;
    EXPECT_EQ(Main.CurrentPage()->parentWidget(), Main.PanelMain);
    if (*c.Button == '\0')
        return;
    Main.findChild<QAction *>(QStringLiteral("MSalary"))->trigger();
    ASSERT_EQ(PageClass(), "TFrmSalary");
    Click(Main.findChild<QToolButton *>(c.Button));
    EXPECT_EQ(PageClass(), c.PageClass) << c.Button;
}

INSTANTIATE_TEST_SUITE_P(All, WiringPages,
                         ::testing::Values(Entry{"MYearAward", "ToolButton2", "TFrmYearAward"},
                                           Entry{"N3", "ToolButton5", "TFrmLaoWu"},
                                           Entry{"N4", "ToolButton4", "TFrmWriting"},
                                           Entry{"N7", "", "TFrmRent"}));

class WiringMoney : public Wiring, public ::testing::WithParamInterface<bool> {};

TEST_P(WiringMoney, EachOpeningIsANewModalDialog) {
    const bool fromToolbar = GetParam();
    const QWidget *page = Main.CurrentPage();
    const auto open = [&] {
        if (fromToolbar)
            Click(Main.findChild<QToolButton *>(QStringLiteral("ToolButton3")));
        else
            Main.findChild<QAction *>(QStringLiteral("N5"))->trigger();
    };
    const ModalSeen first = CloseNextModal(open, [](QWidget *modal) {
        auto *dialog = qobject_cast<TFrmMoney *>(modal);
        ASSERT_NE(dialog, nullptr);
        // The box is modal before the window system has activated it; the focus comes then.
        EXPECT_TRUE(WaitFor([&] { return dialog->TxtLowercase->hasFocus(); }));
        dialog->TxtLowercase->setText("101");
        dialog->BtnConvertClick();
    });
    EXPECT_TRUE(first.Shown);
    EXPECT_EQ(first.ClassName, "TFrmMoney");
    EXPECT_EQ(first.Title, "人民币大小写转换");
    QString capitalSeen = QStringLiteral("unseen");
    CloseNextModal(open, [&](QWidget *modal) {
        capitalSeen = qobject_cast<TFrmMoney *>(modal)->TxtCapital->text();
    });
    EXPECT_EQ(capitalSeen, "");
    EXPECT_EQ(Main.CurrentPage(), page); // the page behind is untouched
}

INSTANTIATE_TEST_SUITE_P(MenuAndToolbar, WiringMoney, ::testing::Values(false, true));

} // namespace
