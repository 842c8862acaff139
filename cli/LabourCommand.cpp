// pendra-cli labour: the tax withheld on one payment of labour, author or royalty income, or on a
// student's internship pay month by month.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/Records.h"
#include "engine/current/Internship.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"
#include "formats/Result.h"
#include "formats/Vocabulary.h"

#include <QCoreApplication>

namespace Cli {
namespace {

// The words of this file, translated in the context "LabourCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(LabourCommand)
};

// --kind takes a key, in English or in Chinese, whatever the language in use.
std::optional<current::RemunerationKind> KindNamed(const QString &Name) {
    for (const auto &word : formats::RemunerationKinds()) {
        if (Name == QLatin1String(word.EnglishKey) || Name == QString::fromUtf8(word.Caption))
            return word.Value;
    }
    return std::nullopt;
}

} // namespace

std::optional<current::RemunerationKind> ReadKind(const CommandLine &Line) {
    if (!Line.IsSet("kind"))
        return current::RemunerationKind::Labour;
    const auto kind = KindNamed(Line.Value("kind"));
    if (!kind)
        Line.Refuse(
            Words::tr("未知的类别“%1”，应为 labour、author 或 royalty").arg(Line.Shown("kind")));
    return kind;
}

void AddRemunerationOptions(CommandLine &Line) {
    Line.AddValue("kind", Words::tr("类别"),
                  Words::tr("labour（劳务报酬，默认）、author（稿酬）、royalty（特许权使用费）"));
    Line.AddFlag("nonresident", Words::tr("非居民个人"));
}

QString RemunerationText(const current::Remuneration &r) {
    return Pairs({{Words::tr("收入"), Money(r.Income)},
                  {Words::tr("减除费用"), Money(r.Deduction)},
                  {Words::tr("应纳税所得额"), Money(r.Taxable)},
                  {Words::tr("预扣率"), Rate(r.Rate)},
                  {Words::tr("速算扣除数"), Money(r.QuickDeduction)},
                  {Words::tr("应预扣税额"), Money(r.Tax)},
                  {Words::tr("税后收入"), Money(r.AfterTax)}});
}

namespace {

void PrintInternship(const std::vector<current::InternshipMonth> &Months, bool Json) {
    if (Json)
        return PrintJson(formats::InternshipJson(Months));
    std::vector<current::WageWithholding> rows;
    std::vector<current::Cents> amounts;
    current::Cents total = 0;
    for (const current::InternshipMonth &m : Months) {
        rows.push_back(m.Withholding);
        amounts.push_back(m.IncomeAmount);
        total += m.Withholding.Tax;
    }
    PrintOut(MonthTable(rows, amounts) + Words::tr("\n预扣税额合计：%1\n").arg(Money(total)));
}

// A student's internship pay is labour remuneration of a resident; the other kinds and
// non-residents have no cumulative method. The months belong to the internship only.
std::optional<int> CheckInternship(const CommandLine &Line, current::RemunerationKind Kind) {
    if (!Line.IsSet("intern")) {
        for (const QString name : {"from", "to"}) {
            if (Line.IsSet(name))
                return Line.Refuse(Words::tr("选项 --%1 只用于 --intern").arg(name));
        }
        return std::nullopt;
    }
    if (auto done = Line.Exclude("intern", {"nonresident"}))
        return done;
    if (Kind != current::RemunerationKind::Labour)
        return Line.Refuse(Words::tr("在校学生实习只适用于劳务报酬，不能与 --kind %1 同用")
                               .arg(Line.Shown("kind")));
    return std::nullopt;
}

QString InternshipSummary() {
    return Words::tr(
               "\n加 --intern：在校学生实习取得的劳务报酬，每月收入相同，按累计预扣法逐月预扣：\n"
               "收入额为收入的 %1%，累计减除费用为每月 %2 元乘实习月数，按综合所得年度税率表。")
        .arg(current::Law::IncomeShare)
        .arg(LawAmount(current::LatestRules().BasicMonthly));
}

} // namespace

int RunLabour(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("labour"),
        Words::tr("一次劳务报酬、稿酬或特许权使用费收入的预扣税额。居民个人：每次收入不超过\n"
                  "%1 元减除 %2 元，超过的减除 %3%；稿酬再按 %4% 计算；劳务报酬按预扣率表二，\n"
                  "稿酬和特许权使用费按 %5%。非居民个人：一律减除 %3%，按月度税率表。")
                .arg(LawAmount(current::Law::SmallPayment),
                     LawAmount(current::Law::SmallPaymentCost))
                .arg(current::Law::CostRate)
                .arg(current::Law::AuthorShare)
                .arg(current::Tables::FlatTwenty.front().Rate) +
            InternshipSummary(),
        {QStringLiteral("pendra-cli labour --income 30000"),
         QStringLiteral("pendra-cli labour --income 10000 --kind author --json"),
         QStringLiteral("pendra-cli labour --income 10000 --kind royalty --nonresident"),
         QStringLiteral("pendra-cli labour --intern --income 8000 --from 7 --to 9")});
    line.AddAmount("income", Words::tr("每次收入（必填）；加 --intern 时为每月收入"));
    AddRemunerationOptions(line);
    line.AddFlag("intern",
                 Words::tr("在校学生实习：按累计预扣法逐月预扣（只用于居民个人的劳务报酬）"));
    line.AddMonthRange();
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({"income"}))
        return *done;
    const auto kind = ReadKind(line);
    if (!kind)
        return Refused;
    if (auto done = CheckInternship(line, *kind))
        return *done;
    if (line.IsSet("intern")) {
        int first = 1, last = 12;
        if (auto done = line.ReadMonthRange(first, last))
            return *done;
        PrintInternship(current::WithholdInternship(line.Amount("income"), first, last),
                        line.Json());
        return Success;
    }
    const current::Remuneration r =
        current::WithholdRemuneration(line.Amount("income"), *kind, line.IsSet("nonresident"));
    if (line.Json())
        PrintJson(formats::RemunerationJson(r));
    else
        PrintOut(RemunerationText(r));
    return Success;
}

} // namespace Cli
