#pragma once
// Reading a JSON document of facts, as the year file and the household file are read: a document
// of bounded depth, a syntax fault placed by line and column, what the JSON grammar forbids
// refused (a key twice in one object, a raw control character in a string, half of a surrogate
// pair), objects whose keys are checked against those the contract allows there, values of the
// type the contract names. The first fault is thrown as a Refusal with its key path
// ("jobs[1].pay[0].income"), the kind and the values its words quote.

#include "engine/current/Money.h"
#include "engine/current/YearFacts.h"
#include "formats/Fault.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace formats::json {

using Value = nlohmann::json;

// The first fault of a document: reading stops there.
struct Refusal {
    Fault Found;
};

[[noreturn]] void Refuse(FaultKind Kind, std::string Path, std::vector<std::string> Values = {});

// Nesting deeper than this is refused, as no file of facts nests more than a few levels.
inline constexpr std::size_t MaxDepth = 1024;

// Bytes as a JSON document whose root is an object: its encoding, its syntax and what the JSON
// grammar forbids. The fault, or none with Document set. Every number is held as a double, as
// the contract reads numbers.
std::optional<Fault> ParseDocument(std::string_view Bytes, Value &Document);

current::Cents AmountOf(const Value &Of, const std::string &Path);
int IntegerOf(const Value &Of, const std::string &Path);
std::string TextOf(const Value &Of, const std::string &Path);
current::Date DateOf(const Value &Of, const std::string &Path);
current::CalendarMonth MonthOf(const Value &Of, const std::string &Path);
// A child's education_end: a month, not before the month the child was Born.
current::CalendarMonth EducationEndOf(const Value &Of, const std::string &Path,
                                      const current::Date &Born);

// A name the file may hold for a value of the program.
template <class T> struct Named {
    const char *Name;
    T Value;
};

// Which of Names the text at Path is.
std::size_t NameIndex(const Value &Of, const std::string &Path, std::span<const char *const> Names);

template <class T>
T NamedOf(const Value &Of, const std::string &Path, std::span<const Named<T>> Names) {
    std::vector<const char *> names;
    for (const Named<T> &named : Names)
        names.push_back(named.Name);
    return Names[NameIndex(Of, Path, names)].Value;
}

// One object of the file: its keys checked against those the contract allows there, its values
// read by key.
class Fields {
  public:
    Fields(const Value &Of, std::string Where, std::initializer_list<const char *> Keys);

    std::string At(const char *Key) const { return Join(Path, Key); }
    bool Has(const char *Key) const { return Get(Key) != nullptr; }

    // Absent and null alike mean "not given".
    const Value *Get(const char *Key) const;
    const Value &Need(const char *Key) const;

    int Integer(const char *Key) const { return IntegerOf(Need(Key), At(Key)); }
    int Integer(const char *Key, int Default) const {
        const Value *value = Get(Key);
        return value ? IntegerOf(*value, At(Key)) : Default;
    }
    current::Cents Amount(const char *Key) const { return AmountOf(Need(Key), At(Key)); }
    current::Cents Amount(const char *Key, current::Cents Default) const {
        const Value *value = Get(Key);
        return value ? AmountOf(*value, At(Key)) : Default;
    }
    bool Flag(const char *Key, bool Default) const;
    std::string Text(const char *Key) const { return TextOf(Need(Key), At(Key)); }
    template <class T> T Name(const char *Key, std::span<const Named<T>> Names) const {
        return NamedOf(Need(Key), At(Key), Names);
    }
    template <class T> T Name(const char *Key, std::span<const Named<T>> Names, T Default) const {
        const Value *value = Get(Key);
        return value ? NamedOf(*value, At(Key), Names) : Default;
    }

    // Each entry of the list at Key read by Read(value, path); a list not given is empty.
    template <class Reader> auto List(const char *Key, Reader Read, bool Required = false) const {
        std::vector<std::decay_t<decltype(Read(Value(), std::string()))>> items;
        const Value *array = ArrayAt(Key, Required);
        if (!array)
            return items;
        const std::string path = At(Key);
        items.reserve(array->size());
        for (std::size_t i = 0; i < array->size(); ++i)
            items.push_back(Read((*array)[i], Item(path, i)));
        return items;
    }

  private:
    const Value *ArrayAt(const char *Key, bool Required) const;

    std::string Path;
    const Value *Object;
};

} // namespace formats::json
