// The year file from its bytes, without Qt: another program's order read as the same facts, the
// facts written as the program has always written them, and hostile text refused with a fault as
// data (its kind, key path, place and the short pieces it quotes).

#include "formats/YearFile.h"
#include "formats/JsonRead.h"
#include "formats/YearFileParts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using formats::FaultKind;

// Every key of the contract, some amounts as strings, some left to their defaults.
const char *const Full =
    R"({"year":2026,
"jobs":[{"employer":"甲公司","from":1,"to":10,"mode":"按月","deductions_here":true,
  "pay":[{"from":1,"income":20000,"exempt":100,"insurance":2000,"other":0},
         {"from":7,"income":"25000.50","insurance":2500}]},
 {"employer":"乙公司","from":9,"to":12,"deductions_here":false,"pay":[{"from":9,"income":10000}]}],
"children":[{"born":"2023-05-10","share":50,"education_end":"2041-06"},{"born":"2026-08-01"}],
"elderly":{"parents_born":["1966-03-15","1967-01-02"],"only_child":false,"share":1500},
"housing_loan":{"first_repayment":"2015-03","share":100},
"degree_study":[{"from":"2024-09","to":"2027-06"},{"from":"2026-03"}],
"certificates":["2026-06"],
"illness":[{"who":"本人","paid":30000},{"who":"子女","paid":50000.25}],
"pension":[{"month":12,"amount":12000}],
"health_insurance":[{"from":1,"to":12,"monthly":200}],
"payments":[{"month":5,"kind":"labour","amount":8000}],
"bonus":{"month":1,"amount":40000,"employer":"甲公司"},
"bonus_method":"merged"})";

// The same facts as another program might write them: keys in another order, amounts as
// strings, defaults spelt out, absent lists as null.
const char *const Reordered =
    R"({"bonus_method":"merged","bonus":{"employer":"甲公司","amount":"40000.00","month":1},
"payments":[{"amount":"8000","kind":"labour","month":5}],"rent":null,
"health_insurance":[{"monthly":"200.00","to":12,"from":1}],"pension":[{"amount":12000.0,"month":12}],
"illness":[{"paid":"30000","who":"本人"},{"paid":"50000.25","who":"子女"}],
"certificates":["2026-06"],"degree_study":[{"to":"2027-06","from":"2024-09"},{"from":"2026-03","to":null}],
"housing_loan":{"share":100,"first_repayment":"2015-03"},
"elderly":{"share":"1500","only_child":false,"parents_born":["1966-03-15","1967-01-02"]},
"children":[{"education_end":"2041-06","share":50,"born":"2023-05-10"},{"share":100,"born":"2026-08-01"}],
"jobs":[{"pay":[{"other":"0","insurance":"2000","exempt":"100","income":"20000","from":1},
                {"other":0,"insurance":2500,"exempt":100,"income":25000.5,"from":7}],
         "deductions_here":true,"mode":"按月","to":10,"from":1,"employer":"甲公司"},
        {"pay":[{"from":9,"income":10000,"exempt":0,"insurance":0,"other":0}],"deductions_here":false,
         "mode":"按月","to":12,"from":9,"employer":"乙公司"}],
"year":2026})";

// The keys of donations, residence and the patient of an illness.
const char *const Cases =
    R"({"year":2026,"days_in_china":200,
"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}],
"children":[{"born":"2015-01-01"},{"born":"2017-01-01"}],
"illness":[{"who":"本人","paid":1},{"who":"子女","paid":2,"child":1},{"who":"子女","paid":3,"child":"小明"}],
"donations":[{"month":3,"amount":1000},{"month":5,"amount":500,"full":true}]})";

current::YearFacts Facts(const std::string &Text) {
    formats::YearRead read = formats::ParseYearFile(Text);
    EXPECT_TRUE(read.Facts.has_value()) << (read.Error ? read.Error->Path : "");
    return read.Facts.value_or(current::YearFacts{});
}

