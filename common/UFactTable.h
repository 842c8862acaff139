#pragma once
// A list of the year file's entries as a table the user types in: a row for each entry, a column
// for each key (or one column holding the entry itself, for a list of bare dates). A cell keeps
// what was typed, valid or not, so that nothing typed is lost while the page checks it; the table
// gives its entries as the year file's JSON, which the file's own reader then reads and refuses
// with the file's own messages, and takes them back from the JSON the file writer makes.

#include "common/UYearModel.h"

#include <QHash>
#include <QJsonArray>
#include <QStringList>
#include <QTableWidget>
#include <functional>
#include <vector>

class QGroupBox;
class QPushButton;

struct TFactColumn {
    // How a cell's text goes into the JSON.
    enum class TValue { Text, Integer, Amount, Flag };
    // How a cell is edited: typed text, an amount under the key filter, a month of the year in
    // a spin box, one of the choices in a list.
    enum class TEditor { Line, Amount, Month, Choice };

    QString Key; // the entry's key; empty when the entry is the cell's value itself
    QString Header;
    TValue Value = TValue::Text;
    TEditor Editor = TEditor::Line;
    QStringList Choices; // the values a choice column takes, as written in the file
    QStringList Texts;   // what the list shows for each
    // Choices the list shows greyed, each with the reason as its tooltip: not the law this year.
    QHash<QString, QString> Unavailable;
    QString Default; // the value of a new row
    QString Hint;    // shown in an empty cell: "YYYY-MM-DD"

    // Typed text: a name, a date, a calendar month.
    static TFactColumn Text(const QString &Key, const QString &Header, const QString &Hint = {},
                            const QString &Default = {});
    static TFactColumn Amount(const QString &Key, const QString &Header);
    // A month of the year.
    static TFactColumn Month(const QString &Key, const QString &Header, int Default);
    // One of Choices, shown as Texts; a new row takes the first.
    static TFactColumn Choice(const QString &Key, const QString &Header, TValue Value,
                              const QStringList &Choices, const QStringList &Texts);
};

// An amount of the year file as a user types it: whole yuan without decimals, else two.
QString AmountText(const QJsonValue &Amount);
// The name of a field in the user's terms, and how its text is written (a hint such as
// "YYYY-MM"), for a fault to be said at it.
struct TFactPlace {
    QString Name;
    QString Hint;
};

// What an edit of a table changed: the key path of the cell under the list's ("rent[1].amount"),
// or of the list itself for an entry added or removed, and its value as the list's JSON has it.
struct TFactEdit {
    QString Path;
    QJsonValue Value;
};

// A field beside the tables at fault: it stands out, and takes the focus when Focus says so.
void MarkField(QWidget *Field, bool Focus);

class TFactTable : public QTableWidget {
    Q_OBJECT
  public:
    // Name is the table's objectName; Caption names it for assistive technology.
    TFactTable(const QString &Name, const QString &Caption, std::vector<TFactColumn> Columns,
               QWidget *Parent = nullptr);

    // Entries with a list of their own under PayloadKey (a job's pay): kept by row, beside the
    // columns, and written into the entry's JSON.
    void SetPayloadKey(const QString &Key) { PayloadKey = Key; }
    QJsonArray Payload(int Row) const;
    void SetPayload(int Row, const QJsonArray &Entries);

    // The entries as typed: a blank cell leaves its key out, a number column gives a number when
    // the text is one and the text otherwise, for the reader to name.
    QJsonArray Json() const;
    // One cell of that: undefined for a blank cell of an entry with keys, whose key is left out.
    QJsonValue CellJson(int Row, const QString &Key) const;
    // The edit Edited(Row, Key) told of, in the list at the key path List.
    TFactEdit EditOf(const QString &List, int Row, const QString &Key) const;
    // The entries as the file writer gives them, each cell in the form a user would type it.
    void SetJson(const QJsonArray &Entries);

    int ColumnOf(const QString &Key) const;
    // The header of the column of Key and the hint its empty cells show, for a fault to name the
    // field in the words the user sees; empty for a key of no column.
    QString HeaderOf(const QString &Key) const;
    QString HintOf(const QString &Key) const;
    // The choices of the column of Key and their texts, for a column whose choices follow the
    // year; each cell keeps its value.
    void SetChoices(const QString &Key, const QStringList &Choices, const QStringList &Texts);
    // The choices of Key's column the list greys, with the reason for each.
    void SetUnavailable(const QString &Key, const QHash<QString, QString> &Reasons);
    // What a cell holds, as written in the file (a choice's value, not its text).
    QString Value(int Row, const QString &Key) const;
    void SetValue(int Row, const QString &Key, const QString &Value);

    // A row of defaults after the current one (or at the end), made current; Fill, when set,
    // gives it what follows from the rows before (a month after theirs) before it counts as an
    // edit.
    void AddEntry();
    void SetNewRow(std::function<void(int Row)> Fill) { NewRow = std::move(Fill); }
    void RemoveCurrent();

    // The cell of a fault (Key empty or unknown: the row's first) stands out, saying Fault when
    // the pointer rests on it; with Focus it becomes the current one and the table takes the
    // focus.
    void MarkFault(int Row, const QString &Key, bool Focus = true, const QString &Fault = {});
    void ClearFault();

    // A group holding the table and its buttons 添加 and 删除 (BtnAdd<Name>, BtnRemove<Name>,
    // Name without its "Tbl").
    QGroupBox *Group(const QString &Title);
    QPushButton *BtnAdd = nullptr, *BtnRemove = nullptr;

  signals:
    // The user changed the cell of Key in Row, or added or removed an entry (Row -1).
    void Edited(int Row, const QString &Key);

  private:
    friend class TFactDelegate;
    const TFactColumn &Column(int Index) const { return Specs[static_cast<std::size_t>(Index)]; }
    QString Shown(int Column, const QString &Value) const;
    void Put(int Row, int Column, const QString &Value);
    void FitHeight();
    void WrapHeader();

  protected:
    void resizeEvent(QResizeEvent *Event) override;

  private:
    std::vector<TFactColumn> Specs;
    QString PayloadKey;
    std::function<void(int Row)> NewRow;
};
