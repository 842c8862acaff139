// year and household in the module: the file's bytes read by formats/ as pendra-cli reads them,
// the engine run on the facts, and the same JSON text as `pendra-cli year/household --json`; a
// fault of the file comes back as data whose kind and values the JavaScript side words with the
// program's translation, as sheets/JsonFile.cpp words it on the Qt side.

#include "engine/current/Household.h"
#include "engine/current/Rules.h"
#include "engine/current/RulesInUse.h"
#include "engine/current/Year.h"
#include "formats/HouseholdFile.h"
#include "formats/Result.h"
#include "formats/YearFile.h"
#include "web/Commands.h"

#include <cstdio>

namespace web {
namespace {

using formats::FaultKind;

std::string Number(long long Value) {
    return std::to_string(Value);
}

// Whole yuan without decimals, anything else with two, as the Qt side writes a limit.
std::string PlainYuan(current::Cents Amount) {
    return Amount % 100 == 0 ? Number(Amount / 100) : current::FormatCents(Amount);
}

std::string IsoDate(const current::Date &Day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", Day.Year, Day.Month, Day.Day);
    return text;
}

// A day and an announcement of the law as the words take them: the day, the issuer, the year and
// the number of the announcement.
std::vector<std::string> LawValues(const current::Date &From, const current::Document &Law) {
    return {IsoDate(From), Law.By == current::Issuer::Sat ? "sat" : "mof-sat", Number(Law.Year),
            Number(Law.Number)};
}

OptionFault YearFaultData(const current::YearFault &Fault) {
    using K = current::YearFaultKind;
    OptionFault data{Fault.Path, "year/", {}};
    const auto name = [&data](const char *Name, std::vector<std::string> Values = {}) {
        data.Kind += Name;
        data.Values = std::move(Values);
    };
    switch (Fault.Kind) {
    case K::YearUnknown:
        name("year-unknown",
             {Number(current::FirstRulesYear), Number(current::LastRulesYear), Number(Fault.Year)});
        break;
    case K::TooManyEntries:
        name("too-many-entries", {Number(Fault.Value)});
        break;
    case K::NoJob:
        name("no-job");
        break;
    case K::NoEmployer:
        name("no-employer");
        break;
    case K::NoPay:
        name("no-pay");
        break;
    case K::MonthOutOfRange:
        name("month-out-of-range");
        break;
    case K::FromAfterTo:
        name("from-after-to");
        break;
    case K::AmountNegative:
        name("amount-negative");
        break;
    case K::AmountTooLarge:
        name("amount-too-large", {PlainYuan(Fault.Value)});
        break;
    case K::FirstPayNotJobFrom:
        name("first-pay-not-job-from", {Number(Fault.Value)});
        break;
    case K::PayNotRising:
        name("pay-not-rising");
        break;
    case K::PayAfterJobEnd:
        name("pay-after-job-end", {Number(Fault.Value)});
        break;
    case K::DeductedTwice:
        name("deducted-twice", {Number(Fault.Month), Fault.Other});
        break;
    case K::SixtyNotFromJanuary:
        name("sixty-not-from-january");
        break;
    case K::ModeNotYetLaw: {
        const bool sixty = Fault.Value != 0;
        std::vector<std::string> values =
            sixty ? LawValues(current::Law::SixtyFrom, current::Law::SixtyDocument)
                  : LawValues(current::Law::FromJanuaryFrom, current::Law::FromJanuaryDocument);
        values.push_back(Number(Fault.Year));
        name(sixty ? "sixty-not-yet-law" : "from-january-not-yet-law", std::move(values));
        break;
    }
    case K::PensionBeforeScheme:
        name("pension-before-scheme", {IsoDate(current::Law::PensionFrom)});
        break;
    case K::FromJanuaryNotFirst:
        name("from-january-not-first", {Fault.Other});
        break;
    case K::ShareNotHalfOrWhole:
        name("share-not-half-or-whole");
        break;
    case K::ElderlyShareTooLarge:
        name("elderly-share-too-large", {Number(Fault.Year), PlainYuan(Fault.Value)});
        break;
    case K::ElderlyShareMissing:
        name("elderly-share-missing");
        break;
    case K::NoParent:
        name("no-parent");
        break;
    case K::RentAmountUnknown: {
        const current::YearRules *found = current::RulesOf(Fault.Year);
        const current::YearRules &rules = found ? *found : current::LatestRules();
        name("rent-amount-unknown",
             {PlainYuan(rules.RentLargeCity), PlainYuan(rules.RentMiddleCity),
              PlainYuan(rules.RentSmallCity)});
        break;
    }
    case K::RentAndLoan:
        name("rent-and-loan", {Fault.Other, Number(Fault.Year)});
        break;
    case K::OutsideYear:
        name("outside-year", {Number(Fault.Year)});
        break;
    case K::NoSuchEmployer:
        name("no-such-employer");
        break;
    case K::DaysOutOfRange:
        name("days-out-of-range", {Number(Fault.Value)});
        break;
    case K::NoSuchChild:
        name("no-such-child", {Number(Fault.Value)});
        break;
    case K::ChildNameEmpty:
        name("child-name-empty");
        break;
    case K::ChildNotChild:
        name("child-not-child");
        break;
    case K::DateInvalid:
        name("date-invalid", {Number(current::FirstDateYear), Number(current::LastDateYear)});
        break;
    }
    return data;
}

OptionFault HouseholdFaultData(const current::HouseholdFault &Fault) {
    using K = current::HouseholdFaultKind;
    OptionFault data{Fault.Path, "household/", {}};
    switch (Fault.Kind) {
    case K::InYear:
        return YearFaultData(Fault.Year);
    case K::YearsDiffer:
        data.Kind += "years-differ";
        break;
    case K::SelfInShared:
        data.Kind += "self-in-shared";
        break;
    case K::ChildTwice:
        data.Kind += "child-twice";
        break;
    case K::LoanTwice:
        data.Kind += "loan-twice";
        break;
    case K::LeaseTwice:
        data.Kind += "lease-twice";
        break;
    case K::IllnessTwice:
        data.Kind += "illness-twice";
        break;
    case K::RentAndLoan:
        data.Kind += "rent-and-loan";
        break;
    case K::TooManyCombinations:
        data.Kind += "too-many-combinations";
        data.Values = {Number(static_cast<long long>(Fault.Value))};
        return data;
    case K::NowNotAllowed:
        data.Kind += "now-not-allowed";
        break;
    }
    if (Fault.Kind != K::SelfInShared && Fault.Kind != K::NowNotAllowed)
        data.Values = {Fault.Other};
    return data;
}

// What a text that is no JSON lacks, by the kind of its fault.
const char *SyntaxProblem(FaultKind Kind) {
    switch (Kind) {
    case FaultKind::UnterminatedObject:
        return "unterminated-object";
    case FaultKind::MissingNameSeparator:
        return "missing-name-separator";
    case FaultKind::UnterminatedArray:
        return "unterminated-array";
    case FaultKind::MissingValueSeparator:
        return "missing-value-separator";
    case FaultKind::IllegalNumber:
        return "illegal-number";
    case FaultKind::IllegalEscape:
        return "illegal-escape";
    case FaultKind::IllegalUtf8:
        return "illegal-utf8";
    case FaultKind::UnterminatedString:
        return "unterminated-string";
    case FaultKind::DeepNesting:
        return "deep-nesting";
    case FaultKind::GarbageAtEnd:
        return "garbage-at-end";
    default:
        return nullptr;
    }
}

// The file's fault as data: "json/<kind>" with the values its words quote (already cut short by
// formats/), the engine's checks as "year/<kind>" and "household/<kind>".
OptionFault FaultData(const formats::Fault &Fault) {
    const std::string line = Number(Fault.Line), column = Number(Fault.Column);
    const auto value = [&Fault](std::size_t Index) {
        return Index < Fault.Values.size() ? Fault.Values[Index] : std::string();
    };
    const auto at = [&Fault](const char *Kind, std::vector<std::string> Values = {}) {
        return OptionFault{Fault.Path, std::string("json/") + Kind, std::move(Values)};
    };
    if (const char *problem = SyntaxProblem(Fault.Kind))
        return at("syntax", {line, column, problem});
    switch (Fault.Kind) {
    case FaultKind::Unrecognised:
        return at("syntax", {line, column, "unrecognised"});
    case FaultKind::Utf16:
        return at("utf16");
    case FaultKind::NotADocument:
        return at("not-a-document");
    case FaultKind::ControlCharacter:
        return at("control-character", {line, column, value(0)});
    case FaultKind::LoneSurrogate:
        return at("lone-surrogate", {line, column, value(0)});
    case FaultKind::DuplicateKey:
        return at("duplicate-key");
    case FaultKind::NotAnAmount:
        return at("not-an-amount", {value(0)});
    case FaultKind::AmountNegative:
        return at("amount-negative", {value(0)});
    case FaultKind::AmountDecimals:
        return at("amount-decimals", {value(0)});
    case FaultKind::AmountTooLarge:
        return at("amount-too-large", {PlainYuan(current::LargestInputCents)});
    case FaultKind::NotAmountType:
        return at("not-amount-type");
    case FaultKind::NotInteger:
        return at("not-integer");
    case FaultKind::NumberOutOfRange:
        return at("number-out-of-range", {value(0)});
    case FaultKind::NotText:
        return at("not-text");
    case FaultKind::NotDate:
        return at("not-date", {value(0)});
    case FaultKind::NotMonth:
        return at("not-month", {value(0)});
    case FaultKind::EducationEndBeforeBirth:
        return at("education-end-before-birth", {value(0)});
    case FaultKind::UnknownName:
        return at("unknown-name", Fault.Values);
    case FaultKind::NotObject:
        return at("not-object");
    case FaultKind::UnknownKey:
        return at("unknown-key", Fault.Values);
    case FaultKind::MissingKey:
        return at("missing-key");
    case FaultKind::NotFlag:
        return at("not-flag");
    case FaultKind::NotList:
        return at("not-list");
    case FaultKind::NotPatient:
        return at("not-patient");
    case FaultKind::NameTooLong:
        return at("name-too-long", {Number(static_cast<long long>(current::MaxNameLength))});
    case FaultKind::ShareInShared:
        return at("share-in-shared");
    case FaultKind::NowNotAllowed:
        return at("now-not-allowed");
    case FaultKind::SignerMissing:
        return at("signer-missing", {current::LeaseSignerDocument});
    case FaultKind::Year:
        return Fault.InYear ? YearFaultData(*Fault.InYear)
                            : at("syntax", {line, column, "unrecognised"});
    case FaultKind::Household:
        return Fault.InHousehold ? HouseholdFaultData(*Fault.InHousehold)
                                 : at("syntax", {line, column, "unrecognised"});
    default:
        return at("syntax", {line, column, "unrecognised"});
    }
}

Outcome Refused(const std::string &Command, OptionFault Fault) {
    Outcome refused;
    refused.Status = 2;
    refused.Command = Command;
    refused.Json = true;
    refused.Fault = std::move(Fault);
    return refused;
}

} // namespace

std::size_t MostBytes(const std::string &Command) {
    return Command == "household" ? formats::MaxHouseholdFileSize : formats::MaxYearFileSize;
}

Outcome Document(const std::string &Command, const char *Data, std::size_t Size) {
    if (Command != "year" && Command != "household")
        return Refused(Command, Fault("command-unknown", {Command}));
    // Refused by its size alone: the bytes of a file too large are never looked at.
    if (Size > MostBytes(Command) || (!Data && Size))
        return Refused(Command, Fault("document-too-large",
                                      {Number(static_cast<long long>(Size)),
                                       Number(static_cast<long long>(MostBytes(Command)))}));
    const std::string_view Bytes(Data ? Data : "", Size);
    Outcome done;
    done.Command = Command;
    done.Json = true;
    if (Command == "year") {
        const formats::YearRead read = formats::ParseYearFile(Bytes);
        if (!read.Facts)
            return Refused(Command, FaultData(*read.Error));
        done.Result = Printed(formats::YearJson(*read.Facts, current::ComputeYear(*read.Facts)));
        return done;
    }
    const formats::HouseholdRead read = formats::ParseHouseholdFile(Bytes);
    if (!read.Facts)
        return Refused(Command, FaultData(*read.Error));
    done.WithoutNow = read.WithoutNow;
    done.Result = Printed(formats::HouseholdJson(current::SplitHousehold(*read.Facts)));
    return done;
}

} // namespace web
