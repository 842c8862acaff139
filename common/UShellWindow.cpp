#include "common/UShellWindow.h"

#include <QDialog>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace ShellWindow {

void SetUp(QDialog *Window, const QString &Caption, QSize ClientSize) {
    Window->setWindowTitle(Caption);
    Window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    Window->setFixedSize(ClientSize);
    QPalette palette = Window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Window->setPalette(palette);
    Window->setAutoFillBackground(true);
    CentreOnScreen(Window);
}

void CentreOnScreen(QWidget *Window) {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        Window->move(screen->availableGeometry().center() - Window->rect().center());
}

QLabel *Label(QWidget *Parent, const QString &Text, int X, int Y, bool Bold) {
    auto *label = new QLabel(Text, Parent);
    if (Bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    label->move(X, Y);
    label->adjustSize();
    return label;
}

QLabel *Picture(QWidget *Parent, const QString &Resource, QRect Place, const QString &Fallback) {
    auto *picture = new QLabel(Parent);
    picture->setGeometry(Place);
    ShowPicture(picture, Resource, Fallback);
    return picture;
}

void ShowPicture(QLabel *Label, const QString &Resource, const QString &Fallback) {
    Label->setAlignment(Qt::AlignCenter);
    // What the picture says, for screen readers whether or not the picture is there.
    if (!Fallback.isEmpty())
        Label->setAccessibleName(Fallback);
    QPixmap pixmap(Resource);
    if (pixmap.isNull())
        return Label->setText(Fallback);
    // A picture larger than its place (the 48-pixel icon in the About box) is shown whole.
    if (pixmap.width() > Label->width() || pixmap.height() > Label->height())
        pixmap = pixmap.scaled(Label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Label->setPixmap(pixmap);
}

} // namespace ShellWindow

TClickLabel::TClickLabel(QWidget *Parent) : QLabel(Parent) {
    setCursor(Qt::PointingHandCursor);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent *Event) {
    QLabel::mouseReleaseEvent(Event);
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        emit Clicked();
}
