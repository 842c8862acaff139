#pragma once

#include "common/UFlatRatePage.h"

// Other income determined to be taxable, taxed at 20 % of the whole amount.
class TFrmOthers : public TFlatRatePage {
    Q_OBJECT
  public:
    explicit TFrmOthers(QWidget *Parent = nullptr);
};
