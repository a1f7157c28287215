#include "tools/assetgen/BlankPainter.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

const QColor kPaper(0xF4, 0xF2, 0xE7);
const QColor kPattern(0xE2, 0xE3, 0xD0);
const QColor kRosette(0xD9, 0xE4, 0xD6);
const QColor kOrnament(0x7E, 0x9C, 0x86);
const QColor kInk(0x1E, 0x1E, 0x1E);
const QColor kTitleInk(0x7A, 0x2B, 0x27);
const QColor kFieldFill(0xFB, 0xFA, 0xF4);
const QColor kFieldEdge(0xD2, 0xCE, 0xBA);
const QColor kRule(0x58, 0x58, 0x58);

// Sizes of the paper's decoration in the caller's units.
constexpr double kBorderInset = 8;
constexpr double kBorderBand = 6;
constexpr double kWaveSpacing = 9;
constexpr double kWaveAmplitude = 3.5;
constexpr double kWavePeriod = 38;
constexpr double kCaptionGap = 4;

} // namespace

BlankPainter::BlankPainter(QPainter& painter, double lineWidth, bool crisp)
    : FPainter(painter), FLineWidth(lineWidth), FCrisp(crisp)
{
    FPainter.setRenderHint(QPainter::Antialiasing, !FCrisp);
    FPainter.setRenderHint(QPainter::TextAntialiasing, true);
}

void BlankPainter::paper(const QRectF& sheet)
{
    FPainter.fillRect(sheet, kPaper);
    FPainter.save();
    FPainter.setClipRect(sheet);
    // Unsmoothed, the fine lattice costs a third of the file size that smoothing it would, and at the
    // pictures' resolution it looks the same.
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    guilloche(sheet);
    FPainter.setRenderHint(QPainter::Antialiasing, true);
    rosette(sheet.center(), std::min(sheet.width(), sheet.height()) * 0.3);
    border(sheet.adjusted(kBorderInset, kBorderInset, -kBorderInset, -kBorderInset));
    FPainter.restore();
}

// Two families of waves half a period apart interlace into the fine lattice of security paper.
void BlankPainter::guilloche(const QRectF& sheet)
{
    setLinePen(kPattern, FLineWidth * 0.6);
    for (int family = 0; family < 2; ++family) {
        const double phase = family * std::numbers::pi;
        for (double y0 = sheet.top(); y0 < sheet.bottom() + kWaveSpacing; y0 += kWaveSpacing) {
            QPainterPath wave;
            for (double x = sheet.left(); x <= sheet.right() + 3; x += 3) {
                const double y =
                    y0 + kWaveAmplitude * std::sin(2 * std::numbers::pi * x / kWavePeriod + phase);
                if (x == sheet.left())
                    wave.moveTo(x, y);
                else
                    wave.lineTo(x, y);
            }
            FPainter.drawPath(wave);
        }
    }
}

void BlankPainter::rosette(const QPointF& centre, double radius)
{
    setLinePen(kRosette, FLineWidth * 0.8);
    FPainter.save();
    FPainter.translate(centre);
    constexpr int kPetals = 36;
    for (int i = 0; i < kPetals; ++i) {
        FPainter.rotate(180.0 / kPetals);
        FPainter.drawEllipse(QPointF(0, 0), radius, radius * 0.32);
    }
    FPainter.restore();
}

void BlankPainter::border(const QRectF& frame)
{
    setLinePen(kOrnament, FLineWidth * 1.3);
    FPainter.drawRect(frame);
    const QRectF inner = frame.adjusted(kBorderBand, kBorderBand, -kBorderBand, -kBorderBand);
    setLinePen(kOrnament, FLineWidth * 0.8);
    FPainter.drawRect(inner);
    const QRectF middle =
        frame.adjusted(kBorderBand / 2, kBorderBand / 2, -kBorderBand / 2, -kBorderBand / 2);
    setLinePen(kOrnament, FLineWidth * 0.6);
    const double amplitude = kBorderBand * 0.35;
    wavyLine(middle.topLeft(), middle.topRight(), amplitude, 7);
    wavyLine(middle.bottomLeft(), middle.bottomRight(), amplitude, 7);
    wavyLine(middle.topLeft(), middle.bottomLeft(), amplitude, 7);
    wavyLine(middle.topRight(), middle.bottomRight(), amplitude, 7);
}

