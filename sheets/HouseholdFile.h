#pragma once
// The household file on disk, for the Qt faces: formats/HouseholdFile.h reads and checks its
// text (a couple's two year files and the deductions either may claim); here it is read only from
// a regular file of bounded size and its faults put in words in the language of the interface,
// each with its key path from the document's root ("a.jobs[0].pay[1].income").

#include "engine/current/Household.h"
#include "formats/HouseholdFile.h"
#include "sheets/YearFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sheets {

// Two year files of the largest size and the shared items, with room to spare.
inline constexpr qint64 MaxHouseholdFileSize = qint64{formats::MaxHouseholdFileSize};

struct HouseholdRead {
    std::optional<current::Household> Facts; // none when refused
    QString Error;                           // why, naming the file (if any) and the key path
    // Some shared items say who claims them now and this one, the first that does not, does
    // not: the split they have now is not known. Empty otherwise.
    QString WithoutNow = {};
};

// The household file at Path: only a regular file of at most MaxHouseholdFileSize bytes is read.
HouseholdRead ReadHouseholdFile(const QString &Path);
// The same from the file's bytes; the message names the key path only.
HouseholdRead ParseHouseholdFile(const QByteArray &Bytes);

} // namespace sheets
