#include "sheets/PayrollBuilder.h"

#include "sheets/Cells.h"
#include "sheets/FileFaults.h"
#include "sheets/Limits.h"
#include "sheets/SheetText.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <utility>

namespace sheets {
namespace {

constexpr std::uint32_t NoText = UINT32_MAX;
constexpr std::uint32_t NoRow = UINT32_MAX;
// A column of the file the sheet does not keep (a result of an earlier calculation).
constexpr std::uint32_t NotKept = UINT32_MAX;

constexpr std::array RequiredFields{Field::Id, Field::Month, Field::Income};

constexpr std::uint8_t AllRequired = (1u << RequiredFields.size()) - 1;

// The required fields among the titles, a bit each in the order of RequiredFields.
std::uint8_t RequiredIn(std::span<const std::string_view> Titles) {
    std::uint8_t found = 0;
    for (const std::string_view title : Titles) {
        const Field field = FieldOfTitle(TrimBlanks(title));
        for (std::size_t i = 0; i < RequiredFields.size(); ++i) {
            if (field == RequiredFields[i])
                found |= static_cast<std::uint8_t>(1u << i);
        }
    }
    return found;
}

bool HasNul(std::string_view Text) {
    return Text.find('\0') != std::string_view::npos;
}

bool IsBlankRow(std::span<const std::string_view> Cells) {
    return std::all_of(Cells.begin(), Cells.end(),
                       [](std::string_view cell) { return TrimBlanks(cell).empty(); });
}

QString NulInHeader(const QString &File, std::uint32_t Line, std::size_t Column) {
    return SheetText::tr("%1第%2行（标题行）第%3列含有空字符（NUL）")
        .arg(FileNamed(File), QString::number(Line), QString::number(Column + 1));
}

// The columns whose cells are kept as they were typed, beside the row's record.
bool KeptAsTyped(Field Role) {
    switch (Role) {
    case Field::Extra:
    case Field::InsurancePart:
    case Field::Bonus:
    case Field::BonusMethod:
    case Field::DeductionItem:
        return true;
    default:
        return false;
    }
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
        return LookForHeader(Line, Cells);
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

// A row before the header: the header when it holds the required titles, else a title or a note
// above it, kept in mind only as the nearest miss.
std::optional<QString> PayrollBuilder::LookForHeader(std::uint32_t Line,
                                                     std::span<const std::string_view> Cells) {
    const std::uint8_t found = RequiredIn(Cells);
    if (found == AllRequired)
        return SetHeader(Line, Cells);
    if (CurrentPart == 0) {
        std::vector<QString> &above = Sheet.Above.emplace_back();
        for (const std::string_view cell : Cells)
            above.push_back(QString::fromUtf8(cell.data(), qsizetype(cell.size())));
        while (!above.empty() && above.back().trimmed().isEmpty())
            above.pop_back();
    }
    if (!Nearest || std::popcount(found) > std::popcount(Nearest->Found)) {
        const auto nul = std::find_if(Cells.begin(), Cells.end(), HasNul);
        Nearest =
            NearHeader{Line, found, nul == Cells.end() ? NoNul : std::size_t(nul - Cells.begin())};
    }
    return ++RowsBeforeHeader >= HeaderRows ? std::optional(NoHeader()) : std::nullopt;
}

std::optional<QString> PayrollBuilder::MissingHeader() const {
    if (HasHeader())
        return std::nullopt;
    if (Nearest)
        return NoHeader();
    return SheetText::tr("%1是空的，没有标题行").arg(FileNamed(Sheet.File));
}

// What the nearest miss lacks; without a required title at all, where the header was looked for.
QString PayrollBuilder::NoHeader() const {
    const QString file = FileNamed(Sheet.File);
    QStringList titles;
    QStringList missing;
    for (std::size_t i = 0; i < RequiredFields.size(); ++i) {
        titles << SheetText::tr("「%1」").arg(FieldTitle(RequiredFields[i]));
        if ((Nearest->Found & (1u << i)) == 0)
            missing << titles.constLast();
    }
    if (Nearest->Found == 0)
        return SheetText::tr("%1的前%2行（不计空行）中没有标题行：标题行是含有%3各列的一行")
            .arg(file, QString::number(HeaderRows), titles.join(SheetText::tr("、")));
    if (Nearest->NulColumn != NoNul)
        return NulInHeader(Sheet.File, Nearest->Line, Nearest->NulColumn);
    return SheetText::tr("%1第%2行（标题行）缺少必需的列%3")
        .arg(file, QString::number(Nearest->Line), missing.join(SheetText::tr("、")));
}

std::optional<QString> PayrollBuilder::SetHeader(std::uint32_t Line,
                                                 std::span<const std::string_view> Cells) {
    std::size_t count = Cells.size();
    while (count > 0 && TrimBlanks(Cells[count - 1]).empty())
        --count;
    std::vector<std::uint32_t> kept;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view title = TrimBlanks(Cells[i]);
        if (HasNul(title))
            return NulInHeader(Sheet.File, Line, i);
        if (auto fault = AddColumn(title, kept))
            return fault;
    }
    // 专项扣除 is the sum of its parts: a sheet with both would deduct them twice.
    const int whole = Sheet.ColumnOf(Field::Insurance);
    const int part = Sheet.ColumnOf(Field::InsurancePart);
    if (whole >= 0 && part >= 0)
        return SheetText::tr("%1的标题行中既有「%2」列又有「%3」列：「%2」是各项社会保险费和住房"
                             "公积金之和，不能与其中一项同时给出；请只留「%2」或只留各项")
            .arg(FileNamed(Sheet.File), Sheet.Header[std::size_t(whole)].Title,
                 Sheet.Header[std::size_t(part)].Title);
    // 专项附加扣除 likewise is the sum of its items.
    const int special = Sheet.ColumnOf(Field::Special);
    const auto item =
        std::find_if(Sheet.Header.begin(), Sheet.Header.end(), [](const SheetColumn &c) {
            return c.Role == Field::DeductionItem && PartOfSpecial(c.Item);
        });
    if (special >= 0 && item != Sheet.Header.end())
        return SheetText::tr(
                   "%1的标题行中既有「%2」列又有「%3」列：「%2」是子女教育、赡养老人等各项"
                   "之和，不能与其中一项同时给出；请只留「%2」或只留各项")
            .arg(FileNamed(Sheet.File), Sheet.Header[std::size_t(special)].Title, item->Title);
    IdColumn = SIZE_MAX;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i] != NotKept && Sheet.Header[kept[i]].Role == Field::Id)
            IdColumn = i;
    }
    SheetColumns = std::move(kept);
    return std::nullopt;
}

