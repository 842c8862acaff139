#pragma once
// Whom users reach for help, written once: the pages' status notice, the feedback and About
// windows and the chat addresses that TUtils opens all take them from here.

#include <QCoreApplication>
#include <QString>

namespace SupportContact {

inline const QString QQ = QStringLiteral("800012345");
inline const QString Wangwang = QStringLiteral("pendra客服");
inline const QString Email = QStringLiteral("kf@pendra.example");
// The maker's name as the interface's language writes it.
inline QString Maker() {
    return QCoreApplication::translate("SupportContact", "Pendra工作室");
}
// The maker's own number, shown in the About box beside the support contact.
inline const QString MakerQQ = QStringLiteral("800054321");

} // namespace SupportContact
