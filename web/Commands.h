#pragma once
// The commands of pendra-cli that the WebAssembly module runs: the same options, the same engines
// and the same JSON text as `pendra-cli COMMAND ... --json`, or a fault as data.

#include "formats/Result.h"
#include "web/Options.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace web {

struct Outcome {
    int Status = 0;     // pendra-cli's exit status: 0 done, 2 nothing computed
    std::string Result; // the JSON text, when done
    std::optional<OptionFault> Fault;
    std::string Command; // whose usage a fault refers to ("wage", "reverse wage")
    bool Json = false;   // whether --json was given (the module always gives JSON)
    bool Help = false;   // --help was asked for: pendra-cli's own
    // year, household: the file named, which the caller reads and hands to Document.
    std::optional<std::string> File;
    // household: the first shared item without "now" when others have one (HouseholdRead).
    std::string WithoutNow;
};

// The JSON text as pendra-cli prints it: written by formats::ResultText and each line shown as
// its output to a terminal is (cli/Output.cpp's ForTerminal), where the characters that turn the
// direction of the text and the separators JSON holds raw (U+202E, U+2028, U+007F, U+0085) are
// written as escapes, which JSON reads as the same characters.
std::string Printed(const formats::Json &Result);

// Arguments as pendra-cli takes them after --lang is taken out: the command first.
Outcome Run(const std::vector<std::string> &Arguments);

// The most bytes the file of year or household may have, as pendra-cli reads it.
std::size_t MostBytes(const std::string &Command);
// year or household over the file's Size bytes at Data: the JSON text of --json, or the file's
// fault as data. Data may be null when Size is beyond MostBytes.
Outcome Document(const std::string &Command, const char *Data, std::size_t Size);

} // namespace web
