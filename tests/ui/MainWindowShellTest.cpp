#include "app/UFrmMain.h"
#include "app/UStartupWindows.h"
#include "app/UWebBrowser.h"
#include "common/UUtils.h"
#include "pages/UFrmGoldsSetup.h"
#include "support/LocalHttpServer.h"
#include "support/ParamFolders.h"
#include "support/QtMessages.h"
#include "support/UiTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class MainWindowShell : public ::testing::Test {
  protected:
    void SetUp() override { TUtils::SetSiteUrlForTesting(Server.Url()); }
    void TearDown() override { TUtils::SetSiteUrlForTesting({}); }
    LocalHttpServer Server;
};

struct AdCase {
    const char *Rule;
    QByteArray Response; // empty: not served (the server's 404 page)
    const char *Title;
    bool Hidden;
};

class AdvertisementTitle : public MainWindowShell, public ::testing::WithParamInterface<AdCase> {};

TEST_P(AdvertisementTitle, HidesThePanelOnTheTwoTitles) {
    const AdCase &c = GetParam();
    if (!c.Response.isEmpty())
        Server.Respond("/ads/test.html", c.Response);
    TFrmMain main;
    EXPECT_TRUE(main.WebBrowser1->LocationName().isEmpty()) << "the window did not wait";
    main.PanelAds->setVisible(true); // so that hiding it shows
    ASSERT_TRUE(UiTest::WaitFor([&] { return !main.WebBrowser1->LocationName().isEmpty(); }));
    EXPECT_EQ(main.WebBrowser1->LocationName().toStdString(), c.Title) << c.Rule;
    EXPECT_EQ(main.PanelAds->isHidden(), c.Hidden) << c.Rule;
    EXPECT_EQ(Server.Requests(), QList<QByteArray>{"/ads/test.html"});
}

QByteArray Page(const QByteArray &Title) {
    return LocalHttpServer::Response("200 OK",
                                     "<HTML><Head><TITLE>\n " + Title + " </TITLE></head></html>");
}

INSTANTIATE_TEST_SUITE_P(
    Titles, AdvertisementTitle,
    ::testing::Values(
        AdCase{"the server's not-found page", {}, "404 Not Found", true},
        AdCase{"a page titled 404 Not Found", Page("404 Not Found"), "404 Not Found", true},
        AdCase{"a page titled as the browser's no-page", Page("没有可以显示的页面"),
               "没有可以显示的页面", true},
        AdCase{"an advertisement keeps the panel", Page("Pendra 广告"), "Pendra 广告", false},
        AdCase{"a near miss keeps the panel", Page("404 not found"), "404 not found", false}));

// Whether a condition held when the window painted itself for the first time.
class AtFirstPaint : public QObject {
  public:
    AtFirstPaint(QWidget *Window, std::function<bool()> Condition)
        : Window(Window), Condition(std::move(Condition)) {
        Window->installEventFilter(this);
    }
    bool Painted = false;
    bool Held = false;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Window && Event->type() == QEvent::Paint && !Painted) {
            Painted = true;
            Held = Condition();
        }
        return false;
    }

  private:
    QWidget *Window;
    std::function<bool()> Condition;
};

TEST_F(MainWindowShell, AdvertisementWaitsForTheFirstPaint) {
    Server.Respond("/ads/test.html", Page("Pendra 广告"));
    TFrmMain main;
    AtFirstPaint probe(&main, [&] { return main.findChild<QNetworkAccessManager *>() != nullptr; });
    main.show();
    ASSERT_TRUE(UiTest::WaitFor([&] { return !main.WebBrowser1->LocationName().isEmpty(); }));
    EXPECT_TRUE(probe.Painted);
    EXPECT_FALSE(probe.Held) << "the network was started before the window was on screen";
    EXPECT_EQ(main.WebBrowser1->LocationName(), "Pendra 广告");
    EXPECT_EQ(Server.Requests(), QList<QByteArray>{"/ads/test.html"});
}

