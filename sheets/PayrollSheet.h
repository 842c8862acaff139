#pragma once
// A payroll sheet as read: the columns in the file's order, one compact record per data row
// (amounts in cents, texts as numbers into one pool), the employees in order of first
// appearance with their rows by month, and every fault found in a row. An employee with a
// fault in any of their rows is left out of the calculation; the others are kept.
//
// Columns with other titles than the known ones are kept as text and written back in their
// place (a row holds only its cells that are not empty); the columns this program writes (the
// results of an earlier calculation) are left out, to be written anew. Blank lines (every cell
// empty or blanks) are passed over, though they count in the line numbers. What a sheet may hold is
// bounded by sheets/Limits.h. A sheet does not change once read: its const functions may be called
// from several threads at once.

#include "engine/current/RulesInUse.h"
#include "engine/current/Wage.h"
#include "sheets/Columns.h"
#include "sheets/TextPool.h"

#include <QString>
#include <QStringList>

#include <array>

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace sheets {

// The 减除方式 cell as written: blank counts as 按月.
enum class ModeCell : std::uint8_t { Blank, PerMonth, FromJanuary, Sixty };
std::string_view ModeCellWord(ModeCell Mode); // UTF-8: "", "按月", "自1月", "6万"
// The mode a cell (blanks around it removed) names: the Chinese word, or its English key
// ("per-month", "from-january", "sixty") in any case; blank is Blank.
std::optional<ModeCell> ModeCellOf(std::string_view Text);
current::BasicDeduction DeductionOf(ModeCell Mode);
QString ModeCellText(ModeCell Mode);

// The 奖金计税方式 cell as written: blank takes the separate method while the law has it.
enum class BonusAsk : std::uint8_t { Blank, Separate, Merged };
// "单独", "单独计税" or "separate"; "并入", "并入综合所得" or "merged" (any case); blank is Blank.
std::optional<BonusAsk> BonusAskOf(std::string_view Text);

// How a bonus of a row is taxed.
enum class BonusWay : std::uint8_t {
    None,         // no bonus in the row
    Separate,     // on its own, the year's one bonus so taxed
    MergedAsked,  // with the month's wage, as 奖金计税方式 asks
    MergedByLaw,  // with the month's wage, the year's law having no separate method
    MergedSecond, // with the month's wage, an earlier bonus of the year taxed on its own
};
struct BonusTaking {
    current::Cents Amount = 0;
    BonusWay Way = BonusWay::None;
    std::uint8_t SeparateMonth = 0; // MergedSecond: the month of the bonus taxed on its own
    // Added to the month's wage, and so to its income as withheld.
    bool MergedWithWage() const { return Way != BonusWay::None && Way != BonusWay::Separate; }
};

// What each item given in a column of its own deducts in a month, by DeductionItem less one.
using ItemAmounts = std::array<current::Cents, DeductionItemCount>;

struct SheetColumn {
    QString Title;
    Field Role = Field::Extra;
    // For a column kept as typed (an extra column, a part of 专项扣除, the bonus, its method, an
    // item of the deductions): its place among those columns.
    std::uint32_t Extra = 0;
    InsurancePart Part = InsurancePart::None;
    DeductionItem Item = DeductionItem::None;
};

inline constexpr std::uint32_t NoEmployee = UINT32_MAX;

struct PayrollRow {
    std::uint32_t Line = 0;              // see RowError::Line
    std::uint32_t Employee = NoEmployee; // none when 工号 is empty
    std::uint32_t Name = TextPool::Empty;
    std::uint8_t Month = 0; // 0 when the cell is not a month
    ModeCell Mode = ModeCell::Blank;
    bool Faulty = false; // a cell of this row is at fault
    // Where the row was read: 0 the sheet itself, 1 the rows an earlier save left out beside it
    // (PayrollSheet::PartName).
    std::uint8_t Part = 0;
    current::Cents Income = 0;
    current::Cents Exempt = 0;
    current::Cents Insurance = 0;
    current::Cents Special = 0;
    current::Cents Other = 0;
};

enum class RowProblem : std::uint8_t {
    EmptyId,            // 工号 empty
    Empty,              // 月份 or 收入 empty
    NotNumber,          // an amount that is not a number
    OutOfRange,         // a number beyond the largest amount, or too small to be held
    Negative,           // a negative amount
    NotMonth,           // 月份 not a whole number from 1 to 12
    UnknownMode,        // 减除方式 not one of 按月, 自1月, 6万
    DuplicateMonth,     // the employee's month again
    MonthGap,           // a month missing between two of the employee's months
    MixedModes,         // a 减除方式 other than the one of the employee's first row
    NoTitle,            // a cell beyond the titled columns, the first of its row
    NulByte,            // a cell holding a NUL byte, the first of its row
    OtherYear,          // 月份 of another year than the sheet's
    SixtyLate,          // 6万 for an employee whose months do not begin in January
    ModeNotYetLaw,      // 自1月 or 6万 in a year before the law had it
    UnknownBonusMethod, // 奖金计税方式 not one of 单独, 并入
    ItemNotYetLaw,      // an item of the deductions in a year the law did not have it
};

struct RowError {
    std::uint32_t Row = 0;    // the row's index in the sheet
    std::uint32_t Line = 0;   // CSV: the line, the header being line 1; .xlsx: the row number shown
    std::uint32_t Column = 0; // index into Columns(), or beyond them for NoTitle
    RowProblem Problem = RowProblem::Empty;
    std::uint32_t Text = TextPool::Empty; // the cell as written
    // DuplicateMonth and MixedModes: the index of the row it conflicts with; MonthGap: the
    // first missing month; NoTitle: how many more untitled cells the row has; OtherYear: the
    // sheet's year; SixtyLate: the employee's first month; ModeNotYetLaw, ItemNotYetLaw: the
    // sheet's year.
    std::uint32_t Other = 0;
};

class PayrollSheet {
  public:
    const QString &FileName() const { return File; }
    const std::vector<SheetColumn> &Columns() const { return Header; }
    // Where a known field's column is; -1 for an optional one the sheet does not have.
    int ColumnOf(Field Which) const;

    // Data rows in the file's order (blank lines are not rows).
    std::size_t RowCount() const { return Rows.size(); }
    const PayrollRow &Row(std::size_t Index) const { return Rows[Index]; }
    bool RowAccepted(std::size_t Index) const;
    // A cell as it is written back: amounts with two decimals, the month as a number, texts as
    // they were; a cell at fault as it was written.
    QString Cell(std::size_t Row, std::size_t Column) const;
    // The UTF-8 text of a cell of 工号, 姓名, 减除方式 or an extra column.
    std::string_view TextOf(std::size_t Row, std::size_t Column) const;
    // The amount of an amount field (收入 … 其他扣除) in cents.
    current::Cents Amount(std::size_t Row, Field Which) const {
        const PayrollRow &row = Rows[Row];
        switch (Which) {
        case Field::Exempt:
            return row.Exempt;
        case Field::Insurance:
            return row.Insurance;
        case Field::Special:
            return row.Special;
        case Field::Other:
            return row.Other;
        default:
            return row.Income;
        }
    }

    std::uint32_t EmployeeCount() const { return static_cast<std::uint32_t>(People.size()); }
    QString EmployeeId(std::uint32_t Employee) const { return Texts.Text(People[Employee].Id); }
    bool Accepted(std::uint32_t Employee) const { return People[Employee].Accepted; }
    current::BasicDeduction Mode(std::uint32_t Employee) const { return People[Employee].Mode; }
    // The rules the sheet is withheld under: those of the year its 月份 cells name ("2020-03"),
    // the latest year's when they name none or one the program does not know.
    const current::YearRules &Rules() const {
        const current::YearRules *rules = current::RulesInUse(SheetYear);
        return rules ? *rules : current::LatestRulesInUse();
    }
    // Whether the sheet's year has the separate taxation of the annual bonus: its rules say so,
    // and a year named beyond those the program knows is not past the day the method ends.
    bool SeparateBonusAllowed() const;
    // The year the 月份 cells name; 0 when they name none.
    int NamedYear() const { return SheetYear; }
    // The employee's rows with a month, months ascending (all of them when accepted).
    std::span<const std::uint32_t> EmployeeRows(std::uint32_t Employee) const;
    // What the engine is given for an accepted employee, in the order of EmployeeRows: a bonus
    // not taxed on its own in its month's income, the items deducted with 其他扣除 in Other.
    std::vector<current::WageMonth> Months(std::uint32_t Employee) const;

    // The amount of a column kept as typed that holds one (全年一次性奖金, an item), 0 when blank.
    current::Cents TypedAmount(std::size_t Row, std::size_t Column) const;
    // Whether the sheet has a 全年一次性奖金 column, and which items it gives in columns, in the
    // order of DeductionItem.
    bool HasBonus() const { return ColumnOf(Field::Bonus) >= 0; }
    std::vector<DeductionItem> Items() const;
    // Where among EmployeeRows(Employee) the row of Month stands; none when the employee has none.
    std::optional<std::size_t> IndexOfMonth(std::uint32_t Employee, int Month) const;
    // Each of an accepted employee's bonuses, in the order of EmployeeRows.
    std::vector<BonusTaking> Bonuses(std::uint32_t Employee) const;
    // What each item deducts in each of an accepted employee's months, in the order of
    // EmployeeRows: as given, but 个人养老金 within the year's cap and 商业健康保险 within the
    // month's and the year's.
    std::vector<ItemAmounts> ItemsDeducted(std::uint32_t Employee) const;

    std::uint32_t AcceptedEmployeeCount() const { return AcceptedEmployees; }
    std::size_t AcceptedRowCount() const { return AcceptedRows; }

    // Every fault, by line and column.
    const std::vector<RowError> &Errors() const { return Faults; }
    // The faults of one row, by column.
    std::vector<const RowError *> FaultsOf(std::size_t Row) const;
    // The cell as it was written when it is at fault; none when it is not.
    std::optional<std::string_view> FaultyCell(std::size_t Row, std::size_t Column) const;
    // The cell as it was typed where that differs from how it is read ("1月", "¥19,000.00"),
    // or is at fault; none otherwise. What a row left out is written back with.
    std::optional<std::string_view> TypedCell(std::size_t Row, std::size_t Column) const;
    // "第5行「收入」列：“abc”不是数字": the place ("第5行「收入」列"), the column's title
    // ("收入", or "第12列" beyond the titled ones) and the reason ("“abc”不是数字").
    QString Message(const RowError &Error) const;
    QString Place(const RowError &Error) const;
    QString ColumnName(const RowError &Error) const;
    QString Reason(const RowError &Error) const;

    // The columns of an earlier calculation's results that the file held and the sheet leaves
    // out (see Field::Written).
    std::uint32_t WrittenColumnsLeftOut() const { return LeftOut; }

    // The titles of the columns the program does not read (kept as text and written back), and of
    // those among them that look like an amount it would deduct (LooksLikeDeduction).
    QStringList UnreadTitles() const;
    QStringList DeductionLikeTitles() const;
    // The rows without 工号 that say 合计 or the like, passed over: how many, and the first's line.
    std::uint32_t TotalsRows() const { return Totals; }
    std::uint32_t FirstTotalsLine() const { return FirstTotals; }
    // Where the rows of a part were read, for messages: empty for the sheet itself, as
    // "工作表“未计算”" for the rows an earlier save left out; and how many rows came from there.
    QString PartName(std::uint8_t Part) const;
    std::size_t RowsOfPart(std::uint8_t Part) const;
    // The rows above the header (a title, notes) as they were, cell by cell, and the name of the
    // worksheet read (empty for CSV): kept for the workbook saved.
    const std::vector<std::vector<QString>> &TitleRows() const { return Above; }
    const QString &SheetName() const { return Worksheet; }

  private:
    friend class PayrollBuilder;

    struct Person {
        std::uint32_t Id = TextPool::Empty;
        current::BasicDeduction Mode = current::BasicDeduction::PerMonth;
        bool Accepted = true;
    };

    QString File;
    std::vector<SheetColumn> Header;
    std::uint32_t ExtraColumns = 0;
    TextPool Texts;
    std::vector<PayrollRow> Rows;
    // The extra cells that are not empty, row by row: a sheet of many titles and short rows
    // costs what its cells hold, not rows × titles.
    struct ExtraCell {
        std::uint32_t Extra; // the column's place among the extra columns
        std::uint32_t Text;
    };
    std::vector<ExtraCell> ExtraCells;
    std::vector<std::uint32_t> ExtraStarts; // by row, where its cells begin in ExtraCells
    std::vector<Person> People;
    std::vector<std::uint32_t> Order;       // rows grouped by employee, months ascending
    std::vector<std::uint32_t> OrderStarts; // where each employee's rows begin in Order
    std::vector<RowError> Faults;
    std::uint32_t AcceptedEmployees = 0;
    std::size_t AcceptedRows = 0;
    std::uint32_t LeftOut = 0;
    std::uint32_t Totals = 0;
    std::uint32_t FirstTotals = 0;
    std::vector<QString> PartNames; // by part after the first
    std::vector<std::vector<QString>> Above;
    QString Worksheet;
    struct Typed {
        std::uint32_t Row;
        std::uint32_t Column;
        std::uint32_t Text;
    };
    std::vector<Typed> TypedCells; // by row
    int SheetYear = 0;             // 0: the 月份 cells name no year

    const RowError *FaultAt(std::size_t Row, std::size_t Column) const;
    std::string_view ExtraText(std::size_t Row, std::uint32_t Extra) const;
};

} // namespace sheets
