// pendra-cli severance: the compensation for ending a labour contract, or the lump sum for early
// retirement.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Rules.h"
#include "engine/current/Severance.h"

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
                     "年数按本人的法定退休年龄自行计算。")
        .arg(LawAmount(current::LatestRules().BasicAnnual))
        .arg(current::Law::RetirementAgeRisesFrom)
        .arg(current::Law::TaxFreeYears);
}

int PrintSeverance(const current::Severance &s, bool Json) {
    if (Json) {
        PrintJson({{"income", JsonMoney(s.Income)},
                   {"exempt", JsonMoney(s.Exempt)},
                   {"taxable", JsonMoney(s.Taxable)},
                   {"rate", s.Rate},
                   {"quick_deduction", JsonMoney(s.QuickDeduction)},
                   {"tax", JsonMoney(s.Tax)},
                   {"after_tax", JsonMoney(s.AfterTax)}});
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
        PrintJson({{"per_year", JsonMoney(e.PerYear)},
                   {"taxable_per_year", JsonMoney(e.TaxablePerYear)},
                   {"rate", e.Rate},
                   {"quick_deduction", JsonMoney(e.QuickDeduction)},
                   {"tax_per_year", JsonMoney(e.TaxPerYear)},
                   {"tax", JsonMoney(e.Tax)},
                   {"after_tax", JsonMoney(e.AfterTax)}});
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

} // namespace

int RunSeverance(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("severance"), Summary(),
        {QStringLiteral("pendra-cli severance --amount 300000 --average-wage 60000"),
         QStringLiteral("pendra-cli severance --amount 150000 --average-wage 90000 --json"),
         QStringLiteral("pendra-cli severance --early-retirement --amount 500000 --years 4")});
    line.AddAmount("amount", Words::tr("一次性补偿收入或提前退休一次性补贴（必填）"));
    line.AddAmount("average-wage", Words::tr("当地上年职工平均工资（年，解除劳动合同时必填）"));
    line.AddFlag("early-retirement", Words::tr("提前退休一次性补贴"));
    line.AddValue("years", Words::tr("年数"),
                  Words::tr("办理提前退休手续至法定退休年龄的年数，大于 0，最多两位小数"
                            "（提前退休时必填）"));
    if (auto done = line.Parse(Arguments))
        return *done;
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
