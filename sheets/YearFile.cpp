#include "sheets/YearFile.h"

#include "sheets/LawText.h"

#include "engine/current/Rules.h"
#include "sheets/FileFaults.h"
#include "sheets/JsonFile.h"
#include "sheets/YearFileParts.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>

namespace sheets {
namespace {

using current::CalendarMonth;
using current::Cents;
using current::Date;
using current::YearFacts;
using json::AmountOf;
using json::DateOf;
using json::Fields;
using json::MonthOf;
using json::Named;
using json::PlainYuan;
using json::WithPath;

// The words of this file, translated in the context "YearFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(YearFile)
};

// The first name of a value is the one written; the English keys are read too, as
// `pendra-cli wage --mode` and a payroll sheet take them.
constexpr Named<current::BasicDeduction> Modes[] = {
    {"按月", current::BasicDeduction::PerMonth},
    {"自1月", current::BasicDeduction::FromJanuary},
    {"6万", current::BasicDeduction::Sixty},
    {"per-month", current::BasicDeduction::PerMonth},
    {"from-january", current::BasicDeduction::FromJanuary},
    {"sixty", current::BasicDeduction::Sixty}};
constexpr Named<current::RemunerationKind> Kinds[] = {
    {"labour", current::RemunerationKind::Labour},
    {"author", current::RemunerationKind::Author},
    {"royalty", current::RemunerationKind::Royalty}};
constexpr Named<current::IllnessOf> Persons[] = {
    {"本人", current::IllnessOf::Self},     {"配偶", current::IllnessOf::Spouse},
    {"子女", current::IllnessOf::Child},    {"self", current::IllnessOf::Self},
    {"spouse", current::IllnessOf::Spouse}, {"child", current::IllnessOf::Child}};
constexpr Named<current::BonusChoice> Methods[] = {{"separate", current::BonusChoice::Separate},
                                                   {"merged", current::BonusChoice::Merged},
                                                   {"best", current::BonusChoice::Best}};

template <class T, std::size_t N> const char *NameOf(const Named<T> (&Names)[N], T Value) {
    for (const Named<T> &named : Names) {
        if (named.Value == Value)
            return named.Name;
    }
    return Names[0].Name;
}

// A pay entry: an amount left out keeps its value from the entry before.
current::PayFacts ReadPay(const QJsonValue &Value, const QString &Path,
                          const current::PayFacts &Before) {
    const Fields f(Value, Path, {"from", "income", "exempt", "insurance", "other"});
    current::PayFacts pay;
    pay.From = f.Integer("from");
    pay.Income = f.Amount("income", Before.Income);
    pay.Exempt = f.Amount("exempt", Before.Exempt);
    pay.Insurance = f.Amount("insurance", Before.Insurance);
    pay.Other = f.Amount("other", Before.Other);
    return pay;
}

current::JobFacts ReadJob(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"employer", "from", "to", "mode", "deductions_here", "pay"});
    current::JobFacts job;
    job.Employer = f.Text("employer");
    job.From = f.Integer("from", 1);
    job.To = f.Integer("to", 12);
    job.Mode = f.Name("mode", Modes, current::BasicDeduction::PerMonth);
    job.DeductionsHere = f.Flag("deductions_here", true);
    current::PayFacts before;
    const auto read = [&](const QJsonValue &Entry, const QString &At) {
        before = ReadPay(Entry, At, before);
        return before;
    };
    job.Pay = f.List("pay", read, true);
    return job;
}

current::ChildFacts ReadChild(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"born", "share", "education_end"});
    current::ChildFacts child;
    child.Born = DateOf(f.Need("born"), f.At("born"));
    child.Share = f.Integer("share", current::Law::WholeShare);
    if (const auto end = f.Get("education_end"))
        child.EducationEnd = json::EducationEndOf(*end, f.At("education_end"), child.Born);
    return child;
}

