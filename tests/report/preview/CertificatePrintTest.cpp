#include "CertificatePages.h"
#include "PdfProbe.h"

#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/preview/RegisterPreview.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The prepared certificate printed into a PDF file through the print job on the virtual printer
// (600 dots per inch, unprintable margins of 5 mm): every value lands where its memo places it on
// the paper, and the blank's picture, shown in the preview, stays off the paper.
namespace {

constexpr double kToleranceMm = 0.3;
constexpr int kInkDpi = 150;

class CertificatePrintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        frxRegisterEngine();
        frxRegisterPreview();
    }

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        report = std::make_unique<TfrxReport>();
        report->SetShowProgress(false);
        prepareCertificate(*report);
        ASSERT_NE(report->GetPreviewPages(), nullptr);
        ASSERT_EQ(report->GetPreviewPages()->GetCount(), 1);
    }

    QString FileName() const { return dir.filePath(QStringLiteral("certificate.pdf")); }

    QTemporaryDir dir;
    std::unique_ptr<TfrxReport> report;
};

TEST_F(CertificatePrintTest, EveryValueSitsInItsBox)
{
    const QList<ExpectedText> expected = expectedTexts(*report->GetPreviewPages());
    ASSERT_EQ(expected.size(), 48);
    ASSERT_TRUE(frxPrintToPdfFile(*report, *report->GetPreviewPages(), FileName()));

    const PdfFacts facts = pdfFacts(FileName());
    ASSERT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 1);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 1);
    for (const ExpectedText& text : expected) {
        const QRectF word = pdfWordBox(FileName(), text.Word);
        ASSERT_FALSE(word.isEmpty()) << text.Word.toStdString();
        EXPECT_NEAR(word.left() / kPointsPerMm, text.Box.left(), kToleranceMm) << text.Word.toStdString();
        EXPECT_NEAR(word.top() / kPointsPerMm, text.Box.top(), kToleranceMm) << text.Word.toStdString();
    }
}

TEST_F(CertificatePrintTest, TheBlanksPictureIsNotPrinted)
{
    const QList<ExpectedText> expected = expectedTexts(*report->GetPreviewPages());
    ASSERT_TRUE(frxPrintToPdfFile(*report, *report->GetPreviewPages(), FileName()));
    const QImage page = pdfFirstPageImage(FileName(), kInkDpi);
    ASSERT_FALSE(page.isNull());
    QList<QRectF> boxes;
    for (const ExpectedText& text : expected) {
        boxes.append(text.Box);
        EXPECT_TRUE(inkInside(page, kInkDpi, text.Box)) << text.Word.toStdString();
    }
    EXPECT_LT(inkOutside(page, kInkDpi, boxes, 0.5), 0.001);
}

// A sanity check of the check: the preview draws the picture, so the same measure sees it there.
TEST_F(CertificatePrintTest, ThePreviewDrawsThePicture)
{
    const QList<ExpectedText> expected = expectedTexts(*report->GetPreviewPages());
    QImage page(QSize(874, 1240), QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        const double scale = kInkDpi / 96.0;
        report->GetPreviewPages()->DrawPage(0, painter, scale, scale, 0, 0);
    }
    QList<QRectF> boxes;
    for (const ExpectedText& text : expected)
        boxes.append(text.Box);
    EXPECT_GT(inkOutside(page, kInkDpi, boxes, 0.5), 0.5);
}

} // namespace
