#include "chart/UChartPlugin.h"

#include "chart/UBonusChartView.h"
#include "chart/UTimelineChartView.h"

TBonusChart *TChartPlugin::Create(QWidget *Parent) {
    return new TBonusChartView(Parent);
}

TTimelineChart *TChartPlugin::CreateTimeline(QWidget *Parent) {
    return new TTimelineChartView(Parent);
}
