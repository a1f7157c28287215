#pragma once

#include <QFont>

class QPainter;
class TfrxCustomPrinter;

// The drawing surface of a printer: the painter on the printer's device while a page is open
// (between BeginPage and EndPage), nullptr otherwise. Coordinates are device dots with the
// origin at the top-left corner of the printable area, which lies the printer's LeftMargin and
// TopMargin millimetres from the paper's edges.
class TfrxPrinterCanvas {
public:
    explicit TfrxPrinterCanvas(TfrxCustomPrinter* APrinter) : FPrinter(APrinter) {}

    TfrxCustomPrinter* GetPrinter() const { return FPrinter; }
    QPainter* GetPainter() const { return FPainter; }

    // Selects a font whose pixel sizes were meant for fontPixelsPerInch dots per inch (96 for
    // report fonts): when that differs from the printer's vertical resolution the size in points
    // is kept, so that text has its true size on paper. Sizes given in points are always true on
    // paper, as a painter on a printer resolves them at the printer's resolution.
    void SetFont(const QFont& font, int fontPixelsPerInch = 96);

    // Drawing code tells a printer canvas from a screen or picture canvas by its painter.
    static bool IsPrinterCanvas(const QPainter* painter);

    // Used by the printer while it opens and closes pages.
    void Bind(QPainter* painter) { FPainter = painter; }
    void Unbind() { FPainter = nullptr; }

private:
    TfrxCustomPrinter* FPrinter;
    QPainter* FPainter = nullptr;
};
