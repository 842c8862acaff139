#include "engine/UNumText.h"
#include "engine/URentManager.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct RentCase {
    const char *Rule;
    double Income;
    bool IsHousing;
    const char *DeductFee;
    const char *Taxable;
    double Rate;
    const char *Tax;
    const char *AfterTax;
};

class RentCalc : public ::testing::TestWithParam<RentCase> {};

TEST_P(RentCalc, DeductionRateAndTax) {
    const RentCase &c = GetParam();
    const TRentInfo info = TRentManager::Calc(c.Income, c.IsHousing);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.IsHousing, c.IsHousing) << c.Rule;
    EXPECT_EQ(Shown(info.DeductFee), c.DeductFee) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, RentCalc,
    ::testing::Values(
        RentCase{"3000 at 20 %", 3000, false, "800", "2200", 0.2, "440", "2560"},
        RentCase{"3000 as a private home at 10 %", 3000, true, "800", "2200", 0.1, "220", "2780"},
        RentCase{"4000 takes the fixed 800", 4000, false, "800", "3200", 0.2, "640", "3360"},
        RentCase{"4000.01 takes 20 %, unrounded", 4000.01, false, "800.002", "3200.008", 0.2,
                 "640.0016", "3360.0084"},
        RentCase{"10000 as a private home", 10000, true, "2000", "8000", 0.1, "800", "9200"},
        RentCase{"800 leaves nothing to tax", 800, false, "800", "0", 0.2, "0", "800"},
        RentCase{"500 is not taxed below zero", 500, false, "800", "0", 0.2, "0", "500"},
        RentCase{"0 keeps the rate", 0, false, "800", "0", 0.2, "0", "0"},
        RentCase{"a negative payment is not taxed", -100, true, "800", "0", 0.1, "0", "-100"},
        RentCase{"123456.78", 123456.78, false, "24691.356", "98765.424", 0.2, "19753.0848",
                 "103703.6952"}));

TEST(RentCalc, OneCentAbove800IsTaxed) {
    const TRentInfo info = TRentManager::Calc(800.01, false);
    EXPECT_GT(info.TaxableIncome, 0);
    EXPECT_EQ(info.Tax, info.TaxableIncome * 0.2);
}

} // namespace
