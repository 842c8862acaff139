// pendra-cli year: a person's whole tax year from the year file: the deductions each month is
// entitled to, each job's months, the payments, the bonus and the settlement.

#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Output.h"
#include "cli/SettlementOutput.h"
#include "cli/WageMonths.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Year.h"
#include "formats/Result.h"
#include "formats/Vocabulary.h"
#include "sheets/LawText.h"
#include "sheets/YearFile.h"

#include <QCoreApplication>

#include <algorithm>

namespace Cli {
namespace {

using current::Cents;
using current::EntitlementMonth;

class Words {
    Q_DECLARE_TR_FUNCTIONS(YearCommand)
};

using TimelineItem = formats::TimelineWord;

// A word of the vocabulary in the language of the interface.
QString Caption(const char *Chinese) {
    return QCoreApplication::translate(formats::VocabularyContext, Chinese);
}

QString KindTitle(current::RemunerationKind Kind) {
    return Caption(formats::WordOf(formats::RemunerationKinds(), Kind).Caption);
}

QString ModeTitle(current::BasicDeduction Mode) {
    return Caption(formats::WordOf(formats::WithholdingModes(), Mode).Caption);
}

// Which the person is in the year, and why.
QString ResidencyText(const current::YearFacts &Facts) {
    if (!Facts.DaysInChina)
        return Words::tr("居民个人（未填写在中国境内的天数）\n");
    if (Facts.NonResident())
        return Words::tr("非居民个人：本年在中国境内 %1 天，不满 %2 天\n")
            .arg(*Facts.DaysInChina)
            .arg(current::Law::ResidentDays);
    return Words::tr("居民个人：本年在中国境内 %1 天，满 %2 天\n")
        .arg(*Facts.DaysInChina)
        .arg(current::Law::ResidentDays);
}

QString NonResidentJobText(const current::JobFacts &Job, const current::JobYear &Year) {
    TextTable table;
    table.AddRow({Words::tr("月份"), Words::tr("收入"), Words::tr("减除费用"),
                  Words::tr("应纳税所得额"), Words::tr("税率"), Words::tr("速算扣除数"),
                  Words::tr("应纳税额"), Words::tr("税后收入")});
    for (const current::NonResidentMonth &month : Year.NonResidentMonths) {
        const current::NonResidentWage &w = month.Wage;
        table.AddRow({QString::number(month.Month), Money(w.Income), Money(w.Deduction),
                      Money(w.Taxable), Rate(w.Rate), Money(w.QuickDeduction), Money(w.Tax),
                      Money(w.AfterTax)});
    }
    return Words::tr("%1：%2—%3 月，非居民个人按月计税\n")
               .arg(QString::fromStdString(Job.Employer))
               .arg(Job.From)
               .arg(Job.To) +
           table.Render() + Words::tr("本单位扣缴税额合计：%1\n").arg(Money(Year.Withheld));
}

// The items some month is entitled to, month by month and for the year.
QString TimelineTable(const current::Timeline &Months) {
    QList<const TimelineItem *> shown;
    for (const TimelineItem &item : formats::TimelineItems()) {
        if (std::any_of(Months.begin(), Months.end(),
                        [&](const EntitlementMonth &m) { return m.*item.Field != 0; }))
            shown.append(&item);
    }
    TextTable table;
    QStringList header{Words::tr("月份")};
    for (const TimelineItem *item : shown)
        header.append(Caption(item->Caption));
    header.append(Words::tr("合计"));
    table.AddRow(header);
    EntitlementMonth year;
    for (const EntitlementMonth &month : Months) {
        QStringList cells{QString::number(month.Month)};
        for (const TimelineItem *item : shown) {
            cells.append(Money(month.*item->Field));
            year.*item->Field += month.*item->Field;
        }
        cells.append(Money(month.Total()));
        table.AddRow(cells);
    }
    QStringList total{Words::tr("全年")};
    for (const TimelineItem *item : shown)
        total.append(Money(year.*item->Field));
    total.append(Money(year.Total()));
    table.AddRow(total);
    return table.Render();
}

QString JobText(const current::JobFacts &Job, const current::JobYear &Year) {
    const QString deducts = Job.DeductionsHere ? Words::tr("在本单位扣除专项附加扣除")
                                               : Words::tr("不在本单位扣除专项附加扣除");
    return Words::tr("%1：%2—%3 月，减除方式%4，%5\n")
               .arg(Shown(Job.Employer))
               .arg(Job.From)
               .arg(Job.To)
               .arg(ModeTitle(Job.Mode), deducts) +
           MonthTable(Year.Months) +
           Words::tr("本单位预扣税额合计：%1\n").arg(Money(Year.Withheld));
}

QString PaymentsText(const current::YearResult &Year) {
    TextTable table;
    table.AddRow({Words::tr("月份"), Words::tr("类别"), Words::tr("收入"), Words::tr("预扣税额")});
    for (const current::PaymentWithholding &payment : Year.Payments)
        table.AddRow({QString::number(payment.Facts.Month), KindTitle(payment.Facts.Kind),
                      Money(payment.Facts.Amount), Money(payment.Tax)});
    return Words::tr("劳务报酬、稿酬、特许权使用费\n") + table.Render();
}

QString BonusText(const current::BonusWithholding &Bonus) {
    if (const auto &spread = Bonus.NonResident)
        return Words::tr("数月奖金：%1 %2 月发放 %3，非居民个人分摊 %4 个月，每月 %5，"
                         "税率 %6，速算扣除数 %7，每月税额 %8，应纳税额 %9\n")
            .arg(QString::fromStdString(Bonus.Employer))
            .arg(Bonus.Month)
            .arg(Money(Bonus.Amount))
            .arg(current::Law::NonResidentBonusMonths)
            .arg(Money(spread->Average), Rate(spread->Rate), Money(spread->QuickDeduction),
                 Money(spread->MonthlyTax), Money(spread->Tax));
    return Words::tr("全年一次性奖金：%1 %2 月发放 %3，单独计税预扣 %4（税率 %5，速算扣除数 %6）\n")
        .arg(Shown(Bonus.Employer))
        .arg(Bonus.Month)
        .arg(Money(Bonus.Amount), Money(Bonus.Due.Tax), Rate(Bonus.Due.Rate),
             Money(Bonus.Due.QuickDeduction));
}

QString SettlementText(const current::YearFacts &Facts, const current::YearSettlement &s) {
    QString title = Words::tr("年度汇算\n");
    if (Facts.Bonus && Facts.BonusMethod == current::BonusChoice::Best)
        title = s.Method == current::BonusMethod::Merged
                    ? Words::tr("年度汇算（年终奖并入综合所得，两种方法中税额较低者）\n")
                    : Words::tr("年度汇算（年终奖单独计税，两种方法中税额较低者）\n");
    else if (Facts.Bonus)
        title = s.Method == current::BonusMethod::Merged
                    ? Words::tr("年度汇算（年终奖并入综合所得）\n")
                    : Words::tr("年度汇算（年终奖单独计税）\n");
    const current::YearRules *found = current::RulesInUse(Facts.Year);
    const current::YearRules &rules = found ? *found : current::LatestRules();
    if (Facts.Bonus && !rules.SeparateBonus)
        title = Words::tr("年度汇算（%1）\n").arg(LawText::NoSeparateBonus(rules));
    return title + Pairs(YearSettlementPairs(s)) + BonusComparisonText(s) +
           ReasonText(s.Figures, rules) + u'\n';
}

QString NonResidentText(const current::YearFacts &Facts, const current::YearResult &Year) {
    QString text = ResidencyText(Facts);
    Cents total = 0;
    for (const current::JobYear &job : Year.Jobs) {
        text += u'\n' + NonResidentJobText(job.Facts, job);
        total += job.Withheld;
    }
    if (!Year.Payments.empty())
        text += u'\n' + PaymentsText(Year);
    for (const current::Remuneration &payment : Year.Payments)
        total += payment.Tax;
    if (Year.Bonus) {
        text += u'\n' + BonusText(*Year.Bonus);
        total += Year.Bonus->Due.Tax;
    }
    return text + u'\n' + Words::tr("全年扣缴税额合计：%1\n").arg(Money(total)) +
           Words::tr("非居民个人没有年度汇算：工资薪金按月、劳务报酬等按次由扣缴义务人扣缴，"
                     "不享受专项附加扣除，扣缴的税款即为应纳税额。\n");
}

QString Text(const current::YearFacts &Facts, const current::YearResult &Year) {
    if (Year.NonResident)
        return NonResidentText(Facts, Year);
    QString text = (Facts.DaysInChina ? ResidencyText(Facts) : QString()) +
                   Words::tr("%1 年每月可扣除额\n").arg(Facts.Year) +
                   TimelineTable(Year.Entitlements);
    for (const current::JobYear &job : Year.Jobs)
        text += u'\n' + JobText(job.Facts, job);
    if (!Year.Payments.empty())
        text += u'\n' + PaymentsText(Year);
    if (Year.Bonus)
        text += u'\n' + BonusText(*Year.Bonus);
    // Once for all the year's payments: where the pension was deducted that year.
    const current::YearRules *rules = current::RulesInUse(Facts.Year);
    if (!Facts.Pension.empty() && rules && rules->PensionPilot)
        text += u'\n' + LawText::PensionPilot(*rules) + u'\n';
    return text + u'\n' + SettlementText(Facts, Year.Settled);
}

} // namespace

int RunYear(const QStringList &Arguments) {
    CommandLine line(
        QStringLiteral("year"),
        Words::tr("一个人的整个纳税年度：由年度文件（JSON，格式见 README）中带日期的事实，\n"
                  "算出每月可扣除的专项附加扣除等、每个单位逐月的累计预扣、每次劳务报酬等\n"
                  "的预扣、全年一次性奖金的预扣，以及年度汇算。文件有误时指出键的位置\n"
                  "（如 jobs[1].pay[0].income），不计算，退出状态为 2。"),
        {QStringLiteral("pendra-cli year 2026.json"),
         QStringLiteral("pendra-cli year 2026.json --json")});
    line.AddPositional(Words::tr("年度文件"), Words::tr("一个人一年的事实，JSON 格式"));
    if (auto done = line.Parse(Arguments))
        return *done;
    if (line.Positional().isEmpty())
        return line.Refuse(Words::tr("缺少年度文件"));
    const sheets::YearRead read = sheets::ReadYearFile(line.Positional().constFirst());
    if (!read.Facts) {
        PrintError(read.Error);
        return Refused;
    }
    const current::YearResult year = current::ComputeYear(*read.Facts);
    if (line.Json())
        PrintJson(formats::YearJson(*read.Facts, year));
    else
        PrintOut(Text(*read.Facts, year));
    return Success;
}

} // namespace Cli
