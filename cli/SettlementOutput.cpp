#include "cli/SettlementOutput.h"

#include "cli/Output.h"
#include "sheets/Captions.h"
#include "sheets/LawText.h"

#include <QCoreApplication>

namespace Cli {
namespace {

using current::FilingReason;

class Words {
    Q_DECLARE_TR_FUNCTIONS(SettlementOutput)
};

current::BonusMethod OtherMethod(current::BonusMethod Method) {
    return Method == current::BonusMethod::Merged ? current::BonusMethod::Separate
                                                  : current::BonusMethod::Merged;
}

} // namespace

QString ReasonText(const current::Settlement &s, const current::YearRules &Rules) {
    switch (s.Reason) {
    case FilingReason::Refund:
        return Words::tr("应退税 %1：可以办理汇算申请退税，也可以不办理").arg(Money(-s.Balance));
    case FilingReason::None:
        return Words::tr("无需补税也无退税，无需办理汇算");
    case FilingReason::OweSmall:
        return Words::tr("应补税 %1，不超过 %2 元，无需办理汇算（%3）")
            .arg(Money(s.Balance), LawAmount(Rules.SmallOwed), LawText::Document(Rules.Exemptions));
    case FilingReason::IncomeLow:
        return Words::tr("应补税 %1，但综合所得年收入不超过 %2 元，无需办理汇算（%3）")
            .arg(Money(s.Balance), LawAmount(Rules.LowIncome), LawText::Document(Rules.Exemptions));
    case FilingReason::Owe:
        break;
    }
    return Words::tr("应补税 %1：须在次年 %2 月 %3 日前办理汇算")
        .arg(Money(s.Balance))
        .arg(current::Law::SettlementUntil.Month)
        .arg(current::Law::SettlementUntil.Day);
}

QList<QStringList> SettlementPairs(const current::Settlement &s) {
    return {{Words::tr("综合所得收入额"), Money(s.IncomeAmount)},
            {Words::tr("扣除合计"), Money(s.Deductions)},
            {Words::tr("捐赠限额（%1%）").arg(current::Law::DonationLimitShare),
             Money(s.DonationLimit)},
            {Words::tr("捐赠扣除"), Money(s.Donations)},
            {Words::tr("应纳税所得额"), Money(s.Taxable)},
            {Words::tr("税率"), Rate(s.Rate)},
            {Words::tr("速算扣除数"), Money(s.QuickDeduction)},
            {Words::tr("综合所得应纳税额"), Money(s.Tax)},
            {Words::tr("年终奖单独计税税额"), Money(s.BonusTax)},
            {Words::tr("应纳税额合计"), Money(s.TotalTax)},
            {Words::tr("已预缴税额"), Money(s.Withheld)},
            {Words::tr("应补（退）税额"), Money(s.Balance)}};
}

QString BonusComparisonText(const current::YearSettlement &s) {
    if (!s.Other)
        return {};
    const current::Cents difference = s.Other->TotalTax - s.Figures.TotalTax;
    const QString other = OtherMethod(s.Method) == current::BonusMethod::Merged
                              ? Words::tr("年终奖并入综合所得")
                              : Words::tr("年终奖单独计税");
    if (difference > 0)
        return Words::tr("若%1，应纳税额合计为 %2，多 %3\n")
            .arg(other, Money(s.Other->TotalTax), Money(difference));
    if (difference < 0)
        return Words::tr("若%1，应纳税额合计为 %2，少 %3\n")
            .arg(other, Money(s.Other->TotalTax), Money(-difference));
    return Words::tr("若%1，应纳税额合计同为 %2\n").arg(other, Money(s.Other->TotalTax));
}

QList<QStringList> YearSettlementPairs(const current::YearSettlement &s) {
    QList<QStringList> rows{
        {Words::tr("专项附加扣除（不含大病医疗）"), Money(s.Special)},
        {Words::tr("大病医疗"), Money(s.Illness)},
        {sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::Pension)),
         Money(s.Pension)},
        {sheets::Caption(formats::CaptionOf(&current::EntitlementMonth::HealthInsurance)),
         Money(s.HealthInsurance)}};
    if (s.Donations != 0 || s.DonationsFull != 0)
        rows.append({{Words::tr("公益慈善捐赠（限额扣除）"), Money(s.Donations)},
                     {Words::tr("公益慈善捐赠（全额扣除）"), Money(s.DonationsFull)}});
    rows.append(SettlementPairs(s.Figures));
    return rows;
}

} // namespace Cli
