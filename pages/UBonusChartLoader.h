#pragma once
// Loads the chart module the first time a chart is asked for, and makes charts from it.

#include "common/UBonusChart.h"

// A new chart owned by Parent; none when the module cannot be found or loaded.
TBonusChart *CreateBonusChart(QWidget *Parent);
