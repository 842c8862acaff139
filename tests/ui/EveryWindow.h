#pragma once
// Every page and window of the page registry, and the windows the program makes without an
// entry (the update check's answers, the progress window, the main window itself), each made
// anew by its factory, for the checks that hold for all of them alike.

#include "app/PageRegistry.h"
#include "app/UFrmMain.h"
#include "common/UReverseDialog.h"
#include "shell/UFrmProcessBar.h"
#include "shell/UFrmUpdate.h"

#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace EveryWindow {

struct Entry {
    std::string Name;
    std::function<QWidget *()> Create;
};

// The class name without its "TFrm" ("TFrmSalary" is "Salary").
inline std::string ShortName(const QString &ClassName) {
    return QString(ClassName).remove(QStringLiteral("TFrm")).toStdString();
}

// A reverse dialog as a page opens it, with nothing typed on the page.
inline Entry ReverseOf(const char *Name, TFrmCurReverse::Subject What) {
    return {Name, [What] { return new TFrmCurReverse(What, {}); }};
}

inline std::vector<Entry> All() {
    std::vector<Entry> all;
    for (const PageRegistry::Entry *entry : PageRegistry::PagesAndWindows(PageRegistry::Program()))
        all.push_back({ShortName(entry->Class), [entry] { return entry->Create(nullptr); }});
    // The reverse dialogs, opened by the pages' 反算 buttons rather than by an entry.
    all.push_back(ReverseOf("CurReverseWage", TFrmCurReverse::Subject::Wage));
    all.push_back(ReverseOf("CurReverseLabour", TFrmCurReverse::Subject::Labour));
    all.push_back({"ProcessBar", [] { return new TFrmProcessBar; }});
    all.push_back({"UpdateNewest", [] { return new TFrmUpdate(nullptr, false); }});
    all.push_back({"UpdateNewer", [] { return new TFrmUpdate(nullptr, true); }});
    all.push_back({"Main", [] { return new TFrmMain; }});
    return all;
}

inline void PrintTo(const Entry &Window, std::ostream *Out) {
    *Out << Window.Name;
}

inline std::string NameOf(const ::testing::TestParamInfo<Entry> &Info) {
    return Info.param.Name;
}

} // namespace EveryWindow
