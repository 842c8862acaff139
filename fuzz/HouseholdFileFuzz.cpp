// The household file's reader over any bytes: it never crashes and always says why it refuses.
// What it accepts splits without overflow (the sanitizers stop the run on signed overflow): the
// least total is at most that of everything to a and of the worst, and the best assignment gives
// two years the year file's contract accepts, so that a page may save them. Every household the
// limits allow is split, the largest too, within a bound of time; a refusal is said shortly.

#include "FuzzCheck.h"
#include "engine/current/Household.h"
#include "formats/HouseholdFile.h"
#include "sheets/FaultWords.h"

#include <cstdint>
#include <string_view>

namespace {

// A split of the most assignments the limits allow takes milliseconds; under the sanitizers a
// split that recomputed whole years for each would take far longer than this.
constexpr double SplitSecondsAtMost = 2.0;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string_view bytes(reinterpret_cast<const char *>(Data), Size);
    const FuzzClock reading;
    const formats::HouseholdRead read = formats::ParseHouseholdFile(bytes);
    FUZZ_CHECK(reading.Seconds() < 1, "%zu bytes read in %.2f s", Size, reading.Seconds());
    const QString error =
        read.Error ? sheets::json::FaultText(*read.Error, QStringLiteral("家庭文件")) : QString();
    FUZZ_CHECK(read.Facts.has_value() == error.isEmpty(), "error \"%s\"",
               error.toUtf8().constData());
    FUZZ_CHECK(error.size() <= MaxMessageLength, "a message of %lld characters",
               static_cast<long long>(error.size()));
    if (!read.Facts || current::CountAssignments(read.Facts->Shared) > current::MaxCombinations)
        return 0;
    const FuzzClock clock;
    const current::HouseholdSplit split = current::SplitHousehold(*read.Facts);
    FUZZ_CHECK(clock.Seconds() < SplitSecondsAtMost, "%zu splits took %.2f s", split.Combinations,
               clock.Seconds());
    FUZZ_CHECK(split.Combinations == current::CountAssignments(read.Facts->Shared), "tried %zu",
               split.Combinations);
    FUZZ_CHECK(split.Best.Total <= split.AllToA.Total && split.AllToA.Total <= split.Worst.Total,
               "best %lld, all to a %lld, worst %lld", static_cast<long long>(split.Best.Total),
               static_cast<long long>(split.AllToA.Total),
               static_cast<long long>(split.Worst.Total));
    const current::CoupleFacts couple =
        current::ApplyAssignment(*read.Facts, split.Best.Assignment);
    FUZZ_CHECK(!current::CheckYear(couple.A) && !current::CheckYear(couple.B),
               "the best assignment gives a year at fault");
    return 0;
}
