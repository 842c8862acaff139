#include "engine/current/Household.h"

#include "engine/current/Rules.h"

#include <algorithm>
#include <array>
#include <utility>

namespace current {
namespace {

std::string Item(const std::string &List, std::size_t Index) {
    return List + '[' + std::to_string(Index) + ']';
}

std::string Under(const std::string &Root, const std::string &Path) {
    return Path.empty() ? Path : Root + '.' + Path;
}

HouseholdFault Conflict(HouseholdFaultKind Kind, std::string Path, std::string Other = {}) {
    HouseholdFault fault;
    fault.Kind = Kind;
    fault.Path = std::move(Path);
    fault.Other = std::move(Other);
    return fault;
}

HouseholdFault InYear(YearFault Fault, const std::string &Root) {
    Fault.Path = Under(Root, Fault.Path);
    Fault.Other = Under(Root, Fault.Other);
    HouseholdFault fault = Conflict(HouseholdFaultKind::InYear, Fault.Path, Fault.Other);
    fault.Year = std::move(Fault);
    return fault;
}

ChildFacts ChildOf(const SharedChild &Child, int Share) {
    return {Child.Born, Share, Child.EducationEnd};
}

// Whole where the placement gives it wholly to Side, half where halved, none otherwise.
std::optional<int> ShareOf(Placement Where, Placement Side) {
    if (Where == Placement::Half)
        return Law::HalfShare;
    if (Where == Side)
        return Law::WholeShare;
    return std::nullopt;
}

// Side's year with the shared items it claims appended after its own entries. Own holds Side's
// own facts, whose lists Person's begin with; Person's lists keep their capacity, so that the
// split rewrites the tails of the same two years without allocating. An item the assignment has
// no place for (an assignment made for other shared items) is claimed by neither.
void Place(YearFacts &Person, const YearFacts &Own, const SharedItems &Shared,
           const HouseholdAssignment &Assignment, Placement Side) {
    Person.Children.resize(Own.Children.size());
    for (std::size_t i = 0; i < std::min(Shared.Children.size(), Assignment.Children.size()); ++i) {
        if (const auto share = ShareOf(Assignment.Children[i], Side))
            Person.Children.push_back(ChildOf(Shared.Children[i], *share));
    }
    if (Shared.HousingLoan && Assignment.HousingLoan) {
        const auto share = ShareOf(*Assignment.HousingLoan, Side);
        Person.HousingLoan =
            share ? std::optional(LoanFacts{Shared.HousingLoan->FirstRepayment, *share})
                  : Own.HousingLoan;
    }
    Person.Rent.resize(Own.Rent.size());
    for (std::size_t i = 0; i < std::min(Shared.Rent.size(), Assignment.Rent.size()); ++i) {
        if (Assignment.Rent[i] == Side)
            Person.Rent.push_back(Shared.Rent[i]);
    }
    Person.Illness.resize(Own.Illness.size());
    for (std::size_t i = 0; i < std::min(Shared.Illness.size(), Assignment.Illness.size()); ++i) {
        if (Assignment.Illness[i] == Side)
            Person.Illness.push_back(Shared.Illness[i]);
    }
}

// The shared items as one year would hold them, so that the year's own check refuses what it
// refuses in a year file (a date that does not exist, a rent amount the law does not know, rent
// beside the loan), with the same messages.
YearFacts SharedAsYear(int Year, const SharedItems &Shared) {
    YearFacts year;
    year.Year = Year;
    year.Jobs.push_back({"-", 1, 12, BasicDeduction::PerMonth, false, {PayFacts{}}});
    for (const SharedChild &child : Shared.Children)
        year.Children.push_back(ChildOf(child, Law::WholeShare));
    if (Shared.HousingLoan)
        year.HousingLoan = LoanFacts{Shared.HousingLoan->FirstRepayment, Law::WholeShare};
    year.Rent.assign(Shared.Rent.begin(), Shared.Rent.end());
    year.Illness = Shared.Illness;
    return year;
}

bool Overlap(const LeaseFacts &First, const LeaseFacts &Second) {
    return MonthIndex(First.From) <= MonthIndex(Second.To) &&
           MonthIndex(Second.From) <= MonthIndex(First.To);
}

// A shared item that is also in a person's own file: the first such in the order of the shared
// keys, against a's file before b's.
class TwiceFinder {
  public:
    explicit TwiceFinder(const Household &H) : H(H) {}

