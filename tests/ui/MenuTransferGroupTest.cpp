#include "app/UFrmMain.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

struct MenuCase {
    const char *Item;
    const char *Caption;
    const char *PageClass;
};

void PrintTo(const MenuCase &c, std::ostream *os) {
    *os << c.Item;
}

class MenuOpensPage : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuOpensPage, ChoosingTheItemShowsItsPageInThePageArea) {
    const MenuCase &c = GetParam();
    TFrmMain main;
    main.show();
    QApplication::setActiveWindow(&main);
    QAction *item = main.findChild<QAction *>(c.Item);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QString::fromUtf8(c.Caption));
    EXPECT_TRUE(item->isVisible());
    item->trigger();
    QCoreApplication::processEvents();
    QWidget *page = main.CurrentPage();
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->metaObject()->className(), c.PageClass);
    EXPECT_EQ(page->parentWidget(), main.PanelMain);
    EXPECT_TRUE(page->isVisible());
    EXPECT_TRUE(item->isChecked());
    auto *income = page->findChild<QLineEdit *>(QStringLiteral("TxtIncome"));
    ASSERT_NE(income, nullptr);
    EXPECT_TRUE(income->hasFocus());
    EXPECT_EQ(main.PanelMain->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(),
              1);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, MenuOpensPage,
    ::testing::Values(MenuCase{"N10", "财产转让所得", "TFrmTransfer"},
                      MenuCase{"N9", "对企事业单位的承包经营、承租经营所得", "TFrmCompany"},
                      MenuCase{"N11", "特许权使用费所得", "TFrmLicense"},
                      MenuCase{"N20", "工资薪金所得(月薪旧版)", "TFrmSalaryOld"}));

} // namespace
