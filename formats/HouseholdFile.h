#pragma once
// The household file: a couple's two year files and the deductions either of them may claim, in
// one JSON document in UTF-8:
//   { "a": { year file }, "b": { year file },
//     "shared": { "children": [ { "born": "2019-04-02", "education_end": null } ],
//                 "housing_loan": { "first_repayment": "2018-06", "both_before_marriage": false },
//                 "rent": [ { "from": "2026-01", "to": "2026-12", "amount": 1500,
//                             "signed_by": "a" } ],
//                 "illness": [ { "who": "子女", "paid": 40000 } ] } }
// Each shared item may say who claims it now ("now": "a", "b" or "half", as the law allows for
// the item); a lease says who signed it ("signed_by": "a", "b" or "both"), which it must.
// Read as the year file is read, each fault named by its key path from the document's root
// ("a.jobs[0].pay[1].income", "shared.children[0].share"), and refused with everything
// CheckHousehold refuses. "shared" and each of its keys may be left out.

#include "engine/current/Household.h"
#include "formats/Fault.h"
#include "formats/YearFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace formats {

// Two year files of the largest size and the shared items, with room to spare.
inline constexpr std::size_t MaxHouseholdFileSize = 3 * MaxYearFileSize;

struct HouseholdRead {
    std::optional<current::Household> Facts; // none when refused
    std::optional<Fault> Error;              // why, when refused
    // Some shared items say who claims them now and this one, the first that does not, does
    // not: the split they have now is not known. Empty otherwise.
    std::string WithoutNow = {};
};

HouseholdRead ParseHouseholdFile(std::string_view Bytes);

} // namespace formats
