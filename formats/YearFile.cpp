#include "formats/YearFile.h"

#include "engine/current/Rules.h"
#include "formats/JsonRead.h"
#include "formats/Vocabulary.h"
#include "formats/YearFileParts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

namespace formats {
namespace {

using current::CalendarMonth;
using current::Cents;
using current::Date;
using current::YearFacts;
using json::AmountOf;
using json::DateOf;
using json::Fields;
using json::MonthOf;
using json::Value;

template <class T> std::span<const json::Named<T>> Names(std::span<const Word<T>> Words) {
    // Built once for each list of words, for the life of the program.
    static const std::vector<json::Named<T>> names = NamesOf(Words);
    return names;
}

// A pay entry: an amount left out keeps its value from the entry before.
current::PayFacts ReadPay(const Value &Of, const std::string &Path,
                          const current::PayFacts &Before) {
    const Fields f(Of, Path, {"from", "income", "exempt", "insurance", "other"});
    current::PayFacts pay;
    pay.From = f.Integer("from");
    pay.Income = f.Amount("income", Before.Income);
    pay.Exempt = f.Amount("exempt", Before.Exempt);
    pay.Insurance = f.Amount("insurance", Before.Insurance);
    pay.Other = f.Amount("other", Before.Other);
    return pay;
}

current::JobFacts ReadJob(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"employer", "from", "to", "mode", "deductions_here", "pay"});
    current::JobFacts job;
    job.Employer = f.Text("employer");
    job.From = f.Integer("from", 1);
    job.To = f.Integer("to", 12);
    job.Mode = f.Name("mode", Names(WithholdingModes()), current::BasicDeduction::PerMonth);
    job.DeductionsHere = f.Flag("deductions_here", true);
    current::PayFacts before;
    const auto read = [&](const Value &Entry, const std::string &At) {
        before = ReadPay(Entry, At, before);
        return before;
    };
    job.Pay = f.List("pay", read, true);
    return job;
}

current::ChildFacts ReadChild(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"born", "share", "education_end"});
    current::ChildFacts child;
    child.Born = DateOf(f.Need("born"), f.At("born"));
    child.Share = f.Integer("share", current::Law::WholeShare);
    if (const Value *end = f.Get("education_end"))
        child.EducationEnd = json::EducationEndOf(*end, f.At("education_end"), child.Born);
    return child;
}

current::ElderlyFacts ReadElderly(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"parents_born", "only_child", "share"});
    current::ElderlyFacts elderly;
    elderly.ParentsBorn = f.List("parents_born", DateOf, true);
    elderly.OnlyChild = f.Flag("only_child", false);
    if (const Value *share = f.Get("share"))
        elderly.Share = AmountOf(*share, f.At("share"));
    return elderly;
}

current::LoanFacts ReadLoan(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"first_repayment", "share"});
    return {MonthOf(f.Need("first_repayment"), f.At("first_repayment")),
            f.Integer("share", current::Law::WholeShare)};
}

current::LeaseFacts ReadLease(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"from", "to", "amount"});
    return {MonthOf(f.Need("from"), f.At("from")), MonthOf(f.Need("to"), f.At("to")),
            f.Amount("amount")};
}

current::DegreeFacts ReadDegree(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"from", "to"});
    current::DegreeFacts course{MonthOf(f.Need("from"), f.At("from")), std::nullopt};
    if (const Value *to = f.Get("to"))
        course.To = MonthOf(*to, f.At("to"));
    return course;
}

// A child as an illness entry names it: the index in "children" (from 0) or a name.
current::PatientFacts ReadPatient(const Value &Of, const std::string &Path) {
    current::PatientFacts child;
    if (Of.is_string()) {
        child.Name = Of.get<std::string>();
        return child;
    }
    if (!Of.is_number() || json::IntegerOf(Of, Path) < 0)
        json::Refuse(FaultKind::NotPatient, Path);
    child.Index = static_cast<std::size_t>(json::IntegerOf(Of, Path));
    return child;
}

current::IllnessFacts ReadIllness(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"who", "paid", "child"});
    current::IllnessFacts illness{f.Name("who", Names(Patients())), f.Amount("paid"), std::nullopt};
    if (const Value *child = f.Get("child"))
        illness.Child = ReadPatient(*child, f.At("child"));
    return illness;
}

current::DonationFacts ReadDonation(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"month", "amount", "full"});
    return {f.Integer("month"), f.Amount("amount"), f.Flag("full", false)};
}

current::PensionFacts ReadPension(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"month", "amount"});
    return {f.Integer("month"), f.Amount("amount")};
}

current::HealthFacts ReadHealth(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"from", "to", "monthly"});
    return {f.Integer("from", 1), f.Integer("to", 12), f.Amount("monthly")};
}

