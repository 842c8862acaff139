#include "engine/current/Bonus.h"

#include "engine/current/Rules.h"

#include <algorithm>
#include <vector>

namespace current {
namespace {

constexpr int MonthsInYear = Law::MonthsInYear;

Cents AnnualTax(const YearRules &Rules, Cents Taxable) {
    return TaxOn(Rules.Annual, Taxable).Tax;
}

Cents KeptAfterSeparateTax(const YearRules &Rules, Cents Bonus) {
    return Bonus - TaxBonusSeparately(Bonus, Rules).Tax;
}

// The least amount above Bound (a bracket bound) that keeps at least Kept after separate tax.
// Within the bracket above the bound what is kept never falls as the bonus grows, so a binary
// search finds it; High keeps at least Kept whatever the rounding of its tax.
Cents FirstKeeping(const YearRules &Rules, Cents Bound, Cents Kept) {
    const TaxBracket above = BracketOf(Rules.Monthly, Bound + 1, MonthsInYear);
    Cents low = Bound + 1;
    Cents high = MulDiv(Kept + 1 - above.QuickDeduction, 100, 100 - above.Rate) + 1;
    while (low < high) {
        const Cents middle = low + (high - low) / 2;
        if (KeptAfterSeparateTax(Rules, middle) >= Kept)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

std::optional<BonusCliff> FindCliff(const YearRules &Rules, Cents Bonus) {
    const TaxTable brackets = Rules.Monthly.first(Rules.Monthly.size() - 1);
    for (const TaxBracket &bracket : brackets) {
        const Cents bound = bracket.UpTo * MonthsInYear;
        const Cents keptAtBound = KeptAfterSeparateTax(Rules, bound);
        const Cents kept = KeptAfterSeparateTax(Rules, Bonus);
        if (bound < Bonus && kept < keptAtBound)
            return BonusCliff{bound, FirstKeeping(Rules, bound, keptAtBound), keptAtBound - kept};
    }
    return std::nullopt;
}

// Where the least total can lie: the ends of the pool, each bound of the separate bonus within
// it, and each split that puts the rest on a bound of the annual table; and the bonus as paid,
// whose total is that of separate taxation.
std::vector<Cents> SplitCandidates(const YearRules &Rules, Cents Pool, Cents Paid) {
    std::vector<Cents> candidates{0, Pool};
    if (Paid <= Pool)
        candidates.push_back(Paid);
    for (std::size_t i = 0; i + 1 < Rules.Monthly.size(); ++i) {
        const Cents bound = Rules.Monthly[i].UpTo * MonthsInYear;
        if (bound <= Pool)
            candidates.push_back(bound);
    }
    for (std::size_t i = 0; i + 1 < Rules.Annual.size(); ++i) {
        if (Rules.Annual[i].UpTo <= Pool)
            candidates.push_back(Pool - Rules.Annual[i].UpTo);
    }
    return candidates;
}

BonusSplit BestSplit(const YearRules &Rules, Cents Pool, Cents Paid) {
    BonusSplit best{0, Pool, AnnualTax(Rules, Pool), 0};
    for (const Cents bonus : SplitCandidates(Rules, Pool, Paid)) {
        const Cents total = TaxBonusSeparately(bonus, Rules).Tax + AnnualTax(Rules, Pool - bonus);
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

BonusComparison CompareBonus(Cents Bonus, Cents OtherTaxable, const YearRules &Rules) {
    BonusComparison c;
    const Cents otherTax = AnnualTax(Rules, std::max(Cents{0}, OtherTaxable));

    const Cents pool = std::max(Cents{0}, OtherTaxable + Bonus);
    const TaxDue merged = TaxOn(Rules.Annual, pool);
    c.Merged = {pool, merged.Rate, merged.QuickDeduction, merged.Tax - otherTax, merged.Tax};
    if (!Rules.SeparateBonus) {
        c.SeparateAllowed = false;
        c.Better = BetterMethod::Merged;
        c.BestSplit = {0, pool, merged.Tax, 0};
        return c;
    }

    const TaxDue separate = TaxBonusSeparately(Bonus, Rules);
    c.Separate = {separate.Rate, separate.QuickDeduction, separate.Tax, otherTax,
                  separate.Tax + otherTax};

    const Cents difference = c.Separate.Total - c.Merged.Total;
    c.Better = difference < 0   ? BetterMethod::Separate
               : difference > 0 ? BetterMethod::Merged
                                : BetterMethod::Equal;
    c.Saving = difference < 0 ? -difference : difference;

    c.Cliff = FindCliff(Rules, Bonus);
    c.BestSplit = BestSplit(Rules, pool, Bonus);
    c.BestSplit.Saving = std::min(c.Separate.Total, c.Merged.Total) - c.BestSplit.Total;
    return c;
}

NonResidentBonus TaxNonResidentBonus(Cents Bonus, const YearRules &Rules) {
    NonResidentBonus b;
    b.Bonus = Bonus;
    b.Average = MulDiv(Bonus, 1, Law::NonResidentBonusMonths);
    const TaxDue due = TaxOn(Rules.Monthly, b.Average);
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
        const YearRules &rules = LatestRules();
        const Cents keptAtBound = KeptAfterSeparateTax(rules, bound);
        return BonusCliff{bound, FirstKeeping(rules, bound, keptAtBound),
                          keptAtBound - KeptAfterSeparateTax(rules, bound + 1)};
    }
    return std::nullopt;
}

} // namespace current
