#include "common/UChartLoader.h"

#include "modules/UModules.h"

namespace {

// The module's root object, loaded once and kept for the life of the program: charts made from
// it may still exist.
QObject *ChartModule() {
    static QObject *const module =
        LoadModule(QStringLiteral(PENDRA_CHART_MODULE), QStringLiteral(PENDRA_CHART_INSTALL_DIR),
                   QStringLiteral(PENDRA_CHART_BUILD_DIR));
    return module;
}

} // namespace

TBonusChart *CreateBonusChart(QWidget *Parent) {
    auto *factory = qobject_cast<TBonusChartFactory *>(ChartModule());
    return factory ? factory->Create(Parent) : nullptr;
}

TTimelineChart *CreateTimelineChart(QWidget *Parent) {
    auto *factory = qobject_cast<TTimelineChartFactory *>(ChartModule());
    return factory ? factory->CreateTimeline(Parent) : nullptr;
}
