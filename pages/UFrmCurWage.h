#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Wage.h"

#include <optional>

class QCheckBox;
class QSpinBox;
class QTableView;
class TCurWageModel;

// A year of monthly wage withholding for one employee under the law in force since 2019: the
// cumulative method month by month for a resident, the monthly table for a non-resident. The
// amounts are the same every month unless a month is given its own in the table.
class TFrmCurWage : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurWage(QWidget *Parent = nullptr);
    // Decoded ahead when the program starts on this page.
    static QStringList Pictures();
    // An editor of the table still open commits as the page goes; the page must not hear it.
    ~TFrmCurWage() override;

    QLineEdit *TxtIncome, *TxtExempt, *TxtInsurance, *TxtSpecial, *TxtOther;
    QPushButton *BtnDeductions;
    QRadioButton *RBtnPerMonth, *RBtnFromJanuary, *RBtnSixty;
    QSpinBox *SpnFirstMonth, *SpnLastMonth;
    QCheckBox *ChkNonResident;
    QPushButton *BtnCopyTable;
    QTableView *TblMonths;
    TCurWageModel *Model;
    QLineEdit *TxtYearTax, *TxtYearNet;
    QPushButton *BtnReverse;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnCopyTableClick();
    void BtnDeductionsClick();
    void BtnReverseClick();

  private:
    QWidget *BuildInputs();
    QWidget *BuildTable();
    void LayoutChanged();
    void ClearYear();
    // The amounts of every month as typed; none after a message.
    std::optional<current::WageMonth> ReadCommon();
};
