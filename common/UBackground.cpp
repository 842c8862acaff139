#include "common/UBackground.h"

#include <QPromise>
#include <QThreadPool>
#include <algorithm>
#include <utility>

void TBackground::TTask::Progress(qint64 Done, qint64 Total) const {
    if (Total <= 0 || !State->Promise)
        return;
    State->Promise->setProgressValue(
        static_cast<int>(std::clamp<qint64>(Done * Steps / Total, 0, Steps)));
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
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this, [this, watcher](int Step) {
        if (watcher == Current)
            emit Progressed(Step);
    });
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, task = Task, Done = std::move(Done)] {
                watcher->deleteLater();
                if (watcher != Current)
                    return;
                Current = nullptr;
                if (!task.Cancelled())
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

void TBackground::Cancel() {
    Task.State->Cancelled = true;
    if (!Current)
        return;
    // The watcher goes once its work has ended; its result is no longer wanted.
    QFutureWatcher<void> *old = std::exchange(Current, nullptr);
    disconnect(old, nullptr, this, nullptr);
    connect(old, &QFutureWatcherBase::finished, old, &QObject::deleteLater);
}
