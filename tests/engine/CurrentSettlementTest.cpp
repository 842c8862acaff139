// The annual settlement and severance compensation.

#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"

#include <gtest/gtest.h>

using namespace current;

namespace {

struct ReasonCase {
    const char *Rule;
    Cents Wages;
    Cents Withheld;
    const char *Balance;
    FilingReason Reason;
    bool MustFile;
};

void PrintTo(const ReasonCase &c, std::ostream *os) {
    *os << c.Rule;
}

class FilingReasons : public ::testing::TestWithParam<ReasonCase> {};

// Wages with 三险一金 10000: taxable wages − 70000 on the annual table.
TEST_P(FilingReasons, FirstThatApplies) {
    const ReasonCase &c = GetParam();
    SettlementInput year;
    year.Wages = c.Wages;
    year.Insurance = Yuan(10000);
    year.Withheld = c.Withheld;
    const Settlement s = Settle(year);
    EXPECT_EQ(FormatCents(s.Balance), c.Balance);
    EXPECT_EQ(s.Reason, c.Reason);
    EXPECT_EQ(s.MustFile, c.MustFile);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, FilingReasons,
    ::testing::Values(ReasonCase{"refund: 900 due, 2000 withheld", Yuan(100000), Yuan(2000),
                                 "-1100.00", FilingReason::Refund, false},
                      ReasonCase{"none: exactly what was withheld", Yuan(100000), Yuan(900), "0.00",
                                 FilingReason::None, false},
                      ReasonCase{"owe_small: 400 owed", Yuan(100000), Yuan(500), "400.00",
                                 FilingReason::OweSmall, false},
                      ReasonCase{"owed 400.01 is not small", Yuan(100000), Yuan(500) - 1, "400.01",
                                 FilingReason::IncomeLow, false},
                      // 120000 − 70000 = 50000: 5000 − 2520 = 2480 owed.
                      ReasonCase{"income_low: gross exactly 120000", Yuan(120000), 0, "2480.00",
                                 FilingReason::IncomeLow, false},
                      ReasonCase{"owe: gross above 120000", Yuan(120000) + 1, 0, "2480.00",
                                 FilingReason::Owe, true}));

// An employer that should have withheld and did not takes away the reasons of owing little or on a
// low income, and only those.
TEST(Settle, UnwithheldIncomeBarsTheExemptions) {
    const struct {
        const char *Rule;
        Cents Wages, Withheld;
        FilingReason Reason;
        bool Barred;
    } cases[] = {{"owes 400", Yuan(100000), Yuan(500), FilingReason::Owe, true},
                 {"gross 120000", Yuan(120000), 0, FilingReason::Owe, true},
                 {"owes above both", Yuan(120000) + 1, 0, FilingReason::Owe, false},
                 {"refund", Yuan(100000), Yuan(2000), FilingReason::Refund, false},
                 {"nothing owed", Yuan(100000), Yuan(900), FilingReason::None, false}};
    for (const auto &c : cases) {
        SettlementInput year;
        year.Wages = c.Wages;
        year.Insurance = Yuan(10000);
        year.Withheld = c.Withheld;
        year.Unwithheld = true;
        const Settlement s = Settle(year);
        EXPECT_EQ(s.Reason, c.Reason) << c.Rule;
        EXPECT_EQ(s.ExemptionBarred, c.Barred) << c.Rule;
        EXPECT_EQ(s.MustFile, c.Reason == FilingReason::Owe) << c.Rule;
    }
}

// Income amount: 100000 − 5000 exempt + labour 8000 + author 8000 × 70 % = 5600 + royalty 8000
// = 116600. Deductions: 60000 + 10000 + 24000 + pension 12000 (of 15000) + health 2400 (of 3000)
// + 1000 = 109400. Taxable 7200 at 3 % = 216.
SettlementInput EveryIncome(BonusMethod Method) {
    return {Yuan(100000), Yuan(10000), Yuan(10000), Yuan(10000), Yuan(5000),
            Yuan(10000),  Yuan(24000), Yuan(15000), Yuan(3000),  Yuan(1000),
            Yuan(36000),  Method,      Yuan(1000)};
}

TEST(Settle, EveryIncomeAndDeductionWithASeparateBonus) {
    const Settlement s = Settle(EveryIncome(BonusMethod::Separate));
    EXPECT_EQ(FormatCents(s.IncomeAmount), "116600.00");
    EXPECT_EQ(FormatCents(s.Deductions), "109400.00");
    EXPECT_EQ(FormatCents(s.Taxable), "7200.00");
    EXPECT_EQ(s.Rate, 3);
    EXPECT_EQ(FormatCents(s.Tax), "216.00");
    EXPECT_EQ(FormatCents(s.BonusTax), "1080.00");
    EXPECT_EQ(FormatCents(s.TotalTax), "1296.00");
    EXPECT_EQ(FormatCents(s.Balance), "296.00");
    EXPECT_EQ(s.Reason, FilingReason::OweSmall);
}

TEST(Settle, AMergedBonusJoinsIncomeAndGross) {
    SettlementInput year = EveryIncome(BonusMethod::Merged);
    year.Withheld = 0;
    const Settlement s = Settle(year);
    EXPECT_EQ(FormatCents(s.IncomeAmount), "152600.00");
    EXPECT_EQ(FormatCents(s.Taxable), "43200.00");
    EXPECT_EQ(s.Rate, 10);
    EXPECT_EQ(FormatCents(s.QuickDeduction), "2520.00");
    EXPECT_EQ(FormatCents(s.TotalTax), "1800.00");
    EXPECT_EQ(s.BonusTax, 0);
    EXPECT_EQ(s.Reason, FilingReason::Owe);
}

// The bonus of 36000 costs 1296 in all taxed on its own and 1800 merged, whichever was chosen.
TEST(Settle, TheOtherMethodBesideTheChosenOne) {
    for (const BonusMethod chosen : {BonusMethod::Separate, BonusMethod::Merged}) {
        SettlementInput year = EveryIncome(chosen);
        const OtherMethod other = SettleOtherWay(year);
        const bool separate = chosen == BonusMethod::Separate;
        EXPECT_EQ(FormatCents(other.Other.TotalTax), separate ? "1800.00" : "1296.00");
        EXPECT_EQ(other.Lower, BonusMethod::Separate);
        EXPECT_EQ(FormatCents(other.Difference), "504.00");
        EXPECT_EQ(
            other.Other.TotalTax,
            Settle(EveryIncome(separate ? BonusMethod::Merged : BonusMethod::Separate)).TotalTax);
    }
    SettlementInput noBonus = EveryIncome(BonusMethod::Merged);
    noBonus.Bonus = 0;
    EXPECT_EQ(SettleOtherWay(noBonus).Lower, std::nullopt);
    EXPECT_EQ(SettleOtherWay(noBonus).Difference, 0);
}

TEST(Settle, AuthorRemunerationRoundedAtEachStep) {
    SettlementInput year;
    year.Author = Yuan(1000) + 5; // 20 % = 200.01, 800.04 × 70 % = 560.028
    year.Labour = Yuan(333) + 33; // 20 % = 66.666 → 66.67
    EXPECT_EQ(FormatCents(Settle(year).IncomeAmount), "826.69");
}

struct SeveranceCase {
    const char *Rule;
    Cents Amount;
    const char *Exempt;
    const char *Taxable;
    const char *Tax;
};

class Severances : public ::testing::TestWithParam<SeveranceCase> {};

// Average wage 60000: 180000 tax free.
TEST_P(Severances, ThreeYearsOfTheAverageWageTaxFree) {
    const SeveranceCase &c = GetParam();
    const Severance s = TaxSeverance(c.Amount, Yuan(60000));
    EXPECT_EQ(FormatCents(s.Exempt), c.Exempt) << c.Rule;
    EXPECT_EQ(FormatCents(s.Taxable), c.Taxable) << c.Rule;
    EXPECT_EQ(FormatCents(s.Tax), c.Tax) << c.Rule;
    EXPECT_EQ(s.AfterTax, c.Amount - s.Tax) << c.Rule;
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, Severances,
    ::testing::Values(
        SeveranceCase{"below the limit", Yuan(100000), "100000.00", "0.00", "0.00"},
        SeveranceCase{"exactly three years", Yuan(180000), "180000.00", "0.00", "0.00"},
        SeveranceCase{"one cent above", Yuan(180000) + 1, "180000.00", "0.01", "0.00"},
        SeveranceCase{"the excess on the annual table", Yuan(300000), "180000.00", "120000.00",
                      "9480.00"}));

// 财政部 税务总局公告2019年第99号: donations limited to 30 % of the taxable income before them.
// 200000 of wages − 60000 = 140000 taxable before donations; 30 % of it is 42000. At 42000 the
// whole donation is deducted: 98000 → 9800 − 2520 = 7280. A cent over, still 42000. Those allowed
// in full come after, up to what is left: 50000 more gives 48000 → 4800 − 2520 = 2280; 200000
// more leaves nothing taxable.
struct DonationCase {
    const char *Rule;
    Cents Limited;
    Cents Full;
    const char *Deducted;
    const char *Taxable;
    const char *Tax;
};

void PrintTo(const DonationCase &c, std::ostream *os) {
    *os << c.Rule;
}

class Donations : public ::testing::TestWithParam<DonationCase> {};

TEST_P(Donations, LimitedTo30PercentThenInFull) {
    const DonationCase &c = GetParam();
    SettlementInput year;
    year.Wages = Yuan(200000);
    year.Donations = c.Limited;
    year.DonationsFull = c.Full;
    const Settlement s = Settle(year);
    EXPECT_EQ(FormatCents(s.DonationLimit), "42000.00");
    EXPECT_EQ(FormatCents(s.Donations), c.Deducted);
    EXPECT_EQ(FormatCents(s.Taxable), c.Taxable);
    EXPECT_EQ(FormatCents(s.Tax), c.Tax);
}

INSTANTIATE_TEST_SUITE_P(
    Law, Donations,
    ::testing::Values(
        DonationCase{"none", 0, 0, "0.00", "140000.00", "11480.00"},
        DonationCase{"30 % exactly", Yuan(42000), 0, "42000.00", "98000.00", "7280.00"},
        DonationCase{"a cent over", Yuan(42000) + 1, 0, "42000.00", "98000.00", "7280.00"},
        DonationCase{"a cent under", Yuan(42000) - 1, 0, "41999.99", "98000.01", "7280.00"},
        DonationCase{"then in full", Yuan(42000) + 1, Yuan(50000), "92000.00", "48000.00",
                     "2280.00"},
        DonationCase{"in full beyond the income", 0, Yuan(200000), "140000.00", "0.00", "0.00"}));

} // namespace
