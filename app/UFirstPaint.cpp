#include "app/UFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

namespace {

void Soon(QWidget *Window, std::function<void()> Go) {
    QTimer::singleShot(0, Window, std::move(Go));
}

// Waits for the first paint of the window, then goes.
class TFirstPaintWatch : public QObject {
  public:
    TFirstPaintWatch(QWidget *Window, std::function<void()> Go)
        : QObject(Window), Window(Window), Go(std::move(Go)) {
        Window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Window && Event->type() == QEvent::Paint) {
            Window->removeEventFilter(this);
            Soon(Window, std::move(Go));
            deleteLater();
        }
        return false;
    }

  private:
    QWidget *Window;
    std::function<void()> Go;
};

} // namespace

namespace FirstPaint {

void Then(QWidget *Window, std::function<void()> Go) {
    const QWindow *native = Window->windowHandle();
    if (Window->isVisible() && native && native->isExposed())
        Soon(Window, std::move(Go));
    else
        new TFirstPaintWatch(Window, std::move(Go));
}

} // namespace FirstPaint
