#pragma once

#include "report/script/TfsVariant.h"

// The operators of the script language on variants, with the platform's variant semantics:
// - null in an arithmetic or logical operation gives null; empty counts as 0 or "";
// - "+" joins two strings; otherwise strings take part as numbers, Booleans as -1 and 0;
// - integers stay integers unless they overflow; "/" always divides as floats;
// - a date plus or minus a number is a date, a date minus a date a number of days;
// - "and", "or", "xor" and "not" are logical on Booleans and bitwise on integers;
// - comparisons: null equals only null and is less than any other value; strings compare with
//   strings by the locale's collation, with numbers as numbers, with dates as dates.
enum TfsOperator {
    opAdd,
    opSubtract,
    opMultiply,
    opDivide,
    opIntDivide,
    opModulo,
    opAnd,
    opOr,
    opXor,
    opShl,
    opShr,
    opEqual,
    opNotEqual,
    opLess,
    opLessOrEqual,
    opGreater,
    opGreaterOrEqual,
    opIn,
};

TfsVariant variantOperation(TfsOperator op, const TfsVariant& left, const TfsVariant& right);
TfsVariant variantNegate(const TfsVariant& value);
TfsVariant variantNot(const TfsVariant& value);

// Whether the left operand of "and" or "or" already decides the result (a Boolean false or true),
// so that the right one is not evaluated.
bool variantDecidesAnd(const TfsVariant& left);
bool variantDecidesOr(const TfsVariant& left);

// Equality and order as the comparison operators see them. Compare returns <0, 0 or >0.
bool variantEquals(const TfsVariant& left, const TfsVariant& right);
int variantCompare(const TfsVariant& left, const TfsVariant& right);
