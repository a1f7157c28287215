#include "TestCanvas.h"

#include "common/Rounding.h"
#include "report/engine/MemoDrawing.h"
#include "report/engine/TextOutRecorder.h"
#include "report/engine/TfrxDrawText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QStringList kTexts = {
    QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ"),
    QStringLiteral("Автошкола «Вираж», г. Кострома, ул. Советская, д. 12"),
    QStringLiteral("В"),
    QStringLiteral("12 мая 2019 г."),
    QStringLiteral("водителя транспортных средств категории «B» с механической трансмиссией"),
    QStringLiteral("Устройство и техническое обслуживание транспортных средств\nОсновы законодательства"),
};

struct DrawnLine {
    QString text;
    int width;
    int left;
    int top;
};

int roundInt(double v)
{
    return static_cast<int>(roundHalfEven(v));
}

QList<DrawnLine> drawRecorded(TfrxMemoView& memo, QPainter& painter, double scale)
{
    TextOutList list;
    TextOutRecording recording(painter, list);
    DrawMemo(memo, painter, scale, scale, 0, 0);
    QList<DrawnLine> lines;
    for (const RecordedTextOut& item : list.GetItems())
        lines.append({item.FText, item.FBounds.width(), item.FBounds.left(), item.FBounds.top()});
    return lines;
}

// Reference widths of the memo's wrapped lines, in 1/600 inch.
QList<int> referenceWidths(TfrxMemoView& memo)
{
    WrapText(memo, true);
    QList<int> widths;
    for (const TfrxTextLine& line : TfrxDrawText::Shared().GetLines())
        widths.append(TfrxDrawText::Shared().ReferenceWidth(line));
    return widths;
}

class DeviceIndependenceTest : public ::testing::TestWithParam<QString> {};

// Zooms of the preview and resolutions of printers: the same lines, each as wide as its
// reference width scaled to the device, centred by that width.
TEST_P(DeviceIndependenceTest, LinesAndWidthsFollowTheReferenceLayout)
{
    auto memo = certificateMemo(GetParam(), 0, 0, 150, 80);
    const QList<int> reference = referenceWidths(*memo);
    QStringList atZoom1;
    for (double zoom : {0.5, 1.0, 1.33, 2.0}) {
        QImage image = whiteImage(roundInt(160 * zoom), roundInt(90 * zoom));
        QPainter painter(&image);
        const QList<DrawnLine> lines = drawRecorded(*memo, painter, zoom);
        ASSERT_EQ(lines.size(), reference.size()) << zoom;
        const int textLeft = roundInt(2 * zoom),
                  textWidth = roundInt(150 * zoom) - roundInt(2 * zoom) + 1 - textLeft;
        QStringList texts;
        for (int i = 0; i < lines.size(); ++i) {
            const int expected = roundInt(reference[i] / TfrxDrawText::kRatio * zoom);
            EXPECT_EQ(lines[i].width, expected) << zoom << " " << lines[i].text.toStdString();
            EXPECT_EQ(lines[i].left, textLeft + roundInt((textWidth - expected) / 2.0)) << zoom;
            texts.append(lines[i].text);
        }
        if (zoom == 1.0) {
            atZoom1 = texts;
        } else if (!atZoom1.isEmpty()) {
            EXPECT_EQ(texts, atZoom1) << zoom;
        }
    }
    for (int dpi : {300, 600, 1200}) {
        PrinterPage page(dpi);
        const QList<DrawnLine> lines = drawRecorded(*memo, page.Painter(), page.Scale());
        ASSERT_EQ(lines.size(), reference.size()) << dpi;
        QStringList texts;
        for (int i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].width, roundInt(reference[i] / (600.0 / dpi))) << dpi;
            texts.append(lines[i].text);
        }
        EXPECT_EQ(texts, atZoom1) << dpi;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, DeviceIndependenceTest, ::testing::ValuesIn(kTexts));

struct AlignCase {
    TfrxHAlign hAlign;
    TfrxVAlign vAlign;
};

class AlignmentTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentTest, PlacesTheLineByItsReferenceWidth)
{
    auto memo = certificateMemo(QStringLiteral("ИВАНОВ"), 0, 0, 100, 40);
    memo->SetHAlign(GetParam().hAlign);
    memo->SetVAlign(GetParam().vAlign);
    QImage image = whiteImage(110, 50);
    QPainter painter(&image);
    const QList<DrawnLine> lines = drawRecorded(*memo, painter, 1);
    ASSERT_EQ(lines.size(), 1);
    const DrawnLine& line = lines.first();
    // Text rectangle (2, 1)-(99, 40); one line is round((2 × 6.25 + 67) / 6.25) = 13 high.
    const int L = 2, R = 99, T = 1, B = 40, H = 13;
    switch (GetParam().hAlign) {
    case haLeft:
    case haBlock: // a single line is the last of its paragraph: left-aligned
        EXPECT_EQ(line.left, L);
        break;
    case haRight:
        EXPECT_EQ(line.left + line.width, R);
        break;
    case haCenter:
        EXPECT_EQ(line.left, L + roundInt((R - L - line.width) / 2.0));
        break;
    }
    const int free = B - T - H;
    const int top = GetParam().vAlign == vaTop ? T : GetParam().vAlign == vaBottom ? T + free : T + free / 2;
    EXPECT_EQ(line.top, top);
}

