// The workbook reader over any bytes: archives and XML of every shape are refused or read within
// the limits, and the sheet handed back holds together.

#include "SheetChecks.h"
#include "sheets/Readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const auto read = [](QIODevice &File, const QString &Name, const sheets::Progress &Hooks) {
        return sheets::ReadXlsx(File, Name, Hooks);
    };
    FuzzSheets::ReadAndCheck(Data, Size, QStringLiteral("fuzz.xlsx"), read);
    return 0;
}
