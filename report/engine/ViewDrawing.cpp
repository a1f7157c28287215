#include "report/engine/ViewDrawing.h"

#include "common/Rounding.h"
#include "report/engine/FillDrawing.h"
#include "report/engine/FrameDrawing.h"
#include "report/engine/MemoDrawing.h"
#include "report/engine/PictureDrawing.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

namespace {

int roundInt(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

} // namespace

TfrxViewDeviceRect CalcDeviceRect(const TfrxView& View, double ScaleX, double ScaleY, double OffsetX,
                                  double OffsetY)
{
    const double left = View.GetAbsLeft();
    const double top = View.GetAbsTop();
    const TfrxFrame& frame = *View.GetFrame();
    TfrxViewDeviceRect r;
    r.FX = roundInt(OffsetX + ScaleX * left);
    r.FY = roundInt(OffsetY + ScaleY * top);
    r.FX1 = roundInt(OffsetX + ScaleX * (left + View.GetWidth()));
    r.FY1 = roundInt(OffsetY + ScaleY * (top + View.GetHeight()));
    if (frame.GetDropShadow()) {
        r.FX1 -= roundInt(ScaleX * frame.GetShadowWidth());
        r.FY1 -= roundInt(ScaleY * frame.GetShadowWidth());
    }
    r.FDX = r.FX1 - r.FX;
    r.FDY = r.FY1 - r.FY;
    r.FFrameWidth = roundInt(ScaleX * frame.GetWidth());
    return r;
}

void DrawBackground(const TfrxView& View, QPainter& Canvas, const TfrxViewDeviceRect& Rect, double ScaleX,
                    double ScaleY)
{
    const TfrxFrame& frame = *View.GetFrame();
    const TfrxFrameTypes typ = frame.GetTyp();
    const double w = frame.GetWidth();
    const int halfX = roundInt(w * ScaleX / 2), halfY = roundInt(w * ScaleY / 2);
    const int oddX = roundInt(w * ScaleX) % 2, oddY = roundInt(w * ScaleY) % 2;
    const int x = Rect.FX - (typ.contains(ftLeft) ? halfX : 0);
    const int y = Rect.FY - (typ.contains(ftTop) ? halfY : 0);
    const int x1 = Rect.FX1 + (typ.contains(ftRight) ? halfX + oddX : 0);
    const int y1 = Rect.FY1 + (typ.contains(ftBottom) ? halfY + oddY : 0);
    DrawFill(*View.GetFill(), Canvas, x, y, x1, y1, ScaleX, ScaleY);
}

void DrawViewFrame(const TfrxView& View, QPainter& Canvas, const TfrxViewDeviceRect& Rect, double ScaleX,
                   double ScaleY)
{
    DrawFrame(*View.GetFrame(), Canvas, Rect.FX, Rect.FY, Rect.FX1, Rect.FY1, ScaleX, ScaleY);
}

bool IsVisibleOn(const TfrxView& View, const QPainter& Canvas)
{
    const bool printer = TfrxPrinterCanvas::IsPrinterCanvas(&Canvas);
    return View.GetVisibility().contains(printer ? vsPrint : vsPreview);
}

void Draw(TfrxView& View, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX, double OffsetY,
          double PrintScale)
{
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(&View)) {
        DrawMemo(*memo, Canvas, ScaleX, ScaleY, OffsetX, OffsetY, PrintScale);
        return;
    }
    if (auto* picture = dynamic_cast<TfrxPictureView*>(&View)) {
        DrawPicture(*picture, Canvas, ScaleX, ScaleY, OffsetX, OffsetY);
        return;
    }
    const TfrxViewDeviceRect rect = CalcDeviceRect(View, ScaleX, ScaleY, OffsetX, OffsetY);
    DrawBackground(View, Canvas, rect, ScaleX, ScaleY);
    DrawViewFrame(View, Canvas, rect, ScaleX, ScaleY);
}