// The column a title names, kept in the sheet's columns: a new one, or in a later part the
// sheet's own of that name.
std::optional<QString> PayrollBuilder::AddColumn(std::string_view Title,
                                                 std::vector<std::uint32_t> &Kept) {
    const TitleRole role = RoleOfTitle(Title);
    if (role.Role == Field::Written) {
        // Written again after the input columns from this calculation's figures.
        Kept.push_back(NotKept);
        if (CurrentPart == 0)
            ++Sheet.LeftOut;
        return std::nullopt;
    }
    SheetColumn column{QString::fromUtf8(Title.data(), qsizetype(Title.size())), role.Role, 0,
                       role.Part, role.Item};
    const auto &header = Sheet.Header;
    const auto same = std::find_if(header.begin(), header.end(), [&](const SheetColumn &c) {
        return column.Role == Field::Extra
                   ? CurrentPart > 0 && c.Role == Field::Extra && c.Title == column.Title
                   : c.Role == column.Role && c.Part == column.Part && c.Item == column.Item;
    });
    if (same != header.end()) {
        const auto index = static_cast<std::uint32_t>(same - header.begin());
        if (CurrentPart == 0 || std::find(Kept.begin(), Kept.end(), index) != Kept.end()) {
            if (same->Title == column.Title)
                return SheetText::tr("%1的标题行中「%2」列出现了不止一次")
                    .arg(FileNamed(Sheet.File), column.Title);
            return SheetText::tr("%1的标题行中「%2」列和「%3」列是同一项，只能有一列")
                .arg(FileNamed(Sheet.File), same->Title, column.Title);
        }
        Kept.push_back(index);
        return std::nullopt;
    }
    if (KeptAsTyped(column.Role))
        column.Extra = Sheet.ExtraColumns++;
    if (column.Role == Field::Month)
        MonthColumn = Sheet.Header.size();
    if (column.Role == Field::Mode)
        ModeColumn = Sheet.Header.size();
    Kept.push_back(static_cast<std::uint32_t>(Sheet.Header.size()));
    Sheet.Header.push_back(column);
    return std::nullopt;
}

