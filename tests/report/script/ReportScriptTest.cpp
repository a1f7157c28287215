#include "ScriptTestSupport.h"

#include "report/script/TfrxReportScript.h"

#include "common/Exception.h"

namespace {

const QStringList kCertificateScript{QStringLiteral("begin"), QString(), QStringLiteral("end.")};

class ReportScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.systemVariables[QStringLiteral("Page#")] = 3;
        memo.properties[QStringLiteral("text")] = QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ");
        ASSERT_TRUE(Prepare(kCertificateScript));
    }

    bool Prepare(const QStringList& scriptText)
    {
        return script.PrepareScript({{QStringLiteral("Memo1"), &memo}, {QStringLiteral("Report"), &report}},
                                    scriptText, QStringLiteral("PascalScript"));
    }

    // The value, or the text of the raised error.
    QString CalcText(const QString& expression)
    {
        try {
            return VarToStr(script.Calc(expression));
        } catch (const Exception& error) {
            return QStringLiteral("raised: ") + error.message();
        }
    }

    FakeHost host;
    FakeObject memo{QStringLiteral("TfrxMemoView")};
    FakeObject report{QStringLiteral("TfrxReport")};
    TfrxReportScript script{host};
};

} // namespace

TEST_F(ReportScriptTest, TheCertificateScriptPreparesWithNothingToRun)
{
    EXPECT_EQ(script.GetScript().GetStatementCount(), 0);
    EXPECT_EQ(host.errors, QStringList());
    for (const char* name :
         {"Memo1", "Report", "Value", "Self", "Get", "Set", "IIF", "SUM", "AVG", "MIN", "MAX", "COUNT"})
        EXPECT_NE(script.GetScript().FindLocal(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(ReportScriptTest, PreparingAgainReplacesTheReportsItems)
{
    ASSERT_TRUE(Prepare({QStringLiteral("var Counter: Integer; begin Counter := 1 end.")}));
    ASSERT_TRUE(Prepare({QStringLiteral("var Counter: Integer; begin Counter := 2 end.")}));
    EXPECT_EQ(script.GetScript().GetStatementCount(), 1);
    EXPECT_EQ(host.errors, QStringList());
}

TEST_F(ReportScriptTest, AScriptCompileErrorIsRecordedWithItsPosition)
{
    EXPECT_FALSE(Prepare({QStringLiteral("begin"), QStringLiteral("  Memo1.Text := 'x'"),
                          QStringLiteral("  y"), QStringLiteral("end.")}));
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Script error at 3:3: ';' expected")});
}

TEST_F(ReportScriptTest, PageNumberIsAnsweredWithoutCompiling)
{
    EXPECT_EQ(script.Calc(QStringLiteral("Page#")), TfsVariant(3));
    EXPECT_EQ(script.Calc(QStringLiteral("page#")), TfsVariant(3));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 0);
    EXPECT_EQ(host.systemVariableQueries, QStringList({"Page#", "Page#"}));

    EXPECT_EQ(
        CalcText(QStringLiteral("Page# + 1")),
        QStringLiteral("raised: Memo1: Error in expression 'Page# + 1': Undeclared identifier: 'Page'"));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 0); // compiled, failed, not kept
    EXPECT_EQ(script.Calc(QStringLiteral("<Page#> + 1")), TfsVariant(4));
    EXPECT_EQ(script.Calc(QStringLiteral("Get('Page#') * 2")), TfsVariant(6));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 2);
}

TEST_F(ReportScriptTest, TheEmptyExpressionFailsAsTheFirstFunction)
{
    EXPECT_EQ(CalcText(QString()),
              QStringLiteral("raised: Memo1: Error in expression '': Expression expected"));
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Memo1: Error in expression '': Expression expected")});
    EXPECT_EQ(script.Calc(QStringLiteral("1 + 1")), TfsVariant(2));
    EXPECT_NE(script.GetExpressionCache().GetScript().FindLocal(QStringLiteral("fr3f0")), nullptr);
}

