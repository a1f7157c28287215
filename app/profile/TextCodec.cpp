#include "app/profile/TextCodec.h"

#include <QHash>
#include <algorithm>
#include <array>

namespace {

// Bytes 0x80..0xFF of Windows-1251. 0x98 has no character in the code page; it maps to U+0098 so that
// such a byte survives a rewrite of the file.
constexpr std::array<char16_t, 128> kWindows1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8
};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
const QByteArray kUtf16LEBom("\xFF\xFE");
const QByteArray kUtf16BEBom("\xFE\xFF");

QByteArray withoutBom(const QByteArray& bytes, const QByteArray& bom)
{
    return bytes.startsWith(bom) ? bytes.sliced(bom.size()) : bytes;
}

bool isAscii(const QByteArray& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isValidUtf8(const QByteArray& bytes)
{
    // Invalid sequences decode to replacement characters, so only valid UTF-8 comes back unchanged.
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

QString decodeWindows1251(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte < 0x80 ? char16_t(byte) : kWindows1251High[byte - 0x80]);
    }
    return text;
}

std::optional<QByteArray> encodeWindows1251(const QString& text)
{
    static const QHash<char16_t, char> bytesOfCharacters = [] {
        QHash<char16_t, char> map;
        for (int i = 0; i < int(kWindows1251High.size()); ++i)
            map.insert(kWindows1251High[i], char(0x80 + i));
        return map;
    }();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            bytes.append(char(ch.unicode()));
            continue;
        }
        const auto found = bytesOfCharacters.constFind(ch.unicode());
        if (found == bytesOfCharacters.cend())
            return std::nullopt;
        bytes.append(*found);
    }
    return bytes;
}

// UTF-16 is decoded unit by unit rather than through a validating decoder, so that even unpaired
// surrogates come back unchanged when the file is rewritten. An odd trailing byte has no character.
QString decodeUtf16(const QByteArray& bytes, bool littleEndian)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        *out++ = littleEndian ? QChar(first, second) : QChar(second, first);
    }
    return text;
}

QByteArray encodeUtf16(const QString& text, bool littleEndian)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar ch : text) {
        const char low = char(ch.cell());
        const char high = char(ch.row());
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}

} // namespace

TextEncoding detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(kUtf16LEBom))
        return TextEncoding::Utf16LE;
    if (bytes.startsWith(kUtf16BEBom))
        return TextEncoding::Utf16BE;
    if (bytes.startsWith(kUtf8Bom))
        return TextEncoding::Utf8WithBom;
    if (!isAscii(bytes) && isValidUtf8(bytes))
        return TextEncoding::Utf8;
    return TextEncoding::Windows1251;
}

QString decodeText(const QByteArray& bytes, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251:
        return decodeWindows1251(bytes);
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf8WithBom:
        return QString::fromUtf8(withoutBom(bytes, kUtf8Bom));
    case TextEncoding::Utf16LE:
        return decodeUtf16(withoutBom(bytes, kUtf16LEBom), true);
    case TextEncoding::Utf16BE:
        return decodeUtf16(withoutBom(bytes, kUtf16BEBom), false);
    }
    return {};
}

std::optional<QByteArray> encodeText(const QString& text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Windows1251:
        return encodeWindows1251(text);
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf8WithBom:
        return kUtf8Bom + text.toUtf8();
    case TextEncoding::Utf16LE:
        return kUtf16LEBom + encodeUtf16(text, true);
    case TextEncoding::Utf16BE:
        return kUtf16BEBom + encodeUtf16(text, false);
    }
    return std::nullopt;
}
