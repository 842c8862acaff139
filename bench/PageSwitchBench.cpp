// Switching pages through TFrmMain::ShowPage, offscreen: every entry of the 计算器 menu in turn,
// the hidden ones included, so that every page class is created and the one before it freed.
// One switch is the menu entry triggered, the new page built and shown and the old one deleted,
// then the events that follow (layout and painting) processed. The long run counts the pages
// still alive and reads the resident memory after a warm-up and after 10,000 switches. The pages
// of the 现行税法 menu are measured one by one, each against the monthly salary page.

#include "app/UFrmMain.h"
#include "app/UStartup.h"
#include "common/UCalcPage.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPixmapCache>
#include <QSet>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>

namespace {

TFrmMain *Main = nullptr;
QList<QAction *> Entries;
qsizetype Next = 0;

// Resident memory now (/proc/self/statm) and its peak (VmHWM), in KiB.
double ResidentKiB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}

double PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

// Bytes handed out by malloc and not yet freed (glibc), in KiB: unlike the resident size, it
// also goes down when memory is freed.
double HeapInUseKiB() {
    return double(mallinfo2().uordblks) / 1024;
}

// Pages alive anywhere in the program, and page widgets held by the page area.
int PagesAlive() {
    int alive = 0;
    for (QWidget *widget : QApplication::allWidgets())
        alive += qobject_cast<TCalcPage *>(widget) != nullptr;
    return alive;
}

int PageAreaChildren() {
    return int(
        Main->PanelMain->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size());
}

void SwitchOnce() {
    Entries[Next]->trigger();
    Next = (Next + 1) % Entries.size();
}

// What the program's event loop does between two clicks: posted events (layout, painting) and
// the deletions deferred with deleteLater (processEvents alone leaves those for the loop).
void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WarmUp(int Rounds) {
    for (int i = 0; i < Rounds * int(Entries.size()); ++i) {
        SwitchOnce();
        Settle();
    }
}

// The switch as the user sees it: built, shown, laid out and painted.
void PageSwitch(benchmark::State &State) {
    WarmUp(2);
    for (auto _ : State) {
        SwitchOnce();
        Settle();
    }
    State.counters["pages_alive"] = PagesAlive();
}
BENCHMARK(PageSwitch)->Unit(benchmark::kMicrosecond);

// One page of the current law (the bonus page with its chart among them) replacing the monthly
// salary page, and the salary page back: one iteration is both switches. Registered in main for
// every such page and, to compare with, for the 2011 bonus page.
void ThereAndBack(benchmark::State &State, QAction *Entry) {
    for (auto _ : State) {
        Entry->trigger();
        Settle();
        Main->findChild<QAction *>(QStringLiteral("MSalary"))->trigger();
        Settle();
    }
    State.counters["pages_alive"] = PagesAlive();
}

// ShowPage alone: the new page built and shown, the old one deleted; layout and painting are
// processed outside the measured time.
void PageSwitchShowPageOnly(benchmark::State &State) {
    WarmUp(2);
    for (auto _ : State) {
        SwitchOnce();
        State.PauseTiming();
        Settle();
        State.ResumeTiming();
    }
}
BENCHMARK(PageSwitchShowPageOnly)->Unit(benchmark::kMicrosecond);

// 10,000 switches after a warm-up of five rounds of every page: memory must stay flat and no page
// may be left behind. The argument is the limit of Qt's pixmap cache in KiB: 10240 is Qt's
// default; 0 turns the cache off, which separates what the style caches from what the pages keep.
void PageSwitchMemory(benchmark::State &State) {
    const int defaultLimit = QPixmapCache::cacheLimit();
    QPixmapCache::setCacheLimit(int(State.range(0)));
    WarmUp(5);
    const double warm = ResidentKiB();
    const double warmHeap = HeapInUseKiB();
    for (auto _ : State) {
        SwitchOnce();
        Settle();
    }
    const double after = ResidentKiB();
    const double afterHeap = HeapInUseKiB();
    State.counters["rss_warm_KiB"] = warm;
    State.counters["rss_after_KiB"] = after;
    State.counters["rss_growth_KiB"] = after - warm;
    State.counters["heap_warm_KiB"] = warmHeap;
    State.counters["heap_growth_KiB"] = afterHeap - warmHeap;
    State.counters["vmhwm_KiB"] = PeakKiB();
    State.counters["pages_alive"] = PagesAlive();
    State.counters["page_area_children"] = PageAreaChildren();
    State.counters["switches"] = double(State.iterations());
    QPixmapCache::setCacheLimit(defaultLimit);
}
BENCHMARK(PageSwitchMemory)
    ->ArgName("pixmap_cache_KiB")
    ->Arg(10240)
    ->Arg(0)
    ->Iterations(10000)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitApplication(app);
    TFrmMain main;
    main.show();
    Settle();
    Main = &main;

    // Every page entry of the menu, hidden ones included (not its headers); each must bring its
    // own page class.
    QSet<QString> classes;
    for (QAction *entry : main.N2->actions()) {
        if (!entry->isCheckable())
            continue;
        entry->trigger();
        Settle();
        if (main.CurrentPage())
            classes.insert(QString::fromLatin1(main.CurrentPage()->metaObject()->className()));
        Entries.append(entry);
    }
    std::printf("page entries: %lld, page classes shown: %lld\n", (long long)Entries.size(),
                (long long)classes.size());
    if (Entries.isEmpty() || classes.size() != Entries.size()) {
        std::fprintf(stderr, "every menu entry must show a page class of its own\n");
        return 1;
    }

    // The current-law entries that show a page of their own, and the 2011 bonus page.
    QList<QAction *> thereAndBack{main.findChild<QAction *>(QStringLiteral("MYearAward"))};
    // The first showing of each is timed on its own: the bonus page loads the chart module then.
    for (QAction *entry : main.MCurrent->actions()) {
        // Entries that are not pages open a window or a modal dialog of their own.
        if (entry->isSeparator() || !entry->isCheckable())
            continue;
        main.findChild<QAction *>(QStringLiteral("MSalary"))->trigger();
        Settle();
        QElapsedTimer first;
        first.start();
        entry->trigger();
        Settle();
        const double ms = double(first.nsecsElapsed()) / 1e6;
        if (qstrcmp(main.CurrentPage()->metaObject()->className(), "TFrmSalary") == 0)
            continue;
        thereAndBack.append(entry);
        std::printf("first showing of %s: %.2f ms\n", qPrintable(entry->objectName()), ms);
    }
    main.findChild<QAction *>(QStringLiteral("MSalary"))->trigger();
    Settle();
    for (QAction *entry : thereAndBack) {
        const std::string name = "ThereAndBack/" + entry->objectName().toStdString();
        benchmark::RegisterBenchmark(name.c_str(), ThereAndBack, entry)
            ->Unit(benchmark::kMicrosecond);
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Main = nullptr;
    return 0;
}
