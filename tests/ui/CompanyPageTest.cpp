#include "pages/UFrmCompany.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class CompanyPage : public UiTest::PageTest<TFrmCompany> {
  protected:
    void Calc(const QString &income, int months) {
        Page.CmbMonths->setCurrentIndex(months - 1);
        TypeAndEnter(Page.TxtIncome, income);
    }
};

TEST_F(CompanyPage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(CompanyPage, MonthListOffersOneToTwelveWithoutTyping) {
    ASSERT_EQ(Page.CmbMonths->count(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Page.CmbMonths->itemText(i), QString::number(i + 1));
    EXPECT_EQ(Page.CmbMonths->currentText(), "1");
    EXPECT_FALSE(Page.CmbMonths->isEditable());
    EXPECT_EQ(Page.CmbMonths->maxVisibleItems(), 12);
}

struct CalcCase {
    const char *Rule;
    const char *Income;
    int Months;
    const char *Income2;
    const char *MonthsText;
    const char *Taxable;
    const char *Rate;
    const char *Deduct;
    const char *Tax;
    const char *AfterTax;
};

void PrintTo(const CalcCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CompanyPageCalc : public CompanyPage, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(CompanyPageCalc, ShowsEveryResult) {
    const CalcCase &c = GetParam();
    Calc(c.Income, c.Months);
    EXPECT_EQ(Page.TxtIncome2->text(), c.Income2);
    EXPECT_EQ(Page.TxtMonths->text(), QString::fromUtf8(c.MonthsText));
    EXPECT_EQ(Page.TxtTaxableIncome->text(), QString::fromUtf8(c.Taxable));
    EXPECT_EQ(Page.TxtRate->text(), c.Rate);
    EXPECT_EQ(Page.TxtDeduct->text(), QString::fromUtf8(c.Deduct));
    EXPECT_EQ(Page.TxtTax->text(), c.Tax);
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax);
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), Page.TxtIncome->text());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CompanyPageCalc,
    ::testing::Values(CalcCase{"income shown without a unit", "30000", 12, "30000", "12个月",
                               "6000元", "10%", "250元", "350", "29650"},
                      CalcCase{"bound 5000 stays at 5 %", "29000", 12, "29000", "12个月", "5000元",
                               "5%", "0元", "250", "28750"},
                      CalcCase{"six months", "50000", 6, "50000", "6个月", "38000元", "30%",
                               "4250元", "7150", "42850"},
                      CalcCase{"top bracket", "100000", 12, "100000", "12个月", "76000元", "35%",
                               "6750元", "19850", "80150"},
                      CalcCase{"one cent over 30000 for 3 months", "36000.01", 3, "36000.01",
                               "3个月", "30000.01元", "30%", "4250元", "4750.003", "31250.007"},
                      CalcCase{"nothing left after the deduction", "1000", 1, "1000", "1个月",
                               "0元", "5%", "0元", "0", "1000"},
                      CalcCase{"typed cents rounded", "30000.456", 12, "30000.46", "12个月",
                               "6000.46元", "10%", "250元", "350.046", "29650.414"}));

TEST_F(CompanyPage, InvalidIncomeReportedInlineAndEarlierResultsStay) {
    Calc("30000", 12);
    for (const char *text : {"", ".", "1.2.3"}) {
        Page.TxtIncome->setText(text);
        Click(Page.BtnCalc);
        EXPECT_EQ(Page.TxtMsgIncome->text(), "收入金额数据无效，请重新输入。") << text;
        EXPECT_TRUE(Page.TxtIncome->hasFocus());
        EXPECT_EQ(Page.TxtIncome->selectedText(), Page.TxtIncome->text());
        EXPECT_EQ(Page.TxtTax->text(), "350");
        EXPECT_EQ(Page.TxtMonths->text(), "12个月");
    }
    Calc("30000", 1);
    EXPECT_TRUE(Page.TxtMsgIncome->text().isEmpty());
}

TEST_F(CompanyPage, NoSelectionMeansOneMonth) {
    Page.CmbMonths->setCurrentIndex(-1);
    TypeAndEnter(Page.TxtIncome, "7000");
    EXPECT_EQ(Page.TxtMonths->text(), "1个月");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "5000元");
}

TEST_F(CompanyPage, ResetRestoresInitialStateButKeepsTheMessage) {
    Calc("100000", 12);
    Page.TxtIncome->clear();
    Click(Page.BtnCalc);
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncomeAfterTax->text().isEmpty());
    for (QLabel *label : {Page.TxtIncome2, Page.TxtTaxableIncome, Page.TxtDeduct})
        EXPECT_EQ(label->text(), "0.00元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_EQ(Page.TxtMonths->text(), "0个月");
    EXPECT_EQ(Page.CmbMonths->currentText(), "1");
    EXPECT_EQ(Page.TxtMsgIncome->text(), "收入金额数据无效，请重新输入。");
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(CompanyPage, EnterInResultEditsDoesNothing) {
    Page.TxtIncome->setText("30000");
    Type(Page.TxtTax, "1");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "2");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtMonths->text(), "0个月");
}

TEST_F(CompanyPage, CopyButtonsPutTheBareTextOnTheClipboard) {
    Calc("30000", 12);
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "350");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "29650");
}

TEST_F(CompanyPage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtIncome",         "BtnCalc",    "BtnReset",      "TxtTax",
                               "TxtIncomeAfterTax", "BtnCopyTax", "BtnCopyIncome", "CmbMonths"};
    QWidget *w = Page.TxtIncome;
    for (const QString &name : expected) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), name);
        w = w->nextInFocusChain();
        while (w && (w->focusPolicy() == Qt::NoFocus || !w->isVisible()))
            w = w->nextInFocusChain();
    }
}

} // namespace
