#pragma once
// The faults of the documents of facts (the year file and the household file) in words, in the
// language of the interface, each with its key path ("jobs[1].pay[0].income：金额不能为负数") or
// its line and column. formats/ finds the faults as data; the readers of the files, the pages
// that check facts edited in place and the command line all word them here, so that a fault reads
// the same wherever it is found.

#include "engine/current/Money.h"

#include <QString>

namespace current {
struct YearFault;
struct HouseholdFault;
} // namespace current

namespace formats {
struct Fault;
} // namespace formats

namespace sheets {

// A fault CheckYear found, in words with its key path.
QString YearFaultText(const current::YearFault &Fault);
// A fault CheckHousehold found, in words with its key path.
QString HouseholdFaultText(const current::HouseholdFault &Fault);

} // namespace sheets

namespace sheets::json {

// "path：message", or the message alone at the document's root.
QString WithPath(const QString &Path, const QString &Message);
// An amount as the law writes it: whole yuan without decimals, anything else with two.
QString PlainYuan(current::Cents Amount);

// A fault of a document of facts in words, with its key path or its place; What names the kind
// of document ("年度文件") where the words need it.
QString FaultText(const formats::Fault &Fault, const QString &What);

} // namespace sheets::json
