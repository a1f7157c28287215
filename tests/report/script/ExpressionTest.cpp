#include "ScriptTestSupport.h"

#include "report/script/TfrxExpressionCache.h"

#include "common/DateValue.h"

namespace {

struct Outcome {
    TfsVariant value;
    QString error;
};

Outcome evaluate(const QString& expression)
{
    TfsScript main;
    TfrxExpressionCache cache;
    Outcome outcome;
    outcome.value = cache.Calc(expression, &main, outcome.error);
    return outcome;
}

struct ValueCase {
    const char* expression;
    TfsVariant expected;
};

void expectValues(std::initializer_list<ValueCase> cases)
{
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.expression);
        const Outcome outcome = evaluate(QString::fromUtf8(c.expression));
        EXPECT_EQ(outcome.error, QString());
        EXPECT_EQ(outcome.value, c.expected);
    }
}

struct ErrorCase {
    const char* expression;
    const char* error;
};

void expectErrors(std::initializer_list<ErrorCase> cases)
{
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.expression);
        EXPECT_EQ(evaluate(QString::fromUtf8(c.expression)).error, QString::fromUtf8(c.error));
    }
}

TfsVariant date(int year, int month, int day)
{
    return TfsVariant::FromDate(dateToValue(QDate(year, month, day)));
}

} // namespace

TEST(ScriptExpression, OperatorsBindByPrecedenceLowestFirst)
{
    expectValues({
        {"1 + 2 * 3", 7},
        {"(1 + 2) * 3", 9},
        {"10 - 4 - 3", 3},
        {"-2 * 3", -6},
        {"-(2 + 3) * 2", -10},
        {"2 * 3 mod 4", 2},
        {"1 + 2 = 3", true},
        {"1 < 2 = True", true},
        {"not True or True", true},
        {"not (True or True)", false},
        {"True or False and False", true},
        {"5 div 2", 2},
        {"-7 mod 3", -1},
        {"7 / 2", 3.5},
        {"6 / 3", 2.0},
        {"3 and 5", 1},
        {"3 or 4", 7},
        {"3 xor 1", 2},
        {"not 0", -1},
        {"1 shl 4", 16},
        {"256 shr 4", 16},
        {"True xor True", false},
        {"9223372036854775807 + 1", 9223372036854775808.0},
        {"2.5 * 2", 5.0},
    });
}

TEST(ScriptExpression, LiteralsFollowTheLexicalRules)
{
    expectValues({
        {"'It''s'", "It's"},
        {"''''", "'"},
        {"''", ""},
        {"'a' + 'b'", "ab"},
        {"#65#66", "AB"},
        {"'x'#13#10'y'", "x\r\ny"},
        {"#$41'b'", "Ab"},
        {"'Иванов'", "Иванов"},
        {"$FF", 255},
        {"$10 + 1", 17},
        {"1.5e2", 150.0},
        {"1 { a comment } + 2", 3},
        {"1 (* another *) + 2", 3},
        {"1 + // to the end of the line\n 2", 3},
        {"TRUE AND true", true},
    });
}

TEST(ScriptExpression, ComparisonsWorkOnNumbersStringsDatesAndNull)
{
    expectValues({
        {"3 >= 3", true},
        {"3 <> 4", true},
        {"2.5 > 2", true},
        {"'abc' = 'abc'", true},
        {"'abc' = 'ABC'", false},
        {"'a' < 'b'", true},
        {"'10' = 10", true},
        {"Null = Null", true},
        {"Null = 0", false},
        {"Null < 1", true},
        {"EncodeDate(2026, 1, 2) > EncodeDate(2026, 1, 1)", true},
        {"True > False", true},
    });
}

TEST(ScriptExpression, SetsAndInTestMembership)
{
    expectValues({
        {"3 in [1, 3, 5]", true},
        {"4 in [1..3, 5]", false},
        {"2 in [1..3, 5]", true},
        {"'b' in ['a'..'c']", true},
        {"2 in []", false},
        {"not (7 in [1, 2])", true},
    });
}

TEST(ScriptExpression, VariantsMixAsThePlatformDoes)
{
    expectValues({
        {"'10' + 5", 15},
        {"'1,5' + 1", 2.5}, // the locale's decimal separator
        {"Null + 1", TfsVariant::Null()},
        {"'a' + Null", TfsVariant::Null()},
        {"True + 1", 0}, // True counts as -1
        {"EncodeDate(2026, 12, 10) + 1", date(2026, 12, 11)},
        {"EncodeDate(2026, 12, 10) - EncodeDate(2026, 12, 1)", 9.0},
        {"Integer('12')", 12},
        {"String(12)", "12"},
    });
}

