// pendra-cli settle: the annual settlement of comprehensive income.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/SettlementOutput.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Settlement.h"
#include "formats/Result.h"
#include "formats/Vocabulary.h"
#include "sheets/LawText.h"

#include <QCoreApplication>

namespace Cli {
namespace {

// The words of this file, translated in the context "SettleCommand".
class Words {
    Q_DECLARE_TR_FUNCTIONS(SettleCommand)
};

// --bonus-method takes a key, in English or in Chinese, whatever the language in use.
std::optional<current::BonusMethod> MethodNamed(const QString &Name) {
    for (const current::BonusMethod method :
         {current::BonusMethod::Separate, current::BonusMethod::Merged}) {
        const auto &word =
            formats::WordOf(formats::BonusMethods(), method == current::BonusMethod::Merged
                                                         ? current::BonusChoice::Merged
                                                         : current::BonusChoice::Separate);
        if (Name == QLatin1String(word.EnglishKey) || Name == QString::fromUtf8(word.Caption))
            return method;
    }
    return std::nullopt;
}

// Under the rules of the latest year; where they have no separate bonus, a bonus is merged and
// the text says why.
void Print(const current::SettlementInput &Year, const current::YearRules &Rules, bool Json) {
    const current::Settlement s = current::Settle(Year, Rules);
    const bool mergedByLaw = Year.Bonus > 0 && !Rules.SeparateBonus;
    if (Json)
        return PrintJson(formats::SettlementJson(s, Rules));
    PrintOut(Pairs(SettlementPairs(s)) + u'\n' +
             (mergedByLaw ? LawText::NoSeparateBonus(Rules) + u'\n' : QString()) +
             ReasonText(s, Rules) + u'\n');
}

} // namespace

int RunSettle(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("settle"),
        Words::tr("年度汇算：按全年合计数计算综合所得应纳税额和应补（退）税额，并判断是否\n"
                  "需要办理。各金额均为全年合计，默认 0；劳务报酬、稿酬、特许权使用费填收入。"),
        {QStringLiteral("pendra-cli settle --wages 240000 --insurance 24000 --special 36000 "
                        "--withheld 10000"),
         QStringLiteral("pendra-cli settle --wages 150000 --labour 20000 --bonus 30000 "
                        "--bonus-method merged --withheld 3000 --json")});
    line.AddAmount("wages", Words::tr("工资薪金（不含全年一次性奖金）"));
    line.AddAmount("labour", Words::tr("劳务报酬收入"));
    line.AddAmount("author", Words::tr("稿酬收入"));
    line.AddAmount("royalty", Words::tr("特许权使用费收入"));
    line.AddAmount("exempt", Words::tr("免税收入"));
    line.AddAmount("insurance", Words::tr("专项扣除（三险一金）"));
    line.AddAmount("special", Words::tr("专项附加扣除（含大病医疗）"));
    const current::YearRules &rules = current::LatestRules();
    line.AddAmount("pension",
                   Words::tr("个人养老金（最多扣除 %1）").arg(LawAmount(rules.PensionCap)));
    line.AddAmount("health",
                   Words::tr("商业健康保险（最多扣除 %1）").arg(LawAmount(rules.HealthAnnual)));
    line.AddAmount("other", Words::tr("其他扣除"));
    line.AddAmount("donation",
                   Words::tr("公益慈善事业捐赠，限额扣除（不超过扣除捐赠前应纳税所得额的 %1%）")
                       .arg(current::Law::DonationLimitShare));
    line.AddAmount("donation-full", Words::tr("准予全额扣除的公益慈善事业捐赠"));
    line.AddAmount("bonus", Words::tr("全年一次性奖金"));
    line.AddValue("bonus-method", Words::tr("方法"),
                  Words::tr("separate（单独计税，默认）或 merged（并入综合所得）"));
    line.AddAmount("withheld", Words::tr("全年已预缴税额"));
    line.AddFlag("unwithheld",
                 Words::tr("有扣缴义务人应预扣预缴而未预扣：补税不超过 %1 或收入不超过 %2 "
                           "也须办理汇算")
                     .arg(LawAmount(rules.SmallOwed), LawAmount(rules.LowIncome)));
    if (auto done = line.Parse(Arguments))
        return *done;
    const auto method = line.IsSet("bonus-method") ? MethodNamed(line.Value("bonus-method"))
                                                   : current::BonusMethod::Separate;
    if (!method)
        return line.Refuse(Words::tr("未知的奖金计税方法“%1”，应为 separate 或 merged")
                               .arg(line.Shown("bonus-method")));
    const current::YearRules &law = current::LatestRulesInUse();
    // Asked for by name, a method the year's law does not have is refused rather than changed.
    if (!law.SeparateBonus && line.IsSet("bonus-method") &&
        *method == current::BonusMethod::Separate)
        return line.Refuse(LawText::NoSeparateBonus(law));
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
    year.Donations = line.Amount("donation");
    year.DonationsFull = line.Amount("donation-full");
    year.Bonus = line.Amount("bonus");
    year.Method = law.SeparateBonus ? *method : current::BonusMethod::Merged;
    year.Year = law.Year;
    year.Withheld = line.Amount("withheld");
    year.Unwithheld = line.IsSet("unwithheld");
    Print(year, law, line.Json());
    return Success;
}

} // namespace Cli
