#include "TestCanvas.h"

#include "report/engine/TextOutRecorder.h"
#include "report/engine/ViewDrawing.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

struct Box {
    QString text;
    double left, top, width;
    int fontHeight;
};

// Values of one certificate in boxes of the blank's size: Times New Roman of 11 or 13 pixels,
// centred in 15.12-pixel-high boxes.
const QList<Box> kBoxes = {
    {QStringLiteral("ИВАНОВ"), 150, 140, 250, -13},
    {QStringLiteral("ИВАН ИВАНОВИЧ"), 150, 160, 250, -13},
    {QStringLiteral("12"), 60, 200, 24, -11},
    {QStringLiteral("мая"), 90, 200, 80, -11},
    {QStringLiteral("19"), 180, 200, 24, -11},
    {QStringLiteral("АНО ДПО «Автошкола Вираж», г. Кострома"), 40, 230, 480, -11},
    {QStringLiteral("«B»"), 200, 260, 60, -11},
    {QStringLiteral("механическая"), 270, 260, 150, -11},
    {QStringLiteral("отлично"), 40, 290, 110, -11},
    {QStringLiteral("хорошо"), 160, 290, 110, -11},
    {QStringLiteral("134"), 280, 290, 40, -11},
    {QStringLiteral("Петров П. П."), 330, 320, 150, -11},
};

class CertificateMemoTest : public ::testing::TestWithParam<double> {};

// Every value is drawn inside its box, centred by its reference width. Set FRX_LAYOUT_PNG_DIR to
// keep the pictures for a look.
TEST_P(CertificateMemoTest, ValuesStayCentredInTheirBoxes)
{
    const double scale = GetParam();
    QImage image = whiteImage(static_cast<int>(560 * scale), static_cast<int>(360 * scale));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Box& box : kBoxes) {
        auto memo = certificateMemo(box.text, box.left, box.top, box.width, 15.12, box.fontHeight);
        Draw(*memo, painter, scale, scale, 0, 0);
    }
    painter.end();
    for (const Box& box : kBoxes) {
        const QRect inBox(qRound(box.left * scale), qRound(box.top * scale), qRound(box.width * scale),
                          qRound(15.12 * scale));
        const QImage ink = image.copy(inBox.adjusted(-2, -2, 2, 2));
        const QRect bounds = inkBounds(ink).translated(inBox.topLeft() - QPoint(2, 2));
        EXPECT_TRUE(inBox.contains(bounds)) << box.text.toStdString() << " at " << scale;
        EXPECT_NEAR(bounds.center().x(), inBox.center().x(), 2 * scale) << box.text.toStdString();
    }
    const QString dir = qEnvironmentVariable("FRX_LAYOUT_PNG_DIR");
    if (!dir.isEmpty())
        image.save(QDir(dir).filePath(QStringLiteral("certificate-memos-%1dpi.png").arg(qRound(96 * scale))));
}

// On a 600-dpi printer page every value is one line, across its box and starting inside it (the
// cells of 13-pixel fonts reach below boxes 15.12 high, their letters do not).
TEST(CertificatePrintTest, ValuesStayInTheirBoxesOnAPrinter)
{
    const QString dir = qEnvironmentVariable("FRX_LAYOUT_PNG_DIR");
    PrinterPage page(600,
                     dir.isEmpty() ? QString() : QDir(dir).filePath(QStringLiteral("certificate-memos.pdf")));
    TextOutList list;
    TextOutRecording recording(page.Painter(), list);
    for (const Box& box : kBoxes) {
        auto memo = certificateMemo(box.text, box.left, box.top, box.width, 15.12, box.fontHeight);
        memo->SetIsPrinting(true);
        Draw(*memo, page.Painter(), page.Scale(), page.Scale(), 0, 0);
    }
    ASSERT_EQ(list.GetItems().size(), kBoxes.size());
    for (int i = 0; i < kBoxes.size(); ++i) {
        const Box& box = kBoxes[i];
        const QRectF inBox(box.left * page.Scale(), box.top * page.Scale(), box.width * page.Scale(),
                           15.12 * page.Scale());
        EXPECT_EQ(list.GetItems()[i].FText, box.text);
        const QRect bounds = list.GetItems()[i].FBounds;
        EXPECT_TRUE(inBox.contains(QRectF(bounds.left(), bounds.top(), bounds.width(), 1)))
            << box.text.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, CertificateMemoTest, ::testing::Values(1.0, 300.0 / 96));

} // namespace
