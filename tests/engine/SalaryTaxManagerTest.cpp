#include "engine/UBrackets.h"
#include "engine/UNumText.h"
#include "engine/USalaryTaxManager.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct ForwardCase {
    const char *Rule;
    bool IsForeign;
    double Income;
    double Golds;
    double Taxable;
    double Rate;
    int32_t Deduct;
    double Tax;
};

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

class SalaryCalc : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(SalaryCalc, BracketAndTax) {
    const ForwardCase &c = GetParam();
    const TTaxInfo info = TSalaryTaxManager::Calc(c.IsForeign, c.Income, c.Golds);
    EXPECT_EQ(Shown(info.TaxableIncome), Shown(c.Taxable)) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), Shown(c.Tax)) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), Shown(c.Income - c.Golds - c.Tax)) << c.Rule;
    EXPECT_EQ(info.Income, c.Income);
    EXPECT_EQ(info.Golds, c.Golds);
    EXPECT_EQ(info.IsForeign, c.IsForeign);
    EXPECT_EQ(info.StartPoint, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SalaryCalc,
    ::testing::Values(
        ForwardCase{"taxable 1500 stays at 3 %", false, 5000, 0, 1500, 0.03, 0, 45},
        ForwardCase{"taxable 1500.01 moves to 10 %", false, 5000.01, 0, 1500.01, 0.10, 105, 45.001},
        ForwardCase{"taxable 0.01 is taxed at 3 %", false, 3500.01, 0, 3500.01 - 3500, 0.03, 0,
                    (3500.01 - 3500) * 0.03},
        ForwardCase{"taxable 4500 stays at 10 %", false, 8000, 0, 4500, 0.10, 105, 345},
        ForwardCase{"taxable 4500.01 moves to 20 %", false, 8000.01, 0, 4500.01, 0.20, 555,
                    345.002},
        ForwardCase{"taxable 9000 stays at 20 %", false, 12500, 0, 9000, 0.20, 555, 1245},
        ForwardCase{"taxable 9000.01 moves to 25 %", false, 12500.01, 0, 9000.01, 0.25, 1005,
                    1245.0025},
        ForwardCase{"taxable 35000 stays at 25 %", false, 38500, 0, 35000, 0.25, 1005, 7745},
        ForwardCase{"taxable 35000.01 moves to 30 %", false, 38500.01, 0, 35000.01, 0.30, 2755,
                    7745.003},
        ForwardCase{"taxable 55000 stays at 30 %", false, 58500, 0, 55000, 0.30, 2755, 13745},
        ForwardCase{"taxable 55000.01 moves to 35 %", false, 58500.01, 0, 55000.01, 0.35, 5505,
                    13745.0035},
        ForwardCase{"taxable 80000 stays at 35 %", false, 83500, 0, 80000, 0.35, 5505, 22495},
        ForwardCase{"taxable 80000.01 moves to 45 %", false, 83500.01, 0, 80000.01, 0.45, 13505,
                    22495.0045},
        ForwardCase{"far above 80000 stays at 45 %", false, 1003500, 0, 1000000, 0.45, 13505,
                    436495},
        ForwardCase{"foreign start point 4800", true, 10000, 1000, 4200, 0.10, 105, 315},
        ForwardCase{"domestic with insurance", false, 10000, 1000, 5500, 0.20, 555, 545},
        ForwardCase{"bracket decided on cents", false, 5000.01, 0.01, 1500, 0.03, 0, 45}));

TEST(SalaryCalc, NoBracketGivesNoTaxAndReadsNoTable) {
    for (const double income : {3500.0, 2000.0, 0.0, -50.0}) {
        const TTaxInfo info = TSalaryTaxManager::Calc(false, income, 0);
        EXPECT_EQ(info.Tax, 0);
        EXPECT_EQ(info.TaxableIncome, 0);
        EXPECT_EQ(info.Rate, 0);
        EXPECT_EQ(info.Deduct, 0);
        EXPECT_EQ(info.IncomeAfterTax, income);
    }
    const TTaxInfo cents = TSalaryTaxManager::Calc(false, 3500.01, 0.01);
    EXPECT_EQ(cents.Tax, 0);
    EXPECT_EQ(cents.IncomeAfterTax, 3500);
    const TTaxInfo foreign = TSalaryTaxManager::Calc(true, 4800, 0);
    EXPECT_EQ(foreign.Tax, 0);
}

