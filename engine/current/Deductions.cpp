#include "engine/current/Deductions.h"

#include "engine/UIniText.h"
#include "engine/current/RulesInUse.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace current {
namespace {

// A share of 50 % halves the amount per person.
Cents PerPerson(int Persons, bool Half) {
    const Cents all = PerChild * std::clamp(Persons, 0, MaxPersons);
    return Half ? Percent(all, Law::HalfShare) : all;
}

Cents Capped(Cents Amount, Cents Limit) {
    return std::clamp(Amount, Cents{0}, Limit);
}

Cents HousingMonthly(Housing Home) {
    const YearRules &rules = LatestRules();
    switch (Home) {
    case Housing::Loan:
        return rules.HousingLoan;
    case Housing::LoanHalf:
        return Percent(rules.HousingLoan, Law::HalfShare);
    case Housing::RentLargeCity:
        return rules.RentLargeCity;
    case Housing::RentMiddleCity:
        return rules.RentMiddleCity;
    case Housing::RentSmallCity:
        return rules.RentSmallCity;
    case Housing::None:
        break;
    }
    return 0;
}

} // namespace

DeductionAmounts DeductionsOf(const DeductionChoices &C) {
    DeductionAmounts a;
    a.Children = PerPerson(C.Children, C.ChildrenHalf);
    a.Infants = PerPerson(C.Infants, C.InfantsHalf);
    if (C.Elderly == ElderlyCare::OnlyChild)
        a.Elderly = OnlyChildCare;
    else if (C.Elderly == ElderlyCare::Shared)
        a.Elderly = Capped(C.ElderlyShare, MaxElderlyShare);
    a.Home = HousingMonthly(C.Home);
    a.Degree = C.Study == Education::Degree ? DegreeStudy : 0;
    a.Certificate = C.Study == Education::Certificate ? CertificateYear : 0;
    a.Illness = Capped(C.Illness, MaxIllness);
    a.Pension = Capped(C.Pension, MaxPension);
    a.PensionMonthly = a.Pension / 12;
    a.HealthInsurance = Capped(C.HealthInsurance, MaxHealthInsurance);
    const Cents monthlyItems = a.Children + a.Infants + a.Elderly + a.Home + a.Degree;
    a.Monthly = monthlyItems + a.PensionMonthly + a.HealthInsurance;
    a.Annual = (monthlyItems + a.HealthInsurance) * 12 + a.Pension + a.Certificate + a.Illness;
    return a;
}

namespace {

// The birth dates that put a child in education, an infant in care and a parent past 60 for the
// whole of Year.
Date ChildInEducation(int Year) {
    return {Year - Law::InfantYears - 1, 1, 1};
}
Date InfantAllYear(int Year) {
    return {Year - 1, 1, 1};
}
Date ParentPastSixty(int Year) {
    return {Year - Law::ElderlyAge - 1, 1, 1};
}

void AddPersons(std::vector<ChildFacts> &Children, int Count, bool Half, Date Born) {
    for (int i = 0; i < std::clamp(Count, 0, MaxPersons); ++i)
        Children.push_back({Born, Half ? Law::HalfShare : Law::WholeShare, std::nullopt});
}

void AddHome(YearFacts &F, Housing Home, const YearRules &Rules) {
    const CalendarMonth january{F.Year, 1};
    const CalendarMonth december{F.Year, Law::MonthsInYear};
    switch (Home) {
    case Housing::Loan:
    case Housing::LoanHalf:
        F.HousingLoan = LoanFacts{{F.Year - 1, 1},
                                  Home == Housing::LoanHalf ? Law::HalfShare : Law::WholeShare};
        return;
    case Housing::RentLargeCity:
        F.Rent.push_back({january, december, Rules.RentLargeCity});
        return;
    case Housing::RentMiddleCity:
        F.Rent.push_back({january, december, Rules.RentMiddleCity});
        return;
    case Housing::RentSmallCity:
        F.Rent.push_back({january, december, Rules.RentSmallCity});
        return;
    case Housing::None:
        break;
    }
}

} // namespace

