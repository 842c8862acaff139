#pragma once
// The batch window (工资表批量计算): a payroll sheet of employees × months opened from CSV or
// Excel, shown as a table, calculated by cumulative withholding for every employee, summed up by
// month and saved back as CSV or Excel, the rows left out beside the results. Reading,
// calculating and saving run in a worker thread behind a progress dialog that can cancel them;
// the window paints meanwhile, and what a cancelled or failed run had done is dropped whole, so
// the window keeps what it showed. Ctrl+O opens, Ctrl+S saves, Ctrl+F goes to the filter; closing
// with results not yet saved asks first.

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

  public slots:
    // What the buttons do once their file dialog has given a path. Each reports a failure in a
    // message box and gives false; a cancelled run gives false too and changes nothing.
    bool OpenFile(const QString &Path);
    bool Calculate();
    bool SaveFile(const QString &Path);
    bool SaveTemplate(const QString &Path);

    void BtnOpenClick();
    // False when nothing was saved (the dialog cancelled, a failure told in a box).
    bool BtnSaveClick();
    void BtnTemplateClick();
    void BtnPayslipsClick();
    void FillDeclaration();
    void FocusFilter();
    void GridErrorsDoubleClick(const QModelIndex &Index);
    // A click on a column's title: the rows ordered by it in the worker.
    void SortBy(int Column, Qt::SortOrder Order);

  signals:
    // How far the run under way has got, on the interface thread; the worker waits until this
    // has been handled, so that a cancel made here stops it at once.
    void Progressed(qint64 Done, qint64 Total);

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
    void PlaceFrozen();
    // Scrolled sideways so that 本月应预扣税额 and 税后收入 show.
    void ShowResultColumns();
    // The sheet read again with the cells corrected in the table; false when it failed (a box
    // said why) or was cancelled.
    bool ApplyCorrections();
    // The folder the file dialogs start in: the last one a sheet was opened from or saved to,
    // kept in init.ini for the next start.
    QString StartFolder() const;
    void RememberFolder(const QString &Path);
    // Whether the window may close: asks when results are not saved.
    bool MayClose();
    void ShowSummary();
    void ShowSheetTitle();
    // Runs Work in a worker thread behind a progress dialog labelled Label and returns when it
    // has ended, finished or cancelled: true then. False when a cancelled worker did not end
    // soon after, and was left to end by itself: whatever Work holds is then its own (shared
    // pointers, copies), and whatever it makes is not to be used.
    bool RunInWorker(const QString &Label, std::function<void(const sheets::Progress &)> Work,
                     bool Counted = true);
    void SetBusy(bool Busy);
    // A path from a file dialog; empty when the user cancels. Saving adds the chosen kind's
    // extension to a name without one.
    QString AskPath(bool Saving, const QString &Caption, const QString &Suggested);

    SheetReader Reader;
    TBatchModel *Model;
    TBatchErrorModel *Errors;
    QString SheetPath;
    QPointer<QProgressDialog> Running;
    QList<QShortcut *> Shortcuts;
    // Calculated since the sheet was opened or last saved.
    bool ResultsUnsaved = false;
    // Typing in the filter waits for a pause before a million rows are searched.
    QTimer *FilterPause;
};
