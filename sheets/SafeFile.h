#pragma once
// Files from outside, read and written under one set of rules for the whole program (the payroll
// sheets and the parameter file alike). Only a regular file is read: it is opened without waiting
// and checked before a byte is read, since opening a FIFO waits for a writer and a device may act
// on being opened. A file is written as a new file beside its target, under a hidden name, and
// renamed over the target once whole; an entry at the target that is a link, not a regular file,
// another user's or read-only is left alone.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <sys/stat.h>

namespace sheets {

enum class OpenFault { None, Missing, Folder, NotRegular, Denied, Other };

// Opens Path (through links unless ExtraFlags holds O_NOFOLLOW) for reading when it is a regular
// file; File then owns the descriptor and Opened, when given, gets the file's status.
OpenFault OpenRegular(const QString &Path, QFile &File, struct stat *Opened = nullptr,
                      int ExtraFlags = 0);

// Whether two paths name the same file on disk (device and inode, through links and hard links
// alike); false when either is not there.
bool SameFileOnDisk(const QString &A, const QString &B);

// A system error (an errno) in the language in use: "没有权限" rather than the C library's
// "Permission denied" inside a Chinese message.
QString SystemErrorText(int Error);

// What a file held when the program read it: its size and the digest of its content. A file the
// program writes back after reading it is first compared with what it held then, so that what
// another program (or another window) wrote there since is not lost without a word. The time of
// change is not compared: a file touched but not changed loses nothing.
struct FileStamp {
    qint64 Size = 0;
    QByteArray Digest;
    bool operator==(const FileStamp &) const = default;
};
FileStamp StampOf(const QByteArray &Bytes);
// What the regular file at Path holds now; none when it is not there, cannot be read or is
// larger than MaxSize.
std::optional<FileStamp> StampOfFile(const QString &Path, qint64 MaxSize);
enum class Since { Unchanged, Changed, Gone };
// How the file at Path stands against what it held when read: a file larger than MaxSize, or
// that cannot be read, counts as changed.
Since ChangedSince(const QString &Path, const FileStamp &Read, qint64 MaxSize);

// Why the entry at a file's place must not be replaced.
enum class Refusal { NotAFile, Link, OtherOwner, ReadOnly, TooLarge };
// MaxSize: a larger file is refused too (below zero: any size).
std::optional<Refusal> RefusalOf(const struct stat &Entry, qint64 MaxSize = -1);

// A file written in place of Target. The temporary file is created exclusively, so it is never a
// file that was there before, with the permissions a new file gets, or those of the file it
// replaces; whatever fails, it is removed again. A program killed while writing leaves it behind:
// the writer holds a lock on it until it is renamed, and the next Create for the same target
// removes the temporary files of that target no writer holds any more.
class Replacement {
  public:
    // Looks at what stands at Target now.
    explicit Replacement(const QString &Target, qint64 MaxSize = -1);
    ~Replacement();
    Replacement(const Replacement &) = delete;
    Replacement &operator=(const Replacement &) = delete;

    // Why the entry at the target must be left alone, if it must.
    std::optional<Refusal> Refused() const { return Refuses; }
    // The entry at the target when it was looked at; none when there was none.
    const std::optional<struct stat> &Existing() const { return Seen; }
    // Creates the temporary file, open for writing in File(); false when it cannot be made
    // (ErrorString() says why) or the target is refused.
    bool Create();
    QFile &File() { return Temporary; }
    QString TemporaryPath() const { return TempName; }
    // Flushes the temporary file to the disk, checks that the target's place still holds what
    // was looked at and renames the file over it. False when any step fails.
    bool Commit();
    QString ErrorString() const { return Error; }

  private:
    QString Target;
    QString TempName;
    QFile Temporary;
    std::optional<struct stat> Seen;
    std::optional<Refusal> Refuses;
    QString Error;
    bool Kept = false;

    bool Unchanged() const;
    void RemoveLeftovers(const QString &Stem) const;
};

} // namespace sheets
