#include "sheets/JsonFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sheets::json {
namespace {

// The words of this file, translated in the context "JsonFile". The class has the context's name,
// so that lupdate finds the context of every JsonFile::tr wherever it stands (in a brace
// initialiser it takes the class's name as written).
class JsonFile {
    Q_DECLARE_TR_FUNCTIONS(JsonFile)
};

// Why the file at Path cannot be read, from the errno of a failed call.
QString OpenFault(const QString &Path, int Error) {
    if (Error == ENOENT)
        return JsonFile::tr("文件“%1”不存在").arg(Path);
    if (Error == EACCES)
        return JsonFile::tr("没有读取文件“%1”的权限").arg(Path);
    return JsonFile::tr("无法读取文件“%1”：%2").arg(Path, SystemErrorText(Error));
}

} // namespace

QString Visible(QStringView Text) {
    return QString::fromStdString(formats::Visible(Text.toUtf8().toStdString()));
}

QString Quoted(QStringView Text) {
    return QString::fromStdString(formats::Quoted(Text.toUtf8().toStdString()));
}

QString FaultIn(const QString &Path, const QString &Fault) {
    return JsonFile::tr("文件“%1”有误：%2").arg(Path, Fault);
}

// Opening a FIFO would wait for a writer and a device may act on being opened, so only what stat
// shows to be a regular file is opened, and the file opened must be the one that was looked at.
std::optional<QByteArray> ReadRegular(const QString &Path, qint64 MaxSize, const QString &What,
                                      QString &Error, FileStamp *Stamp) {
    const QByteArray name = QFile::encodeName(Path);
    struct stat seen {};
    if (::stat(name.constData(), &seen) != 0) {
        Error = OpenFault(Path, errno);
        return std::nullopt;
    }
    if (S_ISDIR(seen.st_mode))
        Error = JsonFile::tr("“%1”是文件夹，不是%2").arg(Path, What);
    else if (!S_ISREG(seen.st_mode))
        Error = JsonFile::tr("文件“%1”不是普通文件（是设备、管道或套接字），不读取").arg(Path);
    else if (seen.st_size > MaxSize)
        Error = JsonFile::tr("文件“%1”有 %2 字节，%3最多 %4 字节，不读取")
                    .arg(Path)
                    .arg(seen.st_size)
                    .arg(What)
                    .arg(MaxSize);
    if (!Error.isEmpty())
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        Error = OpenFault(Path, errno);
        return std::nullopt;
    }
    QFile file;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || opened.st_dev != seen.st_dev || opened.st_ino != seen.st_ino ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        Error = JsonFile::tr("文件“%1”在读取时被替换或无法打开，未读取").arg(Path);
        return std::nullopt;
    }
    QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError)
        Error = JsonFile::tr("读取文件“%1”时出错：%2").arg(Path, file.errorString());
    else if (bytes.size() > MaxSize)
        Error = JsonFile::tr("文件“%1”超过%2的上限 %3 字节，不读取").arg(Path, What).arg(MaxSize);
    if (!Error.isEmpty())
        return std::nullopt;
    if (Stamp)
        *Stamp = StampOf(bytes);
    return bytes;
}

} // namespace sheets::json
