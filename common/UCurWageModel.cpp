#include "common/UCurWageModel.h"

#include <algorithm>
#include <cstdlib>

#include "common/UNumKeyFilter.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineEdit>

using current::Cents;

namespace {

enum class TKind {
    Month,
    Income,
    Exempt,
    Insurance,
    Special,
    Other,
    CumulativeIncome,
    CumulativeExempt,
    CumulativeBasic,
    CumulativeInsurance,
    CumulativeSpecial,
    CumulativeOther,
    CumulativeTaxable,
    Rate,
    QuickDeduction,
    CumulativeTax,
    WithheldBefore,
    Tax,
    Net,
    Deduction, // a non-resident's 5000
    Taxable,   // a non-resident's month
};

QString Amount(Cents Value) {
    return QString::fromStdString(current::FormatCents(Value));
}

std::optional<TCurWageModel::TInput> InputOf(TKind Kind) {
    using I = TCurWageModel::TInput;
    switch (Kind) {
    case TKind::Income:
        return I::Income;
    case TKind::Exempt:
        return I::Exempt;
    case TKind::Insurance:
        return I::Insurance;
    case TKind::Other:
        return I::Other;
    case TKind::Special:
        return I::Special;
    default:
        return std::nullopt;
    }
}

Cents current::WageMonth::*MemberOf(TCurWageModel::TInput Input) {
    using I = TCurWageModel::TInput;
    switch (Input) {
    case I::Exempt:
        return &current::WageMonth::Exempt;
    case I::Insurance:
        return &current::WageMonth::Insurance;
    case I::Other:
        return &current::WageMonth::Other;
    case I::Special:
        return &current::WageMonth::Special;
    case I::Income:
        break;
    }
    return &current::WageMonth::Income;
}

// A resident's record of the column, for the kinds that are amounts of the record.
std::optional<Cents> ResidentAmount(const current::WageWithholding &R, TKind Kind) {
    switch (Kind) {
    case TKind::CumulativeIncome:
        return R.CumulativeIncome;
    case TKind::CumulativeExempt:
        return R.CumulativeExempt;
    case TKind::CumulativeBasic:
        return R.CumulativeBasic;
    case TKind::CumulativeInsurance:
        return R.CumulativeInsurance;
    case TKind::CumulativeSpecial:
        return R.CumulativeSpecial;
    case TKind::CumulativeOther:
        return R.CumulativeOther;
    case TKind::CumulativeTaxable:
        return R.CumulativeTaxable;
    case TKind::QuickDeduction:
        return R.QuickDeduction;
    case TKind::CumulativeTax:
        return R.CumulativeTax;
    case TKind::WithheldBefore:
        return R.WithheldBefore;
    case TKind::Tax:
        return R.Tax;
    case TKind::Net:
        return R.Net;
    default:
        return std::nullopt;
    }
}

std::optional<Cents> NonResidentAmount(const current::NonResidentWage &R, TKind Kind) {
    switch (Kind) {
    case TKind::Deduction:
        return R.Deduction;
    case TKind::Taxable:
        return R.Taxable;
    case TKind::QuickDeduction:
        return R.QuickDeduction;
    case TKind::Tax:
        return R.Tax;
    case TKind::Net:
        return R.AfterTax;
    default:
        return std::nullopt;
    }
}

// Whether the total row adds the column up: the month's own amounts do, running totals and
// rates do not.
bool Summed(TKind Kind) {
    switch (Kind) {
    case TKind::Income:
    case TKind::Exempt:
    case TKind::Insurance:
    case TKind::Special:
    case TKind::Other:
    case TKind::Tax:
    case TKind::Net:
    case TKind::Deduction:
    case TKind::Taxable:
        return true;
    default:
        return false;
    }
}

} // namespace

struct TCurWageModel::TColumn {
    QString Header;
    TKind Kind;
};

TCurWageModel::TCurWageModel(QObject *Parent) : QAbstractTableModel(Parent) {}

QString TCurWageModel::Shown(const TColumn &Column) {
    return tr(Column.Header.toUtf8().constData());
}

