#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Decimal numbers as the operator types and reads them, with the locale's decimal separator.

// Parses optional blanks, an optional sign, digits with at most one decimal separator (at least one
// digit in all), an optional exponent ("e" or "E", optional sign, digits) and optional blanks.
// Thousands separators are not accepted. std::nullopt when the text is not such a number or is out
// of range of a double.
std::optional<double> tryParseFloat(const QString& text, QChar decimalSeparator);

// As tryParseFloat, but throws Exception("'<text>' is not a valid floating point value").
double parseFloat(const QString& text, QChar decimalSeparator);

// The message of a failed number conversion, as the operator sees it.
QString invalidFloatMessage(const QString& text);

// The pattern "0.#": at least one integer digit, at most one decimal digit omitted when zero,
// halves rounded away from zero on the decimal digits of the text as typed (so 1,25 gives 1,3
// although the nearest double lies below 1,25). Throws as parseFloat does.
QString formatOneDecimalText(const QString& text, QChar decimalSeparator);

// The pattern "0.#" applied to a computed value: rounds its shortest decimal form.
QString formatOneDecimal(double value, QChar decimalSeparator);

// The general number format: the shortest decimal form with at most 15 significant digits;
// scientific notation ("1,5E20") only for very large or small magnitudes.
QString formatGeneral(double value, QChar decimalSeparator);
