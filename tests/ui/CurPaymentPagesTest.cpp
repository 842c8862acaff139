// The current-law pages of one payment: labour, author and royalty payments, and severance.

#include "app/UFrmMain.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurSeverance.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

struct LabourCase {
    const char *Kind;      // the radio button
    const char *Residence; // the radio button
    const char *Income;
    const char *Deduction, *Taxable, *Rate, *QuickDeduction, *Tax, *AfterTax;
    const char *Settlement; // a part of the note
};

class CurLabourResults : public PageTest<TFrmCurLabour>,
                         public ::testing::WithParamInterface<LabourCase> {};

TEST_P(CurLabourResults, EveryResultAndTheSettlementNote) {
    const LabourCase &c = GetParam();
    Click(Find<QRadioButton>(&Page, c.Kind));
    Click(Find<QRadioButton>(&Page, c.Residence));
    TypeAndEnter(Page.TxtIncome, c.Income);
    EXPECT_EQ(Page.TxtDeduction->text(), c.Deduction);
    EXPECT_EQ(Page.TxtTaxable->text(), c.Taxable);
    EXPECT_EQ(Page.TxtRate->text(), c.Rate);
    EXPECT_EQ(Page.TxtQuickDeduction->text(), c.QuickDeduction);
    EXPECT_EQ(Page.TxtTax->text(), c.Tax);
    EXPECT_EQ(Page.TxtAfterTax->text(), c.AfterTax);
    EXPECT_TRUE(Page.TxtSettlement->text().contains(QString::fromUtf8(c.Settlement)))
        << Page.TxtSettlement->text().toStdString();
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome));
}

INSTANTIATE_TEST_SUITE_P(
    EngineExamples, CurLabourResults,
    ::testing::Values(LabourCase{"RBtnLabour", "RBtnResident", "30000", "6000.00", "24000.00",
                                 "30%", "2000.00", "5200.00", "24800.00",
                                 "按80%计入综合所得，收入额为24000.00元"},
                      LabourCase{"RBtnLabour", "RBtnResident", "4000", "800.00", "3200.00", "20%",
                                 "0.00", "640.00", "3360.00", "收入额为3200.00元"},
                      LabourCase{"RBtnAuthor", "RBtnResident", "10000", "2000.00", "5600.00", "20%",
                                 "0.00", "1120.00", "8880.00",
                                 "按56%计入综合所得，收入额为5600.00元"},
                      LabourCase{"RBtnRoyalty", "RBtnNonResident", "100000", "20000.00", "80000.00",
                                 "35%", "7160.00", "20840.00", "79160.00", "不办理年度汇算"}));

class CurLabourPage : public PageTest<TFrmCurLabour> {};

TEST_F(CurLabourPage, MissingPaymentNamesItAndKeepsTheResults) {
    TypeAndEnter(Page.TxtIncome, "30000");
    TypeAndEnter(Page.TxtIncome, "");
    EXPECT_EQ(Page.TxtMsgInput->text(), "每次收入数据无效，请重新输入。");
    EXPECT_EQ(FocusName(), "TxtIncome");
    EXPECT_EQ(Page.TxtTax->text(), "5200.00");
    TypeAndEnter(Page.TxtIncome, "30000");
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
}

TEST_F(CurLabourPage, CopyAndReset) {
    Click(Page.RBtnAuthor);
    Click(Page.RBtnNonResident);
    TypeAndEnter(Page.TxtIncome, "10000");
    Click(Find<QPushButton>(&Page, QStringLiteral("CopyTxtTax")));
    EXPECT_EQ(QApplication::clipboard()->text(), "350.00");
    Click(Page.BtnReset);
    for (const QLineEdit *edit : {Page.TxtIncome, Page.TxtDeduction, Page.TxtTaxable, Page.TxtRate,
                                  Page.TxtQuickDeduction, Page.TxtTax, Page.TxtAfterTax})
        EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
    EXPECT_TRUE(Page.RBtnLabour->isChecked() && Page.RBtnResident->isChecked());
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
}

