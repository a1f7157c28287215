#include "report/engine/PictureDrawing.h"

#include "common/Rounding.h"
#include "report/engine/ColorConversion.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReportPage.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QPainter>

namespace {

int roundInt(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

// The image with the pixels of one colour made transparent.
QImage withoutColor(const QImage& image, const QColor& color)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = color.rgb() & 0xFFFFFF;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    return result;
}

void drawScaled(QPainter& canvas, const QRect& dest, const QImage& image, bool smooth)
{
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    canvas.drawImage(dest, image);
    canvas.restore();
}

// A small picture sign for empty picture views in the designer.
void drawPlaceholder(QPainter& canvas, int x, int y)
{
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QColor(96, 96, 96));
    canvas.setBrush(QColor(224, 236, 248));
    canvas.drawRect(x, y, 15, 12);
    canvas.setBrush(QColor(96, 160, 96));
    canvas.drawPolygon(QPolygon({QPoint(x + 2, y + 10), QPoint(x + 6, y + 5), QPoint(x + 9, y + 8),
                                 QPoint(x + 11, y + 6), QPoint(x + 13, y + 10)}));
    canvas.setBrush(QColor(240, 200, 64));
    canvas.drawEllipse(x + 10, y + 2, 3, 3);
    canvas.restore();
}

} // namespace

QRect StretchedPictureRect(const TfrxViewDeviceRect& Rect, int w, int h, bool KeepAspectRatio, bool Center)
{
    int left = Rect.FX, top = Rect.FY, right = Rect.FX1, bottom = Rect.FY1;
    if (KeepAspectRatio) {
        const double kx = w == 0 ? 0 : double(Rect.FDX) / w;
        const double ky = h == 0 ? 0 : double(Rect.FDY) / h;
        if (kx < ky)
            bottom = top + roundInt(h * kx);
        else
            right = left + roundInt(w * ky);
        if (Center) {
            const int dx = (Rect.FDX + left - right) / 2;
            const int dy = (Rect.FDY + top - bottom) / 2;
            left += dx, right += dx, top += dy, bottom += dy;
        }
    }
    return QRect(left, top, right - left, bottom - top);
}

QRect UnstretchedPictureRect(const TfrxViewDeviceRect& Rect, int w, int h, double ScaleX, double ScaleY,
                             bool Center)
{
    const int width = roundInt(ScaleX * w), height = roundInt(ScaleY * h);
    int left = Rect.FX, top = Rect.FY;
    if (Center) {
        left += (Rect.FDX - width) / 2;
        top += (Rect.FDY - height) / 2;
    }
    return QRect(left, top, width, height);
}

void DrawGraphic(QPainter& Canvas, const QRect& Dest, const TfrxPicture& Graphic, TColor TransparentColor,
                 bool Transparent, bool HighQuality, bool Printing)
{
    const QImage& image = Graphic.GetImage();
    if (Graphic.IsEmpty() || image.isNull())
        return;
    const bool transparent = Transparent && TransparentColor != clNone;
    const bool plainBitmap = Graphic.GetGraphicClass() == TfrxPicture::kBitmapClass;
    const QColor key = toQColor(TransparentColor);
    if (Printing || (transparent && !plainBitmap) || HighQuality) {
        QImage flat(image.size(), Printing ? QImage::Format_RGB32 : QImage::Format_RGB888);
        flat.fill(TransparentColor != clNone ? key : QColor(Qt::white));
        QPainter(&flat).drawImage(0, 0, image);
        if (transparent)
            drawScaled(Canvas, Dest, withoutColor(flat, key), false);
        else
            drawScaled(Canvas, Dest, flat, true);
        return;
    }
    drawScaled(Canvas, Dest, transparent ? withoutColor(image, key) : image, false);
}

void DrawPicture(TfrxPictureView& View, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                 double OffsetY)
{
    const TfrxViewDeviceRect rect = CalcDeviceRect(View, ScaleX, ScaleY, OffsetX, OffsetY);
    if (!View.GetDrawAsMask())
        DrawBackground(View, Canvas, rect, ScaleX, ScaleY);
    const TfrxPicture& picture = *View.GetPicture();
    if (!picture.IsEmpty()) {
        const int w = picture.GetWidth(), h = picture.GetHeight();
        auto draw = [&](const QRect& dest) {
            DrawGraphic(Canvas, dest, picture, View.GetTransparentColor(), View.GetTransparent(),
                        View.GetHightQuality(), View.GetIsPrinting());
        };
        if (View.GetStretched()) {
            draw(StretchedPictureRect(rect, w, h, View.GetKeepAspectRatio(), View.GetCenter()));
        } else {
            Canvas.save();
            Canvas.setClipRect(QRect(rect.FX, rect.FY, rect.FDX, rect.FDY), Qt::IntersectClip);
            draw(UnstretchedPictureRect(rect, w, h, ScaleX, ScaleY, View.GetCenter()));
            Canvas.restore();
        }
    } else if (View.GetIsDesigning()) {
        drawPlaceholder(Canvas, rect.FX + 1, rect.FY + 2);
    }
    DrawViewFrame(View, Canvas, rect, ScaleX, ScaleY);
}

void DrawPageBackground(TfrxReportPage& Page, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                        double OffsetY)
{
    const bool printer = TfrxPrinterCanvas::IsPrinterCanvas(&Canvas);
    if (!Page.GetBackPictureVisible() || (printer && !Page.GetBackPicturePrintable()))
        return;
    TfrxPictureView& view = Page.GetBackPictureView();
    const TfrxPicture& picture = *view.GetPicture();
    const bool stretched = Page.GetBackPictureStretched() || picture.IsEmpty();
    const double width =
        stretched ? (Page.GetPaperWidth() - Page.GetLeftMargin() - Page.GetRightMargin()) * kPixelsPerMm
                  : picture.GetWidth();
    const double height =
        stretched ? (Page.GetPaperHeight() - Page.GetTopMargin() - Page.GetBottomMargin()) * kPixelsPerMm
                  : picture.GetHeight();
    view.SetBounds(0, 0, width, height);
    view.SetIsPrinting(printer);
    DrawPicture(view, Canvas, ScaleX, ScaleY, OffsetX + Page.GetLeftMargin() * kPixelsPerMm * ScaleX,
                OffsetY + Page.GetTopMargin() * kPixelsPerMm * ScaleY);
    view.SetIsPrinting(false);
}
