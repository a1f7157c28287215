#pragma once

class QColor;
class QPainter;
class TfrxFrame;

// Draws a frame around the device rectangle (X, Y)-(X1, Y1): the drop shadow, then the left,
// right, top and bottom lines in Typ, each in its own colour, style and width.
void DrawFrame(const TfrxFrame& Frame, QPainter& Canvas, int X, int Y, int X1, int Y1, double ScaleX,
               double ScaleY);

// A horizontal or vertical line from (x0, y0) towards (x1, y1), the end pixel left out, as n
// parallel one-pixel lines at the offsets -(n div 2) … (n - 1) div 2 across it (0 counts as 1).
void DrawPixelLine(QPainter& Canvas, const QColor& Color, int x0, int y0, int x1, int y1, int n);
