#include "TestCanvas.h"

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int inkIn(const QImage& image, const QRect& rect)
{
    int ink = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ++ink;
    return ink;
}

QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

PrinterPage::PrinterPage(int dpi, const QString& fileName) : FDpi(dpi), FPrinter(QPrinter::HighResolution)
{
    FPrinter.setOutputFormat(QPrinter::PdfFormat);
    FPrinter.setFullPage(true);
    FPrinter.setOutputFileName(fileName.isEmpty() ? FDir.filePath(QStringLiteral("page.pdf")) : fileName);
    FPrinter.setResolution(dpi);
    FPainter.begin(&FPrinter);
}

PrinterPage::~PrinterPage()
{
    FPainter.end();
}

std::unique_ptr<TfrxMemoView> certificateMemo(const QString& text, double left, double top, double width,
                                              double height, int fontHeight)
{
    auto memo = std::make_unique<TfrxMemoView>();
    memo->SetBounds(left, top, width, height);
    TfrxFont* font = memo->GetFont();
    font->SetName(QStringLiteral("Times New Roman"));
    font->SetHeight(fontHeight);
    font->SetCharset(RUSSIAN_CHARSET);
    memo->SetHAlign(haCenter);
    memo->SetText(text);
    return memo;
}
