#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// What the poppler tools tell about a PDF file.
struct PdfFacts {
    int pages = 0;
    QList<QSizeF> pageSizes; // in points
};

// pdfinfo of a file; pages is 0 when it is no readable PDF.
PdfFacts pdfFacts(const QString& fileName);

// Box in points of the first occurrence of a word on the first page (pdftotext -bbox); an empty
// rectangle when it is not there.
QRectF pdfWordBox(const QString& fileName, const QString& word);

// The first page rendered in grey at the given resolution; a null image when it cannot be.
QImage pdfFirstPageImage(const QString& fileName, int dpi);

inline constexpr double kPointsPerMm = 72 / 25.4;
