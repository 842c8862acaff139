#pragma once
// The INI text format as the Windows profile functions understand it, over raw bytes: "[section]"
// headers, "key=value" lines, ";" comments. Section names and keys compare without regard to
// ASCII case, and the first section or key of a name wins. Writing changes only the lines of the
// keys written; every other byte of the text, line endings included, stays as it was.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace IniText {

// The values of Keys in the first section named Section, in the order of Keys; a key that is
// not there gives no value. Values lose the blanks around them and one pair of double quotes.
std::vector<std::optional<std::string>> ReadSection(std::string_view Bytes,
                                                    std::string_view Section,
                                                    std::span<const std::string_view> Keys);

struct TEntry {
    std::string_view Key;
    std::string Value;
};

// Bytes with each entry written into the first section named Section: an existing key line is
// replaced, a new key goes after the last line of the section that is not blank, a missing
// section is appended at the end. New lines end as the text's first line does (CRLF in an empty
// text).
std::string WriteSection(std::string_view Bytes, std::string_view Section,
                         std::span<const TEntry> Entries);

} // namespace IniText
