#pragma once

#include <QDate>
#include <QDateTime>

// A date value is a count of days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

TDateTime dateTimeToValue(const QDateTime& dateTime);
TDateTime dateToValue(const QDate& date);
QDateTime valueToDateTime(TDateTime value);
QDate valueToDate(TDateTime value);
