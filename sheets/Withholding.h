#pragma once
// The calculation of a payroll sheet: each accepted employee's months through the engine's
// cumulative withholding, and the result columns as they are shown and written. Results are
// computed when they are needed (an employee's year takes a microsecond) rather than held for
// a million rows beside the sheet.

#include "engine/current/Wage.h"
#include "sheets/PayrollSheet.h"
#include "sheets/Progress.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace sheets {

// An amount in cents, or the rate in whole percent.
inline current::Cents ResultValue(const current::WageWithholding &Month, ResultColumn Column) {
    using W = current::WageWithholding;
    static constexpr std::array<current::Cents W::*, ResultColumnCount> Fields{
        &W::CumulativeIncome,
        &W::CumulativeExempt,
        &W::CumulativeBasic,
        &W::CumulativeInsurance,
        &W::CumulativeSpecial,
        &W::CumulativeOther,
        &W::CumulativeTaxable,
        nullptr,
        &W::QuickDeduction,
        &W::CumulativeTax,
        &W::WithheldBefore,
        &W::Tax,
        &W::Net};
    return Column == ResultColumn::Rate ? Month.Rate
                                        : Month.*Fields[static_cast<std::size_t>(Column)];
}
// "1234.50", or the rate as "3%".
QString ResultText(const current::WageWithholding &Month, ResultColumn Column);

// The engine's months for an accepted employee, one for each of EmployeeRows(Employee).
std::vector<current::WageWithholding> Withhold(const PayrollSheet &Sheet, std::uint32_t Employee);

// A sum over a whole sheet, in cents. An employee's year stays far inside 64 bits, but a million
// rows of the largest amounts do not; 128 bits hold any sum a sheet can make.
using Total = __int128;
// "1234.50", as AppendCents writes it.
QString TotalText(Total Value);

struct PayrollSummary {
    std::uint32_t Employees = 0; // accepted
    std::size_t Rows = 0;        // of the accepted employees
    std::uint32_t RejectedEmployees = 0;
    std::size_t RejectedRows = 0;     // rows left out, those without 工号 included
    std::array<Total, 12> MonthTax{}; // 本月应预扣税额 by month, January first
    Total YearTax = 0;
};

// Every accepted employee computed; none when cancelled. Progress in employees.
std::optional<PayrollSummary> Summarize(const PayrollSheet &Sheet, const Progress &Hooks = {});

// The results of any row, for a view that asks row by row: the row's employee is computed when
// first asked and kept until a row of another employee is asked for. Not for sharing between
// threads.
class WithholdingCursor {
  public:
    explicit WithholdingCursor(const PayrollSheet &Sheet) : Sheet(Sheet) {}
    // Null for a row that is left out.
    const current::WageWithholding *At(std::size_t Row);

  private:
    const PayrollSheet &Sheet;
    std::uint32_t Employee = NoEmployee;
    std::vector<current::WageWithholding> Months;
};

} // namespace sheets
