#include "pages/UFrmTransfer.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class TransferPage : public UiTest::PageTest<TFrmTransfer> {
  protected:
    void Fill(const QString &income, const QString &original, const QString &expense) {
        Page.TxtIncome->setText(income);
        Page.TxtOriginal->setText(original);
        Page.TxtExpense->setText(expense);
    }
    void CalcWorkedExample() {
        Fill("1234567.89", "1000000", "");
        TypeAndEnter(Page.TxtExpense, "12345.67");
    }
};

TEST_F(TransferPage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(TransferPage, WorkedExampleThroughEnterInFees) {
    CalcWorkedExample();
    EXPECT_EQ(Page.TxtIncome2->text(), "1234567.89元");
    EXPECT_EQ(Page.TxtOriginal2->text(), "1000000元");
    EXPECT_EQ(Page.TxtExpense2->text(), "12345.67元");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "222222.22元");
    EXPECT_EQ(Page.TxtRate->text(), "20%");
    EXPECT_EQ(Page.TxtTax->text(), "44444.444");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "1190123.446");
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), "1234567.89");
}

TEST_F(TransferPage, EnterInEachInputCalculates) {
    for (QLineEdit *input : {Page.TxtIncome, Page.TxtOriginal, Page.TxtExpense}) {
        Click(Page.BtnReset);
        Fill("500000", "300000", "20000");
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Return);
        EXPECT_EQ(Page.TxtTax->text(), "36000") << input->objectName().toStdString();
        EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "464000");
    }
}

TEST_F(TransferPage, LossAndZeroGainShowNoTax) {
    Fill("100000", "120000", "5000");
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "0元");
    EXPECT_EQ(Page.TxtTax->text(), "0");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "100000");
    Fill("1234567.89", "1.01", "1234566.88");
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "0元");
    EXPECT_EQ(Page.TxtTax->text(), "0");
}

TEST_F(TransferPage, TypedTextIsRoundedButNotRewritten) {
    Fill("200000", "150000.5", "");
    Type(Page.TxtExpense, "3000.245");
    QTest::keyClick(Page.TxtExpense, Qt::Key_Return);
    EXPECT_EQ(Page.TxtExpense2->text(), "3000.25元");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "46999.25元");
    EXPECT_EQ(Page.TxtTax->text(), "9399.85");
    EXPECT_EQ(Page.TxtExpense->text(), "3000.245");
}

struct MessageCase {
    const char *Rule;
    const char *Income;
    const char *Original;
    const char *Expense;
    const char *FocusName;
};

void PrintTo(const MessageCase &c, std::ostream *os) {
    *os << c.Rule;
}

class TransferPageMessages : public TransferPage,
                             public ::testing::WithParamInterface<MessageCase> {};

TEST_P(TransferPageMessages, BoxThenCaretInTheFailedInput) {
    const MessageCase &c = GetParam();
    CalcWorkedExample(); // earlier results must survive a refused calculation
    Fill(c.Income, c.Original, c.Expense);
    const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnCalc); });
    EXPECT_TRUE(seen.Shown);
    EXPECT_EQ(seen.Title, "提示");
    EXPECT_EQ(seen.Text, "应纳税额数据无效，请重新输入。");
    // The page's focus widget is where the caret is once the box has given the window back.
    QWidget *focus = Page.focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->objectName(), c.FocusName);
    auto *edit = qobject_cast<QLineEdit *>(focus);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), edit->text());
    EXPECT_EQ(Page.TxtTax->text(), "44444.444");
    EXPECT_EQ(Page.TxtIncome2->text(), "1234567.89元");
}

INSTANTIATE_TEST_SUITE_P(
    All, TransferPageMessages,
    ::testing::Values(MessageCase{"all three empty: income first", "", "", "", "TxtIncome"},
                      MessageCase{"lone full stop in income", ".", "1", "1", "TxtIncome"},
                      MessageCase{"empty original value is not 0", "100", "", "5", "TxtOriginal"},
                      MessageCase{"pasted text in original", "100", "1.2.3", "", "TxtOriginal"},
                      MessageCase{"empty fees are not 0", "100", "50", "", "TxtExpense"},
                      MessageCase{"pasted text in fees", "100", "50", "abc", "TxtExpense"}));

TEST_F(TransferPage, EmptyOriginalAfterValidIncomeTypedByTheUser) {
    Type(Page.TxtIncome, "500000");
    const ModalSeen seen = CloseNextModal([&] { QTest::keyClick(Page.TxtIncome, Qt::Key_Return); });
    EXPECT_EQ(seen.Text, "应纳税额数据无效，请重新输入。");
    EXPECT_EQ(Page.focusWidget(), Page.TxtOriginal);
}

TEST_F(TransferPage, ResetRestoresInitialState) {
    CalcWorkedExample();
    Click(Page.BtnReset);
    for (QLineEdit *edit :
         {Page.TxtIncome, Page.TxtOriginal, Page.TxtExpense, Page.TxtTax, Page.TxtIncomeAfterTax})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    for (QLabel *label :
         {Page.TxtIncome2, Page.TxtOriginal2, Page.TxtExpense2, Page.TxtTaxableIncome})
        EXPECT_EQ(label->text(), "0.00元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(TransferPage, EnterInResultEditsDoesNothing) {
    Fill("500000", "300000", "20000");
    Type(Page.TxtTax, "45");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "45");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtTax->text(), "45");
}

TEST_F(TransferPage, CopyButtonsPutTheBareTextOnTheClipboard) {
    CalcWorkedExample();
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "44444.444");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "1190123.446");
}

TEST_F(TransferPage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtIncome",         "TxtOriginal", "TxtExpense",
                               "BtnCalc",           "BtnReset",    "TxtTax",
                               "TxtIncomeAfterTax", "BtnCopyTax",  "BtnCopyIncome"};
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
