#include "report/engine/TfrxDrawText.h"

#include "common/Rounding.h"
#include "report/engine/ColorConversion.h"
#include "report/engine/Hyphenation.h"
#include "report/engine/LayoutFont.h"
#include "report/engine/SpreadByHalving.h"
#include "report/engine/TextOutRecorder.h"
#include "report/model/TfrxFont.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <numeric>

namespace {

constexpr int kClipOption = 4;
constexpr int kRTLReadingOption = 128;
const QString kLineBreak = QStringLiteral("\r\n");

int roundInt(double value)
{
    return static_cast<int>(roundHalfEven(value));
}

bool isBlank(QChar c)
{
    return c == u' ' || c == QChar(0xA0);
}

// Runs of characters that share a look: [first, last).
template <typename F> void forEachRun(const TfrxHTMLTags& tags, int count, F&& f)
{
    for (int first = 0; first < count;) {
        int last = first + 1;
        while (last < count && tags[last].SameLook(tags[first]))
            ++last;
        f(first, last);
        first = last;
    }
}

int styleBits(TFontStyles style)
{
    return static_cast<int>(style.bits() & 0xF);
}

} // namespace

// Where a line ends: its characters [Start, End), whether a hyphen follows, and where the next
// line starts.
struct TfrxDrawText::LineBreak {
    int End;
    bool Hyphen;
    int Next;
};

TfrxDrawText& TfrxDrawText::Shared()
{
    static TfrxDrawText instance;
    return instance;
}

void TfrxDrawText::SetFont(const TfrxFont& Font)
{
    FFontSize = static_cast<int>(std::lround(-Font.GetHeight() * 72.0 / 96.0));
    FMeasureHeight = static_cast<int>(std::lround(FFontSize * double(FDefPPI) / 72.0));
    FFontName = Font.GetName();
    FFontStyle = styleBits(Font.GetStyle());
    FFontColor = FMonoFont ? clBlack : Font.GetColor();
}

void TfrxDrawText::SetOptions(bool WordWrap, bool HTMLTags, int Rotation, bool Wysiwyg, bool Clipped,
                              bool WordBreak, bool RTLReading)
{
    FWordWrap = WordWrap;
    FHTMLTagsOn = HTMLTags;
    FRotation = ((Rotation % 360) + 360) % 360;
    FWysiwyg = Wysiwyg;
    FWordBreak = WordBreak;
    FRTLReading = RTLReading;
    FOptions = (RTLReading ? kRTLReadingOption : 0) + (Clipped ? kClipOption : 0);
}

void TfrxDrawText::SetGaps(double LineSpacing, double CharSpacing, double ParagraphGap)
{
    FLineSpacing = LineSpacing;
    FCharSpacing = CharSpacing;
    FParagraphGap = ParagraphGap;
}

void TfrxDrawText::SetDimensions(const TfrxTextRect& OriginalRect, const TfrxTextRect& ScaledRect,
                                 double PrintScale, double ScaleX, double ScaleY)
{
    FOriginalRect = OriginalRect;
    FScaledRect = ScaledRect;
    FPrintScale = PrintScale;
    FScaleX = ScaleX;
    FScaleY = ScaleY;
}

const LayoutFont& TfrxDrawText::MeasuringFont(int style) const
{
    return LayoutFont::Get(FFontName, FMeasureHeight, style);
}

std::vector<int> TfrxDrawText::ReferenceAdvances(const QString& text, const TfrxHTMLTags& tags,
                                                 bool spacingAfterLast) const
{
    const int count = static_cast<int>(text.size());
    const int spacing = roundInt(FCharSpacing * kRatio);
    std::vector<int> advances;
    advances.reserve(count);
    forEachRun(tags, count, [&](int first, int last) {
        const std::vector<int> run =
            MeasuringFont(tags[first].Style).Advances(QStringView(text).mid(first, last - first));
        advances.insert(advances.end(), run.begin(), run.end());
    });
    for (int i = 0; i < count; ++i) {
        if (i + 1 < count || spacingAfterLast)
            advances[i] += spacing;
        if (tags[i].Small)
            advances[i] = roundInt(advances[i] / 1.5);
    }
    return advances;
}