// A row without 工号 that says 合计 or the like sums the rows above it: no employee's.
bool PayrollBuilder::IsTotalsRow(std::span<const std::string_view> Cells) const {
    if (IdColumn == SIZE_MAX || (IdColumn < Cells.size() && !TrimBlanks(Cells[IdColumn]).empty()))
        return false;
    return std::any_of(Cells.begin(), Cells.end(),
                       [](std::string_view cell) { return SaysTotal(TrimBlanks(cell)); });
}

void PayrollBuilder::AddData(std::uint32_t Line, std::span<const std::string_view> Cells) {
    if (IsTotalsRow(Cells)) {
        if (Sheet.Totals++ == 0)
            Sheet.FirstTotals = Line;
        return;
    }
    const auto index = static_cast<std::uint32_t>(Sheet.Rows.size());
    Sheet.Rows.push_back(PayrollRow{});
    Sheet.Rows.back().Line = Line;
    Sheet.Rows.back().Part = CurrentPart;
    // A sheet of the known columns alone keeps no index of them; a later part may bring some.
    if (Sheet.ExtraColumns > 0)
        Sheet.ExtraStarts.resize(Sheet.Rows.size(),
                                 static_cast<std::uint32_t>(Sheet.ExtraCells.size()));
    ModeAtFault.push_back(false);
    bool nulSeen = false;
    for (std::size_t i = 0; i < SheetColumns.size(); ++i) {
        const std::uint32_t column = SheetColumns[i];
        if (column == NotKept)
            continue;
        const std::string_view cell = i < Cells.size() ? Cells[i] : std::string_view();
        // A NUL byte is no text of any column; the row's first one is named.
        if (HasNul(cell)) {
            if (!std::exchange(nulSeen, true))
                Fault(index, column, RowProblem::NulByte, {});
            if (Sheet.Header[column].Role == Field::Mode)
                ModeAtFault[index] = true;
            continue;
        }
        ReadCell(index, column, cell);
    }
    CheckUntitled(index, Cells);
}

void PayrollBuilder::NextPart(const QString &Name) {
    ++CurrentPart;
    Sheet.PartNames.push_back(Name);
    SheetColumns.clear();
    Nearest.reset();
    RowsBeforeHeader = 0;
    IdColumn = SIZE_MAX;
}

std::optional<QString> PayrollBuilder::AddSheet(const PayrollSheet &From, const Amendments &Typed) {
    const std::uint8_t base = CurrentPart;
    if (base == 0 && Sheet.Rows.empty()) {
        Sheet.Above = From.Above;
        Sheet.Worksheet = From.Worksheet;
        Sheet.LeftOut = From.LeftOut;
        Sheet.Totals = From.Totals;
        Sheet.FirstTotals = From.FirstTotals;
        Sheet.PartNames = From.PartNames;
    }
    std::vector<QByteArray> titles;
    titles.reserve(From.Columns().size()); // the views below stay on their texts
    std::vector<std::string_view> views;
    for (const SheetColumn &column : From.Columns()) {
        titles.push_back(column.Title.toUtf8());
        views.emplace_back(titles.back().constData(), std::size_t(titles.back().size()));
    }
    if (auto fault = SetHeader(0, views))
        return fault;
    std::vector<std::string> cells(views.size());
    for (std::size_t row = 0; row < From.RowCount(); ++row) {
        for (std::size_t column = 0; column < cells.size(); ++column) {
            if (const auto typed = Typed.find({row, column}); typed != Typed.end())
                cells[column] = typed->second;
            else if (const auto asTyped = From.TypedCell(row, column))
                cells[column] = *asTyped;
            else
                cells[column] = From.Cell(row, column).toStdString();
            views[column] = cells[column];
        }
        if (auto beyond = BeyondLimits(From.Row(row).Line, views))
            return beyond;
        if (Sheet.Rows.size() >= Limit::Rows)
            return BeyondRows(Sheet.File, From.Row(row).Line);
        CurrentPart = static_cast<std::uint8_t>(base + From.Row(row).Part);
        AddData(From.Row(row).Line, views);
    }
    CurrentPart = base;
    return std::nullopt;
}

