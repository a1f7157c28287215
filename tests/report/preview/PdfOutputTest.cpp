#include "FakePages.h"
#include "PdfProbe.h"

#include "common/Rounding.h"
#include "report/model/TfrxReport.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Printing into a PDF file on the virtual printer (600 dots per inch, 5 mm unprintable margins),
// as a tool does on a machine without printers.
namespace {

constexpr double kTolerance = 0.3 * kPointsPerMm;

class PdfOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        report.SetShowProgress(false);
    }

    QString FileName() const { return dir.filePath(QStringLiteral("report.pdf")); }

    QTemporaryDir dir;
    QStringList log;
    TfrxReport report;
};

TEST_F(PdfOutputTest, TextLandsAtItsReportPositionOnThePaper)
{
    FakePages pages(report, 2, log);
    ASSERT_TRUE(frxPrintToPdfFile(report, pages, FileName()));

    const PdfFacts facts = pdfFacts(FileName());
    ASSERT_EQ(facts.pages, 2);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 1);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 1);

    // The memo's text starts its gaps inside the memo, which lies the page's margins from the paper's
    // edges: wherever the printer's own margins are, the text keeps that distance from the edges.
    const QRectF word = pdfWordBox(FileName(), QStringLiteral("Page1"));
    ASSERT_FALSE(word.isEmpty());
    const double left = (FakePages::kMargin + (FakePages::kMarkLeft + 2) / kPixelsPerMm) * kPointsPerMm;
    const double top = (FakePages::kMargin + (FakePages::kMarkTop + 1) / kPixelsPerMm) * kPointsPerMm;
    EXPECT_NEAR(word.left(), left, kTolerance);
    EXPECT_NEAR(word.top(), top, kTolerance);
}

TEST_F(PdfOutputTest, ScaledPagesFillTheSheet)
{
    FakePages pages(report, 1, log);
    report.GetPrintOptions()->SetPrintMode(pmScale);
    report.GetPrintOptions()->SetPrintOnSheet(9);
    ASSERT_TRUE(frxPrintToPdfFile(report, pages, FileName()));

    const PdfFacts facts = pdfFacts(FileName());
    ASSERT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageSizes[0].width(), 210 * kPointsPerMm, 1);
    EXPECT_NEAR(facts.pageSizes[0].height(), 297 * kPointsPerMm, 1);
    const QRectF word = pdfWordBox(FileName(), QStringLiteral("Page1"));
    ASSERT_FALSE(word.isEmpty());
    const double kx = 210.0 / 148, ky = 297.0 / 210;
    const double left = (FakePages::kMargin + (FakePages::kMarkLeft + 2) / kPixelsPerMm) * kx * kPointsPerMm;
    EXPECT_NEAR(word.left(), left, kTolerance * kx);
    const double top = (FakePages::kMargin + (FakePages::kMarkTop + 1) / kPixelsPerMm) * ky * kPointsPerMm;
    EXPECT_NEAR(word.top(), top, kTolerance * ky);
}

TEST_F(PdfOutputTest, TheOptionsAndThePrinterAreAsBeforeAfterwards)
{
    FakePages pages(report, 1, log);
    TfrxCustomPrinter* printer = frxPrinters()->GetPrinter();
    ASSERT_TRUE(frxPrintToPdfFile(report, pages, FileName()));
    EXPECT_TRUE(report.GetPrintOptions()->GetShowDialog());
    EXPECT_TRUE(printer->GetFileName().isEmpty());
}

TEST_F(PdfOutputTest, ACancelledJobLeavesNoFile)
{
    FakePages pages(report, 3, log);
    TfrxPrintJob job(report, pages);
    report.GetPrintOptions()->SetShowDialog(false);
    job.SetPrnOutFileName(FileName());
    job.SetOnProgress([&job](int page) {
        if (page == 2)
            job.SetTerminated(true);
    });
    ASSERT_TRUE(job.Print());
    EXPECT_FALSE(QFile::exists(FileName()));
}

} // namespace
