#pragma once
// The household split: a married couple's two tax years and the deductions the law lets either of
// them claim (each child, the home loan, each lease, each serious illness). Every assignment the
// law allows is tried, both years computed by the year engine for each, and the assignment whose
// two settlements cost least together is given, beside the costliest, the ones that place
// everything on a and everything on b, and the one the couple has now.
//
// A page checks the household with CheckHousehold, calls SplitHousehold once, shows the
// choices, and writes the chosen one into the two year files with ApplyAssignment.

#include "engine/current/Money.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <atomic>
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

// Who signed a lease. Where both spouses' main place of work is the same city only one of them
// deducts the rent, and only one who signed the lease (LeaseSignerDocument).
enum class Signer { A, B, Both };
inline constexpr const char *LeaseSignerDocument = "国发〔2018〕41号";

struct SharedLease : LeaseFacts {
    Signer SignedBy = Signer::Both;
    bool operator==(const SharedLease &) const = default;
};

struct SharedItems {
    std::vector<SharedChild> Children;
    std::optional<SharedLoan> HousingLoan;
    std::vector<SharedLease> Rent; // a couple in one city claims each lease once
    // 子女 (a child's, claimed by either parent) or 配偶 (a spouse's, claimed by the other); the
    // entry goes into the claimant's year as it stands.
    std::vector<IllnessFacts> Illness;
    bool operator==(const SharedItems &) const = default;
};

// A place for each shared item, in the order of the items.
struct HouseholdAssignment {
    std::vector<Placement> Children;
    std::optional<Placement> HousingLoan; // none without a shared loan; Half only when halvable
    std::vector<Placement> Rent;          // A or B, one who signed the lease
    std::vector<Placement> Illness;       // A or B
    bool operator==(const HouseholdAssignment &) const = default;
};

struct Household {
    YearFacts A;
    YearFacts B;
    SharedItems Shared;
    // Who claims each shared item now, when the couple said so for every item: the split they
    // have, to set the best against.
    std::optional<HouseholdAssignment> Now = {};
    bool operator==(const Household &) const = default;
};

// Whether the law lets Where claim the item: the loan halved only when halvable, a lease only by
// one who signed it and never halved, an illness entry never halved.
bool MayClaim(const SharedLoan &Loan, Placement Where);
bool MayClaim(const SharedLease &Lease, Placement Where);
bool MayClaimIllness(Placement Where);

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
    HouseholdChoice AllToB;
    std::optional<HouseholdChoice> Now = {}; // the household's Now, when it has one
    std::size_t Combinations = 0;            // how many assignments were tried
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
    NowNotAllowed,       // a "now" the law does not allow for its item (a lease to one who did
                         // not sign it, a loan halved that is not halvable)
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

// The assignment ties are measured against: each child half, a halvable loan half, the rest to a
// (a lease to b when only b signed it).
HouseholdAssignment ReferenceAssignment(const SharedItems &Shared);
// Everything to one of them, as far as the law allows: a lease the other alone signed goes to
// the other.
HouseholdAssignment AllToA(const SharedItems &Shared);
HouseholdAssignment AllToB(const SharedItems &Shared);

// Both years computed under one assignment.
HouseholdChoice ChoiceOf(const Household &Household, const HouseholdAssignment &Assignment);

// The two years with the shared items placed: each appended to the lists of whoever claims it,
// with the share it claims.
CoupleFacts ApplyAssignment(const Household &Household, const HouseholdAssignment &Assignment);

// Every assignment tried. Ties of Best (and of Worst) go to the assignment with the fewest items
// placed otherwise than the reference, then to the first in the order that takes the items as
// listed (children, loan, leases, illness), each with its places in the order a, b, half.
// The household must pass CheckHousehold.
//
// Only the deductions move between the two years: what the rest of each year settles to (its
// income, insurance, withholding, bonus) is computed once, and each assignment adds the shared
// deductions it gives to the totals, which gives the same settlement to the cent as computing
// both whole years anew.
HouseholdSplit SplitHousehold(const Household &Household);
// The same, giving up (none) once Cancelled is set: a newer request has replaced this one.
std::optional<HouseholdSplit> SplitHousehold(const Household &Household,
                                             const std::atomic<bool> &Cancelled);

} // namespace current
