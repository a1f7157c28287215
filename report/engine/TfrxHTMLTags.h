#pragma once

#include "report/model/TfrxTypes.h"

#include <QList>
#include <QString>

enum TfrxSubStyle { ssNormal, ssSubscript, ssSuperscript };

// Style bits of a character, as the font description stores them.
inline constexpr int kStyleBold = 1;
inline constexpr int kStyleItalic = 2;
inline constexpr int kStyleUnderline = 4;
inline constexpr int kStyleStrikeOut = 8;

// The style of one character of a memo's text.
struct TfrxHTMLTag {
    int Position = 0; // index of the character in the layout's plain text
    int Size = 0;     // points
    int AddY = 0;     // 1: a subscript, moved down by its size
    int Style = 0;    // kStyle… bits
    TColor Color = clBlack;
    bool Default = true; // nothing but the memo's own font
    bool Small = false;  // sub- or superscript: measured advances divided by 1.5
    bool DontWRAP = false;
    TfrxSubStyle SubType = ssNormal;

    // Whether two characters are drawn with the same font and colour (one run).
    bool SameLook(const TfrxHTMLTag& other) const;
};

using TfrxHTMLTags = QList<TfrxHTMLTag>;

// Expands the tags of a memo's text into one style record per character. The state runs on
// from paragraph to paragraph until Init starts a new text.
class TfrxHTMLTagsList {
public:
    void Init(int defaultSize, int defaultStyle, TColor defaultColor, bool allowTags);

    // The paragraph without its tags; appends one record per remaining character, numbered from
    // position on. Without tags every character gets the current (default) style.
    QString Expand(const QString& paragraph, int position, TfrxHTMLTags& records);
    // One record of the current style, for characters the layout adds (line breaks, hyphens).
    TfrxHTMLTag Current(int position) const;

    // The text of plain[first, last) with the tags that give its characters their records, so that
    // expanding it again reproduces them (from the default style on).
    QString Retag(const QString& plain, const TfrxHTMLTags& records, int first, int last) const;

private:
    // Applies the tag that starts at index i; returns its length, or 0 when it is ordinary text.
    int ApplyTag(const QString& text, int i);
    void UpdateDefault();
    QString OpeningTags(const TfrxHTMLTag& tag) const;
    QString ClosingTags(const TfrxHTMLTag& tag) const;

    TfrxHTMLTag FDefault;
    TfrxHTMLTag FState;
    bool FAllowTags = false;
};

// The text with every recognised tag removed.
QString frxDeleteTags(const QString& text);
