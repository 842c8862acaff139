#pragma once

#include "common/UCalcPage.h"

class QComboBox;

// Tax for one year on the income from operating an enterprise under a contract or a lease; the
// months of operation are chosen from a list.
class TFrmCompany : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmCompany(QWidget *Parent = nullptr);

    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QComboBox *CmbMonths;
    QLabel *TxtMsgIncome;
    QLabel *TxtIncome2, *TxtMonths, *TxtTaxableIncome, *TxtRate, *TxtDeduct;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnCopyIncome;

    void BtnCalcClick();
    void BtnResetClick();

  private:
    void BuildInputs();
    void BuildMonths();
    void BuildResults();
    int SelectedMonths() const;
};
