#include "report/model/xml/AnsiCodePage.h"

#include <gtest/gtest.h>

TEST(AnsiCodePage, DecodesTheRussianCodePage)
{
    EXPECT_EQ(ansiToString(QByteArray("\xCC\xE5\xEC\xEE \xA8\xB8 \xB9 \x88 abc")),
              QStringLiteral("Мемо Ёё № € abc"));
    EXPECT_EQ(stringToAnsi(QStringLiteral("Мемо Ёё № € abc")),
              QByteArray("\xCC\xE5\xEC\xEE \xA8\xB8 \xB9 \x88 abc"));
}

TEST(AnsiCodePage, EveryByteSurvivesTheWayThroughText)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(stringToAnsi(ansiToString(all)), all);
}

TEST(AnsiCodePage, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(stringToAnsi(QStringLiteral("ä😀")), QByteArray("???"));
}

TEST(AnsiCodePage, RecoversUtf8KeptInsideEightBitText)
{
    const QString misread = ansiToString(QStringLiteral("Свидетельство").toUtf8());
    EXPECT_EQ(decodeAnsiAsUtf8(misread), QStringLiteral("Свидетельство"));
}
