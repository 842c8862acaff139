// The capital form of any amount a user can type: refused amounts (negative, 10^13 yuan and
// above, not finite) give an empty text, and every other amount gives exactly the text written
// the usual way, worked out here by places and groups instead of by the engine's clean-up
// replacements. The usual way: one "零" for each run of zero places between two non-zero digits,
// except that a run reaching down to a 万 or 亿 place right before a 仟 digit may go without it
// (as cheques allow: "壹拾万柒仟元"); "整" after whole yuan; "零" before a 分 digit when there
// are yuan and no 角.
//
// An input is a typed text; an input starting with the byte 0xFF is instead a double's bit
// pattern (bytes 1 to 8), so that infinities, NaN and amounts off the cent grid come up too.

#include "FuzzCheck.h"
#include "engine/UMoneyManager.h"
#include "engine/UNumText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 10> Digits{"零", "壹", "贰", "叁", "肆",
                                                  "伍", "陆", "柒", "捌", "玖"};

int HighestPlace(int64_t n) {
    int place = 0;
    for (; n >= 10; n /= 10)
        ++place;
    return place;
}

// A positive whole number of yuan below 10^13: the number of 亿, then of 万, then the rest,
// each below 10^4 written with 仟, 佰, 拾.
std::string Yuan(int64_t n) {
    constexpr std::array<int64_t, 2> Groups{100000000, 10000};
    constexpr std::array<std::string_view, 2> GroupUnits{"亿", "万"};
    for (std::size_t g = 0; g < Groups.size(); ++g) {
        if (n < Groups[g])
            continue;
        std::string text = Yuan(n / Groups[g]);
        text.append(GroupUnits[g]);
        const int64_t rest = n % Groups[g];
        if (rest == 0)
            return text;
        if (rest < Groups[g] / 10 && HighestPlace(rest) % 4 != 3)
            text.append("零");
        return text + Yuan(rest);
    }
    constexpr std::array<std::string_view, 4> Units{"仟", "佰", "拾", ""};
    const std::array<int64_t, 4> places{n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
    std::string text;
    bool started = false;
    bool zeros = false;
    for (std::size_t i = 0; i < places.size(); ++i) {
        if (places[i] == 0) {
            zeros = started;
            continue;
        }
        if (zeros)
            text.append("零");
        zeros = false;
        started = true;
        text.append(Digits[static_cast<std::size_t>(places[i])]).append(Units[i]);
    }
    return text;
}

std::string Expected(int64_t fen) {
    const int64_t yuan = fen / 100;
    const auto jiao = static_cast<std::size_t>(fen / 10 % 10);
    const auto cent = static_cast<std::size_t>(fen % 10);
    std::string text = yuan > 0 ? Yuan(yuan) + "元" : std::string();
    if (jiao == 0 && cent == 0)
        return yuan > 0 ? text + "整" : text;
    if (jiao > 0)
        text.append(Digits[jiao]).append("角");
    else if (yuan > 0)
        text.append("零");
    if (cent > 0)
        text.append(Digits[cent]).append("分");
    return text;
}

// The fen of an amount on whole cents, read from its "0.00" form.
int64_t FenOf(double amount) {
    const std::string cents = NumText::FormatCents(amount);
    int64_t fen = 0;
    for (const char c : cents) {
        if (c >= '0' && c <= '9')
            fen = fen * 10 + (c - '0');
    }
    return fen;
}

void CheckAmount(double amount) {
    const std::string capital = TMoneyManager::ToCapital(amount);
    const bool refused = !(amount > -0.005 && amount < 1e13);
    FUZZ_CHECK(TMoneyManager::CanConvert(amount) == !refused, "%.17g", amount);
    if (refused) {
        FUZZ_CHECK(capital.empty(), "refused %.17g written as %s", amount, capital.c_str());
        return;
    }
    const std::string expected = Expected(FenOf(amount));
    FUZZ_CHECK(capital == expected, "%.17g written as %s, not %s", amount, capital.c_str(),
               expected.c_str());
}

// Off the cent grid the fen are rounded first; the text is that of a neighbouring cent amount.
void CheckAnyNumber(double x) {
    const std::string capital = TMoneyManager::ToCapital(x);
    if (!std::isfinite(x) || x < -0.01 || x >= 1e13) {
        FUZZ_CHECK(capital.empty() && !TMoneyManager::CanConvert(x), "%.17g written as %s", x,
                   capital.c_str());
        return;
    }
    if (x > 0.01 && x < 1e13 - 0.01)
        FUZZ_CHECK(TMoneyManager::CanConvert(x), "%.17g refused", x);
    if (!TMoneyManager::CanConvert(x))
        return;
    // A hair below zero rounds to no fen at all.
    const auto below =
        std::max<int64_t>(static_cast<int64_t>(std::floor(static_cast<long double>(x) * 100)), 0);
    const auto above = std::max<int64_t>(below, static_cast<int64_t>(std::ceil(x * 100.0L)));
    FUZZ_CHECK(capital == Expected(below) || capital == Expected(above), "%.17g written as %s", x,
               capital.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    if (Size == 9 && Data[0] == 0xFF) {
        double x = 0;
        std::memcpy(&x, Data + 1, sizeof x);
        CheckAnyNumber(x);
        if (std::isfinite(x))
            CheckAmount(NumText::RoundToCents(x));
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char *>(Data), Size);
    if (const auto amount = NumText::ParseAmount(text))
        CheckAmount(*amount);
    if (const auto number = NumText::ParseNumber(text))
        CheckAnyNumber(*number);
    return 0;
}