int TfrxDrawText::WrapWidth() const
{
    const bool across = (FRotation >= 90 && FRotation < 180) || FRotation >= 270;
    return across ? FOriginalRect.Height() : FOriginalRect.Width();
}

void TfrxDrawText::SetText(const QStringList& Lines, bool FirstParaBreak)
{
    FPlainText.clear();
    FPlainTags.clear();
    FText.clear();
    if (Lines.isEmpty())
        return;
    FHTMLTags.Init(FFontSize, FFontStyle, FFontColor, FHTMLTagsOn);
    const int width = WrapWidth();
    for (int k = 0; k < Lines.size(); ++k) {
        const int start = static_cast<int>(FPlainText.size());
        TfrxHTMLTags tags;
        QString plain = FHTMLTags.Expand(Lines[k].isEmpty() ? QStringLiteral(" ") : Lines[k], start, tags);
        if (plain.isEmpty()) {
            plain = QStringLiteral(" ");
            tags.append(FHTMLTags.Current(start));
        }
        FPlainText += plain + kLineBreak;
        FPlainTags += tags;
        FPlainTags << FHTMLTags.Current(start + plain.size()) << FHTMLTags.Current(start + plain.size() + 1);

        const int otherWidth = roundInt(width * kRatio);
        const int firstWidth =
            k == 0 && FirstParaBreak ? otherWidth : roundInt((width - FParagraphGap) * kRatio);
        const qsizetype firstLine = FText.size();
        WrapParagraph(plain, tags, firstWidth, otherWidth);
        FText[firstLine].FFlags |= TfrxTextLine::kFirstOfParagraph;
        FText.last().FFlags |= TfrxTextLine::kLastOfParagraph;
    }
}

void TfrxDrawText::WrapParagraph(const QString& paragraph, const TfrxHTMLTags& tags, int firstWidth,
                                 int otherWidth)
{
    const int n = static_cast<int>(paragraph.size());
    if (n <= 1 || !FWordWrap) {
        AddLine(paragraph, tags, false);
        return;
    }
    const std::vector<int> advances = ReferenceAdvances(paragraph, tags, true);
    std::vector<int64_t> cumulative(n);
    int64_t sum = 0;
    for (int i = 0; i < n; ++i)
        cumulative[i] = sum += advances[i];
    if (sum < firstWidth) {
        AddLine(paragraph, tags, false);
        return;
    }

    // The word [from, end of word) hyphenated so that the part before overflow fits.
    auto hyphenate = [&](int from, int overflow) {
        int end = from;
        while (end < n && !IsWordDelimiter(paragraph[end]))
            ++end;
        return HyphenationPoint(QStringView(paragraph).mid(from, end - from), overflow - from);
    };
    auto breakAt = [&](int s, int i, int blank) -> LineBreak {
        if (i == s)
            return {i + 1, false, i + 1};
        const int wordStart = blank > s ? blank + 1 : s;
        if (FWordBreak) {
            const int p = hyphenate(wordStart, i);
            if (p > 0)
                return {wordStart + p, true, wordStart + p};
        }
        if (blank > s)
            return {blank, false, blank + 1};
        return {i, false, i};
    };

    int s = 0;
    int blank = -1;
    int64_t w0 = 0;
    int width = firstWidth;
    for (int i = 0; i < n;) {
        if (paragraph[i] == u' ' && !tags[i].DontWRAP)
            blank = i;
        if (cumulative[i] - w0 <= width) {
            ++i;
            continue;
        }
        const LineBreak br = breakAt(s, i, blank);
        AddLine(paragraph.mid(s, br.End - s), tags.mid(s, br.End - s), br.Hyphen);
        s = br.Next;
        w0 = cumulative[s - 1];
        width = otherWidth;
        blank = -1;
        i = s;
    }
    if (s < n)
        AddLine(paragraph.mid(s), tags.mid(s), false);
}

