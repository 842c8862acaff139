#include "common/USettlementSentences.h"

#include "sheets/Captions.h"

#include "common/UCurrentPage.h"
#include "common/ULawText.h"
#include "common/UUtils.h"

using current::BonusMethod;
using current::FilingReason;

namespace {

// How the pages write an amount and a day of the law.
QString AmountYuan(current::Cents Value) {
    return TCurrentPage::AmountYuan(Value);
}
QString LawAmount(current::Cents Value) {
    return TCurrentPage::LawAmount(Value);
}
QString LawDate(current::Date Day) {
    return TCurrentPage::LawDate(Day);
}

// When a settlement is made, as the sentences say it.
QString SettlementPeriod() {
    using current::Law::SettlementFrom;
    using current::Law::SettlementUntil;
    return SettlementSentences::tr("次年%1月%2日至%3月%4日")
        .arg(SettlementFrom.Month)
        .arg(SettlementFrom.Day)
        .arg(SettlementUntil.Month)
        .arg(SettlementUntil.Day);
}

} // namespace

QString SettlementSentences::MethodName(BonusMethod Method) {
    return sheets::Caption(Method);
}

QString SettlementSentences::FilingHeadline(const current::Settlement &Result) {
    switch (Result.Reason) {
    case FilingReason::Refund:
        return tr("可以办理年度汇算申请退税");
    case FilingReason::None:
    case FilingReason::OweSmall:
    case FilingReason::IncomeLow:
        return tr("无需办理年度汇算");
    case FilingReason::Owe:
        break;
    }
    return tr("需要办理年度汇算");
}

QString SettlementSentences::ReasonSentence(const current::Settlement &Result,
                                            const current::YearRules &Rules) {
    const current::YearRules &rules = Rules;
    const QString until =
        tr("（%1，此项免于办理的规定施行至%2）")
            .arg(LawText::Document(rules.Exemptions), LawDate(rules.ExemptionsUntil));
    switch (Result.Reason) {
    case FilingReason::Refund:
        return tr("已预缴税额比全年应纳税额多%1：可在%2办理年度汇算申请退税；放弃退税的，可以不"
                  "办理。")
            .arg(AmountYuan(-Result.Balance), SettlementPeriod());
    case FilingReason::None:
        return tr("已预缴税额与全年应纳税额相等，既不需补税，也没有退税。");
    case FilingReason::OweSmall:
        return tr("需补税%1，不超过%2元，依规定无需办理年度汇算，也不必补缴%3。")
            .arg(AmountYuan(Result.Balance), LawAmount(rules.SmallOwed), until);
    case FilingReason::IncomeLow:
        return tr("需补税%1，但全年综合所得收入不超过%2元，依规定无需办理年度汇算，也不必补缴%3。")
            .arg(AmountYuan(Result.Balance), LawAmount(rules.LowIncome), until);
    case FilingReason::Owe:
        break;
    }
    if (Result.ExemptionBarred)
        return tr("需补税%1。有扣缴义务人应预扣预缴而未预扣，不适用补税不超过%2元或收入不超过%3元"
                  "免于办理的规定：须在%4办理年度汇算并补缴税款。")
            .arg(AmountYuan(Result.Balance), LawAmount(rules.SmallOwed), LawAmount(rules.LowIncome),
                 SettlementPeriod());
    return tr("需补税%1，超过%2元，且全年综合所得收入超过%3元：须在%4办理年度汇算并补缴税款。")
        .arg(AmountYuan(Result.Balance), LawAmount(rules.SmallOwed), LawAmount(rules.LowIncome),
             SettlementPeriod());
}

QString SettlementSentences::OtherMethodSentence(const current::SettlementInput &Year) {
    if (Year.Bonus <= 0)
        return {};
    const current::OtherMethod other = current::SettleOtherWay(Year);
    const QString otherName = MethodName(Year.Method == BonusMethod::Merged ? BonusMethod::Separate
                                                                            : BonusMethod::Merged);
    const QString total = AmountYuan(other.Other.TotalTax);
    if (!other.Lower)
        return tr("若改为%1：应纳税额合计同为%2，两种方式相同。").arg(otherName, total);
    const QString difference = AmountYuan(other.Difference);
    if (*other.Lower == Year.Method)
        return tr("若改为%1：应纳税额合计%2，多缴%3；%4较低。")
            .arg(otherName, total, difference, MethodName(Year.Method));
    return tr("若改为%1：应纳税额合计%2，少缴%3；%1较低。").arg(otherName, total, difference);
}
