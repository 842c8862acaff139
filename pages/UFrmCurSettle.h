#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Settlement.h"

class QCheckBox;
class QTabWidget;
class TYearLink;

// The annual settlement (年度汇算) of a resident's comprehensive income under the law in force
// since 2019: the year's totals in, the year's tax, the balance to pay or to be refunded against
// what was withheld, and whether a return must be filed, and why.
class TFrmCurSettle : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurSettle(QWidget *Parent = nullptr);

    QLineEdit *TxtWages, *TxtLabour, *TxtAuthor, *TxtRoyalty, *TxtExempt;
    QLineEdit *TxtInsurance, *TxtSpecial, *TxtPension, *TxtHealth, *TxtOther;
    QLineEdit *TxtDonation, *TxtDonationFull; // limited to 30 %, and allowed in full
    QLineEdit *TxtBonus, *TxtWithheld;
    QRadioButton *RBtnSeparate, *RBtnMerged;
    QLabel *TxtOtherMethod;     // what the other method would give, and which is lower
    QCheckBox *ChkUnwithheld;   // an employer should have withheld and did not
    QPushButton *BtnDeductions; // fills the deductions from the special deductions dialog
    QPushButton *BtnFromWage;   // fills the year's wages from the wage page
    QPushButton *BtnFromYear;   // fills every input from the open year's totals
    TYearLink *YearLink;

    QTabWidget *TabsRight;
    QLineEdit *TxtIncomeAmount, *TxtDeductions, *TxtDonations, *TxtTaxable, *TxtRate,
        *TxtQuickDeduction;
    QLineEdit *TxtTax, *TxtBonusTax, *TxtTotalTax, *TxtWithheldShown, *TxtBalance;
    QLabel *LblBalance; // 应补税额 or 应退税额, as the balance falls
    QLabel *TxtFiling, *TxtReason;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnDeductionsClick();
    void BtnFromWageClick();
    // The open year's totals, as its settlement takes them.
    void FillFromYear();

  private:
    QWidget *BuildInputColumn();
    QWidget *BuildResultTabs();
    QLineEdit *SpecialRow(QFormLayout *Form);
    QLineEdit *BalanceRow(QFormLayout *Form);
    // The year as typed; none after a message, which moves the focus to the field at fault when
    // Report says so, and is left unsaid otherwise.
    std::optional<current::SettlementInput> ReadYear(bool Report);
    // Any change of an input or an option: the results follow it, or go while it is not valid.
    void InputChanged();
    void ShowMethodsOf(int Year);
    // The results of Year, or none.
    void ShowYear(const std::optional<current::SettlementInput> &Year);
    void ShowBalanceCaption(const QString &CaptionText);
    void ClearResults();
    // The amounts in the order of SettlementForm::Field.
    QList<QLineEdit *> Inputs() const;

    QPushButton *CopyBalance = nullptr;
};
