#pragma once

#include "common/UCalcPage.h"

class QCheckBox;

// Tax on one payment of income from leasing property, at 20 % or at 10 % for a private home.
class TFrmRent : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmRent(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgIncome;
    QLabel *TxtIncome2, *TxtDeductFee, *TxtTaxableIncome, *TxtRate;
    QCheckBox *chbIsHousing;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
};
