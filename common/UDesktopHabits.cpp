#include "common/UDesktopHabits.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// QLineEdit keeps this many pixels free on either side of its text.
constexpr int TextSideMargin = 2;

bool TextFits(const QLineEdit *Edit) {
    QStyleOptionFrame option;
    option.initFrom(Edit);
    option.lineWidth = Edit->hasFrame()
                           ? Edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, Edit)
                           : 0;
    const QRect contents =
        Edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, Edit);
    const QMargins margins = Edit->textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * TextSideMargin;
    return Edit->fontMetrics().horizontalAdvance(Edit->text()) <= room;
}

void UpdateTip(QLineEdit *Edit) {
    Edit->setToolTip(TextFits(Edit) ? QString() : Edit->text());
}

// A button that is not a dialog's default button ignores Return and Enter; this filter lets them
// click it, whether or not it sits in a dialog.
class EnterClicks : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override {
        if (Event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(Event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        // A held key clicks once: a click may open a box that the repeats would close again.
        if (!key->isAutoRepeat())
            static_cast<QPushButton *>(Watched)->click();
        return true;
    }
};

} // namespace

namespace DesktopHabits {

void ShowResult(QLineEdit *Edit, const QString &Text) {
    Edit->setText(Text);
    // setText leaves the caret at the end, which scrolls a long number's leading digits away.
    Edit->home(false);
    UpdateTip(Edit);
}

void TipWhenClipped(QLineEdit *Edit) {
    QObject::connect(Edit, &QLineEdit::textChanged, Edit, [Edit] { UpdateTip(Edit); });
}

void SelectAllFromStart(QLineEdit *Edit) {
    const int length = static_cast<int>(Edit->text().size());
    Edit->setSelection(length, -length);
}

void ClickOnEnter(QPushButton *Button) {
    Button->installEventFilter(new EnterClicks(Button));
}

} // namespace DesktopHabits
