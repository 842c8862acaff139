#include "engine/ULaoWuManager.h"
#include "engine/UNumText.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct LaoWuCase {
    const char *Rule;
    double Income;
    const char *DeductFee;
    const char *Taxable;
    double Rate;
    int32_t Deduct;
    const char *Tax;
    const char *AfterTax;
};

class LaoWuCalc : public ::testing::TestWithParam<LaoWuCase> {};

TEST_P(LaoWuCalc, DeductionLevelAndTax) {
    const LaoWuCase &c = GetParam();
    const TLaoWuTaxInfo info = TLaoWuManager::Calc(c.Income);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(Shown(info.DeductFee), c.DeductFee) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), c.AfterTax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LaoWuCalc,
    ::testing::Values(
        LaoWuCase{"800 is not taxed and shows no deduction", 800, "0", "0", 0, 0, "0", "800"},
        LaoWuCase{"500 is not taxed", 500, "0", "0", 0, 0, "0", "500"},
        LaoWuCase{"a negative payment is not taxed", -100, "0", "0", 0, 0, "0", "-100"},
        LaoWuCase{"3000 takes the fixed 800", 3000, "800", "2200", 0.2, 0, "440", "2560"},
        LaoWuCase{"3999 takes the fixed 800", 3999, "800", "3199", 0.2, 0, "639.8", "3359.2"},
        LaoWuCase{"3999.99 takes the fixed 800", 3999.99, "800", "3199.99", 0.2, 0, "639.998",
                  "3359.992"},
        LaoWuCase{"4000 takes 20 %, also 800", 4000, "800", "3200", 0.2, 0, "640", "3360"},
        LaoWuCase{"4000.01 takes 20 %", 4000.01, "800.002", "3200.008", 0.2, 0, "640.0016",
                  "3360.0084"},
        LaoWuCase{"5000", 5000, "1000", "4000", 0.2, 0, "800", "4200"},
        LaoWuCase{"taxable 20000 stays at level 0", 25000, "5000", "20000", 0.2, 0, "4000",
                  "21000"},
        LaoWuCase{"taxable 20000.008 moves to level 1", 25000.01, "5000.002", "20000.008", 0.3,
                  2000, "4000.0024", "21000.0076"},
        LaoWuCase{"30000", 30000, "6000", "24000", 0.3, 2000, "5200", "24800"},
        LaoWuCase{"taxable 50000 stays at level 1", 62500, "12500", "50000", 0.3, 2000, "13000",
                  "49500"},
        LaoWuCase{"taxable 50000.008 moves to level 2", 62500.01, "12500.002", "50000.008", 0.4,
                  7000, "13000.0032", "49500.0068"},
        LaoWuCase{"100000", 100000, "20000", "80000", 0.4, 7000, "25000", "75000"}));

TEST(LaoWuCalc, OneCentAbove800IsTaxed) {
    const TLaoWuTaxInfo info = TLaoWuManager::Calc(800.01);
    EXPECT_EQ(info.DeductFee, 800);
    EXPECT_EQ(info.Rate, 0.2);
    EXPECT_GT(info.Tax, 0);
    EXPECT_LT(info.Tax, 0.0021);
}

TEST(LaoWuLevels, BoundsBelongToTheLowerLevel) {
    EXPECT_EQ(TLaoWuManager::GetLevel(-5), 0);
    EXPECT_EQ(TLaoWuManager::GetLevel(20000), 0);
    EXPECT_EQ(TLaoWuManager::GetLevel(20000.01), 1);
    EXPECT_EQ(TLaoWuManager::GetLevel(50000), 1);
    EXPECT_EQ(TLaoWuManager::GetLevel(50000.01), 2);
    EXPECT_EQ(TLaoWuManager::GetLevel(1e12), 2);
}

struct AntiTaxCase {
    const char *Rule;
    double Tax;
    double Rate;
    int32_t Deduct;
    const char *Taxable;
    const char *Income;
};

class LaoWuAntiTax : public ::testing::TestWithParam<AntiTaxCase> {};

