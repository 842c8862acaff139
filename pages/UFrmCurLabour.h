#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Remuneration.h"

class QButtonGroup;

// One payment of labour remuneration, author remuneration or royalties under the law in force
// since 2019: the tax withheld from a resident or a non-resident, and how a resident's payment
// counts again at the annual settlement.
class TFrmCurLabour : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurLabour(QWidget *Parent = nullptr);

    QRadioButton *RBtnLabour, *RBtnAuthor, *RBtnRoyalty;
    QLineEdit *TxtIncome;
    QRadioButton *RBtnResident, *RBtnNonResident;
    QLineEdit *TxtDeduction, *TxtTaxable, *TxtRate, *TxtQuickDeduction, *TxtTax, *TxtAfterTax;
    QLabel *TxtSettlement;
    QPushButton *BtnReverse;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnReverseClick();

  private:
    QLayout *BuildInputs();
    QLayout *BuildResults();
    QRadioButton *Choice(QButtonGroup *Group, QHBoxLayout *Row, const QString &Name,
                         const QString &Text);
    current::RemunerationKind Kind() const;
    QString SettlementNote(const current::Remuneration &Result) const;
    void ClearPage();
};
