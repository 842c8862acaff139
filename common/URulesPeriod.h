#pragma once
// The grey line of the pages that compute rules no longer in force, saying which years they
// applied to and that the 现行税法 menu has today's.

#include "engine/current/Rules.h"

#include <QCoreApplication>
#include <QString>

namespace RulesPeriod {

// The 3500 start point and the tables of September 2011, until the reform of 2019.
inline QString Since2011() {
    return QCoreApplication::translate(
        "RulesPeriod",
        "本页按2011年9月至2018年12月施行的规定计算；2019年起的现行规定见“现行税法”菜单。");
}

// The 2000 start point of March 2008, until September 2011.
inline QString Since2008() {
    return QCoreApplication::translate(
        "RulesPeriod",
        "本页按2008年3月至2011年8月施行的规定计算；2019年起的现行规定见“现行税法”菜单。");
}

// The five-band table of business income, in force until August 2011.
inline QString Until2011() {
    return QCoreApplication::translate(
        "RulesPeriod", "本页按2011年8月以前施行的规定计算；2019年起的现行规定见“现行税法”菜单。");
}

// Labour, author and royalty income taxed payment by payment, until 2019 counted it in the
// comprehensive income.
inline QString PerPayment() {
    return QCoreApplication::translate(
        "RulesPeriod",
        "本页按2018年12月以前按次计税的规定计算；2019年起的现行规定见“现行税法”菜单。");
}

// Other income the finance department of the State Council named for tax, a category the law in
// force since 2019 no longer has.
inline QString NoLongerACategory() {
    return QCoreApplication::translate("RulesPeriod",
                                       "本页按%1年12月以前施行的规定计算；%2年起施行的个人所得税法"
                                       "已无“经国务院财政部门确定征税的其他所得”这一项，"
                                       "其余各项所得见“现行税法”菜单。")
        .arg(current::FirstRulesYear - 1)
        .arg(current::FirstRulesYear);
}

} // namespace RulesPeriod
