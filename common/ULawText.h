#pragma once
// The numbers of the law as the pages' words state them, formatted from engine/current/Rules.h so
// that a change of law changes the words with the figures.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

namespace LawText {

// Whole yuan without decimals ("5000"), otherwise with two.
inline QString Amount(current::Cents Value) {
    return QString::fromStdString(current::FormatYuan(Value));
}

// A day of every year as the language in use writes it: "3月1日", "1 March". The pattern is
// QLocale's, translated, and the month's name the default locale's.
inline QString Day(current::MonthDay Day) {
    // Any leap year, so that 29 February is a day too.
    return QLocale().toString(QDate(2024, Day.Month, Day.Day),
                              QCoreApplication::translate("LawText", "M月d日"));
}

// "2027年12月31日", "31 December 2027".
inline QString Date(current::Date Date) {
    return QLocale().toString(QDate(Date.Year, Date.Month, Date.Day),
                              QCoreApplication::translate("LawText", "yyyy年M月d日"));
}

} // namespace LawText
