#include "engine/UNumText.h"
#include "engine/UOthersManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct ForwardCase {
    const char *Rule;
    double Income;
    const char *Tax;
    const char *AfterTax;
};

class OthersCalc : public ::testing::TestWithParam<ForwardCase> {};

TEST_P(OthersCalc, FlatTwentyPerCentOfTheWhole) {
    const ForwardCase &c = GetParam();
    const TOthersInfo info = TOthersManager::Calc(c.Income);
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.TaxableIncome, c.Income) << c.Rule;
    EXPECT_EQ(info.Rate, 0.2) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, OthersCalc,
    ::testing::Values(ForwardCase{"1000 pays 200", 1000, "200", "800"},
                      ForwardCase{"12345.67 keeps every decimal", 12345.67, "2469.134", "9876.536"},
                      ForwardCase{"one cent pays a fifth of a cent", 0.01, "0.002", "0.008"},
                      ForwardCase{"largest typed income", 9999999999, "1999999999.8",
                                  "7999999999.2"}));

struct ReverseCase {
    const char *Rule;
    double Given;
    const char *FromTax;
    const char *FromAfterTax;
};

class OthersReverse : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(OthersReverse, IncomeFromTaxAndFromAfterTax) {
    const ReverseCase &c = GetParam();
    EXPECT_EQ(Shown(TOthersManager::AntiTax(c.Given)), c.FromTax) << c.Rule;
    EXPECT_EQ(Shown(TOthersManager::AntiIncomeAfterTax(c.Given)), c.FromAfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, OthersReverse,
    ::testing::Values(ReverseCase{"tax 100 from 500, after tax 100 from 125", 100, "500", "125"},
                      ReverseCase{"800 after tax from 1000", 800, "4000", "1000"},
                      ReverseCase{"33.33 is not rounded to cents", 33.33, "166.65", "41.6625"},
                      ReverseCase{"one cent", 0.01, "0.05", "0.0125"},
                      ReverseCase{"tax 500000.05 keeps its last cent", 500000.05, "2500000.25",
                                  "625000.0625"}));

TEST(OthersReverse, ReverseThenForwardGivesBackTheAmount) {
    for (const double amount : {0.01, 33.33, 1234.56, 99999999.99}) {
        EXPECT_EQ(Shown(TOthersManager::Calc(TOthersManager::AntiTax(amount)).Tax), Shown(amount));
        EXPECT_EQ(
            Shown(TOthersManager::Calc(TOthersManager::AntiIncomeAfterTax(amount)).IncomeAfterTax),
            Shown(amount));
    }
}

} // namespace
