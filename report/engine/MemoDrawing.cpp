#include "report/engine/MemoDrawing.h"

#include "common/Rounding.h"
#include "report/engine/ColorConversion.h"
#include "report/engine/FrameDrawing.h"
#include "report/engine/TfrxDrawText.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxCustomMemoView.h"

#include <QPainter>

namespace {

int roundInt(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

constexpr TfrxTextRect kUnboundedRect{0, 0, 10000, 10000};

double shadowOf(const TfrxFrame& frame)
{
    return frame.GetDropShadow() ? frame.GetShadowWidth() : 0;
}

// The device rectangle the text is laid out in: the view's less its frame lines, gaps and shadow.
TfrxTextRect textRect(const TfrxCustomMemoView& memo, const TfrxViewDeviceRect& r, double sx, double sy)
{
    const TfrxFrame& frame = *memo.GetFrame();
    const TfrxFrameTypes typ = frame.GetTyp();
    const double w = frame.GetWidth();
    const double shadow = shadowOf(frame);
    TfrxTextRect t;
    t.Left = r.FX + (typ.contains(ftLeft) ? roundInt((sx * w - 1) / 2) : 0) + roundInt(sx * memo.GetGapX());
    t.Top = r.FY + (typ.contains(ftTop) ? roundInt((sy * w - 1) / 2) : 0) + roundInt(sy * memo.GetGapY());
    t.Right = r.FX + roundInt(sx * (memo.GetWidth() - shadow)) -
              (typ.contains(ftRight) ? roundInt(sx * w / 2) : 0) - roundInt(sx * memo.GetGapX()) + 1;
    t.Bottom = r.FY + roundInt(sy * (memo.GetHeight() - shadow)) -
               (typ.contains(ftBottom) ? roundInt(sy * w / 2) : 0) - roundInt(sy * memo.GetGapY()) + 1;
    return t;
}

TfrxTextRect unscaledTextRect(const TfrxCustomMemoView& memo)
{
    return textRect(memo, CalcDeviceRect(memo, 1, 1, 0, 0), 1, 1);
}

// What the width of a memo adds to the width of its text.
double horizontalAllowance(const TfrxCustomMemoView& memo)
{
    const TfrxFrame& frame = *memo.GetFrame();
    const double w = frame.GetWidth();
    return 2 * memo.GetGapX() + (frame.GetTyp().contains(ftLeft) ? (w - 1) / 2 : 0) +
           (frame.GetTyp().contains(ftRight) ? w / 2 : 0) + shadowOf(frame);
}

double verticalAllowance(const TfrxCustomMemoView& memo)
{
    const TfrxFrame& frame = *memo.GetFrame();
    const double w = frame.GetWidth();
    return 2 * memo.GetGapY() + (frame.GetTyp().contains(ftTop) ? (w - 1) / 2 : 0) +
           (frame.GetTyp().contains(ftBottom) ? w / 2 : 0) + shadowOf(frame);
}

void setUp(TfrxDrawText& text, const TfrxCustomMemoView& memo)
{
    text.SetMonoFont(memo.GetDrawAsMask());
    text.SetFont(*memo.GetFont());
    text.SetOptions(memo.GetWordWrap(), memo.GetAllowHTMLTags(), memo.GetRotation(), memo.GetWysiwyg(),
                    memo.GetClipped(), memo.GetWordBreak(), memo.GetRTLReading());
    text.SetGaps(memo.GetLineSpacing(), memo.GetCharSpacing(), memo.GetParagraphGap());
}

void layOut(TfrxDrawText& text, const TfrxCustomMemoView& memo, const QStringList& lines,
            const TfrxTextRect& original, const TfrxTextRect& scaled, double printScale, double sx, double sy)
{
    text.SetDimensions(original, scaled, printScale, sx, sy);
    text.SetText(lines, memo.GetFirstParaBreak());
    text.SetParaBreaks(memo.GetFirstParaBreak(), memo.GetLastParaBreak());
}

// Outside the designer the memo takes its text's width, keeping its right edge or centre as its
// alignment says.
void applyAutoWidth(TfrxDrawText& text, TfrxCustomMemoView& memo)
{
    if (!memo.GetAutoWidth() || memo.GetIsDesigning())
        return;
    layOut(text, memo, memo.GetMemo(), kUnboundedRect, kUnboundedRect, 1, 1, 1);
    const double oldWidth = memo.GetWidth();
    const double newWidth = text.CalcWidth() + horizontalAllowance(memo);
    memo.SetWidth(newWidth);
    if (memo.GetHAlign() == haRight)
        memo.SetLeft(memo.GetLeft() + oldWidth - newWidth);
    else if (memo.GetHAlign() == haCenter)
        memo.SetLeft(memo.GetLeft() + (oldWidth - newWidth) / 2);
    if (memo.GetParent())
        memo.GetParent()->AlignChildren();
}

// Lays the memo's text out for measuring at scale 1 in the given rectangle.
void prepareForMeasuring(TfrxDrawText& text, TfrxCustomMemoView& memo, const TfrxTextRect& rect,
                         const QStringList& lines)
{
    setUp(text, memo);
    applyAutoWidth(text, memo);
    layOut(text, memo, lines, rect, rect, 1, 1, 1);
}

// In the designer a memo bound to a data field shows the field.
QStringList displayedLines(const TfrxCustomMemoView& memo)
{
    if (!memo.GetIsDesigning() || memo.GetDataField().isEmpty())
        return memo.GetMemo();
    const QString dataSet = memo.GetDataSet() ? memo.GetDataSet()->GetName() : memo.GetDataSetName();
    return {QStringLiteral("[%1.\"%2\"]").arg(dataSet, memo.GetDataField())};
}

void drawUnderlines(const TfrxCustomMemoView& memo, QPainter& canvas, const TfrxViewDeviceRect& r,
                    const TfrxDrawText& text, double sy)
{
    const QColor color = toQColor(memo.GetFrame()->GetColor());
    const double step = text.LineHeight() * sy;
    if (step <= 0)
        return;
    for (double y = r.FY + (memo.GetGapY() - memo.GetLineSpacing() + 1) * sy + step; y < r.FY1; y += step)
        DrawPixelLine(canvas, color, r.FX, roundInt(y), r.FX1, roundInt(y), r.FFrameWidth);
}

} // namespace

void DrawMemo(TfrxCustomMemoView& Memo, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
              double OffsetY, double PrintScale)
{
    TfrxDrawText& text = TfrxDrawText::Shared();
    TfrxDrawTextLock lock(text);
    setUp(text, Memo);
    applyAutoWidth(text, Memo);
    const TfrxViewDeviceRect rect = CalcDeviceRect(Memo, ScaleX, ScaleY, OffsetX, OffsetY);
    const double printScale = Memo.GetIsPrinting() ? PrintScale : 1;
    layOut(text, Memo, displayedLines(Memo), unscaledTextRect(Memo), textRect(Memo, rect, ScaleX, ScaleY),
           printScale, ScaleX, ScaleY);
    DrawBackground(Memo, Canvas, rect, ScaleX, ScaleY);
    DrawViewFrame(Memo, Canvas, rect, ScaleX, ScaleY);
    if (Memo.GetUnderlines() && Memo.GetRotation() == 0)
        drawUnderlines(Memo, Canvas, rect, text, ScaleY);
    text.DrawText(Canvas, Memo.GetHAlign(), Memo.GetVAlign());
}

double CalcHeight(TfrxCustomMemoView& Memo)
{
    TfrxDrawText& text = TfrxDrawText::Shared();
    TfrxDrawTextLock lock(text);
    const TfrxTextRect rect = Memo.GetAutoWidth() ? kUnboundedRect : unscaledTextRect(Memo);
    prepareForMeasuring(text, Memo, rect, Memo.GetMemo());
    return roundInt(text.CalcHeight() + verticalAllowance(Memo));
}

double CalcWidth(TfrxCustomMemoView& Memo)
{
    TfrxDrawText& text = TfrxDrawText::Shared();
    TfrxDrawTextLock lock(text);
    prepareForMeasuring(text, Memo, kUnboundedRect, Memo.GetMemo());
    return roundInt(text.CalcWidth() + horizontalAllowance(Memo));
}

void InitPart(TfrxCustomMemoView& Memo, TfrxMemoPart& Part)
{
    Part.FLines = Memo.GetMemo();
    Part.FParaBreak = false;
    Memo.SetFirstParaBreak(false);
    Memo.SetLastParaBreak(false);
}

double DrawPart(TfrxCustomMemoView& Memo, TfrxMemoPart& Part)
{
    TfrxDrawText& text = TfrxDrawText::Shared();
    TfrxDrawTextLock lock(text);
    Memo.SetFirstParaBreak(Part.FParaBreak);
    Memo.SetLastParaBreak(false);
    prepareForMeasuring(text, Memo, unscaledTextRect(Memo), Part.FLines);
    bool paraBreak = false;
    const QString rest = text.GetOutBoundsText(paraBreak);
    Memo.SetText(text.GetInBoundsText());
    Memo.SetLastParaBreak(paraBreak);
    Part.FLines = rest.isEmpty() ? QStringList() : rest.split(QStringLiteral("\r\n"));
    Part.FParaBreak = paraBreak;
    const double unused = text.UnusedSpace();
    return unused == 0 ? Memo.GetHeight() : unused;
}

QString WrapText(TfrxCustomMemoView& Memo, bool WrapWords)
{
    TfrxDrawText& text = TfrxDrawText::Shared();
    TfrxDrawTextLock lock(text);
    prepareForMeasuring(text, Memo, unscaledTextRect(Memo), Memo.GetMemo());
    return WrapWords ? text.GetWrappedText() : TfrxDrawText::DeleteTags(Memo.GetText());
}
