// pendra-cli settle: the annual settlement of comprehensive income.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"

namespace Cli {
namespace {

using current::FilingReason;

QString ReasonName(FilingReason Reason) {
    switch (Reason) {
    case FilingReason::Refund:
        return QStringLiteral("refund");
    case FilingReason::None:
        return QStringLiteral("none");
    case FilingReason::OweSmall:
        return QStringLiteral("owe_small");
    case FilingReason::IncomeLow:
        return QStringLiteral("income_low");
    case FilingReason::Owe:
        break;
    }
    return QStringLiteral("owe");
}

QString ReasonText(const current::Settlement &s) {
    switch (s.Reason) {
    case FilingReason::Refund:
        return QStringLiteral("应退税 %1：可以办理汇算申请退税，也可以不办理")
            .arg(Money(-s.Balance));
    case FilingReason::None:
        return QStringLiteral("无需补税也无退税，无需办理汇算");
    case FilingReason::OweSmall:
        return QStringLiteral("应补税 %1，不超过 %2 元，无需办理汇算")
            .arg(Money(s.Balance), LawAmount(current::LatestRules().SmallOwed));
    case FilingReason::IncomeLow:
        return QStringLiteral("应补税 %1，但综合所得年收入不超过 %2 万元，无需办理汇算")
            .arg(Money(s.Balance), LawAmount(current::LatestRules().LowIncome / 10'000));
    case FilingReason::Owe:
        break;
    }
    return QStringLiteral("应补税 %1：须在次年 %2 月 %3 日前办理汇算")
        .arg(Money(s.Balance))
        .arg(current::Law::SettlementUntil.Month)
        .arg(current::Law::SettlementUntil.Day);
}

std::optional<current::BonusMethod> MethodNamed(const QString &Name) {
    if (Name == QStringLiteral("separate") || Name == QStringLiteral("单独计税"))
        return current::BonusMethod::Separate;
    if (Name == QStringLiteral("merged") || Name == QStringLiteral("并入综合所得"))
        return current::BonusMethod::Merged;
    return std::nullopt;
}

void Print(const current::Settlement &s, bool Json) {
    if (Json) {
        PrintJson({{"income_amount", JsonMoney(s.IncomeAmount)},
                   {"deductions", JsonMoney(s.Deductions)},
                   {"taxable", JsonMoney(s.Taxable)},
                   {"rate", s.Rate},
                   {"quick_deduction", JsonMoney(s.QuickDeduction)},
                   {"tax", JsonMoney(s.Tax)},
                   {"bonus_tax", JsonMoney(s.BonusTax)},
                   {"total_tax", JsonMoney(s.TotalTax)},
                   {"withheld", JsonMoney(s.Withheld)},
                   {"balance", JsonMoney(s.Balance)},
                   {"must_file", s.MustFile},
                   {"reason", ReasonName(s.Reason)}});
        return;
    }
    PrintOut(Pairs({{QStringLiteral("综合所得收入额"), Money(s.IncomeAmount)},
                    {QStringLiteral("扣除合计"), Money(s.Deductions)},
                    {QStringLiteral("应纳税所得额"), Money(s.Taxable)},
                    {QStringLiteral("税率"), Rate(s.Rate)},
                    {QStringLiteral("速算扣除数"), Money(s.QuickDeduction)},
                    {QStringLiteral("综合所得应纳税额"), Money(s.Tax)},
                    {QStringLiteral("年终奖单独计税税额"), Money(s.BonusTax)},
                    {QStringLiteral("应纳税额合计"), Money(s.TotalTax)},
                    {QStringLiteral("已预缴税额"), Money(s.Withheld)},
                    {QStringLiteral("应补（退）税额"), Money(s.Balance)}}) +
             u'\n' + ReasonText(s) + u'\n');
}

} // namespace

int RunSettle(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("settle"),
        QStringLiteral(
            "年度汇算：按全年合计数计算综合所得应纳税额和应补（退）税额，并判断是否\n"
            "需要办理。各金额均为全年合计，默认 0；劳务报酬、稿酬、特许权使用费填收入。"),
        {QStringLiteral("pendra-cli settle --wages 240000 --insurance 24000 --special 36000 "
                        "--withheld 10000"),
         QStringLiteral("pendra-cli settle --wages 150000 --labour 20000 --bonus 30000 "
                        "--bonus-method merged --withheld 3000 --json")});
    line.AddAmount("wages", QStringLiteral("工资薪金（不含全年一次性奖金）"));
    line.AddAmount("labour", QStringLiteral("劳务报酬收入"));
    line.AddAmount("author", QStringLiteral("稿酬收入"));
    line.AddAmount("royalty", QStringLiteral("特许权使用费收入"));
    line.AddAmount("exempt", QStringLiteral("免税收入"));
    line.AddAmount("insurance", QStringLiteral("专项扣除（三险一金）"));
    line.AddAmount("special", QStringLiteral("专项附加扣除（含大病医疗）"));
    const current::YearRules &rules = current::LatestRules();
    line.AddAmount("pension",
                   QStringLiteral("个人养老金（最多扣除 %1）").arg(LawAmount(rules.PensionCap)));
    line.AddAmount(
        "health", QStringLiteral("商业健康保险（最多扣除 %1）").arg(LawAmount(rules.HealthAnnual)));
    line.AddAmount("other", QStringLiteral("其他扣除"));
    line.AddAmount("bonus", QStringLiteral("全年一次性奖金"));
    line.AddValue("bonus-method", QStringLiteral("方法"),
                  QStringLiteral("separate（单独计税，默认）或 merged（并入综合所得）"));
    line.AddAmount("withheld", QStringLiteral("全年已预缴税额"));
    if (auto done = line.Parse(Arguments))
        return *done;
    const auto method = line.IsSet("bonus-method") ? MethodNamed(line.Value("bonus-method"))
                                                   : current::BonusMethod::Separate;
    if (!method)
        return line.Refuse(QStringLiteral("未知的奖金计税方法“%1”，应为 separate 或 merged")
                               .arg(line.Value("bonus-method")));
    current::SettlementInput year;
    year.Wages = line.Amount("wages");
    year.Labour = line.Amount("labour");
    year.Author = line.Amount("author");
    year.Royalty = line.Amount("royalty");
    year.Exempt = line.Amount("exempt");
    year.Insurance = line.Amount("insurance");
    year.Special = line.Amount("special");
    year.Pension = line.Amount("pension");
    year.Health = line.Amount("health");
    year.Other = line.Amount("other");
    year.Bonus = line.Amount("bonus");
    year.Method = *method;
    year.Withheld = line.Amount("withheld");
    Print(current::Settle(year), line.Json());
    return Success;
}

} // namespace Cli
