#include "common/UMsgBox.h"

#include "common/UUtils.h"

#include <QMessageBox>

namespace MsgBox {

void Show(QWidget *Parent, const QString &Text, const QString &Title) {
    QMessageBox box(QMessageBox::NoIcon, Title, Text, QMessageBox::Ok, Parent);
    box.exec();
}

void ShowConversionError(QWidget *Parent, const QString &Text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle,
                    QStringLiteral("“%1”不是有效的数值。").arg(Quoted(Text)), QMessageBox::Ok,
                    Parent);
    box.exec();
}

QString Quoted(const QString &Text) {
    const QString shown = TUtils::WithoutControls(Text);
    if (shown.size() <= QuoteLength)
        return shown;
    // A character outside the basic plane is not cut in two.
    const qsizetype kept = shown[QuoteLength - 1].isHighSurrogate() ? QuoteLength - 1 : QuoteLength;
    return shown.left(kept) + QStringLiteral("…");
}

} // namespace MsgBox
