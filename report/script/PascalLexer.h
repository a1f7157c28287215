#pragma once

#include "report/script/TfsVariant.h"

#include <QString>

// The tokens of a PascalScript text. Keywords are not case-sensitive; strings are runs of quoted
// parts (an apostrophe inside doubled) and "#" character codes (decimal or "$" hexadecimal);
// hexadecimal numbers start with "$"; comments are "//" to the end of the line, "{ … }" and
// "(* … *)".
enum TfsTokenKind {
    tkEnd,
    tkIdentifier,
    tkKeyword, // Text holds the keyword in lower case
    tkNumber,  // Value holds an integer or a double
    tkString,  // Value holds the text
    tkSymbol,  // Text holds the symbol: ":=", "<=", "..", "+" …
    tkInvalid, // a character that starts no token, or an unterminated string
};

struct TfsToken {
    TfsTokenKind kind = tkEnd;
    QString text;
    TfsVariant value;
    qsizetype start = 0; // offset of the first character
    qsizetype end = 0;   // offset after the last character
    int line = 1;
    int column = 1;

    bool Is(TfsTokenKind k, const char* t) const { return kind == k && text == QLatin1String(t); }
    bool IsKeyword(const char* keyword) const { return Is(tkKeyword, keyword); }
    bool IsSymbol(const char* symbol) const { return Is(tkSymbol, symbol); }
};

class PascalLexer {
public:
    // ExtendedCharset lets characters above 127 appear in identifiers.
    PascalLexer(const QString& source, bool extendedCharset);

    const TfsToken& Current() const { return FCurrent; }
    // Moves to the next token.
    void Next();
    // Offset after the token before the current one.
    qsizetype GetPreviousEnd() const { return FPreviousEnd; }

    // Reads the text of a name in angle brackets, starting at the current token (which begins
    // with "<"), up to the matching ">"; false when the text ends first. Moves past the ">".
    bool ReadAngleName(QString& name);

    const QString& GetSource() const { return FSource; }

private:
    void SkipBlanksAndComments();
    void Scan();
    void ScanIdentifier();
    void ScanNumber();
    void ScanString();
    void ScanSymbol();
    bool IsIdentifierChar(QChar c, bool first) const;
    QChar At(qsizetype offset) const { return offset < FSource.size() ? FSource[offset] : QChar(); }
    void Advance(qsizetype count = 1);
    void MoveTo(qsizetype offset);

    QString FSource;
    bool FExtendedCharset;
    qsizetype FPos = 0;
    int FLine = 1;
    int FColumn = 1;
    qsizetype FPreviousEnd = 0;
    TfsToken FCurrent;
};
