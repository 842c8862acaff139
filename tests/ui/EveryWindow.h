#pragma once
// Every page of the calculator and current-law menus and every window of the program, each made
// anew by its factory, for the checks that hold for all of them alike.

#include "app/UFrmMain.h"
#include "pages/UFrmAnnualSalary.h"
#include "pages/UFrmBatch.h"
#include "pages/UFrmChance.h"
#include "pages/UFrmCompany.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurDeductions.h"
#include "pages/UFrmCurLabour.h"
#include "pages/UFrmCurReverse.h"
#include "pages/UFrmCurSettle.h"
#include "pages/UFrmCurSeverance.h"
#include "pages/UFrmCurWage.h"
#include "pages/UFrmFiveGolds.h"
#include "pages/UFrmGoldsSetup.h"
#include "pages/UFrmInterest.h"
#include "pages/UFrmLaoWu.h"
#include "pages/UFrmLateFee.h"
#include "pages/UFrmLicense.h"
#include "pages/UFrmMakeUp.h"
#include "pages/UFrmMoney.h"
#include "pages/UFrmOthers.h"
#include "pages/UFrmPersonal.h"
#include "pages/UFrmRent.h"
#include "pages/UFrmSalary.h"
#include "pages/UFrmSalaryOld.h"
#include "pages/UFrmTransfer.h"
#include "pages/UFrmWriting.h"
#include "pages/UFrmYearAward.h"
#include "shell/UFrmAbout.h"
#include "shell/UFrmFeedback.h"
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
    const char *Name;
    std::function<QWidget *()> Create;
};

template <class T> Entry Of(const char *Name) {
    return {Name, [] { return new T; }};
}

// A reverse dialog as a page opens it, with nothing typed on the page.
inline Entry ReverseOf(const char *Name, TFrmCurReverse::Subject What) {
    return {Name, [What] { return new TFrmCurReverse(What, {}); }};
}

inline std::vector<Entry> All() {
    return {Of<TFrmSalary>("Salary"),
            Of<TFrmSalaryOld>("SalaryOld"),
            Of<TFrmYearAward>("YearAward"),
            Of<TFrmFiveGolds>("FiveGolds"),
            Of<TFrmAnnualSalary>("AnnualSalary"),
            Of<TFrmLaoWu>("LaoWu"),
            Of<TFrmWriting>("Writing"),
            Of<TFrmRent>("Rent"),
            Of<TFrmTransfer>("Transfer"),
            Of<TFrmLicense>("License"),
            Of<TFrmPersonal>("Personal"),
            Of<TFrmCompany>("Company"),
            Of<TFrmInterest>("Interest"),
            Of<TFrmChance>("Chance"),
            Of<TFrmOthers>("Others"),
            Of<TFrmLateFee>("LateFee"),
            Of<TFrmMakeUp>("MakeUp"),
            Of<TFrmCurBonus>("CurBonus"),
            Of<TFrmCurLabour>("CurLabour"),
            Of<TFrmCurSettle>("CurSettle"),
            Of<TFrmCurSeverance>("CurSeverance"),
            Of<TFrmCurWage>("CurWage"),
            Of<TFrmCurDeductions>("CurDeductions"),
            ReverseOf("CurReverseWage", TFrmCurReverse::Subject::Wage),
            ReverseOf("CurReverseLabour", TFrmCurReverse::Subject::Labour),
            Of<TFrmBatch>("Batch"),
            Of<TFrmMoney>("Money"),
            Of<TFrmGoldsSetup>("GoldsSetup"),
            Of<TFrmFeedback>("Feedback"),
            Of<TFrmAbout>("About"),
            Of<TFrmProcessBar>("ProcessBar"),
            {"UpdateNewest", [] { return new TFrmUpdate(nullptr, false); }},
            {"UpdateNewer", [] { return new TFrmUpdate(nullptr, true); }},
            Of<TFrmMain>("Main")};
}

inline void PrintTo(const Entry &Window, std::ostream *Out) {
    *Out << Window.Name;
}

inline std::string NameOf(const ::testing::TestParamInfo<Entry> &Info) {
    return Info.param.Name;
}

} // namespace EveryWindow
