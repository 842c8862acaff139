// The three tables of the law in force since 2019 at every bound and one cent above it: a bound
// belongs to the bracket it closes ("不超过").

#include "engine/current/TaxTable.h"

#include <gtest/gtest.h>

using namespace current;

namespace {

struct TableCase {
    const char *Table;
    Cents Taxable;
    int Rate;
    Cents QuickDeduction;
    const char *Tax;
};

TaxTable Named(const char *Name) {
    const std::string name = Name;
    return name == "annual" ? Tables::Annual : name == "monthly" ? Tables::Monthly : Tables::Labour;
}

void PrintTo(const TableCase &c, std::ostream *os) {
    *os << c.Table << " " << FormatCents(c.Taxable);
}

class TaxOnTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(TaxOnTable, RateQuickDeductionAndTax) {
    const TableCase &c = GetParam();
    const TaxDue due = TaxOn(Named(c.Table), c.Taxable);
    EXPECT_EQ(due.Rate, c.Rate);
    EXPECT_EQ(due.QuickDeduction, c.QuickDeduction);
    EXPECT_EQ(FormatCents(due.Tax), c.Tax);
}

constexpr Cents Cent = 1;

INSTANTIATE_TEST_SUITE_P(
    Annual, TaxOnTable,
    ::testing::Values(TableCase{"annual", -Yuan(5), 0, 0, "0.00"},
                      TableCase{"annual", 0, 0, 0, "0.00"}, TableCase{"annual", Cent, 3, 0, "0.00"},
                      TableCase{"annual", Yuan(36000), 3, 0, "1080.00"},
                      TableCase{"annual", Yuan(36000) + Cent, 10, Yuan(2520), "1080.00"},
                      TableCase{"annual", Yuan(100000) + 5, 10, Yuan(2520), "7480.01"},
                      TableCase{"annual", Yuan(144000), 10, Yuan(2520), "11880.00"},
                      TableCase{"annual", Yuan(144000) + Cent, 20, Yuan(16920), "11880.00"},
                      TableCase{"annual", Yuan(300000), 20, Yuan(16920), "43080.00"},
                      TableCase{"annual", Yuan(300000) + Cent, 25, Yuan(31920), "43080.00"},
                      TableCase{"annual", Yuan(420000), 25, Yuan(31920), "73080.00"},
                      TableCase{"annual", Yuan(420000) + Cent, 30, Yuan(52920), "73080.00"},
                      TableCase{"annual", Yuan(660000), 30, Yuan(52920), "145080.00"},
                      TableCase{"annual", Yuan(660000) + Cent, 35, Yuan(85920), "145080.00"},
                      TableCase{"annual", Yuan(960000), 35, Yuan(85920), "250080.00"},
                      TableCase{"annual", Yuan(960000) + Cent, 45, Yuan(181920), "250080.00"},
                      TableCase{"annual", Yuan(2000000), 45, Yuan(181920), "718080.00"}));

INSTANTIATE_TEST_SUITE_P(
    Monthly, TaxOnTable,
    ::testing::Values(TableCase{"monthly", Yuan(3000), 3, 0, "90.00"},
                      TableCase{"monthly", Yuan(3000) + Cent, 10, Yuan(210), "90.00"},
                      TableCase{"monthly", Yuan(12000), 10, Yuan(210), "990.00"},
                      TableCase{"monthly", Yuan(12000) + Cent, 20, Yuan(1410), "990.00"},
                      TableCase{"monthly", Yuan(25000), 20, Yuan(1410), "3590.00"},
                      TableCase{"monthly", Yuan(25000) + Cent, 25, Yuan(2660), "3590.00"},
                      TableCase{"monthly", Yuan(35000), 25, Yuan(2660), "6090.00"},
                      TableCase{"monthly", Yuan(35000) + Cent, 30, Yuan(4410), "6090.00"},
                      TableCase{"monthly", Yuan(55000), 30, Yuan(4410), "12090.00"},
                      TableCase{"monthly", Yuan(55000) + Cent, 35, Yuan(7160), "12090.00"},
                      TableCase{"monthly", Yuan(80000), 35, Yuan(7160), "20840.00"},
                      TableCase{"monthly", Yuan(80000) + Cent, 45, Yuan(15160), "20840.00"}));

INSTANTIATE_TEST_SUITE_P(
    Labour, TaxOnTable,
    ::testing::Values(TableCase{"labour", Yuan(20000), 20, 0, "4000.00"},
                      TableCase{"labour", Yuan(20000) + Cent, 30, Yuan(2000), "4000.00"},
                      TableCase{"labour", Yuan(50000), 30, Yuan(2000), "13000.00"},
                      TableCase{"labour", Yuan(50000) + Cent, 40, Yuan(7000), "13000.00"}));

TEST(BracketOf, DecidesOnAMultipleOfTheBoundWithoutDividing) {
    EXPECT_EQ(BracketOf(Tables::Monthly, Yuan(36000), 12).Rate, 3);
    EXPECT_EQ(BracketOf(Tables::Monthly, Yuan(36000) + 1, 12).Rate, 10);
    EXPECT_EQ(BracketOf(Tables::Monthly, Yuan(960000) + 1, 12).Rate, 45);
}

// Soundness is checked at compile time for the tables in force; these are the faults it catches.
constexpr TaxBracket Unordered[] = {
    {Yuan(200), 3, 0}, {Yuan(100), 10, Yuan(17)}, {Unbounded, 20, 0}};
constexpr TaxBracket Discontinuous[] = {{Yuan(100), 3, 0}, {Unbounded, 10, Yuan(8)}};
constexpr TaxBracket Closed[] = {{Yuan(100), 3, 0}};
static_assert(!IsSound(Unordered) && !IsSound(Discontinuous) && !IsSound(Closed));

} // namespace
