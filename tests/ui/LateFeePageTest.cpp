#include "pages/UFrmLateFee.h"
#include "support/UiTestSupport.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

class LateFeePage : public UiTest::PageTest<TFrmLateFee> {
  protected:
    void Calc(const QString &tax, const QString &days) {
        Page.TxtDays->setText(days);
        TypeAndEnter(Page.TxtTax, tax);
    }
    static QString FocusName() {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
};

TEST_F(LateFeePage, NewPageShowsStoredDateAndCaretInTax) {
    EXPECT_TRUE(Page.TxtTax->hasFocus());
    EXPECT_EQ(Page.dtpStart->date(), QDate(2011, 10, 21));
    EXPECT_EQ(Page.dtpEnd->date(), QDate(2011, 10, 21));
    EXPECT_EQ(Page.dtpStart->text(), "2011年10月21日");
    EXPECT_TRUE(Page.dtpStart->calendarPopup());
    EXPECT_EQ(Page.TxtDays->text(), "0");
}

TEST_F(LateFeePage, CalendarsReadChineseWhateverTheSystemLocale) {
    // The tests run under the C locale (LC_ALL=C.UTF-8), as a system set to English would.
    for (const QDateEdit *picker : {Page.dtpStart, Page.dtpEnd}) {
        const QLocale calendar = picker->calendarWidget()->locale();
        EXPECT_EQ(calendar.language(), QLocale::Chinese) << calendar.name().toStdString();
        EXPECT_EQ(calendar.territory(), QLocale::China) << calendar.name().toStdString();
        EXPECT_EQ(picker->locale().language(), QLocale::Chinese);
    }
}

struct FeeCase {
    const char *Rule;
    const char *Tax;
    const char *Days;
    const char *LateFee;
    const char *Total;
    const char *Days2;
    const char *Tax2;
};

class LateFeeResults : public LateFeePage, public ::testing::WithParamInterface<FeeCase> {};

TEST_P(LateFeeResults, ShownUnroundedAndFocusBackOnTax) {
    const FeeCase &c = GetParam();
    Calc(c.Tax, c.Days);
    EXPECT_EQ(Page.TxtLateFee->text(), c.LateFee) << c.Rule;
    EXPECT_EQ(Page.TxtTotal->text(), c.Total) << c.Rule;
    EXPECT_EQ(Page.TxtDays2->text(), QString::fromUtf8(c.Days2)) << c.Rule;
    EXPECT_EQ(Page.TxtTax2->text(), QString::fromUtf8(c.Tax2)) << c.Rule;
    EXPECT_EQ(Page.TxtRate->text(), "0.05%") << c.Rule;
    EXPECT_EQ(Page.TxtTax->text(), c.Tax) << "the typed tax is not rewritten";
    EXPECT_EQ(Page.TxtTax->selectedText(), c.Tax);
    EXPECT_TRUE(Page.TxtTax->hasFocus());
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LateFeeResults,
    ::testing::Values(FeeCase{"1000 for 30 days", "1000", "30", "15", "1015", "30天", "1000元"},
                      FeeCase{"12345.67 for 45 days", "12345.67", "45", "277.777575",
                              "12623.447575", "45天", "12345.67元"},
                      FeeCase{"no days no fee", "1000", "0", "0", "1000", "0天", "1000元"},
                      FeeCase{"tax rounded to cents", "1000.456", "10", "5.0023", "1005.4623",
                              "10天", "1000.46元"},
                      FeeCase{"pasted sign and blanks in the days", "1000", " +30 ", "15", "1015",
                              "30天", "1000元"}));

TEST_F(LateFeePage, EnterInDaysCalculatesToo) {
    Page.TxtTax->setText("1000");
    TypeAndEnter(Page.TxtDays, "30");
    EXPECT_EQ(Page.TxtLateFee->text(), "15");
    EXPECT_TRUE(Page.TxtTax->hasFocus());
}

TEST_F(LateFeePage, EnterInResultEditsDoesNotCalculate) {
    Page.TxtTax->setText("1000");
    Page.TxtDays->setText("30");
    TypeAndEnter(Page.TxtLateFee, "1");
    TypeAndEnter(Page.TxtTotal, "1");
    EXPECT_EQ(Page.TxtTax2->text(), "0.00元");
}

struct DateCase {
    const char *Rule;
    QDate Start;
    QDate End;
    const char *Days;
};

class LateFeeDates : public LateFeePage, public ::testing::WithParamInterface<DateCase> {};

TEST_P(LateFeeDates, ChangingADateWritesTheCalendarDayDifference) {
    const DateCase &c = GetParam();
    Page.TxtDays->setText("77");
    Page.dtpStart->setDate(c.Start);
    Page.dtpEnd->setDate(c.End);
    EXPECT_EQ(Page.TxtDays->text(), c.Days) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Calendar, LateFeeDates,
    ::testing::Values(DateCase{"1 to 31 March", QDate(2012, 3, 1), QDate(2012, 3, 31), "30"},
                      DateCase{"equal dates", QDate(2012, 3, 1), QDate(2012, 3, 1), "0"},
                      DateCase{"across a leap day", QDate(2012, 2, 28), QDate(2012, 3, 1), "2"},
                      DateCase{"across a year end", QDate(2011, 12, 31), QDate(2012, 1, 1), "1"},
                      DateCase{"paid before due", QDate(2012, 3, 6), QDate(2012, 3, 1), "-5"}));

TEST_F(LateFeePage, KeyInAPickerRecountsAndATypedCountStaysUntilThen) {
    TypeAndEnter(Page.TxtDays, "12");
    EXPECT_EQ(Page.TxtDays->text(), "12");
    Page.dtpEnd->setFocus();
    QTest::keyClick(Page.dtpEnd, Qt::Key_Up); // the year section: 21 October 2012
    EXPECT_EQ(Page.dtpEnd->date(), QDate(2012, 10, 21));
    EXPECT_EQ(Page.TxtDays->text(), "366");
}

struct MessageCase {
    const char *Rule;
    const char *Tax;
    const char *Days;
    const char *Message;
    const char *FocusName;
};

class LateFeeMessages : public LateFeePage, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(LateFeeMessages, InlineMessageFocusAndEarlierResultsStay) {
    const MessageCase &c = GetParam();
    Calc("1000", "30");
    Page.TxtTax->setText(c.Tax);
    Page.TxtDays->setText(c.Days);
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtMsgIncome->text(), QString::fromUtf8(c.Message)) << c.Rule;
    EXPECT_EQ(FocusName(), c.FocusName) << c.Rule;
    auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->selectedText(), edit->text()) << c.Rule;
    EXPECT_EQ(Page.TxtLateFee->text(), "15") << c.Rule;
    EXPECT_EQ(Page.TxtDays2->text(), "30天") << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    All, LateFeeMessages,
    ::testing::Values(
        MessageCase{"empty tax", "", "30", "应纳税额数据无效，请重新输入。", "TxtTax"},
        MessageCase{"lone full stop", ".", "30", "应纳税额数据无效，请重新输入。", "TxtTax"},
        MessageCase{"tax is looked at before the days", "", "3.5", "应纳税额数据无效，请重新输入。",
                    "TxtTax"},
        MessageCase{"fractional days", "1000", "3.5", "滞纳天数数据无效，请重新输入。", "TxtDays"},
        MessageCase{"empty days", "1000", "", "滞纳天数数据无效，请重新输入。", "TxtDays"},
        MessageCase{"days beyond 32 bits", "1000", "2147483648", "滞纳天数数据无效，请重新输入。",
                    "TxtDays"},
        MessageCase{"negative days owe no fee", "1000", "-5", "滞纳天数不能小于0，请重新输入。",
                    "TxtDays"}));

