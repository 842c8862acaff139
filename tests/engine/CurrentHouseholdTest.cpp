// The household split against households worked by hand: every assignment's two settlements
// reckoned in the comments from the 2026 rules (basic 60000; a child's education 2000 a month; the
// loan 1000 a month; illness the part above 15000; the annual table 3 % to 36000, then 10 % less
// 2520, 20 % less 16920), never by calling the engine.

#include "engine/current/Household.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

using namespace current;

namespace {

using P = Placement;

// One job all year at Income a month, with Other deducted in December; no insurance.
YearFacts Earner(Cents Income, Cents DecemberOther = 0) {
    YearFacts facts;
    facts.Year = 2026;
    facts.Jobs = {{"甲", 1, 12, BasicDeduction::PerMonth, true, {{1, Yuan(Income), 0, 0, 0}}}};
    if (DecemberOther != 0)
        facts.Jobs[0].Pay.push_back({12, Yuan(Income), 0, 0, Yuan(DecemberOther)});
    return facts;
}

const SharedChild Pupil{{2018, 1, 1}, std::nullopt};        // at school all of 2026
const IllnessFacts ChildIll{IllnessOf::Child, Yuan(35000)}; // 20000 above the floor

struct Expected {
    HouseholdAssignment Assignment;
    Cents A; // yuan
    Cents B;
};

struct SplitCase {
    const char *Name;
    Household Facts;
    std::size_t Combinations;
    Expected Best;
    Expected Worst;
    Expected AllToA;
    Expected AllToB;
};

void PrintTo(const SplitCase &c, std::ostream *os) {
    *os << c.Name;
}

void ExpectChoice(const HouseholdChoice &Choice, const Expected &Want, const char *Which) {
    SCOPED_TRACE(Which);
    EXPECT_EQ(Choice.Assignment, Want.Assignment);
    EXPECT_EQ(Choice.A.Settled.Figures.TotalTax, Yuan(Want.A));
    EXPECT_EQ(Choice.B.Settled.Figures.TotalTax, Yuan(Want.B));
    EXPECT_EQ(Choice.Total, Yuan(Want.A + Want.B));
}

class Split : public testing::TestWithParam<SplitCase> {};

TEST_P(Split, LeastAndHighestOfEveryAllowedAssignment) {
    const SplitCase &c = GetParam();
    ASSERT_FALSE(CheckHousehold(c.Facts).has_value());
    EXPECT_EQ(CountAssignments(c.Facts.Shared), c.Combinations);
    const HouseholdSplit split = SplitHousehold(c.Facts);
    EXPECT_EQ(split.Combinations, c.Combinations);
    ExpectChoice(split.Best, c.Best, "best");
    ExpectChoice(split.Worst, c.Worst, "worst");
    ExpectChoice(split.AllToA, c.AllToA, "all to a");
    ExpectChoice(split.AllToB, c.AllToB, "all to b");
}

INSTANTIATE_TEST_SUITE_P(
    Households, Split,
    testing::Values(
        // a earns 6000 a month: taxable 72000 − 60000 = 12000, 360 with no deduction, 0 with
        // 12000 or more. b earns 25000: taxable 240000 → 48000 − 16920 = 31080; less the child
        // (24000) 216000 → 26280; less its half (12000) 228000 → 28680; less the illness (20000)
        // 220000 → 27080; less both 196000 → 22280; less half the child and the illness 208000 →
        // 24680. Child, illness: a a 0 + 31080; a b 0 + 27080; b a 0 + 26280; b b 360 + 22280 =
        // 22640, the least; half a 0 + 28680; half b 0 + 24680.
        SplitCase{"BestIsEverythingToTheHigherEarner",
                  {Earner(6000), Earner(25000), {{Pupil}, std::nullopt, {}, {ChildIll}}},
                  6,
                  {{{P::B}, std::nullopt, {}, {P::B}}, 360, 22280},
                  {{{P::A}, std::nullopt, {}, {P::A}}, 0, 31080},
                  {{{P::A}, std::nullopt, {}, {P::A}}, 0, 31080},
                  {{{P::B}, std::nullopt, {}, {P::B}}, 360, 22280}},
        // Both earn 8500: taxable 42000 → 4200 − 2520 = 1680. The whole loan (12000) leaves
        // 30000 → 900; its half (6000) 36000 → 1080. Whole to a: 900 + 1680 = 2580, to b the same;
        // half each: 1080 + 1080 = 2160. The worst two tie, each one item off the reference
        // (half): a, first in order, is the worst.
        SplitCase{"HalvedLoanKeepsBothInTheLowestBand",
                  {Earner(8500), Earner(8500), {{}, SharedLoan{{2020, 1}, true}, {}, {}}},
                  3,
                  {{{}, P::Half, {}, {}}, 1080, 1080},
                  {{{}, P::A, {}, {}}, 900, 1680},
                  {{{}, P::A, {}, {}}, 900, 1680},
                  {{{}, P::B, {}, {}}, 1680, 900}},
        // a earns 8000: taxable 36000 → 1080; less one illness (20000) 16000 → 480; less both
        // 0. b earns 10000 less 4000 of other in December: taxable 56000 → 5600 − 2520 = 3080;
        // less one 36000 → 1080; less both 16000 → 480. a a: 0 + 3080; a b and b a: 480 + 1080 =
        // 1560; b b: 1080 + 480 = 1560. Of the three at 1560, b b moves two items off the
        // reference (both to a) and the others one; a b comes first.
        SplitCase{"TieGoesToFewestMovedThenFirstInOrder",
                  {Earner(8000), Earner(10000, 4000), {{}, std::nullopt, {}, {ChildIll, ChildIll}}},
                  4,
                  {{{}, std::nullopt, {}, {P::A, P::B}}, 480, 1080},
                  {{{}, std::nullopt, {}, {P::A, P::A}}, 0, 3080},
                  {{{}, std::nullopt, {}, {P::A, P::A}}, 0, 3080},
                  {{{}, std::nullopt, {}, {P::B, P::B}}, 1080, 480}},
        // A loan that is not halvable goes whole to one: a 900 + b 1680, or 1680 + 900; equal,
        // and a is the reference.
        SplitCase{"LoanNotHalvable",
                  {Earner(8500), Earner(8500), {{}, SharedLoan{{2020, 1}, false}, {}, {}}},
                  2,
                  {{{}, P::A, {}, {}}, 900, 1680},
                  {{{}, P::A, {}, {}}, 900, 1680},
                  {{{}, P::A, {}, {}}, 900, 1680},
                  {{{}, P::B, {}, {}}, 1680, 900}},
        // Nothing shared: one assignment, each year as it stands (a 360, b 31080).
        SplitCase{"NothingShared",
                  {Earner(6000), Earner(25000), {}},
                  1,
                  {{}, 360, 31080},
                  {{}, 360, 31080},
                  {{}, 360, 31080},
                  {{}, 360, 31080}}));

// The bench's household size: 3 × 3 × 3 × 3 children, a halvable loan 3, illness 2 × 2 × 2.
TEST(Household, CountsEveryAllowedAssignmentAndStopsPastTheLimit) {
    SharedItems shared;
    shared.Children.assign(4, Pupil);
    shared.HousingLoan = SharedLoan{{2020, 1}, true};
    shared.Illness.assign(3, ChildIll);
    EXPECT_EQ(CountAssignments(shared), 1944u);
    shared.Rent.assign(64, SharedLease{});
    EXPECT_EQ(CountAssignments(shared), MaxCombinations + 1);
}

// The chosen places written into the two years after their own entries, with their shares.
TEST(Household, ApplyingAnAssignmentAppendsEachItemToItsClaimant) {
    Household h{Earner(6000), Earner(25000), {}};
    h.A.Children = {{{2010, 5, 5}, 100, std::nullopt}};
    h.B.Illness = {{IllnessOf::Self, Yuan(20000)}};
    // Last year's lease: a couple claims the rent or the loan in a year, not both.
    const LeaseFacts lease{{2025, 1}, {2025, 12}, Yuan(1500)};
    h.Shared = {{Pupil}, SharedLoan{{2020, 1}, true}, {SharedLease{lease}}, {ChildIll}};
    const CoupleFacts couple = ApplyAssignment(h, {{P::Half}, P::Half, {P::B}, {P::A}});
    ASSERT_EQ(couple.A.Children.size(), 2u);
    EXPECT_EQ(couple.A.Children[0], h.A.Children[0]);
    EXPECT_EQ(couple.A.Children[1], (ChildFacts{Pupil.Born, 50, std::nullopt}));
    EXPECT_EQ(couple.B.Children, (std::vector<ChildFacts>{{Pupil.Born, 50, std::nullopt}}));
    EXPECT_EQ(couple.A.HousingLoan, (LoanFacts{{2020, 1}, 50}));
    EXPECT_EQ(couple.B.HousingLoan, (LoanFacts{{2020, 1}, 50}));
    EXPECT_TRUE(couple.A.Rent.empty());
    EXPECT_EQ(couple.B.Rent, std::vector<LeaseFacts>{lease});
    EXPECT_EQ(couple.A.Illness, std::vector<IllnessFacts>{ChildIll});
    EXPECT_EQ(couple.B.Illness, h.B.Illness);
    EXPECT_FALSE(CheckYear(couple.A).has_value());
    EXPECT_FALSE(CheckYear(couple.B).has_value());
    const CoupleFacts whole = ApplyAssignment(h, {{P::B}, P::A, {P::A}, {P::B}});
    EXPECT_EQ(whole.A.HousingLoan, (LoanFacts{{2020, 1}, 100}));
    EXPECT_FALSE(whole.B.HousingLoan.has_value());
    EXPECT_EQ(whole.B.Children[0].Share, 100);
}

TEST(Household, ReferenceHalvesChildrenAndAHalvableLoan) {
    SharedItems shared{{Pupil, Pupil}, SharedLoan{{2020, 1}, true}, {{}}, {ChildIll}};
    EXPECT_EQ(ReferenceAssignment(shared),
              (HouseholdAssignment{{P::Half, P::Half}, P::Half, {P::A}, {P::A}}));
    shared.HousingLoan->BothBeforeMarriage = false;
    EXPECT_EQ(ReferenceAssignment(shared).HousingLoan, P::A);
}

// A lease signed by one spouse only goes to that one, in every choice and in the count: two
// children (9 assignments) and a lease b alone signed (1) are 9; signed by both, 18.
TEST(Household, ALeaseGoesOnlyToASpouseWhoSignedIt) {
    // b earns more, so that without the signer the rent would go to b; signed by a it cannot.
    Household h{Earner(6000), Earner(25000), {{Pupil, Pupil}, std::nullopt, {}, {}}};
    h.Shared.Rent = {SharedLease{{{2026, 1}, {2026, 12}, Yuan(1500)}, Signer::A}};
    EXPECT_EQ(CountAssignments(h.Shared), 9u);
    ASSERT_FALSE(CheckHousehold(h).has_value());
    const HouseholdSplit split = SplitHousehold(h);
    EXPECT_EQ(split.Combinations, 9u);
    for (const HouseholdChoice *choice : {&split.Best, &split.Worst, &split.AllToA})
        EXPECT_EQ(choice->Assignment.Rent, std::vector<Placement>{P::A});
    EXPECT_EQ(AllToB(h.Shared).Rent, std::vector<Placement>{P::A});
    h.Shared.Rent[0].SignedBy = Signer::Both;
    EXPECT_EQ(CountAssignments(h.Shared), 18u);
    EXPECT_EQ(SplitHousehold(h).Best.Assignment.Rent, std::vector<Placement>{P::B});
    // Claimed now by one who did not sign it: refused at the item's "now".
    h.Shared.Rent[0].SignedBy = Signer::B;
    h.Now = HouseholdAssignment{{P::A, P::A}, std::nullopt, {P::A}, {}};
    const auto fault = CheckHousehold(h);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Kind, HouseholdFaultKind::NowNotAllowed);
    EXPECT_EQ(fault->Path, "shared.rent[0].now");
}

