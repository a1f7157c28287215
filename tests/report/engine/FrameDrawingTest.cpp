#include "TestCanvas.h"

#include "report/engine/FrameDrawing.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxFrame.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

constexpr QRgb kWhite = 0xFFFFFF;

bool inked(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) != kWhite;
}

QImage drawFrame(const TfrxFrame& frame)
{
    QImage image = whiteImage(100, 60);
    QPainter painter(&image);
    DrawFrame(frame, painter, 10, 10, 90, 50, 1, 1);
    return image;
}

std::unique_ptr<TfrxFrame> frameOf(TfrxFrameTypes typ, TfrxFrameStyle style, double width = 1)
{
    auto frame = std::make_unique<TfrxFrame>();
    frame->SetTyp(typ);
    frame->SetStyle(style);
    frame->SetWidth(width);
    return frame;
}

struct DashCase {
    TfrxFrameStyle style;
    std::vector<int> pattern; // on, off, on, off …
};

class DashPatternTest : public ::testing::TestWithParam<DashCase> {};

// Pixels along the top line, from its start, follow the style's pattern.
TEST_P(DashPatternTest, TopLineFollowsThePattern)
{
    const QImage image = drawFrame(*frameOf({ftTop}, GetParam().style));
    const std::vector<int>& pattern = GetParam().pattern;
    const int period = std::accumulate(pattern.begin(), pattern.end(), 0);
    for (int x = 10; x < 90; ++x) {
        int phase = (x - 10) % period, k = 0;
        while (phase >= pattern[k])
            phase -= pattern[k++];
        EXPECT_EQ(inked(image, x, 10), k % 2 == 0) << "x = " << x;
        EXPECT_FALSE(inked(image, x, 9));
        EXPECT_FALSE(inked(image, x, 11));
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, DashPatternTest,
                         ::testing::Values(DashCase{fsDash, {18, 6}}, DashCase{fsDot, {3, 3}},
                                           DashCase{fsDashDot, {9, 6, 3, 6}},
                                           DashCase{fsDashDotDot, {9, 3, 3, 3, 3, 3}},
                                           DashCase{fsAltDot, {1, 1}}));

TEST(FrameTest, SolidOnePixelFrameClosesItsCorners)
{
    const QImage image = drawFrame(*frameOf({ftLeft, ftRight, ftTop, ftBottom}, fsSolid));
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(90, 50)));
    for (int x = 10; x <= 90; ++x)
        EXPECT_TRUE(inked(image, x, 10) && inked(image, x, 50)) << x;
    for (int y = 10; y <= 50; ++y)
        EXPECT_TRUE(inked(image, 10, y) && inked(image, 90, y)) << y;
    EXPECT_FALSE(inked(image, 50, 30));
}

TEST(FrameTest, AWideLineWithoutNeighboursKeepsInsideTheCorners)
{
    const QImage image = drawFrame(*frameOf({ftTop}, fsSolid, 3));
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 9), QPoint(90, 11)));
}

TEST(FrameTest, WideLinesWithNeighboursOverlapAtTheCorners)
{
    const QImage image = drawFrame(*frameOf({ftLeft, ftTop}, fsSolid, 3));
    EXPECT_TRUE(inked(image, 9, 9));
    EXPECT_EQ(inkBounds(image), QRect(QPoint(9, 9), QPoint(90, 50)));
}

TEST(FrameTest, DoubleLineIsTwoLinesAroundTheEdge)
{
    const QImage image = drawFrame(*frameOf({ftTop}, fsDouble));
    for (int x = 10; x < 90; ++x) {
        EXPECT_TRUE(inked(image, x, 9));
        EXPECT_FALSE(inked(image, x, 10));
        EXPECT_TRUE(inked(image, x, 11));
    }
}

TEST(FrameTest, SquaresAreAsLongAsTheLineIsWide)
{
    const QImage image = drawFrame(*frameOf({ftTop}, fsSquare, 3));
    for (int x = 10; x < 88; ++x)
        EXPECT_EQ(inked(image, x, 10), (x - 10) % 6 < 3) << x;
}

