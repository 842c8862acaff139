#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Settlement.h"

class QTabWidget;

// The annual settlement (年度汇算) of a resident's comprehensive income under the law in force
// since 2019: the year's totals in, the year's tax, the balance to pay or to be refunded against
// what was withheld, and whether a return must be filed, and why.
class TFrmCurSettle : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurSettle(QWidget *Parent = nullptr);

    QLineEdit *TxtWages, *TxtLabour, *TxtAuthor, *TxtRoyalty, *TxtExempt;
    QLineEdit *TxtInsurance, *TxtSpecial, *TxtPension, *TxtHealth, *TxtOther;
    QLineEdit *TxtBonus, *TxtWithheld;
    QRadioButton *RBtnSeparate, *RBtnMerged;
    QPushButton *BtnDeductions; // fills the deductions from the special deductions dialog

    QTabWidget *TabsRight;
    QLineEdit *TxtIncomeAmount, *TxtDeductions, *TxtTaxable, *TxtRate, *TxtQuickDeduction;
    QLineEdit *TxtTax, *TxtBonusTax, *TxtTotalTax, *TxtWithheldShown, *TxtBalance;
    QLabel *LblBalance; // 应补税额 or 应退税额, as the balance falls
    QLabel *TxtFiling, *TxtReason;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnDeductionsClick();

    // What the page says of whether a return is needed, and why.
    static QString FilingHeadline(const current::Settlement &Result);
    static QString ReasonSentence(const current::Settlement &Result);

  private:
    QWidget *BuildInputColumn();
    QWidget *BuildResultTabs();
    QLineEdit *SpecialRow(QFormLayout *Form);
    QLineEdit *BalanceRow(QFormLayout *Form);
    std::optional<current::SettlementInput> ReadYear();
    void ShowSettlement(const current::Settlement &Result);
    void ShowBalanceCaption(const QString &CaptionText);
    void ClearResults();
    QList<QLineEdit *> Inputs() const;

    QPushButton *CopyBalance = nullptr;
};
