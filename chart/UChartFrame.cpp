#include "chart/UChartFrame.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QVBoxLayout>

TChartFrame::TChartFrame(QChartView *View, QWidget *Parent) : QWidget(Parent) {
    setObjectName(View->objectName() + QStringLiteral("Frame"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    TitleLabel = new QLabel(this);
    TitleLabel->setObjectName(QStringLiteral("ChartTitle"));
    TitleLabel->setWordWrap(true);
    TitleLabel->setAlignment(Qt::AlignCenter);
    TitleLabel->setTextFormat(Qt::PlainText);
    QFont bold = TitleLabel->font();
    bold.setBold(true);
    TitleLabel->setFont(bold);
    LegendLabel = new QLabel(this);
    LegendLabel->setObjectName(QStringLiteral("ChartLegend"));
    LegendLabel->setWordWrap(true);
    LegendLabel->setAlignment(Qt::AlignCenter);
    LegendLabel->setTextFormat(Qt::RichText);
    View->setParent(this);
    layout->addWidget(TitleLabel);
    layout->addWidget(View, 1);
    layout->addWidget(LegendLabel);
    View->chart()->setTitle(QString());
    View->chart()->legend()->setVisible(false);
}

void TChartFrame::SetTitle(const QString &Title) {
    TitleLabel->setText(Title);
    TitleLabel->setVisible(!Title.isEmpty());
}

QString TChartFrame::Title() const {
    return TitleLabel->text();
}

void TChartFrame::SetLegend(const QList<Key> &Shown) {
    Keys = Shown;
    QStringList items;
    for (const Key &key : Shown)
        items.append(QStringLiteral("<span style=\"color: %1\">■</span>&nbsp;%2")
                         .arg(key.Color.name(), key.Name.toHtmlEscaped()));
    LegendLabel->setText(items.join(QStringLiteral(" &nbsp; ")));
    LegendLabel->setVisible(!Shown.isEmpty());
}

QString TChartFrame::Legend() const {
    QStringList names;
    for (const Key &key : Keys)
        names.append(key.Name);
    return names.join(QStringLiteral("  "));
}
