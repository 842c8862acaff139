#include "engine/UCompanyManager.h"
#include "engine/UNumText.h"

#include <gtest/gtest.h>

namespace {

std::string Shown(double value) {
    return NumText::FormatGeneral(value);
}

struct CompanyCase {
    const char *Rule;
    int32_t Months;
    double Income;
    double Taxable;
    double Rate;
    int32_t Deduct;
    double Tax;
    double AfterTax;
};

void PrintTo(const CompanyCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CompanyCalc : public ::testing::TestWithParam<CompanyCase> {};

TEST_P(CompanyCalc, BracketAndTax) {
    const CompanyCase &c = GetParam();
    const TCompanyInfo info = TCompanyManager::Calc(c.Months, c.Income);
    EXPECT_EQ(info.Income, c.Income) << c.Rule;
    EXPECT_EQ(info.Months, c.Months) << c.Rule;
    EXPECT_EQ(Shown(info.TaxableIncome), Shown(c.Taxable)) << c.Rule;
    EXPECT_EQ(info.Rate, c.Rate) << c.Rule;
    EXPECT_EQ(info.Deduct, c.Deduct) << c.Rule;
    EXPECT_EQ(Shown(info.Tax), Shown(c.Tax)) << c.Rule;
    EXPECT_EQ(Shown(info.IncomeAfterTax), Shown(c.AfterTax)) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CompanyCalc,
    ::testing::Values(
        CompanyCase{"taxable 4999.99 stays at 5 %", 12, 28999.99, 4999.99, 0.05, 0, 249.9995,
                    28749.9905},
        CompanyCase{"taxable 5000 stays at 5 %", 12, 29000, 5000, 0.05, 0, 250, 28750},
        CompanyCase{"taxable 5000.01 moves to 10 %", 12, 29000.01, 5000.01, 0.1, 250, 250.001,
                    28750.009},
        CompanyCase{"taxable 6000 at 10 % with deduction 250", 12, 30000, 6000, 0.1, 250, 350,
                    29650},
        CompanyCase{"taxable 9999.99 stays at 10 %", 12, 33999.99, 9999.99, 0.1, 250, 749.999,
                    33249.991},
        CompanyCase{"taxable 10000 stays at 10 %", 12, 34000, 10000, 0.1, 250, 750, 33250},
        CompanyCase{"taxable 10000.01 moves to 20 %", 6, 22000.01, 10000.01, 0.2, 1250, 750.002,
                    21250.008},
        CompanyCase{"taxable 29999.99 stays at 20 %", 12, 53999.99, 29999.99, 0.2, 1250, 4749.998,
                    49249.992},
        CompanyCase{"taxable 30000 stays at 20 %", 12, 54000, 30000, 0.2, 1250, 4750, 49250},
        CompanyCase{"36000.01 for 3 months moves to 30 %", 3, 36000.01, 30000.01, 0.3, 4250,
                    4750.003, 31250.007},
        CompanyCase{"50000 for 6 months at 30 %", 6, 50000, 38000, 0.3, 4250, 7150, 42850},
        CompanyCase{"taxable 49999.99 stays at 30 %", 12, 73999.99, 49999.99, 0.3, 4250, 10749.997,
                    63249.993},
        CompanyCase{"taxable 50000 stays at 30 %", 12, 74000, 50000, 0.3, 4250, 10750, 63250},
        CompanyCase{"taxable 50000.01 moves to 35 %", 12, 74000.01, 50000.01, 0.35, 6750,
                    10750.0035, 63250.0065},
        CompanyCase{"100000 for 12 months at 35 %", 12, 100000, 76000, 0.35, 6750, 19850, 80150},
        CompanyCase{"one month deducts 2000", 1, 7000, 5000, 0.05, 0, 250, 6750}));

TEST(CompanyCalc, OneCentAboveTheDeductionIsTaxedUnrounded) {
    const TCompanyInfo info = TCompanyManager::Calc(1, 2000.01);
    EXPECT_NEAR(info.TaxableIncome, 0.01, 1e-9);
    EXPECT_EQ(info.Rate, 0.05);
    EXPECT_NEAR(info.Tax, 0.0005, 1e-12);
    EXPECT_GT(info.Tax, 0);
}

struct FreeCase {
    const char *Rule;
    int32_t Months;
    double Income;
};

void PrintTo(const FreeCase &c, std::ostream *os) {
    *os << c.Rule;
}

class CompanyTaxFree : public ::testing::TestWithParam<FreeCase> {};

TEST_P(CompanyTaxFree, TaxableZeroAtFivePercent) {
    const FreeCase &c = GetParam();
    const TCompanyInfo info = TCompanyManager::Calc(c.Months, c.Income);
    EXPECT_EQ(info.TaxableIncome, 0) << c.Rule;
    EXPECT_EQ(info.Rate, 0.05) << c.Rule;
    EXPECT_EQ(info.Deduct, 0) << c.Rule;
    EXPECT_EQ(info.Tax, 0) << c.Rule;
    EXPECT_EQ(info.IncomeAfterTax, c.Income) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(AtOrBelowDeduction, CompanyTaxFree,
                         ::testing::Values(FreeCase{"24000 for 12 months", 12, 24000},
                                           FreeCase{"1000 for 1 month", 1, 1000},
                                           FreeCase{"1999.99 for 1 month", 1, 1999.99},
                                           FreeCase{"2000 for 1 month", 1, 2000},
                                           FreeCase{"zero income", 12, 0}));

} // namespace
