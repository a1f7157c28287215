#include "report/engine/LayoutFont.h"

#include "common/Rounding.h"
#include "report/engine/TfrxHTMLTags.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>

#include <memory>
#include <mutex>

namespace {

QFont describe(const QString& family, int pixelSize, int style)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(style & kStyleBold);
    font.setItalic(style & kStyleItalic);
    font.setKerning(false);
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

const LayoutFont& LayoutFont::Get(const QString& family, int pixelSize, int style)
{
    static std::mutex mutex;
    static QHash<QString, std::shared_ptr<const LayoutFont>> cache;
    const QString key = QStringLiteral("%1|%2|%3").arg(family).arg(pixelSize).arg(style & 3);
    std::lock_guard lock(mutex);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, std::make_shared<const LayoutFont>(family, pixelSize, style));
    return **it;
}

LayoutFont::LayoutFont(const QString& family, int pixelSize, int style) : FPixelSize(std::max(1, pixelSize))
{
    const QFont font = describe(family, FPixelSize, style);
    FRawFont = QRawFont::fromFont(font);
    const QFontMetricsF metrics(font);
    FAscent = static_cast<int>(roundHalfEven(FRawFont.ascent()));
    FCellHeight = static_cast<int>(roundHalfEven(FRawFont.ascent() + FRawFont.descent()));
    FUnderlinePos = metrics.underlinePos();
    FStrikeOutPos = metrics.strikeOutPos();
    FLineWidth = std::max(1.0, metrics.lineWidth());
}

QList<quint32> LayoutFont::CodePointGlyphs(QStringView text) const
{
    return FRawFont.glyphIndexesForString(text.toString());
}

std::vector<quint32> LayoutFont::Glyphs(QStringView text) const
{
    const QList<quint32> perCodePoint = CodePointGlyphs(text);
    std::vector<quint32> glyphs(text.size(), kNoGlyph);
    qsizetype g = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate())
            continue;
        glyphs[i] = g < perCodePoint.size() ? perCodePoint[g] : 0;
        ++g;
    }
    return glyphs;
}

std::vector<int> LayoutFont::Advances(QStringView text) const
{
    const std::vector<quint32> glyphs = Glyphs(text);
    QList<quint32> present;
    present.reserve(glyphs.size());
    for (quint32 g : glyphs)
        if (g != kNoGlyph)
            present.append(g);
    const QList<QPointF> advances = FRawFont.advancesForGlyphIndexes(present, QRawFont::UseDesignMetrics);
    std::vector<int> result(glyphs.size(), 0);
    qsizetype a = 0;
    for (size_t i = 0; i < glyphs.size(); ++i)
        if (glyphs[i] != kNoGlyph)
            result[i] = static_cast<int>(roundHalfEven(advances[a++].x()));
    return result;
}
