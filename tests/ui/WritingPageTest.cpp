#include "pages/UFrmWriting.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class WritingPage : public UiTest::PageTest<TFrmWriting> {
  protected:
    // The page's window is active again once the box has gone.
    void Reactivate() {
        QApplication::setActiveWindow(&Page);
        QCoreApplication::processEvents();
    }
    QStringList Results() const {
        return {Page.TxtIncome2->text(), Page.TxtDeductFee->text(), Page.TxtTaxableIncome->text(),
                Page.TxtRate->text(),    Page.TxtTax->text(),       Page.TxtIncomeAfterTax->text()};
    }
};

TEST_F(WritingPage, ShowingPutsCaretInPayment) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

struct ForwardCase {
    const char *Rule;
    const char *Typed;
    QStringList Shown; // 收入金额, 减除费用, 应纳税所得额, 适用税率, 应纳税额, 税后收入
};

class WritingPageForward : public WritingPage, public ::testing::WithParamInterface<ForwardCase> {};

TEST_P(WritingPageForward, EnterCalculatesAndLeavesThePaymentAsTyped) {
    const ForwardCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, c.Typed);
    EXPECT_EQ(Results(), c.Shown) << c.Rule;
    EXPECT_EQ(Page.TxtIncome->text(), c.Typed) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WritingPageForward,
    ::testing::Values(
        ForwardCase{
            "800 leaves nothing to tax", "800", {"800元", "800元", "0元", "14%", "0", "800"}},
        ForwardCase{
            "500: deduction still 800", "500", {"500元", "800元", "0元", "14%", "0", "500"}},
        ForwardCase{"0", "0", {"0元", "800元", "0元", "14%", "0", "0"}},
        ForwardCase{"3000", "3000", {"3000元", "800元", "2200元", "14%", "308", "2692"}},
        ForwardCase{"4000 takes the fixed 800",
                    "4000",
                    {"4000元", "800元", "3200元", "14%", "448", "3552"}},
        ForwardCase{"4000.01 takes 20 %, unrounded",
                    "4000.01",
                    {"4000.01元", "800.002元", "3200.008元", "14%", "448.00112", "3552.00888"}},
        ForwardCase{"typed 1234.567 is calculated as 1234.57",
                    "1234.567",
                    {"1234.57元", "800元", "434.57元", "14%", "60.8398", "1173.7302"}},
        ForwardCase{"10000", "10000", {"10000元", "2000元", "8000元", "14%", "1120", "8880"}}));

struct ReverseCase {
    const char *Rule;
    bool FromTax;
    const char *Given;
    const char *Payment;
    const char *Tax;
    const char *AfterTax;
};

class WritingPageReverse : public WritingPage, public ::testing::WithParamInterface<ReverseCase> {};

TEST_P(WritingPageReverse, PaymentWrittenWithTwoDecimalsAndCalculated) {
    const ReverseCase &c = GetParam();
    Type(c.FromTax ? Page.TxtTax : Page.TxtIncomeAfterTax, c.Given);
    Click(c.FromTax ? Page.BtnAntiTax : Page.BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page.TxtIncome->text(), c.Payment) << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), c.Tax) << c.Rule;
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Chains, WritingPageReverse,
    ::testing::Values(
        ReverseCase{"tax 0 gives 800.00", true, "0", "800.00", "0", "800"},
        ReverseCase{"tax 100 gives 1514.29", true, "100", "1514.29", "100.0006", "1414.2894"},
        ReverseCase{"tax 308 gives 3000.00", true, "308", "3000.00", "308", "2692"},
        ReverseCase{"tax 448 gives 4000.00", true, "448", "4000.00", "448", "3552"},
        ReverseCase{"tax 560 gives 5000.00", true, "560", "5000.00", "560", "4440"},
        ReverseCase{"after tax 500 gives 500.00", false, "500", "500.00", "0", "500"},
        ReverseCase{"after tax 800 gives 800.00", false, "800", "800.00", "0", "800"},
        ReverseCase{"after tax 2692 gives 3000.00", false, "2692", "3000.00", "308", "2692"},
        ReverseCase{"after tax 3552 gives 4000.00", false, "3552", "4000.00", "448", "3552"},
        ReverseCase{"after tax 4440 gives 5000.00", false, "4440", "5000.00", "560", "4440"},
        ReverseCase{"after tax 8880 gives 10000.00", false, "8880", "10000.00", "1120", "8880"}));

