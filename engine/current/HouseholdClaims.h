#pragma once
// Who claims the shared items today, as the couple's two year files stand: each file holds the
// items its person claims, with the share claimed (a child or a halvable loan half each). The
// household split lists the shared items apart from both years; read from the two files, the
// items they already hold come out of them, and their places are the split the couple has now.

#include "engine/current/Household.h"

#include <optional>

namespace current {

struct ClaimsInYears {
    CoupleFacts Own; // the two years without the shared items they held
    // Where each shared item is claimed now: none unless every item is claimed whole (by one of
    // them, or half by each) in the way the law allows for it.
    std::optional<HouseholdAssignment> Now;
    bool Found = false; // some shared item was in one of the years
};

// A child is found by its birth date, the loan by its first repayment, a lease by its months and
// amount, an illness entry by whose it is and what was paid. ApplyAssignment's years give back
// the own years and the assignment.
ClaimsInYears TakeClaims(const YearFacts &A, const YearFacts &B, const SharedItems &Shared);

} // namespace current
