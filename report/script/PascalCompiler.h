#pragma once

#include "report/script/PascalLexer.h"
#include "report/script/ScriptNodes.h"
#include "report/script/TfsCustomVariable.h"

#include <QHash>
#include <memory>
#include <vector>

class TfsScript;
class TfsProcVariable;

// A compile error with its 1-based position.
struct TfsCompileError {
    QString message;
    int line = 1;
    int column = 1;
};

// What compiling a program yields; nothing of it reaches the script unless the whole program
// compiles.
struct TfsCompiledProgram {
    std::vector<std::unique_ptr<TfsCustomVariable>> items; // variables, constants, procedures, functions
    std::unique_ptr<CompoundStmt> main;
    int mainDepth = 0;
};

// The heading of a host function as AddMethod declares it.
struct TfsMethodDeclaration {
    QString name;
    QString resultTypeName;
    QList<TfsParameter> parameters;
    bool isFunction = false;
    bool isMacro = false;
};

// Compiles PascalScript in one pass: names are resolved as they are read, through the program's
// own declarations, the script, its parents and the library. Throws TfsCompileError.
//
// program     = ["program" ident ";"] {"var" vars | "const" consts | routine} "begin" statements "end" "."
// routine     = ("procedure" | "function") ident ["(" params ")"] [":" type] ";" {"var" vars | "const"
// consts}
//               "begin" statements "end" ";"
// statement   = [designator [":=" expression] | "begin" statements "end" | "if" … "then" … ["else" …]
//               | "while" … "do" … | "repeat" statements "until" … | "for" ident ":=" … ("to"|"downto") …
//               "do" … | "case" … "of" {labels ":" statement ";"} ["else" statements] "end" | "try"
//               statements ("except" | "finally") statements "end" | "exit" | "break" | "continue"]
// expression  = simple {("=" | "<>" | "<" | "<=" | ">" | ">=" | "in" | "is") simple}
// simple      = ["-"] term {("+" | "-" | "or" | "xor") term}
// term        = factor {("*" | "/" | "div" | "mod" | "and" | "shl" | "shr") factor}
// factor      = designator | number | string | "(" expression ")" | "not" factor | "[" [elements] "]" | "<"
// name ">" designator  = ["@"] ident {"." ident ["(" args ")"] | "[" expressions "]" | "(" args ")"}
class PascalCompiler {
public:
    PascalCompiler(const QString& source, TfsScript& script, bool extendedCharset);

    TfsCompiledProgram CompileProgram();
    TfsMethodDeclaration CompileDeclaration();

private:
    // One nesting level of the text being compiled; counts towards the run-time nesting of the
    // body being compiled and the engine-wide nesting limit.
    struct DepthGuard;

    // An operand being built, with what the compiler knows about it.
    struct Operand {
        ExprPtr node;
        bool assignable = false;
        TfsBaseType staticType = btVariant;
        TfsTypeInfo arrayType; // for a static array variable
    };
    // A parameter or local variable of the routine being compiled, or a local constant.
    struct Local {
        QString key;
        int slot;
        TfsTypeInfo type;
        std::optional<TfsVariant> constant;
    };
    struct RoutineScope {
        std::vector<Local> locals;
        std::vector<TfsTypeInfo> localTypes; // after the parameters
        int nextSlot = 0;
    };

    [[noreturn]] void Fail(const char* message) const;
    [[noreturn]] void Fail(const QString& message, const TfsToken& at) const;
    const TfsToken& Token() const { return FLexer.Current(); }
    void Next() { FLexer.Next(); }
    void ExpectSymbol(const char* symbol, const char* message);
    void ExpectKeyword(const char* keyword, const char* message);
    QString ExpectIdentifier();

    // declarations
    void CompileDeclarations(bool global);
    void CompileVarSection(bool global);
    void CompileConstSection(bool global);
    void CompileRoutine();
    QList<TfsParameter> CompileParameters();
    TfsTypeInfo CompileType();
    TfsBaseType CompileSimpleType();
    // A constant expression, evaluated now; Simple reads a simple expression (for "lo..hi").
    TfsVariant CompileConstant(bool simple);
    int64_t CompileConstantInteger();
    void CheckRedeclaration(const QString& name, const TfsToken& at, bool global) const;
    void AddLocal(const QString& name, const TfsTypeInfo& type);
    void AddGlobal(std::unique_ptr<TfsCustomVariable> item);

    // statements
    StmtList CompileStatements(std::initializer_list<const char*> terminators, const char* missing);
    StmtPtr CompileStatement();
    StmtPtr CompileStatementOrEmpty();
    StmtPtr CompileFor();
    StmtPtr CompileCase();
    StmtPtr CompileTry();
    bool AtStatementEnd() const;

    // expressions
    Operand CompileExpression();
    Operand CompileSimpleExpression();
    Operand CompileTerm();
    Operand CompileFactor();
    Operand CompileSetConstructor();
    Operand CompileAngleName();
    Operand CompileDesignator();
    Operand CompileIdentifier(const TfsToken& name);
    Operand CompileCall(TfsCallable* callable, const TfsToken& name);
    std::vector<ExprPtr> CompileArguments(const char* close, const char* missing);
    Operand CompileSelectors(Operand base);
    void SkipSyntaxOnly();

    TfsCustomVariable* Lookup(const QString& name) const;
    const Local* FindLocalVariable(const QString& key) const;

    PascalLexer FLexer;
    TfsScript& FScript;
    TfsCompiledProgram FProgram;
    QHash<QString, TfsCustomVariable*> FDeclared; // this program's global names
    std::unique_ptr<RoutineScope> FScope;         // while compiling a routine
    bool FSyntaxOnly = false;   // reading a macrofunction's argument: names are not resolved
    bool FConstantOnly = false; // reading a constant: local variables are not available
    int FDepth = 0;
    int FMaxDepth = 0;
};
