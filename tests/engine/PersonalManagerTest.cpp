#include "engine/UNumText.h"
#include "engine/UTPersonalManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct PersonalCase {
    const char *Rule;
    double Income;
    int Level;
    double Rate;
    double Deduct;
    const char *Tax;
    const char *AfterTax;
};

class PersonalCalc : public ::testing::TestWithParam<PersonalCase> {};

TEST_P(PersonalCalc, WholeAmountTaxedByItsBracket) {
    const PersonalCase &c = GetParam();
    const TPersonalInfo info = TPersonalManager::Calc(c.Income);
    EXPECT_EQ(TPersonalManager::GetLevel(info.TaxableIncome), c.Level) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, PersonalCalc,
    ::testing::Values(
        PersonalCase{"4000 at 5 %", 4000, 0, 0.05, 0, "200", "3800"},
        PersonalCase{"5000 stays at 5 %", 5000, 0, 0.05, 0, "250", "4750"},
        PersonalCase{"5000.01 moves to 10 %", 5000.01, 1, 0.1, 250, "250.001", "4750.009"},
        PersonalCase{"10000 stays at 10 %", 10000, 1, 0.1, 250, "750", "9250"},
        PersonalCase{"10000.01 moves to 20 %", 10000.01, 2, 0.2, 1250, "750.002", "9250.008"},
        PersonalCase{"30000 stays at 20 %", 30000, 2, 0.2, 1250, "4750", "25250"},
        PersonalCase{"30000.01 moves to 30 %", 30000.01, 3, 0.3, 4250, "4750.003", "25250.007"},
        PersonalCase{"50000 stays at 30 %", 50000, 3, 0.3, 4250, "10750", "39250"},
        PersonalCase{"50000.01 moves to 35 %", 50000.01, 4, 0.35, 6750, "10750.0035", "39250.0065"},
        PersonalCase{"60000 at 35 %", 60000, 4, 0.35, 6750, "14250", "45750"},
        PersonalCase{"123456.78 keeps every decimal", 123456.78, 4, 0.35, 6750, "36459.873",
                     "86996.907"},
        PersonalCase{"0 is taxed nothing at 5 %", 0, 0, 0.05, 0, "0", "0"},
        PersonalCase{"0.01 is taxed at 5 %", 0.01, 0, 0.05, 0, "0.0005", "0.0095"}));

TEST(PersonalCalc, LossIsTaxedNothingNeverNegative) {
    const TPersonalInfo info = TPersonalManager::Calc(-100);
    EXPECT_EQ(info.TaxableIncome, 0);
    EXPECT_EQ(info.Tax, 0);
    EXPECT_EQ(info.Rate, 0.05);
    EXPECT_EQ(info.Deduct, 0);
    EXPECT_EQ(info.IncomeAfterTax, -100);
}

} // namespace
