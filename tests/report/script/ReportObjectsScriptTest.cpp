#include "report/model/TfrxReportScriptBinding.h"

#include "common/Exception.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QBuffer>

#include <gtest/gtest.h>
#include <ostream>

namespace {

// A report of one page with one memo, its script prepared.
class ReportObjectsTest : public ::testing::Test {
protected:
    ReportObjectsTest()
    {
        page = new TfrxReportPage(&report);
        page->SetName(QStringLiteral("Page1"));
        page->SetPaperWidth(148);
        memo = new TfrxMemoView(page);
        memo->SetName(QStringLiteral("Memo1"));
        memo->SetBounds(10, 20, 100, 30);
        memo->SetText(QStringLiteral("Иванов"));
        memo->GetFont()->SetSize(12);
    }

    void prepare(const QStringList& scriptText = {QStringLiteral("begin"), QString(), QStringLiteral("end.")})
    {
        report.SetScriptText(scriptText);
        ASSERT_TRUE(report.GetScript().PrepareScript()) << report.GetErrors().join(u'\n').toStdString();
    }

    QString errorOf(const QString& expression)
    {
        try {
            report.Calc(expression);
        } catch (const Exception& error) {
            return error.message();
        }
        return QStringLiteral("no error");
    }

    TfrxReport report;
    TfrxReportPage* page = nullptr;
    TfrxMemoView* memo = nullptr;
};

struct ReadCase {
    const char* expression;
    TfsVariant expected;
};

void PrintTo(const ReadCase& testCase, std::ostream* out)
{
    *out << testCase.expression;
}

class ReportObjectReadTest : public ReportObjectsTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReportObjectReadTest, ExpressionsReachPublishedProperties)
{
    prepare();
    EXPECT_EQ(VarToStr(report.Calc(QString::fromLatin1(GetParam().expression))),
              VarToStr(GetParam().expected));
    EXPECT_TRUE(report.GetErrors().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Reads, ReportObjectReadTest,
                         ::testing::Values(ReadCase{"Memo1.Text", QStringLiteral("Иванов\r\n")},
                                           ReadCase{"memo1.text + '!'", QStringLiteral("Иванов\r\n!")},
                                           ReadCase{"Memo1.Memo", QStringLiteral("Иванов\r\n")},
                                           ReadCase{"Memo1.Left + Memo1.Top", TfsVariant(30.0)},
                                           ReadCase{"Memo1.Font.Size", TfsVariant(12)},
                                           ReadCase{"Memo1.Name", QStringLiteral("Memo1")},
                                           ReadCase{"Memo1.AllowExpressions", TfsVariant(true)},
                                           ReadCase{"Page1.PaperWidth", TfsVariant(148.0)},
                                           ReadCase{"(Page1.Width > 400) and (Page1.Width < 560)",
                                                    TfsVariant(true)},
                                           ReadCase{"Memo1 is TfrxView", TfsVariant(true)},
                                           ReadCase{"Memo1 is TfrxPictureView", TfsVariant(false)},
                                           ReadCase{"Report.ScriptLanguage", QStringLiteral("PascalScript")},
                                           ReadCase{"Report.EngineOptions.DoublePass", TfsVariant(false)},
                                           ReadCase{"Memo1.FlowTo = nil", TfsVariant(true)}));

TEST_F(ReportObjectsTest, TheCertificateScriptCompilesToNothingToRun)
{
    ASSERT_TRUE(report.GetScript().PrepareScript());
    EXPECT_EQ(report.GetScript().GetReportScript().GetScript().GetStatementCount(), 0);
    EXPECT_TRUE(report.GetErrors().isEmpty());
}

TEST_F(ReportObjectsTest, TheScriptChangesObjectsThroughTheirProperties)
{
    prepare({QStringLiteral("begin"), QStringLiteral("  Memo1.Visible := False;"),
             QStringLiteral("  Memo1.Text := 'Петров' + #13#10 + 'Пётр';"),
             QStringLiteral("  Memo1.Font.Size := Memo1.Font.Size + 2;"),
             QStringLiteral("  Memo1.HAlign := 2;"), QStringLiteral("end.")});
    report.GetScript().GetReportScript().GetScript().Execute();
    EXPECT_FALSE(memo->GetVisible());
    EXPECT_EQ(memo->GetMemo(), (QStringList{QStringLiteral("Петров"), QStringLiteral("Пётр")}));
    EXPECT_EQ(memo->GetFont()->GetSize(), 14);
    EXPECT_EQ(memo->GetHAlign(), haCenter);
}

TEST_F(ReportObjectsTest, ReferencesAndNestedObjectsAreAssignedFromOtherObjects)
{
    auto* second = new TfrxMemoView(page);
    second->SetName(QStringLiteral("Memo2"));
    second->GetFont()->SetName(QStringLiteral("Tahoma"));
    prepare({QStringLiteral("begin"), QStringLiteral("  Memo1.FlowTo := Memo2;"),
             QStringLiteral("  Memo1.Font := Memo2.Font;"), QStringLiteral("end.")});
    report.GetScript().GetReportScript().GetScript().Execute();
    EXPECT_EQ(memo->GetFlowTo(), second);
    EXPECT_EQ(memo->GetFont()->GetName(), QStringLiteral("Tahoma"));
    EXPECT_EQ(VarToStr(report.Calc(QStringLiteral("Memo1.FlowTo.Name"))), QStringLiteral("Memo2"));
}

// Templates are untrusted: whatever a script asks of an object ends in an error text.
TEST_F(ReportObjectsTest, WrongUsesOfObjectsAreErrors)
{
    prepare();
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Nothing")), QStringLiteral("Undeclared identifier: 'Nothing'"));
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Left(1)")), QStringLiteral("Too many actual parameters"));
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Text.Length")),
              QStringLiteral("Strings do not have properties or methods"));
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Left.X")), QStringLiteral("Class type required"));
    report.SetScriptText({QStringLiteral("begin Memo1.Font := 5 end.")});
    ASSERT_TRUE(report.GetScript().PrepareScript());
    EXPECT_THROW(report.GetScript().GetReportScript().GetScript().Execute(), Exception);
    report.SetScriptText({QStringLiteral("begin Memo1.Name := 'Page1' end.")});
    ASSERT_TRUE(report.GetScript().PrepareScript());
    EXPECT_THROW(report.GetScript().GetReportScript().GetScript().Execute(), Exception);
    EXPECT_EQ(memo->GetName(), QStringLiteral("Memo1"));
    for (const char* statement : {"Memo1.Width := 1e308 * 10", "Memo1.GapX := -1e308 * 10"}) {
        report.SetScriptText({QStringLiteral("begin %1 end.").arg(QLatin1String(statement))});
        ASSERT_TRUE(report.GetScript().PrepareScript());
        EXPECT_THROW(report.GetScript().GetReportScript().GetScript().Execute(), Exception) << statement;
    }
    EXPECT_EQ(memo->GetWidth(), 100);
    EXPECT_EQ(memo->GetGapX(), 2);
}

