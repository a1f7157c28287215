#include "report/engine/FrameDrawing.h"

#include "common/Rounding.h"
#include "report/engine/ColorConversion.h"
#include "report/model/TfrxFrame.h"

#include <QPainter>

#include <span>
#include <vector>

namespace {

int roundInt(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

// On and off lengths of the standard one-pixel dashed pens.
constexpr int kDash[] = {18, 6};
constexpr int kDot[] = {3, 3};
constexpr int kDashDot[] = {9, 6, 3, 6};
constexpr int kDashDotDot[] = {9, 3, 3, 3, 3, 3};

std::span<const int> dashPattern(TfrxFrameStyle style)
{
    switch (style) {
    case fsDash:
        return kDash;
    case fsDot:
        return kDot;
    case fsDashDot:
        return kDashDot;
    case fsDashDotDot:
        return kDashDotDot;
    default:
        return {};
    }
}

// One side of a frame along one axis: from Start to End at Across, and whether the sides it meets
// at its start and end are drawn.
struct Side {
    bool Vertical;
    int Across;
    int Start;
    int End;
    bool StartNeighbour;
    bool EndNeighbour;
};

class SidePainter {
public:
    // outerIsMinus: the outer line of a double side lies at -w (left and top sides).
    SidePainter(QPainter& canvas, const TfrxFrameLine& line, int w, bool outerIsMinus)
        : FCanvas(canvas), FLine(line), FW(w), FOuterIsMinus(outerIsMinus), FColor(toQColor(line.GetColor()))
    {
    }

    void Draw(Side side) const
    {
        switch (FLine.GetStyle()) {
        case fsSolid:
            Solid(Inset(side));
            break;
        case fsDouble:
            Double(Inset(side));
            break;
        case fsAltDot:
        case fsSquare:
            Pattern(side);
            break;
        default:
            Dashed(side, dashPattern(FLine.GetStyle()));
            break;
        }
    }

private:
    // Without a neighbour the line keeps inside the object's corner.
    Side Inset(Side side) const
    {
        if (!side.StartNeighbour)
            side.Start += FW / 2;
        if (!side.EndNeighbour)
            side.End -= FW / 2;
        return side;
    }

    // A device rectangle given along and across the side.
    void Fill(const Side& side, int alongFrom, int alongLength, int acrossFrom, int acrossLength) const
    {
        if (side.Vertical)
            FCanvas.fillRect(acrossFrom, alongFrom, acrossLength, alongLength, FColor);
        else
            FCanvas.fillRect(alongFrom, acrossFrom, alongLength, acrossLength, FColor);
    }

    // A geometric pen with square caps: the caps close the corners where a neighbour is drawn.
    void Solid(const Side& side) const
    {
        const int w = std::max(FW, 1);
        const int from = side.Start - FW / 2;
        Fill(side, from, side.End - side.Start + w, side.Across - FW / 2, w);
    }

    void Double(const Side& side) const
    {
        for (int offset : {-FW, FW}) {
            const bool outer = (offset < 0) == FOuterIsMinus;
            const int grow = outer ? FW : -FW;
            const int start = side.Start - (side.StartNeighbour ? grow : 0);
            const int end = side.End + (side.EndNeighbour ? grow : 0);
            Line(side, start, end, side.Across + offset);
        }
    }

    void Line(const Side& side, int start, int end, int across) const
    {
        if (side.Vertical)
            DrawPixelLine(FCanvas, FColor, across, start, across, end, FW);
        else
            DrawPixelLine(FCanvas, FColor, start, across, end, across, FW);
    }

    void Dashed(const Side& side, std::span<const int> pattern) const
    {
        const int n = std::max(FW, 1);
        const int first = -(n / 2);
        size_t k = 0;
        for (int pos = side.Start; pos < side.End; pos += pattern[k], k = (k + 1) % pattern.size())
            if (k % 2 == 0)
                Fill(side, pos, std::min(pattern[k], side.End - pos), side.Across + first, n);
    }

    // fsSquare: squares of w every 2w; fsAltDot: round dots of diameter w every 2w; a single
    // pixel every other pixel for thin lines.
    void Pattern(const Side& side) const
    {
        if (FW <= 1) {
            for (int pos = side.Start; pos < side.End; pos += 2)
                Fill(side, pos, 1, side.Across, 1);
            return;
        }
        const int half = FW / 2;
        for (int pos = side.Start; pos <= side.End; pos += 2 * FW) {
            if (FLine.GetStyle() == fsSquare) {
                Fill(side, pos, std::min(FW, side.End - pos), side.Across - half, FW);
                continue;
            }
            const QPointF centre =
                side.Vertical ? QPointF(side.Across + 0.5, pos + 0.5) : QPointF(pos + 0.5, side.Across + 0.5);
            FCanvas.save();
            FCanvas.setRenderHint(QPainter::Antialiasing, false);
            FCanvas.setPen(Qt::NoPen);
            FCanvas.setBrush(FColor);
            FCanvas.drawEllipse(centre, FW / 2.0, FW / 2.0);
            FCanvas.restore();
        }
    }

    QPainter& FCanvas;
    const TfrxFrameLine& FLine;
    int FW;
    bool FOuterIsMinus;
    QColor FColor;
};

void drawShadow(const TfrxFrame& frame, QPainter& canvas, int X, int Y, int X1, int Y1, double ScaleX,
                double ScaleY)
{
    const QColor color = toQColor(frame.GetShadowColor());
    const int s = roundInt(frame.GetShadowWidth() * ScaleX);
    const int t = roundInt(frame.GetShadowWidth() * ScaleY);
    DrawPixelLine(canvas, color, X1 + s / 2, Y + s, X1 + s / 2, Y1, s);
    DrawPixelLine(canvas, color, X + t, Y1 + t / 2, X1 + t, Y1 + t / 2, t);
}

} // namespace

void DrawPixelLine(QPainter& Canvas, const QColor& Color, int x0, int y0, int x1, int y1, int n)
{
    n = std::max(n, 1);
    const int first = -(n / 2);
    if (y0 == y1) {
        const int from = std::min(x0, x1 + (x1 < x0 ? 1 : 0));
        Canvas.fillRect(from, y0 + first, std::abs(x1 - x0), n, Color);
    } else {
        const int from = std::min(y0, y1 + (y1 < y0 ? 1 : 0));
        Canvas.fillRect(x0 + first, from, n, std::abs(y1 - y0), Color);
    }
}

void DrawFrame(const TfrxFrame& Frame, QPainter& Canvas, int X, int Y, int X1, int Y1, double ScaleX,
               double ScaleY)
{
    if (Frame.GetDropShadow())
        drawShadow(Frame, Canvas, X, Y, X1, Y1, ScaleX, ScaleY);
    const TfrxFrameTypes typ = Frame.GetTyp();
    if (typ.isEmpty() || Frame.GetColor() == clNone || Frame.GetWidth() == 0)
        return;
    const bool frameSolid = Frame.GetStyle() == fsSolid;
    const bool left = typ.contains(ftLeft), right = typ.contains(ftRight);
    const bool top = typ.contains(ftTop), bottom = typ.contains(ftBottom);

    auto widthOf = [&](const TfrxFrameLine& line) { return roundInt(line.GetWidth() * ScaleX); };
    auto draw = [&](const TfrxFrameLine& line, Side side, bool outerIsMinus) {
        SidePainter(Canvas, line, widthOf(line), outerIsMinus).Draw(side);
    };
    auto solidOrDouble = [](const TfrxFrameLine& line) {
        return line.GetStyle() == fsSolid || line.GetStyle() == fsDouble;
    };

    if (left) {
        const TfrxFrameLine& line = *Frame.GetLeftLine();
        const bool higher = solidOrDouble(line) && widthOf(line) == 2 && !frameSolid;
        draw(line, {true, X, higher ? Y - 1 : Y, Y1, top, bottom}, true);
    }
    if (right)
        draw(*Frame.GetRightLine(), {true, X1, Y, Y1, top, bottom}, false);
    if (top)
        draw(*Frame.GetTopLine(), {false, Y, X, X1, left, right}, true);
    if (bottom) {
        const TfrxFrameLine& line = *Frame.GetBottomLine();
        const bool onePixelPen = !solidOrDouble(line) || widthOf(line) == 1;
        const bool longer = onePixelPen && !frameSolid;
        draw(line, {false, Y1, X, longer ? X1 + 1 : X1, left, right}, false);
    }
}
