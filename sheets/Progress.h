#pragma once
// Hooks through which a long read, calculation or write tells how far it has got and learns that
// it should stop. Both are called from the thread doing the work, a few hundred times a run at
// most, so a caller on another thread hands in thread-safe functions (a QPromise, an atomic).

#include <QtGlobal>

#include <functional>

namespace sheets {

struct Progress {
    // Done out of Total, in units of the work's own choosing (bytes read, rows written).
    std::function<void(qint64 Done, qint64 Total)> Report;
    // True stops the work; it then hands back nothing of what it had done.
    std::function<bool()> Cancelled;
};

// Asks the hooks every so many units of work, so that a cheap step stays cheap.
class ProgressTicker {
  public:
    ProgressTicker(const Progress &Hooks, qint64 Total, qint64 Every)
        : Hooks(Hooks), Total(Total), Every(Every), Next(Every) {}

    // False when the work is to stop.
    bool Tick(qint64 Done) {
        if (Done < Next)
            return true;
        Next = Done + Every;
        return Ask(Done);
    }
    bool Ask(qint64 Done) {
        if (Hooks.Report)
            Hooks.Report(Done, Total);
        return !(Hooks.Cancelled && Hooks.Cancelled());
    }
    void SetTotal(qint64 Value) { Total = Value; }

  private:
    const Progress &Hooks;
    qint64 Total;
    qint64 Every;
    qint64 Next;
};

} // namespace sheets
