#pragma once
// The tax administration's withholding client imports a month's wages from an Excel template of
// its own, whose header row names the columns, and whose columns differ from one version to the
// next. A clerk gives the template they were handed; the month of a computed payroll sheet is
// filled in under that header, one row per employee computed that month, and nothing else of
// the workbook changes: every other part is copied as it was compressed, and in the worksheet
// holding the header only the rows below it are written anew, with its used range (dimension).
// The calculation chain, which names cells of the rows replaced, is left out with its
// relationship and content type, as Excel builds it again. A column is filled only with what
// the sheet gives (an amount of the month, a text carried from a column of the same title, a
// result of the calculation); every other column is left blank, and the report says why.

#include "sheets/PayrollIo.h"
#include "sheets/PayrollSheet.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace sheets {

namespace TemplateLimit {
// Far beyond any template the client hands out; a larger file is refused before it is read.
inline constexpr qint64 FileBytes = qint64{64} * 1024 * 1024;
inline constexpr qint64 Parts = 4096;
// A part inflated: at most this many times the file, and never beyond the cap.
inline constexpr qint64 InflationRatio = 32;
inline constexpr qint64 PartBytes = qint64{32} * 1024 * 1024;
} // namespace TemplateLimit

// One column of the template's header and what was put under it.
struct TemplateColumn {
    QString Title;
    bool Filled = false;
    // Filled: where the figures came from ("工资表的“收入”列"); blank: why it was left blank.
    QString Source;
};

struct TemplateFill {
    QString SheetName;                   // the template's worksheet holding the header
    std::uint32_t HeaderLine = 0;        // its row number as Excel shows it
    std::vector<TemplateColumn> Columns; // in the header's order
    std::uint32_t RowsWritten = 0;
    QStringList LeftOut; // employees of the month not computed, each with why
};

// Fills the month's rows into a copy of Template written to Output. Refused, with nothing
// written, when the template is not a regular file (a link, a device, a FIFO), is not a workbook,
// passes a limit of TemplateLimit or has no recognisable header; when Output is not an .xlsx
// name, is the template or the sheet's own file, or may not be replaced; when the sheet holds no
// row of Month or no employee of it could be computed.
struct TemplateOutcome {
    Status Result = Status::Done;
    QString Error;
    TemplateFill Fill;
};
TemplateOutcome FillDeclarationTemplate(const PayrollSheet &Sheet, int Month,
                                        const QString &Template, const QString &Output);

// The checks made before anything is read; empty when they pass.
QString TemplateTargetFault(const QString &Template, const QString &Output,
                            const QString &SheetPath);

// The report, one line each: the worksheet and header, the columns filled, those left blank
// with why, the employees left out.
QStringList TemplateReport(const TemplateFill &Fill);

} // namespace sheets
