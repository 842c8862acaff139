// The household file's reader over any bytes: it never crashes and always says why it refuses.
// What it accepts splits without overflow (the sanitizers stop the run on signed overflow): the
// least total is at most that of everything to a and of the worst, and the best assignment gives
// two years the year file's contract accepts, so that a page may save them.

#include "FuzzCheck.h"
#include "engine/current/Household.h"
#include "sheets/HouseholdFile.h"

#include <cstdint>

namespace {

// Enough assignments to reach every kind of item and tie, few enough for many runs a second.
constexpr std::size_t SplitAtMost = 512;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const QByteArray bytes(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
    const sheets::HouseholdRead read = sheets::ParseHouseholdFile(bytes);
    FUZZ_CHECK(read.Facts.has_value() == read.Error.isEmpty(), "error \"%s\"",
               read.Error.toUtf8().constData());
    if (!read.Facts || current::CountAssignments(read.Facts->Shared) > SplitAtMost)
        return 0;
    const current::HouseholdSplit split = current::SplitHousehold(*read.Facts);
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
