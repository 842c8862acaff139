#pragma once
// The parameter file init.ini. It lives beside the program when a file is already there or that
// folder may be written, so that a portable copy keeps its own parameters; otherwise in the
// user's configuration folder.

#include "engine/UGoldsSetupInfo.h"

#include <QString>
#include <optional>

class TFileManager {
  public:
    TFileManager() = delete;

    static const QString FileName;
    // A parameter file is a few hundred bytes; anything beyond this is not read, and a file that
    // large is not rewritten, so that nothing of it is lost.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // The parameters, or none when there is no file.
    static std::optional<TGoldsSetupInfo> ReadSetupInfo();
    // Writes the fourteen keys through a temporary file renamed over the old one; false when the
    // file could not be written, and then the old file is untouched.
    static bool WriteSetupInfo(const TGoldsSetupInfo &Info);

    static QString FilePath();

    // Seams for tests: the folders taken for the program's and the user's configuration folder.
    static void SetFoldersForTesting(const QString &ProgramFolder, const QString &ConfigFolder);
};
