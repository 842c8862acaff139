#include "sheets/PayrollBuilder.h"

#include "sheets/Cells.h"
#include "sheets/FileFaults.h"
#include "sheets/Limits.h"
#include "sheets/SheetText.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace sheets {
namespace {

constexpr std::uint32_t NoText = UINT32_MAX;

constexpr std::array KnownFields{Field::Id,      Field::Name,   Field::Month,
                                 Field::Income,  Field::Exempt, Field::Insurance,
                                 Field::Special, Field::Other,  Field::Mode};
constexpr std::array RequiredFields{Field::Id, Field::Month, Field::Income};

Field FieldOf(std::string_view Title) {
    for (const Field field : KnownFields) {
        if (FieldWord(field) == Title)
            return field;
    }
    return Field::Extra;
}

bool HasNul(std::string_view Text) {
    return Text.find('\0') != std::string_view::npos;
}

bool IsBlankRow(std::span<const std::string_view> Cells) {
    return std::all_of(Cells.begin(), Cells.end(),
                       [](std::string_view cell) { return TrimBlanks(cell).empty(); });
}

current::Cents &AmountOf(PayrollRow &Row, Field Which) {
    switch (Which) {
    case Field::Exempt:
        return Row.Exempt;
    case Field::Insurance:
        return Row.Insurance;
    case Field::Special:
        return Row.Special;
    case Field::Other:
        return Row.Other;
    default:
        return Row.Income;
    }
}

std::optional<ModeCell> ModeOf(std::string_view Text) {
    for (const ModeCell mode :
         {ModeCell::Blank, ModeCell::PerMonth, ModeCell::FromJanuary, ModeCell::Sixty}) {
        if (ModeCellWord(mode) == Text)
            return mode;
    }
    return std::nullopt;
}

current::BasicDeduction DeductionOf(ModeCell Mode) {
    switch (Mode) {
    case ModeCell::FromJanuary:
        return current::BasicDeduction::FromJanuary;
    case ModeCell::Sixty:
        return current::BasicDeduction::Sixty;
    default:
        return current::BasicDeduction::PerMonth;
    }
}

} // namespace

PayrollBuilder::PayrollBuilder(const QString &FileName) {
    Sheet.File = FileName;
}

std::optional<QString> PayrollBuilder::AddRow(std::uint32_t Line,
                                              std::span<const std::string_view> Cells) {
    if (auto beyond = BeyondLimits(Line, Cells))
        return beyond;
    if (IsBlankRow(Cells))
        return std::nullopt;
    if (!HasHeader())
        return SetHeader(Line, Cells);
    if (Sheet.Rows.size() >= Limit::Rows)
        return BeyondRows(Sheet.File, Line);
    AddData(Line, Cells);
    return std::nullopt;
}

std::optional<QString> PayrollBuilder::BeyondLimits(std::uint32_t Line,
                                                    std::span<const std::string_view> Cells) const {
    for (std::size_t i = 0; i < Cells.size(); ++i) {
        if (Cells[i].size() > Limit::CellBytes)
            return BeyondCellBytes(Sheet.File, Line, i);
        if (i >= Limit::Columns && !TrimBlanks(Cells[i]).empty())
            return BeyondColumns(Sheet.File, Line, i);
    }
    return std::nullopt;
}

std::optional<QString> PayrollBuilder::MissingHeader() const {
    if (HasHeader())
        return std::nullopt;
    return QStringLiteral("%1是空的，没有标题行").arg(FileNamed(Sheet.File));
}

std::optional<QString> PayrollBuilder::SetHeader(std::uint32_t Line,
                                                 std::span<const std::string_view> Cells) {
    std::size_t count = Cells.size();
    while (count > 0 && TrimBlanks(Cells[count - 1]).empty())
        --count;
    std::vector<Field> roles;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view title = TrimBlanks(Cells[i]);
        if (HasNul(title))
            return SheetText::tr("%1第%2行（标题行）第%3列含有空字符（NUL）")
                .arg(FileNamed(Sheet.File))
                .arg(Line)
                .arg(i + 1);
        SheetColumn column{QString::fromUtf8(title.data(), qsizetype(title.size())), FieldOf(title),
                           0};
        if (column.Role == Field::Extra) {
            column.Extra = Sheet.ExtraColumns++;
        } else if (std::find(roles.begin(), roles.end(), column.Role) != roles.end()) {
            return QStringLiteral("%1的标题行中「%2」列出现了不止一次")
                .arg(FileNamed(Sheet.File), column.Title);
        }
        if (column.Role == Field::Month)
            MonthColumn = i;
        if (column.Role == Field::Mode)
            ModeColumn = i;
        roles.push_back(column.Role);
        Sheet.Header.push_back(column);
    }
    QStringList missing;
    for (const Field field : RequiredFields) {
        if (std::find(roles.begin(), roles.end(), field) == roles.end())
            missing << QStringLiteral("「%1」").arg(FieldTitle(field));
    }
    if (!missing.isEmpty()) {
        return QStringLiteral("%1第%2行（标题行）缺少必需的列%3")
            .arg(FileNamed(Sheet.File), QString::number(Line), missing.join(u'、'));
    }
    Roles = std::move(roles);
    return std::nullopt;
}

