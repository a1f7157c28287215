#pragma once

#include "report/model/TfrxMemoView.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <memory>

// A white image to draw on.
QImage whiteImage(int width, int height);

// Pixels of the rectangle that are not white.
int inkIn(const QImage& image, const QRect& rect);
// The smallest rectangle holding every pixel that is not white (null when there is none).
QRect inkBounds(const QImage& image);

// A printer page (a PDF document at the given resolution): drawing code takes it for a printer.
class PrinterPage {
public:
    // Written to a temporary folder unless a file is named.
    explicit PrinterPage(int dpi, const QString& fileName = QString());
    ~PrinterPage();
    QPainter& Painter() { return FPainter; }
    double Scale() const { return FDpi / 96.0; }

private:
    QTemporaryDir FDir;
    int FDpi;
    QPrinter FPrinter;
    QPainter FPainter;
};

// A memo as the certificate template has them: Times New Roman, a Cyrillic character set,
// top-aligned, centred, word-wrapped, the memo defaults otherwise.
std::unique_ptr<TfrxMemoView> certificateMemo(const QString& text, double left, double top, double width,
                                              double height = 15.12, int fontHeight = -11);
