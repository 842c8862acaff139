#include "engine/UIniText.h"

#include <algorithm>

namespace IniText {
namespace {

struct TLine {
    std::string Text;   // without its line ending
    std::string Ending; // "\r\n", "\n", or empty for a last line without one
};

constexpr std::size_t NoLine = static_cast<std::size_t>(-1);

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// Calls Visit(text, ending) for each line without copying.
template <class F> void ForEachLine(std::string_view bytes, F Visit) {
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        std::string_view line = bytes.substr(0, newline);
        std::string_view ending;
        if (newline != std::string_view::npos) {
            const bool crlf = !line.empty() && line.back() == '\r';
            line.remove_suffix(crlf ? 1 : 0);
            ending = bytes.substr(line.size(), newline + 1 - line.size());
            bytes.remove_prefix(newline + 1);
        } else {
            bytes = {};
        }
        if (!Visit(line, ending))
            return;
    }
}

std::vector<TLine> SplitLines(std::string_view bytes) {
    std::vector<TLine> lines;
    ForEachLine(bytes, [&](std::string_view text, std::string_view ending) {
        lines.push_back({std::string(text), std::string(ending)});
        return true;
    });
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

struct TKeyValue {
    std::string_view Key;
    std::string_view Value;
};

std::optional<TKeyValue> KeyValue(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[')
        return std::nullopt;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    std::string_view value = Trim(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return TKeyValue{Trim(line.substr(0, equals)), value};
}

bool IsSection(std::string_view line, std::string_view section) {
    const auto name = SectionName(line);
    return name && EqualNoCase(*name, section);
}

bool IsKey(std::string_view line, std::string_view key) {
    const auto entry = KeyValue(line);
    return entry && EqualNoCase(entry->Key, key);
}

// First line of the first section named Section (its header) and the line after its last one.
std::pair<std::size_t, std::size_t> FindSection(const std::vector<TLine> &lines,
                                                std::string_view section) {
    std::size_t header = 0;
    while (header < lines.size() && !IsSection(lines[header].Text, section))
        ++header;
    if (header == lines.size())
        return {NoLine, NoLine};
    std::size_t end = header + 1;
    while (end < lines.size() && !SectionName(lines[end].Text))
        ++end;
    return {header, end};
}

std::string FirstEnding(const std::vector<TLine> &lines) {
    for (const TLine &line : lines) {
        if (!line.Ending.empty())
            return line.Ending;
    }
    return "\r\n";
}

std::string Joined(const std::vector<TLine> &lines) {
    std::string bytes;
    for (const TLine &line : lines)
        bytes.append(line.Text).append(line.Ending);
    return bytes;
}

std::string KeyLine(const TEntry &entry) {
    return std::string(entry.Key) + "=" + entry.Value;
}

// The last line of a text, when something is written after it, needs an ending. A carriage
// return it ends with must stay part of it: a "\n" alone would turn the pair into a CRLF ending
// and change what the line says (a value, or a section name such as "[Name\r").
void EndLastLine(TLine &line, const std::string &eol) {
    if (line.Ending.empty())
        line.Ending = !line.Text.empty() && line.Text.back() == '\r' ? "\r\n" : eol;
}

// Inserts a line after lines[after], which gains the ending it may lack at the end of the text.
void InsertAfter(std::vector<TLine> &lines, std::size_t after, std::string text,
                 const std::string &eol) {
    std::string ending = eol;
    if (lines[after].Ending.empty()) {
        EndLastLine(lines[after], eol);
        ending.clear();
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(after) + 1,
                 TLine{std::move(text), std::move(ending)});
}

void AppendSection(std::vector<TLine> &lines, std::string_view section,
                   std::span<const TEntry> entries, const std::string &eol) {
    if (!lines.empty())
        EndLastLine(lines.back(), eol);
    lines.push_back({"[" + std::string(section) + "]", eol});
    for (const TEntry &entry : entries)
        lines.push_back({KeyLine(entry), eol});
}

// Writes one entry into the section [header, end); returns the section's new end.
std::size_t WriteEntry(std::vector<TLine> &lines, std::size_t header, std::size_t end,
                       const TEntry &entry, const std::string &eol) {
    for (std::size_t i = header + 1; i < end; ++i) {
        if (IsKey(lines[i].Text, entry.Key)) {
            lines[i].Text = KeyLine(entry);
            return end;
        }
    }
    std::size_t last = end - 1;
    while (last > header && Trim(lines[last].Text).empty())
        --last;
    InsertAfter(lines, last, KeyLine(entry), eol);
    return end + 1;
}

void StoreFirst(std::vector<std::optional<std::string>> &values,
                std::span<const std::string_view> keys, const TKeyValue &entry) {
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!values[i] && EqualNoCase(entry.Key, keys[i]))
            values[i] = std::string(entry.Value);
    }
}

} // namespace

std::vector<std::optional<std::string>> ReadSection(std::string_view Bytes,
                                                    std::string_view Section,
                                                    std::span<const std::string_view> Keys) {
    std::vector<std::optional<std::string>> values(Keys.size());
    bool inside = false;
    ForEachLine(Bytes, [&](std::string_view line, std::string_view) {
        if (const auto name = SectionName(line)) {
            if (inside)
                return false; // only the first section of the name counts
            inside = EqualNoCase(*name, Section);
            return true;
        }
        if (const auto entry = inside ? KeyValue(line) : std::nullopt)
            StoreFirst(values, Keys, *entry);
        return true;
    });
    return values;
}

std::string WriteSection(std::string_view Bytes, std::string_view Section,
                         std::span<const TEntry> Entries) {
    std::vector<TLine> lines = SplitLines(Bytes);
    const std::string eol = FirstEnding(lines);
    auto [header, end] = FindSection(lines, Section);
    if (header == NoLine) {
        AppendSection(lines, Section, Entries, eol);
        return Joined(lines);
    }
    for (const TEntry &entry : Entries)
        end = WriteEntry(lines, header, end, entry, eol);
    return Joined(lines);
}

} // namespace IniText
