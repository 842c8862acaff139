#pragma once
// The deduction timeline: a stacked bar for each month, one bar set (and colour) for each item.

#include "common/UTimelineChart.h"

class TChartFrame;

#include <QChartView>

class QBarCategoryAxis;
class QStackedBarSeries;
class QValueAxis;

class TTimelineChartView : public QChartView, public TTimelineChart {
    Q_OBJECT
  public:
    explicit TTimelineChartView(QWidget *Parent = nullptr);

    QWidget *Widget() override;
    void Draw(const TTimelineBars &Bars) override;
    void Clear(const QString &Title) override;
    QList<TTimelineItem> Drawn() const override;

  private:
    TChartFrame *Frame = nullptr;
    QStackedBarSeries *Bars = nullptr;
    QBarCategoryAxis *AxisX = nullptr;
    QValueAxis *AxisY = nullptr;
};
