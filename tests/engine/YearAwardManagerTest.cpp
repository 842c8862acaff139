#include "engine/UNumText.h"
#include "engine/UYearAwardManager.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct BonusCase {
    const char *Rule;
    bool IsForeign;
    double YearAward;
    double Income;
    double Golds;
    const char *Taxable;
    const char *Average; // "0.00" form, as the page shows it
    double Rate;
    int32_t Deduct;
    const char *Tax;
    const char *AfterTax;
};

class YearAwardCalc : public ::testing::TestWithParam<BonusCase> {};

TEST_P(YearAwardCalc, BracketAndTax) {
    const BonusCase &c = GetParam();
    const TYearAwardInfo info =
        TYearAwardManager::Calc(c.IsForeign, c.YearAward, c.Income, c.Golds);
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(NumText::FormatCents(info.Average), c.Average) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
    EXPECT_EQ(info.YearAward, c.YearAward);
    EXPECT_EQ(info.Income, c.Income);
    EXPECT_EQ(info.Golds, c.Golds);
    EXPECT_EQ(info.IsForeign, c.IsForeign);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, YearAwardCalc,
    ::testing::Values(BonusCase{"average 1500 stays at 3 %", false, 18000, 5000, 0, "18000",
                                "1500.00", 0.03, 0, "540", "17460"},
                      BonusCase{"average 1500.0008 moves to 10 % with one quick deduction", false,
                                18000.01, 5000, 0, "18000.01", "1500.00", 0.10, 105, "1695.001",
                                "16305.009"},
                      BonusCase{"average 4500 stays at 10 %", false, 54000, 5000, 0, "54000",
                                "4500.00", 0.10, 105, "5295", "48705"},
                      BonusCase{"average above 4500 moves to 20 %", false, 54000.01, 5000, 0,
                                "54000.01", "4500.00", 0.20, 555, "10245.002", "43755.008"},
                      BonusCase{"average 9000 stays at 20 %", false, 108000, 5000, 0, "108000",
                                "9000.00", 0.20, 555, "21045", "86955"},
                      BonusCase{"average above 9000 moves to 25 %", false, 108000.01, 5000, 0,
                                "108000.01", "9000.00", 0.25, 1005, "25995.0025", "82005.0075"},
                      BonusCase{"average 35000 stays at 25 %", false, 420000, 5000, 0, "420000",
                                "35000.00", 0.25, 1005, "103995", "316005"},
                      BonusCase{"average above 35000 moves to 30 %", false, 420000.01, 5000, 0,
                                "420000.01", "35000.00", 0.30, 2755, "123245.003", "296755.007"},
                      BonusCase{"average 55000 stays at 30 %", false, 660000, 5000, 0, "660000",
                                "55000.00", 0.30, 2755, "195245", "464755"},
                      BonusCase{"average above 55000 moves to 35 %", false, 660000.01, 5000, 0,
                                "660000.01", "55000.00", 0.35, 5505, "225495.0035", "434505.0065"},
                      BonusCase{"average 80000 stays at 35 %", false, 960000, 5000, 0, "960000",
                                "80000.00", 0.35, 5505, "330495", "629505"},
                      BonusCase{"average above 80000 takes 45 %", false, 960000.01, 5000, 0,
                                "960000.01", "80000.00", 0.45, 13505, "418495.0045", "541505.0055"},
                      BonusCase{"average far above 80000 stays at 45 %", false, 2000000, 5000, 0,
                                "2000000", "166666.67", 0.45, 13505, "886495", "1113505"},
                      BonusCase{"wage short of 3500 by 500 reduces the bonus", false, 12000, 3000,
                                0, "11500", "958.33", 0.03, 0, "345", "11655"},
                      BonusCase{"contributions count in the shortfall", false, 12000, 4000, 1000,
                                "11500", "958.33", 0.03, 0, "345", "11655"},
                      BonusCase{"wage after contributions exactly 3500: no adjustment", false,
                                12000, 4500, 1000, "12000", "1000.00", 0.03, 0, "360", "11640"},
                      BonusCase{"contributions play no part once the wage reaches 3500", false,
                                12000, 9000, 2000, "12000", "1000.00", 0.03, 0, "360", "11640"},
                      BonusCase{"foreign: shortfall against 4800", true, 12000, 4500, 0, "11700",
                                "975.00", 0.03, 0, "351", "11649"},
                      BonusCase{"foreign: wage exactly 4800, no adjustment", true, 12000, 4800, 0,
                                "12000", "1000.00", 0.03, 0, "360", "11640"}));

struct NoBracketCase {
    const char *Rule;
    double YearAward;
    double Income;
    double Golds;
};

class YearAwardNoBracket : public ::testing::TestWithParam<NoBracketCase> {};

TEST_P(YearAwardNoBracket, NothingTaxedAndTheWholeBonusKept) {
    const NoBracketCase &c = GetParam();
    const TYearAwardInfo info = TYearAwardManager::Calc(false, c.YearAward, c.Income, c.Golds);
    EXPECT_EQ(info.TaxableIncome, 0) << c.Rule;
    EXPECT_EQ(info.Average, 0) << c.Rule;
    EXPECT_EQ(info.Rate, 0) << c.Rule;
    EXPECT_EQ(info.Deduct, 0) << c.Rule;
    EXPECT_EQ(info.Tax, 0) << c.Rule;
    EXPECT_EQ(info.IncomeAfterTax, c.YearAward) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, YearAwardNoBracket,
    ::testing::Values(NoBracketCase{"zero bonus", 0, 5000, 0},
                      NoBracketCase{"bonus equal to the unused deduction", 500, 3000, 0},
                      NoBracketCase{"bonus on the unused deduction, noise decided on cents", 500,
                                    3000.01, 0.01},
                      NoBracketCase{"bonus below the unused deduction", 100, 3000, 0},
                      NoBracketCase{"negative bonus", -50, 5000, 0},
                      NoBracketCase{"contributions above the wage", 1000, 2000, 3000}));

TEST(YearAwardCalc, OneCentLeftAfterTheShortfallIsTaxedUnrounded) {
    const TYearAwardInfo info = TYearAwardManager::Calc(false, 500.01, 3000, 0);
    EXPECT_EQ(info.Rate, 0.03);
    EXPECT_EQ(info.TaxableIncome, 500.01 - 500.0); // shown unrounded, decided on cents
    EXPECT_EQ(info.Tax, info.TaxableIncome * 0.03);
    EXPECT_GT(info.Tax, 0);
}

TEST(YearAwardCalc, ShortfallDecidedOnCents) {
    // 4096.48 - 596.48 falls a trace below 3500 in binary; on cents it is exactly 3500.
    ASSERT_LT(4096.48 - 596.48, 3500);
    const TYearAwardInfo info = TYearAwardManager::Calc(false, 12000, 4096.48, 596.48);
    EXPECT_EQ(info.TaxableIncome, 12000);
    EXPECT_EQ(info.Tax, 360);
}

TEST(YearAwardLevels, LowerBoundLookups) {
    constexpr std::array<int32_t, 7> bounds{0, 1500, 4500, 9000, 35000, 55000, 80000};
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, -0.01), -1);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 0), -1);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 0.01), 0);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 1500), 0);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 1500.01), 1);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 80000), 5);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 80000.01), 6);
    EXPECT_EQ(TYearAwardManager::GetLevel(bounds, 1e12), 6);
}

} // namespace