    std::optional<HouseholdFault> Run() {
        const SharedItems &s = H.Shared;
        for (std::size_t i = 0; i < s.Children.size() && !Found; ++i)
            Find(HouseholdFaultKind::ChildTwice, Item("shared.children", i), &YearFacts::Children,
                 "children", [&](const ChildFacts &c) { return c.Born == s.Children[i].Born; });
        if (s.HousingLoan) {
            for (const auto &[root, person] : People()) {
                if (person->HousingLoan && !Found)
                    Found = Conflict(HouseholdFaultKind::LoanTwice, "shared.housing_loan",
                                     root + ".housing_loan");
            }
        }
        for (std::size_t i = 0; i < s.Rent.size() && !Found; ++i)
            Find(HouseholdFaultKind::LeaseTwice, Item("shared.rent", i), &YearFacts::Rent, "rent",
                 [&](const LeaseFacts &l) { return Overlap(l, s.Rent[i]); });
        for (std::size_t i = 0; i < s.Illness.size() && !Found; ++i)
            Find(HouseholdFaultKind::IllnessTwice, Item("shared.illness", i), &YearFacts::Illness,
                 "illness", [&](const IllnessFacts &e) { return e == s.Illness[i]; });
        return Found;
    }

  private:
    std::array<std::pair<std::string, const YearFacts *>, 2> People() const {
        return {{{"a", &H.A}, {"b", &H.B}}};
    }

    template <class T, class Same>
    void Find(HouseholdFaultKind Kind, const std::string &Path, std::vector<T> YearFacts::*List,
              const char *Key, Same IsSame) {
        for (const auto &[root, person] : People()) {
            const std::vector<T> &own = person->*List;
            for (std::size_t j = 0; j < own.size() && !Found; ++j) {
                if (IsSame(own[j]))
                    Found = Conflict(Kind, Path, Item(root + '.' + Key, j));
            }
        }
    }