TEST(FormatsYearFile, AnotherProgramsOrderReadsAsTheSameFacts) {
    const current::YearFacts facts = Facts(Full);
    EXPECT_EQ(Facts(Reordered), facts);
    ASSERT_EQ(facts.Jobs.size(), 2u);
    // The later pay entry keeps the exempt and other amounts of the one before.
    const current::PayFacts &july = facts.Jobs[0].Pay[1];
    EXPECT_EQ(july.Income, 2500050);
    EXPECT_EQ(july.Exempt, 10000);
    EXPECT_EQ(july.Insurance, 250000);
    EXPECT_EQ(facts.Jobs[1].Mode, current::BasicDeduction::PerMonth);
    EXPECT_EQ(facts.Children[1].Share, 100);
    EXPECT_FALSE(facts.DegreeStudy[1].To.has_value());
    EXPECT_EQ(facts.Illness[1].Paid, 5000025);
    EXPECT_EQ(facts.Elderly->Share, 150000);
}

TEST(FormatsYearFile, DonationsResidenceAndPatientsReadAndWrittenBack) {
    const current::YearFacts facts = Facts(Cases);
    EXPECT_EQ(facts.DaysInChina, 200);
    ASSERT_EQ(facts.Donations.size(), 2u);
    EXPECT_EQ(facts.Donations[0], (current::DonationFacts{3, 100000, false}));
    EXPECT_EQ(facts.Donations[1], (current::DonationFacts{5, 50000, true}));
    ASSERT_EQ(facts.Illness.size(), 3u);
    EXPECT_FALSE(facts.Illness[0].Child.has_value());
    EXPECT_EQ(facts.Illness[1].Child, (current::PatientFacts{1, ""}));
    EXPECT_EQ(facts.Illness[2].Child, (current::PatientFacts{std::nullopt, "小明"}));
    EXPECT_EQ(Facts(formats::YearFileText(facts)), facts);
    // A file without the keys is a resident's without donations.
    const current::YearFacts plain =
        Facts(R"({"year":2026,"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}]})");
    EXPECT_FALSE(plain.DaysInChina.has_value());
    EXPECT_TRUE(plain.Donations.empty());
    EXPECT_EQ(plain.Name, "");
    EXPECT_EQ(formats::YearFileText(plain).find("\"name\""), std::string::npos);
    // The person's name, trimmed, read and written back.
    const current::YearFacts named = Facts(
        R"({"year":2026,"name":" 李明 ","jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}]})");
    EXPECT_EQ(named.Name, "李明");
    EXPECT_EQ(Facts(formats::YearFileText(named)), named);
}

// The bytes the program has always saved: keys by name, four spaces a level, an empty list on two
// lines, whole amounts as integers and others in their shortest form, text escaped as JSON needs.
TEST(FormatsYearFile, WrittenAsTheProgramAlwaysWroteIt) {
    const char *const text = R"({"year":2026,"jobs":[{"employer":"甲\"\u0001","mode":"6万",
"pay":[{"from":1,"income":1000000,"exempt":0.5,"insurance":12345.67}]}],"bonus_method":"separate",
"payments":[{"month":2,"kind":"royalty","amount":800}],"days_in_china":200})";
    EXPECT_EQ(formats::YearFileText(Facts(text)), R"({
    "bonus_method": "separate",
    "certificates": [
    ],
    "children": [
    ],
    "days_in_china": 200,
    "degree_study": [
    ],
    "donations": [
    ],
    "health_insurance": [
    ],
    "illness": [
    ],
    "jobs": [
        {
            "deductions_here": true,
            "employer": "甲\"\u0001",
            "from": 1,
            "mode": "6万",
            "pay": [
                {
                    "exempt": 0.5,
                    "from": 1,
                    "income": 1000000,
                    "insurance": 12345.67,
                    "other": 0
                }
            ],
            "to": 12
        }
    ],
    "payments": [
        {
            "amount": 800,
            "kind": "royalty",
            "month": 2
        }
    ],
    "pension": [
    ],
    "rent": [
    ],
    "year": 2026
}
)");
}

struct FaultCase {
    const char *Name;
    std::string Text;
    FaultKind Kind;
    std::string Path;
    std::vector<std::string> Values;
    int Line = 0;
    int Column = 0;
};

void PrintTo(const FaultCase &c, std::ostream *os) {
    *os << c.Name;
}

class FormatsYearFault : public testing::TestWithParam<FaultCase> {};

