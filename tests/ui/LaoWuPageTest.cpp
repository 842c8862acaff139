#include "pages/UFrmLaoWu.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class LaoWuPage : public UiTest::PageTest<TFrmLaoWu> {
  protected:
    QStringList Results() const {
        return {Page.TxtInfome2->text(),       Page.TxtFeesCharged->text(),
                Page.TxtTaxableIncome->text(), Page.TxtRate->text(),
                Page.TxtDeduct->text(),        Page.TxtTax->text(),
                Page.TxtIncomeAfterTax->text()};
    }
};

TEST_F(LaoWuPage, ShowingPutsCaretInPayment) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

struct ForwardCase {
    const char *Rule;
    const char *Typed;
    const char *Rewritten;
    QStringList Shown; // 收入金额, 费用减除, 应纳税所得额, 适用税率, 速算扣除数, 应纳税额, 税后收入
};

class LaoWuPageForward : public LaoWuPage, public ::testing::WithParamInterface<ForwardCase> {};

TEST_P(LaoWuPageForward, EnterCalculatesAndRewritesThePayment) {
    const ForwardCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, c.Typed);
    EXPECT_EQ(Results(), c.Shown) << c.Rule;
    EXPECT_EQ(Page.TxtIncome->text(), c.Rewritten) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome)) << c.Rule;
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LaoWuPageForward,
    ::testing::Values(
        ForwardCase{
            "800 is not taxed", "800", "800", {"800元", "0元", "0元", "0%", "0元", "0", "800"}},
        ForwardCase{"3000 takes the fixed 800",
                    "3000",
                    "3000",
                    {"3000元", "800元", "2200元", "20%", "0元", "440", "2560"}},
        ForwardCase{"4000 takes 20 %",
                    "4000.00",
                    "4000",
                    {"4000元", "800元", "3200元", "20%", "0元", "640", "3360"}},
        ForwardCase{"above taxable 20000: 30 %",
                    "25000.01",
                    "25000.01",
                    {"25000.01元", "5000.002元", "20000.008元", "30%", "2000元", "4000.0024",
                     "21000.0076"}},
        ForwardCase{
            "the payment is rounded to cents",
            "5000.456",
            "5000.46",
            {"5000.46元", "1000.092元", "4000.368元", "20%", "0元", "800.0736", "4200.3864"}},
        ForwardCase{"100000 at 40 %",
                    "100000",
                    "100000",
                    {"100000元", "20000元", "80000元", "40%", "7000元", "25000", "75000"}}));

TEST_F(LaoWuPage, NegativePastedPaymentIsNotTaxed) {
    Page.TxtIncome->setText("-100");
    Click(Page.BtnCalc);
    EXPECT_EQ(Results(), QStringList({"-100元", "0元", "0元", "0%", "0元", "0", "-100"}));
}

struct ReverseCase {
    const char *Rule;
    bool FromTax;
    const char *Given;
    const char *Payment;
    const char *Tax;
    const char *AfterTax;
};

class LaoWuPageReverse : public LaoWuPage, public ::testing::WithParamInterface<ReverseCase> {};

TEST_P(LaoWuPageReverse, PaymentWrittenAndCalculatedForwards) {
    const ReverseCase &c = GetParam();
    QLineEdit *source = c.FromTax ? Page.TxtTax : Page.TxtIncomeAfterTax;
    Type(source, c.Given);
    Click(c.FromTax ? Page.BtnAntiTax : Page.BtnAntiIncomeAfterTax);
    EXPECT_EQ(Page.TxtIncome->text(), c.Payment) << c.Rule;
    EXPECT_EQ(Page.TxtInfome2->text(), QString::fromLatin1(c.Payment) + QStringLiteral("元"))
        << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), c.Tax) << c.Rule;
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome)) << c.Rule;
    // Every written amount shows its leading digits, also the selected income.
    for (const QLineEdit *edit : {Page.TxtIncome, Page.TxtTax, Page.TxtIncomeAfterTax})
        EXPECT_EQ(edit->cursorPosition(), 0) << c.Rule << edit->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Chains, LaoWuPageReverse,
    ::testing::Values(
        ReverseCase{"tax 0 gives 800", true, "0", "800", "0", "800"},
        ReverseCase{"tax 440 gives 3000", true, "440", "3000", "440", "2560"},
        ReverseCase{"tax 4000 gives 25000", true, "4000", "25000", "4000", "21000"},
        ReverseCase{"tax 5000: payment rounded, tax off in the later decimals", true, "5000",
                    "29166.67", "5000.0008", "24166.6692"},
        ReverseCase{"tax 13000 gives 62500", true, "13000", "62500", "13000", "49500"},
        ReverseCase{"a payment longer than 10 characters arrives whole", true, "500000.05",
                    "1584375.16", "500000.0512", "1084375.1088"},
        ReverseCase{"after tax 500 is its own payment", false, "500", "500", "0", "500"},
        ReverseCase{"after tax 2560 gives 3000", false, "2560", "3000", "440", "2560"},
        ReverseCase{"after tax 3360.01 gives 4000.01", false, "3360.01", "4000.01", "640.0016",
                    "3360.0084"},
        ReverseCase{"after tax 21000 gives 25000", false, "21000", "25000", "4000", "21000"},
        ReverseCase{"after tax 49500 gives 62500", false, "49500", "62500", "13000", "49500"},
        ReverseCase{"after tax 75000 gives 100000", false, "75000", "100000", "25000", "75000"}));

