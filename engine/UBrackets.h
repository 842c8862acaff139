#pragma once
// Bracket lookup over ascending upper bounds, shared by the engines that hold their brackets that
// way. Pure, so that it can live in the engine library.

#include <cstddef>
#include <cstdint>
#include <span>

namespace Brackets {

// The first index whose upper bound is at or above the value; the number of bounds when the value
// lies above the last one. A value on a bound belongs to that bound's (lower) bracket.
constexpr int FindLevel(std::span<const int32_t> bounds, double value) {
    std::size_t i = 0;
    while (i < bounds.size() && value > bounds[i])
        ++i;
    return static_cast<int>(i);
}

} // namespace Brackets
