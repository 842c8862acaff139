// Rates typed as percentages with two decimals: what is accepted lies within the bounds, reads
// back from its own two-decimal form, and levies insurance on the largest base without overflow
// (the sanitizers stop the run on signed overflow).

#include "FuzzCheck.h"
#include "engine/current/Reverse.h"

#include <cstdint>
#include <string>

using namespace current;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string text(reinterpret_cast<const char *>(Data), Size);
    const auto rate = ParseHundredths(text);
    if (!rate)
        return 0;
    FUZZ_CHECK(*rate >= 0 && *rate <= 1000 * WholeInHundredths, "text \"%s\"", text.c_str());
    const std::string fraction = std::to_string(100 + *rate % 100).substr(1);
    const std::string shown = std::to_string(*rate / 100) + '.' + fraction;
    FUZZ_CHECK(ParseHundredths(shown) == rate, "text \"%s\" shown as %s", text.c_str(),
               shown.c_str());
    const InsuranceByRate byRate{*rate, 0, MaxInputCents};
    FUZZ_CHECK(InsuranceOf(MaxInputCents, byRate) >= 0, "text \"%s\"", text.c_str());
    return 0;
}
