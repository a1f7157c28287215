#include "report/script/PascalCompiler.h"

#include "report/script/ScriptLimits.h"
#include "report/script/ScriptMessages.h"
#include "report/script/TfsMethodHelper.h"
#include "report/script/TfsProcVariable.h"
#include "report/script/TfsScript.h"

namespace {

QString quoted(const QString& name)
{
    return u'\'' + name + u'\'';
}

bool isScalar(TfsBaseType type)
{
    return type == btInteger || type == btFloat || type == btDate || type == btBoolean;
}

struct OperatorSpelling {
    TfsTokenKind kind;
    const char* text;
    TfsOperator op;
};

const OperatorSpelling kRelational[] = {
    {tkSymbol, "=", opEqual},        {tkSymbol, "<>", opNotEqual}, {tkSymbol, "<", opLess},
    {tkSymbol, "<=", opLessOrEqual}, {tkSymbol, ">", opGreater},   {tkSymbol, ">=", opGreaterOrEqual},
    {tkKeyword, "in", opIn},
};
const OperatorSpelling kAdditive[] = {
    {tkSymbol, "+", opAdd}, {tkSymbol, "-", opSubtract}, {tkKeyword, "or", opOr}, {tkKeyword, "xor", opXor}};
const OperatorSpelling kMultiplicative[] = {{tkSymbol, "*", opMultiply},     {tkSymbol, "/", opDivide},
                                            {tkKeyword, "div", opIntDivide}, {tkKeyword, "mod", opModulo},
                                            {tkKeyword, "and", opAnd},       {tkKeyword, "shl", opShl},
                                            {tkKeyword, "shr", opShr}};

template <size_t N>
const OperatorSpelling* findOperator(const OperatorSpelling (&table)[N], const TfsToken& token)
{
    for (const OperatorSpelling& spelling : table)
        if (token.kind == spelling.kind && token.text == QLatin1String(spelling.text))
            return &spelling;
    return nullptr;
}

ExprPtr chainOf(ExprPtr first, std::vector<ChainNode::Link> links)
{
    if (links.empty())
        return first;
    return std::make_unique<ChainNode>(std::move(first), std::move(links));
}

} // namespace

struct PascalCompiler::DepthGuard {
    explicit DepthGuard(PascalCompiler& compiler) : FCompiler(compiler)
    {
        FCompiler.FMaxDepth = std::max(FCompiler.FMaxDepth, ++FCompiler.FDepth);
    }
    ~DepthGuard() { --FCompiler.FDepth; }
    PascalCompiler& FCompiler;
    NestingScope FNesting;
};

PascalCompiler::PascalCompiler(const QString& source, TfsScript& script, bool extendedCharset)
    : FLexer(source, extendedCharset), FScript(script)
{
}

void PascalCompiler::Fail(const char* message) const
{
    Fail(QString::fromLatin1(message), Token());
}

void PascalCompiler::Fail(const QString& message, const TfsToken& at) const
{
    throw TfsCompileError{message, at.line, at.column};
}

void PascalCompiler::ExpectSymbol(const char* symbol, const char* message)
{
    if (!Token().IsSymbol(symbol))
        Fail(message);
    Next();
}

void PascalCompiler::ExpectKeyword(const char* keyword, const char* message)
{
    if (!Token().IsKeyword(keyword))
        Fail(message);
    Next();
}

QString PascalCompiler::ExpectIdentifier()
{
    if (Token().kind != tkIdentifier)
        Fail(kSIdentifierExpected);
    const QString name = Token().text;
    Next();
    return name;
}

// ---- program and declarations ----

TfsCompiledProgram PascalCompiler::CompileProgram()
{
    try {
        if (Token().IsKeyword("program")) {
            Next();
            ExpectIdentifier();
            ExpectSymbol(";", kSSemicolonExpected);
        }
        CompileDeclarations(true);
        ExpectKeyword("begin", kSBeginExpected);
        FDepth = FMaxDepth = 0;
        StmtList main = CompileStatements({"end"}, kSEndExpected);
        Next();
        if (!Token().IsSymbol("."))
            Fail(kSPointExpected);
        FProgram.main = std::make_unique<CompoundStmt>(std::move(main));
        FProgram.mainDepth = FMaxDepth;
    } catch (const ScriptLimitError& error) {
        Fail(error.message(), Token());
    }
    return std::move(FProgram);
}