current::PaymentFacts ReadPayment(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"month", "kind", "amount"});
    return {f.Integer("month"), f.Name("kind", Names(RemunerationKinds())), f.Amount("amount")};
}

current::BonusFacts ReadBonus(const Value &Of, const std::string &Path) {
    const Fields f(Of, Path, {"month", "amount", "employer"});
    return {f.Integer("month"), f.Amount("amount"), f.Text("employer")};
}

// The person's name without the blanks around it, at most MaxNameLength characters.
std::string ReadName(const Value &Of, const std::string &Path) {
    std::string name = json::TextOf(Of, Path);
    constexpr std::string_view blanks = " \t\r\n\v\f";
    name.erase(0, std::min(name.size(), name.find_first_not_of(blanks)));
    name.erase(name.find_last_not_of(blanks) + 1);
    const auto characters = std::count_if(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (static_cast<std::size_t>(characters) > current::MaxNameLength)
        json::Refuse(FaultKind::NameTooLong, Path);
    return name;
}

YearFacts ReadFacts(const Value &Root, const std::string &Path) {
    const Fields f(Root, Path,
                   {"year", "name", "jobs", "children", "elderly", "housing_loan", "rent",
                    "degree_study", "certificates", "illness", "pension", "health_insurance",
                    "payments", "bonus", "bonus_method", "donations", "days_in_china"});
    YearFacts facts;
    facts.Year = f.Integer("year");
    if (const Value *name = f.Get("name"))
        facts.Name = ReadName(*name, f.At("name"));
    facts.Jobs = f.List("jobs", ReadJob, true);
    facts.Children = f.List("children", ReadChild);
    if (const Value *elderly = f.Get("elderly"))
        facts.Elderly = ReadElderly(*elderly, f.At("elderly"));
    if (const Value *loan = f.Get("housing_loan"))
        facts.HousingLoan = ReadLoan(*loan, f.At("housing_loan"));
    facts.Rent = f.List("rent", ReadLease);
    facts.DegreeStudy = f.List("degree_study", ReadDegree);
    facts.Certificates = f.List("certificates", MonthOf);
    facts.Illness = f.List("illness", ReadIllness);
    facts.Pension = f.List("pension", ReadPension);
    facts.HealthInsurance = f.List("health_insurance", ReadHealth);
    facts.Payments = f.List("payments", ReadPayment);
    if (const Value *bonus = f.Get("bonus"))
        facts.Bonus = ReadBonus(*bonus, f.At("bonus"));
    facts.BonusMethod = f.Name("bonus_method", Names(BonusMethods()), current::BonusChoice::Best);
    facts.Donations = f.List("donations", ReadDonation);
    if (const Value *days = f.Get("days_in_china"))
        facts.DaysInChina = json::IntegerOf(*days, f.At("days_in_china"));
    return facts;
}

// The year file's text is written as the program has always written it: keys in the order of
// their names, four spaces for each level, an empty list as "[" and "]" on lines of their own,
// numbers in their shortest form, so that a file saved again is the same bytes.

void Escaped(std::string &Out, std::string_view Text) {
    static constexpr char hex[] = "0123456789abcdef";
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const auto c = static_cast<unsigned char>(Text[i]);
        switch (c) {
        case '"':
            Out += "\\\"";
            continue;
        case '\\':
            Out += "\\\\";
            continue;
        case '\b':
            Out += "\\b";
            continue;
        case '\f':
            Out += "\\f";
            continue;
        case '\n':
            Out += "\\n";
            continue;
        case '\r':
            Out += "\\r";
            continue;
        case '\t':
            Out += "\\t";
            continue;
        default:
            break;
        }
        if (c < 0x20) {
            Out += "\\u00";
            Out += hex[c >> 4];
            Out += hex[c & 0xf];
        } else {
            Out += static_cast<char>(c);
        }
    }
}

