#include "web/Commands.h"

#include "engine/current/Bonus.h"
#include "engine/current/Internship.h"
#include "engine/current/Remuneration.h"
#include "engine/current/Reverse.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Settlement.h"
#include "engine/current/Severance.h"
#include "engine/current/Wage.h"
#include "formats/Fault.h"
#include "formats/Result.h"
#include "formats/ResultKeys.h"
#include "web/Options.h"

#include <functional>

namespace web {
namespace {

using current::Cents;
using Command = std::function<Outcome(Options &)>;

Outcome Done(const formats::Json &Result) {
    Outcome done;
    done.Result = Printed(Result);
    return done;
}

Outcome Refused(OptionFault Fault) {
    Outcome refused;
    refused.Status = 2;
    refused.Fault = std::move(Fault);
    return refused;
}

// The options are declared by Declare, read, and handed to Compute.
Outcome RunWith(const std::string &Name, const std::vector<std::string> &Arguments,
                const std::function<void(Options &)> &Declare, const Command &Compute) {
    Options line;
    Declare(line);
    Outcome outcome;
    if (auto fault = line.Parse(Arguments))
        outcome = Refused(*fault);
    else if (line.Help())
        outcome.Status = 2;
    else
        outcome = Compute(line);
    outcome.Command = Name;
    outcome.Json = line.Json();
    outcome.Help = line.Help();
    return outcome;
}

template <typename Value>
std::optional<Value> Named(const std::string &Text, std::initializer_list<Value> Values,
                           const char *(*Key)(Value), std::initializer_list<const char *> Chinese) {
    auto chinese = Chinese.begin();
    for (const Value value : Values) {
        if (Text == Key(value) || Text == *chinese++)
            return value;
    }
    return std::nullopt;
}

// --kind takes a key, in English or in Chinese.
std::optional<current::RemunerationKind> KindNamed(const std::string &Text) {
    using K = current::RemunerationKind;
    return Named<K>(Text, {K::Labour, K::Author, K::Royalty}, formats::keys::Kind,
                    {"劳务报酬", "稿酬", "特许权使用费"});
}

void RemunerationOptions(Options &Line) {
    Line.AddValue("kind");
    Line.AddFlag("nonresident");
}

Refusal ReadKind(const Options &Line, current::RemunerationKind &Kind) {
    Kind = current::RemunerationKind::Labour;
    if (!Line.IsSet("kind"))
        return std::nullopt;
    const auto kind = KindNamed(Line.Value("kind"));
    if (!kind)
        return Fault("kind-unknown", {Line.Value("kind")}, "--kind");
    Kind = *kind;
    return std::nullopt;
}

Outcome Wage(Options &Line) {
    if (auto fault = Line.Require({"income"}))
        return Refused(*fault);
    if (auto fault = Line.Exclude("nonresident", {"exempt", "insurance", "special", "other", "mode",
                                                  "from", "to", "year"}))
        return Refused(*fault);
    if (Line.IsSet("nonresident"))
        return Done(
            formats::NonResidentWageJson(current::WithholdNonResidentWage(Line.Amount("income"))));
    const current::YearRules *rules = &current::LatestRules();
    if (Line.IsSet("year")) {
        const auto year = WholeNumber(Line.Value("year"));
        rules = year ? current::RulesOf(*year) : nullptr;
        if (!rules)
            return Refused(Fault("year-invalid",
                                 {Line.Value("year"), std::to_string(current::FirstRulesYear),
                                  std::to_string(current::LastRulesYear)},
                                 "--year"));
    }
    current::BasicDeduction mode{};
    int first = 1, last = 12;
    if (auto fault = Line.ReadWageMonths(mode, first, last, *rules))
        return Refused(*fault);
    std::vector<current::WageMonth> months;
    for (int month = first; month <= last; ++month)
        months.push_back({month, Line.Amount("income"), Line.Amount("exempt"),
                          Line.Amount("insurance"), Line.Amount("special"), Line.Amount("other")});
    return Done(formats::WageMonthsJson(current::WithholdWages(months, mode, *rules)));
}

Outcome Bonus(Options &Line) {
    if (auto fault = Line.Require({"bonus"}))
        return Refused(*fault);
    if (auto fault = Line.Exclude("nonresident", {"taxable"}))
        return Refused(*fault);
    if (Line.IsSet("nonresident"))
        return Done(
            formats::NonResidentBonusJson(current::TaxNonResidentBonus(Line.Amount("bonus"))));
    return Done(
        formats::BonusJson(current::CompareBonus(Line.Amount("bonus"), Line.Amount("taxable"))));
}

Outcome Labour(Options &Line) {
    if (auto fault = Line.Require({"income"}))
        return Refused(*fault);
    current::RemunerationKind kind{};
    if (auto fault = ReadKind(Line, kind))
        return Refused(*fault);
    if (!Line.IsSet("intern")) {
        for (const char *name : {"from", "to"}) {
            if (Line.IsSet(name))
                return Refused(Fault("intern-only", {name}, std::string("--") + name));
        }
        return Done(formats::RemunerationJson(
            current::WithholdRemuneration(Line.Amount("income"), kind, Line.IsSet("nonresident"))));
    }
    if (auto fault = Line.Exclude("intern", {"nonresident"}))
        return Refused(*fault);
    if (kind != current::RemunerationKind::Labour)
        return Refused(Fault("intern-kind", {Line.Value("kind")}, "--kind"));
    int first = 1, last = 12;
    if (auto fault = Line.ReadMonthRange(first, last))
        return Refused(*fault);
    return Done(
        formats::InternshipJson(current::WithholdInternship(Line.Amount("income"), first, last)));
}

const char *const SettleAmounts[] = {"wages",     "labour",        "author",  "royalty", "exempt",
                                     "insurance", "special",       "pension", "health",  "other",
                                     "donation",  "donation-full", "bonus",   "withheld"};

Outcome Settle(Options &Line) {
    using M = current::BonusMethod;
    auto method = std::optional<M>(M::Separate);
    if (Line.IsSet("bonus-method"))
        method = Named<M>(Line.Value("bonus-method"), {M::Separate, M::Merged},
                          formats::keys::Method, {"单独计税", "并入综合所得"});
    if (!method)
        return Refused(
            Fault("bonus-method-unknown", {Line.Value("bonus-method")}, "--bonus-method"));
    current::SettlementInput year;
    year.Wages = Line.Amount("wages");
    year.Labour = Line.Amount("labour");
    year.Author = Line.Amount("author");
    year.Royalty = Line.Amount("royalty");
    year.Exempt = Line.Amount("exempt");
    year.Insurance = Line.Amount("insurance");
    year.Special = Line.Amount("special");
    year.Pension = Line.Amount("pension");
    year.Health = Line.Amount("health");
    year.Other = Line.Amount("other");
    year.Donations = Line.Amount("donation");
    year.DonationsFull = Line.Amount("donation-full");
    year.Bonus = Line.Amount("bonus");
    year.Method = *method;
    year.Withheld = Line.Amount("withheld");
    year.Unwithheld = Line.IsSet("unwithheld");
    const current::YearRules &rules = current::LatestRulesInUse();
    year.Year = rules.Year;
    return Done(formats::SettlementJson(current::Settle(year, rules), rules));
}

Outcome Severance(Options &Line) {
    if (Line.IsSet("internal-retirement")) {
        if (auto fault =
                Line.Exclude("internal-retirement", {"average-wage", "years", "early-retirement"}))
            return Refused(*fault);
        if (auto fault = Line.Require({"amount", "months", "wage"}))
            return Refused(*fault);
        const auto months = WholeNumber(Line.Value("months"));
        if (!months || *months < 1 || *months > current::Law::MaxRetirementMonths)
            return Refused(
                Fault("months-invalid",
                      {Line.Value("months"), std::to_string(current::Law::MaxRetirementMonths)},
                      "--months"));
        return Done(formats::InternalRetirementJson(
            current::TaxInternalRetirement(Line.Amount("amount"), *months, Line.Amount("wage"))));
    }
    if (Line.IsSet("months") || Line.IsSet("wage"))
        return Refused(
            Fault("internal-retirement-only", {}, Line.IsSet("months") ? "--months" : "--wage"));
    if (Line.IsSet("early-retirement")) {
        if (auto fault = Line.Exclude("early-retirement", {"average-wage"}))
            return Refused(*fault);
        if (auto fault = Line.Require({"amount", "years"}))
            return Refused(*fault);
        const auto years = current::ParseYearsHundredths(Line.Value("years"));
        if (!years)
            return Refused(
                Fault("years-invalid",
                      {Line.Value("years"), std::to_string(current::MaxYearsHundredths / 100)},
                      "--years"));
        return Done(formats::EarlyRetirementJson(
            current::TaxEarlyRetirement(Line.Amount("amount"), *years)));
    }
    if (Line.IsSet("years"))
        return Refused(Fault("early-retirement-only", {}, "--years"));
    if (auto fault = Line.Require({"amount", "average-wage"}))
        return Refused(*fault);
    return Done(formats::SeveranceJson(
        current::TaxSeverance(Line.Amount("amount"), Line.Amount("average-wage"))));
}

// A target no gross below the limit reaches: nothing computed. What names the figure sought.
Outcome Unreachable(Cents Net, const char *What) {
    Outcome refused = Refused(Fault(
        "unreachable", {current::FormatCents(Net), What, current::FormatCents(current::GrossLimit)},
        "--net"));
    return refused;
}

Refusal ReadInsurance(const Options &Line, current::WageTerms &Terms) {
    if (auto fault = Line.Exclude("insurance-rate", {"insurance"}))
        return fault;
    if (!Line.IsSet("insurance-rate")) {
        for (const char *name : {"base-min", "base-max"}) {
            if (Line.IsSet(name))
                return Fault("base-without-rate", {name}, std::string("--") + name);
        }
        Terms.Insurance = Line.Amount("insurance");
        return std::nullopt;
    }
    const std::string text = Line.Value("insurance-rate");
    const auto rate = current::ParseHundredths(text);
    if (!rate)
        return Fault("rate-invalid", {text}, "--insurance-rate");
    if (*rate > current::WholeInHundredths)
        return Fault("rate-too-high",
                     {text, std::to_string(current::WholeInHundredths / 100) + "%"},
                     "--insurance-rate");
    current::InsuranceByRate byRate{*rate, Line.Amount("base-min"), current::Unbounded};
    if (Line.IsSet("base-max"))
        byRate.BaseMax = Line.Amount("base-max");
    if (byRate.BaseMax < byRate.BaseMin)
        return Fault("base-out-of-order",
                     {current::FormatCents(byRate.BaseMax), current::FormatCents(byRate.BaseMin)},
                     "--base-max");
    Terms.ByRate = byRate;
    return std::nullopt;
}

Outcome WageReverse(Options &Line) {
    if (auto fault = Line.Require({"net"}))
        return Refused(*fault);
    current::WageTerms terms;
    terms.Exempt = Line.Amount("exempt");
    terms.Special = Line.Amount("special");
    terms.Other = Line.Amount("other");
    if (auto fault = ReadInsurance(Line, terms))
        return Refused(*fault);
    if (auto fault =
            Line.ReadWageMonths(terms.Mode, terms.First, terms.Last, current::LatestRules()))
        return Refused(*fault);
    const bool equalNet = Line.IsSet("equal-net");
    const Cents net = Line.Amount("net");
    const auto year =
        equalNet ? current::ReverseWageEqualNet(net, terms) : current::ReverseWage(net, terms);
    if (!year)
        return Unreachable(net, equalNet ? "monthly-income" : "monthly-wage");
    return Done(formats::WageReverseJson(*year, terms, equalNet));
}

Outcome BonusReverse(Options &Line) {
    if (auto fault = Line.Require({"net"}))
        return Refused(*fault);
    const auto bonus = current::ReverseBonus(Line.Amount("net"), Line.Amount("taxable"));
    if (!bonus)
        return Unreachable(Line.Amount("net"), "bonus");
    return Done(formats::BonusReverseJson(*bonus));
}

Outcome LabourReverse(Options &Line) {
    if (auto fault = Line.Require({"net"}))
        return Refused(*fault);
    current::RemunerationKind kind{};
    if (auto fault = ReadKind(Line, kind))
        return Refused(*fault);
    const auto payment =
        current::ReverseRemuneration(Line.Amount("net"), kind, Line.IsSet("nonresident"));
    if (!payment)
        return Unreachable(Line.Amount("net"), "income");
    return Done(formats::RemunerationReverseJson(*payment));
}

Outcome Reverse(const std::vector<std::string> &Arguments) {
    const std::string what = Arguments.empty() ? std::string() : Arguments.front();
    const std::vector<std::string> rest(Arguments.begin() + (Arguments.empty() ? 0 : 1),
                                        Arguments.end());
    if (what == "wage")
        return RunWith(
            "reverse wage", rest,
            [](Options &Line) {
                Line.AddAmount("net");
                Line.AddAmount("exempt");
                Line.AddAmount("insurance");
                Line.AddValue("insurance-rate");
                Line.AddAmount("base-min");
                Line.AddAmount("base-max");
                Line.AddAmount("special");
                Line.AddAmount("other");
                Line.AddWageMonths();
                Line.AddFlag("equal-net");
            },
            WageReverse);
    if (what == "bonus")
        return RunWith(
            "reverse bonus", rest,
            [](Options &Line) {
                Line.AddAmount("net");
                Line.AddAmount("taxable", true);
            },
            BonusReverse);
    if (what == "labour")
        return RunWith(
            "reverse labour", rest,
            [](Options &Line) {
                Line.AddAmount("net");
                RemunerationOptions(Line);
            },
            LabourReverse);
    Outcome outcome = Refused(what.empty() ? Fault("reverse-kind-missing")
                                           : Fault("reverse-kind-unknown", {what}));
    outcome.Command = "reverse";
    outcome.Help = what == "--help" || what == "-h";
    return outcome;
}

} // namespace

std::string Printed(const formats::Json &Result) {
    std::string text = formats::ResultText(Result);
    // Every character shown escaped begins with one of these bytes (U+007F, U+0080 to U+009F,
    // U+2000 to U+2FFF): a text without them, nearly every one, is shown as it is.
    if (text.find_first_of("\x7f\xc2\xe2") == std::string::npos)
        return text;
    std::string shown;
    shown.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\n' && text[i] != '\t')
            continue;
        shown += formats::Visible(std::string_view(text).substr(start, i - start));
        if (i < text.size())
            shown += text[i];
        start = i + 1;
    }
    return shown;
}

