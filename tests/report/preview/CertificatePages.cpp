#include "CertificatePages.h"

#include "report/engine/TextOutRecorder.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"

#include <QPainter>
#include <QPicture>

namespace {

// Recorded at this resolution, the cells are exact to far below the tolerance of the checks.
constexpr double kRecordDpi = 600;
// Anything visibly darker than the paper, so that a light print of the blank counts too.
constexpr int kDarkLevel = 200;

QRect toPixels(const QRectF& mm, int dpi)
{
    const double k = dpi / 25.4;
    return QRectF(mm.left() * k, mm.top() * k, mm.width() * k, mm.height() * k).toAlignedRect();
}

bool dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < kDarkLevel;
}

} // namespace

void prepareCertificate(TfrxReport& report)
{
    report.LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE), true);
    int n = 0;
    for (TfrxComponent* object : report.GetAllObjects())
        if (auto* memo = dynamic_cast<TfrxMemoView*>(object))
            memo->SetText(QStringLiteral("Q%1").arg(++n, 2, 10, QLatin1Char('0')));
    report.PrepareReport(true);
}

QList<ExpectedText> expectedTexts(TfrxCustomPreviewPages& pages, int index)
{
    TextOutList outputs;
    QPicture recording;
    QPainter painter(&recording);
    {
        TextOutRecording attach(painter, outputs);
        const double scale = kRecordDpi / 96;
        pages.DrawPage(index, painter, scale, scale, 0, 0);
    }
    painter.end();
    QList<ExpectedText> texts;
    const double mmPerDot = 25.4 / kRecordDpi;
    for (const RecordedTextOut& output : outputs.GetItems()) {
        const QRectF box(output.FBounds.left() * mmPerDot, output.FBounds.top() * mmPerDot,
                         output.FBounds.width() * mmPerDot, output.FBounds.height() * mmPerDot);
        texts.append({output.FText.trimmed(), box});
    }
    return texts;
}

double inkOutside(const QImage& page, int dpi, const QList<QRectF>& boxes, double margin)
{
    QRegion inside;
    for (const QRectF& box : boxes)
        inside += toPixels(box.adjusted(-margin, -margin, margin, margin), dpi);
    qint64 total = 0;
    qint64 outside = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (dark(page, x, y)) {
                ++total;
                outside += inside.contains(QPoint(x, y)) ? 0 : 1;
            }
    return total == 0 ? 0 : double(outside) / double(total);
}

bool inkInside(const QImage& page, int dpi, const QRectF& box)
{
    const QRect pixels = toPixels(box, dpi) & page.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (dark(page, x, y))
                return true;
    return false;
}
