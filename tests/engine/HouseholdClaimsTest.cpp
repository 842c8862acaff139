// Who claims the shared items today, read from the two years that hold them: the years the split
// writes give back the own years and the split, and years that do not claim each item exactly
// once (whole, or half each as the law allows) give no split.

#include "engine/current/HouseholdClaims.h"

#include <gtest/gtest.h>

#include <functional>

using namespace current;

namespace {

using P = Placement;

YearFacts Earner(Cents Income) {
    YearFacts facts;
    facts.Year = 2026;
    facts.Jobs = {{"甲", 1, 12, BasicDeduction::PerMonth, true, {{1, Yuan(Income), 0, 0, 0}}}};
    return facts;
}

// Two children, a halvable loan, a lease b signed and a child's illness; a has a child of its own
// and an illness entry naming that child by its place, which the shared children must not move.
Household Couple() {
    Household h;
    h.A = Earner(10000);
    h.A.Children = {{{2010, 3, 3}, 100, std::nullopt}};
    h.A.Illness = {IllnessFacts(IllnessOf::Child, Yuan(30000), PatientFacts{0, {}})};
    h.B = Earner(20000);
    h.Shared.Children = {{{2019, 4, 2}, std::nullopt}, {{2024, 8, 15}, std::nullopt}};
    h.Shared.HousingLoan = SharedLoan{{2018, 6}, true};
    h.Shared.Illness = {IllnessFacts(IllnessOf::Child, Yuan(40000))};
    return h;
}

TEST(HouseholdClaims, TheYearsASplitWritesGiveBackTheOwnYearsAndTheSplit) {
    const Household h = Couple();
    const HouseholdAssignment splits[] = {
        {{P::A, P::A}, P::A, {}, {P::A}},
        {{P::B, P::Half}, P::Half, {}, {P::B}},
        {{P::Half, P::Half}, P::B, {}, {P::A}},
    };
    for (const HouseholdAssignment &split : splits) {
        const CoupleFacts written = ApplyAssignment(h, split);
        const ClaimsInYears claims = TakeClaims(written.A, written.B, h.Shared);
        EXPECT_TRUE(claims.Found);
        ASSERT_TRUE(claims.Now);
        EXPECT_EQ(*claims.Now, split);
        EXPECT_EQ(claims.Own.A, h.A);
        EXPECT_EQ(claims.Own.B, h.B);
    }
}

TEST(HouseholdClaims, ItemsNotClaimedExactlyOnceGiveNoSplit) {
    Household h = Couple();
    h.Shared.Illness.clear();
    const CoupleFacts written = ApplyAssignment(h, {{P::Half, P::A}, P::A, {}, {}});
    const struct {
        const char *Name;
        std::function<void(CoupleFacts &)> Change;
        bool Halvable = true;
    } cases[] = {
        {"half a child on one side only", [](CoupleFacts &c) { c.B.Children.pop_back(); }},
        {"a child claimed whole by both",
         [](CoupleFacts &c) {
             c.B.Children.push_back({{2024, 8, 15}, 100, std::nullopt});
         }},
        {"the loan in neither year", [](CoupleFacts &c) { c.A.HousingLoan.reset(); }},
        {"a loan not halvable halved",
         [](CoupleFacts &c) {
             c.A.HousingLoan->Share = 50;
             c.B.HousingLoan = LoanFacts{{2018, 6}, 50};
         },
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Name);
        CoupleFacts years = written;
        c.Change(years);
        SharedItems shared = h.Shared;
        shared.HousingLoan->BothBeforeMarriage = c.Halvable;
        const ClaimsInYears claims = TakeClaims(years.A, years.B, shared);
        EXPECT_TRUE(claims.Found);
        EXPECT_FALSE(claims.Now);
    }
    // Years holding none of the items are left as they are.
    const ClaimsInYears none = TakeClaims(h.A, h.B, h.Shared);
    EXPECT_FALSE(none.Found);
    EXPECT_FALSE(none.Now);
    EXPECT_EQ(none.Own.A, h.A);
}

// A lease goes to whoever holds it, and only to one who signed it.
TEST(HouseholdClaims, ALeaseIsClaimedByTheYearHoldingIt) {
    Household h;
    h.A = Earner(10000);
    h.B = Earner(20000);
    const SharedLease lease{LeaseFacts{{2026, 1}, {2026, 12}, Yuan(1500)}, Signer::B};
    h.Shared.Rent = {lease};
    h.B.Rent = {lease};
    const ClaimsInYears byB = TakeClaims(h.A, h.B, h.Shared);
    ASSERT_TRUE(byB.Now);
    EXPECT_EQ(byB.Now->Rent, std::vector<Placement>{P::B});
    EXPECT_TRUE(byB.Own.B.Rent.empty());
    const ClaimsInYears byA = TakeClaims(h.B, h.A, h.Shared);
    EXPECT_TRUE(byA.Found);
    EXPECT_FALSE(byA.Now) << "a did not sign it";
}

} // namespace
