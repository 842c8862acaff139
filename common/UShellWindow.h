#pragma once
// What the small stand-alone windows share: a white client area of a fixed size, and pictures and
// labels placed at fixed positions.

#include <QLabel>

class QDialog;

namespace ShellWindow {

// A fixed-size white dialog with only the close button in its title bar.
// Where it opens is DialogPlacement's.
void SetUp(QDialog *Window, const QString &Caption, QSize ClientSize);
// The same look for a dialog whose layout decides its size.
void Decorate(QDialog *Window, const QString &Caption);

QLabel *Label(QWidget *Parent, const QString &Text, int X, int Y, bool Bold = false);
// A picture; when the resource is missing the place shows Fallback instead (or stays empty).
// Fallback also names the picture for screen readers. The picture is decoded when the label is
// first shown.
QLabel *Picture(QWidget *Parent, const QString &Resource, QRect Place,
                const QString &Fallback = {});
void ShowPicture(QLabel *Label, const QString &Resource, const QString &Fallback = {});

} // namespace ShellWindow

// A picture or text that reacts to a click of the left mouse button, with a hand cursor.
class TClickLabel : public QLabel {
    Q_OBJECT
  public:
    explicit TClickLabel(QWidget *Parent = nullptr);

  signals:
    void Clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *Event) override;
};