// Cells beyond the titled columns: the row's first one is named, by its column in the file, with
// the count of the others.
void PayrollBuilder::CheckUntitled(std::uint32_t Index, std::span<const std::string_view> Cells) {
    std::size_t first = Cells.size();
    std::uint32_t more = 0;
    for (std::size_t column = SheetColumns.size(); column < Cells.size(); ++column) {
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
    switch (Sheet.Header[Column].Role) {
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
    case Field::InsurancePart: // kept as typed, and added into 专项扣除
    case Field::DeductionItem: // kept as typed, and added into 专项附加扣除 or taken when computed
    case Field::Bonus:
        if (!Cell.empty())
            Sheet.ExtraCells.push_back({Sheet.Header[Column].Extra, Sheet.Texts.Intern(Cell)});
        ReadAmount(Index, Column, Cell);
        break;
    case Field::BonusMethod:
        if (!Cell.empty())
            Sheet.ExtraCells.push_back({Sheet.Header[Column].Extra, Sheet.Texts.Intern(Cell)});
        if (!BonusAskOf(TrimBlanks(Cell)))
            Fault(Index, Column, RowProblem::UnknownBonusMethod, Cell);
        break;
    default:
        ReadAmount(Index, Column, Cell);
    }
}

void PayrollBuilder::ReadMonth(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    if (TrimBlanks(Cell).empty())
        return Fault(Index, Column, RowProblem::Empty, Cell);
    const auto month = ReadMonthCell(Cell);
    if (!month)
        return Fault(Index, Column, RowProblem::NotMonth, Cell);
    Sheet.Rows[Index].Month = static_cast<std::uint8_t>(month->Month);
    if (TrimBlanks(Cell) != std::to_string(month->Month))
        KeepTyped(Index, Column, Cell);
    if (month->Year != 0)
        Years.push_back({Index, static_cast<std::uint16_t>(month->Year), Sheet.Texts.Intern(Cell)});
}

void PayrollBuilder::ReadAmount(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    const Field field = Sheet.Header[Column].Role;
    std::string_view text = TrimBlanks(Cell);
    if (text.empty()) {
        if (field == Field::Income)
            Fault(Index, Column, RowProblem::Empty, Cell);
        return;
    }
    auto cents = CellCents(text);
    if (!cents) { // as a spreadsheet shows an amount: "15,000.00", "¥1,500"
        text = PlainAmount(text, Scratch);
        cents = CellCents(text);
        if (cents && !KeptAsTyped(field))
            KeepTyped(Index, Column, Cell);
    }
    if (!cents)
        return Fault(Index, Column,
                     NumberOutOfRange(text) ? RowProblem::OutOfRange : RowProblem::NotNumber, Cell);
    // Checked on the text: "-0.001" is below zero though it rounds to 0.00.
    if (*cents < 0 || (*cents == 0 && BelowZero(text)))
        return Fault(Index, Column, RowProblem::Negative, Cell);
    if (field == Field::Bonus ||
        (field == Field::DeductionItem && !PartOfSpecial(Sheet.Header[Column].Item)))
        return; // taken from the cell when computed
    if (!KeptAsTyped(field)) {
        AmountOf(Sheet.Rows[Index], field) = *cents;
        return;
    }
    current::Cents &sum =
        field == Field::InsurancePart ? Sheet.Rows[Index].Insurance : Sheet.Rows[Index].Special;
    if (*cents > LargestAmount - sum)
        return Fault(Index, Column, RowProblem::OutOfRange, Cell);
    sum += *cents;
}

void PayrollBuilder::KeepTyped(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    Sheet.TypedCells.push_back(
        {Index, static_cast<std::uint32_t>(Column), Sheet.Texts.Intern(Cell)});
}

void PayrollBuilder::ReadMode(std::uint32_t Index, std::size_t Column, std::string_view Cell) {
    const auto mode = ModeCellOf(TrimBlanks(Cell));
    if (!mode) {
        ModeAtFault[Index] = true;
        return Fault(Index, Column, RowProblem::UnknownMode, Cell);
    }
    Sheet.Rows[Index].Mode = *mode;
}

void PayrollBuilder::Fault(std::uint32_t Index, std::size_t Column, RowProblem Problem,
                           std::string_view Cell, std::uint32_t Other) {
    Blame(Index, Column, Problem, Sheet.Texts.Intern(Cell), Other);
}

void PayrollBuilder::Blame(std::uint32_t Index, std::size_t Column, RowProblem Problem,
                           std::uint32_t Text, std::uint32_t Other) {
    PayrollRow &row = Sheet.Rows[Index];
    row.Faulty = true;
    Sheet.Faults.push_back(
        RowError{Index, row.Line, static_cast<std::uint32_t>(Column), Problem, Text, Other});
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
    CheckYears();
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee)
        CheckMonths(employee);
    CheckItemsInLaw();
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
    Years = {};
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

// The sheet's year is the one most of its 月份 cells name, of equals the one named first; a cell
// naming another is at fault, since the cumulative withholding runs within one year.
void PayrollBuilder::CheckYears() {
    if (Years.empty())
        return;
    std::vector<std::uint32_t> counts(10000, 0); // a year has four digits
    for (const YearOfRow &row : Years)
        ++counts[row.Year];
    const std::uint32_t most = *std::max_element(counts.begin(), counts.end());
    const std::uint32_t year = std::find_if(Years.begin(), Years.end(), [&](const YearOfRow &row) {
                                   return counts[row.Year] == most;
                               })->Year;
    Sheet.SheetYear = static_cast<int>(year);
    for (const YearOfRow &row : Years) {
        if (row.Year != year)
            Blame(row.Row, MonthColumn, RowProblem::OtherYear, row.Text, year);
    }
}

// 3岁以下婴幼儿照护 and 个人养老金 are deducted only from the years the law has them: an amount in
// such a column of an earlier year is at fault, a blank or zero passed over.
void PayrollBuilder::CheckItemsInLaw() {
    const current::YearRules &rules = Sheet.Rules();
    for (std::size_t column = 0; column < Sheet.Header.size(); ++column) {
        const SheetColumn &title = Sheet.Header[column];
        if (title.Role != Field::DeductionItem ||
            !((title.Item == DeductionItem::InfantCare && rules.InfantCare == 0) ||
              (title.Item == DeductionItem::Pension && rules.PensionCap == 0)))
            continue;
        for (std::uint32_t row = 0; row < Sheet.Rows.size(); ++row) {
            if (Sheet.TypedAmount(row, column) <= 0) // a fault of its own, or nothing
                continue;
            const std::uint32_t start = Sheet.ExtraStarts[row];
            const std::uint32_t end = row + 1 < Sheet.ExtraStarts.size()
                                          ? Sheet.ExtraStarts[row + 1]
                                          : static_cast<std::uint32_t>(Sheet.ExtraCells.size());
            for (std::uint32_t i = start; i < end; ++i) {
                if (Sheet.ExtraCells[i].Extra == title.Extra)
                    Blame(row, column, RowProblem::ItemNotYetLaw, Sheet.ExtraCells[i].Text,
                          static_cast<std::uint32_t>(rules.Year));
            }
        }
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
    const std::uint32_t setter = modeSetter == last ? NoRow : *modeSetter;
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
    // 自1月 and 6万 only in the years the law has them.
    if (setter != NoRow && !current::InLaw(DeductionOf(rows[setter].Mode), Sheet.Rules()))
        Fault(setter, ModeColumn, RowProblem::ModeNotYetLaw, ModeCellWord(rows[setter].Mode),
              static_cast<std::uint32_t>(Sheet.Rules().Year));
    // 6万 is for those employed here all last year and still in January: a year from January.
    if (setter != NoRow && rows[setter].Mode == ModeCell::Sixty && rows[*first].Month != 1)
        Fault(setter, ModeColumn, RowProblem::SixtyLate, ModeCellWord(ModeCell::Sixty),
              rows[*first].Month);
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
