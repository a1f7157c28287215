#pragma once

#include <QImage>
#include <QString>
#include <QTransform>

class QPainter;

// The blank as one A5 page, drawn in report pixels relative to the certificate template's printable
// area, with a box where each of the template's memos prints its value.
void paintPrintBlank(QPainter& painter);

// Report pixels of the template page to pixels of the picture that the template's Picture1 holds.
QTransform reportToPicture();

// The picture for the template's Picture1: 1739 × 2471 pixels (300 dpi).
QImage drawPrintBlank300dpi();

// The one-page A5 PDF mock-up of the blank that the program opens with the desktop's viewer.
bool writeMockupPdf(const QString& path);
