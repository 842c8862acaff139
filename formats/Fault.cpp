#include "formats/Fault.h"

#include <cstdio>
#include <utility>

namespace formats {
namespace {

bool MustEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || (c >= 0x202a && c <= 0x202e) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x2028 || c == 0x2029;
}

// The code point at Text[At], and how many bytes it takes; U+FFFD for one byte that begins no
// valid sequence.
char32_t Decode(std::string_view Text, std::size_t At, std::size_t &Length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(Text[i]); };
    const unsigned char lead = byte(At);
    Length = 1;
    if (lead < 0x80)
        return lead;
    const std::size_t size = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 0;
    if (size == 0 || lead > 0xf4 || At + size > Text.size())
        return 0xfffd;
    char32_t c = lead & (0x3f >> (size - 1));
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(At + i) & 0xc0) != 0x80)
            return 0xfffd;
        c = (c << 6) | (byte(At + i) & 0x3f);
    }
    constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[size] || c > 0x10ffff || (c >= 0xd800 && c <= 0xdfff))
        return 0xfffd;
    Length = size;
    return c;
}

void Encode(std::string &Out, char32_t c) {
    if (c < 0x80) {
        Out += static_cast<char>(c);
    } else if (c < 0x800) {
        Out += static_cast<char>(0xc0 | (c >> 6));
        Out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        Out += static_cast<char>(0xe0 | (c >> 12));
        Out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        Out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        Out += static_cast<char>(0xf0 | (c >> 18));
        Out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        Out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        Out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

// Appends Text's characters, visible, while Out stays within Limit UTF-16 code units (a message's
// length as the faces count it); false when one did not fit.
bool AppendVisible(std::string &Out, std::string_view Text, std::size_t Limit) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < Text.size();) {
        std::size_t length = 0;
        const char32_t c = Decode(Text, i, length);
        std::string piece;
        if (MustEscape(c)) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
            piece = escape;
        } else {
            Encode(piece, c);
        }
        const std::size_t pieceUnits = MustEscape(c) ? piece.size() : c >= 0x10000 ? 2 : 1;
        if (units + pieceUnits > Limit)
            return false;
        Out += piece;
        units += pieceUnits;
        i += length;
    }
    return true;
}

} // namespace

Fault FaultAt(FaultKind Kind, std::string Path, std::vector<std::string> Values) {
    Fault fault;
    fault.Kind = Kind;
    fault.Path = std::move(Path);
    fault.Values = std::move(Values);
    return fault;
}

std::string Item(const std::string &Path, std::size_t Index) {
    return Path + '[' + std::to_string(Index) + ']';
}

std::string Join(const std::string &Path, std::string_view Key) {
    return Path.empty() ? Quoted(Key) : Path + '.' + Quoted(Key);
}

std::string Visible(std::string_view Utf8) {
    std::string shown;
    AppendVisible(shown, Utf8, std::string::npos);
    return shown;
}

std::string Quoted(std::string_view Utf8) {
    std::string shown;
    if (!AppendVisible(shown, Utf8, MaxQuoted))
        shown += "…";
    return shown;
}

} // namespace formats
