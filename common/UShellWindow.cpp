#include "common/UShellWindow.h"

#include "common/ULocalPicture.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace ShellWindow {

void SetUp(QDialog *Window, const QString &Caption, QSize ClientSize) {
    Decorate(Window, Caption);
    Window->setFixedSize(ClientSize);
}

void Decorate(QDialog *Window, const QString &Caption) {
    Window->setWindowTitle(Caption);
    Window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    QPalette palette = Window->palette();
    palette.setColor(QPalette::Window, Qt::white);
    Window->setPalette(palette);
    Window->setAutoFillBackground(true);
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

namespace {

void Load(QLabel *Label, const QString &Resource, const QString &Fallback) {
    QPixmap pixmap(LocalPicture::Of(Resource));
    if (pixmap.isNull())
        return Label->setText(Fallback);
    // A picture larger than its place (the 48-pixel icon in the About box) is shown whole.
    if (pixmap.width() > Label->width() || pixmap.height() > Label->height())
        pixmap = pixmap.scaled(Label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Label->setPixmap(pixmap);
}

// Loads a label's picture when the label is first shown.
class TLoadOnShow : public QObject {
  public:
    TLoadOnShow(QLabel *Label, QString Resource, QString Fallback)
        : QObject(Label), Label(Label), Resource(std::move(Resource)),
          Fallback(std::move(Fallback)) {
        Label->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Watched == Label && Event->type() == QEvent::Show) {
            Label->removeEventFilter(this);
            Load(Label, Resource, Fallback);
            deleteLater();
        }
        return false;
    }

  private:
    QLabel *Label;
    QString Resource, Fallback;
};

} // namespace

void ShowPicture(QLabel *Label, const QString &Resource, const QString &Fallback) {
    Label->setAlignment(Qt::AlignCenter);
    // What the picture says, for screen readers whether or not the picture is there.
    if (!Fallback.isEmpty())
        Label->setAccessibleName(Fallback);
    // The windows made at start-up are shown late or never: their pictures are decoded when
    // they are first shown, not while the program starts.
    if (Label->isVisible())
        Load(Label, Resource, Fallback);
    else
        new TLoadOnShow(Label, Resource, Fallback);
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
