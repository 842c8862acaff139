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
    year.Rent = Shared.Rent;
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
    const std::pair<std::string, const std::vector<LeaseFacts> *> leases[] = {
        {"a.rent", &H.A.Rent}, {"b.rent", &H.B.Rent}, {"shared.rent", &H.Shared.Rent}};
    for (const auto &[list, rent] : leases) {
        for (std::size_t i = 0; i < rent->size(); ++i) {
            if (ReachesYear((*rent)[i], year))
                return Conflict(HouseholdFaultKind::RentAndLoan, Item(list, i), loans.front());
        }
    }
    return std::nullopt;
}

std::size_t LoanOptions(const SharedLoan &Loan) {
    return Loan.BothBeforeMarriage ? 3 : 2;
}

// One digit of the odometer that walks the assignments: a place with its number of options, the
// first of which are A, B and Half in that order.
struct Digit {
    Placement *Place;
    int Options;
    Placement Reference;
};

std::vector<Digit> DigitsOf(HouseholdAssignment &Assignment, const SharedItems &Shared) {
    const HouseholdAssignment reference = ReferenceAssignment(Shared);
    std::vector<Digit> digits;
    for (std::size_t i = 0; i < Assignment.Children.size(); ++i)
        digits.push_back({&Assignment.Children[i], 3, reference.Children[i]});
    if (Assignment.HousingLoan)
        digits.push_back({&*Assignment.HousingLoan,
                          static_cast<int>(LoanOptions(*Shared.HousingLoan)),
                          *reference.HousingLoan});
    for (std::size_t i = 0; i < Assignment.Rent.size(); ++i)
        digits.push_back({&Assignment.Rent[i], 2, reference.Rent[i]});
    for (std::size_t i = 0; i < Assignment.Illness.size(); ++i)
        digits.push_back({&Assignment.Illness[i], 2, reference.Illness[i]});
    return digits;
}

// The next assignment in the order of the items, the last item turning fastest; false after the
// last one.
bool Advance(std::vector<Digit> &Digits) {
    for (auto digit = Digits.rbegin(); digit != Digits.rend(); ++digit) {
        const int next = static_cast<int>(*digit->Place) + 1;
        if (next < digit->Options) {
            *digit->Place = static_cast<Placement>(next);
            return true;
        }
        *digit->Place = Placement::A;
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

HouseholdChoice ChoiceOf(const Household &H, const HouseholdAssignment &Assignment) {
    const CoupleFacts couple = ApplyAssignment(H, Assignment);
    HouseholdChoice choice{Assignment, ComputeYear(couple.A), ComputeYear(couple.B), 0};
    choice.Total = choice.A.Settled.Figures.TotalTax + choice.B.Settled.Figures.TotalTax;
    return choice;
}

// Children to Child, a shared loan to Loan, leases and illness to Rest.
HouseholdAssignment Filled(const SharedItems &Shared, Placement Child, Placement Loan,
                           Placement Rest) {
    HouseholdAssignment assignment;
    assignment.Children.assign(Shared.Children.size(), Child);
    if (Shared.HousingLoan)
        assignment.HousingLoan = Loan;
    assignment.Rent.assign(Shared.Rent.size(), Rest);
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
    times(Shared.HousingLoan ? LoanOptions(*Shared.HousingLoan) : 1, 1);
    times(2, Shared.Rent.size());
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
    // Each of the two claiming every shared item holds the most any assignment gives it (a list
    // at its longest); what that passes, every assignment passes.
    if (auto fault = CheckYear(ApplyAssignment(H, AllTo(H.Shared, Placement::A)).A))
        return InYear(std::move(*fault), "a");
    if (auto fault = CheckYear(ApplyAssignment(H, AllTo(H.Shared, Placement::B)).B))
        return InYear(std::move(*fault), "b");
    return std::nullopt;
}

CoupleFacts ApplyAssignment(const Household &H, const HouseholdAssignment &Assignment) {
    CoupleFacts couple{H.A, H.B};
    Place(couple.A, H.A, H.Shared, Assignment, Placement::A);
    Place(couple.B, H.B, H.Shared, Assignment, Placement::B);
    return couple;
}

HouseholdSplit SplitHousehold(const Household &H) {
    HouseholdAssignment walk = AllToA(H.Shared);
    std::vector<Digit> digits = DigitsOf(walk, H.Shared);
    CoupleFacts couple{H.A, H.B};
    const SharedItems &s = H.Shared;
    couple.A.Children.reserve(H.A.Children.size() + s.Children.size());
    couple.B.Children.reserve(H.B.Children.size() + s.Children.size());
    couple.A.Rent.reserve(H.A.Rent.size() + s.Rent.size());
    couple.B.Rent.reserve(H.B.Rent.size() + s.Rent.size());
    couple.A.Illness.reserve(H.A.Illness.size() + s.Illness.size());
    couple.B.Illness.reserve(H.B.Illness.size() + s.Illness.size());

    Kept best;
    Kept worst;
    std::size_t tried = 0;
    do {
        Place(couple.A, H.A, s, walk, Placement::A);
        Place(couple.B, H.B, s, walk, Placement::B);
        const Cents total = ComputeYear(couple.A).Settled.Figures.TotalTax +
                            ComputeYear(couple.B).Settled.Figures.TotalTax;
        const int moved = Deviations(digits);
        best.Offer(walk, total, moved, true);
        worst.Offer(walk, total, moved, false);
        ++tried;
    } while (Advance(digits));

    return {ChoiceOf(H, best.Assignment), ChoiceOf(H, worst.Assignment), ChoiceOf(H, AllToA(s)),
            tried};
}

} // namespace current
