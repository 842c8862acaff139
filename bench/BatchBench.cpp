// The batch window's work on a sheet of 1,000,000 rows (100,000 employees × 10 months), as CSV
// and as .xlsx, without the widgets: the sheets library's reading, summary and writing in a
// worker thread as the window runs them, and the window's table model (TBatchModel) taking the
// sheet and the summary and serving what a view asks for: the first screen after opening and
// after calculating, a screen in the middle, a sort by a result column and a filter by name.
// Each input in a process of its own, so that each has its own peak memory. Figures and goals:
// README.md beside this file.
//
//   pendra_bench_batch [FOLDER]     generates the inputs in FOLDER (default: a temporary
//                                   folder) unless they are there, and measures both
//   pendra_bench_batch run IN OUT   one measured run

#include "PayrollFiles.h"
#include "pages/UBatchModel.h"
#include "sheets/PayrollIo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <functional>

namespace {

using PayrollFiles::MiB;
using PayrollFiles::PeakMiB;

// As the window runs a step: off the interface thread, with hooks that hear progress and are asked
// whether to stop. Gives the number of progress reports.
int InWorker(const std::function<void(const sheets::Progress &)> &Work) {
    std::atomic<int> reports{0};
    const sheets::Progress hooks{[&reports](qint64, qint64) { ++reports; }, [] { return false; }};
    QThread *worker = QThread::create([&] { Work(hooks); });
    worker->start();
    worker->wait();
    delete worker;
    return reports;
}

// What a view of 40 rows asks for every cell shown, from the row First on.
qint64 Screen(const TBatchModel &Model, int First) {
    qint64 characters = 0;
    for (int row = First; row < std::min(First + 40, Model.rowCount()); ++row) {
        characters += Model.headerData(row, Qt::Vertical).toString().size();
        for (int column = 0; column < Model.columnCount(); ++column)
            characters += Model.index(row, column).data().toString().size();
    }
    return characters;
}

int Run(const QString &In, const QString &Out) {
    QElapsedTimer clock;
    clock.start();
    const auto lap = [&clock] { return clock.restart() / 1000.0; };

    TBatchModel model;
    sheets::ReadOutcome read;
    const int readReports =
        InWorker([&](const sheets::Progress &Hooks) { read = sheets::ReadPayroll(In, Hooks); });
    if (read.Result != sheets::Status::Done) {
        std::fprintf(stderr, "%s\n", qPrintable(read.Error));
        return 1;
    }
    auto sheet = std::make_shared<const sheets::PayrollSheet>(std::move(read.Sheet));
    model.SetSheet(sheet);
    qint64 shown = Screen(model, 0);
    const double opening = lap();

    std::optional<sheets::PayrollSummary> summary;
    const int sumReports = InWorker(
        [&](const sheets::Progress &Hooks) { summary = sheets::Summarize(*sheet, Hooks); });
    model.SetSummary(summary);
    shown += Screen(model, 0);
    shown += Screen(model, model.rowCount() / 2);
    const double calculating = lap();

    model.sort(model.columnCount() - 2, Qt::DescendingOrder); // 本月应预扣税额
    shown += Screen(model, 0);
    const double sorting = lap();
    model.SetFilter(QStringLiteral("员工1234"));
    shown += Screen(model, 0);
    const int filtered = model.rowCount();
    model.SetFilter({});
    const double filtering = lap();

    sheets::WriteOutcome written;
    const int writeReports = InWorker(
        [&](const sheets::Progress &Hooks) { written = sheets::WritePayroll(Out, *sheet, Hooks); });
    const double saving = lap();
    if (written.Result != sheets::Status::Done) {
        std::fprintf(stderr, "%s\n", qPrintable(written.Error));
        return 1;
    }

    const qint64 size = QFileInfo(In).size();
    std::printf("| %s | %zu | %.1f MiB | %.2f s | %.2f s | %.2f s | %.2f s | %.2f s | %.2f s | "
                "%.1f MiB | %.2f × |\n",
                qPrintable(QFileInfo(In).suffix()), sheet->RowCount(), MiB(size), opening,
                calculating, sorting, filtering, saving,
                opening + calculating + sorting + filtering + saving, PeakMiB(),
                PeakMiB() / MiB(size));
    std::printf("<!-- year tax %lld cents; %d rows match the filter; progress reports: read %d, "
                "calculate %d, write %d; %lld characters shown -->\n",
                static_cast<long long>(summary->YearTax), filtered, readReports, sumReports,
                writeReports, static_cast<long long>(shown));
    return 0;
}

int All(const QString &Folder) {
    const QString csv = Folder + "/payroll.csv";
    const QString xlsx = Folder + "/payroll.xlsx";
    if (!QFileInfo::exists(csv))
        PayrollFiles::WriteCsv(csv);
    if (!QFileInfo::exists(xlsx))
        PayrollFiles::WriteXlsx(xlsx);
    std::printf("Wall seconds\n\n"
                "| input | rows | file | open | calculate | sort | filter | save | total | peak "
                "memory | peak ÷ file |\n"
                "|---|---|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    for (const auto &[in, out] :
         {std::pair{csv, Folder + "/batch-out.csv"}, std::pair{xlsx, Folder + "/batch-out.xlsx"}}) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(QCoreApplication::applicationFilePath(), {"run", in, out});
        process.waitForFinished(-1);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    return PayrollFiles::Main(argc, argv, Run, All);
}
