#include "common/UFactTable.h"

#include "common/UCalcPage.h"
#include "common/UNumKeyFilter.h"
#include "sheets/FaultWords.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <cmath>

namespace {

using TValue = TFactColumn::TValue;
using TEditor = TFactColumn::TEditor;

// The value a cell holds, as written in the file: the item's own role, apart from what it shows.
constexpr int ValueRole = Qt::UserRole;
constexpr int PayloadRole = Qt::UserRole + 1;

// Rows a table shows before it scrolls, and at least, so that an empty list still looks like one.
constexpr int MostRowsShown = 5;
constexpr int LeastRowsShown = 1;

QJsonValue JsonOf(const TFactColumn &Column, const QString &Text) {
    const QString text = Text.trimmed();
    switch (Column.Value) {
    case TValue::Integer: {
        bool ok = false;
        const int number = text.toInt(&ok);
        return ok ? QJsonValue(number) : QJsonValue(text);
    }
    case TValue::Flag:
        return text == QStringLiteral("true");
    case TValue::Amount:
    case TValue::Text:
        break;
    }
    return Column.Value == TValue::Amount ? text : Text;
}

// A value of the file in the form a user types it.
QString TextOf(const TFactColumn &Column, const QJsonValue &Value) {
    if (Value.isBool())
        return Value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (Value.isDouble() && Column.Value != TValue::Amount)
        return QString::number(static_cast<qint64>(std::llround(Value.toDouble())));
    return AmountText(Value);
}

} // namespace

QString AmountText(const QJsonValue &Amount) {
    if (Amount.isDouble())
        return sheets::json::PlainYuan(std::llround(Amount.toDouble() * 100));
    return Amount.isString() ? Amount.toString() : QString();
}

void MarkField(QWidget *Field, bool Focus) {
    Field->setStyleSheet(QStringLiteral("background: rgb(255, 205, 205);"));
    if (Focus)
        Field->setFocus(Qt::OtherFocusReason);
}

TFactColumn TFactColumn::Text(const QString &Key, const QString &Header, const QString &Hint,
                              const QString &Default) {
    TFactColumn column;
    column.Key = Key;
    column.Header = Header;
    column.Hint = Hint;
    column.Default = Default;
    return column;
}

TFactColumn TFactColumn::Amount(const QString &Key, const QString &Header) {
    TFactColumn column = Text(Key, Header);
    column.Value = TValue::Amount;
    column.Editor = TEditor::Amount;
    return column;
}

TFactColumn TFactColumn::Month(const QString &Key, const QString &Header, int Default) {
    TFactColumn column = Text(Key, Header, {}, QString::number(Default));
    column.Value = TValue::Integer;
    column.Editor = TEditor::Month;
    return column;
}

TFactColumn TFactColumn::Choice(const QString &Key, const QString &Header, TValue Value,
                                const QStringList &Choices, const QStringList &Texts) {
    TFactColumn column = Text(Key, Header, {}, Choices.value(0));
    column.Value = Value;
    column.Editor = TEditor::Choice;
    column.Choices = Choices;
    column.Texts = Texts;
    return column;
}

// Edits a cell as its column says; the cell keeps the file's value, the list its text.
class TFactDelegate : public QStyledItemDelegate {
  public:
    explicit TFactDelegate(TFactTable *Table) : QStyledItemDelegate(Table), Table(Table) {}

    QWidget *createEditor(QWidget *Parent, const QStyleOptionViewItem &,
                          const QModelIndex &Index) const override {
        const TFactColumn &column = Table->Column(Index.column());
        switch (column.Editor) {
        case TEditor::Month: {
            auto *spin = new QSpinBox(Parent);
            spin->setRange(1, 12);
            spin->setFrame(false);
            return spin;
        }
        case TEditor::Choice: {
            auto *combo = new QComboBox(Parent);
            combo->addItems(column.Texts);
            auto *items = qobject_cast<QStandardItemModel *>(combo->model());
            for (qsizetype i = 0; i < column.Choices.size() && items; ++i) {
                const auto reason = column.Unavailable.constFind(column.Choices[i]);
                if (reason == column.Unavailable.constEnd())
                    continue;
                QStandardItem *choice = items->item(static_cast<int>(i));
                choice->setEnabled(false);
                choice->setToolTip(*reason);
            }
            return combo;
        }
        case TEditor::Amount:
        case TEditor::Line:
            break;
        }
        auto *edit = new QLineEdit(Parent);
        edit->setObjectName(QStringLiteral("TxtCell"));
        edit->setFrame(false);
        edit->setPlaceholderText(column.Hint);
        if (column.Editor == TEditor::Amount) {
            auto *filter = new TNumKeyFilter(edit);
            filter->Attach(edit);
        }
        return edit;
    }

    void setEditorData(QWidget *Editor, const QModelIndex &Index) const override {
        const QString value = Index.data(ValueRole).toString();
        if (auto *spin = qobject_cast<QSpinBox *>(Editor))
            spin->setValue(value.toInt());
        else if (auto *combo = qobject_cast<QComboBox *>(Editor))
            combo->setCurrentIndex(
                std::max<qsizetype>(0, Table->Column(Index.column()).Choices.indexOf(value)));
        else if (auto *edit = qobject_cast<QLineEdit *>(Editor))
            edit->setText(value);
    }

