#pragma once
// The one way the windows run work off the interface thread: in Qt's thread pool, watched by a
// QFutureWatcher, with progress and the result delivered on the interface thread. Each request
// replaces the one before: a newer request cancels the running one, whose result is then never
// delivered, and so do Cancel and the helper's going. Work that cannot stop half way (writing a
// file) simply ignores the cancel and ends; its result is dropped all the same. Stop asks the
// work to stop and still delivers what it returns: a window that has to say "cancelled" (and
// drop what the work had done) learns it from the work's own answer.

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <atomic>
#include <functional>
#include <memory>

class TBackground : public QObject {
    Q_OBJECT
  public:
    // What a request's work sees of its run. Thread-safe; copies see the same run.
    class TTask {
      public:
        bool Cancelled() const { return State->Cancelled.load(); }
        // For work that takes the flag itself.
        const std::atomic<bool> &CancelFlag() const { return State->Cancelled; }
        // Done of Total; shown as Progressed on the interface thread, in Steps steps.
        void Progress(qint64 Done, qint64 Total) const;
        // Done of Total, as Reported on the interface thread; returns once that has been
        // handled, so that a Stop made there is seen by the work right after. Returns at once
        // for a request cancelled or stopped.
        void Report(qint64 Done, qint64 Total) const;

      private:
        friend class TBackground;
        struct TState {
            std::atomic<bool> Cancelled{false};
            QPromise<void> *Promise = nullptr; // the work's own, while it runs
            // Called on the interface thread by Report.
            std::function<void(qint64, qint64)> Reported;
        };
        std::shared_ptr<TState> State = std::make_shared<TState>();
    };
    static constexpr int Steps = 1000;

    explicit TBackground(QObject *Parent = nullptr);
    // Cancels what runs; the work ends in the pool by itself and touches nothing of the helper.
    ~TBackground() override;

    // Runs Work in the pool, cancelling the request before it; Done on this object's thread
    // once Work has returned, unless it was cancelled meanwhile.
    void Run(std::function<void(const TTask &)> Work, std::function<void()> Done);
    template <class R> void Run(std::function<R(const TTask &)> Work, std::function<void(R)> Done) {
        auto result = std::make_shared<R>();
        Run([Work = std::move(Work), result](const TTask &Task) { *result = Work(Task); },
            [Done = std::move(Done), result] { Done(std::move(*result)); });
    }
    void Cancel();
    // Asks the running request's work to stop; unlike Cancel, what it returns is still delivered.
    void Stop();
    // Work that delivers nothing and that nobody cancels, in the same pool (what the start-up
    // prepares while the first window is built).
    static void Start(std::function<void()> Work);
    // A request runs whose result is still to come.
    bool Busy() const { return Current != nullptr; }

  signals:
    // Of the running request, in steps of Steps.
    void Progressed(int Step);
    // Of the running request, through TTask::Report.
    void Reported(qint64 Done, qint64 Total);

  private:
    QFutureWatcher<void> *Current = nullptr;
    TTask Task;
};