void BlankPainter::wavyLine(const QPointF& from, const QPointF& to, double amplitude, double period)
{
    const QLineF axis(from, to);
    const QPointF normal = QPointF(-axis.dy(), axis.dx()) / axis.length();
    QPainterPath wave(from);
    for (double s = 0; s <= axis.length(); s += 0.5) {
        const QPointF onAxis = axis.pointAt(s / axis.length());
        wave.lineTo(onAxis + normal * amplitude * std::sin(2 * std::numbers::pi * s / period));
    }
    FPainter.drawPath(wave);
}

void BlankPainter::field(const QRectF& box)
{
    cellField(box);
    const QRectF r = strokeRect(box);
    setLinePen(kRule, FLineWidth);
    FPainter.drawLine(QLineF(r.bottomLeft(), r.bottomRight()));
}

void BlankPainter::cellField(const QRectF& box)
{
    setLinePen(kFieldEdge, FLineWidth * 0.7);
    FPainter.setBrush(kFieldFill);
    FPainter.drawRect(strokeRect(box));
    FPainter.setBrush(Qt::NoBrush);
}

void BlankPainter::gap(double left, double right, double baseline)
{
    setLinePen(kRule, FLineWidth);
    const double y = baseline + 2;
    FPainter.drawLine(QLineF(left, y, right, y));
}

void BlankPainter::grid(const std::vector<double>& columns, const std::vector<double>& rows)
{
    setLinePen(kRule, FLineWidth);
    for (double x : columns)
        FPainter.drawLine(QLineF(x, rows.front(), x, rows.back()));
    for (double y : rows)
        FPainter.drawLine(QLineF(columns.front(), y, columns.back(), y));
}

void BlankPainter::line(double x1, double y1, double x2, double y2)
{
    setLinePen(kRule, FLineWidth);
    FPainter.drawLine(QLineF(x1, y1, x2, y2));
}

void BlankPainter::text(double x, double baseline, const QString& text, const QFont& font)
{
    FPainter.setFont(font);
    FPainter.setPen(kInk);
    FPainter.drawText(QPointF(x, baseline), text);
}

void BlankPainter::textRightAligned(double right, double baseline, const QString& text, const QFont& font)
{
    this->text(right - textWidth(text, font), baseline, text, font);
}

void BlankPainter::textCentred(double centreX, double baseline, const QString& text, const QFont& font)
{
    this->text(centreX - textWidth(text, font) / 2, baseline, text, font);
}

void BlankPainter::title(double centreX, double baseline, const QString& text, const QFont& font)
{
    FPainter.setFont(font);
    FPainter.setPen(kTitleInk);
    FPainter.drawText(QPointF(centreX - textWidth(text, font) / 2, baseline), text);
}

void BlankPainter::paragraph(const QRectF& rect, const QString& text, const QFont& font)
{
    FPainter.setFont(font);
    FPainter.setPen(kInk);
    FPainter.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
}

void BlankPainter::captionLeftOf(const QRectF& box, const QString& text, const QFont& font)
{
    textRightAligned(box.left() - kCaptionGap, baselineIn(box, font), text, font);
}

void BlankPainter::captionRightOf(const QRectF& box, const QString& text, const QFont& font)
{
    this->text(box.right() + kCaptionGap, baselineIn(box, font), text, font);
}

void BlankPainter::captionBelow(const QRectF& box, const QString& text, const QFont& font)
{
    textCentred(box.center().x(), box.bottom() + QFontMetricsF(font).ascent() + 0.5, text, font);
}

double BlankPainter::baselineIn(const QRectF& box, const QFont& font)
{
    const QFontMetricsF metrics(font);
    return box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
}

double BlankPainter::textWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

QFont BlankPainter::serif(int pixels, bool bold, bool italic)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QColor BlankPainter::paperColour()
{
    return kPaper;
}

// On pixel units a box of width w covers the pixels x … x + w - 1, and its outline belongs on them.
QRectF BlankPainter::strokeRect(const QRectF& box) const
{
    return FCrisp ? box.adjusted(0, 0, -1, -1) : box;
}

void BlankPainter::setLinePen(const QColor& colour, double width)
{
    QPen pen(colour, FCrisp ? 0 : width);
    pen.setCapStyle(Qt::FlatCap);
    FPainter.setPen(pen);
}
