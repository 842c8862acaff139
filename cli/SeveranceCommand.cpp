// pendra-cli severance: the compensation for ending a labour contract, or the lump sum for early
// retirement.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Rules.h"
#include "engine/current/Severance.h"
#include "formats/Result.h"

#include <QCoreApplication>

namespace Cli {
namespace {

// The words of this file, translated in the context "SeveranceCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(SeveranceCommand)
};

QString Summary() {
    return Words::tr("解除劳动合同的一次性补偿收入：当地上年职工平均工资 %3 倍以内的部分免税，\n"
                     "超过的部分单独按综合所得年度税率表计税。\n"
                     "加 --early-retirement：提前退休一次性补贴，按办理提前退休手续至法定退休\n"
                     "年龄的年数（可带两位小数）平均分摊，每年减除 %1 元后按年度税率表计税，\n"
                     "再乘以年数；不并入当年综合所得。法定退休年龄自 %2 年起逐步提高，\n"
                     "年数按本人的法定退休年龄自行计算。\n"
                     "加 --internal-retirement：内部退养一次性收入：一次性收入除以至法定退休\n"
                     "年龄的月数，加当月工资，减 %4 元，按月度税率表找税率；当月税额 =\n"
                     "（当月工资 + 一次性收入 − %4）× 税率 − 速算扣除数。")
        .arg(LawAmount(current::LatestRules().BasicAnnual))
        .arg(current::Law::RetirementAgeRisesFrom)
        .arg(current::Law::TaxFreeYears)
        .arg(LawAmount(current::LatestRules().BasicMonthly));
}

int PrintSeverance(const current::Severance &s, bool Json) {
    if (Json) {
        PrintJson(formats::SeveranceJson(s));
        return Success;
    }
    PrintOut(Pairs({{Words::tr("补偿收入"), Money(s.Income)},
                    {Words::tr("免税部分"), Money(s.Exempt)},
                    {Words::tr("应纳税所得额"), Money(s.Taxable)},
                    {Words::tr("税率"), Rate(s.Rate)},
                    {Words::tr("速算扣除数"), Money(s.QuickDeduction)},
                    {Words::tr("应纳税额"), Money(s.Tax)},
                    {Words::tr("税后收入"), Money(s.AfterTax)}}));
    return Success;
}

int PrintEarlyRetirement(const current::EarlyRetirement &e, bool Json) {
    if (Json) {
        PrintJson(formats::EarlyRetirementJson(e));
        return Success;
    }
    PrintOut(Pairs({{Words::tr("一次性补贴收入"), Money(e.Amount)},
                    {Words::tr("分摊年数"), LawAmount(e.YearsHundredths)},
                    {Words::tr("每年分摊额"), Money(e.PerYear)},
                    {Words::tr("每年应纳税所得额"), Money(e.TaxablePerYear)},
                    {Words::tr("税率"), Rate(e.Rate)},
                    {Words::tr("速算扣除数"), Money(e.QuickDeduction)},
                    {Words::tr("每年应纳税额"), Money(e.TaxPerYear)},
                    {Words::tr("应纳税额"), Money(e.Tax)},
                    {Words::tr("税后收入"), Money(e.AfterTax)}}));
    return Success;
}

int RunEarlyRetirement(const CommandLine &Line) {
    if (auto done = Line.Exclude("early-retirement", {"average-wage"}))
        return *done;
    if (auto done = Line.Require({"amount", "years"}))
        return *done;
    const auto years = current::ParseYearsHundredths(Line.Value("years").toStdString());
    if (!years)
        return Line.Refuse(Words::tr("选项 --years 的值“%1”不是有效的年数：应大于 0、"
                                     "不超过 %2，最多两位小数")
                               .arg(Line.Shown("years"))
                               .arg(current::MaxYearsHundredths / 100));
    return PrintEarlyRetirement(current::TaxEarlyRetirement(Line.Amount("amount"), *years),
                                Line.Json());
}

int PrintInternalRetirement(const current::InternalRetirement &r, bool Json) {
    if (Json) {
        PrintJson(formats::InternalRetirementJson(r));
        return Success;
    }
    PrintOut(Pairs({{Words::tr("内部退养一次性收入"), Money(r.Amount)},
                    {Words::tr("至法定退休年龄的月数"), QString::number(r.Months)},
                    {Words::tr("当月工资"), Money(r.Wage)},
                    {Words::tr("每月平均额"), Money(r.Average)},
                    {Words::tr("确定税率的基数"), Money(r.Base)},
                    {Words::tr("应纳税所得额"), Money(r.Taxable)},
                    {Words::tr("税率"), Rate(r.Rate)},
                    {Words::tr("速算扣除数"), Money(r.QuickDeduction)},
                    {Words::tr("当月应纳税额"), Money(r.Tax)},
                    {Words::tr("当月工资单独计算的税额"), Money(r.WageTax)},
                    {Words::tr("一次性收入增加的税额"), Money(r.Added)},
                    {Words::tr("税后收入"), Money(r.AfterTax)}}));
    return Success;
}

int RunInternalRetirement(const CommandLine &Line) {
    if (auto done =
            Line.Exclude("internal-retirement", {"average-wage", "years", "early-retirement"}))
        return *done;
    if (auto done = Line.Require({"amount", "months", "wage"}))
        return *done;
    bool whole = false;
    const int months = Line.Value("months").trimmed().toInt(&whole);
    if (!whole || months < 1 || months > current::Law::MaxRetirementMonths)
        return Line.Refuse(Words::tr("选项 --months 的值“%1”不是有效的月数：应为 1 到 %2 的整数")
                               .arg(Line.Value("months"))
                               .arg(current::Law::MaxRetirementMonths));
    return PrintInternalRetirement(
        current::TaxInternalRetirement(Line.Amount("amount"), months, Line.Amount("wage")),
        Line.Json());
}

} // namespace

