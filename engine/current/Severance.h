#pragma once
// Severance compensation (经济补偿金) on ending a labour contract: tax free up to three times the
// local average annual wage of the previous year, the excess taxed on its own on the annual
// table.

#include "engine/current/Money.h"

namespace current {

struct Severance {
    Cents Income = 0;
    Cents Exempt = 0; // the tax-free part, at most the amount
    Cents Taxable = 0;
    int Rate = 0;
    Cents QuickDeduction = 0;
    Cents Tax = 0;
    Cents AfterTax = 0;
};

Severance TaxSeverance(Cents Amount, Cents AverageWage);

} // namespace current