current::ElderlyFacts ReadElderly(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"parents_born", "only_child", "share"});
    current::ElderlyFacts elderly;
    elderly.ParentsBorn = f.List("parents_born", DateOf, true);
    elderly.OnlyChild = f.Flag("only_child", false);
    if (const auto share = f.Get("share"))
        elderly.Share = AmountOf(*share, f.At("share"));
    return elderly;
}

current::LoanFacts ReadLoan(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"first_repayment", "share"});
    return {MonthOf(f.Need("first_repayment"), f.At("first_repayment")),
            f.Integer("share", current::Law::WholeShare)};
}

current::LeaseFacts ReadLease(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to", "amount"});
    return {MonthOf(f.Need("from"), f.At("from")), MonthOf(f.Need("to"), f.At("to")),
            f.Amount("amount")};
}

current::DegreeFacts ReadDegree(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to"});
    current::DegreeFacts course{MonthOf(f.Need("from"), f.At("from")), std::nullopt};
    if (const auto to = f.Get("to"))
        course.To = MonthOf(*to, f.At("to"));
    return course;
}

// A child as an illness entry names it: the index in "children" (from 0) or a name.
current::PatientFacts ReadPatient(const QJsonValue &Value, const QString &Path) {
    current::PatientFacts child;
    if (Value.isString()) {
        child.Name = Value.toString().toStdString();
        return child;
    }
    if (!Value.isDouble() || json::IntegerOf(Value, Path) < 0)
        throw json::Refusal{Path,
                            QCoreApplication::translate(
                                "YearFile", "应为 children 中的序号（从 0 起的整数）或孩子的名字")};
    child.Index = static_cast<std::size_t>(json::IntegerOf(Value, Path));
    return child;
}

current::IllnessFacts ReadIllness(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"who", "paid", "child"});
    current::IllnessFacts illness{f.Name("who", Persons), f.Amount("paid"), std::nullopt};
    if (const auto child = f.Get("child"))
        illness.Child = ReadPatient(*child, f.At("child"));
    return illness;
}

current::DonationFacts ReadDonation(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "amount", "full"});
    return {f.Integer("month"), f.Amount("amount"), f.Flag("full", false)};
}

current::PensionFacts ReadPension(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "amount"});
    return {f.Integer("month"), f.Amount("amount")};
}

current::HealthFacts ReadHealth(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"from", "to", "monthly"});
    return {f.Integer("from", 1), f.Integer("to", 12), f.Amount("monthly")};
}

current::PaymentFacts ReadPayment(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "kind", "amount"});
    return {f.Integer("month"), f.Name("kind", Kinds), f.Amount("amount")};
}

current::BonusFacts ReadBonus(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"month", "amount", "employer"});
    return {f.Integer("month"), f.Amount("amount"), f.Text("employer")};
}

YearFacts ReadFacts(const QJsonValue &Root, const QString &Path) {
    const Fields f(Root, Path,
                   {"year", "name", "jobs", "children", "elderly", "housing_loan", "rent",
                    "degree_study", "certificates", "illness", "pension", "health_insurance",
                    "payments", "bonus", "bonus_method", "donations", "days_in_china"});
    YearFacts facts;
    facts.Year = f.Integer("year");
    if (const auto name = f.Get("name")) {
        const QString text = json::TextOf(*name, f.At("name")).trimmed();
        if (text.toUcs4().size() > static_cast<qsizetype>(current::MaxNameLength))
            throw json::Refusal{f.At("name"),
                                Words::tr("姓名最长 %1 个字").arg(current::MaxNameLength)};
        facts.Name = text.toStdString();
    }
    facts.Jobs = f.List("jobs", ReadJob, true);
    facts.Children = f.List("children", ReadChild);
    if (const auto elderly = f.Get("elderly"))
        facts.Elderly = ReadElderly(*elderly, f.At("elderly"));
    if (const auto loan = f.Get("housing_loan"))
        facts.HousingLoan = ReadLoan(*loan, f.At("housing_loan"));
    facts.Rent = f.List("rent", ReadLease);
    facts.DegreeStudy = f.List("degree_study", ReadDegree);
    facts.Certificates = f.List("certificates", MonthOf);
    facts.Illness = f.List("illness", ReadIllness);
    facts.Pension = f.List("pension", ReadPension);
    facts.HealthInsurance = f.List("health_insurance", ReadHealth);
    facts.Payments = f.List("payments", ReadPayment);
    if (const auto bonus = f.Get("bonus"))
        facts.Bonus = ReadBonus(*bonus, f.At("bonus"));
    facts.BonusMethod = f.Name("bonus_method", Methods, current::BonusChoice::Best);
    facts.Donations = f.List("donations", ReadDonation);
    if (const auto days = f.Get("days_in_china"))
        facts.DaysInChina = json::IntegerOf(*days, f.At("days_in_china"));
    return facts;
}

