#include "engine/current/HouseholdClaims.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace current {
namespace {

// The share each claims: the shares of the two years' entries, whole or half each, else none.
std::optional<Placement> PlaceOf(int ShareA, int ShareB) {
    if (ShareA == Law::WholeShare && ShareB == 0)
        return Placement::A;
    if (ShareA == 0 && ShareB == Law::WholeShare)
        return Placement::B;
    if (ShareA == Law::HalfShare && ShareB == Law::HalfShare)
        return Placement::Half;
    return std::nullopt;
}

// Takes the first entry of List that Same finds out of it; its share, or 0 when none was there.
template <class T, class Match, class Share>
int Take(std::vector<T> &List, Match Same, Share ShareOf, bool &Found) {
    const auto at = std::find_if(List.begin(), List.end(), Same);
    if (at == List.end())
        return 0;
    const int share = ShareOf(*at);
    List.erase(at);
    Found = true;
    return share;
}

// A child taken out of the year: illness entries naming a later child by its place follow it,
// one naming the child taken no longer names one of the year's children.
int TakeChild(YearFacts &Year, const Date &Born, bool &Found) {
    const auto at = std::find_if(Year.Children.begin(), Year.Children.end(),
                                 [&](const ChildFacts &c) { return c.Born == Born; });
    if (at == Year.Children.end())
        return 0;
    const auto index = static_cast<std::size_t>(std::distance(Year.Children.begin(), at));
    const int share = at->Share;
    Year.Children.erase(at);
    for (IllnessFacts &entry : Year.Illness) {
        if (!entry.Child || !entry.Child->Index || *entry.Child->Index < index)
            continue;
        if (*entry.Child->Index == index)
            entry.Child.reset();
        else
            --*entry.Child->Index;
    }
    Found = true;
    return share;
}

} // namespace

ClaimsInYears TakeClaims(const YearFacts &A, const YearFacts &B, const SharedItems &Shared) {
    ClaimsInYears out{{A, B}, std::nullopt, false};
    YearFacts &a = out.Own.A;
    YearFacts &b = out.Own.B;
    HouseholdAssignment now;
    bool known = true;
    const auto place = [&known](int ShareA, int ShareB, auto Allowed) {
        const std::optional<Placement> where = PlaceOf(ShareA, ShareB);
        known = known && where && Allowed(*where);
        return where.value_or(Placement::A);
    };
    const auto any = [](Placement) { return true; };

    for (const SharedChild &child : Shared.Children) {
        const int shareA = TakeChild(a, child.Born, out.Found);
        const int shareB = TakeChild(b, child.Born, out.Found);
        now.Children.push_back(place(shareA, shareB, any));
    }
    if (Shared.HousingLoan) {
        const auto share = [&](YearFacts &Year) {
            if (!Year.HousingLoan ||
                !(Year.HousingLoan->FirstRepayment == Shared.HousingLoan->FirstRepayment))
                return 0;
            const int claimed = Year.HousingLoan->Share;
            Year.HousingLoan.reset();
            out.Found = true;
            return claimed;
        };
        const int shareA = share(a);
        const int shareB = share(b);
        now.HousingLoan =
            place(shareA, shareB, [&](Placement W) { return MayClaim(*Shared.HousingLoan, W); });
    }
    for (const SharedLease &lease : Shared.Rent) {
        const auto same = [&](const LeaseFacts &l) { return l == LeaseFacts(lease); };
        const auto whole = [](const LeaseFacts &) { return Law::WholeShare; };
        const int shareA = Take(a.Rent, same, whole, out.Found);
        const int shareB = Take(b.Rent, same, whole, out.Found);
        now.Rent.push_back(place(shareA, shareB, [&](Placement W) { return MayClaim(lease, W); }));
    }
    for (const IllnessFacts &entry : Shared.Illness) {
        const auto same = [&](const IllnessFacts &i) {
            return i.Who == entry.Who && i.Paid == entry.Paid;
        };
        const auto whole = [](const IllnessFacts &) { return Law::WholeShare; };
        const int shareA = Take(a.Illness, same, whole, out.Found);
        const int shareB = Take(b.Illness, same, whole, out.Found);
        now.Illness.push_back(place(shareA, shareB, MayClaimIllness));
    }
    if (known && out.Found)
        out.Now = std::move(now);
    return out;
}

} // namespace current
