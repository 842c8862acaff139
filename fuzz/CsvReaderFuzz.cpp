// The CSV reader over any bytes, as a file from outside may hold: it refuses or reads, within its
// limits, and the sheet it hands back holds together.

#include "SheetChecks.h"
#include "sheets/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const auto read = [](QIODevice &File, const QString &Name, const sheets::Progress &Hooks) {
        return sheets::ReadCsv(File, Name, Hooks);
    };
    FuzzSheets::ReadAndCheck(Data, Size, QStringLiteral("fuzz.csv"), read);
    return 0;
}
