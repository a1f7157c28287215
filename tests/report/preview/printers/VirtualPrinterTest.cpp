#include "PdfProbe.h"
#include "ViewParamsCase.h"

#include "common/Exception.h"
#include "report/preview/printers/TfrxPaperTable.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"
#include "report/preview/printers/TfrxVirtualPrinter.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class VirtualPrinterTest : public ::testing::Test {
protected:
    void SetUp() override { printer.Init(); }

    // Device dots of a distance from the paper's edge given in report pixels.
    double dotsFromEdge(double reportPixels, double marginMm) const
    {
        return (reportPixels / 96 - marginMm / 25.4) * printer.GetDPI().x();
    }

    TfrxVirtualPrinter printer{QStringLiteral("Virtual"), QString()};
    QTemporaryDir dir;
};

TEST_F(VirtualPrinterTest, InitDescribesAnA4PrinterWithTheStandardPapers)
{
    EXPECT_TRUE(printer.GetInitialized());
    EXPECT_EQ(printer.GetDPI(), QPoint(600, 600));
    EXPECT_EQ(printer.GetDefPaper(), 9);
    EXPECT_EQ(printer.GetDefOrientation(), poPortrait);
    EXPECT_EQ(printer.GetDefPaperWidth(), 210);
    EXPECT_EQ(printer.GetDefPaperHeight(), 297);
    EXPECT_EQ(printer.GetBin(), -1);
    EXPECT_EQ(printer.GetDuplex(), -1);

    const NumberedNames& papers = printer.GetPapers();
    ASSERT_EQ(papers.Count(), 67);
    EXPECT_EQ(papers.Name(0), QStringLiteral("Custom"));
    EXPECT_EQ(papers.Number(0), 256);
    const auto table = frxPaperTable();
    for (int i = 1; i < papers.Count(); ++i) {
        EXPECT_EQ(papers.Number(i), table[size_t(i - 1)].Number);
        EXPECT_TRUE(papers.Name(i).isEmpty());
    }
    ASSERT_EQ(printer.GetBins().Count(), 1);
    EXPECT_EQ(printer.GetBins().Name(0), QStringLiteral("Default"));
    EXPECT_EQ(printer.GetBins().Number(0), 7);
}

class VirtualPrinterViewTest : public VirtualPrinterTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(VirtualPrinterViewTest, DescribesThePaperWithFiveMillimetreMargins)
{
    const ViewCase c = GetParam();
    printer.SetViewParams(c.paper, c.width, c.height, c.orientation);
    EXPECT_EQ(printer.GetPaper(), c.expectedPaper);
    EXPECT_EQ(printer.GetPaperWidth(), c.expectedWidth);
    EXPECT_EQ(printer.GetPaperHeight(), c.expectedHeight);
    EXPECT_EQ(printer.GetOrientation(), c.orientation);
    EXPECT_EQ(printer.GetLeftMargin(), 5);
    EXPECT_EQ(printer.GetTopMargin(), 5);
    EXPECT_EQ(printer.GetRightMargin(), 5);
    EXPECT_EQ(printer.GetBottomMargin(), 5);
}

INSTANTIATE_TEST_SUITE_P(Papers, VirtualPrinterViewTest,
                         ::testing::Values(ViewCase{11, 0, 0, poPortrait, 11, 148, 210},
                                           ViewCase{11, 0, 0, poLandscape, 11, 210, 148},
                                           // a standard number wins over the sizes given with it
                                           ViewCase{9, 100, 100, poPortrait, 9, 210, 297},
                                           ViewCase{256, 100, 150, poLandscape, 256, 100, 150},
                                           // numbers outside the table are custom sizes
                                           ViewCase{48, 120, 80, poPortrait, 256, 120, 80}));

TEST_F(VirtualPrinterTest, LooksUpPapersAndBinsByNumberAndName)
{
    EXPECT_EQ(printer.PaperIndex(256), 0);
    EXPECT_EQ(printer.PaperIndex(11), 11);
    EXPECT_EQ(printer.PaperIndex(50), 48);
    EXPECT_EQ(printer.PaperIndex(48), -1);
    EXPECT_EQ(printer.BinIndex(7), 0);
    EXPECT_EQ(printer.BinIndex(1), -1);
    EXPECT_EQ(printer.PaperNameToNumber(QStringLiteral("Custom")), 256);
    EXPECT_EQ(printer.PaperNameToNumber(QStringLiteral("A5")), 256);
    EXPECT_EQ(printer.BinNameToNumber(QStringLiteral("Default")), 7);
    EXPECT_EQ(printer.BinNameToNumber(QStringLiteral("Upper tray")), 7);
}

TEST_F(VirtualPrinterTest, SetPrintParamsTakesTheBinAsGiven)
{
    printer.SetPrintParams(11, 0, 0, poLandscape, 15, 1, 2);
    EXPECT_EQ(printer.GetPaper(), 11);
    EXPECT_EQ(printer.GetPaperWidth(), 210);
    EXPECT_EQ(printer.GetBin(), 15);
}

