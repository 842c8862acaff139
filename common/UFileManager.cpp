#include "common/UFileManager.h"

#include "engine/UGoldsSetupIni.h"
#include "engine/UIniText.h"
#include "engine/current/Deductions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A descriptor closed when it goes out of scope.
class TDescriptor {
  public:
    explicit TDescriptor(int Fd) : Fd(Fd) {}
    ~TDescriptor() {
        if (Fd >= 0)
            ::close(Fd);
    }
    TDescriptor(const TDescriptor &) = delete;
    TDescriptor &operator=(const TDescriptor &) = delete;
    int Get() const { return Fd; }

  private:
    int Fd;
};

bool SameFile(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// At most MaxFileSize + 1 bytes of the regular file that Seen describes; none when it cannot be
// read. Only a regular file is opened, since opening a FIFO waits for a writer and a device may
// act on being opened; the opened file is checked again, so one swapped in meanwhile is not read.
std::optional<QByteArray> ReadRegular(const QByteArray &path, const struct stat &seen,
                                      int extraFlags) {
    if (!S_ISREG(seen.st_mode))
        return std::nullopt;
    const TDescriptor fd(
        ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | extraFlags));
    struct stat opened {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &opened) != 0 || !SameFile(seen, opened))
        return std::nullopt;
    QFile file;
    if (!file.open(fd.Get(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    QByteArray bytes = file.read(TFileManager::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

using TWriteResult = TFileManager::TWriteResult;

// Why the entry Seen at the file's place must not be replaced, if it must not.
std::optional<TWriteResult> Refusal(const struct stat &seen) {
    if (S_ISLNK(seen.st_mode))
        return TWriteResult::Link;
    if (!S_ISREG(seen.st_mode))
        return TWriteResult::NotAFile;
    if (seen.st_uid != ::geteuid())
        return TWriteResult::OtherOwner;
    // The owner's write permission, which root too is held to.
    if ((seen.st_mode & S_IWUSR) == 0)
        return TWriteResult::ReadOnly;
    if (seen.st_size > TFileManager::MaxFileSize)
        return TWriteResult::TooLarge;
    return std::nullopt;
}

// A new file beside the parameter file, removed again unless kept. It is created exclusively,
// so it is never a file that was there before, and with the mode a new file gets (umask applied).
class TTempFile {
  public:
    explicit TTempFile(const QByteArray &Beside) {
        for (int attempt = 0; attempt < 100 && Fd < 0; ++attempt) {
            Name = Beside + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
            Fd = ::open(Name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        0666);
            if (Fd < 0 && errno != EEXIST)
                break;
        }
    }
    ~TTempFile() {
        if (Fd >= 0)
            ::close(Fd);
        if (Fd >= 0 && !Kept)
            ::unlink(Name.constData());
    }
    TTempFile(const TTempFile &) = delete;
    TTempFile &operator=(const TTempFile &) = delete;

    bool Write(const QByteArray &Bytes) {
        QFile file;
        return Fd >= 0 && file.open(Fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle) &&
               file.write(Bytes) == Bytes.size() && file.flush() && ::fsync(Fd) == 0;
    }
    bool SetMode(mode_t Mode) { return ::fchmod(Fd, Mode) == 0; }
    // The rename replaces whatever entry is at Path by then, a link included, and writes
    // through none.
    bool RenameTo(const QByteArray &Path) {
        Kept = ::rename(Name.constData(), Path.constData()) == 0;
        return Kept;
    }

  private:
    QByteArray Name;
    int Fd = -1;
    bool Kept = false;
};

// Whether the place of the file still holds what was checked: the same file, or still nothing.
bool Unchanged(const QByteArray &path, const std::optional<struct stat> &checked) {
    struct stat now {};
    if (::lstat(path.constData(), &now) != 0)
        return !checked && errno == ENOENT;
    return checked && SameFile(*checked, now) && now.st_mode == checked->st_mode &&
           now.st_uid == checked->st_uid;
}

// What stands at the file's place before a write: nothing, or a file whose bytes the write keeps,
// or something the write must leave alone.
struct TOldFile {
    std::optional<struct stat> Seen;
    QByteArray Bytes;
    std::optional<TWriteResult> Refused;
};

TOldFile ReadOld(const QByteArray &path) {
    TOldFile old;
    if (struct stat entry{}; ::lstat(path.constData(), &entry) == 0)
        old.Seen = entry;
    else if (errno != ENOENT)
        old.Refused = TWriteResult::Failed;
    if (!old.Seen || old.Refused)
        return old;
    old.Refused = Refusal(*old.Seen);
    if (old.Refused)
        return old;
    const auto bytes = ReadRegular(path, *old.Seen, O_NOFOLLOW);
    if (!bytes)
        old.Refused = TWriteResult::Failed;
    else if (bytes->size() > TFileManager::MaxFileSize)
        old.Refused = TWriteResult::TooLarge;
    else
        old.Bytes = *bytes;
    return old;
}

} // namespace

QString TFileManager::FilePath() {
    const QString folder = ProgramFolder();
    const QString beside = QDir(folder).filePath(FileName);
    if (QFileInfo::exists(beside) || QFileInfo(folder).isWritable())
        return beside;
    return QDir(ConfigFolder()).filePath(FileName);
}

namespace {

// The file's bytes, or none when there is no file. A file that cannot be read reads like an
// empty one.
std::optional<QByteArray> ReadFileBytes() {
    const QByteArray path = QFile::encodeName(TFileManager::FilePath());
    struct stat seen {};
    if (::stat(path.constData(), &seen) != 0)
        return std::nullopt;
    QByteArray bytes = ReadRegular(path, seen, 0).value_or(QByteArray());
    if (bytes.size() > TFileManager::MaxFileSize) // the line cut at the limit is not read at all
        bytes.truncate(bytes.lastIndexOf('\n', TFileManager::MaxFileSize - 1) + 1);
    return bytes;
}

// Replaces the file by what Rewrite makes of its bytes, under the rules of WriteSetupInfo: every
// section of the file goes through here, so each is written alike.
TWriteResult RewriteFile(const std::function<std::string(std::string_view)> &Rewrite) {
    const QString path = TFileManager::FilePath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return TWriteResult::Failed;
    const QByteArray native = QFile::encodeName(path);
    const TOldFile old = ReadOld(native);
    if (old.Refused)
        return *old.Refused;
    const std::string text = Rewrite(std::string_view(old.Bytes.constData(), old.Bytes.size()));
    TTempFile temp(native);
    if (!temp.Write(QByteArray(text.data(), static_cast<qsizetype>(text.size()))) ||
        (old.Seen && !temp.SetMode(old.Seen->st_mode & 07777)) || !Unchanged(native, old.Seen) ||
        !temp.RenameTo(native))
        return TWriteResult::Failed;
    return TWriteResult::Written;
}

std::string_view View(const QByteArray &Bytes) {
    return {Bytes.constData(), static_cast<std::size_t>(Bytes.size())};
}

} // namespace

std::optional<TGoldsSetupInfo> TFileManager::ReadSetupInfo() {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    return GoldsSetupIni::Read(View(*bytes));
}

TFileManager::TWriteResult TFileManager::WriteSetupInfo(const TGoldsSetupInfo &Info) {
    return RewriteFile([&Info](std::string_view Old) { return GoldsSetupIni::Write(Old, Info); });
}

std::optional<current::DeductionChoices> TFileManager::ReadDeductions() {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    return current::DeductionsIni::Read(View(*bytes));
}

TFileManager::TWriteResult TFileManager::WriteDeductions(const current::DeductionChoices &Choices) {
    return RewriteFile(
        [&Choices](std::string_view Old) { return current::DeductionsIni::Write(Old, Choices); });
}

namespace {

constexpr std::string_view WindowSection = "Window";
constexpr std::string_view LastPageKey = "LastPage";

// An entry name is an object name: ASCII letters, digits and underscores, and short.
bool IsEntryName(const QString &Name) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,63}$"));
    return name.match(Name).hasMatch();
}

} // namespace

std::optional<QString> TFileManager::ReadLastPage() {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    const std::string_view keys[] = {LastPageKey};
    const auto values = IniText::ReadSection(View(*bytes), WindowSection, keys);
    if (!values.front())
        return std::nullopt;
    const QString name = QString::fromStdString(*values.front());
    if (!IsEntryName(name))
        return std::nullopt;
    return name;
}

TFileManager::TWriteResult TFileManager::WriteLastPage(const QString &EntryName) {
    if (!IsEntryName(EntryName))
        return TWriteResult::Failed;
    const IniText::TEntry entries[] = {{LastPageKey, EntryName.toStdString()}};
    return RewriteFile([&entries](std::string_view Old) {
        return IniText::WriteSection(Old, WindowSection, entries);
    });
}

QString TFileManager::WriteFailureText(TWriteResult Result, const QString &Path) {
    switch (Result) {
    case TWriteResult::Written:
        return {};
    case TWriteResult::NotAFile:
        return QStringLiteral("参数未能保存：%1 不是普通文件（而是文件夹、设备、管道之类），"
                              "程序不会写入它。")
            .arg(Path);
    case TWriteResult::Link:
        return QStringLiteral("参数未能保存：%1 是一个符号链接。为免改动它所指向的文件，"
                              "程序不会通过链接写入。")
            .arg(Path);
    case TWriteResult::OtherOwner:
        return QStringLiteral("参数未能保存：文件 %1 属于其他用户，程序不会改写它。").arg(Path);
    case TWriteResult::ReadOnly:
        return QStringLiteral("参数未能保存：文件 %1 是只读文件，程序不会改写它。").arg(Path);
    case TWriteResult::TooLarge:
        return QStringLiteral("参数未能保存：文件 %1 大于 %2 MB，不是参数文件应有的大小；"
                              "为免丢失其中的内容，程序不会改写它。")
            .arg(Path)
            .arg(MaxFileSize / (1024 * 1024));
    case TWriteResult::Failed:
        break;
    }
    return QStringLiteral("参数未能保存：无法写入文件 %1。\n"
                          "请检查该文件夹是否允许写入、磁盘空间是否充足。")
        .arg(Path);
}

void TFileManager::SetFoldersForTesting(const QString &ProgramFolder, const QString &ConfigFolder) {
    ProgramFolderOverride() = ProgramFolder;
    ConfigFolderOverride() = ConfigFolder;
}
