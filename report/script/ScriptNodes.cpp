#include "report/script/ScriptNodes.h"

#include "report/script/ScriptLimits.h"
#include "report/script/ScriptMessages.h"
#include "report/script/TfsObject.h"

#include "common/Exception.h"

namespace {

[[noreturn]] void undeclared(const QString& name)
{
    throw Exception(QString::fromLatin1(kSIdUndeclared) + u'\'' + name + u'\'');
}

// The position of an element in a row-major array, or -1 when an index is out of bounds.
int64_t elementOffset(const TfsVariantArray& array, const QList<TfsVariant>& indices)
{
    if (indices.size() != static_cast<qsizetype>(array.dimensions.size()))
        return -1;
    int64_t offset = 0;
    for (qsizetype d = 0; d < indices.size(); ++d) {
        const auto& bounds = array.dimensions[static_cast<size_t>(d)];
        const int64_t index = indices[d].ToInt64();
        if (index < bounds.low || index > bounds.high)
            return -1;
        offset = offset * (bounds.high - bounds.low + 1) + (index - bounds.low);
    }
    return offset;
}

[[noreturn]] void outOfBounds()
{
    throw Exception(QString::fromLatin1(kSIndexOutOfBounds));
}

// The 0-based position of a 1-based string index, checked.
qsizetype characterOffset(const QString& text, const QList<TfsVariant>& indices)
{
    if (indices.size() != 1)
        outOfBounds();
    const int64_t index = indices[0].ToInt64();
    if (index < 1 || index > text.size())
        outOfBounds();
    return static_cast<qsizetype>(index - 1);
}

TfsVariant elementOf(const TfsVariant& base, const QList<TfsVariant>& indices)
{
    if (base.IsArray()) {
        const TfsVariantArray& array = base.ToArray();
        const int64_t offset = elementOffset(array, indices);
        if (offset < 0)
            outOfBounds();
        return array.items[static_cast<size_t>(offset)];
    }
    if (base.IsString()) {
        const QString text = base.ToString();
        return QString(text[characterOffset(text, indices)]);
    }
    if (base.IsObject()) {
        TfsObject* object = base.ToObject();
        QList<TfsVariant> args = indices;
        TfsVariant result;
        if (!object->GetMember(QString(), args, result))
            throw Exception(formatMessage(QString::fromLatin1(kSClassError), object->GetClassName()));
        return result;
    }
    throw Exception(QString::fromLatin1(kSArrayRequired));
}

// Changes an element of an array or a character of a string held in Storage.
void assignElement(TfsVariant& storage, const QList<TfsVariant>& indices, const TfsVariant& value)
{
    if (storage.IsArray()) {
        const int64_t offset = elementOffset(storage.ToArray(), indices);
        if (offset < 0)
            outOfBounds();
        TfsVariantArray& array = storage.MutableArray();
        array.items[static_cast<size_t>(offset)] = coerceToType(baseTypeOfVarType(array.elementType), value);
        return;
    }
    if (storage.IsString()) {
        QString text = storage.ToString();
        const qsizetype at = characterOffset(text, indices);
        const QString character = value.ToString();
        if (character.size() != 1)
            throw Exception(QString::fromLatin1(kSIncompatibleTypes));
        text[at] = character[0];
        storage = text;
        return;
    }
    if (storage.IsObject()) {
        TfsObject* object = storage.ToObject();
        if (!object->SetMember(QString(), indices, value))
            throw Exception(formatMessage(QString::fromLatin1(kSClassError), object->GetClassName()));
        return;
    }
    throw Exception(QString::fromLatin1(kSArrayRequired));
}

// Applies the flow a loop body left; true when the loop is to stop.
bool loopEnds(ExecContext& ctx)
{
    if (ctx.flow == flBreak) {
        ctx.flow = flNone;
        return true;
    }
    if (ctx.flow == flContinue)
        ctx.flow = flNone;
    return ctx.flow == flExit;
}

bool matches(const std::vector<SetNode::Element>& labels, const TfsVariant& value, ExecContext& ctx)
{
    for (const SetNode::Element& label : labels) {
        if (!label.high ? variantEquals(value, label.low->Evaluate(ctx))
                        : variantCompare(value, label.low->Evaluate(ctx)) >= 0 &&
                              variantCompare(value, label.high->Evaluate(ctx)) <= 0)
            return true;
    }
    return false;
}

} // namespace

