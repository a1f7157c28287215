#include "report/preview/PrintDialogPictures.h"

#include <QPainter>
#include <QStringList>

#include <algorithm>

namespace {

constexpr QSize kModeSize(64, 32);

QPixmap transparentPixmap(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A sheet with a turned-down corner, and its number when it has one.
void drawSheet(QPainter& painter, const QRect& sheet, const QString& number = QString())
{
    const int corner = std::max(2, sheet.width() / 5);
    const QPolygon outline({sheet.topLeft(), QPoint(sheet.right() - corner, sheet.top()),
                            QPoint(sheet.right(), sheet.top() + corner), sheet.bottomRight(),
                            sheet.bottomLeft()});
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawPolygon(outline);
    if (!number.isEmpty())
        painter.drawText(sheet, Qt::AlignCenter, number);
}

void drawStack(QPainter& painter, QPoint at, const QStringList& numbers)
{
    // The last number lies on top.
    for (int i = 0; i < numbers.size(); ++i)
        drawSheet(painter, QRect(at + QPoint(i * 6, i * 6), QSize(20, 26)), numbers.at(i));
}

void drawTextLines(QPainter& painter, const QRect& area)
{
    painter.setPen(QColor(0, 0, 160));
    for (int y = area.top(); y <= area.bottom(); y += 3)
        painter.drawLine(area.left(), y, area.right(), y);
}

} // namespace

QPixmap frxCopiesPicture(bool collated)
{
    QPixmap pixmap = transparentPixmap(QSize(100, 40));
    QPainter painter(&pixmap);
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    if (collated) {
        drawStack(painter, QPoint(2, 1), {QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")});
        drawStack(painter, QPoint(50, 1), {QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")});
    } else {
        for (int i = 0; i < 3; ++i)
            drawStack(painter, QPoint(2 + i * 32, 1), {QString::number(3 - i), QString::number(3 - i)});
    }
    return pixmap;
}

QPixmap frxPrintModePicture(TfrxPrintMode mode)
{
    QPixmap pixmap = transparentPixmap(kModeSize);
    QPainter painter(&pixmap);
    switch (mode) {
    case pmDefault:
        drawSheet(painter, QRect(24, 2, 20, 28));
        drawTextLines(painter, QRect(27, 6, 12, 20));
        break;
    case pmSplit:
        // One big page over two sheets, its lines running across both.
        drawSheet(painter, QRect(12, 2, 20, 28));
        drawSheet(painter, QRect(34, 2, 20, 28));
        drawTextLines(painter, QRect(15, 6, 36, 20));
        break;
    case pmJoin:
        // Two small pages side by side on one turned sheet.
        drawSheet(painter, QRect(14, 6, 38, 24));
        drawTextLines(painter, QRect(17, 10, 14, 16));
        drawTextLines(painter, QRect(35, 10, 14, 16));
        break;
    case pmScale:
        // A small page drawn out to the whole sheet.
        drawSheet(painter, QRect(4, 12, 12, 17));
        drawTextLines(painter, QRect(6, 15, 7, 11));
        painter.drawLine(18, 20, 26, 20);
        painter.drawLine(23, 17, 26, 20);
        painter.drawLine(23, 23, 26, 20);
        drawSheet(painter, QRect(30, 2, 20, 28));
        drawTextLines(painter, QRect(33, 6, 14, 20));
        break;
    }
    return pixmap;
}

QPixmap frxPrinterPicture()
{
    QPixmap pixmap = transparentPixmap(QSize(16, 16));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(4, 1, 8, 5); // paper going in
    painter.setBrush(QColor(160, 160, 160));
    painter.drawRect(1, 6, 14, 6); // body
    painter.setBrush(Qt::white);
    painter.drawRect(4, 10, 8, 5); // paper coming out
    painter.fillRect(QRect(12, 8, 2, 1), QColor(0, 160, 0));
    return pixmap;
}
