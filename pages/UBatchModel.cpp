#include "pages/UBatchModel.h"

#include "sheets/Limits.h"

#include <QBrush>
#include <QColor>

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

using sheets::Field;

bool IsAmount(Field Role) {
    switch (Role) {
    case Field::Income:
    case Field::Exempt:
    case Field::Insurance:
    case Field::Special:
    case Field::Other:
        return true;
    default:
        return false;
    }
}

// An amount kept as it was typed (a part of 专项扣除, 全年一次性奖金, an item): shown as typed but
// ordered by its cents, or "100000" would come before "36000".
bool IsTypedAmount(Field Role) {
    return Role == Field::InsurancePart || Role == Field::Bonus || Role == Field::DeductionItem;
}

char FoldAscii(char C) {
    return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

// Latin letters in any case; other characters as they are. UTF-8 never uses an ASCII byte inside
// a longer character, so a byte-wise search finds whole characters only.
bool ContainsFolded(std::string_view Text, std::string_view Folded) {
    return std::search(Text.begin(), Text.end(), Folded.begin(), Folded.end(),
                       [](char a, char b) { return FoldAscii(a) == b; }) != Text.end();
}

} // namespace

TBatchModel::TBatchModel(QObject *Parent) : QAbstractTableModel(Parent) {}

void TBatchModel::SetSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet) {
    beginResetModel();
    Data = std::move(Sheet);
    Totals.reset();
    Cursor = Data ? std::make_unique<sheets::WithholdingCursor>(*Data) : nullptr;
    ExtraTitles = Data ? sheets::ExtraTitles(*Data) : QStringList();
    FilterText.clear();
    Typed.clear();
    Cliffs.clear();
    SortColumn = -1;
    SortOrder = Qt::AscendingOrder;
    Sorted.resize(Data ? Data->RowCount() : 0);
    std::iota(Sorted.begin(), Sorted.end(), 0u);
    Sorted.shrink_to_fit();
    Shown = Sorted;
    endResetModel();
}

void TBatchModel::SetSummary(std::optional<sheets::PayrollSummary> Summary,
                             std::vector<std::uint32_t> CliffRows) {
    if (!Data)
        return;
    Cliffs = Summary ? std::move(CliffRows) : std::vector<std::uint32_t>();
    const bool wasShown = Totals.has_value();
    const int inputs = InputColumnCount();
    if (Summary && !wasShown) {
        beginInsertColumns({}, inputs, inputs + ResultCount() - 1);
        Totals = std::move(Summary);
        endInsertColumns();
    } else if (!Summary && wasShown) {
        beginRemoveColumns({}, inputs, inputs + ResultCount() - 1);
        Totals.reset();
        endRemoveColumns();
    } else {
        Totals = std::move(Summary);
    }
}

void TBatchModel::SetFilter(const QString &Text) {
    if (Text.trimmed() == FilterText)
        return;
    beginResetModel();
    FilterText = Text.trimmed();
    ApplyFilter();
    endResetModel();
}

void TBatchModel::ApplyFilter() {
    if (FilterText.isEmpty() || !Data) {
        Shown = Sorted;
        return;
    }
    std::string folded = FilterText.toUtf8().toStdString();
    std::transform(folded.begin(), folded.end(), folded.begin(), FoldAscii);
    const int id = Data->ColumnOf(Field::Id);
    const int name = Data->ColumnOf(Field::Name);
    Shown.clear();
    for (const std::uint32_t row : Sorted) {
        if ((id >= 0 && ContainsFolded(Data->TextOf(row, static_cast<std::size_t>(id)), folded)) ||
            (name >= 0 &&
             ContainsFolded(Data->TextOf(row, static_cast<std::size_t>(name)), folded)))
            Shown.push_back(row);
    }
    Shown.shrink_to_fit();
}

int TBatchModel::ViewRow(std::size_t SheetRow) const {
    const auto found = std::find(Shown.begin(), Shown.end(), static_cast<std::uint32_t>(SheetRow));
    return found == Shown.end() ? -1 : static_cast<int>(found - Shown.begin());
}

