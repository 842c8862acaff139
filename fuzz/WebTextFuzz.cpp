// What the program reads from the network over any bytes: the version page's number and a page's
// title. A version is read only from a number that is all there is (blanks before it and a sign
// aside); a title holds no control character, no line break and nothing the page did not hold,
// and neither takes long on a page of any size the program fetches.

#include "FuzzCheck.h"
#include "common/UWebText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    const FuzzClock clock;
    const QString text = QString::fromUtf8(bytes);
    if (const auto version = WebText::ParseVersion(text)) {
        const QString digits = text.trimmed();
        FUZZ_CHECK(digits.toInt() == *version && !digits.isEmpty(), "version %d from \"%s\"",
                   *version, bytes.constData());
    }
    const QString title = WebText::ExtractTitle(bytes);
    FUZZ_CHECK(title.size() <= text.size(), "title longer than the page");
    for (const QChar c : title)
        FUZZ_CHECK(c.category() != QChar::Other_Control && c != u'\n' && c.unicode() != 0x2028 &&
                       c.unicode() != 0x202e,
                   "control U+%04x in the title", static_cast<unsigned>(c.unicode()));
    FUZZ_CHECK(WebText::WithoutControls(title) == title, "title not yet fit to show");
    FUZZ_CHECK(clock.Seconds() < 1, "%zu bytes in %.2f s", Size, clock.Seconds());
    return 0;
}
