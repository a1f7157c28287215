#include "report/preview/printers/TfrxPrinterCanvas.h"

#include "report/preview/printers/TfrxCustomPrinter.h"

#include <QPaintDevice>
#include <QPainter>

void TfrxPrinterCanvas::SetFont(const QFont& font, int fontPixelsPerInch)
{
    if (!FPainter)
        return;
    const int printerPixelsPerInch = FPrinter->GetDPI().y();
    if (font.pixelSize() <= 0 || fontPixelsPerInch == printerPixelsPerInch) {
        FPainter->setFont(font);
        return;
    }
    QFont onPaper = font;
    onPaper.setPointSizeF(font.pixelSize() * 72.0 / fontPixelsPerInch);
    FPainter->setFont(onPaper);
}

bool TfrxPrinterCanvas::IsPrinterCanvas(const QPainter* painter)
{
    return painter && painter->device() && painter->device()->devType() == QInternal::Printer;
}
