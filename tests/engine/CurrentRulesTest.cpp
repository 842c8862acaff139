#include "engine/current/Remuneration.h"
#include "engine/current/Rules.h"
#include "engine/current/Settlement.h"

#include <gtest/gtest.h>

using namespace current;

namespace {

struct YearCase {
    int Year;
    Cents Child, Infant, OnlyChild, ShareMax, Pension;
};

class RulesByYear : public testing::TestWithParam<YearCase> {};

// The amounts that changed: 2022 brought infant care and the private pension, 2023 raised
// children, infants and elderly support.
TEST_P(RulesByYear, AmountsOfTheYear) {
    const YearCase c = GetParam();
    const YearRules *rules = RulesOf(c.Year);
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->Year, c.Year);
    EXPECT_EQ(rules->ChildEducation, c.Child);
    EXPECT_EQ(rules->InfantCare, c.Infant);
    EXPECT_EQ(rules->ElderlyOnlyChild, c.OnlyChild);
    EXPECT_EQ(rules->ElderlyShareMax, c.ShareMax);
    EXPECT_EQ(rules->PensionCap, c.Pension);
    EXPECT_EQ(rules->BasicMonthly * Law::MonthsInYear, rules->BasicAnnual);
    EXPECT_EQ(rules->HealthMonthly * Law::MonthsInYear, rules->HealthAnnual);
    EXPECT_TRUE(rules->SeparateBonus);
}

INSTANTIATE_TEST_SUITE_P(
    Years, RulesByYear,
    testing::Values(YearCase{2019, Yuan(1000), 0, Yuan(2000), Yuan(1000), 0},
                    YearCase{2021, Yuan(1000), 0, Yuan(2000), Yuan(1000), 0},
                    YearCase{2022, Yuan(1000), Yuan(1000), Yuan(2000), Yuan(1000), Yuan(12000)},
                    YearCase{2023, Yuan(2000), Yuan(2000), Yuan(3000), Yuan(1500), Yuan(12000)},
                    YearCase{2027, Yuan(2000), Yuan(2000), Yuan(3000), Yuan(1500), Yuan(12000)}));

// What the settlement counts of a remuneration, and the end of the separate bonus, agree with
// the rules of every year that allows it.
TEST(Law, SharesAndDatesAgreeWithTheYears) {
    EXPECT_EQ(Law::IncomeShare, 80);
    EXPECT_EQ(Law::AuthorIncomeShare, 56);
    EXPECT_EQ(IncomeAmountOfRemuneration(Yuan(10000)), Yuan(10000) * Law::IncomeShare / 100);
    for (int year = FirstRulesYear; year <= LastRulesYear; ++year)
        EXPECT_EQ(RulesOf(year)->SeparateBonus, year <= Law::SeparateBonusUntil.Year) << year;
    EXPECT_EQ(Law::SeparateBonusUntil.Month, 12);
    EXPECT_EQ(Law::SeparateBonusUntil.Day, 31);
}

TEST(RulesOf, OnlyTheYearsTheProgramKnows) {
    EXPECT_EQ(RulesOf(FirstRulesYear - 1), nullptr);
    EXPECT_EQ(RulesOf(LastRulesYear + 1), nullptr);
    EXPECT_EQ(&LatestRules(), RulesOf(LastRulesYear));
}

} // namespace

namespace {

// A year's settlement takes that year's caps: no private pension before 2022.
TEST(RulesOf, SettlementTakesTheYearsPensionCap) {
    for (const auto &[year, counted] : {std::pair{2021, Cents{0}}, std::pair{2022, Yuan(12000)}}) {
        SettlementInput input;
        input.Wages = Yuan(200000);
        input.Pension = Yuan(15000);
        input.Year = year;
        EXPECT_EQ(Settle(input).Deductions, Yuan(60000) + counted) << year;
    }
}

} // namespace
