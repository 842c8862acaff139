#include "app/UFrmMain.h"
#include "common/UCalcPage.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

struct MenuCase {
    const char *Item;
    const char *Text;
    const char *ClassName;
    const char *Title;
    const char *FirstInput;
};

class MenuOpensPage : public ::testing::TestWithParam<MenuCase> {
  protected:
    void SetUp() override {
        Main.show();
        QApplication::setActiveWindow(&Main);
        QCoreApplication::processEvents();
    }
    TFrmMain Main;
};

TEST_P(MenuOpensPage, ItemShowsItsPageInThePageArea) {
    const MenuCase &c = GetParam();
    auto *item = Main.findChild<QAction *>(c.Item);
    ASSERT_NE(item, nullptr) << c.Item;
    EXPECT_EQ(item->text(), QString::fromUtf8(c.Text));
    EXPECT_TRUE(item->isVisible());
    item->trigger();
    QCoreApplication::processEvents();
    QWidget *page = Main.CurrentPage();
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->metaObject()->className(), c.ClassName);
    EXPECT_EQ(page->parentWidget(), Main.PanelMain);
    EXPECT_TRUE(item->isChecked());
    auto *calcPage = qobject_cast<TCalcPage *>(page);
    ASSERT_NE(calcPage, nullptr);
    EXPECT_EQ(calcPage->Panel1->text(), QString::fromUtf8(c.Title));
    EXPECT_EQ(QApplication::focusWidget(), page->findChild<QLineEdit *>(c.FirstInput));
    EXPECT_EQ(Main.PanelMain->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size(),
              1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCategory, MenuOpensPage,
    ::testing::Values(
        MenuCase{"N10", "财产转让所得", "TFrmTransfer", "   财产转让所得", "TxtIncome"},
        MenuCase{"N9", "对企事业单位的承包经营、承租经营所得", "TFrmCompany",
                 "   对企事业单位的承包经营、承租经营所得", "TxtIncome"},
        MenuCase{"N11", "特许权使用费所得", "TFrmLicense", "   特许权使用费所得 ", "TxtIncome"},
        MenuCase{"N20", "工资薪金所得(月薪旧版)", "TFrmSalaryOld", "   工资薪金所得(月薪旧版)",
                 "TxtIncome"},
        MenuCase{"N14", "税收滞纳金计算器", "TFrmLateFee", "   税收滞纳金计算器", "TxtTax"},
        MenuCase{"N19", "经济补偿金所得", "TFrmMakeUp", "   经济补偿金所得", "TxtOnceIncome"},
        MenuCase{"N8", "个体工商户生产、经营所得", "TFrmPersonal", "   个体工商户生产、经营所得 ",
                 "TxtIncome"},
        MenuCase{"N6", "利息、股息、红利所得", "TFrmInterest", "   利息、股息、红利所得",
                 "TxtIncome"},
        MenuCase{"N12", "偶然所得(如：中奖、中彩)", "TFrmChance", "   偶然所得(如：中奖、中彩)",
                 "TxtIncome"},
        MenuCase{"N13", "被确定征税的其他部分", "TFrmOthers", "   被确定征税的其他部分",
                 "TxtIncome"}),
    [](const auto &info) { return std::string(info.param.Item); });

} // namespace
