#include "cli/WageOutput.h"

#include "cli/Output.h"

#include <algorithm>

namespace Cli {

using current::Cents;

QJsonObject JsonWageMonth(const current::WageWithholding &m) {
    return {{"month", m.Month},
            {"income", JsonMoney(m.Income)},
            {"cumulative_income", JsonMoney(m.CumulativeIncome)},
            {"cumulative_exempt", JsonMoney(m.CumulativeExempt)},
            {"cumulative_basic", JsonMoney(m.CumulativeBasic)},
            {"cumulative_insurance", JsonMoney(m.CumulativeInsurance)},
            {"cumulative_special", JsonMoney(m.CumulativeSpecial)},
            {"cumulative_other", JsonMoney(m.CumulativeOther)},
            {"cumulative_taxable", JsonMoney(m.CumulativeTaxable)},
            {"rate", m.Rate},
            {"quick_deduction", JsonMoney(m.QuickDeduction)},
            {"cumulative_tax", JsonMoney(m.CumulativeTax)},
            {"withheld_before", JsonMoney(m.WithheldBefore)},
            {"tax", JsonMoney(m.Tax)},
            {"net", JsonMoney(m.Net)}};
}

// One line a month. Cumulative columns that stay zero all year (no exempt income, say) are left
// out of the table; the JSON has them all.
QString WageMonthTable(const std::vector<current::WageWithholding> &Months) {
    using Row = current::WageWithholding;
    struct Column {
        const char16_t *Title;
        Cents Row::*Field;
    };
    const Column columns[] = {{u"收入", &Row::Income},
                              {u"累计收入", &Row::CumulativeIncome},
                              {u"累计免税收入", &Row::CumulativeExempt},
                              {u"累计减除费用", &Row::CumulativeBasic},
                              {u"累计专项扣除", &Row::CumulativeInsurance},
                              {u"累计专项附加扣除", &Row::CumulativeSpecial},
                              {u"累计其他扣除", &Row::CumulativeOther},
                              {u"累计应纳税所得额", &Row::CumulativeTaxable}};
    const Column after[] = {{u"速算扣除数", &Row::QuickDeduction},
                            {u"累计应纳税额", &Row::CumulativeTax},
                            {u"累计已预扣税额", &Row::WithheldBefore},
                            {u"本月应预扣税额", &Row::Tax},
                            {u"税后收入", &Row::Net}};
    QList<const Column *> shown;
    for (const Column &c : columns) {
        const bool used = std::any_of(Months.begin(), Months.end(),
                                      [&](const Row &m) { return m.*c.Field != 0; });
        if (used || c.Field == &Row::CumulativeTaxable || c.Field == &Row::Income)
            shown.append(&c);
    }
    TextTable table;
    QStringList header{QStringLiteral("月份")};
    for (const Column *c : shown)
        header.append(QString::fromUtf16(c->Title));
    header.append(QStringLiteral("预扣率"));
    for (const Column &c : after)
        header.append(QString::fromUtf16(c.Title));
    table.AddRow(header);
    for (const Row &m : Months) {
        QStringList cells{QString::number(m.Month)};
        for (const Column *c : shown)
            cells.append(Money(m.*c->Field));
        cells.append(Rate(m.Rate));
        for (const Column &c : after)
            cells.append(Money(m.*c.Field));
        table.AddRow(cells);
    }
    return table.Render();
}

} // namespace Cli
