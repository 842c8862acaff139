#include "engine/current/Money.h"

#include "engine/UNumText.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace current {

Cents MulDiv(Cents Amount, std::int64_t Numerator, std::int64_t Denominator) {
    // Nearly every product fits in 64 bits, where a division is one instruction everywhere;
    // WebAssembly divides 128 bits in a library call, which made a year forty times slower there.
    std::int64_t small = 0;
    if (Denominator > 0 && !__builtin_mul_overflow(Amount, Numerator, &small) &&
        small != std::numeric_limits<std::int64_t>::min()) {
        const auto magnitude = static_cast<std::uint64_t>(small < 0 ? -small : small);
        const auto denominator = static_cast<std::uint64_t>(Denominator);
        if (magnitude <= (std::numeric_limits<std::uint64_t>::max() - denominator) / 2) {
            const auto rounded =
                static_cast<Cents>((magnitude * 2 + denominator) / (denominator * 2));
            return small < 0 ? -rounded : rounded;
        }
    }
    // 128 bits, so that no product of an amount and a factor can overflow on the way, nor twice
    // the denominator.
    const __int128 product = static_cast<__int128>(Amount) * Numerator;
    const __int128 magnitude = product < 0 ? -product : product;
    const __int128 rounded =
        (magnitude * 2 + Denominator) / (static_cast<__int128>(Denominator) * 2);
    return static_cast<Cents>(product < 0 ? -rounded : rounded);
}

std::optional<Cents> ParseCents(std::string_view Text) {
    const std::optional<double> yuan = NumText::ParseAmount(Text);
    // Below 2^53 cents a double holds every whole cent, so the amount times 100 lies within a
    // fraction of a cent of its exact count and rounds to it.
    if (!yuan || std::fabs(*yuan) > static_cast<double>(MaxInputCents) / 100)
        return std::nullopt;
    return static_cast<Cents>(std::llround(*yuan * 100));
}

std::string FormatCents(Cents Amount) {
    const bool negative = Amount < 0;
    // Unsigned, so that the most negative count has a magnitude too.
    const auto magnitude =
        negative ? 0 - static_cast<std::uint64_t>(Amount) : static_cast<std::uint64_t>(Amount);
    std::string text = std::to_string(magnitude / 100) + '.';
    const auto fen = magnitude % 100;
    text += static_cast<char>('0' + fen / 10);
    text += static_cast<char>('0' + fen % 10);
    return negative ? '-' + text : text;
}

std::string FormatYuan(Cents Amount) {
    std::string text = FormatCents(Amount);
    if (Amount % 100 == 0)
        text.resize(text.size() - 3);
    return text;
}

} // namespace current
