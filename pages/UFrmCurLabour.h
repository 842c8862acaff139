#pragma once

#include "common/UCurrentPage.h"
#include "engine/current/Internship.h"
#include "engine/current/Remuneration.h"

#include <vector>

class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QTableWidget;

// One payment of labour remuneration, author remuneration or royalties under the law in force
// since 2019: the tax withheld from a resident or a non-resident, and how a resident's payment
// counts again at the annual settlement. A student's internship pay may instead be withheld by
// the cumulative method, month by month.
class TFrmCurLabour : public TCurrentPage {
    Q_OBJECT
  public:
    explicit TFrmCurLabour(QWidget *Parent = nullptr);

    QRadioButton *RBtnLabour, *RBtnAuthor, *RBtnRoyalty;
    QLineEdit *TxtIncome;
    QRadioButton *RBtnResident, *RBtnNonResident;
    QLineEdit *TxtDeduction, *TxtTaxable, *TxtRate, *TxtQuickDeduction, *TxtTax, *TxtAfterTax;
    QLabel *TxtSettlement;
    QCheckBox *ChkIntern;
    QSpinBox *SpnFirstMonth, *SpnLastMonth;
    QTableWidget *TblMonths;
    QLabel *TxtInternTotal;
    QPushButton *BtnReverse;

    void BtnCalcClick();
    void BtnResetClick();
    void BtnReverseClick();

  private:
    QLayout *BuildInputs();
    QLayout *BuildResults();
    QRadioButton *Choice(QButtonGroup *Group, QHBoxLayout *Row, const QString &Name,
                         const QString &Text);
    void BuildInternship(QFormLayout *Form);
    QTableWidget *BuildMonthTable();
    current::RemunerationKind Kind() const;
    QString SettlementNote(const current::Remuneration &Result) const;
    // The option applies to a resident's labour remuneration only.
    bool Internship() const;
    void InternshipChanged();
    void CalcInternship(current::Cents Payment);
    void ShowMonths(const std::vector<current::InternshipMonth> &Months);
    void ClearResults();
    void ClearPage();

    QFormLayout *FormInputs = nullptr, *FormResults = nullptr;
    QLayout *MonthsRow = nullptr;
    QLabel *InternNote = nullptr;
    bool ShowingInternship = false;
};