// A double as the program has always written one: a whole number within 2^53 as an integer
// ("1000000"), any other as the shortest text that reads back as it, in the fixed or the exponent
// form, whichever is shorter ("25000.5", "1e+20").
std::string ShortestNumber(double Number) {
    if (std::trunc(Number) == Number && std::fabs(Number) <= 9007199254740992.0)
        return std::to_string(static_cast<std::int64_t>(Number));
    char text[64];
    const char *end =
        std::to_chars(text, text + sizeof text, Number, std::chars_format::scientific).ptr;
    std::string scientific(text, static_cast<std::size_t>(end - text));
    const bool negative = scientific[0] == '-';
    if (negative)
        scientific.erase(0, 1);
    const std::size_t e = scientific.find('e');
    const int exponent = std::stoi(scientific.substr(e + 1));
    std::string digits;
    for (const char c : scientific.substr(0, e)) {
        if (c != '.')
            digits += c;
    }
    const int count = static_cast<int>(digits.size());
    const int point = exponent + 1; // digits before the decimal point
    const int fixedLength = point <= 0 ? 2 - point + count : point < count ? count + 1 : point;
    const int magnitude = exponent < 0 ? -exponent : exponent;
    const int exponentLength = count + (count > 1 ? 1 : 0) + 2 + (magnitude >= 100 ? 3 : 2);
    std::string out;
    if (exponentLength < fixedLength) {
        out = digits.substr(0, 1);
        if (count > 1)
            out += '.' + digits.substr(1);
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+', magnitude);
        out += tail;
    } else if (point <= 0) {
        out = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point < count) {
        out = digits.substr(0, static_cast<std::size_t>(point)) + '.' +
              digits.substr(static_cast<std::size_t>(point));
    } else {
        out = digits + std::string(static_cast<std::size_t>(point - count), '0');
    }
    return negative ? '-' + out : out;
}

void Write(std::string &Out, const Value &Item, int Indent) {
    const std::string inner(static_cast<std::size_t>(4 * (Indent + 1)), ' ');
    switch (Item.type()) {
    case Value::value_t::object: {
        Out += "{\n";
        std::size_t i = 0;
        for (const auto &[key, value] : Item.items()) {
            Out += inner + '"';
            Escaped(Out, key);
            Out += "\": ";
            Write(Out, value, Indent + 1);
            Out += ++i < Item.size() ? ",\n" : "\n";
        }
        Out += std::string(static_cast<std::size_t>(4 * Indent), ' ') + '}';
        break;
    }
    case Value::value_t::array: {
        Out += "[\n";
        for (std::size_t i = 0; i < Item.size(); ++i) {
            Out += inner;
            Write(Out, Item[i], Indent + 1);
            Out += i + 1 < Item.size() ? ",\n" : "\n";
        }
        Out += std::string(static_cast<std::size_t>(4 * Indent), ' ') + ']';
        break;
    }
    case Value::value_t::string:
        Out += '"';
        Escaped(Out, Item.get_ref<const std::string &>());
        Out += '"';
        break;
    case Value::value_t::boolean:
        Out += Item.get<bool>() ? "true" : "false";
        break;
    case Value::value_t::number_integer:
    case Value::value_t::number_unsigned:
        Out += std::to_string(Item.get<std::int64_t>());
        break;
    case Value::value_t::number_float:
        Out += ShortestNumber(Item.get<double>());
        break;
    default:
        Out += "null";
        break;
    }
}

Value AmountValue(Cents Amount) {
    // Whole cents up to the largest amount are exact in a double, and its shortest text has the
    // two decimals back.
    return static_cast<double>(Amount) / 100;
}

// Numbers other than amounts are written as integers.
Value Whole(std::int64_t Number) {
    return Value(Number);
}

std::string MonthText(const CalendarMonth &When) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", When.Year, When.Month);
    return text;
}

std::string DateText(const Date &When) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", When.Year, When.Month, When.Day);
    return text;
}

template <class T, class F> Value ArrayOf(const std::vector<T> &Items, F Write) {
    Value array = Value::array();
    for (const T &item : Items)
        array.push_back(Write(item));
    return array;
}

Value JobObject(const current::JobFacts &Job) {
    Value pay = ArrayOf(Job.Pay, [](const current::PayFacts &entry) {
        return Value{{"from", Whole(entry.From)},
                     {"income", AmountValue(entry.Income)},
                     {"exempt", AmountValue(entry.Exempt)},
                     {"insurance", AmountValue(entry.Insurance)},
                     {"other", AmountValue(entry.Other)}};
    });
    return {{"employer", Job.Employer},
            {"from", Whole(Job.From)},
            {"to", Whole(Job.To)},
            {"mode", WordOf(WithholdingModes(), Job.Mode).FileKey},
            {"deductions_here", Job.DeductionsHere},
            {"pay", std::move(pay)}};
}

