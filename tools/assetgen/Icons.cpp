#include "tools/assetgen/Icons.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor kOutline(0x3A, 0x40, 0x48);
const QColor kSheet(0xFF, 0xFF, 0xFF);
const QColor kSheetEdge(0x8A, 0x93, 0x9C);
const QColor kTextLine(0xA9, 0xB4, 0xC0);

// Every icon is designed on a 32-unit square and drawn smoothly at its pixel size.
QImage drawIcon(int pixels, const std::function<void(QPainter&)>& draw)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / 32.0, pixels / 32.0);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPen outlinePen(const QColor& colour = kOutline, double width = 1)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient verticalGradient(double top, double bottom, const QColor& from, const QColor& to)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

void textLines(QPainter& painter, double left, double right, double top, int count, double spacing)
{
    painter.setPen(outlinePen(kTextLine, 1));
    for (int i = 0; i < count; ++i)
        painter.drawLine(QLineF(left, top + i * spacing, right, top + i * spacing));
}

void ruler(QPainter& painter)
{
    painter.save();
    painter.translate(16, 16);
    painter.rotate(-45);
    const QRectF body(-15, -4.5, 30, 9);
    painter.setPen(outlinePen(QColor(0x8A, 0x6A, 0x12)));
    painter.setBrush(
        verticalGradient(body.top(), body.bottom(), QColor(0xFF, 0xE0, 0x7A), QColor(0xE8, 0xB8, 0x2E)));
    painter.drawRoundedRect(body, 1, 1);
    painter.setPen(outlinePen(QColor(0x6B, 0x52, 0x0C), 0.8));
    for (int i = 0; i <= 12; ++i) {
        const double x = -13 + i * 26.0 / 12;
        painter.drawLine(QLineF(x, body.top(), x, body.top() + (i % 2 == 0 ? 3.5 : 2)));
    }
    painter.restore();
}

void pencil(QPainter& painter)
{
    painter.save();
    painter.translate(16, 16);
    painter.rotate(45);
    painter.setPen(outlinePen());
    painter.setBrush(verticalGradient(-3, 3, QColor(0xFF, 0xB2, 0x5C), QColor(0xE0, 0x7A, 0x1E)));
    painter.drawRect(QRectF(-9, -3, 19, 6));
    painter.setBrush(QColor(0xC8, 0xCC, 0xD2));
    painter.drawRect(QRectF(-12, -3, 3, 6));
    painter.setBrush(QColor(0xF0, 0x8A, 0x9A));
    painter.drawRoundedRect(QRectF(-15, -3, 3, 6), 1.2, 1.2);
    QPainterPath wood;
    wood.moveTo(10, -3);
    wood.lineTo(15.5, 0);
    wood.lineTo(10, 3);
    wood.closeSubpath();
    painter.setBrush(QColor(0xF6, 0xD9, 0xA8));
    painter.drawPath(wood);
    QPainterPath lead;
    lead.moveTo(13.6, -1);
    lead.lineTo(15.5, 0);
    lead.lineTo(13.6, 1);
    lead.closeSubpath();
    painter.setBrush(kOutline);
    painter.drawPath(lead);
    painter.restore();
}

void printerBody(QPainter& painter)
{
    painter.setPen(outlinePen(kSheetEdge));
    painter.setBrush(kSheet);
    painter.drawRect(QRectF(9.5, 3.5, 13, 10));
    textLines(painter, 11.5, 20.5, 6.5, 3, 2.5);

    const QRectF body(2.5, 11.5, 27, 13);
    painter.setPen(outlinePen());
    painter.setBrush(
        verticalGradient(body.top(), body.bottom(), QColor(0xB9, 0xC1, 0xCA), QColor(0x5E, 0x68, 0x73)));
    painter.drawRoundedRect(body, 2.5, 2.5);
    painter.setPen(outlinePen(QColor(0xE6, 0xEA, 0xEE), 0.8));
    painter.drawLine(QLineF(5, 13, 27, 13));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5B, 0xD1, 0x6B));
    painter.drawEllipse(QPointF(25.5, 16), 1.3, 1.3);
    painter.setBrush(QColor(0x25, 0x2A, 0x30));
    painter.drawRect(QRectF(6.5, 19.5, 19, 2.5));
}

void printerOutput(QPainter& painter)
{
    painter.setPen(outlinePen(kSheetEdge));
    painter.setBrush(kSheet);
    painter.drawRect(QRectF(8.5, 20.5, 15, 9.5));
    textLines(painter, 10.5, 21.5, 23.5, 3, 2.3);
}

