#pragma once

#include "common/UCalcPage.h"

#include <optional>

class QDateEdit;

// Late fee on a tax paid after its due date, with the days overdue counted from two dates or
// typed in.
class TFrmLateFee : public TCalcPage {
    Q_OBJECT
  public:
    explicit TFrmLateFee(QWidget *Parent = nullptr);

    QLineEdit *TxtTax, *TxtDays, *TxtLateFee, *TxtTotal;
    QLabel *TxtMsgIncome;
    QLabel *TxtTax2, *TxtDays2, *TxtRate;
    QDateEdit *dtpStart, *dtpEnd;
    QPushButton *BtnCalc, *BtnReset, *BtnCopyLateFee, *BtnCopyTotal;

    void BtnCalcClick();
    void BtnResetClick();
    void dtpStartChange();

    // A day count: decimal digits with an optional sign, within 32 bits.
    static std::optional<int32_t> ParseDays(const QString &Text);

  private:
    void BuildInputs();
    QDateEdit *DatePicker(const QString &Name, int X, int Y);
    void BuildResults();
};
