#pragma once
// The batch window's runs end in the background: these begin one as a user or the program does
// and wait for it to end, message boxes and all.

#include "pages/UFrmBatch.h"
#include "support/UiTestSupport.h"

#include <QPushButton>
#include <QSignalSpy>

#include <functional>

namespace BatchRuns {

// Runs Action, which may begin a run of Window, and waits until the run has ended: whether it did
// what was asked; false when none began, or it has not ended within a minute.
inline bool Ran(TFrmBatch &Window, const std::function<void()> &Action) {
    QSignalSpy finished(&Window, &TFrmBatch::Finished);
    Action();
    if (!UiTest::WaitFor([&Window] { return !Window.Busy(); }, 60000))
        return false;
    return !finished.isEmpty() && finished.last().at(0).toBool();
}

inline bool Opened(TFrmBatch &Window, const QString &Path) {
    return Ran(Window, [&] { Window.OpenFile(Path); });
}

inline bool Calculated(TFrmBatch &Window) {
    return Ran(Window, [&] { Window.Calculate(); });
}

inline bool Saved(TFrmBatch &Window, const QString &Path) {
    return Ran(Window, [&] { Window.SaveFile(Path); });
}

inline bool Clicked(TFrmBatch &Window, QPushButton *Button) {
    return Ran(Window, [Button] { UiTest::Click(Button); });
}

} // namespace BatchRuns
