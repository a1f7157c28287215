#pragma once

#include <QString>

#include <functional>

class TfrxCustomMemoView;
class TfrxFormat;
class TfrxReportScriptBinding;
class TfsVariant;

// The bracketed expression that starts at or after Start (1-based) of Text: its first position,
// the last position of its closing delimiter and the text between the delimiters. End equals
// Start when nothing was found. Delimiters inside quoted strings do not count, nested pairs are
// taken as one expression, and an opening delimiter without a closing one runs to the end.
struct TfrxBracketedExpression {
    int start = 0;
    int end = 0;
    QString inner;
};
TfrxBracketedExpression frxFindExpression(const QString& text, const QString& openDelimiter,
                                          const QString& closeDelimiter, int start);

// Text with every bracketed expression between OpenDelimiter and CloseDelimiter replaced by
// Replace(expression); scanning resumes after each inserted value, so brackets produced by a value
// are not expanded again. Text without the opening delimiter comes back as it is.
QString frxExpandExpressions(const QString& text, const QString& openDelimiter, const QString& closeDelimiter,
                             const std::function<QString(const QString& expression)>& replace);

// Text with each expression in "[" and "]" replaced by its value as text (TagStr, hyperlinks).
QString frxExpandText(const QString& text, TfrxReportScriptBinding& binding);

// Value shown as Format says; a null value is the empty text, and a value the format cannot show
// is shown as plain text.
QString FormatData(const TfsVariant& value, const TfrxFormat& format);

// Replaces every bracketed expression of the memo's text by its formatted value, the n-th
// expression with the n-th of the memo's Formats (the last one for the rest), and sets the
// script variable "Value" to the last value. Gives the memo a display format when it has none;
// leaves the text alone when AllowExpressions is off or the memo is bound to a data field. "[TotalPages#]"
// and "[CopyName#]" are kept for drawing time. An expression error is added to the report's errors, prefixed
// with the memo's name, and raised.
void ExpandMemoExpressions(TfrxCustomMemoView& memo, TfrxReportScriptBinding& binding);

// At drawing time: "[TotalPages#]" becomes TotalPages and "[CopyName#]" the global variable
// "CopyName" CopyNo (empty when there is none), both found ignoring letter case. The text is set
// only when something was replaced, and not at all when AllowExpressions is off.
void ExtractMacros(TfrxCustomMemoView& memo, int totalPages, int copyNo);
