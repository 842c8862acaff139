#pragma once

#include "common/UCurrentPage.h"

class QGroupBox;

// Severance compensation on ending a labour contract under the law in force since 2019: tax free
// up to three times the local average annual wage of the previous year, the excess taxed on its
// own on the annual table. Or the lump sum for early retirement, spread over the years until the
// statutory retirement age.
class TFrmCurSeverance : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurSeverance(QWidget *Parent = nullptr);

    QRadioButton *RBtnContract, *RBtnEarlyRetirement;
    QLineEdit *TxtIncome, *TxtAverageWage, *TxtYears;
    QLineEdit *TxtExempt, *TxtTaxable, *TxtPerYear, *TxtTaxablePerYear, *TxtRate,
        *TxtQuickDeduction, *TxtTaxPerYear, *TxtTax, *TxtAfterTax;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    QLayout *BuildInputs();
    QLayout *BuildResults();
    QRadioButton *KindChoice(const QString &Name, const QString &Text);
    void AddEarlyRetirementMethod(QGroupBox *Method);
    void KindChanged();
    void CalcEarlyRetirement(current::Cents Income);
    void ClearResults();

    QFormLayout *FormInputs = nullptr, *FormResults = nullptr;
    QLabel *NoteAverageWage = nullptr, *NoteYears = nullptr;
    QLabel *NoteContract = nullptr, *NoteEarlyRetirement = nullptr;
    QLabel *ImgMethod = nullptr, *TxtEarlyMethod = nullptr;
};
