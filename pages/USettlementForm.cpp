#include "pages/USettlementForm.h"

#include "common/USettlementSentences.h"
#include "engine/current/Money.h"
#include "engine/current/RulesInUse.h"
#include "sheets/LawText.h"

using current::BonusMethod;
using current::Cents;
using current::SettlementInput;

namespace {

using Field = SettlementForm::Field;

QString Amount(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

const current::YearRules &RulesOfYear(int Year) {
    const current::YearRules *found = current::RulesInUse(Year);
    return found ? *found : current::LatestRulesInUse();
}

// Where each field goes in the year; wages and what was withheld must be typed, a blank other
// amount is nothing.
struct Slot {
    Field Which;
    Cents SettlementInput::*Into;
    bool Required;
};
constexpr Slot Slots[] = {
    {Field::Wages, &SettlementInput::Wages, true},
    {Field::Labour, &SettlementInput::Labour, false},
    {Field::Author, &SettlementInput::Author, false},
    {Field::Royalty, &SettlementInput::Royalty, false},
    {Field::Exempt, &SettlementInput::Exempt, false},
    {Field::Insurance, &SettlementInput::Insurance, false},
    {Field::Special, &SettlementInput::Special, false},
    {Field::Pension, &SettlementInput::Pension, false},
    {Field::Health, &SettlementInput::Health, false},
    {Field::Other, &SettlementInput::Other, false},
    {Field::Donation, &SettlementInput::Donations, false},
    {Field::DonationFull, &SettlementInput::DonationsFull, false},
    {Field::Bonus, &SettlementInput::Bonus, false},
    {Field::Withheld, &SettlementInput::Withheld, true},
};
static_assert(std::size(Slots) == SettlementForm::FieldCount);

} // namespace

QString SettlementForm::Caption(Field Which) {
    switch (Which) {
    case Field::Wages:
        return tr("全年工资薪金：");
    case Field::Labour:
        return tr("全年劳务报酬：");
    case Field::Author:
        return tr("全年稿酬：");
    case Field::Royalty:
        return tr("全年特许权使用费：");
    case Field::Exempt:
        return tr("全年免税收入：");
    case Field::Insurance:
        return tr("全年三险一金：");
    case Field::Special:
        return tr("全年专项附加扣除：");
    case Field::Pension:
        return tr("全年个人养老金：");
    case Field::Health:
        return tr("全年商业健康保险：");
    case Field::Other:
        return tr("全年其他扣除：");
    case Field::Donation:
        return tr("公益慈善捐赠（限额）：");
    case Field::DonationFull:
        return tr("公益慈善捐赠（全额）：");
    case Field::Bonus:
        return tr("全年一次性奖金：");
    case Field::Withheld:
        break;
    }
    return tr("全年已预缴税额：");
}

// The caption without its colon, as the page's edits are named for a screen reader too.
QString SettlementForm::Name(Field Which) {
    QString name = Caption(Which).trimmed();
    while (name.endsWith(QStringLiteral("：")) || name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

std::variant<SettlementInput, SettlementForm::Fault> SettlementForm::Read(const Typed &Input) {
    SettlementInput year;
    for (const Slot &slot : Slots) {
        const QString &text = Input.Texts[static_cast<std::size_t>(slot.Which)];
        const auto value = !slot.Required && text.trimmed().isEmpty()
                               ? std::optional<Cents>(0)
                               : current::ParseCents(text.toStdString());
        if (!value)
            return Fault{slot.Which, tr("%1数据无效，请重新输入。").arg(Name(slot.Which))};
        year.*slot.Into = *value;
    }
    // Tax-free income is a part of the income, never more than all of it.
    if (year.Exempt > year.Wages + year.Labour + year.Author + year.Royalty)
        return Fault{Field::Exempt, tr("全年免税收入不能大于全年收入合计，请重新输入。")};
    year.Year = Input.Year;
    year.Unwithheld = Input.Unwithheld;
    year.Method = Input.Merged || !MethodsOf(Input.Year).Separate ? BonusMethod::Merged
                                                                  : BonusMethod::Separate;
    return year;
}

// A year whose law has no separate bonus takes it merged: the choice is greyed, with the reason.
SettlementForm::Methods SettlementForm::MethodsOf(int Year) {
    const current::YearRules &rules = RulesOfYear(Year);
    if (rules.SeparateBonus)
        return {};
    return {false, LawText::NoSeparateBonus(rules)};
}

SettlementForm::Shown SettlementForm::Show(const std::optional<SettlementInput> &Year) {
    Shown shown;
    if (!Year) {
        shown.BalanceCaption = tr("应补（退）税额：");
        return shown;
    }
    const current::YearRules &rules = RulesOfYear(Year->Year);
    const current::Settlement result = current::Settle(*Year, rules);
    shown.IncomeAmount = Amount(result.IncomeAmount);
    shown.Deductions = Amount(result.Deductions);
    shown.Donations = Amount(result.Donations);
    shown.Taxable = Amount(result.Taxable);
    shown.Rate = QString::number(result.Rate) + QLatin1Char('%');
    shown.QuickDeduction = Amount(result.QuickDeduction);
    shown.Tax = Amount(result.Tax);
    shown.BonusTax = Amount(result.BonusTax);
    shown.TotalTax = Amount(result.TotalTax);
    shown.Withheld = Amount(result.Withheld);
    if (result.Balance < 0)
        shown.BalanceCaption = tr("应退税额：");
    else if (result.Balance > 0)
        shown.BalanceCaption = tr("应补税额：");
    else
        shown.BalanceCaption = tr("应补（退）税额：");
    shown.Balance = Amount(result.Balance < 0 ? -result.Balance : result.Balance);
    shown.OtherMethod = Year->Bonus > 0 && !rules.SeparateBonus
                            ? LawText::NoSeparateBonus(rules) + tr("。")
                            : SettlementSentences::OtherMethodSentence(*Year);
    shown.Filing = SettlementSentences::FilingHeadline(result);
    shown.MustFile = result.MustFile;
    shown.Reason = SettlementSentences::ReasonSentence(result, rules);
    return shown;
}
