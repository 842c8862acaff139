#pragma once

#include "common/UCurrentPage.h"

// Severance compensation on ending a labour contract under the law in force since 2019: tax free
// up to three times the local average annual wage of the previous year, the excess taxed on its
// own on the annual table.
class TFrmCurSeverance : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurSeverance(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtAverageWage;
    QLineEdit *TxtExempt, *TxtTaxable, *TxtRate, *TxtQuickDeduction, *TxtTax, *TxtAfterTax;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    QLayout *BuildInputs();
    QLayout *BuildResults();
};
