#include "report/preview/TfrxPageList.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The certificate's A5 page in report pixels.
constexpr int kA5Width = 559;
constexpr int kA5Height = 794;

struct RowCase {
    const char* name;
    int pages;
    double zoom;
    int clientWidth;
    // OffsetX, OffsetY of every page.
    std::vector<std::pair<int, int>> offsets;
    int maxWidth;
    int maxBottom;
};

class PageRowsTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(PageRowsTest, PagesFillCentredRowsTenPixelsApart)
{
    const RowCase& c = GetParam();
    TfrxPageList list;
    for (int i = 0; i < c.pages; ++i)
        list.AddPage(kA5Width, kA5Height, c.zoom);
    list.CalcBounds(c.clientWidth);
    ASSERT_EQ(list.GetCount(), int(c.offsets.size()));
    for (int i = 0; i < list.GetCount(); ++i) {
        EXPECT_EQ(list.GetItem(i).OffsetX, c.offsets[size_t(i)].first) << "page " << i;
        EXPECT_EQ(list.GetItem(i).OffsetY, c.offsets[size_t(i)].second) << "page " << i;
    }
    EXPECT_EQ(list.GetMaxBounds(), QPoint(c.maxWidth, c.maxBottom));
}

// At 0.25 an A5 page is 140 × 198 pixels.
INSTANTIATE_TEST_SUITE_P(
    Layouts, PageRowsTest,
    ::testing::Values(
        // One page in a wide window: (w − 559) div 2 + 10 from the left, 10 below the top.
        RowCase{"OnePageCentred", 1, 1.0, 1000, {{(1000 - 569 + 10) / 2 + 10, 10}}, 569, 804},
        // Wider than the window: 10 from the left edge.
        RowCase{"WiderThanTheWindow", 1, 1.0, 400, {{10, 10}}, 569, 804},
        // Three small pages share a row of 450 (140 + 10 each, 150 × 3 = 450 fits exactly with the
        // last gap outside); the fourth starts the next row, centred on its own.
        RowCase{"SmallPagesShareRows",
                4,
                0.25,
                440,
                {{(440 - 450 + 10) / 2 + 10, 10},
                 {(440 - 450 + 10) / 2 + 160, 10},
                 {(440 - 450 + 10) / 2 + 310, 10},
                 {(440 - 150 + 10) / 2 + 10, 218}},
                450,
                416}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PageListTest, ARowNeverEndsBeforeItsFirstPageAndTheBoundsStartEmpty)
{
    TfrxPageList list;
    EXPECT_EQ(list.GetMaxBounds(), QPoint(0, 0));
    list.AddPage(2000, 100, 1);
    list.AddPage(2000, 100, 1);
    list.CalcBounds(500);
    EXPECT_EQ(list.GetItem(0).OffsetY, 10);
    EXPECT_EQ(list.GetItem(1).OffsetY, 120);
}

TEST(PageListTest, SizesAreRoundedHalfToEven)
{
    TfrxPageList list;
    list.AddPage(5, 7, 0.5); // 2.5 and 3.5
    EXPECT_EQ(list.GetItem(0).Width, 2);
    EXPECT_EQ(list.GetItem(0).Height, 4);
}

// Pages of height 100 stand at 10, 120, 230, ...: a page becomes current once its top is less than
// a fifth of its height (20) below the top of the view.
TEST(PageListTest, APageBecomesCurrentOnceItsTopIsWithinAFifthOfItsHeight)
{
    TfrxPageList list;
    for (int i = 0; i < 5; ++i)
        list.AddPage(100, 100, 1);
    list.CalcBounds(50);
    EXPECT_EQ(list.FindPage(0), 0);
    EXPECT_EQ(list.FindPage(99), 0);  // page 1's top 120 > 99 + 20
    EXPECT_EQ(list.FindPage(100), 1); // 120 ≤ 100 + 20
    EXPECT_EQ(list.FindPage(450), 4);
    EXPECT_EQ(list.FindPage(-100), -1);
}

TEST(PageListTest, APointFindsThePageThatContainsIt)
{
    TfrxPageList list;
    for (int i = 0; i < 3; ++i)
        list.AddPage(100, 100, 1);
    list.CalcBounds(1000); // one row
    const int left = list.GetItem(2).OffsetX;
    EXPECT_EQ(list.FindPage(50, left + 5), 2);
    EXPECT_EQ(list.FindPage(50, list.GetItem(1).OffsetX + 99), 1);
}

TEST(PageListTest, PageBoundsMirrorForRightToLeftAndDefaultToA4)
{
    TfrxPageList list;
    list.AddPage(kA5Width, kA5Height, 1);
    list.CalcBounds(1000);
    const TfrxPageItem& item = list.GetItem(0);
    EXPECT_EQ(list.GetPageBounds(0, 1000, 1, false), QRect(item.OffsetX, 10, kA5Width, kA5Height));
    EXPECT_EQ(list.GetPageBounds(0, 1200, 1, true).left(), 1200 - kA5Width - item.OffsetX);
    // A missing index gives an A4 page, centred when the window is wide enough.
    EXPECT_EQ(list.GetPageBounds(5, 1000, 1, false), QRect(103, 10, 794, 1123));
    EXPECT_EQ(list.GetPageBounds(-1, 500, 1, false), QRect(10, 10, 794, 1123));
}

} // namespace
