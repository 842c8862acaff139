#pragma once
// Money of the current-law engines: whole cents in 64 bits, never floating point. Every amount
// formed by a rate is rounded to cents half away from zero as soon as it is formed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace current {

using Cents = std::int64_t;

// The largest amount an input may hold: ten thousand billion yuan. Sums of a year's amounts and
// their products with a percentage stay far inside 64 bits.
inline constexpr Cents MaxInputCents = Cents{10'000'000'000'000} * 100;
// The largest amount taken on every way in (a page, the command line, a sheet, a year or
// household file): 9999999999999.99 yuan, the last below MaxInputCents, which no amount reaches.
inline constexpr Cents LargestInputCents = MaxInputCents - 1;

// Whole yuan in cents, for the constants of the law.
constexpr Cents Yuan(std::int64_t Amount) {
    return Amount * 100;
}

// Amount × Numerator / Denominator, rounded half away from zero (Denominator > 0).
Cents MulDiv(Cents Amount, std::int64_t Numerator, std::int64_t Denominator);

// round(Amount × Rate %), half away from zero.
inline Cents Percent(Cents Amount, int Rate) {
    return MulDiv(Amount, Rate, 100);
}

// Text to cents as the pages parse amounts (blanks around it tolerated, rounded half away from
// zero on the decimal digits); none for text that is not a number or reaches MaxInputCents in
// magnitude (the pages refuse such amounts too).
std::optional<Cents> ParseCents(std::string_view Text);

// Exactly two decimals, no grouping: 123450 gives "1234.50", -5 gives "-0.05".
std::string FormatCents(Cents Amount);

// An amount of the law as the law writes it: whole yuan without decimals ("5000"), otherwise with
// two ("38566.67").
std::string FormatYuan(Cents Amount);

} // namespace current
