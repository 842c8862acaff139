#include "engine/current/Bonus.h"

#include "engine/current/Rules.h"

#include <algorithm>
#include <vector>

namespace current {
namespace {

constexpr int MonthsInYear = Law::MonthsInYear;

Cents AnnualTax(Cents Taxable) {
    return TaxOn(Tables::Annual, Taxable).Tax;
}

Cents KeptAfterSeparateTax(Cents Bonus) {
    return Bonus - TaxBonusSeparately(Bonus).Tax;
}

// The least amount above Bound (a bracket bound) that keeps at least Kept after separate tax.
// Within the bracket above the bound what is kept never falls as the bonus grows, so a binary
// search finds it; High keeps at least Kept whatever the rounding of its tax.
Cents FirstKeeping(Cents Bound, Cents Kept) {
    const TaxBracket above = BracketOf(Tables::Monthly, Bound + 1, MonthsInYear);
    Cents low = Bound + 1;
    Cents high = MulDiv(Kept + 1 - above.QuickDeduction, 100, 100 - above.Rate) + 1;
    while (low < high) {
        const Cents middle = low + (high - low) / 2;
        if (KeptAfterSeparateTax(middle) >= Kept)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

std::optional<BonusCliff> FindCliff(Cents Bonus) {
    const TaxTable brackets = Tables::Monthly.first(Tables::Monthly.size() - 1);
    for (const TaxBracket &bracket : brackets) {
        const Cents bound = bracket.UpTo * MonthsInYear;
        const Cents keptAtBound = KeptAfterSeparateTax(bound);
        const Cents kept = KeptAfterSeparateTax(Bonus);
        if (bound < Bonus && kept < keptAtBound)
            return BonusCliff{bound, FirstKeeping(bound, keptAtBound), keptAtBound - kept};
    }
    return std::nullopt;
}

// Where the least total can lie: the ends of the pool, each bound of the separate bonus within
// it, and each split that puts the rest on a bound of the annual table; and the bonus as paid,
// whose total is that of separate taxation.
std::vector<Cents> SplitCandidates(Cents Pool, Cents Paid) {
    std::vector<Cents> candidates{0, Pool};
    if (Paid <= Pool)
        candidates.push_back(Paid);
    for (std::size_t i = 0; i + 1 < Tables::Monthly.size(); ++i) {
        const Cents bound = Tables::Monthly[i].UpTo * MonthsInYear;
        if (bound <= Pool)
            candidates.push_back(bound);
    }
    for (std::size_t i = 0; i + 1 < Tables::Annual.size(); ++i) {
        if (Tables::Annual[i].UpTo <= Pool)
            candidates.push_back(Pool - Tables::Annual[i].UpTo);
    }
    return candidates;
}

BonusSplit BestSplit(Cents Pool, Cents Paid) {
    BonusSplit best{0, Pool, AnnualTax(Pool), 0};
    for (const Cents bonus : SplitCandidates(Pool, Paid)) {
        const Cents total = TaxBonusSeparately(bonus).Tax + AnnualTax(Pool - bonus);
        if (total < best.Total || (total == best.Total && bonus < best.Bonus))
            best = {bonus, Pool - bonus, total, 0};
    }
    return best;
}

} // namespace

TaxDue TaxBonusSeparately(Cents Bonus, const YearRules &Rules) {
    if (Bonus <= 0)
        return {};
    const TaxBracket bracket = BracketOf(Rules.Monthly, Bonus, MonthsInYear);
    return {bracket.Rate, bracket.QuickDeduction,
            Percent(Bonus, bracket.Rate) - bracket.QuickDeduction};
}

BonusComparison CompareBonus(Cents Bonus, Cents OtherTaxable) {
    BonusComparison c;
    const Cents otherTax = AnnualTax(std::max(Cents{0}, OtherTaxable));

    const TaxDue separate = TaxBonusSeparately(Bonus);
    c.Separate = {separate.Rate, separate.QuickDeduction, separate.Tax, otherTax,
                  separate.Tax + otherTax};

    const Cents pool = std::max(Cents{0}, OtherTaxable + Bonus);
    const TaxDue merged = TaxOn(Tables::Annual, pool);
    c.Merged = {pool, merged.Rate, merged.QuickDeduction, merged.Tax - otherTax, merged.Tax};

    const Cents difference = c.Separate.Total - c.Merged.Total;
    c.Better = difference < 0   ? BetterMethod::Separate
               : difference > 0 ? BetterMethod::Merged
                                : BetterMethod::Equal;
    c.Saving = difference < 0 ? -difference : difference;

    c.Cliff = FindCliff(Bonus);
    c.BestSplit = BestSplit(pool, Bonus);
    c.BestSplit.Saving = std::min(c.Separate.Total, c.Merged.Total) - c.BestSplit.Total;
    return c;
}

NonResidentBonus TaxNonResidentBonus(Cents Bonus) {
    NonResidentBonus b;
    b.Bonus = Bonus;
    b.Average = MulDiv(Bonus, 1, Law::NonResidentBonusMonths);
    const TaxDue due = TaxOn(Tables::Monthly, b.Average);
    b.Rate = due.Rate;
    b.QuickDeduction = due.QuickDeduction;
    b.MonthlyTax = due.Tax;
    b.Tax = due.Tax * Law::NonResidentBonusMonths;
    b.AfterTax = Bonus - b.Tax;
    return b;
}

std::optional<BonusCliff> CliffAtOrAbove(Cents Bonus) {
    for (const TaxBracket &bracket : Tables::Monthly.first(Tables::Monthly.size() - 1)) {
        const Cents bound = bracket.UpTo * MonthsInYear;
        if (bound < Bonus)
            continue;
        const Cents keptAtBound = KeptAfterSeparateTax(bound);
        return BonusCliff{bound, FirstKeeping(bound, keptAtBound),
                          keptAtBound - KeptAfterSeparateTax(bound + 1)};
    }
    return std::nullopt;
}

} // namespace current
