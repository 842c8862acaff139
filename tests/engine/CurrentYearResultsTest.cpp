// The year's results carry the facts they came from, and facts the check refuses compute
// without reaching outside a table or overflowing (the sanitizers of the test build stop a test
// that does).

#include "engine/current/Year.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace current;

namespace {

// Two jobs, a payment of each kind and a bonus paid by the second job, 2026.
YearFacts Busy() {
    YearFacts f;
    f.Year = 2026;
    f.Jobs = {{"甲", 1, 8, BasicDeduction::PerMonth, true, {{1, Yuan(20000), 0, 0, 0}}},
              {"乙", 9, 12, BasicDeduction::PerMonth, false, {{9, Yuan(9000), 0, 0, 0}}}};
    f.Payments = {{3, RemunerationKind::Labour, Yuan(3000)},
                  {5, RemunerationKind::Author, Yuan(10000)},
                  {11, RemunerationKind::Royalty, Yuan(50000)}};
    f.Bonus = BonusFacts{12, Yuan(36000), "乙"};
    return f;
}

// Each job's and payment's result beside the facts it came from, in the facts' order, each
// withheld month within the year and the bonus naming its employer.
void ExpectBesideTheirFacts(const YearFacts &Facts, const YearResult &Year) {
    ASSERT_EQ(Year.Jobs.size(), Facts.Jobs.size());
    for (std::size_t j = 0; j < Facts.Jobs.size(); ++j) {
        EXPECT_EQ(Year.Jobs[j].Facts, Facts.Jobs[j]) << "job " << j;
        for (const WageWithholding &month : Year.Jobs[j].Months)
            EXPECT_TRUE(month.Month >= 1 && month.Month <= 12) << month.Month;
    }
    ASSERT_EQ(Year.Payments.size(), Facts.Payments.size());
    for (std::size_t i = 0; i < Facts.Payments.size(); ++i)
        EXPECT_EQ(Year.Payments[i].Facts, Facts.Payments[i]) << "payment " << i;
    if (Year.Bonus) {
        EXPECT_EQ(Year.Bonus->Employer, Facts.Bonus->Employer);
    }
}

TEST(YearResults, EachResultCarriesItsFacts) {
    const YearFacts facts = Busy();
    ASSERT_FALSE(CheckYear(facts).has_value());
    const YearResult year = ComputeYear(facts);
    ExpectBesideTheirFacts(facts, year);
    // 3000 − 800 = 2200 at 20 %: 440; 10000 × 80 % × 70 % = 5600 at 20 %: 1120; royalties
    // 50000 × 80 % = 40000 at 20 %, never raised: 8000.
    EXPECT_EQ(year.Payments[0].Tax, Yuan(440));
    EXPECT_EQ(year.Payments[1].Tax, Yuan(1120));
    EXPECT_EQ(year.Payments[2].Tax, Yuan(8000));
    // The second job's months, September to December, beside its own facts.
    EXPECT_EQ(year.Jobs[1].Months.front().Month, 9);
    EXPECT_EQ(year.Jobs[1].Months.front().Income, Yuan(9000));
    ASSERT_TRUE(year.Bonus.has_value());
    EXPECT_EQ(year.Bonus->Employer, "乙");
}

struct Refused {
    const char *What;
    std::function<void(YearFacts &)> Spoil;
};

void PrintTo(const Refused &c, std::ostream *os) {
    *os << c.What;
}

class RefusedFacts : public testing::TestWithParam<Refused> {};

TEST_P(RefusedFacts, ComputeBesideTheirFactsWithoutFault) {
    YearFacts facts = Busy();
    GetParam().Spoil(facts);
    ASSERT_TRUE(CheckYear(facts).has_value());
    ExpectBesideTheirFacts(facts, ComputeYear(facts));
    facts.DaysInChina = 100; // and as a non-resident's
    ExpectBesideTheirFacts(facts, ComputeYear(facts));
}

INSTANTIATE_TEST_SUITE_P(
    Spoilt, RefusedFacts,
    testing::Values(
        Refused{"a year beyond any calendar", [](YearFacts &f) { f.Year = INT_MAX; }},
        Refused{"a year before any calendar", [](YearFacts &f) { f.Year = INT_MIN; }},
        Refused{"a job from month 0 to 14",
                [](YearFacts &f) {
                    f.Jobs[0].From = 0;
                    f.Jobs[0].To = 14;
                }},
        Refused{"a pay change in month 13",
                [](YearFacts &f) {
                    f.Jobs[0].Pay.push_back({13, Yuan(1), 0, 0, 0});
                }},
        Refused{"pay changes out of order",
                [](YearFacts &f) {
                    f.Jobs[0].Pay = {{5, Yuan(1), 0, 0, 0}, {2, Yuan(2), 0, 0, 0}};
                }},
        Refused{"a job without pay", [](YearFacts &f) { f.Jobs[0].Pay.clear(); }},
        Refused{"a payment in month 13", [](YearFacts &f) { f.Payments[0].Month = 13; }},
        Refused{"pension in months 0 and 13",
                [](YearFacts &f) {
                    f.Pension = {{0, Yuan(100)}, {13, Yuan(100)}};
                }},
        Refused{"health insurance from −5 to 20",
                [](YearFacts &f) {
                    f.HealthInsurance = {{-5, 20, Yuan(200)}};
                }},
        Refused{"a child born in the last year an int holds",
                [](YearFacts &f) {
                    f.Children = {{{INT_MAX, 12, 1}, 100, CalendarMonth{INT_MIN, 0}}};
                }},
        Refused{"a child's share of INT_MAX %",
                [](YearFacts &f) {
                    f.Children = {{{2020, 1, 1}, INT_MAX, std::nullopt}};
                }},
        Refused{"a parent born in the last year an int holds",
                [](YearFacts &f) {
                    f.Elderly = ElderlyFacts{{{INT_MAX, 13, 40}}, true, {}};
                }},
        Refused{"a loan first repaid in the first year an int holds",
                [](YearFacts &f) {
                    f.HousingLoan = LoanFacts{{INT_MIN, 1}, 100};
                }},
        Refused{"a lease from the first year an int holds to the last",
                [](YearFacts &f) {
                    f.Rent = {{{INT_MIN, 1}, {INT_MAX, 12}, Yuan(1500)}};
                }},
        Refused{"a degree course from the last year an int holds",
                [](YearFacts &f) {
                    f.DegreeStudy = {{{INT_MAX, 12}, std::nullopt}};
                }},
        Refused{"a certificate in month 13 of the last year",
                [](YearFacts &f) {
                    f.Certificates = {{INT_MAX, 13}};
                }},
        Refused{"an illness naming a child far beyond the children",
                [](YearFacts &f) {
                    f.Illness = {{IllnessOf::Child, Yuan(40000), PatientFacts{SIZE_MAX, ""}}};
                }},
        Refused{"a bonus naming no job", [](YearFacts &f) { f.Bonus->Employer = "丙"; }}));

// A non-resident's bonus is spread over six months whatever the residents' law does with the
// bonus: rules that tax it only as wages leave it as it is.
TEST(YearResults, ANonResidentsBonusWhateverTheResidentsLaw) {
    YearFacts facts = Busy();
    facts.DaysInChina = 100;
    YearRules wagesOnly = *RulesOf(2026);
    wagesOnly.SeparateBonus = false;
    const YearResult year = ComputeYear(facts, wagesOnly);
    ASSERT_TRUE(year.Bonus.has_value());
    ASSERT_TRUE(year.Bonus->NonResident.has_value());
    EXPECT_EQ(year.Bonus->Employer, "乙");
    EXPECT_EQ(year.Bonus->Job, 1u);
    // 36000 / 6 = 6000 a month, less nothing: 10 % less 210 = 390, six times 2340.
    EXPECT_EQ(year.Bonus->Due.Tax, Yuan(2340));
    EXPECT_EQ(year.Bonus->Due.Tax, ComputeYear(facts).Bonus->Due.Tax);
}

} // namespace
