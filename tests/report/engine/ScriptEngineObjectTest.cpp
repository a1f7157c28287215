#include "PreparedReportSupport.h"

#include "report/engine/TfrxOutline.h"
#include "report/model/TfrxCustomEngine.h"

#include <gtest/gtest.h>

namespace {

QString preparedText(TfrxReport& report, int page, const QString& memo)
{
    auto* prepared = dynamic_cast<TfrxMemoView*>(report.GetPreviewPages()->GetPage(page)->FindObject(memo));
    return prepared ? prepared->GetText().trimmed() : QStringLiteral("<missing>");
}

} // namespace

// The page of generatedReport is A5 with 5 mm margins: 200 mm of printable height.
TEST(ScriptEngineObjectTest, ExpressionsReadTheStateOfTheRun)
{
    struct Case {
        bool doublePass;
        QString expected;
    };
    for (const Case& c :
         {Case{false, QStringLiteral("True 0 756 0")}, Case{true, QStringLiteral("True 2 756 0")}}) {
        auto report = generatedReport(1, 2);
        report->GetEngineOptions()->SetDoublePass(c.doublePass);
        memoNamed(*report, QStringLiteral("Memo1"))
            .SetText(QStringLiteral("[Engine.FinalPass] [Engine.TotalPages] [Round(Engine.PageHeight)] "
                                    "[Engine.CurY]"));
        ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
        ASSERT_EQ(report->GetPreviewPages()->GetCount(), 2);
        EXPECT_EQ(preparedText(*report, 1, QStringLiteral("Memo1")), c.expected) << c.doublePass;
    }
}

TEST(ScriptEngineObjectTest, TheFirstPassIsSeenAsNotFinal)
{
    auto report = generatedReport(1, 1);
    report->GetEngineOptions()->SetDoublePass(true);
    report->SetScriptText({QStringLiteral("var Passes: String;"),
                           QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
                           QStringLiteral("begin Passes := Passes + BoolToStr(Engine.FinalPass);"),
                           QStringLiteral("Memo1.Text := Passes end;"), QStringLiteral("begin end.")});
    memoNamed(*report, QStringLiteral("Memo1")).SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedText(*report, 0, QStringLiteral("Memo1")), QStringLiteral("FalseTrue"));
}

TEST(ScriptEngineObjectTest, StopReportEndsTheRunWithThePagesMadeSoFar)
{
    auto report = generatedReport(1, 5);
    report->SetScriptText(
        {QStringLiteral("var Printed: Integer;"),
         QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
         QStringLiteral("begin Printed := Printed + 1; if Printed = 2 then Engine.StopReport end;"),
         QStringLiteral("begin Printed := 0 end.")});
    memoNamed(*report, QStringLiteral("Memo1")).SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
    EXPECT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 2);
    EXPECT_TRUE(report->GetTerminated());
}

TEST(ScriptEngineObjectTest, WritingAReadOnlyStateIsAnError)
{
    auto report = generatedReport(1, 1);
    report->SetScriptText({QStringLiteral("begin Engine.TotalPages := 3 end.")});
    EXPECT_FALSE(report->PrepareReport());
    ASSERT_EQ(report->GetErrors().size(), 1);
    EXPECT_TRUE(report->GetErrors().first().contains(QStringLiteral("Left side cannot be assigned to")))
        << report->GetErrors().first().toStdString();
}

TEST(ScriptEngineObjectTest, TheScriptMovesTheOutputPosition)
{
    auto report = generatedReport(1, 1);
    report->SetScriptText({QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
                           QStringLiteral("begin Engine.CurY := Engine.CurY + 12.5;"),
                           QStringLiteral("Memo1.Text := IntToStr(Round(Engine.CurY * 10)) end;"),
                           QStringLiteral("begin end.")});
    memoNamed(*report, QStringLiteral("Memo1")).SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedText(*report, 0, QStringLiteral("Memo1")), QStringLiteral("125"));
}

TEST(ScriptEngineObjectTest, TheScriptAddsOutlineEntriesAtTheCurrentPosition)
{
    auto report = generatedReport(1, 2);
    report->SetScriptText(
        {QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
         QStringLiteral("begin Engine.CurY := 40; Outline.AddItem('Page ' + IntToStr(<Page#>));"),
         QStringLiteral("Outline.LevelRoot; Memo1.Text := IntToStr(Outline.Count) end;"),
         QStringLiteral("begin end.")});
    memoNamed(*report, QStringLiteral("Memo1")).SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
    ASSERT_TRUE(report->PrepareReport()) << report->GetErrors().join(u'\n').toStdString();
    EXPECT_EQ(preparedText(*report, 1, QStringLiteral("Memo1")), QStringLiteral("2"));
    TfrxOutline& outline = *report->GetPreviewPages()->GetOutline();
    outline.LevelRoot();
    ASSERT_EQ(outline.GetCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(outline.GetItem(i).Text, QStringLiteral("Page %1").arg(i + 1));
        EXPECT_EQ(outline.GetItem(i).Page, i);
        EXPECT_EQ(outline.GetItem(i).Top, 40);
    }
}

TEST(ScriptEngineObjectTest, ABadOutlineLevelIsAnError)
{
    auto report = generatedReport(1, 1);
    report->SetScriptText({QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
                           QStringLiteral("begin Outline.LevelDown(3) end;"), QStringLiteral("begin end.")});
    memoNamed(*report, QStringLiteral("Memo1")).SetOnBeforePrint(QStringLiteral("Memo1OnBeforePrint"));
    EXPECT_FALSE(report->PrepareReport());
    ASSERT_EQ(report->GetErrors().size(), 1);
    EXPECT_TRUE(report->GetErrors().first().contains(QStringLiteral("Index out of bounds")))
        << report->GetErrors().first().toStdString();
}
