#pragma once
// Bracket lookup over ascending upper bounds, shared by the engines that hold their brackets that
// way. Pure, so that it can live in the engine library.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace Brackets {

// A progressive table as the law states it, for whoever shows it (the calculation pictures): the
// upper bound of every bracket but the last, and every bracket's rate as a fraction. The quick
// deductions follow from these two.
struct Schedule {
    std::vector<double> UpperBounds;
    std::vector<double> Rates;
};

// The first index whose upper bound is at or above the value; the number of bounds when the value
// lies above the last one. A value on a bound belongs to that bound's (lower) bracket.
constexpr int FindLevel(std::span<const int32_t> bounds, double value) {
    std::size_t i = 0;
    while (i < bounds.size() && value > bounds[i])
        ++i;
    return static_cast<int>(i);
}

} // namespace Brackets
