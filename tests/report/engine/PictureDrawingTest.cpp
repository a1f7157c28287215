#include "TestCanvas.h"

#include "report/engine/PictureDrawing.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

namespace {

QImage solidImage(int width, int height, const QColor& color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

std::unique_ptr<TfrxPictureView> pictureView(const QImage& image, double left, double top, double width,
                                             double height)
{
    auto view = std::make_unique<TfrxPictureView>();
    view->SetBounds(left, top, width, height);
    view->GetPicture()->SetImage(image);
    return view;
}

TfrxViewDeviceRect deviceRect(int x, int y, int x1, int y1)
{
    TfrxViewDeviceRect r;
    r.FX = x, r.FY = y, r.FX1 = x1, r.FY1 = y1, r.FDX = x1 - x, r.FDY = y1 - y;
    return r;
}

struct PlacementCase {
    int w, h;
    bool keepAspectRatio, center;
    QRect expected;
};

class StretchedPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(StretchedPlacementTest, KeepsProportionsFromTheCornerOrTheMiddle)
{
    const PlacementCase& c = GetParam();
    EXPECT_EQ(StretchedPictureRect(deviceRect(10, 20, 110, 120), c.w, c.h, c.keepAspectRatio, c.center),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, StretchedPlacementTest,
                         ::testing::Values(
                             // A picture relatively wider than the view fills its width and is shorter.
                             PlacementCase{200, 50, true, false, QRect(10, 20, 100, 25)},
                             PlacementCase{200, 50, true, true, QRect(10, 57, 100, 25)},
                             // A taller one fills the height.
                             PlacementCase{30, 60, true, false, QRect(10, 20, 50, 100)},
                             PlacementCase{30, 60, true, true, QRect(35, 20, 50, 100)},
                             PlacementCase{200, 50, false, true, QRect(10, 20, 100, 100)},
                             // A zero size gives a factor of 0 on that axis.
                             PlacementCase{0, 50, true, false, QRect(10, 20, 100, 0)},
                             PlacementCase{50, 0, true, false, QRect(10, 20, 0, 100)}));

TEST(PicturePlacementTest, TheCertificateBlankKeepsItsLeftEdgeAndFullHeight)
{
    // 593.39 × 820.16 pixels at scale 1: ky = 820 / 2471 is the smaller factor.
    EXPECT_EQ(StretchedPictureRect(deviceRect(0, 0, 593, 820), 1739, 2471, true, false),
              QRect(0, 0, 577, 820));
}

TEST(PicturePlacementTest, AnUnstretchedPictureIsItsPixelSizeTimesTheScale)
{
    EXPECT_EQ(UnstretchedPictureRect(deviceRect(0, 0, 100, 100), 40, 20, 2, 2, false), QRect(0, 0, 80, 40));
    EXPECT_EQ(UnstretchedPictureRect(deviceRect(0, 0, 100, 100), 40, 20, 2, 2, true), QRect(10, 30, 80, 40));
    EXPECT_EQ(UnstretchedPictureRect(deviceRect(0, 0, 50, 50), 100, 100, 1, 1, true),
              QRect(-25, -25, 100, 100));
}

TEST(PictureDrawTest, AnUnstretchedCentredPictureIsClippedToTheView)
{
    auto view = pictureView(solidImage(100, 100, Qt::red), 10, 10, 50, 50);
    view->SetStretched(false);
    view->SetCenter(true);
    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        Draw(*view, painter, 1, 1, 0, 0);
    }
    EXPECT_EQ(inkBounds(image), QRect(10, 10, 50, 50));
}

TEST(PictureDrawTest, TheBlankIsDrawnFromTheViewsCornerWithItsAspectRatio)
{
    // The certificate's blank at the page origin (30, 30): FX = round(30 - 28.24) = 2.
    auto view = pictureView(solidImage(1739, 2471, Qt::gray), -28.24, -23.68, 593.39, 820.16);
    view->SetVisibility({vsPreview, vsExport});
    QImage image = whiteImage(620, 860);
    {
        QPainter painter(&image);
        ASSERT_TRUE(IsVisibleOn(*view, painter));
        Draw(*view, painter, 1, 1, 30, 30);
    }
    EXPECT_EQ(inkBounds(image), QRect(2, 6, 577, 820));
}

TEST(PictureDrawTest, TheTransparentColourLetsTheBackgroundThrough)
{
    QImage picture = solidImage(20, 20, Qt::white);
    picture.fill(Qt::white);
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    auto view = pictureView(picture, 0, 0, 20, 20);
    view->SetColor(0xFF0000); // blue background
    for (bool transparent : {false, true}) {
        view->SetTransparent(transparent);
        QImage image = whiteImage(20, 20);
        {
            QPainter painter(&image);
            Draw(*view, painter, 1, 1, 0, 0);
        }
        EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, transparent ? 0x0000FFu : 0xFFFFFFu);
        EXPECT_EQ(image.pixel(15, 5) & 0xFFFFFF, 0xFF0000u);
    }
}

TEST(PictureDrawTest, PrintingComposesAlphaOnWhiteWhileTheScreenBlendsIt)
{
    auto view = pictureView(solidImage(10, 10, QColor(0, 0, 0, 0)), 0, 0, 10, 10);
    view->SetColor(0xFF0000);
    for (bool printing : {false, true}) {
        view->SetIsPrinting(printing);
        QImage image = whiteImage(10, 10);
        {
            QPainter painter(&image);
            Draw(*view, painter, 1, 1, 0, 0);
        }
        EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, printing ? 0xFFFFFFu : 0x0000FFu);
    }
}

