// The display forms of any double: the general form has the shape the pages promise and reads
// back to 15 digits; the "0.00" form and RoundToCents agree to the last bit, half-cent ties
// included (RoundToCents takes a short cut that the text form does not).

#include "FuzzCheck.h"
#include "engine/UNumText.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace {

// The least magnitude whose 15-digit form (1.79769313486232E308) lies beyond the largest double.
constexpr double LargestRounded = 1.797693134862315e308;

bool Digit(char c) {
    return c >= '0' && c <= '9';
}

void CheckGeneral(double x) {
    const std::string shown = NumText::FormatGeneral(x);
    if (std::isnan(x)) {
        FUZZ_CHECK(shown == "NAN", "NaN shown as %s", shown.c_str());
        return;
    }
    if (std::isinf(x)) {
        FUZZ_CHECK(shown == (x < 0 ? "-INF" : "INF"), "infinity shown as %s", shown.c_str());
        return;
    }
    if (x == 0) {
        FUZZ_CHECK(shown == "0", "zero shown as %s", shown.c_str());
        return;
    }

    // Shape: -?mantissa(E-?exponent)?; the mantissa has at most 15 significant digits and no
    // needless zeros or point; the exponent has no sign "+" and no leading zeros.
    std::size_t i = shown[0] == '-' ? 1 : 0;
    FUZZ_CHECK((shown[0] == '-') == (x < 0), "%.17g shown as %s", x, shown.c_str());
    const std::size_t mantissaStart = i;
    bool point = false;
    int significant = 0;
    bool leading = true;
    for (; i < shown.size() && (Digit(shown[i]) || shown[i] == '.'); ++i) {
        if (shown[i] == '.') {
            FUZZ_CHECK(!point, "%s", shown.c_str());
            point = true;
        } else if (shown[i] != '0' || !leading) {
            leading = false;
            ++significant;
        }
    }
    const std::string mantissa = shown.substr(mantissaStart, i - mantissaStart);
    FUZZ_CHECK(!mantissa.empty() && significant >= 1 && significant <= 15, "%.17g shown as %s", x,
               shown.c_str());
    if (point)
        FUZZ_CHECK(mantissa.back() != '0' && mantissa.back() != '.', "%.17g shown as %s", x,
                   shown.c_str());
    const bool scientific = i < shown.size();
    if (scientific) {
        FUZZ_CHECK(shown[i] == 'E', "%.17g shown as %s", x, shown.c_str());
        ++i;
        if (i < shown.size() && shown[i] == '-')
            ++i;
        FUZZ_CHECK(i < shown.size() && shown[i] != '0', "%.17g shown as %s", x, shown.c_str());
        for (; i < shown.size(); ++i)
            FUZZ_CHECK(Digit(shown[i]), "%.17g shown as %s", x, shown.c_str());
        FUZZ_CHECK(Digit(mantissa[0]) && mantissa[0] != '0' &&
                       (mantissa.size() == 1 || mantissa[1] == '.'),
                   "%.17g shown as %s", x, shown.c_str());
    }

    // Only beside the largest double does the 15-digit form round beyond the range of numbers.
    const auto back = NumText::ParseNumber(shown);
    FUZZ_CHECK(back.has_value() || std::fabs(x) >= LargestRounded, "%.17g shown as unreadable %s",
               x, shown.c_str());
    if (!back)
        return;
    const double slack = std::max(1e-14 * std::fabs(x), std::numeric_limits<double>::denorm_min());
    FUZZ_CHECK(std::fabs(*back - x) <= slack, "%.17g shown as %s", x, shown.c_str());
    // Scientific exactly where the value rounded to 15 digits is at least 1E15 or below 0.00001.
    const double magnitude = std::fabs(*back);
    FUZZ_CHECK(scientific == (magnitude >= 1e15 || magnitude < 1e-5), "%.17g shown as %s", x,
               shown.c_str());
}

void CheckCents(double x) {
    const double rounded = NumText::RoundToCents(x);
    const std::string shown = NumText::FormatCents(x);
    if (!std::isfinite(x)) {
        FUZZ_CHECK(std::isnan(x) ? std::isnan(rounded) : rounded == x, "%s", shown.c_str());
        return;
    }
    std::size_t i = shown[0] == '-' ? 1 : 0;
    const std::size_t point = shown.find('.');
    FUZZ_CHECK(point != std::string::npos && point > i && point + 3 == shown.size(),
               "%.17g shown as %s", x, shown.c_str());
    for (; i < shown.size(); ++i)
        FUZZ_CHECK(i == point || Digit(shown[i]), "%.17g shown as %s", x, shown.c_str());
    FUZZ_CHECK(shown != "-0.00", "%.17g shown as -0.00", x);

    const auto back = NumText::ParseNumber(shown);
    if (std::isinf(rounded)) {
        FUZZ_CHECK(!back && std::fabs(x) >= LargestRounded, "%.17g rounded to infinity", x);
        return;
    }
    FUZZ_CHECK(back && *back == rounded, "%.17g: RoundToCents %.17g but shown as %s", x, rounded,
               shown.c_str());
    FUZZ_CHECK(NumText::RoundToCents(rounded) == rounded, "%.17g", x);
    FUZZ_CHECK(rounded == 0 || std::signbit(rounded) == std::signbit(x), "%.17g", x);
    FUZZ_CHECK(std::fabs(rounded - x) <= 0.005 + 1e-14 * std::fabs(x), "%.17g rounded to %.17g", x,
               rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    if (Size < 10)
        return 0;
    uint64_t bits = 0;
    std::memcpy(&bits, Data + 1, sizeof bits);
    double x = 0;
    switch (Data[0] % 3) {
    case 0: // any bit pattern: NaN, infinities, subnormals
        std::memcpy(&x, &bits, sizeof x);
        break;
    default: {
        // An amount of up to 1E9 yuan with a third decimal, so half cents come up often; the
        // third kind moves it a few steps of the last bit either way.
        const auto thousandths =
            static_cast<int64_t>(bits % 2000000000001ULL) - static_cast<int64_t>(1000000000000);
        x = static_cast<double>(thousandths) / 1000.0;
        if (Data[0] % 3 == 2) {
            const double towards = (Data[9] & 1) ? std::numeric_limits<double>::infinity()
                                                 : -std::numeric_limits<double>::infinity();
            for (int step = 0; step < (Data[9] >> 1) % 8; ++step)
                x = std::nextafter(x, towards);
        }
        break;
    }
    }
    CheckGeneral(x);
    CheckCents(x);
    return 0;
}