TEST_P(LaoWuAntiTax, PaymentFromTax) {
    const AntiTaxCase &c = GetParam();
    const TLaoWuTaxInfo info = TLaoWuManager::AntiTax(c.Tax);
    EXPECT_EQ(info.Tax, c.Tax) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), c.Taxable) << c.Rule;
    EXPECT_EQ(Shown(info.Income), c.Income) << c.Rule;
    EXPECT_EQ(info.DeductFee, 0) << c.Rule;
    EXPECT_EQ(info.IncomeAfterTax, 0) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LaoWuAntiTax,
    ::testing::Values(
        AntiTaxCase{"tax 0 gives 800", 0, 0.2, 0, "0", "800"},
        AntiTaxCase{"tax 440 gives 3000", 440, 0.2, 0, "2200", "3000"},
        AntiTaxCase{"tax 640 gives 4000", 640, 0.2, 0, "3200", "4000"},
        AntiTaxCase{"tax 640.01 takes the 20 % deduction", 640.01, 0.2, 0, "3200.05", "4000.0625"},
        AntiTaxCase{"tax 4000 stays at level 0", 4000, 0.2, 0, "20000", "25000"},
        AntiTaxCase{"tax 4000.01 moves to level 1", 4000.01, 0.3, 2000, "20000.0333333333",
                    "25000.0416666667"},
        AntiTaxCase{"tax 5000", 5000, 0.3, 2000, "23333.3333333333", "29166.6666666667"},
        AntiTaxCase{"tax 13000 stays at level 1", 13000, 0.3, 2000, "50000", "62500"},
        AntiTaxCase{"tax 13000.01 moves to level 2", 13000.01, 0.4, 7000, "50000.025",
                    "62500.03125"},
        AntiTaxCase{"tax 25000", 25000, 0.4, 7000, "80000", "100000"},
        AntiTaxCase{"tax 500000.05 keeps every digit", 500000.05, 0.4, 7000, "1267500.125",
                    "1584375.15625"}));

struct AntiAfterTaxCase {
    const char *Rule;
    double AfterTax;
    const char *Income;
};

class LaoWuAntiIncomeAfterTax : public ::testing::TestWithParam<AntiAfterTaxCase> {};

TEST_P(LaoWuAntiIncomeAfterTax, PaymentFromAfterTaxIncome) {
    const AntiAfterTaxCase &c = GetParam();
    const TLaoWuTaxInfo info = TLaoWuManager::AntiIncomeAfterTax(c.AfterTax);
    EXPECT_EQ(Shown(info.Income), c.Income) << c.Rule;
    EXPECT_EQ(info.Tax, 0) << c.Rule;
    EXPECT_EQ(info.IncomeAfterTax, 0) << c.Rule;
    // The payment found must give back the after-tax income.
    const TLaoWuTaxInfo forward = TLaoWuManager::Calc(info.Income);
    EXPECT_NEAR(forward.IncomeAfterTax, c.AfterTax, 1e-8) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LaoWuAntiIncomeAfterTax,
    ::testing::Values(AntiAfterTaxCase{"500 is its own payment", 500, "500"},
                      AntiAfterTaxCase{"800 is its own payment", 800, "800"},
                      AntiAfterTaxCase{"800.01 takes the fixed deduction", 800.01, "800.0125"},
                      AntiAfterTaxCase{"2560 gives 3000", 2560, "3000"},
                      AntiAfterTaxCase{"3360 gives 4000", 3360, "4000"},
                      AntiAfterTaxCase{"3360.01 takes the 20 % deduction", 3360.01,
                                       "4000.01190476191"},
                      AntiAfterTaxCase{"21000 gives 25000", 21000, "25000"},
                      AntiAfterTaxCase{"21000.01 moves to level 1", 21000.01, "25000.0131578947"},
                      AntiAfterTaxCase{"24800 gives 30000", 24800, "30000"},
                      AntiAfterTaxCase{"49500 gives 62500", 49500, "62500"},
                      AntiAfterTaxCase{"49500.01 moves to level 2", 49500.01, "62500.0147058824"},
                      AntiAfterTaxCase{"75000 gives 100000", 75000, "100000"}));

TEST(LaoWuAntiIncomeAfterTax, FillsTaxableIncomeAndIncomeOnly) {
    const TLaoWuTaxInfo info = TLaoWuManager::AntiIncomeAfterTax(24800);
    EXPECT_EQ(Shown(info.TaxableIncome), "24000");
    EXPECT_EQ(info.Rate, 0);
    EXPECT_EQ(info.Deduct, 0);
    EXPECT_EQ(info.DeductFee, 0);
    const TLaoWuTaxInfo low = TLaoWuManager::AntiIncomeAfterTax(700);
    EXPECT_EQ(low.TaxableIncome, 0);
    EXPECT_EQ(low.Income, 700);
}

} // namespace