    const Household &H;
    std::optional<HouseholdFault> Found;
};

// A couple claims the loan or the rent in a year, not both: a lease of either (or shared) beside
// a loan of the other (or shared). Each year and the shared items were checked on their own.
std::optional<HouseholdFault> RentBesideLoan(const Household &H) {
    const int year = H.A.Year;
    std::vector<std::string> loans;
    if (H.A.HousingLoan && ReachesYear(*H.A.HousingLoan, year))
        loans.push_back("a.housing_loan");
    if (H.B.HousingLoan && ReachesYear(*H.B.HousingLoan, year))
        loans.push_back("b.housing_loan");
    if (H.Shared.HousingLoan &&
        ReachesYear(LoanFacts{H.Shared.HousingLoan->FirstRepayment, Law::WholeShare}, year))
        loans.push_back("shared.housing_loan");
    if (loans.empty())
        return std::nullopt;
    const auto first = [&](const std::string &List,
                           const auto &Rent) -> std::optional<std::string> {
        for (std::size_t i = 0; i < Rent.size(); ++i) {
            if (ReachesYear(static_cast<const LeaseFacts &>(Rent[i]), year))
                return Item(List, i);
        }
        return std::nullopt;
    };
    auto lease = first("a.rent", H.A.Rent);
    if (!lease)
        lease = first("b.rent", H.B.Rent);
    if (!lease)
        lease = first("shared.rent", H.Shared.Rent);
    if (lease)
        return Conflict(HouseholdFaultKind::RentAndLoan, *lease, loans.front());
    return std::nullopt;
}

// The places the law allows an item, the first the walk starts from.
struct Places {
    std::array<Placement, 3> Options{};
    int Count = 0;
};

Places ChildPlaces() {
    return {{Placement::A, Placement::B, Placement::Half}, 3};
}

Places LoanPlaces(const SharedLoan &Loan) {
    return {{Placement::A, Placement::B, Placement::Half}, Loan.BothBeforeMarriage ? 3 : 2};
}

Places LeasePlaces(const SharedLease &Lease) {
    switch (Lease.SignedBy) {
    case Signer::A:
        return {{Placement::A}, 1};
    case Signer::B:
        return {{Placement::B}, 1};
    case Signer::Both:
        break;
    }
    return {{Placement::A, Placement::B}, 2};
}

Places IllnessPlaces() {
    return {{Placement::A, Placement::B}, 2};
}

bool Allows(const Places &Allowed, Placement Where) {
    for (int i = 0; i < Allowed.Count; ++i) {
        if (Allowed.Options[static_cast<std::size_t>(i)] == Where)
            return true;
    }
    return false;
}

// Where, if the law allows it, else the first place it allows.
Placement OrFirst(const Places &Allowed, Placement Where) {
    return Allows(Allowed, Where) ? Where : Allowed.Options[0];
}

// One digit of the odometer that walks the assignments: a place and the options it turns
// through.
struct Digit {
    Placement *Place;
    Places Allowed;
    Placement Reference;
    int At = 0;
};

std::vector<Digit> DigitsOf(HouseholdAssignment &Assignment, const SharedItems &Shared) {
    const HouseholdAssignment reference = ReferenceAssignment(Shared);
    std::vector<Digit> digits;
    for (std::size_t i = 0; i < Assignment.Children.size(); ++i)
        digits.push_back({&Assignment.Children[i], ChildPlaces(), reference.Children[i]});
    if (Assignment.HousingLoan)
        digits.push_back(
            {&*Assignment.HousingLoan, LoanPlaces(*Shared.HousingLoan), *reference.HousingLoan});
    for (std::size_t i = 0; i < Assignment.Rent.size(); ++i)
        digits.push_back({&Assignment.Rent[i], LeasePlaces(Shared.Rent[i]), reference.Rent[i]});
    for (std::size_t i = 0; i < Assignment.Illness.size(); ++i)
        digits.push_back({&Assignment.Illness[i], IllnessPlaces(), reference.Illness[i]});
    for (Digit &digit : digits)
        *digit.Place = digit.Allowed.Options[0];
    return digits;
}

// The next assignment in the order of the items, the last item turning fastest; false after the
// last one.
bool Advance(std::vector<Digit> &Digits) {
    for (auto digit = Digits.rbegin(); digit != Digits.rend(); ++digit) {
        digit->At = digit->At + 1 < digit->Allowed.Count ? digit->At + 1 : 0;
        *digit->Place = digit->Allowed.Options[static_cast<std::size_t>(digit->At)];
        if (digit->At != 0)
            return true;
    }
    return false;
}

int Deviations(const std::vector<Digit> &Digits) {
    int count = 0;
    for (const Digit &digit : Digits)
        count += *digit.Place != digit.Reference ? 1 : 0;
    return count;
}

// The assignment kept so far for one end of the range; a later one replaces it only when
// strictly better, so ties keep the first in the order of the walk.
struct Kept {
    HouseholdAssignment Assignment;
    Cents Total = 0;
    int Deviations = 0;
    bool Any = false;

