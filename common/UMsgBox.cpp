#include "common/UMsgBox.h"

#include <QMessageBox>

namespace MsgBox {

void Show(QWidget *Parent, const QString &Text, const QString &Title) {
    QMessageBox box(QMessageBox::NoIcon, Title, Text, QMessageBox::Ok, Parent);
    box.exec();
}

void ShowConversionError(QWidget *Parent, const QString &Text) {
    QMessageBox box(QMessageBox::Critical, ApplicationTitle,
                    QStringLiteral("“%1”不是有效的数值。").arg(Text), QMessageBox::Ok, Parent);
    box.exec();
}

} // namespace MsgBox
