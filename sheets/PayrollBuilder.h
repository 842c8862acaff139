#pragma once
// Turns the rows of text cells a reader finds into a PayrollSheet: the header decides what each
// column holds, every data row is checked cell by cell as it comes, and at the end each
// employee's months are checked together (repeated, missing, mixed 减除方式, 6万 from a month
// other than January) and the sheet's year (月份 written with one).

#include "sheets/PayrollSheet.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sheets {

// The header is the first row holding 工号, 月份 and 收入 among the first HeaderRows rows that are
// not blank: a sheet may have a title and notes above it.
inline constexpr std::uint32_t HeaderRows = 10;

class PayrollBuilder {
  public:
    explicit PayrollBuilder(const QString &FileName);

    // Cells are UTF-8. Rows are passed over until the header has come. The fault of the whole
    // file is told as a message, and no more rows are to be added: no header among the first
    // HeaderRows rows, a header naming a column twice, and a row beyond a limit of
    // sheets/Limits.h.
    std::optional<QString> AddRow(std::uint32_t Line, std::span<const std::string_view> Cells);
    bool HasHeader() const { return !SheetColumns.empty(); }
    // Without a header (an empty file, or none found) a message, otherwise none.
    std::optional<QString> MissingHeader() const;

    PayrollSheet Finish();

    // The rows an earlier save left out beside the sheet (its 未计算 worksheet or file), read after
    // it as rows of the same sheet: from here on a header is looked for again, its columns are
    // matched to the sheet's by title, and rows and messages name the part as Name.
    void NextPart(const QString &Name);
    // The worksheet the rows come from, kept for the workbook saved.
    void SetSheetName(const QString &Name) { Sheet.Worksheet = Name; }
    // Every row of a sheet already read, as it was typed, with some cells typed anew (by row and
    // column of From, UTF-8): its parts and lines kept. Into a builder of no rows yet, or after
    // NextPart (From being that part's own sheet). A fault of the whole is told as by AddRow.
    using Amendments = std::map<std::pair<std::size_t, std::size_t>, std::string>;
    std::optional<QString> AddSheet(const PayrollSheet &From, const Amendments &Typed = {});

  private:
    static constexpr std::size_t NoNul = SIZE_MAX;
    // The row before the header that came nearest to being one, for the message when none comes.
    struct NearHeader {
        std::uint32_t Line = 0;
        std::uint8_t Found = 0; // of the required fields, a bit each
        std::size_t NulColumn = NoNul;
    };
    struct YearOfRow {
        std::uint32_t Row;
        std::uint16_t Year;
        std::uint32_t Text; // the cell as written
    };

    PayrollSheet Sheet;
    // By column of the file: its place among the sheet's columns, or NotKept.
    std::vector<std::uint32_t> SheetColumns;
    std::optional<NearHeader> Nearest;
    std::uint32_t RowsBeforeHeader = 0;
    std::vector<std::uint32_t> EmployeeByText;
    std::vector<std::uint32_t> LastName; // by employee: a name repeats on every row
    std::vector<std::uint32_t> Follower; // by employee: whose row came next last time
    std::uint32_t Previous = NoEmployee; // the employee of the last row with a 工号
    std::vector<bool> ModeAtFault;       // per row
    std::vector<YearOfRow> Years;        // the rows whose 月份 names a year
    std::string Scratch;
    std::size_t MonthColumn = 0;
    std::size_t ModeColumn = 0;
    std::size_t IdColumn = SIZE_MAX; // in the file
    std::uint8_t CurrentPart = 0;

    std::optional<QString> BeyondLimits(std::uint32_t Line,
                                        std::span<const std::string_view> Cells) const;
    std::optional<QString> LookForHeader(std::uint32_t Line,
                                         std::span<const std::string_view> Cells);
    QString NoHeader() const;
    std::optional<QString> SetHeader(std::uint32_t Line, std::span<const std::string_view> Cells);
    std::optional<QString> AddColumn(std::string_view Title, std::vector<std::uint32_t> &Kept);
    bool IsTotalsRow(std::span<const std::string_view> Cells) const;
    void KeepTyped(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void AddData(std::uint32_t Line, std::span<const std::string_view> Cells);
    void CheckUntitled(std::uint32_t Index, std::span<const std::string_view> Cells);
    void ReadCell(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadMonth(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadAmount(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadMode(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void Fault(std::uint32_t Index, std::size_t Column, RowProblem Problem, std::string_view Cell,
               std::uint32_t Other = 0);
    void Blame(std::uint32_t Index, std::size_t Column, RowProblem Problem, std::uint32_t Text,
               std::uint32_t Other);
    std::uint32_t EmployeeOf(std::string_view Id);
    std::uint32_t NameOf(std::uint32_t Employee, std::string_view Name);
    void GroupByEmployee();
    void CheckYears();
    void CheckMonths(std::uint32_t Employee);
    void CheckItemsInLaw();
};

} // namespace sheets