void AddPersonal(Value &Root, const YearFacts &F) {
    Root["children"] = ArrayOf(F.Children, [](const current::ChildFacts &c) {
        Value child{{"born", DateText(c.Born)}, {"share", Whole(c.Share)}};
        if (c.EducationEnd)
            child["education_end"] = MonthText(*c.EducationEnd);
        return child;
    });
    if (F.Elderly) {
        Value elderly{{"parents_born", ArrayOf(F.Elderly->ParentsBorn, DateText)},
                      {"only_child", F.Elderly->OnlyChild}};
        if (F.Elderly->Share)
            elderly["share"] = AmountValue(*F.Elderly->Share);
        Root["elderly"] = std::move(elderly);
    }
    if (F.HousingLoan)
        Root["housing_loan"] = {{"first_repayment", MonthText(F.HousingLoan->FirstRepayment)},
                                {"share", Whole(F.HousingLoan->Share)}};
    Root["rent"] = ArrayOf(F.Rent, [](const current::LeaseFacts &l) {
        return Value{{"from", MonthText(l.From)},
                     {"to", MonthText(l.To)},
                     {"amount", AmountValue(l.Amount)}};
    });
    Root["degree_study"] = ArrayOf(F.DegreeStudy, [](const current::DegreeFacts &d) {
        Value course{{"from", MonthText(d.From)}};
        if (d.To)
            course["to"] = MonthText(*d.To);
        return course;
    });
    Root["certificates"] = ArrayOf(F.Certificates, MonthText);
    Root["illness"] = ArrayOf(F.Illness, [](const current::IllnessFacts &i) {
        Value cost{{"who", WordOf(Patients(), i.Who).FileKey}, {"paid", AmountValue(i.Paid)}};
        if (i.Child && i.Child->Index)
            cost["child"] = Whole(static_cast<std::int64_t>(*i.Child->Index));
        else if (i.Child)
            cost["child"] = i.Child->Name;
        return cost;
    });
}

void AddPayments(Value &Root, const YearFacts &F) {
    Root["pension"] = ArrayOf(F.Pension, [](const current::PensionFacts &p) {
        return Value{{"month", Whole(p.Month)}, {"amount", AmountValue(p.Amount)}};
    });
    Root["health_insurance"] = ArrayOf(F.HealthInsurance, [](const current::HealthFacts &h) {
        return Value{
            {"from", Whole(h.From)}, {"to", Whole(h.To)}, {"monthly", AmountValue(h.Monthly)}};
    });
    Root["payments"] = ArrayOf(F.Payments, [](const current::PaymentFacts &p) {
        return Value{{"month", Whole(p.Month)},
                     {"kind", WordOf(RemunerationKinds(), p.Kind).FileKey},
                     {"amount", AmountValue(p.Amount)}};
    });
    if (F.Bonus)
        Root["bonus"] = {{"month", Whole(F.Bonus->Month)},
                         {"amount", AmountValue(F.Bonus->Amount)},
                         {"employer", F.Bonus->Employer}};
    Root["bonus_method"] = WordOf(BonusMethods(), F.BonusMethod).FileKey;
    Root["donations"] = ArrayOf(F.Donations, [](const current::DonationFacts &d) {
        return Value{
            {"month", Whole(d.Month)}, {"amount", AmountValue(d.Amount)}, {"full", d.Full}};
    });
    if (F.DaysInChina)
        Root["days_in_china"] = Whole(*F.DaysInChina);
}

YearRead Read(std::string_view Bytes, bool Checked) {
    Value document;
    if (auto fault = json::ParseDocument(Bytes, document))
        return {std::nullopt, std::move(fault)};
    return ReadYearDocument(document, Checked);
}

} // namespace

YearRead ReadYearDocument(const json::Value &Document, bool Checked) {
    try {
        YearFacts facts = ReadFacts(Document, std::string());
        if (Checked) {
            if (auto fault = current::CheckYear(facts))
                return {std::nullopt, Fault{FaultKind::Year, fault->Path, {}, 0, 0, *fault, {}}};
        }
        return {std::move(facts), std::nullopt};
    } catch (const json::Refusal &refusal) {
        return {std::nullopt, refusal.Found};
    }
}

current::YearFacts ReadYearValue(const json::Value &Of, const std::string &Path) {
    return ReadFacts(Of, Path);
}

current::LeaseFacts ReadLeaseValue(const json::Value &Of, const std::string &Path) {
    return ReadLease(Of, Path);
}

current::IllnessFacts ReadIllnessValue(const json::Value &Of, const std::string &Path) {
    return ReadIllness(Of, Path);
}

YearRead ParseYearFile(std::string_view Bytes) {
    return Read(Bytes, true);
}

YearRead ReadYearFacts(std::string_view Bytes) {
    return Read(Bytes, false);
}

json::Value YearFileValue(const YearFacts &Facts) {
    Value root{{"year", Whole(Facts.Year)}, {"jobs", ArrayOf(Facts.Jobs, JobObject)}};
    if (!Facts.Name.empty())
        root["name"] = Facts.Name;
    AddPersonal(root, Facts);
    AddPayments(root, Facts);
    return root;
}

std::string YearFileText(const YearFacts &Facts) {
    std::string text;
    Write(text, YearFileValue(Facts), 0);
    return text + '\n';
}

} // namespace formats
