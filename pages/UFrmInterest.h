#pragma once

#include "common/UFlatRatePage.h"

// Interest and dividends, taxed at 20 % of the whole amount.
class TFrmInterest : public TFlatRatePage {
    Q_OBJECT
  public:
    explicit TFrmInterest(QWidget *Parent = nullptr);
};
