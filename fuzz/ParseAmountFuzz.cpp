// Amount parsing of any text: what it accepts is made of the grammar's characters, comes out
// finite and on whole cents, and reads back unchanged from both display forms.

#include "FuzzCheck.h"
#include "engine/UNumText.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

bool OfGrammar(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E' ||
           c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string text(reinterpret_cast<const char *>(Data), Size);
    const auto number = NumText::ParseNumber(text);
    const auto amount = NumText::ParseAmount(text);
    // An amount is a number below the limit once rounded to cents.
    const bool withinLimit =
        number && std::fabs(NumText::RoundToCents(*number)) < NumText::AmountLimit;
    FUZZ_CHECK(withinLimit == amount.has_value(), "text \"%s\"", text.c_str());

    // Blanks around a pasted amount never change the verdict.
    const auto padded = NumText::ParseAmount(" " + text + "\t");
    FUZZ_CHECK(padded.has_value() == amount.has_value() && (!padded || *padded == *amount),
               "text \"%s\"", text.c_str());
    if (!amount)
        return 0;

    bool digit = false;
    for (const char c : text) {
        FUZZ_CHECK(OfGrammar(c), "accepted \"%s\" with character %d", text.c_str(), c);
        digit = digit || (c >= '0' && c <= '9');
    }
    FUZZ_CHECK(digit, "accepted \"%s\" without a digit", text.c_str());
    FUZZ_CHECK(std::isfinite(*number) && std::isfinite(*amount), "text \"%s\"", text.c_str());

    // On whole cents, at most half a cent from the number typed.
    FUZZ_CHECK(*amount == NumText::RoundToCents(*number), "text \"%s\"", text.c_str());
    FUZZ_CHECK(NumText::RoundToCents(*amount) == *amount, "text \"%s\"", text.c_str());
    FUZZ_CHECK(std::fabs(*amount - *number) <= 0.005 + 1e-14 * std::fabs(*number),
               "text \"%s\" gave %.17g", text.c_str(), *amount);

    // Both display forms read back: "0.00" exactly, the general form to 15 digits.
    const std::string cents = NumText::FormatCents(*amount);
    const auto centsBack = NumText::ParseAmount(cents);
    FUZZ_CHECK(centsBack && *centsBack == *amount, "text \"%s\" shown as %s", text.c_str(),
               cents.c_str());
    const std::string general = NumText::FormatGeneral(*amount);
    const auto generalBack = NumText::ParseNumber(general);
    FUZZ_CHECK(generalBack && std::fabs(*generalBack - *amount) <= 1e-14 * std::fabs(*amount),
               "text \"%s\" shown as %s", text.c_str(), general.c_str());
    return 0;
}