void eraser(QPainter& painter)
{
    painter.save();
    painter.translate(17, 13);
    painter.rotate(-35);
    painter.setPen(outlinePen());
    painter.setBrush(verticalGradient(-5, 5, QColor(0x7F, 0xA8, 0xE6), QColor(0x3D, 0x68, 0xB0)));
    painter.drawRoundedRect(QRectF(-3, -5, 15, 10), 2, 2);
    painter.setBrush(verticalGradient(-5, 5, QColor(0xFF, 0xA5, 0xB2), QColor(0xD9, 0x55, 0x6A)));
    painter.drawRoundedRect(QRectF(-13, -5, 11, 10), 2, 2);
    painter.setPen(outlinePen(QColor(0xFF, 0xFF, 0xFF, 0xB0), 0.8));
    painter.drawLine(QLineF(-11, -3.2, 10, -3.2));
    painter.restore();
}

void sweptDust(QPainter& painter)
{
    painter.setPen(outlinePen(QColor(0x8A, 0x93, 0x9C), 1.2));
    QPainterPath swoosh(QPointF(3, 29));
    swoosh.cubicTo(QPointF(8, 25), QPointF(14, 28), QPointF(20, 25));
    painter.drawPath(swoosh);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xD9, 0x55, 0x6A));
    for (const QPointF& crumb : {QPointF(5, 24.5), QPointF(8.5, 27.5), QPointF(3.5, 20.5)})
        painter.drawEllipse(crumb, 0.9, 0.9);
}

void documentPage(QPainter& painter, const QRectF& page, double fold)
{
    QPainterPath outline(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(outlinePen(kSheetEdge));
    painter.setBrush(kSheet);
    painter.drawPath(outline);
    QPainterPath corner(QPointF(page.right() - fold, page.top()));
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    painter.setBrush(QColor(0xDD, 0xE2, 0xE7));
    painter.drawPath(corner);
}

void pdfBadge(QPainter& painter)
{
    const QRectF badge(2.5, 17.5, 20, 10);
    painter.setPen(outlinePen(QColor(0x8E, 0x1B, 0x12)));
    painter.setBrush(
        verticalGradient(badge.top(), badge.bottom(), QColor(0xF0, 0x4A, 0x3A), QColor(0xC0, 0x24, 0x18)));
    painter.drawRoundedRect(badge, 1.5, 1.5);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(8);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("PDF"));
}

void certificate(QPainter& painter)
{
    const QRectF page(3.5, 2.5, 22, 27);
    painter.setPen(outlinePen(QColor(0x7E, 0x9C, 0x86)));
    painter.setBrush(QColor(0xFB, 0xF6, 0xE4));
    painter.drawRect(page);
    painter.setPen(outlinePen(QColor(0x7E, 0x9C, 0x86), 0.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(page.adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(outlinePen(QColor(0x7A, 0x2B, 0x27), 1.4));
    painter.drawLine(QLineF(9, 7, 20, 7));
    textLines(painter, 7, 22, 11, 4, 2.6);
}

void steeringWheel(QPainter& painter)
{
    const QPointF centre(22, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 0x40));
    painter.drawEllipse(centre + QPointF(0.6, 0.8), 9, 9);
    QPen rim(QColor(0x2B, 0x31, 0x3A), 2.6);
    painter.setPen(rim);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7.8, 7.8);
    painter.setPen(QPen(QColor(0x2B, 0x31, 0x3A), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QLineF(centre, centre + QPointF(-7, -1.5)));
    painter.drawLine(QLineF(centre, centre + QPointF(7, -1.5)));
    painter.drawLine(QLineF(centre, centre + QPointF(0, 7)));
    painter.setPen(outlinePen(QColor(0x2B, 0x31, 0x3A), 0.8));
    painter.setBrush(QColor(0x9A, 0xA4, 0xB0));
    painter.drawEllipse(centre, 2.6, 2.6);
    painter.setPen(QPen(QColor(0xFF, 0xFF, 0xFF, 0x70), 0.8));
    painter.drawArc(QRectF(centre.x() - 7.8, centre.y() - 7.8, 15.6, 15.6), 60 * 16, 60 * 16);
}

} // namespace

QImage layoutIcon()
{
    return drawIcon(32, [](QPainter& painter) {
        ruler(painter);
        pencil(painter);
    });
}

QImage clearIcon()
{
    return drawIcon(32, [](QPainter& painter) {
        sweptDust(painter);
        eraser(painter);
    });
}

QImage printIcon()
{
    return drawIcon(32, [](QPainter& painter) {
        printerBody(painter);
        printerOutput(painter);
    });
}

QImage mockupIcon()
{
    return drawIcon(32, [](QPainter& painter) {
        documentPage(painter, QRectF(7.5, 2.5, 20, 27), 6);
        textLines(painter, 11, 24, 11, 3, 3);
        pdfBadge(painter);
    });
}

QImage programIcon()
{
    return drawIcon(64, [](QPainter& painter) {
        certificate(painter);
        steeringWheel(painter);
    });
}
