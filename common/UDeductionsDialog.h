#pragma once

#include "engine/current/Year.h"
#include "engine/current/YearFacts.h"

#include <QDialog>
#include <QJsonObject>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;
class TDeductionFacts;
class TYearModel;

// The special additional deductions of the open year (common/UOpenYear.h), with the personal
// pension and health insurance claimed alongside them, as dated facts: a child's birth date, the
// parents', the first repayment of the loan, a lease's months, a degree course, the month of a
// certificate, the months of a policy. What each month comes to, item by item, follows from the
// year engine as the facts change. 确定 puts the facts into the open year; without a year open,
// the dialog edits a fresh one (see YearFiles::FreshYear, which takes the choices the parameter
// file kept before deductions were dated), and 确定 opens it as a year not yet saved.
class TFrmCurDeductions : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmCurDeductions(QWidget *Parent = nullptr);
    // A cell's edit still open commits as the dialog goes; the dialog must not hear it.
    ~TFrmCurDeductions() override;

    TDeductionFacts *Deductions;
    QTableWidget *TblMonths; // a row a month and one for the year, a column an item
    QLabel *TxtYear, *TxtYearTotal, *TxtMsg;
    QPushButton *BtnOK, *BtnCancel;

    // The year as edited, while its facts check.
    const std::optional<current::YearFacts> &Edited() const;

    void BtnOKClick();

  private:
    void Update();
    void ShowMonths(const current::Timeline &Months, current::Cents Illness);

    // The whole year as it was opened, with the deductions as typed in place of its own.
    TYearModel *Model;
};
