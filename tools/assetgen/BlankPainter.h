#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <vector>

// The printed look that every picture of the blank shares (the window's two-page spread, the 300 dpi
// page and the PDF mock-up): pale security paper with a guilloche border, serif print, faint boxes
// where values go. Coordinates are the caller's own units: pixels of the window's entry area, or
// report pixels of the printed page; the two are close enough in scale for one set of sizes.
class BlankPainter {
public:
    // lineWidth: a thin printed line in the caller's units. crisp: the units are device pixels, so
    // lines are drawn without smoothing to land on whole pixel rows.
    BlankPainter(QPainter& painter, double lineWidth, bool crisp);

    void paper(const QRectF& sheet);

    // A box a value is typed or printed into: a faint field with a baseline under it.
    void field(const QRectF& box);
    // The same inside a table cell, where the cell's lines already frame it.
    void cellField(const QRectF& box);
    // A short underlined gap in running text, for values that grow with their text.
    void gap(double left, double right, double baseline);

    // Table lines: a frame around the whole table and every inner column and row line.
    void grid(const std::vector<double>& columns, const std::vector<double>& rows);
    void line(double x1, double y1, double x2, double y2);

    void text(double x, double baseline, const QString& text, const QFont& font);
    void textRightAligned(double right, double baseline, const QString& text, const QFont& font);
    void textCentred(double centreX, double baseline, const QString& text, const QFont& font);
    void title(double centreX, double baseline, const QString& text, const QFont& font);
    // Word-wrapped text inside a rectangle, left-aligned and vertically centred.
    void paragraph(const QRectF& rect, const QString& text, const QFont& font);

    // Captions beside a box, on the line the box's text is written on.
    void captionLeftOf(const QRectF& box, const QString& text, const QFont& font);
    void captionRightOf(const QRectF& box, const QString& text, const QFont& font);
    // A small explanatory caption centred under a box.
    void captionBelow(const QRectF& box, const QString& text, const QFont& font);

    // The baseline of text vertically centred in a box.
    static double baselineIn(const QRectF& box, const QFont& font);
    static double textWidth(const QString& text, const QFont& font);

    static QFont serif(int pixels, bool bold = false, bool italic = false);
    static QColor paperColour();

private:
    void guilloche(const QRectF& sheet);
    void rosette(const QPointF& centre, double radius);
    void border(const QRectF& frame);
    void wavyLine(const QPointF& from, const QPointF& to, double amplitude, double period);
    QRectF strokeRect(const QRectF& box) const;
    void setLinePen(const QColor& colour, double width);

    QPainter& FPainter;
    double FLineWidth;
    bool FCrisp;
};