TEST_P(FormatsYearFault, AsData) {
    const FaultCase &c = GetParam();
    const formats::YearRead read = formats::ParseYearFile(c.Text);
    ASSERT_FALSE(read.Facts.has_value());
    ASSERT_TRUE(read.Error.has_value());
    EXPECT_EQ(read.Error->Kind, c.Kind);
    EXPECT_EQ(read.Error->Path, c.Path);
    EXPECT_EQ(read.Error->Values, c.Values);
    EXPECT_EQ(read.Error->Line, c.Line);
    EXPECT_EQ(read.Error->Column, c.Column);
}

const std::string Small =
    R"({"year":2026,"jobs":[{"employer":"甲","pay":[{"from":1,"income":1}]}]})";

std::string With(std::string Text, const std::string &From, const std::string &To) {
    return Text.replace(Text.find(From), From.size(), To);
}

const std::string Megabyte(1 << 20, 'x');
const std::string Deep = std::string(2000, '[') + std::string(2000, ']');

INSTANTIATE_TEST_SUITE_P(
    Hostile, FormatsYearFault,
    testing::Values(
        FaultCase{"KeyTwice",
                  With(Small, "\"year\":2026", "\"year\":2026,\n \"ye\\u0061r\":1"),
                  FaultKind::DuplicateKey,
                  "year",
                  {}},
        // The later value of another type than the earlier: a number, then a list to fill.
        FaultCase{"KeyTwiceAsAList",
                  With(Small, "\"jobs\"", "\"jobs\":13,\"jobs\""),
                  FaultKind::DuplicateKey,
                  "jobs",
                  {}},
        FaultCase{"ControlInName",
                  With(Small, "\"甲\"", "\"甲\n\x1b\""),
                  FaultKind::ControlCharacter,
                  "jobs[0].employer",
                  {"\\u000a"},
                  1,
                  34},
        FaultCase{"ControlInKey",
                  With(Small, "\"year\"", "\"ye\x01\x61r\""),
                  FaultKind::ControlCharacter,
                  "",
                  {"\\u0001"},
                  1,
                  2},
        FaultCase{"LoneSurrogate",
                  With(Small, "\"甲\"", "\"甲\\udc00\""),
                  FaultKind::LoneSurrogate,
                  "jobs[0].employer",
                  {"\\udc00"},
                  1,
                  34},
        FaultCase{"Utf16", std::string("\xff\xfe{\0}\0", 6), FaultKind::Utf16, "", {}},
        FaultCase{"NotAnObject", "[1]", FaultKind::NotADocument, "", {}},
        FaultCase{"TooDeep", Deep, FaultKind::DeepNesting, "", {}, 1, 1025},
        FaultCase{"NoCommaInAnObject",
                  "{\"year\":1\n \"jobs\":[]}",
                  FaultKind::UnterminatedObject,
                  "",
                  {},
                  2,
                  3},
        FaultCase{"NoColon", "{\"year\" 1}", FaultKind::MissingNameSeparator, "", {}, 1, 10},
        FaultCase{"MoreAfterTheEnd", Small + " x", FaultKind::GarbageAtEnd, "", {}, 1, 72},
        FaultCase{"NumberTooLarge",
                  With(Small, "2026", "1e999"),
                  FaultKind::IllegalNumber,
                  "",
                  {},
                  1,
                  10},
        FaultCase{"YearTooLarge",
                  With(Small, "2026", "1e308"),
                  FaultKind::NumberOutOfRange,
                  "year",
                  {"1e+308"}},
        FaultCase{"NegativeIncome",
                  With(Small, "\"income\":1", "\"income\":\"-1\""),
                  FaultKind::AmountNegative,
                  "jobs[0].pay[0].income",
                  {"-1"}},
        FaultCase{"ThreeDecimals",
                  With(Small, "\"income\":1", "\"income\":1.005"),
                  FaultKind::AmountDecimals,
                  "jobs[0].pay[0].income",
                  {"1.005"}},
        FaultCase{"OneCentTooMuch",
                  With(Small, "\"income\":1", "\"income\":10000000000000"),
                  FaultKind::AmountTooLarge,
                  "jobs[0].pay[0].income",
                  {}},
        FaultCase{"MegabyteMode",
                  With(Small, "\"甲\"", "\"甲\",\"mode\":\"" + Megabyte + "\""),
                  FaultKind::UnknownName,
                  "jobs[0].mode",
                  {std::string(40, 'x') + "…", "按月", "自1月", "6万", "per-month", "from-january",
                   "sixty"}},
        FaultCase{"MegabyteKey",
                  With(Small, "\"year\"", "\"\\u202e" + Megabyte + "\":1,\"year\""),
                  FaultKind::UnknownKey,
                  "\\u202e" + std::string(34, 'x') + "…",
                  {"year", "name", "jobs", "children", "elderly", "housing_loan", "rent",
                   "degree_study", "certificates", "illness", "pension", "health_insurance",
                   "payments", "bonus", "bonus_method", "donations", "days_in_china"}},
        FaultCase{"DateOfAnotherForm",
                  With(Small, "\"jobs\"", "\"children\":[{\"born\":\"2019/04/02\"}],\"jobs\""),
                  FaultKind::NotDate,
                  "children[0].born",
                  {"2019/04/02"}},
        FaultCase{"EducationEndBeforeBirth",
                  With(Small, "\"jobs\"",
                       "\"children\":[{\"born\":\"2019-04-02\",\"education_end\":\"2019-03\"}],"
                       "\"jobs\""),
                  FaultKind::EducationEndBeforeBirth,
                  "children[0].education_end",
                  {"2019-04-02"}},
        FaultCase{"PatientNeitherIndexNorName",
                  With(Small, "\"jobs\"",
                       "\"illness\":[{\"who\":\"子女\",\"paid\":1,\"child\":true}],\"jobs\""),
                  FaultKind::NotPatient,
                  "illness[0].child",
                  {}},
        FaultCase{"NoJobs", R"({"year":2026})", FaultKind::MissingKey, "jobs", {}},
        FaultCase{"PayNotAList",
                  With(Small, "[{\"from\":1,\"income\":1}]", "{}"),
                  FaultKind::NotList,
                  "jobs[0].pay",
                  {}},
        FaultCase{"CheckedByTheEngine", With(Small, "2026", "2018"), FaultKind::Year, "year", {}}),
    [](const testing::TestParamInfo<FaultCase> &Info) { return std::string(Info.param.Name); });

