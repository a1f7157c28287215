#pragma once

#include "report/engine/TfrxHTMLTags.h"
#include "report/model/TfrxTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <mutex>
#include <vector>

class LayoutFont;
class QPainter;
class TfrxFont;

// A rectangle as drawing code computes it: whole pixels, right and bottom edges outside.
struct TfrxTextRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// One wrapped line with one style record per character.
struct TfrxTextLine {
    static constexpr int kFirstOfParagraph = 1;
    static constexpr int kLastOfParagraph = 2;

    QString FText;
    TfrxHTMLTags FTags;
    int FFlags = 0;
    bool FHyphenated = false; // ends with a hyphen the layout added
};

// Lays memo texts out once at 600 dots per inch with whole-point fonts, then draws each line on
// any device with its characters' advances stretched or squeezed to the width the reference layout
// gives the line. Line breaks and line widths are therefore the same at every zoom and on every
// printer, and a layout adjusted on the screen prints as previewed.
class TfrxDrawText {
public:
    static constexpr int FDefPPI = 600;
    static constexpr int FScrPPI = 96;
    // Reference units per report pixel.
    static constexpr double kRatio = double(FDefPPI) / FScrPPI;

    TfrxDrawText() = default;
    TfrxDrawText(const TfrxDrawText&) = delete;
    TfrxDrawText& operator=(const TfrxDrawText&) = delete;

    // The instance memos use; every memo operation holds its lock, which may be taken again by a
    // measurement nested in a drawing.
    static TfrxDrawText& Shared();
    void Lock() { FLock.lock(); }
    void Unlock() { FLock.unlock(); }

    // Whole points (halves away from zero) and the measuring font of that size at 600 dpi.
    void SetFont(const TfrxFont& Font);
    void SetOptions(bool WordWrap, bool HTMLTags, int Rotation, bool Wysiwyg, bool Clipped, bool WordBreak,
                    bool RTLReading);
    void SetGaps(double LineSpacing, double CharSpacing, double ParagraphGap);
    // OriginalRect is the text rectangle at scale 1 (report pixels), ScaledRect the one on the device.
    void SetDimensions(const TfrxTextRect& OriginalRect, const TfrxTextRect& ScaledRect, double PrintScale,
                       double ScaleX, double ScaleY);
    void SetMonoFont(bool value) { FMonoFont = value; }
    // Wraps the lines (each a paragraph) into FText.
    void SetText(const QStringList& Lines, bool FirstParaBreak = false);
    // The first line continues a paragraph / the last one's paragraph goes on elsewhere.
    void SetParaBreaks(bool FirstParaBreak, bool LastParaBreak);

    void DrawText(QPainter& Canvas, TfrxHAlign HAlign, TfrxVAlign VAlign);

    // Report pixels.
    double CalcHeight() const;
    double CalcWidth() const;
    double LineHeight() const { return TextHeight() + FLineSpacing; }
    double TextHeight() const { return FMeasureHeight / kRatio; }
    // What is left of the original rectangle's height below the last whole line that fits.
    double UnusedSpace() const;

    // The text of the lines that fit the original rectangle's height, and of those below them
    // (ParaBreak tells whether the cut falls inside a paragraph); tags are kept.
    QString GetInBoundsText() const;
    QString GetOutBoundsText(bool& ParaBreak) const;
    // The wrapped lines joined by line breaks.
    QString GetWrappedText() const;
    static QString DeleteTags(const QString& Text) { return frxDeleteTags(Text); }

    const QList<TfrxTextLine>& GetLines() const { return FText; }
    const QString& GetPlainText() const { return FPlainText; }
    int GetFontSize() const { return FFontSize; }
    int GetMeasureHeight() const { return FMeasureHeight; }
    // The line's width at the reference resolution, character spacing included (not after the last
    // character).
    int ReferenceWidth(const TfrxTextLine& line) const;

private:
    struct LineBreak;
    class LineDrawer;

    const LayoutFont& MeasuringFont(int style) const;
    // Reference advances of each character with the character spacing (after the last one only
    // when asked), sub- and superscripts reduced.
    std::vector<int> ReferenceAdvances(const QString& text, const TfrxHTMLTags& tags,
                                       bool spacingAfterLast) const;
    void WrapParagraph(const QString& paragraph, const TfrxHTMLTags& tags, int firstWidth, int otherWidth);
    void AddLine(const QString& text, const TfrxHTMLTags& tags, bool hyphenated);
    int WrapWidth() const;
    int LinesInBounds() const;
    // The plain-text position where the line starts.
    int LineStart(int index) const;

    std::recursive_mutex FLock;
    int FFontSize = 10;
    QString FFontName;
    int FFontStyle = 0;
    TColor FFontColor = clBlack;
    int FMeasureHeight = 83;
    TfrxHTMLTagsList FHTMLTags;
    TfrxHTMLTags FPlainTags; // one record per character of FPlainText
    double FCharSpacing = 0;
    double FLineSpacing = 0;
    int FOptions = 0;
    TfrxTextRect FOriginalRect;
    double FParagraphGap = 0;
    QString FPlainText;
    double FPrintScale = 1;
    int FRotation = 0;
    bool FRTLReading = false;
    TfrxTextRect FScaledRect;
    double FScaleX = 1;
    double FScaleY = 1;
    QList<TfrxTextLine> FText;
    bool FWordBreak = false;
    bool FWordWrap = true;
    bool FWysiwyg = true;
    bool FHTMLTagsOn = false;
    bool FMonoFont = false;
};

// Holds the layout object's lock for a scope.
class TfrxDrawTextLock {
public:
    explicit TfrxDrawTextLock(TfrxDrawText& drawText) : FDrawText(drawText) { FDrawText.Lock(); }
    ~TfrxDrawTextLock() { FDrawText.Unlock(); }
    TfrxDrawTextLock(const TfrxDrawTextLock&) = delete;
    TfrxDrawTextLock& operator=(const TfrxDrawTextLock&) = delete;

private:
    TfrxDrawText& FDrawText;
};
