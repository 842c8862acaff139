#pragma once
// The days and announcements of the law as the language in use writes them, formatted from
// engine/current/Rules.h: for the files' messages, the command line and the pages alike.

#include "engine/current/Rules.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QString>

namespace LawText {

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

// "国家税务总局公告2020年第19号", "State Taxation Administration Announcement No. 19 of 2020".
inline QString Document(current::Document Document) {
    const QString pattern =
        Document.By == current::Issuer::Sat
            ? QCoreApplication::translate("LawText", "国家税务总局公告%1年第%2号")
            : QCoreApplication::translate("LawText", "财政部 税务总局公告%1年第%2号");
    return pattern.arg(Document.Year).arg(Document.Number);
}

// What the pages and the command line say of a bonus in a year whose law no longer taxes it on
// its own (YearRules::SeparateBonus off).
inline QString NoSeparateBonus(const current::YearRules &Rules) {
    return QCoreApplication::translate("LawText", "%1年没有全年一次性奖金单独计税的办法：奖金并入"
                                                  "当月工资薪金预扣预缴，年度汇算并入综合所得")
        .arg(Rules.Year);
}

// Of a year when the private pension was deducted in the pilot cities only
// (YearRules::PensionPilot).
inline QString PensionPilot(const current::YearRules &Rules) {
    return QCoreApplication::translate("LawText", "%1年个人养老金扣除只在先行试点城市（地区）实施，"
                                                  "自%2起在全国实施（%3）")
        .arg(Rules.Year)
        .arg(Date(current::Law::PensionNationwideFrom),
             Document(current::Law::PensionNationwideDocument));
}

} // namespace LawText
