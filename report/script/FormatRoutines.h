#pragma once

#include "common/DateValue.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

class TfsVariant;

// The formatting and parsing routines of the script library, shared with memo formatting.
// All of them follow the operator's locale (QLocale()): decimal, thousands, date and time
// separators, the short date format, day and month names.

QChar localeDecimalSeparator();
QChar localeThousandSeparator();

// The calendar date and time of a date value; throws Exception("Invalid date value") outside the
// years 1 to 9999, where the value has no date.
QDateTime checkedDateTime(TDateTime value);

// The shortest decimal form with at most 15 significant digits and the locale's separator.
QString FloatToStr(double value);
// The short date; the time with hours, minutes and seconds; the date followed by the time unless
// the time is midnight, or the time alone when the date part is zero.
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);

// Parsing; std::nullopt when the text is not such a value. Integers are decimal or hexadecimal
// with "$" or "0x"; floats use the locale's decimal separator; dates are read in the order of
// the locale's short date format (a missing year is the current one; two digits give the year
// within the hundred years that start fifty years ago); times are hours, minutes and optional
// seconds and milliseconds, with an optional AM or PM; Booleans are True or False in any letter
// case, or a number.
std::optional<int64_t> tryStrToInt(const QString& text);
std::optional<double> tryStrToFloat(const QString& text);
std::optional<TDateTime> tryStrToDate(const QString& text);
std::optional<TDateTime> tryStrToTime(const QString& text);
std::optional<TDateTime> tryStrToDateTime(const QString& text);
std::optional<bool> tryStrToBool(const QString& text);

// A picture format: sections for positive, negative and zero values separated by ";", digit
// placeholders "0" and "#", "." for the decimal point, "," for thousands grouping, "E+00"-style
// exponents, quoted literals. Halves are rounded away from zero on the shortest decimal form of
// the value. An empty format gives FloatToStr.
QString FormatFloat(const QString& format, double value);

// Date and time format letters: c, d … dddddd, m … mmmm, yy, yyyy, h, hh, n, nn, s, ss, z, zzz,
// t, tt, am/pm, a/p, ampm, "/" and ":" for the locale's separators, quoted literals.
QString FormatDateTime(const QString& format, TDateTime value);

// A printf-style format with the conversions d, u, e, f, g, n, s and x, each of the form
// "%" [index ":"] ["-"] [width] ["." precision], "*" taking a width or precision from the
// arguments. Throws Exception with "Format '…' invalid or incompatible with argument" or
// "No argument for format '…'".
QString Format(const QString& format, const QList<TfsVariant>& args);

// An edit mask "mask;save-literals;blank" applied to Value: 0, 9, #, L, l, A, a, C and c take
// the next character of the value, "\" quotes the next mask character, ">" and "<" switch to
// upper and lower case, "<>" back off, ":" and "/" are the locale's separators. When the second
// field is 0 the value holds only the characters to place, otherwise its literals are skipped
// where the mask has them. Missing characters become the blank character ("_" by default).
QString FormatMaskText(const QString& mask, const QString& value);
