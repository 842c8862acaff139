#pragma once

#include "common/UCalcPage.h"

class QCheckBox;

// Monthly wage tax under the earlier rules (start point 2000, nine brackets); forward only.
class TFrmSalaryOld : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmSalaryOld(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtGolds, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtInfome2, *TxtGolds2, *TxtSP, *TxtTaxableIncome, *TxtRate, *TxtDeduct;
    QRadioButton *RBtnChina, *RBtnForeign;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;
    // Never shown: this page has no reverse calculation and no detail view.
    QPushButton *BtnAntiTax, *BtnAntiIncomeAfterTax;
    QCheckBox *ChbAutoCalc;
    QLabel *TxtViewDetail;

    void BtnCalcClick();
    void BtnResetClick();
    void ChbAutoCalcClick();

  private:
    void BuildInputs();
    void BuildHidden();
    void BuildResults();
};
