#include "common/DateValue.h"

#include <gtest/gtest.h>

TEST(DateValue, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(dateToValue(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(dateToValue(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(dateToValue(QDate(2019, 3, 5)), 43529.0);
    EXPECT_EQ(valueToDate(43529.75), QDate(2019, 3, 5));
}

TEST(DateValue, TimeOfDayIsTheFraction)
{
    const QDateTime noon(QDate(2019, 3, 5), QTime(12, 0));
    EXPECT_DOUBLE_EQ(dateTimeToValue(noon), 43529.5);
    EXPECT_EQ(valueToDateTime(43529.5), noon);
}
