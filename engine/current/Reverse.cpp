#include "engine/current/Reverse.h"

#include "engine/current/Rules.h"

#include <algorithm>

namespace current {
namespace {

// The searches below rely on these: a cent more of taxable income never costs a whole cent more
// tax, and a cent more of a year's pay less insurance (twelve cents, one a month) costs less than
// twelve cents more tax even at the top rate with a cent of rounding.
constexpr bool EveryRateBelowWhole(TaxTable Table) {
    return std::all_of(Table.begin(), Table.end(),
                       [](const TaxBracket &Bracket) { return Bracket.Rate < 100; });
}
static_assert(EveryRateBelowWhole(Tables::Annual) && EveryRateBelowWhole(Tables::Monthly) &&
              EveryRateBelowWhole(Tables::Labour) && EveryRateBelowWhole(Tables::FlatTwenty));
static_assert(Tables::Annual.back().Rate * Law::MonthsInYear + 100 < 100 * Law::MonthsInYear);

// The least gross in [0, GrossLimit) for which Reaches holds, where Reaches, once it holds, holds
// for every larger gross; none when it fails even just below the limit. About 47 steps.
template <class Predicate> std::optional<Cents> LeastGross(Predicate Reaches) {
    Cents low = 0;
    Cents high = GrossLimit - 1;
    if (!Reaches(high))
        return std::nullopt;
    while (low < high) {
        const Cents middle = low + (high - low) / 2;
        if (Reaches(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Rounded towards minus infinity, so that a negative net is not shown as more than it is.
Cents FloorDiv(Cents Amount, Cents Divisor) {
    const Cents quotient = Amount / Divisor;
    return quotient * Divisor > Amount ? quotient - 1 : quotient;
}

Cents KeptAfterSeparateTax(Cents Bonus) {
    return Bonus - TaxBonusSeparately(Bonus).Tax;
}

// The most that any bonus up to Bonus keeps after separate taxation. What a bonus keeps falls
// past each bound of the table, but within a bracket it never falls (a cent more of bonus costs
// at most a cent of rounding at a rate below 100 %), so the most lies at Bonus itself or at the
// top of a bracket below it: the bounds below Bonus.
Cents MostKeptUpTo(Cents Bonus) {
    Cents most = KeptAfterSeparateTax(Bonus);
    for (const TaxBracket &bracket : Tables::Monthly.first(Tables::Monthly.size() - 1)) {
        const Cents bound = bracket.UpTo * Law::MonthsInYear;
        if (bound < Bonus)
            most = std::max(most, KeptAfterSeparateTax(bound));
    }
    return most;
}

} // namespace

std::optional<int> ParseHundredths(std::string_view Text) {
    constexpr int Most = 1000 * WholeInHundredths;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!Text.empty() && blank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && blank(Text.back()))
        Text.remove_suffix(1);
    int value = 0;
    int digits = 0;
    int decimals = -1; // none until the point
    for (const char c : Text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || decimals == 2)
            return std::nullopt;
        if (decimals >= 0)
            ++decimals;
        value = value * 10 + (c - '0');
        ++digits;
        if (value > Most)
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    for (int place = std::max(decimals, 0); place < 2; ++place)
        value *= 10;
    if (value > Most)
        return std::nullopt;
    return value;
}

Cents InsuranceOf(Cents Gross, const InsuranceByRate &Rate) {
    const Cents base = std::min(std::max(Gross, Rate.BaseMin), Rate.BaseMax);
    return MulDiv(base, Rate.Hundredths, WholeInHundredths);
}

namespace {

Cents InsuranceFor(Cents Gross, const WageTerms &Terms) {
    return Terms.ByRate ? InsuranceOf(Gross, *Terms.ByRate) : Terms.Insurance;
}

WageMonth MonthOf(int Month, Cents Gross, const WageTerms &Terms) {
    return {Month, Gross, Terms.Exempt, InsuranceFor(Gross, Terms), Terms.Special, Terms.Other};
}

WageYear YearOf(const std::vector<WageMonth> &Months, const WageTerms &Terms) {
    WageYear year;
    year.Gross = Months.empty() ? 0 : Months.front().Income;
    year.Months = WithholdWages(Months, Terms.Mode);
    for (std::size_t i = 0; i < Months.size(); ++i) {
        year.YearGross += Months[i].Income;
        year.YearInsurance += Months[i].Insurance;
        year.YearTax += year.Months[i].Tax;
        year.YearNet += year.Months[i].Net;
    }
    year.Net = FloorDiv(year.YearNet, std::max(1, Terms.MonthCount()));
    return year;
}

} // namespace

WageYear WageYearOf(Cents Gross, const WageTerms &Terms) {
    std::vector<WageMonth> months;
    months.reserve(static_cast<std::size_t>(std::max(0, Terms.MonthCount())));
    for (int month = Terms.First; month <= Terms.Last; ++month)
        months.push_back(MonthOf(month, Gross, Terms));
    return YearOf(months, Terms);
}

// The months' net never falls as the gross grows. A cent more gross adds a cent to each month's
// pay less insurance, or nothing when the insurance's rounding takes that cent (its rate is at
// most 100 % of a base that never falls). Each month's cumulative tax never falls as its taxable
// income grows, and the withholdings, with no refund within the year, add up to the highest
// cumulative tax of the months; a cent more of pay in each of n months adds at most n cents to any
// cumulative taxable income, which cost less than n cents more tax (the static_assert above, for
// n up to twelve), so the net grows by at least a cent for each of them. Where the insurance takes
// the cent the net stays put, and the search still finds the least gross, as the predicate
// "reaches the target" stays monotone. The same holds under every way the basic deduction
// accumulates: it does not depend on the gross.
std::optional<WageYear> ReverseWage(Cents MonthlyNet, const WageTerms &Terms) {
    const Cents target = MonthlyNet * Terms.MonthCount();
    const auto gross =
        LeastGross([&](Cents Gross) { return WageYearOf(Gross, Terms).YearNet >= target; });
    if (!gross)
        return std::nullopt;
    return WageYearOf(*gross, Terms);
}

// With the months before fixed, a month's net never falls as its gross grows, and grows by a cent
// or not at all: a cent more gross goes either to the insurance's rounding (the taxable income
// then stays put) or to the taxable income, whose tax grows by at most a cent (every rate below
// 100 %, the table continuous at its bounds), and the month's tax is what the cumulative tax
// exceeds the tax withheld before by, or nothing. So the least gross whose net reaches the target
// has a net of exactly the target, and later months see the earlier ones as they are paid.
std::optional<WageYear> ReverseWageEqualNet(Cents MonthlyNet, const WageTerms &Terms) {
    std::vector<WageMonth> months;
    months.reserve(static_cast<std::size_t>(std::max(0, Terms.MonthCount())));
    for (int month = Terms.First; month <= Terms.Last; ++month) {
        months.push_back(MonthOf(month, 0, Terms));
        const auto gross = LeastGross([&](Cents Gross) {
            months.back() = MonthOf(month, Gross, Terms);
            return WithholdWages(months, Terms.Mode).back().Net >= MonthlyNet;
        });
        if (!gross)
            return std::nullopt;
        months.back() = MonthOf(month, *gross, Terms);
    }
    return YearOf(months, Terms);
}

// What a bonus keeps falls past each bound, so the search runs over MostKeptUpTo instead, which
// never falls. The least bonus at which the most kept so far reaches the target is the least
// bonus that keeps as much itself: up to the bonus before it nothing kept that much, so this one
// does.
std::optional<BonusReverse> ReverseBonus(Cents Net, Cents OtherTaxable) {
    const auto gross = LeastGross([&](Cents Bonus) { return MostKeptUpTo(Bonus) >= Net; });
    if (!gross)
        return std::nullopt;
    BonusReverse answer;
    answer.Gross = *gross;
    answer.Separate = CompareBonus(*gross, OtherTaxable).Separate;
    answer.Net = *gross - answer.Separate.BonusTax;
    answer.CliffAbove = CliffAtOrAbove(*gross);
    return answer;
}

// The net never falls as the payment grows, and grows by a cent or not at all. A cent more of
// payment adds at most a cent to the deduction (800 up to 4000, 20 % above, the two equal at
// 4000), so the taxable amount grows by a cent or not at all, and so does 70 % of it, rounded, for
// author remuneration; the tax on a cent more of taxable amount grows by at most a cent (every
// rate below 100 %, each table continuous at its bounds). Where the net stays put the search still
// finds the least payment.
std::optional<Remuneration> ReverseRemuneration(Cents Net, RemunerationKind Kind,
                                                bool NonResident) {
    const auto gross = LeastGross([&](Cents Payment) {
        return WithholdRemuneration(Payment, Kind, NonResident).AfterTax >= Net;
    });
    if (!gross)
        return std::nullopt;
    return WithholdRemuneration(*gross, Kind, NonResident);
}

} // namespace current
