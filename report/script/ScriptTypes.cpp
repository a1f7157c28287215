#include "report/script/ScriptTypes.h"

#include "report/script/ScriptLimits.h"

#include "common/Exception.h"

TfsVariant coerceToType(TfsBaseType type, const TfsVariant& value)
{
    switch (type) {
    case btInteger:
        return value.IsInteger() ? value : TfsVariant(value.ToInt64());
    case btFloat:
        return value.IsDouble() ? value : TfsVariant(value.ToDouble());
    case btDate:
        return value.IsDate() ? value : TfsVariant::FromDate(value.ToDate());
    case btString:
        return value.IsString() ? value : TfsVariant(value.ToString());
    case btBoolean:
        return value.IsBoolean() ? value : TfsVariant(value.ToBoolean());
    case btVariant:
    case btArray:
        break;
    }
    return value;
}

TfsVariant coerceToType(const TfsTypeInfo& type, const TfsVariant& value)
{
    return coerceToType(type.base, value);
}

namespace {
TfsVariant initialValue(TfsBaseType type)
{
    switch (type) {
    case btInteger:
        return TfsVariant(0);
    case btFloat:
        return TfsVariant(0.0);
    case btDate:
        return TfsVariant::FromDate(0);
    case btString:
        return TfsVariant(QString());
    case btBoolean:
        return TfsVariant(false);
    default:
        return TfsVariant();
    }
}

TfsVarType varTypeOf(TfsBaseType type)
{
    switch (type) {
    case btInteger:
        return varInteger;
    case btFloat:
        return varDouble;
    case btDate:
        return varDate;
    case btString:
        return varString;
    case btBoolean:
        return varBoolean;
    default:
        return varVariant;
    }
}
} // namespace

TfsVariant initialValue(const TfsTypeInfo& type)
{
    if (type.base == btArray)
        return createVariantArray(type.dimensions, type.element);
    return initialValue(type.base);
}

TfsVariant createVariantArray(const std::vector<TfsVariantArray::Bounds>& dimensions, TfsBaseType elementType)
{
    int64_t count = 1;
    for (const auto& bounds : dimensions) {
        if (bounds.high < bounds.low)
            throw Exception(
                QStringLiteral("Variant array bounds %1..%2 are invalid").arg(bounds.low).arg(bounds.high));
        // Checked before multiplying, so that huge bounds cannot overflow the count.
        const uint64_t span = static_cast<uint64_t>(bounds.high) - static_cast<uint64_t>(bounds.low);
        if (span >= static_cast<uint64_t>(kMaxArrayElements) ||
            (count *= static_cast<int64_t>(span) + 1) > kMaxArrayElements)
            throw ScriptLimitError(
                QStringLiteral("Variant array is too large (more than %1 elements)").arg(kMaxArrayElements));
    }
    chargeSteps(count);
    auto array = std::make_shared<TfsVariantArray>();
    array->dimensions = dimensions;
    array->elementType = varTypeOf(elementType);
    array->items.assign(static_cast<size_t>(count), initialValue(elementType));
    return TfsVariant::FromArray(std::move(array));
}

TfsBaseType baseTypeOfVarType(int varType)
{
    switch (varType & varTypeMask) {
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
        return btInteger;
    case varSingle:
    case varDouble:
    case varCurrency:
        return btFloat;
    case varDate:
        return btDate;
    case varOleStr:
    case varString:
    case varStrArg:
        return btString;
    case varBoolean:
        return btBoolean;
    default:
        return btVariant;
    }
}
