#include "app/UStartupWindows.h"

#include "pages/UFrmGoldsSetup.h"
#include "pages/UFrmMoney.h"
#include "shell/UFrmAbout.h"
#include "shell/UFrmFeedback.h"
#include "shell/UFrmProcessBar.h"
#include "shell/UFrmUpdate.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

void MakeSoon(QWidget *Main) {
    QTimer::singleShot(0, Main, [Main] { new TStartupWindows(Main); });
}

// Waits for the first paint of the main window, then goes.
class TFirstPaintWatch : public QObject {
  public:
    explicit TFirstPaintWatch(QWidget *Main) : QObject(Main), Main(Main) {
        Main->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Main && Event->type() == QEvent::Paint) {
            Main->removeEventFilter(this);
            MakeSoon(Main);
            deleteLater();
        }
        return false;
    }

  private:
    QWidget *Main;
};

} // namespace

void TStartupWindows::Schedule(QWidget *Main) {
    const QWindow *window = Main->windowHandle();
    if (Main->isVisible() && window && window->isExposed())
        MakeSoon(Main);
    else
        new TFirstPaintWatch(Main);
}

TStartupWindows::TStartupWindows(QObject *Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("StartupWindows"));
    Created.emplace_back(new TFrmAbout);
    Created.emplace_back(new TFrmMoney);
    Created.emplace_back(new TFrmGoldsSetup);
    Created.emplace_back(new TFrmUpdate(nullptr, false));
    Created.emplace_back(new TFrmFeedback);
    Created.emplace_back(new TFrmProcessBar);
}

TStartupWindows::~TStartupWindows() = default;

QList<QWidget *> TStartupWindows::Windows() const {
    QList<QWidget *> windows;
    for (const auto &window : Created)
        windows.append(window.get());
    return windows;
}
