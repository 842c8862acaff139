#include "web/Options.h"

#include "engine/UNumText.h"
#include "formats/ResultKeys.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace web {
namespace {

std::string Trimmed(const std::string &Text) {
    const auto blank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    auto first = std::find_if_not(Text.begin(), Text.end(), blank);
    auto last = std::find_if_not(Text.rbegin(), Text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Dashed(const std::string &Name) {
    return "--" + Name;
}

bool SameIgnoringCase(const std::string &A, const char *B) {
    const std::string b(B);
    return A.size() == b.size() && std::equal(A.begin(), A.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

// The 减除方式 as a payroll sheet takes it: the Chinese word or its English key.
std::optional<current::BasicDeduction> ModeNamed(const std::string &Text) {
    struct Word {
        const char *Chinese;
        current::BasicDeduction Mode;
    };
    constexpr Word words[] = {{"按月", current::BasicDeduction::PerMonth},
                              {"自1月", current::BasicDeduction::FromJanuary},
                              {"6万", current::BasicDeduction::Sixty}};
    for (const Word &word : words) {
        if (Text == word.Chinese || SameIgnoringCase(Text, formats::keys::Mode(word.Mode)))
            return word.Mode;
    }
    return std::nullopt;
}

std::string IsoDate(const current::Date &Day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", Day.Year, Day.Month, Day.Day);
    return text;
}

} // namespace

OptionFault Fault(std::string Kind, std::vector<std::string> Values, std::string Option) {
    OptionFault fault;
    fault.Path = std::move(Option);
    fault.Kind = std::move(Kind);
    fault.Values = std::move(Values);
    return fault;
}

std::optional<int> WholeNumber(const std::string &Text) {
    std::string text = Trimmed(Text);
    if (!text.empty() && text.front() == '+')
        text.erase(0, 1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void Options::AddAmount(const std::string &Name, bool MayBeNegative) {
    Entries.push_back({Name, true, true, MayBeNegative});
}

void Options::AddValue(const std::string &Name) {
    Entries.push_back({Name, true, false, false});
}

void Options::AddFlag(const std::string &Name) {
    Entries.push_back({Name, false, false, false});
}

void Options::AddPositional() {
    TakesPositional = true;
}

void Options::AddMonthRange() {
    AddValue("from");
    AddValue("to");
}

void Options::AddWageMonths() {
    AddValue("mode");
    AddMonthRange();
}

const Options::Entry *Options::Find(const std::string &Name) const {
    for (const Entry &entry : Entries) {
        if (entry.Name == Name)
            return &entry;
    }
    return nullptr;
}

Refusal Options::Parse(const std::vector<std::string> &Arguments) {
    AddFlag("json");
    AddFlag("help");
    Entries.push_back({"h", false, false, false});
    std::vector<std::string> positional;
    Refusal unknown, misused;
    bool options = true;
    for (std::size_t i = 0; i < Arguments.size(); ++i) {
        const std::string &argument = Arguments[i];
        if (!options || argument.size() < 2 || argument[0] != '-') {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--") {
            options = false;
            continue;
        }
        // One dash or two: both name a long option.
        const std::string body = argument.substr(argument[1] == '-' ? 2 : 1);
        const auto equals = body.find('=');
        const std::string name = body.substr(0, equals);
        const Entry *entry = Find(name);
        if (!entry) {
            if (!unknown)
                unknown = Fault("unknown-option", {name.size() == 1 ? "-" + name : Dashed(name)});
            continue;
        }
        const std::string key = entry->Name == "h" ? "help" : entry->Name;
        if (!entry->TakesValue) {
            if (equals != std::string::npos && !misused)
                misused = Fault("unexpected-value", {argument.substr(0, argument.find('='))});
            Given[key].push_back({});
        } else if (equals != std::string::npos) {
            Given[key].push_back(body.substr(equals + 1));
        } else if (i + 1 < Arguments.size()) {
            Given[key].push_back(Arguments[++i]);
        } else if (!misused) {
            misused = Fault("missing-value", {argument});
        }
    }
    if (unknown)
        return unknown;
    if (misused)
        return misused;
    if (Help())
        return std::nullopt;
    const std::size_t taken = TakesPositional ? 1 : 0;
    if (positional.size() > taken)
        return Fault("extra-argument", {positional[taken]});
    if (taken && !positional.empty())
        PositionalGiven = positional.front();
    for (const auto &[name, values] : Given) {
        if (values.size() > 1)
            return Fault("repeated", {Dashed(name)}, Dashed(name));
    }
    return ReadAmounts();
}

Refusal Options::ReadAmounts() {
    for (const Entry &entry : Entries) {
        if (!entry.Amount || !IsSet(entry.Name))
            continue;
        const std::string &text = Given.at(entry.Name).front();
        const std::string option = Dashed(entry.Name);
        const std::optional<current::Cents> cents = current::ParseCents(text);
        if (!cents && NumText::ParseNumber(text))
            return Fault("amount-out-of-range",
                         {option, text, current::FormatCents(current::LargestInputCents)}, option);
        if (!cents)
            return Fault("not-a-number", {option, text}, option);
        if (*cents < 0 && !entry.MayBeNegative)
            return Fault("negative-amount", {option, text}, option);
        Amounts[entry.Name] = *cents;
    }
    return std::nullopt;
}

bool Options::IsSet(const std::string &Name) const {
    return Given.count(Name) != 0;
}

current::Cents Options::Amount(const std::string &Name) const {
    const auto found = Amounts.find(Name);
    return found == Amounts.end() ? 0 : found->second;
}

std::string Options::Value(const std::string &Name) const {
    const auto found = Given.find(Name);
    return found == Given.end() ? std::string() : Trimmed(found->second.front());
}

Refusal Options::Require(const std::vector<std::string> &Names) const {
    for (const std::string &name : Names) {
        if (!IsSet(name))
            return Fault("missing-option", {Dashed(name)}, Dashed(name));
    }
    return std::nullopt;
}

Refusal Options::Exclude(const std::string &Option, const std::vector<std::string> &Names) const {
    if (!IsSet(Option))
        return std::nullopt;
    for (const std::string &name : Names) {
        if (IsSet(name))
            return Fault("excluded-option", {Dashed(name), Dashed(Option)}, Dashed(name));
    }
    return std::nullopt;
}

Refusal Options::ReadMonthRange(int &First, int &Last) const {
    const auto month = [this](const char *Name, int Default) -> std::optional<int> {
        if (!IsSet(Name))
            return Default;
        const auto value = WholeNumber(Value(Name));
        return value && *value >= 1 && *value <= 12 ? value : std::nullopt;
    };
    const auto from = month("from", 1);
    const auto to = month("to", 12);
    if (!from || !to)
        return Fault("month-invalid", {}, from ? "--to" : "--from");
    if (*from > *to)
        return Fault("months-out-of-order", {std::to_string(*from), std::to_string(*to)});
    First = *from;
    Last = *to;
    return std::nullopt;
}

Refusal Options::ReadWageMonths(current::BasicDeduction &Mode, int &First, int &Last,
                                const current::YearRules &Rules) const {
    Mode = current::BasicDeduction::PerMonth;
    if (IsSet("mode")) {
        const auto named = ModeNamed(Value("mode"));
        if (!named)
            return Fault("mode-unknown", {Value("mode")}, "--mode");
        Mode = *named;
    }
    if (!current::InLaw(Mode, Rules)) {
        const bool sixty = Mode == current::BasicDeduction::Sixty;
        const current::Document law =
            sixty ? current::Law::SixtyDocument : current::Law::FromJanuaryDocument;
        return Fault("mode-not-in-law",
                     {Value("mode"),
                      IsoDate(sixty ? current::Law::SixtyFrom : current::Law::FromJanuaryFrom),
                      law.By == current::Issuer::Sat ? "sat" : "mof-sat", std::to_string(law.Year),
                      std::to_string(law.Number), std::to_string(Rules.Year)},
                     "--mode");
    }
    if (auto fault = ReadMonthRange(First, Last))
        return fault;
    // 6万 is for those employed here all last year and still in January: a year from January.
    if (Mode == current::BasicDeduction::Sixty && First != 1)
        return Fault("sixty-not-from-january", {std::to_string(First)}, "--from");
    return std::nullopt;
}

} // namespace web
