#include "report/preview/printers/TfrxVirtualPrinter.h"

#include "common/Exception.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/printers/PdfPrintJob.h"
#include "report/preview/printers/TfrxPaperTable.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QPageSize>
#include <QSizeF>

namespace {
constexpr int kVirtualDpi = 600;
constexpr double kVirtualMargin = 5;
} // namespace

TfrxVirtualPrinter::TfrxVirtualPrinter(const QString& AName, const QString& APort)
    : TfrxCustomPrinter(AName, APort)
{
}

TfrxVirtualPrinter::~TfrxVirtualPrinter() = default;

void TfrxVirtualPrinter::Init()
{
    if (FInitialized)
        return;
    FDPI = QPoint(kVirtualDpi, kVirtualDpi);
    FDefPaper = 9;
    FDefOrientation = poPortrait;
    FDefPaperWidth = 210;
    FDefPaperHeight = 297;
    ResetPapersAndBins();
    for (const TfrxPaperInfo& paper : frxPaperTable())
        FPapers.Add(QString::fromUtf8(paper.Name), paper.Number);
    FBin = -1;
    FDuplex = -1;
    FInitialized = true;
}

void TfrxVirtualPrinter::SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                                       TPrinterOrientation AOrientation)
{
    double width = 0;
    double height = 0;
    if (APaperSize != kfrxCustomPaper && frxGetPaperDimensions(APaperSize, width, height)) {
        FPaper = APaperSize;
        if (AOrientation == poLandscape)
            std::swap(width, height);
    } else {
        FPaper = kfrxCustomPaper;
        width = APaperWidth;
        height = APaperHeight;
    }
    FPaperWidth = width;
    FPaperHeight = height;
    FOrientation = AOrientation;
    FLeftMargin = FTopMargin = FRightMargin = FBottomMargin = kVirtualMargin;
}

void TfrxVirtualPrinter::SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                                        TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies)
{
    SetViewParams(APaperSize, APaperWidth, APaperHeight, AOrientation);
    FBin = ABin;
    if (FJob)
        FJob->SetPaper(CurrentPageSize(), QPageLayout::Portrait);
}

QPageSize TfrxVirtualPrinter::CurrentPageSize() const
{
    // The sheet as it lies, already turned for landscape.
    return QPageSize(QSizeF(FPaperWidth, FPaperHeight), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

void TfrxVirtualPrinter::BeginDoc()
{
    if (FFileName.isEmpty())
        return;
    FPrinting = true;
    FJob = std::make_unique<PdfPrintJob>(FFileName, DocumentName(), kVirtualDpi);
    FJob->SetPaper(CurrentPageSize(), QPageLayout::Portrait);
}

void TfrxVirtualPrinter::BeginPage()
{
    if (FJob)
        FCanvas->Bind(FJob->BeginPage(FLeftMargin, FTopMargin));
}

void TfrxVirtualPrinter::EndPage()
{
    FCanvas->Unbind();
}

void TfrxVirtualPrinter::EndDoc()
{
    FCanvas->Unbind();
    FPrinting = false;
    if (const std::unique_ptr<PdfPrintJob> job = std::move(FJob); job && !job->Finish())
        throw Exception(formatMessage(frxGet(QStringLiteral("prJobFailed")), job->FileName()));
}

void TfrxVirtualPrinter::Abort()
{
    FCanvas->Unbind();
    FPrinting = false;
    if (FJob)
        FJob->Discard();
    FJob.reset();
}
