#include "common/Rounding.h"

#include <gtest/gtest.h>

TEST(Rounding, TiesGoToTheEvenNeighbour)
{
    const struct { double in; int64_t out; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3},
        {558.39, 558}, {793.7013, 794},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Rounding, TruncationGoesTowardsZero)
{
    EXPECT_EQ(truncToward0(2.9), 2);
    EXPECT_EQ(truncToward0(-2.9), -2);
}
