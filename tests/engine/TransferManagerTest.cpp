#include "engine/UNumText.h"
#include "engine/UTransferManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct TransferCase {
    const char *Rule;
    double Income;
    double Original;
    double Expense;
    const char *Taxable;
    const char *Tax;
    const char *AfterTax;
};

void PrintTo(const TransferCase &c, std::ostream *os) {
    *os << c.Rule;
}

class TransferCalc : public ::testing::TestWithParam<TransferCase> {};

TEST_P(TransferCalc, GainTaxedAtTwentyPercent) {
    const TransferCase &c = GetParam();
    const TTransferInfo info = TTransferManager::Calc(c.Income, c.Original, c.Expense);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.Original, c.Original) << c.Rule;
    EXPECT_EQ(info.Expense, c.Expense) << c.Rule;
    EXPECT_EQ(info.Rate, 0.2) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TransferCalc,
    ::testing::Values(
        TransferCase{"round gain", 500000, 300000, 20000, "180000", "36000", "464000"},
        TransferCase{"gain with cents", 200000, 150000.5, 3000.25, "46999.25", "9399.85",
                     "190600.15"},
        TransferCase{"tax not rounded to cents", 1234567.89, 1000000, 12345.67, "222222.22",
                     "44444.444", "1190123.446"},
        TransferCase{"loss is not taxed", 100000, 120000, 5000, "0", "0", "100000"},
        TransferCase{"one cent of loss is not taxed", 100000, 99999.99, 0.02, "0", "0", "100000"},
        TransferCase{"zero gain decided on cents", 1.1, 0.02, 1.08, "0", "0", "1.1"},
        TransferCase{"zero gain with large amounts", 1234567.89, 1.01, 1234566.88, "0", "0",
                     "1234567.89"},
        TransferCase{"nothing entered", 0, 0, 0, "0", "0", "0"}));

TEST(TransferCalc, OneCentOfGainIsTaxedUnrounded) {
    const TTransferInfo info = TTransferManager::Calc(100000.01, 100000, 0);
    EXPECT_NEAR(info.TaxableIncome, 0.01, 1e-9);
    EXPECT_NEAR(info.Tax, 0.002, 1e-9);
    EXPECT_GT(info.Tax, 0);
}

TEST(TransferCalc, ZeroGainLeavesNoFloatingRemainder) {
    // In binary floating point this difference of cent amounts is a small positive remainder.
    ASSERT_GT(((long double)1234567.89 - 1.01) - 1234566.88, 0.0L);
    const TTransferInfo info = TTransferManager::Calc(1234567.89, 1.01, 1234566.88);
    EXPECT_EQ(info.TaxableIncome, 0.0);
    EXPECT_EQ(info.Tax, 0.0);
    EXPECT_EQ(info.IncomeAfterTax, 1234567.89);
}

} // namespace
