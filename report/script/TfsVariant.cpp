#include "report/script/TfsVariant.h"

#include "report/script/FormatRoutines.h"
#include "report/script/ScriptLimits.h"
#include "report/script/ScriptMessages.h"
#include "report/script/TfsObject.h"

#include "common/Exception.h"

#include <cmath>

namespace {

bool fitsInt32(int64_t value)
{
    return value >= INT32_MIN && value <= INT32_MAX;
}

int64_t roundToInt64(double value, const TfsVariant& source)
{
    // Halves go to the even neighbour, as the platform's variant conversion does.
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -9.2233720368547758e18 || rounded >= 9.2233720368547758e18)
        throwConversionError(source, QStringLiteral("Int64"));
    return static_cast<int64_t>(rounded);
}

} // namespace

void throwConversionError(const TfsVariant& value, const QString& targetType)
{
    throw Exception(QStringLiteral("Could not convert variant of type (%1) into type (%2)")
                        .arg(value.GetTypeName(), targetType));
}

TfsVariant TfsVariant::Null()
{
    TfsVariant v;
    v.FData = NullTag{};
    return v;
}

TfsVariant TfsVariant::FromDate(TDateTime value)
{
    TfsVariant v;
    v.FData = DateTag{value};
    return v;
}

TfsVariant TfsVariant::FromObject(TfsObject* object)
{
    if (!object)
        return Null();
    TfsVariant v;
    v.FData = object;
    return v;
}

TfsVariant TfsVariant::FromArray(std::shared_ptr<TfsVariantArray> array)
{
    TfsVariant v;
    v.FData = std::move(array);
    return v;
}

TfsVariant TfsVariant::FromSet(std::vector<TfsSetElement> elements)
{
    TfsVariant v;
    v.FData = std::make_shared<const std::vector<TfsSetElement>>(std::move(elements));
    return v;
}

TfsVarType TfsVariant::GetVarType() const
{
    switch (FData.index()) {
    case kEmpty:
        return varEmpty;
    case kNull:
        return varNull;
    case kInteger:
        return fitsInt32(std::get<int64_t>(FData)) ? varInteger : varInt64;
    case kDouble:
        return varDouble;
    case kDate:
        return varDate;
    case kString:
        return varString;
    case kBoolean:
        return varBoolean;
    case kObject:
        return varDispatch;
    default: // arrays and sets
        return static_cast<TfsVarType>(varArray | varVariant);
    }
}

QString TfsVariant::GetTypeName() const
{
    switch (FData.index()) {
    case kEmpty:
        return QStringLiteral("Empty");
    case kNull:
        return QStringLiteral("Null");
    case kInteger:
        return GetVarType() == varInteger ? QStringLiteral("Integer") : QStringLiteral("Int64");
    case kDouble:
        return QStringLiteral("Double");
    case kDate:
        return QStringLiteral("Date");
    case kString:
        return QStringLiteral("String");
    case kBoolean:
        return QStringLiteral("Boolean");
    case kObject:
        return QStringLiteral("Dispatch");
    default:
        return QStringLiteral("Array Variant");
    }
}

int64_t TfsVariant::ToInt64() const
{
    switch (FData.index()) {
    case kEmpty:
        return 0;
    case kInteger:
        return std::get<int64_t>(FData);
    case kDouble:
        return roundToInt64(std::get<double>(FData), *this);
    case kDate:
        return roundToInt64(std::get<DateTag>(FData).value, *this);
    case kBoolean:
        return std::get<bool>(FData) ? -1 : 0; // the platform's True is all bits set
    case kString: {
        const QString& text = std::get<QString>(FData);
        if (const auto integer = tryStrToInt(text))
            return *integer;
        if (const auto number = tryStrToFloat(text))
            return roundToInt64(*number, *this);
        break;
    }
    default:
        break;
    }
    throwConversionError(*this,
                         GetVarType() == varInt64 ? QStringLiteral("Int64") : QStringLiteral("Integer"));
}