void TfrxDrawText::AddLine(const QString& text, const TfrxHTMLTags& tags, bool hyphenated)
{
    TfrxTextLine line{text, tags, 0, hyphenated};
    if (hyphenated) {
        line.FText += u'-';
        line.FTags.append(tags.last());
    }
    FText.append(line);
}

void TfrxDrawText::SetParaBreaks(bool FirstParaBreak, bool LastParaBreak)
{
    if (FText.isEmpty())
        return;
    if (FirstParaBreak)
        FText.first().FFlags &= ~TfrxTextLine::kFirstOfParagraph;
    if (LastParaBreak)
        FText.last().FFlags &= ~TfrxTextLine::kLastOfParagraph;
}

int TfrxDrawText::ReferenceWidth(const TfrxTextLine& line) const
{
    const std::vector<int> advances = ReferenceAdvances(line.FText, line.FTags, false);
    return static_cast<int>(std::accumulate(advances.begin(), advances.end(), int64_t{0}));
}

double TfrxDrawText::CalcHeight() const
{
    const double height = (TextHeight() + FLineSpacing) * FText.size();
    return FLineSpacing < 0 ? height - FLineSpacing : height;
}

double TfrxDrawText::CalcWidth() const
{
    const int indent = roundInt(FParagraphGap * kRatio);
    int64_t widest = 0;
    for (const TfrxTextLine& line : FText) {
        const std::vector<int> advances = ReferenceAdvances(line.FText, line.FTags, true);
        int64_t width = std::accumulate(advances.begin(), advances.end(), int64_t{0});
        if (line.FFlags & TfrxTextLine::kFirstOfParagraph)
            width += indent;
        widest = std::max(widest, width);
    }
    return widest / kRatio;
}

double TfrxDrawText::UnusedSpace() const
{
    const double lineHeight = LineHeight();
    if (lineHeight <= 0)
        return 0;
    const double height = FOriginalRect.Height() + 1;
    const int n = static_cast<int>(truncToward0(height / lineHeight));
    if (n == 0)
        return 0;
    const double rest = height - lineHeight * n;
    return rest == 0 ? 0.0001 : rest;
}

int TfrxDrawText::LinesInBounds() const
{
    const int count = static_cast<int>(FText.size());
    const double lineHeight = LineHeight();
    if (lineHeight <= 0)
        return count;
    const int fit = static_cast<int>(truncToward0((FOriginalRect.Height() + 1) / lineHeight));
    return std::clamp(fit, 0, count);
}

int TfrxDrawText::LineStart(int index) const
{
    return FText[index].FTags.first().Position;
}

QString TfrxDrawText::GetInBoundsText() const
{
    const int n = LinesInBounds();
    const int plainEnd = static_cast<int>(FPlainText.size()) - static_cast<int>(kLineBreak.size());
    if (n >= FText.size())
        return FHTMLTags.Retag(FPlainText, FPlainTags, 0, plainEnd);
    if (n == 0)
        return QString();
    const int cut = LineStart(n);
    int end = cut;
    if (FText[n].FFlags & TfrxTextLine::kFirstOfParagraph)
        end -= static_cast<int>(kLineBreak.size());
    else if (end > 0 && FPlainText[end - 1] == u' ')
        --end;
    const QString text = FHTMLTags.Retag(FPlainText, FPlainTags, 0, end);
    return FText[n - 1].FHyphenated ? text + u'-' : text;
}

QString TfrxDrawText::GetOutBoundsText(bool& ParaBreak) const
{
    const int n = LinesInBounds();
    ParaBreak = false;
    if (n >= FText.size())
        return QString();
    int start = LineStart(n);
    ParaBreak = !(FText[n].FFlags & TfrxTextLine::kFirstOfParagraph);
    if (ParaBreak && FPlainText[start] == u' ')
        ++start;
    const int plainEnd = static_cast<int>(FPlainText.size()) - static_cast<int>(kLineBreak.size());
    return FHTMLTags.Retag(FPlainText, FPlainTags, start, std::max(start, plainEnd));
}

