// Payroll sheets at full size: 100,000 employees × 10 months = 1,000,000 rows, read, computed
// and written, as CSV and as .xlsx, each in a process of its own so that each has its own peak
// memory; awk over the same CSV for scale. Figures and goals: README.md beside this file.
//
//   pendra_bench_sheets [FOLDER]     generates the inputs in FOLDER (default: a temporary
//                                    folder) and measures everything
//   pendra_bench_sheets run IN OUT   one measured run: read, compute, write

#include "PayrollFiles.h"
#include "sheets/PayrollIo.h"
#include "sheets/Withholding.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>

#include <cstdio>
#include <string>

namespace {

using namespace PayrollFiles;

// CPU seconds of this process so far, user and system.
double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

int Run(const QString &In, const QString &Out) {
    QElapsedTimer clock;
    clock.start();
    double cpu = CpuSeconds();
    // Wall and CPU seconds of the phase just done.
    const auto phase = [&] {
        const std::pair<double, double> spent{clock.nsecsElapsed() / 1e9, CpuSeconds() - cpu};
        clock.restart();
        cpu = CpuSeconds();
        return spent;
    };
    const sheets::ReadOutcome read = sheets::ReadPayroll(In);
    const auto reading = phase();
    if (read.Result != sheets::Status::Done) {
        std::fprintf(stderr, "%s\n", read.Error.toUtf8().constData());
        return 1;
    }
    const auto summary = sheets::Summarize(read.Sheet);
    const auto computing = phase();
    const sheets::WriteOutcome written = sheets::WritePayroll(Out, read.Sheet);
    const auto writing = phase();
    if (written.Result != sheets::Status::Done) {
        std::fprintf(stderr, "%s\n", written.Error.toUtf8().constData());
        return 1;
    }
    const qint64 size = QFileInfo(In).size();
    const auto shown = [](std::pair<double, double> spent) {
        return QStringLiteral("%1 s (%2 s)")
            .arg(spent.second, 0, 'f', 2)
            .arg(spent.first, 0, 'f', 2);
    };
    const std::pair<double, double> total{reading.first + computing.first + writing.first,
                                          reading.second + computing.second + writing.second};
    std::printf("| %s | %zu | %.1f MiB | %s | %s | %s | %s | %.1f MiB | %.2f × |\n",
                qPrintable(QFileInfo(In).suffix()), read.Sheet.RowCount(), MiB(size),
                qPrintable(shown(reading)), qPrintable(shown(computing)),
                qPrintable(shown(writing)), qPrintable(shown(total)), PeakMiB(),
                PeakMiB() / MiB(size));
    std::printf("<!-- rows written %zu, year tax %lld cents, %zu row errors -->\n", summary->Rows,
                static_cast<long long>(summary->YearTax), read.Sheet.Errors().size());
    return 0;
}

// CPU seconds of a child process, user and system; its wall seconds in Wall.
double Seconds(const QString &Program, const QStringList &Arguments, double &Wall) {
    rusage before{};
    getrusage(RUSAGE_CHILDREN, &before);
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(Program, Arguments);
    process.waitForFinished(-1);
    Wall = clock.nsecsElapsed() / 1e9;
    rusage after{};
    getrusage(RUSAGE_CHILDREN, &after);
    const auto seconds = [](const rusage &u) {
        return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec +
               u.ru_stime.tv_usec / 1e6;
    };
    return seconds(after) - seconds(before);
}

int All(const QString &Folder) {
    const QString csv = Folder + "/payroll.csv";
    const QString xlsx = Folder + "/payroll.xlsx";
    WriteCsv(csv);
    WriteXlsx(xlsx);
    std::printf(
        "CPU seconds (wall seconds in brackets)\n\n"
        "| input | rows | file | read | compute | write | total | peak memory | peak ÷ file |\n"
        "|---|---|---|---|---|---|---|---|---|\n");
    std::fflush(stdout);
    const QString self = QCoreApplication::applicationFilePath();
    double csvWall = 0;
    double xlsxWall = 0;
    double awkWall = 0;
    const double csvCpu = Seconds(self, {"run", csv, Folder + "/out.csv"}, csvWall);
    Seconds(self, {"run", xlsx, Folder + "/out.xlsx"}, xlsxWall);
    // One sum and one multiplication per row over the same file.
    const double awkCpu =
        Seconds("awk", {"-F,", "NR > 1 { s += $4 * 1.03 } END { printf \"awk %.2f\\n\", s }", csv},
                awkWall);
    std::printf("\nCSV run, whole process: %.2f s CPU (%.2f s wall); awk %.2f s CPU (%.2f s wall): "
                "%.2f × awk in CPU, %.2f × in wall time\n",
                csvCpu, csvWall, awkCpu, awkWall, csvCpu / awkCpu, csvWall / awkWall);
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    return PayrollFiles::Main(argc, argv, Run, All);
}
