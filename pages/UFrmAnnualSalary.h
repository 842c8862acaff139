#pragma once

#include "common/UCalcPage.h"

// An annual salary paid partly each month and partly as a year-end bonus. The page is laid out
// for the calculation but performs none: its buttons have no action.
class TFrmAnnualSalary : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmAnnualSalary(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *Edit1, *Edit2, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgIncome, *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtIncome2, *TxtTaxableIncome, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

  private:
    void BuildInputs();
    void BuildResults();
};
