// Amounts in cents of any text, and the current-law engines over them: what is accepted lies
// within the largest input, reads back from its two-decimal form, and no engine overflows on a
// year of such amounts (the sanitizers stop the run on signed overflow).

#include "FuzzCheck.h"
#include "engine/UNumText.h"
#include "engine/current/Bonus.h"
#include "engine/current/Internship.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"
#include "engine/current/Wage.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

using namespace current;

namespace {

void RunEngines(Cents Amount) {
    const Cents positive = Amount < 0 ? -Amount : Amount;
    std::vector<WageMonth> year;
    for (int month = 1; month <= 12; ++month)
        year.push_back({month, positive, positive / 3, positive / 5, positive / 7, positive});
    for (const auto mode :
         {BasicDeduction::PerMonth, BasicDeduction::FromJanuary, BasicDeduction::Sixty}) {
        for (const WageWithholding &row : WithholdWages(year, mode))
            FUZZ_CHECK(row.Tax >= 0 && row.CumulativeTaxable >= 0, "amount %lld",
                       static_cast<long long>(Amount));
    }
    FUZZ_CHECK(WithholdNonResidentWage(positive).Tax >= 0, "amount %lld",
               static_cast<long long>(Amount));
    for (const auto kind :
         {RemunerationKind::Labour, RemunerationKind::Author, RemunerationKind::Royalty})
        FUZZ_CHECK(WithholdRemuneration(positive, kind, Amount < 0).Tax >= 0, "amount %lld",
                   static_cast<long long>(Amount));
    const BonusComparison bonus = CompareBonus(positive, Amount);
    FUZZ_CHECK(bonus.BestSplit.Total <= bonus.Merged.Total, "amount %lld",
               static_cast<long long>(Amount));
    Settle({positive, positive, positive, positive, 0, positive, positive, positive, positive,
            positive, positive, BonusMethod::Merged, positive});
    TaxSeverance(positive, positive);
    for (const InternshipMonth &month : WithholdInternship(positive, 1, 12))
        FUZZ_CHECK(month.Withholding.Tax >= 0, "amount %lld", static_cast<long long>(Amount));
    const NonResidentBonus several = TaxNonResidentBonus(positive);
    FUZZ_CHECK(several.Tax >= 0 && several.Tax <= positive, "amount %lld",
               static_cast<long long>(Amount));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
    const std::string text(reinterpret_cast<const char *>(Data), Size);
    const auto cents = ParseCents(text);
    const auto amount = NumText::ParseAmount(text);
    FUZZ_CHECK(!cents || amount, "text \"%s\"", text.c_str());
    if (!cents) {
        FUZZ_CHECK(!amount || std::fabs(*amount) * 100 > static_cast<double>(MaxInputCents),
                   "text \"%s\" refused", text.c_str());
        return 0;
    }
    FUZZ_CHECK(*cents >= -MaxInputCents && *cents <= MaxInputCents, "text \"%s\"", text.c_str());
    FUZZ_CHECK(static_cast<double>(*cents) == std::round(*amount * 100), "text \"%s\"",
               text.c_str());
    const std::string shown = FormatCents(*cents);
    FUZZ_CHECK(ParseCents(shown) == cents, "text \"%s\" shown as %s", text.c_str(), shown.c_str());
    RunEngines(*cents);
    return 0;
}
