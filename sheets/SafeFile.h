#pragma once
// Files from outside, read and written under one set of rules for the whole program (the payroll
// sheets and the parameter file alike). Only a regular file is read: it is opened without waiting
// and checked before a byte is read, since opening a FIFO waits for a writer and a device may act
// on being opened. A file is written as a new file beside its target, under a hidden name, and
// renamed over the target once whole; an entry at the target that is a link, not a regular file,
// another user's or read-only is left alone.

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

// Why the entry at a file's place must not be replaced.
enum class Refusal { NotAFile, Link, OtherOwner, ReadOnly, TooLarge };
// MaxSize: a larger file is refused too (below zero: any size).
std::optional<Refusal> RefusalOf(const struct stat &Entry, qint64 MaxSize = -1);

// A file written in place of Target. The temporary file is created exclusively, so it is never a
// file that was there before, with the permissions a new file gets, or those of the file it
// replaces; whatever fails, it is removed again.
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
};

} // namespace sheets
