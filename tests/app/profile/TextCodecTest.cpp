#include "app/profile/TextCodec.h"
#include "tests/app/profile/SystemConverter.h"

#include <gtest/gtest.h>

TEST(TextCodec, Windows1251AgreesWithTheSystemConverter)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        if (byte == 0x98) // not a character of the code page
            continue;
        const QByteArray bytes(1, char(byte));
        const QString expected = decodedBySystem(bytes, "CP1251");
        EXPECT_EQ(decodeText(bytes, TextEncoding::Windows1251), expected) << std::hex << byte;
        EXPECT_EQ(encodeText(expected, TextEncoding::Windows1251), bytes) << std::hex << byte;
    }
}

TEST(TextCodec, EveryWindows1251ByteSurvivesARewrite)
{
    QByteArray all;
    for (int byte = 0; byte <= 0xFF; ++byte)
        all.append(char(byte));
    EXPECT_EQ(encodeText(decodeText(all, TextEncoding::Windows1251), TextEncoding::Windows1251), all);
}

TEST(TextCodec, CharactersBeyondWindows1251CannotBeEncodedInIt)
{
    EXPECT_EQ(encodeText(QStringLiteral("Гүзәл"), TextEncoding::Windows1251), std::nullopt);
    EXPECT_EQ(encodeText(QStringLiteral("Straße ü"), TextEncoding::Windows1251), std::nullopt);
    EXPECT_NE(encodeText(QStringLiteral("«B» № 17, Ёё"), TextEncoding::Windows1251), std::nullopt);
}

TEST(TextCodec, DetectsTheEncodingOfAFile)
{
    const QString text = QStringLiteral("[Слева]\r\nedit_1=Иванов\r\n");
    const struct {
        const char* what;
        QByteArray bytes;
        TextEncoding expected;
    } cases[] = {
        {"UTF-16 LE mark", "\xFF\xFE" + encodedBySystem(text, "UTF-16LE"), TextEncoding::Utf16LE},
        {"UTF-16 BE mark", "\xFE\xFF" + encodedBySystem(text, "UTF-16BE"), TextEncoding::Utf16BE},
        {"UTF-8 mark", "\xEF\xBB\xBF" + text.toUtf8(), TextEncoding::Utf8WithBom},
        {"valid UTF-8", text.toUtf8(), TextEncoding::Utf8},
        {"Windows-1251", encodedBySystem(text, "CP1251"), TextEncoding::Windows1251},
        {"plain ASCII", "[Left]\r\nkey=value\r\n", TextEncoding::Windows1251},
        {"UTF-8 with one stray byte", text.toUtf8() + "\xC0", TextEncoding::Windows1251},
        {"an encoded surrogate", "k=\xED\xA0\x80", TextEncoding::Windows1251},
    };
    for (const auto& c : cases)
        EXPECT_EQ(detectEncoding(c.bytes), c.expected) << c.what;
}

TEST(TextCodec, EncodesWithTheByteOrderMarkAndDecodesWithoutIt)
{
    const QString text = QStringLiteral("[Таблица]\r\ncmb_1=Х «B» 😀\r\n");
    const struct {
        TextEncoding encoding;
        QByteArray expected;
    } cases[] = {
        {TextEncoding::Utf8, text.toUtf8()},
        {TextEncoding::Utf8WithBom, "\xEF\xBB\xBF" + text.toUtf8()},
        {TextEncoding::Utf16LE, "\xFF\xFE" + encodedBySystem(text, "UTF-16LE")},
        {TextEncoding::Utf16BE, "\xFE\xFF" + encodedBySystem(text, "UTF-16BE")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeText(text, c.encoding), c.expected) << int(c.encoding);
        EXPECT_EQ(decodeText(c.expected, c.encoding), text) << int(c.encoding);
    }
}

TEST(TextCodec, Utf16KeepsAnUnpairedSurrogate)
{
    const QByteArray bytes("\xFF\xFE\x3D\xD8k\0", 6);
    EXPECT_EQ(encodeText(decodeText(bytes, TextEncoding::Utf16LE), TextEncoding::Utf16LE), bytes);
}
