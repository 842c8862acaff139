// The numbers of the law in force are written once, in engine/current/: the pages, the command
// line, the chart, the picture generator and the user guide format them from there. This scans the
// string literals of those folders for the amounts, rates, multiples and years the engines hold.

#include "engine/current/Rules.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Literal {
    int Line = 0;
    std::string Text;
};

bool IsWordChar(char C) {
    return std::isalnum(static_cast<unsigned char>(C)) || C == '_';
}

// The end of a literal opened at Open (just after its quote), escapes skipped.
std::size_t LiteralEnd(std::string_view Source, std::size_t Open, char Quote) {
    std::size_t i = Open;
    while (i < Source.size() && Source[i] != Quote)
        i += Source[i] == '\\' ? 2 : 1;
    return std::min(i, Source.size());
}

// The string literals of a C++ source outside comments, raw strings included.
std::vector<Literal> Literals(std::string_view Source) {
    std::vector<Literal> literals;
    int line = 1;
    std::size_t i = 0;
    const auto advance = [&](std::size_t To) {
        for (; i < To && i < Source.size(); ++i)
            line += Source[i] == '\n';
    };
    while (i < Source.size()) {
        const std::string_view rest = Source.substr(i);
        if (rest.starts_with("//")) {
            advance(Source.find('\n', i));
        } else if (rest.starts_with("/*")) {
            const std::size_t end = Source.find("*/", i + 2);
            advance(end == std::string_view::npos ? Source.size() : end + 2);
        } else if (rest.starts_with("R\"") &&
                   (i == 0 || !IsWordChar(Source[i - 1]) || Source.substr(i - 2, 2) == "u8")) {
            const std::size_t paren = Source.find('(', i);
            const std::string close = ")" + std::string(Source.substr(i + 2, paren - i - 2)) + "\"";
            const std::size_t end = Source.find(close, paren);
            literals.push_back({line, std::string(Source.substr(paren + 1, end - paren - 1))});
            advance(end + close.size());
        } else if (Source[i] == '\'' && i > 0 &&
                   std::isdigit(static_cast<unsigned char>(Source[i - 1]))) {
            ++i; // a digit separator
        } else if (Source[i] == '"' || Source[i] == '\'') {
            const std::size_t end = LiteralEnd(Source, i + 1, Source[i]);
            if (Source[i] == '"')
                literals.push_back({line, std::string(Source.substr(i + 1, end - i - 1))});
            advance(end + 1);
        } else {
            advance(i + 1);
        }
    }
    return literals;
}

// What the engines hold: amounts in whole yuan, rates and shares in percent, multiples, years.
struct Known {
    std::set<long long> Yuan, Percent, Times, Years;
};

Known LawNumbers() {
    using namespace current;
    Known known;
    const auto yuan = [&known](Cents Amount) {
        if (Amount > 0 && Amount % 100 == 0)
            known.Yuan.insert(Amount / 100);
    };
    for (int year = FirstRulesYear; year <= LastRulesYear; ++year) {
        const YearRules &r = *RulesOf(year);
        for (Cents amount :
             {r.BasicMonthly, r.BasicAnnual, r.ChildEducation, r.InfantCare, r.ElderlyOnlyChild,
              r.ElderlyShareMax, r.HousingLoan, r.RentLargeCity, r.RentMiddleCity, r.RentSmallCity,
              r.DegreeStudy, r.Certificate, r.PensionCap, r.HealthMonthly, r.HealthAnnual,
              r.SmallOwed, r.LowIncome})
            yuan(amount);
    }
    for (Cents amount :
         {Law::SmallPayment, Law::SmallPaymentCost, Law::IllnessFloor, Law::IllnessCap})
        yuan(amount);
    for (TaxTable table : {Tables::Annual, Tables::Monthly, Tables::Labour, Tables::FlatTwenty}) {
        for (const TaxBracket &bracket : table) {
            if (bracket.UpTo != Unbounded)
                yuan(bracket.UpTo);
            yuan(bracket.QuickDeduction);
            known.Percent.insert(bracket.Rate);
        }
    }
    // A whole (100 %) is no number of the law.
    known.Percent.insert({Law::CostRate, Law::AuthorShare, Law::HalfShare, Law::IncomeShare,
                          Law::AuthorIncomeShare});
    known.Times.insert(Law::TaxFreeYears);
    known.Years.insert({FirstRulesYear, Law::SeparateBonusUntil.Year});
    return known;
}

bool Follows(std::string_view Text, std::size_t At, std::string_view What) {
    while (At < Text.size() && Text[At] == ' ')
        ++At;
    return Text.substr(At).starts_with(What);
}

