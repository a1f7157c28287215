#include "report/preview/printers/TfrxPaperTable.h"

#include <gtest/gtest.h>

namespace {

struct PaperCase {
    int number;
    double width;
    double height;
};

class PaperTableTest : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperTableTest, GivesPortraitSizeInMillimetres)
{
    const PaperCase c = GetParam();
    double width = -1;
    double height = -1;
    ASSERT_TRUE(frxGetPaperDimensions(c.number, width, height));
    EXPECT_DOUBLE_EQ(width, c.width);
    EXPECT_DOUBLE_EQ(height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Papers, PaperTableTest,
                         ::testing::Values(PaperCase{1, 215.9, 279.4}, PaperCase{4, 431.8, 279.4},
                                           PaperCase{8, 297, 420}, PaperCase{9, 210, 297},
                                           PaperCase{11, 148, 210}, PaperCase{26, 863.6, 1117.6},
                                           PaperCase{35, 176, 125}, PaperCase{37, 98.4, 190.5},
                                           PaperCase{47, 220, 220}, PaperCase{50, 235.5, 304.8},
                                           PaperCase{54, 210.1, 279.4}, PaperCase{61, 148, 210},
                                           PaperCase{66, 420, 594}, PaperCase{68, 322, 445}));

TEST(PaperTable, LeavesSizesOfUnknownNumbersAlone)
{
    for (int number : {0, 48, 49, 69, 256, -1}) {
        double width = 1;
        double height = 2;
        EXPECT_FALSE(frxGetPaperDimensions(number, width, height)) << number;
        EXPECT_EQ(width, 1) << number;
        EXPECT_EQ(height, 2) << number;
    }
}

TEST(PaperTable, HoldsSixtySixPapersInIncreasingOrder)
{
    const auto table = frxPaperTable();
    ASSERT_EQ(table.size(), 66u);
    EXPECT_EQ(table.front().Number, 1);
    EXPECT_EQ(table.back().Number, 68);
    for (size_t i = 1; i < table.size(); ++i)
        EXPECT_LT(table[i - 1].Number, table[i].Number);
}

} // namespace
