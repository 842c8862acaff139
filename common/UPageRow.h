#pragma once
// What the page registry says of one page: the text of its title strip and the period of the
// rules it follows. The registry lives with the main window (app/PageRegistry.cpp), above the
// pages, which may neither include nor link it: the program hands its look-up in at start
// (InitApplication), so that a page asks by its class and its title is written once, in its row.

#include "common/URulesPeriod.h"

#include <QString>
#include <optional>

struct QMetaObject;

namespace PageRow {

struct Info {
    QString Title;
    RulesPeriod::Period Rules = RulesPeriod::Period::Current;
};

// The row of the page class in the program's registry; none for a page not in it, and none for
// any page before the registry's look-up is set.
std::optional<Info> Of(const QMetaObject &Page);

using LookUp = std::optional<Info> (*)(const QMetaObject &Page);
void SetLookUp(LookUp Rows);

} // namespace PageRow
