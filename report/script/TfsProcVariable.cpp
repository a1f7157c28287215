#include "report/script/TfsProcVariable.h"

#include "report/script/ScriptLimits.h"

TfsProcVariable::TfsProcVariable(const QString& name, const QString& resultTypeName,
                                 QList<TfsParameter> parameters, bool isFunction, TfsTypeInfo resultType)
    : TfsCallable(name, resultTypeName, std::move(parameters), isFunction), FResultType(std::move(resultType))
{
}

void TfsProcVariable::SetBody(StmtPtr body, std::vector<TfsTypeInfo> localTypes, int depth)
{
    FBody = std::move(body);
    FLocalTypes = std::move(localTypes);
    FDepth = depth;
}

TfsVariant TfsProcVariable::Call(QList<TfsVariant>& args)
{
    CheckArgumentCount(args.size());
    RunScope run;
    NestingScope nesting(1 + FDepth);
    chargeSteps();
    const QList<TfsParameter>& parameters = GetParameters();
    TfsFrame frame;
    frame.values.reserve(static_cast<size_t>(parameters.size()) + FLocalTypes.size() + 1);
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        const TfsParameter& parameter = parameters[i];
        frame.values.push_back(
            coerceToType(parameter.type, i < args.size() ? args[i] : *parameter.defaultValue));
    }
    for (const TfsTypeInfo& type : FLocalTypes)
        frame.values.push_back(initialValue(type));
    if (IsFunction())
        frame.values.push_back(initialValue(FResultType));
    ExecContext ctx{&frame, flNone};
    if (FBody)
        FBody->Execute(ctx);
    for (qsizetype i = 0; i < args.size(); ++i)
        if (parameters[i].isVar)
            args[i] = frame.values[static_cast<size_t>(i)];
    return IsFunction() ? frame.values.back() : TfsVariant();
}