TfsMethodDeclaration PascalCompiler::CompileDeclaration()
{
    TfsMethodDeclaration declaration;
    if (Token().kind == tkIdentifier &&
        Token().text.compare(QLatin1String("macrofunction"), Qt::CaseInsensitive) == 0) {
        declaration.isMacro = declaration.isFunction = true;
    } else if (Token().IsKeyword("function")) {
        declaration.isFunction = true;
    } else if (!Token().IsKeyword("procedure")) {
        Fail(kSStatementExpected);
    }
    Next();
    declaration.name = ExpectIdentifier();
    if (Token().IsSymbol("("))
        declaration.parameters = CompileParameters();
    if (declaration.isFunction) {
        ExpectSymbol(":", kSColonExpected);
        declaration.resultTypeName = Token().text;
        CompileType();
    }
    if (Token().IsSymbol(";"))
        Next();
    if (Token().kind != tkEnd)
        Fail(kSSemicolonExpected);
    return declaration;
}

void PascalCompiler::CompileDeclarations(bool global)
{
    for (;;) {
        if (Token().IsKeyword("var")) {
            Next();
            CompileVarSection(global);
        } else if (Token().IsKeyword("const")) {
            Next();
            CompileConstSection(global);
        } else if (global && (Token().IsKeyword("procedure") || Token().IsKeyword("function"))) {
            CompileRoutine();
        } else {
            return;
        }
    }
}

void PascalCompiler::CompileVarSection(bool global)
{
    do {
        QList<TfsToken> names;
        for (;;) {
            if (Token().kind != tkIdentifier)
                Fail(kSIdentifierExpected);
            names.append(Token());
            Next();
            if (!Token().IsSymbol(","))
                break;
            Next();
        }
        ExpectSymbol(":", kSColonExpected);
        const QString typeName = Token().text;
        const TfsTypeInfo type = CompileType();
        ExpectSymbol(";", kSSemicolonExpected);
        for (const TfsToken& name : names) {
            CheckRedeclaration(name.text, name, global);
            if (global)
                AddGlobal(
                    std::make_unique<TfsVariable>(name.text, typeName, type, initialValue(type), false));
            else
                AddLocal(name.text, type);
        }
    } while (Token().kind == tkIdentifier);
}

void PascalCompiler::CompileConstSection(bool global)
{
    do {
        const TfsToken name = Token();
        ExpectIdentifier();
        CheckRedeclaration(name.text, name, global);
        ExpectSymbol("=", kSEqualExpected);
        const TfsVariant value = CompileConstant(false);
        ExpectSymbol(";", kSSemicolonExpected);
        if (global)
            AddGlobal(
                std::make_unique<TfsVariable>(name.text, value.GetTypeName(), TfsTypeInfo{}, value, true));
        else
            FScope->locals.push_back({TfsCustomVariable::KeyOf(name.text), -1, TfsTypeInfo{}, value});
    } while (Token().kind == tkIdentifier);
}

void PascalCompiler::CompileRoutine()
{
    const bool isFunction = Token().IsKeyword("function");
    Next();
    const TfsToken nameToken = Token();
    const QString name = ExpectIdentifier();
    CheckRedeclaration(name, nameToken, true);
    const QList<TfsParameter> parameters =
        Token().IsSymbol("(") ? CompileParameters() : QList<TfsParameter>();
    TfsTypeInfo resultType;
    QString resultTypeName;
    if (isFunction) {
        ExpectSymbol(":", kSColonExpected);
        resultTypeName = Token().text;
        resultType = CompileType();
    }
    ExpectSymbol(";", kSSemicolonExpected);

    auto routine =
        std::make_unique<TfsProcVariable>(name, resultTypeName, parameters, isFunction, resultType);
    TfsProcVariable* proc = routine.get();
    AddGlobal(std::move(routine)); // visible to its own body, for recursion

    FScope = std::make_unique<RoutineScope>();
    for (const TfsParameter& parameter : parameters) {
        if (FindLocalVariable(TfsCustomVariable::KeyOf(parameter.name)))
            Fail(QString::fromLatin1(kSIdRedeclared) + quoted(parameter.name), nameToken);
        FScope->locals.push_back(
            {TfsCustomVariable::KeyOf(parameter.name), FScope->nextSlot++, parameter.type, {}});
    }
    CompileDeclarations(false);
    ExpectKeyword("begin", kSBeginExpected);
    if (isFunction)
        FScope->locals.push_back({QStringLiteral("result"), FScope->nextSlot++, resultType, {}});
    FDepth = FMaxDepth = 0;
    StmtList body = CompileStatements({"end"}, kSEndExpected);
    Next();
    ExpectSymbol(";", kSSemicolonExpected);
    proc->SetBody(std::make_unique<CompoundStmt>(std::move(body)), std::move(FScope->localTypes), FMaxDepth);
    FScope.reset();
}

