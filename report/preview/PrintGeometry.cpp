#include "report/preview/PrintGeometry.h"

#include "common/Rounding.h"

#include <cmath>
#include <utility>

namespace {

constexpr double kMmPerInch = 25.4;
// What is left over of a length needs a sheet of its own from this many millimetres on.
constexpr double kSmallestRemainder = 11;

} // namespace

QRectF TfrxPagePlacement::DeviceRect(double paperWidthMm, double paperHeightMm) const
{
    return QRectF(OffsetX, OffsetY, paperWidthMm * kPixelsPerMm * ScaleX,
                  paperHeightMm * kPixelsPerMm * ScaleY);
}

TfrxPagePlacement frxPlacePage(QPoint dpi, double leftMarginMm, double topMarginMm, double kx, double ky)
{
    TfrxPagePlacement placement;
    placement.ScaleX = kx * dpi.x() / kReportDpi;
    placement.ScaleY = ky * dpi.y() / kReportDpi;
    placement.OffsetX = -leftMarginMm * dpi.x() / kMmPerInch;
    placement.OffsetY = -topMarginMm * dpi.y() / kMmPerInch;
    return placement;
}

int frxSheetCount(double length, double piece)
{
    // A printer that measures no sheet leaves nothing to divide by.
    if (piece <= 0)
        return 1;
    const double quotient = length / piece;
    const double whole = double(truncToward0(quotient));
    if (std::abs(length - whole * piece) >= kSmallestRemainder)
        return int(whole) + 1;
    return int(roundHalfEven(quotient));
}

TfrxSheetGrid frxSplitGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight)
{
    const TfrxSheetGrid upright{frxSheetCount(pageWidth, sheetWidth), frxSheetCount(pageHeight, sheetHeight),
                                false};
    const TfrxSheetGrid turned{frxSheetCount(pageWidth, sheetHeight), frxSheetCount(pageHeight, sheetWidth),
                               true};
    return turned.Columns * turned.Rows < upright.Columns * upright.Rows ? turned : upright;
}

TfrxSheetGrid frxSplitGridWithOverlap(double pageWidth, double pageHeight, double sheetWidth,
                                      double sheetHeight, double splicing, double leftMargin,
                                      double topMargin, double rightMargin, double bottomMargin)
{
    const TfrxSheetGrid first = frxSplitGrid(pageWidth, pageHeight, sheetWidth, sheetHeight);
    double a = first.Columns > 1 ? splicing + topMargin + bottomMargin : 0;
    double b = first.Rows > 1 ? splicing + leftMargin + rightMargin : 0;
    if (first.Turned)
        std::swap(a, b);
    return frxSplitGrid(pageWidth, pageHeight, sheetWidth - a, sheetHeight - b);
}

TfrxSheetGrid frxJoinGrid(double pageWidth, double pageHeight, double sheetWidth, double sheetHeight)
{
    const int columns = frxSheetCount(sheetWidth, pageWidth);
    const int rows = frxSheetCount(sheetHeight, pageHeight);
    const int turnedAcrossWidth = frxSheetCount(sheetWidth, pageHeight);
    const int turnedAlongHeight = frxSheetCount(sheetHeight, pageWidth);
    if (turnedAcrossWidth * turnedAlongHeight < columns * rows)
        return {turnedAlongHeight, turnedAcrossWidth, true};
    return {columns, rows, false};
}