QJsonValue AmountValue(Cents Amount) {
    // Whole cents up to the largest amount are exact in a double, and its shortest text has the
    // two decimals back.
    return static_cast<double>(Amount) / 100;
}

QString MonthText(const CalendarMonth &When) {
    return QString::asprintf("%04d-%02d", When.Year, When.Month);
}

QString DateText(const Date &When) {
    return QString::asprintf("%04d-%02d-%02d", When.Year, When.Month, When.Day);
}

QJsonObject JobObject(const current::JobFacts &Job) {
    QJsonArray pay;
    for (const current::PayFacts &entry : Job.Pay)
        pay.append(QJsonObject{{"from", entry.From},
                               {"income", AmountValue(entry.Income)},
                               {"exempt", AmountValue(entry.Exempt)},
                               {"insurance", AmountValue(entry.Insurance)},
                               {"other", AmountValue(entry.Other)}});
    return {{"employer", QString::fromStdString(Job.Employer)},
            {"from", Job.From},
            {"to", Job.To},
            {"mode", QString::fromUtf8(NameOf(Modes, Job.Mode))},
            {"deductions_here", Job.DeductionsHere},
            {"pay", pay}};
}

template <class T, class F> QJsonArray ArrayOf(const std::vector<T> &Items, F Write) {
    QJsonArray array;
    for (const T &item : Items)
        array.append(Write(item));
    return array;
}

QJsonObject ElderlyObject(const current::ElderlyFacts &Elderly) {
    QJsonObject object{{"parents_born", ArrayOf(Elderly.ParentsBorn, DateText)},
                       {"only_child", Elderly.OnlyChild}};
    if (Elderly.Share)
        object.insert(QStringLiteral("share"), AmountValue(*Elderly.Share));
    return object;
}

void AddPersonal(QJsonObject &Root, const YearFacts &F) {
    Root.insert(QStringLiteral("children"), ArrayOf(F.Children, [](const current::ChildFacts &c) {
                    QJsonObject child{{"born", DateText(c.Born)}, {"share", c.Share}};
                    if (c.EducationEnd)
                        child.insert(QStringLiteral("education_end"), MonthText(*c.EducationEnd));
                    return child;
                }));
    if (F.Elderly)
        Root.insert(QStringLiteral("elderly"), ElderlyObject(*F.Elderly));
    if (F.HousingLoan)
        Root.insert(QStringLiteral("housing_loan"),
                    QJsonObject{{"first_repayment", MonthText(F.HousingLoan->FirstRepayment)},
                                {"share", F.HousingLoan->Share}});
    Root.insert(QStringLiteral("rent"), ArrayOf(F.Rent, [](const current::LeaseFacts &l) {
                    return QJsonObject{{"from", MonthText(l.From)},
                                       {"to", MonthText(l.To)},
                                       {"amount", AmountValue(l.Amount)}};
                }));
    Root.insert(QStringLiteral("degree_study"),
                ArrayOf(F.DegreeStudy, [](const current::DegreeFacts &d) {
                    QJsonObject course{{"from", MonthText(d.From)}};
                    if (d.To)
                        course.insert(QStringLiteral("to"), MonthText(*d.To));
                    return course;
                }));
    Root.insert(QStringLiteral("certificates"), ArrayOf(F.Certificates, MonthText));
    Root.insert(QStringLiteral("illness"), ArrayOf(F.Illness, [](const current::IllnessFacts &i) {
                    QJsonObject cost{{"who", QString::fromUtf8(NameOf(Persons, i.Who))},
                                     {"paid", AmountValue(i.Paid)}};
                    if (i.Child && i.Child->Index)
                        cost.insert(QStringLiteral("child"), static_cast<qint64>(*i.Child->Index));
                    else if (i.Child)
                        cost.insert(QStringLiteral("child"), QString::fromStdString(i.Child->Name));
                    return cost;
                }));
}