double TfsVariant::ToDouble() const
{
    switch (FData.index()) {
    case kEmpty:
        return 0;
    case kInteger:
        return static_cast<double>(std::get<int64_t>(FData));
    case kDouble:
        return std::get<double>(FData);
    case kDate:
        return std::get<DateTag>(FData).value;
    case kBoolean:
        return std::get<bool>(FData) ? -1 : 0;
    case kString:
        if (const auto number = tryStrToFloat(std::get<QString>(FData)))
            return *number;
        break;
    default:
        break;
    }
    throwConversionError(*this, QStringLiteral("Double"));
}

TDateTime TfsVariant::ToDate() const
{
    if (IsString()) {
        if (const auto date = tryStrToDateTime(std::get<QString>(FData)))
            return *date;
        throwConversionError(*this, QStringLiteral("Date"));
    }
    if (IsNull() || IsArray() || IsSet() || IsObject())
        throwConversionError(*this, QStringLiteral("Date"));
    return ToDouble();
}

bool TfsVariant::ToBoolean() const
{
    switch (FData.index()) {
    case kEmpty:
        return false;
    case kBoolean:
        return std::get<bool>(FData);
    case kInteger:
        return std::get<int64_t>(FData) != 0;
    case kDouble:
        return std::get<double>(FData) != 0;
    case kDate:
        return std::get<DateTag>(FData).value != 0;
    case kString:
        if (const auto value = tryStrToBool(std::get<QString>(FData)))
            return *value;
        break;
    default:
        break;
    }
    throwConversionError(*this, QStringLiteral("Boolean"));
}

QString TfsVariant::ToString() const
{
    switch (FData.index()) {
    case kEmpty:
        return QString();
    case kString:
        return std::get<QString>(FData);
    case kInteger:
        return QString::number(std::get<int64_t>(FData));
    case kDouble:
        return FloatToStr(std::get<double>(FData));
    case kDate:
        return DateTimeToStr(std::get<DateTag>(FData).value);
    case kBoolean:
        return std::get<bool>(FData) ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    throwConversionError(*this, QStringLiteral("String"));
}

TfsObject* TfsVariant::ToObject() const
{
    if (IsObject())
        return std::get<TfsObject*>(FData);
    if (IsNull() || IsEmpty())
        return nullptr;
    throwConversionError(*this, QStringLiteral("Dispatch"));
}

const TfsVariantArray& TfsVariant::ToArray() const
{
    if (!IsArray())
        throw Exception(QString::fromLatin1(kSArrayRequired));
    return *std::get<std::shared_ptr<TfsVariantArray>>(FData);
}

const std::vector<TfsSetElement>& TfsVariant::ToSet() const
{
    if (!IsSet())
        throwConversionError(*this, QStringLiteral("Set"));
    return *std::get<SetPtr>(FData);
}

TfsVariantArray& TfsVariant::MutableArray()
{
    auto& array = std::get<std::shared_ptr<TfsVariantArray>>(FData);
    // Arrays are values: a change must not show through other variables holding the same one.
    if (array.use_count() > 1) {
        chargeSteps(static_cast<int64_t>(array->items.size()));
        array = std::make_shared<TfsVariantArray>(*array);
    }
    return *array;
}

bool TfsVariant::operator==(const TfsVariant& other) const
{
    return FData == other.FData;
}

QString VarToStr(const TfsVariant& value)
{
    return value.IsNull() ? QString() : value.ToString();
}

QList<TfsVariant> variantToList(const TfsVariant& value)
{
    QList<TfsVariant> list;
    if (value.IsArray()) {
        for (const TfsVariant& item : value.ToArray().items)
            list.append(item);
    } else if (value.IsSet()) {
        for (const TfsSetElement& element : value.ToSet()) {
            if (element.isRange)
                throw Exception(QString::fromLatin1(kSIncompatibleTypes));
            list.append(element.low);
        }
    } else {
        list.append(value);
    }
    return list;
}
