#include "engine/UNumText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace NumText {
namespace {

constexpr int SignificantDigits = 15;

// |value| as SignificantDigits decimal digits d0 d1 ... with value = d0.d1d2... x 10^exponent,
// rounded half away from zero. The exact binary value is first written with a few guard digits
// so that a tie on the 15-digit form is recognised as one.
struct Decimal15 {
    std::string digits;
    int exponent = 0;
};

Decimal15 ToDecimal15(double magnitude) {
    // The same correctly rounded digits as printf("%.20e"), several times faster: every amount
    // a page reads or shows passes through here.
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size() - 1, magnitude,
                                       std::chars_format::scientific, 20);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    std::string digits;
    std::size_t pos = 0;
    for (; pos < text.size() && text[pos] != 'e'; ++pos) {
        if (text[pos] != '.')
            digits.push_back(text[pos]);
    }
    int exponent = std::atoi(text.data() + pos + 1);
    const bool roundUp = digits[SignificantDigits] >= '5';
    digits.resize(SignificantDigits);
    if (roundUp) {
        int i = SignificantDigits - 1;
        while (i >= 0 && digits[i] == '9')
            digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    return {digits, exponent};
}

// Adds one to a decimal digit string in place.
void Increment(std::string &digits) {
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[i] == '9')
        digits[i--] = '0';
    if (i >= 0)
        ++digits[i];
    else
        digits.insert(digits.begin(), '1');
}

// The value's 15-digit form rounded half away from zero to whole cents, as an integer count of
// cents in decimal digits (no sign, "0" for zero).
std::string CentsDigits(double magnitude) {
    if (magnitude == 0)
        return "0";
    const Decimal15 d = ToDecimal15(magnitude);
    const int kept = d.exponent + 1 + 2; // digits down to the cents place
    std::string cents;
    if (kept >= SignificantDigits) {
        cents = d.digits + std::string(static_cast<std::size_t>(kept - SignificantDigits), '0');
    } else if (kept >= 0) {
        cents = d.digits.substr(0, static_cast<std::size_t>(kept));
        if (d.digits[static_cast<std::size_t>(kept)] >= '5')
            Increment(cents);
    }
    const auto first = cents.find_first_not_of('0');
    return first == std::string::npos ? "0" : cents.substr(first);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// sign? digits with at most one point (at least one digit) (e|E sign? digits)?
bool MatchesGrammar(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    int mantissaDigits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        if (IsDigit(t[i]))
            ++mantissaDigits;
        else if (t[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (mantissaDigits == 0)
        return false;
    if (i == t.size())
        return true;
    if (t[i] != 'e' && t[i] != 'E')
        return false;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    const std::size_t exponentStart = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i == t.size() && i > exponentStart;
}

std::string Mantissa(const std::string &digits) {
    std::string out(1, digits[0]);
    if (digits.size() > 1)
        out += "." + digits.substr(1);
    return out;
}

std::string FixedForm(const std::string &digits, int exponent) {
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits)
        return digits + std::string(integerDigits - digits.size(), '0');
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

} // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (!MatchesGrammar(text))
        return std::nullopt;
    if (text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> ParseAmount(std::string_view text) {
    const auto value = ParseNumber(text);
    if (!value)
        return std::nullopt;
    const double cents = RoundToCents(*value);
    if (!std::isfinite(cents) || std::fabs(cents) >= AmountLimit)
        return std::nullopt;
    return cents;
}

double RoundToCents(double value) {
    if (!std::isfinite(value))
        return value;
    // Engines decide on cents at every call, so the common case takes a short cut. Below 1E9 the
    // 15-digit form lies within 0.0001 cent of the value, so wherever the value is more than
    // 0.01 cent away from a half cent both round to the same whole cent, and n / 100 is the
    // nearest double to that amount, as the text form below gives it.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e9) {
        const double cents = magnitude * 100;
        const double whole = std::floor(cents);
        const double fraction = cents - whole;
        if (std::fabs(fraction - 0.5) > 0.01) {
            const double rounded = (fraction > 0.5 ? whole + 1 : whole) / 100;
            return value < 0 && rounded != 0 ? -rounded : rounded;
        }
    }
    const std::string text = CentsDigits(magnitude) + "e-2";
    double exact = 0;
    // Next to the largest double the 15-digit form rounds beyond it, and so beyond any number.
    if (std::from_chars(text.data(), text.data() + text.size(), exact).ec ==
        std::errc::result_out_of_range)
        exact = std::numeric_limits<double>::infinity();
    return value < 0 && exact != 0 ? -exact : exact;
}

std::string FormatGeneral(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    Decimal15 d = ToDecimal15(std::fabs(value));
    const auto last = d.digits.find_last_not_of('0');
    d.digits.resize(last + 1);
    const std::string sign = value < 0 ? "-" : "";
    if (d.exponent >= SignificantDigits || d.exponent < -5)
        return sign + Mantissa(d.digits) + "E" + std::to_string(d.exponent);
    return sign + FixedForm(d.digits, d.exponent);
}

std::string FormatCents(double value) {
    if (!std::isfinite(value))
        return FormatGeneral(value);
    std::string cents = CentsDigits(std::fabs(value));
    const bool negative = value < 0 && cents != "0";
    if (cents.size() < 3)
        cents.insert(0, 3 - cents.size(), '0');
    cents.insert(cents.size() - 2, ".");
    return negative ? "-" + cents : cents;
}

} // namespace NumText