INSTANTIATE_TEST_SUITE_P(Cases, AlignmentTest,
                         ::testing::Values(AlignCase{haLeft, vaTop}, AlignCase{haRight, vaTop},
                                           AlignCase{haCenter, vaTop}, AlignCase{haBlock, vaTop},
                                           AlignCase{haLeft, vaBottom}, AlignCase{haCenter, vaCenter}));

TEST(BlockAlignmentTest, StretchesAllButTheLastLineOfAParagraphToTheFullWidth)
{
    auto memo = certificateMemo(kTexts[4], 0, 0, 120, 80);
    memo->SetHAlign(haBlock);
    QImage image = whiteImage(130, 90);
    QPainter painter(&image);
    const QList<DrawnLine> lines = drawRecorded(*memo, painter, 1);
    const QList<int> reference = referenceWidths(*memo);
    ASSERT_GE(lines.size(), 3);
    const int textWidth = 119 - 2;
    for (int i = 0; i < lines.size(); ++i) {
        // Lines without blanks have nothing to stretch: they stay left-aligned, as the last one does.
        const bool justified = i + 1 < lines.size() && lines[i].text.contains(u' ');
        const int width = justified ? textWidth : roundInt(reference[i] / TfrxDrawText::kRatio);
        EXPECT_EQ(lines[i].left, 2) << i;
        EXPECT_EQ(lines[i].width, width) << lines[i].text.toStdString();
    }
    EXPECT_TRUE(lines.first().text.contains(u' '));
}

TEST(LineSpacingTest, LinesTakeTheLayoutHeightWhateverTheDevice)
{
    // Five lines at zoom 0.5: H = round(5 × 12.72 × 0.5) = 32, five gaps of round(2 × 0.5) + 5 pixels
    // and the two pixels left over spread by halving.
    auto memo = certificateMemo(QStringLiteral("1\n2\n3\n4\n5"), 0, 0, 50, 80);
    memo->SetHAlign(haLeft);
    QImage image = whiteImage(80, 120);
    QPainter painter(&image);
    const QList<DrawnLine> lines = drawRecorded(*memo, painter, 0.5);
    ASSERT_EQ(lines.size(), 5);
    QList<int> steps;
    for (int i = 1; i < 5; ++i)
        steps.append(lines[i].top - lines[i - 1].top);
    EXPECT_EQ(steps, (QList<int>{7, 6, 7, 6}));
}

TEST(ClippingTest, AClippedMemoNeverDrawsOutsideItsTextRectangle)
{
    auto memo = certificateMemo(QStringLiteral("ОЧЕНЬ ДЛИННЫЙ ТЕКСТ БЕЗ ПЕРЕНОСОВ"), 10, 10, 40, 15.12);
    memo->SetWordWrap(false);
    memo->SetHAlign(haLeft);
    QImage clipped = whiteImage(200, 40);
    {
        QPainter painter(&clipped);
        DrawMemo(*memo, painter, 1, 1, 0, 0);
    }
    const QRect textRect(12, 11, 37, 14); // (12, 11)-(49, 25), right and bottom outside
    EXPECT_GT(inkIn(clipped, textRect), 0);
    EXPECT_TRUE(textRect.contains(inkBounds(clipped)));

    memo->SetClipped(false);
    QImage unclipped = whiteImage(200, 40);
    {
        QPainter painter(&unclipped);
        DrawMemo(*memo, painter, 1, 1, 0, 0);
    }
    EXPECT_GT(inkBounds(unclipped).right(), 100);
}

TEST(MemoDrawTest, AnEmptyMemoDrawsNothing)
{
    auto memo = certificateMemo(QString(), 5, 5, 50);
    QImage image = whiteImage(80, 30);
    QPainter painter(&image);
    DrawMemo(*memo, painter, 1, 1, 0, 0);
    painter.end();
    EXPECT_EQ(inkIn(image, image.rect()), 0);
}

TEST(MemoDrawTest, TextOutputIsRecordedRunByRun)
{
    auto memo = certificateMemo(QStringLiteral("Иванов <b>Иван</b>\nПетрович"), 0, 0, 150, 40);
    memo->SetAllowHTMLTags(true);
    QImage image = whiteImage(160, 50);
    QPainter painter(&image);
    const QList<DrawnLine> lines = drawRecorded(*memo, painter, 1);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0].text, QStringLiteral("Иванов "));
    EXPECT_EQ(lines[1].text, QStringLiteral("Иван"));
    EXPECT_EQ(lines[1].left, lines[0].left + lines[0].width);
    EXPECT_EQ(lines[2].text, QStringLiteral("Петрович"));
    // Two lines are round(2 × 12.72) = 25 high: the gap of 13 loses the odd pixel.
    EXPECT_EQ(lines[2].top - lines[0].top, 12);
}

TEST(MemoDrawTest, RotatedTextRunsUpwardsFromTheBottom)
{
    auto memo = certificateMemo(QStringLiteral("ИВАНОВ"), 0, 0, 20, 100);
    memo->SetRotation(90);
    memo->SetHAlign(haLeft);
    QImage image = whiteImage(30, 110);
    QPainter painter(&image);
    const QList<DrawnLine> lines = drawRecorded(*memo, painter, 1);
    ASSERT_EQ(lines.size(), 1);
    painter.end();
    const QRect ink = inkBounds(image);
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_GE(ink.bottom(), 80); // starts at the bottom of the text rectangle
}

} // namespace