struct BoxCase {
    const char *Rule;
    const char *Button;
    const char *Edit;
    const char *Message;
};

class WritingPageBoxes : public WritingPage, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(WritingPageBoxes, PromptBoxThenFocusOnTheEdit) {
    const BoxCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, "3000");
    auto *edit = Page.findChild<QLineEdit *>(c.Edit);
    edit->setText(".");
    QStringList before = Results();
    int buttons = 0;
    QMessageBox::Icon icon = QMessageBox::Critical;
    const ModalSeen seen = CloseNextModal([&] { Click(Page.findChild<QPushButton *>(c.Button)); },
                                          [&](QWidget *modal) {
                                              if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                                                  buttons = static_cast<int>(box->buttons().size());
                                                  icon = box->icon();
                                              }
                                          });
    EXPECT_TRUE(seen.Shown) << c.Rule;
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_EQ(seen.Text, QString::fromUtf8(c.Message)) << c.Rule;
    Reactivate();
    EXPECT_EQ(buttons, 1) << c.Rule;
    EXPECT_EQ(icon, QMessageBox::NoIcon) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(edit)) << c.Rule;
    EXPECT_EQ(Results(), before) << c.Rule;
    for (const char *label : {"TxtMsgSalary", "TxtMsgGolds", "TxtMsgIncome"})
        EXPECT_TRUE(Find<QLabel>(&Page, label)->text().trimmed().isEmpty()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    All, WritingPageBoxes,
    ::testing::Values(BoxCase{"payment", "BtnCalc", "TxtIncome", "收入金额数据无效，请重新输入。"},
                      BoxCase{"tax", "BtnAntiTax", "TxtTax", "应纳税额数据无效，请重新输入。"},
                      BoxCase{"after-tax income", "BtnAntiIncomeAfterTax", "TxtIncomeAfterTax",
                              "税后收入数据无效，请重新输入。"}));

TEST_F(WritingPage, EmptyTaxOpensTheBoxAndLeavesThePage) {
    TypeAndEnter(Page.TxtIncome, "5000");
    Page.TxtTax->clear();
    const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnAntiTax); });
    EXPECT_EQ(seen.Text, "应纳税额数据无效，请重新输入。");
    Reactivate();
    EXPECT_EQ(Page.TxtIncome->text(), "5000");
    EXPECT_EQ(Page.TxtIncome2->text(), "5000元");
    EXPECT_TRUE(Page.TxtTax->hasFocus());
}

TEST_F(WritingPage, EnterInTheResultEditsDoesNothing) {
    Page.TxtIncome->setText("3000");
    Type(Page.TxtTax, "448");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "3552");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtIncome->text(), "3000");
}

TEST_F(WritingPage, ResultEditsTakeLongEntries) {
    Type(Page.TxtTax, "123456789.123");
    EXPECT_EQ(Page.TxtTax->text(), "123456789.123");
    Type(Page.TxtIncomeAfterTax, "12345678901");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "12345678901");
}

TEST_F(WritingPage, ResetRestoresTheInitialState) {
    TypeAndEnter(Page.TxtIncome, "5000");
    Click(Page.BtnReset);
    EXPECT_EQ(Results(), QStringList({"0.00元", "0.00元", "0.00元", "0%", "", ""}));
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(WritingPage, CopyButtonsCopyTheBareResults) {
    TypeAndEnter(Page.TxtIncome, "4000.01");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "448.00112");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "3552.00888");
}

TEST_F(WritingPage, TabOrder) {
    EXPECT_EQ(TabChain(Page.TxtIncome, 9),
              QStringList({"TxtIncome", "BtnCalc", "BtnReset", "TxtTax", "TxtIncomeAfterTax",
                           "BtnCopyTax", "BtnCopyIncome", "BtnAntiTax", "BtnAntiIncomeAfterTax"}));
}

} // namespace
