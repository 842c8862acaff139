// The entry of the WebAssembly module: pendra-cli's arguments in (a JSON array of strings), an
// answer out (a JSON object): {"status":0,"json":true,"lang":"zh","result":"<the JSON text>"} or
// {"status":2,"lang":"en","fault":{"command":"wage","path":"--income","kind":"not-a-number",
// "values":["--income","abc"]}}. year and household answer {"status":0,"file":"2026.json",
// "command":"year",...}: the caller reads the file and hands its bytes to pendra_document, which
// answers alike. The words of a fault are the JavaScript side's, from the program's translations.
// Nothing here traps on any input: faults are data.

#include "formats/Result.h"
#include "web/Commands.h"

#include <cstddef>
#include <string>
#include <vector>

namespace {

// The most text a call takes: far beyond any command line, small beside the module's memory.
constexpr std::size_t MaxRequest = 1 << 20;

formats::Json FaultJson(const web::OptionFault &Fault, const std::string &Command) {
    formats::Json values = formats::Json::array();
    for (const std::string &value : Fault.Values)
        values.push_back(value);
    return {{"command", Command}, {"path", Fault.Path}, {"kind", Fault.Kind}, {"values", values}};
}

formats::Json Refusal(std::string Kind, std::vector<std::string> Values = {}) {
    web::OptionFault fault;
    fault.Kind = std::move(Kind);
    fault.Values = std::move(Values);
    return {{"status", 2}, {"fault", FaultJson(fault, {})}};
}

// --lang taken out wherever it stands before a "--", as pendra-cli takes it; Language is left as
// it was when there is none.
std::optional<formats::Json> TakeLanguage(std::vector<std::string> &Arguments,
                                          std::string &Language) {
    // A refusal is worded in the environment's language: which of two was meant is not known.
    const std::string environment = Language;
    bool taken = false;
    for (std::size_t i = 0; i < Arguments.size() && Arguments[i] != "--";) {
        std::string given;
        if (Arguments[i] == "--lang") {
            given = i + 1 < Arguments.size() ? Arguments[i + 1] : std::string();
            Arguments.erase(Arguments.begin() + static_cast<std::ptrdiff_t>(i),
                            Arguments.begin() +
                                static_cast<std::ptrdiff_t>(std::min(i + 2, Arguments.size())));
        } else if (Arguments[i].rfind("--lang=", 0) == 0) {
            given = Arguments[i].substr(7);
            Arguments.erase(Arguments.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
            continue;
        }
        // The code in any case, as pendra-cli takes it.
        std::string code = given;
        for (char &c : code)
            c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
        if (taken || (code != "zh" && code != "en")) {
            Language = environment;
            return taken ? Refusal("lang-repeated") : Refusal("lang-invalid", {given});
        }
        taken = true;
        Language = code;
    }
    return std::nullopt;
}

// The outcome's fault, file or result into the answer.
std::string LastResult;

formats::Json Finished(const web::Outcome &Outcome, formats::Json &Answer) {
    LastResult.clear();
    if (Outcome.Fault)
        Answer["fault"] = FaultJson(*Outcome.Fault, Outcome.Command);
    else if (Outcome.File) {
        Answer["file"] = *Outcome.File;
        Answer["command"] = Outcome.Command;
    } else if (Outcome.Status == 0) {
        // The result's text goes out as it is, beside the answer (pendra_result): embedded, it
        // would be escaped here and read twice over there, which cost more than the year itself.
        LastResult = Outcome.Result;
        Answer["result"] = true;
    }
    if (!Outcome.WithoutNow.empty())
        Answer["withoutNow"] = Outcome.WithoutNow;
    return Answer;
}

std::string LanguageOf(const char *Language) {
    return Language && std::string(Language) == "en" ? "en" : "zh";
}

formats::Json Answer(const char *Request, const char *Language) {
    std::string language = LanguageOf(Language);
    const std::string text = Request ? Request : "";
    const auto refused = [&language](std::string Kind, std::vector<std::string> Values = {}) {
        formats::Json answer = Refusal(std::move(Kind), std::move(Values));
        answer["lang"] = language;
        return answer;
    };
    if (text.size() > MaxRequest)
        return refused("request-too-large", {std::to_string(MaxRequest)});
    const formats::Json parsed = formats::Json::parse(text, nullptr, false);
    if (!parsed.is_array())
        return refused("request-invalid");
    std::vector<std::string> arguments;
    for (const formats::Json &argument : parsed) {
        if (!argument.is_string())
            return refused("request-invalid");
        arguments.push_back(argument.get<std::string>());
    }
    if (auto refused = TakeLanguage(arguments, language)) {
        (*refused)["lang"] = language;
        return *refused;
    }
    const web::Outcome outcome = web::Run(arguments);
    formats::Json answer{{"status", outcome.Status},
                         {"lang", language},
                         {"json", outcome.Json},
                         {"help", outcome.Help}};
    return Finished(outcome, answer);
}

std::string Last;

} // namespace

extern "C" {

// The answer stays valid until the next call.
const char *pendra_run(const char *Request, const char *Language) {
    Last = Answer(Request, Language).dump(-1, ' ', false, formats::Json::error_handler_t::replace);
    return Last.c_str();
}

// The result's JSON text of the last call whose answer says "result": true; valid until the next
// call.
const char *pendra_result() {
    return LastResult.c_str();
}

// The most bytes the file of year or household may have.
std::size_t pendra_most_bytes(const char *Command) {
    return web::MostBytes(Command ? Command : "");
}

// year or household over a file's bytes (Size of them, any bytes at all; Bytes may be null
// when Size is beyond the most): the answer as
// pendra_run gives it.
const char *pendra_document(const char *Command, const char *Bytes, std::size_t Size,
                            const char *Language) {
    const web::Outcome outcome = web::Document(Command ? Command : "", Bytes, Size);
    formats::Json answer{{"status", outcome.Status},
                         {"lang", LanguageOf(Language)},
                         {"json", true},
                         {"help", false}};
    Last = Finished(outcome, answer).dump(-1, ' ', false, formats::Json::error_handler_t::replace);
    return Last.c_str();
}
}
