#include "common/UHttpClient.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Beside the program (a build folder, a portable copy), where the installation puts it (a path
// from the program's folder), and the build folder of the tests, the benchmarks and the tour.
QStringList Candidates() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral(PENDRA_NET_MODULE);
    return {program.filePath(name),
            program.filePath(QStringLiteral(PENDRA_NET_INSTALL_DIR "/") + name),
            QDir(QStringLiteral(PENDRA_NET_BUILD_DIR)).filePath(name)};
}

} // namespace

THttpClient *HttpClient() {
    // Loaded once and kept for the life of the program. The loader has no parent: the first
    // request may come from a worker thread.
    static THttpClient *const client = []() -> THttpClient * {
        for (const QString &path : Candidates()) {
            if (!QFileInfo::exists(path))
                continue;
            auto *loader = new QPluginLoader(path);
            if (auto *made = qobject_cast<THttpClient *>(loader->instance()))
                return made;
        }
        return nullptr;
    }();
    return client;
}
