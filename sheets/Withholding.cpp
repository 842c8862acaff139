#include "sheets/Withholding.h"

#include "sheets/Cells.h"

#include <algorithm>

namespace sheets {

QString ResultText(const current::WageWithholding &Month, ResultColumn Column) {
    std::string text;
    if (Column == ResultColumn::Rate) {
        AppendInteger(text, Month.Rate);
        text.push_back('%');
    } else {
        AppendCents(text, ResultValue(Month, Column));
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString TotalText(Total Value) {
    // Unsigned, so that the most negative sum has a magnitude too.
    auto magnitude = Value < 0 ? 0 - static_cast<unsigned __int128>(Value)
                               : static_cast<unsigned __int128>(Value);
    std::string digits;
    for (int place = 0; place < 3 || magnitude > 0; ++place, magnitude /= 10) {
        if (place == 2)
            digits.push_back('.');
        digits.push_back(static_cast<char>('0' + static_cast<int>(magnitude % 10)));
    }
    if (Value < 0)
        digits.push_back('-');
    std::reverse(digits.begin(), digits.end());
    return QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
}

std::vector<current::WageWithholding> Withhold(const PayrollSheet &Sheet, std::uint32_t Employee) {
    const std::vector<current::WageMonth> months = Sheet.Months(Employee);
    return current::WithholdWages(months, Sheet.Mode(Employee), Sheet.Rules());
}

std::optional<PayrollSummary> Summarize(const PayrollSheet &Sheet, const Progress &Hooks) {
    constexpr qint64 EmployeesPerTick = 4096;
    PayrollSummary summary;
    ProgressTicker ticker(Hooks, Sheet.EmployeeCount(), EmployeesPerTick);
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!ticker.Tick(employee))
            return std::nullopt;
        if (!Sheet.Accepted(employee)) {
            ++summary.RejectedEmployees;
            continue;
        }
        ++summary.Employees;
        for (const current::WageWithholding &month : Withhold(Sheet, employee)) {
            summary.MonthTax[static_cast<std::size_t>(month.Month - 1)] += month.Tax;
            summary.YearTax += month.Tax;
            ++summary.Rows;
        }
    }
    if (!ticker.Ask(Sheet.EmployeeCount()))
        return std::nullopt;
    summary.RejectedRows = Sheet.RowCount() - summary.Rows;
    return summary;
}

const current::WageWithholding *WithholdingCursor::At(std::size_t Row) {
    if (!Sheet.RowAccepted(Row))
        return nullptr;
    const std::uint32_t employee = Sheet.Row(Row).Employee;
    if (employee != Employee) {
        Months = Withhold(Sheet, employee);
        Employee = employee;
    }
    const auto rows = Sheet.EmployeeRows(employee);
    const auto at = std::find(rows.begin(), rows.end(), static_cast<std::uint32_t>(Row));
    return &Months[static_cast<std::size_t>(at - rows.begin())];
}

} // namespace sheets
