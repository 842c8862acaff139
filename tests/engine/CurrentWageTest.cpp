// Cumulative withholding over the months of one employee, and a non-resident's monthly wage.

#include "engine/current/Wage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace current;

namespace {

std::vector<WageMonth> Months(int From, int To, Cents Income, Cents Insurance = 0,
                              Cents Special = 0) {
    std::vector<WageMonth> months;
    for (int m = From; m <= To; ++m)
        months.push_back({m, Income, 0, Insurance, Special, 0});
    return months;
}

std::vector<std::string> Taxes(const std::vector<WageWithholding> &Rows) {
    std::vector<std::string> taxes;
    for (const WageWithholding &row : Rows)
        taxes.push_back(FormatCents(row.Tax));
    return taxes;
}

// 20000 a month, 三险一金 2000, special deductions 3000: 10000 more taxable each month. The
// cumulative tax is 3 % up to 36000 (300 a month); in April 40000 × 10 % − 2520 = 1480 less the
// 900 withheld gives 580; from May each month adds 10000 × 10 % = 1000.
TEST(WithholdWages, AYearWorkedByHand) {
    const auto rows =
        WithholdWages(Months(1, 12, Yuan(20000), Yuan(2000), Yuan(3000)), BasicDeduction::PerMonth);
    ASSERT_EQ(rows.size(), 12u);
    EXPECT_EQ(Taxes(rows), (std::vector<std::string>{"300.00", "300.00", "300.00", "580.00",
                                                     "1000.00", "1000.00", "1000.00", "1000.00",
                                                     "1000.00", "1000.00", "1000.00", "1000.00"}));
    const WageWithholding &april = rows[3];
    EXPECT_EQ(april.Month, 4);
    EXPECT_EQ(FormatCents(april.CumulativeIncome), "80000.00");
    EXPECT_EQ(FormatCents(april.CumulativeBasic), "20000.00");
    EXPECT_EQ(FormatCents(april.CumulativeInsurance), "8000.00");
    EXPECT_EQ(FormatCents(april.CumulativeSpecial), "12000.00");
    EXPECT_EQ(FormatCents(april.CumulativeTaxable), "40000.00");
    EXPECT_EQ(april.Rate, 10);
    EXPECT_EQ(FormatCents(april.QuickDeduction), "2520.00");
    EXPECT_EQ(FormatCents(april.CumulativeTax), "1480.00");
    EXPECT_EQ(FormatCents(april.WithheldBefore), "900.00");
    EXPECT_EQ(FormatCents(april.Net), "17420.00");
    EXPECT_EQ(FormatCents(rows[11].CumulativeTax), "9480.00");
    EXPECT_EQ(FormatCents(rows[11].WithheldBefore + rows[11].Tax), "9480.00");
}

struct ModeCase {
    const char *Rule;
    BasicDeduction Mode;
    int From;
    std::vector<std::string> Basic;
    std::vector<std::string> Tax;
};

class BasicDeductionModes : public ::testing::TestWithParam<ModeCase> {};

// 12000 a month for three months, nothing else deducted.
TEST_P(BasicDeductionModes, AccumulateTheBasicDeduction) {
    const ModeCase &c = GetParam();
    const auto rows = WithholdWages(Months(c.From, c.From + 2, Yuan(12000)), c.Mode);
    std::vector<std::string> basic;
    for (const WageWithholding &row : rows)
        basic.push_back(FormatCents(row.CumulativeBasic));
    EXPECT_EQ(basic, c.Basic) << c.Rule;
    EXPECT_EQ(Taxes(rows), c.Tax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BasicDeductionModes,
    ::testing::Values(ModeCase{"按月: 5000 for each month paid, from April",
                               BasicDeduction::PerMonth,
                               4,
                               {"5000.00", "10000.00", "15000.00"},
                               {"210.00", "210.00", "210.00"}},
                      ModeCase{"自1月: 5000 × the month number, so April starts with 20000",
                               BasicDeduction::FromJanuary,
                               4,
                               {"20000.00", "25000.00", "30000.00"},
                               {"0.00", "0.00", "180.00"}},
                      ModeCase{"6万: 60000 from the first month",
                               BasicDeduction::Sixty,
                               4,
                               {"60000.00", "60000.00", "60000.00"},
                               {"0.00", "0.00", "0.00"}}));

TEST(WithholdWages, SixtyTaxesOnlyTheIncomeAboveIt) {
    const auto rows = WithholdWages(Months(1, 6, Yuan(12000)), BasicDeduction::Sixty);
    EXPECT_EQ(Taxes(rows),
              (std::vector<std::string>{"0.00", "0.00", "0.00", "0.00", "0.00", "360.00"}));
}

// A month below the deductions lowers the cumulative tax; nothing is refunded, and what was
// withheld still counts when the tax grows again.
TEST(WithholdWages, NoRefundWithinTheYear) {
    const std::vector<WageMonth> months{{1, Yuan(20000), 0, 0, 0, 0},
                                        {2, 0, 0, 0, 0, 0},
                                        {3, Yuan(10000), 0, 0, 0, 0},
                                        {4, Yuan(10000), 0, 0, 0, 0}};
    const auto rows = WithholdWages(months, BasicDeduction::PerMonth);
    EXPECT_EQ(Taxes(rows), (std::vector<std::string>{"450.00", "0.00", "0.00", "150.00"}));
    EXPECT_EQ(FormatCents(rows[1].CumulativeTax), "300.00");
    EXPECT_EQ(FormatCents(rows[3].WithheldBefore), "450.00");
    EXPECT_EQ(FormatCents(rows[1].Net), "0.00");
}

TEST(WithholdWages, ExemptAndOtherDeductionsLowerTheTaxable) {
    const std::vector<WageMonth> months{{7, Yuan(10000), Yuan(1000), Yuan(500), 0, Yuan(300)}};
    const auto rows = WithholdWages(months, BasicDeduction::PerMonth);
    EXPECT_EQ(FormatCents(rows[0].CumulativeTaxable), "3200.00");
    EXPECT_EQ(FormatCents(rows[0].Tax), "96.00");
    EXPECT_EQ(FormatCents(rows[0].Net), "9404.00");
}

struct NonResidentCase {
    Cents Income;
    const char *Taxable;
    int Rate;
    const char *Tax;
};

class NonResidentWages : public ::testing::TestWithParam<NonResidentCase> {};

TEST_P(NonResidentWages, FiveThousandOffThenTheMonthlyTable) {
    const NonResidentWage w = WithholdNonResidentWage(GetParam().Income);
    EXPECT_EQ(FormatCents(w.Deduction), "5000.00");
    EXPECT_EQ(FormatCents(w.Taxable), GetParam().Taxable);
    EXPECT_EQ(w.Rate, GetParam().Rate);
    EXPECT_EQ(FormatCents(w.Tax), GetParam().Tax);
    EXPECT_EQ(w.AfterTax, w.Income - w.Tax);
}

INSTANTIATE_TEST_SUITE_P(Wages, NonResidentWages,
                         ::testing::Values(NonResidentCase{Yuan(4000), "0.00", 0, "0.00"},
                                           NonResidentCase{Yuan(8000), "3000.00", 3, "90.00"},
                                           NonResidentCase{Yuan(8000) + 1, "3000.01", 10, "90.00"},
                                           NonResidentCase{Yuan(30000), "25000.00", 20,
                                                           "3590.00"}));

} // namespace
