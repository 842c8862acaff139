#pragma once

#include "common/UCalcPage.h"

class QComboBox;
struct TMakeUpInfo;

// Tax on a one-off economic compensation paid when employment ends, with both formulas written
// out in the actual numbers.
class TFrmMakeUp : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmMakeUp(QWidget *Parent = nullptr);

    QLineEdit *TxtOnceIncome, *TxtAverageWage, *TxtFiveGolds, *TxtTotalTax, *TxtTotalIncomeAfterTax;
    QComboBox *CmbYears;
    QLabel *TxtMsgIncome, *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtMonthTaxbaleIncome, *TxtMonthTax;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
    void ShowTaxFree(const TMakeUpInfo &Info);
    void ShowTaxed(const TMakeUpInfo &Info);
};
