#pragma once

#include "report/script/TfsVariant.h"

#include <vector>

// How a declared type treats the values stored into it.
enum TfsBaseType {
    btVariant, // any value, unchanged
    btInteger,
    btFloat,
    btDate,
    btString,
    btBoolean,
    btArray, // a static array: a variant array with fixed bounds
};

struct TfsTypeInfo {
    TfsBaseType base = btVariant;
    // For btArray: the bounds of each dimension and the element type.
    std::vector<TfsVariantArray::Bounds> dimensions;
    TfsBaseType element = btVariant;
};

// The value converted for storing into a variable of the type (conversion errors raise).
TfsVariant coerceToType(TfsBaseType type, const TfsVariant& value);
TfsVariant coerceToType(const TfsTypeInfo& type, const TfsVariant& value);

// The value a variable of the type starts with: 0, 0.0, "", False, an array of such values, or
// empty for Variant.
TfsVariant initialValue(const TfsTypeInfo& type);

// A variant array with the given bounds, elements set to the initial value of ElementType.
// Throws ScriptLimitError beyond kMaxArrayElements and Exception for inverted bounds.
TfsVariant createVariantArray(const std::vector<TfsVariantArray::Bounds>& dimensions,
                              TfsBaseType elementType);

// The base type that a var… type code (VarArrayCreate's second argument) stands for.
TfsBaseType baseTypeOfVarType(int varType);
