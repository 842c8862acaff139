#pragma once

#include "common/UCalcPage.h"

#include <functional>

// Tax on one payment of author remuneration, forward and from a typed tax or after-tax income.
// Every input error is reported in a message box.
class TFrmWriting : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmWriting(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtIncome2, *TxtDeductFee, *TxtTaxableIncome, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnAntiTax, *BtnCopyIncome,
        *BtnAntiIncomeAfterTax;

    void BtnCalcClick();
    void BtnAntiTaxClick();
    void BtnAntiIncomeAfterTaxClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
    // The reverse path: the payment found from Source goes into TxtIncome with two decimals and
    // is calculated forwards.
    void Reverse(QLineEdit *Source, const QString &Message,
                 const std::function<double(double)> &Payment);
};
