#pragma once
// The numbers of the law as the pages' words state them, formatted from engine/current/Rules.h so
// that a change of law changes the words with the figures.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"

#include <QCoreApplication>
#include <QString>

namespace LawText {

// Whole yuan without decimals ("5000"), otherwise with two.
inline QString Amount(current::Cents Value) {
    return QString::fromStdString(current::FormatYuan(Value));
}

// In ten thousands, as the law words its larger bounds: "12万".
inline QString TenThousands(current::Cents Value) {
    return QCoreApplication::translate("LawText", "%1万")
        .arg(QString::fromStdString(current::FormatYuan(Value / 10'000)));
}

// "3月1日".
inline QString Day(current::MonthDay Day) {
    return QCoreApplication::translate("LawText", "%1月%2日").arg(Day.Month).arg(Day.Day);
}

// "2027年12月31日".
inline QString Date(current::Date Date) {
    return QCoreApplication::translate("LawText", "%1年%2月%3日")
        .arg(Date.Year)
        .arg(Date.Month)
        .arg(Date.Day);
}

} // namespace LawText
