#include "app/UFrmMain.h"
#include "common/UShellWindow.h"
#include "common/UUtils.h"
#include "shell/UFrmUpdate.h"
#include "support/LocalHttpServer.h"
#include "support/OpenedUrls.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

const QString NetworkFault = QStringLiteral("网络故障，无法通信，请稍后再试。");
const QString UpToDate = QStringLiteral("当前软件版本已经是最新的。");
const QString Newer = QStringLiteral("当前软件不是最新版本，请到官网下载最新版本。");

class UpdateCheck : public ::testing::Test {
  protected:
    void SetUp() override { TUtils::SetSiteUrlForTesting(Server.Url()); }
    void TearDown() override { TUtils::SetSiteUrlForTesting({}); }

    struct Answer {
        ModalSeen Seen;
        QString Message; // TxtMsg of the answer window
        QString Button;  // BtnOK's caption
        bool BusyMeanwhile = false;
    };
    Answer Check() {
        Answer answer;
        answer.Seen =
            CloseNextModal([&] { Main.findChild<QAction *>(QStringLiteral("MUpdate"))->trigger(); },
                           [&](QWidget *window) {
                               const QCursor *cursor = QApplication::overrideCursor();
                               answer.BusyMeanwhile = cursor && cursor->shape() == Qt::WaitCursor;
                               if (auto *update = qobject_cast<TFrmUpdate *>(window)) {
                                   answer.Message = update->TxtMsg->text();
                                   answer.Button = update->BtnOK->text();
                               }
                           });
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the cursor is back to normal";
        return answer;
    }

    LocalHttpServer Server;
    TFrmMain Main;
};

struct VersionCase {
    const char *Rule;
    QByteArray Response; // raw HTTP response for /version.html; empty: not served (404)
    const char *Message; // empty: the network fault box
    const char *Button;
};

class UpdateCheckVersions : public UpdateCheck,
                            public ::testing::WithParamInterface<VersionCase> {};

TEST_P(UpdateCheckVersions, Answer) {
    const VersionCase &c = GetParam();
    if (!c.Response.isEmpty())
        Server.Respond("/version.html", c.Response);
    const Answer answer = Check();
    EXPECT_TRUE(answer.BusyMeanwhile) << c.Rule;
    EXPECT_EQ(Server.Requests(), QList<QByteArray>{"/version.html"}) << c.Rule;
    if (QString::fromUtf8(c.Message).isEmpty()) {
        EXPECT_EQ(answer.Seen.Title, "更新提示") << c.Rule;
        EXPECT_EQ(answer.Seen.Text, NetworkFault) << c.Rule;
        return;
    }
    EXPECT_EQ(answer.Seen.ClassName, "TFrmUpdate") << c.Rule;
    EXPECT_EQ(answer.Seen.Title, "Pendra计算器 - 更新提示") << c.Rule;
    EXPECT_EQ(answer.Message.toStdString(), c.Message) << c.Rule;
    EXPECT_EQ(answer.Button.toStdString(), c.Button) << c.Rule;
}

QByteArray Ok(const QByteArray &Body) {
    return LocalHttpServer::Response("200 OK", Body);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, UpdateCheckVersions,
    ::testing::Values(
        VersionCase{"300 is older: up to date", Ok("300"), "当前软件版本已经是最新的。", "确定"},
        VersionCase{"301 is this version: up to date", Ok("301"), "当前软件版本已经是最新的。",
                    "确定"},
        VersionCase{"302 is newer", Ok("302"), "当前软件不是最新版本，请到官网下载最新版本。",
                    "打开官网"},
        VersionCase{"blanks and a sign before the number are allowed", Ok("  +302"),
                    "当前软件不是最新版本，请到官网下载最新版本。", "打开官网"},
        VersionCase{"a negative number is older", Ok("-5"), "当前软件版本已经是最新的。", "确定"},
        VersionCase{"302 followed by a line break is unreadable", Ok("302\n"), "", ""},
        VersionCase{"302 followed by CRLF is unreadable", Ok("302\r\n"), "", ""},
        VersionCase{"an empty page", Ok(""), "", ""},
        VersionCase{"words", Ok("version 302"), "", ""},
        VersionCase{"a number too large for an integer", Ok("99999999999"), "", ""},
        VersionCase{"404", {}, "", ""},
        VersionCase{"a server error with a number in its body",
                    LocalHttpServer::Response("500 Internal Server Error", "302"), "", ""},
        VersionCase{"304 with Location",
                    LocalHttpServer::Response("304 Not Modified", "",
                                              "Location: http://127.0.0.1:1/302\r\n"),
                    "", ""},
        VersionCase{"a body larger than the limit",
                    Ok("302" + QByteArray(TUtils::HttpMaxBody, ' ')), "", ""}));

TEST_F(UpdateCheck, RefusedConnection) {
    TUtils::SetSiteUrlForTesting(RefusingUrl());
    const Answer answer = Check();
    EXPECT_EQ(answer.Seen.Title, "更新提示");
    EXPECT_EQ(answer.Seen.Text, NetworkFault);
}

TEST_F(UpdateCheck, ServerThatNeverAnswersEndsWithinTheTimeOut) {
    Server.NeverAnswer("/version.html");
    QElapsedTimer clock;
    clock.start();
    const Answer answer = Check();
    EXPECT_EQ(answer.Seen.Text, NetworkFault);
    EXPECT_LT(clock.elapsed(), 3 * TUtils::HttpTimeoutMs) << "the request gave up";
}

TEST_F(UpdateCheck, HttpGetReports304AsItsLocation) {
    Server.Respond("/moved", LocalHttpServer::Response("304 Not Modified", "",
                                                       "Location: http://elsewhere.example/\r\n"));
    EXPECT_EQ(TUtils::HttpGet(Server.Url() + "moved"), "location=http://elsewhere.example/");
    Server.RespondBody("/v", "302");
    EXPECT_EQ(TUtils::HttpGet(Server.Url() + "v"), "302");
}

TEST_F(UpdateCheck, OpenSiteButtonOpensTheHomePageAndCloses) {
    OpenedUrls opened;
    TFrmUpdate window(nullptr, true);
    window.show();
    Click(window.BtnOK);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    ASSERT_EQ(opened.Urls.size(), 1);
    EXPECT_EQ(opened.Urls[0].toString(), TUtils::SiteUrl());
}

TEST_F(UpdateCheck, OkButtonOfUpToDateOnlyCloses) {
    OpenedUrls opened;
    TFrmUpdate window(nullptr, false);
    window.show();
    Click(window.BtnOK);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(opened.Urls.isEmpty());
}

TEST_F(UpdateCheck, ReturnOnAFocusedCancelCancelsRatherThanOpeningTheSite) {
    OpenedUrls opened;
    TFrmUpdate window(nullptr, true);
    ShowActive(&window);
    window.BtnCancel->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window.BtnCancel, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_TRUE(opened.Urls.isEmpty());
}

TEST_F(UpdateCheck, SiteAddressOpensAndTheWindowStays) {
    OpenedUrls opened;
    TFrmUpdate window(nullptr, false);
    window.show();
    EXPECT_EQ(window.TxtUrl->text(), TUtils::SiteUrl());
    QTest::mouseClick(window.TxtUrl, Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    ASSERT_EQ(opened.Urls.size(), 1);
    EXPECT_EQ(opened.Urls[0].toString(), TUtils::SiteUrl());
    Click(window.BtnCancel);
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
