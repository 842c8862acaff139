#include "pages/UFrmSalary.h"
#include "support/UiTestSupport.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class SalaryPage : public UiTest::PageTest<TFrmSalary> {
  protected:
    void Calc(const QString &income, const QString &golds) {
        Page.TxtGolds->setText(golds);
        TypeAndEnter(Page.TxtIncome, income);
    }
};

TEST_F(SalaryPage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(SalaryPage, WorkedExampleThroughEnter) {
    Calc("10000", "1000");
    EXPECT_EQ(Page.TxtInfome2->text(), "10000元");
    EXPECT_EQ(Page.TxtGolds2->text(), "1000元");
    EXPECT_EQ(Page.TxtSP->text(), "3500元");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "5500元");
    EXPECT_EQ(Page.TxtRate->text(), "20%");
    EXPECT_EQ(Page.TxtDeduct->text(), "555元");
    EXPECT_EQ(Page.TxtTax->text(), "545");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "8455");
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), "10000");
}

TEST_F(SalaryPage, UnroundedResultsJustAboveStartPoint) {
    Calc("3500.01", "0");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "0.0100000000002183元");
    EXPECT_EQ(Page.TxtTax->text(), "0.000300000000006548");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "3500.0097");
}

TEST_F(SalaryPage, CentsDecideBracketAndStartPoint) {
    Calc("5000.01", "0.01");
    EXPECT_EQ(Page.TxtRate->text(), "3%");
    EXPECT_EQ(Page.TxtTax->text(), "45");
    Calc("3500.01", "0.01");
    EXPECT_EQ(Page.TxtMsgSalary->text(), "应纳税所得额小于或等于起征点，不必纳税。");
}

struct MessageCase {
    const char *Income;
    const char *Golds;
    bool Foreign;
    const char *SalaryMsg;
    const char *GoldsMsg;
    const char *FocusName;
};

class SalaryPageMessages : public SalaryPage, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(SalaryPageMessages, InlineMessageAndFocus) {
    const MessageCase &c = GetParam();
    Calc("10000", "1000"); // earlier results must stay untouched by a refused calculation
    Page.RBtnForeign->setChecked(c.Foreign);
    Page.TxtGolds->setText(QString::fromUtf8(c.Golds));
    Page.TxtIncome->setText(QString::fromUtf8(c.Income));
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtMsgSalary->text(), QString::fromUtf8(c.SalaryMsg));
    EXPECT_EQ(Page.TxtMsgGolds->text(), QString::fromUtf8(c.GoldsMsg));
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->objectName(), c.FocusName);
    auto *edit = qobject_cast<QLineEdit *>(focus);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(Page.TxtTax->text(), "545");
}

INSTANTIATE_TEST_SUITE_P(
    All, SalaryPageMessages,
    ::testing::Values(
        MessageCase{"", "0", false, "税前收入金额数据无效，请重新输入。", "", "TxtIncome"},
        MessageCase{".", "0", false, "税前收入金额数据无效，请重新输入。", "", "TxtIncome"},
        MessageCase{"3500", "0", false, "税前收入金额小于或等于3500元，不必纳税。", "",
                    "TxtIncome"},
        MessageCase{"5000", "abc", false, "", "社保及公积金数据无效，请重新输入。", "TxtGolds"},
        MessageCase{"5000", "5000.01", false, "", "社保及公积金不能比收入金额大，请重新输入。",
                    "TxtGolds"},
        MessageCase{"5000", "-1", false, "", "社保及公积金不能小于0元，请重新输入。", "TxtGolds"},
        MessageCase{"5000", "2000", false, "应纳税所得额小于或等于起征点，不必纳税。", "",
                    "TxtIncome"},
        MessageCase{"4000", "0", true, "应纳税所得额小于或等于起征点，不必纳税。", "", "TxtIncome"},
        MessageCase{"3000", "9000", false, "税前收入金额小于或等于3500元，不必纳税。", "",
                    "TxtIncome"}));

TEST_F(SalaryPage, BlankInsuranceCountsAsZero) {
    Calc("5000", "  ");
    EXPECT_EQ(Page.TxtTax->text(), "45");
    EXPECT_EQ(Page.TxtGolds2->text(), "0元");
}

TEST_F(SalaryPage, ForeignStartPoint) {
    Page.RBtnForeign->setChecked(true);
    Calc("10000", "1000");
    EXPECT_EQ(Page.TxtSP->text(), "4800元");
    EXPECT_EQ(Page.TxtTax->text(), "315");
}

TEST_F(SalaryPage, ReverseFromTaxShowsBareNumbers) {
    Page.TxtGolds->setText("0");
    Type(Page.TxtTax, "45");
    Click(Page.BtnAntiTax);
    EXPECT_EQ(Page.TxtInfome2->text(), "5000");
    EXPECT_EQ(Page.TxtSP->text(), "3500");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "1500");
    EXPECT_EQ(Page.TxtRate->text(), "3%");
    EXPECT_EQ(Page.TxtDeduct->text(), "0");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "4955");
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
}

TEST_F(SalaryPage, ReverseFromAfterTaxRoundTripsThroughForward) {
    Page.TxtGolds->setText("500");
    Type(Page.TxtIncomeAfterTax, "70000");
    Click(Page.BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page.TxtInfome2->text(), "100354.545454545");
    EXPECT_EQ(Page.TxtTax->text(), "29854.5454545455");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "70000");
}

