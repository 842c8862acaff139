// Which page or window each menu entry and toolbar button opens.
#include "app/UFrmMain.h"

#include "pages/UFrmAnnualSalary.h"
#include "pages/UFrmFiveGolds.h"
#include "pages/UFrmGoldsSetup.h"
#include "pages/UFrmSalary.h"
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

    // Late fee, severance, individual business, flat-rate incomes.

    // Transfer, contracted operation, royalties, earlier-rules wages.

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
}