int TBatchModel::InputColumnCount() const {
    return Data ? static_cast<int>(Data->Columns().size()) : 0;
}

int TBatchModel::ResultCount() const {
    return static_cast<int>(sheets::ResultColumnCount) + static_cast<int>(ExtraTitles.size());
}

const sheets::ExtraResult *TBatchModel::ExtraAt(std::size_t Row, std::size_t Extra) const {
    const std::span<const sheets::ExtraResult> extras = Cursor->ExtrasAt(Row);
    return Extra < extras.size() ? &extras[Extra] : nullptr;
}

QStringList TBatchModel::LongestTexts(sheets::Field Which, std::size_t Count) const {
    const int column = Data ? Data->ColumnOf(Which) : -1;
    if (column < 0 || Count == 0)
        return {};
    // Equal texts are one text of the sheet's pool: the same bytes in the same place.
    std::vector<std::string_view> longest;
    for (std::size_t row = 0; row < Data->RowCount(); ++row) {
        const std::string_view text = Data->TextOf(row, static_cast<std::size_t>(column));
        if (longest.size() == Count && text.size() <= longest.back().size())
            continue;
        if (std::any_of(longest.begin(), longest.end(),
                        [text](std::string_view t) { return t.data() == text.data(); }))
            continue;
        if (longest.size() == Count)
            longest.pop_back();
        longest.insert(std::upper_bound(longest.begin(), longest.end(), text,
                                        [](std::string_view a, std::string_view b) {
                                            return a.size() > b.size();
                                        }),
                       text);
    }
    QStringList texts;
    for (const std::string_view text : longest)
        texts << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return texts;
}

int TBatchModel::rowCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : static_cast<int>(Shown.size());
}

int TBatchModel::columnCount(const QModelIndex &Parent) const {
    if (Parent.isValid())
        return 0;
    return InputColumnCount() + (Totals ? ResultCount() : 0);
}

QString TBatchModel::Text(std::size_t Row, int Column) const {
    const int inputs = InputColumnCount();
    if (const auto typed = Typed.find({Row, std::size_t(Column)}); typed != Typed.end())
        return QString::fromStdString(typed->second);
    if (Column < inputs)
        return Data->Cell(Row, static_cast<std::size_t>(Column));
    if (const auto extra = static_cast<std::size_t>(Column - inputs);
        extra >= sheets::ResultColumnCount) {
        const sheets::ExtraResult *cell = ExtraAt(Row, extra - sheets::ResultColumnCount);
        return cell ? sheets::ExtraText(*cell) : QString();
    }
    const current::WageWithholding *month = Cursor->At(Row);
    return month ? sheets::ResultText(*month, static_cast<sheets::ResultColumn>(Column - inputs))
                 : QString();
}

