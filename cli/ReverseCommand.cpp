// pendra-cli reverse: from the figure wanted after tax (a monthly wage, an annual bonus, a labour,
// author or royalty payment) back to the least gross that yields it.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/Records.h"
#include "engine/current/Reverse.h"
#include "engine/current/Rules.h"
#include "formats/Result.h"
#include "formats/Vocabulary.h"

#include <QCoreApplication>

namespace Cli {
namespace {

// The words of this file, translated in the context "ReverseCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(ReverseCommand)
};

using current::Cents;

const QString NetOption = QStringLiteral("net");

QString Limit() {
    return Money(current::GrossLimit);
}

// A target that no gross below the limit reaches: nothing computed, as with a usage mistake.
int Unreachable(Cents Net, const QString &What) {
    PrintError(Words::tr("税后 %1 元无法达到：税前%2在 %3 元以下时都达不到")
                   .arg(Money(Net), What, Limit()));
    return Refused;
}

// --insurance-rate with its base, read exactly; an exit status after a mistake.
std::optional<int> ReadInsurance(const CommandLine &Line, current::WageTerms &Terms) {
    const QStringList baseOptions{"base-min", "base-max"};
    if (auto done = Line.Exclude("insurance-rate", {"insurance"}))
        return done;
    if (!Line.IsSet("insurance-rate")) {
        for (const QString &name : baseOptions) {
            if (Line.IsSet(name))
                return Line.Refuse(Words::tr("选项 --%1 只与 --insurance-rate 同用").arg(name));
        }
        Terms.Insurance = Line.Amount("insurance");
        return std::nullopt;
    }
    const QString text = Line.Value("insurance-rate");
    const auto rate = current::ParseHundredths(text.toStdString());
    if (!rate)
        return Line.Refuse(
            Words::tr("选项 --insurance-rate 的值“%1”不是百分数（最多两位小数，如 10.5）")
                .arg(text));
    if (*rate > current::WholeInHundredths)
        return Line.Refuse(
            Words::tr("缴费比例 %1% 超过 %2").arg(text, Rate(current::WholeInHundredths / 100)));
    current::InsuranceByRate byRate{*rate, Line.Amount("base-min"), current::Unbounded};
    if (Line.IsSet("base-max"))
        byRate.BaseMax = Line.Amount("base-max");
    if (byRate.BaseMax < byRate.BaseMin)
        return Line.Refuse(Words::tr("缴费基数上限 %1 低于下限 %2")
                               .arg(Money(byRate.BaseMax), Money(byRate.BaseMin)));
    Terms.ByRate = byRate;
    return std::nullopt;
}

QString ModeTitle(current::BasicDeduction Mode) {
    return QCoreApplication::translate(formats::VocabularyContext,
                                       formats::WordOf(formats::WithholdingModes(), Mode).Caption);
}

// Which months the answer is for, and how their basic deduction accumulates.
QString MonthsLine(const current::WageTerms &Terms) {
    return Words::tr("%1 至 %2 月，共 %3 个月，减除方式%4\n")
        .arg(Terms.First)
        .arg(Terms.Last)
        .arg(Terms.MonthCount())
        .arg(ModeTitle(Terms.Mode));
}

// Each month's own gross, with the insurance, tax and net it comes to, and the year's totals.
QString EqualNetTable(const current::WageYear &y) {
    TextTable table;
    table.AddRow({Words::tr("月份"), Words::tr("税前收入"), Words::tr("三险一金"),
                  Words::tr("预扣税额"), Words::tr("税后收入")});
    for (const current::WageWithholding &m : y.Months)
        table.AddRow({QString::number(m.Month), Money(m.Income), Money(m.Income - m.Net - m.Tax),
                      Money(m.Tax), Money(m.Net)});
    table.AddRow({Words::tr("合计"), Money(y.YearGross), Money(y.YearInsurance), Money(y.YearTax),
                  Money(y.YearNet)});
    return table.Render();
}

QString WageText(const current::WageYear &y, const current::WageTerms &Terms, bool EqualNet) {
    if (EqualNet)
        return MonthsLine(Terms) +
               Words::tr("每月税后相同：每月税前收入各不相同，各月税后都恰为 %1\n")
                   .arg(Money(y.Net)) +
               EqualNetTable(y) + u'\n' + MonthTable(y.Months);
    return MonthsLine(Terms) +
           Pairs({{Words::tr("税前月薪"), Money(y.Gross)},
                  {Words::tr("平均每月税后"), Money(y.Net)},
                  {Words::tr("全年税前合计"), Money(y.YearGross)},
                  {Words::tr("全年三险一金合计"), Money(y.YearInsurance)},
                  {Words::tr("全年预扣税额合计"), Money(y.YearTax)},
                  {Words::tr("全年税后合计"), Money(y.YearNet)}}) +
           u'\n' + MonthTable(y.Months);
}

int RunWageReverse(const QStringList &Arguments) {
    const current::YearRules &rules = current::LatestRules();
    CommandLine line(
        QStringLiteral("reverse wage"),
        Words::tr("由每月税后收入反算税前月薪：--from 至 --to 月（默认 1 至 %1 月）在同一单位\n"
                  "发放相同的工资（减除方式同 wage，每月 %2 元），求这些月税后合计不少于月数 ×\n"
                  "目标的最低月薪，并列出各月明细。加 --equal-net 则逐月求税前收入，使每个月的\n"
                  "税后都恰为目标（各月税前不同）。三险一金为固定金额（--insurance），或为月薪\n"
                  "的一定比例（--insurance-rate）：月薪低于缴费基数下限的按下限、高于上限的按\n"
                  "上限计算，按分四舍五入。")
            .arg(current::Law::MonthsInYear)
            .arg(Money(rules.BasicMonthly)),
        {QStringLiteral("pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000"),
         QStringLiteral("pendra-cli reverse wage --net 15000 --insurance-rate 10.5 --base-min "
                        "7162 --base-max 35811 --json"),
         QStringLiteral("pendra-cli reverse wage --net 20000 --from 3 --equal-net")});
    line.AddAmount(NetOption, Words::tr("目标每月税后收入（必填）"));
    line.AddAmount("exempt", Words::tr("每月免税收入"));
    line.AddAmount("insurance", Words::tr("每月三险一金，固定金额"));
    line.AddValue("insurance-rate", Words::tr("百分数"),
                  Words::tr("三险一金按月薪的比例，如 10.5（最多两位小数）"));
    line.AddAmount("base-min", Words::tr("缴费基数下限，默认 0"));
    line.AddAmount("base-max", Words::tr("缴费基数上限，默认无上限"));
    line.AddAmount("special", Words::tr("每月专项附加扣除"));
    line.AddAmount("other", Words::tr("每月其他扣除"));
    line.AddWageMonths();
    line.AddFlag("equal-net", Words::tr("每月税后相同：逐月求税前收入，使各月税后都恰为目标"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({NetOption}))
        return *done;
    current::WageTerms terms;
    terms.Exempt = line.Amount("exempt");
    terms.Special = line.Amount("special");
    terms.Other = line.Amount("other");
    if (auto done = ReadInsurance(line, terms))
        return *done;
    if (auto done =
            line.ReadWageMonths(terms.Mode, terms.First, terms.Last, current::LatestRules()))
        return *done;

    const bool equalNet = line.IsSet("equal-net");
    const Cents net = line.Amount(NetOption);
    const auto year =
        equalNet ? current::ReverseWageEqualNet(net, terms) : current::ReverseWage(net, terms);
    if (!year)
        return Unreachable(net, equalNet ? Words::tr("每月收入") : Words::tr("月薪"));
    if (!line.Json()) {
        PrintOut(WageText(*year, terms, equalNet));
        return Success;
    }
    PrintJson(formats::WageReverseJson(*year, terms, equalNet));
    return Success;
}

QString BonusText(const current::BonusReverse &b) {
    QString text = Pairs({{Words::tr("税前奖金"), Money(b.Gross)},
                          {Words::tr("税后奖金"), Money(b.Net)},
                          {Words::tr("税率"), Rate(b.Separate.Rate)},
                          {Words::tr("速算扣除数"), Money(b.Separate.QuickDeduction)},
                          {Words::tr("奖金应纳税额"), Money(b.Separate.BonusTax)},
                          {Words::tr("其他综合所得应纳税额"), Money(b.Separate.OtherTax)},
                          {Words::tr("应纳税额合计"), Money(b.Separate.Total)}});
    if (b.CliffAbove)
        text +=
            Words::tr("\n临界点：奖金超过 %1 而不到 %2 时，税后反而少于发 %1，"
                      "最多少得 %3；加发奖金时应越过 %2\n")
                .arg(Money(b.CliffAbove->From), Money(b.CliffAbove->To), Money(b.CliffAbove->Loss));
    return text;
}

int RunBonusReverse(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("reverse bonus"),
        Words::tr("由税后奖金反算全年一次性奖金：单独计税时，税后不少于目标的最低奖金；\n"
                  "并给出奖金之上最近的临界点，及其上税后反而更少的区间。"),
        {QStringLiteral("pendra-cli reverse bonus --net 50000"),
         QStringLiteral("pendra-cli reverse bonus --net 34920 --taxable 100000 "
                        "--json")});
    line.AddAmount(NetOption, Words::tr("目标税后奖金（必填）"));
    line.AddAmount("taxable",
                   Words::tr("奖金以外的全年综合所得应纳税所得额，默认 0，用于其他综合所得"
                             "应纳税额；扣除未用完时可为负数"),
                   true);
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({NetOption}))
        return *done;
    const auto bonus = current::ReverseBonus(line.Amount(NetOption), line.Amount("taxable"));
    if (!bonus)
        return Unreachable(line.Amount(NetOption), Words::tr("奖金"));
    if (!line.Json()) {
        PrintOut(BonusText(*bonus));
        return Success;
    }
    PrintJson(formats::BonusReverseJson(*bonus));
    return Success;
}

