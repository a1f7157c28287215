#include "report/engine/TfrxHTMLTags.h"

#include <gtest/gtest.h>

namespace {

TfrxHTMLTags expand(const QString& text, QString& plain, bool allowTags = true)
{
    TfrxHTMLTagsList tags;
    tags.Init(8, 0, clBlack, allowTags);
    TfrxHTMLTags records;
    plain = tags.Expand(text, 0, records);
    return records;
}

TEST(HTMLTagsTest, StyleTagsSwitchStylesAndAreRemoved)
{
    QString plain;
    const TfrxHTMLTags records =
        expand(QStringLiteral("<B>Жир</b> <i><u>курсив</u></i> <strike>x</strike>"), plain);
    ASSERT_EQ(plain, QStringLiteral("Жир курсив x"));
    ASSERT_EQ(records.size(), plain.size());
    EXPECT_EQ(records[0].Style, kStyleBold);
    EXPECT_FALSE(records[0].Default);
    EXPECT_EQ(records[3].Style, 0);
    EXPECT_TRUE(records[3].Default);
    EXPECT_EQ(records[4].Style, kStyleItalic | kStyleUnderline);
    EXPECT_EQ(records[11].Style, kStyleStrikeOut);
    for (int i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].Position, i);
}

TEST(HTMLTagsTest, SubAndSupShrinkTheSizeAndOnlySubMovesDown)
{
    QString plain;
    const TfrxHTMLTags records = expand(QStringLiteral("H<sub>2</sub>O x<sup>2</sup>"), plain);
    ASSERT_EQ(plain, QStringLiteral("H2O x2"));
    EXPECT_EQ(records[1].Size, 5); // round(8 / 1.5)
    EXPECT_EQ(records[1].AddY, 1);
    EXPECT_TRUE(records[1].Small);
    EXPECT_EQ(records[1].SubType, ssSubscript);
    EXPECT_EQ(records[2].Size, 8);
    EXPECT_FALSE(records[2].Small);
    EXPECT_EQ(records[5].AddY, 0);
    EXPECT_EQ(records[5].SubType, ssSuperscript);
}

TEST(HTMLTagsTest, FontColourTakesHexOrNamesAndClosingRestoresIt)
{
    QString plain;
    const TfrxHTMLTags records =
        expand(QStringLiteral("<font color=\"#FF8000\">a</font>b<font color=red>c</font>"), plain);
    ASSERT_EQ(plain, QStringLiteral("abc"));
    EXPECT_EQ(records[0].Color, 0x0080FF); // red, green, blue written; 0x00BBGGRR kept
    EXPECT_EQ(records[1].Color, clBlack);
    EXPECT_EQ(records[2].Color, clRed);
}

TEST(HTMLTagsTest, NowrapMarksCharactersAndUnknownTagsStayText)
{
    QString plain;
    const TfrxHTMLTags records = expand(QStringLiteral("<nowrap>a b</nowrap> <x> a<b"), plain);
    EXPECT_EQ(plain, QStringLiteral("a b <x> a<b"));
    EXPECT_TRUE(records[1].DontWRAP);
    EXPECT_FALSE(records[3].DontWRAP);
}

TEST(HTMLTagsTest, WithoutTagsEverythingIsText)
{
    QString plain;
    const TfrxHTMLTags records = expand(QStringLiteral("<b>x</b>"), plain, false);
    EXPECT_EQ(plain, QStringLiteral("<b>x</b>"));
    EXPECT_TRUE(records[1].Default);
}

TEST(HTMLTagsTest, RetaggedTextExpandsToTheSameRecords)
{
    const QString source = QStringLiteral("a<b>b<i>c</i></b><font color=\"#00FF00\">d<sub>e</sub></font>f");
    QString plain;
    const TfrxHTMLTags records = expand(source, plain);
    TfrxHTMLTagsList tags;
    tags.Init(8, 0, clBlack, true);
    const QString retagged = tags.Retag(plain, records, 1, plain.size());
    QString again;
    const TfrxHTMLTags reread = expand(retagged, again);
    ASSERT_EQ(again, plain.mid(1));
    for (int i = 0; i < reread.size(); ++i)
        EXPECT_TRUE(reread[i].SameLook(records[i + 1])) << i;
}

TEST(HTMLTagsTest, DeleteTagsRemovesOnlyTags)
{
    EXPECT_EQ(frxDeleteTags(QStringLiteral("<b>Иванов</b> <i>И.</i> <x>")), QStringLiteral("Иванов И. <x>"));
}

} // namespace
