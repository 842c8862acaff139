#pragma once

#include "common/UCalcPage.h"

// Tax on one payment of royalties; forward only. Calculated amounts show without a unit, the
// reset texts with one.
class TFrmLicense : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmLicense(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtIncome2, *TxtDeductFee, *TxtTaxableIncome, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
};
