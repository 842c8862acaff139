#include "common/UBackground.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPromise>
#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <utility>

void TBackground::TTask::Progress(qint64 Done, qint64 Total) const {
    if (Total <= 0 || !State->Promise)
        return;
    State->Promise->setProgressValue(
        static_cast<int>(std::clamp<qint64>(Done * Steps / Total, 0, Steps)));
}

void TBackground::TTask::Report(qint64 Done, qint64 Total) const {
    if (Cancelled() || !State->Reported)
        return;
    // The application, not the helper, takes the call: it outlives any request, and the helper
    // may go while the work waits here.
    auto handled = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [State = State, Done, Total, handled] {
            State->Reported(Done, Total);
            handled->release();
        },
        Qt::QueuedConnection);
    // The work waits for the report to be handled, but not past a cancel: a window closed while
    // the report waits in the queue (the program ending, say) would hold the work, and the
    // program's wait for its pool, forever.
    while (!handled->tryAcquire(1, 20)) {
        if (Cancelled())
            return;
    }
}

TBackground::TBackground(QObject *Parent) : QObject(Parent) {}

TBackground::~TBackground() {
    Cancel();
}

void TBackground::Run(std::function<void(const TTask &)> Work, std::function<void()> Done) {
    Cancel();
    Task = TTask();
    auto *watcher = new QFutureWatcher<void>(this);
    Current = watcher;
    const QPointer<TBackground> self(this);
    Task.State->Reported = [self, watcher, task = std::weak_ptr(Task.State)](qint64 Count,
                                                                             qint64 Of) {
        const auto state = task.lock();
        if (self && state && !state->Cancelled && self->Current == watcher)
            emit self->Reported(Count, Of);
    };
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this, [this, watcher](int Step) {
        if (watcher == Current)
            emit Progressed(Step);
    });
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, Done = std::move(Done)] {
        watcher->deleteLater();
        if (watcher != Current)
            return;
        Current = nullptr;
        Done();
    });
    // Qt Core's pool and promise rather than Qt Concurrent: one library less to load at start.
    auto promise = std::make_shared<QPromise<void>>();
    promise->setProgressRange(0, Steps);
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([Work = std::move(Work), task = Task, promise] {
        promise->start();
        task.State->Promise = promise.get();
        Work(task);
        task.State->Promise = nullptr;
        promise->finish();
    });
}

void TBackground::Stop() {
    Task.State->Cancelled = true;
}

void TBackground::Start(std::function<void()> Work) {
    QThreadPool::globalInstance()->start(std::move(Work));
}

void TBackground::Cancel() {
    Task.State->Cancelled = true;
    if (!Current)
        return;
    // The watcher goes once its work has ended; its result is no longer wanted.
    QFutureWatcher<void> *old = std::exchange(Current, nullptr);
    disconnect(old, nullptr, this, nullptr);
    connect(old, &QFutureWatcherBase::finished, old, &QObject::deleteLater);
}