// The law's numbers typed in a literal. A number is one unless it is an argument marker (%1), a
// part of a word, an address or a longer number, or the value of an option in an example command
// line (--income 20000). "6万" alone names the withholding method, "12万元" is an amount.
std::vector<std::string> TypedNumbers(std::string_view Text, const Known &Law) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < Text.size();) {
        if (!std::isdigit(static_cast<unsigned char>(Text[i]))) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < Text.size() &&
               (std::isdigit(static_cast<unsigned char>(Text[end])) || Text[end] == '.'))
            ++end;
        const std::string_view number = Text.substr(i, end - i);
        const char before = i > 0 ? Text[i - 1] : ' ';
        std::string_view lead = Text.substr(0, i);
        while (!lead.empty() && (lead.back() == ' ' || lead.back() == '-'))
            lead.remove_suffix(1);
        const std::size_t dashes = lead.rfind("--");
        const bool optionValue = dashes != std::string_view::npos &&
                                 lead.substr(dashes).find(' ') == std::string_view::npos;
        const char after = end < Text.size() ? Text[end] : ' ';
        const bool word = IsWordChar(before) || before == '%' || before == '.' || before == '/' ||
                          IsWordChar(after) || after == '/';
        i = end;
        if (word || optionValue || number.find('.') != std::string_view::npos)
            continue;
        const long long value = std::stoll(std::string(number));
        std::size_t unit = end;
        while (unit < Text.size() && Text[unit] == ' ')
            ++unit;
        std::string hit;
        if (Text.substr(unit).starts_with("万")) {
            if (Follows(Text, unit + std::string_view("万").size(), "元") &&
                Law.Yuan.count(value * 10000))
                hit = std::string(number) + "万元";
        } else if (Follows(Text, end, "%") || Follows(Text, end, "％")) {
            if (Law.Percent.count(value))
                hit = std::string(number) + "%";
        } else if (Follows(Text, end, "倍")) {
            if (Law.Times.count(value))
                hit = std::string(number) + "倍";
        } else if (Follows(Text, end, "年") && Law.Years.count(value)) {
            hit = std::string(number) + "年";
        } else if (Law.Yuan.count(value)) {
            hit = std::string(number);
        }
        if (!hit.empty())
            found.push_back(hit);
    }
    return found;
}

struct ScanCase {
    const char *Rule;
    const char *Source;
    std::vector<std::string> Found;
};

TEST(RuleNumbers, TheScanFindsTypedNumbersAndNothingElse) {
    const Known law = LawNumbers();
    const std::vector<ScanCase> cases{
        {"an amount", R"(tr("每月5000元"))", {"5000"}},
        {"an amount formatted", R"(tr("每月%1元").arg(x))", {}},
        {"in a comment", "// 5000 a month\nint x; /* 60000 */", {}},
        {"an example's option value", R"(QStringLiteral("pendra-cli wage --income 20000"))", {}},
        {"a negative option value", R"("--taxable -20000 --json")", {}},
        {"a rate and a share", R"("按 20% 预扣，稿酬按 70％")", {"20%", "70%"}},
        {"a whole is no rule", R"("比例合计不能大于100%")", {}},
        {"the method's name", R"("6万")", {}},
        {"ten thousands of yuan", R"("不超过12 万元")", {"12万元"}},
        {"a multiple", R"("3倍以内")", {"3倍"}},
        {"a year of the law", R"("2027 年底前")", {"2027年"}},
        {"another year", R"("2026年2月")", {}},
        {"part of a longer number", R"("150000")", {}},
        {"part of an address", R"("http://www.w3.org/2000/svg")", {}},
        {"a decimal", R"("38566.67")", {}},
        {"a raw string", "R\"x(上限12000元)x\"", {"12000"}},
        {"a character is no text", "'5'; 1'000'000; \"800\"", {"800"}},
    };
    for (const ScanCase &c : cases) {
        std::vector<std::string> found;
        for (const Literal &literal : Literals(c.Source)) {
            for (const std::string &hit : TypedNumbers(literal.Text, law))
                found.push_back(hit);
        }
        EXPECT_EQ(found, c.Found) << c.Rule;
    }
}

TEST(RuleNumbers, NotTypedOutsideTheEngine) {
    const Known law = LawNumbers();
    const std::filesystem::path root(PENDRA_SOURCE_DIR);
    std::vector<std::string> typed;
    int files = 0;
    for (const char *folder : {"pages", "cli", "chart", "scripts/pictures"}) {
        for (const auto &entry : std::filesystem::directory_iterator(root / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h")
                continue;
            ++files;
            std::ifstream file(entry.path(), std::ios::binary);
            std::stringstream source;
            source << file.rdbuf();
            for (const Literal &literal : Literals(source.str())) {
                for (const std::string &hit : TypedNumbers(literal.Text, law))
                    typed.push_back(std::filesystem::relative(entry.path(), root).string() + ":" +
                                    std::to_string(literal.Line) + ": " + hit);
            }
        }
    }
    // The user guide writes every amount as a placeholder filled from the engines.
    for (const auto &entry : std::filesystem::directory_iterator(root / "resources" / "guide")) {
        if (entry.path().extension() != ".html")
            continue;
        ++files;
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        for (const std::string &hit : TypedNumbers(text.str(), law))
            typed.push_back(std::filesystem::relative(entry.path(), root).string() + ": " + hit);
    }
    EXPECT_GT(files, 42);
    EXPECT_TRUE(typed.empty()) << "numbers of engine/current typed instead of formatted:\n"
                               << ::testing::PrintToString(typed);
}

} // namespace