// The headers are kept as their sources and translated where shown, so that they follow the
// language chosen after the first page was made.
const std::vector<TCurWageModel::TColumn> &TCurWageModel::Columns() const {
    static const std::vector<TColumn> resident{
        {QString::fromUtf8(QT_TR_NOOP("月份")), TKind::Month},
        {QString::fromUtf8(QT_TR_NOOP("收入")), TKind::Income},
        {QString::fromUtf8(QT_TR_NOOP("免税收入")), TKind::Exempt},
        {QString::fromUtf8(QT_TR_NOOP("三险一金")), TKind::Insurance},
        {QString::fromUtf8(QT_TR_NOOP("专项附加扣除")), TKind::Special},
        {QString::fromUtf8(QT_TR_NOOP("其他扣除")), TKind::Other},
        {QString::fromUtf8(QT_TR_NOOP("累计收入")), TKind::CumulativeIncome},
        {QString::fromUtf8(QT_TR_NOOP("累计免税收入")), TKind::CumulativeExempt},
        {QString::fromUtf8(QT_TR_NOOP("累计减除费用")), TKind::CumulativeBasic},
        {QString::fromUtf8(QT_TR_NOOP("累计专项扣除")), TKind::CumulativeInsurance},
        {QString::fromUtf8(QT_TR_NOOP("累计专项附加扣除")), TKind::CumulativeSpecial},
        {QString::fromUtf8(QT_TR_NOOP("累计其他扣除")), TKind::CumulativeOther},
        {QString::fromUtf8(QT_TR_NOOP("累计应纳税所得额")), TKind::CumulativeTaxable},
        {QString::fromUtf8(QT_TR_NOOP("预扣率")), TKind::Rate},
        {QString::fromUtf8(QT_TR_NOOP("速算扣除数")), TKind::QuickDeduction},
        {QString::fromUtf8(QT_TR_NOOP("累计应纳税额")), TKind::CumulativeTax},
        {QString::fromUtf8(QT_TR_NOOP("累计已预扣税额")), TKind::WithheldBefore},
        {QString::fromUtf8(QT_TR_NOOP("本月应预扣税额")), TKind::Tax},
        {QString::fromUtf8(QT_TR_NOOP("税后收入")), TKind::Net},
    };
    static const std::vector<TColumn> nonResident{
        {QString::fromUtf8(QT_TR_NOOP("月份")), TKind::Month},
        {QString::fromUtf8(QT_TR_NOOP("收入")), TKind::Income},
        {QString::fromUtf8(QT_TR_NOOP("减除费用")), TKind::Deduction},
        {QString::fromUtf8(QT_TR_NOOP("应纳税所得额")), TKind::Taxable},
        {QString::fromUtf8(QT_TR_NOOP("税率")), TKind::Rate},
        {QString::fromUtf8(QT_TR_NOOP("速算扣除数")), TKind::QuickDeduction},
        {QString::fromUtf8(QT_TR_NOOP("本月应扣缴税额")), TKind::Tax},
        {QString::fromUtf8(QT_TR_NOOP("税后收入")), TKind::Net},
    };
    return NonResident ? nonResident : resident;
}

void TCurWageModel::SetMonths(int FirstMonth, int LastMonth, bool IsNonResident) {
    beginResetModel();
    First = FirstMonth;
    Last = LastMonth;
    NonResident = IsNonResident;
    Resident.clear();
    NonResidentRows.clear();
    endResetModel();
}

