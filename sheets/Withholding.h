#pragma once
// The calculation of a payroll sheet: each accepted employee's months through the engine's
// cumulative withholding, and the result columns as they are shown and written. Results are
// computed when they are needed (an employee's year takes a microsecond) rather than held for
// a million rows beside the sheet.

#include "engine/current/Bonus.h"
#include "engine/current/Wage.h"
#include "sheets/PayrollSheet.h"
#include "sheets/Progress.h"

#include <QString>

#include <QStringList>

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

// A bonus of a row as taxed: on its own (its rate, quick deduction, tax and what is left, and the
// cliff it lies in), or with the month's wage (the wage's results hold it).
struct BonusResult {
    BonusTaking Taking;
    int Rate = 0;
    current::Cents QuickDeduction = 0;
    current::Cents Tax = 0;
    current::Cents Net = 0;
    // Taxed on its own above a bound of the table, keeping less than a bonus of the bound would.
    std::optional<current::BonusCliff> Cliff;
};
// One for each of EmployeeRows(Employee); all of BonusWay::None when the sheet has no bonus.
std::vector<BonusResult> TaxBonuses(const PayrollSheet &Sheet, std::uint32_t Employee);
// What the 奖金提示 column says of it; empty when nothing.
QString BonusNote(const BonusResult &Bonus);

// A cell of the columns written after the wage's results: those of BonusColumn when the sheet
// has a bonus, then the year so far of each item it gives (ItemResultTitle).
struct ExtraResult {
    enum class Kind : std::uint8_t { Empty, Amount, Rate, Text };
    Kind Of = Kind::Empty;
    current::Cents Value = 0; // an amount in cents, or the rate in whole percent
    QString Text;
    bool Flagged = false; // a cliff: a clerk should look at it
};
QStringList ExtraTitles(const PayrollSheet &Sheet);
std::size_t ExtraCount(const PayrollSheet &Sheet);
// By row of EmployeeRows(Employee), ExtraCount(Sheet) cells each.
std::vector<std::vector<ExtraResult>> ExtraResults(const PayrollSheet &Sheet,
                                                   std::uint32_t Employee);
// "1234.50", "3%", or the text.
QString ExtraText(const ExtraResult &Cell);

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
    std::uint32_t BonusCliffs = 0; // bonuses taxed on their own that lie in a cliff
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
    // The row's cells after the wage's results (ExtraResults); none for a row left out.
    std::span<const ExtraResult> ExtrasAt(std::size_t Row);

  private:
    const PayrollSheet &Sheet;
    std::uint32_t Employee = NoEmployee;
    std::vector<current::WageWithholding> Months;
    std::vector<std::vector<ExtraResult>> Extras;
    std::size_t Place(std::size_t Row);
};

} // namespace sheets
