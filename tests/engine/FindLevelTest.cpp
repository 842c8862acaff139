#include "engine/UBrackets.h"

#include <gtest/gtest.h>

#include <array>
#include <span>

namespace {

// The upper bounds the earlier-rules wage engine and the contracted-operation engine look up.
constexpr std::array<int32_t, 8> OldWageBounds{500, 2000, 5000, 20000, 40000, 60000, 80000, 100000};
constexpr std::array<int32_t, 4> CompanyBounds{5000, 10000, 30000, 50000};

struct Table {
    const char *Name;
    std::span<const int32_t> Bounds;
};

void PrintTo(const Table &t, std::ostream *os) {
    *os << t.Name;
}

class FindLevelOverBounds : public ::testing::TestWithParam<Table> {};

// Every bound belongs to its own index, one cent below too, and one cent above moves to the next.
TEST_P(FindLevelOverBounds, BoundBelongsToLowerBracket) {
    const Table &t = GetParam();
    for (std::size_t i = 0; i < t.Bounds.size(); ++i) {
        const double bound = t.Bounds[i];
        const int index = static_cast<int>(i);
        EXPECT_EQ(Brackets::FindLevel(t.Bounds, bound - 0.01), index) << t.Name << " " << bound;
        EXPECT_EQ(Brackets::FindLevel(t.Bounds, bound), index) << t.Name << " " << bound;
        EXPECT_EQ(Brackets::FindLevel(t.Bounds, bound + 0.01), index + 1) << t.Name << " " << bound;
    }
}

TEST_P(FindLevelOverBounds, ZeroAndNegativeGiveFirstBracket) {
    const Table &t = GetParam();
    EXPECT_EQ(Brackets::FindLevel(t.Bounds, 0), 0) << t.Name;
    EXPECT_EQ(Brackets::FindLevel(t.Bounds, -1e9), 0) << t.Name;
}

TEST_P(FindLevelOverBounds, FarAboveGivesOnePastTheLastBound) {
    const Table &t = GetParam();
    EXPECT_EQ(Brackets::FindLevel(t.Bounds, 1e15), static_cast<int>(t.Bounds.size())) << t.Name;
}

INSTANTIATE_TEST_SUITE_P(EngineTables, FindLevelOverBounds,
                         ::testing::Values(Table{"earlier-rules wages", OldWageBounds},
                                           Table{"contracted operation", CompanyBounds}));

} // namespace