void PayrollBuilder::AddData(std::uint32_t Line, std::span<const std::string_view> Cells) {
    const auto index = static_cast<std::uint32_t>(Sheet.Rows.size());
    Sheet.Rows.push_back(PayrollRow{});
    Sheet.Rows.back().Line = Line;
    if (Sheet.ExtraColumns > 0) // a sheet of the known columns alone keeps no index of them
        Sheet.ExtraStarts.push_back(static_cast<std::uint32_t>(Sheet.ExtraCells.size()));
    ModeAtFault.push_back(false);
    bool nulSeen = false;
    for (std::size_t column = 0; column < Roles.size(); ++column) {
        const std::string_view cell = column < Cells.size() ? Cells[column] : std::string_view();
        // A NUL byte is no text of any column; the row's first one is named.
        if (HasNul(cell)) {
            if (!std::exchange(nulSeen, true))
                Fault(index, column, RowProblem::NulByte, {});
            if (Roles[column] == Field::Mode)
                ModeAtFault[index] = true;
            continue;
        }
        ReadCell(index, column, cell);
    }
    CheckUntitled(index, Cells);
}

// Cells beyond the titled columns: the row's first one is named with the count of the others.
void PayrollBuilder::CheckUntitled(std::uint32_t Index, std::span<const std::string_view> Cells) {
    std::size_t first = Cells.size();
    std::uint32_t more = 0;
    for (std::size_t column = Roles.size(); column < Cells.size(); ++column) {
        if (TrimBlanks(Cells[column]).empty())
            continue;
        if (first == Cells.size())
            first = column;
        else
            ++more;
    }
    if (first < Cells.size())
        Fault(Index, first, RowProblem::NoTitle, HasNul(Cells[first]) ? "" : Cells[first], more);
}

void PayrollBuilder::ReadCell(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    PayrollRow &row = Sheet.Rows[Index];
    switch (Roles[Column]) {
    case Field::Id:
        if (const std::string_view id = TrimBlanks(Cell); id.empty())
            Fault(Index, Column, RowProblem::EmptyId, Cell);
        else
            row.Employee = EmployeeOf(id);
        break;
    case Field::Name:
        row.Name = NameOf(row.Employee, TrimBlanks(Cell));
        break;
    case Field::Month:
        ReadMonth(Index, Column, Cell);
        break;
    case Field::Mode:
        ReadMode(Index, Column, Cell);
        break;
    case Field::Extra:
        if (!Cell.empty())
            Sheet.ExtraCells.push_back({Sheet.Header[Column].Extra, Sheet.Texts.Intern(Cell)});
        break;
    default:
        ReadAmount(Index, Column, Cell);
    }
}

void PayrollBuilder::ReadMonth(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    const std::string_view text = TrimBlanks(Cell);
    if (text.empty())
        return Fault(Index, Column, RowProblem::Empty, Cell);
    const auto cents = CellCents(text);
    if (!cents || *cents % 100 != 0 || *cents < 100 || *cents > 1200)
        return Fault(Index, Column, RowProblem::NotMonth, Cell);
    Sheet.Rows[Index].Month = static_cast<std::uint8_t>(*cents / 100);
}

void PayrollBuilder::ReadAmount(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    const std::string_view text = TrimBlanks(Cell);
    if (text.empty()) {
        if (Roles[Column] == Field::Income)
            Fault(Index, Column, RowProblem::Empty, Cell);
        return;
    }
    const auto cents = CellCents(text);
    if (!cents)
        return Fault(Index, Column,
                     NumberOutOfRange(text) ? RowProblem::OutOfRange : RowProblem::NotNumber, Cell);
    // Checked on the text: "-0.001" is below zero though it rounds to 0.00.
    if (*cents < 0 || (*cents == 0 && BelowZero(text)))
        return Fault(Index, Column, RowProblem::Negative, Cell);
    AmountOf(Sheet.Rows[Index], Roles[Column]) = *cents;
}

void PayrollBuilder::ReadMode(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    const auto mode = ModeOf(TrimBlanks(Cell));
    if (!mode) {
        ModeAtFault[Index] = true;
        return Fault(Index, Column, RowProblem::UnknownMode, Cell);
    }
    Sheet.Rows[Index].Mode = *mode;
}

void PayrollBuilder::Fault(std::uint32_t Index, std::size_t Column, RowProblem Problem,
                           std::string_view Cell, std::uint32_t Other) {
    PayrollRow &row = Sheet.Rows[Index];
    row.Faulty = true;
    Sheet.Faults.push_back(RowError{Index, row.Line, static_cast<std::uint32_t>(Column), Problem,
                                    Sheet.Texts.Intern(Cell), Other});
}

