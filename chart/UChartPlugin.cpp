#include "chart/UBonusChartPlugin.h"

#include "chart/UBonusChartView.h"

TBonusChart *TBonusChartPlugin::Create(QWidget *Parent) {
    return new TBonusChartView(Parent);
}