    void setModelData(QWidget *Editor, QAbstractItemModel *,
                      const QModelIndex &Index) const override {
        QString value;
        if (auto *spin = qobject_cast<QSpinBox *>(Editor))
            value = QString::number(spin->value());
        else if (auto *combo = qobject_cast<QComboBox *>(Editor))
            value = Table->Column(Index.column()).Choices.value(combo->currentIndex());
        else if (auto *edit = qobject_cast<QLineEdit *>(Editor))
            value = edit->text();
        if (value == Index.data(ValueRole).toString())
            return;
        Table->Put(Index.row(), Index.column(), value);
        emit Table->Edited(Index.row(), Table->Column(Index.column()).Key);
    }

  private:
    TFactTable *Table;
};

TFactTable::TFactTable(const QString &Name, const QString &Caption,
                       std::vector<TFactColumn> Columns, QWidget *Parent)
    : QTableWidget(Parent), Specs(std::move(Columns)) {
    setObjectName(Name);
    setAccessibleName(Caption);
    setColumnCount(static_cast<int>(Specs.size()));
    QStringList headers;
    for (const TFactColumn &column : Specs)
        headers << column.Header;
    setHorizontalHeaderLabels(headers);
    setItemDelegate(new TFactDelegate(this));
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(
        Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TFactTable::WrapHeader);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FitHeight();
}

QString TFactTable::Shown(int Column, const QString &Value) const {
    const TFactColumn &column = this->Column(Column);
    const qsizetype choice = column.Choices.indexOf(Value);
    return choice >= 0 ? column.Texts.value(choice) : Value;
}

void TFactTable::Put(int Row, int Column, const QString &Value) {
    auto *cell = item(Row, Column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(Row, Column, cell);
    }
    cell->setData(ValueRole, Value);
    cell->setData(Qt::DisplayRole, Shown(Column, Value));
    cell->setToolTip(Value.isEmpty() ? this->Column(Column).Hint : QString());
}

int TFactTable::ColumnOf(const QString &Key) const {
    for (std::size_t i = 0; i < Specs.size(); ++i) {
        if (Specs[i].Key == Key)
            return static_cast<int>(i);
    }
    return -1;
}

QString TFactTable::HeaderOf(const QString &Key) const {
    const int column = ColumnOf(Key);
    return column < 0 ? QString() : Column(column).Header;
}

QString TFactTable::HintOf(const QString &Key) const {
    const int column = ColumnOf(Key);
    return column < 0 ? QString() : Column(column).Hint;
}

void TFactTable::SetChoices(const QString &Key, const QStringList &Choices,
                            const QStringList &Texts) {
    const int column = ColumnOf(Key);
    if (column < 0)
        return;
    Specs[static_cast<std::size_t>(column)].Choices = Choices;
    Specs[static_cast<std::size_t>(column)].Texts = Texts;
    for (int row = 0; row < rowCount(); ++row)
        Put(row, column, Value(row, Key));
}

void TFactTable::SetUnavailable(const QString &Key, const QHash<QString, QString> &Reasons) {
    const int column = ColumnOf(Key);
    if (column >= 0)
        Specs[static_cast<std::size_t>(column)].Unavailable = Reasons;
}

QString TFactTable::Value(int Row, const QString &Key) const {
    const int column = ColumnOf(Key);
    const QTableWidgetItem *cell = column >= 0 ? item(Row, column) : nullptr;
    return cell ? cell->data(ValueRole).toString() : QString();
}

void TFactTable::SetValue(int Row, const QString &Key, const QString &Value) {
    const int column = ColumnOf(Key);
    if (column >= 0 && Row >= 0 && Row < rowCount())
        Put(Row, column, Value);
}

QJsonArray TFactTable::Payload(int Row) const {
    const QTableWidgetItem *cell = item(Row, 0);
    return cell ? cell->data(PayloadRole).toJsonArray() : QJsonArray();
}

void TFactTable::SetPayload(int Row, const QJsonArray &Entries) {
    if (QTableWidgetItem *cell = item(Row, 0))
        cell->setData(PayloadRole, Entries);
}

QJsonValue TFactTable::CellJson(int Row, const QString &Key) const {
    const int column = ColumnOf(Key);
    const QString text = Value(Row, Key);
    if (column < 0 || text.trimmed().isEmpty())
        return Key.isEmpty() ? QJsonValue() : QJsonValue(QJsonValue::Undefined);
    return JsonOf(Column(column), text);
}

TFactEdit TFactTable::EditOf(const QString &List, int Row, const QString &Key) const {
    if (Row < 0)
        return {List, Json()};
    const QString entry = QStringLiteral("%1[%2]").arg(List).arg(Row);
    return {Key.isEmpty() ? entry : entry + u'.' + Key, CellJson(Row, Key)};
}