TEST_F(MainWindowShell, NoServerGivesTheNoPageTitle) {
    TUtils::SetSiteUrlForTesting(RefusingUrl());
    TFrmMain main;
    main.PanelAds->setVisible(true);
    ASSERT_TRUE(UiTest::WaitFor(
        [&] { return main.WebBrowser1->LocationName() == TWebBrowser::NoPageTitle; }));
    EXPECT_EQ(main.WebBrowser1->LocationName(), TWebBrowser::NoPageTitle);
    EXPECT_TRUE(main.PanelAds->isHidden());
}

TEST_F(MainWindowShell, PageBeyondTheReadLimitIsAbortedAndNotReadAfter) {
    Server.RespondBody("/ads/test.html", QByteArray(2 * TWebBrowser::MaxBody, 'x'));
    const QtMessages messages;
    TWebBrowser browser;
    browser.Navigate(Server.Url() + "ads/test.html");
    ASSERT_TRUE(UiTest::WaitFor([&] { return !browser.LocationName().isEmpty(); }));
    EXPECT_EQ(browser.LocationName(), Server.Url() + "ads/test.html") << "answered, no title";
    EXPECT_EQ(messages.About("QIODevice"), QStringList());
}

TEST(WebBrowserTitle, ExtractsTheFirstTitle) {
    EXPECT_EQ(TWebBrowser::ExtractTitle("<title>a</title><title>b</title>"), "a");
    EXPECT_EQ(TWebBrowser::ExtractTitle("<TITLE lang=zh>\t广告\r\n页</Title>"), "广告 页");
    EXPECT_EQ(TWebBrowser::ExtractTitle("<title>no end"), "");
    EXPECT_EQ(TWebBrowser::ExtractTitle("no title"), "");
    EXPECT_EQ(TWebBrowser::ExtractTitle(QByteArray("<title>\x1b]0;") + '\0' + "ad\x07\x7f</title>"),
              "]0;ad");
}

struct FetchCase {
    const char *Rule;
    QByteArray Response; // empty: not served
    QString Caption;
};

class BackgroundFetch : public MainWindowShell, public ::testing::WithParamInterface<FetchCase> {};

TEST_P(BackgroundFetch, SetsTheCaption) {
    const FetchCase &c = GetParam();
    if (!c.Response.isEmpty())
        Server.Respond("/version.html", c.Response);
    TFrmMain main;
    main.findChild<QAction *>(QStringLiteral("N23"))->trigger();
    ASSERT_TRUE(UiTest::WaitFor([&] { return main.windowTitle() == c.Caption; }));
    EXPECT_EQ(main.windowTitle(), c.Caption);
    EXPECT_TRUE(Server.Requests().contains("/version.html")) << c.Rule;
    ASSERT_TRUE(UiTest::WaitFor([&] {
        return !main.findChild<QObject *>(TFrmMain::VersionRequestName);
    })); // the finished request is released
}

INSTANTIATE_TEST_SUITE_P(
    Pages, BackgroundFetch,
    ::testing::Values(FetchCase{"the version number", LocalHttpServer::Response("200 OK", "302\n"),
                                QStringLiteral("302")},
                      FetchCase{"control characters removed",
                                LocalHttpServer::Response("200 OK", QByteArray("302") + '\0' +
                                                                        "\x1b[31m\r\u202e9"),
                                QStringLiteral("302[31m9")},
                      FetchCase{
                          "at most 200 characters",
                          LocalHttpServer::Response("200 OK", QString(300, QChar(u'税')).toUtf8()),
                          QString(200, QChar(u'税'))},
                      FetchCase{"a failed fetch empties the caption", {}, QString()}));

