#include "pages/UFrmMoney.h"
#include "support/UiTestSupport.h"
#include "ui/PageChecks.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;
using namespace PageChecks;

namespace {

class MoneyDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        Dialog.show();
        QApplication::setActiveWindow(&Dialog);
        QCoreApplication::processEvents();
    }
    TFrmMoney Dialog;
};

TEST_F(MoneyDialog, OpensEmptyWithTheCaretInTheAmount) {
    EXPECT_EQ(Dialog.windowTitle(), "人民币大小写转换");
    EXPECT_TRUE(Dialog.TxtLowercase->hasFocus());
    EXPECT_TRUE(Dialog.TxtLowercase->text().isEmpty());
    EXPECT_TRUE(Dialog.TxtCapital->text().isEmpty());
}

struct ConvertCase {
    const char *Typed;
    const char *Capital;
    const char *Rewritten;
};

class MoneyDialogConvert : public MoneyDialog, public ::testing::WithParamInterface<ConvertCase> {};

TEST_P(MoneyDialogConvert, EnterConvertsAndRewritesTheAmount) {
    const ConvertCase &c = GetParam();
    TypeAndEnter(Dialog.TxtLowercase, c.Typed);
    EXPECT_EQ(Dialog.TxtCapital->text(), QString::fromUtf8(c.Capital)) << c.Typed;
    EXPECT_EQ(Dialog.TxtLowercase->text(), c.Rewritten) << c.Typed;
    EXPECT_TRUE(Dialog.TxtMsg->text().trimmed().isEmpty()) << c.Typed;
    EXPECT_TRUE(Dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoneyDialogConvert,
    ::testing::Values(
        ConvertCase{"0", "", "0"}, ConvertCase{"0.01", "壹分", "0.01"},
        ConvertCase{"0.50", "伍角", "0.5"}, ConvertCase{"0.05", "伍分", "0.05"},
        ConvertCase{"1", "壹元整", "1"}, ConvertCase{"10.05", "壹拾元零伍分", "10.05"},
        ConvertCase{"10.5", "壹拾元伍角", "10.5"}, ConvertCase{"101", "壹佰零壹元整", "101"},
        ConvertCase{"1010", "壹仟零壹拾元整", "1010"},
        ConvertCase{"100010000", "壹亿零壹万元整", "100010000"},
        ConvertCase{"100000", "壹拾万元整", "100000"},
        ConvertCase{"100000000", "壹亿元整", "100000000"},
        ConvertCase{"1000.01", "壹仟元零壹分", "1000.01"},
        ConvertCase{"1000.00", "壹仟元整", "1000"},
        ConvertCase{"7000000.07", "柒佰万元零柒分", "7000000.07"},
        ConvertCase{"1010101010", "壹拾亿壹仟零壹拾万壹仟零壹拾元整", "1010101010"},
        ConvertCase{"9999999999", "玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元整", "9999999999"},
        ConvertCase{"3.405", "叁元肆角壹分", "3.41"},
        ConvertCase{"12.345", "壹拾贰元叁角伍分", "12.35"},
        ConvertCase{"0012", "壹拾贰元整", "12"}));

struct PastedCase {
    const char *Pasted;
    const char *Capital;
    const char *Rewritten;
};

class MoneyDialogPasted : public MoneyDialog, public ::testing::WithParamInterface<PastedCase> {};

// Texts longer than ten characters can only be pasted in; the results arrive whole.
TEST_P(MoneyDialogPasted, LongTextsArriveWhole) {
    const PastedCase &c = GetParam();
    Dialog.TxtLowercase->setText(c.Pasted);
    Click(Dialog.BtnConvert);
    EXPECT_EQ(Dialog.TxtCapital->text(), QString::fromUtf8(c.Capital)) << c.Pasted;
    EXPECT_EQ(Dialog.TxtLowercase->text(), c.Rewritten) << c.Pasted;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoneyDialogPasted,
    ::testing::Values(PastedCase{"200000000.5", "贰亿元伍角", "200000000.5"},
                      PastedCase{"123456789.12", "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角贰分",
                                 "123456789.12"},
                      PastedCase{"1e12", "壹万亿元整", "1000000000000"},
                      PastedCase{"9999999999999.99",
                                 "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分",
                                 "9999999999999.99"}));

class MoneyDialogRefused : public MoneyDialog,
                           public ::testing::WithParamInterface<const char *> {};

TEST_P(MoneyDialogRefused, InlineMessageAndTheCapitalKept) {
    TypeAndEnter(Dialog.TxtLowercase, "101");
    Dialog.TxtLowercase->setText(GetParam());
    Click(Dialog.BtnConvert);
    EXPECT_EQ(Dialog.TxtMsg->text(), "人民币小写金额数据无效，请重新输入。") << GetParam();
    EXPECT_TRUE(FocusedAndSelected(Dialog.TxtLowercase)) << GetParam();
    EXPECT_EQ(Dialog.TxtCapital->text(), "壹佰零壹元整") << GetParam();
    EXPECT_EQ(Dialog.TxtLowercase->text(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(All, MoneyDialogRefused,
                         ::testing::Values("", ".", "abc", "1.2.3", "-5", "-0.01", "1e13",
                                           "10000000000000", "1e15", "1e400"));

TEST_F(MoneyDialog, NextConversionRemovesTheMessage) {
    Click(Dialog.BtnConvert);
    ASSERT_FALSE(Dialog.TxtMsg->text().isEmpty());
    TypeAndEnter(Dialog.TxtLowercase, "5");
    EXPECT_TRUE(Dialog.TxtMsg->text().isEmpty());
    EXPECT_EQ(Dialog.TxtCapital->text(), "伍元整");
}

TEST_F(MoneyDialog, EnterInTheCapitalBoxDoesNothing) {
    Dialog.TxtLowercase->setText("5");
    Type(Dialog.TxtCapital, "1");
    QTest::keyClick(Dialog.TxtCapital, Qt::Key_Return);
    EXPECT_EQ(Dialog.TxtCapital->text(), "1");
    EXPECT_TRUE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
}

TEST_F(MoneyDialog, BothBoxesTakeOnlyTenTypedDigits) {
    Type(Dialog.TxtLowercase, "12a3.4.5-678901234");
    EXPECT_EQ(Dialog.TxtLowercase->text(), "123.456789");
    Type(Dialog.TxtCapital, "x12345678901");
    EXPECT_EQ(Dialog.TxtCapital->text(), "1234567890");
}

TEST_F(MoneyDialog, CopyPutsTheCapitalOnTheClipboard) {
    Click(Dialog.BtnCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    TypeAndEnter(Dialog.TxtLowercase, "10.05");
    Click(Dialog.BtnCopy);
    EXPECT_EQ(QApplication::clipboard()->text(), "壹拾元零伍分");
}

TEST_F(MoneyDialog, CancelCloses) {
    Click(Dialog.BtnCancel);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(MoneyDialog, EscapeCloses) {
    QTest::keyClick(Dialog.TxtLowercase, Qt::Key_Escape);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST_F(MoneyDialog, TabOrder) {
    EXPECT_EQ(TabChain(Dialog.TxtLowercase, 5),
              QStringList({"TxtLowercase", "BtnConvert", "TxtCapital", "BtnCopy", "BtnCancel"}));
}

} // namespace
