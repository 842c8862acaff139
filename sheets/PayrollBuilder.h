#pragma once
// Turns the rows of text cells a reader finds into a PayrollSheet: the header decides what each
// column holds, every data row is checked cell by cell as it comes, and at the end each
// employee's months are checked together (repeated, missing, mixed 减除方式).

#include "sheets/PayrollSheet.h"

#include <optional>
#include <span>
#include <string_view>

namespace sheets {

class PayrollBuilder {
  public:
    explicit PayrollBuilder(const QString &FileName);

    // Cells are UTF-8. Until the header has come, blank rows are passed over and the first
    // other row is the header. The fault of the whole file is told as a message, and no more
    // rows are to be added: a header without a required column, or naming one twice, and a
    // row beyond a limit of sheets/Limits.h.
    std::optional<QString> AddRow(std::uint32_t Line, std::span<const std::string_view> Cells);
    bool HasHeader() const { return !Roles.empty(); }
    // Without a header (an empty file) a message, otherwise none.
    std::optional<QString> MissingHeader() const;

    PayrollSheet Finish();

  private:
    PayrollSheet Sheet;
    std::vector<Field> Roles;
    std::vector<std::uint32_t> EmployeeByText;
    std::vector<std::uint32_t> LastName; // by employee: a name repeats on every row
    std::vector<std::uint32_t> Follower; // by employee: whose row came next last time
    std::uint32_t Previous = NoEmployee; // the employee of the last row with a 工号
    std::vector<bool> ModeAtFault;       // per row
    std::size_t MonthColumn = 0;
    std::size_t ModeColumn = 0;

    std::optional<QString> BeyondLimits(std::uint32_t Line,
                                        std::span<const std::string_view> Cells) const;
    std::optional<QString> SetHeader(std::uint32_t Line, std::span<const std::string_view> Cells);
    void AddData(std::uint32_t Line, std::span<const std::string_view> Cells);
    void CheckUntitled(std::uint32_t Index, std::span<const std::string_view> Cells);
    void ReadCell(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadMonth(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadAmount(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void ReadMode(std::uint32_t Index, std::size_t Column, std::string_view Cell);
    void Fault(std::uint32_t Index, std::size_t Column, RowProblem Problem, std::string_view Cell,
               std::uint32_t Other = 0);
    std::uint32_t EmployeeOf(std::string_view Id);
    std::uint32_t NameOf(std::uint32_t Employee, std::string_view Name);
    void GroupByEmployee();
    void CheckMonths(std::uint32_t Employee);
};

} // namespace sheets
