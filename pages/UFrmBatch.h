#pragma once
// The batch window (工资表批量计算): a payroll sheet of employees × months opened from CSV or
// Excel, shown as a table, calculated by cumulative withholding for every employee, summed up by
// month and saved back as CSV or Excel, the rows left out beside the results. Reading,
// calculating, saving and sorting run in the background (common/UBackground) behind a progress
// dialog that can cancel them; the window and the program go on meanwhile, and what a cancelled
// or failed run had done is dropped whole, so the window keeps what it showed. Ctrl+O opens, Ctrl+S
// saves, Ctrl+F goes to the filter; closing with results not yet saved asks first.

#include "sheets/PayrollIo.h"
#include "sheets/Progress.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

namespace sheets {
class PayrollSheet;
}

class QLabel;
class QLineEdit;
class QMimeData;
class QModelIndex;
class QProgressDialog;
class QPushButton;
class QShortcut;
class QTableView;
class QTimer;
class TBackground;
class TBatchErrorModel;
class TBatchModel;

class TFrmBatch : public QWidget {
    Q_OBJECT
  public:
    explicit TFrmBatch(QWidget *Parent = nullptr);
    ~TFrmBatch() override;

    // The one local .csv or .xlsx file a drag carries; empty for anything else.
    static QString DroppedSheet(const QMimeData *Data);

    QPushButton *BtnOpen, *BtnCalc, *BtnSave, *BtnTemplate;
    // 工资条...: the month's payslips (pages/UDlgPayslips).
    QPushButton *BtnPayslips;
    // 填入申报模板...: the month into the withholding client's template (pages/UDlgDeclaration).
    QPushButton *BtnDeclaration;
    QLineEdit *TxtFilter;
    QTableView *GridSheet, *GridErrors;
    // 工号 and 姓名 over the left of GridSheet, staying there while it scrolls sideways.
    QTableView *GridFrozen;
    QLabel *LblErrors;
    QLabel *TxtCounts, *TxtYearTax, *TxtStatus;
    // Before the count of bonuses in a cliff: selects the next one's shaded cell, far right.
    QPushButton *BtnCliffs;
    QLabel *TxtMonthTax[12];

    TBatchModel *SheetModel() const { return Model; }
    // How the window reads a sheet: sheets::ReadPayroll, unless a test puts in a read that
    // never returns, as one from a network folder that is gone.
    using SheetReader =
        std::function<sheets::ReadOutcome(const QString &Path, const sheets::Progress &Hooks)>;
    void SetReaderForTesting(SheetReader Read) { Reader = std::move(Read); }
    TBatchErrorModel *ErrorModel() const { return Errors; }
    // The progress dialog of the run under way, if any.
    QProgressDialog *RunProgress() const;
    // A run is under way; Finished follows.
    bool Busy() const;

  public slots:
    // What the buttons do once their file dialog has given a path: each begins its run and gives
    // whether it began (not while another runs, nor without a sheet to work on); Finished tells
    // how it ended. A failure is told in a message box before Finished; a cancelled run changes
    // nothing.
    bool OpenFile(const QString &Path);
    bool Calculate();
    bool SaveFile(const QString &Path);
    bool SaveTemplate(const QString &Path);

    void BtnOpenClick();
    // False when no saving began (the dialog cancelled, no sheet).
    bool BtnSaveClick();
    void BtnTemplateClick();
    void BtnPayslipsClick();
    void FillDeclaration();
    void FocusFilter();
    void GridErrorsDoubleClick(const QModelIndex &Index);
    void BtnCliffsClick();
    // A click on a column's title: the rows ordered by it in the worker.
    void SortBy(int Column, Qt::SortOrder Order);

  signals:
    // How far the run under way has got, on the interface thread; the worker waits until this
    // has been handled, so that a cancel made here stops it at once.
    void Progressed(qint64 Done, qint64 Total);
    // A run the window began has ended and shown its outcome: Done when it did what was asked,
    // false when it failed or was cancelled.
    void Finished(bool Done);

  protected:
    void closeEvent(QCloseEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void dragEnterEvent(QDragEnterEvent *Event) override;
    void dropEvent(QDropEvent *Event) override;

  private:
    std::shared_ptr<const sheets::PayrollSheet> SheetToWorkOn();
    void BuildWindow();
    QLayout *BuildButtons();
    QWidget *BuildTables();
    QWidget *BuildSummary();
    QWidget *BuildTotals();
    void AddShortcuts();
    void FitTextColumns();
    // A sheet just read (or read again with corrections) in both tables, its columns fitted.
    void ShowSheet(std::shared_ptr<const sheets::PayrollSheet> Sheet);
    // The frozen view: its columns (工号 and 姓名, first in both views) and its place.
    void FreezeColumns();
    void KeepResultsInView();
    // However small the window, a result column keeps this many pixels.
    static constexpr int MinimumResultWidth = 120;
    void PlaceFrozen();
    // Scrolled sideways so that 本月应预扣税额 and 税后收入 show.
    void ShowResultColumns();
    // The sheet read again with the cells corrected in the table, then Then; false from the run
    // when it failed (a box said why).
    void ApplyCorrections(std::function<bool()> Then);
    void RunCalculation(std::size_t Corrected);
    // The folder the file dialogs start in: the last one a sheet was opened from or saved to,
    // kept in init.ini for the next start.
    QString StartFolder() const;
    void RememberFolder(const QString &Path);
    // Whether the window may close: asks when results are not saved. Saving first, it closes
    // once saved.
    bool MayClose();
    void ShowSummary();
    void ShowSheetTitle();
    // What a run ended shows; true when it did what was asked.
    bool ShowOpened(const QString &Path, bool WorkEnded, sheets::ReadOutcome Read);
    bool ShowSaved(const QString &Path, bool WorkEnded, const sheets::WriteOutcome &Written,
                   const sheets::PayrollSheet &Sheet);
    // Runs Work in the background behind a progress dialog labelled Label, then Ended on the
    // interface thread with whether the work ended: false when a cancelled run did not end soon
    // after and was left to end by itself, whatever Work holds then being its own (shared
    // pointers, copies) and whatever it makes not to be used. Ended gives whether the run did
    // what was asked, which Finished tells unless Ended began another run.
    void RunInBackground(const QString &Label, std::function<void(const sheets::Progress &)> Work,
                         std::function<bool(bool WorkEnded)> Ended, bool Counted = true);
    // The progress dialog's cancel, also when the window is closed meanwhile.
    void CancelRun();
    void SetBusy(bool Busy);
    // A path from a file dialog; empty when the user cancels. Saving adds the chosen kind's
    // extension to a name without one.
    QString AskPath(bool Saving, const QString &Caption, const QString &Suggested);

    SheetReader Reader;
    TBatchModel *Model;
    TBatchErrorModel *Errors;
    QString SheetPath;
    TBackground *Runs;
    QPointer<QProgressDialog> Running;
    // How long a cancelled run is waited for before the window is given back.
    QTimer *Patience;
    bool RunCounted = false;
    QList<QShortcut *> Shortcuts;
    // Calculated since the sheet was opened or last saved.
    bool ResultsUnsaved = false;
    // Typing in the filter waits for a pause before a million rows are searched.
    QTimer *FilterPause;
};
