#include "report/script/TfsMethodHelper.h"

#include "report/script/ScriptLimits.h"

namespace {
// Host functions do work in proportion to the texts they are given and return.
qsizetype textLength(const QList<TfsVariant>& values)
{
    qsizetype length = 0;
    for (const TfsVariant& value : values)
        if (value.IsString())
            length += value.ToString().size();
    return length;
}
} // namespace

TfsMethodHelper::TfsMethodHelper(const QString& name, const QString& resultTypeName,
                                 QList<TfsParameter> parameters, bool isFunction, bool isMacro,
                                 TfsMethodHandler handler)
    : TfsCallable(name, resultTypeName, std::move(parameters), isFunction), FIsMacro(isMacro),
      FHandler(std::move(handler))
{
}

TfsVariant TfsMethodHelper::Call(QList<TfsVariant>& args)
{
    CheckArgumentCount(args.size());
    const QList<TfsParameter>& parameters = GetParameters();
    const qsizetype given = args.size();
    for (qsizetype i = 0; i < parameters.size(); ++i) {
        if (i >= given)
            args.append(*parameters[i].defaultValue);
        else if (!FIsMacro)
            args[i] = coerceToType(parameters[i].type, args[i]);
    }
    chargeSteps(1 + textLength(args) / kCharactersPerStep);
    TfsVariant result = FHandler(args);
    if (result.IsString())
        chargeString(result.ToString().size());
    args.resize(given);
    return result;
}
