#pragma once

// The script engine's messages. Those ending in ": " are followed by a name in apostrophes.

// compile-time messages
inline constexpr char kSIdRedeclared[] = "Identifier redeclared: ";
inline constexpr char kSUnknownType[] = "Unknown type: ";
inline constexpr char kSIncompatibleTypes[] = "Incompatible types";
inline constexpr char kSIdUndeclared[] = "Undeclared identifier: ";
inline constexpr char kSClassRequired[] = "Class type required";
inline constexpr char kSIndexRequired[] = "Index required";
inline constexpr char kSStringError[] = "Strings do not have properties or methods";
inline constexpr char kSClassError[] = "Class %s does not have a default property";
inline constexpr char kSArrayRequired[] = "Array type required";
inline constexpr char kSVarRequired[] = "Variable required";
inline constexpr char kSNotEnoughParams[] = "Not enough actual parameters";
inline constexpr char kSTooManyParams[] = "Too many actual parameters";
inline constexpr char kSLeftCantAssigned[] = "Left side cannot be assigned to";
inline constexpr char kSForError[] = "For loop variable must be numeric variable";
inline constexpr char kSEventError[] = "Event handler must be a procedure";
inline constexpr char kSLangNotFound[] = "Language '%s' not found";

// PascalScript syntax messages
inline constexpr char kSIdentifierExpected[] = "Identifier expected";
inline constexpr char kSExpressionExpected[] = "Expression expected";
inline constexpr char kSStatementExpected[] = "Statement expected";
inline constexpr char kSColonExpected[] = "':' expected";
inline constexpr char kSSemicolonExpected[] = "';' expected";
inline constexpr char kSPointExpected[] = "'.' expected";
inline constexpr char kSCloseParenExpected[] = "')' expected";
inline constexpr char kSCloseBracketExpected[] = "']' expected";
inline constexpr char kSEqualExpected[] = "'=' expected";
inline constexpr char kSBeginExpected[] = "'BEGIN' expected";
inline constexpr char kSEndExpected[] = "'END' expected";
inline constexpr char kSOfExpected[] = "'OF' expected";
inline constexpr char kSThenExpected[] = "'THEN' expected";
inline constexpr char kSUntilExpected[] = "'UNTIL' expected";
inline constexpr char kSToExpected[] = "'TO' or 'DOWNTO' expected";
inline constexpr char kSDoExpected[] = "'DO' expected";
inline constexpr char kSFinallyExpected[] = "'FINALLY' or 'EXCEPT' expected";
inline constexpr char kSOpenBracketExpected[] = "'[' expected";
inline constexpr char kSRangeExpected[] = "'..' expected";
inline constexpr char kSAngleExpected[] = "'>' expected";
inline constexpr char kSAssignExpected[] = "':=' expected";

// run-time messages
inline constexpr char kSIndexOutOfBounds[] = "Variant or safe array index out of bounds";