TEST(ScriptExpression, LibraryFunctionsBehaveAsUsual)
{
    expectValues({
        {"IntToStr(42)", "42"},
        {"FloatToStr(1.5)", "1,5"},
        {"FloatToStr(1e20)", "1E20"},
        {"BoolToStr(True)", "True"},
        {"VarToStr(Null)", ""},
        {"StrToInt('$1F')", 31},
        {"StrToInt(' -12 ')", -12},
        {"StrToInt64('9000000000')", 9000000000LL},
        {"StrToFloat('2,5')", 2.5},
        {"StrToBool('false')", false},
        {"StrToDate('10.12.2026')", date(2026, 12, 10)},
        {"StrToDate('1.2.26')", date(2026, 2, 1)},
        {"StrToTime('12:30') = EncodeTime(12, 30, 0, 0)", true},
        {"StrToDateTime('10.12.2026 12:30:15') = EncodeDate(2026, 12, 10) + EncodeTime(12, 30, 15, 0)", true},
        {"ValidInt('12a')", false},
        {"ValidFloat('1,5')", true},
        {"ValidDate('31.02.2026')", false},
        {"Length('абв')", 3},
        {"Copy('Hello', 2, 3)", "ell"},
        {"Copy('Hello', 4, 10)", "lo"},
        {"Copy('Hello', 9, 1)", ""},
        {"Pos('l', 'Hello')", 3},
        {"Pos('z', 'Hello')", 0},
        {"DeleteStr('abcdef', 2, 3)", "aef"},
        {"Uppercase('abcя')", "ABCЯ"},
        {"Lowercase('ABC')", "abc"},
        {"Trim('  x ')", "x"},
        {"NameCase('иванов иван')", "Иванов Иван"},
        {"CompareText('abc', 'ABC')", 0},
        {"CompareText('a', 'b') < 0", true},
        {"Chr(65)", "A"},
        {"Ord('A')", 65},
        {"Ord(True)", 1},
        {"Round(2.5)", 2},
        {"Round(3.5)", 4},
        {"Round(-2.5)", -2},
        {"Trunc(-2.7)", -2},
        {"Int(2.7)", 2.0},
        {"Frac(2.5)", 0.5},
        {"Abs(-3)", 3},
        {"Abs(-2.5)", 2.5},
        {"Sqrt(16)", 4.0},
        {"Exp(0)", 1.0},
        {"Ln(1)", 0.0},
        {"Sin(0) + Cos(0) + ArcTan(0) + Tan(0)", 1.0},
        {"Pi > 3.14159", true},
        {"Random < 1", true},
        {"Format('%d-%s', [5, 'x'])", "5-x"},
        {"Format('%.2f', [3.14159])", "3,14"},
        {"Format('%5d|%-3s|', [42, 'a'])", "   42|a  |"},
        {"Format('%x %.4d %%', [255, 7])", "FF 0007 %"},
        {"FormatFloat('0.00', 3.14159)", "3,14"},
        {"FormatDateTime('dd.mm.yyyy', EncodeDate(2026, 12, 10))", "10.12.2026"},
        {"FormatMaskText('!(999) 000-00-00;0;_', '9161234567')", "(916) 123-45-67"},
        {"EncodeDate(2026, 12, 10)", date(2026, 12, 10)},
        {"DateToStr(EncodeDate(2026, 12, 10))", "10.12.2026"},
        {"TimeToStr(EncodeTime(9, 5, 3, 0))", "09:05:03"},
        {"DateTimeToStr(EncodeDate(2026, 12, 10) + EncodeTime(9, 5, 3, 0))", "10.12.2026 09:05:03"},
        {"DayOfWeek(EncodeDate(2026, 12, 10))", 5}, // a Thursday; Sunday is 1
        {"IsLeapYear(2024)", true},
        {"IsLeapYear(1900)", false},
        {"DaysInMonth(2024, 2)", 29},
        {"Date = Trunc(Now)", true},
        {"Time < 1", true},
        {"ExtractFilePath('C:\\dir\\file.txt')", "C:\\dir\\"},
        {"ExtractFilePath('file.txt')", ""},
        {"VarType(1)", static_cast<int>(varInteger)},
        {"VarType(9000000000)", static_cast<int>(varInt64)},
        {"VarType('a')", static_cast<int>(varString)},
        {"VarType(1.5)", static_cast<int>(varDouble)},
        {"VarType(Null) = varNull", true},
        {"VarType(Date) = varDate", true},
        {"Length(VarArrayCreate([0, 4], varInteger))", 5},
        {"varByRef", 0x4000},
    });
}

