#include "common/UMsgBox.h"

#include "common/UWebText.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace MsgBox {
namespace {

int &ShownCount() {
    static int count = 0;
    return count;
}

} // namespace

QString ApplicationTitle() {
    return QCoreApplication::translate("MsgBox", "Pendra计算器");
}

void Show(QWidget *Parent, const QString &Text, const QString &Title) {
    ++ShownCount();
    QMessageBox box(QMessageBox::NoIcon,
                    Title.isEmpty() ? QCoreApplication::translate("MsgBox", "提示") : Title, Text,
                    QMessageBox::Ok, Parent);
    box.exec();
}

void ShowConversionError(QWidget *Parent, const QString &Text) {
    ++ShownCount();
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                    QCoreApplication::translate("MsgBox", "“%1”不是有效的数值。").arg(Quoted(Text)),
                    QMessageBox::Ok, Parent);
    box.exec();
}

int Shown() {
    return ShownCount();
}

QString Quoted(const QString &Text) {
    const QString shown = WebText::WithoutControls(Text);
    if (shown.size() <= QuoteLength)
        return shown;
    // A character outside the basic plane is not cut in two.
    const qsizetype kept = shown[QuoteLength - 1].isHighSurrogate() ? QuoteLength - 1 : QuoteLength;
    return shown.left(kept) + QStringLiteral("…");
}

} // namespace MsgBox
