#include "report/engine/FillDrawing.h"

#include "report/engine/ColorConversion.h"
#include "report/model/TfrxFill.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

Qt::BrushStyle hatchStyle(TBrushStyle style)
{
    switch (style) {
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::BDiagPattern;
    case bsBDiagonal:
        return Qt::FDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

void drawBrush(const TfrxBrushFill& fill, QPainter& canvas, int X, int Y, int X1, int Y1)
{
    if (fill.GetBackColor() != clNone)
        canvas.fillRect(X, Y, X1 - X, Y1 - Y, toQColor(fill.GetBackColor()));
    const Qt::BrushStyle hatch = hatchStyle(fill.GetStyle());
    if (hatch != Qt::NoBrush)
        canvas.fillRect(X, Y, X1 + 1 - X, Y1 + 1 - Y, QBrush(toQColor(fill.GetForeColor()), hatch));
}

int channel(TColor color, int shift)
{
    return (static_cast<uint32_t>(color) >> shift) & 0xFF;
}

QColor band(TColor start, TColor end, int i)
{
    auto mix = [&](int shift) {
        return channel(start, shift) + i * (channel(end, shift) - channel(start, shift)) / 255;
    };
    return QColor(mix(0), mix(8), mix(16));
}

// Horizontal and vertical gradients are 256 bands of whole pixels.
void drawBands(const TfrxGradientFill& fill, QPainter& canvas, int X, int Y, int X1, int Y1)
{
    const bool horizontal = fill.GetGradientStyle() == gsHorizontal;
    const int size = horizontal ? X1 - X : Y1 - Y;
    for (int i = 0; i < 256; ++i) {
        const int from = i * size / 256;
        const int to = (i + 1) * size / 256;
        if (to <= from)
            continue;
        const QColor color = band(fill.GetStartColor(), fill.GetEndColor(), i);
        if (horizontal)
            canvas.fillRect(X + from, Y, to - from, Y1 - Y, color);
        else
            canvas.fillRect(X, Y + from, X1 - X, to - from, color);
    }
}

void drawGradient(const TfrxGradientFill& fill, QPainter& canvas, int X, int Y, int X1, int Y1)
{
    const QRectF rect(X, Y, X1 - X, Y1 - Y);
    const QColor start = toQColor(fill.GetStartColor());
    const QColor end = toQColor(fill.GetEndColor());
    switch (fill.GetGradientStyle()) {
    case gsHorizontal:
    case gsVertical:
        drawBands(fill, canvas, X, Y, X1, Y1);
        return;
    case gsElliptic:
    case gsRectangle: {
        QRadialGradient g(rect.center(), std::max(rect.width(), rect.height()) / 2);
        g.setColorAt(0, end);
        g.setColorAt(1, start);
        canvas.fillRect(rect, g);
        return;
    }
    case gsVertCenter:
    case gsHorizCenter: {
        const bool vertical = fill.GetGradientStyle() == gsVertCenter;
        QLinearGradient g(rect.topLeft(), vertical ? rect.bottomLeft() : rect.topRight());
        g.setColorAt(0, start);
        g.setColorAt(0.5, end);
        g.setColorAt(1, start);
        canvas.fillRect(rect, g);
        return;
    }
    }
}

// The colour with a lighter half blended towards white by Blend.
void drawGlass(const TfrxGlassFill& fill, QPainter& canvas, int X, int Y, int X1, int Y1)
{
    const QColor color = toQColor(fill.GetColor());
    canvas.fillRect(X, Y, X1 - X, Y1 - Y, color);
    const double blend = std::clamp(fill.GetBlend(), 0.0, 1.0);
    const QColor light(color.red() + (255 - color.red()) * blend,
                       color.green() + (255 - color.green()) * blend,
                       color.blue() + (255 - color.blue()) * blend);
    const int w = X1 - X, h = Y1 - Y;
    QRect half;
    switch (fill.GetOrientation()) {
    case foHorizontal:
        half = QRect(X, Y, w, h / 2);
        break;
    case foHorizontalMirror:
        half = QRect(X, Y + h - h / 2, w, h / 2);
        break;
    case foVertical:
        half = QRect(X, Y, w / 2, h);
        break;
    case foVerticalMirror:
        half = QRect(X + w - w / 2, Y, w / 2, h);
        break;
    }
    canvas.fillRect(half, light);
    if (fill.GetHatch())
        canvas.fillRect(X, Y, w, h, QBrush(color.darker(120), Qt::DiagCrossPattern));
}

} // namespace

void DrawFill(const TfrxCustomFill& Fill, QPainter& Canvas, int X, int Y, int X1, int Y1, double, double)
{
    switch (Fill.GetFillType()) {
    case ftBrush:
        drawBrush(static_cast<const TfrxBrushFill&>(Fill), Canvas, X, Y, X1, Y1);
        break;
    case ftGradient:
        drawGradient(static_cast<const TfrxGradientFill&>(Fill), Canvas, X, Y, X1, Y1);
        break;
    case ftGlass:
        drawGlass(static_cast<const TfrxGlassFill&>(Fill), Canvas, X, Y, X1, Y1);
        break;
    }
}
