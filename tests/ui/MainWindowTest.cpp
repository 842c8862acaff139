#include "app/UFrmMain.h"
#include "common/UUtils.h"
#include "pages/UFrmMoney.h"
#include "pages/UFrmSalary.h"
#include "shell/UFrmAbout.h"
#include "support/UiTestSupport.h"
#include "support/UrlCatcher.h"

#include <QAction>
#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        Main.show();
        QApplication::setActiveWindow(&Main);
        QCoreApplication::processEvents();
    }
    QAction *Item(const char *name) { return Main.findChild<QAction *>(name); }
    QToolButton *Button(const char *name) { return Main.findChild<QToolButton *>(name); }
    QStringList CheckedItems() {
        QStringList checked;
        for (QMenu *menu : {Main.N2, Main.MCurrent})
            for (QAction *action : menu->actions())
                if (action->isChecked())
                    checked << action->objectName();
        return checked;
    }
    TFrmMain Main;
};

TEST_F(MainWindow, CaptionSizesAndMinimum) {
    EXPECT_EQ(Main.windowTitle(), "Pendra个人所得税计算器 V3.01--最专业的个税计算器");
    EXPECT_EQ(Main.size(), QSize(927, 723));
    EXPECT_EQ(Main.minimumSize(), QSize(920, 723));
    Main.resize(600, 400);
    EXPECT_EQ(Main.size(), QSize(920, 723));
    EXPECT_EQ(QString::fromLatin1(Main.metaObject()->className()), "TFrmMain");
}

TEST_F(MainWindow, ShowsTheProgramIconAsDoesEveryDialog) {
    const QIcon icon = Main.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
    EXPECT_TRUE(SamePicture(icon.pixmap(QSize(48, 48)).toImage(),
                            QImage(QStringLiteral(":/pictures/icon.png"))));
    const TFrmAbout about;
    EXPECT_EQ(about.windowIcon().cacheKey(), icon.cacheKey());
    const TFrmMoney money;
    EXPECT_EQ(money.windowIcon().cacheKey(), icon.cacheKey());
}

// A first start opens the wages under the law in force, not a page of 2011 figures.
TEST_F(MainWindow, FirstStartOpensTheCurrentWagePageAndItsCheckMark) {
    ASSERT_NE(Main.CurrentPage(), nullptr);
    EXPECT_EQ(QString::fromLatin1(Main.CurrentPage()->metaObject()->className()), "TFrmCurWage");
    EXPECT_EQ(Main.CurrentPage()->parentWidget(), Main.PanelMain);
    EXPECT_EQ(CheckedItems(), QStringList{"MCurWage"});
    auto *income = Main.CurrentPage()->findChild<QLineEdit *>("TxtIncome");
    ASSERT_NE(income, nullptr);
    EXPECT_TRUE(income->hasFocus());
}

TEST_F(MainWindow, MenuEntriesInOrderWithHiddenOnesPresent) {
    for (const char *hidden : {"N22", "N21", "MUpdate", "N23"}) {
        ASSERT_NE(Item(hidden), nullptr) << hidden;
        EXPECT_FALSE(Item(hidden)->isVisible()) << hidden;
    }
    // The current-law entries: pages, then the two windows of their own, which take no check
    // mark.
    QStringList current;
    QStringList windows;
    for (QAction *action : Main.MCurrent->actions()) {
        current << action->objectName();
        if (!action->isCheckable())
            windows << action->objectName();
    }
    EXPECT_EQ(current,
              (QStringList{"MCurYear", "MCurWage", "MCurDeductions", "MCurBonus", "MCurLabour",
                           "MCurSettle", "MCurHousehold", "MCurSeverance", "MCurBatch"}));
    EXPECT_EQ(windows, (QStringList{"MCurDeductions", "MCurBatch"}));
    EXPECT_EQ(Item("MCurBatch")->text(), "工资表批量计算(&P)...");
    QStringList menus;
    for (QAction *action : Main.MainMenu1->actions())
        menus << action->text();
    EXPECT_EQ(menus,
              (QStringList{"文件(&F)", "计算器(&C)", "现行税法(&X)", "工具(&T)", "帮助(&H)"}));
    EXPECT_EQ(Item("MExit")->text(), "退出(&X)");
    EXPECT_EQ(Item("MAbout")->text(), "关于(&A)...");
    EXPECT_EQ(Item("N5")->text(), "人民币大小写(&R)");
}