// The employee of a 工号. Sheets list their rows in a steady order, employee by employee or
// month by month in the same order of employees each month, so the employee who followed the
// previous row's employee last time is tried first: its 工号 lies next to the previous one in
// the pool, where a hash look-up would reach into memory at random.
std::uint32_t PayrollBuilder::EmployeeOf(std::string_view Id) {
    if (Previous != NoEmployee) {
        const std::uint32_t guess = Follower[Previous];
        if (guess != NoEmployee && Sheet.Texts.View(Sheet.People[guess].Id) == Id)
            return Previous = guess;
    }
    const std::uint32_t idText = Sheet.Texts.Intern(Id);
    if (idText >= EmployeeByText.size())
        EmployeeByText.resize(std::max<std::size_t>(idText + 1, EmployeeByText.size() * 2),
                              NoEmployee);
    std::uint32_t &employee = EmployeeByText[idText];
    if (employee == NoEmployee) {
        employee = static_cast<std::uint32_t>(Sheet.People.size());
        Sheet.People.push_back(
            PayrollSheet::Person{idText, current::BasicDeduction::PerMonth, true});
        Follower.push_back(NoEmployee);
    }
    if (Previous != NoEmployee)
        Follower[Previous] = employee;
    return Previous = employee;
}

// The name's text, taken from the employee's last row when it is the same (the 工号 column
// comes first in most sheets; without it this is a plain look-up).
std::uint32_t PayrollBuilder::NameOf(std::uint32_t Employee, std::string_view Name) {
    if (Employee == NoEmployee)
        return Sheet.Texts.Intern(Name);
    if (Employee >= LastName.size())
        LastName.resize(Sheet.People.size(), NoText);
    std::uint32_t &last = LastName[Employee];
    if (last == NoText || Sheet.Texts.View(last) != Name)
        last = Sheet.Texts.Intern(Name);
    return last;
}

PayrollSheet PayrollBuilder::Finish() {
    EmployeeByText = {};
    LastName = {};
    Follower = {};
    GroupByEmployee();
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee)
        CheckMonths(employee);
    for (const PayrollRow &row : Sheet.Rows) {
        if (row.Faulty && row.Employee != NoEmployee)
            Sheet.People[row.Employee].Accepted = false;
    }
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (Sheet.People[employee].Accepted) {
            ++Sheet.AcceptedEmployees;
            Sheet.AcceptedRows += Sheet.EmployeeRows(employee).size();
        }
    }
    std::stable_sort(Sheet.Faults.begin(), Sheet.Faults.end(),
                     [](const RowError &a, const RowError &b) {
                         return a.Line != b.Line ? a.Line < b.Line : a.Column < b.Column;
                     });
    ModeAtFault = {};
    return std::move(Sheet);
}

// Rows with an employee and a month, grouped by employee in order of first appearance, each
// group in the file's order: a counting sort, stable.
void PayrollBuilder::GroupByEmployee() {
    std::vector<std::uint32_t> &starts = Sheet.OrderStarts;
    starts.assign(Sheet.People.size() + 1, 0);
    for (const PayrollRow &row : Sheet.Rows) {
        if (row.Employee != NoEmployee && row.Month != 0)
            ++starts[row.Employee + 1];
    }
    for (std::size_t i = 1; i < starts.size(); ++i)
        starts[i] += starts[i - 1];
    Sheet.Order.resize(starts.back());
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    for (std::uint32_t i = 0; i < Sheet.Rows.size(); ++i) {
        const PayrollRow &row = Sheet.Rows[i];
        if (row.Employee != NoEmployee && row.Month != 0)
            Sheet.Order[next[row.Employee]++] = i;
    }
}

void PayrollBuilder::CheckMonths(std::uint32_t Employee) {
    const auto first = Sheet.Order.begin() + Sheet.OrderStarts[Employee];
    const auto last = Sheet.Order.begin() + Sheet.OrderStarts[Employee + 1];
    if (first == last)
        return;
    const auto &rows = Sheet.Rows;
    // The 减除方式 of the employee's first row (in the file) is theirs; another is at fault.
    const auto modeSetter =
        std::find_if(first, last, [&](std::uint32_t i) { return !ModeAtFault[i]; });
    if (modeSetter != last) {
        const ModeCell mode = rows[*modeSetter].Mode;
        Sheet.People[Employee].Mode = DeductionOf(mode);
        for (auto it = modeSetter + 1; it != last; ++it) {
            if (!ModeAtFault[*it] && DeductionOf(rows[*it].Mode) != DeductionOf(mode))
                Fault(*it, ModeColumn, RowProblem::MixedModes, ModeCellWord(rows[*it].Mode),
                      *modeSetter);
        }
    }
    std::stable_sort(first, last, [&](std::uint32_t a, std::uint32_t b) {
        return rows[a].Month < rows[b].Month;
    });
    for (auto it = first + 1; it != last; ++it) {
        const int month = rows[*it].Month;
        const int before = rows[*(it - 1)].Month;
        const std::string monthText = std::to_string(month);
        if (month == before)
            Fault(*it, MonthColumn, RowProblem::DuplicateMonth, monthText, *(it - 1));
        else if (month > before + 1)
            Fault(*it, MonthColumn, RowProblem::MonthGap, monthText,
                  static_cast<std::uint32_t>(before + 1));
    }
}

} // namespace sheets
