#pragma once
// The parameter file init.ini. It lives beside the program when a file is already there or that
// folder may be written, so that a portable copy keeps its own parameters; otherwise in the
// user's configuration folder.

#include "engine/UGoldsSetupInfo.h"
#include "engine/current/Deductions.h"
#include "translations/Language.h"

#include <QString>
#include <optional>

class TFileManager {
  public:
    TFileManager() = delete;

    static const QString FileName;
    // A parameter file is a few hundred bytes; anything beyond this is not read, and a file that
    // large is not rewritten, so that nothing of it is lost.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    enum class TWriteResult {
        Written,
        NotAFile,
        Link,
        OtherOwner,
        ReadOnly,
        TooLarge,
        Busy, // another window kept the file to itself for longer than a save may wait
        Failed
    };

    // The parameters, or none when there is no file. Only a regular file is read: anything else
    // (a FIFO, a device, a socket, a folder) reads as all parameters 0 and is never waited on.
    static std::optional<TGoldsSetupInfo> ReadSetupInfo();
    // Writes the fourteen keys through a temporary file renamed over the old one. Only a regular,
    // writable file of the user running the program is replaced, never a file a link points to;
    // whatever is refused or fails leaves the old file untouched. The file is read and replaced
    // under an advisory lock (flock on a lock file beside it), so that two windows saving at
    // once each keep what the other wrote.
    static TWriteResult WriteSetupInfo(const TGoldsSetupInfo &Info);
    // The special deductions once chosen in their dialog, kept in a section of their own of the
    // same file, read-only now; none when there is no file. Beyond, when given,
    // lists the amounts the file holds beyond their limits (read as the limits).
    static std::optional<current::DeductionChoices>
    ReadDeductions(std::vector<current::DeductionsIni::OverLimit> *Beyond = nullptr);
    // The registry name of the page shown when the program last ended, kept in a section of its
    // own under the same rules; none when there is no file, no such key or a value that is no
    // entry name.
    static std::optional<QString> ReadLastPage();
    static TWriteResult WriteLastPage(const QString &EntryName);
    // The language chosen in the menu, in the same section; none when there is no file, no such
    // key or a value that names no language.
    static std::optional<Translations::Language> ReadLanguage();
    static TWriteResult WriteLanguage(Translations::Language Lang);
    // The year file open when the program last ended, reopened at the next start; kept like the
    // last page (percent-encoded UTF-8, so that any path survives the file's lines). None when
    // there is no file or no such key.
    static std::optional<QString> ReadLastYearFile();
    static TWriteResult WriteLastYearFile(const QString &Path);
    // The folder a payroll sheet was last opened from or saved to, kept the same way.
    static std::optional<QString> ReadSheetFolder();
    static TWriteResult WriteSheetFolder(const QString &Path);
    // Whether the special deductions section has been taken into a saved year file: it is read
    // into the first year only, and kept as it is for an older version of the program.
    static bool ReadDeductionsMoved();
    static TWriteResult WriteDeductionsMoved();
    // What the user is told when the parameters could not be saved at Path.
    static QString WriteFailureText(TWriteResult Result, const QString &Path);

    static QString FilePath();

    // Seams for tests: the folders taken for the program's and the user's configuration folder.
    static void SetFoldersForTesting(const QString &ProgramFolder, const QString &ConfigFolder);
};