TEST_F(LateFeePage, PaymentBeforeDueDateIsRefusedNotShownAsANegativeFee) {
    Page.TxtTax->setText("1000");
    Page.dtpEnd->setDate(QDate(2011, 10, 16));
    Click(Page.BtnCalc);
    EXPECT_EQ(Page.TxtMsgIncome->text(), "滞纳天数不能小于0，请重新输入。");
    EXPECT_TRUE(Page.TxtLateFee->text().isEmpty());
    EXPECT_EQ(Page.TxtDays->selectedText(), "-5");
}

TEST_F(LateFeePage, NextCalculationClearsTheMessage) {
    Calc("", "30");
    ASSERT_FALSE(Page.TxtMsgIncome->text().trimmed().isEmpty());
    Calc("1000", "30");
    EXPECT_TRUE(Page.TxtMsgIncome->text().isEmpty());
}

TEST_F(LateFeePage, ResetGoesToTodayAndLeavesTheMessageStanding) {
    Calc("1000", "30");
    Page.dtpStart->setDate(QDate(2012, 3, 1));
    Calc("", "30");
    // The day may turn while the test runs.
    const QDate before = QDate::currentDate();
    Click(Page.BtnReset);
    const QDate after = QDate::currentDate();
    for (const QDate shown : {Page.dtpStart->date(), Page.dtpEnd->date()}) {
        EXPECT_GE(shown, before);
        EXPECT_LE(shown, after);
    }
    EXPECT_TRUE(Page.TxtTax->text().isEmpty());
    EXPECT_TRUE(Page.TxtTax->hasFocus());
    EXPECT_EQ(Page.TxtDays->text(), "0");
    EXPECT_EQ(Page.TxtDays2->text(), "0天");
    EXPECT_EQ(Page.TxtRate->text(), "0%");
    EXPECT_EQ(Page.TxtTax2->text(), "0.00元");
    EXPECT_TRUE(Page.TxtLateFee->text().isEmpty());
    EXPECT_TRUE(Page.TxtTotal->text().isEmpty());
    EXPECT_EQ(Page.TxtMsgIncome->text(), "应纳税额数据无效，请重新输入。");
}

TEST_F(LateFeePage, CopyButtonsCopyTheResultBesideThem) {
    Calc("12345.67", "45");
    Click(Page.BtnCopyLateFee);
    EXPECT_EQ(QApplication::clipboard()->text(), "277.777575");
    Click(Page.BtnCopyTotal);
    EXPECT_EQ(QApplication::clipboard()->text(), "12623.447575");
    EXPECT_EQ(Page.BtnCopyLateFee->text(), "复制");
    EXPECT_EQ(Page.BtnCopyTotal->text(), "复制");
}

// The chain of the page's own controls; a date picker's inner editor belongs to the picker.
TEST_F(LateFeePage, TabOrderFollowsTheForm) {
    const QStringList expected{"TxtTax",         "dtpStart",    "dtpEnd",     "TxtDays",
                               "BtnCalc",        "BtnReset",    "TxtLateFee", "TxtTotal",
                               "BtnCopyLateFee", "BtnCopyTotal"};
    QStringList chain;
    QWidget *w = Page.TxtTax;
    while (w && chain.size() < expected.size()) {
        if (w->focusPolicy() != Qt::NoFocus && w->isVisible() && !w->objectName().isEmpty() &&
            !w->objectName().startsWith("qt_"))
            chain << w->objectName();
        w = w->nextInFocusChain();
    }
    EXPECT_EQ(chain.join(' ').toStdString(), expected.join(' ').toStdString());
}

} // namespace
