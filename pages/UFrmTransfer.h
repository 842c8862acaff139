#pragma once

#include "common/UCalcPage.h"

// Tax on the income from transferring property; forward only, every report in a message box.
class TFrmTransfer : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmTransfer(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtOriginal, *TxtExpense, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtIncome2, *TxtOriginal2, *TxtExpense2, *TxtTaxableIncome, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

    static QString InvalidMessage();

  private:
    void BuildInputs();
    void BuildResults();
};
