#pragma once
// The year file's readers for a document that holds a year file, or entries of one, at a key path
// (the household file holds two and the couple's shared items): the same contract and faults,
// the first fault thrown as json::Refusal with its path from the document's root. The facts come
// back as read, not yet checked by CheckYear.

#include "engine/current/YearFacts.h"
#include "formats/JsonRead.h"
#include "formats/Vocabulary.h"
#include "formats/YearFile.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

current::YearFacts ReadYearValue(const json::Value &Of, const std::string &Path);
current::LeaseFacts ReadLeaseValue(const json::Value &Of, const std::string &Path);
current::IllnessFacts ReadIllnessValue(const json::Value &Of, const std::string &Path);

// The facts of a year file's JSON value held in memory (a page's facts as typed), with the faults
// its text would have at the same key paths; checked by CheckYear when Checked says so.
YearRead ReadYearDocument(const json::Value &Document, bool Checked);
// The facts as the year file's JSON value: the keys and numbers its text holds.
json::Value YearFileValue(const current::YearFacts &Facts);

// The names a file may hold for a word: each file key, then each English key besides.
template <class T> std::vector<json::Named<T>> NamesOf(std::span<const Word<T>> Words) {
    std::vector<json::Named<T>> names;
    for (const Word<T> &word : Words)
        names.push_back({word.FileKey, word.Value});
    for (const Word<T> &word : Words) {
        if (std::string_view(word.EnglishKey) != word.FileKey)
            names.push_back({word.EnglishKey, word.Value});
    }
    return names;
}

} // namespace formats