void AddChoices(YearFacts &F, const DeductionChoices &C) {
    const YearRules *found = RulesInUse(F.Year);
    const YearRules &rules = found ? *found : LatestRules();
    AddPersons(F.Children, C.Children, C.ChildrenHalf, ChildInEducation(F.Year));
    AddPersons(F.Children, C.Infants, C.InfantsHalf, InfantAllYear(F.Year));
    if (C.Elderly != ElderlyCare::None) {
        ElderlyFacts elderly{{ParentPastSixty(F.Year)}, C.Elderly == ElderlyCare::OnlyChild, {}};
        if (!elderly.OnlyChild)
            elderly.Share = std::clamp(C.ElderlyShare, Cents{0}, rules.ElderlyShareMax);
        F.Elderly = elderly;
    }
    AddHome(F, C.Home, rules);
    if (C.Study == Education::Degree)
        F.DegreeStudy.push_back({{F.Year, 1}, std::nullopt});
    if (C.Study == Education::Certificate)
        F.Certificates.push_back({F.Year, Law::MonthsInYear});
    if (C.Illness > 0)
        F.Illness.push_back({IllnessOf::Self, Law::IllnessFloor + Capped(C.Illness, MaxIllness)});
    // Paid in December, and so only in a year of the scheme.
    if (C.Pension > 0 && MonthIndex(F.Year, Law::MonthsInYear) >=
                             MonthIndex(Law::PensionFrom.Year, Law::PensionFrom.Month))
        F.Pension.push_back({Law::MonthsInYear, Capped(C.Pension, MaxPension)});
    if (C.HealthInsurance > 0)
        F.HealthInsurance.push_back(
            {1, Law::MonthsInYear, Capped(C.HealthInsurance, MaxHealthInsurance)});
}

namespace DeductionsIni {
namespace {

constexpr std::array<std::string_view, 11> Keys{
    "Children", "ChildrenShare", "Infants", "InfantsShare", "Elderly",        "ElderlyShare",
    "Housing",  "Education",     "Illness", "Pension",      "HealthInsurance"};

// A whole number from First to Last, or none.
std::optional<int> Whole(const std::optional<std::string> &Text, int First, int Last) {
    if (!Text)
        return std::nullopt;
    int value = 0;
    const char *end = Text->data() + Text->size();
    const auto [stop, error] = std::from_chars(Text->data(), end, value);
    if (error != std::errc{} || stop != end || value < First || value > Last)
        return std::nullopt;
    return value;
}

// An amount from 0 to Limit; one beyond the limit is the limit, noted in Beyond; anything else 0.
Cents Amount(const std::optional<std::string> &Text, Cents Limit, Cents DeductionChoices::*Member,
             std::vector<OverLimit> *Beyond) {
    const std::optional<Cents> value = Text ? ParseCents(*Text) : std::nullopt;
    if (!value || *value < 0)
        return 0;
    if (*value > Limit && Beyond != nullptr)
        Beyond->push_back({Member, *value});
    return std::min(*value, Limit);
}

} // namespace

DeductionChoices Read(std::string_view Bytes, std::vector<OverLimit> *Beyond) {
    const auto v = IniText::ReadSection(Bytes, SectionName, Keys);
    DeductionChoices c;
    c.Children = Whole(v[0], 0, MaxPersons).value_or(0);
    c.ChildrenHalf = Whole(v[1], 50, 50).has_value();
    c.Infants = Whole(v[2], 0, MaxPersons).value_or(0);
    c.InfantsHalf = Whole(v[3], 50, 50).has_value();
    c.Elderly = static_cast<ElderlyCare>(Whole(v[4], 0, 2).value_or(0));
    c.ElderlyShare = Amount(v[5], MaxElderlyShare, &DeductionChoices::ElderlyShare, Beyond);
    c.Home = static_cast<Housing>(Whole(v[6], 0, 5).value_or(0));
    c.Study = static_cast<Education>(Whole(v[7], 0, 2).value_or(0));
    c.Illness = Amount(v[8], MaxIllness, &DeductionChoices::Illness, Beyond);
    c.Pension = Amount(v[9], MaxPension, &DeductionChoices::Pension, Beyond);
    c.HealthInsurance =
        Amount(v[10], MaxHealthInsurance, &DeductionChoices::HealthInsurance, Beyond);
    return c;
}

} // namespace DeductionsIni
} // namespace current
