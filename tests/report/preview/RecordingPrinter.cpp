#include "RecordingPrinter.h"

#include "report/preview/printers/TfrxPaperTable.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <utility>

RecordingPrinter::RecordingPrinter(QStringList& log, QPoint dpi, double margin)
    : TfrxCustomPrinter(QStringLiteral("Recorder"), QStringLiteral("LPT1")), FLog(log),
      FImage(8, 8, QImage::Format_RGB32)
{
    FDPI = dpi;
    FLeftMargin = FTopMargin = FRightMargin = FBottomMargin = margin;
    FDefPaper = 9;
    FDefPaperWidth = 210;
    FDefPaperHeight = 297;
    FPapers.Add(QStringLiteral("A3"), 8);
    FPapers.Add(QStringLiteral("A4"), 9);
    FPapers.Add(QStringLiteral("A5"), 11);
    FInitialized = true;
}

void RecordingPrinter::SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                                     TPrinterOrientation AOrientation)
{
    double width = APaperWidth;
    double height = APaperHeight;
    if (PaperIndex(APaperSize) > 0 && frxGetPaperDimensions(APaperSize, width, height)) {
        if (AOrientation == poLandscape)
            std::swap(width, height);
        FPaper = APaperSize;
    } else {
        FPaper = kfrxCustomPaper;
    }
    FPaperWidth = width;
    FPaperHeight = height;
    FOrientation = AOrientation;
}

void RecordingPrinter::SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                                      TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies)
{
    FLog.append(paramsEntry(APaperSize, APaperWidth, APaperHeight, AOrientation, ABin, ADuplex, ACopies));
    SetViewParams(APaperSize, APaperWidth, APaperHeight, AOrientation);
}

void RecordingPrinter::BeginDoc()
{
    FLog.append(QStringLiteral("BeginDoc"));
}

void RecordingPrinter::BeginPage()
{
    FLog.append(QStringLiteral("BeginPage"));
    FPainter = std::make_unique<QPainter>(&FImage);
    FCanvas->Bind(FPainter.get());
}

void RecordingPrinter::EndPage()
{
    FLog.append(QStringLiteral("EndPage"));
    FCanvas->Unbind();
    FPainter.reset();
}

void RecordingPrinter::EndDoc()
{
    FLog.append(QStringLiteral("EndDoc"));
}

void RecordingPrinter::Abort()
{
    FLog.append(QStringLiteral("Abort"));
    FCanvas->Unbind();
    FPainter.reset();
}

QString paramsEntry(int paper, double width, double height, TPrinterOrientation orientation, int bin,
                    int duplex, int copies)
{
    return QStringLiteral("params %1 %2x%3 %4 bin%5 duplex%6 copies%7")
        .arg(paper)
        .arg(width)
        .arg(height)
        .arg(orientation == poLandscape ? u'L' : u'P')
        .arg(bin)
        .arg(duplex)
        .arg(copies);
}
