// pendra-cli bonus: the annual bonus taxed separately or merged, its cliff and the best split.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Bonus.h"
#include "engine/current/Rules.h"

namespace Cli {
namespace {

using current::BetterMethod;

QString BetterName(BetterMethod Better) {
    switch (Better) {
    case BetterMethod::Separate:
        return QStringLiteral("separate");
    case BetterMethod::Merged:
        return QStringLiteral("merged");
    case BetterMethod::Equal:
        break;
    }
    return QStringLiteral("equal");
}

QJsonObject Json(const current::BonusComparison &c) {
    QJsonValue cliff = QJsonValue::Null;
    if (c.Cliff)
        cliff = QJsonObject{{"from", JsonMoney(c.Cliff->From)},
                            {"to", JsonMoney(c.Cliff->To)},
                            {"loss", JsonMoney(c.Cliff->Loss)}};
    return {{"separate", QJsonObject{{"rate", c.Separate.Rate},
                                     {"quick_deduction", JsonMoney(c.Separate.QuickDeduction)},
                                     {"bonus_tax", JsonMoney(c.Separate.BonusTax)},
                                     {"other_tax", JsonMoney(c.Separate.OtherTax)},
                                     {"total", JsonMoney(c.Separate.Total)}}},
            {"merged", QJsonObject{{"taxable", JsonMoney(c.Merged.Taxable)},
                                   {"rate", c.Merged.Rate},
                                   {"quick_deduction", JsonMoney(c.Merged.QuickDeduction)},
                                   {"bonus_tax", JsonMoney(c.Merged.BonusTax)},
                                   {"total", JsonMoney(c.Merged.Total)}}},
            {"better", BetterName(c.Better)},
            {"saving", JsonMoney(c.Saving)},
            {"cliff", cliff},
            {"best_split", QJsonObject{{"bonus", JsonMoney(c.BestSplit.Bonus)},
                                       {"wage_taxable", JsonMoney(c.BestSplit.WageTaxable)},
                                       {"total", JsonMoney(c.BestSplit.Total)},
                                       {"saving", JsonMoney(c.BestSplit.Saving)}}}};
}

QString Verdict(const current::BonusComparison &c) {
    switch (c.Better) {
    case BetterMethod::Separate:
        return QStringLiteral("单独计税税额较低，少缴 %1").arg(Money(c.Saving));
    case BetterMethod::Merged:
        return QStringLiteral("并入综合所得税额较低，少缴 %1").arg(Money(c.Saving));
    case BetterMethod::Equal:
        break;
    }
    return QStringLiteral("两种方法税额相同");
}

QString Text(const current::BonusComparison &c) {
    const current::SeparateBonus &s = c.Separate;
    const current::MergedBonus &m = c.Merged;
    TextTable table;
    table.AddRow({QString(), QStringLiteral("单独计税"), QStringLiteral("并入综合所得")});
    table.AddRow({QStringLiteral("并入后应纳税所得额"), QStringLiteral("-"), Money(m.Taxable)});
    table.AddRow({QStringLiteral("税率"), Rate(s.Rate), Rate(m.Rate)});
    table.AddRow({QStringLiteral("速算扣除数"), Money(s.QuickDeduction), Money(m.QuickDeduction)});
    table.AddRow({QStringLiteral("奖金应纳税额"), Money(s.BonusTax), Money(m.BonusTax)});
    table.AddRow(
        {QStringLiteral("其他综合所得应纳税额"), Money(s.OtherTax), Money(m.Total - m.BonusTax)});
    table.AddRow({QStringLiteral("应纳税额合计"), Money(s.Total), Money(m.Total)});
    QString text = table.Render() + u'\n' + Verdict(c) + u'\n';
    if (c.Cliff)
        text += QStringLiteral("临界点：单独计税时，奖金超过 %1 而不到 %2，税后反而少于发 %1；"
                               "本奖金比发 %1 少得 %3\n")
                    .arg(Money(c.Cliff->From), Money(c.Cliff->To), Money(c.Cliff->Loss));
    const current::BonusSplit &split = c.BestSplit;
    text += QStringLiteral("最优分配：奖金 %1 单独计税，其余应纳税所得额 %2 并入综合所得，"
                           "税额合计 %3，比较优的方法少缴 %4\n")
                .arg(Money(split.Bonus), Money(split.WageTaxable), Money(split.Total),
                     Money(split.Saving));
    return text;
}

} // namespace

int RunBonus(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("bonus"),
        QStringLiteral("全年一次性奖金：单独计税（%1 年底前可选）与并入当年综合所得比较；\n"
                       "奖金落在临界区间时给出临界点；并给出奖金与其余所得之间税额最低的分配。")
            .arg(current::Law::SeparateBonusUntil.Year),
        {QStringLiteral("pendra-cli bonus --bonus 36000 --taxable 100000"),
         QStringLiteral("pendra-cli bonus --bonus 38000 --taxable -20000 --json")});
    line.AddAmount("bonus", QStringLiteral("全年一次性奖金（必填）"));
    line.AddAmount("taxable",
                   QStringLiteral("奖金以外的全年综合所得应纳税所得额，默认 0；"
                                  "扣除未用完时可为负数"),
                   true);
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"bonus"}))
        return *done;
    const current::BonusComparison c =
        current::CompareBonus(line.Amount("bonus"), line.Amount("taxable"));
    if (line.Json())
        PrintJson(Json(c));
    else
        PrintOut(Text(c));
    return Success;
}

} // namespace Cli