TEST_F(ReportScriptTest, AnUndeclaredNameIsAnExpressionErrorNamingTheObject)
{
    EXPECT_EQ(CalcText(QStringLiteral("x")),
              QStringLiteral("raised: Memo1: Error in expression 'x': Undeclared identifier: 'x'"));
    host.currentObject.clear();
    EXPECT_EQ(CalcText(QStringLiteral("x")),
              QStringLiteral("raised: Error in expression 'x': Undeclared identifier: 'x'"));
    EXPECT_EQ(host.errors.size(), 2);
}

TEST_F(ReportScriptTest, EqualTextsShareOneCompiledFunction)
{
    script.Calc(QStringLiteral("IntToStr(5)"));
    script.Calc(QStringLiteral("IntToStr(5)"));
    script.Calc(QStringLiteral("INTTOSTR(5)"));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 1);
    script.Calc(QStringLiteral("IntToStr( 5 )")); // the text is the key, blanks included
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 2);
    // Letter case inside string literals is part of the value, never shared away.
    EXPECT_EQ(script.Calc(QStringLiteral("'Да'")), TfsVariant(QStringLiteral("Да")));
    EXPECT_EQ(script.Calc(QStringLiteral("'ДА'")), TfsVariant(QStringLiteral("ДА")));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 4);
}

TEST_F(ReportScriptTest, CaseSensitiveExpressionsCompileEachSpelling)
{
    host.caseSensitive = true;
    ASSERT_TRUE(Prepare(kCertificateScript));
    script.Calc(QStringLiteral("IntToStr(5)"));
    script.Calc(QStringLiteral("INTTOSTR(5)"));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 2);
}

TEST_F(ReportScriptTest, PreparingEmptiesTheCache)
{
    script.Calc(QStringLiteral("1 + 2"));
    ASSERT_TRUE(Prepare(kCertificateScript));
    EXPECT_EQ(script.GetExpressionCache().GetCount(), 0);
    EXPECT_EQ(script.Calc(QStringLiteral("1 + 2")), TfsVariant(3));
}

TEST_F(ReportScriptTest, DivisionByZeroIsIgnoredOnlyWhenAsked)
{
    EXPECT_EQ(CalcText(QStringLiteral("1 / 0")),
              QStringLiteral("raised: Memo1: Floating point division by zero"));
    host.ignoreDevByZero = true;
    EXPECT_TRUE(script.Calc(QStringLiteral("1 / 0")).IsEmpty());
    EXPECT_EQ(CalcText(QStringLiteral("1 div 0")), QStringLiteral("raised: Memo1: Division by zero"));
    EXPECT_EQ(host.errors,
              QStringList({"Memo1: Division by zero", "Memo1: Floating point division by zero"}));
}

TEST_F(ReportScriptTest, TheDesignerGetsItsOwnPrefixAndNoRecordedError)
{
    try {
        script.CalcInDesigner(QStringLiteral("x"));
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(
            error.message(),
            QStringLiteral("Error in Calc expression: Error in expression 'x': Undeclared identifier: 'x'"));
    }
    EXPECT_EQ(host.errors, QStringList());
}