struct ReverseTaxCase {
    const char *Rule;
    double Tax;
    double Rate;
    double Taxable;
};

class SalaryAntiTax : public ::testing::TestWithParam<ReverseTaxCase> {};

TEST_P(SalaryAntiTax, BracketFromTaxAndRoundTrip) {
    const ReverseTaxCase &c = GetParam();
    const TTaxInfo info = TSalaryTaxManager::AntiTax(false, c.Tax, 100);
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), Shown(c.Taxable)) << c.Rule;
    EXPECT_EQ(Shown(info.Income), Shown(c.Taxable + 100 + 3500)) << c.Rule;
    EXPECT_EQ(info.Tax, c.Tax);
    if (c.Tax > 0) {
        const TTaxInfo forward = TSalaryTaxManager::Calc(false, info.Income, 100);
        EXPECT_NEAR(forward.Tax, c.Tax, 1e-9) << c.Rule;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SalaryAntiTax,
    ::testing::Values(ReverseTaxCase{"tax 0 gives the start point", 0, 0.03, 0},
                      ReverseTaxCase{"tax 45 stays at 3 %", 45, 0.03, 1500},
                      ReverseTaxCase{"tax 45.01 moves to 10 %", 45.01, 0.10, 1500.1},
                      ReverseTaxCase{"tax 345 stays at 10 %", 345, 0.10, 4500},
                      ReverseTaxCase{"tax 345.01 moves to 20 %", 345.01, 0.20, 4500.05},
                      ReverseTaxCase{"tax 1245 stays at 20 %", 1245, 0.20, 9000},
                      ReverseTaxCase{"tax 7745 stays at 25 %", 7745, 0.25, 35000},
                      ReverseTaxCase{"tax 13745 stays at 30 %", 13745, 0.30, 55000},
                      ReverseTaxCase{"tax 22495 stays at 35 %", 22495, 0.35, 80000},
                      ReverseTaxCase{"tax 22495.01 moves to 45 %", 22495.01, 0.45,
                                     (22495.01 + 13505) / 0.45}));

struct ReverseAfterTaxCase {
    const char *Rule;
    double AfterTax;
    double Rate;
};

class SalaryAntiIncomeAfterTax : public ::testing::TestWithParam<ReverseAfterTaxCase> {};

TEST_P(SalaryAntiIncomeAfterTax, ReproducesTheAfterTaxIncome) {
    const ReverseAfterTaxCase &c = GetParam();
    const TTaxInfo info = TSalaryTaxManager::AntiIncomeAfterTax(false, c.AfterTax, 200);
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_NEAR(info.IncomeAfterTax, c.AfterTax, 1e-9) << c.Rule;
    const TTaxInfo forward = TSalaryTaxManager::Calc(false, info.Income, 200);
    EXPECT_NEAR(forward.IncomeAfterTax, c.AfterTax, 1e-8) << c.Rule;
    EXPECT_NEAR(forward.Tax, info.Tax, 1e-8) << c.Rule;
}

