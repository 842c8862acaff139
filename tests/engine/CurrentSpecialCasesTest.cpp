// The cases the law treats on their own: a student's internship pay withheld as wages, a
// non-resident's bonus for several months, the lump sum for early retirement. Every figure is
// worked by hand in the comment beside it.

#include "engine/current/Bonus.h"
#include "engine/current/Internship.h"
#include "engine/current/Severance.h"
#include "engine/current/Wage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using namespace current;

namespace {

Cents Amount(const char *Text) {
    return *ParseCents(Text);
}

struct InternCase {
    const char *Rule;
    const char *Payment;
    int First, Last;
    const char *IncomeAmount;
    std::vector<std::string> CumulativeTaxable;
    std::vector<int> Rate;
    std::vector<std::string> Tax;
};

void PrintTo(const InternCase &c, std::ostream *os) {
    *os << c.Rule;
}

class Internship : public ::testing::TestWithParam<InternCase> {};

TEST_P(Internship, WithheldAsWagesOnTheIncomeAmount) {
    const InternCase &c = GetParam();
    const std::vector<InternshipMonth> months =
        WithholdInternship(Amount(c.Payment), c.First, c.Last);
    ASSERT_EQ(months.size(), static_cast<std::size_t>(c.Last - c.First + 1));
    std::vector<std::string> taxable, tax;
    std::vector<int> rate;
    for (std::size_t i = 0; i < months.size(); ++i) {
        const WageWithholding &w = months[i].Withholding;
        const int paid = static_cast<int>(i) + 1;
        EXPECT_EQ(w.Month, c.First + static_cast<int>(i));
        EXPECT_EQ(FormatCents(months[i].IncomeAmount), c.IncomeAmount);
        EXPECT_EQ(w.Income, Amount(c.Payment));
        EXPECT_EQ(w.CumulativeIncome, months[i].IncomeAmount * paid);
        EXPECT_EQ(w.CumulativeBasic, Yuan(5000) * paid);
        EXPECT_EQ(w.Net, w.Income - w.Tax);
        taxable.push_back(FormatCents(w.CumulativeTaxable));
        rate.push_back(w.Rate);
        tax.push_back(FormatCents(w.Tax));
    }
    EXPECT_EQ(taxable, c.CumulativeTaxable);
    EXPECT_EQ(rate, c.Rate);
    EXPECT_EQ(tax, c.Tax);
}

INSTANTIATE_TEST_SUITE_P(
    Payments, Internship,
    ::testing::Values(
        // 8000 × 80 % = 6400 a month; 1400 more taxable each month at 3 %: 42 a month.
        InternCase{"8000 from July to September",
                   "8000",
                   7,
                   9,
                   "6400.00",
                   {"1400.00", "2800.00", "4200.00"},
                   {3, 3, 3},
                   {"42.00", "42.00", "42.00"}},
        // 2400 of income amount under the 5000 deducted: nothing, where one payment of labour
        // remuneration would withhold (3000 − 800) × 20 % = 440.
        InternCase{"a single payment of 3000", "3000", 6, 6, "2400.00", {"0.00"}, {0}, {"0.00"}},
        InternCase{"5000 in one month", "5000", 1, 1, "4000.00", {"0.00"}, {0}, {"0.00"}},
        InternCase{"5000 over three months",
                   "5000",
                   3,
                   5,
                   "4000.00",
                   {"0.00", "0.00", "0.00"},
                   {0, 0, 0},
                   {"0.00", "0.00", "0.00"}},
        // 6250 × 80 % = 5000, exactly the basic deduction.
        InternCase{"6250 in one month", "6250", 12, 12, "5000.00", {"0.00"}, {0}, {"0.00"}},
        InternCase{"6250 over three months",
                   "6250",
                   1,
                   3,
                   "5000.00",
                   {"0.00", "0.00", "0.00"},
                   {0, 0, 0},
                   {"0.00", "0.00", "0.00"}},
        // 6250.01 − round(1250.002) = 5000.01: a cent taxable a month, 3 % of which rounds to 0.
        InternCase{
            "a cent above 6250 in one month", "6250.01", 4, 4, "5000.01", {"0.01"}, {3}, {"0.00"}},
        InternCase{"a cent above 6250 over three months",
                   "6250.01",
                   4,
                   6,
                   "5000.01",
                   {"0.01", "0.02", "0.03"},
                   {3, 3, 3},
                   {"0.00", "0.00", "0.00"}},
        // 20000 × 80 % = 16000, 11000 taxable a month: 330 a month at 3 % until the cumulative
        // 44000 of April costs 4400 − 2520 = 1880, less the 990 withheld; May 55000: 2980 − 1880.
        InternCase{"20000 a month crosses into 10 % in April",
                   "20000",
                   1,
                   5,
                   "16000.00",
                   {"11000.00", "22000.00", "33000.00", "44000.00", "55000.00"},
                   {3, 3, 3, 10, 10},
                   {"330.00", "330.00", "330.00", "890.00", "1100.00"}}));

struct NonResidentCase {
    const char *Bonus;
    const char *Average;
    int Rate;
    const char *QuickDeduction, *MonthlyTax, *Tax, *AfterTax;
};

void PrintTo(const NonResidentCase &c, std::ostream *os) {
    *os << c.Bonus;
}

class NonResidentBonusTax : public ::testing::TestWithParam<NonResidentCase> {};

TEST_P(NonResidentBonusTax, SpreadOverSixMonths) {
    const NonResidentCase &c = GetParam();
    const NonResidentBonus b = TaxNonResidentBonus(Amount(c.Bonus));
    EXPECT_EQ(FormatCents(b.Bonus), FormatCents(Amount(c.Bonus)));
    EXPECT_EQ(FormatCents(b.Average), c.Average);
    EXPECT_EQ(b.Rate, c.Rate);
    EXPECT_EQ(FormatCents(b.QuickDeduction), c.QuickDeduction);
    EXPECT_EQ(FormatCents(b.MonthlyTax), c.MonthlyTax);
    EXPECT_EQ(FormatCents(b.Tax), c.Tax);
    EXPECT_EQ(FormatCents(b.AfterTax), c.AfterTax);
}

INSTANTIATE_TEST_SUITE_P(
    Bonuses, NonResidentBonusTax,
    ::testing::Values(
        // 10000 × 10 % − 210 = 790, × 6.
        NonResidentCase{"60000", "10000.00", 10, "210.00", "790.00", "4740.00", "55260.00"},
        NonResidentCase{"0", "0.00", 0, "0.00", "0.00", "0.00", "0.00"},
        // Every bound of the monthly table × 6: the average on the bound keeps its bracket.
        NonResidentCase{"18000", "3000.00", 3, "0.00", "90.00", "540.00", "17460.00"},
        NonResidentCase{"72000", "12000.00", 10, "210.00", "990.00", "5940.00", "66060.00"},
        NonResidentCase{"150000", "25000.00", 20, "1410.00", "3590.00", "21540.00", "128460.00"},
        NonResidentCase{"210000", "35000.00", 25, "2660.00", "6090.00", "36540.00", "173460.00"},
        NonResidentCase{"330000", "55000.00", 30, "4410.00", "12090.00", "72540.00", "257460.00"},
        NonResidentCase{"480000", "80000.00", 35, "7160.00", "20840.00", "125040.00", "354960.00"},
        // The average is rounded before its bracket is chosen: 0.02 ÷ 6 rounds away, 0.03 ÷ 6
        // = 0.005 rounds up to the next bracket (300.001 rounds to 300.00, less 210).
        NonResidentCase{"18000.02", "3000.00", 3, "0.00", "90.00", "540.00", "17460.02"},
        NonResidentCase{"18000.03", "3000.01", 10, "210.00", "90.00", "540.00", "17460.03"},
        // 100000 × 45 % − 15160 = 29840, × 6.
        NonResidentCase{"600000", "100000.00", 45, "15160.00", "29840.00", "179040.00",
                        "420960.00"}));

// Apart from the month's wage: 30000 − 5000 = 25000 × 20 % − 1410 = 3590, and 4740 on the bonus.
TEST(NonResidentBonus, ApartFromTheMonthsWage) {
    EXPECT_EQ(FormatCents(WithholdNonResidentWage(Yuan(30000)).Tax +
                          TaxNonResidentBonus(Yuan(60000)).Tax),
              "8330.00");
}

struct RetirementCase {
    const char *Amount, *Years;
    const char *PerYear, *TaxablePerYear;
    int Rate;
    const char *QuickDeduction, *TaxPerYear, *Tax, *AfterTax;
};

void PrintTo(const RetirementCase &c, std::ostream *os) {
    *os << c.Amount << " over " << c.Years;
}

class EarlyRetirementTax : public ::testing::TestWithParam<RetirementCase> {};

TEST_P(EarlyRetirementTax, SpreadOverTheYears) {
    const RetirementCase &c = GetParam();
    const EarlyRetirement e = TaxEarlyRetirement(Amount(c.Amount), *ParseYearsHundredths(c.Years));
    EXPECT_EQ(FormatCents(e.PerYear), c.PerYear);
    EXPECT_EQ(FormatCents(e.TaxablePerYear), c.TaxablePerYear);
    EXPECT_EQ(e.Rate, c.Rate);
    EXPECT_EQ(FormatCents(e.QuickDeduction), c.QuickDeduction);
    EXPECT_EQ(FormatCents(e.TaxPerYear), c.TaxPerYear);
    EXPECT_EQ(FormatCents(e.Tax), c.Tax);
    EXPECT_EQ(FormatCents(e.AfterTax), c.AfterTax);
}

INSTANTIATE_TEST_SUITE_P(
    LumpSums, EarlyRetirementTax,
    ::testing::Values(
        // 125000 − 60000 = 65000 × 10 % − 2520 = 3980, × 4.
        RetirementCase{"500000", "4", "125000.00", "65000.00", 10, "2520.00", "3980.00", "15920.00",
                       "484080.00"},
        // 40000 × 10 % − 2520 = 1480, once.
        RetirementCase{"100000", "1", "100000.00", "40000.00", 10, "2520.00", "1480.00", "1480.00",
                       "98520.00"},
        // 300000 ÷ 2.5 = 120000; 60000 × 10 % − 2520 = 3480, × 2.5.
        RetirementCase{"300000", "2.5", "120000.00", "60000.00", 10, "2520.00", "3480.00",
                       "8700.00", "291300.00"},
        // Exactly 60000 a year: nothing above the deduction.
        RetirementCase{"240000", "4", "60000.00", "0.00", 0, "0.00", "0.00", "0.00", "240000.00"},
        // 90001.50 ÷ 1.5 = 60001: 1.00 taxable, 0.03 a year, × 1.5 = 0.045 rounds to 0.05.
        RetirementCase{"90001.50", "1.5", "60001.00", "1.00", 3, "0.00", "0.03", "0.05",
                       "90001.45"},
        // 100000 ÷ 1.5 = 66666.666… rounds to 66666.67; 6666.67 × 3 % = 200.0001 → 200.00.
        RetirementCase{"100000", "1.50", "66666.67", "6666.67", 3, "0.00", "200.00", "300.00",
                       "99700.00"}));

struct YearsCase {
    const char *Text;
    std::optional<std::int64_t> Hundredths;
};

class YearsAsTyped : public ::testing::TestWithParam<YearsCase> {};

TEST_P(YearsAsTyped, ExactlyInHundredths) {
    EXPECT_EQ(ParseYearsHundredths(GetParam().Text), GetParam().Hundredths) << GetParam().Text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, YearsAsTyped,
    ::testing::Values(YearsCase{"4", 400}, YearsCase{"2.5", 250}, YearsCase{"2.50", 250},
                      YearsCase{"0.75", 75}, YearsCase{"0.01", 1}, YearsCase{" 3 ", 300},
                      YearsCase{"100", 10000}, YearsCase{"0", std::nullopt},
                      YearsCase{"0.00", std::nullopt}, YearsCase{"2.555", std::nullopt},
                      YearsCase{"-1", std::nullopt}, YearsCase{"2.", std::nullopt},
                      YearsCase{".5", std::nullopt}, YearsCase{"", std::nullopt},
                      YearsCase{"1e2", std::nullopt}, YearsCase{"2,5", std::nullopt},
                      YearsCase{"100.01", std::nullopt}, YearsCase{"99999", std::nullopt},
                      YearsCase{"1.2.3", std::nullopt}));

// 内部退养 (财税〔2018〕164号 五(三), 国税发〔1999〕58号), on the monthly table after 5000.
struct InternalRetirementCase {
    const char *Worked;
    Cents Amount;
    int Months;
    Cents Wage;
    Cents Average, Rate, Tax, WageTax, Added;
};

void PrintTo(const InternalRetirementCase &c, std::ostream *os) {
    *os << c.Worked;
}

class InternalRetirementTax : public ::testing::TestWithParam<InternalRetirementCase> {};

TEST_P(InternalRetirementTax, TheAverageFindsTheRateOfTheWholeMonth) {
    const InternalRetirementCase &c = GetParam();
    const InternalRetirement r = TaxInternalRetirement(Yuan(c.Amount), c.Months, Yuan(c.Wage));
    EXPECT_EQ(r.Average, c.Average);
    EXPECT_EQ(r.Rate, c.Rate);
    EXPECT_EQ(r.Tax, c.Tax);
    EXPECT_EQ(r.WageTax, c.WageTax);
    EXPECT_EQ(r.Added, c.Added);
    EXPECT_EQ(r.AfterTax, Yuan(c.Amount + c.Wage) - c.Tax);
}

INSTANTIATE_TEST_SUITE_P(
    Law, InternalRetirementTax,
    ::testing::Values(
        // The README's: 120000 ÷ 24 = 5000, + 6000 − 5000 = 6000 → 10 %, 210; (6000 + 120000 −
        // 5000) × 10 % − 210 = 11890; the wage alone 1000 × 3 % = 30; the lump sum adds 11860.
        InternalRetirementCase{"README", 120000, 24, 6000, Yuan(5000), 10, Yuan(11890), Yuan(30),
                               Yuan(11860)},
        // 300000 ÷ 60 = 5000, + 20000 − 5000 = 20000 → 20 %, 1410; 315000 × 20 % − 1410 = 61590;
        // the wage alone 15000 × 20 % − 1410 = 1590; adds 60000.
        InternalRetirementCase{"20 %", 300000, 60, 20000, Yuan(5000), 20, Yuan(61590), Yuan(1590),
                               Yuan(60000)},
        // 100000 ÷ 3 = 33333.33, + 10000 − 5000 = 38333.33 → 30 %, 4410; 105000 × 30 % − 4410 =
        // 27090; the wage alone 5000 × 10 % − 210 = 290; adds 26800.
        InternalRetirementCase{"a third", 100000, 3, 10000, 3333333, 30, Yuan(27090), Yuan(290),
                               Yuan(26800)},
        // 12000 ÷ 120 = 100, + 3000 − 5000 < 0: the lowest rate, 3 %, on 3000 + 12000 − 5000 =
        // 10000: 300, all of it the lump sum's.
        InternalRetirementCase{"a base below nothing", 12000, 120, 3000, Yuan(100), 3, Yuan(300), 0,
                               Yuan(300)}));

TEST(FormatYuan, WholeYuanWithoutDecimals) {
    EXPECT_EQ(FormatYuan(Yuan(5000)), "5000");
    EXPECT_EQ(FormatYuan(Yuan(60000)), "60000");
    EXPECT_EQ(FormatYuan(250), "2.50");
    EXPECT_EQ(FormatYuan(0), "0");
}

} // namespace