    void Offer(const HouseholdAssignment &Candidate, Cents Sum, int Moved, bool Lower) {
        const bool better =
            !Any || (Lower ? Sum < Total : Sum > Total) || (Sum == Total && Moved < Deviations);
        if (better)
            *this = {Candidate, Sum, Moved, true};
    }
};

// Children to Child, a shared loan to Loan, leases and illness to Rest.
HouseholdAssignment Filled(const SharedItems &Shared, Placement Child, Placement Loan,
                           Placement Rest) {
    HouseholdAssignment assignment;
    assignment.Children.assign(Shared.Children.size(), Child);
    if (Shared.HousingLoan)
        assignment.HousingLoan = Loan;
    for (const SharedLease &lease : Shared.Rent)
        assignment.Rent.push_back(OrFirst(LeasePlaces(lease), Rest));
    assignment.Illness.assign(Shared.Illness.size(), Rest);
    return assignment;
}

HouseholdAssignment AllTo(const SharedItems &Shared, Placement Side) {
    return Filled(Shared, Side, Side, Side);
}

} // namespace

std::size_t CountAssignments(const SharedItems &Shared) {
    std::size_t count = 1;
    const auto times = [&](std::size_t Options, std::size_t Items) {
        for (std::size_t i = 0; i < Items && count <= MaxCombinations; ++i)
            count *= Options;
    };
    times(3, Shared.Children.size());
    times(Shared.HousingLoan ? static_cast<std::size_t>(LoanPlaces(*Shared.HousingLoan).Count) : 1,
          1);
    for (const SharedLease &lease : Shared.Rent)
        times(static_cast<std::size_t>(LeasePlaces(lease).Count), 1);
    times(2, Shared.Illness.size());
    return std::min(count, MaxCombinations + 1);
}

HouseholdAssignment ReferenceAssignment(const SharedItems &Shared) {
    const bool halvable = Shared.HousingLoan && Shared.HousingLoan->BothBeforeMarriage;
    return Filled(Shared, Placement::Half, halvable ? Placement::Half : Placement::A, Placement::A);
}

HouseholdAssignment AllToA(const SharedItems &Shared) {
    return AllTo(Shared, Placement::A);
}

HouseholdAssignment AllToB(const SharedItems &Shared) {
    return AllTo(Shared, Placement::B);
}

bool MayClaim(const SharedLoan &Loan, Placement Where) {
    return Allows(LoanPlaces(Loan), Where);
}

bool MayClaim(const SharedLease &Lease, Placement Where) {
    return Allows(LeasePlaces(Lease), Where);
}

bool MayClaimIllness(Placement Where) {
    return Allows(IllnessPlaces(), Where);
}

namespace {

// The first place of Now the law does not allow (or that names no item), as a key path.
std::optional<std::string> NowRefused(const SharedItems &S, const HouseholdAssignment &Now) {
    if (Now.Children.size() != S.Children.size())
        return "shared.children";
    if (Now.HousingLoan.has_value() != S.HousingLoan.has_value() ||
        (Now.HousingLoan && !MayClaim(*S.HousingLoan, *Now.HousingLoan)))
        return "shared.housing_loan.now";
    if (Now.Rent.size() != S.Rent.size())
        return "shared.rent";
    for (std::size_t i = 0; i < S.Rent.size(); ++i) {
        if (!MayClaim(S.Rent[i], Now.Rent[i]))
            return Item("shared.rent", i) + ".now";
    }
    if (Now.Illness.size() != S.Illness.size())
        return "shared.illness";
    for (std::size_t i = 0; i < S.Illness.size(); ++i) {
        if (!MayClaimIllness(Now.Illness[i]))
            return Item("shared.illness", i) + ".now";
    }
    return std::nullopt;
}

// Every shared item on Side, whatever the law allows: the year at its longest.
HouseholdAssignment Everything(const SharedItems &Shared, Placement Side) {
    HouseholdAssignment assignment = AllTo(Shared, Side);
    assignment.Rent.assign(Shared.Rent.size(), Side);
    return assignment;
}

// Deductible serious illness of one person, as IllnessDeduction takes it.
Cents Deductible(Cents Paid) {
    return std::clamp(Paid - Law::IllnessFloor, Cents{0}, Law::IllnessCap);
}

Cents SpecialOf(const Timeline &T) {
    Cents sum = 0;
    for (const EntitlementMonth &month : T)
        sum += month.Special();
    return sum;
}

// One spouse's year under any assignment, from what the shared items do not change: the year's
// totals settled (income, insurance, pension, the bonus) and its own deductions, computed once;
// each assignment adds what the shared items it gives this spouse deduct. Every deduction a shared
// item brings adds to the year's total but rent, of which a month counts the largest lease.
class Claimant {
  public:
    Claimant(const YearFacts &Own, const SharedItems &Shared, Placement Side)
        : Items(Shared), Where(Side), Choice(Own.BonusMethod) {
        const YearRules *found = RulesOf(Own.Year);
        const YearRules &rules = found ? *found : LatestRules();
        Base = ComputeYear(Own).Settled.Input;
        Base.Method = BonusMethod::Separate;
        const Timeline own = EntitlementsOf(Own, rules);
        for (std::size_t m = 0; m < own.size(); ++m) {
            OwnSpecial += own[m].Special() - own[m].Rent;
            OwnLoan += own[m].HousingLoan;
            OwnRent[m] = own[m].Rent;
        }
        YearFacts alone;
        alone.Year = Own.Year;
        for (const SharedChild &child : Shared.Children) {
            std::array<Cents, 2> year{};
            for (const int share : {Law::WholeShare, Law::HalfShare}) {
                alone.Children = {ChildOf(child, share)};
                year[share == Law::WholeShare ? 0 : 1] = SpecialOf(EntitlementsOf(alone, rules));
            }
            Children.push_back(year);
        }
        alone.Children.clear();
        if (Shared.HousingLoan) {
            for (const int share : {Law::WholeShare, Law::HalfShare}) {
                alone.HousingLoan = LoanFacts{Shared.HousingLoan->FirstRepayment, share};
                Loan[share == Law::WholeShare ? 0 : 1] = SpecialOf(EntitlementsOf(alone, rules));
            }
            alone.HousingLoan.reset();
        }
        for (const SharedLease &lease : Shared.Rent) {
            alone.Rent = {lease};
            const Timeline t = EntitlementsOf(alone, rules);
            std::array<Cents, Law::MonthsInYear> months{};
            for (std::size_t m = 0; m < t.size(); ++m)
                months[m] = t[m].Rent;
            Leases.push_back(months);
        }
        for (const IllnessFacts &cost : Own.Illness) {
            if (cost.Who == IllnessOf::Self)
                OwnSelf += cost.Paid;
            else if (cost.Who == IllnessOf::Spouse)
                OwnSpouse += cost.Paid;
            else
                OwnChildren += Deductible(cost.Paid);
        }
    }

