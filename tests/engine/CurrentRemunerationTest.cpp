// Labour, author and royalty payments of residents and non-residents.

#include "engine/current/Remuneration.h"
#include "engine/current/TaxTable.h"

#include <gtest/gtest.h>

using namespace current;

namespace {

struct PaymentCase {
    const char *Rule;
    RemunerationKind Kind;
    bool NonResident;
    Cents Payment;
    const char *Deduction;
    const char *Taxable;
    int Rate;
    const char *QuickDeduction;
    const char *Tax;
};

void PrintTo(const PaymentCase &c, std::ostream *os) {
    *os << c.Rule;
}

class Remunerations : public ::testing::TestWithParam<PaymentCase> {};

TEST_P(Remunerations, DeductionTaxableAndTax) {
    const PaymentCase &c = GetParam();
    const Remuneration r = WithholdRemuneration(c.Payment, c.Kind, c.NonResident);
    EXPECT_EQ(FormatCents(r.Deduction), c.Deduction);
    EXPECT_EQ(FormatCents(r.Taxable), c.Taxable);
    EXPECT_EQ(r.Rate, c.Rate);
    EXPECT_EQ(FormatCents(r.QuickDeduction), c.QuickDeduction);
    EXPECT_EQ(FormatCents(r.Tax), c.Tax);
    EXPECT_EQ(r.AfterTax, c.Payment - r.Tax);
}

constexpr auto Labour = RemunerationKind::Labour;
constexpr auto Author = RemunerationKind::Author;
constexpr auto Royalty = RemunerationKind::Royalty;

INSTANTIATE_TEST_SUITE_P(
    Resident, Remunerations,
    ::testing::Values(PaymentCase{"800 deducted from a smaller payment too", Labour, false,
                                  Yuan(500), "800.00", "0.00", 0, "0.00", "0.00"},
                      PaymentCase{"800 deducted up to 4000", Labour, false, Yuan(4000), "800.00",
                                  "3200.00", 20, "0.00", "640.00"},
                      PaymentCase{"20 % deducted above 4000", Labour, false, Yuan(4000) + 1,
                                  "800.00", "3200.01", 20, "0.00", "640.00"},
                      PaymentCase{"20 % of 4000.05 rounds up a cent", Labour, false, Yuan(4000) + 5,
                                  "800.01", "3200.04", 20, "0.00", "640.01"},
                      PaymentCase{"labour table above 20000", Labour, false, Yuan(30000), "6000.00",
                                  "24000.00", 30, "2000.00", "5200.00"},
                      PaymentCase{"labour table above 50000", Labour, false, Yuan(100000),
                                  "20000.00", "80000.00", 40, "7000.00", "25000.00"},
                      PaymentCase{"author: 70 % of what is left, at 20 %", Author, false,
                                  Yuan(10000), "2000.00", "5600.00", 20, "0.00", "1120.00"},
                      PaymentCase{"author up to 4000: 800 off first", Author, false, Yuan(4000),
                                  "800.00", "2240.00", 20, "0.00", "448.00"},
                      PaymentCase{"royalty at 20 % whatever the amount", Royalty, false,
                                  Yuan(100000), "20000.00", "80000.00", 20, "0.00", "16000.00"}));

INSTANTIATE_TEST_SUITE_P(
    NonResident, Remunerations,
    ::testing::Values(PaymentCase{"20 % deducted from a small payment", Labour, true, Yuan(3000),
                                  "600.00", "2400.00", 3, "0.00", "72.00"},
                      PaymentCase{"labour on the monthly table", Labour, true, Yuan(10000),
                                  "2000.00", "8000.00", 10, "210.00", "590.00"},
                      PaymentCase{"author: 70 % then the monthly table", Author, true, Yuan(10000),
                                  "2000.00", "5600.00", 10, "210.00", "350.00"},
                      PaymentCase{"royalty on the monthly table", Royalty, true, Yuan(100000),
                                  "20000.00", "80000.00", 35, "7160.00", "20840.00"}));

} // namespace
