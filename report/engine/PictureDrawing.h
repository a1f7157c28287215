#pragma once

#include "report/model/TfrxTypes.h"

#include <QRect>

class QPainter;
class TfrxPicture;
class TfrxPictureView;
class TfrxReportPage;
struct TfrxViewDeviceRect;

// Where a picture view puts a stretched graphic of w × h pixels in its device rectangle: the whole
// rectangle, or with KeepAspectRatio the largest rectangle of the graphic's proportions from the
// top-left corner (moved to the middle with Center).
QRect StretchedPictureRect(const TfrxViewDeviceRect& Rect, int w, int h, bool KeepAspectRatio, bool Center);
// An unstretched graphic: its pixel size times the scale, at the top-left corner or centred.
QRect UnstretchedPictureRect(const TfrxViewDeviceRect& Rect, int w, int h, double ScaleX, double ScaleY,
                             bool Center);

void DrawPicture(TfrxPictureView& View, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                 double OffsetY);

// Draws a graphic scaled into a device rectangle. Printing, or high quality, or a transparent
// graphic that is not a plain bitmap, first renders it on a bitmap of its own size filled with the
// transparent colour; with Transparent the pixels of TransparentColor are left out.
void DrawGraphic(QPainter& Canvas, const QRect& Dest, const TfrxPicture& Graphic, TColor TransparentColor,
                 bool Transparent, bool HighQuality, bool Printing);

// The page's background picture, colour and frame over its printable area; the offsets are the
// device position of the paper's top-left corner. Left out on a printer unless BackPicturePrintable.
void DrawPageBackground(TfrxReportPage& Page, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                        double OffsetY);
