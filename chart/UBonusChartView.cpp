#include "chart/UBonusChartView.h"

#include "chart/UChartFrame.h"

#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QSaveFile>
#include <QScatterSeries>
#include <QValueAxis>
#include <cmath>

namespace {

// A round step that divides Length into about five parts: 1, 2, 2.5 or 5 times a power of ten.
qreal RoundStep(qreal Length) {
    const qreal rough = Length / 5;
    const qreal power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const qreal factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

// The axis runs from 0 to exactly Length, with its ticks at round amounts. It is never laid out
// with a long range and a short step at once, which would be thousands of ticks: a longer step
// comes before a longer range, a shorter range before a shorter step.
void SetAxis(QValueAxis *Axis, qreal Length) {
    const qreal step = RoundStep(Length);
    if (step > Axis->tickInterval()) {
        Axis->setTickInterval(step);
        Axis->setRange(0, Length);
    } else {
        Axis->setRange(0, Length);
        Axis->setTickInterval(step);
    }
}

} // namespace

// The view owns the chart it is made with. (A chart set later would release the one the plain
// constructor makes, and that one would leak.)
TBonusChartView::TBonusChartView(QWidget *Parent) : QChartView(new QChart, Parent) {
    setObjectName(QStringLiteral("ChartBonus"));
    setAccessibleName(tr("税后奖金图表"));
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(360, 240);
    QChart *chart = this->chart();
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));

    AxisX = new QValueAxis(chart);
    AxisX->setTickType(QValueAxis::TicksDynamic);
    AxisX->setTitleText(tr("全年一次性奖金（元）"));
    AxisX->setLabelFormat(QStringLiteral("%.0f"));
    AxisY = new QValueAxis(chart);
    AxisY->setTickType(QValueAxis::TicksDynamic);
    AxisY->setTitleText(tr("税后奖金（元）"));
    AxisY->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(AxisX, Qt::AlignBottom);
    chart->addAxis(AxisY, Qt::AlignLeft);

    SeparateSeries =
        Curve(QStringLiteral("SeparateSeries"),
              QCoreApplication::translate("Vocabulary", "单独计税"), QColor(0x2f, 0x6f, 0xb5));
    MergedSeries =
        Curve(QStringLiteral("MergedSeries"),
              QCoreApplication::translate("Vocabulary", "并入综合所得"), QColor(0xe0, 0x7b, 0x22));
    BonusGuide = Curve(QStringLiteral("BonusGuide"), tr("当前奖金"), Qt::gray);
    QPen guide = BonusGuide->pen();
    guide.setStyle(Qt::DashLine);
    guide.setWidth(1);
    BonusGuide->setPen(guide);
    for (QLegendMarker *marker : chart->legend()->markers(BonusGuide))
        marker->setVisible(false);

    BonusMarks = new QScatterSeries(chart);
    BonusMarks->setObjectName(QStringLiteral("BonusMarks"));
    BonusMarks->setName(tr("当前奖金"));
    BonusMarks->setColor(QColor(0xc6, 0x3d, 0x2f));
    BonusMarks->setBorderColor(QColor(0xc6, 0x3d, 0x2f));
    BonusMarks->setMarkerSize(9);
    chart->addSeries(BonusMarks);
    BonusMarks->attachAxis(AxisX);
    BonusMarks->attachAxis(AxisY);
    SetRanges(1000, 1000);
    Frame = new TChartFrame(this, Parent);
    Frame->SetLegend({{SeparateSeries->name(), SeparateSeries->pen().color()},
                      {MergedSeries->name(), MergedSeries->pen().color()},
                      {BonusMarks->name(), BonusMarks->color()}});
}

QWidget *TBonusChartView::Widget() {
    return Frame;
}

QLineSeries *TBonusChartView::Curve(const QString &ObjectName, const QString &Name,
                                    const QColor &Color) {
    auto *series = new QLineSeries(chart());
    series->setObjectName(ObjectName);
    series->setName(Name);
    QPen pen(Color);
    pen.setWidth(2);
    series->setPen(pen);
    chart()->addSeries(series);
    series->attachAxis(AxisX);
    series->attachAxis(AxisY);
    return series;
}

void TBonusChartView::Draw(const TBonusCurves &Curves) {
    SeparateSeries->replace(Curves.Separate);
    MergedSeries->replace(Curves.Merged);
    BonusMarks->replace({Curves.SeparateMark, Curves.MergedMark});
    qreal top = 0;
    for (const QList<QPointF> *curve : {&Curves.Separate, &Curves.Merged}) {
        for (const QPointF &point : *curve)
            top = std::max(top, point.y());
    }
    SetRanges(Curves.Separate.isEmpty() ? 1 : Curves.Separate.back().x(), top);
    const qreal x = Curves.SeparateMark.x();
    BonusGuide->replace({{x, AxisY->min()}, {x, AxisY->max()}});
    Frame->SetTitle(Curves.Title);
}

void TBonusChartView::Clear(const QString &Title) {
    for (QXYSeries *series :
         std::initializer_list<QXYSeries *>{SeparateSeries, MergedSeries, BonusGuide, BonusMarks})
        series->clear();
    SetRanges(1000, 1000);
    Frame->SetTitle(Title);
}

void TBonusChartView::SetRanges(qreal Right, qreal Top) {
    SetAxis(AxisX, std::max<qreal>(Right, 1));
    SetAxis(AxisY, std::max<qreal>(Top * 1.08, 1));
}

QList<QPointF> TBonusChartView::Points(Series Which) const {
    switch (Which) {
    case Series::Separate:
        return SeparateSeries->points();
    case Series::Merged:
        return MergedSeries->points();
    case Series::Marks:
        return BonusMarks->points();
    }
    return {};
}

bool TBonusChartView::SavePng(const QString &Path) {
    QSaveFile file(Path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!Frame->grab().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
