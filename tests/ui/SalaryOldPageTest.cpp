#include "pages/UFrmSalaryOld.h"
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

class SalaryOldPage : public UiTest::PageTest<TFrmSalaryOld> {
  protected:
    void Calc(const QString &income, const QString &golds, bool foreign = false) {
        Page.RBtnForeign->setChecked(foreign);
        Page.TxtGolds->setText(golds);
        TypeAndEnter(Page.TxtIncome, income);
    }
};

TEST_F(SalaryOldPage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_TRUE(Page.TxtGolds->text().isEmpty());
}

struct CalcCase {
    const char *Rule;
    const char *Income;
    const char *Golds;
    bool Foreign;
    const char *Golds2;
    const char *StartPoint;
    const char *Taxable;
    const char *Rate;
    const char *Deduct;
    const char *Tax;
    const char *AfterTax;
};

void PrintTo(const CalcCase &c, std::ostream *os) {
    *os << c.Rule;
}

class SalaryOldPageCalc : public SalaryOldPage, public ::testing::WithParamInterface<CalcCase> {};

TEST_P(SalaryOldPageCalc, ShowsEveryResult) {
    const CalcCase &c = GetParam();
    Calc(c.Income, c.Golds, c.Foreign);
    EXPECT_EQ(Page.TxtInfome2->text(), QString::fromUtf8(c.Income) + "元");
    EXPECT_EQ(Page.TxtGolds2->text(), QString::fromUtf8(c.Golds2));
    EXPECT_EQ(Page.TxtSP->text(), QString::fromUtf8(c.StartPoint));
    EXPECT_EQ(Page.TxtTaxableIncome->text(), QString::fromUtf8(c.Taxable));
    EXPECT_EQ(Page.TxtRate->text(), c.Rate);
    EXPECT_EQ(Page.TxtDeduct->text(), QString::fromUtf8(c.Deduct));
    EXPECT_EQ(Page.TxtTax->text(), c.Tax);
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax);
    EXPECT_TRUE(Page.TxtMsgSalary->text().isEmpty());
    EXPECT_TRUE(Page.TxtMsgGolds->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), c.Income);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, SalaryOldPageCalc,
    ::testing::Values(CalcCase{"taxable 500 stays at 5 %", "2500", "", false, "0元", "2000元",
                               "500元", "5%", "0元", "25", "2475"},
                      CalcCase{"taxable 500.01 moves to 10 %", "2500.01", "0", false, "0元",
                               "2000元", "500.01元", "10%", "25元", "25.001", "2475.009"},
                      CalcCase{"102000 stays at 40 %", "102000", "", false, "0元", "2000元",
                               "100000元", "40%", "10375元", "29625", "72375"},
                      CalcCase{"102000.01 moves to 45 %", "102000.01", "", false, "0元", "2000元",
                               "100000.01元", "45%", "15375元", "29625.0045", "72375.0055"},
                      CalcCase{"below the start point is no error", "1800", "200", false, "200元",
                               "2000元", "0元", "0%", "0元", "0", "1600"},
                      CalcCase{"zero decided on cents", "2000.13", "0.13", false, "0.13元",
                               "2000元", "0元", "0%", "0元", "0", "2000"},
                      CalcCase{"foreign start point", "5300", "", true, "0元", "4800元", "500元",
                               "5%", "0元", "25", "5275"},
                      CalcCase{"contributions equal to income accepted", "5000", "5000", false,
                               "5000元", "2000元", "0元", "0%", "0元", "0", "0"}));

struct MessageCase {
    const char *Rule;
    const char *Income;
    const char *Golds;
    const char *SalaryMsg;
    const char *GoldsMsg;
    const char *FocusName;
};

void PrintTo(const MessageCase &c, std::ostream *os) {
    *os << c.Rule;
}

class SalaryOldPageMessages : public SalaryOldPage,
                              public ::testing::WithParamInterface<MessageCase> {};

TEST_P(SalaryOldPageMessages, InlineMessageAndFocus) {
    const MessageCase &c = GetParam();
    Calc("2500", "0"); // earlier results must stay untouched by a refused calculation
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
    EXPECT_EQ(Page.TxtTax->text(), "25");
}

INSTANTIATE_TEST_SUITE_P(
    All, SalaryOldPageMessages,
    ::testing::Values(MessageCase{"empty income", "", "0", "税前收入金额数据无效，请重新输入。", "",
                                  "TxtIncome"},
                      MessageCase{"lone full stop", ".", "", "税前收入金额数据无效，请重新输入。",
                                  "", "TxtIncome"},
                      MessageCase{"pasted text in contributions", "5000", "abc", "",
                                  "社保及公积金数据无效，请重新输入。", "TxtGolds"},
                      MessageCase{"contributions one cent above income", "5000", "5000.01", "",
                                  "社保及公积金不能比收入金额大，请重新输入。", "TxtGolds"},
                      MessageCase{"negative contributions", "5000", "-1", "",
                                  "社保及公积金不能小于0元，请重新输入。", "TxtGolds"},
                      MessageCase{"larger-than-income is tested first", "-5", "-1", "",
                                  "社保及公积金不能比收入金额大，请重新输入。", "TxtGolds"}));

TEST_F(SalaryOldPage, EnterInContributionsCalculates) {
    Page.TxtIncome->setText("3000");
    TypeAndEnter(Page.TxtGolds, "500");
    EXPECT_EQ(Page.TxtTax->text(), "25");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "2475");
}

TEST_F(SalaryOldPage, EnterInResultEditsDoesNothing) {
    Page.TxtIncome->setText("2500");
    Type(Page.TxtTax, "1");
    QTest::keyClick(Page.TxtTax, Qt::Key_Return);
    Type(Page.TxtIncomeAfterTax, "2");
    QTest::keyClick(Page.TxtIncomeAfterTax, Qt::Key_Return);
    EXPECT_EQ(Page.TxtInfome2->text(), "0元");
    EXPECT_EQ(Page.TxtTax->text(), "1");
}

TEST_F(SalaryOldPage, ResetRestoresInitialState) {
    Calc("3000", "abc", true);
    Calc("10000", "1000", true);
    Page.TxtGolds->setText("x");
    Click(Page.BtnCalc);
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
    EXPECT_TRUE(Page.TxtMsgGolds->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(SalaryOldPage, ReverseButtonsCheckBoxAndLinkAreNeverSeen) {
    for (QWidget *w : std::initializer_list<QWidget *>{Page.BtnAntiTax, Page.BtnAntiIncomeAfterTax,
                                                       Page.ChbAutoCalc, Page.TxtViewDetail})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    EXPECT_EQ(Page.TxtViewDetail->text(), "查看详情");
    Page.ChbAutoCalc->setChecked(true);
    Page.ChbAutoCalcClick();
    EXPECT_TRUE(Page.TxtViewDetail->isVisible());
    Page.ChbAutoCalc->setChecked(false);
    Page.ChbAutoCalcClick();
    EXPECT_FALSE(Page.TxtViewDetail->isVisible());
}

TEST_F(SalaryOldPage, CopyButtonsPutTheBareTextOnTheClipboard) {
    Calc("102000.01", "");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "29625.0045");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "72375.0055");
}

TEST_F(SalaryOldPage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtIncome",         "TxtGolds",     "RBtnChina", "RBtnForeign",
                               "BtnCalc",           "BtnReset",     "TxtTax",    "BtnCopyTax",
                               "TxtIncomeAfterTax", "BtnCopyIncome"};
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