void executeList(const StmtList& list, ExecContext& ctx)
{
    for (const StmtPtr& statement : list) {
        chargeSteps();
        statement->Execute(ctx);
        if (ctx.flow != flNone)
            return;
    }
}

TfsVariant LocalNode::Evaluate(ExecContext& ctx) const
{
    return ctx.frame->values[static_cast<size_t>(FSlot)];
}

void LocalNode::Assign(ExecContext& ctx, const TfsVariant& value) const
{
    ctx.frame->values[static_cast<size_t>(FSlot)] = coerceToType(FType, value);
}

TfsVariant* LocalNode::Storage(ExecContext& ctx) const
{
    return &ctx.frame->values[static_cast<size_t>(FSlot)];
}

void ItemNode::Assign(ExecContext&, const TfsVariant& value) const
{
    FItem->SetValue(value);
}

TfsVariant* ItemNode::Storage(ExecContext&) const
{
    auto* variable = dynamic_cast<TfsVariable*>(FItem);
    return variable && variable->IsAssignable() ? &variable->GetStorage() : nullptr;
}

TfsVariant ChainNode::Evaluate(ExecContext& ctx) const
{
    TfsVariant value = FFirst->Evaluate(ctx);
    for (const Link& link : FRest) {
        if ((link.op == opAnd && variantDecidesAnd(value)) || (link.op == opOr && variantDecidesOr(value)))
            continue;
        value = variantOperation(link.op, value, link.operand->Evaluate(ctx));
    }
    return value;
}

TfsVariant SetNode::Evaluate(ExecContext& ctx) const
{
    std::vector<TfsSetElement> elements;
    elements.reserve(FElements.size());
    for (const Element& element : FElements) {
        TfsSetElement value;
        value.low = element.low->Evaluate(ctx);
        value.isRange = element.high != nullptr;
        if (value.isRange)
            value.high = element.high->Evaluate(ctx);
        elements.push_back(std::move(value));
    }
    return TfsVariant::FromSet(std::move(elements));
}

TfsVariant IsNode::Evaluate(ExecContext& ctx) const
{
    const TfsVariant value = FValue->Evaluate(ctx);
    return value.IsObject() && value.ToObject()->InheritsFrom(FClassName);
}

CallNode::CallNode(TfsCallable* callable, std::vector<ExprPtr> args)
    : FCallable(callable), FArgs(std::move(args))
{
}

TfsVariant CallNode::Evaluate(ExecContext& ctx) const
{
    QList<TfsVariant> values;
    values.reserve(static_cast<qsizetype>(FArgs.size()));
    for (const ExprPtr& arg : FArgs)
        values.append(arg->Evaluate(ctx));
    const TfsVariant result = FCallable->Call(values);
    const QList<TfsParameter>& parameters = FCallable->GetParameters();
    for (size_t i = 0; i < FArgs.size(); ++i) {
        if (parameters[static_cast<qsizetype>(i)].isVar)
            static_cast<const LValueNode&>(*FArgs[i]).Assign(ctx, values[static_cast<qsizetype>(i)]);
    }
    return result;
}

TfsObject* MemberNode::BaseObject(ExecContext& ctx) const
{
    const TfsVariant base = FBase->Evaluate(ctx);
    if (base.IsString())
        throw Exception(QString::fromLatin1(kSStringError));
    if (!base.IsObject())
        throw Exception(QString::fromLatin1(kSClassRequired));
    return base.ToObject();
}

QList<TfsVariant> MemberNode::EvaluateArgs(ExecContext& ctx) const
{
    QList<TfsVariant> args;
    for (const ExprPtr& arg : FArgs)
        args.append(arg->Evaluate(ctx));
    return args;
}

TfsVariant MemberNode::Evaluate(ExecContext& ctx) const
{
    TfsObject* object = BaseObject(ctx);
    QList<TfsVariant> args = EvaluateArgs(ctx);
    TfsVariant result;
    chargeSteps();
    if (!object->GetMember(FName, args, result))
        undeclared(FName);
    return result;
}

void MemberNode::Assign(ExecContext& ctx, const TfsVariant& value) const
{
    TfsObject* object = BaseObject(ctx);
    chargeSteps();
    if (!object->SetMember(FName, EvaluateArgs(ctx), value))
        undeclared(FName);
}

