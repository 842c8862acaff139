#pragma once

#include "common/UCalcPage.h"

// Tax on a one-off annual bonus, taxed on its own with the bracket chosen by a twelfth of it.
class TFrmYearAward : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmYearAward(QWidget *Parent = nullptr);

    QLineEdit *TxtYearAward, *TxtIncome, *TxtGolds, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgYA, *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtYA, *TxtTaxableIncome, *TxtSP, *TxtAverage, *TxtRate, *TxtDeduct;
    QRadioButton *RBtnChina, *RBtnForeign;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
};