QList<TfsParameter> PascalCompiler::CompileParameters()
{
    Next(); // "("
    QList<TfsParameter> parameters;
    if (Token().IsSymbol(")")) {
        Next();
        return parameters;
    }
    for (;;) {
        const bool isVar = Token().IsKeyword("var");
        if (isVar || Token().IsKeyword("const"))
            Next();
        QStringList names{ExpectIdentifier()};
        while (Token().IsSymbol(",")) {
            Next();
            names.append(ExpectIdentifier());
        }
        TfsTypeInfo type;
        if (Token().IsSymbol(":")) {
            Next();
            type = CompileType();
        }
        std::optional<TfsVariant> defaultValue;
        if (Token().IsSymbol("=")) {
            Next();
            defaultValue = CompileConstant(false);
        }
        for (const QString& name : names)
            parameters.append({name, type, isVar, defaultValue});
        if (Token().IsSymbol(")")) {
            Next();
            return parameters;
        }
        ExpectSymbol(";", kSCloseParenExpected);
    }
}

TfsTypeInfo PascalCompiler::CompileType()
{
    TfsTypeInfo type;
    if (!Token().IsKeyword("array")) {
        type.base = CompileSimpleType();
        return type;
    }
    Next();
    if (Token().IsKeyword("of")) { // an open array parameter takes any list
        Next();
        if (Token().IsKeyword("const"))
            Next();
        else
            CompileSimpleType();
        return type;
    }
    const TfsToken at = Token();
    ExpectSymbol("[", kSOpenBracketExpected);
    for (;;) {
        TfsVariantArray::Bounds bounds;
        bounds.low = CompileConstantInteger();
        ExpectSymbol("..", kSRangeExpected);
        bounds.high = CompileConstantInteger();
        type.dimensions.push_back(bounds);
        if (!Token().IsSymbol(","))
            break;
        Next();
    }
    ExpectSymbol("]", kSCloseBracketExpected);
    ExpectKeyword("of", kSOfExpected);
    type.base = btArray;
    type.element = CompileSimpleType();
    try {
        initialValue(type); // refuses inverted or oversized bounds now rather than at run time
    } catch (const Exception& error) {
        Fail(error.message(), at);
    }
    return type;
}

TfsBaseType PascalCompiler::CompileSimpleType()
{
    const TfsToken name = Token();
    if (name.kind != tkIdentifier)
        Fail(kSIdentifierExpected);
    TfsCustomVariable* item = FScript.Find(name.text);
    if (dynamic_cast<TfsClassVariable*>(item)) { // an object of a host class
        Next();
        return btVariant;
    }
    auto* type = dynamic_cast<TfsTypeVariable*>(item);
    if (!type)
        Fail(QString::fromLatin1(kSUnknownType) + quoted(name.text), name);
    Next();
    return type->GetBaseType();
}

TfsVariant PascalCompiler::CompileConstant(bool simple)
{
    const TfsToken at = Token();
    const bool wasConstantOnly = std::exchange(FConstantOnly, true);
    const Operand operand = simple ? CompileSimpleExpression() : CompileExpression();
    FConstantOnly = wasConstantOnly;
    ExecContext ctx;
    try {
        return operand.node->Evaluate(ctx);
    } catch (const ScriptLimitError&) {
        throw;
    } catch (const Exception& error) {
        Fail(error.message(), at);
    }
}

