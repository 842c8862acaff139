#include "common/UFileManager.h"

#include "engine/UGoldsSetupIni.h"
#include "engine/UIniText.h"
#include "engine/current/Deductions.h"
#include "sheets/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <functional>

#include <fcntl.h>
#include <sys/file.h>
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

using TWriteResult = TFileManager::TWriteResult;

bool SameFile(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// At most MaxFileSize + 1 bytes of the regular file that Seen describes; none when it cannot be
// read. The opened file is checked against Seen, so one swapped in meanwhile is not read.
std::optional<QByteArray> ReadRegular(const QString &Path, const struct stat &Seen,
                                      int ExtraFlags) {
    QFile file;
    struct stat opened {};
    if (sheets::OpenRegular(Path, file, &opened, ExtraFlags) != sheets::OpenFault::None ||
        !SameFile(Seen, opened))
        return std::nullopt;
    QByteArray bytes = file.read(TFileManager::MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

TWriteResult ResultOf(sheets::Refusal Why) {
    switch (Why) {
    case sheets::Refusal::NotAFile:
        return TWriteResult::NotAFile;
    case sheets::Refusal::Link:
        return TWriteResult::Link;
    case sheets::Refusal::OtherOwner:
        return TWriteResult::OtherOwner;
    case sheets::Refusal::ReadOnly:
        return TWriteResult::ReadOnly;
    case sheets::Refusal::TooLarge:
        break;
    }
    return TWriteResult::TooLarge;
}

// The advisory lock of the parameter file, held while it is read and replaced. It is taken on a
// file of its own, since the parameter file is replaced by a rename and a lock on it would stay
// with the old one. The lock file is removed as the lock is let go, so it is no clutter beside
// the program; a lock taken on a lock file that was removed meanwhile is taken again. A save
// waits for another at most LockWaitMs, never without bound.
class TFileLock {
  public:
    static constexpr int LockWaitMs = 2000;

    explicit TFileLock(const QString &Beside) {
        const QFileInfo file(Beside);
        Path = QFile::encodeName(file.absolutePath() + QStringLiteral("/.") + file.fileName() +
                                 QStringLiteral(".lock"));
        for (int waited = 0; !Held && !Failed && waited <= LockWaitMs; waited += 10) {
            if (!TryLock())
                QThread::msleep(10);
        }
    }
    ~TFileLock() {
        if (Held)
            ::unlink(Path.constData());
        if (Fd >= 0)
            ::close(Fd); // and with it the lock
    }
    TFileLock(const TFileLock &) = delete;
    TFileLock &operator=(const TFileLock &) = delete;

    bool Held = false;
    bool Failed = false; // no lock file can be made there

  private:
    QByteArray Path;
    int Fd = -1;

    bool TryLock() {
        if (Fd < 0)
            Fd = ::open(Path.constData(),
                        O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
        struct stat opened {};
        if (Fd < 0 || ::fstat(Fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            Failed = true;
            return false;
        }
        if (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
            Failed = errno != EWOULDBLOCK;
            return false;
        }
        struct stat now {};
        Held = ::lstat(Path.constData(), &now) == 0 && SameFile(opened, now);
        if (!Held) { // removed by the holder before: another file now
            ::close(Fd);
            Fd = -1;
        }
        return Held;
    }
};

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
    const QString path = TFileManager::FilePath();
    struct stat seen {};
    if (::stat(QFile::encodeName(path).constData(), &seen) != 0)
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
    const TFileLock lock(path);
    if (!lock.Held)
        return lock.Failed ? TWriteResult::Failed : TWriteResult::Busy;
    sheets::Replacement file(path, TFileManager::MaxFileSize);
    if (const auto refused = file.Refused())
        return ResultOf(*refused);
    QByteArray old;
    if (file.Existing()) {
        const auto bytes = ReadRegular(path, *file.Existing(), O_NOFOLLOW);
        if (!bytes)
            return TWriteResult::Failed;
        if (bytes->size() > TFileManager::MaxFileSize)
            return TWriteResult::TooLarge;
        old = *bytes;
    }
    const std::string text = Rewrite(std::string_view(old.constData(), old.size()));
    const auto size = static_cast<qint64>(text.size());
    if (!file.Create() || file.File().write(text.data(), size) != size || !file.Commit())
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

std::optional<current::DeductionChoices>
TFileManager::ReadDeductions(std::vector<current::DeductionsIni::OverLimit> *Beyond) {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    return current::DeductionsIni::Read(View(*bytes), Beyond);
}

namespace {

constexpr std::string_view WindowSection = "Window";
constexpr std::string_view LastPageKey = "LastPage";
constexpr std::string_view LanguageKey = "Language";

// An entry name is an object name: ASCII letters, digits and underscores, and short.
bool IsEntryName(const QString &Name) {
    static const QRegularExpression name(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]{0,63}$"));
    return name.match(Name).hasMatch();
}

// The value of a key of the window's section; none when there is no file or no such key.
std::optional<QString> ReadWindowKey(std::string_view Key) {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    const std::string_view keys[] = {Key};
    const auto values = IniText::ReadSection(View(*bytes), WindowSection, keys);
    if (!values.front())
        return std::nullopt;
    return QString::fromStdString(*values.front());
}

TWriteResult WriteWindowKey(std::string_view Key, const QString &Value) {
    const IniText::TEntry entries[] = {{Key, Value.toStdString()}};
    return RewriteFile([&entries](std::string_view Old) {
        return IniText::WriteSection(Old, WindowSection, entries);
    });
}

} // namespace

std::optional<QString> TFileManager::ReadLastPage() {
    const auto name = ReadWindowKey(LastPageKey);
    if (!name || !IsEntryName(*name))
        return std::nullopt;
    return name;
}

TFileManager::TWriteResult TFileManager::WriteLastPage(const QString &EntryName) {
    if (!IsEntryName(EntryName))
        return TWriteResult::Failed;
    return WriteWindowKey(LastPageKey, EntryName);
}

// Only the two codes themselves: a locale name written there by hand is no choice of the menu.
std::optional<Translations::Language> TFileManager::ReadLanguage() {
    const auto code = ReadWindowKey(LanguageKey);
    if (!code)
        return std::nullopt;
    const auto language = Translations::FromCode(*code);
    if (!language || Translations::Code(*language) != code->trimmed())
        return std::nullopt;
    return language;
}

TFileManager::TWriteResult TFileManager::WriteLanguage(Translations::Language Lang) {
    return WriteWindowKey(LanguageKey, Translations::Code(Lang));
}

// Percent-encoded as the year file's path is, so that any folder survives the file's lines.
std::optional<QString> TFileManager::ReadSheetFolder() {
    const auto value = ReadWindowKey("SheetFolder");
    if (!value || value->isEmpty())
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(value->toUtf8()));
}

TFileManager::TWriteResult TFileManager::WriteSheetFolder(const QString &Path) {
    return WriteWindowKey("SheetFolder", QString::fromLatin1(Path.toUtf8().toPercentEncoding("/")));
}

namespace {

constexpr std::string_view YearSection = "YearFile";
constexpr std::string_view LastYearKey = "Last";
constexpr std::string_view MovedKey = "DeductionsMoved";

std::optional<std::string> ReadYearKey(std::string_view Key) {
    const auto bytes = ReadFileBytes();
    if (!bytes)
        return std::nullopt;
    const std::string_view keys[] = {Key};
    return IniText::ReadSection(View(*bytes), YearSection, keys).front();
}

TFileManager::TWriteResult WriteYearKey(std::string_view Key, std::string Value) {
    const IniText::TEntry entries[] = {{Key, std::move(Value)}};
    return RewriteFile([&entries](std::string_view Old) {
        return IniText::WriteSection(Old, YearSection, entries);
    });
}

} // namespace

std::optional<QString> TFileManager::ReadLastYearFile() {
    const auto value = ReadYearKey(LastYearKey);
    if (!value || value->empty())
        return std::nullopt;
    return QString::fromUtf8(QByteArray::fromPercentEncoding(QByteArray::fromStdString(*value)));
}

TFileManager::TWriteResult TFileManager::WriteLastYearFile(const QString &Path) {
    return WriteYearKey(LastYearKey, Path.toUtf8().toPercentEncoding("/").toStdString());
}

bool TFileManager::ReadDeductionsMoved() {
    return ReadYearKey(MovedKey).value_or(std::string()) == "1";
}

TFileManager::TWriteResult TFileManager::WriteDeductionsMoved() {
    return WriteYearKey(MovedKey, "1");
}

QString TFileManager::WriteFailureText(TWriteResult Result, const QString &Path) {
    switch (Result) {
    case TWriteResult::Written:
        return {};
    case TWriteResult::NotAFile:
        return QCoreApplication::translate(
                   "TFileManager", "参数未能保存：%1 不是普通文件（而是文件夹、设备、管道之类），"
                                   "程序不会写入它。")
            .arg(Path);
    case TWriteResult::Link:
        return QCoreApplication::translate(
                   "TFileManager", "参数未能保存：%1 是一个符号链接。为免改动它所指向的文件，"
                                   "程序不会通过链接写入。")
            .arg(Path);
    case TWriteResult::OtherOwner:
        return QCoreApplication::translate("TFileManager",
                                           "参数未能保存：文件 %1 属于其他用户，程序不会改写它。")
            .arg(Path);
    case TWriteResult::ReadOnly:
        return QCoreApplication::translate("TFileManager",
                                           "参数未能保存：文件 %1 是只读文件，程序不会改写它。")
            .arg(Path);
    case TWriteResult::TooLarge:
        return QCoreApplication::translate(
                   "TFileManager", "参数未能保存：文件 %1 大于 %2 MB，不是参数文件应有的大小；"
                                   "为免丢失其中的内容，程序不会改写它。")
            .arg(Path)
            .arg(MaxFileSize / (1024 * 1024));
    case TWriteResult::Busy:
        return QCoreApplication::translate("TFileManager",
                                           "参数未能保存：文件 %1 正由另一个窗口保存，请稍后再试。")
            .arg(Path);
    case TWriteResult::Failed:
        break;
    }
    return QCoreApplication::translate("TFileManager",
                                       "参数未能保存：无法写入文件 %1。\n"
                                       "请检查该文件夹是否允许写入、磁盘空间是否充足。")
        .arg(Path);
}

void TFileManager::SetFoldersForTesting(const QString &ProgramFolder, const QString &ConfigFolder) {
    ProgramFolderOverride() = ProgramFolder;
    ConfigFolderOverride() = ConfigFolder;
}
