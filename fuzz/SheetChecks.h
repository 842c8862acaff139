#pragma once
// What holds of any sheet a reader hands back, whatever file it was read from: the limits kept,
// every row and fault consistent with the employees' verdicts, every cell and message made, the
// written results as many rows as were accepted, and every row left out written with its reason.

#include "FuzzCheck.h"
#include "sheets/Limits.h"
#include "sheets/PayrollIo.h"
#include "sheets/Rejections.h"
#include "sheets/Withholding.h"
#include "sheets/Writers.h"

#include <QBuffer>

#include <algorithm>

namespace FuzzSheets {

inline void CheckEmployees(const sheets::PayrollSheet &Sheet) {
    std::size_t acceptedRows = 0;
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        const auto rows = Sheet.EmployeeRows(employee);
        if (!Sheet.Accepted(employee))
            continue;
        acceptedRows += rows.size();
        // An accepted employee's months follow each other, none twice, none at fault.
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const sheets::PayrollRow &row = Sheet.Row(rows[k]);
            FUZZ_CHECK(!row.Faulty && row.Employee == employee, "row %u", rows[k]);
            if (k > 0)
                FUZZ_CHECK(row.Month == Sheet.Row(rows[k - 1]).Month + 1, "months of %u", employee);
        }
        FUZZ_CHECK(sheets::Withhold(Sheet, employee).size() == rows.size(), "employee %u",
                   employee);
    }
    FUZZ_CHECK(acceptedRows == Sheet.AcceptedRowCount(), "%zu accepted rows", acceptedRows);
}

inline void CheckFaults(const sheets::PayrollSheet &Sheet) {
    const auto &errors = Sheet.Errors();
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const sheets::RowError &error = errors[i];
        FUZZ_CHECK(error.Row < Sheet.RowCount() && Sheet.Row(error.Row).Faulty, "fault %zu", i);
        FUZZ_CHECK(!Sheet.RowAccepted(error.Row), "fault %zu", i);
        FUZZ_CHECK(!Sheet.Message(error).isEmpty(), "fault %zu", i);
        if (i > 0)
            FUZZ_CHECK(errors[i - 1].Line <= error.Line, "faults out of order at %zu", i);
    }
}

inline void CheckSheet(const sheets::PayrollSheet &Sheet) {
    FUZZ_CHECK(Sheet.Columns().size() <= sheets::Limit::Columns, "%zu columns",
               Sheet.Columns().size());
    FUZZ_CHECK(Sheet.RowCount() <= sheets::Limit::Rows, "%zu rows", Sheet.RowCount());
    for (std::size_t row = 0; row < Sheet.RowCount(); ++row) {
        for (std::size_t column = 0; column < Sheet.Columns().size(); ++column)
            FUZZ_CHECK(Sheet.Cell(row, column).toUtf8().size() <=
                           qsizetype(sheets::Limit::CellBytes),
                       "cell %zu,%zu", row, column);
    }
    CheckEmployees(Sheet);
    CheckFaults(Sheet);

    const auto summary = sheets::Summarize(Sheet);
    FUZZ_CHECK(summary && summary->Rows == Sheet.AcceptedRowCount(), "summary");
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    const sheets::WriteOutcome written = sheets::WritePayrollCsv(out, Sheet);
    FUZZ_CHECK((written.Result == sheets::Status::Done) == (Sheet.AcceptedRowCount() > 0),
               "written: %s", written.Error.toUtf8().constData());
    if (written.Result == sheets::Status::Done)
        FUZZ_CHECK(out.data().count("\r\n") >= qsizetype(Sheet.AcceptedRowCount() + 1),
                   "%zu rows written", Sheet.AcceptedRowCount());

    // Every row left out is written with a reason.
    const sheets::Rejections why(Sheet);
    for (std::size_t row = 0; row < Sheet.RowCount(); ++row) {
        if (!Sheet.RowAccepted(row))
            FUZZ_CHECK(!why.Reasons(row).isEmpty(), "no reason for row %zu", row);
    }
    QBuffer rejected;
    rejected.open(QIODevice::WriteOnly);
    const sheets::WriteOutcome listed = sheets::WriteCsvDevice(
        rejected, QStringLiteral("fuzz"), {Sheet, sheets::Part::Rejected}, sheets::Progress{});
    const std::size_t left = Sheet.RowCount() - Sheet.AcceptedRowCount();
    FUZZ_CHECK(listed.Result == sheets::Status::Done &&
                   rejected.data().count("\r\n") >= qsizetype(left + 1),
               "%zu rows left out", left);
}

// The bytes read as a file named Name by one of the readers: a refusal names the file, a sheet
// read whole holds.
template <typename Reader>
void ReadAndCheck(const uint8_t *Data, size_t Size, const QString &Name, Reader Read) {
    QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    const sheets::ReadOutcome read = Read(file, Name, sheets::Progress{});
    if (read.Result == sheets::Status::Done)
        CheckSheet(read.Sheet);
    else
        FUZZ_CHECK(read.Error.contains(Name), "message: %s", read.Error.toUtf8().constData());
}

} // namespace FuzzSheets