TEST(PictureDrawTest, WithoutAGraphicOnlyTheDesignerShowsAPlaceholder)
{
    TfrxPictureView view;
    view.SetBounds(0, 0, 40, 40);
    QImage image = whiteImage(40, 40);
    {
        QPainter painter(&image);
        Draw(view, painter, 1, 1, 0, 0);
    }
    EXPECT_EQ(inkIn(image, image.rect()), 0);
    view.SetIsDesigning(true);
    {
        QPainter painter(&image);
        Draw(view, painter, 1, 1, 0, 0);
    }
    EXPECT_GT(inkIn(image, QRect(1, 2, 16, 13)), 0);
}

TEST(VisibilityTest, PrintersShowPrintableViewsAndScreensPreviewableOnes)
{
    TfrxPictureView blank;
    blank.SetVisibility({vsPreview, vsExport});
    TfrxPictureView everywhere;
    TfrxPictureView nowhere;
    nowhere.SetVisibility({});

    QImage image = whiteImage(10, 10);
    QPainter screen(&image);
    PrinterPage printer(600);
    EXPECT_TRUE(IsVisibleOn(blank, screen));
    EXPECT_FALSE(IsVisibleOn(blank, printer.Painter()));
    EXPECT_TRUE(IsVisibleOn(everywhere, screen));
    EXPECT_TRUE(IsVisibleOn(everywhere, printer.Painter()));
    EXPECT_FALSE(IsVisibleOn(nowhere, screen));
    EXPECT_FALSE(IsVisibleOn(nowhere, printer.Painter()));
}

TEST(PageBackgroundTest, FillsThePrintableAreaInsideTheMargins)
{
    TfrxReportPage page;
    page.SetPaperSize(9);
    page.SetLeftMargin(10);
    page.SetRightMargin(10);
    page.SetTopMargin(10);
    page.SetBottomMargin(10);
    page.GetBackPicture()->SetImage(solidImage(30, 10, Qt::gray));
    QImage image = whiteImage(200, 290);
    {
        QPainter painter(&image);
        DrawPageBackground(page, painter, 0.25, 0.25, 0, 0);
    }
    // 10 mm is 9.45 pixels at zoom 0.25; 190 × 277 mm stretched without keeping proportions.
    EXPECT_EQ(inkBounds(image), QRect(QPoint(9, 9), QPoint(188, 270)));

    page.SetBackPictureVisible(false);
    QImage hidden = whiteImage(200, 290);
    {
        QPainter painter(&hidden);
        DrawPageBackground(page, painter, 0.25, 0.25, 0, 0);
    }
    EXPECT_EQ(inkIn(hidden, hidden.rect()), 0);
}

} // namespace