int RunLabourReverse(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("reverse labour"),
        Words::tr("由一次劳务报酬、稿酬或特许权使用费的税后收入反算税前收入：预扣（居民个人）\n"
                  "或代扣（非居民个人）税款后不少于目标的最低收入。"),
        {QStringLiteral("pendra-cli reverse labour --net 16800"),
         QStringLiteral(
             "pendra-cli reverse labour --net 8000 --kind author --nonresident --json")});
    line.AddAmount(NetOption, Words::tr("目标税后收入（必填）"));
    AddRemunerationOptions(line);
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({NetOption}))
        return *done;
    const auto kind = ReadKind(line);
    if (!kind)
        return Refused;
    const auto payment =
        current::ReverseRemuneration(line.Amount(NetOption), *kind, line.IsSet("nonresident"));
    if (!payment)
        return Unreachable(line.Amount(NetOption), Words::tr("收入"));
    if (!line.Json()) {
        PrintOut(RemunerationText(*payment));
        return Success;
    }
    PrintJson(formats::RemunerationReverseJson(*payment));
    return Success;
}

QString ReverseHelp() {
    return Words::tr("用法：pendra-cli reverse <类别> --net <金额> [选项]\n\n"
                     "由税后金额反算税前金额：求税后不少于目标的最低税前金额（精确到分）。\n"
                     "税前金额在 %1 元以下都达不到的目标不予计算（退出状态 2）。\n\n"
                     "类别：\n"
                     "  wage    每月工资薪金：所选月份（默认 1 至 %2 月）在同一单位发放，各月税后\n"
                     "          合计达到目标；或 --equal-net，每月税后都恰为目标\n"
                     "  bonus   全年一次性奖金，单独计税\n"
                     "  labour  劳务报酬、稿酬、特许权使用费，居民或非居民个人\n\n"
                     "每个类别都有 --help，列出其选项；加 --json 以 JSON 输出。\n\n"
                     "示例：\n"
                     "  pendra-cli reverse wage --net 15000 --insurance 2000 --special 3000\n"
                     "  pendra-cli reverse bonus --net 50000 --json\n"
                     "  pendra-cli reverse labour --net 16800 --kind author\n")
        .arg(Limit())
        .arg(current::Law::MonthsInYear);
}

} // namespace

int RunReverse(const QStringList &Arguments) {
    const QString what = Arguments.value(0);
    const QStringList rest = Arguments.mid(1);
    if (what == QLatin1String("wage"))
        return RunWageReverse(rest);
    if (what == QLatin1String("bonus"))
        return RunBonusReverse(rest);
    if (what == QLatin1String("labour"))
        return RunLabourReverse(rest);
    if (what == QLatin1String("--help") || what == QLatin1String("-h")) {
        PrintOut(ReverseHelp());
        return Success;
    }
    PrintError(
        (what.isEmpty() ? Words::tr("缺少反算类别") : Words::tr("未知的反算类别“%1”").arg(what)) +
        Words::tr("，应为 wage、bonus 或 labour（用法见 pendra-cli reverse --help）"));
    return Refused;
}

} // namespace Cli
