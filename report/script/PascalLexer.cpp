#include "report/script/PascalLexer.h"

#include <QSet>

namespace {

const QSet<QString>& keywords()
{
    static const QSet<QString> set{
        "and",  "array", "begin",  "break", "case",    "const", "continue",  "div",     "do",     "downto",
        "else", "end",   "except", "exit",  "finally", "for",   "function",  "goto",    "if",     "in",
        "is",   "label", "mod",    "not",   "of",      "or",    "procedure", "program", "repeat", "shl",
        "shr",  "then",  "to",     "try",   "until",   "uses",  "var",       "while",   "with",   "xor"};
    return set;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

} // namespace

PascalLexer::PascalLexer(const QString& source, bool extendedCharset)
    : FSource(source), FExtendedCharset(extendedCharset)
{
    Scan();
}

void PascalLexer::Next()
{
    FPreviousEnd = FCurrent.end;
    Scan();
}

void PascalLexer::Advance(qsizetype count)
{
    for (qsizetype i = 0; i < count && FPos < FSource.size(); ++i) {
        if (FSource[FPos] == u'\n') {
            ++FLine;
            FColumn = 1;
        } else {
            ++FColumn;
        }
        ++FPos;
    }
}

void PascalLexer::MoveTo(qsizetype offset)
{
    Advance(offset - FPos);
}

void PascalLexer::SkipBlanksAndComments()
{
    for (;;) {
        const QChar c = At(FPos);
        if (FPos < FSource.size() && (c.isSpace() || c.unicode() < 32)) {
            Advance();
        } else if (c == u'/' && At(FPos + 1) == u'/') {
            const qsizetype end = FSource.indexOf(u'\n', FPos);
            MoveTo(end < 0 ? FSource.size() : end);
        } else if (c == u'{') {
            const qsizetype end = FSource.indexOf(u'}', FPos);
            MoveTo(end < 0 ? FSource.size() : end + 1);
        } else if (c == u'(' && At(FPos + 1) == u'*') {
            const qsizetype end = FSource.indexOf(QLatin1String("*)"), FPos + 2);
            MoveTo(end < 0 ? FSource.size() : end + 2);
        } else {
            return;
        }
    }
}

bool PascalLexer::IsIdentifierChar(QChar c, bool first) const
{
    if (c.unicode() > 127)
        return FExtendedCharset;
    return c == u'_' || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (!first && isDigit(c));
}

void PascalLexer::Scan()
{
    SkipBlanksAndComments();
    FCurrent = TfsToken{};
    FCurrent.start = FPos;
    FCurrent.line = FLine;
    FCurrent.column = FColumn;
    const QChar c = At(FPos);
    if (FPos >= FSource.size())
        FCurrent.kind = tkEnd;
    else if (IsIdentifierChar(c, true))
        ScanIdentifier();
    else if (isDigit(c) || (c == u'$' && isHexDigit(At(FPos + 1))))
        ScanNumber();
    else if (c == u'\'' || (c == u'#' && (isDigit(At(FPos + 1)) || At(FPos + 1) == u'$')))
        ScanString();
    else
        ScanSymbol();
    FCurrent.end = FPos;
}

void PascalLexer::ScanIdentifier()
{
    const qsizetype start = FPos;
    while (FPos < FSource.size() && IsIdentifierChar(FSource[FPos], false))
        Advance();
    FCurrent.text = FSource.mid(start, FPos - start);
    const QString lower = FCurrent.text.toLower();
    if (keywords().contains(lower)) {
        FCurrent.kind = tkKeyword;
        FCurrent.text = lower;
    } else {
        FCurrent.kind = tkIdentifier;
    }
}

void PascalLexer::ScanNumber()
{
    const qsizetype start = FPos;
    FCurrent.kind = tkNumber;
    if (At(FPos) == u'$') {
        Advance();
        while (isHexDigit(At(FPos)))
            Advance();
        bool ok = false;
        const qulonglong value = FSource.mid(start + 1, FPos - start - 1).toULongLong(&ok, 16);
        if (!ok)
            FCurrent.kind = tkInvalid;
        FCurrent.value = TfsVariant(static_cast<int64_t>(value));
        return;
    }
    while (isDigit(At(FPos)))
        Advance();
    bool isFloat = false;
    // "1..5" is a range: the point belongs to the next token.
    if (At(FPos) == u'.' && isDigit(At(FPos + 1))) {
        isFloat = true;
        Advance();
        while (isDigit(At(FPos)))
            Advance();
    }
    if ((At(FPos) == u'e' || At(FPos) == u'E') &&
        (isDigit(At(FPos + 1)) ||
         ((At(FPos + 1) == u'+' || At(FPos + 1) == u'-') && isDigit(At(FPos + 2))))) {
        isFloat = true;
        Advance(2);
        while (isDigit(At(FPos)))
            Advance();
    }
    const QString text = FSource.mid(start, FPos - start);
    bool ok = false;
    if (!isFloat) {
        const qlonglong value = text.toLongLong(&ok);
        if (ok) {
            FCurrent.value = TfsVariant(static_cast<int64_t>(value));
            return;
        }
    }
    const double value = text.toDouble(&ok); // too large for an integer: a double, as written
    FCurrent.value = TfsVariant(value);
    if (!ok)
        FCurrent.kind = tkInvalid;
}

void PascalLexer::ScanString()
{
    FCurrent.kind = tkString;
    QString text;
    for (;;) {
        if (At(FPos) == u'\'') {
            Advance();
            for (;;) {
                if (FPos >= FSource.size() || At(FPos) == u'\n') {
                    FCurrent.kind = tkInvalid;
                    return;
                }
                if (At(FPos) == u'\'') {
                    if (At(FPos + 1) != u'\'')
                        break;
                    Advance();
                }
                text += At(FPos);
                Advance();
            }
            Advance();
        } else if (At(FPos) == u'#') {
            Advance();
            const bool hex = At(FPos) == u'$';
            if (hex)
                Advance();
            const qsizetype start = FPos;
            while (hex ? isHexDigit(At(FPos)) : isDigit(At(FPos)))
                Advance();
            bool ok = false;
            const uint code = FSource.mid(start, FPos - start).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code > 0x10FFFF) {
                FCurrent.kind = tkInvalid;
                return;
            }
            text += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        } else {
            break;
        }
    }
    FCurrent.value = TfsVariant(text);
}

