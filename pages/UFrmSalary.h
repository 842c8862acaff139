#pragma once

#include "common/UWagePage.h"

// Monthly wage and salary tax under the current rules, forward and from a typed tax or
// after-tax income.
class TFrmSalary : public TWagePage {
    Q_OBJECT
  public:
    explicit TFrmSalary(QWidget *Parent = nullptr);

    // The illustration and the method, as resources.
    static QStringList Pictures();

    void BtnCalcClick();
    void BtnAntiTaxClick();
    void BtnAntiIncomeAfterTaxClick();

  private:
    void ShowTaxInfo(const TTaxInfo &Info);
    int StartPointInForce() const;
};
