#pragma once

#include <QWidget>
#include <functional>

// What a window's first appearance need not wait for goes after its first paint.
namespace FirstPaint {

// Runs Go in the turn of the event loop after Window has painted itself for the first time (in
// the next turn when it is on screen already), unless Window is gone by then. A zero timer alone
// is not enough: on an X server the first paint waits for the server's expose, which comes later
// than that.
void Then(QWidget *Window, std::function<void()> Go);

} // namespace FirstPaint
