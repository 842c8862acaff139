#pragma once
// From the figure wanted after tax back to the gross to ask for, under the law in force: the
// least gross whose forward calculation reaches the target, found by a binary search on cents over
// the forward engines themselves, so that an answer can never drift from what the forward pages
// and commands compute for it.

#include "engine/current/Bonus.h"
#include "engine/current/Money.h"
#include "engine/current/Remuneration.h"
#include "engine/current/TaxTable.h"
#include "engine/current/Wage.h"

#include <optional>
#include <string_view>
#include <vector>

namespace current {

// The grosses searched lie below 10^12 yuan; a target that none of them reaches is refused.
inline constexpr Cents GrossLimit = Yuan(1'000'000'000'000);

// A rate given to two decimals of a percent, held exactly as hundredths of a percent.
inline constexpr int WholeInHundredths = 100 * 100;

// "10.5" gives 1050: digits with at most two decimals, blanks around them tolerated; none for
// anything else (a sign, an exponent, a third decimal) or beyond 100000 %.
std::optional<int> ParseHundredths(std::string_view Text);

// Insurance (专项扣除) as a share of the gross, levied on the gross held within the base's floor
// and ceiling.
struct InsuranceByRate {
    int Hundredths = 0; // of a percent, 0 to WholeInHundredths
    Cents BaseMin = 0;
    Cents BaseMax = Unbounded; // at least BaseMin
};

// round(rate × min(max(Gross, floor), ceiling)), half away from zero.
Cents InsuranceOf(Cents Gross, const InsuranceByRate &Rate);

// What a monthly wage, paid in the months First to Last at one employer, is reduced by, and how
// the basic deduction accumulates there. The caller keeps 1 <= First <= Last <= 12, and Sixty
// only with First 1 (the rule holds only for a year from January).
struct WageTerms {
    Cents Exempt = 0;
    Cents Insurance = 0; // a fixed amount a month, unless ByRate is given
    std::optional<InsuranceByRate> ByRate;
    Cents Special = 0;
    Cents Other = 0;
    int First = 1;
    int Last = Law::MonthsInYear;
    BasicDeduction Mode = BasicDeduction::PerMonth;

    int MonthCount() const { return Last - First + 1; }
};

struct WageYear {
    Cents Gross = 0; // a month; with a gross of each month's own, the first month's
    Cents Net = 0;   // the months' net ÷ their number, rounded down: at least a target it reaches
    std::vector<WageWithholding> Months;
    Cents YearGross = 0;
    Cents YearInsurance = 0;
    Cents YearTax = 0;
    Cents YearNet = 0;
};

// The forward calculation: the cumulative withholding of Gross in each of the terms' months.
WageYear WageYearOf(Cents Gross, const WageTerms &Terms);

// The least monthly gross whose months' net together is at least MonthlyNet × their number.
std::optional<WageYear> ReverseWage(Cents MonthlyNet, const WageTerms &Terms);

// A gross of each month's own, month after month the least whose net is exactly MonthlyNet, as
// an agreement written in net pay requires; none when no gross below the limit reaches it in
// some month.
std::optional<WageYear> ReverseWageEqualNet(Cents MonthlyNet, const WageTerms &Terms);

struct BonusReverse {
    Cents Gross = 0;
    Cents Net = 0; // kept after separate taxation
    SeparateBonus Separate;
    // The nearest bound at or above Gross and the end of the range above it that keeps less;
    // Loss is what a bonus a cent above the bound keeps less than the bound, the most lost there.
    std::optional<BonusCliff> CliffAbove;
};

// The least bonus that keeps at least Net after separate taxation; OtherTaxable as in
// CompareBonus, for the tax of the rest of the year beside it.
std::optional<BonusReverse> ReverseBonus(Cents Net, Cents OtherTaxable = 0);

// The least payment whose net of withholding is at least Net.
std::optional<Remuneration> ReverseRemuneration(Cents Net, RemunerationKind Kind,
                                                bool NonResident = false);

} // namespace current
