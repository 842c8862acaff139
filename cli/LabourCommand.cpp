// pendra-cli labour: the tax withheld on one payment of labour, author or royalty income.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"

namespace Cli {
namespace {

std::optional<current::RemunerationKind> KindNamed(const QString &Name) {
    if (Name == QStringLiteral("labour") || Name == QStringLiteral("劳务报酬"))
        return current::RemunerationKind::Labour;
    if (Name == QStringLiteral("author") || Name == QStringLiteral("稿酬"))
        return current::RemunerationKind::Author;
    if (Name == QStringLiteral("royalty") || Name == QStringLiteral("特许权使用费"))
        return current::RemunerationKind::Royalty;
    return std::nullopt;
}

void Print(const current::Remuneration &r, bool Json) {
    if (Json) {
        PrintJson({{"income", JsonMoney(r.Income)},
                   {"deduction", JsonMoney(r.Deduction)},
                   {"taxable", JsonMoney(r.Taxable)},
                   {"rate", r.Rate},
                   {"quick_deduction", JsonMoney(r.QuickDeduction)},
                   {"tax", JsonMoney(r.Tax)},
                   {"after_tax", JsonMoney(r.AfterTax)}});
        return;
    }
    PrintOut(Pairs({{QStringLiteral("收入"), Money(r.Income)},
                    {QStringLiteral("减除费用"), Money(r.Deduction)},
                    {QStringLiteral("应纳税所得额"), Money(r.Taxable)},
                    {QStringLiteral("预扣率"), Rate(r.Rate)},
                    {QStringLiteral("速算扣除数"), Money(r.QuickDeduction)},
                    {QStringLiteral("应预扣税额"), Money(r.Tax)},
                    {QStringLiteral("税后收入"), Money(r.AfterTax)}}));
}

} // namespace

int RunLabour(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("labour"),
        QStringLiteral(
            "一次劳务报酬、稿酬或特许权使用费收入的预扣税额。居民个人：每次收入不超过\n"
            "%1 元减除 %2 元，超过的减除 %3%；稿酬再按 %4% 计算；劳务报酬按预扣率表二，\n"
            "稿酬和特许权使用费按 %5%。非居民个人：一律减除 %3%，按月度税率表。")
            .arg(LawAmount(current::Law::SmallPayment), LawAmount(current::Law::SmallPaymentCost))
            .arg(current::Law::CostRate)
            .arg(current::Law::AuthorShare)
            .arg(current::Tables::FlatTwenty.front().Rate),
        {QStringLiteral("pendra-cli labour --income 30000"),
         QStringLiteral("pendra-cli labour --income 10000 --kind author --json"),
         QStringLiteral("pendra-cli labour --income 10000 --kind royalty --nonresident")});
    line.AddAmount("income", QStringLiteral("每次收入（必填）"));
    line.AddValue(
        "kind", QStringLiteral("类别"),
        QStringLiteral("labour（劳务报酬，默认）、author（稿酬）、royalty（特许权使用费）"));
    line.AddFlag("nonresident", QStringLiteral("非居民个人"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"income"}))
        return *done;
    const auto kind =
        line.IsSet("kind") ? KindNamed(line.Value("kind")) : current::RemunerationKind::Labour;
    if (!kind)
        return line.Refuse(QStringLiteral("未知的类别“%1”，应为 labour、author 或 royalty")
                               .arg(line.Value("kind")));
    Print(current::WithholdRemuneration(line.Amount("income"), *kind, line.IsSet("nonresident")),
          line.Json());
    return Success;
}

} // namespace Cli