void TCurWageModel::SetDefaults(const std::optional<current::WageMonth> &Common) {
    Defaults = Common;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TCurWageModel::ClearOverrides() {
    beginResetModel();
    Overrides = {};
    endResetModel();
}

void TCurWageModel::TakeMonths(const std::vector<current::WageMonth> &Months) {
    beginResetModel();
    NonResident = false;
    Resident.clear();
    NonResidentRows.clear();
    Overrides = {};
    Defaults.reset();
    if (!Months.empty()) {
        First = Months.front().Month;
        Last = Months.back().Month;
        Defaults = Months.front();
    }
    for (const current::WageMonth &month : Months) {
        if (month.Month < 1 || month.Month > 12)
            continue;
        for (int input = 0; input < InputCount; ++input) {
            Cents current::WageMonth::*member = MemberOf(static_cast<TInput>(input));
            if (month.*member != *Defaults.*member)
                Overrides[month.Month][input] = month.*member;
        }
    }
    endResetModel();
}

std::optional<TCurWageModel::TInput> TCurWageModel::InputAt(const QModelIndex &Cell) const {
    if (!(flags(Cell) & Qt::ItemIsEditable))
        return std::nullopt;
    return ::InputOf(Columns()[static_cast<std::size_t>(Cell.column())].Kind);
}

bool TCurWageModel::FillFollowing(const QModelIndex &Cell) {
    const auto input = InputAt(Cell);
    if (!input)
        return false;
    const int column = static_cast<int>(*input);
    const std::optional<Cents> own = Overrides[First + Cell.row()][column];
    for (int month = First + Cell.row() + 1; month <= Last; ++month)
        Overrides[month][column] = own;
    emit dataChanged(index(Cell.row(), 0), index(MonthCount() - 1, columnCount() - 1));
    emit OverrideChanged();
    return true;
}

bool TCurWageModel::ClearCells(const QModelIndexList &Cells) {
    bool cleared = false;
    for (const QModelIndex &cell : Cells) {
        const auto input = InputAt(cell);
        if (!input || !HasOverride(First + cell.row(), *input))
            continue;
        Overrides[First + cell.row()][static_cast<int>(*input)].reset();
        emit dataChanged(index(cell.row(), 0), index(cell.row(), columnCount() - 1));
        cleared = true;
    }
    if (cleared)
        emit OverrideChanged();
    return cleared;
}

QVariant TCurWageModel::OverridesValue() const {
    QVariantList kept;
    for (int month = 1; month <= 12; ++month) {
        for (int input = 0; input < InputCount; ++input) {
            if (const auto own = Overrides[month][input])
                kept.append(QVariant(QVariantList{month, input, qlonglong(*own)}));
        }
    }
    return kept;
}

void TCurWageModel::SetOverridesValue(const QVariant &Value) {
    beginResetModel();
    Overrides = {};
    for (const QVariant &entry : Value.toList()) {
        const QVariantList fields = entry.toList();
        if (fields.size() != 3)
            continue;
        const int month = fields[0].toInt(), input = fields[1].toInt();
        if (month >= 1 && month <= 12 && input >= 0 && input < InputCount)
            Overrides[month][input] = fields[2].toLongLong();
    }
    endResetModel();
}

bool TCurWageModel::IsCumulative(int Column) const {
    if (Column < 0 || Column >= columnCount())
        return false;
    switch (Columns()[static_cast<std::size_t>(Column)].Kind) {
    case TKind::CumulativeIncome:
    case TKind::CumulativeExempt:
    case TKind::CumulativeBasic:
    case TKind::CumulativeInsurance:
    case TKind::CumulativeSpecial:
    case TKind::CumulativeOther:
    case TKind::CumulativeTaxable:
    case TKind::QuickDeduction:
    case TKind::CumulativeTax:
    case TKind::WithheldBefore:
        return !NonResident;
    default:
        return false;
    }
}

void TCurWageModel::SetOwn(int Month, TInput Input, std::optional<Cents> Amount) {
    if (Month < 1 || Month > 12)
        return;
    Overrides[Month][static_cast<int>(Input)] = Amount;
    if (Month >= First && Month <= Last)
        emit dataChanged(index(Month - First, 0), index(Month - First, columnCount() - 1));
}

bool TCurWageModel::HasOverride(int Month, TInput Input) const {
    return Month >= 1 && Month <= 12 && Overrides[Month][static_cast<int>(Input)].has_value();
}

bool TCurWageModel::HasAnyOverride() const {
    return std::any_of(Overrides.begin(), Overrides.end(), [](const auto &Month) {
        return std::any_of(Month.begin(), Month.end(),
                           [](const std::optional<Cents> &Own) { return Own.has_value(); });
    });
}

std::optional<Cents> TCurWageModel::InputOf(int Month, TInput Input) const {
    if (HasOverride(Month, Input))
        return Overrides[Month][static_cast<int>(Input)];
    if (Defaults)
        return *Defaults.*MemberOf(Input);
    return std::nullopt;
}

std::vector<current::WageMonth> TCurWageModel::Months() const {
    std::vector<current::WageMonth> months;
    for (int month = First; month <= Last; ++month) {
        current::WageMonth m = Defaults.value_or(current::WageMonth{});
        m.Month = month;
        for (TInput input :
             {TInput::Income, TInput::Exempt, TInput::Insurance, TInput::Other, TInput::Special})
            m.*MemberOf(input) = InputOf(month, input).value_or(0);
        months.push_back(m);
    }
    return months;
}

void TCurWageModel::ShowResident(std::vector<current::WageWithholding> Rows) {
    SetResults(std::move(Rows), {});
}

void TCurWageModel::ShowNonResident(std::vector<current::NonResidentWage> Rows) {
    SetResults({}, std::move(Rows));
}

void TCurWageModel::ClearResults() {
    SetResults({}, {});
}

// Only the total row comes or goes: the view keeps its current cell and an editor open in it,
// where a reset would close the editor under the user's hands and lose the cell.
void TCurWageModel::SetResults(std::vector<current::WageWithholding> ResidentRows,
                               std::vector<current::NonResidentWage> NonResidentWages) {
    const bool had = HasResults();
    const bool will = NonResident ? !NonResidentWages.empty() : !ResidentRows.empty();
    const int total = MonthCount();
    if (had && !will)
        beginRemoveRows({}, total, total);
    if (!had && will)
        beginInsertRows({}, total, total);
    Resident = std::move(ResidentRows);
    NonResidentRows = std::move(NonResidentWages);
    if (had && !will)
        endRemoveRows();
    if (!had && will)
        endInsertRows();
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

bool TCurWageModel::HasResults() const {
    return NonResident ? !NonResidentRows.empty() : !Resident.empty();
}

Cents TCurWageModel::YearTax() const {
    Cents sum = 0;
    for (const auto &row : Resident)
        sum += row.Tax;
    for (const auto &row : NonResidentRows)
        sum += row.Tax;
    return sum;
}

Cents TCurWageModel::YearNet() const {
    Cents sum = 0;
    for (const auto &row : Resident)
        sum += row.Net;
    for (const auto &row : NonResidentRows)
        sum += row.AfterTax;
    return sum;
}

int TCurWageModel::rowCount(const QModelIndex &Parent) const {
    if (Parent.isValid())
        return 0;
    return MonthCount() + (HasResults() ? 1 : 0);
}

int TCurWageModel::columnCount(const QModelIndex &Parent) const {
    return Parent.isValid() ? 0 : static_cast<int>(Columns().size());
}

QString TCurWageModel::Text(int Row, int Column) const {
    const TKind kind = Columns()[static_cast<std::size_t>(Column)].Kind;
    if (Row == MonthCount()) { // the total row
        if (kind == TKind::Month)
            return tr("合计");
        if (!Summed(kind))
            return {};
        Cents sum = 0;
        for (int r = 0; r < MonthCount(); ++r)
            sum += current::ParseCents(Text(r, Column).toStdString()).value_or(0);
        return Amount(sum);
    }
    const int month = First + Row;
    if (kind == TKind::Month)
        return tr("%1月").arg(month);
    if (const auto input = ::InputOf(kind)) {
        const auto value = InputOf(month, *input);
        return value ? Amount(*value) : QString();
    }
    const auto row = static_cast<std::size_t>(Row);
    if (!NonResident && row < Resident.size()) {
        if (kind == TKind::Rate)
            return QString::number(Resident[row].Rate) + QLatin1Char('%');
        return Amount(ResidentAmount(Resident[row], kind).value_or(0));
    }
    if (NonResident && row < NonResidentRows.size()) {
        if (kind == TKind::Rate)
            return QString::number(NonResidentRows[row].Rate) + QLatin1Char('%');
        return Amount(NonResidentAmount(NonResidentRows[row], kind).value_or(0));
    }
    return {};
}

QVariant TCurWageModel::data(const QModelIndex &Index, int Role) const {
    if (!Index.isValid())
        return {};
    const TKind kind = Columns()[static_cast<std::size_t>(Index.column())].Kind;
    const bool total = Index.row() == MonthCount();
    const auto input = ::InputOf(kind);
    const bool own = input && !total && HasOverride(First + Index.row(), *input);
    switch (Role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return Text(Index.row(), Index.column());
    case Qt::TextAlignmentRole:
        return kind == TKind::Month ? QVariant(Qt::AlignCenter)
                                    : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (total || own || kind == TKind::Tax) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    case Qt::BackgroundRole:
        // The cells a user may type in stand out, a month's own amount the more.
        if (input && !total)
            return QBrush(own ? QColor(255, 236, 179) : QColor(255, 250, 230));
        return {};
    case Qt::ToolTipRole:
        if (own)
            return tr("本月单独输入的数额；清空后恢复为每月相同的数额。");
        if (input && !total)
            return tr("双击可为本月单独输入数额。");
        return {};
    default:
        return {};
    }
}

// A title of several words is shown on two lines, broken at the space nearest its middle, so that
// a long (English) title does not make its column wider than its figures need. Copied and named in
// messages, the title stays on one line.
QString TCurWageModel::OnTwoLines(QString Title) {
    const qsizetype middle = Title.size() / 2;
    qsizetype best = -1;
    for (qsizetype at = Title.indexOf(u' '); at >= 0; at = Title.indexOf(u' ', at + 1)) {
        if (best < 0 || std::abs(at - middle) < std::abs(best - middle))
            best = at;
    }
    if (best > 0 && Title.size() > TwoLinesFrom)
        Title[best] = u'\n';
    return Title;
}

QVariant TCurWageModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
    if (Role != Qt::DisplayRole || Orientation != Qt::Horizontal || Section < 0 ||
        Section >= columnCount())
        return {};
    return OnTwoLines(Shown(Columns()[static_cast<std::size_t>(Section)]));
}

Qt::ItemFlags TCurWageModel::flags(const QModelIndex &Index) const {
    if (!Index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (Index.row() < MonthCount() &&
        ::InputOf(Columns()[static_cast<std::size_t>(Index.column())].Kind))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TCurWageModel::setData(const QModelIndex &Index, const QVariant &Value, int Role) {
    if (Role != Qt::EditRole || !(flags(Index) & Qt::ItemIsEditable))
        return false;
    const TColumn &column = Columns()[static_cast<std::size_t>(Index.column())];
    const TInput input = *::InputOf(column.Kind);
    const int month = First + Index.row();
    auto &slot = Overrides[month][static_cast<int>(input)];
    const QString text = Value.toString().trimmed();
    if (text.isEmpty()) {
        slot.reset();
    } else {
        const auto cents = current::ParseCents(text.toStdString());
        if (!cents || *cents < 0) {
            emit CellRefused(tr("%1月的%2数据无效，请重新输入。").arg(month).arg(Shown(column)));
            return false;
        }
        // An amount equal to the common one is still the month's own: a later change of the
        // common amount leaves it as the user typed it.
        slot = *cents;
    }
    emit dataChanged(index(Index.row(), 0), index(Index.row(), columnCount() - 1));
    emit OverrideChanged();
    return true;
}

QString TCurWageModel::TabText() const {
    QStringList lines;
    QStringList header;
    for (const TColumn &column : Columns())
        header << Shown(column);
    lines << header.join(QLatin1Char('\t'));
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < columnCount(); ++column)
            cells << Text(row, column);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QWidget *TCurWageDelegate::createEditor(QWidget *Parent, const QStyleOptionViewItem &,
                                        const QModelIndex &) const {
    auto *edit = new QLineEdit(Parent);
    edit->setObjectName(QStringLiteral("TxtCell"));
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *filter = new TNumKeyFilter(edit);
    filter->Attach(edit);
    return edit;
}
