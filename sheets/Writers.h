#pragma once
// The two writers behind WritePayroll and WriteTemplate, and the order of the rows they share.

#include "sheets/FileFaults.h"
#include "sheets/PayrollIo.h"
#include "sheets/Withholding.h"

#include <QStringList>

#include <functional>
#include <span>

namespace sheets {

WriteOutcome FailedWrite(const QString &Error);

// How often a writer reports its progress and asks whether to stop.
inline constexpr qint64 RowsPerTick = 8192;

// What a file, or a worksheet of a workbook, holds.
enum class Part : std::uint8_t {
    Template, // every row's input columns
    Results,  // the accepted employees' rows, each with its results after the input columns
    Rejected, // the rows left out, each with where it was at fault and why before them
};

struct Output {
    const PayrollSheet &Sheet;
    Part What = Part::Results;
};

// Results: the accepted employees in order of first appearance, each by month, with the engine's
// record of that month. Template and Rejected: their rows in the file's order, without a record.
// Row returns false to stop, and then so does this with Status::Failed. Progress in rows, Done
// counting on from where an earlier part of the same file ended.
// The cells after the record (ExtraResults) come with it.
using RowWriter = std::function<bool(std::size_t Row, const current::WageWithholding *,
                                     std::span<const ExtraResult>)>;
Status ForEachRow(const Output &What, ProgressTicker &Ticker, qint64 &Done, const RowWriter &Row);
std::size_t RowsWritten(const Output &What);
std::size_t RowsWritten(std::span<const Output> Parts);
QStringList TitlesOf(const Output &What);

// Each part in a file of its own (CSV), or in a worksheet of its own (a workbook), the first
// part's file being Path. Nothing replaces the files there before every part has been written.
WriteOutcome WriteCsvFiles(const QString &Path, std::span<const Output> Parts,
                           const Progress &Hooks);
WriteOutcome WriteCsvDevice(QIODevice &Device, const QString &Name, const Output &What,
                            const Progress &Hooks);
WriteOutcome WriteXlsxFile(const QString &Path, std::span<const Output> Parts,
                           const Progress &Hooks);

} // namespace sheets
