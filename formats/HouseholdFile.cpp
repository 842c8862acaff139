#include "formats/HouseholdFile.h"

#include "formats/JsonRead.h"
#include "formats/YearFileParts.h"

#include <utility>

namespace formats {
namespace {

using json::Fields;
using json::Value;

// The share of a shared item is what the split decides: one written in the file would be
// overruled, so it is refused rather than ignored.
void RefuseShare(const Value &Of, const std::string &Path) {
    if (Of.is_object() && Of.contains("share"))
        json::Refuse(FaultKind::ShareInShared, Join(Path, "share"));
}

const json::Named<current::Placement> PlaceNames[] = {
    {"a", current::Placement::A}, {"b", current::Placement::B}, {"half", current::Placement::Half}};
const json::Named<current::Signer> SignerNames[] = {
    {"a", current::Signer::A}, {"b", current::Signer::B}, {"both", current::Signer::Both}};

// The shared items as read, with who claims each now where the file says so.
struct SharedRead {
    current::SharedItems Items;
    current::HouseholdAssignment Now;
    std::string FirstWithoutNow; // the first item's path without "now", or empty
    bool AnyNow = false;
};

// The item's "now", refused when the law does not let that one claim it.
template <class Allowed>
std::optional<current::Placement> ReadNow(const Fields &F, Allowed MayClaim, SharedRead &Read,
                                          const std::string &Path) {
    const Value *value = F.Get("now");
    if (!value) {
        if (Read.FirstWithoutNow.empty())
            Read.FirstWithoutNow = Path;
        return std::nullopt;
    }
    const current::Placement where = json::NamedOf(
        *value, F.At("now"), std::span<const json::Named<current::Placement>>(PlaceNames));
    if (!MayClaim(where))
        json::Refuse(FaultKind::NowNotAllowed, F.At("now"));
    Read.AnyNow = true;
    return where;
}

// An object without the keys the shared items add to a year file's entry, for the year file's
// own reader.
Value Without(const Value &Of, std::initializer_list<const char *> Keys) {
    Value object = Of;
    if (object.is_object()) {
        for (const char *key : Keys)
            object.erase(key);
    }
    return object;
}

current::SharedItems ReadShared(const Value &Of, const std::string &Path, SharedRead &Read) {
    const Fields f(Of, Path, {"children", "housing_loan", "rent", "illness"});
    current::SharedItems &shared = Read.Items;
    const auto any = [](current::Placement) { return true; };
    shared.Children = f.List("children", [&](const Value &Item, const std::string &At) {
        RefuseShare(Item, At);
        const Fields c(Item, At, {"born", "education_end", "now"});
        current::SharedChild child{json::DateOf(c.Need("born"), c.At("born")), std::nullopt};
        if (const Value *end = c.Get("education_end"))
            child.EducationEnd = json::EducationEndOf(*end, c.At("education_end"), child.Born);
        Read.Now.Children.push_back(ReadNow(c, any, Read, At).value_or(current::Placement::A));
        return child;
    });
    if (const Value *value = f.Get("housing_loan")) {
        const std::string at = f.At("housing_loan");
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
    shared.Rent = f.List("rent", [&](const Value &Item, const std::string &At) {
        const Fields r(Item, At, {"from", "to", "amount", "signed_by", "now"});
        if (!r.Has("signed_by"))
            json::Refuse(FaultKind::SignerMissing, r.At("signed_by"));
        current::SharedLease lease;
        static_cast<current::LeaseFacts &>(lease) =
            ReadLeaseValue(Without(Item, {"signed_by", "now"}), At);
        lease.SignedBy =
            r.Name("signed_by", std::span<const json::Named<current::Signer>>(SignerNames));
        Read.Now.Rent.push_back(
            ReadNow(
                r, [&](current::Placement W) { return current::MayClaim(lease, W); }, Read, At)
                .value_or(current::Placement::A));
        return lease;
    });
    shared.Illness = f.List("illness", [&](const Value &Item, const std::string &At) {
        const current::IllnessFacts entry = ReadIllnessValue(Without(Item, {"now"}), At);
        const Fields i(Item, At, {"who", "paid", "now"});
        Read.Now.Illness.push_back(
            ReadNow(i, current::MayClaimIllness, Read, At).value_or(current::Placement::A));
        return entry;
    });
    return shared;
}

current::Household ReadHousehold(const Value &Root, std::string &WithoutNow) {
    const Fields f(Root, std::string(), {"a", "b", "shared"});
    current::Household household;
    household.A = ReadYearValue(f.Need("a"), f.At("a"));
    household.B = ReadYearValue(f.Need("b"), f.At("b"));
    if (const Value *shared = f.Get("shared")) {
        SharedRead read;
        household.Shared = ReadShared(*shared, f.At("shared"), read);
        if (read.AnyNow && read.FirstWithoutNow.empty())
            household.Now = read.Now;
        else if (read.AnyNow)
            WithoutNow = read.FirstWithoutNow;
    }
    return household;
}

} // namespace

HouseholdRead ParseHouseholdFile(std::string_view Bytes) {
    Value document;
    if (auto fault = json::ParseDocument(Bytes, document))
        return {std::nullopt, std::move(fault)};
    try {
        std::string withoutNow;
        current::Household household = ReadHousehold(document, withoutNow);
        if (auto fault = current::CheckHousehold(household))
            return {std::nullopt,
                    Fault{FaultKind::Household, fault->Path, {}, 0, 0, std::nullopt, *fault}};
        return {std::move(household), std::nullopt, std::move(withoutNow)};
    } catch (const json::Refusal &refusal) {
        return {std::nullopt, refusal.Found};
    }
}

} // namespace formats
