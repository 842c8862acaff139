#pragma once
// The text of a cell as a number: amounts to cents and back, blanks, the 减除方式 words. Shared by
// the readers and the writers of both kinds of file; a payroll file has millions of cells, so
// the common forms take a short way.

#include "engine/current/Money.h"

#include <optional>
#include <string>
#include <string_view>

namespace sheets {

std::string_view TrimBlanks(std::string_view Text);

// An amount as the pages parse it (blanks around it tolerated, rounded half away from zero on
// the decimal digits); none for text that is not a number.
std::optional<current::Cents> CellCents(std::string_view Text);

// Exactly two decimals: 123450 gives "1234.50", -5 gives "-0.05".
void AppendCents(std::string &Out, current::Cents Amount);
void AppendInteger(std::string &Out, std::int64_t Value);

} // namespace sheets
