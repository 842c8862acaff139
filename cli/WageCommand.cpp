// pendra-cli wage: one employee with the same figures every month, or a non-resident's month.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "engine/current/Wage.h"

#include <QJsonArray>

#include <algorithm>

#include <vector>

namespace Cli {
namespace {

using current::Cents;

// The 减除方式 as a payroll sheet writes it, or its name in plain letters for scripts.
std::optional<current::BasicDeduction> ModeNamed(const QString &Name) {
    if (Name == QStringLiteral("按月") || Name == QStringLiteral("per-month"))
        return current::BasicDeduction::PerMonth;
    if (Name == QStringLiteral("自1月") || Name == QStringLiteral("from-january"))
        return current::BasicDeduction::FromJanuary;
    if (Name == QStringLiteral("6万") || Name == QStringLiteral("sixty"))
        return current::BasicDeduction::Sixty;
    return std::nullopt;
}

std::optional<int> MonthNumber(const QString &Text) {
    bool ok = false;
    const int month = Text.trimmed().toInt(&ok);
    return ok && month >= 1 && month <= 12 ? std::optional<int>(month) : std::nullopt;
}

int PrintNonResident(const CommandLine &Line) {
    const current::NonResidentWage w = current::WithholdNonResidentWage(Line.Amount("income"));
    if (Line.Json()) {
        PrintJson({{"income", JsonMoney(w.Income)},
                   {"deduction", JsonMoney(w.Deduction)},
                   {"taxable", JsonMoney(w.Taxable)},
                   {"rate", w.Rate},
                   {"quick_deduction", JsonMoney(w.QuickDeduction)},
                   {"tax", JsonMoney(w.Tax)},
                   {"after_tax", JsonMoney(w.AfterTax)}});
        return Success;
    }
    PrintOut(Pairs({{QStringLiteral("收入"), Money(w.Income)},
                    {QStringLiteral("减除费用"), Money(w.Deduction)},
                    {QStringLiteral("应纳税所得额"), Money(w.Taxable)},
                    {QStringLiteral("税率"), Rate(w.Rate)},
                    {QStringLiteral("速算扣除数"), Money(w.QuickDeduction)},
                    {QStringLiteral("应纳税额"), Money(w.Tax)},
                    {QStringLiteral("税后收入"), Money(w.AfterTax)}}));
    return Success;
}

QJsonObject JsonMonth(const current::WageWithholding &m) {
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
QString MonthTable(const std::vector<current::WageWithholding> &Months) {
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

int PrintMonths(const std::vector<current::WageWithholding> &Months, bool Json) {
    Cents total = 0;
    for (const current::WageWithholding &m : Months)
        total += m.Tax;
    if (Json) {
        QJsonArray months;
        for (const current::WageWithholding &m : Months)
            months.append(JsonMonth(m));
        PrintJson({{"months", months}, {"total_tax", JsonMoney(total)}});
        return Success;
    }
    PrintOut(MonthTable(Months) + QStringLiteral("\n预扣税额合计：%1\n").arg(Money(total)));
    return Success;
}

} // namespace

int RunWage(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("wage"),
        QStringLiteral("一名员工各月收入和扣除相同时，按累计预扣法逐月计算预扣税额；\n"
                       "加 --nonresident 则按非居民个人的月度税率表计算一个月。"),
        {QStringLiteral("pendra-cli wage --income 20000 --insurance 2000 --special 3000"),
         QStringLiteral("pendra-cli wage --income 8000 --mode 自1月 --from 7 --to 12"),
         QStringLiteral("pendra-cli wage --nonresident --income 30000 --json")});
    line.AddAmount(QStringLiteral("income"), QStringLiteral("每月收入（必填）"));
    line.AddAmount(QStringLiteral("exempt"), QStringLiteral("每月免税收入"));
    line.AddAmount(QStringLiteral("insurance"), QStringLiteral("每月专项扣除（三险一金）"));
    line.AddAmount(QStringLiteral("special"), QStringLiteral("每月专项附加扣除"));
    line.AddAmount(QStringLiteral("other"), QStringLiteral("每月其他扣除"));
    line.AddValue(QStringLiteral("mode"), QStringLiteral("方式"),
                  QStringLiteral("减除方式：按月（默认）、自1月、6万；"
                                 "也可写 per-month、from-january、sixty"));
    line.AddValue(QStringLiteral("from"), QStringLiteral("月"), QStringLiteral("起始月份，默认 1"));
    line.AddValue(QStringLiteral("to"), QStringLiteral("月"), QStringLiteral("截止月份，默认 12"));
    line.AddFlag(QStringLiteral("nonresident"),
                 QStringLiteral("非居民个人：每月减除 5000 元，按月度税率表计算"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (auto done = line.Require({QStringLiteral("income")}))
        return *done;
    if (auto done = line.Exclude(QStringLiteral("nonresident"),
                                 {"exempt", "insurance", "special", "other", "mode", "from", "to"}))
        return *done;
    if (line.IsSet(QStringLiteral("nonresident")))
        return PrintNonResident(line);

    const auto mode = line.IsSet(QStringLiteral("mode")) ? ModeNamed(line.Value("mode"))
                                                         : current::BasicDeduction::PerMonth;
    if (!mode)
        return line.Refuse(
            QStringLiteral("未知的减除方式“%1”，应为 按月、自1月 或 6万").arg(line.Value("mode")));
    const auto from = line.IsSet(QStringLiteral("from")) ? MonthNumber(line.Value("from")) : 1;
    const auto to = line.IsSet(QStringLiteral("to")) ? MonthNumber(line.Value("to")) : 12;
    if (!from || !to)
        return line.Refuse(QStringLiteral("月份应为 1 到 12 的整数"));
    if (*from > *to)
        return line.Refuse(QStringLiteral("起始月份 %1 晚于截止月份 %2").arg(*from).arg(*to));
    // 6万 is for those employed here all last year and still in January: a year from January.
    if (*mode == current::BasicDeduction::Sixty && *from != 1)
        return line.Refuse(QStringLiteral("减除方式 6万 只适用于上年各月均在本单位任职受雇、"
                                          "本年1月起仍在本单位的，起始月份应为 1，不能是 %1")
                               .arg(*from));

    std::vector<current::WageMonth> months;
    for (int month = *from; month <= *to; ++month)
        months.push_back({month, line.Amount("income"), line.Amount("exempt"),
                          line.Amount("insurance"), line.Amount("special"), line.Amount("other")});
    return PrintMonths(current::WithholdWages(months, *mode), line.Json());
}

} // namespace Cli
