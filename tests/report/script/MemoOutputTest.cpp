#include "report/model/TfrxReportScriptBinding.h"

#include "common/Exception.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

namespace {

// One memo on a page of a prepared report, output the way preparation outputs it.
class MemoOutputTest : public ::testing::Test {
protected:
    MemoOutputTest()
    {
        auto* page = new TfrxReportPage(&report);
        page->SetName(QStringLiteral("Page1"));
        memo = new TfrxMemoView(page);
        memo->SetName(QStringLiteral("Memo1"));
        memo->GetFont()->SetName(QStringLiteral("Tahoma"));
        EXPECT_TRUE(report.GetScript().PrepareScript());
    }

    // The memo's text during its output, and after it.
    QString output(const QString& text)
    {
        memo->SetText(text);
        memo->BeforePrint();
        memo->GetData();
        const QString shown = memo->GetText();
        memo->AfterPrint();
        EXPECT_EQ(memo->GetText(), text + QStringLiteral("\r\n"));
        return shown;
    }

    TfrxReport report;
    TfrxMemoView* memo = nullptr;
};

TEST_F(MemoOutputTest, TheTemplateTextComesBackAfterOutput)
{
    EXPECT_EQ(output(QStringLiteral("[1+1] из [TotalPages#]")), QStringLiteral("2 из [TotalPages#]\r\n"));
    EXPECT_EQ(output(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ")), QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ\r\n"));
}

TEST_F(MemoOutputTest, SelfAndValueAreTheMemoAndItsLastValue)
{
    EXPECT_EQ(output(QStringLiteral("[Self.Name]")), QStringLiteral("Memo1\r\n"));
    output(QStringLiteral("[6*7]"));
    EXPECT_EQ(VarToStr(report.Calc(QStringLiteral("Value"))), QStringLiteral("42"));
}

TEST_F(MemoOutputTest, AnExpressionErrorNamesTheMemoAndTheTextComesBack)
{
    memo->SetText(QStringLiteral("кат. [B"));
    memo->BeforePrint();
    EXPECT_THROW(memo->GetData(), Exception);
    memo->AfterPrint();
    EXPECT_EQ(memo->GetText(), QStringLiteral("кат. [B\r\n"));
    EXPECT_EQ(report.GetErrors(),
              QStringList{QStringLiteral("Memo1: Error in expression '': Expression expected")});
}

TEST_F(MemoOutputTest, TheFirstHighlightThatHoldsIsAppliedForOneOutput)
{
    TfrxHighlight* never = memo->AddHighlight();
    never->SetCondition(QStringLiteral("Value < 0"));
    never->GetFont()->SetColor(0xFF0000);
    memo->AddHighlight(); // no condition: skipped
    TfrxHighlight* big = memo->AddHighlight();
    big->SetCondition(QStringLiteral("Value > 5"));
    big->SetApplyFrame(true);
    big->GetFrame()->SetWidth(3);
    big->SetVisible(false);

    memo->SetText(QStringLiteral("[10]"));
    memo->BeforePrint();
    memo->GetData();
    EXPECT_EQ(memo->GetFont()->GetColor(), clRed);
    EXPECT_EQ(memo->GetFont()->GetName(), QStringLiteral("Arial"));
    EXPECT_EQ(memo->GetFrame()->GetWidth(), 3);
    EXPECT_FALSE(memo->GetVisible());
    memo->AfterPrint();
    EXPECT_EQ(memo->GetFont()->GetName(), QStringLiteral("Tahoma"));
    EXPECT_EQ(memo->GetFont()->GetColor(), clBlack);
    EXPECT_EQ(memo->GetFrame()->GetWidth(), 1);
    EXPECT_TRUE(memo->GetVisible());
    EXPECT_FALSE(memo->GetParentFont());

    output(QStringLiteral("[1]"));
    EXPECT_TRUE(memo->GetVisible());
}

TEST_F(MemoOutputTest, AnInheritedFontStaysInheritedAfterAHighlight)
{
    memo->SetParentFont(true);
    memo->GetHighlight()->SetCondition(QStringLiteral("True"));
    output(QStringLiteral("x"));
    EXPECT_TRUE(memo->GetParentFont());
}

TEST_F(MemoOutputTest, SuppressRepeatedEmptiesATextEqualToThePreviousOne)
{
    memo->SetSuppressRepeated(true);
    EXPECT_EQ(output(QStringLiteral("[2*2]")), QStringLiteral("4\r\n"));
    EXPECT_EQ(output(QStringLiteral("[3+1]")), QString());
    EXPECT_EQ(output(QStringLiteral("5")), QStringLiteral("5\r\n"));
    EXPECT_EQ(output(QStringLiteral("[4]")), QStringLiteral("4\r\n"));
}

TEST_F(MemoOutputTest, TagStrAndHyperlinkAreExpandedForOneOutput)
{
    memo->SetTagStr(QStringLiteral("№[1+2]"));
    memo->GetHyperlink()->SetValue(QStringLiteral("[10 div 3]"));
    memo->BeforePrint();
    memo->GetData();
    EXPECT_EQ(memo->GetTagStr(), QStringLiteral("№3"));
    EXPECT_EQ(memo->GetHyperlink()->GetValue(), QStringLiteral("3"));
    memo->AfterPrint();
    EXPECT_EQ(memo->GetTagStr(), QStringLiteral("№[1+2]"));
    EXPECT_EQ(memo->GetHyperlink()->GetValue(), QStringLiteral("[10 div 3]"));
}

TEST_F(MemoOutputTest, DrawingTimeMacrosAndComponentText)
{
    memo->SetText(QStringLiteral("[TotalPages#] / [TOTALPAGES] / [TotalPages]"));
    memo->SetTotalPages(4);
    EXPECT_EQ(memo->GetComponentText(), QStringLiteral("[TotalPages#] / 4 / [TotalPages]\r\n"));
    memo->ExtractMacros();
    EXPECT_EQ(memo->GetText(), QStringLiteral("4 / [TOTALPAGES] / [TotalPages]\r\n"));
    memo->SetAllowExpressions(false);
    memo->SetText(QStringLiteral("[TotalPages#]"));
    memo->ExtractMacros();
    EXPECT_EQ(memo->GetComponentText(), QStringLiteral("[TotalPages#]\r\n"));
}

TEST(MemoOutsideAReportTest, KeepsItsTextAndGetsADisplayFormat)
{
    TfrxMemoView memo;
    memo.SetText(QStringLiteral("[1+1]"));
    memo.BeforePrint();
    memo.GetData();
    EXPECT_EQ(memo.GetText(), QStringLiteral("[1+1]\r\n"));
    EXPECT_EQ(memo.GetFormatCount(), 1);
}

} // namespace
