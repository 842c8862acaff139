#include "cli/WageMonths.h"

#include "cli/Output.h"

#include <QCoreApplication>

#include <algorithm>

namespace Cli {
namespace {

// The words of this file, translated in the context "WageMonths".
class Words {
    Q_DECLARE_TR_FUNCTIONS(WageMonths)
};

} // namespace

using current::Cents;

// Cumulative columns that stay zero all year (no exempt income, say) are left out of the table;
// the JSON has them all.
QString MonthTable(const std::vector<current::WageWithholding> &Months,
                   const std::vector<Cents> &IncomeAmounts) {
    using Row = current::WageWithholding;
    struct Column {
        const char *Title; // translated in the context "WageMonths"
        Cents Row::*Field;
    };
    const bool amounts = !IncomeAmounts.empty();
    const Column columns[] = {
        {QT_TRANSLATE_NOOP("WageMonths", "收入"), &Row::Income},
        {amounts ? QT_TRANSLATE_NOOP("WageMonths", "累计收入额")
                 : QT_TRANSLATE_NOOP("WageMonths", "累计收入"),
         &Row::CumulativeIncome},
        {QT_TRANSLATE_NOOP("WageMonths", "累计免税收入"), &Row::CumulativeExempt},
        {QT_TRANSLATE_NOOP("WageMonths", "累计减除费用"), &Row::CumulativeBasic},
        {QT_TRANSLATE_NOOP("WageMonths", "累计专项扣除"), &Row::CumulativeInsurance},
        {QT_TRANSLATE_NOOP("WageMonths", "累计专项附加扣除"), &Row::CumulativeSpecial},
        {QT_TRANSLATE_NOOP("WageMonths", "累计其他扣除"), &Row::CumulativeOther},
        {QT_TRANSLATE_NOOP("WageMonths", "累计应纳税所得额"), &Row::CumulativeTaxable}};
    const Column after[] = {
        {QT_TRANSLATE_NOOP("WageMonths", "速算扣除数"), &Row::QuickDeduction},
        {QT_TRANSLATE_NOOP("WageMonths", "累计应纳税额"), &Row::CumulativeTax},
        {QT_TRANSLATE_NOOP("WageMonths", "累计已预扣税额"), &Row::WithheldBefore},
        {QT_TRANSLATE_NOOP("WageMonths", "本月应预扣税额"), &Row::Tax},
        {QT_TRANSLATE_NOOP("WageMonths", "税后收入"), &Row::Net}};
    QList<const Column *> shown;
    for (const Column &c : columns) {
        const bool used = std::any_of(Months.begin(), Months.end(),
                                      [&](const Row &m) { return m.*c.Field != 0; });
        if (used || c.Field == &Row::CumulativeTaxable || c.Field == &Row::Income)
            shown.append(&c);
    }
    TextTable table;
    QStringList header{Words::tr("月份")};
    for (const Column *c : shown)
        header.append(QCoreApplication::translate("WageMonths", c->Title));
    header.append(Words::tr("预扣率"));
    for (const Column &c : after)
        header.append(QCoreApplication::translate("WageMonths", c.Title));
    // The income amount beside the payment, which always comes first.
    if (amounts)
        header.insert(2, Words::tr("收入额"));
    table.AddRow(header);
    for (std::size_t i = 0; i < Months.size(); ++i) {
        const Row &m = Months[i];
        QStringList cells{QString::number(m.Month)};
        for (const Column *c : shown)
            cells.append(Money(m.*c->Field));
        cells.append(Rate(m.Rate));
        for (const Column &c : after)
            cells.append(Money(m.*c.Field));
        if (amounts)
            cells.insert(2, Money(IncomeAmounts[i]));
        table.AddRow(cells);
    }
    return table.Render();
}

} // namespace Cli
