#include "sheets/SafeFile.h"

#include "sheets/SheetText.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace sheets {
namespace {

bool SameFile(const struct stat &A, const struct stat &B) {
    return A.st_dev == B.st_dev && A.st_ino == B.st_ino;
}

QString ErrnoText(int Error) {
    return SystemErrorText(Error);
}

OpenFault FaultOfErrno(int Error) {
    switch (Error) {
    case ENOENT:
    case ENOTDIR:
        return OpenFault::Missing;
    case EACCES:
    case EPERM:
        return OpenFault::Denied;
    case ELOOP: // O_NOFOLLOW met a link
        return OpenFault::NotRegular;
    default:
        return OpenFault::Other;
    }
}

} // namespace

QString SystemErrorText(int Error) {
    switch (Error) {
    case EACCES:
    case EPERM:
        return SheetText::tr("没有权限");
    case ENOENT:
        return SheetText::tr("文件或文件夹不存在");
    case ENOTDIR:
        return SheetText::tr("路径中有一部分不是文件夹");
    case EISDIR:
        return SheetText::tr("是文件夹");
    case ENOSPC:
    case EDQUOT:
        return SheetText::tr("磁盘空间不足");
    case EROFS:
        return SheetText::tr("所在的文件系统是只读的");
    case EIO:
        return SheetText::tr("输入输出错误");
    case ENAMETOOLONG:
        return SheetText::tr("文件名过长");
    case ELOOP:
        return SheetText::tr("符号链接过多");
    case EMFILE:
    case ENFILE:
        return SheetText::tr("打开的文件过多");
    case EEXIST:
        return SheetText::tr("文件已存在");
    case EBUSY:
    case ETXTBSY:
        return SheetText::tr("文件正被占用");
    default:
        return SheetText::tr("系统错误 %1（%2）")
            .arg(Error)
            .arg(QString::fromLocal8Bit(std::strerror(Error)));
    }
}

FileStamp StampOf(const QByteArray &Bytes) {
    return {Bytes.size(), QCryptographicHash::hash(Bytes, QCryptographicHash::Sha256)};
}

namespace {

std::optional<FileStamp> ReadStamp(const QString &Path, qint64 MaxSize, OpenFault &Fault) {
    QFile file;
    struct stat status {};
    Fault = OpenRegular(Path, file, &status);
    if (Fault != OpenFault::None || status.st_size > MaxSize)
        return std::nullopt;
    const QByteArray bytes = file.read(MaxSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxSize)
        return std::nullopt;
    return StampOf(bytes);
}

} // namespace

std::optional<FileStamp> StampOfFile(const QString &Path, qint64 MaxSize) {
    OpenFault fault = OpenFault::None;
    return ReadStamp(Path, MaxSize, fault);
}

Since ChangedSince(const QString &Path, const FileStamp &Read, qint64 MaxSize) {
    OpenFault fault = OpenFault::None;
    const std::optional<FileStamp> now = ReadStamp(Path, MaxSize, fault);
    if (fault == OpenFault::Missing)
        return Since::Gone;
    return now == Read ? Since::Unchanged : Since::Changed;
}

OpenFault OpenRegular(const QString &Path, QFile &File, struct stat *Opened, int ExtraFlags) {
    const QByteArray native = QFile::encodeName(Path);
    const int fd =
        ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | ExtraFlags);
    if (fd < 0)
        return FaultOfErrno(errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const bool folder = S_ISDIR(status.st_mode);
        ::close(fd);
        return folder ? OpenFault::Folder : OpenFault::NotRegular;
    }
    // Reads of a regular file never wait; the flag only kept the open from waiting.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!File.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenFault::Other;
    }
    if (Opened != nullptr)
        *Opened = status;
    return OpenFault::None;
}

bool SameFileOnDisk(const QString &A, const QString &B) {
    struct stat a {};
    struct stat b {};
    return ::stat(QFile::encodeName(A).constData(), &a) == 0 &&
           ::stat(QFile::encodeName(B).constData(), &b) == 0 && SameFile(a, b);
}

