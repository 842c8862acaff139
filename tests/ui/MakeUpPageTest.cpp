#include "pages/UFrmMakeUp.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class MakeUpPage : public UiTest::PageTest<TFrmMakeUp> {
  protected:
    // Fills the form as a user would: amounts typed, years picked with the arrow keys, Enter in
    // the contributions edit.
    void Calc(const QString &once, const QString &wage, const QString &golds, int years) {
        Page.TxtOnceIncome->clear();
        Type(Page.TxtOnceIncome, once);
        Page.TxtAverageWage->clear();
        Type(Page.TxtAverageWage, wage);
        Page.CmbYears->setFocus();
        QTest::keyClick(Page.CmbYears, Qt::Key_Home);
        for (int i = 1; i < years; ++i)
            QTest::keyClick(Page.CmbYears, Qt::Key_Down);
        TypeAndEnter(Page.TxtFiveGolds, golds);
    }
};

TEST_F(MakeUpPage, YearsOfferOneToTwelveAndCaretStartsInCompensation) {
    EXPECT_TRUE(Page.TxtOnceIncome->hasFocus());
    ASSERT_EQ(Page.CmbYears->count(), 12);
    EXPECT_EQ(Page.CmbYears->itemText(0), "1");
    EXPECT_EQ(Page.CmbYears->itemText(11), "12");
    EXPECT_EQ(Page.CmbYears->currentText(), "1");
    EXPECT_FALSE(Page.CmbYears->isEditable());
    EXPECT_EQ(Page.TxtMonthTaxbaleIncome->text(), "0.00元");
}

struct SeveranceCase {
    const char *Rule;
    const char *Once;
    const char *Wage;
    const char *Golds;
    int Years;
    const char *MonthTaxable;
    const char *MonthTax;
    const char *Total;
    const char *AfterTax;
};

class MakeUpResults : public MakeUpPage, public ::testing::WithParamInterface<SeveranceCase> {};

