// The page 我的纳税年度 working the busy year of YearFiles.h out again on an edit, offscreen. One
// edit is an income of the pay table changed (between two amounts, so that every edit changes
// the year) and the page told so, as the table's editor tells it: the facts read from the widgets
// as the year file's JSON, checked by the file's own reader and CheckYear, handed to the open
// year, computed, and shown (the timeline chart drawn, the job's months, the settlement). The
// second benchmark adds the layout and painting that follow before the next edit. Goal: under
// 5 ms (bench/README.md).

#include "YearFiles.h"
#include "app/UStartup.h"
#include "common/UFactTable.h"
#include "common/UFileManager.h"
#include "common/UYearFacts.h"
#include "common/UYearFiles.h"
#include "common/UYearResults.h"
#include "pages/UFrmTaxYear.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

TFrmTaxYear *Page = nullptr;
int Edits = 0;

void EditIncome() {
    TFactTable *pay = Page->Facts->TblPay;
    pay->SetValue(0, QStringLiteral("income"),
                  ++Edits % 2 ? QStringLiteral("28000") : QStringLiteral("28500.5"));
    emit pay->Edited();
}

void Recompute(benchmark::State &State) {
    for (auto _ : State)
        EditIncome();
}
BENCHMARK(Recompute)->Unit(benchmark::kMicrosecond);

void RecomputeAndPaint(benchmark::State &State) {
    for (auto _ : State) {
        EditIncome();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(RecomputeAndPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InitApplication(app);
    // The parameter file and the year file in a folder of their own, not beside the program.
    const QTemporaryDir folder;
    TFileManager::SetFoldersForTesting(folder.path(), folder.path());
    const QString path = folder.filePath(QStringLiteral("busy.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(BusyYear) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    file.close();
    if (!YearFiles::OpenPath(nullptr, path))
        return 1;
    TFrmTaxYear page;
    Page = &page;
    page.resize(1366, 700);
    page.show();
    QElapsedTimer waited;
    waited.start();
    while (!page.Results->Chart && waited.elapsed() < 5000)
        QCoreApplication::processEvents();
    std::printf("chart %s\n", page.Results->Chart ? "drawn" : "missing: the module was not found");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