    // The year's total tax, the separately taxed bonus included, as ComputeYear settles it.
    Cents TotalTax(const HouseholdAssignment &Assignment) const {
        Cents special = OwnSpecial;
        for (std::size_t i = 0; i < Children.size(); ++i) {
            if (const auto share = ShareOf(Assignment.Children[i], Where))
                special += Children[i][*share == Law::WholeShare ? 0 : 1];
        }
        if (Items.HousingLoan && Assignment.HousingLoan) {
            if (const auto share = ShareOf(*Assignment.HousingLoan, Where))
                special += Loan[*share == Law::WholeShare ? 0 : 1] - OwnLoan;
        }
        std::array<Cents, Law::MonthsInYear> rent = OwnRent;
        for (std::size_t i = 0; i < Leases.size(); ++i) {
            if (Assignment.Rent[i] != Where)
                continue;
            for (std::size_t m = 0; m < rent.size(); ++m)
                rent[m] = std::max(rent[m], Leases[i][m]);
        }
        for (const Cents month : rent)
            special += month;
        Cents spouse = OwnSpouse;
        Cents children = OwnChildren;
        for (std::size_t i = 0; i < Items.Illness.size(); ++i) {
            if (Assignment.Illness[i] != Where)
                continue;
            if (Items.Illness[i].Who == IllnessOf::Spouse)
                spouse += Items.Illness[i].Paid;
            else
                children += Deductible(Items.Illness[i].Paid);
        }
        SettlementInput in = Base;
        in.Special = special + Deductible(OwnSelf) + Deductible(spouse) + children;
        const Cents separate = Settle(in).TotalTax;
        if (Choice == BonusChoice::Separate)
            return separate;
        in.Method = BonusMethod::Merged;
        const Cents merged = Settle(in).TotalTax;
        return Choice == BonusChoice::Merged ? merged : std::min(separate, merged);
    }

