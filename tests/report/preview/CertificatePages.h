#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

class TfrxCustomPreviewPages;
class TfrxReport;

// The certificate template with a word of its own in every memo ("Q01", "Q02", ...), prepared into
// the report's prepared pages. The engine must be registered before the report was created.
void prepareCertificate(TfrxReport& report);

// A text output of the prepared page as the page draws it: its word and its cell, in millimetres
// from the paper's top-left corner.
struct ExpectedText {
    QString Word;
    QRectF Box;
};
QList<ExpectedText> expectedTexts(TfrxCustomPreviewPages& pages, int index = 0);

// The share of dark pixels of a page image (dpi dots per inch) outside the boxes (mm), each widened
// by margin millimetres.
double inkOutside(const QImage& page, int dpi, const QList<QRectF>& boxes, double margin);
// Whether the box (mm) holds dark pixels.
bool inkInside(const QImage& page, int dpi, const QRectF& box);
