#pragma once

#include "report/script/TfsCustomVariable.h"
#include "report/script/VariantOperators.h"

#include <memory>
#include <vector>

class TfsCallable;

// The executable tree that compiling builds: expression nodes yield values, statement nodes run.
// Names are resolved when compiling: nodes hold the items they use, local variables are values of
// the frame of the running procedure.

struct TfsFrame {
    std::vector<TfsVariant> values;
};

enum TfsFlow { flNone, flBreak, flContinue, flExit };

struct ExecContext {
    TfsFrame* frame = nullptr;
    TfsFlow flow = flNone;
};

class ExprNode {
public:
    virtual ~ExprNode() = default;
    virtual TfsVariant Evaluate(ExecContext& ctx) const = 0;
};
using ExprPtr = std::unique_ptr<ExprNode>;

// An expression that can be assigned to: a variable, an element, a property.
class LValueNode : public ExprNode {
public:
    virtual void Assign(ExecContext& ctx, const TfsVariant& value) const = 0;
    // The variable's own storage, for changing an element in place; null for properties.
    virtual TfsVariant* Storage(ExecContext& ctx) const = 0;
};

class StmtNode {
public:
    virtual ~StmtNode() = default;
    virtual void Execute(ExecContext& ctx) const = 0;
};
using StmtPtr = std::unique_ptr<StmtNode>;
using StmtList = std::vector<StmtPtr>;

// Runs the statements in order, one step each, until one of them breaks the flow.
void executeList(const StmtList& list, ExecContext& ctx);

// ---- expressions ----

class ConstantNode : public ExprNode {
public:
    explicit ConstantNode(TfsVariant value) : FValue(std::move(value)) {}
    TfsVariant Evaluate(ExecContext&) const override { return FValue; }

private:
    TfsVariant FValue;
};

class LocalNode : public LValueNode {
public:
    LocalNode(int slot, TfsTypeInfo type) : FSlot(slot), FType(std::move(type)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override;
    void Assign(ExecContext& ctx, const TfsVariant& value) const override;
    TfsVariant* Storage(ExecContext& ctx) const override;

private:
    int FSlot;
    TfsTypeInfo FType;
};

// A script item: a global variable or constant, a registered object.
class ItemNode : public LValueNode {
public:
    explicit ItemNode(TfsCustomVariable* item) : FItem(item) {}
    TfsVariant Evaluate(ExecContext&) const override { return FItem->GetValue(); }
    void Assign(ExecContext& ctx, const TfsVariant& value) const override;
    TfsVariant* Storage(ExecContext& ctx) const override;

private:
    TfsCustomVariable* FItem;
};

// Operands joined by operators of one precedence level, evaluated left to right in a loop (so
// that long chains do not nest). "and" and "or" skip their right operand when the left one is a
// Boolean that already decides the result.
class ChainNode : public ExprNode {
public:
    struct Link {
        TfsOperator op;
        ExprPtr operand;
    };
    ChainNode(ExprPtr first, std::vector<Link> rest) : FFirst(std::move(first)), FRest(std::move(rest)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override;

private:
    ExprPtr FFirst;
    std::vector<Link> FRest;
};

class NegateNode : public ExprNode {
public:
    explicit NegateNode(ExprPtr operand) : FOperand(std::move(operand)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override { return variantNegate(FOperand->Evaluate(ctx)); }

private:
    ExprPtr FOperand;
};

class NotNode : public ExprNode {
public:
    explicit NotNode(ExprPtr operand) : FOperand(std::move(operand)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override { return variantNot(FOperand->Evaluate(ctx)); }

private:
    ExprPtr FOperand;
};

class SetNode : public ExprNode {
public:
    struct Element {
        ExprPtr low;
        ExprPtr high; // null for a single value
    };
    explicit SetNode(std::vector<Element> elements) : FElements(std::move(elements)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override;

private:
    std::vector<Element> FElements;
};

class IsNode : public ExprNode {
public:
    IsNode(ExprPtr value, QString className) : FValue(std::move(value)), FClassName(std::move(className)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override;

private:
    ExprPtr FValue;
    QString FClassName;
};

// A type cast: Integer(x), String(x) …
class CoerceNode : public ExprNode {
public:
    CoerceNode(TfsBaseType type, ExprPtr value) : FType(type), FValue(std::move(value)) {}
    TfsVariant Evaluate(ExecContext& ctx) const override
    {
        return coerceToType(FType, FValue->Evaluate(ctx));
    }

private:
    TfsBaseType FType;
    ExprPtr FValue;
};

// A call of a procedure or function; var parameters are written back to their targets.
class CallNode : public ExprNode {
public:
    CallNode(TfsCallable* callable, std::vector<ExprPtr> args);
    TfsVariant Evaluate(ExecContext& ctx) const override;

private:
    TfsCallable* FCallable;
    std::vector<ExprPtr> FArgs;
};

// A member of a host object: a property (indexed when it has arguments) or a method call.
class MemberNode : public LValueNode {
public:
    MemberNode(ExprPtr base, QString name, std::vector<ExprPtr> args)
        : FBase(std::move(base)), FName(std::move(name)), FArgs(std::move(args))
    {
    }
    TfsVariant Evaluate(ExecContext& ctx) const override;
    void Assign(ExecContext& ctx, const TfsVariant& value) const override;
    TfsVariant* Storage(ExecContext&) const override { return nullptr; }

private:
    TfsObject* BaseObject(ExecContext& ctx) const;
    QList<TfsVariant> EvaluateArgs(ExecContext& ctx) const;

