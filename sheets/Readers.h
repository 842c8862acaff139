#pragma once
// The two readers behind ReadPayroll, from a path (only a regular file is opened) or from a
// device open for reading, named Path in messages (how the fuzz targets read).

#include "sheets/FileFaults.h"

namespace sheets {

ReadOutcome ReadCsv(const QString &Path, const Progress &Hooks);
ReadOutcome ReadCsv(QIODevice &File, const QString &Path, const Progress &Hooks);
ReadOutcome ReadXlsx(const QString &Path, const Progress &Hooks);
// The device must be seekable: the archive's directory is at its end.
ReadOutcome ReadXlsx(QIODevice &File, const QString &Path, const Progress &Hooks);

} // namespace sheets
