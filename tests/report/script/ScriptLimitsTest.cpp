#include "ScriptTestSupport.h"

#include "report/script/ScriptLimits.h"
#include "report/script/TfrxExpressionCache.h"
#include "report/script/TfrxReportScript.h"

#include "common/Exception.h"

// A template is untrusted: whatever its script or expressions do ends with an error, never a crash
// or a hang.

namespace {

QString cacheError(const QString& expression)
{
    TfsScript main;
    TfrxExpressionCache cache;
    QString error;
    try {
        cache.Calc(expression, &main, error);
    } catch (const ScriptLimitError& limit) {
        return QStringLiteral("limit: ") + limit.message();
    }
    return error;
}

QString runError(const QString& program)
{
    TfsScript script;
    script.SetLines({program});
    if (!script.Compile())
        return QStringLiteral("compile: ") + script.GetErrorMsg();
    try {
        script.Execute();
    } catch (const Exception& error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(ScriptLimits, DeepNestingEndsInAnError)
{
    const QString parentheses = QString(100000, u'(') + u'1' + QString(100000, u')');
    EXPECT_TRUE(cacheError(parentheses)
                    .contains(QStringLiteral("Nesting of expressions, statements or calls is too deep")));
    const QString negations = QStringLiteral("not ").repeated(100000) + u'1';
    EXPECT_TRUE(cacheError(negations).contains(QStringLiteral("too deep")));
    const QString blocks = QStringLiteral("begin ").repeated(50000) + QStringLiteral("end ").repeated(50000);
    EXPECT_TRUE(runError(blocks + u'.').contains(QStringLiteral("too deep")));
    // A nesting well inside the limit is fine.
    EXPECT_EQ(cacheError(QString(100, u'(') + u'1' + QString(100, u')')), QString());
}

TEST(ScriptLimits, LongFlatExpressionsEvaluateWithoutNesting)
{
    TfsScript main;
    TfrxExpressionCache cache;
    QString error;
    const QString sum = QStringLiteral("1") + QStringLiteral(" + 1").repeated(200000);
    EXPECT_EQ(cache.Calc(sum, &main, error), TfsVariant(200001));
    EXPECT_EQ(error, QString());
}

TEST(ScriptLimits, HugeTextsAreRefused)
{
    const QString huge = QStringLiteral("1") + QStringLiteral("+1").repeated(kMaxSourceLength / 2);
    EXPECT_TRUE(
        cacheError(huge).endsWith(QStringLiteral("Program text is too long (more than 1000000 characters)")));
}

TEST(ScriptLimits, RunawayLoopsAndRecursionStop)
{
    EXPECT_EQ(runError(QStringLiteral("begin while True do ; end.")),
              QStringLiteral("The script ran too long (more than 1000000 steps)"));
    // An exception handler cannot keep a runaway loop alive.
    EXPECT_EQ(runError(QStringLiteral("begin while True do try while True do ; except end; end.")),
              QStringLiteral("The script ran too long (more than 1000000 steps)"));
    EXPECT_TRUE(runError(QStringLiteral("function F(n: Integer): Integer; begin Result := F(n + 1) end; "
                                        "begin F(0) end."))
                    .contains(QStringLiteral("too deep")));
}

TEST(ScriptLimits, GrowingValuesStop)
{
    EXPECT_TRUE(runError(QStringLiteral("var s: String; begin s := 'x'; while True do s := s + s end."))
                    .startsWith(QStringLiteral("String is too long")));
    EXPECT_TRUE(runError(QStringLiteral("var s: String; begin while True do s := s + 'x' end."))
                    .startsWith(QStringLiteral("The script ran too long")));
    EXPECT_TRUE(runError(QStringLiteral("var s: String; begin SetLength(s, 2000000000) end."))
                    .startsWith(QStringLiteral("String is too long")));
    EXPECT_TRUE(
        runError(QStringLiteral("var a: Variant; begin a := VarArrayCreate([0, 100000000], varVariant) end."))
            .startsWith(QStringLiteral("Variant array is too large")));
    EXPECT_TRUE(
        runError(QStringLiteral("var a: Variant; begin a := VarArrayCreate([0, 9223372036854775807, 0, 1], "
                                "varVariant) end."))
            .startsWith(QStringLiteral("Variant array is too large")));
    EXPECT_TRUE(runError(QStringLiteral("begin Format('%999999999d', [1]) end."))
                    .startsWith(QStringLiteral("String is too long")));
}

TEST(ScriptLimits, EveryEvaluationHasItsOwnBudget)
{
    TfsScript main;
    main.SetLines({QStringLiteral("function Spin(n: Integer): Integer; var i: Integer; "
                                  "begin for i := 1 to n do Result := i end; begin end.")});
    ASSERT_TRUE(main.Compile());
    TfrxExpressionCache cache;
    QString error;
    for (int i = 0; i < 2; ++i) // each below the budget, together above it
        EXPECT_EQ(cache.Calc(QStringLiteral("Spin(600000)"), &main, error), TfsVariant(600000));
    EXPECT_EQ(error, QString());
}

TEST(ScriptLimits, AnExceededLimitInNestedCalcsIsRecordedOnce)
{
    FakeHost host;
    host.variables = {{QStringLiteral("Loop"), QStringLiteral("<Loop> + 1")}};
    TfrxReportScript script(host);
    ASSERT_TRUE(script.PrepareScript({}, {QStringLiteral("begin end.")}, QStringLiteral("PascalScript")));
    EXPECT_THROW(script.Calc(QStringLiteral("Loop")), Exception);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].startsWith(QStringLiteral("Memo1: Nesting of expressions")));
}