QJsonArray TFactTable::Json() const {
    QJsonArray entries;
    for (int row = 0; row < rowCount(); ++row) {
        if (Specs.size() == 1 && Specs.front().Key.isEmpty()) {
            entries.append(CellJson(row, QString()));
            continue;
        }
        QJsonObject entry;
        for (const TFactColumn &column : Specs) {
            const QJsonValue value = CellJson(row, column.Key);
            if (!value.isUndefined())
                entry.insert(column.Key, value);
        }
        if (!PayloadKey.isEmpty())
            entry.insert(PayloadKey, Payload(row));
        entries.append(entry);
    }
    return entries;
}

void TFactTable::SetJson(const QJsonArray &Entries) {
    ClearFault();
    setRowCount(static_cast<int>(Entries.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const QJsonValue entry = Entries.at(row);
        for (int column = 0; column < columnCount(); ++column) {
            const TFactColumn &fact = Column(column);
            Put(row, column, TextOf(fact, fact.Key.isEmpty() ? entry : entry[fact.Key]));
        }
        if (!PayloadKey.isEmpty())
            SetPayload(row, entry[PayloadKey].toArray());
    }
    FitHeight();
}

void TFactTable::AddEntry() {
    const int row = currentRow() >= 0 ? currentRow() + 1 : rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column)
        Put(row, column, Column(column).Default);
    if (NewRow)
        NewRow(row);
    setCurrentCell(row, 0);
    FitHeight();
    emit Edited(-1, {});
}

void TFactTable::RemoveCurrent() {
    const int row = currentRow();
    if (row < 0 || row >= rowCount())
        return;
    removeRow(row);
    FitHeight();
    emit Edited(-1, {});
}

void TFactTable::MarkFault(int Row, const QString &Key, bool Focus, const QString &Fault) {
    ClearFault();
    if (Row < 0 || Row >= rowCount()) {
        if (Focus)
            setFocus(Qt::OtherFocusReason);
        return;
    }
    const int column = std::max(0, ColumnOf(Key));
    if (QTableWidgetItem *cell = item(Row, column)) {
        cell->setBackground(QColor(255, 205, 205));
        if (!Fault.isEmpty())
            cell->setToolTip(Fault);
    }
    if (!Focus)
        return;
    setCurrentCell(Row, column);
    setFocus(Qt::OtherFocusReason);
}

void TFactTable::ClearFault() {
    for (int row = 0; row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (QTableWidgetItem *cell = item(row, column)) {
                cell->setBackground(QBrush());
                // The tip a fault replaced: the hint of an empty cell.
                cell->setToolTip(cell->data(ValueRole).toString().isEmpty() ? Column(column).Hint
                                                                            : QString());
            }
        }
    }
}

// As high as its rows, up to a few: the page's column scrolls, not each table.
void TFactTable::FitHeight() {
    const int rows = std::clamp(rowCount(), LeastRowsShown, MostRowsShown);
    const QHeaderView *header = horizontalHeader();
    setFixedHeight(std::max(header->minimumHeight(), header->sizeHint().height()) +
                   rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth());
}

// The columns share the table's width, so a caption longer than its column (in English) goes
// on to further lines rather than being cut.
void TFactTable::WrapHeader() {
    QHeaderView *header = horizontalHeader();
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QFontMetrics metrics(header->font());
    int height = 0;
    for (int column = 0; column < columnCount(); ++column) {
        const QString caption = model()->headerData(column, Qt::Horizontal).toString();
        const QRect room(0, 0, std::max(1, header->sectionSize(column) - 2 * margin), 1 << 20);
        height = std::max(height, metrics.boundingRect(room, Qt::TextWordWrap, caption).height());
    }
    header->setMinimumHeight(height + 2 * margin);
    FitHeight();
}

void TFactTable::resizeEvent(QResizeEvent *Event) {
    QTableWidget::resizeEvent(Event);
    WrapHeader();
}

QGroupBox *TFactTable::Group(const QString &Title) {
    auto *group = new QGroupBox(Title, parentWidget());
    const QString name = objectName().mid(3);
    BtnAdd = new QPushButton(tr("添加"), group);
    BtnAdd->setObjectName(QStringLiteral("BtnAdd") + name);
    BtnAdd->setAccessibleName(tr("添加%1").arg(accessibleName()));
    BtnRemove = new QPushButton(tr("删除"), group);
    BtnRemove->setObjectName(QStringLiteral("BtnRemove") + name);
    BtnRemove->setAccessibleName(tr("删除%1").arg(accessibleName()));
    // Enter that ends a cell's edit in a dialog must not add or remove an entry.
    for (QPushButton *button : {BtnAdd, BtnRemove})
        button->setAutoDefault(false);
    connect(BtnAdd, &QPushButton::clicked, this, &TFactTable::AddEntry);
    connect(BtnRemove, &QPushButton::clicked, this, &TFactTable::RemoveCurrent);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BtnAdd);
    buttons->addWidget(BtnRemove);
    buttons->addStretch();
    auto *box = new QVBoxLayout(group);
    box->setContentsMargins(6, 4, 6, 4);
    box->setSpacing(4);
    box->addWidget(this);
    box->addLayout(buttons);
    return group;
}
