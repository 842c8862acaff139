#include "pages/UBonusChartLoader.h"

#include "modules/UModules.h"

namespace {

TBonusChartFactory *Factory() {
    // Loaded once and kept for the life of the program: charts made from it may still exist.
    static TBonusChartFactory *const factory = qobject_cast<TBonusChartFactory *>(
        LoadModule(QStringLiteral(PENDRA_CHART_MODULE), QStringLiteral(PENDRA_CHART_INSTALL_DIR),
                   QStringLiteral(PENDRA_CHART_BUILD_DIR)));
    return factory;
}

} // namespace

TBonusChart *CreateBonusChart(QWidget *Parent) {
    TBonusChartFactory *factory = Factory();
    return factory ? factory->Create(Parent) : nullptr;
}
