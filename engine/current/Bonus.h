#pragma once
// The annual bonus (全年一次性奖金): taxed on its own (单独计税, allowed to the end of 2027) or
// merged into the year's comprehensive income (并入综合所得), which of the two costs less, the
// amounts just above a bracket bound that leave less after tax than the bound itself, and the
// split of the year's pool between bonus and wages that costs least.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"
#include "engine/current/TaxTable.h"

#include <optional>

namespace current {

enum class BonusMethod { Separate, Merged };

// The bonus alone: the bracket of a twelfth of it on the monthly table of Rules' year, its tax
// once.
TaxDue TaxBonusSeparately(Cents Bonus, const YearRules &Rules = LatestRules());

struct SeparateBonus {
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents BonusTax = 0;
    Cents OtherTax = 0; // the annual-table tax on the other taxable income
    Cents Total = 0;
};

struct MergedBonus {
    Cents Taxable = 0; // the other taxable income plus the bonus, at least 0
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents BonusTax = 0; // what merging the bonus adds to the tax of the other income
    Cents Total = 0;
};

enum class BetterMethod { Separate, Merged, Equal };

// A separately taxed bonus above a bound that keeps less after tax than a bonus of the bound.
struct BonusCliff {
    Cents From = 0; // the bound
    Cents To = 0;   // the least bonus above it that keeps at least as much as the bound
    Cents Loss = 0; // how much more a bonus of exactly the bound keeps
};

// The pool (other taxable income plus bonus) split into a separately taxed bonus and the rest on
// the annual table, the least total over the splits where the totals change slope: the ends of
// the pool, each bound of the separate bonus within it and each split putting the rest on a bound
// of the annual table. Between those the totals differ only by the rounding of cents, which may
// favour the bonus as paid by a cent, so that split is a candidate too: the best split never
// costs more than the better method.
struct BonusSplit {
    Cents Bonus = 0;
    Cents WageTaxable = 0;
    Cents Total = 0;
    Cents Saving = 0; // against the better of the two methods
};

struct BonusComparison {
    // Whether the year's law has the separate method; without it Separate is empty, the bonus
    // merged is all there is (Better Merged, no saving, no cliff, no split but the whole pool).
    bool SeparateAllowed = true;
    SeparateBonus Separate;
    MergedBonus Merged;
    BetterMethod Better = BetterMethod::Equal;
    Cents Saving = 0; // how much the better method saves against the other
    std::optional<BonusCliff> Cliff;
    BonusSplit BestSplit;
};

// Bonus ≥ 0; OtherTaxable is the year's other comprehensive taxable income, negative when
// deductions are left unused; under the tables and the separate method of Rules' year.
BonusComparison CompareBonus(Cents Bonus, Cents OtherTaxable,
                             const YearRules &Rules = LatestRules());

// A non-resident's bonus for several months paid in one month (数月奖金): spread over six months
// on the monthly table without any deduction, apart from that month's wage, once a calendar year.
// Each step is rounded to cents.
struct NonResidentBonus {
    Cents Bonus = 0;
    Cents Average = 0; // the bonus ÷ 6
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents MonthlyTax = 0; // the average × rate − quick deduction
    Cents Tax = 0;        // the monthly tax × 6
    Cents AfterTax = 0;
};

NonResidentBonus TaxNonResidentBonus(Cents Bonus, const YearRules &Rules = LatestRules());

// The cliff of the nearest bound at or above Bonus, for a bonus still to be agreed: Loss is what a
// bonus a cent above the bound keeps less than the bound, the most lost in the cliff. None above
// the last bound.
std::optional<BonusCliff> CliffAtOrAbove(Cents Bonus);

} // namespace current
