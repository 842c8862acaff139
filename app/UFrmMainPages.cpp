// Which page or window each menu entry and toolbar button opens.
#include "app/UFrmMain.h"

#include "pages/UFrmAnnualSalary.h"
#include "pages/UFrmChance.h"
#include "pages/UFrmCompany.h"
#include "pages/UFrmCurBonus.h"
#include "pages/UFrmCurDeductions.h"
#include "pages/UFrmCurLabour.h"
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

#include <QAction>
#include <QToolButton>

namespace {

template <class TPage> void BindItem(TFrmMain *Main, QAction *Item) {
    QObject::connect(Item, &QAction::triggered, Main, [Main] { Main->ShowPage<TPage>(); });
}

// A toolbar page button shows its page but leaves the menu's check mark where it is.
template <class TPage> void BindButton(TFrmMain *Main, QToolButton *Button) {
    QObject::connect(Button, &QToolButton::clicked, Main, [Main] { Main->ShowPage<TPage>(); });
}

} // namespace

void TFrmMain::WirePages() {
    BindItem<TFrmSalary>(this, MSalary);
    BindButton<TFrmSalary>(this, ToolButton1);

    // Bonus, labour, capital numerals, lease, author remuneration.
    BindItem<TFrmYearAward>(this, MYearAward);
    BindButton<TFrmYearAward>(this, ToolButton2);
    BindItem<TFrmLaoWu>(this, N3);
    BindButton<TFrmLaoWu>(this, ToolButton5);
    BindItem<TFrmWriting>(this, N4);
    BindButton<TFrmWriting>(this, ToolButton4);
    BindItem<TFrmRent>(this, N7);
    const auto openMoney = [] {
        TFrmMoney dialog;
        dialog.exec();
    };
    connect(N5, &QAction::triggered, this, openMoney);
    connect(ToolButton3, &QToolButton::clicked, this, openMoney);

    // Late fee, severance, individual business, flat-rate incomes.
    BindItem<TFrmLateFee>(this, N14);
    BindItem<TFrmMakeUp>(this, N19);
    BindItem<TFrmPersonal>(this, N8);
    BindItem<TFrmInterest>(this, N6);
    BindItem<TFrmChance>(this, N12);
    BindItem<TFrmOthers>(this, N13);

    // Transfer, contracted operation, royalties, earlier-rules wages.
    BindItem<TFrmTransfer>(this, N10);
    BindItem<TFrmCompany>(this, N9);
    BindItem<TFrmLicense>(this, N11);
    BindItem<TFrmSalaryOld>(this, N20);

    // Social insurance, annual salary, feedback, about, update.
    BindItem<TFrmFiveGolds>(this, N22);
    BindItem<TFrmAnnualSalary>(this, N21);
    connect(ToolButton7, &QToolButton::clicked, this, [] {
        TFrmGoldsSetup dialog;
        dialog.exec();
    });
    connect(MFeedback, &QAction::triggered, this, [] {
        TFrmFeedback window;
        window.exec();
    });
    connect(MAbout, &QAction::triggered, this, [] {
        TFrmAbout window;
        window.exec();
    });
    connect(MUpdate, &QAction::triggered, this, &TFrmMain::MUpdateClick);
    connect(N23, &QAction::triggered, this, &TFrmMain::N23Click);

    // The law in force since 2019.
    BindItem<TFrmCurWage>(this, MCurWage);
    BindButton<TFrmCurWage>(this, TBtnCurWage);
    connect(MCurDeductions, &QAction::triggered, this, [this] {
        TFrmCurDeductions dialog(this);
        dialog.exec();
    });
    BindItem<TFrmCurBonus>(this, MCurBonus);
    BindItem<TFrmCurLabour>(this, MCurLabour);
    BindItem<TFrmCurSettle>(this, MCurSettle);
    BindItem<TFrmCurSeverance>(this, MCurSeverance);
    connect(MCurBatch, &QAction::triggered, this, [this] { OpenBatch(); });
}
