#include "common/UNumKeyFilter.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class KeyFilter : public ::testing::Test {
  protected:
    void SetUp() override {
        Filter.Attach(&Edit);
        Edit.show();
        QApplication::setActiveWindow(&Edit);
        Edit.setFocus();
    }
    TNumKeyFilter Filter;
    QLineEdit Edit;
};

struct TypedCase {
    const char *Rule;
    const char *Typed;
    const char *Result;
};

class KeyFilterTyping : public KeyFilter, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(KeyFilterTyping, OnlyDigitsAndOnePoint) {
    QTest::keyClicks(&Edit, QString::fromUtf8(GetParam().Typed));
    EXPECT_EQ(Edit.text(), QString::fromUtf8(GetParam().Result)) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, KeyFilterTyping,
    ::testing::Values(TypedCase{"a second point is discarded", "12.3.4", "12.34"},
                      TypedCase{"letters are refused", "1a2b", "12"},
                      TypedCase{"minus and plus are refused", "-5+", "5"},
                      TypedCase{"blanks are refused", "1 2", "12"},
                      TypedCase{"exponents cannot be typed", "1e5", "15"},
                      TypedCase{"at most ten characters", "123456789012", "1234567890"},
                      TypedCase{"a point counts toward ten", "12345.67890", "12345.6789"}));

TEST_F(KeyFilter, FullWidthDigitsAndChineseAreRefused) {
    for (const QString &typed :
         {QStringLiteral("１"), QStringLiteral("元"), QStringLiteral("。")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
        QApplication::sendEvent(&Edit, &press);
    }
    EXPECT_EQ(Edit.text(), "");
}

TEST_F(KeyFilter, PointRefusedEvenWhenTheExistingPointIsSelected) {
    QTest::keyClicks(&Edit, "1.5");
    Edit.setSelection(1, 1);
    QTest::keyClicks(&Edit, ".");
    EXPECT_EQ(Edit.text(), "1.5");
}

TEST_F(KeyFilter, BackspaceAndDeleteWork) {
    QTest::keyClicks(&Edit, "1234");
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit.text(), "123");
    QTest::keyClick(&Edit, Qt::Key_Home);
    QTest::keyClick(&Edit, Qt::Key_Delete);
    EXPECT_EQ(Edit.text(), "23");
}

TEST_F(KeyFilter, TypingOverASelectionAtTheLimitReplacesIt) {
    QTest::keyClicks(&Edit, "1234567890");
    Edit.selectAll();
    QTest::keyClicks(&Edit, "7");
    EXPECT_EQ(Edit.text(), "7");
}

TEST_F(KeyFilter, ProgramTextLongerThanTheLimitStaysWhole) {
    Edit.setText("1584375.16666");
    EXPECT_EQ(Edit.text(), "1584375.16666");
    QTest::keyClick(&Edit, Qt::Key_End);
    QTest::keyClicks(&Edit, "9");
    EXPECT_EQ(Edit.text(), "1584375.16666");
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    EXPECT_EQ(Edit.text(), "1584375.1666");
}

TEST_F(KeyFilter, ClipboardShortcutsStillWork) {
    QTest::keyClicks(&Edit, "4567");
    QTest::keyClick(&Edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&Edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "4567");
    QTest::keyClick(&Edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Edit.text(), "");
    QTest::keyClick(&Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit.text(), "4567");
}

TEST_F(KeyFilter, PasteIsCutToTheRoomLeft) {
    QTest::keyClicks(&Edit, "12345");
    QApplication::clipboard()->setText("abcdefghijkl");
    QTest::keyClick(&Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit.text(), "12345abcde");
    Edit.selectAll();
    QTest::keyClick(&Edit, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Edit.text(), "abcdefghij");
}

TEST_F(KeyFilter, EnterRunsOnlyTheRegisteredAction) {
    int runs = 0;
    QTest::keyClick(&Edit, Qt::Key_Return);
    EXPECT_EQ(runs, 0);
    Filter.SetEnterAction(&Edit, [&runs] { ++runs; });
    QTest::keyClick(&Edit, Qt::Key_Return);
    QTest::keyClick(&Edit, Qt::Key_Enter, Qt::ShiftModifier);
    EXPECT_EQ(runs, 2);
}

} // namespace
