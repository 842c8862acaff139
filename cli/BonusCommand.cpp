// pendra-cli bonus: the annual bonus taxed separately or merged, its cliff and the best split;
// or a non-resident's bonus for several months.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/Records.h"
#include "engine/current/Bonus.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "formats/Result.h"
#include "sheets/Captions.h"
#include "sheets/LawText.h"

#include <QCoreApplication>

namespace Cli {
namespace {

// The words of this file, translated in the context "BonusCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(BonusCommand)
};

using current::BetterMethod;

QString Verdict(const current::BonusComparison &c) {
    switch (c.Better) {
    case BetterMethod::Separate:
        return Words::tr("单独计税税额较低，少缴 %1").arg(Money(c.Saving));
    case BetterMethod::Merged:
        return Words::tr("并入综合所得税额较低，少缴 %1").arg(Money(c.Saving));
    case BetterMethod::Equal:
        break;
    }
    return Words::tr("两种方法税额相同");
}

// A year whose law has no separate method: the bonus merged, and why there is nothing to compare.
QString MergedOnlyText(const current::BonusComparison &c, const current::YearRules &Rules) {
    const current::MergedBonus &m = c.Merged;
    return Pairs({{Words::tr("并入后应纳税所得额"), Money(m.Taxable)},
                  {Words::tr("税率"), Rate(m.Rate)},
                  {Words::tr("速算扣除数"), Money(m.QuickDeduction)},
                  {Words::tr("奖金应纳税额"), Money(m.BonusTax)},
                  {Words::tr("其他综合所得应纳税额"), Money(m.Total - m.BonusTax)},
                  {Words::tr("应纳税额合计"), Money(m.Total)}}) +
           u'\n' + LawText::NoSeparateBonus(Rules) + u'\n';
}

QString Text(const current::BonusComparison &c) {
    const current::SeparateBonus &s = c.Separate;
    const current::MergedBonus &m = c.Merged;
    TextTable table;
    table.AddRow({QString(), sheets::Caption(current::BonusChoice::Separate),
                  sheets::Caption(current::BonusChoice::Merged)});
    table.AddRow({Words::tr("并入后应纳税所得额"), QStringLiteral("-"), Money(m.Taxable)});
    table.AddRow({Words::tr("税率"), Rate(s.Rate), Rate(m.Rate)});
    table.AddRow({Words::tr("速算扣除数"), Money(s.QuickDeduction), Money(m.QuickDeduction)});
    table.AddRow({Words::tr("奖金应纳税额"), Money(s.BonusTax), Money(m.BonusTax)});
    table.AddRow(
        {Words::tr("其他综合所得应纳税额"), Money(s.OtherTax), Money(m.Total - m.BonusTax)});
    table.AddRow({Words::tr("应纳税额合计"), Money(s.Total), Money(m.Total)});
    QString text = table.Render() + u'\n' + Verdict(c) + u'\n';
    if (c.Cliff)
        text += Words::tr("临界点：单独计税时，奖金超过 %1 而不到 %2，税后反而少于发 %1；"
                          "本奖金比发 %1 少得 %3\n")
                    .arg(Money(c.Cliff->From), Money(c.Cliff->To), Money(c.Cliff->Loss));
    const current::BonusSplit &split = c.BestSplit;
    text += Words::tr("最优分配：奖金 %1 单独计税，其余应纳税所得额 %2 并入综合所得，"
                      "税额合计 %3，比较优的方法少缴 %4\n")
                .arg(Money(split.Bonus), Money(split.WageTaxable), Money(split.Total),
                     Money(split.Saving));
    return text;
}

QString NonResidentRule() {
    return Words::tr("非居民个人一个月内取得的数月奖金不与当月工资薪金合并，不减除费用，\n"
                     "按 %1 个月分摊：月均奖金按月度税率表计税后乘 %1；"
                     "一个公历年度内只能用一次。\n"
                     "当月工资另行计税（pendra-cli wage --nonresident）。")
        .arg(current::Law::NonResidentBonusMonths);
}

void PrintNonResident(const current::NonResidentBonus &b, bool Json) {
    if (Json)
        return PrintJson(formats::NonResidentBonusJson(b));
    const int months = current::Law::NonResidentBonusMonths;
    PrintOut(Pairs({{Words::tr("数月奖金"), Money(b.Bonus)},
                    {Words::tr("月均奖金（÷%1）").arg(months), Money(b.Average)},
                    {Words::tr("税率"), Rate(b.Rate)},
                    {Words::tr("速算扣除数"), Money(b.QuickDeduction)},
                    {Words::tr("每月应纳税额"), Money(b.MonthlyTax)},
                    {Words::tr("应纳税额（×%1）").arg(months), Money(b.Tax)},
                    {Words::tr("税后收入"), Money(b.AfterTax)}}) +
             u'\n' + NonResidentRule() + u'\n');
}

} // namespace

int RunBonus(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("bonus"),
        Words::tr("全年一次性奖金：单独计税（%1 年底前可选）与并入当年综合所得比较；\n"
                  "奖金落在临界区间时给出临界点；并给出奖金与其余所得之间税额最低的分配。\n"
                  "加 --nonresident：")
                .arg(current::Law::SeparateBonusUntil.Year) +
            NonResidentRule(),
        {QStringLiteral("pendra-cli bonus --bonus 36000 --taxable 100000"),
         QStringLiteral("pendra-cli bonus --bonus 38000 --taxable -20000 --json"),
         QStringLiteral("pendra-cli bonus --nonresident --bonus 60000")});
    line.AddAmount("bonus", Words::tr("全年一次性奖金（必填）"));
    line.AddAmount("taxable",
                   Words::tr("奖金以外的全年综合所得应纳税所得额，默认 0；"
                             "扣除未用完时可为负数"),
                   true);
    line.AddFlag("nonresident", Words::tr("非居民个人一个月内取得的数月奖金"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"bonus"}))
        return *done;
    if (auto done = line.Exclude("nonresident", {"taxable"}))
        return *done;
    if (line.IsSet("nonresident")) {
        PrintNonResident(current::TaxNonResidentBonus(line.Amount("bonus")), line.Json());
        return Success;
    }
    const current::YearRules &rules = current::LatestRulesInUse();
    const current::BonusComparison c =
        current::CompareBonus(line.Amount("bonus"), line.Amount("taxable"), rules);
    if (line.Json())
        PrintJson(formats::BonusJson(c));
    else
        PrintOut(c.SeparateAllowed ? Text(c) : MergedOnlyText(c, rules));
    return Success;
}

} // namespace Cli
