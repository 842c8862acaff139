// pendra-cli wage: one employee with the same figures every month, or a non-resident's month.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/WageMonths.h"
#include "engine/current/Rules.h"
#include "engine/current/Wage.h"
#include "sheets/LawText.h"
#include "sheets/PayrollSheet.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <vector>

namespace Cli {
namespace {

// The words of this file, translated in the context "WageCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(WageCommand)
};

using current::Cents;

// The 减除方式 as a payroll sheet takes it: the Chinese word or its English key.
std::optional<current::BasicDeduction> ModeNamed(const QString &Name) {
    const auto mode = sheets::ModeCellOf(Name.toUtf8().toStdString());
    if (!mode || *mode == sheets::ModeCell::Blank)
        return std::nullopt;
    return sheets::DeductionOf(*mode);
}

int PrintNonResident(const CommandLine &Line) {
    const current::NonResidentWage w = current::WithholdNonResidentWage(Line.Amount("income"));
    if (Line.Json()) {
        PrintJson({{"income", JsonMoney(w.Income)},
                   {"deduction", JsonMoney(w.Deduction)},
                   {"taxable", JsonMoney(w.Taxable)},
                   {"rate", w.Rate},
                   {"quick_deduction", JsonMoney(w.QuickDeduction)},
                   {"tax", JsonMoney(w.Tax)},
                   {"after_tax", JsonMoney(w.AfterTax)}});
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
    Cents total = 0;
    for (const current::WageWithholding &m : Months)
        total += m.Tax;
    if (Json) {
        QJsonArray months;
        for (const current::WageWithholding &m : Months)
            months.append(JsonMonth(m));
        PrintJson({{"months", months}, {"total_tax", JsonMoney(total)}});
        return Success;
    }
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
    line.AddValue(QStringLiteral("mode"), Words::tr("方式"),
                  Words::tr("减除方式：按月（默认）、自1月、6万；"
                            "也可写 per-month、from-january、sixty"));
    line.AddMonthRange();
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

    const auto mode = line.IsSet(QStringLiteral("mode")) ? ModeNamed(line.Value("mode"))
                                                         : current::BasicDeduction::PerMonth;
    if (!mode)
        return line.Refuse(
            Words::tr("未知的减除方式“%1”，应为 按月、自1月 或 6万").arg(line.Shown("mode")));
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
    if (!current::InLaw(*mode, *rules)) {
        const bool sixty = *mode == current::BasicDeduction::Sixty;
        return line.Refuse(
            Words::tr("减除方式 %1 自%2起施行（%3），%4 年不能采用")
                .arg(line.Shown("mode"),
                     LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                     LawText::Document(sixty ? current::Law::SixtyDocument
                                             : current::Law::FromJanuaryDocument))
                .arg(rules->Year));
    }
    int first = 1, last = 12;
    if (auto done = line.ReadMonthRange(first, last))
        return *done;
    // 6万 is for those employed here all last year and still in January: a year from January.
    if (*mode == current::BasicDeduction::Sixty && first != 1)
        return line.Refuse(Words::tr("减除方式 6万 只适用于上年各月均在本单位任职受雇、"
                                     "本年1月起仍在本单位的，起始月份应为 1，不能是 %1")
                               .arg(first));

    std::vector<current::WageMonth> months;
    for (int month = first; month <= last; ++month)
        months.push_back({month, line.Amount("income"), line.Amount("exempt"),
                          line.Amount("insurance"), line.Amount("special"), line.Amount("other")});
    return PrintMonths(current::WithholdWages(months, *mode, *rules), line.Json());
}

} // namespace Cli
