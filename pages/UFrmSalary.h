#pragma once

#include "common/UCalcPage.h"

struct TTaxInfo;
class QCheckBox;

// Monthly wage and salary tax under the current rules, forward and from a typed tax or
// after-tax income.
class TFrmSalary : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmSalary(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtGolds, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtInfome2, *TxtGolds2, *TxtSP, *TxtTaxableIncome, *TxtRate, *TxtDeduct;
    QRadioButton *RBtnChina, *RBtnForeign;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnAntiTax, *BtnCopyIncome,
        *BtnAntiIncomeAfterTax;
    QCheckBox *ChbAutoCalc;

    void BtnCalcClick();
    void BtnAntiTaxClick();
    void BtnAntiIncomeAfterTaxClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildResults();
    void ShowTaxInfo(const TTaxInfo &Info);
    int StartPointInForce() const;
};
