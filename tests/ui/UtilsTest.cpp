#include "common/UUtils.h"
#include "support/LocalHttpServer.h"
#include "support/QtMessages.h"
#include "support/UiTestSupport.h"
#include "support/UrlCatcher.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct HttpCase {
    const char *Rule;
    QByteArray Response;
    QString Expected;
};

class HttpGetAnswers : public ::testing::TestWithParam<HttpCase> {};

TEST_P(HttpGetAnswers, BodyOrFailureSignal) {
    LocalHttpServer server;
    server.Respond("/version.html", GetParam().Response);
    EXPECT_EQ(TUtils::HttpGet(server.Url() + "version.html"), GetParam().Expected)
        << GetParam().Rule;
    EXPECT_EQ(server.Requests().size(), 1) << GetParam().Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Responses, HttpGetAnswers,
    ::testing::Values(
        HttpCase{"a 200 gives its body",
                 "HTTP/1.1 200 OK\r\nContent-Length: 3\r\nConnection: close\r\n\r\n302", "302"},
        HttpCase{"the body is read as UTF-8",
                 "HTTP/1.1 200 OK\r\nContent-Length: 6\r\nConnection: close\r\n\r\n\xe7\x89\x88\xe6"
                 "\x9c\xac",
                 QStringLiteral("版本")},
        HttpCase{"an empty page gives an empty text",
                 "HTTP/1.1 200 OK\r\nContent-Length: 0\r\nConnection: close\r\n\r\n", ""},
        HttpCase{"a 404 gives an empty text",
                 "HTTP/1.1 404 Not Found\r\nContent-Length: 3\r\nConnection: close\r\n\r\n301", ""},
        HttpCase{"a 500 gives an empty text",
                 "HTTP/1.1 500 Oops\r\nContent-Length: 3\r\nConnection: close\r\n\r\n301", ""},
        HttpCase{"a 304 gives its location",
                 "HTTP/1.1 304 Not Modified\r\nLocation: http://elsewhere.example/v\r\n"
                 "Connection: close\r\n\r\n",
                 "location=http://elsewhere.example/v"},
        HttpCase{"a 302 is not followed",
                 "HTTP/1.1 302 Found\r\nLocation: /other\r\nContent-Length: 3\r\n"
                 "Connection: close\r\n\r\n301",
                 ""}));

TEST(HttpGet, RefusedConnectionGivesEmptyText) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    EXPECT_EQ(TUtils::HttpGet(QStringLiteral("http://127.0.0.1:%1/version.html").arg(port)), "");
}

TEST(HttpGet, BodyLargerThanTheLimitIsRefused) {
    LocalHttpServer server;
    server.RespondBody("/big", QByteArray(TUtils::HttpMaxBody + 1, 'x'));
    server.RespondBody("/fits", QByteArray(TUtils::HttpMaxBody, 'y'));
    const QtMessages messages;
    EXPECT_EQ(TUtils::HttpGet(server.Url() + "big"), "");
    EXPECT_EQ(TUtils::HttpGet(server.Url() + "fits").size(), TUtils::HttpMaxBody);
    EXPECT_EQ(messages.About("QIODevice"), QStringList()) << "the aborted reply is not read";
}

TEST(HttpGet, ServerThatNeverAnswersEndsWithinTheTimeOut) {
    LocalHttpServer server;
    server.NeverAnswer("/version.html");
    QElapsedTimer clock;
    clock.start();
    const QtMessages messages;
    EXPECT_EQ(TUtils::HttpGet(server.Url() + "version.html"), "");
    // Bounded by the time-out, with room for a loaded machine: only a request that hangs fails.
    EXPECT_LT(clock.elapsed(), 3 * TUtils::HttpTimeoutMs);
    EXPECT_EQ(server.Requests().size(), 1);
    EXPECT_EQ(messages.About("QIODevice"), QStringList()) << "the aborted reply is not read";
}

class DesktopServices : public ::testing::Test {
  protected:
    void SetUp() override {
        TUtils::SetLauncherForTesting([this](const QString &program, const QStringList &) {
            Tried.append(program);
            return program == Available;
        });
    }
    void TearDown() override { TUtils::SetLauncherForTesting({}); }
    UrlCatcher Catcher;
    QStringList Tried;
    QString Available;
};

TEST_F(DesktopServices, OpenUrlHandsTheAddressToTheBrowser) {
    TUtils::OpenUrl(TUtils::SiteUrl());
    ASSERT_EQ(Catcher.Opened.size(), 1);
    EXPECT_EQ(Catcher.Opened[0], QUrl("http://www.pendra.example/"));
}

TEST_F(DesktopServices, ChatLinksNameTheSupportContact) {
    TUtils::OpenChat();
    TUtils::OpenShopChat();
    ASSERT_EQ(Catcher.Opened.size(), 2);
    EXPECT_TRUE(Catcher.Opened[0].query().contains("800012345"));
    EXPECT_TRUE(Catcher.Opened[1].toString().contains("touid="));
}

TEST_F(DesktopServices, NotepadStartsTheFirstEditorThatExistsAndSaysNothing) {
    Available = "mousepad";
    const UiTest::ModalSeen seen = UiTest::CloseNextModal([] { TUtils::OpenNotepad(nullptr); });
    EXPECT_FALSE(seen.Shown);
    ASSERT_FALSE(Tried.isEmpty());
    EXPECT_EQ(Tried.last(), "mousepad");
    EXPECT_EQ(Tried.count("mousepad"), 1);
}

TEST_F(DesktopServices, WithNoneInstalledABoxNamesEveryProgramLookedFor) {
    const std::pair<const char *, std::function<void()>> tools[] = {
        {"文本编辑器", [] { TUtils::OpenNotepad(nullptr); }},
        {"计算器", [] { TUtils::OpenCalc(nullptr); }}};
    for (const auto &[kind, open] : tools) {
        Tried.clear();
        const UiTest::ModalSeen seen = UiTest::CloseNextModal(open);
        EXPECT_TRUE(seen.Shown) << kind;
        EXPECT_EQ(seen.Title, "提示") << kind;
        EXPECT_TRUE(seen.Text.contains(QString::fromUtf8(kind))) << seen.Text.toStdString();
        EXPECT_GE(Tried.size(), 3) << kind;
        EXPECT_EQ(Tried.removeDuplicates(), 0) << kind;
        for (const QString &program : Tried)
            EXPECT_TRUE(seen.Text.contains(program)) << program.toStdString();
        EXPECT_TRUE(Catcher.Opened.isEmpty()) << kind;
    }
}

TEST(SitePage, JoinsTheSiteAndAPath) {
    TUtils::SetSiteUrlForTesting("http://127.0.0.1:9/");
    EXPECT_EQ(TUtils::SitePage("/version.html"), "http://127.0.0.1:9/version.html");
    TUtils::SetSiteUrlForTesting({});
    EXPECT_EQ(TUtils::SitePage("/ads/test.html"), "http://www.pendra.example/ads/test.html");
}

TEST(Clipboard, CopyPutsPlainTextExactly) {
    TUtils::CopyToClipboard(QStringLiteral("0.000300000000006548"));
    EXPECT_EQ(QApplication::clipboard()->text(), "0.000300000000006548");
    TUtils::CopyToClipboard({});
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

} // namespace