QVariant TBatchModel::data(const QModelIndex &Index, int Role) const {
    if (!Data || !Index.isValid() || Index.row() >= rowCount() || Index.column() >= columnCount())
        return {};
    const std::size_t row = SheetRow(Index.row());
    const int column = Index.column();
    const int inputs = InputColumnCount();
    switch (Role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(row, column);
    case Qt::ToolTipRole:
        if (flags(Index).testFlag(Qt::ItemIsEditable))
            return tr("双击改正这个单元格，再点“计算”");
        // A note's whole text, for a column cut to the window.
        if (column >= inputs + static_cast<int>(sheets::ResultColumnCount)) {
            const QString text = Text(row, column);
            return text.isEmpty() ? QVariant() : QVariant(text);
        }
        return QVariant();
    case Qt::TextAlignmentRole: {
        const Field role = column < inputs ? Data->Columns()[static_cast<std::size_t>(column)].Role
                                           : Field::Written;
        bool number =
            column >= inputs || IsAmount(role) || IsTypedAmount(role) || role == Field::Month;
        // A note (奖金提示) reads from its start, which a cell narrower than it would cut off.
        if (column >= inputs + static_cast<int>(sheets::ResultColumnCount)) {
            const sheets::ExtraResult *cell =
                ExtraAt(row, static_cast<std::size_t>(column - inputs) - sheets::ResultColumnCount);
            number = !cell || cell->Of != sheets::ExtraResult::Kind::Text;
        }
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    case Qt::BackgroundRole:
        // A row left out of the calculation, its employee's other rows included; a cell corrected
        // and not yet calculated again stands out.
        if (Typed.count({row, std::size_t(column)}) > 0)
            return QBrush(QColor(255, 245, 200));
        // A bonus in a cliff: paying less would leave the employee more.
        if (column >= inputs + static_cast<int>(sheets::ResultColumnCount)) {
            const sheets::ExtraResult *cell =
                ExtraAt(row, static_cast<std::size_t>(column - inputs) - sheets::ResultColumnCount);
            if (cell && cell->Flagged)
                return QBrush(QColor(255, 190, 110));
        }
        return Data->RowAccepted(row) ? QVariant() : QVariant(QBrush(QColor(255, 228, 228)));
    default:
        return {};
    }
}

Qt::ItemFlags TBatchModel::flags(const QModelIndex &Index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(Index);
    if (!Data || !Index.isValid() || Index.column() >= InputColumnCount())
        return flags;
    const std::size_t row = SheetRow(Index.row());
    const auto column = static_cast<std::size_t>(Index.column());
    if (Data->FaultyCell(row, column) || Typed.count({row, column}) > 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TBatchModel::setData(const QModelIndex &Index, const QVariant &Value, int Role) {
    if (Role != Qt::EditRole || !flags(Index).testFlag(Qt::ItemIsEditable))
        return false;
    const std::size_t row = SheetRow(Index.row());
    const auto column = static_cast<std::size_t>(Index.column());
    // Bounded as a cell of a file is: the sheet read again refuses what a file could not hold.
    std::string text = Value.toString().toStdString();
    if (text.size() > sheets::Limit::CellBytes)
        text.resize(sheets::Limit::CellBytes + 1);
    Typed[{row, column}] = std::move(text);
    emit dataChanged(Index, Index);
    return true;
}

sheets::ReadOutcome TBatchModel::Corrected() const {
    sheets::PayrollBuilder builder(Data->FileName());
    if (auto fault = builder.AddSheet(*Data, Typed))
        return {sheets::Status::Failed, *fault, {}};
    return {sheets::Status::Done, {}, builder.Finish()};
}

sheets::PayrollSummary TBatchModel::ShownSummary() const {
    sheets::PayrollSummary summary;
    std::vector<char> seen(Data ? Data->EmployeeCount() : 0);
    std::vector<char> left(seen.size());
    for (const std::uint32_t row : Shown) {
        const std::uint32_t employee = Data->Row(row).Employee;
        const current::WageWithholding *month = Cursor->At(row);
        if (month == nullptr) {
            ++summary.RejectedRows;
            if (employee != sheets::NoEmployee && !std::exchange(left[employee], char(1)))
                ++summary.RejectedEmployees;
            continue;
        }
        ++summary.Rows;
        if (!std::exchange(seen[employee], char(1)))
            ++summary.Employees;
        summary.MonthTax[Data->Row(row).Month - 1] += month->Tax;
        summary.YearTax += month->Tax;
        for (const sheets::ExtraResult &cell : Cursor->ExtrasAt(row))
            summary.BonusCliffs += cell.Flagged ? 1 : 0;
    }
    return summary;
}

QVariant TBatchModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Role != Qt::DisplayRole || !Data || Section < 0)
        return {};
    if (Orientation == Qt::Vertical) {
        // The line of the file, as the list of rejected rows names it.
        return Section < rowCount() ? QVariant(Data->Row(SheetRow(Section)).Line) : QVariant();
    }
    const int inputs = InputColumnCount();
    if (Section < inputs)
        return Data->Columns()[static_cast<std::size_t>(Section)].Title;
    if (Section - inputs >= static_cast<int>(sheets::ResultColumnCount) && Section < columnCount())
        return ExtraTitles.value(Section - inputs - static_cast<int>(sheets::ResultColumnCount));
    if (Section < columnCount())
        return sheets::ResultTitle(static_cast<sheets::ResultColumn>(Section - inputs));
    return {};
}

void TBatchModel::sort(int Column, Qt::SortOrder Order) {
    if (Data && (Column != SortColumn || Order != SortOrder))
        SetOrder(Column, Order, OrderBy(Column, Order));
}

void TBatchModel::SetOrder(int Column, Qt::SortOrder Order, std::vector<std::uint32_t> Rows) {
    if (!Data || Rows.size() != Data->RowCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> rows;
    rows.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex &index : before)
        rows.push_back(static_cast<std::uint32_t>(SheetRow(index.row())));
    SortColumn = Column;
    SortOrder = Order;
    Sorted = std::move(Rows);
    ApplyFilter();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int viewRow = ViewRow(rows[static_cast<std::size_t>(i)]);
        after.append(viewRow < 0 ? QModelIndex() : index(viewRow, before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::vector<std::uint32_t> TBatchModel::OrderBy(int Column, Qt::SortOrder Order) const {
    std::vector<std::uint32_t> sorted(Data ? Data->RowCount() : 0);
    std::iota(sorted.begin(), sorted.end(), 0u);
    if (!Data || Column < 0 || Column >= columnCount())
        return sorted;
    const bool down = Order == Qt::DescendingOrder;
    const auto by = [&sorted, down](auto Key) {
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&Key, down](std::uint32_t a, std::uint32_t b) {
                             return down ? Key(b) < Key(a) : Key(a) < Key(b);
                         });
    };
    const sheets::PayrollSheet &sheet = *Data;
    const int inputs = InputColumnCount();
    if (Column >= inputs) {
        const auto result = static_cast<std::size_t>(Column - inputs);
        const std::vector<current::Cents> keys =
            result < sheets::ResultColumnCount
                ? ResultKeys(static_cast<sheets::ResultColumn>(result))
                : ExtraKeys(result - sheets::ResultColumnCount);
        std::stable_sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) {
            const bool inA = sheet.RowAccepted(a);
            const bool inB = sheet.RowAccepted(b);
            if (inA != inB)
                return inA;
            return down ? keys[b] < keys[a] : keys[a] < keys[b];
        });
        return sorted;
    }
    const Field role = sheet.Columns()[static_cast<std::size_t>(Column)].Role;
    if (IsAmount(role))
        by([&sheet, role](std::uint32_t r) { return sheet.Amount(r, role); });
    else if (IsTypedAmount(role))
        by([&sheet, Column](std::uint32_t r) {
            return sheet.TypedAmount(r, static_cast<std::size_t>(Column));
        });
    else if (role == Field::Month)
        by([&sheet](std::uint32_t r) { return sheet.Row(r).Month; });
    else
        by([&sheet, Column](std::uint32_t r) {
            return sheet.TextOf(r, static_cast<std::size_t>(Column));
        });
    return sorted;
}