  private:
    const SharedItems &Items;
    Placement Where;
    BonusChoice Choice;
    SettlementInput Base; // the year's totals; its special additional deductions are added
    Cents OwnSpecial = 0; // the own special additional deductions, rent aside
    Cents OwnLoan = 0;    // of which the own loan
    std::array<Cents, Law::MonthsInYear> OwnRent{};
    std::vector<std::array<Cents, 2>> Children; // a shared child's year, whole and half
    std::array<Cents, 2> Loan{};                // the shared loan's year, whole and half
    std::vector<std::array<Cents, Law::MonthsInYear>> Leases; // each shared lease's months
    Cents OwnSelf = 0, OwnSpouse = 0; // illness paid, of the person and of the spouse
    Cents OwnChildren = 0;            // deductible, each child's entry on its own
};

// How often the walk looks whether it was called off: a few milliseconds of work at most.
constexpr std::size_t CancelEvery = 256;

} // namespace

HouseholdChoice ChoiceOf(const Household &H, const HouseholdAssignment &Assignment) {
    const CoupleFacts couple = ApplyAssignment(H, Assignment);
    HouseholdChoice choice{Assignment, ComputeYear(couple.A), ComputeYear(couple.B), 0};
    choice.Total = choice.A.Settled.Figures.TotalTax + choice.B.Settled.Figures.TotalTax;
    return choice;
}

std::optional<HouseholdFault> CheckHousehold(const Household &H) {
    if (auto fault = CheckYear(H.A))
        return InYear(std::move(*fault), "a");
    if (auto fault = CheckYear(H.B))
        return InYear(std::move(*fault), "b");
    if (H.A.Year != H.B.Year)
        return Conflict(HouseholdFaultKind::YearsDiffer, "b.year", "a.year");
    if (auto fault = CheckYear(SharedAsYear(H.A.Year, H.Shared)))
        return InYear(std::move(*fault), "shared");
    for (std::size_t i = 0; i < H.Shared.Illness.size(); ++i) {
        if (H.Shared.Illness[i].Who == IllnessOf::Self)
            return Conflict(HouseholdFaultKind::SelfInShared, Item("shared.illness", i) + ".who");
    }
    if (auto fault = TwiceFinder(H).Run())
        return fault;
    if (auto fault = RentBesideLoan(H))
        return fault;
    if (CountAssignments(H.Shared) > MaxCombinations) {
        HouseholdFault fault = Conflict(HouseholdFaultKind::TooManyCombinations, "shared");
        fault.Value = MaxCombinations;
        return fault;
    }
    if (H.Now) {
        if (auto path = NowRefused(H.Shared, *H.Now))
            return Conflict(HouseholdFaultKind::NowNotAllowed, std::move(*path));
    }
    // Each of the two claiming every shared item holds the most any assignment gives it (a list
    // at its longest); what that passes, every assignment passes.
    if (auto fault = CheckYear(ApplyAssignment(H, Everything(H.Shared, Placement::A)).A))
        return InYear(std::move(*fault), "a");
    if (auto fault = CheckYear(ApplyAssignment(H, Everything(H.Shared, Placement::B)).B))
        return InYear(std::move(*fault), "b");
    return std::nullopt;
}

CoupleFacts ApplyAssignment(const Household &H, const HouseholdAssignment &Assignment) {
    CoupleFacts couple{H.A, H.B};
    Place(couple.A, H.A, H.Shared, Assignment, Placement::A);
    Place(couple.B, H.B, H.Shared, Assignment, Placement::B);
    return couple;
}

std::optional<HouseholdSplit> SplitHousehold(const Household &H,
                                             const std::atomic<bool> &Cancelled) {
    const SharedItems &s = H.Shared;
    const Claimant a(H.A, s, Placement::A);
    const Claimant b(H.B, s, Placement::B);
    HouseholdAssignment walk = AllToA(s);
    std::vector<Digit> digits = DigitsOf(walk, s);

    Kept best;
    Kept worst;
    std::size_t tried = 0;
    do {
        if (tried % CancelEvery == 0 && Cancelled.load(std::memory_order_relaxed))
            return std::nullopt;
        const Cents total = a.TotalTax(walk) + b.TotalTax(walk);
        const int moved = Deviations(digits);
        best.Offer(walk, total, moved, true);
        worst.Offer(walk, total, moved, false);
        ++tried;
    } while (Advance(digits));

    HouseholdSplit split{ChoiceOf(H, best.Assignment),
                         ChoiceOf(H, worst.Assignment),
                         ChoiceOf(H, AllToA(s)),
                         ChoiceOf(H, AllToB(s)),
                         std::nullopt,
                         tried};
    if (H.Now)
        split.Now = ChoiceOf(H, *H.Now);
    return split;
}

HouseholdSplit SplitHousehold(const Household &H) {
    const std::atomic<bool> never{false};
    return *SplitHousehold(H, never);
}

} // namespace current