TEST_F(SalaryPage, LongResultsShowTheirLeadingDigitsAndStayWhole) {
    Page.TxtGolds->setText("0");
    Type(Page.TxtIncomeAfterTax, "30000");
    Click(Page.BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page.TxtTax->text(), "7493.33333333333");
    EXPECT_EQ(Page.TxtTax->cursorPosition(), 0);
    EXPECT_EQ(Page.TxtIncomeAfterTax->cursorPosition(), 0);
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "7493.33333333333");

    // A result edit still takes a typed tax over what the program wrote.
    Page.TxtTax->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(Page.TxtTax, "45");
    Click(Page.BtnAntiTax);
    EXPECT_EQ(Page.TxtInfome2->text(), "5000");

    Calc("3500.01", "0");
    EXPECT_EQ(Page.TxtTax->text(), "0.000300000000006548");
    EXPECT_EQ(Page.TxtTax->cursorPosition(), 0);
}

TEST_F(SalaryPage, ReturnOrEnterOnAFocusedButtonClicksIt) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        Click(Page.BtnReset);
        Type(Page.TxtIncome, "10000");
        // Tab from the income to 开始计算, as a user would.
        for (int i = 0; i < 8 && QApplication::focusWidget() != Page.BtnCalc; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Page.BtnCalc);
        QTest::keyClick(Page.BtnCalc, key);
        EXPECT_EQ(Page.TxtTax->text(), "745") << key;
    }
    Page.BtnReset->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Page.BtnReset, Qt::Key_Return);
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
}

TEST_F(SalaryPage, ReverseBelowStartPointTaxesNothing) {
    Page.TxtGolds->setText("100");
    Type(Page.TxtIncomeAfterTax, "3000");
    Click(Page.BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page.TxtInfome2->text(), "3100");
    EXPECT_EQ(Page.TxtTax->text(), "0");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "3000");
}

TEST_F(SalaryPage, ReverseWithTextThatIsNotANumberReportsItAndChangesNothing) {
    Calc("10000", "1000");
    Page.TxtTax->setText("1.2.3");
    const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnAntiTax); });
    EXPECT_TRUE(seen.Shown);
    EXPECT_TRUE(seen.Text.contains("1.2.3"));
    EXPECT_EQ(Page.TxtInfome2->text(), "10000元");
    EXPECT_EQ(Page.TxtTax->text(), "1.2.3");
}

// A tax of 308 digits is a double, but its reverse would overflow: it is no amount at all.
TEST_F(SalaryPage, ReverseFromAHugeTaxReportsItShortAndShowsNoInfinity) {
    Calc("10000", "1000");
    const QString huge(308, QChar(u'9'));
    Page.TxtTax->clear();
    Type(Page.TxtTax, huge);
    ASSERT_EQ(Page.TxtTax->text(), huge);
    const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnAntiTax); });
    EXPECT_EQ(seen.Text, QStringLiteral("“%1…”不是有效的数值。").arg(QString(32, QChar(u'9'))));
    EXPECT_EQ(Page.TxtInfome2->text(), "10000元");
}

TEST_F(SalaryPage, ResetRestoresInitialStateButEmptiesInsurance) {
    Page.RBtnForeign->setChecked(true);
    Calc("3000", "0");
    Calc("10000", "1000");
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtGolds->text().isEmpty());
    for (QLabel *label :
         {Page.TxtInfome2, Page.TxtGolds2, Page.TxtSP, Page.TxtTaxableIncome, Page.TxtDeduct})
        EXPECT_EQ(label->text(), "0元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncomeAfterTax->text().isEmpty());
    EXPECT_TRUE(Page.RBtnChina->isChecked());
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(SalaryPage, EnterInResultEditsDoesNotCalculate) {
    Page.TxtIncome->setText("10000");
    Type(Page.TxtTax, "45");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtInfome2->text(), "0元");
}

TEST_F(SalaryPage, CopyButtonsPutTheBareTextOnTheClipboard) {
    Calc("10000", "1000");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "545");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "8455");
    Click(Page.BtnReset);
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

TEST_F(SalaryPage, HiddenAutoCalcTogglesInsuranceEdit) {
    EXPECT_FALSE(Page.ChbAutoCalc->isVisible());
    Page.ChbAutoCalc->setChecked(true);
    EXPECT_FALSE(Page.TxtGolds->isEnabled());
    Page.ChbAutoCalc->setChecked(false);
    EXPECT_TRUE(Page.TxtGolds->isEnabled());
}

TEST_F(SalaryPage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtIncome",
                               "TxtGolds",
                               "RBtnChina",
                               "RBtnForeign",
                               "BtnCalc",
                               "BtnReset",
                               "TxtTax",
                               "BtnAntiTax",
                               "BtnCopyTax",
                               "TxtIncomeAfterTax",
                               "BtnAntiIncomeAfterTax",
                               "BtnCopyIncome"};
    QWidget *w = Page.TxtIncome;
    for (const QString &name : expected) {
        EXPECT_EQ(w->objectName(), name);
        w = w->nextInFocusChain();
        while (w && (w->focusPolicy() == Qt::NoFocus || !w->isVisible()))
            w = w->nextInFocusChain();
    }
}

} // namespace

namespace {

TEST_F(SalaryPage, InputsTakeTenTypedCharactersResultEditsMore) {
    Type(Page.TxtIncome, "123456789012");
    EXPECT_EQ(Page.TxtIncome->text(), "1234567890");
    Type(Page.TxtTax, "123456789.012");
    EXPECT_EQ(Page.TxtTax->text(), "123456789.012");
}

} // namespace
