#include "pages/UFrmLicense.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class LicensePage : public UiTest::PageTest<TFrmLicense> {};

TEST_F(LicensePage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.Panel1->text(), "   特许权使用费所得 ");
}

struct CalcCase {
    const char *Rule;
    const char *Typed;
    const char *Income2;
    const char *DeductFee;
    const char *Taxable;
    const char *Tax;
    const char *AfterTax;
};

void PrintTo(const CalcCase &c, std::ostream *os) {
    *os << c.Rule;
}

class LicensePageCalc : public LicensePage, public ::testing::WithParamInterface<CalcCase> {};

// Calculated amounts carry no unit; only the rate has its "%".
TEST_P(LicensePageCalc, ResultsWithoutUnit) {
    const CalcCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, c.Typed);
    EXPECT_EQ(Page.TxtIncome2->text(), c.Income2);
    EXPECT_EQ(Page.TxtDeductFee->text(), c.DeductFee);
    EXPECT_EQ(Page.TxtTaxableIncome->text(), c.Taxable);
    EXPECT_EQ(Page.TxtRate->text(), "20%");
    EXPECT_EQ(Page.TxtTax->text(), c.Tax);
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax);
    EXPECT_EQ(Page.TxtIncome->text(), c.Typed);
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), c.Typed);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LicensePageCalc,
    ::testing::Values(
        CalcCase{"800 bears no tax", "800", "800", "800", "0", "0", "800"},
        CalcCase{"500 still shows the 800 deduction", "500", "500", "800", "0", "0", "500"},
        CalcCase{"3000 takes the fixed 800", "3000", "3000", "800", "2200", "440", "2560"},
        CalcCase{"4000 takes the fixed 800", "4000", "4000", "800", "3200", "640", "3360"},
        CalcCase{"4000.01 takes 20 %", "4000.01", "4000.01", "800.002", "3200.008", "640.0016",
                 "3360.0084"},
        CalcCase{"100000 has no surcharge", "100000", "100000", "20000", "80000", "16000", "84000"},
        CalcCase{"typed text rounded to cents, not rewritten", "3000.456", "3000.46", "800",
                 "2200.46", "440.092", "2560.368"}));

TEST_F(LicensePage, InvalidIncomeOpensBoxAndEarlierResultsStay) {
    TypeAndEnter(Page.TxtIncome, "3000");
    for (const char *text : {"", ".", "1.2.3"}) {
        Page.TxtIncome->setText(text);
        const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnCalc); });
        EXPECT_TRUE(seen.Shown) << text;
        EXPECT_EQ(seen.Title, "提示");
        EXPECT_EQ(seen.Text, "收入金额数据无效，请重新输入。");
        EXPECT_EQ(Page.focusWidget(), Page.TxtIncome);
        EXPECT_EQ(Page.TxtIncome->selectedText(), Page.TxtIncome->text());
        EXPECT_EQ(Page.TxtTax->text(), "440");
        EXPECT_EQ(Page.TxtIncome2->text(), "3000");
    }
    for (const char *msg : {"TxtMsgSalary", "TxtMsgGolds", "TxtMsgIncome"})
        EXPECT_TRUE(Find<QLabel>(&Page, msg)->text().trimmed().isEmpty());
}

TEST_F(LicensePage, ResetTextsCarryTheUnit) {
    TypeAndEnter(Page.TxtIncome, "5000");
    Click(Page.BtnReset);
    for (QLabel *label : {Page.TxtIncome2, Page.TxtDeductFee, Page.TxtTaxableIncome})
        EXPECT_EQ(label->text(), "0.00元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    for (QLineEdit *edit : {Page.TxtIncome, Page.TxtTax, Page.TxtIncomeAfterTax})
        EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(LicensePage, EnterInResultEditsDoesNothing) {
    Page.TxtIncome->setText("3000");
    Type(Page.TxtTax, "1");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "2");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtTax->text(), "1");
}

TEST_F(LicensePage, CopyButtonsPutTheBareTextOnTheClipboard) {
    TypeAndEnter(Page.TxtIncome, "4000.01");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "640.0016");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "3360.0084");
}

TEST_F(LicensePage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtIncome",         "BtnCalc",    "BtnReset",     "TxtTax",
                               "TxtIncomeAfterTax", "BtnCopyTax", "BtnCopyIncome"};
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
