#include "StoredAttributes.h"

#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

TEST(Memo, ANewMemoHasTheDocumentedDefaults)
{
    TfrxMemoView memo;
    EXPECT_EQ(memo.GetGapX(), 2);
    EXPECT_EQ(memo.GetGapY(), 1);
    EXPECT_EQ(memo.GetLineSpacing(), 2);
    EXPECT_EQ(memo.GetCharSpacing(), 0);
    EXPECT_EQ(memo.GetParagraphGap(), 0);
    EXPECT_TRUE(memo.GetWordWrap());
    EXPECT_TRUE(memo.GetAllowExpressions());
    EXPECT_TRUE(memo.GetClipped());
    EXPECT_TRUE(memo.GetWysiwyg());
    EXPECT_FALSE(memo.GetAutoWidth());
    EXPECT_FALSE(memo.GetWordBreak());
    EXPECT_EQ(memo.GetExpressionDelimiters(), "[,]");
    EXPECT_EQ(memo.GetHAlign(), haLeft);
    EXPECT_EQ(memo.GetVAlign(), vaTop);
    EXPECT_EQ(memo.GetStretchMode(), smDontStretch);
    EXPECT_EQ(memo.GetShiftMode(), smAlways);
    EXPECT_EQ(memo.GetVisibility(), kAllVisibilities);
    EXPECT_TRUE(memo.GetParentFont());
    EXPECT_TRUE(memo.GetFrame()->GetTyp().isEmpty());
    EXPECT_EQ(memo.GetFillType(), ftBrush);
    EXPECT_EQ(memo.GetColor(), clNone);
    EXPECT_EQ(memo.GetHyperlink()->GetValuesSeparator(), ";");
    EXPECT_TRUE(memo.GetMemo().isEmpty());
    EXPECT_EQ(memo.GetfrComponentStyle(), (TfrxComponentStyles{csPreviewVisible, csHandlesNestedProperties}));
}

TEST(Memo, ANewMemoStoresOnlyItsBounds)
{
    TfrxReportPage page;
    auto* memo = new TfrxMemoView(&page);
    EXPECT_EQ(storedAttributes(*memo), (QStringList{"Left", "Top", "Width", "Height"}));
}

TEST(Memo, AMemoWithItsOwnFontStoresTheFontAndParentFont)
{
    TfrxReportPage page;
    auto* memo = new TfrxMemoView(&page);
    memo->SetBounds(30.23623756, 25.45668803, 445.98454, 15.11811024);
    memo->GetFont()->SetCharset(RUSSIAN_CHARSET);
    memo->GetFont()->SetHeight(-11);
    memo->GetFont()->SetName("Times New Roman");
    memo->GetFont()->SetStyle({fsItalic});
    memo->SetHAlign(haCenter);
    EXPECT_EQ(storedAttributes(*memo),
              (QStringList{"Left", "Top", "Width", "Height", "Font.Charset", "Font.Color", "Font.Height",
                           "Font.Name", "Font.Style", "HAlign", "ParentFont"}));
}

namespace {

struct TextCase {
    const char* name;
    QString text;
    QStringList lines;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c)
{
    return out << c.name;
}

class MemoText : public ::testing::TestWithParam<TextCase> {};

} // namespace

