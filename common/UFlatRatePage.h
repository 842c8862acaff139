#pragma once

#include "common/UCalcPage.h"

// What the three flat-rate income pages (interest and dividends, incidental income, other
// income) share: the same controls and handlers at 20 % of the whole amount, forward and back
// from a tax or an after-tax income. The pages differ only in title strip, size and where their
// method picture stands.
class TFlatRatePage : public TCalcPage {
    Q_OBJECT
  public:
    QLineEdit *TxtIncome, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgIncome;
    QLabel *TxtIncome2, *TxtTaxableIncome, *TxtRate;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnAntiTax, *BtnCopyIncome,
        *BtnAntiIncomeAfterTax;

    void BtnCalcClick();
    void BtnAntiTaxClick();
    void BtnAntiIncomeAfterTaxClick();
    void BtnResetClick();

  protected:
    // MethodGroup: the "计算方法" group's place in the client area; Picture: its resource.
    TFlatRatePage(const QMetaObject &Page, QSize Size, QRect MethodGroup, const QString &Picture,
                  QWidget *Parent);

  private:
    void BuildInputs();
    void BuildResults();
    void Connect();
    void Reverse(QLineEdit *Source, const QString &Invalid, const QString &NotPositive,
                 double (*IncomeFrom)(double));
};
