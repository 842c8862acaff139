#pragma once
// The two readers behind ReadPayroll.

#include "sheets/FileFaults.h"

namespace sheets {

ReadOutcome ReadCsv(const QString &Path, const Progress &Hooks);
ReadOutcome ReadXlsx(const QString &Path, const Progress &Hooks);

} // namespace sheets
