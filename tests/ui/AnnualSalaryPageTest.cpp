#include "pages/UFrmAnnualSalary.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class AnnualSalaryPage : public ::testing::Test {
  protected:
    void SetUp() override {
        Page.show();
        QApplication::setActiveWindow(&Page);
    }
    QStringList Texts() const {
        QStringList texts;
        for (QLineEdit *edit : Page.findChildren<QLineEdit *>())
            texts << edit->text();
        for (QLabel *label : Page.findChildren<QLabel *>())
            texts << label->text();
        return texts;
    }
    TFrmAnnualSalary Page;
};

TEST_F(AnnualSalaryPage, NothingCalculates) {
    EXPECT_TRUE(Page.TxtIncome->hasFocus());
    Type(Page.TxtIncome, QStringLiteral("120000"));
    Type(Page.Edit1, QStringLiteral("8000"));
    Type(Page.Edit2, QStringLiteral("24000"));
    QTest::keyClick(Page.TxtIncome, Qt::Key_Return);
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    const QStringList before = Texts();
    for (QPushButton *button : {Page.BtnCalc, Page.BtnReset, Page.BtnCopyTax, Page.BtnCopyIncome})
        Click(button);
    EXPECT_EQ(Texts(), before);
    EXPECT_EQ(Page.TxtIncome2->text(), "0.00元");
    EXPECT_EQ(Page.TxtTaxableIncome->text(), "0.00元");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    EXPECT_EQ(Page.TxtIncome->text(), "120000");
    EXPECT_EQ(QApplication::clipboard()->text(), "untouched");
}

TEST_F(AnnualSalaryPage, EveryEditTakesOnlyAmounts) {
    for (QLineEdit *edit :
         {Page.TxtIncome, Page.Edit1, Page.Edit2, Page.TxtTax, Page.TxtIncomeAfterTax}) {
        Type(edit, QStringLiteral("a1-b2.c3.4"));
        EXPECT_EQ(edit->text(), "12.34") << edit->objectName().toStdString();
    }
}

} // namespace