int64_t PascalCompiler::CompileConstantInteger()
{
    const TfsToken at = Token();
    const TfsVariant value = CompileConstant(true);
    try {
        return value.ToInt64();
    } catch (const Exception& error) {
        Fail(error.message(), at);
    }
}

void PascalCompiler::CheckRedeclaration(const QString& name, const TfsToken& at, bool global) const
{
    const QString key = TfsCustomVariable::KeyOf(name);
    const bool taken =
        global ? FDeclared.contains(key) || FScript.FindLocal(name) : FindLocalVariable(key) != nullptr;
    if (taken)
        Fail(QString::fromLatin1(kSIdRedeclared) + quoted(name), at);
}

void PascalCompiler::AddLocal(const QString& name, const TfsTypeInfo& type)
{
    FScope->locals.push_back({TfsCustomVariable::KeyOf(name), FScope->nextSlot++, type, {}});
    FScope->localTypes.push_back(type);
}

void PascalCompiler::AddGlobal(std::unique_ptr<TfsCustomVariable> item)
{
    FDeclared.insert(item->GetKey(), item.get());
    FProgram.items.push_back(std::move(item));
}

// ---- statements ----

bool PascalCompiler::AtStatementEnd() const
{
    const TfsToken& t = Token();
    return t.kind == tkEnd || t.IsSymbol(";") || t.IsKeyword("end") || t.IsKeyword("until") ||
           t.IsKeyword("except") || t.IsKeyword("finally") || t.IsKeyword("else");
}

StmtList PascalCompiler::CompileStatements(std::initializer_list<const char*> terminators,
                                           const char* missing)
{
    StmtList list;
    for (;;) {
        if (StmtPtr statement = CompileStatement())
            list.push_back(std::move(statement));
        if (Token().IsSymbol(";")) {
            Next();
            continue;
        }
        for (const char* terminator : terminators)
            if (Token().IsKeyword(terminator))
                return list;
        // The text or another block ends where this one's end was due.
        const bool blockEnds = Token().kind == tkEnd || Token().IsKeyword("end") ||
                               Token().IsKeyword("until") || Token().IsKeyword("except") ||
                               Token().IsKeyword("finally");
        Fail(blockEnds ? missing : kSSemicolonExpected);
    }
}

StmtPtr PascalCompiler::CompileStatementOrEmpty()
{
    StmtPtr statement = CompileStatement();
    return statement ? std::move(statement) : std::make_unique<CompoundStmt>(StmtList{});
}

StmtPtr PascalCompiler::CompileStatement()
{
    DepthGuard guard(*this);
    const TfsToken& t = Token();
    if (AtStatementEnd())
        return nullptr;
    if (t.IsKeyword("begin")) {
        Next();
        StmtList list = CompileStatements({"end"}, kSEndExpected);
        Next();
        return std::make_unique<CompoundStmt>(std::move(list));
    }
    if (t.IsKeyword("if")) {
        Next();
        ExprPtr condition = CompileExpression().node;
        ExpectKeyword("then", kSThenExpected);
        StmtPtr then = CompileStatementOrEmpty();
        StmtPtr otherwise;
        if (Token().IsKeyword("else")) {
            Next();
            otherwise = CompileStatementOrEmpty();
        }
        return std::make_unique<IfStmt>(std::move(condition), std::move(then), std::move(otherwise));
    }
    if (t.IsKeyword("while")) {
        Next();
        ExprPtr condition = CompileExpression().node;
        ExpectKeyword("do", kSDoExpected);
        return std::make_unique<WhileStmt>(std::move(condition), CompileStatementOrEmpty());
    }
    if (t.IsKeyword("repeat")) {
        Next();
        StmtList body = CompileStatements({"until"}, kSUntilExpected);
        Next();
        return std::make_unique<RepeatStmt>(std::move(body), CompileExpression().node);
    }
    if (t.IsKeyword("for"))
        return CompileFor();
    if (t.IsKeyword("case"))
        return CompileCase();
    if (t.IsKeyword("try"))
        return CompileTry();
    if (t.IsKeyword("exit") || t.IsKeyword("break") || t.IsKeyword("continue")) {
        const TfsFlow flow = t.IsKeyword("exit") ? flExit : t.IsKeyword("break") ? flBreak : flContinue;
        Next();
        return std::make_unique<FlowStmt>(flow);
    }
    if (t.kind != tkIdentifier && !t.IsSymbol("@"))
        Fail(kSStatementExpected);
    const TfsToken start = t;
    Operand target = CompileDesignator();
    if (!Token().IsSymbol(":="))
        return std::make_unique<ExprStmt>(std::move(target.node));
    if (!target.assignable)
        Fail(QString::fromLatin1(kSLeftCantAssigned), start);
    Next();
    ExprPtr value = CompileExpression().node;
    return std::make_unique<AssignStmt>(
        std::unique_ptr<LValueNode>(static_cast<LValueNode*>(target.node.release())), std::move(value));
}

