// Dialogs on a laptop's 1366×768 screen: each opens centred on the main window and wholly inside
// the screen, wherever the main window stands. Run on an offscreen screen of that size
// (tests/support/screen-1366x768.json, see tests/CMakeLists.txt).

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UMsgBox.h"
#include "support/UiTestSupport.h"

#include <QDialog>
#include <QScreen>
#include <gtest/gtest.h>

using namespace UiTest;

namespace {

struct Placed {
    QString Name;
    QRect Frame;
};

class SmallScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::primaryScreen()->size(), QSize(1366, 768))
            << "run with QT_QPA_PLATFORM=offscreen:configfile=tests/support/screen-1366x768.json";
        ShowActive(&Main);
    }
    // Where every dialog of the registry opens over the main window, and a message box.
    std::vector<Placed> Dialogs() {
        std::vector<Placed> placed;
        const auto record = [&placed](QWidget *Modal) {
            placed.push_back(
                {QString::fromLatin1(Modal->metaObject()->className()), Modal->frameGeometry()});
        };
        for (const PageRegistry::Entry &entry : Main.Entries()) {
            if (entry.Opens != PageRegistry::Kind::Dialog)
                continue;
            EXPECT_TRUE(CloseNextModal([&] { Main.Open(entry.Name); }, record).Shown)
                << entry.Name.toStdString();
        }
        CloseNextModal([this] { MsgBox::Show(&Main, QStringLiteral("提示文字")); }, record);
        return placed;
    }
    QRect Area() const { return QGuiApplication::primaryScreen()->availableGeometry(); }
    TFrmMain Main;
};

TEST_F(SmallScreen, DialogsOpenCentredOnTheMainWindow) {
    const std::vector<Placed> placed = Dialogs();
    ASSERT_EQ(placed.size(), 6u);
    for (const Placed &dialog : placed) {
        SCOPED_TRACE(dialog.Name.toStdString());
        EXPECT_TRUE(Area().contains(dialog.Frame));
        const QPoint offset = dialog.Frame.center() - Main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2);
    }
}

// A main window pushed into a corner takes its dialogs along only as far as the screen allows.
TEST_F(SmallScreen, DialogsStayInsideTheScreenWhereverTheMainWindowIs) {
    for (const QPoint corner : {Area().topLeft() - QPoint(600, 500), Area().bottomRight()}) {
        Main.move(corner);
        for (const Placed &dialog : Dialogs())
            EXPECT_TRUE(Area().contains(dialog.Frame))
                << dialog.Name.toStdString() << " at " << dialog.Frame.x() << ","
                << dialog.Frame.y() << " " << dialog.Frame.width() << "x" << dialog.Frame.height();
    }
}

} // namespace
