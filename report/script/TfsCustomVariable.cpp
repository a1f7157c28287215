#include "report/script/TfsCustomVariable.h"

#include "report/script/ScriptMessages.h"

#include "common/Exception.h"

TfsCustomVariable::TfsCustomVariable(const QString& name, const QString& typeName)
    : FName(name), FTypeName(typeName), FKey(KeyOf(name))
{
}

TfsVariant TfsCustomVariable::GetValue()
{
    return TfsVariant();
}

void TfsCustomVariable::SetValue(const TfsVariant&)
{
    throw Exception(QString::fromLatin1(kSLeftCantAssigned));
}

TfsVariable::TfsVariable(const QString& name, const QString& typeName, const TfsTypeInfo& type,
                         const TfsVariant& value, bool isConstant)
    : TfsCustomVariable(name, typeName), FType(type), FValue(value), FIsConstant(isConstant)
{
}

void TfsVariable::SetValue(const TfsVariant& value)
{
    if (FIsConstant)
        TfsCustomVariable::SetValue(value);
    FValue = coerceToType(FType, value);
}

TfsTypeVariable::TfsTypeVariable(const QString& name, TfsBaseType base)
    : TfsCustomVariable(name, name), FBaseType(base)
{
}

TfsClassVariable::TfsClassVariable(const QString& name) : TfsCustomVariable(name, name) {}

TfsCallable::TfsCallable(const QString& name, const QString& resultTypeName, QList<TfsParameter> parameters,
                         bool isFunction)
    : TfsCustomVariable(name, resultTypeName), FParameters(std::move(parameters)), FIsFunction(isFunction)
{
}

int TfsCallable::GetRequiredCount() const
{
    int count = 0;
    for (const TfsParameter& parameter : FParameters)
        count += !parameter.defaultValue.has_value();
    return count;
}

TfsVariant TfsCallable::GetValue()
{
    QList<TfsVariant> none;
    return Call(none);
}

void TfsCallable::CheckArgumentCount(qsizetype count) const
{
    if (count < GetRequiredCount())
        throw Exception(QString::fromLatin1(kSNotEnoughParams));
    if (count > FParameters.size())
        throw Exception(QString::fromLatin1(kSTooManyParams));
}
