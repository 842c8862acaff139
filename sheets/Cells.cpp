#include "sheets/Cells.h"

namespace sheets {
namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n';
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// Plain digits with at most two decimals, the form nearly every cell has: exact without any
// rounding. Longer forms and exponents go to the core's parser.
std::optional<current::Cents> PlainCents(std::string_view Text) {
    constexpr std::size_t MaxWholeDigits = 15;
    current::Cents whole = 0;
    std::size_t i = 0;
    for (; i < Text.size() && IsDigit(Text[i]); ++i)
        whole = whole * 10 + (Text[i] - '0');
    if (i == 0 || i > MaxWholeDigits)
        return std::nullopt;
    if (i == Text.size())
        return whole * 100;
    if (Text[i] != '.' || Text.size() - i > 3)
        return std::nullopt;
    current::Cents fraction = 0;
    int places = 0;
    for (++i; i < Text.size(); ++i, ++places) {
        if (!IsDigit(Text[i]))
            return std::nullopt;
        fraction = fraction * 10 + (Text[i] - '0');
    }
    return whole * 100 + (places == 1 ? fraction * 10 : fraction);
}

} // namespace

std::string_view TrimBlanks(std::string_view Text) {
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

std::optional<current::Cents> CellCents(std::string_view Text) {
    if (const auto plain = PlainCents(Text))
        return plain;
    return current::ParseCents(Text);
}

void AppendInteger(std::string &Out, std::int64_t Value) {
    char digits[24];
    char *end = digits + sizeof digits;
    char *p = end;
    // In unsigned arithmetic so that the most negative value has a magnitude too.
    std::uint64_t magnitude =
        Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (Value < 0)
        *--p = '-';
    Out.append(p, static_cast<std::size_t>(end - p));
}

void AppendCents(std::string &Out, current::Cents Amount) {
    const std::uint64_t magnitude =
        Amount < 0 ? 0 - static_cast<std::uint64_t>(Amount) : static_cast<std::uint64_t>(Amount);
    if (Amount < 0)
        Out.push_back('-');
    AppendInteger(Out, static_cast<std::int64_t>(magnitude / 100));
    const auto cents = static_cast<int>(magnitude % 100);
    const char tail[3] = {'.', static_cast<char>('0' + cents / 10),
                          static_cast<char>('0' + cents % 10)};
    Out.append(tail, 3);
}

} // namespace sheets