StmtPtr PascalCompiler::CompileFor()
{
    Next();
    const TfsToken at = Token();
    if (at.kind != tkIdentifier)
        Fail(kSIdentifierExpected);
    Operand counter = CompileIdentifier(at);
    const bool numeric =
        counter.staticType == btInteger || counter.staticType == btFloat || counter.staticType == btVariant;
    if (!counter.assignable || !numeric)
        Fail(QString::fromLatin1(kSForError), at);
    ExpectSymbol(":=", kSAssignExpected);
    ExprPtr from = CompileExpression().node;
    bool downTo = false;
    if (Token().IsKeyword("downto"))
        downTo = true;
    else if (!Token().IsKeyword("to"))
        Fail(kSToExpected);
    Next();
    ExprPtr to = CompileExpression().node;
    ExpectKeyword("do", kSDoExpected);
    StmtPtr body = CompileStatementOrEmpty();
    return std::make_unique<ForStmt>(
        std::unique_ptr<LValueNode>(static_cast<LValueNode*>(counter.node.release())), std::move(from),
        std::move(to), downTo, std::move(body));
}

StmtPtr PascalCompiler::CompileCase()
{
    Next();
    ExprPtr selector = CompileExpression().node;
    ExpectKeyword("of", kSOfExpected);
    std::vector<CaseStmt::Branch> branches;
    StmtList otherwise;
    while (!Token().IsKeyword("end")) {
        if (Token().IsKeyword("else")) {
            Next();
            otherwise = CompileStatements({"end"}, kSEndExpected);
            break;
        }
        if (Token().kind == tkEnd)
            Fail(kSEndExpected);
        CaseStmt::Branch branch;
        for (;;) {
            SetNode::Element label;
            label.low = CompileExpression().node;
            if (Token().IsSymbol("..")) {
                Next();
                label.high = CompileExpression().node;
            }
            branch.labels.push_back(std::move(label));
            if (!Token().IsSymbol(","))
                break;
            Next();
        }
        ExpectSymbol(":", kSColonExpected);
        branch.statement = CompileStatementOrEmpty();
        branches.push_back(std::move(branch));
        if (Token().IsSymbol(";"))
            Next();
        else if (!Token().IsKeyword("end") && !Token().IsKeyword("else"))
            Fail(kSSemicolonExpected);
    }
    Next();
    return std::make_unique<CaseStmt>(std::move(selector), std::move(branches), std::move(otherwise));
}

StmtPtr PascalCompiler::CompileTry()
{
    Next();
    StmtList body = CompileStatements({"except", "finally"}, kSFinallyExpected);
    const bool isExcept = Token().IsKeyword("except");
    Next();
    StmtList handler = CompileStatements({"end"}, kSEndExpected);
    Next();
    if (isExcept)
        return std::make_unique<TryExceptStmt>(std::move(body), std::move(handler));
    return std::make_unique<TryFinallyStmt>(std::move(body), std::move(handler));
}

// ---- expressions ----

