// The parameter file init.ini as the program reads it at every start, over any bytes: the special
// deductions section, the [Window] keys (the last page, the language) and the [YearFile] keys (the
// last year file, whether the deductions moved). Nothing crashes or takes long; a page name read
// is an object name, a language one of the two; and a year file's path written there reads back
// as it was, whatever else the file holds.

#include "FuzzCheck.h"
#include "common/UFileManager.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QTemporaryDir &Folder() {
    static QTemporaryDir folder;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    static const bool once = [] {
        TFileManager::SetFoldersForTesting(Folder().path(), Folder().path());
        return true;
    }();
    (void)once;
    const QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    {
        QFile file(QDir(Folder().path()).filePath(TFileManager::FileName));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(bytes) != bytes.size())
            return 0;
    }
    const FuzzClock clock;
    std::vector<current::DeductionsIni::OverLimit> beyond;
    (void)TFileManager::ReadDeductions(&beyond);
    (void)TFileManager::ReadSetupInfo();
    (void)TFileManager::ReadDeductionsMoved();
    if (const auto page = TFileManager::ReadLastPage())
        FUZZ_CHECK(!page->isEmpty() && page->size() <= 64, "page \"%s\"", qPrintable(*page));
    if (const auto language = TFileManager::ReadLanguage())
        FUZZ_CHECK(*language == Translations::Language::Chinese ||
                       *language == Translations::Language::English,
                   "language %d", static_cast<int>(*language));
    const std::optional<QString> last = TFileManager::ReadLastYearFile();
    FUZZ_CHECK(clock.Seconds() < 1, "%zu bytes read in %.2f s", Size, clock.Seconds());

    // A path of any characters, the input's own text, survives the file's lines.
    const QString path = QStringLiteral("/") + QString::fromUtf8(bytes.left(200));
    if (TFileManager::WriteLastYearFile(path) == TFileManager::TWriteResult::Written)
        FUZZ_CHECK(TFileManager::ReadLastYearFile() == path, "path \"%s\" read back as \"%s\"",
                   qPrintable(path), qPrintable(TFileManager::ReadLastYearFile().value_or("")));
    (void)last;
    return 0;
}
