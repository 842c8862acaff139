#pragma once
// The options of one command as pendra-cli reads them (--name value, --name=value, -name value,
// "--" ends the options), in plain C++ for the WebAssembly module: a mistake comes back as a
// fault (the option as its path, a kind, the values its words quote), never as text. Amounts go
// through the engine's own cents parser, months and modes through the same checks as the command
// line's.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"
#include "engine/current/Wage.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace web {

// A fault of the command line as data: the option it is about (its path), a kind and the values its
// words quote. The files' faults are formats::Fault; these are the command line's own.
struct OptionFault {
    std::string Path;
    std::string Kind;
    std::vector<std::string> Values;
};

using Refusal = std::optional<OptionFault>;

// A fault of the command line: Kind with the values its words quote, about Option if any.
OptionFault Fault(std::string Kind, std::vector<std::string> Values = {}, std::string Option = {});

class Options {
  public:
    void AddAmount(const std::string &Name, bool MayBeNegative = false);
    void AddValue(const std::string &Name);
    void AddFlag(const std::string &Name);
    void AddMonthRange(); // --from, --to
    void AddWageMonths(); // --mode with the months
    void AddPositional(); // one argument that is no option: the file of year and household

    // Reads the arguments after the command's name; adds --json and --help.
    Refusal Parse(const std::vector<std::string> &Arguments);

    bool IsSet(const std::string &Name) const;
    current::Cents Amount(const std::string &Name) const; // 0 when not given
    std::string Value(const std::string &Name) const;     // blanks around it taken off
    bool Json() const { return IsSet("json"); }
    bool Help() const { return IsSet("help"); }
    // The positional argument, when one is taken and given.
    const std::optional<std::string> &Positional() const { return PositionalGiven; }

    Refusal Require(const std::vector<std::string> &Names) const;
    Refusal Exclude(const std::string &Option, const std::vector<std::string> &Names) const;
    Refusal ReadMonthRange(int &First, int &Last) const;
    Refusal ReadWageMonths(current::BasicDeduction &Mode, int &First, int &Last,
                           const current::YearRules &Rules) const;

  private:
    struct Entry {
        std::string Name;
        bool TakesValue = false;
        bool Amount = false;
        bool MayBeNegative = false;
    };
    const Entry *Find(const std::string &Name) const;
    Refusal ReadAmounts();

    std::vector<Entry> Entries;
    std::map<std::string, std::vector<std::string>> Given;
    std::map<std::string, current::Cents> Amounts;
    bool TakesPositional = false;
    std::optional<std::string> PositionalGiven;
};

// A whole number as QString::toInt reads one after trimming: an optional sign and digits.
std::optional<int> WholeNumber(const std::string &Text);

} // namespace web
