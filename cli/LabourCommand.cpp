// pendra-cli labour: the tax withheld on one payment of labour, author or royalty income.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/Records.h"
#include "engine/current/Remuneration.h"

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

} // namespace

std::optional<current::RemunerationKind> ReadKind(const CommandLine &Line) {
    if (!Line.IsSet("kind"))
        return current::RemunerationKind::Labour;
    const auto kind = KindNamed(Line.Value("kind"));
    if (!kind)
        Line.Refuse(QStringLiteral("未知的类别“%1”，应为 labour、author 或 royalty")
                        .arg(Line.Value("kind")));
    return kind;
}

void AddRemunerationOptions(CommandLine &Line) {
    Line.AddValue(
        "kind", QStringLiteral("类别"),
        QStringLiteral("labour（劳务报酬，默认）、author（稿酬）、royalty（特许权使用费）"));
    Line.AddFlag("nonresident", QStringLiteral("非居民个人"));
}

QJsonObject JsonRemuneration(const current::Remuneration &r) {
    return {{"income", JsonMoney(r.Income)},
            {"deduction", JsonMoney(r.Deduction)},
            {"taxable", JsonMoney(r.Taxable)},
            {"rate", r.Rate},
            {"quick_deduction", JsonMoney(r.QuickDeduction)},
            {"tax", JsonMoney(r.Tax)},
            {"after_tax", JsonMoney(r.AfterTax)}};
}

QString RemunerationText(const current::Remuneration &r) {
    return Pairs({{QStringLiteral("收入"), Money(r.Income)},
                  {QStringLiteral("减除费用"), Money(r.Deduction)},
                  {QStringLiteral("应纳税所得额"), Money(r.Taxable)},
                  {QStringLiteral("预扣率"), Rate(r.Rate)},
                  {QStringLiteral("速算扣除数"), Money(r.QuickDeduction)},
                  {QStringLiteral("应预扣税额"), Money(r.Tax)},
                  {QStringLiteral("税后收入"), Money(r.AfterTax)}});
}

int RunLabour(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("labour"),
        QStringLiteral(
            "一次劳务报酬、稿酬或特许权使用费收入的预扣税额。居民个人：每次收入不超过\n"
            "4000 元减除 800 元，超过的减除 20%；稿酬再按 70% 计算；劳务报酬按预扣率表二，\n"
            "稿酬和特许权使用费按 20%。非居民个人：一律减除 20%，按月度税率表。"),
        {QStringLiteral("pendra-cli labour --income 30000"),
         QStringLiteral("pendra-cli labour --income 10000 --kind author --json"),
         QStringLiteral("pendra-cli labour --income 10000 --kind royalty --nonresident")});
    line.AddAmount("income", QStringLiteral("每次收入（必填）"));
    AddRemunerationOptions(line);
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"income"}))
        return *done;
    const auto kind = ReadKind(line);
    if (!kind)
        return Refused;
    const current::Remuneration r =
        current::WithholdRemuneration(line.Amount("income"), *kind, line.IsSet("nonresident"));
    if (line.Json())
        PrintJson(JsonRemuneration(r));
    else
        PrintOut(RemunerationText(r));
    return Success;
}

} // namespace Cli
