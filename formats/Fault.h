#pragma once
// A fault found in a file or a request, as data: where it is (the key path,
// "jobs[1].pay[0].income", or the line and column of a syntax fault), what kind it is, and the
// values its words quote, each already cut to a short piece and with its control characters
// written as escapes. Each face words it in its own language (the Qt faces through tr());
// nothing here is text for a person.

#include "engine/current/Household.h"
#include "engine/current/YearFacts.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace formats {

enum class FaultKind {
    // The text is not a JSON document (Line and Column say where).
    UnterminatedObject,
    MissingNameSeparator,
    UnterminatedArray,
    MissingValueSeparator,
    IllegalNumber,
    IllegalEscape,
    IllegalUtf8,
    UnterminatedString,
    DeepNesting,
    GarbageAtEnd,
    Unrecognised,
    // What the JSON grammar forbids inside a string, placed at the string (Line, Column) and its
    // key path: a raw control character (Values: its escape, "\u001b"), half of a surrogate pair
    // (Values: the escape as written, "\ud800").
    ControlCharacter,
    LoneSurrogate,
    DuplicateKey,
    Utf16,        // the document is in UTF-16
    NotADocument, // its root is not an object
    // A value against the contract.
    NotAnAmount,    // Values: the text
    AmountNegative, // Values: the text
    AmountDecimals, // Values: the text
    AmountTooLarge, // the largest is current::LargestInputCents
    NotAmountType,  // neither a number nor a string
    NotInteger,
    NumberOutOfRange, // Values: the number as "%.6g" writes it
    NotText,
    NotDate,                 // Values: the text
    NotMonth,                // Values: the text
    EducationEndBeforeBirth, // Values: the birth date, "2019-04-02"
    UnknownName,             // Values: the text, then each name allowed there
    NotObject,
    UnknownKey, // Values: each key allowed there
    MissingKey,
    NotFlag,
    NotList,
    NotPatient,  // an illness's child neither an index from 0 nor a name
    NameTooLong, // the person's name longer than current::MaxNameLength characters
    // The household file's own.
    ShareInShared, // a shared item with a share, which the split decides
    NowNotAllowed, // a shared item's "now" the law does not allow for it
    SignerMissing, // a shared lease without "signed_by"
    // The facts as read, refused by the engine's checks.
    Year,
    Household,
};

struct Fault {
    FaultKind Kind = FaultKind::Unrecognised;
    std::string Path; // key path; empty at the document's root
    std::vector<std::string> Values;
    int Line = 0; // of a syntax fault and of what is placed in a string, from 1; 0 elsewhere
    int Column = 0;
    std::optional<current::YearFault> InYear;           // of Kind Year
    std::optional<current::HouseholdFault> InHousehold; // of Kind Household
};

// A fault at Path with Values, placed nowhere in the text.
Fault FaultAt(FaultKind Kind, std::string Path = {}, std::vector<std::string> Values = {});

// "jobs[1]", "jobs[1].pay": the path of an element and of a key below Path (the key quoted).
std::string Item(const std::string &Path, std::size_t Index);
std::string Join(const std::string &Path, std::string_view Key);

// Text from outside as a message or a terminal shows it: control characters (and those that turn
// the direction of the text) written as escapes ("\u001b"), so that none acts on the terminal,
// breaks a line or forges one. Bytes that are not UTF-8 show as U+FFFD.
std::string Visible(std::string_view Utf8);
// A value or key from outside as a message quotes it: visible, and cut to its first MaxQuoted
// UTF-16 code units and "…", since a message quoting a megabyte whole takes seconds to lay out.
inline constexpr std::size_t MaxQuoted = 40;
std::string Quoted(std::string_view Utf8);

} // namespace formats
