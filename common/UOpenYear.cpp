#include "common/UOpenYear.h"

#include "sheets/YearFile.h"

TOpenYear &TOpenYear::Instance() {
    // Made on first use and kept for the program's life: only the interface thread uses it.
    static TOpenYear year;
    return year;
}

void TOpenYear::Hold(current::YearFacts Facts) {
    Held = std::move(Facts);
    Figures = current::ComputeYear(Held);
    Open = true;
    ++Counter;
}

void TOpenYear::TakeStamp(std::optional<sheets::FileStamp> Stamp) {
    FileStamp = Stamp ? std::move(Stamp) : sheets::StampOfFile(FilePath, sheets::MaxYearFileSize);
}

void TOpenYear::Start(current::YearFacts Facts) {
    Hold(std::move(Facts));
    FilePath.clear();
    FileStamp.reset();
    Modified = true;
    Pending.clear();
    emit Changed();
}

void TOpenYear::Update(current::YearFacts Facts) {
    Hold(std::move(Facts));
    Modified = true;
    Pending.clear();
    emit Changed();
}

void TOpenYear::Opened(current::YearFacts Facts, const QString &Path,
                       std::optional<sheets::FileStamp> Stamp) {
    Hold(std::move(Facts));
    FilePath = Path;
    TakeStamp(std::move(Stamp));
    Modified = false;
    Pending.clear();
    emit Changed();
}

void TOpenYear::Saved(const QString &Path, std::optional<sheets::FileStamp> Stamp) {
    FilePath = Path;
    TakeStamp(std::move(Stamp));
    Modified = false;
    emit Changed();
}

void TOpenYear::Close() {
    const bool was = Open;
    Open = false;
    Modified = false;
    Held = {};
    Figures = {};
    FilePath.clear();
    FileStamp.reset();
    Pending.clear();
    ++Counter;
    if (was)
        emit Changed();
}

void TOpenYear::SetPending(const QString &Fault) {
    if (Pending == Fault)
        return;
    Pending = Fault;
    emit Changed();
}
