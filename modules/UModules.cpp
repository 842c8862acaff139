#include "modules/UModules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

QObject *LoadModule(const QString &FileName, const QString &InstallDir, const QString &BuildDir) {
    QStringList candidates;
    // Without an application object there is no program folder to look in (a benchmark, say).
    if (QCoreApplication::instance() != nullptr) {
        const QDir program(QCoreApplication::applicationDirPath());
        candidates << program.filePath(FileName) << program.filePath(InstallDir + u'/' + FileName);
    }
    candidates << QDir(BuildDir).filePath(FileName);
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        // No parent: the first use may come from a worker thread, and what the module made may
        // outlive any object here. QPluginLoader keeps one instance per module itself.
        auto *loader = new QPluginLoader(path);
        if (QObject *instance = loader->instance())
            return instance;
        delete loader;
    }
    return nullptr;
}
