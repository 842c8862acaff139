#include "sheets/HouseholdFile.h"

#include "sheets/JsonFile.h"
#include "sheets/YearFileParts.h"

#include <QCoreApplication>

#include <utility>

namespace sheets {
namespace {

using json::Fields;

// The words of this file, translated in the context "HouseholdFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(HouseholdFile)
};

// The share of a shared item is what the split decides: one written in the file would be
// overruled, so it is refused rather than ignored.
void RefuseShare(const QJsonValue &Value, const QString &Path) {
    if (Value.isObject() && Value.toObject().contains(QLatin1String("share")))
        throw json::Refusal{json::Join(Path, QStringLiteral("share")),
                            Words::tr("共同项目的扣除比例由家庭分配决定，不能填写 share")};
}

current::SharedChild ReadChild(const QJsonValue &Value, const QString &Path) {
    RefuseShare(Value, Path);
    const Fields f(Value, Path, {"born", "education_end"});
    current::SharedChild child{json::DateOf(f.Need("born"), f.At("born")), std::nullopt};
    if (const auto end = f.Get("education_end"))
        child.EducationEnd = json::EducationEndOf(*end, f.At("education_end"), child.Born);
    return child;
}

current::SharedLoan ReadLoan(const QJsonValue &Value, const QString &Path) {
    RefuseShare(Value, Path);
    const Fields f(Value, Path, {"first_repayment", "both_before_marriage"});
    return {json::MonthOf(f.Need("first_repayment"), f.At("first_repayment")),
            f.Flag("both_before_marriage", false)};
}

current::SharedItems ReadShared(const QJsonValue &Value, const QString &Path) {
    const Fields f(Value, Path, {"children", "housing_loan", "rent", "illness"});
    current::SharedItems shared;
    shared.Children = f.List("children", ReadChild);
    if (const auto loan = f.Get("housing_loan"))
        shared.HousingLoan = ReadLoan(*loan, f.At("housing_loan"));
    shared.Rent = f.List("rent", ReadLeaseValue);
    shared.Illness = f.List("illness", ReadIllnessValue);
    return shared;
}

current::Household ReadHousehold(const QJsonValue &Root) {
    const Fields f(Root, QString(), {"a", "b", "shared"});
    current::Household household;
    household.A = ReadYearValue(f.Need("a"), f.At("a"));
    household.B = ReadYearValue(f.Need("b"), f.At("b"));
    if (const auto shared = f.Get("shared"))
        household.Shared = ReadShared(*shared, f.At("shared"));
    return household;
}

} // namespace

HouseholdRead ParseHouseholdFile(const QByteArray &Bytes) {
    return json::ParseDocument<HouseholdRead>(
        Bytes, Words::tr("家庭文件"), [](const QJsonObject &Root) {
            current::Household household = ReadHousehold(Root);
            if (const auto fault = current::CheckHousehold(household))
                throw json::Refusal{QString(), HouseholdFaultText(*fault)};
            return household;
        });
}

HouseholdRead ReadHouseholdFile(const QString &Path) {
    return json::ReadDocument<HouseholdRead>(Path, MaxHouseholdFileSize, Words::tr("家庭文件"),
                                             ParseHouseholdFile);
}

QString HouseholdFaultText(const current::HouseholdFault &Fault) {
    using K = current::HouseholdFaultKind;
    const QString other = QString::fromStdString(Fault.Other);
    QString text;
    switch (Fault.Kind) {
    case K::InYear:
        return YearFaultText(Fault.Year);
    case K::YearsDiffer:
        text = Words::tr("与 %1 不是同一年：两人的年度应相同").arg(other);
        break;
    case K::SelfInShared:
        text = Words::tr("共同的大病医疗应为“子女”或“配偶”；“本人”未说明是哪一方，"
                         "请写在其本人的年度文件中");
        break;
    case K::ChildTwice:
        text = Words::tr("%1 是同一天出生的子女：共同的子女不能再写在个人的年度文件中").arg(other);
        break;
    case K::LoanTwice:
        text = Words::tr("%1 已有住房贷款：共同的住房贷款不能再写在个人的年度文件中").arg(other);
        break;
    case K::LeaseTwice:
        text = Words::tr("与 %1 的月份重叠：共同的租房不能再写在个人的年度文件中").arg(other);
        break;
    case K::IllnessTwice:
        text = Words::tr("%1 是同一对象、同一金额的大病医疗：共同的一项不能再写在个人的年度文件中")
                   .arg(other);
        break;
    case K::RentAndLoan:
        text =
            Words::tr("与 %1 都在本年度内：夫妻一年只能扣除住房租金或住房贷款利息其一").arg(other);
        break;
    case K::TooManyCombinations:
        text = Words::tr("共同项目的分配方式超过 %1 种，不计算；请减少共同项目").arg(Fault.Value);
        break;
    }
    return json::WithPath(QString::fromStdString(Fault.Path), text);
}

} // namespace sheets
