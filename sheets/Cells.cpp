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

// A run of one to MaxDigits digits at the front of Text, taken off it.
std::optional<int> TakeDigits(std::string_view &Text, std::size_t MaxDigits) {
    std::size_t count = 0;
    int value = 0;
    while (count < Text.size() && IsDigit(Text[count])) {
        if (++count > MaxDigits)
            return std::nullopt;
        value = value * 10 + (Text[count - 1] - '0');
    }
    if (count == 0)
        return std::nullopt;
    Text.remove_prefix(count);
    return value;
}

bool Take(std::string_view &Text, std::string_view Prefix) {
    if (!Text.starts_with(Prefix))
        return false;
    Text.remove_prefix(Prefix.size());
    return true;
}

// The digits of "15,000" or "1,234,567" without their commas; none unless the first group has
// one to three digits and every other group three.
std::optional<std::string> Ungrouped(std::string_view Whole) {
    std::string digits;
    for (std::size_t from = 0;;) {
        const std::size_t comma = std::min(Whole.find(',', from), Whole.size());
        const std::string_view group = Whole.substr(from, comma - from);
        const bool fits = from == 0 ? !group.empty() && group.size() <= 3 : group.size() == 3;
        if (!fits || !std::all_of(group.begin(), group.end(), IsDigit))
            return std::nullopt;
        digits += group;
        if (comma == Whole.size())
            return digits;
        from = comma + 1;
    }
}

// The rest of a 月份 cell after a year of four digits: "-02", "/2", "-02-01", "年2月"; the month
// or 0.
int MonthAfterYear(std::string_view Rest) {
    if (Take(Rest, "年")) {
        const int month = TakeDigits(Rest, 2).value_or(0);
        return Take(Rest, "月") && Rest.empty() ? month : 0;
    }
    const std::string_view separator = Rest.substr(0, 1);
    if (separator != "-" && separator != "/")
        return 0;
    Rest.remove_prefix(1);
    const int month = TakeDigits(Rest, 2).value_or(0);
    if (Rest.empty())
        return month;
    // A date: its day is passed over.
    const int day = Take(Rest, separator) ? TakeDigits(Rest, 2).value_or(0) : 0;
    return day >= 1 && day <= 31 && Rest.empty() ? month : 0;
}

} // namespace

std::string_view PlainAmount(std::string_view Text, std::string &Buffer) {
    Text = TrimBlanks(Text);
    std::string_view amount = Text;
    const bool currency = Take(amount, "\xC2\xA5") || Take(amount, "\xEF\xBF\xA5"); // ¥ ￥
    amount = TrimBlanks(amount);
    const std::size_t point = std::min(amount.find('.'), amount.size());
    std::string_view sign = amount.substr(0, amount.starts_with('-') || amount.starts_with('+'));
    const std::string_view whole = amount.substr(sign.size(), point - sign.size());
    if (whole.find(',') == std::string_view::npos)
        return currency ? amount : Text;
    const auto digits = Ungrouped(whole);
    if (!digits)
        return Text;
    Buffer.assign(sign);
    Buffer += *digits;
    Buffer += amount.substr(point);
    return Buffer;
}

std::optional<MonthCell> ReadMonthCell(std::string_view Text) {
    Text = TrimBlanks(Text);
    MonthCell read;
    if (const auto cents = CellCents(Text)) {
        if (*cents % 100 == 0 && *cents >= 100 && *cents <= 1200)
            read.Month = static_cast<int>(*cents / 100);
    } else {
        std::string_view rest = Text;
        const auto number = TakeDigits(rest, 4);
        const std::size_t digits = Text.size() - rest.size();
        if (number && digits == 4) {
            read.Year = *number;
            read.Month = MonthAfterYear(rest);
        } else if (number && Take(rest, "月") && rest.empty()) {
            read.Month = *number;
        }
    }
    if (read.Month < 1 || read.Month > 12)
        return std::nullopt;
    return read;
}

std::string_view TrimBlanks(std::string_view Text) {
    while (!Text.empty() && IsBlank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && IsBlank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

bool SameIgnoringCase(std::string_view A, std::string_view B) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                              [&](char a, char b) { return lower(a) == lower(b); });
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
