#pragma once
// The two writers behind WritePayroll and WriteTemplate, and the order of the rows they share.

#include "sheets/FileFaults.h"

#include <functional>

namespace sheets {

// What is written: the sheet's input columns, followed by the results unless it is a template.
struct Output {
    const PayrollSheet &Sheet;
    bool Results = true;
};

// With results, the accepted employees in order of first appearance, each by month, with the
// engine's record of that month; without, every row in the file's order and no record. Row
// returns false to stop, and then so does this with Status::Failed. Progress in rows.
Status
ForEachRow(const Output &What, const Progress &Hooks,
           const std::function<bool(std::size_t Row, const current::WageWithholding *)> &Row);
std::size_t RowsWritten(const Output &What);

WriteOutcome WriteCsvFile(const QString &Path, const Output &What, const Progress &Hooks);
WriteOutcome WriteCsvDevice(QIODevice &Device, const QString &Name, const Output &What,
                            const Progress &Hooks);
WriteOutcome WriteXlsxFile(const QString &Path, const Output &What, const Progress &Hooks);

} // namespace sheets
