#include "common/UDialogPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace DialogPlacement {
namespace {

QWidget *Owner(QWidget *Dialog) {
    if (QWidget *parent = Dialog->parentWidget(); parent && parent->window()->isVisible())
        return parent->window();
    QWidget *active = QApplication::activeWindow();
    return active && active != Dialog && active->isVisible() ? active : nullptr;
}

// The start of a span of Length inside [Low, Low + Room), as near Wanted as that allows.
int Inside(int Wanted, int Length, int Low, int Room) {
    return std::clamp(Wanted, Low, Low + std::max(0, Room - Length));
}

class TPlacer : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() == QEvent::Show && !Event->spontaneous() && Watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(Watched);
            if (widget->isWindow() && widget->windowType() == Qt::Dialog)
                Place(widget);
        }
        return false;
    }
};

} // namespace

void Place(QWidget *Dialog) {
    QWidget *owner = Owner(Dialog);
    const QScreen *screen = owner ? owner->screen() : Dialog->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // The frame is known only once the window system has decorated the window; before that it
    // counts as none.
    const QSize frame = Dialog->frameGeometry().size() - Dialog->size();
    const QSize room = area.size() - frame;
    if (Dialog->width() > room.width() || Dialog->height() > room.height())
        Dialog->resize(Dialog->size().boundedTo(room).expandedTo(Dialog->minimumSize()));
    QRect placed(QPoint(), Dialog->size() + frame);
    placed.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    Dialog->move(Inside(placed.left(), placed.width(), area.left(), area.width()),
                 Inside(placed.top(), placed.height(), area.top(), area.height()));
}

void Install(QApplication &App) {
    App.installEventFilter(new TPlacer(&App));
}

} // namespace DialogPlacement
