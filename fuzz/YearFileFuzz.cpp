// The year file's reader over any bytes: it never crashes, is quick, and always says why it refuses
// in a short message without a control character; what it accepts the year engine computes without
// overflow (the sanitizers stop the run on signed overflow), and writing it gives text that reads
// back as the same facts.

#include "FuzzCheck.h"
#include "engine/current/Year.h"
#include "sheets/YearFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    const FuzzClock clock;
    const sheets::YearRead read = sheets::ParseYearFile(bytes);
    FUZZ_CHECK(clock.Seconds() < 1, "%zu bytes read in %.2f s", Size, clock.Seconds());
    FUZZ_CHECK(read.Facts.has_value() == read.Error.isEmpty(), "error \"%s\"",
               read.Error.toUtf8().constData());
    FUZZ_CHECK(read.Error.size() <= MaxMessageLength, "a message of %lld characters",
               static_cast<long long>(read.Error.size()));
    for (const QChar c : read.Error)
        FUZZ_CHECK(c.unicode() >= 0x20 && (c.unicode() < 0x7f || c.unicode() > 0x9f),
                   "control U+%04x in \"%s\"", static_cast<unsigned>(c.unicode()),
                   read.Error.toUtf8().constData());
    if (!read.Facts)
        return 0;
    const current::YearResult year = current::ComputeYear(*read.Facts);
    FUZZ_CHECK(year.Settled.Figures.Taxable >= 0 && year.Jobs.size() == read.Facts->Jobs.size(),
               "taxable %lld", static_cast<long long>(year.Settled.Figures.Taxable));
    const QByteArray written = sheets::YearFileBytes(*read.Facts);
    const sheets::YearRead again = sheets::ParseYearFile(written);
    FUZZ_CHECK(again.Facts && *again.Facts == *read.Facts, "written back as %s: %s",
               written.constData(), again.Error.toUtf8().constData());
    return 0;
}
