#include "report/engine/SpreadByHalving.h"

#include <gtest/gtest.h>

namespace {

struct SpreadCase {
    int count;
    int difference;
    std::vector<int> expected;
};

class StretchEvenlyTest : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(StretchEvenlyTest, PlacesUnitsEvenly)
{
    const SpreadCase& c = GetParam();
    std::vector<int> values(c.count, 10);
    StretchEvenly(values, c.difference);
    std::vector<int> added;
    for (int v : values)
        added.push_back(v - 10);
    EXPECT_EQ(added, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StretchEvenlyTest,
                         ::testing::Values(SpreadCase{4, 0, {0, 0, 0, 0}},
                                           // One unit lands in the middle, not at an end.
                                           SpreadCase{4, 1, {0, 1, 0, 0}}, SpreadCase{5, 1, {0, 1, 0, 0, 0}},
                                           SpreadCase{4, 2, {1, 0, 1, 0}}, SpreadCase{4, 3, {1, 0, 1, 1}},
                                           SpreadCase{4, -3, {-1, 0, -1, -1}},
                                           // At least one unit per position: the rest is halved.
                                           SpreadCase{4, 9, {2, 3, 2, 2}}, SpreadCase{3, -7, {-3, -2, -2}},
                                           SpreadCase{1, 5, {5}}, SpreadCase{0, 5, {}}));

TEST(SpreadByHalvingTest, KeepsEveryUnitOnASinglePosition)
{
    std::vector<int> values(3, 0);
    SpreadByHalving(values, 1, 1, 4, 1);
    EXPECT_EQ(values, (std::vector<int>{0, 4, 0}));
}

} // namespace
