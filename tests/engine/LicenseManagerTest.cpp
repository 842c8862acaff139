#include "engine/ULicenseManager.h"
#include "engine/UNumText.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct LicenseCase {
    const char *Rule;
    double Income;
    const char *DeductFee;
    const char *Taxable;
    const char *Tax;
    const char *AfterTax;
};

void PrintTo(const LicenseCase &c, std::ostream *os) {
    *os << c.Rule;
}

class LicenseCalc : public ::testing::TestWithParam<LicenseCase> {};

TEST_P(LicenseCalc, DeductionThenTwentyPercent) {
    const LicenseCase &c = GetParam();
    const TLicenseInfo info = TLicenseManager::Calc(c.Income);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.Rate, 0.2) << c.Rule;
    EXPECT_EQ(Shown(info.DeductFee), c.DeductFee) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LicenseCalc,
    ::testing::Values(
        LicenseCase{"payment under 800 bears no tax", 500, "800", "0", "0", "500"},
        LicenseCase{"799.99 bears no tax", 799.99, "800", "0", "0", "799.99"},
        LicenseCase{"800 bears no tax", 800, "800", "0", "0", "800"},
        LicenseCase{"3000 takes the fixed 800", 3000, "800", "2200", "440", "2560"},
        LicenseCase{"3999.99 takes the fixed 800", 3999.99, "800", "3199.99", "639.998",
                    "3359.992"},
        LicenseCase{"4000 takes the fixed 800", 4000, "800", "3200", "640", "3360"},
        LicenseCase{"4000.01 takes 20 %", 4000.01, "800.002", "3200.008", "640.0016", "3360.0084"},
        LicenseCase{"5000 takes 20 %", 5000, "1000", "4000", "800", "4200"},
        LicenseCase{"100000 has no surcharge levels", 100000, "20000", "80000", "16000", "84000"},
        LicenseCase{"negative payment bears no tax", -100, "800", "0", "0", "-100"}));

TEST(LicenseCalc, OneCentAboveEightHundredIsTaxedUnrounded) {
    const TLicenseInfo info = TLicenseManager::Calc(800.01);
    EXPECT_NEAR(info.TaxableIncome, 0.01, 1e-9);
    EXPECT_NEAR(info.Tax, 0.002, 1e-12);
    EXPECT_GT(info.Tax, 0);
}

} // namespace
