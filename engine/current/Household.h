#pragma once
// The household split: a married couple's two tax years and the deductions the law lets either of
// them claim (each child, the home loan, each lease, each serious illness). Every assignment the
// law allows is tried, both years computed by the year engine for each, and the assignment whose
// two settlements cost least together is given, beside the costliest and the one that places
// everything on a.
//
// A page checks the household with CheckHousehold, calls SplitHousehold once, shows the three
// choices, and writes the chosen one into the two year files with ApplyAssignment.

#include "engine/current/Money.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace current {

// Where a shared item goes: wholly to a, wholly to b, or half to each.
enum class Placement { A, B, Half };

// A child of both; its share is what the split decides.
struct SharedChild {
    Date Born;
    std::optional<CalendarMonth> EducationEnd;
    bool operator==(const SharedChild &) const = default;
};

// The couple's home loan: one of them claims it whole, or, for two first homes bought one by each
// before the marriage, each may claim half.
struct SharedLoan {
    CalendarMonth FirstRepayment;
    bool BothBeforeMarriage = false;
    bool operator==(const SharedLoan &) const = default;
};

struct SharedItems {
    std::vector<SharedChild> Children;
    std::optional<SharedLoan> HousingLoan;
    std::vector<LeaseFacts> Rent; // a couple in one city claims each lease once
    // 子女 (a child's, claimed by either parent) or 配偶 (a spouse's, claimed by the other); the
    // entry goes into the claimant's year as it stands.
    std::vector<IllnessFacts> Illness;
    bool operator==(const SharedItems &) const = default;
};

struct Household {
    YearFacts A;
    YearFacts B;
    SharedItems Shared;
    bool operator==(const Household &) const = default;
};

// A place for each shared item, in the order of the items.
struct HouseholdAssignment {
    std::vector<Placement> Children;
    std::optional<Placement> HousingLoan; // none without a shared loan; Half only when halvable
    std::vector<Placement> Rent;          // A or B
    std::vector<Placement> Illness;       // A or B
    bool operator==(const HouseholdAssignment &) const = default;
};

struct CoupleFacts {
    YearFacts A;
    YearFacts B;
};

// One assignment with both years computed under it.
struct HouseholdChoice {
    HouseholdAssignment Assignment;
    YearResult A;
    YearResult B;
    Cents Total = 0; // A's and B's settlement total tax, the separately taxed bonus included
};

struct HouseholdSplit {
    HouseholdChoice Best;  // the least total
    HouseholdChoice Worst; // the highest
    HouseholdChoice AllToA;
    std::size_t Combinations = 0; // how many assignments were tried
};

// Enough for a family of nine children with everything else shared, and few enough that a split
// of the largest year files takes seconds, not minutes.
inline constexpr std::size_t MaxCombinations = 20000;

enum class HouseholdFaultKind {
    InYear,       // Year: a fault of a's or b's year or of the shared items as years hold them
    YearsDiffer,  // b's year is not a's
    SelfInShared, // a shared illness entry of 本人: whose self is not said
    ChildTwice,   // Other: the person's own child born the same day
    LoanTwice,    // Other: the person's own loan
    LeaseTwice,   // Other: the person's own lease sharing a month with it
    IllnessTwice, // Other: the person's own entry of the same who and amount
    RentAndLoan,  // Other: a loan in the year of this lease, claimed by the other spouse
    TooManyCombinations, // Value: MaxCombinations
};

struct HouseholdFault {
    HouseholdFaultKind Kind = HouseholdFaultKind::InYear;
    std::string Path;  // from the household's root: "a.jobs[0].pay[1].income", "shared.rent[0]"
    std::string Other; // the other place a conflict concerns, likewise, or empty
    YearFault Year;    // InYear: the year's fault with its paths from the household's root
    std::size_t Value = 0;
};

// The first fault: a's year, b's year, then the shared items in the order of their keys; none
// when SplitHousehold may run. Every assignment of a household without fault gives two years
// without fault.
std::optional<HouseholdFault> CheckHousehold(const Household &Household);

// The number of assignments the law allows, or MaxCombinations + 1 when more.
std::size_t CountAssignments(const SharedItems &Shared);

// The assignment ties are measured against: each child half, a halvable loan half, the rest to a.
HouseholdAssignment ReferenceAssignment(const SharedItems &Shared);
HouseholdAssignment AllToA(const SharedItems &Shared);

// The two years with the shared items placed: each appended to the lists of whoever claims it,
// with the share it claims.
CoupleFacts ApplyAssignment(const Household &Household, const HouseholdAssignment &Assignment);

// Every assignment tried. Ties of Best (and of Worst) go to the assignment with the fewest items
// placed otherwise than the reference, then to the first in the order that takes the items as
// listed (children, loan, leases, illness), each with its places in the order a, b, half.
// The household must pass CheckHousehold.
HouseholdSplit SplitHousehold(const Household &Household);

} // namespace current
