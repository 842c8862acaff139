#pragma once

#include "common/UWagePage.h"

// Monthly wage tax under the earlier rules (start point 2000, nine brackets); forward only.
class TFrmSalaryOld : public TWagePage {
    Q_OBJECT
  public:
    explicit TFrmSalaryOld(QWidget *Parent = nullptr);

    // Never shown: this page has no reverse calculation and no detail view.
    QLabel *TxtViewDetail;

    void BtnCalcClick();
    void ChbAutoCalcClick();

  private:
    void BuildHidden();
};
