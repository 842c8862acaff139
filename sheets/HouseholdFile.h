#pragma once
// The household file: a couple's two year files and the deductions either of them may claim, in
// one JSON document in UTF-8:
//   { "a": { year file }, "b": { year file },
//     "shared": { "children": [ { "born": "2019-04-02", "education_end": null } ],
//                 "housing_loan": { "first_repayment": "2018-06", "both_before_marriage": false },
//                 "rent": [ { "from": "2026-01", "to": "2026-12", "amount": 1500,
//                             "signed_by": "a" } ],
//                 "illness": [ { "who": "子女", "paid": 40000 } ] } }
// Each shared item may say who claims it now ("now": "a", "b" or "half", as the law allows for
// the item); a lease says who signed it ("signed_by": "a", "b" or "both"), which it must.
// Read as the year file is read, each fault named by its key path from the document's root
// ("a.jobs[0].pay[1].income", "shared.children[0].share"), and refused with everything
// CheckHousehold refuses. "shared" and each of its keys may be left out.

#include "engine/current/Household.h"
#include "sheets/YearFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace sheets {

// Two year files of the largest size and the shared items, with room to spare.
inline constexpr qint64 MaxHouseholdFileSize = 3 * MaxYearFileSize;

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

// A fault CheckHousehold found, in words with its key path, for a page that checks a household
// it holds as the reader checks a file.
QString HouseholdFaultText(const current::HouseholdFault &Fault);

} // namespace sheets