TEST(ScriptExpression, RunTimeErrorsCarryThePlatformsMessages)
{
    expectErrors({
        {"1 / 0", "Floating point division by zero"},
        {"0 / 0", "Invalid floating point operation"},
        {"1 div 0", "Division by zero"},
        {"5 mod 0", "Division by zero"},
        {"'a' + 1", "Could not convert variant of type (String) into type (Double)"},
        {"Null * 'a' + Length(Null)", "Could not convert variant of type (Null) into type (String)"},
        {"StrToInt('x')", "'x' is not a valid integer value"},
        {"StrToFloat('1.5')", "'1.5' is not a valid floating point value"},
        {"StrToDate('32.01.2026')", "'32.01.2026' is not a valid date"},
        {"StrToBool('maybe')", "'maybe' is not a valid boolean value"},
        {"EncodeDate(2026, 13, 1)", "Invalid argument to date encode"},
        {"EncodeTime(25, 0, 0, 0)", "Invalid argument to time encode"},
        {"EncodeDate(2026, 4294967297, 1)", "Invalid argument to date encode"},
        {"DateToStr(1e300)", "Invalid date value"},
        {"FormatDateTime('yyyy', -1e9)", "Invalid date value"},
        {"Format('%d', ['x'])", "Format '%d' invalid or incompatible with argument"},
        {"Format('%d %d', [1])", "No argument for format '%d'"},
        {"Sqrt(-1)", "Invalid floating point operation"},
        {"Ln(0)", "Invalid floating point operation"},
        {"Exp(1000)", "Floating point overflow"},
        {"RaiseException('Нет данных')", "Нет данных"},
        {"VarArrayCreate([0, 2], varInteger)[3]", "Variant or safe array index out of bounds"},
        {"Copy('abc', 1, 1)[2]", "Variant or safe array index out of bounds"},
        {"IntToStr(1).Length", "Strings do not have properties or methods"},
        {"'a' in 5", "Invalid variant operation"},
    });
}

TEST(ScriptExpression, CompileErrorsNameTheExpressionAndTheMessage)
{
    expectErrors({
        {"", "Error in expression '': Expression expected"},
        {"x", "Error in expression 'x': Undeclared identifier: 'x'"},
        {"1 +", "Error in expression '1 +': Expression expected"},
        {"(1 + 2", "Error in expression '(1 + 2': ')' expected"},
        {"[1, 2", "Error in expression '[1, 2': ']' expected"},
        {"'abc", "Error in expression ''abc': Expression expected"},
        {"IntToStr()", "Error in expression 'IntToStr()': Not enough actual parameters"},
        {"IntToStr(1, 2)", "Error in expression 'IntToStr(1, 2)': Too many actual parameters"},
        {"Integer", "Error in expression 'Integer': Expression expected"},
        {"2 * -3", "Error in expression '2 * -3': Expression expected"},
        {"<abc", "Error in expression '<abc': '>' expected"},
        {"<abc>", "Error in expression '<abc>': Undeclared identifier: 'Get'"},
        {"1 is Integer", "Error in expression '1 is Integer': Class type required"},
        {"1 // the rest of the program is a comment",
         "Error in expression '1 // the rest of the program is a "
         "comment': 'END' expected"},
    });
}

TEST(ScriptExpression, IdentifiersBeyondAsciiNeedTheExtendedCharset)
{
    TfsScript main;
    main.AddVariable(QStringLiteral("Сумма"), QStringLiteral("Integer"), 5);
    TfrxExpressionCache cache; // report scripts and the cache allow them
    QString error;
    EXPECT_EQ(cache.Calc(QStringLiteral("Сумма * 2"), &main, error), TfsVariant(10));
    EXPECT_EQ(error, QString());

    main.SetLines({QStringLiteral("begin Сумма := 1 end.")});
    EXPECT_FALSE(main.Compile());
    EXPECT_EQ(main.GetErrorMsg(), QStringLiteral("Statement expected"));
}
