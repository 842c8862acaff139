#pragma once
// Loads the chart module the first time a chart is asked for, and makes charts from it: the
// bonus page's chart and the deduction timeline of the page 我的纳税年度.

#include "common/UBonusChart.h"
#include "common/UTimelineChart.h"

// A new chart owned by Parent; none when the module cannot be found or loaded.
TBonusChart *CreateBonusChart(QWidget *Parent);
TTimelineChart *CreateTimelineChart(QWidget *Parent);
