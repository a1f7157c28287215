#pragma once

#include "common/DateValue.h"

#include <QList>
#include <QString>
#include <concepts>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

class TfsObject;
class TfsVariant;

// Variant type codes, as scripts see them through VarType and the var… constants.
enum TfsVarType : int {
    varEmpty = 0x0000,
    varNull = 0x0001,
    varSmallint = 0x0002,
    varInteger = 0x0003,
    varSingle = 0x0004,
    varDouble = 0x0005,
    varCurrency = 0x0006,
    varDate = 0x0007,
    varOleStr = 0x0008,
    varDispatch = 0x0009,
    varError = 0x000A,
    varBoolean = 0x000B,
    varVariant = 0x000C,
    varUnknown = 0x000D,
    varShortInt = 0x0010,
    varByte = 0x0011,
    varWord = 0x0012,
    varLongWord = 0x0013,
    varInt64 = 0x0014,
    varStrArg = 0x0048,
    varString = 0x0100,
    varAny = 0x0101,
    varTypeMask = 0x0FFF,
    varArray = 0x2000,
    varByRef = 0x4000,
};

// A variant array: one or more dimensions, each with its low and high bound.
struct TfsVariantArray {
    struct Bounds {
        int64_t low = 0;
        int64_t high = -1;
    };
    std::vector<Bounds> dimensions;
    std::vector<TfsVariant> items; // row-major
    TfsVarType elementType = varVariant;
};

// One element of a set constructor: a single value, or a range from Low to High.
struct TfsSetElement;

// A value of the script engine with the platform's variant semantics: empty (unassigned), null,
// integer, double, date, string, Boolean, array, set (from a set constructor) or host object.
// Conversions follow the operator's locale and raise "Could not convert variant of type (…) into
// type (…)" when a value has no meaning in the other type.
class TfsVariant {
public:
    TfsVariant() = default; // empty
    template <std::integral T>
    requires(!std::same_as<T, bool>) TfsVariant(T value) : FData(static_cast<int64_t>(value)) {}
    TfsVariant(double value) : FData(value) {}
    TfsVariant(bool value) : FData(value) {}
    TfsVariant(const QString& value) : FData(value) {}
    TfsVariant(const char* value) : FData(QString::fromUtf8(value)) {}
    static TfsVariant Null();
    static TfsVariant FromDate(TDateTime value);
    // A null object pointer gives null, which is also the value of nil.
    static TfsVariant FromObject(TfsObject* object);
    static TfsVariant FromArray(std::shared_ptr<TfsVariantArray> array);
    static TfsVariant FromSet(std::vector<TfsSetElement> elements);

    TfsVarType GetVarType() const;
    // The type's name as conversion errors show it ("Integer", "String", "Null" …).
    QString GetTypeName() const;

    bool IsEmpty() const { return FData.index() == kEmpty; }
    bool IsNull() const { return FData.index() == kNull; }
    bool IsInteger() const { return FData.index() == kInteger; }
    bool IsDouble() const { return FData.index() == kDouble; }
    bool IsDate() const { return FData.index() == kDate; }
    bool IsString() const { return FData.index() == kString; }
    bool IsBoolean() const { return FData.index() == kBoolean; }
    bool IsArray() const { return FData.index() == kArray; }
    bool IsSet() const { return FData.index() == kSet; }
    bool IsObject() const { return FData.index() == kObject; }

    // Strict conversions: empty gives 0, "" or false; null and meaningless values raise.
    // Doubles become integers by rounding halves to even, as the platform does.
    int64_t ToInt64() const;
    double ToDouble() const;
    TDateTime ToDate() const;
    bool ToBoolean() const;
    QString ToString() const;
    TfsObject* ToObject() const;
    const TfsVariantArray& ToArray() const;
    const std::vector<TfsSetElement>& ToSet() const;

    // The array for changing in place; copied first when other values share it.
    TfsVariantArray& MutableArray();

    // The same type and value (strings compared exactly); used by the tests and the cache.
    bool operator==(const TfsVariant& other) const;

private:
    struct NullTag {
        bool operator==(const NullTag&) const = default;
    };
    struct DateTag {
        TDateTime value;
        bool operator==(const DateTag&) const = default;
    };
    enum { kEmpty, kNull, kInteger, kDouble, kDate, kString, kBoolean, kArray, kSet, kObject };
    using SetPtr = std::shared_ptr<const std::vector<TfsSetElement>>;
    std::variant<std::monostate, NullTag, int64_t, double, DateTag, QString, bool,
                 std::shared_ptr<TfsVariantArray>, SetPtr, TfsObject*>
        FData;
};

struct TfsSetElement {
    TfsVariant low;
    TfsVariant high;
    bool isRange = false;
};

// The error of a failed variant conversion.
[[noreturn]] void throwConversionError(const TfsVariant& value, const QString& targetType);

// The display text of a value: null and empty give "", everything else as ToString.
QString VarToStr(const TfsVariant& value);

// The value as the script passes it to a host function expecting a list: the elements of an
// array or of a set constructor of single values, or the value itself.
QList<TfsVariant> variantToList(const TfsVariant& value);
