#pragma once
// Payroll sheets on disk: a CSV file (UTF-8 with or without BOM, else GBK; RFC 4180 quotes; CRLF
// or LF) or an Excel workbook (.xlsx, the first worksheet), chosen by the file's extension.
// Reading streams the file into a compact PayrollSheet; writing computes each accepted
// employee with the engine as it goes and writes the input columns followed by the results,
// always through a temporary file renamed over the old one. The rows left out are written too,
// each after where it was at fault and why: in a workbook on a second worksheet (未计算), as CSV
// in a file beside the results (NAME-未计算.csv). CSV is written in UTF-8 with a BOM and CRLF
// line ends; a workbook's header rows are bold and frozen, amounts numbers shown with two
// decimals and the rate text ("3%"). An old Excel file (.xls) is refused either way.
//
// Every function here may run in a worker thread; the hooks of Progress are called there.

#include "sheets/PayrollSheet.h"
#include "sheets/Progress.h"

#include <QString>

class QIODevice;

namespace sheets {

enum class SheetKind { Csv, Xlsx };
// .xlsx (any case) is a workbook, anything else (.csv, .txt) CSV.
SheetKind KindOf(const QString &Path);

enum class Status {
    Done,
    Failed,    // Error says why, naming the file
    Cancelled, // stopped through Progress::Cancelled: nothing half done is handed back
};

struct ReadOutcome {
    Status Result = Status::Done;
    QString Error;
    PayrollSheet Sheet; // empty unless Done; its rows may still have faults (Sheet.Errors())
};

struct WriteOutcome {
    Status Result = Status::Done;
    QString Error;
};

// Progress is reported in bytes of the file (for .xlsx, of the worksheet inflated). The rows an
// earlier save left out are read after the sheet's own rows, from its worksheet 未计算 or, for
// NAME.csv, from NAME-未计算.csv beside it.
ReadOutcome ReadPayroll(const QString &Path, const Progress &Hooks = {});
// What reading did besides the rows, said once: the columns not read
// ("未读取的列：部门、银行卡号"), the totals rows passed over, the rows left out before read again;
// empty when nothing.
QString ReadNote(const PayrollSheet &Sheet);
// A warning for the columns not read whose titles look like an amount to deduct; empty when none.
QString DeductionWarning(const PayrollSheet &Sheet);

// The accepted employees in order of first appearance, each by month: every input column
// followed by the results (ResultTitle()); then the rows left out, in the file's order, after
// RejectedTitle()'s columns. Progress is reported in rows written. A file that fails or is
// cancelled leaves an old file of that name as it was. Nothing is written when no row could be
// computed, over the sheet's own file, or over an entry that is a link, not a regular file,
// another user's or read-only (OutputFault says why), the file of the rows left out included.
WriteOutcome WritePayroll(const QString &Path, const PayrollSheet &Sheet,
                          const Progress &Hooks = {});
QString OutputFault(const QString &Path, const PayrollSheet &Sheet);
// Where the rows left out of results written as CSV to Path go: "NAME-未计算.csv" beside it.
QString RejectedCsvPath(const QString &Path);
// The worksheet of a workbook that holds them: "未计算".
QString RejectedSheetName();
// What a sheet saved to Path (empty: standard output) tells of the rows it left out, as
// "另有9行（3名员工）因错误未计算，已写在工作表“未计算”中"; empty when it left none out.
QString RejectedNote(const PayrollSheet &Sheet, const QString &Path);
// The part of those checks that needs no sheet, made before Input is read; empty when Path may
// be written.
QString TargetFault(const QString &Path, const QString &Input);
// The same as CSV to a device open for writing (standard output).
WriteOutcome WritePayrollCsv(QIODevice &Device, const PayrollSheet &Sheet,
                             const Progress &Hooks = {});

// A sheet to start from: the header row and one example employee.
WriteOutcome WriteTemplate(const QString &Path);

} // namespace sheets