std::vector<std::uint32_t> TBatchModel::CliffRows(const sheets::PayrollSheet &Sheet) {
    std::vector<std::uint32_t> rows;
    if (!Sheet.HasBonus())
        return rows;
    for (std::uint32_t employee = 0; employee < Sheet.EmployeeCount(); ++employee) {
        if (!Sheet.Accepted(employee))
            continue;
        const auto months = Sheet.EmployeeRows(employee);
        const std::vector<sheets::BonusResult> bonuses = sheets::TaxBonuses(Sheet, employee);
        for (std::size_t k = 0; k < bonuses.size() && k < months.size(); ++k) {
            if (bonuses[k].Cliff)
                rows.push_back(months[k]);
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

QModelIndex TBatchModel::NextCliff(const QModelIndex &After) const {
    if (!Data || !Totals || Cliffs.empty() || Shown.empty())
        return {};
    const std::size_t count = Shown.size();
    const std::size_t start =
        After.isValid() && After.row() < rowCount() ? static_cast<std::size_t>(After.row()) + 1 : 0;
    for (std::size_t step = 0; step < count; ++step) {
        const std::size_t at = (start + step) % count;
        if (!std::binary_search(Cliffs.begin(), Cliffs.end(), Shown[at]))
            continue;
        const std::span<const sheets::ExtraResult> extras = Cursor->ExtrasAt(Shown[at]);
        const auto flagged = std::find_if(extras.begin(), extras.end(),
                                          [](const sheets::ExtraResult &c) { return c.Flagged; });
        if (flagged == extras.end())
            continue;
        return index(static_cast<int>(at), InputColumnCount() +
                                               static_cast<int>(sheets::ResultColumnCount) +
                                               static_cast<int>(flagged - extras.begin()));
    }
    return {};
}

std::vector<current::Cents> TBatchModel::ResultKeys(sheets::ResultColumn Column) const {
    std::vector<current::Cents> keys(Data->RowCount(), 0);
    for (std::uint32_t employee = 0; employee < Data->EmployeeCount(); ++employee) {
        if (!Data->Accepted(employee))
            continue;
        const auto rows = Data->EmployeeRows(employee);
        const std::vector<current::WageWithholding> months = sheets::Withhold(*Data, employee);
        for (std::size_t i = 0; i < rows.size(); ++i)
            keys[rows[i]] = sheets::ResultValue(months[i], Column);
    }
    return keys;
}

// A text (奖金提示) sorts the rows that have one after those without.
std::vector<current::Cents> TBatchModel::ExtraKeys(std::size_t Extra) const {
    std::vector<current::Cents> keys(Data->RowCount(), 0);
    for (std::uint32_t employee = 0; employee < Data->EmployeeCount(); ++employee) {
        if (!Data->Accepted(employee))
            continue;
        const auto rows = Data->EmployeeRows(employee);
        const auto cells = sheets::ExtraResults(*Data, employee);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const sheets::ExtraResult &cell = cells[i][Extra];
            keys[rows[i]] = cell.Of == sheets::ExtraResult::Kind::Text ? 1 : cell.Value;
        }
    }
    return keys;
}

TBatchErrorModel::TBatchErrorModel(QObject *Parent) : QAbstractTableModel(Parent) {}

void TBatchErrorModel::SetSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet) {
    beginResetModel();
    Data = std::move(Sheet);
    endResetModel();
}

std::size_t TBatchErrorModel::SheetRow(int ErrorRow) const {
    return Data->Errors()[static_cast<std::size_t>(ErrorRow)].Row;
}

int TBatchErrorModel::rowCount(const QModelIndex &Parent) const {
    return Parent.isValid() || !Data ? 0 : static_cast<int>(Data->Errors().size());
}

int TBatchErrorModel::columnCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : 3;
}

QVariant TBatchErrorModel::data(const QModelIndex &Index, int Role) const {
    if (!Data || !Index.isValid() || Index.row() >= rowCount())
        return {};
    const sheets::RowError &error = Data->Errors()[static_cast<std::size_t>(Index.row())];
    if (Role == Qt::TextAlignmentRole && Index.column() == 0)
        return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
    if (Role != Qt::DisplayRole && Role != Qt::ToolTipRole)
        return {};
    switch (Index.column()) {
    case 0:
        return error.Line;
    case 1:
        return Data->ColumnName(error);
    default:
        return Data->Reason(error);
    }
}

QVariant TBatchErrorModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Role != Qt::DisplayRole || Orientation != Qt::Horizontal)
        return {};
    switch (Section) {
    case 0:
        return tr("行");
    case 1:
        return tr("列");
    case 2:
        return tr("原因");
    default:
        return {};
    }
}