void AddPayments(QJsonObject &Root, const YearFacts &F) {
    Root.insert(QStringLiteral("pension"), ArrayOf(F.Pension, [](const current::PensionFacts &p) {
                    return QJsonObject{{"month", p.Month}, {"amount", AmountValue(p.Amount)}};
                }));
    Root.insert(
        QStringLiteral("health_insurance"),
        ArrayOf(F.HealthInsurance, [](const current::HealthFacts &h) {
            return QJsonObject{{"from", h.From}, {"to", h.To}, {"monthly", AmountValue(h.Monthly)}};
        }));
    Root.insert(QStringLiteral("payments"), ArrayOf(F.Payments, [](const current::PaymentFacts &p) {
                    return QJsonObject{{"month", p.Month},
                                       {"kind", QString::fromUtf8(NameOf(Kinds, p.Kind))},
                                       {"amount", AmountValue(p.Amount)}};
                }));
    if (F.Bonus)
        Root.insert(QStringLiteral("bonus"),
                    QJsonObject{{"month", F.Bonus->Month},
                                {"amount", AmountValue(F.Bonus->Amount)},
                                {"employer", QString::fromStdString(F.Bonus->Employer)}});
    Root.insert(QStringLiteral("bonus_method"), QString::fromUtf8(NameOf(Methods, F.BonusMethod)));
    Root.insert(QStringLiteral("donations"),
                ArrayOf(F.Donations, [](const current::DonationFacts &d) {
                    return QJsonObject{
                        {"month", d.Month}, {"amount", AmountValue(d.Amount)}, {"full", d.Full}};
                }));
    if (F.DaysInChina)
        Root.insert(QStringLiteral("days_in_china"), *F.DaysInChina);
}

} // namespace

current::YearFacts ReadYearValue(const QJsonValue &Value, const QString &Path) {
    return ReadFacts(Value, Path);
}

current::LeaseFacts ReadLeaseValue(const QJsonValue &Value, const QString &Path) {
    return ReadLease(Value, Path);
}

current::IllnessFacts ReadIllnessValue(const QJsonValue &Value, const QString &Path) {
    return ReadIllness(Value, Path);
}

YearRead ParseYearFile(const QByteArray &Bytes) {
    return json::ParseDocument<YearRead>(Bytes, Words::tr("年度文件"), [](const QJsonObject &Root) {
        YearFacts facts = ReadFacts(Root, QString());
        if (const auto fault = current::CheckYear(facts))
            throw json::Refusal{QString(), YearFaultText(*fault)};
        return facts;
    });
}

YearRead ReadYearFile(const QString &Path, FileStamp *Stamp) {
    return json::ReadDocument<YearRead>(Path, MaxYearFileSize, Words::tr("年度文件"), ParseYearFile,
                                        Stamp);
}

QByteArray YearFileBytes(const YearFacts &Facts) {
    QJsonObject root{{"year", Facts.Year}, {"jobs", ArrayOf(Facts.Jobs, JobObject)}};
    if (!Facts.Name.empty())
        root.insert(QStringLiteral("name"), QString::fromStdString(Facts.Name));
    AddPersonal(root, Facts);
    AddPayments(root, Facts);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
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
            Words::tr("“%1”自%2起施行（%3），%4 年不能采用")
                .arg(sixty ? Words::tr("6万") : Words::tr("自1月"),
                     LawText::Date(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
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
