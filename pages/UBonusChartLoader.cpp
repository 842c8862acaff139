#include "pages/UBonusChartLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Beside the program (a build folder, a portable copy), where the installation puts it (a path
// from the program's folder), and the build folder of the tests, the benchmarks and the tour.
QStringList Candidates() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(PENDRA_CHART_MODULE);
    return {program.filePath(name),
            program.filePath(QStringLiteral(PENDRA_CHART_INSTALL_DIR "/") + name),
            QDir(QStringLiteral(PENDRA_CHART_BUILD_DIR)).filePath(name)};
}

TBonusChartFactory *Factory() {
    // Loaded once and kept for the life of the program: charts made from it may still exist.
    static TBonusChartFactory *const factory = []() -> TBonusChartFactory * {
        for (const QString &path : Candidates()) {
            if (!QFileInfo::exists(path))
                continue;
            auto *loader = new QPluginLoader(path, QCoreApplication::instance());
            if (auto *made = qobject_cast<TBonusChartFactory *>(loader->instance()))
                return made;
        }
        return nullptr;
    }();
    return factory;
}

} // namespace

TBonusChart *CreateBonusChart(QWidget *Parent) {
    TBonusChartFactory *factory = Factory();
    return factory ? factory->Create(Parent) : nullptr;
}
