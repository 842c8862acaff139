#pragma once
// The text of a cell as a number: amounts to cents and back, blanks, the 减除方式 words. Shared by
// the readers and the writers of both kinds of file; a payroll file has millions of cells, so
// the common forms take a short way.

#include "engine/current/Money.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace sheets {

std::string_view TrimBlanks(std::string_view Text);
// Equal but for the case of ASCII letters: an English title or key as a spreadsheet user types it.
bool SameIgnoringCase(std::string_view A, std::string_view B);

// The largest amount a cell (or an option of the command line) may hold.
inline constexpr current::Cents LargestAmount = current::LargestInputCents;

// An amount as the pages parse it (blanks around it tolerated, rounded half away from zero on
// the decimal digits); none for text that is not a number or lies beyond LargestAmount.
std::optional<current::Cents> CellCents(std::string_view Text);
// For a text CellCents gives none for: whether it is a number all the same, too large (1e14) or
// too small for a double to hold (1e-400).
bool NumberOutOfRange(std::string_view Text);
// Whether the text is a number below zero, however small ("-0.001", which rounds to 0.00).
bool BelowZero(std::string_view Text);

// An amount as spreadsheets show it, in the form CellCents reads: a leading ¥ or ￥ (and blanks
// after it) left out, and digits grouped in threes by commas ("15,000.00") joined. Any other text
// comes back as it was (Text without blanks around it); Buffer holds a text that was changed.
std::string_view PlainAmount(std::string_view Text, std::string &Buffer);

// A 月份 cell: the month, and the year when the cell names one (0 when it does not).
struct MonthCell {
    int Month = 0;
    int Year = 0;
};
// "2", "02", "2月", "2026-02", "2026/2", "2026年2月", and a date such as "2026-02-01" (which is
// how a date cell of a workbook reads); none for anything else or a month beyond 1 to 12.
std::optional<MonthCell> ReadMonthCell(std::string_view Text);

// Exactly two decimals: 123450 gives "1234.50", -5 gives "-0.05".
void AppendCents(std::string &Out, current::Cents Amount);
void AppendInteger(std::string &Out, std::int64_t Value);

// The same into a buffer with room for MaxNumberChars, giving the end of what was written.
// Inline: a written payroll file has some twenty numbers a row.
inline constexpr std::size_t MaxNumberChars = 24;

namespace CellDigits {

inline constexpr char Pairs[] = "0001020304050607080910111213141516171819"
                                "2021222324252627282930313233343536373839"
                                "4041424344454647484950515253545556575859"
                                "6061626364656667686970717273747576777879"
                                "8081828384858687888990919293949596979899";

// In unsigned arithmetic so that the most negative value has a magnitude too.
inline std::uint64_t Magnitude(std::int64_t Value) {
    return Value < 0 ? 0 - static_cast<std::uint64_t>(Value) : static_cast<std::uint64_t>(Value);
}

inline int Count(std::uint32_t Value) {
    return Value < 10           ? 1
           : Value < 100        ? 2
           : Value < 1000       ? 3
           : Value < 10000      ? 4
           : Value < 100000     ? 5
           : Value < 1000000    ? 6
           : Value < 10000000   ? 7
           : Value < 100000000  ? 8
           : Value < 1000000000 ? 9
                                : 10;
}

// Two digits at a time, from the end backwards; where the first digit is.
template <typename Unsigned> char *Backwards(char *End, Unsigned Value) {
    char *p = End;
    for (; Value >= 100; Value /= 100) {
        p -= 2;
        std::memcpy(p, Pairs + 2 * (Value % 100), 2);
    }
    if (Value >= 10) {
        p -= 2;
        std::memcpy(p, Pairs + 2 * Value, 2);
    } else {
        *--p = static_cast<char>('0' + Value);
    }
    return p;
}

char *WriteLong(char *Out, std::uint64_t Value);

inline char *Write(char *Out, std::uint64_t Value) {
    if (Value > UINT32_MAX)
        return WriteLong(Out, Value);
    const auto small = static_cast<std::uint32_t>(Value);
    char *const end = Out + Count(small);
    Backwards(end, small);
    return end;
}

} // namespace CellDigits

inline char *WriteInteger(char *Out, std::int64_t Value) {
    if (Value < 0)
        *Out++ = '-';
    return CellDigits::Write(Out, CellDigits::Magnitude(Value));
}

inline char *WriteCents(char *Out, current::Cents Amount) {
    if (Amount < 0)
        *Out++ = '-';
    const std::uint64_t magnitude = CellDigits::Magnitude(Amount);
    Out = CellDigits::Write(Out, magnitude / 100);
    *Out++ = '.';
    std::memcpy(Out, CellDigits::Pairs + 2 * (magnitude % 100), 2);
    return Out + 2;
}

} // namespace sheets
