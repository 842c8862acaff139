#include "sheets/YearFile.h"

#include "sheets/LawText.h"

#include "engine/current/Rules.h"
#include "sheets/FileFaults.h"
#include "sheets/JsonFile.h"

#include <QCoreApplication>

#include <string_view>
#include <utility>

namespace sheets {
namespace {

using current::YearFacts;
using json::PlainYuan;
using json::WithPath;

// The words of this file, translated in the context "YearFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(YearFile)
};

} // namespace

YearRead Worded(formats::YearRead Read) {
    if (!Read.Error)
        return {std::move(Read.Facts), {}};
    return {std::nullopt, json::FaultText(*Read.Error, Words::tr("年度文件"))};
}

YearRead ParseYearFile(const QByteArray &Bytes) {
    return Worded(formats::ParseYearFile(std::string_view(Bytes.constData(), Bytes.size())));
}

YearRead ReadYearFile(const QString &Path, FileStamp *Stamp) {
    return json::ReadDocument<YearRead>(Path, MaxYearFileSize, Words::tr("年度文件"), ParseYearFile,
                                        Stamp);
}

QByteArray YearFileBytes(const YearFacts &Facts) {
    return QByteArray::fromStdString(formats::YearFileText(Facts));
}

// Written as every file of the program is: beside the target under a hidden name, renamed over it
// once whole, never through a link nor over a device, a FIFO or another user's file.
QString WriteYearFile(const QString &Path, const YearFacts &Facts, FileStamp *Stamp) {
    Replacement file(Path);
    if (const auto refused = file.Refused())
        return RefusalText(Path, *refused);
    const QByteArray bytes = YearFileBytes(Facts);
    if (!file.Create() || file.File().write(bytes) != bytes.size() || !file.Commit())
        return Words::tr("写入文件“%1”时出错：%2").arg(Path, file.ErrorString());
    if (Stamp)
        *Stamp = StampOf(bytes);
    return {};
}

QString YearFaultText(const current::YearFault &Fault) {
    using K = current::YearFaultKind;
    const QString other = QString::fromStdString(Fault.Other);
    QString text;
    switch (Fault.Kind) {
    case K::YearUnknown:
        text = Words::tr("本程序只有 %1 至 %2 年的规则，没有 %3 年的")
                   .arg(current::FirstRulesYear)
                   .arg(current::LastRulesYear)
                   .arg(Fault.Year);
        break;
    case K::TooManyEntries:
        text = Words::tr("条目过多，最多 %1 条").arg(Fault.Value);
        break;
    case K::NoJob:
        text = Words::tr("至少要有一份工作");
        break;
    case K::NoEmployer:
        text = Words::tr("单位名称不能为空");
        break;
    case K::NoPay:
        text = Words::tr("至少要有一项工资");
        break;
    case K::MonthOutOfRange:
        text = Words::tr("月份应为 1 到 12");
        break;
    case K::FromAfterTo:
        text = Words::tr("起始（from）晚于截止（to）");
        break;
    case K::AmountNegative:
        text = Words::tr("金额不能为负数");
        break;
    case K::AmountTooLarge:
        text = Words::tr("金额超出范围（最多 %1）").arg(PlainYuan(Fault.Value));
        break;
    case K::FirstPayNotJobFrom:
        text = Words::tr("第一项工资应从工作的起始月份（%1 月）开始").arg(Fault.Value);
        break;
    case K::PayNotRising:
        text = Words::tr("应晚于上一项工资的起始月份");
        break;
    case K::PayAfterJobEnd:
        text = Words::tr("晚于工作的截止月份（%1 月）").arg(Fault.Value);
        break;
    case K::DeductedTwice:
        text = Words::tr("%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除")
                   .arg(Fault.Month)
                   .arg(other);
        break;
    case K::SixtyNotFromJanuary:
        text = Words::tr("“6万”只适用于从 1 月起任职的工作");
        break;
    case K::ModeNotYetLaw: {
        const bool sixty = Fault.Value != 0;
        text =
            (sixty ? Words::tr("“6万”自%1起施行（%2），%3 年不能采用")
                   : Words::tr("“自1月”自%1起施行（%2），%3 年不能采用"))
                .arg(LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                     LawText::Document(sixty ? current::Law::SixtyDocument
                                             : current::Law::FromJanuaryDocument))
                .arg(Fault.Year);
        break;
    }
    case K::PensionBeforeScheme:
        text = Words::tr("个人养老金自%1起实施，此前缴纳的不能扣除")
                   .arg(LawText::Date(current::Law::PensionFrom));
        break;
    case K::FromJanuaryNotFirst:
        text = Words::tr("“自1月”只适用于本年第一份工作，%1 开始得更早").arg(other);
        break;
    case K::ShareNotHalfOrWhole:
        text = Words::tr("扣除比例应为 100 或 50");
        break;
    case K::ElderlyShareTooLarge:
        text = Words::tr("每月分摊额超过 %1 年的上限 %2 元")
                   .arg(Fault.Year)
                   .arg(PlainYuan(Fault.Value));
        break;
    case K::ElderlyShareMissing:
        text = Words::tr("不是独生子女时须填写每月分摊额");
        break;
    case K::NoParent:
        text = Words::tr("至少要有一位父母的出生日期");
        break;
    case K::RentAmountUnknown: {
        const current::YearRules &rules =
            current::RulesOf(Fault.Year) ? *current::RulesOf(Fault.Year) : current::LatestRules();
        text = Words::tr("住房租金应为每月 %1、%2 或 %3 元")
                   .arg(PlainYuan(rules.RentLargeCity), PlainYuan(rules.RentMiddleCity),
                        PlainYuan(rules.RentSmallCity));
        break;
    }
    case K::RentAndLoan:
        text = Words::tr("与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一")
                   .arg(other)
                   .arg(Fault.Year);
        break;
    case K::OutsideYear:
        text = Words::tr("不在 %1 年内").arg(Fault.Year);
        break;
    case K::NoSuchEmployer:
        text = Words::tr("没有哪份工作的 employer 与之相同");
        break;
    case K::DaysOutOfRange:
        text = Words::tr("在中国境内的天数应为 1 到 %1").arg(Fault.Value);
        break;
    case K::NoSuchChild:
        text = Words::tr("children 中只有 %1 个子女（序号从 0 起）").arg(Fault.Value);
        break;
    case K::ChildNameEmpty:
        text = Words::tr("孩子的名字不能为空");
        break;
    case K::ChildNotChild:
        text = Words::tr("只有“子女”的大病医疗才能指明是哪个孩子");
        break;
    case K::DateInvalid:
        text = Words::tr("不是有效的日期或年月（年份应在 %1 至 %2 之间）")
                   .arg(current::FirstDateYear)
                   .arg(current::LastDateYear);
        break;
    }
    return WithPath(QString::fromStdString(Fault.Path), text);
}

} // namespace sheets
