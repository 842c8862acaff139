#include "pages/UFrmYearAward.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class YearAwardPage : public UiTest::PageTest<TFrmYearAward> {
  protected:
    void Calc(const QString &bonus, const QString &wage, const QString &golds) {
        Page.TxtIncome->setText(wage);
        Page.TxtGolds->setText(golds);
        TypeAndEnter(Page.TxtYearAward, bonus);
    }
};

TEST_F(YearAwardPage, ShowingPutsCaretInBonus) {
    EXPECT_TRUE(Page.TxtYearAward->hasFocus());
}

struct BonusCase {
    const char *Rule;
    const char *Bonus, *Wage, *Golds;
    bool Foreign;
    const char *YA, *Taxable, *SP, *Average, *Rate, *Deduct, *Tax, *AfterTax;
};

class YearAwardPageResults : public YearAwardPage,
                             public ::testing::WithParamInterface<BonusCase> {};

TEST_P(YearAwardPageResults, ShowsEveryResult) {
    const BonusCase &c = GetParam();
    Page.RBtnForeign->setChecked(c.Foreign);
    Calc(c.Bonus, c.Wage, c.Golds);
    EXPECT_EQ(Page.TxtYA->text(), QString::fromUtf8(c.YA)) << c.Rule;
    EXPECT_EQ(Page.TxtTaxableIncome->text(), QString::fromUtf8(c.Taxable)) << c.Rule;
    EXPECT_EQ(Page.TxtSP->text(), QString::fromUtf8(c.SP)) << c.Rule;
    EXPECT_EQ(Page.TxtAverage->text(), QString::fromUtf8(c.Average)) << c.Rule;
    EXPECT_EQ(Page.TxtRate->text(), QString::fromUtf8(c.Rate)) << c.Rule;
    EXPECT_EQ(Page.TxtDeduct->text(), QString::fromUtf8(c.Deduct)) << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), c.Tax) << c.Rule;
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtYearAward)) << c.Rule;
    EXPECT_TRUE(Page.TxtMsgYA->text().isEmpty() && Page.TxtMsgSalary->text().isEmpty() &&
                Page.TxtMsgGolds->text().isEmpty())
        << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, YearAwardPageResults,
    ::testing::Values(
        BonusCase{"average 1500 stays at 3 %", "18000", "5000", "", false, "18000元", "18000元",
                  "3500元", "1500.00元", "3%", "0元", "540", "17460"},
        BonusCase{"average shown 1500.00 but above it: 10 %", "18000.01", "5000", "", false,
                  "18000.01元", "18000.01元", "3500元", "1500.00元", "10%", "105元", "1695.001",
                  "16305.009"},
        BonusCase{"wage short of the deduction", "12000", "3000", "0", false, "12000元", "11500元",
                  "3500元", "958.33元", "3%", "0元", "345", "11655"},
        BonusCase{"foreign: shortfall against 4800", "12000", "4500", "", true, "12000元",
                  "11700元", "4800元", "975.00元", "3%", "0元", "351", "11649"},
        BonusCase{"wage less contributions exactly 3500", "12000", "4500", "1000", false, "12000元",
                  "12000元", "3500元", "1000.00元", "3%", "0元", "360", "11640"},
        BonusCase{"average above 80000 takes 45 %", "1000000", "5000", "", false, "1000000元",
                  "1000000元", "3500元", "83333.33元", "45%", "13505元", "436495", "563505"},
        BonusCase{"nothing left after the shortfall: no tax, bonus kept", "100", "3000", "", false,
                  "100元", "0元", "3500元", "0.00元", "0%", "0元", "0", "100"},
        BonusCase{"zero bonus", "0", "5000", "", false, "0元", "0元", "3500元", "0.00元", "0%",
                  "0元", "0", "0"},
        BonusCase{"typed amounts rounded to cents", "18000.004", "4999.995", "", false, "18000元",
                  "18000元", "3500元", "1500.00元", "3%", "0元", "540", "17460"}));

struct MessageCase {
    const char *Bonus, *Wage, *Golds;
    const char *MsgYA, *MsgSalary, *MsgGolds;
    const char *FocusName;
};

class YearAwardPageMessages : public YearAwardPage,
                              public ::testing::WithParamInterface<MessageCase> {};