PascalCompiler::Operand PascalCompiler::CompileExpression()
{
    DepthGuard guard(*this);
    Operand first = CompileSimpleExpression();
    std::vector<ChainNode::Link> links;
    for (;;) {
        if (Token().IsKeyword("is")) {
            Next();
            const TfsToken name = Token();
            if (name.kind != tkIdentifier)
                Fail(kSIdentifierExpected);
            Next();
            QString className = name.text;
            if (!FSyntaxOnly) {
                auto* classItem = dynamic_cast<TfsClassVariable*>(Lookup(name.text));
                if (!classItem)
                    Fail(QString::fromLatin1(kSClassRequired), name);
                className = classItem->GetName();
            }
            first.node =
                std::make_unique<IsNode>(chainOf(std::move(first.node), std::move(links)), className);
            links.clear();
            first.assignable = false;
            continue;
        }
        const OperatorSpelling* spelling = findOperator(kRelational, Token());
        if (!spelling)
            break;
        Next();
        links.push_back({spelling->op, CompileSimpleExpression().node});
    }
    if (links.empty())
        return first;
    return Operand{chainOf(std::move(first.node), std::move(links)), false, btBoolean, {}};
}

PascalCompiler::Operand PascalCompiler::CompileSimpleExpression()
{
    const bool negate = Token().IsSymbol("-");
    if (negate)
        Next();
    Operand first = CompileTerm();
    if (negate)
        first = Operand{std::make_unique<NegateNode>(std::move(first.node)), false, btVariant, {}};
    std::vector<ChainNode::Link> links;
    while (const OperatorSpelling* spelling = findOperator(kAdditive, Token())) {
        Next();
        links.push_back({spelling->op, CompileTerm().node});
    }
    if (links.empty())
        return first;
    return Operand{chainOf(std::move(first.node), std::move(links)), false, btVariant, {}};
}

PascalCompiler::Operand PascalCompiler::CompileTerm()
{
    Operand first = CompileFactor();
    std::vector<ChainNode::Link> links;
    while (const OperatorSpelling* spelling = findOperator(kMultiplicative, Token())) {
        Next();
        links.push_back({spelling->op, CompileFactor().node});
    }
    if (links.empty())
        return first;
    return Operand{chainOf(std::move(first.node), std::move(links)), false, btVariant, {}};
}

PascalCompiler::Operand PascalCompiler::CompileFactor()
{
    const TfsToken t = Token();
    switch (t.kind) {
    case tkNumber:
        Next();
        return Operand{
            std::make_unique<ConstantNode>(t.value), false, t.value.IsInteger() ? btInteger : btFloat, {}};
    case tkString:
        Next();
        return Operand{std::make_unique<ConstantNode>(t.value), false, btString, {}};
    case tkIdentifier:
        return CompileDesignator();
    default:
        break;
    }
    if (t.IsSymbol("(")) {
        Next();
        Operand inner = CompileExpression();
        ExpectSymbol(")", kSCloseParenExpected);
        inner.assignable = false;
        return inner;
    }
    if (t.IsKeyword("not")) {
        Next();
        DepthGuard guard(*this);
        return Operand{std::make_unique<NotNode>(CompileFactor().node), false, btVariant, {}};
    }
    if (t.IsSymbol("["))
        return CompileSetConstructor();
    if (t.kind == tkSymbol && t.text.startsWith(u'<'))
        return CompileAngleName();
    if (t.IsSymbol("@"))
        return CompileDesignator();
    Fail(kSExpressionExpected);
}

PascalCompiler::Operand PascalCompiler::CompileSetConstructor()
{
    Next();
    std::vector<SetNode::Element> elements;
    while (!Token().IsSymbol("]")) {
        SetNode::Element element;
        element.low = CompileExpression().node;
        if (Token().IsSymbol("..")) {
            Next();
            element.high = CompileExpression().node;
        }
        elements.push_back(std::move(element));
        if (Token().IsSymbol(","))
            Next();
        else if (!Token().IsSymbol("]"))
            Fail(kSCloseBracketExpected);
    }
    Next();
    return Operand{std::make_unique<SetNode>(std::move(elements)), false, btVariant, {}};
}

