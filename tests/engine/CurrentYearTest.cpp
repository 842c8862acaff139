// A person's whole year from dated facts: the timeline of entitlements, each job's months and the
// settlement, against years worked by hand. Each expected figure is worked out in the comment
// above it from the rules, never by calling the engine.

#include "engine/current/Deductions.h"
#include "engine/current/Year.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace current;

namespace {

using Amounts = std::vector<Cents>; // twelve months, in yuan

JobFacts Job(const char *Employer, int From, int To, std::vector<PayFacts> Pay,
             bool DeductionsHere = true) {
    JobFacts job;
    job.Employer = Employer;
    job.From = From;
    job.To = To;
    job.Pay = std::move(Pay);
    job.DeductionsHere = DeductionsHere;
    return job;
}

PayFacts Pay(int From, Cents Income, Cents Insurance = 0) {
    return {From, Yuan(Income), 0, Yuan(Insurance), 0};
}

// A year of one job paying Income a month all year.
YearFacts YearOf(int Year, Cents Income, Cents Insurance = 0) {
    YearFacts facts;
    facts.Year = Year;
    facts.Jobs = {Job("甲", 1, 12, {Pay(1, Income, Insurance)})};
    return facts;
}

Amounts InYuan(const Timeline &T, Cents EntitlementMonth::*Item) {
    Amounts yuan;
    for (const EntitlementMonth &month : T)
        yuan.push_back(month.*Item / 100);
    return yuan;
}

Amounts Taxes(const JobYear &Job) {
    Amounts yuan;
    for (const WageWithholding &month : Job.Months)
        yuan.push_back(month.Tax / 100);
    return yuan;
}

struct TimelineCase {
    const char *Rule;
    int Year;
    std::function<void(YearFacts &)> Facts;
    Cents EntitlementMonth::*Item;
    Amounts Months; // yuan
};

void PrintTo(const TimelineCase &c, std::ostream *os) {
    *os << c.Rule;
}

class TimelineOf : public testing::TestWithParam<TimelineCase> {};

// Every dated rule at its first and last month, and the months either side.
TEST_P(TimelineOf, EachDatedRuleFromItsFirstToItsLastMonth) {
    YearFacts facts = YearOf(GetParam().Year, 10000);
    GetParam().Facts(facts);
    ASSERT_FALSE(CheckYear(facts).has_value());
    EXPECT_EQ(InYuan(ComputeYear(facts).Entitlements, GetParam().Item), GetParam().Months);
}

using E = EntitlementMonth;

INSTANTIATE_TEST_SUITE_P(
    Rules, TimelineOf,
    testing::Values(
        // Born 2023-05-10: infant care until April 2026, the month before the 3rd birthday;
        // education from May 2026.
        TimelineCase{"child turning 3: infant care",
                     2026,
                     [](YearFacts &f) {
                         f.Children = {{{2023, 5, 10}, 100, {}}};
                     },
                     &E::InfantCare,
                     {2000, 2000, 2000, 2000, 0, 0, 0, 0, 0, 0, 0, 0}},
        TimelineCase{"child turning 3: education",
                     2026,
                     [](YearFacts &f) {
                         f.Children = {{{2023, 5, 10}, 100, {}}};
                     },
                     &E::Children,
                     {0, 0, 0, 0, 2000, 2000, 2000, 2000, 2000, 2000, 2000, 2000}},
        // Born in August at half share: 2000 × 50 % from the birth month.
        TimelineCase{"child born in the year, half",
                     2026,
                     [](YearFacts &f) {
                         f.Children = {{{2026, 8, 31}, 50, {}}};
                     },
                     &E::InfantCare,
                     {0, 0, 0, 0, 0, 0, 0, 1000, 1000, 1000, 1000, 1000}},
        // Education to June inclusive, plus a child at half share all year: 2000 + 1000.
        TimelineCase{
            "education ending in June",
            2026,
            [](YearFacts &f) {
                f.Children = {{{2008, 9, 1}, 100, CalendarMonth{2026, 6}}, {{2015, 1, 1}, 50, {}}};
            },
            &E::Children,
            {3000, 3000, 3000, 3000, 3000, 3000, 1000, 1000, 1000, 1000, 1000, 1000}},
        // 2022: infant care 1000, education 1000.
        TimelineCase{"child turning 3 in 2022",
                     2022,
                     [](YearFacts &f) {
                         f.Children = {{{2019, 5, 10}, 100, {}}};
                     },
                     &E::InfantCare,
                     {1000, 1000, 1000, 1000, 0, 0, 0, 0, 0, 0, 0, 0}},
        // 2019: no infant care yet, education 1000.
        TimelineCase{"child turning 3 in 2019",
                     2019,
                     [](YearFacts &f) {
                         f.Children = {{{2016, 5, 10}, 100, {}}};
                     },
                     &E::Children,
                     {0, 0, 0, 0, 1000, 1000, 1000, 1000, 1000, 1000, 1000, 1000}},
        TimelineCase{"no infant care in 2019",
                     2019,
                     [](YearFacts &f) {
                         f.Children = {{{2016, 5, 10}, 100, {}}};
                     },
                     &E::InfantCare,
                     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // The earlier-born parent turns 60 in March 2026; a share of 1500.
        TimelineCase{"parent turning 60, shared",
                     2026,
                     [](YearFacts &f) {
                         f.Elderly = ElderlyFacts{{{1967, 1, 2}, {1966, 3, 15}}, false, Yuan(1500)};
                     },
                     &E::Elderly,
                     {0, 0, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500, 1500}},
        // An only child takes the whole amount: 2000 in 2022.
        TimelineCase{"parent turning 60, only child, 2022",
                     2022,
                     [](YearFacts &f) {
                         f.Elderly = ElderlyFacts{{{1962, 11, 30}}, true, {}};
                     },
                     &E::Elderly,
                     {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2000, 2000}},
        // First repayment 2006-05: the 240th month is 2026-04.
        TimelineCase{"loan's 240th month",
                     2026,
                     [](YearFacts &f) {
                         f.HousingLoan = LoanFacts{{2006, 5}, 100};
                     },
                     &E::HousingLoan,
                     {1000, 1000, 1000, 1000, 0, 0, 0, 0, 0, 0, 0, 0}},
        TimelineCase{"loan's first repayment, half",
                     2026,
                     [](YearFacts &f) {
                         f.HousingLoan = LoanFacts{{2026, 3}, 50};
                     },
                     &E::HousingLoan,
                     {0, 0, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500}},
        // April to September at 1500, then 1100 to the next March; September takes the larger.
        TimelineCase{
            "leases",
            2026,
            [](YearFacts &f) {
                f.Rent = {{{2026, 4}, {2026, 9}, Yuan(1500)}, {{2026, 9}, {2027, 3}, Yuan(1100)}};
            },
            &E::Rent,
            {0, 0, 0, 1500, 1500, 1500, 1500, 1500, 1500, 1100, 1100, 1100}},
        // From 2022-09 the 48th month is 2026-08; a second course from 2026-07 to 2026-10
        // overlaps it and counts once.
        TimelineCase{"degree course's 48th month",
                     2026,
                     [](YearFacts &f) {
                         f.DegreeStudy = {{{2022, 9}, CalendarMonth{2027, 6}},
                                          {{2026, 7}, CalendarMonth{2026, 10}}};
                     },
                     &E::ContinuingEducation,
                     {400, 400, 400, 400, 400, 400, 400, 400, 400, 400, 0, 0}},
        // Certificates in September and June: 3600 once, in June.
        TimelineCase{"certificate",
                     2026,
                     [](YearFacts &f) {
                         f.Certificates = {{2026, 9}, {2026, 6}};
                     },
                     &E::ContinuingEducation,
                     {0, 0, 0, 0, 0, 3600, 0, 0, 0, 0, 0, 0}},
        // 8000 in June and 8000 in December: the second only up to 12000.
        TimelineCase{"pension within its cap",
                     2026,
                     [](YearFacts &f) {
                         f.Pension = {{12, Yuan(8000)}, {6, Yuan(8000)}};
                     },
                     &E::Pension,
                     {0, 0, 0, 0, 0, 8000, 0, 0, 0, 0, 0, 4000}},
        // 150 from January to June and 100 from April: at most 200 a month.
        TimelineCase{"health insurance",
                     2026,
                     [](YearFacts &f) {
                         f.HealthInsurance = {{1, 6, Yuan(150)}, {4, 12, Yuan(100)}};
                     },
                     &E::HealthInsurance,
                     {150, 150, 150, 200, 200, 200, 100, 100, 100, 100, 100, 100}}));

struct YearCase {
    const char *Story;
    YearFacts Facts;
    std::vector<Amounts> JobTaxes; // yuan, each job's months
    Cents Taxable;                 // the settlement's, yuan
    Cents TotalTax;
    Cents Balance;
    FilingReason Reason;
};

void PrintTo(const YearCase &c, std::ostream *os) {
    *os << c.Story;
}

YearFacts Raise() {
    YearFacts f = YearOf(2026, 20000, 2000);
    f.Jobs[0].Pay.push_back(Pay(7, 25000, 2500));
    return f;
}

YearFacts SecondJob() {
    YearFacts f;
    f.Year = 2026;
    f.Jobs = {Job("甲", 1, 10, {Pay(1, 20000)}), Job("乙", 9, 12, {Pay(9, 10000)}, false)};
    return f;
}

YearFacts ParentTurning60() {
    YearFacts f = YearOf(2026, 10000);
    f.Elderly = ElderlyFacts{{{1966, 3, 15}}, true, {}};
    return f;
}

YearFacts CertificateInJune() {
    YearFacts f = YearOf(2026, 15000);
    f.Certificates = {{2026, 6}};
    return f;
}

YearFacts PensionInDecember() {
    YearFacts f = YearOf(2026, 20000);
    f.Pension = {{12, Yuan(12000)}};
    return f;
}

YearFacts IllnessOfTwo() {
    YearFacts f = YearOf(2026, 20000);
    f.Illness = {{IllnessOf::Self, Yuan(30000)}, {IllnessOf::Child, Yuan(50000)}};
    return f;
}

// A child turning 3 in May, an only child's parent over 60 and a loan, at 30000 a month with
// 3000 of insurance, paying 12000 of pension in December.
YearFacts FamilyYear(int Year) {
    YearFacts f = YearOf(Year, 30000, 3000);
    f.Children = {{{Year - 3, 5, 10}, 100, {}}};
    f.Elderly = ElderlyFacts{{{1950, 1, 1}}, true, {}};
    f.HousingLoan = LoanFacts{{2018, 1}, 100};
    // The pension scheme began on 2022-11-25: a year file before it has none.
    if (Year >= Law::PensionFrom.Year)
        f.Pension = {{12, Yuan(12000)}};
    return f;
}

class HandWorkedYear : public testing::TestWithParam<YearCase> {};

TEST_P(HandWorkedYear, MonthsAndSettlementToTheCent) {
    const YearCase &c = GetParam();
    ASSERT_FALSE(CheckYear(c.Facts).has_value());
    const YearResult year = ComputeYear(c.Facts);
    ASSERT_EQ(year.Jobs.size(), c.JobTaxes.size());
    for (std::size_t j = 0; j < year.Jobs.size(); ++j) {
        EXPECT_EQ(Taxes(year.Jobs[j]), c.JobTaxes[j]) << "job " << j;
        Cents sum = 0;
        for (const Cents tax : c.JobTaxes[j])
            sum += Yuan(tax);
        EXPECT_EQ(year.Jobs[j].Withheld, sum) << "job " << j;
    }
    const Settlement &s = year.Settled.Figures;
    EXPECT_EQ(s.Taxable, Yuan(c.Taxable));
    EXPECT_EQ(s.TotalTax, Yuan(c.TotalTax));
    EXPECT_EQ(s.Balance, Yuan(c.Balance));
    EXPECT_EQ(s.Reason, c.Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Years, HandWorkedYear,
    testing::Values(
        // 13000 taxable a month to June, 17500 from July. Cumulative: 13000 → 390, 26000 → 780,
        // 39000 → 3900 − 2520 = 1380, 52000 → 2680, 65000 → 3980, 78000 → 5280, 95500 → 7030,
        // 113000 → 8780, 130500 → 10530, 148000 → 29600 − 16920 = 12680, 165500 → 16180,
        // 183000 → 19680. The year: 270000 − 60000 − 27000 = 183000, the same 19680.
        YearCase{"a raise in July",
                 Raise(),
                 {{390, 390, 600, 1300, 1300, 1300, 1750, 1750, 1750, 2150, 3500, 3500}},
                 183000,
                 19680,
                 0,
                 FilingReason::None},
        // 甲: 15000 taxable a month to October: 150000 → 30000 − 16920 = 13080. 乙 from
        // September deducts 5000 a month again: 5000 taxable a month, 150 each. The year:
        // 240000 − 60000 = 180000 → 36000 − 16920 = 19080, withheld 13680, owes 5400.
        YearCase{"a second job from September",
                 SecondJob(),
                 {{450, 450, 1080, 1500, 1500, 1500, 1500, 1500, 1500, 2100}, {150, 150, 150, 150}},
                 180000,
                 19080,
                 5400,
                 FilingReason::Owe},
        // 5000 taxable a month, then 2000 from March: 10000 → 300, 12000 → 360, 14000 → 420, …,
        // 30000 → 900. The year: 120000 − 60000 − 30000 = 30000 → 900.
        YearCase{"a parent turning 60 in March",
                 ParentTurning60(),
                 {{150, 150, 60, 60, 60, 60, 60, 60, 60, 60, 60, 60}},
                 30000,
                 900,
                 0,
                 FilingReason::None},
        // 10000 taxable a month: 40000 → 1480, 50000 → 2480; June 60000 − 3600 = 56400 → 3120;
        // then 1000 a month to 116400 → 11640 − 2520 = 9120.
        YearCase{"a certificate in June",
                 CertificateInJune(),
                 {{300, 300, 300, 580, 1000, 640, 1000, 1000, 1000, 1000, 1000, 1000}},
                 116400,
                 9120,
                 0,
                 FilingReason::None},
        // 15000 taxable a month: October 150000 → 13080, November 165000 → 16080; December
        // 180000 − 12000 = 168000 → 33600 − 16920 = 16680.
        YearCase{"pension paid in December",
                 PensionInDecember(),
                 {{450, 450, 1080, 1500, 1500, 1500, 1500, 1500, 1500, 2100, 3000, 600}},
                 168000,
                 16680,
                 0,
                 FilingReason::None},
        // Withheld on 180000: 19080. At settlement 15000 + 35000 of illness: 130000 → 13000 −
        // 2520 = 10480, 8600 refunded.
        YearCase{"illness of two people",
                 IllnessOfTwo(),
                 {{450, 450, 1080, 1500, 1500, 1500, 1500, 1500, 1500, 2100, 3000, 3000}},
                 130000,
                 10480,
                 -8600,
                 FilingReason::Refund},
        // 2022: infant care 1000 to April, then education 1000; elderly 2000; loan 1000: 4000 a
        // month, 18000 taxable: 36000 → 1080, 54000 → 2880, …, 144000 → 11880, 162000 → 15480,
        // …, 198000 → 22680; December 216000 − 12000 of pension = 204000 → 23880.
        YearCase{"2022",
                 FamilyYear(2022),
                 {{540, 540, 1800, 1800, 1800, 1800, 1800, 1800, 3600, 3600, 3600, 1200}},
                 204000,
                 23880,
                 0,
                 FilingReason::None},
        // 2019: no infant care, no pension: 3000 a month to April (19000 taxable), then 4000
        // (18000): 19000 → 570, 38000 → 1280, 57000 → 3180, 76000 → 5080, 94000 → 6880, …,
        // 130000 → 10480, 148000 → 12680, 166000 → 16280, …, 220000 → 27080.
        YearCase{"2019",
                 FamilyYear(2019),
                 {{570, 710, 1900, 1900, 1800, 1800, 1800, 2200, 3600, 3600, 3600, 3600}},
                 220000,
                 27080,
                 0,
                 FilingReason::None}));

// Each person's illness is capped on its own: 本人's entries are one person, each 子女 entry a
// child, 配偶 below the floor counts nothing.
TEST(IllnessDeduction, EachPersonAboveTheFloorUpToTheCap) {
    // 本人 60000 + 50000 = 110000 − 15000 = 95000, capped at 80000; two children 20000 and
    // 10000: 5000 and 0; 配偶 14000: 0.
    EXPECT_EQ(IllnessDeduction({{IllnessOf::Self, Yuan(60000)},
                                {IllnessOf::Child, Yuan(20000)},
                                {IllnessOf::Self, Yuan(50000)},
                                {IllnessOf::Child, Yuan(10000)},
                                {IllnessOf::Spouse, Yuan(14000)}}),
              Yuan(85000));
    // Two entries of 本人 of 10000 each are 20000 above 15000: 5000.
    EXPECT_EQ(IllnessDeduction({{IllnessOf::Self, Yuan(10000)}, {IllnessOf::Self, Yuan(10000)}}),
              Yuan(5000));
}

// The floor and the cap hold once per patient: entries naming the same child, by index or by
// name, are added first; an entry naming none stays a child of its own.
TEST(IllnessDeduction, OncePerPatientWhenTheChildIsNamed) {
    const PatientFacts first{0, ""};
    const PatientFacts second{1, ""};
    const PatientFacts named{{}, "小明"};
    // Child 0: 10000 + 10000 = 20000 − 15000 = 5000 (apart, each below the floor: 0). Child 1:
    // 60000 + 50000 = 110000 − 15000 = 95000, capped at 80000. 小明: 16000 + 16000 = 32000 −
    // 15000 = 17000. An unnamed 20000: 5000. In all 107000.
    EXPECT_EQ(IllnessDeduction({{IllnessOf::Child, Yuan(10000), first},
                                {IllnessOf::Child, Yuan(60000), second},
                                {IllnessOf::Child, Yuan(10000), first},
                                {IllnessOf::Child, Yuan(50000), second},
                                {IllnessOf::Child, Yuan(16000), named},
                                {IllnessOf::Child, Yuan(16000), named},
                                {IllnessOf::Child, Yuan(20000)}}),
              Yuan(107000));
    // The same two entries of 10000 unnamed are two children, each below the floor: 0.
    EXPECT_EQ(IllnessDeduction({{IllnessOf::Child, Yuan(10000)}, {IllnessOf::Child, Yuan(10000)}}),
              0);
}

// Donations of the year file reach the settlement: 240000 of wages − 60000 = 180000 taxable
// before them, a limit of 54000. Limited 20000 in March and 40000 in June: 60000, of which 54000
// deducted; 10000 in full: 64000 in all, 116000 taxable → 11600 − 2520 = 9080.
TEST(YearDonations, LimitedAndInFullAtSettlement) {
    YearFacts facts = YearOf(2026, 20000);
    facts.Donations = {{3, Yuan(20000), false}, {6, Yuan(40000), false}, {9, Yuan(10000), true}};
    ASSERT_FALSE(CheckYear(facts).has_value());
    const YearResult year = ComputeYear(facts);
    EXPECT_EQ(year.Settled.Donations, Yuan(60000));
    EXPECT_EQ(year.Settled.DonationsFull, Yuan(10000));
    EXPECT_EQ(year.Settled.Figures.DonationLimit, Yuan(54000));
    EXPECT_EQ(year.Settled.Figures.Donations, Yuan(64000));
    EXPECT_EQ(year.Settled.Figures.Taxable, Yuan(116000));
    EXPECT_EQ(year.Settled.Figures.Tax, Yuan(9080));
}

// 个人所得税法 第一条: fewer than 183 days in the year is a non-resident. 182 days: each month's
// 20000 − 5000 = 15000 → 20 %, 3000 − 1410 = 1590, the child's education not deducted, no
// settlement; labour 10000 as a non-resident: 8000 → 10 %, 800 − 210 = 590; the bonus 60000
// over six months: 10000 → 10 %, 790 × 6 = 4740. 183 days: a resident, cumulative withholding
// (January 20000 − 5000 − 2000 = 13000 → 390) and a settlement.
TEST(NonResidentYear, FewerThan183DaysInChina) {
    YearFacts facts = YearOf(2026, 20000);
    facts.Children = {{{2015, 1, 1}, 100, {}}};
    facts.Payments = {{4, RemunerationKind::Labour, Yuan(10000)}};
    facts.Bonus = BonusFacts{12, Yuan(60000), "甲"};
    facts.Donations = {{3, Yuan(1000), false}};
    facts.DaysInChina = 182;
    ASSERT_FALSE(CheckYear(facts).has_value());
    const YearResult non = ComputeYear(facts);
    EXPECT_TRUE(non.NonResident);
    ASSERT_EQ(non.Jobs.size(), 1u);
    EXPECT_TRUE(non.Jobs[0].Months.empty());
    ASSERT_EQ(non.Jobs[0].NonResidentMonths.size(), 12u);
    for (const NonResidentMonth &month : non.Jobs[0].NonResidentMonths) {
        EXPECT_EQ(month.Wage.Taxable, Yuan(15000));
        EXPECT_EQ(month.Wage.Rate, 20);
        EXPECT_EQ(month.Wage.Tax, Yuan(1590));
    }
    EXPECT_EQ(non.Jobs[0].Withheld, Yuan(1590 * 12));
    EXPECT_EQ(non.Payments.at(0).Tax, Yuan(590));
    ASSERT_TRUE(non.Bonus && non.Bonus->NonResident);
    EXPECT_EQ(non.Bonus->NonResident->MonthlyTax, Yuan(790));
    EXPECT_EQ(non.Bonus->Due.Tax, Yuan(4740));
    EXPECT_EQ(non.Settled.Figures.TotalTax, 0);

    facts.DaysInChina = 183;
    const YearResult resident = ComputeYear(facts);
    EXPECT_FALSE(resident.NonResident);
    EXPECT_EQ(resident.Jobs[0].Months.at(0).Tax, Yuan(390));
    EXPECT_GT(resident.Settled.Figures.TotalTax, 0);
    facts.DaysInChina.reset();
    EXPECT_FALSE(ComputeYear(facts).NonResident);
}

struct BonusCase {
    const char *Story;
    Cents Monthly; // wages, yuan
    BonusChoice Choice;
    BonusMethod Taken;
    Cents TotalTax;
    Cents Balance;
};

class BonusAtSettlement : public testing::TestWithParam<BonusCase> {};

// A bonus of 36000 in January, withheld on its own: 36000 / 12 = 3000 → 3 %, 1080.
TEST_P(BonusAtSettlement, TheMethodAskedForOrTheCheaper) {
    const BonusCase &c = GetParam();
    YearFacts facts = YearOf(2026, c.Monthly);
    facts.Bonus = BonusFacts{1, Yuan(36000), "甲"};
    facts.BonusMethod = c.Choice;
    ASSERT_FALSE(CheckYear(facts).has_value());
    const YearResult year = ComputeYear(facts);
    ASSERT_TRUE(year.Bonus.has_value());
    EXPECT_EQ(year.Bonus->Due.Tax, Yuan(1080));
    EXPECT_EQ(year.Bonus->Job, 0u);
    EXPECT_EQ(year.Settled.Method, c.Taken) << c.Story;
    EXPECT_EQ(year.Settled.Figures.TotalTax, Yuan(c.TotalTax)) << c.Story;
    EXPECT_EQ(year.Settled.Figures.Balance, Yuan(c.Balance)) << c.Story;
}

INSTANTIATE_TEST_SUITE_P(
    Methods, BonusAtSettlement,
    testing::Values(
        // 10000 a month: wages 60000 taxable → 3480 withheld. Separate: 3480 + 1080 = 4560;
        // merged: 96000 → 7080.
        BonusCase{"best, separate cheaper", 10000, BonusChoice::Best, BonusMethod::Separate, 4560,
                  0},
        BonusCase{"merged asked for", 10000, BonusChoice::Merged, BonusMethod::Merged, 7080, 2520},
        // 4000 a month leaves 12000 of deductions unused: merged 48000 − 60000 + 36000 = 24000 →
        // 720, against 1080 on its own; 1080 withheld, 360 refunded.
        BonusCase{"best, merged cheaper", 4000, BonusChoice::Best, BonusMethod::Merged, 720, -360},
        BonusCase{"separate asked for", 4000, BonusChoice::Separate, BonusMethod::Separate, 1080,
                  0},
        // 5000 a month: merged 36000 → 1080, the same as separate, which is then taken.
        BonusCase{"best, equal", 5000, BonusChoice::Best, BonusMethod::Separate, 1080, 0}));

// Labour 8000: (8000 − 1600) × 20 % = 1280; author 10000: 8000 × 70 % × 20 % = 1120; royalty
// 3000: 2200 × 20 % = 440. At settlement 120000 + 6400 + 5600 + 2400 − 60000 = 74400 →
// 7440 − 2520 = 4920, against 3480 + 1280 + 1120 + 440 = 6320 withheld.
TEST(YearPayments, WithheldEachAndSettledTogether) {
    YearFacts facts = YearOf(2026, 10000);
    facts.Payments = {{5, RemunerationKind::Labour, Yuan(8000)},
                      {7, RemunerationKind::Author, Yuan(10000)},
                      {2, RemunerationKind::Royalty, Yuan(3000)}};
    const YearResult year = ComputeYear(facts);
    ASSERT_EQ(year.Payments.size(), 3u);
    EXPECT_EQ(year.Payments[0].Tax, Yuan(1280));
    EXPECT_EQ(year.Payments[1].Tax, Yuan(1120));
    EXPECT_EQ(year.Payments[2].Tax, Yuan(440));
    EXPECT_EQ(year.Settled.Figures.IncomeAmount, Yuan(134400));
    EXPECT_EQ(year.Settled.Figures.Tax, Yuan(4920));
    EXPECT_EQ(year.Settled.Figures.Withheld, Yuan(6320));
    EXPECT_EQ(year.Settled.Figures.Balance, Yuan(-1400));
}

// An employer that does not deduct them leaves the person's deductions to the settlement, but
// its own other deductions stay in its months.
TEST(YearJobs, DeductionsHereGovernsOnlyThePersonsDeductions) {
    YearFacts facts = YearOf(2026, 10000);
    facts.Jobs[0].DeductionsHere = false;
    facts.Jobs[0].Pay[0].Other = Yuan(100);
    facts.HousingLoan = LoanFacts{{2020, 1}, 100};
    facts.HealthInsurance = {{1, 12, Yuan(200)}};
    const YearResult year = ComputeYear(facts);
    const WageWithholding &december = year.Jobs[0].Months.back();
    EXPECT_EQ(december.CumulativeSpecial, 0);
    EXPECT_EQ(december.CumulativeOther, Yuan(1200));
    // The settlement: 120000 − 60000 − 1200 − 12000 of loan − 2400 of health = 44400.
    EXPECT_EQ(year.Settled.Special, Yuan(12000));
    EXPECT_EQ(year.Settled.HealthInsurance, Yuan(2400));
    EXPECT_EQ(year.Settled.Figures.Taxable, Yuan(44400));
}

struct FaultCase {
    const char *Fault;
    std::function<void(YearFacts &)> Break;
    YearFaultKind Kind;
    const char *Path;
};

void PrintTo(const FaultCase &c, std::ostream *os) {
    *os << c.Fault;
}

class YearFaults : public testing::TestWithParam<FaultCase> {};

TEST_P(YearFaults, NamedByKindAndPathAndStillComputed) {
    YearFacts facts = SecondJob();
    GetParam().Break(facts);
    const auto fault = CheckYear(facts);
    ASSERT_TRUE(fault.has_value());
    EXPECT_EQ(fault->Kind, GetParam().Kind);
    EXPECT_EQ(fault->Path, GetParam().Path);
    // A page may compute facts it has not checked yet: no month outside the year is reached.
    EXPECT_EQ(ComputeYear(facts).Entitlements.size(), 12u);
}

using K = YearFaultKind;

INSTANTIATE_TEST_SUITE_P(
    Contract, YearFaults,
    testing::Values(
        FaultCase{"year 2018", [](YearFacts &f) { f.Year = 2018; }, K::YearUnknown, "year"},
        FaultCase{"year 2028", [](YearFacts &f) { f.Year = 2028; }, K::YearUnknown, "year"},
        FaultCase{"no job", [](YearFacts &f) { f.Jobs.clear(); }, K::NoJob, "jobs"},
        FaultCase{"month 13", [](YearFacts &f) { f.Jobs[1].To = 13; }, K::MonthOutOfRange,
                  "jobs[1].to"},
        FaultCase{"from after to",
                  [](YearFacts &f) {
                      f.Jobs[1].From = f.Jobs[1].Pay[0].From = 12;
                      f.Jobs[1].To = 11;
                  },
                  K::FromAfterTo, "jobs[1].from"},
        FaultCase{"no pay", [](YearFacts &f) { f.Jobs[0].Pay.clear(); }, K::NoPay, "jobs[0].pay"},
        FaultCase{"first pay not from the job's from",
                  [](YearFacts &f) { f.Jobs[1].Pay[0].From = 10; }, K::FirstPayNotJobFrom,
                  "jobs[1].pay[0].from"},
        FaultCase{"pay not rising",
                  [](YearFacts &f) {
                      f.Jobs[0].Pay = {Pay(1, 100), Pay(5, 100), Pay(5, 200)};
                  },
                  K::PayNotRising, "jobs[0].pay[2].from"},
        FaultCase{"pay after the job", [](YearFacts &f) { f.Jobs[0].Pay.push_back(Pay(11, 1)); },
                  K::PayAfterJobEnd, "jobs[0].pay[1].from"},
        FaultCase{"negative amount", [](YearFacts &f) { f.Jobs[1].Pay[0].Income = -1; },
                  K::AmountNegative, "jobs[1].pay[0].income"},
        FaultCase{"both jobs deduct in October",
                  [](YearFacts &f) { f.Jobs[1].DeductionsHere = true; }, K::DeductedTwice,
                  "jobs[1].deductions_here"},
        FaultCase{"6万 from September",
                  [](YearFacts &f) { f.Jobs[1].Mode = BasicDeduction::Sixty; },
                  K::SixtyNotFromJanuary, "jobs[1].mode"},
        FaultCase{"自1月 on the later job",
                  [](YearFacts &f) { f.Jobs[1].Mode = BasicDeduction::FromJanuary; },
                  K::FromJanuaryNotFirst, "jobs[1].mode"},
        FaultCase{"pension before the scheme",
                  [](YearFacts &f) {
                      f.Year = 2021;
                      f.Pension = {{12, Yuan(12000)}};
                  },
                  K::PensionBeforeScheme, "pension[0].month"},
        FaultCase{"child's share 30",
                  [](YearFacts &f) {
                      f.Children = {{{2020, 1, 1}, 30, {}}};
                  },
                  K::ShareNotHalfOrWhole, "children[0].share"},
        FaultCase{"loan's share 0",
                  [](YearFacts &f) {
                      f.HousingLoan = LoanFacts{{2020, 1}, 0};
                  },
                  K::ShareNotHalfOrWhole, "housing_loan.share"},
        FaultCase{"elderly share above 1500",
                  [](YearFacts &f) {
                      f.Elderly = ElderlyFacts{{{1950, 1, 1}}, false, Yuan(1600)};
                  },
                  K::ElderlyShareTooLarge, "elderly.share"},
        FaultCase{"elderly share missing",
                  [](YearFacts &f) {
                      f.Elderly = ElderlyFacts{{{1950, 1, 1}}, false, {}};
                  },
                  K::ElderlyShareMissing, "elderly.share"},
        FaultCase{"rent of 1200",
                  [](YearFacts &f) {
                      f.Rent = {{{2026, 1}, {2026, 12}, Yuan(1200)}};
                  },
                  K::RentAmountUnknown, "rent[0].amount"},
        FaultCase{
            "rent and loan in the year",
            [](YearFacts &f) {
                f.HousingLoan = LoanFacts{{2007, 1}, 100}; // its last month is 2026-12
                f.Rent = {{{2025, 1}, {2025, 12}, Yuan(800)}, {{2026, 12}, {2027, 5}, Yuan(800)}};
            },
            K::RentAndLoan, "rent[1]"},
        FaultCase{"certificate in another year",
                  [](YearFacts &f) {
                      f.Certificates = {{2026, 2}, {2025, 12}};
                  },
                  K::OutsideYear, "certificates[1]"},
        FaultCase{"payment in month 0",
                  [](YearFacts &f) {
                      f.Payments = {{0, RemunerationKind::Labour, 100}};
                  },
                  K::MonthOutOfRange, "payments[0].month"},
        FaultCase{"bonus naming no job",
                  [](YearFacts &f) {
                      f.Bonus = BonusFacts{1, 100, "丙"};
                  },
                  K::NoSuchEmployer, "bonus.employer"},
        FaultCase{"29 February 2023",
                  [](YearFacts &f) {
                      f.Children = {{{2023, 2, 29}, 100, {}}};
                  },
                  K::DateInvalid, "children[0].born"},
        FaultCase{"lease ending before it starts",
                  [](YearFacts &f) {
                      f.Rent = {{{2026, 5}, {2026, 4}, Yuan(800)}};
                  },
                  K::FromAfterTo, "rent[0].from"},
        FaultCase{"a donation of a negative amount",
                  [](YearFacts &f) {
                      f.Donations = {{3, Yuan(100), false}, {5, -1, true}};
                  },
                  K::AmountNegative, "donations[1].amount"},
        FaultCase{"a donation in month 13",
                  [](YearFacts &f) {
                      f.Donations = {{13, Yuan(100), false}};
                  },
                  K::MonthOutOfRange, "donations[0].month"},
        FaultCase{"0 days in China", [](YearFacts &f) { f.DaysInChina = 0; }, K::DaysOutOfRange,
                  "days_in_china"},
        FaultCase{"367 days in China", [](YearFacts &f) { f.DaysInChina = 367; }, K::DaysOutOfRange,
                  "days_in_china"},
        FaultCase{"illness of child 1 of one child",
                  [](YearFacts &f) {
                      f.Children = {{{2020, 1, 1}, 100, {}}};
                      f.Illness = {{IllnessOf::Child, Yuan(1), PatientFacts{1, ""}}};
                  },
                  K::NoSuchChild, "illness[0].child"},
        FaultCase{"illness of a child named by an empty name",
                  [](YearFacts &f) {
                      f.Illness = {{IllnessOf::Child, Yuan(1), PatientFacts{}}};
                  },
                  K::ChildNameEmpty, "illness[0].child"},
        FaultCase{"a child named on the spouse's illness",
                  [](YearFacts &f) {
                      f.Illness = {{IllnessOf::Spouse, Yuan(1), PatientFacts{{}, "小明"}}};
                  },
                  K::ChildNotChild, "illness[0].child"}));

// Rent and a loan whose months end before the year, or begin after it, may both be listed.
TEST(YearFaults, RentBesideALoanOfOtherYears) {
    YearFacts facts = YearOf(2026, 10000);
    facts.HousingLoan = LoanFacts{{2006, 1}, 100}; // its 240th month is 2025-12
    facts.Rent = {{{2026, 1}, {2026, 12}, Yuan(1500)}};
    EXPECT_FALSE(CheckYear(facts).has_value());
    facts.HousingLoan = LoanFacts{{2027, 1}, 100};
    EXPECT_FALSE(CheckYear(facts).has_value());
}

} // namespace

namespace {

// The choices of the undated dialog as dated facts deduct, month by month, what the choices did:
// the monthly items every month; the certificate and the pension (a year's, counted once) in
// December; the illness's deduction at settlement. Checked against the dialog's own arithmetic.
struct ChoicesCase {
    const char *What;
    int Year;
    DeductionChoices Choices;
};

class ChoicesAsFacts : public ::testing::TestWithParam<ChoicesCase> {};

TEST_P(ChoicesAsFacts, DeductTheChoicesMonthByMonth) {
    const ChoicesCase &c = GetParam();
    YearFacts facts = YearOf(c.Year, 20000);
    AddChoices(facts, c.Choices);
    ASSERT_FALSE(CheckYear(facts).has_value()) << c.What;
    const YearResult year = ComputeYear(facts);
    const DeductionAmounts a = DeductionsOf(c.Choices);
    const YearRules &rules = *RulesOf(c.Year);
    // The dialog took the latest year's amounts, which a year before 2023 does not have.
    const bool sameAmounts = rules.ChildEducation == LatestRules().ChildEducation;
    const Cents monthly = a.Children + a.Infants + a.Elderly + a.Home + a.Degree;
    for (const EntitlementMonth &month : year.Entitlements) {
        if (sameAmounts) {
            EXPECT_EQ(month.Special() - (month.Month == 12 ? a.Certificate : 0), monthly)
                << c.What << " month " << month.Month;
        }
        EXPECT_EQ(month.HealthInsurance, a.HealthInsurance) << c.What;
        EXPECT_EQ(month.Pension, month.Month == 12 ? std::min(a.Pension, rules.PensionCap) : 0)
            << c.What;
    }
    EXPECT_EQ(year.Settled.Illness, a.Illness) << c.What;
}

DeductionChoices Busy() {
    DeductionChoices c;
    c.Children = 2;
    c.ChildrenHalf = true;
    c.Infants = 1;
    c.Elderly = ElderlyCare::Shared;
    c.ElderlyShare = Yuan(1200);
    c.Home = Housing::RentMiddleCity;
    c.Study = Education::Certificate;
    c.Illness = Yuan(90000);
    c.Pension = Yuan(6000);
    c.HealthInsurance = Yuan(150);
    return c;
}

DeductionChoices Loan() {
    DeductionChoices c;
    c.Children = 1;
    c.Elderly = ElderlyCare::OnlyChild;
    c.Home = Housing::LoanHalf;
    c.Study = Education::Degree;
    return c;
}

INSTANTIATE_TEST_SUITE_P(Years, ChoicesAsFacts,
                         ::testing::Values(ChoicesCase{"nothing chosen", 2026, {}},
                                           ChoicesCase{"every item, rent", 2026, Busy()},
                                           ChoicesCase{"loan halved, degree", 2024, Loan()},
                                           ChoicesCase{"a year before the pension", 2021, Busy()}));

TEST(ChoicesAsFacts, AnElderlyShareIsCutToTheYearsLimit) {
    DeductionChoices c;
    c.Elderly = ElderlyCare::Shared;
    c.ElderlyShare = Yuan(1500);
    YearFacts facts = YearOf(2022, 20000);
    AddChoices(facts, c);
    EXPECT_FALSE(CheckYear(facts).has_value());
    EXPECT_EQ(facts.Elderly->Share, RulesOf(2022)->ElderlyShareMax);
}

// A job's months on their own withhold what the year withholds for that job.
TEST(JobMonths, WithholdWhatTheYearWithholds) {
    YearFacts facts = YearOf(2026, 30000, 3000);
    facts.Jobs.push_back(Job("乙", 4, 12, {Pay(4, 8000)}, false));
    facts.Jobs[0].Pay.push_back(Pay(7, 35000, 3500));
    facts.Children = {{{2023, 8, 1}, 100, std::nullopt}};
    facts.Pension = {{12, Yuan(12000)}};
    const YearResult year = ComputeYear(facts);
    for (std::size_t j = 0; j < facts.Jobs.size(); ++j) {
        const std::vector<WageMonth> months = JobMonths(facts.Jobs[j], year.Entitlements);
        const std::vector<WageWithholding> alone =
            WithholdWages(months, facts.Jobs[j].Mode, *RulesOf(2026));
        ASSERT_EQ(alone.size(), year.Jobs[j].Months.size());
        for (std::size_t m = 0; m < alone.size(); ++m)
            EXPECT_EQ(alone[m].Tax, year.Jobs[j].Months[m].Tax) << j << " month " << m;
    }
    EXPECT_EQ(JobMonths(facts.Jobs[1], year.Entitlements).front().Special, 0)
        << "a job that does not deduct them";
}

} // namespace

// Facts the check refuses still compute without reading outside the year's months (the
// sanitizers stop the test where they do): a certificate in month 13 or month 0 adds nothing.
TEST(RefusedFacts, ComputeWithoutFaultAndAddNothing) {
    for (const int month : {0, 13, -5}) {
        YearFacts f = YearOf(2026, 15000);
        f.Certificates = {{2026, month}};
        ASSERT_TRUE(CheckYear(f).has_value()) << month;
        const YearResult r = ComputeYear(f);
        for (const EntitlementMonth &m : r.Entitlements)
            EXPECT_EQ(m.ContinuingEducation, 0) << "month " << month;
    }
}
