#include "report/preview/PreviewButtonImages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 16;
const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kAccent(30, 90, 170);

void drawSheet(QPainter& p, const QRectF& r)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void drawLens(QPainter& p, const QString& sign)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(220, 235, 250));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    if (sign.isEmpty())
        return;
    p.setPen(QPen(kAccent, 1.5));
    p.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (sign == QLatin1String("+"))
        p.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
}

// A triangle pointing left or right, with a bar at its tip for the first and last page.
void drawArrow(QPainter& p, bool right, bool bar)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    QPainterPath path;
    if (right) {
        path.moveTo(5, 3);
        path.lineTo(11, 8);
        path.lineTo(5, 13);
    } else {
        path.moveTo(11, 3);
        path.lineTo(5, 8);
        path.lineTo(11, 13);
    }
    path.closeSubpath();
    p.drawPath(path);
    if (bar)
        p.drawRect(right ? QRectF(11, 3, 2, 10) : QRectF(3, 3, 2, 10));
}

void paint(QPainter& p, PreviewImage image)
{
    switch (image) {
    case PreviewImage::Print:
        drawSheet(p, QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(1.5, 6.5, 13, 6));
        drawSheet(p, QRectF(4.5, 10.5, 7, 4));
        break;
    case PreviewImage::Open:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(
            QPolygonF({{1.5, 3.5}, {6.5, 3.5}, {7.5, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}}));
        break;
    case PreviewImage::Save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kAccent);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
        break;
    case PreviewImage::Find:
        drawLens(p, QString());
        break;
    case PreviewImage::ZoomIn:
        drawLens(p, QStringLiteral("+"));
        break;
    case PreviewImage::ZoomOut:
        drawLens(p, QStringLiteral("-"));
        break;
    case PreviewImage::FullScreen:
        // Four corners pointing outwards.
        p.setPen(QPen(kAccent, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{1.5, 6}, {1.5, 1.5}, {6, 1.5}}));
        p.drawPolyline(QPolygonF({{10, 1.5}, {14.5, 1.5}, {14.5, 6}}));
        p.drawPolyline(QPolygonF({{14.5, 10}, {14.5, 14.5}, {10, 14.5}}));
        p.drawPolyline(QPolygonF({{6, 14.5}, {1.5, 14.5}, {1.5, 10}}));
        break;
    case PreviewImage::Outline:
        p.setPen(QPen(kInk, 1));
        for (int row = 0; row < 4; ++row) {
            const double y = 2.5 + row * 3.5;
            const double indent = row == 0 ? 1.5 : 5.5;
            p.setBrush(kAccent);
            p.drawRect(QRectF(indent, y, 2, 2));
            p.drawLine(QPointF(indent + 4, y + 1), QPointF(14.5, y + 1));
        }
        break;
    case PreviewImage::Thumbnails:
        for (int x = 0; x < 2; ++x)
            for (int y = 0; y < 2; ++y)
                drawSheet(p, QRectF(1.5 + x * 7, 1.5 + y * 7, 5, 5));
        break;
    case PreviewImage::PageSettings:
        drawSheet(p, QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(kAccent, 1, Qt::DashLine));
        p.drawRect(QRectF(4.5, 3.5, 7, 9));
        break;
    case PreviewImage::Edit:
        drawSheet(p, QRectF(1.5, 1.5, 9, 12));
        p.setPen(QPen(kAccent, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 12), QPointF(14, 4));
        break;
    case PreviewImage::First:
        drawArrow(p, false, true);
        break;
    case PreviewImage::Prior:
        drawArrow(p, false, false);
        break;
    case PreviewImage::Next:
        drawArrow(p, true, false);
        break;
    case PreviewImage::Last:
        drawArrow(p, true, true);
        break;
    case PreviewImage::Close:
        p.setPen(QPen(QColor(180, 30, 30), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    }
}

} // namespace

QIcon previewButtonImage(PreviewImage image)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, image);
    painter.end();
    return QIcon(pixmap);
}
