#pragma once
// The year file on disk, for the Qt faces: formats/YearFile.h reads, checks and writes its text;
// here it is read only from a regular file of bounded size, written safely (SafeFile.h), and its
// faults put in words in the language of the interface, with the key path
// ("jobs[1].pay[0].income：金额不能为负数").

#include "engine/current/YearFacts.h"
#include "formats/YearFile.h"
#include "sheets/SafeFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sheets {

// A year file is a few kilobytes; anything larger is not one.
inline constexpr qint64 MaxYearFileSize = qint64{formats::MaxYearFileSize};

struct YearRead {
    std::optional<current::YearFacts> Facts; // none when refused
    QString Error;                           // why, naming the file (if any) and the key path
};

// The year file at Path: only a regular file of at most MaxYearFileSize bytes is read. Stamp,
// when given, gets what the file held, for saving over it later (SafeFile.h).
YearRead ReadYearFile(const QString &Path, FileStamp *Stamp = nullptr);
// The same from the file's bytes; the message names the key path only.
YearRead ParseYearFile(const QByteArray &Bytes);
// A reading of formats/ with its fault in words.
YearRead Worded(formats::YearRead Read);

// The facts as the year file's text: every key written, amounts as numbers in yuan.
QByteArray YearFileBytes(const current::YearFacts &Facts);
// Writes the facts through a temporary file in Path's folder renamed over Path; a link, a
// folder, a device or a FIFO at Path is refused and left as it was. Empty when written, else why
// not; Stamp, when given, gets what the file holds once written.
QString WriteYearFile(const QString &Path, const current::YearFacts &Facts,
                      FileStamp *Stamp = nullptr);

} // namespace sheets