void PascalLexer::ScanSymbol()
{
    static const char* const twoCharacter[] = {":=", "<=", ">=", "<>", ".."};
    FCurrent.kind = tkSymbol;
    for (const char* symbol : twoCharacter) {
        if (At(FPos) == QLatin1Char(symbol[0]) && At(FPos + 1) == QLatin1Char(symbol[1])) {
            FCurrent.text = QString::fromLatin1(symbol);
            Advance(2);
            return;
        }
    }
    const QChar c = At(FPos);
    if (QStringLiteral("+-*/=<>()[],;:.@^").contains(c))
        FCurrent.text = QString(c);
    else
        FCurrent.kind = tkInvalid;
    Advance();
}

bool PascalLexer::ReadAngleName(QString& name)
{
    // The current token ("<", "<=" or "<>") is read again character by character.
    FPos = FCurrent.start + 1;
    FLine = FCurrent.line;
    FColumn = FCurrent.column + 1;
    int depth = 1;
    const qsizetype start = FPos;
    while (FPos < FSource.size()) {
        const QChar c = FSource[FPos];
        if (c == u'<')
            ++depth;
        else if (c == u'>' && --depth == 0)
            break;
        Advance();
    }
    if (depth != 0)
        return false;
    name = FSource.mid(start, FPos - start);
    Advance();
    FCurrent.end = FPos;
    Next();
    return true;
}