// Random households, each split as the engine splits it and by the plain way: every assignment
// the law allows placed into both whole years, both computed anew. The least and highest totals,
// the assignments kept (ties to the fewest moved off the reference, then the first) and every
// figure of the years shown are the same to the cent.
TEST(Household, SplitMatchesEveryWholeYearComputedAnew) {
    std::mt19937 random(20261209);
    const auto pick = [&random](int From, int To) {
        return std::uniform_int_distribution<int>(From, To)(random);
    };
    const auto person = [&] {
        YearFacts y = Earner(pick(3, 60) * 1000);
        y.Jobs[0].Pay[0].Insurance = Yuan(pick(0, 3) * 500);
        if (pick(0, 1))
            y.Jobs[0].Pay.push_back({pick(2, 12), Yuan(pick(3, 60) * 1000), 0, 0, 0});
        if (pick(0, 1)) {
            y.Bonus = BonusFacts{pick(1, 12), Yuan(pick(1, 80) * 1000), "甲"};
            y.BonusMethod = static_cast<BonusChoice>(pick(0, 2));
        }
        if (pick(0, 2) == 0)
            y.Payments.push_back({pick(1, 12), RemunerationKind::Labour, Yuan(pick(1, 50) * 1000)});
        if (pick(0, 2) == 0)
            y.Children.push_back({{2000 + pick(0, 10), 3, 3}, 100, std::nullopt});
        for (int i = pick(0, 2); i > 0; --i)
            y.Illness.push_back({static_cast<IllnessOf>(pick(0, 2)), Yuan(pick(0, 60) * 1000)});
        return y;
    };
    int compared = 0;
    for (int round = 0; round < 60; ++round) {
        Household h{person(), person(), {}};
        for (int i = pick(0, 3); i > 0; --i)
            h.Shared.Children.push_back(
                {{2012 + pick(0, 14), pick(1, 12), 10},
                 pick(0, 1) ? std::optional(CalendarMonth{2026, pick(1, 12)}) : std::nullopt});
        if (pick(0, 2) == 0) {
            h.Shared.HousingLoan = SharedLoan{{2010 + pick(0, 16), pick(1, 12)}, pick(0, 1) == 1};
        } else {
            const Cents amounts[] = {Yuan(800), Yuan(1100), Yuan(1500)};
            for (int i = pick(0, 3); i > 0; --i) {
                const int from = pick(1, 12);
                h.Shared.Rent.push_back(
                    {{{2026, from}, {2026, pick(from, 12)}, amounts[pick(0, 2)]},
                     static_cast<Signer>(pick(0, 2))});
            }
        }
        for (int i = pick(0, 3); i > 0; --i)
            h.Shared.Illness.push_back(
                {pick(0, 1) ? IllnessOf::Spouse : IllnessOf::Child, Yuan(pick(0, 120) * 1000)});
        if (CheckHousehold(h))
            continue;
        ++compared;

        // Every allowed assignment in the walk's order, the last item turning fastest.
        const HouseholdAssignment reference = ReferenceAssignment(h.Shared);
        std::vector<std::pair<HouseholdAssignment, Cents>> all;
        HouseholdAssignment at = AllToA(h.Shared);
        const std::size_t items =
            at.Children.size() + (at.HousingLoan ? 1 : 0) + at.Rent.size() + at.Illness.size();
        const auto slot = [&](std::size_t i) -> Placement & {
            if (i < at.Children.size())
                return at.Children[i];
            i -= at.Children.size();
            if (at.HousingLoan && i-- == 0)
                return *at.HousingLoan;
            if (i < at.Rent.size())
                return at.Rent[i];
            return at.Illness[i - at.Rent.size()];
        };
        const auto allowed = [&](std::size_t i, Placement Where) {
            if (i < at.Children.size())
                return true;
            i -= at.Children.size();
            if (at.HousingLoan && i-- == 0)
                return MayClaim(*h.Shared.HousingLoan, Where);
            if (i < at.Rent.size())
                return MayClaim(h.Shared.Rent[i], Where);
            return MayClaimIllness(Where);
        };
        std::function<void(std::size_t)> walk = [&](std::size_t i) {
            if (i == items) {
                const CoupleFacts couple = ApplyAssignment(h, at);
                all.push_back({at, ComputeYear(couple.A).Settled.Figures.TotalTax +
                                       ComputeYear(couple.B).Settled.Figures.TotalTax});
                return;
            }
            for (const Placement where : {P::A, P::B, P::Half}) {
                if (allowed(i, where)) {
                    slot(i) = where;
                    walk(i + 1);
                }
            }
        };
        walk(0);
        const auto moved = [&](const HouseholdAssignment &A) {
            int count = 0;
            for (std::size_t i = 0; i < A.Children.size(); ++i)
                count += A.Children[i] != reference.Children[i];
            count += A.HousingLoan != reference.HousingLoan;
            for (std::size_t i = 0; i < A.Rent.size(); ++i)
                count += A.Rent[i] != reference.Rent[i];
            for (std::size_t i = 0; i < A.Illness.size(); ++i)
                count += A.Illness[i] != reference.Illness[i];
            return count;
        };
        const auto kept = [&](bool Lower) {
            const auto *keep = &all.front();
            for (const auto &candidate : all) {
                const bool better =
                    Lower ? candidate.second < keep->second : candidate.second > keep->second;
                if (better || (candidate.second == keep->second &&
                               moved(candidate.first) < moved(keep->first)))
                    keep = &candidate;
            }
            return *keep;
        };
        // The split they have now: any the law allows.
        h.Now = all[static_cast<std::size_t>(round) % all.size()].first;
        const HouseholdSplit split = SplitHousehold(h);
        SCOPED_TRACE(round);
        ASSERT_EQ(split.Combinations, all.size());
        ASSERT_EQ(split.Combinations, CountAssignments(h.Shared));
        for (const auto &[choice, lower] :
             {std::pair{&split.Best, true}, std::pair{&split.Worst, false}}) {
            const auto want = kept(lower);
            EXPECT_EQ(choice->Assignment, want.first);
            EXPECT_EQ(choice->Total, want.second);
            const CoupleFacts couple = ApplyAssignment(h, want.first);
            EXPECT_EQ(choice->A.Settled.Figures.Balance,
                      ComputeYear(couple.A).Settled.Figures.Balance);
            EXPECT_EQ(choice->B.Settled.Figures.Balance,
                      ComputeYear(couple.B).Settled.Figures.Balance);
        }
        // Everything on a, everything on b and the split now: each the total of its assignment,
        // between the least and the highest.
        ASSERT_TRUE(split.Now.has_value());
        for (const auto &[choice, want] :
             {std::pair{&split.AllToA, AllToA(h.Shared)},
              std::pair{&split.AllToB, AllToB(h.Shared)}, std::pair{&*split.Now, *h.Now}}) {
            EXPECT_EQ(choice->Assignment, want);
            const auto same = std::find_if(all.begin(), all.end(),
                                           [&](const auto &Entry) { return Entry.first == want; });
            ASSERT_NE(same, all.end());
            EXPECT_EQ(choice->Total, same->second);
            EXPECT_TRUE(split.Best.Total <= choice->Total && choice->Total <= split.Worst.Total);
        }
    }
    EXPECT_GE(compared, 30) << "too few households passed the check to compare";
}

} // namespace