// Bounds measured on taxable income minus tax: 1455, 4155, 7755, 27255, 41255, 57505, plus the
// start point 3500.
INSTANTIATE_TEST_SUITE_P(
    Bounds, SalaryAntiIncomeAfterTax,
    ::testing::Values(ReverseAfterTaxCase{"1455 stays at 3 %", 4955, 0.03},
                      ReverseAfterTaxCase{"1455.01 moves to 10 %", 4955.01, 0.10},
                      ReverseAfterTaxCase{"4155 stays at 10 %", 7655, 0.10},
                      ReverseAfterTaxCase{"4155.01 moves to 20 %", 7655.01, 0.20},
                      ReverseAfterTaxCase{"7755 stays at 20 %", 11255, 0.20},
                      ReverseAfterTaxCase{"7755.01 moves to 25 %", 11255.01, 0.25},
                      ReverseAfterTaxCase{"27255 stays at 25 %", 30755, 0.25},
                      ReverseAfterTaxCase{"27255.01 moves to 30 %", 30755.01, 0.30},
                      ReverseAfterTaxCase{"41255 stays at 30 %", 44755, 0.30},
                      ReverseAfterTaxCase{"41255.01 moves to 35 %", 44755.01, 0.35},
                      ReverseAfterTaxCase{"57505 stays at 35 %", 61005, 0.35},
                      ReverseAfterTaxCase{"57505.01 moves to 45 %", 61005.01, 0.45}));

TEST(SalaryAntiIncomeAfterTax, WorkedExamples) {
    const TTaxInfo small = TSalaryTaxManager::AntiIncomeAfterTax(false, 4955, 0);
    EXPECT_EQ(Shown(small.TaxableIncome), "1500");
    EXPECT_EQ(Shown(small.Tax), "45");
    EXPECT_EQ(Shown(small.Income), "5000");

    const TTaxInfo large = TSalaryTaxManager::AntiIncomeAfterTax(false, 70000, 0);
    EXPECT_EQ(large.Rate, 0.45);
    EXPECT_EQ(Shown(large.TaxableIncome), "96354.5454545455");
    EXPECT_EQ(Shown(large.Tax), "29854.5454545455");
    EXPECT_EQ(Shown(large.Income), "99854.5454545455");
    EXPECT_EQ(Shown(large.IncomeAfterTax), "70000");
}

TEST(SalaryAntiIncomeAfterTax, AtOrBelowStartPointNothingIsTaxed) {
    for (const auto &[foreign, afterTax] :
         {std::pair{false, 3500.0}, std::pair{false, 100.0}, std::pair{true, 4800.0}}) {
        const TTaxInfo info = TSalaryTaxManager::AntiIncomeAfterTax(foreign, afterTax, 300);
        EXPECT_EQ(info.Tax, 0);
        EXPECT_EQ(info.Rate, 0);
        EXPECT_EQ(info.TaxableIncome, 0);
        EXPECT_EQ(info.Income, afterTax + 300);
        EXPECT_EQ(info.IncomeAfterTax, afterTax);
    }
}

TEST(SalaryLevels, LowerBoundLookups) {
    constexpr std::array<int32_t, 7> bounds{0, 1500, 4500, 9000, 35000, 55000, 80000};
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, -1), -1);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 0), -1);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 0.01), 0);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 1500), 0);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 1500.01), 1);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 80000), 5);
    EXPECT_EQ(TSalaryTaxManager::GetLevel(bounds, 80000.01), 6);
    EXPECT_EQ(TSalaryTaxManager::GetLevelByTax(-5), 0);
    EXPECT_EQ(TSalaryTaxManager::GetLevelByTax(22495), 5);
    EXPECT_EQ(TSalaryTaxManager::GetLevelByTax(22495.01), 6);
}

TEST(FindLevel, UpperBoundLookups) {
    constexpr std::array<int32_t, 3> bounds{1000, 5000, 10000};
    EXPECT_EQ(Brackets::FindLevel(bounds, -3), 0);
    EXPECT_EQ(Brackets::FindLevel(bounds, 0), 0);
    EXPECT_EQ(Brackets::FindLevel(bounds, 1000), 0);
    EXPECT_EQ(Brackets::FindLevel(bounds, 1000.01), 1);
    EXPECT_EQ(Brackets::FindLevel(bounds, 10000), 2);
    EXPECT_EQ(Brackets::FindLevel(bounds, 10000.01), 3);
}

} // namespace
