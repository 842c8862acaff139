#pragma once
// The hourglass while the interface thread works on something the user waits for, restored
// however the work ends.

#include <QApplication>

class TBusyCursor {
  public:
    TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
