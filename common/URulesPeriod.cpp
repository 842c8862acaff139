#include "common/URulesPeriod.h"

#include "engine/current/Rules.h"

#include <QCoreApplication>

namespace RulesPeriod {
namespace {

// The years, as the sentences below put them in.
QString Years(Period Rules) {
    switch (Rules) {
    case Period::Since2011:
    case Period::Abolished:
        return QCoreApplication::translate("RulesPeriod", "2011年9月至2018年12月施行");
    case Period::Since2008:
        return QCoreApplication::translate("RulesPeriod", "2008年3月至2011年8月施行");
    case Period::Until2011:
        return QCoreApplication::translate("RulesPeriod", "2011年8月以前施行");
    case Period::PerPayment:
        return QCoreApplication::translate("RulesPeriod", "2018年12月以前按次计税");
    case Period::Unchanged:
        return QCoreApplication::translate("RulesPeriod", "%1年起仍然适用")
            .arg(current::FirstRulesYear);
    case Period::Current:
        break;
    }
    return {};
}

} // namespace

bool IsPast(Period Rules) {
    return Rules != Period::Current && Rules != Period::Unchanged;
}

QString Line(Period Rules) {
    if (Rules == Period::Abolished)
        return QCoreApplication::translate(
                   "RulesPeriod", "本页按%1的规定计算；%2年起施行的个人所得税法已无“经国务院"
                                  "财政部门确定征税的其他所得”这一项，其余各项所得见“现行"
                                  "税法”菜单。")
            .arg(Years(Rules))
            .arg(current::FirstRulesYear);
    return QCoreApplication::translate("RulesPeriod",
                                       "本页按%1的规定计算；%2年起的现行规定见“现行税法”菜单。")
        .arg(Years(Rules))
        .arg(current::FirstRulesYear);
}

QString Results(Period Rules) {
    return QCoreApplication::translate("RulesPeriod", "以上结果按%1的规定计算").arg(Years(Rules));
}

QString Header(Period Rules) {
    return QCoreApplication::translate("RulesPeriod", "—— %1的规定 ——").arg(Years(Rules));
}

QString Tip(Period Rules) {
    return QCoreApplication::translate("RulesPeriod", "按%1的规定计算").arg(Years(Rules));
}

} // namespace RulesPeriod
