#pragma once

#include <QRawFont>
#include <QString>
#include <QStringView>

#include <vector>

// A face at a whole pixel size, as text layout and drawing use it: glyphs and per-character
// advances in whole pixels (one per UTF-16 unit; the second unit of a surrogate pair has no glyph
// and no advance), taken from the face's design metrics so that they do not depend on hinting.
class LayoutFont {
public:
    static constexpr quint32 kNoGlyph = 0xFFFFFFFF;

    // Cached for the process; style uses the kStyle… bits.
    static const LayoutFont& Get(const QString& family, int pixelSize, int style);

    LayoutFont(const QString& family, int pixelSize, int style);

    std::vector<int> Advances(QStringView text) const;
    std::vector<quint32> Glyphs(QStringView text) const;

    const QRawFont& GetRawFont() const { return FRawFont; }
    int GetPixelSize() const { return FPixelSize; }
    // Whole pixels from the top of a line to the baseline, and the height of a line's cell.
    int GetAscent() const { return FAscent; }
    int GetCellHeight() const { return FCellHeight; }
    // Offsets below the baseline and thickness of the underline and strike-out strokes.
    double GetUnderlinePos() const { return FUnderlinePos; }
    double GetStrikeOutPos() const { return FStrikeOutPos; }
    double GetLineWidth() const { return FLineWidth; }

private:
    QList<quint32> CodePointGlyphs(QStringView text) const;

    QRawFont FRawFont;
    int FPixelSize;
    int FAscent;
    int FCellHeight;
    double FUnderlinePos;
    double FStrikeOutPos;
    double FLineWidth;
};