TEST_P(MakeUpResults, FormulasAndTotalsAndTheCaretStays) {
    const SeveranceCase &c = GetParam();
    Calc(c.Once, c.Wage, c.Golds, c.Years);
    EXPECT_EQ(Page.TxtMonthTaxbaleIncome->text(), QString::fromUtf8(c.MonthTaxable)) << c.Rule;
    EXPECT_EQ(Page.TxtMonthTax->text(), QString::fromUtf8(c.MonthTax)) << c.Rule;
    EXPECT_EQ(Page.TxtTotalTax->text(), QString::fromUtf8(c.Total)) << c.Rule;
    EXPECT_EQ(Page.TxtTotalIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_TRUE(Page.TxtFiveGolds->hasFocus()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MakeUpResults,
    ::testing::Values(SeveranceCase{"worked example", "100000", "20000", "500", 5,
                                    "7500 ＝(100000 － 3 × 20000)/5 －500",
                                    "945 ＝7500 × 0.2 －555", "4725", "94775"},
                      SeveranceCase{"exactly three times is free, contributions not taken off",
                                    "60000", "20000", "500", 5, "0.00元", "0.00元", "0.00元",
                                    "60000"},
                      SeveranceCase{"one cent more is taxed", "60000.01", "20000", "0", 1,
                                    "0.0100000000020373 ＝(60000.01 － 3 × 20000)/1 －0",
                                    "0.000300000000061118 ＝0.0100000000020373 × 0.03 －0",
                                    "0.000300000000061118", "60000.0097"},
                      SeveranceCase{"twelve years is the largest divisor", "156000", "20000", "500",
                                    12, "7500 ＝(156000 － 3 × 20000)/12 －500",
                                    "945 ＝7500 × 0.2 －555", "11340", "144160"},
                      SeveranceCase{"amounts rounded to cents", "100000.004", "20000.001",
                                    "499.996", 5, "7500 ＝(100000 － 3 × 20000)/5 －500",
                                    "945 ＝7500 × 0.2 －555", "4725", "94775"}));

TEST_F(MakeUpPage, NothingLeftToTaxIsSaidInlineWithNoNegativeAmount) {
    const struct {
        const char *Rule, *Golds;
        int Years;
    } cases[] = {{"contributions far above the yearly excess", "50000", 7},
                 {"contributions just above it", "8200", 5},
                 {"contributions equal to it", "8000", 5}};
    for (const auto &c : cases) {
        Click(Page.BtnReset);
        Calc("100000", "20000", c.Golds, c.Years);
        EXPECT_EQ(Page.TxtMsgIncome->text(), "应纳税所得额小于或等于0，不必纳税。") << c.Rule;
        EXPECT_TRUE(PageChecks::FocusedAndSelected(Page.TxtOnceIncome)) << c.Rule;
        EXPECT_EQ(Page.TxtMonthTaxbaleIncome->text(), "0.00") << c.Rule;
        EXPECT_EQ(Page.TxtMonthTax->text(), "0.00") << c.Rule;
        EXPECT_TRUE(Page.TxtTotalTax->text().isEmpty()) << c.Rule;
        EXPECT_TRUE(Page.TxtTotalIncomeAfterTax->text().isEmpty()) << c.Rule;
    }
    Calc("100000", "20000", "500", 5);
    EXPECT_TRUE(Page.TxtMsgIncome->text().isEmpty()) << "the next calculation clears it";
    EXPECT_EQ(Page.TxtTotalTax->text(), "4725");
    Calc("100000", "20000", "50000", 7);
    EXPECT_EQ(Page.TxtTotalTax->text(), "4725") << "a refusal leaves earlier results, as on the "
                                                   "wage page";
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtMsgIncome->text().isEmpty());
}

struct InvalidCase {
    const char *Rule;
    const char *Once;
    const char *Wage;
    const char *Golds;
};

class MakeUpInvalid : public MakeUpPage, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(MakeUpInvalid, OneBoxForEveryAmountAndNothingMoves) {
    const InvalidCase &c = GetParam();
    Calc("100000", "20000", "500", 5);
    Page.TxtOnceIncome->setText(c.Once);
    Page.TxtAverageWage->setText(c.Wage);
    Page.TxtFiveGolds->setText(c.Golds);
    Page.TxtAverageWage->setFocus();
    Page.TxtAverageWage->deselect();
    const ModalSeen seen =
        CloseNextModal([&] { QTest::keyClick(Page.TxtAverageWage, Qt::Key_Return); });
    EXPECT_TRUE(seen.Shown) << c.Rule;
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_EQ(seen.Text, "应纳税额数据无效，请重新输入。") << c.Rule;
    EXPECT_EQ(Page.focusWidget(), Page.TxtAverageWage) << c.Rule;
    EXPECT_FALSE(Page.TxtAverageWage->hasSelectedText()) << c.Rule;
    EXPECT_EQ(Page.TxtTotalTax->text(), "4725") << c.Rule;
    for (QLabel *msg : {Page.TxtMsgIncome, Page.TxtMsgSalary, Page.TxtMsgGolds})
        EXPECT_TRUE(msg->text().trimmed().isEmpty()) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(All, MakeUpInvalid,
                         ::testing::Values(InvalidCase{"empty compensation", "", "20000", "500"},
                                           InvalidCase{"empty contributions", "100000", "20000",
                                                       ""},
                                           InvalidCase{"empty average wage", "100000", "", "500"},
                                           InvalidCase{"lone full stop", "100000", ".", "500"},
                                           InvalidCase{"all three empty", "", "", ""}));

TEST_F(MakeUpPage, EnterInEveryInputCalculatesButNotInTheResults) {
    for (QLineEdit *input : {Page.TxtOnceIncome, Page.TxtAverageWage}) {
        Page.TxtOnceIncome->setText("100000");
        Page.TxtAverageWage->setText("20000");
        Page.TxtFiveGolds->setText("500");
        Page.TxtTotalTax->clear();
        input->setFocus();
        QTest::keyClick(input, Qt::Key_Return);
        EXPECT_EQ(Page.TxtTotalTax->text(), "9095") << input->objectName().toStdString();
    }
    Page.TxtTotalTax->setText("1");
    TypeAndEnter(Page.TxtTotalIncomeAfterTax, "2");
    TypeAndEnter(Page.TxtTotalTax, "3");
    EXPECT_EQ(Page.TxtMonthTax->text(), "9095 ＝39500 × 0.3 －2755");
    EXPECT_EQ(Page.TxtTotalTax->text(), "3");
}

TEST_F(MakeUpPage, ResetEmptiesTheFormAndShowsBareZeroFormulas) {
    Calc("100000", "20000", "500", 5);
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtOnceIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtAverageWage->text().isEmpty());
    EXPECT_TRUE(Page.TxtFiveGolds->text().isEmpty());
    EXPECT_EQ(Page.CmbYears->currentText(), "1");
    EXPECT_EQ(Page.TxtMonthTaxbaleIncome->text(), "0.00");
    EXPECT_EQ(Page.TxtMonthTax->text(), "0.00");
    EXPECT_TRUE(Page.TxtTotalTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtTotalIncomeAfterTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtOnceIncome->hasFocus());
}

TEST_F(MakeUpPage, CopyButtonsCopyTheTotals) {
    Calc("100000", "20000", "500", 5);
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "4725");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "94775");
}

TEST_F(MakeUpPage, LongFormulaIsShownWhole) {
    Calc("9999999999", "1234567.89", "1234567.89", 7);
    const QString text = Page.TxtMonthTaxbaleIncome->text();
    EXPECT_TRUE(text.endsWith("＝(9999999999 － 3 × 1234567.89)/7 －1234567.89"))
        << text.toStdString();
    // The label takes the room up to the pictures on the right (how much of it the text needs
    // depends on the fonts installed, so that is left to the screenshots) and stays clear of them.
    EXPECT_GE(Page.TxtMonthTaxbaleIncome->width(), 450);
    EXPECT_LT(Page.TxtMonthTaxbaleIncome->geometry().right(),
              Page.findChild<QWidget *>("ImgIllustration")->geometry().left());
}

} // namespace
