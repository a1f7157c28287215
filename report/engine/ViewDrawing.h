#pragma once

class QPainter;
class TfrxView;

// The device rectangle of a view for one drawing: its corners (right and bottom reduced by a drop
// shadow), size and frame width in device pixels.
struct TfrxViewDeviceRect {
    int FX = 0;
    int FY = 0;
    int FX1 = 0;
    int FY1 = 0;
    int FDX = 0;
    int FDY = 0;
    int FFrameWidth = 0;
};

// Scale 1 is one report pixel per device pixel; the offsets are the device position of the page's
// printable-area origin.
TfrxViewDeviceRect CalcDeviceRect(const TfrxView& View, double ScaleX, double ScaleY, double OffsetX,
                                  double OffsetY);

// The view's fill over its device rectangle widened by the frame's lines.
void DrawBackground(const TfrxView& View, QPainter& Canvas, const TfrxViewDeviceRect& Rect, double ScaleX,
                    double ScaleY);
void DrawViewFrame(const TfrxView& View, QPainter& Canvas, const TfrxViewDeviceRect& Rect, double ScaleX,
                   double ScaleY);

// Whether a page draws the view on this canvas: printer canvases show what has vsPrint, screens,
// images and documents what has vsPreview (so the blank's picture never reaches the paper).
bool IsVisibleOn(const TfrxView& View, const QPainter& Canvas);

// Draws any view on any canvas (a widget, an image, a PDF writer, a printer): memos with their
// text, pictures with their graphic, other views as background and frame. PrintScale is the scale
// of the page being printed (the print job's, 1 otherwise); it applies while the view's printing
// flag is set. Memo macros that depend on the page being drawn are the caller's to replace.
void Draw(TfrxView& View, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX, double OffsetY,
          double PrintScale = 1);
