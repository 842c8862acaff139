#include "sheets/Cells.h"

#include "engine/UNumText.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace sheets {
namespace {

bool IsBlank(char C) {
    return C == ' ' || C == '\t' || C == '\r' || C == '\n';
}

bool IsDigit(char C) {
    return C >= '0' && C <= '9';
}

// Plain digits with at most two decimals, the form nearly every cell has: exact without any
// rounding. Longer forms, exponents and amounts of 14 digits or more (where the parser's limit
// lies) go to the core's parser.
std::optional<current::Cents> PlainCents(std::string_view Text) {
    constexpr std::size_t MaxWholeDigits = 13;
    current::Cents whole = 0;
    std::size_t i = 0;
    // One digit beyond the limit is enough to know: more might overflow.
    for (; i < Text.size() && i <= MaxWholeDigits && IsDigit(Text[i]); ++i)
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

bool NumberOutOfRange(std::string_view Text) {
    Text = TrimBlanks(Text);
    if (NumText::ParseNumber(Text))
        return true;
    if (!Text.empty() && Text.front() == '+')
        Text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    return error == std::errc::result_out_of_range && end == Text.data() + Text.size();
}

bool BelowZero(std::string_view Text) {
    Text = TrimBlanks(Text);
    if (Text.empty() || Text.front() != '-')
        return false;
    const auto value = NumText::ParseNumber(Text);
    return value && *value < 0;
}

namespace {

template <typename Unsigned> char *WriteWide(char *Out, Unsigned Value) {
    char digits[MaxNumberChars];
    char *const end = digits + sizeof digits;
    const char *start = CellDigits::Backwards(end, Value);
    return std::copy(start, static_cast<const char *>(end), Out);
}

} // namespace

char *CellDigits::WriteLong(char *Out, std::uint64_t Value) {
    return WriteWide(Out, Value);
}

void AppendInteger(std::string &Out, std::int64_t Value) {
    char text[MaxNumberChars];
    Out.append(text, WriteInteger(text, Value));
}

void AppendCents(std::string &Out, current::Cents Amount) {
    char text[MaxNumberChars];
    Out.append(text, WriteCents(text, Amount));
}

} // namespace sheets