// "<Name>" stands for Get('Name').
PascalCompiler::Operand PascalCompiler::CompileAngleName()
{
    const TfsToken at = Token();
    QString name;
    if (!FLexer.ReadAngleName(name))
        Fail(QString::fromLatin1(kSAngleExpected), at);
    if (FSyntaxOnly)
        return Operand{std::make_unique<ConstantNode>(TfsVariant::Null()), false, btVariant, {}};
    auto* get = dynamic_cast<TfsCallable*>(Lookup(QStringLiteral("Get")));
    if (!get)
        Fail(QString::fromLatin1(kSIdUndeclared) + quoted(QStringLiteral("Get")), at);
    std::vector<ExprPtr> args;
    args.push_back(std::make_unique<ConstantNode>(TfsVariant(name)));
    return Operand{std::make_unique<CallNode>(get, std::move(args)), false, btVariant, {}};
}

PascalCompiler::Operand PascalCompiler::CompileDesignator()
{
    DepthGuard guard(*this);
    if (Token().IsSymbol("@")) {
        Next();
        const TfsToken name = Token();
        if (name.kind != tkIdentifier)
            Fail(kSIdentifierExpected);
        Next();
        if (FSyntaxOnly)
            return Operand{std::make_unique<ConstantNode>(TfsVariant(name.text)), false, btString, {}};
        // The address of a procedure is its name, which is what event properties hold.
        auto* proc = dynamic_cast<TfsProcVariable*>(Lookup(name.text));
        if (!proc || proc->IsFunction())
            Fail(QString::fromLatin1(kSEventError), name);
        return Operand{std::make_unique<ConstantNode>(TfsVariant(proc->GetName())), false, btString, {}};
    }
    const TfsToken name = Token();
    if (name.kind != tkIdentifier)
        Fail(kSIdentifierExpected);
    if (FSyntaxOnly) {
        SkipSyntaxOnly();
        return Operand{std::make_unique<ConstantNode>(TfsVariant::Null()), false, btVariant, {}};
    }
    return CompileSelectors(CompileIdentifier(name));
}

void PascalCompiler::SkipSyntaxOnly()
{
    Next();
    for (;;) {
        if (Token().IsSymbol(".")) {
            Next();
            ExpectIdentifier();
        } else if (Token().IsSymbol("[")) {
            Next();
            CompileArguments("]", kSCloseBracketExpected);
        } else if (Token().IsSymbol("(")) {
            Next();
            CompileArguments(")", kSCloseParenExpected);
        } else {
            return;
        }
    }
}

PascalCompiler::Operand PascalCompiler::CompileIdentifier(const TfsToken& name)
{
    Next();
    if (const Local* local = FindLocalVariable(TfsCustomVariable::KeyOf(name.text))) {
        if (local->constant)
            return Operand{std::make_unique<ConstantNode>(*local->constant), false, btVariant, {}};
        if (FConstantOnly) // a constant cannot depend on what a call brings
            Fail(QString::fromLatin1(kSExpressionExpected), name);
        return Operand{std::make_unique<LocalNode>(local->slot, local->type), true, local->type.base,
                       local->type};
    }
    TfsCustomVariable* item = Lookup(name.text);
    if (!item)
        Fail(QString::fromLatin1(kSIdUndeclared) + quoted(name.text), name);
    if (auto* callable = dynamic_cast<TfsCallable*>(item))
        return CompileCall(callable, name);
    if (auto* type = dynamic_cast<TfsTypeVariable*>(item)) {
        if (!Token().IsSymbol("("))
            Fail(kSExpressionExpected);
        Next();
        Operand value = CompileExpression();
        ExpectSymbol(")", kSCloseParenExpected);
        return Operand{std::make_unique<CoerceNode>(type->GetBaseType(), std::move(value.node)),
                       false,
                       type->GetBaseType(),
                       {}};
    }
    if (dynamic_cast<TfsClassVariable*>(item))
        Fail(QString::fromLatin1(kSExpressionExpected), name);
    Operand operand{std::make_unique<ItemNode>(item), item->IsAssignable(), btVariant, {}};
    if (auto* variable = dynamic_cast<TfsVariable*>(item)) {
        operand.staticType = variable->GetType().base;
        operand.arrayType = variable->GetType();
    }
    return operand;
}

