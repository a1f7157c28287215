#pragma once

class QPainter;
class TfrxCustomFill;

// Fills the device rectangle (X, Y)-(X1, Y1), right and bottom edges outside, with a view's fill.
void DrawFill(const TfrxCustomFill& Fill, QPainter& Canvas, int X, int Y, int X1, int Y1, double ScaleX,
              double ScaleY);
