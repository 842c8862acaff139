#include "sheets/FaultWords.h"

#include "sheets/LawText.h"

#include "engine/current/Household.h"
#include "engine/current/Rules.h"
#include "engine/current/YearFacts.h"
#include "formats/Fault.h"

#include <QCoreApplication>
#include <QStringList>

namespace sheets {
namespace {

// The words of the year file and of the household file, translated in the contexts of those
// files' names, as their readers' words are.
class YearFile {
    Q_DECLARE_TR_FUNCTIONS(YearFile)
};
class HouseholdFile {
    Q_DECLARE_TR_FUNCTIONS(HouseholdFile)
};

using json::PlainYuan;
using json::WithPath;

} // namespace

QString YearFaultText(const current::YearFault &Fault) {
    using K = current::YearFaultKind;
    const QString other = QString::fromStdString(Fault.Other);
    QString text;
    switch (Fault.Kind) {
    case K::YearUnknown:
        text = YearFile::tr("本程序只有 %1 至 %2 年的规则，没有 %3 年的")
                   .arg(current::FirstRulesYear)
                   .arg(current::LastRulesYear)
                   .arg(Fault.Year);
        break;
    case K::TooManyEntries:
        text = YearFile::tr("条目过多，最多 %1 条").arg(Fault.Value);
        break;
    case K::NoJob:
        text = YearFile::tr("至少要有一份工作");
        break;
    case K::NoEmployer:
        text = YearFile::tr("单位名称不能为空");
        break;
    case K::NoPay:
        text = YearFile::tr("至少要有一项工资");
        break;
    case K::MonthOutOfRange:
        text = YearFile::tr("月份应为 1 到 12");
        break;
    case K::FromAfterTo:
        text = YearFile::tr("起始（from）晚于截止（to）");
        break;
    case K::AmountNegative:
        text = YearFile::tr("金额不能为负数");
        break;
    case K::AmountTooLarge:
        text = YearFile::tr("金额超出范围（最多 %1）").arg(PlainYuan(Fault.Value));
        break;
    case K::FirstPayNotJobFrom:
        text = YearFile::tr("第一项工资应从工作的起始月份（%1 月）开始").arg(Fault.Value);
        break;
    case K::PayNotRising:
        text = YearFile::tr("应晚于上一项工资的起始月份");
        break;
    case K::PayAfterJobEnd:
        text = YearFile::tr("晚于工作的截止月份（%1 月）").arg(Fault.Value);
        break;
    case K::DeductedTwice:
        text = YearFile::tr("%1 月与 %2 都扣除专项附加扣除，同一个月只能由一个单位扣除")
                   .arg(Fault.Month)
                   .arg(other);
        break;
    case K::SixtyNotFromJanuary:
        text = YearFile::tr("“6万”只适用于从 1 月起任职的工作");
        break;
    case K::ModeNotYetLaw: {
        const bool sixty = Fault.Value != 0;
        text =
            (sixty ? YearFile::tr("“6万”自%1起施行（%2），%3 年不能采用")
                   : YearFile::tr("“自1月”自%1起施行（%2），%3 年不能采用"))
                .arg(LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                     LawText::Document(sixty ? current::Law::SixtyDocument
                                             : current::Law::FromJanuaryDocument))
                .arg(Fault.Year);
        break;
    }
    case K::PensionBeforeScheme:
        text = YearFile::tr("个人养老金自%1起实施，此前缴纳的不能扣除")
                   .arg(LawText::Date(current::Law::PensionFrom));
        break;
    case K::FromJanuaryNotFirst:
        text = YearFile::tr("“自1月”只适用于本年第一份工作，%1 开始得更早").arg(other);
        break;
    case K::ShareNotHalfOrWhole:
        text = YearFile::tr("扣除比例应为 100 或 50");
        break;
    case K::ElderlyShareTooLarge:
        text = YearFile::tr("每月分摊额超过 %1 年的上限 %2 元")
                   .arg(Fault.Year)
                   .arg(PlainYuan(Fault.Value));
        break;
    case K::ElderlyShareMissing:
        text = YearFile::tr("不是独生子女时须填写每月分摊额");
        break;
    case K::NoParent:
        text = YearFile::tr("至少要有一位父母的出生日期");
        break;
    case K::RentAmountUnknown: {
        const current::YearRules &rules =
            current::RulesOf(Fault.Year) ? *current::RulesOf(Fault.Year) : current::LatestRules();
        text = YearFile::tr("住房租金应为每月 %1、%2 或 %3 元")
                   .arg(PlainYuan(rules.RentLargeCity), PlainYuan(rules.RentMiddleCity),
                        PlainYuan(rules.RentSmallCity));
        break;
    }
    case K::RentAndLoan:
        text = YearFile::tr("与 %1 都在 %2 年内，住房租金和住房贷款利息一年只能扣除其一")
                   .arg(other)
                   .arg(Fault.Year);
        break;
    case K::OutsideYear:
        text = YearFile::tr("不在 %1 年内").arg(Fault.Year);
        break;
    case K::NoSuchEmployer:
        text = YearFile::tr("没有哪份工作的 employer 与之相同");
        break;
    case K::DaysOutOfRange:
        text = YearFile::tr("在中国境内的天数应为 1 到 %1").arg(Fault.Value);
        break;
    case K::NoSuchChild:
        text = YearFile::tr("children 中只有 %1 个子女（序号从 0 起）").arg(Fault.Value);
        break;
    case K::ChildNameEmpty:
        text = YearFile::tr("孩子的名字不能为空");
        break;
    case K::ChildNotChild:
        text = YearFile::tr("只有“子女”的大病医疗才能指明是哪个孩子");
        break;
    case K::DateInvalid:
        text = YearFile::tr("不是有效的日期或年月（年份应在 %1 至 %2 之间）")
                   .arg(current::FirstDateYear)
                   .arg(current::LastDateYear);
        break;
    }
    return WithPath(QString::fromStdString(Fault.Path), text);
}

QString HouseholdFaultText(const current::HouseholdFault &Fault) {
    using K = current::HouseholdFaultKind;
    const QString other = QString::fromStdString(Fault.Other);
    QString text;
    switch (Fault.Kind) {
    case K::InYear:
        return YearFaultText(Fault.Year);
    case K::YearsDiffer:
        text = HouseholdFile::tr("与 %1 不是同一年：两人的年度应相同").arg(other);
        break;
    case K::SelfInShared:
        text = HouseholdFile::tr("共同的大病医疗应为“子女”或“配偶”；“本人”未说明是哪一方，"
                                 "请写在其本人的年度文件中");
        break;
    case K::ChildTwice:
        text = HouseholdFile::tr("%1 是同一天出生的子女：共同的子女不能再写在个人的年度文件中")
                   .arg(other);
        break;
    case K::LoanTwice:
        text = HouseholdFile::tr("%1 已有住房贷款：共同的住房贷款不能再写在个人的年度文件中")
                   .arg(other);
        break;
    case K::LeaseTwice:
        text =
            HouseholdFile::tr("与 %1 的月份重叠：共同的租房不能再写在个人的年度文件中").arg(other);
        break;
    case K::IllnessTwice:
        text = HouseholdFile::tr(
                   "%1 是同一对象、同一金额的大病医疗：共同的一项不能再写在个人的年度文件中")
                   .arg(other);
        break;
    case K::RentAndLoan:
        text = HouseholdFile::tr("与 %1 都在本年度内：夫妻一年只能扣除住房租金或住房贷款利息其一")
                   .arg(other);
        break;
    case K::TooManyCombinations:
        text = HouseholdFile::tr("共同项目的分配方式超过 %1 种，不计算；请减少共同项目")
                   .arg(Fault.Value);
        break;
    case K::NowNotAllowed:
        text = HouseholdFile::tr(
            "税法不允许这样扣除此项（租房只能由签约的一方扣除，住房贷款只有婚前各自购房的"
            "才能各扣一半，大病医疗不能各扣一半）");
        break;
    }
    return json::WithPath(QString::fromStdString(Fault.Path), text);
}

} // namespace sheets

