#pragma once
// What a bonus keeps after tax, bonus by bonus, under both methods: the points of the bonus page's
// chart. Each point's taxes come from the bonus engine; this only chooses where to sample.

#include "engine/current/Money.h"

#include <vector>

namespace BonusCurve {

struct Point {
    current::Cents Bonus = 0;
    current::Cents SeparateKept = 0; // the bonus less its tax when taxed on its own
    current::Cents MergedKept = 0;   // the bonus less what merging it adds to the year's tax
};

// Where the chart ends: a tenth past the bonus, and at least a thousand yuan past it.
current::Cents End(current::Cents Bonus);

// The bonus and what it keeps under both methods, with the year's other taxable income given.
Point At(current::Cents Bonus, current::Cents OtherTaxable);

// Points from 0 to End in ascending order: Steps even steps, and around every place where a method
// changes its bracket within the range (each bound of the separate bonus, a cent below, at and a
// cent above it, where the drop is; each bonus that takes the merged income to a bound of the
// annual table), so that a drop is drawn upright and no bend is cut off.
std::vector<Point> Sample(current::Cents End, current::Cents OtherTaxable, int Steps = 400);

} // namespace BonusCurve
