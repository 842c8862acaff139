#include "modules/UModules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QPluginLoader>

#include <memory>
#include <vector>

namespace {

// The loaders stay for the life of the process, as their modules do: never destroyed, since a
// module may be in use until the very end, and held here so that they are not taken for leaks.
void Keep(std::unique_ptr<QPluginLoader> Loader) {
    static QMutex lock;
    static auto *const kept = new std::vector<std::unique_ptr<QPluginLoader>>;
    const QMutexLocker locker(&lock);
    kept->push_back(std::move(Loader));
}

} // namespace

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
        auto loader = std::make_unique<QPluginLoader>(path);
        if (QObject *instance = loader->instance()) {
            Keep(std::move(loader));
            return instance;
        }
    }
    return nullptr;
}
