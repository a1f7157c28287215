#include "report/script/VariantOperators.h"

#include "report/script/FormatRoutines.h"
#include "report/script/ScriptLimits.h"

#include "common/Exception.h"

#include <cmath>

namespace {

[[noreturn]] void invalidOperation()
{
    throw Exception(QStringLiteral("Invalid variant operation"));
}

bool isStructured(const TfsVariant& v)
{
    return v.IsArray() || v.IsSet() || v.IsObject();
}

// A string taking part in arithmetic becomes an integer when it reads as one, else a double.
TfsVariant numberOf(const TfsVariant& v)
{
    if (v.IsString()) {
        if (const auto integer = tryStrToInt(v.ToString()))
            return TfsVariant(*integer);
        return TfsVariant(v.ToDouble());
    }
    if (v.IsBoolean() || v.IsEmpty())
        return TfsVariant(v.ToInt64());
    return v;
}

TfsVariant doubleOperation(TfsOperator op, double a, double b)
{
    switch (op) {
    case opAdd:
        return a + b;
    case opSubtract:
        return a - b;
    default:
        return a * b;
    }
}

TfsVariant integerOperation(TfsOperator op, int64_t a, int64_t b)
{
    int64_t result = 0;
    bool overflow = false;
    switch (op) {
    case opAdd:
        overflow = __builtin_add_overflow(a, b, &result);
        break;
    case opSubtract:
        overflow = __builtin_sub_overflow(a, b, &result);
        break;
    default:
        overflow = __builtin_mul_overflow(a, b, &result);
        break;
    }
    if (overflow)
        return doubleOperation(op, static_cast<double>(a), static_cast<double>(b));
    return result;
}

TfsVariant arithmetic(TfsOperator op, const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return TfsVariant::Null();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    if (op == opAdd && (left.IsString() || left.IsEmpty()) && (right.IsString() || right.IsEmpty()) &&
        !(left.IsEmpty() && right.IsEmpty())) {
        const QString a = left.ToString(), b = right.ToString();
        chargeString(a.size() + b.size());
        return a + b;
    }
    const TfsVariant a = numberOf(left), b = numberOf(right);
    if (a.IsDate() || b.IsDate()) {
        const TfsVariant days = doubleOperation(op, a.ToDouble(), b.ToDouble());
        const bool dateResult = op == opAdd || (op == opSubtract && !(a.IsDate() && b.IsDate()));
        return dateResult ? TfsVariant::FromDate(days.ToDouble()) : days;
    }
    if (a.IsDouble() || b.IsDouble())
        return doubleOperation(op, a.ToDouble(), b.ToDouble());
    return integerOperation(op, a.ToInt64(), b.ToInt64());
}

TfsVariant divide(const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return TfsVariant::Null();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    const double a = numberOf(left).ToDouble(), b = numberOf(right).ToDouble();
    if (b == 0) {
        if (a == 0 || std::isnan(a))
            throw Exception(QStringLiteral("Invalid floating point operation"));
        throw Exception(QStringLiteral("Floating point division by zero"));
    }
    const double result = a / b;
    if (std::isinf(result))
        throw Exception(QStringLiteral("Floating point overflow"));
    return result;
}

TfsVariant integerDivide(TfsOperator op, const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return TfsVariant::Null();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    const int64_t a = numberOf(left).ToInt64(), b = numberOf(right).ToInt64();
    if (b == 0)
        throw Exception(QStringLiteral("Division by zero"));
    if (b == -1) // the one quotient that does not fit
        return op == opIntDivide ? integerOperation(opSubtract, 0, a) : TfsVariant(0);
    return op == opIntDivide ? a / b : a % b;
}

TfsVariant logical(TfsOperator op, const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return TfsVariant::Null();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    if (left.IsBoolean() || right.IsBoolean()) {
        const bool a = left.ToBoolean(), b = right.ToBoolean();
        return op == opAnd ? (a && b) : op == opOr ? (a || b) : (a != b);
    }
    const int64_t a = numberOf(left).ToInt64(), b = numberOf(right).ToInt64();
    return op == opAnd ? (a & b) : op == opOr ? (a | b) : (a ^ b);
}

TfsVariant shift(TfsOperator op, const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return TfsVariant::Null();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    const auto a = static_cast<uint64_t>(numberOf(left).ToInt64());
    const int count = static_cast<int>(numberOf(right).ToInt64() & 63);
    return static_cast<int64_t>(op == opShl ? a << count : a >> count);
}

int sign(double value)
{
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

int compareStrings(const QString& a, const QString& b)
{
    chargeSteps(1 + (a.size() + b.size()) / kCharactersPerStep);
    if (a == b)
        return 0;
    // Only equal texts compare equal, whatever the collation says about them.
    const int collated = QString::localeAwareCompare(a, b);
    return collated != 0 ? collated : QString::compare(a, b);
}

// Values of different kinds meet on the kind of the more specific one: a string compared with a
// Boolean, a date or a number takes that kind.
int compareValues(const TfsVariant& a, const TfsVariant& b)
{
    if (a.IsString() && b.IsString())
        return compareStrings(a.ToString(), b.ToString());
    if ((a.IsEmpty() && b.IsString()) || (a.IsString() && b.IsEmpty()))
        return compareStrings(a.ToString(), b.ToString());
    if (a.IsBoolean() || b.IsBoolean())
        return sign(static_cast<double>(a.ToBoolean()) - static_cast<double>(b.ToBoolean()));
    if (a.IsDate() || b.IsDate())
        return sign(a.ToDate() - b.ToDate());
    const TfsVariant x = numberOf(a), y = numberOf(b);
    if (x.IsInteger() && y.IsInteger()) {
        const int64_t i = x.ToInt64(), j = y.ToInt64();
        return i < j ? -1 : i > j ? 1 : 0;
    }
    return sign(x.ToDouble() - y.ToDouble());
}

bool inSet(const TfsVariant& value, const TfsVariant& set)
{
    if (set.IsArray()) {
        for (const TfsVariant& item : set.ToArray().items)
            if (variantEquals(value, item))
                return true;
        return false;
    }
    for (const TfsSetElement& element : set.ToSet()) {
        if (!element.isRange
                ? variantEquals(value, element.low)
                : variantCompare(value, element.low) >= 0 && variantCompare(value, element.high) <= 0)
            return true;
    }
    return false;
}

} // namespace

bool variantEquals(const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return left.IsNull() && right.IsNull();
    if (left.IsObject() || right.IsObject())
        return left.IsObject() && right.IsObject() && left.ToObject() == right.ToObject();
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    return compareValues(left, right) == 0;
}

int variantCompare(const TfsVariant& left, const TfsVariant& right)
{
    if (left.IsNull() || right.IsNull())
        return (left.IsNull() ? 0 : 1) - (right.IsNull() ? 0 : 1);
    if (isStructured(left) || isStructured(right))
        invalidOperation();
    return compareValues(left, right);
}

TfsVariant variantOperation(TfsOperator op, const TfsVariant& left, const TfsVariant& right)
{
    switch (op) {
    case opAdd:
    case opSubtract:
    case opMultiply:
        return arithmetic(op, left, right);
    case opDivide:
        return divide(left, right);
    case opIntDivide:
    case opModulo:
        return integerDivide(op, left, right);
    case opAnd:
    case opOr:
    case opXor:
        return logical(op, left, right);
    case opShl:
    case opShr:
        return shift(op, left, right);
    case opEqual:
        return variantEquals(left, right);
    case opNotEqual:
        return !variantEquals(left, right);
    case opLess:
        return variantCompare(left, right) < 0;
    case opLessOrEqual:
        return variantCompare(left, right) <= 0;
    case opGreater:
        return variantCompare(left, right) > 0;
    case opGreaterOrEqual:
        return variantCompare(left, right) >= 0;
    case opIn:
        if (!right.IsSet() && !right.IsArray())
            invalidOperation();
        return inSet(left, right);
    }
    invalidOperation();
}

TfsVariant variantNegate(const TfsVariant& value)
{
    if (value.IsNull())
        return value;
    if (isStructured(value))
        invalidOperation();
    const TfsVariant number = numberOf(value);
    if (number.IsDate())
        return TfsVariant::FromDate(-number.ToDouble());
    if (number.IsDouble())
        return -number.ToDouble();
    return integerOperation(opSubtract, 0, number.ToInt64());
}

TfsVariant variantNot(const TfsVariant& value)
{
    if (value.IsNull())
        return value;
    if (isStructured(value))
        invalidOperation();
    if (value.IsBoolean())
        return !value.ToBoolean();
    return ~numberOf(value).ToInt64();
}

bool variantDecidesAnd(const TfsVariant& left)
{
    return left.IsBoolean() && !left.ToBoolean();
}

bool variantDecidesOr(const TfsVariant& left)
{
    return left.IsBoolean() && left.ToBoolean();
}
