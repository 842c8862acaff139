#include "pages/UBonusCurve.h"

#include "engine/current/Bonus.h"

#include <algorithm>

namespace BonusCurve {
namespace {

using current::Cents;

constexpr int MonthsInYear = 12;

// The bonuses where a method changes its bracket: each bound of the separate bonus (a twelfth on
// the monthly table) and each bonus that brings the merged income to a bound of the annual table.
std::vector<Cents> BracketChanges(Cents OtherTaxable) {
    std::vector<Cents> changes;
    const current::TaxTable monthly = current::Tables::Monthly;
    for (const current::TaxBracket &bracket : monthly.first(monthly.size() - 1)) {
        const Cents bound = bracket.UpTo * MonthsInYear;
        changes.insert(changes.end(), {bound - 1, bound, bound + 1});
    }
    const current::TaxTable annual = current::Tables::Annual;
    for (const current::TaxBracket &bracket : annual.first(annual.size() - 1))
        changes.push_back(bracket.UpTo - OtherTaxable);
    return changes;
}

} // namespace

Cents End(Cents Bonus) {
    return Bonus + std::max(current::MulDiv(Bonus, 1, 10), current::Yuan(1000));
}

Point At(Cents Bonus, Cents OtherTaxable) {
    const current::BonusComparison c = current::CompareBonus(Bonus, OtherTaxable);
    return {Bonus, Bonus - c.Separate.BonusTax, Bonus - c.Merged.BonusTax};
}

std::vector<Point> Sample(Cents End, Cents OtherTaxable, int Steps) {
    std::vector<Cents> bonuses;
    for (int i = 0; i <= Steps; ++i)
        bonuses.push_back(current::MulDiv(End, i, Steps));
    for (const Cents change : BracketChanges(OtherTaxable)) {
        if (change > 0 && change < End)
            bonuses.push_back(change);
    }
    std::sort(bonuses.begin(), bonuses.end());
    bonuses.erase(std::unique(bonuses.begin(), bonuses.end()), bonuses.end());

    std::vector<Point> points;
    points.reserve(bonuses.size());
    for (const Cents bonus : bonuses)
        points.push_back(At(bonus, OtherTaxable));
    return points;
}

} // namespace BonusCurve
