#pragma once

#include "common/UCurrentPage.h"

class QGroupBox;

// Severance compensation on ending a labour contract under the law in force since 2019: tax free
// up to three times the local average annual wage of the previous year, the excess taxed on its
// own on the annual table. Or the lump sum for early retirement, spread over the years until the
// statutory retirement age. Or the lump sum on internal retirement, taxed with that month's wage
// at the rate its monthly share finds.
class TFrmCurSeverance : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurSeverance(QWidget *Parent = nullptr);

    QRadioButton *RBtnContract, *RBtnEarlyRetirement, *RBtnInternalRetirement;
    QLineEdit *TxtIncome, *TxtAverageWage, *TxtYears, *TxtMonths, *TxtWage;
    QLineEdit *TxtExempt, *TxtTaxable, *TxtPerYear, *TxtTaxablePerYear, *TxtAverage, *TxtRate,
        *TxtQuickDeduction, *TxtTaxPerYear, *TxtTax, *TxtWageTax, *TxtAdded, *TxtAfterTax;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    QLayout *BuildInputs();
    QLayout *BuildResults();
    QRadioButton *KindChoice(const QString &Name, const QString &Text);
    void AddEarlyRetirementMethod(QGroupBox *Method);
    void KindChanged();
    void AddInternalRetirementMethod(QGroupBox *Method);
    void CalcEarlyRetirement(current::Cents Income);
    void CalcInternalRetirement(current::Cents Income);
    void ClearResults();

    QFormLayout *FormInputs = nullptr, *FormResults = nullptr;
    QLabel *NoteAverageWage = nullptr, *NoteYears = nullptr, *NoteMonths = nullptr;
    QLabel *NoteContract = nullptr, *NoteEarlyRetirement = nullptr, *NoteInternal = nullptr;
    QLabel *ImgMethod = nullptr, *TxtEarlyMethod = nullptr, *TxtInternalMethod = nullptr;
};
