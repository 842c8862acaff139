// Years until the statutory retirement age as typed: what is accepted is exact, within the bound,
// reads back from its own form, and spreads the largest lump sum without overflow.

#include "FuzzCheck.h"
#include "engine/current/Severance.h"

#include <cstdint>
#include <string>

using namespace current;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string text(reinterpret_cast<const char *>(Data), Size);
    const auto years = ParseYearsHundredths(text);
    if (!years)
        return 0;
    FUZZ_CHECK(*years > 0 && *years <= MaxYearsHundredths, "text \"%s\"", text.c_str());
    const std::string shown = FormatYuan(*years);
    FUZZ_CHECK(ParseYearsHundredths(shown) == years, "text \"%s\" shown as %s", text.c_str(),
               shown.c_str());
    for (const Cents amount : {Cents{0}, Cents{1}, Yuan(500000), MaxInputCents}) {
        const EarlyRetirement e = TaxEarlyRetirement(amount, *years);
        FUZZ_CHECK(e.Tax >= 0 && e.Tax <= amount, "text \"%s\" amount %lld", text.c_str(),
                   static_cast<long long>(amount));
    }
    return 0;
}
