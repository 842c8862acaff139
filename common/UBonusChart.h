#pragma once
// The bonus page's chart, as the page sees it. The chart itself lives in a module of its own
// (pendra_chart, folder chart/) that the page loads when it is first shown: the chart library
// it needs (Qt Charts, which brings Qt OpenGL) would otherwise be loaded, and cost time, at every
// start of the program, whichever page is shown.

#include <QList>
#include <QPointF>
#include <QString>
#include <QtPlugin>

class QWidget;

// What a bonus keeps after tax against the bonus, in yuan, under both methods, and the entered
// bonus on each curve.
struct TBonusCurves {
    QList<QPointF> Separate;
    QList<QPointF> Merged;
    QPointF SeparateMark;
    QPointF MergedMark;
    QString Title;
};

class TBonusChart {
  public:
    enum class Series { Separate, Merged, Marks };

    virtual ~TBonusChart() = default;
    // The chart's widget, owned by the parent it was made with.
    virtual QWidget *Widget() = 0;
    // Draws the curves again, each cliff of the separate tax as an upright drop.
    virtual void Draw(const TBonusCurves &Curves) = 0;
    virtual void Clear(const QString &Title) = 0;
    // The chart as shown, as PNG, written through a temporary file renamed over Path; false when
    // it could not be written (an existing file is then left as it was).
    virtual bool SavePng(const QString &Path) = 0;
    // The points a series shows, read back from the chart.
    virtual QList<QPointF> Points(Series Which) const = 0;
};

// The module's root object.
class TBonusChartFactory {
  public:
    virtual ~TBonusChartFactory() = default;
    virtual TBonusChart *Create(QWidget *Parent) = 0;
};

#define TBonusChartFactory_iid "example.pendra.TaxCalculator.BonusChart/1.0"
Q_DECLARE_INTERFACE(TBonusChartFactory, TBonusChartFactory_iid)