namespace sheets::json {
namespace {

// The words of a document of facts, translated in the context "JsonFile". The class has the
// context's name, so that lupdate finds the context of every JsonFile::tr wherever it stands (in
// a brace initialiser it takes the class's name as written).
class JsonFile {
    Q_DECLARE_TR_FUNCTIONS(JsonFile)
};

using formats::FaultKind;

// What is wrong with text that is not JSON.
QString SyntaxProblem(FaultKind Kind) {
    switch (Kind) {
    case FaultKind::UnterminatedObject:
        return JsonFile::tr("对象缺少结尾的 }");
    case FaultKind::MissingNameSeparator:
        return JsonFile::tr("键后缺少冒号");
    case FaultKind::UnterminatedArray:
        return JsonFile::tr("列表缺少结尾的 ]");
    case FaultKind::MissingValueSeparator:
        return JsonFile::tr("缺少分隔的逗号");
    case FaultKind::IllegalNumber:
        return JsonFile::tr("数字写法有误或超出范围");
    case FaultKind::IllegalEscape:
        return JsonFile::tr("字符串中有无效的转义");
    case FaultKind::IllegalUtf8:
        return JsonFile::tr("不是有效的 UTF-8 文本");
    case FaultKind::UnterminatedString:
        return JsonFile::tr("字符串缺少结尾的引号");
    case FaultKind::DeepNesting:
        return JsonFile::tr("嵌套过深");
    case FaultKind::GarbageAtEnd:
        return JsonFile::tr("结尾有多余的内容");
    default:
        return JsonFile::tr("无法识别的内容");
    }
}

QString Place(const formats::Fault &Fault) {
    return JsonFile::tr("第 %1 行第 %2 列").arg(Fault.Line).arg(Fault.Column);
}

QString Value(const formats::Fault &Fault, std::size_t Index = 0) {
    return Index < Fault.Values.size() ? QString::fromStdString(Fault.Values[Index]) : QString();
}

// The values from From on, as a list in words: "a、b、shared".
QString Listed(const formats::Fault &Fault, std::size_t From) {
    QStringList names;
    for (std::size_t i = From; i < Fault.Values.size(); ++i)
        names.append(QString::fromStdString(Fault.Values[i]));
    return names.join(JsonFile::tr("、"));
}

// The words of a fault found at the fault's key path.
QString Words(const formats::Fault &Fault) {
    switch (Fault.Kind) {
    case FaultKind::ControlCharacter:
        return JsonFile::tr("%1：%2").arg(
            Place(Fault),
            JsonFile::tr("字符串中有未转义的控制字符 %1（JSON 中应写作 %1）").arg(Value(Fault)));
    case FaultKind::LoneSurrogate:
        return JsonFile::tr("%1：%2").arg(
            Place(Fault), JsonFile::tr("%1 是半个代理对，不是有效的字符（文本应为有效的 "
                                       "UTF-8）")
                              .arg(Value(Fault)));
    case FaultKind::DuplicateKey:
        return JsonFile::tr("同一对象中此键出现了不止一次");
    case FaultKind::NotAnAmount:
        return JsonFile::tr("“%1”不是金额").arg(Value(Fault));
    case FaultKind::AmountNegative:
        return JsonFile::tr("金额不能为负数：%1").arg(Value(Fault));
    case FaultKind::AmountDecimals:
        return JsonFile::tr("金额最多两位小数：%1").arg(Value(Fault));
    case FaultKind::AmountTooLarge:
        return JsonFile::tr("金额超出范围（最多 %1）").arg(PlainYuan(current::LargestInputCents));
    case FaultKind::NotAmountType:
        return JsonFile::tr("应为金额（数字或字符串）");
    case FaultKind::NotInteger:
        return JsonFile::tr("应为整数");
    case FaultKind::NumberOutOfRange:
        return JsonFile::tr("数字 %1 超出范围").arg(Value(Fault));
    case FaultKind::NotText:
        return JsonFile::tr("应为文本（字符串）");
    case FaultKind::NotDate:
        return JsonFile::tr("“%1”不是 YYYY-MM-DD 形式的日期").arg(Value(Fault));
    case FaultKind::NotMonth:
        return JsonFile::tr("“%1”不是 YYYY-MM 形式的年月").arg(Value(Fault));
    case FaultKind::EducationEndBeforeBirth:
        return JsonFile::tr("受教育结束的年月早于子女的出生日期 %1").arg(Value(Fault));
    case FaultKind::UnknownName:
        return JsonFile::tr("未知的值“%1”，应为 %2").arg(Value(Fault), Listed(Fault, 1));
    case FaultKind::NotObject:
        return JsonFile::tr("应为对象（{…}）");
    case FaultKind::UnknownKey:
        return JsonFile::tr("未知的键（此处可用的键：%1）").arg(Listed(Fault, 0));
    case FaultKind::MissingKey:
        return JsonFile::tr("缺少此键");
    case FaultKind::NotFlag:
        return JsonFile::tr("应为 true 或 false");
    case FaultKind::NotList:
        return JsonFile::tr("应为列表（[…]）");
    case FaultKind::NotPatient:
        return QCoreApplication::translate("YearFile",
                                           "应为 children 中的序号（从 0 起的整数）或孩子的名字");
    case FaultKind::NameTooLong:
        return QCoreApplication::translate("YearFile", "姓名最长 %1 个字")
            .arg(current::MaxNameLength);
    case FaultKind::ShareInShared:
        return QCoreApplication::translate("HouseholdFile",
                                           "共同项目的扣除比例由家庭分配决定，不能填写 share");
    case FaultKind::NowNotAllowed:
        return QCoreApplication::translate("HouseholdFile", "税法不允许这样扣除此项");
    case FaultKind::SignerMissing:
        return QCoreApplication::translate(
                   "HouseholdFile",
                   "缺少此键：夫妻主要工作城市相同的，租房由签订租赁合同的一方扣除（%1），"
                   "请写明签约人 a、b 或 both")
            .arg(QString::fromUtf8(current::LeaseSignerDocument));
    default:
        return JsonFile::tr("无法识别的内容");
    }
}

// "What应为一个 JSON 对象（{…}）"
QString NotAnObject(const QString &What) {
    return JsonFile::tr("%1应为一个 JSON 对象（{…}）").arg(What);
}

} // namespace

QString PlainYuan(current::Cents Amount) {
    return QString::fromStdString(current::FormatYuan(Amount));
}

QString WithPath(const QString &Path, const QString &Message) {
    // A path a thousand levels deep is named by its end, where the fault is.
    constexpr qsizetype longest = 3 * qsizetype{formats::MaxQuoted};
    const QString shown = Path.size() > longest ? u'…' + Path.right(longest - 1) : Path;
    return Path.isEmpty() ? Message : JsonFile::tr("%1：%2").arg(shown, Message);
}

QString FaultText(const formats::Fault &Fault, const QString &What) {
    switch (Fault.Kind) {
    case FaultKind::UnterminatedObject:
    case FaultKind::MissingNameSeparator:
    case FaultKind::UnterminatedArray:
    case FaultKind::MissingValueSeparator:
    case FaultKind::IllegalNumber:
    case FaultKind::IllegalEscape:
    case FaultKind::IllegalUtf8:
    case FaultKind::UnterminatedString:
    case FaultKind::DeepNesting:
    case FaultKind::GarbageAtEnd:
    case FaultKind::Unrecognised:
        return JsonFile::tr("不是有效的 JSON：%1附近%2")
            .arg(Place(Fault), SyntaxProblem(Fault.Kind));
    case FaultKind::Utf16:
        return JsonFile::tr("%1是 UTF-16 编码的：%1应为 UTF-8 编码（请以 UTF-8 另存）").arg(What);
    case FaultKind::NotADocument:
        return NotAnObject(What);
    case FaultKind::Year:
        return Fault.InYear ? YearFaultText(*Fault.InYear) : QString();
    case FaultKind::Household:
        return Fault.InHousehold ? HouseholdFaultText(*Fault.InHousehold) : QString();
    default:
        return WithPath(QString::fromStdString(Fault.Path), Words(Fault));
    }
}

} // namespace sheets::json