Outcome Run(const std::vector<std::string> &Arguments) {
    if (Arguments.empty())
        return Refused(Fault("command-missing"));
    const std::string &name = Arguments.front();
    const std::vector<std::string> rest(Arguments.begin() + 1, Arguments.end());
    if (name == "wage")
        return RunWith(
            name, rest,
            [](Options &Line) {
                for (const char *amount : {"income", "exempt", "insurance", "special", "other"})
                    Line.AddAmount(amount);
                Line.AddWageMonths();
                Line.AddValue("year");
                Line.AddFlag("nonresident");
            },
            Wage);
    if (name == "bonus")
        return RunWith(
            name, rest,
            [](Options &Line) {
                Line.AddAmount("bonus");
                Line.AddAmount("taxable", true);
                Line.AddFlag("nonresident");
            },
            Bonus);
    if (name == "labour")
        return RunWith(
            name, rest,
            [](Options &Line) {
                Line.AddAmount("income");
                RemunerationOptions(Line);
                Line.AddFlag("intern");
                Line.AddMonthRange();
            },
            Labour);
    if (name == "settle")
        return RunWith(
            name, rest,
            [](Options &Line) {
                for (const char *amount : SettleAmounts) {
                    Line.AddAmount(amount);
                    if (std::string(amount) == "bonus")
                        Line.AddValue("bonus-method");
                }
                Line.AddFlag("unwithheld");
            },
            Settle);
    if (name == "severance")
        return RunWith(
            name, rest,
            [](Options &Line) {
                Line.AddAmount("amount");
                Line.AddAmount("average-wage");
                Line.AddFlag("early-retirement");
                Line.AddValue("years");
                Line.AddFlag("internal-retirement");
                Line.AddValue("months");
                Line.AddAmount("wage");
            },
            Severance);
    if (name == "reverse")
        return Reverse(rest);
    if (name == "year" || name == "household")
        return RunWith(
            name, rest, [](Options &Line) { Line.AddPositional(); },
            [name](Options &Line) {
                Outcome outcome;
                if (!Line.Positional())
                    return Refused(Fault(name + "-file-missing"));
                outcome.File = *Line.Positional();
                return outcome;
            });
    Outcome outcome;
    outcome.Status = 2;
    outcome.Help = name == "--help" || name == "-h" || name == "help";
    const bool elsewhere = name == "payroll" || name == "payslips";
    outcome.Fault = Fault(elsewhere ? "command-elsewhere" : "command-unknown", {name});
    return outcome;
}

} // namespace web
