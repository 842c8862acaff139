#pragma once
// Progressive tax tables as data: each bracket's inclusive upper bound ("不超过"), its rate in
// whole percent and its quick deduction. A change of law is a new table, not new code.

#include "engine/current/Money.h"

#include <limits>
#include <span>

namespace current {

// The upper bound of the last bracket, which has none.
inline constexpr Cents Unbounded = std::numeric_limits<Cents>::max();

struct TaxBracket {
    Cents UpTo = Unbounded; // inclusive
    int Rate = 0;           // whole percent
    Cents QuickDeduction = 0;
};

// Brackets in ascending order, the last one unbounded.
using TaxTable = std::span<const TaxBracket>;

namespace Tables {

// 综合所得 (预扣率表一), by the year.
inline constexpr TaxBracket AnnualBrackets[] = {{Yuan(36000), 3, 0},
                                                {Yuan(144000), 10, Yuan(2520)},
                                                {Yuan(300000), 20, Yuan(16920)},
                                                {Yuan(420000), 25, Yuan(31920)},
                                                {Yuan(660000), 30, Yuan(52920)},
                                                {Yuan(960000), 35, Yuan(85920)},
                                                {Unbounded, 45, Yuan(181920)}};
// 月度税率表 (also 预扣率表三 and the table of the separately taxed annual bonus).
inline constexpr TaxBracket MonthlyBrackets[] = {{Yuan(3000), 3, 0},
                                                 {Yuan(12000), 10, Yuan(210)},
                                                 {Yuan(25000), 20, Yuan(1410)},
                                                 {Yuan(35000), 25, Yuan(2660)},
                                                 {Yuan(55000), 30, Yuan(4410)},
                                                 {Yuan(80000), 35, Yuan(7160)},
                                                 {Unbounded, 45, Yuan(15160)}};
// 预扣率表二: labour remuneration of a resident, per payment.
inline constexpr TaxBracket LabourBrackets[] = {
    {Yuan(20000), 20, 0}, {Yuan(50000), 30, Yuan(2000)}, {Unbounded, 40, Yuan(7000)}};
// One flat rate: author remuneration and royalties of a resident.
inline constexpr TaxBracket FlatTwentyBrackets[] = {{Unbounded, 20, 0}};

inline constexpr TaxTable Annual{AnnualBrackets};
inline constexpr TaxTable Monthly{MonthlyBrackets};
inline constexpr TaxTable Labour{LabourBrackets};
inline constexpr TaxTable FlatTwenty{FlatTwentyBrackets};

} // namespace Tables

// Rate, quick deduction and tax of one taxable amount; all zero for an amount of 0 or less.
struct TaxDue {
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;
};

// The bracket of Amount ÷ Periods, decided without dividing: the first bracket with
// Amount ≤ Periods × its bound. An amount of 0 or less has no bracket: rate 0, deduction 0.
constexpr TaxBracket BracketOf(TaxTable Table, Cents Amount, int Periods = 1) {
    if (Amount <= 0)
        return {0, 0, 0};
    for (const TaxBracket &bracket : Table.first(Table.size() - 1)) {
        if (Amount <= bracket.UpTo * Periods)
            return bracket;
    }
    return Table.back();
}

// round(Taxable × rate %) − quick deduction.
inline TaxDue TaxOn(TaxTable Table, Cents Taxable) {
    const TaxBracket bracket = BracketOf(Table, Taxable);
    if (Taxable <= 0)
        return {};
    return {bracket.Rate, bracket.QuickDeduction,
            Percent(Taxable, bracket.Rate) - bracket.QuickDeduction};
}

// A table is sound when its bounds ascend, its last bracket is unbounded and each quick
// deduction makes the tax continuous at the bound below it.
constexpr bool IsSound(TaxTable Table) {
    if (Table.empty() || Table.back().UpTo != Unbounded || Table.front().QuickDeduction != 0)
        return false;
    for (std::size_t i = 1; i < Table.size(); ++i) {
        const TaxBracket &below = Table[i - 1];
        const TaxBracket &above = Table[i];
        if (below.UpTo >= above.UpTo || (above.Rate - below.Rate) * below.UpTo !=
                                            (above.QuickDeduction - below.QuickDeduction) * 100)
            return false;
    }
    return true;
}

static_assert(IsSound(Tables::Annual) && IsSound(Tables::Monthly) && IsSound(Tables::Labour) &&
              IsSound(Tables::FlatTwenty));

} // namespace current