QString TfrxDrawText::GetWrappedText() const
{
    QStringList lines;
    for (const TfrxTextLine& line : FText)
        lines.append(line.FText);
    return lines.join(kLineBreak);
}

// The device side of one DrawText call: output font sizes, stretching and output of the lines.
class TfrxDrawText::LineDrawer {
public:
    LineDrawer(const TfrxDrawText& owner, QPainter& painter)
        : FOwner(owner), FPainter(painter), FPrinter(TfrxPrinterCanvas::IsPrinterCanvas(&painter)),
          FDpiX(painter.device() ? painter.device()->logicalDpiX() : 96),
          FDpiY(painter.device() ? painter.device()->logicalDpiY() : 96),
          FRadians(owner.FRotation * std::numbers::pi / 180),
          FRecorder(TextOutRecording::RecorderFor(painter))
    {
    }

    bool IsPrinter() const { return FPrinter; }
    int DpiY() const { return FDpiY; }

    int OutputPixels(int points) const
    {
        if (FPrinter)
            return roundInt(FDpiY * points * FOwner.FPrintScale / 72.0);
        return roundInt(points * FOwner.FScaleY * 96.0 / 72.0);
    }

    // Moves the origin by d along the line.
    void Along(double d, int& x, int& y) const
    {
        x += roundInt(d * std::cos(FRadians));
        y -= roundInt(d * std::sin(FRadians));
    }

    void Draw(const TfrxTextLine& line, TfrxHAlign align, int width, int x, int y) const;

private:
    const LayoutFont& OutputFont(const TfrxHTMLTag& tag) const
    {
        return LayoutFont::Get(FOwner.FFontName, OutputPixels(tag.Size), tag.Style);
    }
    int TargetWidth(int referenceWidth) const
    {
        if (FPrinter)
            return roundInt(referenceWidth * FOwner.FPrintScale / (double(FDefPPI) / FDpiX));
        return roundInt(referenceWidth / kRatio * FOwner.FScaleX);
    }
    std::vector<int> DeviceAdvances(const TfrxTextLine& line) const;
    void Output(const TfrxTextLine& line, const std::vector<int>& advances, int x, int y) const;
    void OutputRun(const TfrxTextLine& line, int first, int last, const std::vector<int>& positions,
                   int lineWidth, const QTransform& toDevice) const;

    const TfrxDrawText& FOwner;
    QPainter& FPainter;
    bool FPrinter;
    int FDpiX;
    int FDpiY;
    double FRadians;
    TextOutRecorder* FRecorder;
};

std::vector<int> TfrxDrawText::LineDrawer::DeviceAdvances(const TfrxTextLine& line) const
{
    const int count = static_cast<int>(line.FText.size());
    const int spacing = roundInt(FOwner.FCharSpacing * FOwner.FScaleX);
    std::vector<int> advances;
    advances.reserve(count);
    forEachRun(line.FTags, count, [&](int first, int last) {
        const std::vector<int> run =
            OutputFont(line.FTags[first]).Advances(QStringView(line.FText).mid(first, last - first));
        advances.insert(advances.end(), run.begin(), run.end());
    });
    for (int i = 0; i + 1 < count; ++i)
        advances[i] += spacing;
    return advances;
}

