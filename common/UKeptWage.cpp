#include "common/UKeptWage.h"

#include "common/UCurWageModel.h"
#include "common/UPageMemory.h"
#include "engine/current/Rules.h"

#include <QLabel>

using current::Cents;
using current::WageMonth;

const TCommonField CommonFields[5] = {
    {"TxtIncome", &WageMonth::Income, QT_TRANSLATE_NOOP("TFrmCurWage", "每月收入")},
    {"TxtExempt", &WageMonth::Exempt, QT_TRANSLATE_NOOP("TFrmCurWage", "免税收入")},
    {"TxtInsurance", &WageMonth::Insurance, QT_TRANSLATE_NOOP("TFrmCurWage", "三险一金")},
    {"TxtSpecial", &WageMonth::Special, QT_TRANSLATE_NOOP("TFrmCurWage", "专项附加扣除")},
    {"TxtOther", &WageMonth::Other, QT_TRANSLATE_NOOP("TFrmCurWage", "其他扣除")},
};

std::optional<WageMonth> ParseCommon(const std::function<QString(const QString &)> &TextOf,
                                     bool NonResident, const TCommonField *&Fault) {
    WageMonth common;
    for (const TCommonField &field : CommonFields) {
        const std::string text = TextOf(QLatin1String(field.Edit)).trimmed().toStdString();
        const bool required = field.Member == &WageMonth::Income;
        if (!required && NonResident)
            break;
        const auto value =
            !required && text.empty() ? std::optional<Cents>(0) : current::ParseCents(text);
        if (!value) {
            Fault = &field;
            return std::nullopt;
        }
        common.*field.Member = *value;
    }
    return common;
}

current::BasicDeduction ModeOf(bool Sixty, bool FromJanuary) {
    return Sixty         ? current::BasicDeduction::Sixty
           : FromJanuary ? current::BasicDeduction::FromJanuary
                         : current::BasicDeduction::PerMonth;
}

std::optional<TKeptWageYear> KeptWage::Year(QLabel *Message) {
    const PageMemory::TKept *kept = PageMemory::Of(QStringLiteral("TFrmCurWage"));
    const QString page = tr("工资薪金(累计预扣)页");
    if (!kept) {
        Message->setText(tr("%1还没有输入，请先在该页输入每月收入。").arg(page));
        return std::nullopt;
    }
    const auto input = [kept](const QString &Name) { return kept->Inputs.value(Name); };
    if (input(QStringLiteral("ChkNonResident")).toBool()) {
        Message->setText(tr("%1按非居民个人计算，这里只适用于居民个人。").arg(page));
        return std::nullopt;
    }
    const TCommonField *fault = nullptr;
    const auto common =
        ParseCommon([&](const QString &Name) { return input(Name).toString(); }, false, fault);
    if (!common) {
        Message->setText(
            tr("%1的%2数据无效，请先在该页改正。")
                .arg(page, QCoreApplication::translate("TFrmCurWage", fault->Caption)));
        return std::nullopt;
    }
    const int first = input(QStringLiteral("SpnFirstMonth")).toInt();
    const int last = input(QStringLiteral("SpnLastMonth")).toInt();
    if (first < 1 || first > last || last > current::Law::MonthsInYear) {
        Message->setText(tr("%1的起始月份晚于截止月份，请先在该页改正。").arg(page));
        return std::nullopt;
    }
    TCurWageModel model;
    model.SetMonths(first, last, false);
    model.SetOverridesValue(kept->Extra.value(OverridesKey));
    model.SetDefaults(common);
    const auto rows = current::WithholdWages(
        model.Months(), ModeOf(input(QStringLiteral("RBtnSixty")).toBool() && first == 1,
                               input(QStringLiteral("RBtnFromJanuary")).toBool()));
    const current::WageWithholding &year = rows.back();
    model.ShowResident(rows);
    Message->clear();
    return TKeptWageYear{year.CumulativeIncome,  year.CumulativeExempt, year.CumulativeInsurance,
                         year.CumulativeSpecial, year.CumulativeOther,  model.YearTax()};
}
