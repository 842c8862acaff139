#pragma once

#include "common/UCalcPage.h"

// Tax of an individual industrial and commercial household on a year's net production and
// business income; forward only.
class TFrmPersonal : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmPersonal(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtIncome2, *TxtTaxableIncome, *TxtDeduct, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
};