    ExprPtr FBase;
    QString FName;
    std::vector<ExprPtr> FArgs;
};

// An element of an array, a character of a string, or the default property of an object.
class IndexNode : public LValueNode {
public:
    IndexNode(ExprPtr base, std::vector<ExprPtr> indices)
        : FBase(std::move(base)), FIndices(std::move(indices))
    {
    }
    TfsVariant Evaluate(ExecContext& ctx) const override;
    void Assign(ExecContext& ctx, const TfsVariant& value) const override;
    TfsVariant* Storage(ExecContext& ctx) const override;

private:
    QList<TfsVariant> EvaluateIndices(ExecContext& ctx) const;

    ExprPtr FBase;
    std::vector<ExprPtr> FIndices;
};

// ---- statements ----

class AssignStmt : public StmtNode {
public:
    AssignStmt(std::unique_ptr<LValueNode> target, ExprPtr value)
        : FTarget(std::move(target)), FValue(std::move(value))
    {
    }
    void Execute(ExecContext& ctx) const override { FTarget->Assign(ctx, FValue->Evaluate(ctx)); }

private:
    std::unique_ptr<LValueNode> FTarget;
    ExprPtr FValue;
};

// A call or another designator evaluated for its effect.
class ExprStmt : public StmtNode {
public:
    explicit ExprStmt(ExprPtr expr) : FExpr(std::move(expr)) {}
    void Execute(ExecContext& ctx) const override { FExpr->Evaluate(ctx); }

private:
    ExprPtr FExpr;
};

class CompoundStmt : public StmtNode {
public:
    explicit CompoundStmt(StmtList list) : FList(std::move(list)) {}
    void Execute(ExecContext& ctx) const override { executeList(FList, ctx); }
    size_t GetCount() const { return FList.size(); }

private:
    StmtList FList;
};

class IfStmt : public StmtNode {
public:
    IfStmt(ExprPtr condition, StmtPtr then, StmtPtr otherwise)
        : FCondition(std::move(condition)), FThen(std::move(then)), FElse(std::move(otherwise))
    {
    }
    void Execute(ExecContext& ctx) const override;

private:
    ExprPtr FCondition;
    StmtPtr FThen;
    StmtPtr FElse;
};

class WhileStmt : public StmtNode {
public:
    WhileStmt(ExprPtr condition, StmtPtr body) : FCondition(std::move(condition)), FBody(std::move(body)) {}
    void Execute(ExecContext& ctx) const override;

private:
    ExprPtr FCondition;
    StmtPtr FBody;
};

class RepeatStmt : public StmtNode {
public:
    RepeatStmt(StmtList body, ExprPtr condition) : FBody(std::move(body)), FCondition(std::move(condition)) {}
    void Execute(ExecContext& ctx) const override;

private:
    StmtList FBody;
    ExprPtr FCondition;
};

class ForStmt : public StmtNode {
public:
    ForStmt(std::unique_ptr<LValueNode> counter, ExprPtr from, ExprPtr to, bool downTo, StmtPtr body)
        : FCounter(std::move(counter)), FFrom(std::move(from)), FTo(std::move(to)), FDownTo(downTo),
          FBody(std::move(body))
    {
    }
    void Execute(ExecContext& ctx) const override;

private:
    std::unique_ptr<LValueNode> FCounter;
    ExprPtr FFrom;
    ExprPtr FTo;
    bool FDownTo;
    StmtPtr FBody;
};

class CaseStmt : public StmtNode {
public:
    struct Branch {
        std::vector<SetNode::Element> labels;
        StmtPtr statement;
    };
    CaseStmt(ExprPtr selector, std::vector<Branch> branches, StmtList otherwise)
        : FSelector(std::move(selector)), FBranches(std::move(branches)), FElse(std::move(otherwise))
    {
    }
    void Execute(ExecContext& ctx) const override;

private:
    ExprPtr FSelector;
    std::vector<Branch> FBranches;
    StmtList FElse;
};

// try … except: errors of the script and its library are handled; exceeded limits are not.
class TryExceptStmt : public StmtNode {
public:
    TryExceptStmt(StmtList body, StmtList handler) : FBody(std::move(body)), FHandler(std::move(handler)) {}
    void Execute(ExecContext& ctx) const override;

private:
    StmtList FBody;
    StmtList FHandler;
};

class TryFinallyStmt : public StmtNode {
public:
    TryFinallyStmt(StmtList body, StmtList final) : FBody(std::move(body)), FFinally(std::move(final)) {}
    void Execute(ExecContext& ctx) const override;

private:
    void RunFinally(ExecContext& ctx) const;

    StmtList FBody;
    StmtList FFinally;
};

// exit, break, continue
class FlowStmt : public StmtNode {
public:
    explicit FlowStmt(TfsFlow flow) : FFlow(flow) {}
    void Execute(ExecContext& ctx) const override { ctx.flow = FFlow; }

private:
    TfsFlow FFlow;
};
