// Each word of the vocabulary is read from the year file by its file key and by its English key,
// and written back by its file key.

#include "formats/Vocabulary.h"
#include "formats/YearFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Year =
    R"({"year":2026,"jobs":[{"employer":"甲","mode":"MODE","pay":[{"from":1,"income":1}]}],
"children":[{"born":"2015-01-01"}],"illness":[{"who":"WHO","paid":1}],
"payments":[{"month":3,"kind":"KIND","amount":1}],"bonus_method":"METHOD"})";

std::string With(std::string Text, const std::string &Mark, const std::string &Key) {
    return Text.replace(Text.find(Mark), Mark.size(), Key);
}

// The year with Key in the place of Mark (the others their first words), read; its text written.
template <class T>
void ReadsAndWritesBack(std::span<const formats::Word<T>> Words, const char *Mark,
                        T (*Of)(const current::YearFacts &)) {
    for (const formats::Word<T> &word : Words) {
        for (const char *key : {word.FileKey, word.EnglishKey}) {
            std::string text = With(Year, Mark, key);
            for (const char *other : {"MODE", "WHO", "KIND", "METHOD"}) {
                if (text.find(other) != std::string::npos)
                    text = With(text, other,
                                other == std::string("MODE")   ? "按月"
                                : other == std::string("WHO")  ? "本人"
                                : other == std::string("KIND") ? "labour"
                                                               : "best");
            }
            const formats::YearRead read = formats::ParseYearFile(text);
            ASSERT_TRUE(read.Facts.has_value()) << key;
            EXPECT_EQ(Of(*read.Facts), word.Value) << key;
            EXPECT_NE(
                formats::YearFileText(*read.Facts).find('"' + std::string(word.FileKey) + '"'),
                std::string::npos)
                << key;
        }
    }
}

TEST(FormatsVocabulary, EachWordReadByEitherKeyAndWrittenByItsFileKey) {
    ReadsAndWritesBack<current::BasicDeduction>(
        formats::WithholdingModes(), "MODE",
        [](const current::YearFacts &F) { return F.Jobs[0].Mode; });
    ReadsAndWritesBack<current::IllnessOf>(
        formats::Patients(), "WHO", [](const current::YearFacts &F) { return F.Illness[0].Who; });
    ReadsAndWritesBack<current::RemunerationKind>(
        formats::RemunerationKinds(), "KIND",
        [](const current::YearFacts &F) { return F.Payments[0].Kind; });
    ReadsAndWritesBack<current::BonusChoice>(
        formats::BonusMethods(), "METHOD",
        [](const current::YearFacts &F) { return F.BonusMethod; });
}

} // namespace
