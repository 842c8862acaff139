#include "engine/UMakeUpManager.h"
#include "engine/UNumText.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct MakeUpCase {
    const char *Rule;
    double OnceIncome;
    double AverageWage;
    double FiveGolds;
    int32_t Years;
    const char *MonthTaxable;
    const char *MonthTax;
    double Rate;
    double Deduct;
    const char *TotalTax;
    const char *AfterTax;
};

class MakeUpCalc : public ::testing::TestWithParam<MakeUpCase> {};

TEST_P(MakeUpCalc, SpreadTaxedAsOneMonth) {
    const MakeUpCase &c = GetParam();
    const TMakeUpInfo info =
        TMakeUpManager::Calc(c.OnceIncome, c.AverageWage, c.FiveGolds, c.Years);
    EXPECT_EQ(Shown(info.MonthTaxableIncome), c.MonthTaxable) << c.Rule;
    EXPECT_EQ(Shown(info.MonthTax), c.MonthTax) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.TotalTax), c.TotalTax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
    EXPECT_EQ(info.OnceIncome, c.OnceIncome) << c.Rule;
    EXPECT_EQ(info.AverageWage, c.AverageWage) << c.Rule;
    EXPECT_EQ(info.FiveGolds, c.FiveGolds) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MakeUpCalc,
    ::testing::Values(
        MakeUpCase{"worked example: 7500 a year at 20 % less 555", 100000, 20000, 500, 5, "7500",
                   "945", 0.2, 555, "4725", "94775"},
        MakeUpCase{"exactly three times the average wage is free, contributions kept", 60000, 20000,
                   500, 5, "0", "0", 0, 0, "0", "60000"},
        MakeUpCase{"three times a wage with binary noise is still free", 0.3, 0.1, 0, 1, "0", "0",
                   0, 0, "0", "0.3"},
        // The typed 60000.01 is not exact in binary; the engine shows that noise unrounded.
        MakeUpCase{"one cent above three times is taxed at 3 %", 60000.01, 20000, 0, 1,
                   "0.0100000000020373", "0.000300000000061118", 0.03, 0, "0.000300000000061118",
                   "60000.0097"},
        MakeUpCase{"taxable 1500 a year stays at 3 %", 61500, 20000, 0, 1, "1500", "45", 0.03, 0,
                   "45", "61455"},
        MakeUpCase{"taxable 1500.01 a year moves to 10 %", 61500.01, 20000, 0, 1, "1500.01",
                   "45.0010000000002", 0.1, 105, "45.0010000000002", "61455.009"},
        MakeUpCase{"twelve years divide the excess by twelve", 156000, 20000, 500, 12, "7500",
                   "945", 0.2, 555, "11340", "144160"},
        MakeUpCase{"contributions equal to the yearly excess leave nothing to tax", 100000, 20000,
                   8000, 5, "0", "0", 0, 0, "0", "92000"},
        MakeUpCase{"contributions above the yearly excess tax nothing, never negative", 100000,
                   20000, 8200, 5, "-200", "0", 0, 0, "0", "91800"}));

TEST(MakeUpCalc, YearsOutsideOneToTwelveCountAsTheNearestEnd) {
    EXPECT_EQ(TMakeUpManager::Calc(156000, 20000, 500, 15).Years, 12);
    EXPECT_EQ(Shown(TMakeUpManager::Calc(156000, 20000, 500, 15).MonthTaxableIncome), "7500");
    EXPECT_EQ(TMakeUpManager::Calc(61500, 20000, 0, 0).Years, 1);
    EXPECT_EQ(Shown(TMakeUpManager::Calc(61500, 20000, 0, -3).MonthTax), "45");
}

TEST(MakeUpCalc, TaxFreeTestIsOnCents) {
    EXPECT_TRUE(TMakeUpManager::IsTaxFree(60000, 20000));
    EXPECT_TRUE(TMakeUpManager::IsTaxFree(59999.99, 20000));
    EXPECT_FALSE(TMakeUpManager::IsTaxFree(60000.01, 20000));
    EXPECT_TRUE(TMakeUpManager::IsTaxFree(0.3, 0.1));
}

TEST(MakeUpCalc, MonthlyTaxableIncomeIsLeftFromACentOn) {
    const auto left = [](double Once, double Golds, int32_t Years) {
        return TMakeUpManager::HasMonthTaxableIncome(
            TMakeUpManager::Calc(Once, 20000, Golds, Years));
    };
    EXPECT_TRUE(left(100000, 7999.99, 5));
    EXPECT_FALSE(left(100000, 8000, 5)) << "contributions equal to the yearly excess";
    EXPECT_FALSE(left(100000, 50000, 7)) << "contributions far above it";
    EXPECT_FALSE(left(60000, 0, 1)) << "tax free";
    EXPECT_TRUE(left(60000.01, 0, 1)) << "one cent above the free part";
}

} // namespace