TEST_F(ReportScriptTest, NamesInAngleBracketsAreLookedUpInOrder)
{
    host.dataFields[QStringLiteral("Students.Name")] = QStringLiteral("Петров");
    host.variables = {{QStringLiteral("Total"), QStringLiteral("2 * 3")},
                      {QStringLiteral("Note"), QStringLiteral("line 1\nline 2")},
                      {QStringLiteral("Blank"), QString()},
                      {QStringLiteral(" Category"), 7}};
    host.globals = {{QStringLiteral("Total"), 99},
                    {QStringLiteral("Company"), QStringLiteral("Школа")},
                    {QStringLiteral("CopyName0"), QStringLiteral("Копия")}};
    EXPECT_EQ(script.Calc(QStringLiteral("<Students.Name>")), TfsVariant(QStringLiteral("Петров")));
    EXPECT_EQ(script.Calc(QStringLiteral("<total> + 1")), TfsVariant(7)); // the report variable, evaluated
    EXPECT_EQ(script.Calc(QStringLiteral("Note")), TfsVariant(QStringLiteral("line 1\nline 2")));
    EXPECT_EQ(script.Calc(QStringLiteral("Blank")), TfsVariant(QString()));
    EXPECT_EQ(script.Calc(QStringLiteral("< Category>")), TfsVariant(7));
    EXPECT_EQ(script.Calc(QStringLiteral("Company")), TfsVariant(QStringLiteral("Школа")));
    EXPECT_EQ(script.Calc(QStringLiteral("CopyName#")), TfsVariant(QStringLiteral("Копия")));
    EXPECT_EQ(script.Calc(QStringLiteral("Memo1.Text")), TfsVariant(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ")));
    EXPECT_EQ(host.errors, QStringList());
}

TEST_F(ReportScriptTest, GetOfAnUnknownNameRecordsAnErrorAndGivesNull)
{
    EXPECT_TRUE(script.Calc(QStringLiteral("<Nothing>")).IsNull());
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Unknown variable or datafield: Nothing")});
}

TEST_F(ReportScriptTest, SetAndValueAndSelfReachTheReport)
{
    script.Calc(QStringLiteral("Set('Counter', 5)"));
    ASSERT_EQ(host.variables.size(), 1);
    EXPECT_EQ(host.variables[0].second, TfsVariant(5));
    script.SetValue(41);
    EXPECT_EQ(script.Calc(QStringLiteral("Value")), TfsVariant(41));
    EXPECT_EQ(script.Calc(QStringLiteral("Value + 1")), TfsVariant(42));
    script.SetSelf(&memo);
    EXPECT_EQ(script.Calc(QStringLiteral("Self.Text")), TfsVariant(QStringLiteral("ИВАНОВ ИВАН ИВАНОВИЧ")));
}

TEST_F(ReportScriptTest, IifEvaluatesOnlyTheChosenText)
{
    EXPECT_EQ(script.Calc(QStringLiteral("IIF(<Page#> = 3, 'third', 1 div 0)")),
              TfsVariant(QStringLiteral("third")));
    EXPECT_EQ(script.Calc(QStringLiteral("IIF(<Page#> = 1, 'first', Undeclared + 1)")), TfsVariant::Null());
    EXPECT_EQ(host.errors,
              QStringList{QStringLiteral(
                  "Memo1: Error in expression 'Undeclared + 1': Undeclared identifier: 'Undeclared'")});
}

TEST_F(ReportScriptTest, AggregatesAreHandedToTheReport)
{
    EXPECT_EQ(script.Calc(QStringLiteral("SUM(<Students.Hours>, MasterData1, 1 + 2)")), TfsVariant(42));
    EXPECT_EQ(script.Calc(QStringLiteral("COUNT()")), TfsVariant(42));
    EXPECT_EQ(script.Calc(QStringLiteral("<SUM(<Students.Hours>)>")), TfsVariant(42)); // through Get
    EXPECT_EQ(host.aggregateCalls,
              QStringList({"SUM|<Students.Hours>|MasterData1|3", "COUNT|||0", "SUM|<Students.Hours>||0"}));
}

TEST_F(ReportScriptTest, EventHandlersOfTheScriptRunThroughCallFunction)
{
    script.GetScript().AddClass(QStringLiteral("TfrxComponent"));
    ASSERT_TRUE(
        Prepare({QStringLiteral("procedure Memo1OnBeforePrint(Sender: TfrxComponent);"),
                 QStringLiteral(
                     "begin Memo1.Text := UpperCase(Copy(Memo1.Text, 1, 6)) + ' ' + IntToStr(<Page#>) end;"),
                 QStringLiteral("begin end.")}));
    QList<TfsVariant> params{TfsVariant::FromObject(&memo)};
    script.GetScript().CallFunction(QStringLiteral("Memo1OnBeforePrint"), params);
    EXPECT_EQ(memo.properties[QStringLiteral("text")], TfsVariant(QStringLiteral("ИВАНОВ 3")));
}
