// From a net back to the gross: the forward engines never fall as the gross grows (or, for the
// bonus, never within a bracket), each answer's forward calculation reaches its target while a
// cent less does not, around every bound of the tables, and targets beyond reach are refused.

#include "engine/current/Reverse.h"
#include "engine/current/Rules.h"

#include <gtest/gtest.h>

#include <vector>

using namespace current;

namespace {

constexpr int Year = Law::MonthsInYear;

// The grosses of a month's wage at which a year's taxable income of its own (no deductions but
// the basic one) reaches each bound of the annual table.
std::vector<Cents> WageGrossesAtAnnualBounds() {
    std::vector<Cents> grosses;
    for (const TaxBracket &bracket : Tables::Annual.first(Tables::Annual.size() - 1))
        grosses.push_back((bracket.UpTo + LatestRules().BasicAnnual) / Year);
    return grosses;
}

std::vector<Cents> BonusBounds() {
    std::vector<Cents> bounds;
    for (const TaxBracket &bracket : Tables::Monthly.first(Tables::Monthly.size() - 1))
        bounds.push_back(bracket.UpTo * Year);
    return bounds;
}

Cents Kept(Cents Bonus) {
    return Bonus - TaxBonusSeparately(Bonus).Tax;
}

const InsuranceByRate TenAndAHalf{1050, Yuan(7162), Yuan(35811)};

// ---- The forward functions the searches rely on ----

TEST(ReverseForward, RemunerationNetGrowsByACentOrNothing) {
    for (const bool nonResident : {false, true}) {
        for (const auto kind :
             {RemunerationKind::Labour, RemunerationKind::Author, RemunerationKind::Royalty}) {
            for (const Cents around : {Yuan(800), Yuan(4000), Yuan(20000), Yuan(25000), Yuan(50000),
                                       Yuan(62500), Yuan(100000)}) {
                Cents before = WithholdRemuneration(around - 300, kind, nonResident).AfterTax;
                for (Cents gross = around - 299; gross <= around + 300; ++gross) {
                    const Cents net = WithholdRemuneration(gross, kind, nonResident).AfterTax;
                    ASSERT_TRUE(net == before || net == before + 1)
                        << "kind " << int(kind) << " non-resident " << nonResident << " at "
                        << FormatCents(gross);
                    before = net;
                }
            }
        }
    }
}

TEST(ReverseForward, WageYearNetNeverFalls) {
    std::vector<Cents> around = WageGrossesAtAnnualBounds();
    around.insert(around.end(), {TenAndAHalf.BaseMin, TenAndAHalf.BaseMax, Yuan(5000)});
    for (const auto &terms : {WageTerms{}, WageTerms{0, 0, TenAndAHalf, Yuan(3000), 0},
                              WageTerms{Yuan(500), Yuan(2000), std::nullopt, Yuan(1000), 0}}) {
        for (const Cents centre : around) {
            WageYear before = WageYearOf(centre - 200, terms);
            for (Cents gross = centre - 199; gross <= centre + 200; ++gross) {
                const WageYear year = WageYearOf(gross, terms);
                ASSERT_GE(year.YearNet, before.YearNet) << "at " << FormatCents(gross);
                // The twelve withholdings add up to December's cumulative tax.
                ASSERT_EQ(year.YearTax, year.Months.back().CumulativeTax);
                before = year;
            }
        }
    }
}

TEST(ReverseForward, BonusKeepsMoreWithinABracketAndLessPastEachBound) {
    for (const Cents bound : BonusBounds()) {
        for (Cents bonus = bound - 500; bonus < bound + 500; ++bonus) {
            if (bonus == bound)
                EXPECT_LT(Kept(bound + 1), Kept(bound)) << "past " << FormatCents(bound);
            else
                ASSERT_GE(Kept(bonus + 1), Kept(bonus)) << "at " << FormatCents(bonus);
        }
    }
}

// ---- Answers ----

// The answer reaches the target and a cent less does not.
void ExpectLeastWage(Cents Target, const WageTerms &Terms) {
    const auto answer = ReverseWage(Target, Terms);
    ASSERT_TRUE(answer) << FormatCents(Target);
    EXPECT_GE(answer->YearNet, Target * Year);
    EXPECT_GE(answer->Net, Target);
    if (answer->Gross > 0) {
        EXPECT_LT(WageYearOf(answer->Gross - 1, Terms).YearNet, Target * Year)
            << "target " << FormatCents(Target) << " answered " << FormatCents(answer->Gross);
    }
}

TEST(ReverseWage, AtAndNextToEveryAnnualBound) {
    for (const auto &terms : {WageTerms{}, WageTerms{0, 0, TenAndAHalf, Yuan(2000), Yuan(100)},
                              WageTerms{Yuan(300), Yuan(1500), std::nullopt, Yuan(3000), 0}}) {
        for (const Cents gross : WageGrossesAtAnnualBounds()) {
            for (const Cents offset : {Cents{-Year}, Cents{-1}, Cents{0}, Cents{1}, Cents{Year}}) {
                const Cents net = WageYearOf(gross + offset, terms).Net;
                for (const Cents target : {net - 1, net, net + 1})
                    ExpectLeastWage(target, terms);
            }
        }
    }
}

TEST(ReverseWage, HandWorkedAtTheFirstBound) {
    // 8000 a month: 36000 taxable in the year, 1080 tax, 94920 net, 7910 a month.
    const auto at = ReverseWage(Yuan(7910), {});
    ASSERT_TRUE(at);
    EXPECT_EQ(FormatCents(at->Gross), "8000.00");
    EXPECT_EQ(FormatCents(at->YearTax), "1080.00");
    // A cent more a month needs 12 cents more in the year: 8000.01 keeps 94920.11 at 10 %.
    const auto past = ReverseWage(Yuan(7910) + 1, {});
    ASSERT_TRUE(past);
    EXPECT_EQ(FormatCents(past->Gross), "8000.02");
    EXPECT_EQ(FormatCents(past->YearNet), "94920.22");
    EXPECT_EQ(past->Months.size(), 12u);
    EXPECT_GE(past->Months.front().Net, past->Months.back().Net) << "January keeps the most";
}

TEST(ReverseWage, InsuranceByRateAroundBothBaseBounds) {
    struct {
        Cents Gross;
        const char *Insurance;
    } const cases[] = {{TenAndAHalf.BaseMin - 1, "752.01"},  {TenAndAHalf.BaseMin, "752.01"},
                       {TenAndAHalf.BaseMin + 1, "752.01"},  {Yuan(20000), "2100.00"},
                       {TenAndAHalf.BaseMax - 1, "3760.15"}, {TenAndAHalf.BaseMax, "3760.16"},
                       {TenAndAHalf.BaseMax + 1, "3760.16"}};
    const WageTerms terms{0, 0, TenAndAHalf, 0, 0};
    for (const auto &c : cases) {
        EXPECT_EQ(FormatCents(InsuranceOf(c.Gross, TenAndAHalf)), c.Insurance)
            << FormatCents(c.Gross);
        const WageYear year = WageYearOf(c.Gross, terms);
        EXPECT_EQ(FormatCents(year.Months.front().CumulativeInsurance), c.Insurance);
        for (const Cents target : {year.Net - 1, year.Net, year.Net + 1})
            ExpectLeastWage(target, terms);
    }
}

TEST(ReverseWage, LeastGrossWhereTheNetStaysPut) {
    // All of the pay between the base's bounds goes to insurance: every gross there keeps 0.
    const WageTerms terms{0, 0, InsuranceByRate{WholeInHundredths, Yuan(1000), Yuan(2000)}, 0, 0};
    EXPECT_EQ(WageYearOf(Yuan(2000), terms).YearNet, 0);
    const auto answer = ReverseWage(0, terms);
    ASSERT_TRUE(answer);
    EXPECT_EQ(FormatCents(answer->Gross), "1000.00");
}

void ExpectLeastBonus(Cents Target) {
    const auto answer = ReverseBonus(Target);
    ASSERT_TRUE(answer) << FormatCents(Target);
    EXPECT_EQ(answer->Net, Kept(answer->Gross));
    EXPECT_GE(answer->Net, Target);
    // No smaller bonus keeps as much: neither the one a cent less nor, as what is kept never
    // falls within a bracket, the top of any bracket below.
    if (answer->Gross > 0) {
        EXPECT_LT(Kept(answer->Gross - 1), Target);
    }
    for (const Cents bound : BonusBounds()) {
        if (bound < answer->Gross) {
            EXPECT_LT(Kept(bound), Target) << "the bound " << FormatCents(bound);
        }
    }
}

TEST(ReverseBonus, AtBothEndsOfEveryCliff) {
    for (const Cents bound : BonusBounds()) {
        const auto cliff = CliffAtOrAbove(bound);
        ASSERT_TRUE(cliff);
        ASSERT_EQ(cliff->From, bound);
        const Cents kept = Kept(bound);
        for (const Cents target : {kept - 1, kept, kept + 1, Kept(cliff->To), Kept(cliff->To) + 1})
            ExpectLeastBonus(target);
        // The target of the bound is met at the bound; a cent more only past the cliff.
        EXPECT_EQ(ReverseBonus(kept)->Gross, bound);
        const auto past = ReverseBonus(kept + 1);
        EXPECT_GE(past->Gross, cliff->To);
        // The cliff to watch past this one is the next.
        if (past->CliffAbove) {
            EXPECT_GT(past->CliffAbove->From, bound);
        }
    }
}

TEST(ReverseBonus, HandWorkedAtTheFirstCliff) {
    // 36000 keeps 34920 at 3 %; past it 10 % less 210 keeps that again from 38566.67.
    const auto at = ReverseBonus(Yuan(34920), Yuan(100000));
    ASSERT_TRUE(at);
    EXPECT_EQ(FormatCents(at->Gross), "36000.00");
    EXPECT_EQ(FormatCents(at->Separate.BonusTax), "1080.00");
    EXPECT_EQ(FormatCents(at->Separate.OtherTax), "7480.00");
    ASSERT_TRUE(at->CliffAbove);
    EXPECT_EQ(FormatCents(at->CliffAbove->From), "36000.00");
    EXPECT_EQ(FormatCents(at->CliffAbove->To), "38566.67");
    EXPECT_EQ(FormatCents(at->CliffAbove->Loss), "2309.99");
    const auto past = ReverseBonus(Yuan(34920) + 1);
    ASSERT_TRUE(past);
    EXPECT_EQ(FormatCents(past->Gross), "38566.68");
    EXPECT_EQ(FormatCents(past->Net), "34920.01");
    ASSERT_TRUE(past->CliffAbove);
    EXPECT_EQ(FormatCents(past->CliffAbove->From), "144000.00");
    // Past the last cliff none lies ahead.
    const Cents lastEnd = CliffAtOrAbove(BonusBounds().back())->To;
    EXPECT_FALSE(ReverseBonus(Kept(lastEnd) + 1)->CliffAbove);
}

TEST(ReverseRemuneration, AtAndNextToTheBoundsOfTheGross) {
    for (const bool nonResident : {false, true}) {
        for (const auto kind :
             {RemunerationKind::Labour, RemunerationKind::Author, RemunerationKind::Royalty}) {
            for (const Cents gross :
                 {Yuan(4000), Yuan(20000), Yuan(25000), Yuan(50000), Yuan(62500)}) {
                const Cents net = WithholdRemuneration(gross, kind, nonResident).AfterTax;
                for (const Cents target : {net - 1, net, net + 1}) {
                    const auto answer = ReverseRemuneration(target, kind, nonResident);
                    ASSERT_TRUE(answer);
                    // The net grows a cent at a time, so every target is met exactly.
                    EXPECT_EQ(answer->AfterTax, target);
                    EXPECT_LE(answer->Income, gross + 1);
                    EXPECT_LT(WithholdRemuneration(answer->Income - 1, kind, nonResident).AfterTax,
                              target);
                }
            }
        }
    }
}

TEST(ReverseRemuneration, LeastPaymentWhereTheNetStaysPut) {
    Cents gross = Yuan(10000);
    const auto net = [](Cents Payment) {
        return WithholdRemuneration(Payment, RemunerationKind::Labour).AfterTax;
    };
    while (net(gross - 1) != net(gross) && gross < Yuan(20000))
        ++gross;
    ASSERT_EQ(net(gross - 1), net(gross));
    EXPECT_LT(ReverseRemuneration(net(gross), RemunerationKind::Labour)->Income, gross);
}

TEST(Reverse, TargetsBeyondEveryGrossBelowTheLimitAreRefused) {
    const Cents last = GrossLimit - 1;
    const Cents wage = WageYearOf(last, {}).Net;
    EXPECT_TRUE(ReverseWage(wage, {}));
    EXPECT_FALSE(ReverseWage(wage + 1, {}));
    EXPECT_FALSE(ReverseWage(MaxInputCents, {0, MaxInputCents, std::nullopt, 0, 0}));
    EXPECT_TRUE(ReverseBonus(Kept(last)));
    EXPECT_FALSE(ReverseBonus(Kept(last) + 1));
    for (const bool nonResident : {false, true}) {
        const Cents net =
            WithholdRemuneration(last, RemunerationKind::Labour, nonResident).AfterTax;
        const auto answer = ReverseRemuneration(net, RemunerationKind::Labour, nonResident);
        ASSERT_TRUE(answer);
        EXPECT_LE(answer->Income, last) << "the net may stay put over the last cents";
        EXPECT_FALSE(ReverseRemuneration(net + 1, RemunerationKind::Labour, nonResident));
    }
}

// A part of the year, under each way the basic deduction accumulates: the least gross whose
// months' net reaches the target while a cent less does not; a hire from March is asked less
// than the whole year's answer.
TEST(ReverseWage, TheMonthsAskedForUnderEachMode) {
    const InsuranceByRate insurance{1050, Yuan(7460), Yuan(37302)};
    const struct {
        int First, Last;
        BasicDeduction Mode;
        Cents Net, Gross; // the answer, when worked out by hand
    } cases[] = {
        {1, 12, BasicDeduction::PerMonth, Yuan(20000), 2456704},
        {3, 12, BasicDeduction::PerMonth, Yuan(20000), 2417318},
        {3, 12, BasicDeduction::FromJanuary, Yuan(20000), 0},
        {7, 9, BasicDeduction::PerMonth, Yuan(8000), 0},
        {1, 12, BasicDeduction::Sixty, Yuan(30000), 0},
        {12, 12, BasicDeduction::FromJanuary, Yuan(5000), 0},
    };
    for (const auto &c : cases) {
        const WageTerms terms{0, 0, insurance, 0, 0, c.First, c.Last, c.Mode};
        const auto answer = ReverseWage(c.Net, terms);
        ASSERT_TRUE(answer) << c.First << "-" << c.Last;
        ASSERT_EQ(answer->Months.size(), static_cast<std::size_t>(c.Last - c.First + 1));
        EXPECT_EQ(answer->Months.front().Month, c.First);
        const Cents target = c.Net * (c.Last - c.First + 1);
        EXPECT_GE(answer->YearNet, target);
        EXPECT_LT(WageYearOf(answer->Gross - 1, terms).YearNet, target);
        if (c.Gross != 0) {
            EXPECT_EQ(FormatCents(answer->Gross), FormatCents(c.Gross)) << c.First << "-" << c.Last;
        }
    }
}

// Every month's net exactly the target, each month's gross the least that gives it, whatever the
// months, the way of deduction and the insurance.
TEST(ReverseWageEqualNet, EveryMonthNetsTheTargetToTheCent) {
    const InsuranceByRate insurance{1050, Yuan(7460), Yuan(37302)};
    const struct {
        int First, Last;
        BasicDeduction Mode;
        Cents Net;
        std::optional<InsuranceByRate> ByRate;
        Cents Special;
    } cases[] = {
        {3, 12, BasicDeduction::PerMonth, Yuan(20000), insurance, 0},
        {1, 12, BasicDeduction::PerMonth, 1234567, std::nullopt, Yuan(3000)},
        {1, 12, BasicDeduction::Sixty, Yuan(15000), insurance, Yuan(2000)},
        {5, 10, BasicDeduction::FromJanuary, Yuan(50000), insurance, 0},
        {1, 12, BasicDeduction::PerMonth, Yuan(3000), insurance, 0},
    };
    for (const auto &c : cases) {
        const WageTerms terms{0, 0, c.ByRate, c.Special, 0, c.First, c.Last, c.Mode};
        const auto answer = ReverseWageEqualNet(c.Net, terms);
        ASSERT_TRUE(answer) << c.First << "-" << c.Last;
        ASSERT_EQ(answer->Months.size(), static_cast<std::size_t>(c.Last - c.First + 1));
        std::vector<WageMonth> paid;
        Cents gross = 0;
        for (const WageWithholding &month : answer->Months) {
            SCOPED_TRACE(month.Month);
            EXPECT_EQ(month.Net, c.Net);
            const Cents insured = c.ByRate ? InsuranceOf(month.Income, *c.ByRate) : 0;
            // A cent less in this month, after the same months before, nets less.
            paid.push_back({month.Month, month.Income - 1, 0,
                            c.ByRate ? InsuranceOf(month.Income - 1, *c.ByRate) : 0, c.Special, 0});
            EXPECT_LT(WithholdWages(paid, c.Mode).back().Net, c.Net);
            paid.back() = {month.Month, month.Income, 0, insured, c.Special, 0};
            gross += month.Income;
        }
        EXPECT_EQ(answer->YearNet, c.Net * (c.Last - c.First + 1));
        EXPECT_EQ(answer->YearGross, gross);
        const std::vector<WageWithholding> forward = WithholdWages(paid, c.Mode);
        for (std::size_t i = 0; i < forward.size(); ++i)
            EXPECT_EQ(answer->Months[i].Tax, forward[i].Tax) << "the forward engine's months";
    }
    EXPECT_FALSE(ReverseWageEqualNet(MaxInputCents, {0, MaxInputCents, std::nullopt, 0, 0}));
}

TEST(ParseHundredths, ExactToTwoDecimalsOfAPercent) {
    const struct {
        const char *Text;
        std::optional<int> Hundredths;
    } cases[] = {{"10.5", 1050}, {"10.50", 1050}, {" 7 ", 700},       {"0.05", 5},  {"100", 10000},
                 {"10.", 1000},  {".5", 50},      {"0", 0},           {"", {}},     {".", {}},
                 {"10.555", {}}, {"-1", {}},      {"1e2", {}},        {"10,5", {}}, {"1.2.3", {}},
                 {"100001", {}}, {"abc", {}},     {"99999999999", {}}};
    for (const auto &c : cases)
        EXPECT_EQ(ParseHundredths(c.Text), c.Hundredths) << '"' << c.Text << '"';
}

} // namespace