std::optional<Refusal> RefusalOf(const struct stat &Entry, qint64 MaxSize) {
    if (S_ISLNK(Entry.st_mode))
        return Refusal::Link;
    if (!S_ISREG(Entry.st_mode))
        return Refusal::NotAFile;
    if (Entry.st_uid != ::geteuid())
        return Refusal::OtherOwner;
    // The owner's write permission, which root too is held to.
    if ((Entry.st_mode & S_IWUSR) == 0)
        return Refusal::ReadOnly;
    if (MaxSize >= 0 && Entry.st_size > MaxSize)
        return Refusal::TooLarge;
    return std::nullopt;
}

Replacement::Replacement(const QString &Target, qint64 MaxSize) : Target(Target) {
    struct stat entry {};
    if (::lstat(QFile::encodeName(Target).constData(), &entry) == 0) {
        Seen = entry;
        Refuses = RefusalOf(entry, MaxSize);
    } else if (errno != ENOENT) {
        Error = ErrnoText(errno);
    }
}

Replacement::~Replacement() {
    if (Temporary.isOpen())
        Temporary.close();
    if (!TempName.isEmpty() && !Kept)
        ::unlink(QFile::encodeName(TempName).constData());
}

// A temporary file is Stem + "." + a number in base 36; one whose lock no process holds is what a
// killed save left. A lock taken is given up at once: the file goes, and a writer that loses its
// file in the moment before it locks it sees so and makes another.
void Replacement::RemoveLeftovers(const QString &Stem) const {
    const QFileInfo stem(Stem);
    const QRegularExpression name(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(stem.fileName()) + QStringLiteral("\\.[0-9a-z]{1,7}")));
    const QStringList entries = QDir(stem.absolutePath()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &entry : entries) {
        if (!name.match(entry).hasMatch())
            continue;
        const QByteArray path = QFile::encodeName(stem.absoluteDir().filePath(entry));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}

bool Replacement::Create() {
    if (Refuses || !Error.isEmpty())
        return false;
    const QFileInfo target(Target);
    const QString stem = target.absolutePath() + QStringLiteral("/.") + target.fileName();
    RemoveLeftovers(stem);
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        TempName = stem + u'.' + QString::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(QFile::encodeName(TempName).constData(),
                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
        struct stat made {};
        if (fd >= 0 && (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &made) != 0 ||
                        made.st_nlink == 0)) {
            ::close(fd);
            fd = -1;
            errno = EEXIST;
        }
    }
    if (fd < 0) {
        Error = ErrnoText(errno);
        TempName.clear();
        return false;
    }
    if (!Temporary.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        Error = Temporary.errorString();
        return false;
    }
    return true;
}

bool Replacement::Unchanged() const {
    struct stat now {};
    if (::lstat(QFile::encodeName(Target).constData(), &now) != 0)
        return !Seen && errno == ENOENT;
    return Seen && SameFile(*Seen, now) && now.st_mode == Seen->st_mode &&
           now.st_uid == Seen->st_uid;
}

bool Replacement::Commit() {
    if (!Temporary.isOpen())
        return false;
    const int fd = Temporary.handle();
    const bool written = Temporary.flush() && ::fsync(fd) == 0 &&
                         (!Seen || ::fchmod(fd, Seen->st_mode & 07777) == 0);
    if (!written) {
        Error = ErrnoText(errno);
        return false;
    }
    if (!Unchanged()) {
        Error = SheetText::tr("写入期间，文件原来的位置被其他程序改动了");
        return false;
    }
    // The rename replaces whatever entry is at the target by then, a link included, and writes
    // through none.
    if (::rename(QFile::encodeName(TempName).constData(), QFile::encodeName(Target).constData()) !=
        0) {
        Error = ErrnoText(errno);
        return false;
    }
    Kept = true;
    Temporary.close();
    return true;
}

} // namespace sheets