class CurSeverancePage : public PageTest<TFrmCurSeverance> {
  protected:
    void Calc(const QString &Income, const QString &AverageWage) {
        Page.TxtAverageWage->clear();
        Type(Page.TxtAverageWage, AverageWage);
        TypeAndEnter(Page.TxtIncome, Income);
    }
    QStringList Results() const {
        QStringList texts;
        for (const QLineEdit *edit : {Page.TxtExempt, Page.TxtTaxable, Page.TxtRate,
                                      Page.TxtQuickDeduction, Page.TxtTax, Page.TxtAfterTax})
            texts << edit->text();
        return texts;
    }
};

TEST_F(CurSeverancePage, ThreeYearsOfTheAverageWageTaxFree) {
    Calc("300000", "60000");
    EXPECT_EQ(Results(),
              (QStringList{"180000.00", "120000.00", "10%", "2520.00", "9480.00", "290520.00"}));
    Calc("180000", "60000");
    EXPECT_EQ(Results(), (QStringList{"180000.00", "0.00", "0%", "0.00", "0.00", "180000.00"}));
    EXPECT_TRUE(FocusedAndSelected(Page.TxtIncome));
}

TEST_F(CurSeverancePage, MissingAverageWageNamesIt) {
    Calc("300000", "");
    EXPECT_EQ(Page.TxtMsgInput->text(), "当地上年职工平均工资数据无效，请重新输入。");
    EXPECT_EQ(FocusName(), "TxtAverageWage");
    EXPECT_EQ(Page.TxtIncome->text(), "300000");
    Click(Page.BtnReset);
    EXPECT_EQ(Page.TxtMsgInput->text(), "");
    EXPECT_EQ(Page.TxtIncome->text(), "");
}

struct EntryCase {
    const char *Item;
    const char *ClassName;
    const char *Title;
    const char *FirstInput;
    const char *Picture;
};

class CurrentLawMenu : public ::testing::TestWithParam<EntryCase> {};

TEST_P(CurrentLawMenu, EntryShowsItsPageWithItsPicture) {
    const EntryCase &c = GetParam();
    TFrmMain main;
    ShowActive(&main);
    auto *item = main.findChild<QAction *>(c.Item);
    ASSERT_NE(item, nullptr);
    item->trigger();
    QWidget *page = main.CurrentPage();
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page->metaObject()->className(), c.ClassName);
    EXPECT_TRUE(item->isChecked());
    EXPECT_FALSE(main.findChild<QAction *>(QStringLiteral("MSalary"))->isChecked());
    EXPECT_EQ(Find<QLabel>(page, QStringLiteral("Panel1"))->text(), QString::fromUtf8(c.Title));
    EXPECT_EQ(FocusName(), c.FirstInput);
    const QPixmap picture = Find<QLabel>(page, QStringLiteral("ImgMethod"))->pixmap();
    EXPECT_TRUE(SamePicture(picture.toImage(), QImage(QString::fromLatin1(c.Picture))));
    EXPECT_FALSE(picture.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Pages, CurrentLawMenu,
    ::testing::Values(EntryCase{"MCurBonus", "TFrmCurBonus", "   年终奖(现行)", "TxtBonus",
                                ":/pictures/curbonus_method.png"},
                      EntryCase{"MCurLabour", "TFrmCurLabour", "   劳务报酬/稿酬/特许权(现行)",
                                "TxtIncome", ":/pictures/curlabour_method.png"},
                      EntryCase{"MCurSettle", "TFrmCurSettle", "   年度汇算", "TxtWages",
                                ":/pictures/cursettle_method.png"},
                      EntryCase{"MCurSeverance", "TFrmCurSeverance", "   经济补偿金(现行)",
                                "TxtIncome", ":/pictures/curseverance_method.png"}),
    [](const auto &info) { return std::string(info.param.Item); });

} // namespace