struct MessageCase {
    const char *Rule;
    const char *Button;
    const char *Message;
    const char *FocusName;
};

class LaoWuPageMessages : public LaoWuPage, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(LaoWuPageMessages, EveryMessageBesideThePayment) {
    const MessageCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, "3000");
    const QStringList before = Results();
    Page.findChild<QLineEdit *>(c.FocusName)->setText(".");
    Click(Page.findChild<QPushButton *>(c.Button));
    EXPECT_EQ(Page.TxtMsgSalary->text(), QString::fromUtf8(c.Message)) << c.Rule;
    EXPECT_EQ(FocusName(), c.FocusName) << c.Rule;
    EXPECT_TRUE(FocusedAndSelected(qobject_cast<QLineEdit *>(QApplication::focusWidget())));
    EXPECT_TRUE(Find<QLabel>(&Page, "TxtMsgGolds")->text().trimmed().isEmpty()) << c.Rule;
    // Nothing else changes: the earlier results stay except the edit that was refused.
    QStringList after = Results();
    const QString fieldName = QString::fromLatin1(c.FocusName);
    for (int i = 0; i < after.size(); ++i) {
        if ((i == 5 && fieldName == "TxtTax") || (i == 6 && fieldName == "TxtIncomeAfterTax"))
            continue;
        EXPECT_EQ(after[i], before[i]) << c.Rule;
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, LaoWuPageMessages,
    ::testing::Values(MessageCase{"forward", "BtnCalc", "税前收入金额数据无效，请重新输入。",
                                  "TxtIncome"},
                      MessageCase{"from tax", "BtnAntiTax", "金额数据无效，请重新输入。", "TxtTax"},
                      MessageCase{"from after-tax income", "BtnAntiIncomeAfterTax",
                                  "金额数据无效，请重新输入。", "TxtIncomeAfterTax"}));

TEST_F(LaoWuPage, EmptyTaxReportsBesideThePaymentAndFocusesTheTax) {
    Click(Page.BtnAntiTax);
    EXPECT_EQ(Page.TxtMsgSalary->text(), "金额数据无效，请重新输入。");
    EXPECT_TRUE(Page.TxtTax->hasFocus());
}

TEST_F(LaoWuPage, MessageStaysUntilTheNextCalculationButton) {
    Click(Page.BtnCalc);
    ASSERT_FALSE(Page.TxtMsgSalary->text().isEmpty());
    Type(Page.TxtTax, "440");
    EXPECT_FALSE(Page.TxtMsgSalary->text().isEmpty());
    Click(Page.BtnAntiTax);
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty());
    Page.TxtIncome->clear();
    Click(Page.BtnCalc);
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty());
}

TEST_F(LaoWuPage, ClearResultsEmptiesEveryResult) {
    TypeAndEnter(Page.TxtIncome, "3000");
    Page.ClearResults();
    for (const QString &text : Results())
        EXPECT_TRUE(text.isEmpty()) << text.toStdString();
    EXPECT_EQ(Page.TxtIncome->text(), "3000");
}

TEST_F(LaoWuPage, BusyCursorIsRestoredAfterTheCalculation) {
    TypeAndEnter(Page.TxtIncome, "3000");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    Type(Page.TxtTax, "440");
    Click(Page.BtnAntiTax);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaoWuPage, EnterInTheResultEditsDoesNothing) {
    Page.TxtIncome->setText("3000");
    Type(Page.TxtTax, "440");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "2560");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtInfome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtTax->text(), "440");
}

TEST_F(LaoWuPage, ResultEditsTakeLongEntriesThePaymentTen) {
    Type(Page.TxtTax, "123456789.123");
    EXPECT_EQ(Page.TxtTax->text(), "123456789.123");
    Type(Page.TxtIncomeAfterTax, "1234567890.5");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "1234567890.5");
    Type(Page.TxtIncome, "123456789.123");
    EXPECT_EQ(Page.TxtIncome->text(), "123456789.");
}

TEST_F(LaoWuPage, ResetRestoresTheInitialState) {
    TypeAndEnter(Page.TxtIncome, "30000");
    Page.TxtIncome->clear();
    Click(Page.BtnCalc);
    Page.TxtIncome->setText("30000");
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty());
    EXPECT_EQ(Results(), QStringList({"0.00元", "0.00元", "0.00元", "0%", "0.00元", "", ""}));
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(LaoWuPage, CopyButtonsCopyTheBareResults) {
    TypeAndEnter(Page.TxtIncome, "25000.01");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "4000.0024");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "21000.0076");
    Click(Page.BtnReset);
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

TEST_F(LaoWuPage, TabOrder) {
    EXPECT_EQ(
        TabChain(Page.TxtIncome, 9),
        QStringList({"TxtIncome", "BtnCalc", "BtnReset", "TxtTax", "BtnCopyTax",
                     "TxtIncomeAfterTax", "BtnCopyIncome", "BtnAntiTax", "BtnAntiIncomeAfterTax"}));
}

} // namespace