void TfrxDrawText::LineDrawer::Draw(const TfrxTextLine& line, TfrxHAlign align, int width, int x, int y) const
{
    if (line.FText.isEmpty())
        return;
    std::vector<int> advances = DeviceAdvances(line);
    const int measured = std::accumulate(advances.begin(), advances.end(), 0);
    const int target = FOwner.FWysiwyg ? TargetWidth(FOwner.ReferenceWidth(line)) : measured;
    const int free = width - target;

    std::vector<int> blanks;
    for (int i = 0; i < line.FText.size(); ++i)
        if (isBlank(line.FText[i]))
            blanks.push_back(i);
    if (align == haBlock && blanks.empty())
        align = haLeft;

    switch (align) {
    case haLeft:
        break;
    case haRight: {
        Along(free + 1, x, y);
        const int first = line.FTags.first().Style;
        x -= (first & (kStyleBold | kStyleItalic)) && FOwner.FRotation == 0 ? 2 : 1;
        break;
    }
    case haCenter:
        Along(free / 2.0, x, y);
        break;
    case haBlock: {
        const int difference = std::abs(width) - measured;
        const int count = static_cast<int>(blanks.size());
        const int sign = difference < 0 ? -1 : 1;
        const int each = difference / count;
        const int extra = std::abs(difference) % count;
        for (int k = 0; k < count; ++k)
            advances[blanks[k]] += each + (k < extra ? sign : 0);
        break;
    }
    }
    if (align != haBlock && FOwner.FWysiwyg)
        StretchEvenly(advances, target - measured);
    Output(line, advances, x, y);
}

void TfrxDrawText::LineDrawer::Output(const TfrxTextLine& line, const std::vector<int>& advances, int x,
                                      int y) const
{
    const int count = static_cast<int>(advances.size());
    std::vector<int> positions(count + 1, 0);
    for (int i = 0; i < count; ++i)
        positions[i + 1] = positions[i] + advances[i];

    QTransform toDevice;
    toDevice.translate(x, y);
    toDevice.rotate(-FOwner.FRotation);

    FPainter.save();
    if (FOwner.FOptions & kClipOption) {
        const TfrxTextRect& r = FOwner.FScaledRect;
        FPainter.setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
    }
    FPainter.setTransform(toDevice, true);
    forEachRun(line.FTags, count, [&](int first, int last) {
        OutputRun(line, first, last, positions, positions[count], toDevice);
    });
    FPainter.restore();
}

void TfrxDrawText::LineDrawer::OutputRun(const TfrxTextLine& line, int first, int last,
                                         const std::vector<int>& positions, int lineWidth,
                                         const QTransform& toDevice) const
{
    const TfrxHTMLTag& tag = line.FTags[first];
    const LayoutFont& font = OutputFont(tag);
    const QStringView text = QStringView(line.FText).mid(first, last - first);
    const std::vector<quint32> glyphs = font.Glyphs(text);
    const int shift = roundInt(tag.AddY * tag.Size * FOwner.FScaleY);
    const int baseline = font.GetAscent() + shift;
    // Right-to-left reading lays the characters out from the line's right end.
    auto startOf = [&](int i) { return FOwner.FRTLReading ? lineWidth - positions[i + 1] : positions[i]; };

    QList<quint32> indexes;
    QList<QPointF> points;
    for (int i = first; i < last; ++i)
        if (glyphs[i - first] != LayoutFont::kNoGlyph) {
            indexes.append(glyphs[i - first]);
            points.append(QPointF(startOf(i), baseline));
        }
    QGlyphRun run;
    run.setRawFont(font.GetRawFont());
    run.setGlyphIndexes(indexes);
    run.setPositions(points);

    const QColor color = toQColor(FOwner.FMonoFont ? clBlack : tag.Color);
    FPainter.setPen(color);
    FPainter.drawGlyphRun(QPointF(0, 0), run);

    const int left = FOwner.FRTLReading ? lineWidth - positions[last] : positions[first];
    const int runWidth = positions[last] - positions[first];
    if (tag.Style & kStyleUnderline)
        FPainter.fillRect(QRectF(left, baseline + font.GetUnderlinePos(), runWidth, font.GetLineWidth()),
                          color);
    if (tag.Style & kStyleStrikeOut)
        FPainter.fillRect(QRectF(left, baseline - font.GetStrikeOutPos(), runWidth, font.GetLineWidth()),
                          color);
    if (FRecorder)
        FRecorder->TextOut(
            text.toString(),
            toDevice.mapRect(QRectF(left, shift, runWidth, font.GetCellHeight())).toAlignedRect());
}