TEST(FrameTest, EachSideHasItsOwnColour)
{
    auto frame = frameOf({ftLeft, ftRight, ftTop, ftBottom}, fsSolid);
    frame->GetLeftLine()->SetColor(clRed);
    const QImage image = drawFrame(*frame);
    EXPECT_EQ(image.pixel(10, 30) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.pixel(90, 30) & 0xFFFFFF, 0u);
}

TEST(FrameTest, NoLinesWithoutWidthColourOrSides)
{
    EXPECT_EQ(inkIn(drawFrame(*frameOf({ftLeft, ftTop}, fsSolid, 0)), QRect(0, 0, 100, 60)), 0);
    EXPECT_EQ(inkIn(drawFrame(*frameOf({}, fsSolid)), QRect(0, 0, 100, 60)), 0);
    auto noColour = frameOf({ftLeft}, fsSolid);
    noColour->SetColor(clNone);
    EXPECT_EQ(inkIn(drawFrame(*noColour), QRect(0, 0, 100, 60)), 0);
}

TEST(ViewDrawTest, DropShadowLiesInsideTheObjectsBounds)
{
    TfrxView view;
    view.SetBounds(10, 10, 80, 40);
    view.GetFrame()->SetDropShadow(true);
    view.GetFrame()->SetShadowColor(0x808080);
    const TfrxViewDeviceRect rect = CalcDeviceRect(view, 1, 1, 0, 0);
    EXPECT_EQ(rect.FX1, 86);
    EXPECT_EQ(rect.FY1, 46);
    QImage image = whiteImage(100, 60);
    {
        QPainter painter(&image);
        Draw(view, painter, 1, 1, 0, 0);
    }
    // A 4-pixel strip right of the rectangle from 4 below its top, and below it from 4 right of its left.
    EXPECT_EQ(inkBounds(image), QRect(QPoint(14, 14), QPoint(89, 49)));
    EXPECT_FALSE(inked(image, 86, 13));
    EXPECT_TRUE(inked(image, 86, 14));
    EXPECT_FALSE(inked(image, 13, 46));
    EXPECT_TRUE(inked(image, 14, 46));
    EXPECT_FALSE(inked(image, 50, 30));
}

TEST(ViewDrawTest, BackgroundReachesUnderTheFrameLines)
{
    TfrxView view;
    view.SetBounds(10, 10, 80, 40);
    view.SetColor(0xFF0000); // blue
    view.GetFrame()->SetTyp({ftLeft, ftRight, ftTop, ftBottom});
    view.GetFrame()->SetWidth(3);
    QImage image = whiteImage(100, 60);
    {
        QPainter painter(&image);
        Draw(view, painter, 1, 1, 0, 0);
    }
    // Left and top grow by round(1.5) = 2, right and bottom by 2 + 1.
    EXPECT_EQ(inkBounds(image), QRect(QPoint(8, 8), QPoint(92, 52)));
    EXPECT_EQ(image.pixel(8, 30) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(92, 30) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(10, 30) & 0xFFFFFF, 0u);
}

struct RoundingCase {
    double left;
    int expected;
};

class DeviceRectRoundingTest : public ::testing::TestWithParam<RoundingCase> {};

// Halves go to the even neighbour.
TEST_P(DeviceRectRoundingTest, RoundsHalvesToEven)
{
    TfrxView view;
    view.SetBounds(GetParam().left, 0, 10, 10);
    EXPECT_EQ(CalcDeviceRect(view, 1, 1, 0, 0).FX, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, DeviceRectRoundingTest,
                         ::testing::Values(RoundingCase{2.5, 2}, RoundingCase{3.5, 4}, RoundingCase{-2.5, -2},
                                           RoundingCase{2.51, 3}, RoundingCase{-28.24 + 30, 2}));

} // namespace