// Names of files and folders stay as the host set them: no script makes the report reach a file.
TEST_F(ReportObjectsTest, PropertiesNamingFilesCannotBeChangedByScripts)
{
    prepare();
    const QString iniFile = report.GetIniFile();
    for (const char* statement :
         {"Report.IniFile := '/tmp/x.ini'", "Report.EngineOptions.TempDir := '/tmp'"}) {
        report.SetScriptText({QStringLiteral("begin %1 end.").arg(QLatin1String(statement))});
        ASSERT_TRUE(report.GetScript().PrepareScript());
        try {
            report.GetScript().GetReportScript().GetScript().Execute();
            ADD_FAILURE() << statement;
        } catch (const Exception& error) {
            EXPECT_EQ(error.message(), QStringLiteral("Left side cannot be assigned to"));
        }
    }
    EXPECT_EQ(report.GetIniFile(), iniFile);
    EXPECT_TRUE(report.GetEngineOptions()->GetTempDir().isEmpty());
    EXPECT_EQ(VarToStr(report.Calc(QStringLiteral("Report.IniFile"))), iniFile);
}

TEST_F(ReportObjectsTest, AnObjectDestroyedAfterPreparingIsAnErrorNotACrash)
{
    prepare();
    EXPECT_EQ(VarToStr(report.Calc(QStringLiteral("Memo1.Font.Size"))), QStringLiteral("12"));
    delete memo;
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Text")), QStringLiteral("The report object no longer exists"));
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Font.Size")),
              QStringLiteral("The report object no longer exists"));
}

TEST_F(ReportObjectsTest, InheritedAndUnnamedObjectsAreNotRegistered)
{
    memo->SetIsAncestor(true);
    new TfrxMemoView(page);
    prepare();
    EXPECT_EQ(errorOf(QStringLiteral("Memo1.Text")),
              QStringLiteral("Error in expression 'Memo1.Text': Undeclared identifier: 'Memo1'"));
}

TEST_F(ReportObjectsTest, CaseSensitiveExpressionsOfTheReportKeyTheCache)
{
    prepare();
    report.Calc(QStringLiteral("Memo1.Left"));
    report.Calc(QStringLiteral("MEMO1.LEFT"));
    EXPECT_EQ(report.GetScript().GetExpressionCache().GetCount(), 1);
    report.SetCaseSensitiveExpressions(true);
    prepare();
    report.Calc(QStringLiteral("Memo1.Left"));
    report.Calc(QStringLiteral("MEMO1.LEFT"));
    EXPECT_EQ(report.GetScript().GetExpressionCache().GetCount(), 2);
}

TEST_F(ReportObjectsTest, CaseSensitiveExpressionsIsKeptByTemplates)
{
    report.SetCaseSensitiveExpressions(true);
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    report.SaveToStream(buffer);
    EXPECT_TRUE(buffer.data().contains("CaseSensitiveExpressions=\"True\""));
    TfrxReport loaded;
    buffer.seek(0);
    loaded.LoadFromStream(buffer);
    EXPECT_TRUE(loaded.GetCaseSensitiveExpressions());
    loaded.Clear();
    EXPECT_FALSE(loaded.GetCaseSensitiveExpressions());
}

} // namespace