PascalCompiler::Operand PascalCompiler::CompileCall(TfsCallable* callable, const TfsToken& name)
{
    std::vector<ExprPtr> args;
    const QList<TfsParameter>& parameters = callable->GetParameters();
    if (Token().IsSymbol("(")) {
        Next();
        if (Token().IsSymbol(")")) {
            Next();
        } else {
            for (int index = 0;; ++index) {
                const TfsToken at = Token();
                if (callable->IsMacro()) {
                    // The text of the argument as written, read for its extent only.
                    const bool wasSyntaxOnly = std::exchange(FSyntaxOnly, true);
                    CompileExpression();
                    FSyntaxOnly = wasSyntaxOnly;
                    const QString text = FLexer.GetSource().mid(at.start, FLexer.GetPreviousEnd() - at.start);
                    args.push_back(std::make_unique<ConstantNode>(TfsVariant(text.trimmed())));
                } else {
                    Operand arg = CompileExpression();
                    if (index < parameters.size() && parameters[index].isVar && !arg.assignable)
                        Fail(QString::fromLatin1(kSVarRequired), at);
                    args.push_back(std::move(arg.node));
                }
                if (Token().IsSymbol(",")) {
                    Next();
                    continue;
                }
                ExpectSymbol(")", kSCloseParenExpected);
                break;
            }
        }
    }
    if (static_cast<qsizetype>(args.size()) < callable->GetRequiredCount())
        Fail(QString::fromLatin1(kSNotEnoughParams), name);
    if (static_cast<qsizetype>(args.size()) > parameters.size())
        Fail(QString::fromLatin1(kSTooManyParams), name);
    return Operand{std::make_unique<CallNode>(callable, std::move(args)), false, btVariant, {}};
}

std::vector<ExprPtr> PascalCompiler::CompileArguments(const char* close, const char* missing)
{
    std::vector<ExprPtr> args;
    if (Token().IsSymbol(close)) {
        Next();
        return args;
    }
    for (;;) {
        args.push_back(CompileExpression().node);
        if (Token().IsSymbol(",")) {
            Next();
            continue;
        }
        ExpectSymbol(close, missing);
        return args;
    }
}

PascalCompiler::Operand PascalCompiler::CompileSelectors(Operand base)
{
    for (;;) {
        const TfsToken at = Token();
        if (at.IsSymbol(".")) {
            Next();
            if (base.staticType == btString)
                Fail(QString::fromLatin1(kSStringError), at);
            if (isScalar(base.staticType))
                Fail(QString::fromLatin1(kSClassRequired), at);
            const QString member = ExpectIdentifier();
            std::vector<ExprPtr> args;
            if (Token().IsSymbol("(")) {
                Next();
                args = CompileArguments(")", kSCloseParenExpected);
            }
            const bool assignable = args.empty();
            base = Operand{std::make_unique<MemberNode>(std::move(base.node), member, std::move(args)),
                           assignable,
                           btVariant,
                           {}};
        } else if (at.IsSymbol("[")) {
            Next();
            if (Token().IsSymbol("]"))
                Fail(kSIndexRequired);
            if (isScalar(base.staticType))
                Fail(QString::fromLatin1(kSArrayRequired), at);
            std::vector<ExprPtr> indices = CompileArguments("]", kSCloseBracketExpected);
            const TfsBaseType element = base.staticType == btArray    ? base.arrayType.element
                                        : base.staticType == btString ? btString
                                                                      : btVariant;
            // Any variant may hold an object, whose default property takes the assignment.
            const bool assignable = base.assignable || base.staticType == btVariant;
            base = Operand{std::make_unique<IndexNode>(std::move(base.node), std::move(indices)),
                           assignable,
                           element,
                           {}};
        } else {
            return base;
        }
    }
}

const PascalCompiler::Local* PascalCompiler::FindLocalVariable(const QString& key) const
{
    if (!FScope)
        return nullptr;
    for (const Local& local : FScope->locals)
        if (local.key == key)
            return &local;
    return nullptr;
}

TfsCustomVariable* PascalCompiler::Lookup(const QString& name) const
{
    const QString key = TfsCustomVariable::KeyOf(name);
    if (const auto found = FDeclared.constFind(key); found != FDeclared.cend())
        return found.value();
    return FScript.Find(name);
}
