#pragma once
// Amounts as text: the parsing every page applies to what the user typed, and the display forms
// of results. Pure functions, independent of locale and of any toolkit.

#include <optional>
#include <string>
#include <string_view>

namespace NumText {

// Amounts are below this in magnitude: up to it every cent lies within the 15 significant digits
// an amount is computed and shown with, and no engine's result can overflow a double.
inline constexpr double AmountLimit = 1e13;

// Text to number, then rounded to cents ("0.00" step): "3.405" gives 3.41, "-1.005" gives -1.01.
// Empty text, a lone ".", anything that is not wholly a number and amounts of AmountLimit or more
// give no value. Blanks around the number are tolerated (pasted text).
std::optional<double> ParseAmount(std::string_view text);

// The grammar alone, without the rounding to cents.
std::optional<double> ParseNumber(std::string_view text);

// A computed value rounded half away from zero to cents on its 15-digit decimal form. A value so
// close to the largest double that this form lies beyond it gives an infinity (and as a typed
// amount, no value).
double RoundToCents(double value);

// General display form: up to 15 significant digits, no needless zeros or point, no grouping;
// scientific ("1E15", "1.5E-7") at 1E15 and above or below 0.00001 in magnitude.
std::string FormatGeneral(double value);

// Fixed form with exactly two decimals, rounded like RoundToCents ("1500.03").
std::string FormatCents(double value);

} // namespace NumText
