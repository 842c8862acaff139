// The text of a result, written here rather than by the library's dump(), whose layout differs
// from the one pendra-cli has always printed (an empty list is "[\n    ]" there, not "[]") and
// which refuses a string that is not UTF-8 instead of printing it.

#include "formats/Result.h"

#include <array>
#include <charconv>
#include <cmath>

namespace formats {
namespace {

constexpr char Hex[] = "0123456789abcdef";

// The length of the UTF-8 sequence at Text[At], or 0 when none begins there: overlong forms,
// surrogates and code points above U+10FFFF are not UTF-8.
std::size_t SequenceAt(const std::string &Text, std::size_t At) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(Text[i]); };
    const unsigned char lead = byte(At);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xbf; // the second byte's range
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2;
    else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else
        return 0;
    if (At + length > Text.size() || byte(At + 1) < low || byte(At + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(At + i) < 0x80 || byte(At + i) > 0xbf)
            return 0;
    }
    return length;
}

void AppendString(std::string &Out, const std::string &Text) {
    Out += '"';
    for (std::size_t i = 0; i < Text.size();) {
        const unsigned char c = static_cast<unsigned char>(Text[i]);
        if (c >= 0x80) {
            const std::size_t length = SequenceAt(Text, i);
            if (length)
                Out.append(Text, i, length);
            else
                Out += "\xef\xbf\xbd"; // U+FFFD
            i += length ? length : 1;
            continue;
        }
        ++i;
        switch (c) {
        case '"':
            Out += "\\\"";
            break;
        case '\\':
            Out += "\\\\";
            break;
        case '\b':
            Out += "\\b";
            break;
        case '\f':
            Out += "\\f";
            break;
        case '\n':
            Out += "\\n";
            break;
        case '\r':
            Out += "\\r";
            break;
        case '\t':
            Out += "\\t";
            break;
        default:
            if (c < 0x20)
                Out += {'\\', 'u', '0', '0', Hex[c >> 4], Hex[c & 0xf]};
            else
                Out += static_cast<char>(c);
        }
    }
    Out += '"';
}

template <typename Number> void AppendNumber(std::string &Out, Number Value) {
    std::array<char, 32> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), Value);
    Out.append(digits.data(), error == std::errc() ? end : digits.data());
}

void Append(std::string &Out, const Json &Value, int Level) {
    // The indentation appended in place: a string made for every value, leaves included, cost
    // more than the rest of the writing.
    const std::size_t inside = 4 * static_cast<std::size_t>(Level + 1);
    switch (Value.type()) {
    case Json::value_t::object: {
        Out += "{\n";
        std::size_t left = Value.size();
        for (const auto &member : Value.items()) {
            Out.append(inside, ' ');
            AppendString(Out, member.key());
            Out += ": ";
            Append(Out, member.value(), Level + 1);
            Out += --left ? ",\n" : "\n";
        }
        Out.append(4 * static_cast<std::size_t>(Level), ' ');
        Out += '}';
        break;
    }
    case Json::value_t::array: {
        Out += "[\n";
        std::size_t left = Value.size();
        for (const Json &element : Value) {
            Out.append(inside, ' ');
            Append(Out, element, Level + 1);
            Out += --left ? ",\n" : "\n";
        }
        Out.append(4 * static_cast<std::size_t>(Level), ' ');
        Out += ']';
        break;
    }
    case Json::value_t::string:
        AppendString(Out, Value.get_ref<const std::string &>());
        break;
    case Json::value_t::boolean:
        Out += Value.get<bool>() ? "true" : "false";
        break;
    case Json::value_t::number_integer:
        AppendNumber(Out, Value.get<std::int64_t>());
        break;
    case Json::value_t::number_unsigned:
        AppendNumber(Out, Value.get<std::uint64_t>());
        break;
    case Json::value_t::number_float: {
        const double number = Value.get<double>();
        if (std::isfinite(number))
            AppendNumber(Out, number);
        else
            Out += "null";
        break;
    }
    default: // null, and what JSON text cannot hold
        Out += "null";
    }
}

} // namespace

std::string ResultText(const Json &Result) {
    std::string text;
    Append(text, Result, 0);
    text += '\n';
    return text;
}

} // namespace formats
