#include "pages/UFrmPersonal.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class PersonalPage : public UiTest::PageTest<TFrmPersonal> {};

TEST_F(PersonalPage, ShowingPutsCaretInIncome) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.Panel1->text(), "   个体工商户生产、经营所得 ");
}

struct BusinessCase {
    const char *Rule;
    const char *Income;
    const char *Income2;
    const char *Taxable;
    const char *Deduct;
    const char *Rate;
    const char *Tax;
    const char *AfterTax;
};

class PersonalResults : public PersonalPage, public ::testing::WithParamInterface<BusinessCase> {};

TEST_P(PersonalResults, EveryResultAndTheCaretBackInIncome) {
    const BusinessCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, c.Income);
    EXPECT_EQ(Page.TxtIncome2->text(), QString::fromUtf8(c.Income2)) << c.Rule;
    EXPECT_EQ(Page.TxtTaxableIncome->text(), QString::fromUtf8(c.Taxable)) << c.Rule;
    EXPECT_EQ(Page.TxtDeduct->text(), QString::fromUtf8(c.Deduct)) << c.Rule;
    EXPECT_EQ(Page.TxtRate->text(), c.Rate) << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), c.Tax) << c.Rule;
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), c.AfterTax) << c.Rule;
    EXPECT_EQ(Page.TxtIncome->text(), c.Income) << "the typed income is not rewritten";
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    EXPECT_EQ(Page.TxtIncome->selectedText(), c.Income);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PersonalResults,
    ::testing::Values(
        BusinessCase{"4000 at 5 %", "4000", "4000元", "4000元", "0元", "5%", "200", "3800"},
        BusinessCase{"5000 stays at 5 %", "5000", "5000元", "5000元", "0元", "5%", "250", "4750"},
        BusinessCase{"5000.01 moves to 10 %", "5000.01", "5000.01元", "5000.01元", "250元", "10%",
                     "250.001", "4750.009"},
        BusinessCase{"30000 stays at 20 %", "30000", "30000元", "30000元", "1250元", "20%", "4750",
                     "25250"},
        BusinessCase{"50000 stays at 30 %", "50000", "50000元", "50000元", "4250元", "30%", "10750",
                     "39250"},
        BusinessCase{"50000.01 moves to 35 %", "50000.01", "50000.01元", "50000.01元", "6750元",
                     "35%", "10750.0035", "39250.0065"},
        BusinessCase{"123456.78 keeps every decimal", "123456.78", "123456.78元", "123456.78元",
                     "6750元", "35%", "36459.873", "86996.907"},
        BusinessCase{"0 is calculated", "0", "0元", "0元", "0元", "5%", "0", "0"},
        BusinessCase{"typed amount rounded to cents", "4000.005", "4000.01元", "4000.01元", "0元",
                     "5%", "200.0005", "3800.0095"}));

TEST_F(PersonalPage, PastedLossIsTaxedNothing) {
    Page.TxtIncome->setText("-100");
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtIncome2->text(), "-100元");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "0元");
    EXPECT_EQ(Page.TxtTax->text(), "0");
    EXPECT_EQ(Page.TxtIncomeAfterTax->text(), "-100");
}

struct InvalidCase {
    const char *Rule;
    const char *Income;
};

class PersonalInvalid : public PersonalPage, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(PersonalInvalid, BoxThenCaretInIncomeWithTextSelected) {
    const InvalidCase &c = GetParam();
    TypeAndEnter(Page.TxtIncome, "4000");
    Page.TxtIncome->setText(c.Income);
    Page.BtnCalc->setFocus();
    const ModalSeen seen = CloseNextModal([&] { Click(Page.BtnCalc); });
    EXPECT_TRUE(seen.Shown) << c.Rule;
    EXPECT_EQ(seen.Title, "提示") << c.Rule;
    EXPECT_EQ(seen.Text, "收入金额数据无效，请重新输入。") << c.Rule;
    EXPECT_EQ(Page.focusWidget(), Page.TxtIncome) << c.Rule;
    EXPECT_EQ(Page.TxtIncome->selectedText(), Page.TxtIncome->text()) << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), "200") << "earlier results stay: " << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(All, PersonalInvalid,
                         ::testing::Values(InvalidCase{"empty", ""}, InvalidCase{"lone stop", "."},
                                           InvalidCase{"pasted text", "12a"}));

TEST_F(PersonalPage, EnterInResultEditsDoesNotCalculate) {
    Page.TxtIncome->setText("4000");
    TypeAndEnter(Page.TxtTax, "1");
    TypeAndEnter(Page.TxtIncomeAfterTax, "1");
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
}

TEST_F(PersonalPage, ResetRestoresInitialCaptionsAndCaretWithoutSelection) {
    TypeAndEnter(Page.TxtIncome, "60000");
    Click(Page.BtnReset);
    EXPECT_TRUE(Page.TxtIncome->text().isEmpty());
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtIncomeAfterTax->text().isEmpty());
    for (QLabel *label : {Page.TxtIncome2, Page.TxtTaxableIncome, Page.TxtDeduct})
        EXPECT_EQ(label->text(), "0.00元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

TEST_F(PersonalPage, CopyButtonsCopyTheBareResults) {
    TypeAndEnter(Page.TxtIncome, "123456.78");
    Click(Page.BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "36459.873");
    Click(Page.BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "86996.907");
}

TEST_F(PersonalPage, TabKeyFollowsTheForm) {
    const QStringList expected{"TxtIncome",         "BtnCalc",    "BtnReset",      "TxtTax",
                               "TxtIncomeAfterTax", "BtnCopyTax", "BtnCopyIncome", "TxtIncome"};
    Page.TxtIncome->setFocus();
    QStringList seen;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        seen << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(seen.join(' ').toStdString(), expected.join(' ').toStdString());
}

} // namespace
