// pendra-cli wage: one employee with the same figures every month, or a non-resident's month.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/WageMonths.h"
#include "engine/current/Rules.h"
#include "engine/current/Wage.h"
#include "formats/Result.h"
#include "sheets/LawText.h"
#include "sheets/PayrollSheet.h"

#include <QCoreApplication>

#include <vector>

namespace Cli {
namespace {

// The words of this file, translated in the context "WageCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(WageCommand)
};

using current::Cents;

int PrintNonResident(const CommandLine &Line) {
    const current::NonResidentWage w = current::WithholdNonResidentWage(Line.Amount("income"));
    if (Line.Json()) {
        PrintJson(formats::NonResidentWageJson(w));
        return Success;
    }
    PrintOut(Pairs({{Words::tr("收入"), Money(w.Income)},
                    {Words::tr("减除费用"), Money(w.Deduction)},
                    {Words::tr("应纳税所得额"), Money(w.Taxable)},
                    {Words::tr("税率"), Rate(w.Rate)},
                    {Words::tr("速算扣除数"), Money(w.QuickDeduction)},
                    {Words::tr("应纳税额"), Money(w.Tax)},
                    {Words::tr("税后收入"), Money(w.AfterTax)}}));
    return Success;
}

int PrintMonths(const std::vector<current::WageWithholding> &Months, bool Json) {
    if (Json) {
        PrintJson(formats::WageMonthsJson(Months));
        return Success;
    }
    Cents total = 0;
    for (const current::WageWithholding &m : Months)
        total += m.Tax;
    PrintOut(MonthTable(Months) + Words::tr("\n预扣税额合计：%1\n").arg(Money(total)));
    return Success;
}

} // namespace

int RunWage(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("wage"),
        Words::tr("一名员工各月收入和扣除相同时，按累计预扣法逐月计算预扣税额；\n"
                  "加 --nonresident 则按非居民个人的月度税率表计算一个月。"),
        {QStringLiteral("pendra-cli wage --income 20000 --insurance 2000 --special 3000"),
         Words::tr("pendra-cli wage --income 8000 --mode 自1月 --from 7 --to 12"),
         QStringLiteral("pendra-cli wage --nonresident --income 30000 --json")});
    line.AddAmount(QStringLiteral("income"), Words::tr("每月收入（必填）"));
    line.AddAmount(QStringLiteral("exempt"), Words::tr("每月免税收入"));
    line.AddAmount(QStringLiteral("insurance"), Words::tr("每月专项扣除（三险一金）"));
    line.AddAmount(QStringLiteral("special"), Words::tr("每月专项附加扣除"));
    line.AddAmount(QStringLiteral("other"), Words::tr("每月其他扣除"));
    line.AddWageMonths();
    line.AddValue(QStringLiteral("year"), Words::tr("年度"),
                  Words::tr("纳税年度，%1 至 %2（默认 %2）：按该年的规定计算")
                      .arg(current::FirstRulesYear)
                      .arg(current::LastRulesYear));
    line.AddFlag(QStringLiteral("nonresident"),
                 Words::tr("非居民个人：每月减除 %1 元，按月度税率表计算")
                     .arg(LawAmount(current::LatestRules().BasicMonthly)));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({QStringLiteral("income")}))
        return *done;
    if (auto done =
            line.Exclude(QStringLiteral("nonresident"),
                         {"exempt", "insurance", "special", "other", "mode", "from", "to", "year"}))
        return *done;
    if (line.IsSet(QStringLiteral("nonresident")))
        return PrintNonResident(line);

    const current::YearRules *rules = &current::LatestRules();
    if (line.IsSet(QStringLiteral("year"))) {
        bool whole = false;
        rules = current::RulesOf(line.Value("year").toInt(&whole));
        if (!whole || !rules)
            return line.Refuse(Words::tr("纳税年度“%1”无效，应为 %2 至 %3")
                                   .arg(line.Shown("year"))
                                   .arg(current::FirstRulesYear)
                                   .arg(current::LastRulesYear));
    }
    current::BasicDeduction mode{};
    int first = 1, last = 12;
    if (auto done = line.ReadWageMonths(mode, first, last, *rules))
        return *done;

    std::vector<current::WageMonth> months;
    for (int month = first; month <= last; ++month)
        months.push_back({month, line.Amount("income"), line.Amount("exempt"),
                          line.Amount("insurance"), line.Amount("special"), line.Amount("other")});
    return PrintMonths(current::WithholdWages(months, mode, *rules), line.Json());
}

} // namespace Cli
