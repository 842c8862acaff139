#pragma once
// The year file: one person's tax year as dated facts, a JSON document in UTF-8 that the program
// opens and saves and that other software may write. Reading refuses every fault of the file's
// contract as a Fault with its key path ("jobs[1].pay[0].income", an amount below zero): text
// that is not JSON, an unknown key, a wrong type, an amount below zero or with more than two
// decimals, and everything the year engine's CheckYear refuses. Writing gives the same facts back
// when read.

#include "engine/current/YearFacts.h"
#include "formats/Fault.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace formats {

// A year file is a few kilobytes; anything larger is not one.
inline constexpr std::size_t MaxYearFileSize = std::size_t{1} << 20;

struct YearRead {
    std::optional<current::YearFacts> Facts; // none when refused
    std::optional<Fault> Error;              // why, when refused
};

// The facts of the year file's bytes, checked by CheckYear.
YearRead ParseYearFile(std::string_view Bytes);
// The same, not yet checked by CheckYear: for a page that checks facts edited in place.
YearRead ReadYearFacts(std::string_view Bytes);

// The facts as the year file's text: every key written, in the order of their names, amounts as
// numbers in yuan, indented by four spaces.
std::string YearFileText(const current::YearFacts &Facts);

} // namespace formats
