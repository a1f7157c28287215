#pragma once

#include <QPoint>
#include <QRectF>

// Where a page goes on a printer's device. Device dots count from the top-left corner of the
// printable area, which lies the printer's LeftMargin and TopMargin (mm) from the paper's edges; a
// report pixel is 1/96 inch.

// The scales and offsets handed to DrawPage: a report pixel x right of the paper's left edge lands
// on device dot x × ScaleX + OffsetX.
struct TfrxPagePlacement {
    double ScaleX = 1;
    double ScaleY = 1;
    double OffsetX = 0;
    double OffsetY = 0;

    // The device rectangle that a paper of that size (mm) covers.
    QRectF DeviceRect(double paperWidthMm, double paperHeightMm) const;
};

// One page on one sheet, each axis stretched by kx and ky (1 prints the page as it is).
TfrxPagePlacement frxPlacePage(QPoint dpi, double leftMarginMm, double topMarginMm, double kx = 1,
                               double ky = 1);

// How many pieces of length s cover a length L: whole pieces, one more when what is left over
// reaches 11 mm, else the quotient rounded.
int frxSheetCount(double length, double piece);

// How a page is spread over sheets (pmSplit) or pages are gathered on a sheet (pmJoin): Columns
// along the device x axis, Rows along y, and whether the sheet is printed turned (landscape).
struct TfrxSheetGrid {
    int Columns = 1;
    int Rows = 1;
    bool Turned = false;
};

// A page of pageWidth × pageHeight (mm) over sheets of sheetWidth × sheetHeight, the sheet turned
// when that takes fewer sheets.
TfrxSheetGrid frxSplitGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight);

// The split grid once the sheets overlap: each sheet gives up the splicing overlap and the
// printer's unprintable strips along the direction in which the page spans several sheets.
TfrxSheetGrid frxSplitGridWithOverlap(double pageWidth, double pageHeight, double sheetWidth,
                                      double sheetHeight, double splicing, double leftMargin,
                                      double topMargin, double rightMargin, double bottomMargin);

// Pages of pageWidth × pageHeight (mm) gathered on one sheet, turned when that counts fewer places.
TfrxSheetGrid frxJoinGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight);
