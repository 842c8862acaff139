#include "app/UFrmMain.h"
#include "common/UCalcPage.h"
#include "common/UShellWindow.h"
#include "shell/UFrmAbout.h"
#include "shell/UFrmFeedback.h"
#include "shell/UFrmProcessBar.h"
#include "support/OpenedUrls.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

struct CopyCase {
    const char *Button;
    const char *Edit;
};

class FeedbackCopy : public ::testing::TestWithParam<CopyCase> {};

TEST_P(FeedbackCopy, PutsExactlyTheEditsTextOnTheClipboard) {
    TFrmFeedback window;
    window.show();
    QApplication::clipboard()->setText(QStringLiteral("before"));
    auto *edit = Find<QLineEdit>(&window, QString::fromUtf8(GetParam().Edit));
    Click(Find<QPushButton>(&window, QString::fromUtf8(GetParam().Button)));
    EXPECT_FALSE(edit->text().isEmpty());
    EXPECT_EQ(QApplication::clipboard()->text(), edit->text());
    EXPECT_TRUE(edit->isReadOnly());
}

INSTANTIATE_TEST_SUITE_P(Rows, FeedbackCopy,
                         ::testing::Values(CopyCase{"BtnQQ", "TxtQQ"},
                                           CopyCase{"BtnWangwang", "TxtWangwang"},
                                           CopyCase{"BtnEmail", "TxtEmail"}));

TEST(Feedback, ChatPicturesOpenTheSupportContactsChats) {
    OpenedUrls opened;
    TFrmFeedback window;
    window.show();
    QTest::mouseClick(window.ImgQQ, Qt::LeftButton);
    QTest::mouseClick(window.ImgWW, Qt::LeftButton);
    ASSERT_EQ(opened.Urls.size(), 2);
    EXPECT_TRUE(opened.Urls[0].query().contains(QStringLiteral("uin=") + window.TxtQQ->text()))
        << opened.Urls[0].toString().toStdString();
    EXPECT_TRUE(opened.Urls[1].query(QUrl::FullyDecoded).contains(window.TxtWangwang->text()))
        << opened.Urls[1].toString().toStdString();
    EXPECT_TRUE(TCalcPage::StatusNotice().contains(window.TxtQQ->text()))
        << "the pages' notice names the same contact";
}

// Opens the window from the menu entry and presses Escape in it.
ModalSeen OpenAndEscape(QAction *Entry, bool &ClosedByEscape) {
    return CloseNextModal([Entry] { Entry->trigger(); },
                          [&](QWidget *window) {
                              QTest::keyClick(window, Qt::Key_Escape);
                              ClosedByEscape = !window->isVisible();
                          });
}

TEST(Feedback, OpensFromTheMenuAndEscapeCloses) {
    TFrmMain main;
    bool closed = false;
    const ModalSeen seen =
        OpenAndEscape(main.findChild<QAction *>(QStringLiteral("MFeedback")), closed);
    EXPECT_EQ(seen.ClassName, "TFrmFeedback");
    EXPECT_EQ(seen.Title, "意见反馈");
    EXPECT_TRUE(closed);
}

TEST(About, OpensFromTheMenuAndEscapeCloses) {
    TFrmMain main;
    bool closed = false;
    const ModalSeen seen =
        OpenAndEscape(main.findChild<QAction *>(QStringLiteral("MAbout")), closed);
    EXPECT_EQ(seen.ClassName, "TFrmAbout");
    EXPECT_EQ(seen.Title, "关于 Pendra");
    EXPECT_TRUE(closed);
}

TEST(About, ShowsNameVersionAndContactAndCancelCloses) {
    TFrmAbout window;
    window.show();
    QStringList texts;
    for (QLabel *label : window.findChildren<QLabel *>())
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Pendra个人所得税计算器  V3.01")));
    for (const char *start : {"作者：", "QQ：", "旺旺：", "Email："})
        EXPECT_EQ(texts.filter(QRegularExpression(QStringLiteral("^") + start + ".+")).size(), 1)
            << start;
    Click(window.Button1);
    EXPECT_FALSE(window.isVisible());
}

TEST(ShellWindows, ReturnOnAFocusedCancelCloses) {
    TFrmAbout about;
    TFrmFeedback feedback;
    for (const auto &[window, cancel] : {std::pair<QDialog *, QPushButton *>{&about, about.Button1},
                                         {&feedback, feedback.BtnCancel}}) {
        ShowActive(window);
        cancel->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cancel, Qt::Key_Return);
        EXPECT_FALSE(window->isVisible()) << window->metaObject()->className();
    }
}

TEST(ProcessBar, WaitsASecondThenFillsTheBarAndCloses) {
    TFrmProcessBar bar;
    EXPECT_FALSE(bar.MyTimer->isActive()) << "disabled at creation";
    bar.show();
    EXPECT_TRUE(bar.MyTimer->isActive());
    EXPECT_EQ(bar.MyTimer->interval(), 1000);
    EXPECT_EQ(bar.progressBar->value(), 0);
    ASSERT_TRUE(UiTest::WaitFor([&] { return !bar.isVisible(); }, 5000));
    EXPECT_FALSE(bar.MyTimer->isActive());
    EXPECT_EQ(bar.progressBar->maximum(), 10);
    EXPECT_EQ(bar.progressBar->value(), 10);
}

} // namespace
