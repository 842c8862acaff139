#pragma once
// The bonus chart: what a bonus keeps after tax against the bonus, taxed on its own and merged
// into the year's income, with the entered bonus marked.

#include "common/UBonusChart.h"

class TChartFrame;

#include <QChartView>

class QLineSeries;
class QScatterSeries;
class QValueAxis;

class TBonusChartView : public QChartView, public TBonusChart {
    Q_OBJECT
  public:
    explicit TBonusChartView(QWidget *Parent = nullptr);

    QWidget *Widget() override;
    void Draw(const TBonusCurves &Curves) override;
    void Clear(const QString &Title) override;
    bool SavePng(const QString &Path) override;
    QList<QPointF> Points(Series Which) const override;

  private:
    QLineSeries *Curve(const QString &ObjectName, const QString &Name, const QColor &Color);
    void SetRanges(qreal Right, qreal Top);

    TChartFrame *Frame = nullptr;
    QValueAxis *AxisX = nullptr;
    QValueAxis *AxisY = nullptr;
    QLineSeries *SeparateSeries = nullptr;
    QLineSeries *MergedSeries = nullptr;
    // The entered bonus: a point on each curve and an upright guide through them.
    QScatterSeries *BonusMarks = nullptr;
    QLineSeries *BonusGuide = nullptr;
};