int RunSeverance(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("severance"), Summary(),
        {QStringLiteral("pendra-cli severance --amount 300000 --average-wage 60000"),
         QStringLiteral("pendra-cli severance --amount 150000 --average-wage 90000 --json"),
         QStringLiteral("pendra-cli severance --early-retirement --amount 500000 --years 4"),
         QStringLiteral("pendra-cli severance --internal-retirement --amount 120000 --months 24 "
                        "--wage 6000")});
    line.AddAmount("amount", Words::tr("一次性补偿收入或提前退休一次性补贴（必填）"));
    line.AddAmount("average-wage", Words::tr("当地上年职工平均工资（年，解除劳动合同时必填）"));
    line.AddFlag("early-retirement", Words::tr("提前退休一次性补贴"));
    line.AddValue("years", Words::tr("年数"),
                  Words::tr("办理提前退休手续至法定退休年龄的年数，大于 0，最多两位小数"
                            "（提前退休时必填）"));
    line.AddFlag("internal-retirement", Words::tr("内部退养一次性收入"));
    line.AddValue("months", Words::tr("月数"),
                  Words::tr("办理内部退养手续至法定退休年龄的月数（内部退养时必填）"));
    line.AddAmount("wage", Words::tr("领取一次性收入当月的工资（内部退养时必填）"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (line.IsSet("internal-retirement"))
        return RunInternalRetirement(line);
    if (line.IsSet("months") || line.IsSet("wage"))
        return line.Refuse(Words::tr("选项 --months 和 --wage 只用于 --internal-retirement"));
    if (line.IsSet("early-retirement"))
        return RunEarlyRetirement(line);
    if (line.IsSet("years"))
        return line.Refuse(Words::tr("选项 --years 只用于 --early-retirement"));
    if (auto done = line.Require({"amount", "average-wage"}))
        return *done;
    return PrintSeverance(current::TaxSeverance(line.Amount("amount"), line.Amount("average-wage")),
                          line.Json());
}

} // namespace Cli
