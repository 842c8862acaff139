#include "engine/UNumText.h"
#include "engine/UWritingManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct WritingCase {
    const char *Rule;
    double Income;
    const char *DeductFee;
    const char *Taxable;
    const char *Tax;
    const char *AfterTax;
};

class WritingCalc : public ::testing::TestWithParam<WritingCase> {};

TEST_P(WritingCalc, DeductionAndTax) {
    const WritingCase &c = GetParam();
    const TWritingInfo info = TWritingManager::Calc(c.Income);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.Rate, 0.14) << c.Rule;
    EXPECT_EQ(Shown(info.DeductFee), c.DeductFee) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, WritingCalc,
    ::testing::Values(WritingCase{"800 leaves nothing to tax", 800, "800", "0", "0", "800"},
                      WritingCase{"500 is not taxed below zero", 500, "800", "0", "0", "500"},
                      WritingCase{"0 shows only the deduction", 0, "800", "0", "0", "0"},
                      WritingCase{"3000 takes the fixed 800", 3000, "800", "2200", "308", "2692"},
                      WritingCase{"4000 takes the fixed 800", 4000, "800", "3200", "448", "3552"},
                      WritingCase{"4000.01 takes 20 %", 4000.01, "800.002", "3200.008", "448.00112",
                                  "3552.00888"},
                      WritingCase{"5000", 5000, "1000", "4000", "560", "4440"},
                      WritingCase{"10000", 10000, "2000", "8000", "1120", "8880"}));

struct ReverseCase {
    const char *Rule;
    double Given;
    const char *Income; // "0.00" form, as the page writes it
};

class WritingAntiTax : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(WritingAntiTax, PaymentFromTax) {
    const ReverseCase &c = GetParam();
    EXPECT_EQ(NumText::FormatCents(TWritingManager::AntiTax(c.Given)), c.Income) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(Bounds, WritingAntiTax,
                         ::testing::Values(ReverseCase{"tax 0 gives 800", 0, "800.00"},
                                           ReverseCase{"tax 100 gives 1514.29", 100, "1514.29"},
                                           ReverseCase{"tax 308 gives 3000", 308, "3000.00"},
                                           ReverseCase{"tax 448 gives 4000", 448, "4000.00"},
                                           ReverseCase{"tax 448.01 takes the 20 % deduction",
                                                       448.01, "4000.09"},
                                           ReverseCase{"tax 560 gives 5000", 560, "5000.00"}));

class WritingAntiIncomeAfterTax : public ::testing::TestWithParam<ReverseCase> {};

TEST_P(WritingAntiIncomeAfterTax, PaymentFromAfterTaxIncome) {
    const ReverseCase &c = GetParam();
    const double income = TWritingManager::AntiIncomeAfterTax(c.Given);
    EXPECT_EQ(NumText::FormatCents(income), c.Income) << c.Rule;
    EXPECT_NEAR(TWritingManager::Calc(income).IncomeAfterTax, c.Given, 1e-8) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(Bounds, WritingAntiIncomeAfterTax,
                         ::testing::Values(ReverseCase{"500 is its own payment", 500, "500.00"},
                                           ReverseCase{"800 is its own payment", 800, "800.00"},
                                           ReverseCase{"2692 gives 3000", 2692, "3000.00"},
                                           ReverseCase{"3552 gives 4000", 3552, "4000.00"},
                                           ReverseCase{"3552.01 takes the 20 % deduction", 3552.01,
                                                       "4000.01"},
                                           ReverseCase{"4440 gives 5000", 4440, "5000.00"},
                                           ReverseCase{"8880 gives 10000", 8880, "10000.00"}));

} // namespace
