#include "app/UStartupWindows.h"

#include "app/UFirstPaint.h"
#include "pages/UFrmGoldsSetup.h"
#include "pages/UFrmMoney.h"
#include "shell/UFrmAbout.h"
#include "shell/UFrmFeedback.h"
#include "shell/UFrmProcessBar.h"
#include "shell/UFrmUpdate.h"

void TStartupWindows::Schedule(QWidget *Main) {
    FirstPaint::Then(Main, [Main] { new TStartupWindows(Main); });
}

TStartupWindows::TStartupWindows(QObject *Parent) : QObject(Parent) {
    setObjectName(QStringLiteral("StartupWindows"));
    Created.emplace_back(new TFrmAbout);
    Created.emplace_back(new TFrmMoney);
    Created.emplace_back(new TFrmGoldsSetup);
    Created.emplace_back(new TFrmUpdate(nullptr, false));
    Created.emplace_back(new TFrmFeedback);
    Created.emplace_back(new TFrmProcessBar);
}

TStartupWindows::~TStartupWindows() = default;

QList<QWidget *> TStartupWindows::Windows() const {
    QList<QWidget *> windows;
    for (const auto &window : Created)
        windows.append(window.get());
    return windows;
}