TEST_F(MainWindow, ToolbarButtonsInOrderWithCaptionsOnly) {
    QStringList captions;
    for (auto *button : Main.ToolBar1->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (!button->objectName().startsWith("ToolButton") &&
            !button->objectName().startsWith("TBtn"))
            continue;
        captions << button->objectName() + "=" + button->text();
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextOnly);
    }
    EXPECT_EQ(
        captions,
        (QStringList{"ToolButton1= 工资薪金", "ToolButton2=年终奖", "ToolButton5=劳务报酬",
                     "ToolButton4=稿酬所得", "TBtnCurWage=现行工资", "ToolButton3=货币大写",
                     "TBtnOpenCalc= 计算器 ", "ToolButton8= 记事本 ", "ToolButton7=参数设置"}));
    EXPECT_FALSE(Button("ToolButton7")->isVisible());
    EXPECT_TRUE(Button("ToolButton1")->isVisible());
}

TEST_F(MainWindow, ToolbarPageButtonLeavesTheCheckMark) {
    Item("MYearAward")->trigger();
    EXPECT_EQ(CheckedItems(), QStringList{"MYearAward"});
    Click(Button("ToolButton1"));
    EXPECT_EQ(QString::fromLatin1(Main.CurrentPage()->metaObject()->className()), "TFrmSalary");
    EXPECT_EQ(CheckedItems(), QStringList{"MYearAward"});
    Item("MSalary")->trigger();
    EXPECT_EQ(CheckedItems(), QStringList{"MSalary"});
}

TEST_F(MainWindow, ChoosingTheShownCategoryKeepsThePageAndItsEntries) {
    Item("MSalary")->trigger();
    QPointer<QWidget> before = Main.CurrentPage();
    auto *income = before->findChild<QLineEdit *>("TxtIncome");
    Type(income, "8000");
    Item("MSalary")->trigger();
    Click(Button("ToolButton1"));
    EXPECT_EQ(Main.CurrentPage(), before.data());
    EXPECT_EQ(income->text(), "8000");
    EXPECT_EQ(Main.PanelMain->findChildren<TFrmSalary *>().size(), 1);
}

TEST_F(MainWindow, AReplacedPageIsFreed) {
    QPointer<QWidget> salary = Main.CurrentPage();
    Main.ShowPage("TOtherPage", [] { return new QWidget; });
    EXPECT_TRUE(salary.isNull());
    Main.ShowPage<TFrmSalary>();
    ASSERT_NE(Main.CurrentPage(), nullptr);
    EXPECT_EQ(Main.PanelMain->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(MainWindow, LogoAndHomePageOpenTheSite) {
    UrlCatcher catcher;
    EXPECT_EQ(Main.ImgLogo->size(), QSize(210, 70));
    EXPECT_EQ(Main.ImgLogo->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(Main.ImgLogo, Qt::LeftButton);
    Item("MHomePage")->trigger();
    ASSERT_EQ(catcher.Opened.size(), 2);
    EXPECT_EQ(catcher.Opened[0], QUrl(TUtils::SiteUrl()));
    EXPECT_EQ(catcher.Opened[1], QUrl(TUtils::SiteUrl()));
}

TEST_F(MainWindow, CalculatorAndNotepadGoThroughTheLauncher) {
    QStringList started;
    TUtils::SetLauncherForTesting([&](const QString &program, const QStringList &) {
        started << program;
        return true;
    });
    Click(Button("TBtnOpenCalc"));
    Item("NSysCalc")->trigger();
    Click(Button("ToolButton8"));
    TUtils::SetLauncherForTesting({});
    EXPECT_EQ(started, (QStringList{"gnome-calculator", "gnome-calculator", "gnome-text-editor"}));
}

TEST_F(MainWindow, AdvertisementPanelStartsHiddenAndTitlesHideIt) {
    EXPECT_FALSE(Main.PanelAds->isVisible());
    Main.PanelAds->show();
    Main.WebBrowser1TitleChange("广告");
    EXPECT_TRUE(Main.PanelAds->isVisible());
    Main.WebBrowser1TitleChange("没有可以显示的页面");
    EXPECT_FALSE(Main.PanelAds->isVisible());
    Main.PanelAds->show();
    Main.WebBrowser1TitleChange("404 Not Found");
    EXPECT_FALSE(Main.PanelAds->isVisible());
}

TEST_F(MainWindow, ExitClosesTheWindow) {
    Item("MExit")->trigger();
    EXPECT_FALSE(Main.isVisible());
}

} // namespace