TEST_P(YearAwardPageMessages, InlineMessageBesideItsEdit) {
    const MessageCase &c = GetParam();
    Calc("18000", "5000", ""); // a refused calculation leaves these results
    Page.TxtYearAward->setText(c.Bonus);
    Page.TxtIncome->setText(c.Wage);
    Page.TxtGolds->setText(c.Golds);
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtMsgYA->text(), QString::fromUtf8(c.MsgYA));
    EXPECT_EQ(Page.TxtMsgSalary->text(), QString::fromUtf8(c.MsgSalary));
    EXPECT_EQ(Page.TxtMsgGolds->text(), QString::fromUtf8(c.MsgGolds));
    EXPECT_EQ(FocusName(), c.FocusName);
    const auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(FocusedAndSelected(edit));
    EXPECT_EQ(Page.TxtTax->text(), "540");
    EXPECT_EQ(Page.TxtAverage->text(), "1500.00元");
}

INSTANTIATE_TEST_SUITE_P(
    All, YearAwardPageMessages,
    ::testing::Values(
        MessageCase{"", "5000", "", "年终奖金收入金额数据无效，请重新输入。", "", "",
                    "TxtYearAward"},
        MessageCase{".", "", "x", "年终奖金收入金额数据无效，请重新输入。", "", "", "TxtYearAward"},
        MessageCase{"18000", "", "", "", "当月工资收入金额数据无效，请重新输入。", "", "TxtIncome"},
        MessageCase{"18000", "5000", ".", "", "", "社保及公积金数据无效，请重新输入。", "TxtGolds"},
        MessageCase{"18000", "5000", "12a", "", "", "社保及公积金数据无效，请重新输入。",
                    "TxtGolds"}));

TEST_F(YearAwardPage, NextCalculationRemovesTheMessage) {
    Calc("", "5000", "");
    ASSERT_FALSE(Page.TxtMsgYA->text().isEmpty());
    Calc("18000", "5000", "");
    EXPECT_TRUE(Page.TxtMsgYA->text().isEmpty());
}

TEST_F(YearAwardPage, EnterCalculatesInTheThreeInputsOnly) {
    Page.TxtYearAward->setText("18000");
    Page.TxtIncome->setText("5000");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    for (QLineEdit *edit : {Page.TxtIncome, Page.TxtGolds}) {
        Page.TxtTax->clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(Page.TxtTax->text(), "540") << edit->objectName().toStdString();
    }
}

TEST_F(YearAwardPage, ResetRestoresTheInitialState) {
    Page.RBtnForeign->setChecked(true);
    Calc("18000", "5000", "100");
    Page.TxtIncome->clear();
    Click(Page.BtnCalc); // leaves a message
    Click(Page.BtnReset);
    for (QLineEdit *edit :
         {Page.TxtYearAward, Page.TxtIncome, Page.TxtGolds, Page.TxtTax, Page.TxtIncomeAfterTax})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    for (QLabel *label : {Page.TxtMsgYA, Page.TxtMsgSalary, Page.TxtMsgGolds})
        EXPECT_TRUE(label->text().isEmpty());
    for (QLabel *label :
         {Page.TxtYA, Page.TxtTaxableIncome, Page.TxtSP, Page.TxtAverage, Page.TxtDeduct})
        EXPECT_EQ(label->text(), "0.00元") << label->objectName().toStdString();
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_TRUE(Page.RBtnChina->isChecked());
    EXPECT_TRUE(Page.TxtYearAward->hasFocus());
}

TEST_F(YearAwardPage, CopyButtonsCopyTheBareResults) {
    Calc("18000.01", "5000", "");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "1695.001");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "16305.009");
}

TEST_F(YearAwardPage, AutoCalcIsHiddenAndInert) {
    auto *autoCalc = Find<QCheckBox>(&Page, "ChbAutoCalc");
    ASSERT_NE(autoCalc, nullptr);
    EXPECT_FALSE(autoCalc->isVisible());
    autoCalc->setChecked(true);
    Calc("18000", "5000", "");
    EXPECT_EQ(Page.TxtTax->text(), "540");
    EXPECT_TRUE(Page.TxtGolds->isEnabled());
    EXPECT_TRUE(Find<QLabel>(&Page, "txtCalcMsgNew")->text().isEmpty());
}

TEST_F(YearAwardPage, TabOrder) {
    EXPECT_EQ(
        TabChain(Page.TxtYearAward, 11),
        QStringList({"TxtYearAward", "TxtIncome", "TxtGolds", "RBtnChina", "RBtnForeign", "BtnCalc",
                     "BtnReset", "TxtTax", "BtnCopyTax", "TxtIncomeAfterTax", "BtnCopyIncome"}));
}

} // namespace