QList<TfsVariant> IndexNode::EvaluateIndices(ExecContext& ctx) const
{
    QList<TfsVariant> indices;
    for (const ExprPtr& index : FIndices)
        indices.append(index->Evaluate(ctx));
    return indices;
}

TfsVariant IndexNode::Evaluate(ExecContext& ctx) const
{
    const TfsVariant base = FBase->Evaluate(ctx);
    return elementOf(base, EvaluateIndices(ctx));
}

TfsVariant* IndexNode::Storage(ExecContext& ctx) const
{
    const auto* base = dynamic_cast<const LValueNode*>(FBase.get());
    TfsVariant* storage = base ? base->Storage(ctx) : nullptr;
    if (!storage || !storage->IsArray())
        return nullptr;
    const int64_t offset = elementOffset(storage->ToArray(), EvaluateIndices(ctx));
    if (offset < 0)
        outOfBounds();
    return &storage->MutableArray().items[static_cast<size_t>(offset)];
}

void IndexNode::Assign(ExecContext& ctx, const TfsVariant& value) const
{
    const auto* base = dynamic_cast<const LValueNode*>(FBase.get());
    const QList<TfsVariant> indices = EvaluateIndices(ctx);
    if (TfsVariant* storage = base ? base->Storage(ctx) : nullptr) {
        assignElement(*storage, indices, value);
        return;
    }
    // An object takes the change through its default property; a property or constant holding an
    // array or a string is changed in a copy that is written back.
    TfsVariant whole = FBase->Evaluate(ctx);
    if (whole.IsObject()) {
        assignElement(whole, indices, value);
        return;
    }
    if (!base)
        throw Exception(QString::fromLatin1(kSLeftCantAssigned));
    assignElement(whole, indices, value);
    base->Assign(ctx, whole);
}

void IfStmt::Execute(ExecContext& ctx) const
{
    if (FCondition->Evaluate(ctx).ToBoolean())
        FThen->Execute(ctx);
    else if (FElse)
        FElse->Execute(ctx);
}

void WhileStmt::Execute(ExecContext& ctx) const
{
    for (;;) {
        chargeSteps();
        if (!FCondition->Evaluate(ctx).ToBoolean())
            return;
        FBody->Execute(ctx);
        if (loopEnds(ctx))
            return;
    }
}

void RepeatStmt::Execute(ExecContext& ctx) const
{
    for (;;) {
        chargeSteps();
        executeList(FBody, ctx);
        if (loopEnds(ctx))
            return;
        if (FCondition->Evaluate(ctx).ToBoolean())
            return;
    }
}

void ForStmt::Execute(ExecContext& ctx) const
{
    const int64_t from = FFrom->Evaluate(ctx).ToInt64();
    const int64_t to = FTo->Evaluate(ctx).ToInt64();
    if (FDownTo ? from < to : from > to)
        return;
    for (int64_t i = from;; FDownTo ? --i : ++i) {
        chargeSteps();
        FCounter->Assign(ctx, TfsVariant(i));
        FBody->Execute(ctx);
        if (loopEnds(ctx) || i == to)
            return;
    }
}

void CaseStmt::Execute(ExecContext& ctx) const
{
    const TfsVariant selector = FSelector->Evaluate(ctx);
    for (const Branch& branch : FBranches) {
        if (matches(branch.labels, selector, ctx)) {
            branch.statement->Execute(ctx);
            return;
        }
    }
    executeList(FElse, ctx);
}

void TryExceptStmt::Execute(ExecContext& ctx) const
{
    try {
        executeList(FBody, ctx);
    } catch (const ScriptLimitError&) {
        throw;
    } catch (const Exception&) {
        ctx.flow = flNone;
        executeList(FHandler, ctx);
    }
}

void TryFinallyStmt::RunFinally(ExecContext& ctx) const
{
    // An exit, break or continue of the guarded part takes effect after the final part has run.
    const TfsFlow pending = ctx.flow;
    ctx.flow = flNone;
    executeList(FFinally, ctx);
    if (ctx.flow == flNone)
        ctx.flow = pending;
}

void TryFinallyStmt::Execute(ExecContext& ctx) const
{
    try {
        executeList(FBody, ctx);
    } catch (...) {
        ctx.flow = flNone;
        RunFinally(ctx);
        throw;
    }
    RunFinally(ctx);
}
