#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

// Dates as the certificate file stores them: the operator's short date format.
QString formatShortDate(const QDate& date, const QLocale& locale);

// Reads a date written in the short date format's order of day, month and year with its separator,
// accepting one-digit days and months, a two-digit year (taken within fifty years of today) and
// an omitted year (this year). std::nullopt when the text is not such a date.
std::optional<QDate> parseShortDate(const QString& text, const QLocale& locale);
