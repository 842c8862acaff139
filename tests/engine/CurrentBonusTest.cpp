// The annual bonus: separate against merged, the amounts just above a bound that keep less than
// the bound, and the best split of the year's pool.

#include "engine/current/Bonus.h"

#include <gtest/gtest.h>

using namespace current;

namespace {

struct CompareCase {
    const char *Rule;
    Cents Bonus;
    Cents OtherTaxable;
    const char *SeparateTotal;
    const char *MergedBonusTax;
    const char *MergedTotal;
    BetterMethod Better;
    const char *Saving;
};

void PrintTo(const CompareCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CompareMethods : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CompareMethods, TotalsAndTheBetterOne) {
    const CompareCase &c = GetParam();
    const BonusComparison r = CompareBonus(c.Bonus, c.OtherTaxable);
    EXPECT_EQ(FormatCents(r.Separate.Total), c.SeparateTotal);
    EXPECT_EQ(FormatCents(r.Merged.BonusTax), c.MergedBonusTax);
    EXPECT_EQ(FormatCents(r.Merged.Total), c.MergedTotal);
    EXPECT_EQ(r.Better, c.Better);
    EXPECT_EQ(FormatCents(r.Saving), c.Saving);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, CompareMethods,
    ::testing::Values(
        // 1080 + (10000 − 2520) against 136000 × 10 % − 2520.
        CompareCase{"separate keeps the bonus at 3 %", Yuan(36000), Yuan(100000), "8560.00",
                    "3600.00", "11080.00", BetterMethod::Separate, "2520.00"},
        CompareCase{"merged uses the unused deductions", Yuan(20000), -Yuan(30000), "600.00",
                    "0.00", "0.00", BetterMethod::Merged, "600.00"},
        CompareCase{"both 3 %", Yuan(30000), 0, "900.00", "900.00", "900.00", BetterMethod::Equal,
                    "0.00"}));

TEST(CompareBonus, SeparateBracketOfATwelfth) {
    const BonusComparison r = CompareBonus(Yuan(144000) + 1, 0);
    EXPECT_EQ(r.Separate.Rate, 20);
    EXPECT_EQ(FormatCents(r.Separate.QuickDeduction), "1410.00");
    EXPECT_EQ(FormatCents(r.Separate.BonusTax), "27390.00");
    EXPECT_EQ(r.Merged.Rate, 20);
    EXPECT_EQ(FormatCents(r.Merged.Taxable), "144000.01");
}

struct CliffCase {
    Cents From;
    Cents To;
    const char *LossJustAbove; // a bonus one cent above the bound
};

class Cliffs : public ::testing::TestWithParam<CliffCase> {};

// Just above the bound the whole bonus moves to the higher rate; the loss is what the bound keeps
// (bound − tax) less what one cent more keeps.
TEST_P(Cliffs, FromTheBoundToTheFirstAmountKeepingAsMuch) {
    const CliffCase &c = GetParam();
    EXPECT_FALSE(CompareBonus(c.From, 0).Cliff) << FormatCents(c.From);
    const auto above = CompareBonus(c.From + 1, 0).Cliff;
    ASSERT_TRUE(above) << FormatCents(c.From);
    EXPECT_EQ(above->From, c.From);
    EXPECT_EQ(FormatCents(above->To), FormatCents(c.To));
    EXPECT_EQ(FormatCents(above->Loss), c.LossJustAbove);
    const auto lastInside = CompareBonus(c.To - 1, Yuan(50000)).Cliff;
    ASSERT_TRUE(lastInside) << FormatCents(c.To);
    EXPECT_EQ(lastInside->To, c.To);
    EXPECT_GT(lastInside->Loss, 0);
    EXPECT_FALSE(CompareBonus(c.To, 0).Cliff) << FormatCents(c.To);
}

INSTANTIATE_TEST_SUITE_P(Bounds, Cliffs,
                         ::testing::Values(CliffCase{Yuan(36000), Yuan(38566) + 67, "2309.99"},
                                           CliffCase{Yuan(144000), Yuan(160500), "13199.99"},
                                           CliffCase{Yuan(300000), Yuan(318333) + 33, "13749.99"},
                                           CliffCase{Yuan(420000), Yuan(447500), "19249.99"},
                                           CliffCase{Yuan(660000), Yuan(706538) + 46, "30249.99"},
                                           CliffCase{Yuan(960000), Yuan(1120000), "87999.99"}));

// Pool 300000 (other taxable 200000, bonus 100000). The candidates and their totals:
//   bonus 0:       300000 × 20 % − 16920                         = 43080
//   bonus 300000:  300000 × 20 % − 1410 (twelfth 25000)          = 58590
//   bonus 36000:   1080 + (264000 × 20 % − 16920 = 35880)          = 36960
//   bonus 144000:  14190 + (156000 × 20 % − 16920 = 14280)         = 28470
//   bonus 264000:  (264000 × 20 % − 1410 = 51390) + 1080           = 52470
//   bonus 156000:  (156000 × 20 % − 1410 = 29790) + 11880          = 41670
// Separate as paid: 100000 × 10 % − 210 = 9790 plus 200000 × 20 % − 16920 = 23080, 32870.
TEST(BestSplit, WorkedByHand) {
    const BonusComparison r = CompareBonus(Yuan(100000), Yuan(200000));
    EXPECT_EQ(FormatCents(r.Separate.Total), "32870.00");
    EXPECT_EQ(FormatCents(r.Merged.Total), "43080.00");
    EXPECT_EQ(FormatCents(r.BestSplit.Bonus), "144000.00");
    EXPECT_EQ(FormatCents(r.BestSplit.WageTaxable), "156000.00");
    EXPECT_EQ(FormatCents(r.BestSplit.Total), "28470.00");
    EXPECT_EQ(FormatCents(r.BestSplit.Saving), "4400.00");
}

TEST(BestSplit, TiesGoToTheSmallerBonus) {
    // Everything at 3 %: all of it as wages costs as much as all of it as bonus.
    const BonusComparison r = CompareBonus(Yuan(20000), 0);
    EXPECT_EQ(r.BestSplit.Bonus, 0);
    EXPECT_EQ(FormatCents(r.BestSplit.Total), "600.00");
    EXPECT_EQ(r.BestSplit.Saving, 0);
}

TEST(BestSplit, UnusedDeductionsShrinkThePool) {
    const BonusComparison r = CompareBonus(Yuan(50000), -Yuan(60000));
    EXPECT_EQ(r.BestSplit.Bonus, 0);
    EXPECT_EQ(r.BestSplit.WageTaxable, 0);
    EXPECT_EQ(r.BestSplit.Total, 0);
    EXPECT_EQ(FormatCents(r.BestSplit.Saving), "0.00");
    EXPECT_EQ(r.Better, BetterMethod::Merged);
}

} // namespace
