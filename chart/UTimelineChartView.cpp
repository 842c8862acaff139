#include "chart/UTimelineChartView.h"

#include "chart/UChartFrame.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The top of the axis: a round amount above the highest bar, so that its ticks fall on round
// amounts too (1, 2 or 5 times a power of ten, in four steps).
qreal RoundTop(qreal Highest) {
    if (Highest <= 0)
        return 1000;
    const qreal rough = Highest / 4;
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const qreal factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power * 4 >= Highest)
            return factor * power * 4;
    }
    return 40 * power;
}

} // namespace

// The view owns the chart it is made with (see TBonusChartView).
TTimelineChartView::TTimelineChartView(QWidget *Parent) : QChartView(new QChart, Parent) {
    setObjectName(QStringLiteral("ChartTimeline"));
    setAccessibleName(tr("每月扣除时间线"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(320, 220);
    QChart *chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    QFont small = chart->legend()->font();
    small.setPixelSize(11);
    chart->legend()->setFont(small);
    chart->setMargins(QMargins(4, 4, 4, 4));

    Bars = new QStackedBarSeries(chart);
    Bars->setObjectName(QStringLiteral("TimelineBars"));
    chart->addSeries(Bars);
    AxisX = new QBarCategoryAxis(chart);
    AxisX->setTitleText(tr("月份"));
    AxisX->setLabelsFont(small);
    AxisY = new QValueAxis(chart);
    AxisY->setLabelFormat(QStringLiteral("%.0f"));
    AxisY->setTitleText(tr("元"));
    chart->addAxis(AxisX, Qt::AlignBottom);
    chart->addAxis(AxisY, Qt::AlignLeft);
    Bars->attachAxis(AxisX);
    Bars->attachAxis(AxisY);
    AxisY->setRange(0, RoundTop(0));
    Frame = new TChartFrame(this, Parent);
}

QWidget *TTimelineChartView::Widget() {
    return Frame;
}

void TTimelineChartView::Draw(const TTimelineBars &Shown) {
    Bars->clear();
    AxisX->clear();
    AxisX->append(Shown.Months);
    QList<qreal> totals(Shown.Months.size(), 0);
    for (const TTimelineItem &item : Shown.Items) {
        auto *set = new QBarSet(item.Name);
        set->setColor(item.Color);
        set->setBorderColor(item.Color);
        set->append(item.Values);
        Bars->append(set);
        for (qsizetype month = 0; month < item.Values.size() && month < totals.size(); ++month)
            totals[month] += item.Values[month];
    }
    const qreal highest = totals.isEmpty() ? 0 : *std::max_element(totals.begin(), totals.end());
    AxisY->setRange(0, RoundTop(highest));
    AxisY->setTickCount(5);
    QList<TChartFrame::Key> keys;
    for (const TTimelineItem &item : Shown.Items)
        keys.append({item.Name, item.Color});
    Frame->SetLegend(keys);
    Frame->SetTitle(Shown.Title);
}

void TTimelineChartView::Clear(const QString &Title) {
    Bars->clear();
    AxisY->setRange(0, RoundTop(0));
    Frame->SetLegend({});
    Frame->SetTitle(Title);
}

QList<TTimelineItem> TTimelineChartView::Drawn() const {
    QList<TTimelineItem> items;
    for (QBarSet *set : Bars->barSets()) {
        TTimelineItem item{set->label(), set->color(), {}};
        for (int month = 0; month < set->count(); ++month)
            item.Values.append(set->at(month));
        items.append(item);
    }
    return items;
}
