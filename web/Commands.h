#pragma once
// The commands of pendra-cli that the WebAssembly module runs: the same options, the same engines
// and the same JSON text as `pendra-cli COMMAND ... --json`, or a fault as data.

#include "web/Options.h"

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
};

// Arguments as pendra-cli takes them after --lang is taken out: the command first.
Outcome Run(const std::vector<std::string> &Arguments);

} // namespace web
