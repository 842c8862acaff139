// The year file's reader over any bytes: it never crashes, is quick, and always says why it refuses
// in a short message without a control character once the Qt faces word its fault; what it accepts
// the year engine computes without overflow (the sanitizers stop the run on signed overflow), and
// writing it gives text that reads back as the same facts.

#include "FuzzCheck.h"
#include "engine/current/Year.h"
#include "formats/YearFile.h"
#include "sheets/FaultWords.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string_view bytes(reinterpret_cast<const char *>(Data), Size);
    const FuzzClock clock;
    const formats::YearRead read = formats::ParseYearFile(bytes);
    FUZZ_CHECK(clock.Seconds() < 1, "%zu bytes read in %.2f s", Size, clock.Seconds());
    FUZZ_CHECK(read.Facts.has_value() != read.Error.has_value(), "facts %d, fault %d",
               read.Facts.has_value(), read.Error.has_value());
    const QString error =
        read.Error ? sheets::json::FaultText(*read.Error, QStringLiteral("年度文件")) : QString();
    FUZZ_CHECK(read.Facts.has_value() == error.isEmpty(), "error \"%s\"",
               error.toUtf8().constData());
    FUZZ_CHECK(error.size() <= MaxMessageLength, "a message of %lld characters",
               static_cast<long long>(error.size()));
    for (const QChar c : error)
        FUZZ_CHECK(c.unicode() >= 0x20 && (c.unicode() < 0x7f || c.unicode() > 0x9f),
                   "control U+%04x in \"%s\"", static_cast<unsigned>(c.unicode()),
                   error.toUtf8().constData());
    if (!read.Facts)
        return 0;
    const current::YearResult year = current::ComputeYear(*read.Facts);
    FUZZ_CHECK(year.Settled.Figures.Taxable >= 0 && year.Jobs.size() == read.Facts->Jobs.size(),
               "taxable %lld", static_cast<long long>(year.Settled.Figures.Taxable));
    const std::string written = formats::YearFileText(*read.Facts);
    const formats::YearRead again = formats::ParseYearFile(written);
    FUZZ_CHECK(again.Facts && *again.Facts == *read.Facts, "written back as %s: fault %d",
               written.c_str(), again.Error ? static_cast<int>(again.Error->Kind) : -1);
    return 0;
}
