#include "engine/UNumText.h"
#include "engine/USalaryOldManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct OldCase {
    const char *Rule;
    bool IsForeign;
    double Income;
    double Golds;
    double Taxable;
    double Rate;
    int32_t Deduct;
    double Tax;
};

void PrintTo(const OldCase &c, std::ostream *os) {
    *os << c.Rule;
}

class SalaryOldCalc : public ::testing::TestWithParam<OldCase> {};

TEST_P(SalaryOldCalc, BracketAndTax) {
    const OldCase &c = GetParam();
    const TTaxInfo info = TSalaryOldManager::Calc(c.IsForeign, c.Income, c.Golds);
    EXPECT_EQ(Shown(info.TaxableIncome), Shown(c.Taxable)) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), Shown(c.Tax)) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), Shown(c.Income - c.Golds - c.Tax)) << c.Rule;
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.Golds, c.Golds) << c.Rule;
    EXPECT_EQ(info.IsForeign, c.IsForeign) << c.Rule;
    EXPECT_EQ(info.StartPoint, c.IsForeign ? 4800 : 2000) << c.Rule;
}

// Taxable income equal to a bound stays in the lower bracket; one cent more moves up.
INSTANTIATE_TEST_SUITE_P(
    Bounds, SalaryOldCalc,
    ::testing::Values(
        OldCase{"taxable 499.99 stays at 5 %", false, 2499.99, 0, 499.99, 0.05, 0, 24.9995},
        OldCase{"taxable 500 stays at 5 %", false, 2500, 0, 500, 0.05, 0, 25},
        OldCase{"taxable 500.01 moves to 10 %", false, 2500.01, 0, 500.01, 0.10, 25, 25.001},
        OldCase{"taxable 1999.99 stays at 10 %", false, 3999.99, 0, 1999.99, 0.10, 25, 174.999},
        OldCase{"taxable 2000 stays at 10 %", false, 4000, 0, 2000, 0.10, 25, 175},
        OldCase{"taxable 2000.01 moves to 15 %", false, 4000.01, 0, 2000.01, 0.15, 125, 175.0015},
        OldCase{"taxable 4999.99 stays at 15 %", false, 6999.99, 0, 4999.99, 0.15, 125, 624.9985},
        OldCase{"taxable 5000 stays at 15 %", false, 7000, 0, 5000, 0.15, 125, 625},
        OldCase{"taxable 5000.01 moves to 20 %", false, 7000.01, 0, 5000.01, 0.20, 375, 625.002},
        OldCase{"taxable 19999.99 stays at 20 %", false, 21999.99, 0, 19999.99, 0.20, 375,
                3624.998},
        OldCase{"taxable 20000 stays at 20 %", false, 22000, 0, 20000, 0.20, 375, 3625},
        OldCase{"taxable 20000.01 moves to 25 %", false, 22000.01, 0, 20000.01, 0.25, 1375,
                3625.0025},
        OldCase{"taxable 39999.99 stays at 25 %", false, 41999.99, 0, 39999.99, 0.25, 1375,
                8624.9975},
        OldCase{"taxable 40000 stays at 25 %", false, 42000, 0, 40000, 0.25, 1375, 8625},
        OldCase{"taxable 40000.01 moves to 30 %", false, 42000.01, 0, 40000.01, 0.30, 3375,
                8625.003},
        OldCase{"taxable 59999.99 stays at 30 %", false, 61999.99, 0, 59999.99, 0.30, 3375,
                14624.997},
        OldCase{"taxable 60000 stays at 30 %", false, 62000, 0, 60000, 0.30, 3375, 14625},
        OldCase{"taxable 60000.01 moves to 35 %", false, 62000.01, 0, 60000.01, 0.35, 6375,
                14625.0035},
        OldCase{"taxable 79999.99 stays at 35 %", false, 81999.99, 0, 79999.99, 0.35, 6375,
                21624.9965},
        OldCase{"taxable 80000 stays at 35 %", false, 82000, 0, 80000, 0.35, 6375, 21625},
        OldCase{"taxable 80000.01 moves to 40 %", false, 82000.01, 0, 80000.01, 0.40, 10375,
                21625.004},
        OldCase{"taxable 99999.99 stays at 40 %", false, 101999.99, 0, 99999.99, 0.40, 10375,
                29624.996},
        OldCase{"income 102000 takes 40 % with deduction 10375", false, 102000, 0, 100000, 0.40,
                10375, 29625},
        OldCase{"income 102000.01 moves to 45 % with deduction 15375", false, 102000.01, 0,
                100000.01, 0.45, 15375, 29625.0045},
        OldCase{"far above 100000 stays at 45 %", false, 1002000, 0, 1000000, 0.45, 15375, 434625},
        OldCase{"contributions are deducted first", false, 3000, 500, 500, 0.05, 0, 25},
        OldCase{"foreign start point 4800", true, 5300, 0, 500, 0.05, 0, 25},
        OldCase{"bracket decided on cents: 2500.13 less 0.13 stays at 5 %", false, 2500.13, 0.13,
                500, 0.05, 0, 25}));

struct FreeCase {
    const char *Rule;
    bool IsForeign;
    double Income;
    double Golds;
};

void PrintTo(const FreeCase &c, std::ostream *os) {
    *os << c.Rule;
}

class SalaryOldTaxFree : public ::testing::TestWithParam<FreeCase> {};

TEST_P(SalaryOldTaxFree, NothingTaxedAndStartPointStillFilled) {
    const FreeCase &c = GetParam();
    const TTaxInfo info = TSalaryOldManager::Calc(c.IsForeign, c.Income, c.Golds);
    EXPECT_EQ(info.TaxableIncome, 0) << c.Rule;
    EXPECT_EQ(info.Rate, 0) << c.Rule;
    EXPECT_EQ(info.Deduct, 0) << c.Rule;
    EXPECT_EQ(info.Tax, 0) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), Shown(c.Income - c.Golds)) << c.Rule;
    EXPECT_EQ(info.StartPoint, c.IsForeign ? 4800 : 2000) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    AtOrBelowStartPoint, SalaryOldTaxFree,
    ::testing::Values(FreeCase{"income on the start point", false, 2000, 0},
                      FreeCase{"one cent below the start point", false, 1999.99, 0},
                      FreeCase{"income 1800 with contributions 200", false, 1800, 200},
                      FreeCase{"zero decided on cents: 2000.13 less 0.13", false, 2000.13, 0.13},
                      FreeCase{"foreign on the start point", true, 4800, 0},
                      FreeCase{"foreign 4800.01 less 0.01", true, 4800.01, 0.01},
                      FreeCase{"contributions equal to income", false, 5000, 5000},
                      FreeCase{"zero income", false, 0, 0}));

TEST(SalaryOldCalc, OneCentAboveTheStartPointIsTaxedUnrounded) {
    const TTaxInfo info = TSalaryOldManager::Calc(false, 2000.01, 0);
    EXPECT_NEAR(info.TaxableIncome, 0.01, 1e-9);
    EXPECT_EQ(info.Rate, 0.05);
    EXPECT_NEAR(info.Tax, 0.0005, 1e-12);
    EXPECT_GT(info.Tax, 0);
}

TEST(SalaryOldCalc, WorkedExampleAfterTax) {
    const TTaxInfo info = TSalaryOldManager::Calc(false, 2500, 0);
    EXPECT_EQ(Shown(info.IncomeAfterTax), "2475");
    const TTaxInfo low = TSalaryOldManager::Calc(false, 1800, 200);
    EXPECT_EQ(Shown(low.IncomeAfterTax), "1600");
}

} // namespace
