#pragma once

#include "common/UCalcPage.h"

#include <functional>

// Tax on one payment of labour remuneration, forward and from a typed tax or after-tax income.
class TFrmLaoWu : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmLaoWu(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgSalary;
    QLabel *TxtInfome2, *TxtFeesCharged, *TxtTaxableIncome, *TxtRate, *TxtDeduct;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnAntiTax, *BtnCopyIncome,
        *BtnAntiIncomeAfterTax;

    void BtnCalcClick();
    void BtnAntiTaxClick();
    void BtnAntiIncomeAfterTaxClick();
    void BtnResetClick();
    // Empties every result, then lets the emptied fields repaint before the calculation.
    void ClearResults();

  private:
    void BuildInputs();
    void BuildResults();
    // The reverse path: the payment found from Source goes into TxtIncome and is calculated
    // forwards.
    void Reverse(QLineEdit *Source, const std::function<double(double)> &Payment,
                 bool ClearBetween);
};
