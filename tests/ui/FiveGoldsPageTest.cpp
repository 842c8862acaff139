#include "app/UFrmMain.h"
#include "pages/UFrmAnnualSalary.h"
#include "pages/UFrmFiveGolds.h"
#include "support/ParamFolders.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace UiTest;

namespace {

// Limits 2000 to 10000 for both bases, employee rates 8, 2, 1, 12.
QByteArray WorkedExampleFile() {
    return ParamFolders::Header() +
           "\r\nPMin=2000\r\nPMax=10000\r\nSMin=2000\r\nSMax=10000\r\nPFund=12\r\nPMedical=2\r\n"
           "PPension=8\r\nPLostJob=1\r\nUFund=12\r\nUMedical=10\r\nUPension=20\r\nULostJob=1\r\n"
           "Injury=0.5\r\nGiveBirth=0.8\r\n";
}

class FiveGoldsPage : public ParamFolders {
  protected:
    void Open(const QByteArray &File) {
        if (!File.isEmpty())
            WriteFile(BesideProgram(), File);
        Page.reset(new TFrmFiveGolds);
        Page->show();
        QApplication::setActiveWindow(Page.get());
    }
    void Calc(const QString &Wage) { TypeAndEnter(Page->TxtIncome, Wage); }
    std::unique_ptr<TFrmFiveGolds> Page;
};

TEST_F(FiveGoldsPage, ShowingReadsTheParameters) {
    Open(WorkedExampleFile());
    EXPECT_TRUE(Page->TxtIncome->hasFocus());
    EXPECT_EQ(Page->TxtSMin->text(), "2000");
    EXPECT_EQ(Page->TxtPMax->text(), "10000");
    EXPECT_EQ(Page->TxtPPension->text(), "8");
    EXPECT_EQ(Page->TxtInjury->text(), "0.5");
    EXPECT_EQ(Page->TxtGiveBirth->text(), "0.8");
    EXPECT_EQ(Page->LblPPension->text(), "%  =  0.00");
}

TEST_F(FiveGoldsPage, WorkedExample) {
    Open(WorkedExampleFile());
    Calc(QStringLiteral("5000"));
    EXPECT_EQ(Page->TxtSocialBase->text(), "5000");
    EXPECT_EQ(Page->TxtFundBase->text(), "5000");
    EXPECT_EQ(Page->LblPPension->text(), " % = 400");
    EXPECT_EQ(Page->LblPMedical->text(), " % = 100");
    EXPECT_EQ(Page->LblPLostJob->text(), " % = 50");
    EXPECT_EQ(Page->LblPFund->text(), " % = 600");
    EXPECT_EQ(Page->TxtPTotal->text(), "1150");
    EXPECT_EQ(Page->LblUPension->text(), " % = 1000");
    EXPECT_EQ(Page->LblInjury->text(), " % = 25");
    EXPECT_EQ(Page->LblGiveBirth->text(), " % = 40");
    EXPECT_EQ(Page->LblUFund->text(), " % = 600");
    EXPECT_EQ(Page->TxtUTotal->text(), "2215");
    EXPECT_EQ(Page->TxtUAll->text(), "7215");
    EXPECT_EQ(Page->TxtTax->text(), "10.5");
    EXPECT_EQ(Page->TxtIncomeAfterTax->text(), "3839.5");
    EXPECT_TRUE(Page->TxtIncome->hasFocus()) << "the focus stays where it was";
}

struct ClampCase {
    const char *Rule;
    const char *Wage;
    const char *Base;
};

class FiveGoldsClamp : public FiveGoldsPage, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(FiveGoldsClamp, BaseOnTheLimit) {
    Open(WorkedExampleFile());
    Calc(QString::fromUtf8(GetParam().Wage));
    EXPECT_EQ(Page->TxtSocialBase->text(), GetParam().Base) << GetParam().Rule;
    EXPECT_EQ(Page->TxtFundBase->text(), GetParam().Base) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(Limits, FiveGoldsClamp,
                         ::testing::Values(ClampCase{"below the lower limit", "1000", "2000"},
                                           ClampCase{"on the lower limit", "2000", "2000"},
                                           ClampCase{"on the upper limit", "10000", "10000"},
                                           ClampCase{"a cent above the upper limit", "10000.01",
                                                     "10000"},
                                           ClampCase{"far above", "50000", "10000"}));

TEST_F(FiveGoldsPage, BasesAreClampedIndependently) {
    QByteArray file = WorkedExampleFile();
    file.replace("PMax=10000", "PMax=8000");
    Open(file);
    Calc(QStringLiteral("9000"));
    EXPECT_EQ(Page->TxtSocialBase->text(), "9000");
    EXPECT_EQ(Page->TxtFundBase->text(), "8000");
    EXPECT_EQ(Page->LblPFund->text(), " % = 960");
}

struct TaxCase {
    const char *Rule;
    const char *Wage;
    bool Foreign;
    const char *Tax;
    const char *AfterTax;
};

class FiveGoldsTax : public FiveGoldsPage, public ::testing::WithParamInterface<TaxCase> {};

TEST_P(FiveGoldsTax, TaxAfterContributions) {
    Open(WorkedExampleFile());
    Page->RBtnForeign->setChecked(GetParam().Foreign);
    Calc(QString::fromUtf8(GetParam().Wage));
    EXPECT_EQ(Page->TxtTax->text(), GetParam().Tax) << GetParam().Rule;
    EXPECT_EQ(Page->TxtIncomeAfterTax->text(), GetParam().AfterTax) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    StartPoint, FiveGoldsTax,
    ::testing::Values(TaxCase{"wage less contributions below 3500: no tax", "4000", false, "0",
                              "3080"},
                      TaxCase{"wage less contributions 3500 in cents: no tax", "4545.45", false,
                              "0", "3499.9965"},
                      TaxCase{"a wage under the lower limit pays on the limit and keeps less",
                              "1000", false, "0", "540"},
                      TaxCase{"foreign national: 4800 start point", "8000", true, "40.8", "6119.2"},
                      TaxCase{"resident: 3500 start point", "8000", false, "161", "5999"}));

TEST_F(FiveGoldsPage, MissingFileMeansNoContributions) {
    Open({});
    Calc(QStringLiteral("5000"));
    EXPECT_EQ(Page->TxtSMin->text(), "0");
    EXPECT_EQ(Page->TxtSocialBase->text(), "0");
    EXPECT_EQ(Page->TxtFundBase->text(), "0");
    EXPECT_EQ(Page->LblPPension->text(), " % = 0");
    EXPECT_EQ(Page->TxtPTotal->text(), "0");
    EXPECT_EQ(Page->TxtUAll->text(), "5000");
    EXPECT_EQ(Page->TxtTax->text(), "45") << "the tax of the whole wage";
}

// Values no city has, written by hand: they read as 0, and no sum of them overflows.
TEST_F(FiveGoldsPage, HugeValuesInTheFileNeverShowInfinityOrNan) {
    Open(ParamFolders::Header() +
         "\r\nSMin=1E308\r\nSMax=1.7E308\r\nPMin=9999999999999\r\nPMax=9999999999999.99\r\n"
         "PPension=1E308\r\nUPension=99\r\nUMedical=99\r\nULostJob=99\r\nInjury=99\r\n"
         "GiveBirth=99\r\nUFund=99\r\n");
    EXPECT_EQ(Page->TxtSMax->text(), "0");
    EXPECT_EQ(Page->TxtPPension->text(), "0");
    Calc(QStringLiteral("9999999999"));
    for (const QLabel *label : Page->findChildren<QLabel *>())
        EXPECT_FALSE(label->text().contains(QStringLiteral("INF")) ||
                     label->text().contains(QStringLiteral("NAN")))
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    for (const QLineEdit *edit : Page->findChildren<QLineEdit *>())
        EXPECT_FALSE(edit->text().contains(QStringLiteral("INF")) ||
                     edit->text().contains(QStringLiteral("NAN")))
            << edit->objectName().toStdString() << ": " << edit->text().toStdString();
    EXPECT_EQ(Page->LblUFund->text(), " % = 9899999999999.01");
}

TEST_F(FiveGoldsPage, ChangedFileTakesEffectOnlyWhenShownAnew) {
    Open(WorkedExampleFile());
    QByteArray changed = WorkedExampleFile();
    changed.replace("PPension=8", "PPension=10");
    WriteFile(BesideProgram(), changed);
    Calc(QStringLiteral("5000"));
    EXPECT_EQ(Page->LblPPension->text(), " % = 400");
    EXPECT_EQ(Page->TxtPPension->text(), "8");
    Page->hide();
    Page->show();
    Calc(QStringLiteral("5000"));
    EXPECT_EQ(Page->LblPPension->text(), " % = 500");
    EXPECT_EQ(Page->TxtPPension->text(), "10");
    EXPECT_EQ(Page->TxtPTotal->text(), "1250");
}

TEST_F(FiveGoldsPage, UnparsableWageOnlyMovesTheFocus) {
    Open(WorkedExampleFile());
    Calc(QStringLiteral("5000"));
    Page->TxtIncome->setText(QStringLiteral("."));
    Page->BtnReset->setFocus();
    Click(Page->BtnCalc);
    EXPECT_EQ(QApplication::focusWidget(), Page->TxtIncome);
    EXPECT_EQ(Page->TxtIncome->selectedText(), ".");
    EXPECT_EQ(Page->TxtTax->text(), "10.5");
    EXPECT_EQ(Page->LblPPension->text(), " % = 400");
}

TEST_F(FiveGoldsPage, ResetKeepsBasesAndParameters) {
    Open(WorkedExampleFile());
    Page->RBtnForeign->setChecked(true);
    Calc(QStringLiteral("5000"));
    Click(Page->BtnReset);
    for (QLabel *text : {Page->LblPPension, Page->LblUFund, Page->LblGiveBirth})
        EXPECT_EQ(text->text(), " % = 0.00");
    for (QLineEdit *edit : {Page->TxtPTotal, Page->TxtUTotal, Page->TxtUAll, Page->TxtTax,
                            Page->TxtIncomeAfterTax, Page->TxtIncome})
        EXPECT_TRUE(edit->text().isEmpty()) << edit->objectName().toStdString();
    EXPECT_EQ(Page->TxtSocialBase->text(), "5000");
    EXPECT_EQ(Page->TxtPPension->text(), "8");
    EXPECT_TRUE(Page->RBtnChina->isChecked());
    EXPECT_TRUE(Page->TxtIncome->hasFocus());
}

TEST_F(FiveGoldsPage, CopyButtonsAndKeyFilter) {
    Open(WorkedExampleFile());
    Type(Page->TxtIncome, QStringLiteral("5a0-00"));
    EXPECT_EQ(Page->TxtIncome->text(), "5000");
    QTest::keyClick(Page->TxtIncome, Qt::Key_Return);
    Click(Page->BtnCopyTax);
    EXPECT_EQ(QApplication::clipboard()->text(), "10.5");
    Click(Page->BtnCopyIncome);
    EXPECT_EQ(QApplication::clipboard()->text(), "3839.5");
}

TEST_F(FiveGoldsPage, HiddenMenuEntriesShowTheirPages) {
    TFrmMain main;
    main.findChild<QAction *>(QStringLiteral("N22"))->trigger();
    EXPECT_STREQ(main.CurrentPage()->metaObject()->className(), "TFrmFiveGolds");
    EXPECT_TRUE(main.findChild<QAction *>(QStringLiteral("N22"))->isChecked());
    main.findChild<QAction *>(QStringLiteral("N21"))->trigger();
    EXPECT_STREQ(main.CurrentPage()->metaObject()->className(), "TFrmAnnualSalary");
    EXPECT_FALSE(main.findChild<QAction *>(QStringLiteral("N21"))->isVisible());
    EXPECT_FALSE(main.findChild<QAction *>(QStringLiteral("N22"))->isVisible());
}

} // namespace
