// The page a start opens: the current wage page the first time, afterwards the page shown when
// the program last ended, kept in init.ini beside the other parameters.

#include "app/UFrmMain.h"
#include "common/UFileManager.h"
#include "support/ParamFolders.h"

#include <QAction>
#include <QToolButton>

namespace {

class StartPage : public ParamFolders {
  protected:
    static QString FirstPageOfANewWindow() {
        TFrmMain main;
        return QString::fromLatin1(main.CurrentPage()->metaObject()->className());
    }
    // A window showing the entry's page, closed as the user closes it.
    static void EndOn(const char *Entry) {
        TFrmMain main;
        main.show();
        main.Open(QString::fromLatin1(Entry));
        main.close();
    }
};

TEST_F(StartPage, ALaterStartOpensThePageShownAtTheEnd) {
    EXPECT_EQ(FirstPageOfANewWindow(), "TFrmCurWage");
    EndOn("N3");
    TFrmMain main;
    EXPECT_EQ(QString::fromLatin1(main.CurrentPage()->metaObject()->className()), "TFrmLaoWu");
    EXPECT_TRUE(main.findChild<QAction *>(QStringLiteral("N3"))->isChecked());
    EXPECT_EQ(TFrmMain::FirstPictures().constFirst(), ":/pictures/logo.png");
}

// The page shown through a toolbar button counts as well as one chosen in a menu.
TEST_F(StartPage, ThePageOfAToolbarButtonIsKeptToo) {
    {
        TFrmMain main;
        main.show();
        main.findChild<QAction *>(QStringLiteral("MCurBonus"))->trigger();
        UiTest::Click(main.findChild<QToolButton *>(QStringLiteral("ToolButton2")));
        main.close();
    }
    EXPECT_EQ(FirstPageOfANewWindow(), "TFrmYearAward");
}

TEST_F(StartPage, AValueThatNamesNoShownPageOpensTheFirstStartsPage) {
    for (const char *value : {"N22", "MCurBatch", "MAbout", "Nothing", "../N3", "N3;rm", ""}) {
        WriteFile(BesideProgram(), QByteArray("[Window]\nLastPage=") + value + "\n");
        EXPECT_EQ(FirstPageOfANewWindow(), "TFrmCurWage") << value;
    }
}

// The key goes into a section of its own; the social insurance parameters and every other byte
// of the file stay as they were.
TEST_F(StartPage, KeptBesideTheOtherParametersWithoutTouchingThem) {
    const QByteArray golds = Header() + "\r\nPMin=1500\r\n; a comment\r\n";
    WriteFile(BesideProgram(), golds);
    EndOn("MCurSettle");
    const QByteArray written = ReadFile(BesideProgram());
    EXPECT_TRUE(written.startsWith(golds));
    EXPECT_EQ(written.mid(golds.size()), "[Window]\r\nLastPage=MCurSettle\r\n");
    EXPECT_EQ(TFileManager::ReadSetupInfo()->PMin, 1500);
    EXPECT_EQ(FirstPageOfANewWindow(), "TFrmCurSettle");
}

} // namespace
