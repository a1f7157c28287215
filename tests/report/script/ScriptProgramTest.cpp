#include "ScriptTestSupport.h"

#include "common/Exception.h"

namespace {
QStringList lines(const char* text)
{
    return QString::fromUtf8(text).split(u'\n');
}
} // namespace

TEST(ScriptProgram, TheCertificateScriptCompilesToAnEmptyMainBlock)
{
    TfsScript script;
    script.SetLines({QStringLiteral("begin"), QString(), QStringLiteral("end.")});
    ASSERT_TRUE(script.Compile());
    EXPECT_EQ(script.GetErrorMsg(), QString());
    EXPECT_EQ(script.GetErrorPos(), QString());
    EXPECT_EQ(script.GetStatementCount(), 0);
    script.Execute();
}

TEST(ScriptProgram, StatementsRoutinesAndLocalsRun)
{
    OutputScript s;
    ASSERT_EQ(s.Run(lines(R"(program Test;
const Limit = 3; Greeting = 'Привет';
var i, total: Integer; name: String; list: array[1..3] of Integer; x, y: Variant;

function Fact(n: Integer): Integer;
begin
  if n <= 1 then Result := 1 else Result := n * Fact(n - 1)
end;

procedure Swap(var a, b: Variant);
var t: Variant;
begin
  t := a; a := b; b := t
end;

function Describe(n: Integer; suffix: String = '!'): String;
begin
  case n of
    0: Result := 'zero';
    1, 2: Result := 'small';
    3..9: Result := 'digit'
  else
    Result := 'big'
  end;
  Result := Result + suffix
end;

begin
  total := 0;
  for i := 1 to Limit do total := total + i;
  Out(total);
  for i := Limit downto 1 do list[i] := i * 10;
  Out(list[1] + list[3]);
  i := 0;
  while True do begin Inc(i); if i > 4 then break; if i mod 2 = 0 then continue; Out('odd ' + IntToStr(i)) end;
  repeat Dec(i) until i = 2;
  Out(i);
  x := 'a'; y := 5;
  Swap(x, y);
  Out(x); Out(y);
  Out(Fact(5));
  Out(Describe(0) + Describe(2, '?') + Describe(5) + Describe(99));
  name := 'abc';
  name[1] := 'X';
  Out(name + Greeting);
  try
    RaiseException('boom');
    Out('not reached')
  except
    Out('handled')
  end;
  try
    Out('body'); exit
  finally
    Out('finally')
  end;
  Out('not reached either')
end.)")),
              QString());
    EXPECT_EQ(s.output,
              QStringList({"6", "40", "odd 1", "odd 3", "2", "5", "a", "120", "zero!small?digit!big!",
                           "Xbc" + QStringLiteral("Привет"), "handled", "body", "finally"}));
}

TEST(ScriptProgram, CompileErrorsGiveTheMessageAndItsPosition)
{
    struct Case {
        const char* program;
        const char* error;
    };
    const Case cases[] = {
        {"begin x := 1 end.", "1:7 Undeclared identifier: 'x'"},
        {"begin\n  Out(1)\n  Out(2)\nend.", "3:3 ';' expected"},
        {"begin end", "1:10 '.' expected"},
        {"begin", "1:6 'END' expected"},
        {"x := 1; end.", "1:1 'BEGIN' expected"},
        {"program; begin end.", "1:8 Identifier expected"},
        {"var i: Foo; begin end.", "1:8 Unknown type: 'Foo'"},
        {"var i Integer; begin end.", "1:7 ':' expected"},
        {"var i: Integer begin end.", "1:16 ';' expected"},
        {"var i: Integer; I: String; begin end.", "1:17 Identifier redeclared: 'I'"},
        {"const c 5; begin end.", "1:9 '=' expected"},
        {"const c = 1; begin c := 2 end.", "1:20 Left side cannot be assigned to"},
        {"begin 1 := 2 end.", "1:7 Statement expected"},
        {"begin Out(1 end.", "1:13 ')' expected"},
        {"begin if True Out(1) end.", "1:15 'THEN' expected"},
        {"begin while True Out(1) end.", "1:18 'DO' expected"},
        {"begin repeat Out(1) end.", "1:21 'UNTIL' expected"},
        {"var i: Integer; begin for i := 1 do ; end.", "1:34 'TO' or 'DOWNTO' expected"},
        {"var i: Integer; begin for i = 1 to 2 do ; end.", "1:29 ':=' expected"},
        {"var s: String; begin for s := 1 to 2 do ; end.", "1:26 For loop variable must be numeric variable"},
        {"begin case 1 1: ; end end.", "1:14 'OF' expected"},
        {"begin case 1 of 1 Out(1) end end.", "1:19 ':' expected"},
        {"begin try Out(1) end end.", "1:18 'FINALLY' or 'EXCEPT' expected"},
        {"var a: array 5 of Integer; begin end.", "1:14 '[' expected"},
        {"var a: array[0 5] of Integer; begin end.", "1:16 '..' expected"},
        {"var a: array[0..5 of Integer; begin end.", "1:19 ']' expected"},
        {"var a: array[0..5] Integer; begin end.", "1:20 'OF' expected"},
        {"var a: array[0..1] of Integer; begin a[] := 1 end.", "1:40 Index required"},
        {"var i: Integer; begin i[0] := 1 end.", "1:24 Array type required"},
        {"var i: Integer; begin i.x := 1 end.", "1:24 Class type required"},
        {"var s: String; begin s.Length end.", "1:23 Strings do not have properties or methods"},
        {"begin Inc(5) end.", "1:11 Variable required"},
        {"begin Out end.", "1:7 Not enough actual parameters"},
        {"begin Out(1, 2) end.", "1:7 Too many actual parameters"},
        {"function F: Integer; begin end; var s: String; begin s := @F end.",
         "1:60 Event handler must be a procedure"},
        {"procedure P; begin end; procedure P; begin end; begin end.", "1:35 Identifier redeclared: 'P'"},
        {"procedure P(a, a: Integer); begin end; begin end.", "1:11 Identifier redeclared: 'a'"},
        {"var a: array[5..1] of Integer; begin end.", "1:13 Variant array bounds 5..1 are invalid"},
        {"const c = 1 div 0; begin end.", "1:11 Division by zero"},
        {"begin Result := 1 end.", "1:7 Undeclared identifier: 'Result'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        OutputScript s;
        EXPECT_EQ(s.Run(lines(c.program)), QString::fromUtf8(c.error));
        EXPECT_EQ(s.output, QStringList());
    }
}

TEST(ScriptProgram, AFailedCompileAddsNothing)
{
    OutputScript s;
    EXPECT_NE(s.Run(lines("var kept: Integer; procedure P; begin end; begin x end.")), QString());
    EXPECT_EQ(s.script.FindLocal(QStringLiteral("kept")), nullptr);
    EXPECT_EQ(s.script.FindLocal(QStringLiteral("P")), nullptr);
}

TEST(ScriptProgram, OnlyPascalScriptIsCompiled)
{
    TfsScript script;
    script.SetSyntaxType(QStringLiteral("C++Script"));
    script.SetLines({QStringLiteral("{}")});
    EXPECT_FALSE(script.Compile());
    EXPECT_EQ(script.GetErrorMsg(), QStringLiteral("Language 'C++Script' not found"));
}

TEST(ScriptProgram, RunTimeErrorsRaiseOutOfExecute)
{
    OutputScript s;
    EXPECT_EQ(s.Run(lines("begin Out(1) end.")), QString());
    s.script.SetLines(lines("var a: array[0..1] of Integer; begin a[2] := 1 end."));
    ASSERT_TRUE(s.script.Compile());
    try {
        s.script.Execute();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Variant or safe array index out of bounds"));
    }
}

TEST(ScriptProgram, CallFunctionPassesParametersAndReturnsTheResult)
{
    OutputScript s;
    ASSERT_EQ(s.Run(lines(R"(function Twice(x: Integer): Integer; begin Result := x * 2 end;
procedure Answer(var Ok: Boolean); begin Ok := False end;
procedure Memo1OnBeforePrint(Sender: Variant); begin Out('before ' + Sender) end;
begin end.)")),
              QString());
    QList<TfsVariant> params{21};
    EXPECT_EQ(s.script.CallFunction(QStringLiteral("twice"), params), TfsVariant(42));
    QList<TfsVariant> inOut{true};
    s.script.CallFunction(QStringLiteral("Answer"), inOut);
    EXPECT_EQ(inOut[0], TfsVariant(false));
    QList<TfsVariant> sender{QStringLiteral("Memo1")};
    s.script.CallFunction(QStringLiteral("Memo1OnBeforePrint"), sender);
    EXPECT_EQ(s.output, QStringList{QStringLiteral("before Memo1")});
    QList<TfsVariant> none;
    EXPECT_TRUE(s.script.CallFunction(QStringLiteral("Missing"), none).IsNull());
    EXPECT_TRUE(s.script.CallFunction(QStringLiteral("IntToStr"), none).IsNull()); // the library is a parent
}

TEST(ScriptProgram, NamesResolveThroughParentsThenTheLibrary)
{
    TfsScript parent, child;
    child.SetParent(&parent);
    parent.AddVariable(QStringLiteral("Shared"), QStringLiteral("Integer"), 1);
    EXPECT_EQ(child.Find(QStringLiteral("SHARED")), parent.FindLocal(QStringLiteral("Shared")));
    EXPECT_EQ(child.FindLocal(QStringLiteral("Shared")), nullptr);
    EXPECT_NE(child.Find(QStringLiteral("IntToStr")), nullptr);
    child.AddVariable(QStringLiteral("Shared"), QStringLiteral("Integer"), 2);
    EXPECT_EQ(child.Find(QStringLiteral("Shared"))->GetValue(), TfsVariant(2));
    EXPECT_THROW(parent.SetParent(&child), Exception);
    EXPECT_THROW(parent.SetParent(&parent), Exception);
}

TEST(ScriptProgram, ItemsAreRemovedByOwner)
{
    TfsScript script;
    const int report = 0, other = 0;
    script.SetAddedBy(&report);
    script.AddVariable(QStringLiteral("A"), QStringLiteral("Integer"), 1);
    script.SetLines({QStringLiteral("var B: Integer; begin B := 1 end.")});
    ASSERT_TRUE(script.Compile());
    script.SetAddedBy(&other);
    TfsVariable* c = script.AddVariable(QStringLiteral("C"), QStringLiteral("Integer"), 1);
    EXPECT_EQ(script.GetStatementCount(), 1);

    script.ClearItems(&report);
    EXPECT_EQ(script.FindLocal(QStringLiteral("A")), nullptr);
    EXPECT_EQ(script.FindLocal(QStringLiteral("B")), nullptr);
    EXPECT_EQ(script.FindLocal(QStringLiteral("C")), c);
    EXPECT_EQ(script.GetStatementCount(), 0);
    script.Remove(c);
    EXPECT_EQ(script.FindLocal(QStringLiteral("C")), nullptr);
}

TEST(ScriptProgram, HostObjectsExposeMembersAndClasses)
{
    FakeObject memo(QStringLiteral("TfrxMemoView"), {QStringLiteral("TfrxView")});
    memo.properties[QStringLiteral("text")] = QStringLiteral("old");
    memo.properties[QStringLiteral("left")] = 10;
    OutputScript s;
    s.script.AddObject(QStringLiteral("Memo1"), &memo);
    s.script.AddClass(QStringLiteral("TfrxView"));
    s.script.AddClass(QStringLiteral("TfrxPictureView"));
    ASSERT_EQ(s.Run(lines(R"(begin
  Memo1.Text := Memo1.Text + ' new';
  Memo1.Left := Memo1.Add(Memo1.Left, 5);
  Memo1['Left'] := Memo1['Left'] * 2;
  Out(Memo1 is TfrxView); Out(Memo1 is TfrxPictureView); Out(Memo1 = Memo1)
end.)")),
              QString());
    EXPECT_EQ(memo.properties[QStringLiteral("text")], TfsVariant(QStringLiteral("old new")));
    EXPECT_EQ(memo.properties[QStringLiteral("left")], TfsVariant(30));
    EXPECT_EQ(s.output, QStringList({"True", "False", "True"}));

    s.script.SetLines(lines("begin Memo1.Missing := 1 end."));
    ASSERT_TRUE(s.script.Compile());
    try {
        s.script.Execute();
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Undeclared identifier: 'Missing'"));
    }
}

TEST(ScriptProgram, AddMethodDeclaresHostFunctionsWithDefaultsAndMacros)
{
    TfsScript script;
    QStringList seen;
    script.AddMethod(QStringLiteral("macrofunction Texts(A: Variant; B: Variant = 0): Variant"),
                     [&seen](QList<TfsVariant>& args) {
                         seen.append(args[0].ToString());
                         seen.append(args[1].ToString());
                         return TfsVariant();
                     });
    script.SetLines({QStringLiteral("begin Texts( 1 + <x.y> ,  Undeclared(2) ); Texts(3) end.")});
    ASSERT_TRUE(script.Compile()) << script.GetErrorMsg().toStdString();
    script.Execute();
    EXPECT_EQ(seen, QStringList({"1 + <x.y>", "Undeclared(2)", "3", "0"}));
    EXPECT_THROW(script.AddMethod(QStringLiteral("function (X): Integer"), {}), Exception);
}
