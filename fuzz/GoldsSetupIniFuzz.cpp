// The parameter file reader and writer over any bytes. Reading gives what a plain reading of the
// profile format gives (the first section of the name, the first line of each key, blanks and one
// pair of quotes around a value dropped, a value that is not a number read as 0). Writing the
// fourteen keys and reading them back gives the values in their general form; writing again
// changes nothing; and every line that is not one of the written key lines keeps its bytes and
// its order. A line may only gain a line ending where the text ended without one.
//
// The values written are those read, with one of them replaced by the bit pattern in the last
// eight bytes of the input (any double: infinities and NaN are written too, and read back as 0).

#include "FuzzCheck.h"
#include "engine/UGoldsSetupIni.h"
#include "engine/UNumText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A line split at "\n" only; Raw keeps a "\r" before the "\n", Text() drops it.
struct TRawLine {
    std::string_view Raw;
    bool Newline = false;
    std::string_view Text() const {
        return Newline && !Raw.empty() && Raw.back() == '\r' ? Raw.substr(0, Raw.size() - 1) : Raw;
    }
};

std::vector<TRawLine> RawLines(std::string_view bytes) {
    std::vector<TRawLine> lines;
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({bytes, false});
            break;
        }
        lines.push_back({bytes.substr(0, newline), true});
        bytes.remove_prefix(newline + 1);
    }
    return lines;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string_view> Header(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() != '[')
        return std::nullopt;
    text.remove_prefix(1);
    return Trim(text.substr(0, text.find(']')));
}

struct TKeyLine {
    std::string_view Key;
    std::string_view Value;
};

std::optional<TKeyLine> KeyLine(std::string_view text) {
    text = Trim(text);
    if (text.empty() || text.front() == ';' || text.front() == '[')
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::string_view value = Trim(text.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return TKeyLine{Trim(text.substr(0, equals)), value};
}

// Where the parameters stand in a text: the header of their section and the line of each key.
struct TLayout {
    std::optional<std::size_t> Header;
    std::array<std::optional<std::size_t>, GoldsSetupIni::Fields.size()> Keys{};
    std::array<std::string_view, GoldsSetupIni::Fields.size()> Values{};
};

TLayout Locate(const std::vector<TRawLine> &lines) {
    TLayout layout;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = Header(lines[i].Text());
        if (layout.Header) {
            if (name)
                break;
            const auto entry = KeyLine(lines[i].Text());
            if (!entry)
                continue;
            for (std::size_t k = 0; k < GoldsSetupIni::Fields.size(); ++k) {
                if (!layout.Keys[k] && SameNoCase(entry->Key, GoldsSetupIni::Fields[k].Key)) {
                    layout.Keys[k] = i;
                    layout.Values[k] = entry->Value;
                }
            }
        } else if (name && SameNoCase(*name, GoldsSetupIni::SectionName)) {
            layout.Header = i;
        }
    }
    return layout;
}

// What a value written as Text reads as: the number, unless it is no amount the pages would take
// or a rate over 100.
double Sane(const GoldsSetupIni::TField &field, std::string_view text) {
    const auto number = NumText::ParseNumber(text);
    if (!number || std::fabs(NumText::RoundToCents(*number)) >= NumText::AmountLimit ||
        (field.IsRate && *number > 100))
        return 0;
    return *number;
}

double Shown(const GoldsSetupIni::TField &field, double value) {
    return Sane(field, NumText::FormatGeneral(value));
}

// The lines a write leaves alone: all but the key lines (and a section header it added).
std::vector<TRawLine> Untouched(const std::vector<TRawLine> &lines, const TLayout &layout,
                                bool headerAdded) {
    std::vector<bool> written(lines.size(), false);
    for (const auto &key : layout.Keys) {
        if (key)
            written[*key] = true;
    }
    if (headerAdded && layout.Header)
        written[*layout.Header] = true;
    std::vector<TRawLine> kept;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!written[i])
            kept.push_back(lines[i]);
    }
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string_view bytes(reinterpret_cast<const char *>(Data), Size);
    const std::vector<TRawLine> before = RawLines(bytes);
    const TLayout layoutBefore = Locate(before);

    // Reading.
    const TGoldsSetupInfo read = GoldsSetupIni::Read(bytes);
    for (std::size_t k = 0; k < GoldsSetupIni::Fields.size(); ++k) {
        const auto &field = GoldsSetupIni::Fields[k];
        const double expected = layoutBefore.Keys[k] ? Sane(field, layoutBefore.Values[k]) : 0;
        FUZZ_CHECK(read.*field.Member == expected, "%.*s read as %.17g, not %.17g",
                   int(field.Key.size()), field.Key.data(), read.*field.Member, expected);
        FUZZ_CHECK(std::isfinite(read.*field.Member), "%.*s", int(field.Key.size()),
                   field.Key.data());
    }

    // Writing what was read, one value replaced.
    TGoldsSetupInfo info = read;
    if (Size >= 9) {
        double value = 0;
        std::memcpy(&value, Data + Size - 8, sizeof value);
        info.*GoldsSetupIni::Fields[Data[Size - 9] % GoldsSetupIni::Fields.size()].Member = value;
    }
    const std::string written = GoldsSetupIni::Write(bytes, info);
    const TGoldsSetupInfo back = GoldsSetupIni::Read(written);
    for (const auto &field : GoldsSetupIni::Fields) {
        FUZZ_CHECK(back.*field.Member == Shown(field, info.*field.Member),
                   "%.*s written %.17g, read %.17g", int(field.Key.size()), field.Key.data(),
                   info.*field.Member, back.*field.Member);
    }
    FUZZ_CHECK(GoldsSetupIni::Write(written, info) == written, "a second write changed the text");

    // Everything else kept.
    const std::vector<TRawLine> after = RawLines(written);
    const TLayout layoutAfter = Locate(after);
    FUZZ_CHECK(layoutAfter.Header.has_value(), "no section after writing");
    for (const auto &key : layoutAfter.Keys)
        FUZZ_CHECK(key.has_value(), "a key missing after writing");
    const auto keptBefore = Untouched(before, layoutBefore, false);
    const auto keptAfter = Untouched(after, layoutAfter, !layoutBefore.Header);
    FUZZ_CHECK(keptBefore.size() == keptAfter.size(), "%zu lines kept of %zu", keptAfter.size(),
               keptBefore.size());
    // New lines end as the text's first line does, CRLF in a text without line endings.
    const bool crlf =
        before.empty() || !before.front().Newline || before.front().Raw.ends_with('\r');
    for (std::size_t i = 0; i < keptBefore.size(); ++i) {
        const TRawLine &was = keptBefore[i];
        const TRawLine &now = keptAfter[i];
        if (was.Newline) {
            FUZZ_CHECK(now.Newline && now.Raw == was.Raw, "line %zu changed", i);
        } else {
            // Only the text's last line lacks an ending; a line written after it gives it one.
            FUZZ_CHECK(i + 1 == keptBefore.size(), "line %zu", i);
            const bool same = !now.Newline && now.Raw == was.Raw;
            // It gains the text's ending, or CRLF where it ends with a carriage return already,
            // so that the return stays part of the line and the line says what it said.
            const bool cr = crlf || was.Raw.ends_with('\r');
            const bool ended = now.Newline && now.Raw == std::string(was.Raw) + (cr ? "\r" : "");
            FUZZ_CHECK(same || ended, "last line changed");
        }
    }
    return 0;
}