void TfrxDrawText::DrawText(QPainter& Canvas, TfrxHAlign HAlign, TfrxVAlign VAlign)
{
    if (FText.isEmpty())
        return;
    const LineDrawer drawer(*this, Canvas);
    const TfrxHTMLTag& firstTag = FText.first().FTags.first();
    const int fontPixels = drawer.OutputPixels(firstTag.Default ? FFontSize : firstTag.Size);
    const int n = static_cast<int>(FText.size());
    const double h = FMeasureHeight;

    int H;
    if (drawer.IsPrinter()) {
        const double d = FDefPPI / double(drawer.DpiY()) / FPrintScale;
        H = roundInt((FLineSpacing * FScaleY * d * n + h * n) / d);
    } else {
        H = roundInt((FLineSpacing * kRatio * n + h * n) / kRatio * FScaleY);
    }

    const int rho = FRotation;
    const double radians = rho * std::numbers::pi / 180;
    const double ks = std::abs(std::sin(radians));
    const double kc = std::abs(std::cos(radians));
    const int Lf = FScaledRect.Left, Tp = FScaledRect.Top, Rt = FScaledRect.Right, Bt = FScaledRect.Bottom;
    const int Wd = FScaledRect.Width(), Ht = FScaledRect.Height();
    const int oblique = rho % 90 != 0 ? roundInt((Wd - ks * H) / kc) : 0;
    int x, y, U, A;
    if (rho == 0) {
        x = Lf, y = Tp, U = Wd, A = Ht;
    } else if (rho < 90) {
        U = oblique, x = Lf, y = Tp + roundInt(ks * U), A = H + Bt - y - roundInt(kc * H);
    } else if (rho == 90) {
        x = Lf, y = Bt, U = Ht, A = Wd;
    } else if (rho < 180) {
        U = oblique, x = Lf + roundInt(kc * U), y = Bt, A = H + Bt - Tp - roundInt(kc * H + ks * U);
    } else if (rho == 180) {
        x = Rt, y = Bt, U = Wd, A = Ht;
    } else if (rho < 270) {
        U = oblique, x = Rt, y = Bt - roundInt(ks * U), A = H + y - Tp - roundInt(kc * H);
    } else if (rho == 270) {
        x = Rt, y = Tp, U = Ht, A = Wd;
    } else {
        U = oblique, x = Lf + roundInt(ks * H), y = Tp, A = H + Bt - Tp - roundInt(ks * U + kc * H);
    }

    if (VAlign != vaTop) {
        const int grown = FLineSpacing < 0 ? H + std::abs(roundInt(2 * FLineSpacing)) : H;
        const double E = VAlign == vaBottom ? A - grown : (A - grown) / 2.0;
        double dx = std::sin(radians), dy = std::cos(radians);
        if (rho % 90 != 0)
            dx = 0, dy = rho > 90 && rho < 270 ? -1 : 1;
        x += roundInt(dx * E);
        y += roundInt(dy * E);
    }

    std::vector<int> gaps(n, roundInt(FLineSpacing * FScaleY) + fontPixels);
    if (FWysiwyg)
        StretchEvenly(gaps, H - n * gaps.front());

    for (int i = 0; i < n; ++i) {
        const TfrxTextLine& line = FText[i];
        TfrxHAlign align = HAlign;
        if (align == haBlock && (line.FFlags & TfrxTextLine::kLastOfParagraph))
            align = FRTLReading ? haRight : haLeft;
        const bool indented =
            (line.FFlags & TfrxTextLine::kFirstOfParagraph) && (HAlign == haLeft || HAlign == haBlock);
        const int indent = indented ? roundInt(FParagraphGap * FScaleX) : 0;
        drawer.Draw(line, align, U - indent, x + indent, y);
        y += roundInt(gaps[i] * std::cos(radians));
        x += roundInt(gaps[i] * std::sin(radians));
    }
}
