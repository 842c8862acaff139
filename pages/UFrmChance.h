#pragma once

#include "common/UFlatRatePage.h"

// Incidental income such as prizes and lottery winnings, taxed at 20 % of the whole amount.
class TFrmChance : public TFlatRatePage {
    Q_OBJECT
  public:
    explicit TFrmChance(QWidget *Parent = nullptr);
};
