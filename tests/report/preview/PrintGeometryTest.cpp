#include "report/preview/PrintGeometry.h"

#include <gtest/gtest.h>

namespace {

constexpr double kMmPerInch = 25.4;

struct PlacementCase {
    int dpi;
    double margin;        // the printer's unprintable margin as it reports it (whole mm)
    double physicalShift; // how far the printable area really lies from the paper's edge (mm)
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

// The A5 certificate page one to one: the paper's edges land on the sheet's edges, shifted only
// by what the printer's rounding of its offsets leaves.
TEST_P(PlacementTest, APageCoversItsPaperOnTheDevice)
{
    const PlacementCase c = GetParam();
    const TfrxPagePlacement placement = frxPlacePage(QPoint(c.dpi, c.dpi), c.margin, c.margin);
    EXPECT_DOUBLE_EQ(placement.ScaleX, c.dpi / 96.0);
    EXPECT_DOUBLE_EQ(placement.ScaleY, c.dpi / 96.0);
    const double dotsPerMm = c.dpi / kMmPerInch;
    EXPECT_DOUBLE_EQ(placement.OffsetX, -c.margin * dotsPerMm);
    EXPECT_DOUBLE_EQ(placement.OffsetY, -c.margin * dotsPerMm);

    const QRectF rect = placement.DeviceRect(148, 210);
    EXPECT_NEAR(rect.left(), -c.margin * dotsPerMm, 1e-9);
    EXPECT_NEAR(rect.top(), -c.margin * dotsPerMm, 1e-9);
    // 3.77953 report pixels a millimetre is 96 / 25.4 to six digits.
    EXPECT_NEAR(rect.width(), 148 * dotsPerMm, 148 * dotsPerMm * 1e-6);
    EXPECT_NEAR(rect.height(), 210 * dotsPerMm, 210 * dotsPerMm * 1e-6);

    // A memo 100 report pixels from the paper's left edge, measured on paper.
    const double deviceX = 100 * placement.ScaleX + placement.OffsetX;
    const double onPaperMm = deviceX / dotsPerMm + c.physicalShift;
    EXPECT_NEAR(onPaperMm, 100 / 96.0 * kMmPerInch + (c.physicalShift - c.margin), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PlacementTest,
                         ::testing::Values(PlacementCase{300, 0, 0}, PlacementCase{300, 5, 5},
                                           PlacementCase{600, 4, 4.23}, PlacementCase{1200, 4, 4.23},
                                           PlacementCase{1200, 6, 6.35}));

TEST(PlacementTest, TheCertificateAt600DotsPerInch)
{
    const TfrxPagePlacement placement = frxPlacePage(QPoint(600, 600), 4, 4);
    EXPECT_DOUBLE_EQ(placement.ScaleX, 6.25);
    EXPECT_NEAR(placement.OffsetX, -94.49, 0.005);
    EXPECT_NEAR(placement.OffsetY, -94.49, 0.005);
}

TEST(PlacementTest, ScaledPagesStretchEachAxisSeparately)
{
    // An A5 page on an A4 sheet.
    const double kx = 210.0 / 148, ky = 297.0 / 210;
    const TfrxPagePlacement placement = frxPlacePage(QPoint(300, 600), 5, 5, kx, ky);
    const QRectF rect = placement.DeviceRect(148, 210);
    EXPECT_NEAR(rect.width(), 210 * 300 / kMmPerInch, 0.01);
    EXPECT_NEAR(rect.height(), 297 * 600 / kMmPerInch, 0.01);
}

struct SheetCountCase {
    double length;
    double piece;
    int count;
};

class SheetCountTest : public ::testing::TestWithParam<SheetCountCase> {};

TEST_P(SheetCountTest, CountsWholePiecesAndWhatIsLeftOver)
{
    const SheetCountCase c = GetParam();
    EXPECT_EQ(frxSheetCount(c.length, c.piece), c.count) << c.length << " / " << c.piece;
}

INSTANTIATE_TEST_SUITE_P(Lengths, SheetCountTest,
                         ::testing::Values(SheetCountCase{297, 210, 2}, SheetCountCase{420, 297, 2},
                                           SheetCountCase{420, 210, 2}, SheetCountCase{297, 297, 1},
                                           // 420 / 199 leaves 22 mm, a sheet of its own
                                           SheetCountCase{420, 199, 3},
                                           // less than 11 mm left over: the quotient rounded
                                           SheetCountCase{297, 148, 2}, SheetCountCase{215, 210, 1},
                                           SheetCountCase{220.9, 210, 1}, SheetCountCase{221, 210, 2},
                                           SheetCountCase{100, 0, 1}));

TEST(SheetGridTest, AnA3PageOnA4SheetsGoesOnThreeTurnedSheets)
{
    const TfrxSheetGrid first = frxSplitGrid(297, 420, 210, 297);
    EXPECT_TRUE(first.Turned);
    EXPECT_EQ(first.Columns, 1);
    EXPECT_EQ(first.Rows, 2);
    const TfrxSheetGrid grid = frxSplitGridWithOverlap(297, 420, 210, 297, 3, 4, 4, 4, 4);
    EXPECT_TRUE(grid.Turned);
    EXPECT_EQ(grid.Columns, 1);
    EXPECT_EQ(grid.Rows, 3);
}

TEST(SheetGridTest, A5PagesGoSideBySideOnATurnedA4Sheet)
{
    const TfrxSheetGrid grid = frxJoinGrid(148, 210, 210, 297);
    EXPECT_TRUE(grid.Turned);
    EXPECT_EQ(grid.Columns, 2);
    EXPECT_EQ(grid.Rows, 1);
}

} // namespace
