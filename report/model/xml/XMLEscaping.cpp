#include "report/model/xml/XMLEscaping.h"

#include "common/Exception.h"

#include <algorithm>

namespace {

// A NUL in a long value is stored as a blank: files written so far depend on it.
constexpr qsizetype kLongValueLength = 32;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool needsEscaping(QChar c)
{
    switch (c.unicode()) {
    case 0:
    case '\n':
    case '\r':
    case '"':
    case '&':
    case '<':
    case '>':
        return true;
    default:
        return false;
    }
}

QString numericReference(char16_t code)
{
    return QStringLiteral("&#") + QString::number(code) + QLatin1Char(';');
}

char32_t parseCharacterCode(QStringView digits)
{
    const auto notANumber = [&] {
        return Exception(QStringLiteral("'%1' is not a valid integer value").arg(digits));
    };
    char32_t code = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || code > kLastCodePoint)
            throw notANumber();
        code = code * 10 + (c.unicode() - '0');
    }
    if (code > kLastCodePoint)
        throw notANumber();
    return code;
}

void appendCharacter(QString& out, char32_t code)
{
    // Codes below 0x10000 are taken as single UTF-16 units, so escaped surrogate halves pair up again.
    if (code <= 0xFFFF)
        out.append(QChar(char16_t(code)));
    else
        out.append(QString::fromUcs4(&code, 1));
}

struct NamedEntity {
    QLatin1String text;
    QChar character;
};

constexpr NamedEntity kNamedEntities[] = {
    {QLatin1String("&quot;"), QLatin1Char('"')},
    {QLatin1String("&amp;"), QLatin1Char('&')},
    {QLatin1String("&lt;"), QLatin1Char('<')},
    {QLatin1String("&gt;"), QLatin1Char('>')},
};

} // namespace

QString EscapeAttributeValue(const QString& value)
{
    if (std::none_of(value.begin(), value.end(), needsEscaping))
        return value;
    const QStringView quotEntity = u"quot;";
    QString out;
    out.reserve(value.size() + 16);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (!needsEscaping(c)) {
            out.append(c);
        } else if (c == QLatin1Char('&') && QStringView(value).sliced(i + 1).startsWith(quotEntity)) {
            out.append(numericReference('"'));
            i += quotEntity.size();
        } else if (c.unicode() == 0 && value.size() >= kLongValueLength) {
            out.append(QLatin1Char(' '));
        } else {
            out.append(numericReference(c.unicode()));
        }
    }
    return out;
}

QString UnescapeAttributeValue(const QString& value)
{
    const qsizetype ampersand = value.indexOf(QLatin1Char('&'));
    if (ampersand < 0)
        return value;
    QString out = value.left(ampersand);
    out.reserve(value.size());
    const QStringView rest(value);
    qsizetype i = ampersand;
    while (i < value.size()) {
        const QChar c = value[i];
        if (c != QLatin1Char('&')) {
            out.append(c);
            ++i;
            continue;
        }
        if (rest.sliced(i).startsWith(u"&#")) {
            const qsizetype semicolon = value.indexOf(QLatin1Char(';'), i + 2);
            if (semicolon < 0) {
                out.append(rest.sliced(i));
                break;
            }
            if (semicolon > i + 2) {
                appendCharacter(out, parseCharacterCode(rest.sliced(i + 2, semicolon - i - 2)));
                i = semicolon + 1;
                continue;
            }
        }
        const auto entity =
            std::find_if(std::begin(kNamedEntities), std::end(kNamedEntities),
                         [&](const NamedEntity& e) { return rest.sliced(i).startsWith(e.text); });
        if (entity != std::end(kNamedEntities)) {
            out.append(entity->character);
            i += entity->text.size();
        } else {
            out.append(c);
            ++i;
        }
    }
    return out;
}
