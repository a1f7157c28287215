#include "TestCanvas.h"

#include "report/engine/LayoutFont.h"
#include "report/engine/MemoDrawing.h"
#include "report/engine/TfrxDrawText.h"
#include "report/model/TfrxFont.h"

#include <gtest/gtest.h>

namespace {

// Reference advances of the certificate font's characters at 600 dpi (8 points).
std::vector<int> cumulativeReference(const QString& text)
{
    std::vector<int> advances = LayoutFont::Get(QStringLiteral("Times New Roman"), 67, 0).Advances(text);
    for (size_t i = 1; i < advances.size(); ++i)
        advances[i] += advances[i - 1];
    return advances;
}

// A memo whose text rectangle wraps at the given reference width (a certificate memo's text
// rectangle is 3 pixels narrower than the memo).
std::unique_ptr<TfrxMemoView> memoWrappingAt(const QString& text, double referenceWidth)
{
    auto memo = certificateMemo(text, 0, 0, referenceWidth / TfrxDrawText::kRatio + 3, 60);
    memo->SetHAlign(haLeft);
    return memo;
}

struct FontSizeCase {
    int height;
    int points;
    int measureHeight;
};

class FontSizeTest : public ::testing::TestWithParam<FontSizeCase> {};

TEST_P(FontSizeTest, LayoutUsesWholePointsAt600Dpi)
{
    TfrxFont font;
    font.SetHeight(GetParam().height);
    TfrxDrawText text;
    text.SetFont(font);
    EXPECT_EQ(text.GetFontSize(), GetParam().points);
    EXPECT_EQ(text.GetMeasureHeight(), GetParam().measureHeight);
}

// 4.5 points is a half: it goes away from zero, to 5.
INSTANTIATE_TEST_SUITE_P(Cases, FontSizeTest,
                         ::testing::Values(FontSizeCase{-11, 8, 67}, FontSizeCase{-13, 10, 83},
                                           FontSizeCase{-6, 5, 42}, FontSizeCase{-16, 12, 100}));

struct HeightCase {
    QString text;
    int fontHeight;
    double expected;
};

class MemoCalcHeightTest : public ::testing::TestWithParam<HeightCase> {};

TEST_P(MemoCalcHeightTest, IsTheLinesPlusGaps)
{
    auto memo = certificateMemo(GetParam().text, 0, 0, 200, 15.12, GetParam().fontHeight);
    EXPECT_EQ(CalcHeight(*memo), GetParam().expected);
}

// round(67 / 6.25 + 2 + 2) = round(14.72); round(83 / 6.25 + 2 + 2) = round(17.28);
// three lines: round(3 × (10.72 + 2) + 2) = round(40.16).
INSTANTIATE_TEST_SUITE_P(Cases, MemoCalcHeightTest,
                         ::testing::Values(HeightCase{QStringLiteral("Иванов"), -11, 15},
                                           HeightCase{QStringLiteral("Иванов"), -13, 17},
                                           HeightCase{QStringLiteral("1\n2\n3"), -11, 40}));

TEST(MemoCalcWidthTest, IsTheWidestLineAtTheReferenceResolutionPlusGaps)
{
    // ИВАНОВ: 48 + 45 + 48 + 48 + 48 + 45 units at 600 dpi, 45.12 pixels, plus 2 × GapX.
    auto memo = certificateMemo(QStringLiteral("ИВАНОВ\nИВ"), 0, 0, 20);
    EXPECT_EQ(CalcWidth(*memo), 49);
    memo->SetCharSpacing(1);
    // Plus 6 × round(1 × 6.25) units.
    EXPECT_EQ(CalcWidth(*memo), 55);
}

TEST(MemoCalcWidthTest, BoldTagsMeasureInBold)
{
    auto plain = certificateMemo(QStringLiteral("ИВАНОВ ИВАН"), 0, 0, 20);
    auto bold = certificateMemo(QStringLiteral("<b>ИВАНОВ ИВАН</b>"), 0, 0, 20);
    bold->SetAllowHTMLTags(true);
    EXPECT_GT(CalcWidth(*bold), CalcWidth(*plain));
}

TEST(WrapTest, BreaksAtTheLastBlankThatFits)
{
    const std::vector<int> cum = cumulativeReference(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ"));
    auto memo = memoWrappingAt(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ"), cum[13]);
    EXPECT_EQ(WrapText(*memo, true), QStringLiteral("ИВАНОВ ИВАН\r\nИВАНОВИЧ"));
}

TEST(WrapTest, CutsAWordLongerThanTheLineAtTheOverflowingCharacter)
{
    const QString word = QStringLiteral("ИВАНОВИЧ");
    const std::vector<int> cum = cumulativeReference(word);
    auto memo = memoWrappingAt(word, cum[2] + 1);
    EXPECT_EQ(WrapText(*memo, true), QStringLiteral("ИВА\r\nНОВ\r\nИЧ"));
}

TEST(WrapTest, WithoutWordWrapEveryParagraphIsOneLine)
{
    auto memo = memoWrappingAt(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ\n\nПЁТР"), 100);
    memo->SetWordWrap(false);
    EXPECT_EQ(WrapText(*memo, true), QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ\r\n \r\nПЁТР"));
}

struct WordBreakCase {
    int overflowingLetter; // 1-based
    QString expected;
};

class WordBreakTest : public ::testing::TestWithParam<WordBreakCase> {};

TEST_P(WordBreakTest, HyphenatesOnlyWhenTheBreakPointFits)
{
    const std::vector<int> cum = cumulativeReference(QStringLiteral("ПРИВЕТ"));
    const int i = GetParam().overflowingLetter - 1;
    auto memo = memoWrappingAt(QStringLiteral("ПРИВЕТ"), (cum[i - 1] + cum[i]) / 2);
    memo->SetWordBreak(true);
    EXPECT_EQ(WrapText(*memo, true).split(QStringLiteral("\r\n")).first(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WordBreakTest,
                         ::testing::Values(WordBreakCase{5, QStringLiteral("ПРИ-")},
                                           WordBreakCase{4, QStringLiteral("ПРИ")},
                                           WordBreakCase{3, QStringLiteral("ПР")}));

TEST(WordBreakTest, HyphenatesTheWordAfterTheLastBlank)
{
    const std::vector<int> cum = cumulativeReference(QStringLiteral("АБ ПРИВЕТ"));
    auto memo = memoWrappingAt(QStringLiteral("АБ ПРИВЕТ"), (cum[6] + cum[7]) / 2);
    memo->SetWordBreak(true);
    EXPECT_EQ(WrapText(*memo, true), QStringLiteral("АБ ПРИ-\r\nВЕТ"));
}

TEST(WrapTest, NowrapKeepsBlanksFromBreaking)
{
    const std::vector<int> cum = cumulativeReference(QStringLiteral("АБ ВГ ДЕ"));
    auto memo = memoWrappingAt(QStringLiteral("АБ <nowrap>ВГ ДЕ</nowrap>"), cum[5] + 1);
    memo->SetAllowHTMLTags(true);
    EXPECT_EQ(WrapText(*memo, true), QStringLiteral("АБ\r\nВГ ДЕ"));
}

TEST(WrapTest, AParagraphLongerThanTheAdvanceArrayIsStillWrappedWhole)
{
    QString text;
    for (int i = 0; i < 8000; ++i)
        text += QStringLiteral("слово ");
    auto memo = memoWrappingAt(text, 6000);
    const QString wrapped = WrapText(*memo, true);
    EXPECT_EQ(QString(wrapped).remove(QStringLiteral("\r\n")).remove(u' '), QString(text).remove(u' '));
    EXPECT_GT(wrapped.count(QStringLiteral("\r\n")), 200);
}

TEST(UnusedSpaceTest, IsWhatIsLeftBelowTheLastWholeLine)
{
    auto memo = certificateMemo(QStringLiteral("1\n2\n3\n4\n5"), 0, 0, 100, 40);
    TfrxMemoPart part;
    InitPart(*memo, part);
    // The text rectangle is 39 high: trunc(40 / 12.72) = 3 lines fit, 40 - 3 × 12.72 is left.
    EXPECT_NEAR(DrawPart(*memo, part), 40 - 3 * 12.72, 1e-9);
    EXPECT_EQ(memo->GetMemo(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(part.FLines, (QStringList{"4", "5"}));
    EXPECT_FALSE(part.FParaBreak);
    EXPECT_FALSE(memo->GetLastParaBreak());
}

TEST(DrawPartTest, ACutInsideAParagraphContinuesItInTheNextPart)
{
    // Two words a line, two lines fit.
    const QString words = QStringLiteral("слово слово слово слово слово слово");
    const std::vector<int> cum = cumulativeReference(QStringLiteral("слово слово "));
    auto memo = certificateMemo(words, 0, 0, cum.back() / TfrxDrawText::kRatio + 3, 27);
    memo->SetHAlign(haBlock);
    TfrxMemoPart part;
    InitPart(*memo, part);
    DrawPart(*memo, part);
    EXPECT_EQ(memo->GetMemo(), (QStringList{QStringLiteral("слово слово слово слово")}));
    EXPECT_TRUE(memo->GetLastParaBreak());
    EXPECT_TRUE(part.FParaBreak);
    EXPECT_EQ(part.FLines, (QStringList{QStringLiteral("слово слово")}));
    // The next part starts inside the paragraph, so its first line is no paragraph start.
    DrawPart(*memo, part);
    EXPECT_TRUE(memo->GetFirstParaBreak());
    EXPECT_FALSE(TfrxDrawText::Shared().GetLines().first().FFlags & TfrxTextLine::kFirstOfParagraph);
    EXPECT_FALSE(part.HasNextDataPart());
}

TEST(DrawPartTest, KeepsTagsOnBothSidesOfTheCut)
{
    auto memo = certificateMemo(QStringLiteral("<b>1\n2</b>\n3"), 0, 0, 100, 14);
    memo->SetAllowHTMLTags(true);
    TfrxMemoPart part;
    InitPart(*memo, part);
    DrawPart(*memo, part);
    EXPECT_EQ(memo->GetMemo(), (QStringList{QStringLiteral("<b>1</b>")}));
    EXPECT_EQ(part.FLines, (QStringList{QStringLiteral("<b>2</b>"), QStringLiteral("3")}));
}

TEST(WrapTextTest, WithoutWrappingGivesTheTextWithoutTags)
{
    auto memo = certificateMemo(QStringLiteral("<b>Иванов</b>"), 0, 0, 100);
    EXPECT_EQ(WrapText(*memo, false), QStringLiteral("Иванов\r\n"));
}

} // namespace