// The engine's fault travels whole, for each face to word as it words the facts' checks.
TEST(FormatsYearFile, TheEnginesFaultTravelsWhole) {
    const formats::YearRead read =
        formats::ParseYearFile(With(Small, "\"from\":1,", "\"from\":13,"));
    ASSERT_TRUE(read.Error && read.Error->InYear);
    EXPECT_EQ(read.Error->InYear->Kind, current::YearFaultKind::MonthOutOfRange);
    EXPECT_EQ(read.Error->InYear->Path, "jobs[0].pay[0].from");
    // Not checked, the same text reads as the facts it holds.
    EXPECT_EQ(formats::ReadYearFacts(With(Small, "\"from\":1,", "\"from\":13,"))
                  .Facts.value()
                  .Jobs[0]
                  .Pay[0]
                  .From,
              13);
}

} // namespace

// Facts held as the year file's value in memory, as a page holds what is typed, read as their
// text is: the value written gives the facts back, and a wrong field the fault its text has.
TEST(FormatsYearFile, TheValueInMemoryReadsAsItsText) {
    const current::YearFacts facts = Facts(Full);
    EXPECT_EQ(formats::ReadYearDocument(formats::YearFileValue(facts), true).Facts, facts);
    for (const auto &[from, to] : {std::pair{"\"from\":1,", "\"from\":13,"},
                                   std::pair{"\"income\":1", "\"income\":\"1.001\""}}) {
        const std::string text = With(Small, from, to);
        formats::json::Value document;
        ASSERT_FALSE(formats::json::ParseDocument(text, document));
        const formats::YearRead read = formats::ReadYearDocument(document, true);
        const formats::YearRead expected = formats::ParseYearFile(text);
        ASSERT_TRUE(read.Error && expected.Error) << to;
        EXPECT_EQ(read.Error->Kind, expected.Error->Kind) << to;
        EXPECT_EQ(read.Error->Path, expected.Error->Path) << to;
    }
}
