#include "ScriptTestSupport.h"

#include "report/script/FormatRoutines.h"

#include "common/DateValue.h"

namespace {
const QChar kGroup(0x00A0); // the Russian locale's thousands separator
}

TEST(ScriptFormatRoutines, PictureFormatsPlaceDigitsSeparatorsAndSections)
{
    struct Case {
        const char* format;
        double value;
        QString expected;
    };
    const Case cases[] = {
        {"0.00", 3.14159, QStringLiteral("3,14")},
        {"0.00", 2.675, QStringLiteral("2,68")}, // halves away from zero, as the value is written
        {"0.0", 0.25, QStringLiteral("0,3")},
        {"0.0", -0.25, QStringLiteral("-0,3")},
        {"0.#", 1.0, QStringLiteral("1")},
        {"0.##", 1.5, QStringLiteral("1,5")},
        {"#.##", 0.5, QStringLiteral(",5")},
        {"000", 7, QStringLiteral("007")},
        {"#", 0, QString()},
        {"0", -0.4, QStringLiteral("0")},
        {"#,##0.00", 1234567.891,
         QStringLiteral("1") + kGroup + QStringLiteral("234") + kGroup + QStringLiteral("567,89")},
        {"#,##0", 999, QStringLiteral("999")},
        {"00-00", 1234, QStringLiteral("12-34")},
        {"0", 123456, QStringLiteral("123456")},
        {"0.00E+00", 1234, QStringLiteral("1,23E+03")},
        {"0.0E-0", 0.00012, QStringLiteral("1,2E-4")},
        {"0;(0)", -5, QStringLiteral("(5)")},
        {"0;(0);'ноль'", 0, QStringLiteral("ноль")},
        {"0' руб.'", 15, QStringLiteral("15 руб.")},
        {"", 1.5, QStringLiteral("1,5")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + " " + std::to_string(c.value));
        EXPECT_EQ(FormatFloat(QString::fromUtf8(c.format), c.value), c.expected);
    }
}

TEST(ScriptFormatRoutines, DateTimeLettersFollowTheLocale)
{
    const TDateTime moment = dateTimeToValue(QDateTime(QDate(2026, 12, 10), QTime(9, 5, 3, 7)));
    struct Case {
        const char* format;
        const char* expected;
    };
    const Case cases[] = {
        {"dd.mm.yyyy", "10.12.2026"},
        {"d/m/yy", "10.12.26"},
        {"hh:mm:ss", "09:05:03"}, // "mm" after the hour is minutes
        {"h:n:s.zzz", "9:5:3.007"},
        {"dddd", "четверг"},
        {"ddd", "чт"},
        {"mmmm", "декабрь"},
        {"ddddd", "10.12.2026"},
        {"c", "10.12.2026 09:05:03"},
        {"hh 'ч' nn 'мин'", "09 ч 05 мин"},
        {"h am/pm", "9 am"},
        {"yyyy", "2026"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(FormatDateTime(QString::fromUtf8(c.format), moment), QString::fromUtf8(c.expected));
    }
    EXPECT_EQ(FormatDateTime(QStringLiteral("hh AM/PM"),
                             dateTimeToValue(QDateTime(QDate(2026, 1, 1), QTime(15, 0)))),
              QStringLiteral("03 PM"));
}

TEST(ScriptFormatRoutines, PrintfConversionsUseTheLocalesSeparators)
{
    EXPECT_EQ(Format(QStringLiteral("%n"), {1234567.5}),
              QStringLiteral("1") + kGroup + QStringLiteral("234") + kGroup + QStringLiteral("567,50"));
    EXPECT_EQ(Format(QStringLiteral("%2.2f"), {5}), QStringLiteral("5,00"));
    EXPECT_EQ(Format(QStringLiteral("%e"), {1234.5}), QStringLiteral("1,23450000000000E+003"));
    EXPECT_EQ(Format(QStringLiteral("%g"), {0.5}), QStringLiteral("0,5"));
    EXPECT_EQ(Format(QStringLiteral("%u"), {-1}), QStringLiteral("4294967295"));
    EXPECT_EQ(Format(QStringLiteral("%1:s %0:s"), {QStringLiteral("a"), QStringLiteral("b")}),
              QStringLiteral("b a"));
    EXPECT_EQ(Format(QStringLiteral("%*d"), {4, 7}), QStringLiteral("   7"));
    EXPECT_EQ(Format(QStringLiteral("%.3s"), {QStringLiteral("abcdef")}), QStringLiteral("abc"));
}

TEST(ScriptFormatRoutines, DatesAreReadInTheLocalesOrder)
{
    EXPECT_EQ(tryStrToDate(QStringLiteral("10.12.2026")), dateToValue(QDate(2026, 12, 10)));
    EXPECT_EQ(tryStrToDate(QStringLiteral(" 5.3 ")), dateToValue(QDate(QDate::currentDate().year(), 3, 5)));
    const int windowStart = QDate::currentDate().year() - 50;
    EXPECT_EQ(tryStrToDate(QStringLiteral("1.1.%1").arg(windowStart % 100, 2, 10, QChar(u'0'))),
              dateToValue(QDate(windowStart, 1, 1)));
    EXPECT_EQ(tryStrToDate(QStringLiteral("1.1.%1").arg((windowStart - 1) % 100, 2, 10, QChar(u'0'))),
              dateToValue(QDate(windowStart + 99, 1, 1)));
    EXPECT_EQ(tryStrToDate(QStringLiteral("1.1.1970")), dateToValue(QDate(1970, 1, 1)));
    EXPECT_EQ(tryStrToDate(QStringLiteral("10.12.")), std::nullopt);
    EXPECT_EQ(tryStrToDate(QStringLiteral("10122026")), std::nullopt);
    EXPECT_EQ(tryStrToTime(QStringLiteral("25:00")), std::nullopt);
    EXPECT_EQ(tryStrToTime(QStringLiteral("1:30 PM")), 13.5 / 24);
}
