#pragma once
// The root object of the chart module: makes the bonus chart for the page that loaded it.

#include "common/UBonusChart.h"

#include <QObject>

class TBonusChartPlugin : public QObject, public TBonusChartFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TBonusChartFactory_iid)
    Q_INTERFACES(TBonusChartFactory)
  public:
    TBonusChart *Create(QWidget *Parent) override;
};
