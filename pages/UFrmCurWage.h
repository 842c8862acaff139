#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Rules.h"
#include "engine/current/Wage.h"

#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QSpinBox;
class QSplitter;
class QTableView;
class TCurWageModel;
class TYearLink;

// A year of monthly wage withholding for one employee under the law in force since 2019: the
// cumulative method month by month for a resident, the monthly table for a non-resident. The
// amounts are the same every month unless a month is given its own in the table.
class TFrmCurWage : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurWage(QWidget *Parent = nullptr);
    // The picture of the method, on the page's second tab. Not decoded ahead when the program
    // starts on this page (the page does not list it as Pictures()): the tab is made, and the
    // picture decoded, when the tab is first shown.
    static QString MethodPicture();
    // An editor of the table still open commits as the page goes; the page must not hear it.
    ~TFrmCurWage() override;

    QLineEdit *TxtIncome, *TxtExempt, *TxtInsurance, *TxtSpecial, *TxtOther;
    QPushButton *BtnDeductions;
    // A job of the open year (the first to begin with) fills the page: its months, its pay and
    // the person's dated deductions month by month, as the year withholds them.
    QComboBox *CmbYearJob;
    QPushButton *BtnFromYear;
    TYearLink *YearLink;
    QRadioButton *RBtnPerMonth, *RBtnFromJanuary, *RBtnSixty;
    QLabel *TxtModeNote;
    QString FromJanuaryTip, SixtyTip; // what the two mean, where the year's law has them
    QSpinBox *SpnFirstMonth, *SpnLastMonth;
    QCheckBox *ChkNonResident;
    QPushButton *BtnCopyTable;
    QCheckBox *ChkCumulative; // 显示累计列
    QTableView *TblMonths;
    // The table's own menu, each with its key: the cell to the months after it, the selected
    // cells back to the common amounts, the whole table to the clipboard.
    QAction *ActFillFollowing, *ActClearOwn, *ActCopyTable;
    TCurWageModel *Model;
    QLineEdit *TxtYearTax, *TxtYearNet;
    QPushButton *BtnReverse;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnCopyTableClick();
    void BtnDeductionsClick();
    void BtnReverseClick();
    // The job chosen in CmbYearJob, as the open year has it.
    void FillFromYear();

  private:
    void BuildMethod(QWidget *Tab);
    QWidget *Inputs = nullptr;
    // Results went with an edit of a field: an edit in the table calculates again, and says
    // what stands in the way.
    bool ResultsLeft = false;
    QSplitter *Splitter = nullptr;
    QWidget *BuildInputs();
    QWidget *BuildYearRow();
    void ShowYearJobs();
    // The table follows the common amounts as they are typed: the months without their own take
    // them, or show nothing while a field holds no amount; results of other figures go.
    void FollowFields();
    bool FieldsEmpty() const;
    // The inputs take the height they need above the table when the year's row comes or goes.
    void FitInputs();
    // The deductions of the open year, month by month, as the page's special deductions.
    void TakeYearDeductions();
    QWidget *BuildTable();
    QWidget *BuildTableTools(QWidget *Parent);
    void BuildTableActions();
    void FillFollowing();
    void ClearOwn();
    void LayoutChanged();
    // The rules the page withholds under: the open year's while it follows the year, else the
    // latest year's.
    const current::YearRules &RulesShown() const;
    void ShowModesInLaw();
    void ShowColumns();
    void ClearYear();
    // From the table the focus stays there, whatever comes of it: the user goes on typing there.
    void Calculate(bool FromTable);
    // The amounts of every month as typed; none after a message, which moves the focus to the
    // field at fault when Focus says so.
    std::optional<current::WageMonth> ReadCommon(bool Focus);
};
