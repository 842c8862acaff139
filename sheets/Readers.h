#pragma once
// The two readers behind ReadPayroll, from a path (only a regular file is opened) or from a
// device open for reading, named Path in messages (how the fuzz targets read).

#include "sheets/FileFaults.h"
#include "sheets/PayrollIo.h"

namespace sheets {

ReadOutcome FailedRead(const QString &Error);
ReadOutcome CancelledRead();

ReadOutcome ReadCsv(const QString &Path, const Progress &Hooks);
ReadOutcome ReadCsv(QIODevice &File, const QString &Path, const Progress &Hooks);
ReadOutcome ReadXlsx(const QString &Path, const Progress &Hooks);
// The device must be seekable: the archive's directory is at its end.
ReadOutcome ReadXlsx(QIODevice &File, const QString &Path, const Progress &Hooks);
// How a workbook's XML is read: from its UTF-8 bytes where they allow (XmlBytes), or all of it
// by QXmlStreamReader, which the tests and the fuzz target hold the first to.
enum class XmlReading { Fastest, QtOnly };
ReadOutcome ReadXlsx(QIODevice &File, const QString &Path, const Progress &Hooks, XmlReading How);

// Whether a worksheet holds the rows an earlier save left out: 未计算 or its English name.
bool IsRejectedSheet(const QString &Name);
// The sheet read with those rows after its own, as rows of one sheet (PartName names them).
ReadOutcome WithRejected(const QString &Path, const PayrollSheet &Main,
                         const PayrollSheet &Rejected, const QString &PartName);

} // namespace sheets
