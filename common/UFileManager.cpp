#include "common/UFileManager.h"

#include "engine/UGoldsSetupIni.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

const QString TFileManager::FileName = QStringLiteral("init.ini");

namespace {

QString &ProgramFolderOverride() {
    static QString folder;
    return folder;
}

QString &ConfigFolderOverride() {
    static QString folder;
    return folder;
}

QString ProgramFolder() {
    return ProgramFolderOverride().isEmpty() ? QCoreApplication::applicationDirPath()
                                             : ProgramFolderOverride();
}

QString ConfigFolder() {
    return ConfigFolderOverride().isEmpty()
               ? QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
               : ConfigFolderOverride();
}

// The whole file, or none when it cannot be read or is larger than a parameter file can be.
std::optional<QByteArray> ReadWhole(const QString &path) {
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    if (file.size() > TFileManager::MaxFileSize || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(TFileManager::MaxFileSize + 1);
    if (bytes.size() > TFileManager::MaxFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool WriteWhole(const QString &path, const QByteArray &bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString TFileManager::FilePath() {
    const QString folder = ProgramFolder();
    const QString beside = QDir(folder).filePath(FileName);
    if (QFileInfo::exists(beside) || QFileInfo(folder).isWritable())
        return beside;
    return QDir(ConfigFolder()).filePath(FileName);
}

std::optional<TGoldsSetupInfo> TFileManager::ReadSetupInfo() {
    QFile file(FilePath());
    if (!file.exists())
        return std::nullopt;
    // A file that cannot be opened reads like an empty one: every parameter 0.
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(MaxFileSize + 1);
    if (bytes.size() > MaxFileSize) // the line cut at the limit is not read at all
        bytes.truncate(bytes.lastIndexOf('\n', MaxFileSize - 1) + 1);
    return GoldsSetupIni::Read(std::string_view(bytes.constData(), bytes.size()));
}

bool TFileManager::WriteSetupInfo(const TGoldsSetupInfo &Info) {
    const QString path = FilePath();
    const auto old = ReadWhole(path);
    if (!old)
        return false;
    const std::string bytes =
        GoldsSetupIni::Write(std::string_view(old->constData(), old->size()), Info);
    return WriteWhole(path, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

void TFileManager::SetFoldersForTesting(const QString &ProgramFolder, const QString &ConfigFolder) {
    ProgramFolderOverride() = ProgramFolder;
    ConfigFolderOverride() = ConfigFolder;
}
