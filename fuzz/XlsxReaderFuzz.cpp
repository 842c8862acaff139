// The workbook reader over any bytes: archives and XML of every shape are refused or read within
// the limits, and the sheet handed back holds together.

#include "SheetChecks.h"
#include "sheets/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QString name = QStringLiteral("fuzz.xlsx");
    FuzzSheets::CheckOutcome(sheets::ReadXlsx(file, name, {}), name);
    return 0;
}
