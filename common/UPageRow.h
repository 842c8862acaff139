#pragma once
// What the page registry says of one page: the text of its title strip and the period of the
// rules it follows. The registry lives with the main window (app/PageRegistry.cpp), which the
// pages may not include; it defines this look-up, so that a page asks by its class and its title
// is written once, in its row.

#include "common/URulesPeriod.h"

#include <QString>
#include <optional>

struct QMetaObject;

namespace PageRow {

struct Info {
    QString Title;
    RulesPeriod::Period Rules = RulesPeriod::Period::Current;
};

// The row of the page class in the program's registry; none for a page not in it.
std::optional<Info> Of(const QMetaObject &Page);

} // namespace PageRow
