#pragma once
// The months of the current-law wage page as a table: the amounts of each month (the same every
// month unless a month is given its own in the table), and after a calculation every column of
// the engine's record for that month, with a total row.

#include "engine/current/Wage.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <array>
#include <optional>
#include <vector>

class TCurWageModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The amounts a month may be given in the table (in the order their own amounts are kept).
    enum class TInput { Income, Exempt, Insurance, Other, Special };
    static constexpr int InputCount = 5;

    explicit TCurWageModel(QObject *Parent = nullptr);

    // The months shown, First to Last, and whether as a non-resident; results shown before go.
    void SetMonths(int First, int Last, bool NonResident);
    // The amounts of every month that has none of its own (Month is not used); none before the
    // page has read its inputs.
    void SetDefaults(const std::optional<current::WageMonth> &Defaults);
    const std::optional<current::WageMonth> &CommonAmounts() const { return Defaults; }
    void ClearOverrides();
    // The months of Months, consecutive and ascending, as a resident's: the first month's amounts
    // are the common ones, and each later month has its own wherever it differs (a raise, a
    // dated deduction). The results shown before go.
    void TakeMonths(const std::vector<current::WageMonth> &Months);
    bool HasOverride(int Month, TInput Input) const;
    bool HasAnyOverride() const;
    // A month's own amount of Input, or none to give the month the common amount again.
    void SetOwn(int Month, TInput Input, std::optional<current::Cents> Amount);
    // The input a cell holds, for a cell a user may type in.
    std::optional<TInput> InputAt(const QModelIndex &Cell) const;
    // The months after the cell's take its amount: its own, or the common amount again like it.
    // False for a cell that holds no input.
    bool FillFollowing(const QModelIndex &Cell);
    // The months of the cells take the common amounts again; false when none had its own.
    bool ClearCells(const QModelIndexList &Cells);
    // The months' own amounts as a value to keep while the program runs, and back.
    QVariant OverridesValue() const;
    void SetOverridesValue(const QVariant &Value);
    // A running total of the year, or the quick deduction that goes with it: the columns the
    // page shows only on request.
    bool IsCumulative(int Column) const;

    // The months as they go to the engine (the defaults must be set).
    std::vector<current::WageMonth> Months() const;
    void ShowResident(std::vector<current::WageWithholding> Rows);
    void ShowNonResident(std::vector<current::NonResidentWage> Rows);
    void ClearResults();
    bool HasResults() const;
    current::Cents YearTax() const;
    current::Cents YearNet() const;

    // The whole table with its header, tab-separated, one line per row, for a spreadsheet.
    QString TabText() const;
    // A column title as the table's header shows it: on two lines when it is of several words.
    static QString OnTwoLines(QString Title);

    int rowCount(const QModelIndex &Parent = {}) const override;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation,
                        int Role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    // A month's own amount: an amount sets it, a blank text gives the month the common amount
    // again, anything else is refused with CellRefused.
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role = Qt::EditRole) override;

  signals:
    void CellRefused(const QString &Message);
    void OverrideChanged();

  private:
    // Titles up to this length stay on one line.
    static constexpr qsizetype TwoLinesFrom = 10;
    struct TColumn;
    const std::vector<TColumn> &Columns() const;
    static QString Shown(const TColumn &Column);
    int MonthCount() const { return Last - First + 1; }
    std::optional<current::Cents> InputOf(int Month, TInput Input) const;
    QString Text(int Row, int Column) const;
    void SetResults(std::vector<current::WageWithholding> ResidentRows,
                    std::vector<current::NonResidentWage> NonResidentWages);

    int First = 1, Last = 12;
    bool NonResident = false;
    std::optional<current::WageMonth> Defaults;
    // Each month's own amounts, by month (index 0 unused) and input.
    std::array<std::array<std::optional<current::Cents>, InputCount>, 13> Overrides{};
    std::vector<current::WageWithholding> Resident;
    std::vector<current::NonResidentWage> NonResidentRows;
};

// The editor of a month's amount: an edit under the amount key filter.
class TCurWageDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *Parent, const QStyleOptionViewItem &Option,
                          const QModelIndex &Index) const override;
};
