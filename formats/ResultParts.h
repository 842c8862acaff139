#pragma once
// The pieces several results of Result.h are made of, so that one record reads alike wherever it
// appears: for the files of the results only.

#include "formats/Result.h"

namespace formats {

Json Money(current::Cents Amount); // "1234.50"
Json WageMonthJson(const current::WageWithholding &Month);
Json SeparateBonusJson(const current::SeparateBonus &Separate);
Json CliffJson(const std::optional<current::BonusCliff> &Cliff); // null without one

} // namespace formats
