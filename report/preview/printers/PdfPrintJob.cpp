#include "report/preview/printers/PdfPrintJob.h"

#include "common/Exception.h"
#include "report/model/resources/TfrxResources.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

PdfPrintJob::PdfPrintJob(const QString& fileName, const QString& title, int dpi)
    : FFileName(fileName), FDpi(dpi), FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    FPrinter->setOutputFormat(QPrinter::PdfFormat);
    FPrinter->setOutputFileName(fileName);
    FPrinter->setDocName(title);
    FPrinter->setCreator(title);
    FPrinter->setResolution(dpi);
    FPrinter->setFullPage(true);
}

PdfPrintJob::~PdfPrintJob()
{
    Discard();
}

void PdfPrintJob::SetPaper(const QPageSize& size, QPageLayout::Orientation orientation)
{
    FPrinter->setPageLayout(QPageLayout(size, orientation, QMarginsF(), QPageLayout::Millimeter));
}

QPainter* PdfPrintJob::BeginPage(double leftMarginMm, double topMarginMm)
{
    if (!FPainter) {
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(FPrinter.get()))
            throw Exception(formatMessage(frxGet(QStringLiteral("prJobFailed")), FFileName));
        FPainter = std::move(painter);
    } else {
        FPrinter->newPage();
    }
    // Whole sheets are drawn, but the report's device origin is the printable area's corner.
    FPainter->resetTransform();
    FPainter->translate(leftMarginMm * FDpi / 25.4, topMarginMm * FDpi / 25.4);
    return FPainter.get();
}

bool PdfPrintJob::Finish()
{
    if (!FPainter)
        return true;
    const bool written = FPainter->end();
    FPainter.reset();
    return written;
}

void PdfPrintJob::Discard()
{
    // A file this job never opened may be somebody else's.
    const bool written = FPainter != nullptr;
    Finish();
    if (written)
        QFile::remove(FFileName);
}