TEST_F(VirtualPrinterTest, PrintsNothingWithoutAFile)
{
    printer.BeginDoc();
    printer.BeginPage();
    EXPECT_EQ(printer.GetCanvas()->GetPainter(), nullptr);
    printer.EndPage();
    printer.EndDoc();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(VirtualPrinterTest, WritesAFileWithThePapersAndTheDrawingAtItsPlaceOnPaper)
{
    const QString fileName = dir.filePath(QStringLiteral("out.pdf"));
    printer.SetFileName(fileName);
    printer.SetPrintParams(11, 148, 210, poPortrait, 7, 0, 1);
    printer.BeginDoc();
    printer.BeginPage();
    QPainter* painter = printer.GetCanvas()->GetPainter();
    ASSERT_NE(painter, nullptr);
    painter->setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    painter->drawText(
        QPointF(dotsFromEdge(100, printer.GetLeftMargin()), dotsFromEdge(200, printer.GetTopMargin())),
        QStringLiteral("Mark"));
    printer.EndPage();
    printer.SetPrintParams(9, 0, 0, poLandscape, 7, 0, 1);
    printer.BeginPage();
    printer.EndPage();
    printer.EndDoc();

    const PdfFacts facts = pdfFacts(fileName);
    ASSERT_EQ(facts.pages, 2);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 0.5);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 0.5);
    EXPECT_NEAR(facts.pageSizes[1].width(), 297 * kPointsPerMm, 0.5);
    EXPECT_NEAR(facts.pageSizes[1].height(), 210 * kPointsPerMm, 0.5);
    // 100 report pixels are 75 points; the glyph's side bearing adds a little.
    const QRectF mark = pdfWordBox(fileName, QStringLiteral("Mark"));
    EXPECT_NEAR(mark.left(), 75, 1.5);
    EXPECT_NEAR(mark.bottom(), 150, 4);
}

TEST_F(VirtualPrinterTest, AbortRemovesTheFileItBegan)
{
    const QString fileName = dir.filePath(QStringLiteral("aborted.pdf"));
    printer.SetFileName(fileName);
    printer.BeginDoc();
    printer.BeginPage();
    printer.GetCanvas()->GetPainter()->drawLine(0, 0, 100, 100);
    printer.EndPage();
    printer.Abort();
    EXPECT_FALSE(QFile::exists(fileName));
    EXPECT_EQ(printer.GetCanvas()->GetPainter(), nullptr);
}

TEST_F(VirtualPrinterTest, AFileThatCannotBeWrittenRaisesAnError)
{
    printer.SetFileName(dir.filePath(QStringLiteral("missing/folder/out.pdf")));
    printer.BeginDoc();
    EXPECT_THROW(printer.BeginPage(), Exception);
    printer.Abort();
}

TEST_F(VirtualPrinterTest, CanvasKeepsThePointSizeOfFontsMeantForAnotherResolution)
{
    printer.SetFileName(dir.filePath(QStringLiteral("fonts.pdf")));
    printer.BeginDoc();
    printer.BeginPage();
    TfrxPrinterCanvas* canvas = printer.GetCanvas();
    QFont font(QStringLiteral("Liberation Sans"));

    font.setPixelSize(16);
    canvas->SetFont(font, 96);
    EXPECT_DOUBLE_EQ(canvas->GetPainter()->font().pointSizeF(), 12);

    font.setPixelSize(100);
    canvas->SetFont(font, 600);
    EXPECT_EQ(canvas->GetPainter()->font().pixelSize(), 100);

    // Point sizes come out at the printer's resolution: 12 points are 100 dots at 600 dpi.
    canvas->SetFont(QFont(QStringLiteral("Liberation Sans"), 12));
    EXPECT_NEAR(canvas->GetPainter()->fontMetrics().ascent() + canvas->GetPainter()->fontMetrics().descent(),
                115, 10);
    printer.EndPage();
    printer.EndDoc();
}

TEST_F(VirtualPrinterTest, DrawingCodeRecognisesThePrinterCanvas)
{
    printer.SetFileName(dir.filePath(QStringLiteral("canvas.pdf")));
    printer.BeginDoc();
    printer.BeginPage();
    EXPECT_TRUE(TfrxPrinterCanvas::IsPrinterCanvas(printer.GetCanvas()->GetPainter()));
    printer.EndPage();
    printer.EndDoc();

    QImage image(10, 10, QImage::Format_RGB32);
    QPainter screen(&image);
    EXPECT_FALSE(TfrxPrinterCanvas::IsPrinterCanvas(&screen));
    EXPECT_FALSE(TfrxPrinterCanvas::IsPrinterCanvas(nullptr));
}

} // namespace
