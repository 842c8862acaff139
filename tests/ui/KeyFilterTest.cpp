#include "common/UNumKeyFilter.h"
#include "support/UiTestSupport.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <gtest/gtest.h>

#include <memory>

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

// Every way text gets into an edit, each with what a hostile clipboard or sender holds: letters,
// an exponent, a second point and far more than ten characters.
struct EntryCase {
    const char *Way;
    std::function<void(QLineEdit &Edit, const QString &Text)> Enter;
};

class KeyFilterEntry : public KeyFilter, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(KeyFilterEntry, HoldsToTheRule) {
    QTest::keyClicks(&Edit, "12");
    GetParam().Enter(Edit, QStringLiteral("1e400.5.6789") + QString(32000, QChar(u'x')));
    EXPECT_EQ(Edit.text(), "121400.567") << GetParam().Way;
    QTest::keyClicks(&Edit, "9");
    EXPECT_EQ(Edit.text(), "121400.567") << "the edit is full";
}

QPoint EndOfText(const QLineEdit &Edit) {
    return QPoint(Edit.width() - 3, Edit.height() / 2);
}

void PasteByKey(QLineEdit &Edit, const QString &Text) {
    QApplication::clipboard()->setText(Text);
    QTest::keyClick(&Edit, Qt::Key_V, Qt::ControlModifier);
}

void PasteFromTheContextMenu(QLineEdit &Edit, const QString &Text) {
    QApplication::clipboard()->setText(Text);
    // The entry is known by its shortcut, whatever the language.
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    const std::unique_ptr<QMenu> menu(Edit.createStandardContextMenu());
    for (QAction *action : menu->actions()) {
        if (action->text().endsWith(QChar(u'\t') + shortcut))
            action->trigger();
    }
}

void PasteByMiddleClick(QLineEdit &Edit, const QString &Text) {
    QClipboard *clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection()) {
        // Where the platform has no selection (offscreen), what QLineEdit does on a middle click.
        Edit.insert(Text);
        return;
    }
    clipboard->setText(Text, QClipboard::Selection);
    QTest::mouseClick(&Edit, Qt::MiddleButton, {}, EndOfText(Edit));
}

// A drag that enters the edit, then the drop: Qt delivers a drop only where a drag was accepted.
void Drop(QLineEdit &Edit, const QString &Text) {
    QMimeData data;
    data.setText(Text);
    QDragEnterEvent enter(EndOfText(Edit), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Edit, &enter);
    QDropEvent drop(EndOfText(Edit), Qt::CopyAction, &data, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&Edit, &drop);
}

void CommitFromAnInputMethod(QLineEdit &Edit, const QString &Text) {
    QInputMethodEvent commit;
    commit.setCommitString(Text);
    QApplication::sendEvent(&Edit, &commit);
}

INSTANTIATE_TEST_SUITE_P(Ways, KeyFilterEntry,
                         ::testing::Values(EntryCase{"Ctrl+V", PasteByKey},
                                           EntryCase{"the context menu", PasteFromTheContextMenu},
                                           EntryCase{"a middle click", PasteByMiddleClick},
                                           EntryCase{"a drop", Drop},
                                           EntryCase{"an input method", CommitFromAnInputMethod}));

TEST_F(KeyFilter, PastedPointOverTheSelectedPointStays) {
    QTest::keyClicks(&Edit, "1.5");
    Edit.selectAll();
    QApplication::clipboard()->setText("2.75");
    QTest::keyClick(&Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit.text(), "2.75");
}

TEST_F(KeyFilter, UnlimitedEditTakesLongNumbersButStillOnlyDigits) {
    TNumKeyFilter::SetUnlimited(&Edit);
    QApplication::clipboard()->setText("12345678901234567890a.5-");
    QTest::keyClick(&Edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit.text(), "12345678901234567890.5");
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