TEST_F(MainWindowShell, ClosingTheWindowEndsARunningFetch) {
    Server.NeverAnswer("/version.html");
    auto *main = new TFrmMain;
    main->findChild<QAction *>(QStringLiteral("N23"))->trigger();
    ASSERT_TRUE(UiTest::WaitFor([&] { return Server.Requests().contains("/version.html"); }));
    QPointer<QObject> request = main->findChild<QObject *>(TFrmMain::VersionRequestName);
    ASSERT_TRUE(request);
    delete main; // must neither wait for the time-out nor leave the request behind
    EXPECT_TRUE(request.isNull());
}

class StartupWindows : public ParamFolders {};

TEST_F(StartupWindows, MadeInOrderAfterTheMainWindowAndNeverShown) {
    WriteFile(BesideProgram(), Header() + "\r\nSMax=9000\r\n");
    TFrmMain main;
    main.show();
    TStartupWindows::Schedule(&main);
    EXPECT_EQ(main.findChild<TStartupWindows *>(), nullptr) << "nothing is made before the loop";
    ASSERT_TRUE(UiTest::WaitFor([&] { return main.findChild<TStartupWindows *>() != nullptr; }));
    QStringList order;
    const QList<QWidget *> windows = main.findChild<TStartupWindows *>()->Windows();
    for (QWidget *window : windows) {
        order << QString::fromLatin1(window->metaObject()->className());
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(order, QStringList({"TFrmAbout", "TFrmMoney", "TFrmGoldsSetup", "TFrmUpdate",
                                  "TFrmFeedback", "TFrmProcessBar"}));
    EXPECT_EQ(qobject_cast<TFrmGoldsSetup *>(windows[2])->TxtSMax->text(), "9000")
        << "the parameter dialog read the file";
}

// A FIFO never gets a writer: opening it to read would wait for good.
TEST_F(StartupWindows, FifoForAParameterFileNeitherHangsNorIsRead) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(BesideProgram()).constData(), 0644), 0);
    TFrmMain main;
    main.show();
    TStartupWindows::Schedule(&main);
    ASSERT_TRUE(UiTest::WaitFor([&] { return main.findChild<TStartupWindows *>() != nullptr; }));
    bool timerFired = false;
    QTimer::singleShot(0, &main, [&] { timerFired = true; });
    EXPECT_TRUE(UiTest::WaitFor([&] { return timerFired; })) << "the event loop turns";
    const auto *setup =
        qobject_cast<TFrmGoldsSetup *>(main.findChild<TStartupWindows *>()->Windows().at(2));
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->TxtSMax->text(), "0");
}

// Records whether the start-up windows already existed when the main window first painted.
class FirstPaintProbe : public QObject {
  public:
    explicit FirstPaintProbe(QWidget *Main) : Main(Main) { Main->installEventFilter(this); }
    bool Painted = false;
    bool WindowsAtFirstPaint = false;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Main && Event->type() == QEvent::Paint && !Painted) {
            Painted = true;
            WindowsAtFirstPaint = Main->findChild<TStartupWindows *>() != nullptr;
        }
        return false;
    }

  private:
    QWidget *Main;
};

TEST_F(StartupWindows, WaitForTheFirstPaintOfTheMainWindow) {
    TFrmMain main;
    TStartupWindows::Schedule(&main);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(main.findChild<TStartupWindows *>(), nullptr)
        << "nothing is made while the main window is not on screen";
    FirstPaintProbe probe(&main);
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.findChild<TStartupWindows *>() != nullptr; }));
    EXPECT_TRUE(probe.Painted);
    EXPECT_FALSE(probe.WindowsAtFirstPaint) << "the main window painted before they were made";
    EXPECT_EQ(main.findChildren<TStartupWindows *>().size(), 1);
}

TEST_F(StartupWindows, MadeAtOnceForAMainWindowAlreadyOnScreen) {
    TFrmMain main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    TStartupWindows::Schedule(&main);
    EXPECT_EQ(main.findChild<TStartupWindows *>(), nullptr) << "nothing is made before the loop";
    EXPECT_TRUE(QTest::qWaitFor([&] { return main.findChild<TStartupWindows *>() != nullptr; }))
        << "no second paint is awaited";
}

} // namespace
