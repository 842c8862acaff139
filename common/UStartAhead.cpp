#include "common/UStartAhead.h"

#include "common/UBackground.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <condition_variable>
#include <dlfcn.h>
#include <mutex>

namespace {

struct TWork {
    std::mutex Lock;
    std::condition_variable Changed;
    bool Started = false;
    bool FontsLoaded = false;
    bool Go = false;
    bool Stop = false;
    bool Finished = false;
    QStringList Order;            // as listed to Ready
    qsizetype Next = 0;           // the first picture nobody has begun to decode
    QStringList Listed;           // not yet taken
    QHash<QString, QImage> Ready; // decoded, not yet taken
};

TWork &Work() {
    static TWork work;
    return work;
}

// A program that ends before taking its pictures does not wait for them: the application waits
// for the pool's work as it goes, after its post routines.
void StopWork() {
    TWork &work = Work();
    {
        const std::lock_guard lock(work.Lock);
        work.Stop = true;
    }
    work.Changed.notify_all();
}

// Qt's font database on Linux reads fontconfig's configuration and caches the first time a text
// is measured, which costs more than building the whole first page. Fontconfig is thread-safe
// and keeps one configuration for the process, so loading it here first leaves Qt nothing to
// load. Looked up rather than linked: Qt has loaded the library already when it uses
// fontconfig, and when it does not, there is nothing to load ahead.
void LoadFontConfiguration() {
    using TInit = int (*)();
    if (const auto init = reinterpret_cast<TInit>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
}

// Decodes the next picture nobody has begun, with the lock held on entry and on return; false
// when there is none left.
bool DecodeNext(TWork &Work, std::unique_lock<std::mutex> &Lock) {
    if (Work.Stop || Work.Next >= Work.Order.size())
        return false;
    const QString resource = Work.Order.at(Work.Next++);
    Lock.unlock();
    QImageReader reader(resource);
    QImage image = reader.read();
    Lock.lock();
    Work.Ready.insert(resource, std::move(image));
    Work.Changed.notify_all();
    return true;
}

void Run(TWork &Work) {
    LoadFontConfiguration();
    std::unique_lock lock(Work.Lock);
    Work.FontsLoaded = true;
    Work.Changed.notify_all();
    Work.Changed.wait(lock, [&Work] { return Work.Go || Work.Stop; });
    while (DecodeNext(Work, lock)) {
    }
    Work.Finished = true;
    Work.Changed.notify_all();
}

} // namespace

namespace StartAhead {

void Begin() {
    TWork &work = Work();
    const std::lock_guard lock(work.Lock);
    if (work.Started)
        return;
    work.Started = true;
    qAddPostRoutine(StopWork);
    // In the pool every background request runs in: the thread is there for the next one.
    TBackground::Start([&work] { Run(work); });
}

void Ready(const QStringList &Pictures) {
    TWork &work = Work();
    std::unique_lock lock(work.Lock);
    if (!work.Started || work.Go)
        return;
    work.Order = Pictures;
    work.Listed = Pictures;
    // The font configuration takes longer than Qt's start-up; rather than wait idle, this thread
    // decodes pictures meanwhile.
    while (!work.FontsLoaded && DecodeNext(work, lock)) {
    }
    work.Changed.wait(lock, [&work] { return work.FontsLoaded; });
    work.Go = true;
    work.Changed.notify_all();
}

QPixmap Picture(const QString &Resource) {
    Ready();
    TWork &work = Work();
    std::unique_lock lock(work.Lock);
    if (!work.Listed.removeOne(Resource)) {
        lock.unlock();
        return QPixmap(Resource);
    }
    work.Changed.wait(
        lock, [&work, &Resource] { return work.Ready.contains(Resource) || work.Finished; });
    QImage image = work.Ready.take(Resource);
    lock.unlock();
    if (image.isNull())
        return QPixmap(Resource);
    return QPixmap::fromImage(std::move(image));
}

qsizetype Untaken() {
    TWork &work = Work();
    const std::lock_guard lock(work.Lock);
    return work.Listed.size();
}

} // namespace StartAhead
