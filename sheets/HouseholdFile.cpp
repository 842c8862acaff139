#include "sheets/HouseholdFile.h"

#include "sheets/JsonFile.h"

#include <QCoreApplication>

#include <string_view>
#include <utility>

namespace sheets {
namespace {

// The words of this file, translated in the context "HouseholdFile".
class Words {
    Q_DECLARE_TR_FUNCTIONS(HouseholdFile)
};

} // namespace

HouseholdRead ParseHouseholdFile(const QByteArray &Bytes) {
    formats::HouseholdRead read =
        formats::ParseHouseholdFile(std::string_view(Bytes.constData(), Bytes.size()));
    if (read.Error)
        return {std::nullopt, json::FaultText(*read.Error, Words::tr("家庭文件"))};
    return {std::move(read.Facts), {}, QString::fromStdString(read.WithoutNow)};
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
