#pragma once
// The engines' records as the commands print them, and the options that choose them, shared by
// the commands that print the same record, so that one record reads alike wherever it appears.

#include "cli/CommandLine.h"
#include "cli/WageMonths.h"
#include "engine/current/Bonus.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Wage.h"

#include <QString>

#include <optional>
#include <vector>

namespace Cli {

// --kind and --nonresident, which choose the category and the residence of a payment, and the
// category they chose (labour, author, royalty or the Chinese names; labour when not given), none
// after refusing an unknown one.
void AddRemunerationOptions(CommandLine &Line);
std::optional<current::RemunerationKind> ReadKind(const CommandLine &Line);
QString RemunerationText(const current::Remuneration &Payment);

} // namespace Cli
