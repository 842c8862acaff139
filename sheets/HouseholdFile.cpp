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

const json::Named<current::Placement> Places[] = {
    {"a", current::Placement::A}, {"b", current::Placement::B}, {"half", current::Placement::Half}};
const json::Named<current::Signer> Signers[] = {
    {"a", current::Signer::A}, {"b", current::Signer::B}, {"both", current::Signer::Both}};

// The shared items as read, with who claims each now where the file says so.
struct SharedRead {
    current::SharedItems Items;
    current::HouseholdAssignment Now;
    QString FirstWithoutNow; // the first item's path without "now", or empty
    bool AnyNow = false;
};

// The item's "now", refused when the law does not let that one claim it.
template <class Allowed>
std::optional<current::Placement> ReadNow(const Fields &F, Allowed MayClaim, SharedRead &Read,
                                          const QString &Path) {
    const auto value = F.Get("now");
    if (!value) {
        if (Read.FirstWithoutNow.isEmpty())
            Read.FirstWithoutNow = Path;
        return std::nullopt;
    }
    const current::Placement where = json::NamedOf(*value, F.At("now"), Places);
    if (!MayClaim(where))
        throw json::Refusal{F.At("now"), Words::tr("税法不允许这样扣除此项")};
    Read.AnyNow = true;
    return where;
}

// An object without the keys the shared items add to a year file's entry, for the year file's
// own reader.
QJsonValue Without(const QJsonValue &Value, std::initializer_list<const char *> Keys) {
    if (!Value.isObject())
        return Value;
    QJsonObject object = Value.toObject();
    for (const char *key : Keys)
        object.remove(QLatin1String(key));
    return object;
}

current::SharedItems ReadShared(const QJsonValue &Value, const QString &Path, SharedRead &Read) {
    const Fields f(Value, Path, {"children", "housing_loan", "rent", "illness"});
    current::SharedItems &shared = Read.Items;
    const auto any = [](current::Placement) { return true; };
    shared.Children = f.List("children", [&](const QJsonValue &Item, const QString &At) {
        RefuseShare(Item, At);
        const Fields c(Item, At, {"born", "education_end", "now"});
        current::SharedChild child{json::DateOf(c.Need("born"), c.At("born")), std::nullopt};
        if (const auto end = c.Get("education_end"))
            child.EducationEnd = json::EducationEndOf(*end, c.At("education_end"), child.Born);
        Read.Now.Children.push_back(ReadNow(c, any, Read, At).value_or(current::Placement::A));
        return child;
    });
    if (const auto value = f.Get("housing_loan")) {
        const QString at = f.At("housing_loan");
        RefuseShare(*value, at);
        const Fields l(*value, at, {"first_repayment", "both_before_marriage", "now"});
        const current::SharedLoan loan{
            json::MonthOf(l.Need("first_repayment"), l.At("first_repayment")),
            l.Flag("both_before_marriage", false)};
        shared.HousingLoan = loan;
        Read.Now.HousingLoan =
            ReadNow(
                l, [&](current::Placement W) { return current::MayClaim(loan, W); }, Read, at)
                .value_or(current::Placement::A);
    }
    shared.Rent = f.List("rent", [&](const QJsonValue &Item, const QString &At) {
        const Fields r(Item, At, {"from", "to", "amount", "signed_by", "now"});
        if (!r.Has("signed_by"))
            throw json::Refusal{
                r.At("signed_by"),
                Words::tr("缺少此键：夫妻主要工作城市相同的，租房由签订租赁合同的一方扣除（%1），"
                          "请写明签约人 a、b 或 both")
                    .arg(QString::fromUtf8(current::LeaseSignerDocument))};
        current::SharedLease lease;
        static_cast<current::LeaseFacts &>(lease) =
            ReadLeaseValue(Without(Item, {"signed_by", "now"}), At);
        lease.SignedBy = r.Name("signed_by", Signers);
        Read.Now.Rent.push_back(
            ReadNow(
                r, [&](current::Placement W) { return current::MayClaim(lease, W); }, Read, At)
                .value_or(current::Placement::A));
        return lease;
    });
    shared.Illness = f.List("illness", [&](const QJsonValue &Item, const QString &At) {
        const current::IllnessFacts entry = ReadIllnessValue(Without(Item, {"now"}), At);
        const Fields i(Item, At, {"who", "paid", "now"});
        Read.Now.Illness.push_back(
            ReadNow(i, current::MayClaimIllness, Read, At).value_or(current::Placement::A));
        return entry;
    });
    return shared;
}

current::Household ReadHousehold(const QJsonValue &Root, QString &WithoutNow) {
    const Fields f(Root, QString(), {"a", "b", "shared"});
    current::Household household;
    household.A = ReadYearValue(f.Need("a"), f.At("a"));
    household.B = ReadYearValue(f.Need("b"), f.At("b"));
    if (const auto shared = f.Get("shared")) {
        SharedRead read;
        household.Shared = ReadShared(*shared, f.At("shared"), read);
        if (read.AnyNow && read.FirstWithoutNow.isEmpty())
            household.Now = read.Now;
        else if (read.AnyNow)
            WithoutNow = read.FirstWithoutNow;
    }
    return household;
}

} // namespace

HouseholdRead ParseHouseholdFile(const QByteArray &Bytes) {
    QString withoutNow;
    HouseholdRead read = json::ParseDocument<HouseholdRead>(
        Bytes, Words::tr("家庭文件"), [&withoutNow](const QJsonObject &Root) {
            current::Household household = ReadHousehold(Root, withoutNow);
            if (const auto fault = current::CheckHousehold(household))
                throw json::Refusal{QString(), HouseholdFaultText(*fault)};
            return household;
        });
    if (read.Facts)
        read.WithoutNow = withoutNow;
    return read;
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
    case K::NowNotAllowed:
        text =
            Words::tr("税法不允许这样扣除此项（租房只能由签约的一方扣除，住房贷款只有婚前各自购房的"
                      "才能各扣一半，大病医疗不能各扣一半）");
        break;
    }
    return json::WithPath(QString::fromStdString(Fault.Path), text);
}

} // namespace sheets
