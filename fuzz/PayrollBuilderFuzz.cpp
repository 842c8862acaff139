// The payroll sheet builder over any rows of cells, whichever reader they came from: lines split
// at line feeds and cells at commas (no quoting, so that any byte reaches a cell). A row it
// refuses ends the sheet, as in the readers; any sheet it finishes holds together.

#include "SheetChecks.h"
#include "sheets/PayrollBuilder.h"

#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string_view input(reinterpret_cast<const char *>(Data), Size);
    sheets::PayrollBuilder builder(QStringLiteral("fuzz"));
    std::vector<std::string_view> cells;
    std::uint32_t line = 0;
    for (std::size_t start = 0; start <= input.size();) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view text = input.substr(start, end - start);
        cells.clear();
        for (std::size_t from = 0;;) {
            const std::size_t comma = text.find(',', from);
            cells.push_back(
                text.substr(from, comma == std::string_view::npos ? text.npos : comma - from));
            if (comma == std::string_view::npos)
                break;
            from = comma + 1;
        }
        if (builder.AddRow(++line, cells))
            return 0;
        start = end + 1;
    }
    if (!builder.MissingHeader())
        FuzzSheets::CheckSheet(builder.Finish());
    return 0;
}
