#include "pages/UFrmRent.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class RentPage : public UiTest::PageTest<TFrmRent> {
  protected:
    QStringList Results() const {
        return {Page.TxtIncome2->text(), Page.TxtDeductFee->text(), Page.TxtTaxableIncome->text(),
                Page.TxtRate->text(),    Page.TxtTax->text(),       Page.TxtIncomeAfterTax->text()};
    }
};

TEST_F(RentPage, ShowingPutsCaretInPayment) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.chbIsHousing->text(), "住房出租 ");
    EXPECT_FALSE(Page.chbIsHousing->isChecked());
}

struct RentCase {
    const char *Rule;
    const char *Typed;
    bool Housing;
    QStringList Shown; // 收入金额, 减除费用, 应纳税所得额, 适用税率, 应纳税额, 税后收入
};

class RentPageResults : public RentPage, public ::testing::WithParamInterface<RentCase> {};

TEST_P(RentPageResults, EnterCalculatesWithTheCheckState) {
    const RentCase &c = GetParam();
    if (c.Housing)
        Click(Page.chbIsHousing);
    TypeAndEnter(Page.TxtIncome, c.Typed);
    EXPECT_EQ(Results(), c.Shown) << c.Rule;
    EXPECT_EQ(Page.TxtIncome->text(), c.Typed) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RentPageResults,
    ::testing::Values(
        RentCase{
            "3000 at 20 %", "3000", false, {"3000元", "800元", "2200元", "20%", "440", "2560"}},
        RentCase{"3000 as a private home at 10 %",
                 "3000",
                 true,
                 {"3000元", "800元", "2200元", "10%", "220", "2780"}},
        RentCase{"4000 takes the fixed 800",
                 "4000",
                 false,
                 {"4000元", "800元", "3200元", "20%", "640", "3360"}},
        RentCase{"4000.01 takes 20 %, unrounded",
                 "4000.01",
                 false,
                 {"4000.01元", "800.002元", "3200.008元", "20%", "640.0016", "3360.0084"}},
        RentCase{"10000 as a private home",
                 "10000",
                 true,
                 {"10000元", "2000元", "8000元", "10%", "800", "9200"}},
        RentCase{"500 leaves nothing to tax",
                 "500",
                 false,
                 {"500元", "800元", "0元", "20%", "0", "500"}},
        RentCase{"0 is calculated", "0", false, {"0元", "800元", "0元", "20%", "0", "0"}},
        RentCase{"123456.78",
                 "123456.78",
                 false,
                 {"123456.78元", "24691.356元", "98765.424元", "20%", "19753.0848", "103703.6952"}},
        RentCase{"typed text kept, value rounded to cents",
                 "4000.005",
                 false,
                 {"4000.01元", "800.002元", "3200.008元", "20%", "640.0016", "3360.0084"}}));

class RentPageInvalid : public RentPage, public ::testing::WithParamInterface<const char *> {};

TEST_P(RentPageInvalid, InlineMessageAndEarlierResultsStay) {
    TypeAndEnter(Page.TxtIncome, "3000");
    Page.TxtIncome->setText(GetParam());
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtMsgIncome->text(), "收入金额数据无效，请重新输入。");
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome));
    EXPECT_EQ(Results(), QStringList({"3000元", "800元", "2200元", "20%", "440", "2560"}));
}

INSTANTIATE_TEST_SUITE_P(All, RentPageInvalid, ::testing::Values("", ".", "12a", "1.2.3"));

TEST_F(RentPage, MessageOutlivesResetUntilTheNextCalculation) {
    Click(Page.BtnCalc);
    ASSERT_EQ(Page.TxtMsgIncome->text(), "收入金额数据无效，请重新输入。");
    Click(Page.BtnReset);
    EXPECT_EQ(Page.TxtMsgIncome->text(), "收入金额数据无效，请重新输入。");
    TypeAndEnter(Page.TxtIncome, "3000");
    EXPECT_TRUE(Page.TxtMsgIncome->text().isEmpty());
}

TEST_F(RentPage, ResetRestoresTheInitialState) {
    Click(Page.chbIsHousing);
    TypeAndEnter(Page.TxtIncome, "10000");
    Click(Page.BtnReset);
    EXPECT_EQ(Results(), QStringList({"0.00元", "0.00元", "0.00元", "0%", "", ""}));
    EXPECT_FALSE(Page.chbIsHousing->isChecked());
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(RentPage, EnterInTheResultEditsDoesNothing) {
    Page.TxtIncome->setText("3000");
    Type(Page.TxtTax, "1");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "1");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
}

TEST_F(RentPage, ResultEditsTakeLongEntries) {
    Type(Page.TxtTax, "123456789.123");
    EXPECT_EQ(Page.TxtTax->text(), "123456789.123");
}

TEST_F(RentPage, CopyButtonsCopyTheBareResults) {
    TypeAndEnter(Page.TxtIncome, "123456.78");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "19753.0848");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "103703.6952");
}

TEST_F(RentPage, TabOrder) {
    EXPECT_EQ(TabChain(Page.TxtIncome, 8),
              QStringList({"TxtIncome", "BtnCalc", "BtnReset", "TxtTax", "TxtIncomeAfterTax",
                           "BtnCopyTax", "BtnCopyIncome", "chbIsHousing"}));
}

} // namespace
