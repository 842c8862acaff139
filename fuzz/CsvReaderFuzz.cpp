// The CSV reader over any bytes, as a file from outside may hold: it refuses or reads, within its
// limits, and the sheet it hands back holds together.

#include "SheetChecks.h"
#include "sheets/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const QString name = QStringLiteral("fuzz.csv");
    FuzzSheets::CheckOutcome(sheets::ReadCsv(file, name, {}), name);
    return 0;
}