TEST_P(MemoText, SplitsIntoLines)
{
    TfrxMemoView memo;
    memo.SetText("previous");
    memo.SetText(GetParam().text);
    EXPECT_EQ(memo.GetMemo(), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoText,
    ::testing::Values(TextCase{"empty", "", {}}, TextCase{"one line", "мемо 1", {"мемо 1"}},
                      TextCase{"LF", "a\nb", {"a", "b"}}, TextCase{"CR LF counts once", "a\r\nb", {"a", "b"}},
                      TextCase{"CR", "a\rb", {"a", "b"}}, TextCase{"final break", "a\r\n", {"a"}},
                      TextCase{"empty line kept", "a\r\n\r\nb", {"a", "", "b"}},
                      TextCase{"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
                      TextCase{"line separator", QString("a") + QChar(0x2028) + "b", {"a", "b"}},
                      TextCase{"CR LF LS counts once", QString("a\r\n") + QChar(0x2028) + "b", {"a", "b"}},
                      TextCase{"NUL ends the text", QString("a") + QChar(0) + "b", {"a"}},
                      TextCase{"NUL first gives nothing", QString(QChar(0)) + "b", {}},
                      TextCase{"lone break", "\n", {""}}));

TEST(Memo, TextJoinsTheLinesEachEndingWithCrLf)
{
    TfrxMemoView memo;
    EXPECT_EQ(memo.GetText(), "");
    memo.SetText("first\nsecond");
    EXPECT_EQ(memo.GetText(), "first\r\nsecond\r\n");
    memo.SetMemo({"x"});
    EXPECT_EQ(memo.GetText(), "x\r\n");
}

TEST(Memo, RotationIsKeptModulo360)
{
    TfrxMemoView memo;
    for (auto [given, kept] : {std::pair{450, 90}, {360, 0}, {-450, -90}, {90, 90}, {-30, -30}}) {
        memo.SetRotation(given);
        EXPECT_EQ(memo.GetRotation(), kept) << given;
    }
}

TEST(Memo, DisplayFormatAndHighlightCreateTheirFirstItem)
{
    TfrxMemoView memo;
    EXPECT_EQ(memo.GetFormatCount(), 0);
    TfrxFormat format;
    format.SetKind(fkNumeric);
    format.SetFormatStr("%2.2f");
    memo.SetDisplayFormat(format);
    ASSERT_EQ(memo.GetFormatCount(), 1);
    EXPECT_EQ(memo.GetDisplayFormat()->GetFormatStr(), "%2.2f");
    EXPECT_EQ(memo.GetFormatCount(), 1);

    EXPECT_EQ(memo.GetHighlight()->GetFont()->GetColor(), clRed);
    EXPECT_TRUE(memo.GetHighlight()->GetApplyFont());
    EXPECT_TRUE(memo.GetHighlight()->GetApplyFill());
    EXPECT_FALSE(memo.GetHighlight()->GetApplyFrame());
    EXPECT_EQ(memo.GetHighlightCount(), 1);
}

TEST(Memo, ASingleFormatAndAHighlightWithAConditionAreStored)
{
    TfrxMemoView memo;
    memo.GetDisplayFormat()->SetKind(fkDateTime);
    memo.GetHighlight()->SetCondition("   ");
    QStringList stored = storedAttributes(memo);
    EXPECT_TRUE(stored.contains("DisplayFormat.Kind"));
    EXPECT_FALSE(stored.contains("Highlight.ApplyFrame")) << "a blank condition is not stored";

    memo.GetHighlight()->SetCondition("<Value> = 0");
    memo.GetHighlight()->SetApplyFrame(true);
    stored = storedAttributes(memo);
    EXPECT_TRUE(stored.contains("Highlight.ApplyFrame"));
    EXPECT_TRUE(stored.contains("Highlight.Condition"));

    memo.AddFormat();
    EXPECT_FALSE(storedAttributes(memo).contains("DisplayFormat.Kind")) << "two formats go to a collection";
}

namespace {

struct StyledReport : ::testing::Test {
    TfrxReport report;
    TfrxReportPage* page = new TfrxReportPage(&report);
    TfrxMemoView* memo = new TfrxMemoView(page);
    TfrxStyleItem* style = report.GetStyles().Add();

    StyledReport()
    {
        style->SetName("Title");
        style->GetFont()->SetName("Tahoma");
        style->GetFrame()->SetTyp({ftBottom});
        style->SetFillType(ftGradient);
    }
};

} // namespace

TEST_F(StyledReport, SettingAStyleAppliesItsFontFrameAndFill)
{
    memo->SetStyle("title");
    EXPECT_EQ(memo->GetStyle(), "title");
    EXPECT_EQ(memo->GetFont()->GetName(), "Tahoma");
    EXPECT_FALSE(memo->GetParentFont());
    EXPECT_EQ(memo->GetFrame()->GetTyp(), TfrxFrameTypes{ftBottom});
    EXPECT_EQ(memo->GetFillType(), ftGradient);
}

TEST_F(StyledReport, TheApplyFlagsChooseWhatAStyleChanges)
{
    style->SetApplyFont(false);
    style->SetApplyFrame(false);
    memo->SetStyle("Title");
    EXPECT_EQ(memo->GetFont()->GetName(), "Arial");
    EXPECT_TRUE(memo->GetFrame()->GetTyp().isEmpty());
    EXPECT_EQ(memo->GetFillType(), ftGradient);
}

TEST_F(StyledReport, AnUnknownStyleIsOnlyStored)
{
    memo->SetStyle("Missing");
    EXPECT_EQ(memo->GetStyle(), "Missing");
    EXPECT_EQ(memo->GetFillType(), ftBrush);
    EXPECT_TRUE(memo->GetParentFont());
}

TEST(Memo, ApplyingAHighlightTakesWhatItsFlagsSayAndItsVisibility)
{
    TfrxMemoView memo;
    TfrxHighlight highlight;
    highlight.SetColor(clGray);
    highlight.GetFrame()->SetTyp({ftLeft});
    highlight.SetVisible(false);
    memo.ApplyHighlight(highlight);
    EXPECT_EQ(memo.GetFont()->GetColor(), clRed);
    EXPECT_EQ(memo.GetColor(), clGray);
    EXPECT_TRUE(memo.GetFrame()->GetTyp().isEmpty()) << "ApplyFrame is off";
    EXPECT_FALSE(memo.GetVisible());
}
