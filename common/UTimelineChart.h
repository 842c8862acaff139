#pragma once
// The deduction timeline of the page 我的纳税年度, as the page sees it: a stacked bar for each
// month of the year, one colour for each item deducted. The chart lives in the chart module
// (pendra_chart, folder chart/), loaded when a chart is first shown, as the bonus chart does
// (see common/UBonusChart.h): Qt Charts costs no start of the program.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QWidget;

// One item deducted: its amount in each month, in yuan, drawn in its colour.
struct TTimelineItem {
    QString Name;
    QColor Color;
    QList<qreal> Values;
    bool operator==(const TTimelineItem &) const = default;
};

struct TTimelineBars {
    QStringList Months; // the bars' captions, in order
    QList<TTimelineItem> Items;
    QString Title;
};

class TTimelineChart {
  public:
    virtual ~TTimelineChart() = default;
    // The chart's widget, owned by the parent it was made with.
    virtual QWidget *Widget() = 0;
    virtual void Draw(const TTimelineBars &Bars) = 0;
    virtual void Clear(const QString &Title) = 0;
    // The items the bars show, read back from the chart.
    virtual QList<TTimelineItem> Drawn() const = 0;
};

// Made by the module's root object, beside the bonus chart.
class TTimelineChartFactory {
  public:
    virtual ~TTimelineChartFactory() = default;
    virtual TTimelineChart *CreateTimeline(QWidget *Parent) = 0;
};

#define TTimelineChartFactory_iid "example.pendra.TaxCalculator.TimelineChart/1.0"
Q_DECLARE_INTERFACE(TTimelineChartFactory, TTimelineChartFactory_iid)
