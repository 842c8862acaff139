#pragma once
// Where a dialog opens: centred on the window it belongs to, and wholly inside the part of that
// window's screen that panels leave free, so that its buttons are never off a small screen. Set
// once for the whole program rather than by each dialog, so that message boxes, file dialogs and
// every window made later are placed alike.

class QApplication;
class QWidget;

namespace DialogPlacement {

// Places Dialog now: over its parent's window, or the active window when it has no parent, or
// the middle of the screen when there is neither. A dialog larger than the free area is made
// smaller where its minimum size allows.
void Place(QWidget *Dialog);

// From now on every dialog of the application is placed so each time it is shown.
void Install(QApplication &App);

} // namespace DialogPlacement
