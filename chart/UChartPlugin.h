#pragma once
// The root object of the chart module: makes the bonus chart and the deduction timeline for the
// page that loaded the module.

#include "common/UBonusChart.h"
#include "common/UTimelineChart.h"

#include <QObject>

class TChartPlugin : public QObject, public TBonusChartFactory, public TTimelineChartFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TBonusChartFactory_iid)
    Q_INTERFACES(TBonusChartFactory TTimelineChartFactory)
  public:
    TBonusChart *Create(QWidget *Parent) override;
    TTimelineChart *CreateTimeline(QWidget *Parent) override;
};
