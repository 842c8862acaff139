#pragma once

#include "common/UCalcPage.h"

#include <optional>

struct TTaxInfo;
class QCheckBox;

// What the two monthly wage pages (current and earlier rules) share: the income and contribution
// inputs with their checks, the result block and the reset.
class TWagePage : public TCalcPage {
    Q_OBJECT
  public:
    QLineEdit *TxtIncome, *TxtGolds, *TxtTax, *TxtIncomeAfterTax;
    QLabel *TxtMsgSalary, *TxtMsgGolds;
    QLabel *TxtInfome2, *TxtGolds2, *TxtSP, *TxtTaxableIncome, *TxtRate, *TxtDeduct;
    QRadioButton *RBtnChina, *RBtnForeign;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyTax, *BtnAntiTax, *BtnCopyIncome,
        *BtnAntiIncomeAfterTax;
    QCheckBox *ChbAutoCalc;

    void BtnResetClick();

  protected:
    TWagePage(const QMetaObject &Page, QSize Size, QWidget *Parent);

    void BuildInputs(const QString &GoldsCaption, const QString &GoldsText,
                     const QString &GoldsNote);
    void BuildResults(const QString &HeadingText);
    // The contributions, checked against the income; reports inline and gives no value on failure.
    std::optional<double> ReadGolds(double Income);
    // The record with units, the start point as given; the caret back in the income.
    void ShowResults(const TTaxInfo &Info, const QString &StartPoint);
};
