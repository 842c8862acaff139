// The law year by year: a way of withholding or a deduction is taken only from the day it began,
// and every field of a year's rules has an effect on what the engines give. Each expected figure
// is worked out in the comment above it from the rules, never by calling the engine.

#include "engine/current/Bonus.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Settlement.h"
#include "engine/current/Wage.h"
#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace current;

namespace {

using Amounts = std::vector<Cents>; // in yuan

// 20000 a month with 2000 of social insurance, from First to Last.
std::vector<WageMonth> Wages(int First, int Last) {
    std::vector<WageMonth> months;
    for (int month = First; month <= Last; ++month)
        months.push_back({month, Yuan(20000), 0, Yuan(2000), 0, 0});
    return months;
}

Amounts Taxes(const std::vector<WageWithholding> &Months) {
    Amounts yuan;
    for (const WageWithholding &month : Months)
        yuan.push_back(month.Tax / 100);
    return yuan;
}

JobFacts Job(int From, BasicDeduction Mode) {
    JobFacts job;
    job.Employer = "甲";
    job.From = From;
    job.Mode = Mode;
    job.Pay = {{From, Yuan(20000), 0, Yuan(2000), 0}};
    return job;
}

YearFacts YearWith(int Year, JobFacts Job) {
    YearFacts facts;
    facts.Year = Year;
    facts.Jobs = {std::move(Job)};
    return facts;
}

struct ModeCase {
    const char *Rule;
    int Year;
    int From;
    BasicDeduction Mode;
    bool Refused;
};

// 6万 (国家税务总局公告2020年第19号) from 2021-01-01, 自1月 (2020年第13号) from 2020-07-01:
// a year file of a year before refuses them at the job's mode, with the year to quote.
TEST(LawByYear, WaysOfTheBasicDeductionOnlyFromTheYearTheyBegan) {
    for (const ModeCase &c :
         {ModeCase{"6万 in 2019", 2019, 1, BasicDeduction::Sixty, true},
          ModeCase{"6万 in 2020", 2020, 1, BasicDeduction::Sixty, true},
          ModeCase{"6万 in 2021", 2021, 1, BasicDeduction::Sixty, false},
          ModeCase{"自1月 in 2019", 2019, 5, BasicDeduction::FromJanuary, true},
          ModeCase{"自1月 in 2020", 2020, 3, BasicDeduction::FromJanuary, false},
          ModeCase{"按月 in 2019", 2019, 5, BasicDeduction::PerMonth, false}}) {
        const auto fault = CheckYear(YearWith(c.Year, Job(c.From, c.Mode)));
        ASSERT_EQ(fault.has_value(), c.Refused) << c.Rule;
        if (c.Refused) {
            EXPECT_EQ(fault->Kind, YearFaultKind::ModeNotYetLaw) << c.Rule;
            EXPECT_EQ(fault->Path, "jobs[0].mode") << c.Rule;
            EXPECT_EQ(fault->Year, c.Year) << c.Rule;
        }
    }
}

// 20000 a month less 2000 insurance. Withheld per month, as the law of 2019 and 2020 has it:
// January 20000 − 5000 − 2000 = 13000 × 3 % = 390; February 26000 × 3 % = 780, 390 more;
// March 39000 × 10 % − 2520 = 1380, 600 more. Under 6万 in 2021: 60000 + 6000 above the
// 60000 of income by March, nothing taxable.
TEST(LawByYear, SixtyWithholdsPerMonthBeforeTheLawHadIt) {
    for (int year : {2019, 2020})
        EXPECT_EQ(Taxes(WithholdWages(Wages(1, 3), BasicDeduction::Sixty, *RulesOf(year))),
                  (Amounts{390, 390, 600}))
            << year;
    EXPECT_EQ(Taxes(WithholdWages(Wages(1, 3), BasicDeduction::Sixty, *RulesOf(2021))),
              (Amounts{0, 0, 0}));
}

// A job from May. In 2019 per month: 20000 − 5000 − 2000 = 13000 × 3 % = 390 (自1月 would
// deduct 25000 and withhold nothing). In 2021 自1月 deducts 5 × 5000 = 25000 in May: 20000 −
// 25000 − 2000 < 0, nothing.
TEST(LawByYear, FromJanuaryWithholdsPerMonthBeforeTheLawHadIt) {
    const auto y2019 = WithholdWages(Wages(5, 5), BasicDeduction::FromJanuary, *RulesOf(2019));
    EXPECT_EQ(y2019[0].CumulativeBasic, Yuan(5000));
    EXPECT_EQ(Taxes(y2019), (Amounts{390}));
    const auto y2021 = WithholdWages(Wages(5, 5), BasicDeduction::FromJanuary, *RulesOf(2021));
    EXPECT_EQ(y2021[0].CumulativeBasic, Yuan(25000));
    EXPECT_EQ(Taxes(y2021), (Amounts{0}));
}

// 2020, a job from March under 自1月, 20000 a month less 2000 insurance. March to June per
// month (5000 for each month paid): cumulative taxable 13000, 26000, 39000, 52000; tax 390,
// 780, 39000 × 10 % − 2520 = 1380, 52000 × 10 % − 2520 = 2680: 390, 390, 600, 1300.
// From July 自1月: 7 × 5000 = 35000. July: 100000 − 35000 − 10000 = 55000 × 10 % − 2520 =
// 2980, 300 more (per month it would be 65000 → 3980, 1300). August: 120000 − 40000 − 12000 =
// 68000 → 4280, 1300; and so on, 13000 more taxable and 1300 more tax each month, to December:
// 200000 − 60000 − 20000 = 120000 → 9480.
TEST(LawByYear, FromJanuaryGovernsJulyToDecemberOf2020) {
    const YearResult year = ComputeYear(YearWith(2020, Job(3, BasicDeduction::FromJanuary)));
    ASSERT_EQ(year.Jobs.size(), 1u);
    EXPECT_EQ(Taxes(year.Jobs[0].Months),
              (Amounts{390, 390, 600, 1300, 300, 1300, 1300, 1300, 1300, 1300}));
    EXPECT_EQ(year.Jobs[0].Months[3].CumulativeBasic, Yuan(20000)); // June: 4 months paid
    EXPECT_EQ(year.Jobs[0].Months[4].CumulativeBasic, Yuan(35000)); // July: 7 months
    EXPECT_EQ(year.Jobs[0].Withheld, Yuan(9480));
}

// 个人养老金 began on 2022-11-25: a payment of a month wholly before is refused at its month.
TEST(LawByYear, PensionPaidBeforeTheSchemeIsRefused) {
    struct Case {
        int Year, Month;
        bool Refused;
    };
    for (const Case &c : {Case{2021, 12, true}, Case{2022, 10, true}, Case{2022, 11, false},
                          Case{2023, 1, false}}) {
        YearFacts facts = YearWith(c.Year, Job(1, BasicDeduction::PerMonth));
        facts.Pension = {{1, Yuan(100)}, {c.Month, Yuan(1000)}};
        if (c.Year == 2022)
            facts.Pension[0].Month = 12;
        const auto fault = CheckYear(facts);
        ASSERT_EQ(fault.has_value(), c.Refused) << c.Year << "-" << c.Month;
        if (c.Refused) {
            EXPECT_EQ(fault->Kind, YearFaultKind::PensionBeforeScheme);
            EXPECT_EQ(fault->Path, c.Year == 2022 ? "pension[1].month" : "pension[0].month");
        }
    }
}

// A year whose law no longer taxes the bonus on its own: 10000 a month all year and a bonus of
// 36000 in December, asked to be taxed separately. Merged it is: withheld with December's wages,
// cumulative 156000 − 60000 = 96000 × 10 % − 2520 = 7080, of which 55000 × 10 % − 2520 = 2980
// by November, so 4100 in December; the settlement the same 96000 → 7080, nothing owed. With
// the flag on (the law to 2027): the bonus alone 36000 × 3 % = 1080, the wages 60000 taxable →
// 3480.
TEST(LawByYear, WithoutTheSeparateBonusTheBonusIsMerged) {
    YearFacts facts;
    facts.Year = 2027;
    facts.Jobs = {Job(1, BasicDeduction::PerMonth)};
    facts.Jobs[0].Pay = {{1, Yuan(10000), 0, 0, 0}};
    facts.Bonus = BonusFacts{12, Yuan(36000), "甲"};
    facts.BonusMethod = BonusChoice::Separate;
    YearRules noSeparate = *RulesOf(2027);
    noSeparate.SeparateBonus = false;

    const YearResult merged = ComputeYear(facts, noSeparate);
    EXPECT_FALSE(merged.Bonus.has_value());
    EXPECT_EQ(merged.Jobs[0].Months[11].Tax, Yuan(4100));
    EXPECT_EQ(merged.Jobs[0].Withheld, Yuan(7080));
    EXPECT_EQ(merged.Settled.Method, BonusMethod::Merged);
    EXPECT_EQ(merged.Settled.Figures.TotalTax, Yuan(7080));
    EXPECT_EQ(merged.Settled.Figures.BonusTax, 0);
    EXPECT_EQ(merged.Settled.Figures.Balance, 0);

    SettlementInput asked = merged.Settled.Input;
    asked.Method = BonusMethod::Separate;
    EXPECT_EQ(Settle(asked, noSeparate).BonusTax, 0);
    const OtherMethod other = SettleOtherWay(asked, noSeparate);
    EXPECT_FALSE(other.Lower.has_value());
    EXPECT_EQ(other.Other.TotalTax, Yuan(7080));

    const YearResult separate = ComputeYear(facts);
    ASSERT_TRUE(separate.Bonus.has_value());
    EXPECT_EQ(separate.Bonus->Due.Tax, Yuan(1080));
    EXPECT_EQ(separate.Settled.Figures.TotalTax, Yuan(1080 + 3480));
}

// 38000 beside 100000 of other taxable income, the README's example. Separately 38000 ÷ 12 =
// 3166.67, 10 % − 210 = 3590, with 100000 × 10 % − 2520 = 7480 for the rest: 11070; merged
// 138000 × 10 % − 2520 = 11280, 3800 of it the bonus's. In a year without the separate method
// the merged is all there is: no saving, no cliff, no split but the whole pool on the annual
// table.
TEST(LawByYear, WithoutTheSeparateBonusTheComparisonIsMergedOnly) {
    const BonusComparison both = CompareBonus(Yuan(38000), Yuan(100000));
    EXPECT_TRUE(both.SeparateAllowed);
    EXPECT_EQ(both.Separate.Total, Yuan(11070));
    EXPECT_TRUE(both.Cliff.has_value());

    YearRules noSeparate = LatestRules();
    noSeparate.SeparateBonus = false;
    const BonusComparison merged = CompareBonus(Yuan(38000), Yuan(100000), noSeparate);
    EXPECT_FALSE(merged.SeparateAllowed);
    EXPECT_EQ(merged.Separate.Total, 0);
    EXPECT_EQ(merged.Merged.Total, Yuan(11280));
    EXPECT_EQ(merged.Merged.BonusTax, Yuan(3800));
    EXPECT_EQ(merged.Better, BetterMethod::Merged);
    EXPECT_EQ(merged.Saving, 0);
    EXPECT_FALSE(merged.Cliff.has_value());
    EXPECT_EQ(merged.BestSplit.Bonus, 0);
    EXPECT_EQ(merged.BestSplit.Total, Yuan(11280));
}

// Rules standing in for a year's are the law of that year to every engine asked without rules,
// while they stand and for that year only: the year of the test above, merged to 7080 with the
// stand-in and 1080 + 3480 without.
TEST(LawByYear, RulesStandingInForAYearAreItsLawWhileTheyStand) {
    YearFacts facts;
    facts.Year = LastRulesYear;
    facts.Jobs = {Job(1, BasicDeduction::PerMonth)};
    facts.Jobs[0].Pay = {{1, Yuan(10000), 0, 0, 0}};
    facts.Bonus = BonusFacts{12, Yuan(36000), "甲"};
    facts.BonusMethod = BonusChoice::Separate;
    YearRules noSeparate = *RulesOf(LastRulesYear);
    noSeparate.SeparateBonus = false;
    {
        const RulesStandIn law(noSeparate);
        EXPECT_FALSE(LatestRulesInUse().SeparateBonus);
        EXPECT_EQ(RulesInUse(LastRulesYear - 1), RulesOf(LastRulesYear - 1));
        const YearResult year = ComputeYear(facts);
        EXPECT_EQ(year.Settled.Method, BonusMethod::Merged);
        EXPECT_EQ(year.Settled.Figures.TotalTax, Yuan(7080));
        SettlementInput asked = year.Settled.Input;
        asked.Method = BonusMethod::Separate;
        EXPECT_EQ(Settle(asked).BonusTax, 0);
    }
    EXPECT_TRUE(LatestRulesInUse().SeparateBonus);
    EXPECT_EQ(ComputeYear(facts).Settled.Figures.TotalTax, Yuan(1080 + 3480));
}

// A non-resident's year (100 days in China) under its rules: 20000 a month less 2000 insurance
// on the monthly table after the monthly basic deduction, 13000 × 20 % − 1410 = 1190; with 4900
// deducted instead, 13100 → 1210. The bonus for several months keeps its own rule where the
// year's law merges a resident's: 60000 ÷ 6 = 10000 × 10 % − 210 = 790, × 6 = 4740.
TEST(LawByYear, ANonResidentsYearUnderItsRules) {
    YearFacts facts = YearWith(LastRulesYear, Job(1, BasicDeduction::PerMonth));
    facts.DaysInChina = 100;
    facts.Bonus = BonusFacts{12, Yuan(60000), "甲"};
    YearRules rules = *RulesOf(LastRulesYear);
    rules.SeparateBonus = false;
    const YearResult year = ComputeYear(facts, rules);
    ASSERT_TRUE(year.NonResident);
    EXPECT_EQ(year.Jobs[0].NonResidentMonths[0].Wage.Tax, Yuan(1190));
    ASSERT_TRUE(year.Bonus.has_value());
    EXPECT_EQ(year.Bonus->Due.Tax, Yuan(4740));
    rules.BasicMonthly = Yuan(4900);
    EXPECT_EQ(ComputeYear(facts, rules).Jobs[0].NonResidentMonths[0].Wage.Tax, Yuan(1210));
}

// What the engines give under Rules for a year that exercises every rule: every deduction, a
// bonus, caps that bind, 自1月 from March, 6万, a balance at the small-owed limit, an income at
// the low-income limit, and the year file's checks of the rent amounts and the elderly share.
std::vector<long long> Effects(const YearRules &Base, const YearRules &Rules) {
    const int y = Base.Year;
    YearFacts f = YearWith(y, Job(1, BasicDeduction::PerMonth));
    f.Jobs[0].Pay = {{1, Yuan(30000), 0, 0, 0}};
    f.Children = {{{y - 1, 1, 1}, 100, {}}, {{y - 10, 1, 1}, 100, {}}};
    f.Elderly = ElderlyFacts{{{1950, 1, 1}}, true, {}};
    f.HousingLoan = LoanFacts{{y - 1, 1}, 100};
    f.DegreeStudy = {{{y, 1}, std::nullopt}};
    f.Certificates = {{y, 6}};
    f.Pension = {{12, Yuan(20000)}};
    f.HealthInsurance = {{1, 12, Yuan(300)}};
    // 5000 a twelfth: 10 % on the monthly table, 3 % on the annual one.
    f.Bonus = BonusFacts{12, Yuan(60000), "甲"};
    f.BonusMethod = BonusChoice::Separate;
    std::vector<long long> seen;
    const YearResult year = ComputeYear(f, Rules);
    for (const EntitlementMonth &m : year.Entitlements)
        seen.insert(seen.end(), {m.Total()});
    seen.insert(seen.end(), {year.Jobs[0].Withheld, year.Bonus ? year.Bonus->Due.Tax : -1,
                             year.Settled.Figures.TotalTax});
    for (BasicDeduction mode : {BasicDeduction::FromJanuary, BasicDeduction::Sixty}) {
        for (const WageWithholding &m :
             WithholdWages(Wages(mode == BasicDeduction::Sixty ? 1 : 3, 12), mode, Rules))
            seen.push_back(m.Tax);
    }
    // The balance at the small-owed limit, and the income at the low-income limit.
    SettlementInput owe{};
    owe.Year = y;
    owe.Wages = Yuan(200000);
    owe.Withheld = Settle(owe, Base).TotalTax - Base.SmallOwed;
    seen.push_back(static_cast<long long>(Settle(owe, Rules).Reason));
    SettlementInput low{};
    low.Year = y;
    low.Wages = Base.LowIncome;
    seen.push_back(static_cast<long long>(Settle(low, Rules).Reason));
    // The year file's rent at each of the year's amounts, and the share of elderly care at its
    // most.
    for (Cents rent : {Base.RentLargeCity, Base.RentMiddleCity, Base.RentSmallCity}) {
        YearFacts lease = YearWith(y, Job(1, BasicDeduction::PerMonth));
        lease.Rent = {{{y, 1}, {y, 12}, rent}};
        seen.push_back(CheckYear(lease, Rules).has_value());
    }
    YearFacts shared = YearWith(y, Job(1, BasicDeduction::PerMonth));
    shared.Elderly = ElderlyFacts{{{1950, 1, 1}}, false, Base.ElderlyShareMax};
    seen.push_back(CheckYear(shared, Rules).has_value());
    return seen;
}

// Every field of every year's rules changes what the engines give. The binding below names every
// field: a field added to YearRules does not compile here until the walk finds its effect.
TEST(LawByYear, EveryRuleOfEveryYearHasAnEffect) {
    using Change = std::function<void(YearRules &)>;
    const auto amount = [](Cents YearRules::*Field) {
        return Change([Field](YearRules &r) { r.*Field = r.*Field > 0 ? r.*Field - 100 : 10000; });
    };
    for (int y = FirstRulesYear; y <= LastRulesYear; ++y) {
        const YearRules &base = *RulesOf(y);
        const auto &[year, basicMonthly, basicAnnual, childEducation, infantCare, elderlyOnlyChild,
                     elderlyShareMax, housingLoan, rentLarge, rentMiddle, rentSmall, degreeStudy,
                     certificate, pensionCap, healthMonthly, healthAnnual, separateBonus, smallOwed,
                     lowIncome, exemptions, exemptionsUntil, fromJanuaryMonth, sixty, pensionPilot,
                     annual, monthly] = base;
        // The words read these: the year and the announcement quoted (the settlement's reason,
        // the notes), and whether the pension was deducted in the pilot cities only (the notes).
        // Their effects are checked with the words that quote them.
        static_cast<void>(year);
        static_cast<void>(exemptions);
        static_cast<void>(exemptionsUntil);
        static_cast<void>(pensionPilot);
        const std::vector<std::pair<const char *, Change>> changes{
            {"BasicMonthly", amount(&YearRules::BasicMonthly)},
            {"BasicAnnual", amount(&YearRules::BasicAnnual)},
            {"ChildEducation", amount(&YearRules::ChildEducation)},
            {"InfantCare", amount(&YearRules::InfantCare)},
            {"ElderlyOnlyChild", amount(&YearRules::ElderlyOnlyChild)},
            {"ElderlyShareMax", amount(&YearRules::ElderlyShareMax)},
            {"HousingLoan", amount(&YearRules::HousingLoan)},
            {"RentLargeCity", amount(&YearRules::RentLargeCity)},
            {"RentMiddleCity", amount(&YearRules::RentMiddleCity)},
            {"RentSmallCity", amount(&YearRules::RentSmallCity)},
            {"DegreeStudy", amount(&YearRules::DegreeStudy)},
            {"Certificate", amount(&YearRules::Certificate)},
            {"PensionCap", amount(&YearRules::PensionCap)},
            {"HealthMonthly", amount(&YearRules::HealthMonthly)},
            {"HealthAnnual", amount(&YearRules::HealthAnnual)},
            {"SeparateBonus", [](YearRules &r) { r.SeparateBonus = !r.SeparateBonus; }},
            {"SmallOwed", amount(&YearRules::SmallOwed)},
            {"LowIncome", amount(&YearRules::LowIncome)},
            {"FromJanuaryMonth",
             [](YearRules &r) { r.FromJanuaryMonth = r.FromJanuaryMonth > 0 ? 0 : 7; }},
            {"FromJanuaryMonth later",
             [](YearRules &r) { r.FromJanuaryMonth = r.FromJanuaryMonth == 7 ? 1 : 7; }},
            {"Sixty", [](YearRules &r) { r.Sixty = !r.Sixty; }},
            {"Annual", [](YearRules &r) { r.Annual = Tables::Monthly; }},
            {"Monthly", [](YearRules &r) { r.Monthly = Tables::Annual; }},
        };
        const std::vector<long long> unchanged = Effects(base, base);
        for (const auto &[field, change] : changes) {
            YearRules changed = base;
            change(changed);
            EXPECT_NE(Effects(base, changed), unchanged) << y << " " << field;
        }
    }
}

} // namespace
