#pragma once
// A chart between its title and its legend, both as wrapping labels. Qt Charts draws its own title
// and legend on one line each and cuts a text too long for its place with "...", which the
// English names of the items always were at the smallest screen; a label breaks the line instead.

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QChartView;
class QLabel;

class TChartFrame : public QWidget {
    Q_OBJECT
  public:
    struct Key {
        QString Name;
        QColor Color;
    };

    // Takes View into a frame made with Parent, and hides the chart's own title and legend.
    TChartFrame(QChartView *View, QWidget *Parent);

    void SetTitle(const QString &Title);
    void SetLegend(const QList<Key> &Keys);
    QString Title() const;
    QString Legend() const; // the names, as the label shows them

  private:
    QLabel *TitleLabel = nullptr;
    QLabel *LegendLabel = nullptr;
    QList<Key> Keys;
};
