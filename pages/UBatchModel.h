#pragma once
// The payroll sheet of the batch window as a table: the sheet's compact rows served cell by cell
// when a view asks, the input columns and, once the sheet is calculated, the result columns after
// them. Nothing is made per cell up front: a cell's text is made when it is painted, and an
// employee's year is computed when one of their rows is first painted (a microsecond). Sorting
// and filtering reorder a list of row numbers, four bytes a row.
//
// The sheet itself is read, summarised and written by the sheets library in the window's worker
// thread; the model takes the finished sheet and summary on the interface thread.

#include "sheets/PayrollBuilder.h"
#include "sheets/PayrollIo.h"
#include "sheets/PayrollSheet.h"
#include "sheets/Withholding.h"

#include <QAbstractTableModel>

#include <memory>
#include <optional>
#include <vector>

class TBatchModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TBatchModel(QObject *Parent = nullptr);

    // Shows a sheet just read: in the file's order, unfiltered, without results.
    void SetSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet);
    // Shows the result columns of a calculated sheet, or hides them (no summary). Cliffs: the rows
    // whose bonus lies in a cliff (CliffRows).
    void SetSummary(std::optional<sheets::PayrollSummary> Summary,
                    std::vector<std::uint32_t> Cliffs = {});
    // The rows of the sheet whose bonus lies in a cliff, ascending: made in the worker with the
    // summary, so that finding the next one is a look-up and not the years computed again.
    static std::vector<std::uint32_t> CliffRows(const sheets::PayrollSheet &Sheet);
    // The shaded cell of the first row shown below After's whose bonus lies in a cliff, from the
    // top again past the last; invalid when no row shown has one.
    QModelIndex NextCliff(const QModelIndex &After) const;

    bool HasSheet() const { return Data != nullptr; }
    const sheets::PayrollSheet &Sheet() const { return *Data; }
    std::shared_ptr<const sheets::PayrollSheet> SharedSheet() const { return Data; }
    const std::optional<sheets::PayrollSummary> &Summary() const { return Totals; }

    // Shows only the rows whose 工号 or 姓名 contains Text (any case); an empty text shows all.
    void SetFilter(const QString &Text);
    const QString &Filter() const { return FilterText; }
    // The summary of the rows the filter shows, made row by row (a filter shows few).
    sheets::PayrollSummary ShownSummary() const;

    // A cell at fault may be typed anew in the view (double-click): the corrections are kept here,
    // shown in place of the cell, until the sheet is read again with them (Corrected).
    const sheets::PayrollBuilder::Amendments &Corrections() const { return Typed; }
    // The open sheet read again with the corrections (a correction beyond a limit fails as a file
    // would). Reads the sheet only: may run in a worker while nothing changes the model.
    sheets::ReadOutcome Corrected() const;
    Qt::ItemFlags flags(const QModelIndex &Index) const override;
    bool setData(const QModelIndex &Index, const QVariant &Value, int Role = Qt::EditRole) override;

    // The sheet's row shown at a row of the table, and back; -1 for a row not shown.
    std::size_t SheetRow(int ViewRow) const { return Shown[static_cast<std::size_t>(ViewRow)]; }
    int ViewRow(std::size_t SheetRow) const;
    // Where the result columns begin.
    int InputColumnCount() const;
    // How many result columns a calculated sheet shows: the wage's, then the bonus's and the
    // items' year to date when the sheet has them.
    int ResultCount() const;
    // The longest texts of the 工号 or 姓名 column over the whole sheet (by their UTF-8 length),
    // at most Count of them: what a view that measures only some rows may not make room for.
    QStringList LongestTexts(sheets::Field Which, std::size_t Count) const;

    int rowCount(const QModelIndex &Parent = {}) const override;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation,
                        int Role = Qt::DisplayRole) const override;
    // A stable sort of the rows by the column; a column out of range gives the file's order back.
    void sort(int Column, Qt::SortOrder Order = Qt::AscendingOrder) override;
    // The same in two steps, so that a million rows are ordered in a worker thread: the order
    // (reads the sheet only, while nothing else changes the model), then shown.
    std::vector<std::uint32_t> OrderBy(int Column, Qt::SortOrder Order) const;
    void SetOrder(int Column, Qt::SortOrder Order, std::vector<std::uint32_t> Rows);
    int SortedColumn() const { return SortColumn; }
    Qt::SortOrder SortedOrder() const { return SortOrder; }

  private:
    QString Text(std::size_t Row, int Column) const;
    void ApplyFilter();
    // One result column for every row, rows left out last whichever the order.
    std::vector<current::Cents> ResultKeys(sheets::ResultColumn Column) const;
    std::vector<current::Cents> ExtraKeys(std::size_t Extra) const;
    // The cell after the wage's results, Extra counted from the first of them; none for a row
    // left out.
    const sheets::ExtraResult *ExtraAt(std::size_t Row, std::size_t Extra) const;

    std::shared_ptr<const sheets::PayrollSheet> Data;
    std::optional<sheets::PayrollSummary> Totals;
    std::vector<std::uint32_t> Cliffs; // CliffRows of the sheet calculated
    QStringList ExtraTitles;           // of the sheet shown
    std::vector<std::uint32_t> Sorted; // every row, in the order sorted
    std::vector<std::uint32_t> Shown;  // the rows of Sorted that pass the filter
    QString FilterText;
    sheets::PayrollBuilder::Amendments Typed;
    int SortColumn = -1;
    Qt::SortOrder SortOrder = Qt::AscendingOrder;
    // Views ask row by row and mostly for neighbours: the last employee's year is kept.
    mutable std::unique_ptr<sheets::WithholdingCursor> Cursor;
};

// The rejected rows of a sheet: line, column and reason, served from the sheet's fault list.
class TBatchErrorModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit TBatchErrorModel(QObject *Parent = nullptr);

    void SetSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet);
    // The sheet's row of a listed fault.
    std::size_t SheetRow(int ErrorRow) const;

    int rowCount(const QModelIndex &Parent = {}) const override;
    int columnCount(const QModelIndex &Parent = {}) const override;
    QVariant data(const QModelIndex &Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation,
                        int Role = Qt::DisplayRole) const override;

  private:
    std::shared_ptr<const sheets::PayrollSheet> Data;
};
