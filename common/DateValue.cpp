#include "common/DateValue.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
}

TDateTime dateToValue(const QDate& date)
{
    return static_cast<double>(kEpoch.daysTo(date));
}

TDateTime dateTimeToValue(const QDateTime& dateTime)
{
    const double days = dateToValue(dateTime.date());
    const double fraction = dateTime.time().msecsSinceStartOfDay() / kMsPerDay;
    // Before the epoch the fraction still counts forward from midnight of the date.
    return days >= 0 ? days + fraction : days - fraction;
}

QDate valueToDate(TDateTime value)
{
    return kEpoch.addDays(static_cast<qint64>(std::trunc(value)));
}

QDateTime valueToDateTime(TDateTime value)
{
    const double fraction = std::fabs(value - std::trunc(value));
    const int ms = static_cast<int>(std::lround(fraction * kMsPerDay));
    return QDateTime(valueToDate(value), QTime::fromMSecsSinceStartOfDay(std::min(ms, 86399999)));
}
