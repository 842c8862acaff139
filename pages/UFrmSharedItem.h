#pragma once

#include "engine/current/Household.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TNumKeyFilter;

// One item a couple may place on either of them (a child, the home loan, a lease, a serious
// illness), added or changed on the household page. The dialog takes only what each field can
// hold; whether the item fits the year is for the household check, which names it by its place.
class TFrmSharedItem : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Child, Loan, Lease, Illness };

    // Year: the tax year, whose rent amounts a lease offers and in which new dates start.
    TFrmSharedItem(Kind What, int Year, QWidget *Parent = nullptr);

    void SetChild(const current::SharedChild &Child);
    void SetLoan(const current::SharedLoan &Loan);
    void SetLease(const current::SharedLease &Lease);
    void SetIllness(const current::IllnessFacts &Entry);
    // As confirmed; meaningful only for the dialog's own kind.
    current::SharedChild Child() const;
    current::SharedLoan Loan() const;
    current::SharedLease Lease() const;
    current::IllnessFacts Illness() const;

    // Each item in words, as the page lists it.
    static QString Title(const current::SharedChild &Child);
    static QString Title(const current::SharedLoan &Loan);
    static QString Title(const current::SharedLease &Lease);
    static QString Title(const current::IllnessFacts &Entry);

    QDateEdit *DateBorn = nullptr, *DateEducationEnd = nullptr;
    QCheckBox *ChkEducationEnd = nullptr;
    QDateEdit *DateFirstRepayment = nullptr;
    QCheckBox *ChkBeforeMarriage = nullptr;
    QDateEdit *DateFrom = nullptr, *DateTo = nullptr;
    QComboBox *CmbRent = nullptr;
    QComboBox *CmbSigner = nullptr; // who signed the lease: a, b or both
    QComboBox *CmbWho = nullptr;
    QLineEdit *TxtPaid = nullptr;
    QLabel *TxtMsg = nullptr;
    QPushButton *BtnOK = nullptr, *BtnCancel = nullptr;

    void BtnOKClick();

  private:
    void BuildChild(QFormLayout *Form);
    void BuildLoan(QFormLayout *Form);
    void BuildLease(QFormLayout *Form);
    void BuildIllness(QFormLayout *Form);
    // A date edit of whole days, or of months when Months says so.
    QDateEdit *DateField(const QString &Name, const QString &Caption, bool Months);

    Kind What;
    int Year;
    TNumKeyFilter *KeyFilter = nullptr;
};
