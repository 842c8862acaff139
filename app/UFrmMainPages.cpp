// Which page or window each menu entry and toolbar button opens.
#include "app/UFrmMain.h"

#include "pages/UFrmChance.h"
#include "pages/UFrmInterest.h"
#include "pages/UFrmLateFee.h"
#include "pages/UFrmMakeUp.h"
#include "pages/UFrmOthers.h"
#include "pages/UFrmPersonal.h"
#include "pages/UFrmSalary.h"

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
    BindItem<TFrmLateFee>(this, N14);
    BindItem<TFrmMakeUp>(this, N19);
    BindItem<TFrmPersonal>(this, N8);
    BindItem<TFrmInterest>(this, N6);
    BindItem<TFrmChance>(this, N12);
    BindItem<TFrmOthers>(this, N13);

    // Transfer, contracted operation, royalties, earlier-rules wages.

    // Social insurance, annual salary, feedback, about, update.
}
