#include "common/UDesktopHabits.h"

#include <QLineEdit>
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

} // namespace DesktopHabits
