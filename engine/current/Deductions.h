#pragma once
// The special additional deductions (专项附加扣除), with the pension and health insurance, as
// the choices the parameter file (init.ini) kept before deductions were dated. Nothing writes
// them any more: they are read once, into the first year a person opens, and, while no year is
// open, into the wage page's monthly amount.
//
// The monthly total is what an employer deducted each month under those choices: the monthly
// items, plus a twelfth of the personal pension's yearly amount (cut to the cent, so twelve
// months never deduct more than was paid in). The continuing education certificate and serious
// illness costs counted at the annual settlement only, so they are in the annual total and not in
// the monthly one.

#include "engine/current/Money.h"
#include "engine/current/Rules.h"
#include "engine/current/YearFacts.h"

#include <string_view>
#include <vector>

namespace current {

enum class ElderlyCare { None, OnlyChild, Shared };
enum class Housing { None, Loan, LoanHalf, RentLargeCity, RentMiddleCity, RentSmallCity };
enum class Education { None, Degree, Certificate };

struct DeductionChoices {
    int Children = 0;          // 子女教育: children in education
    bool ChildrenHalf = false; // each parent claims 50 %
    int Infants = 0;           // 3岁以下婴幼儿照护
    bool InfantsHalf = false;
    ElderlyCare Elderly = ElderlyCare::None;
    Cents ElderlyShare = 0;       // the monthly share of a child who is not the only one
    Housing Home = Housing::None; // loan interest or rent, never both
    Education Study = Education::None;
    Cents Illness = 0;         // 大病医疗 of the year
    Cents Pension = 0;         // 个人养老金 paid in the year
    Cents HealthInsurance = 0; // 商业健康保险 premium a month
};

// The limits of the law in the latest year; an amount beyond its limit counts as the limit.
inline constexpr int MaxPersons = 20;
inline constexpr Cents PerChild = LatestRules().ChildEducation;
inline constexpr Cents OnlyChildCare = LatestRules().ElderlyOnlyChild;
inline constexpr Cents MaxElderlyShare = LatestRules().ElderlyShareMax;
inline constexpr Cents MaxIllness = Law::IllnessCap;
inline constexpr Cents MaxPension = LatestRules().PensionCap;
inline constexpr Cents MaxHealthInsurance = LatestRules().HealthMonthly;
inline constexpr Cents DegreeStudy = LatestRules().DegreeStudy;
inline constexpr Cents CertificateYear = LatestRules().Certificate;

// What each item comes to.
struct DeductionAmounts {
    Cents Children = 0;        // a month
    Cents Infants = 0;         // a month
    Cents Elderly = 0;         // a month
    Cents Home = 0;            // a month
    Cents Degree = 0;          // a month
    Cents Certificate = 0;     // the year, at settlement
    Cents Illness = 0;         // the year, at settlement
    Cents PensionMonthly = 0;  // a twelfth of the year's, withheld monthly
    Cents Pension = 0;         // the year
    Cents HealthInsurance = 0; // a month
    Cents Monthly = 0;         // deducted in each month's withholding
    Cents Annual = 0;          // deducted over the year, settlement items included
};

DeductionAmounts DeductionsOf(const DeductionChoices &Choices);

// The choices as dated facts of the year Facts.Year, added to Facts: how the year file takes over
// what the parameter file kept before deductions were dated. Each child is in education, each
// infant in care and the parents past 60 for the whole year; the loan or the lease runs all year,
// and so does the degree course; the certificate falls in December and the pension is paid then,
// since the choices counted both only for the year; the illness's deduction is paid above the
// floor by the person; the health insurance covers every month. An elderly share is cut to the
// year's limit, so that the facts check.
void AddChoices(YearFacts &Facts, const DeductionChoices &Choices);

namespace DeductionsIni {

// "专项附加扣除" in GBK bytes, as the other section of the parameter file is named.
inline constexpr std::string_view SectionName = "\xD7\xA8\xCF\xEE\xB8\xBD\xBC\xD3\xBF\xDB\xB3\xFD";

// An amount of the file beyond its limit: which it is and what the file holds.
struct OverLimit {
    Cents DeductionChoices::*Member;
    Cents Found;
};

// The choices in the file's bytes; a missing key or a value out of its range reads as nothing
// chosen for that item, but an amount beyond its limit reads as the limit (and is listed in
// Beyond, when given), so that what was meant is not taken for nothing.
DeductionChoices Read(std::string_view Bytes, std::vector<OverLimit> *Beyond = nullptr);
} // namespace DeductionsIni

} // namespace current
