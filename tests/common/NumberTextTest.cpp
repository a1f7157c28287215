#include "common/NumberText.h"

#include "common/Exception.h"

#include <gtest/gtest.h>

TEST(NumberText, OneDecimalPatternRoundsTheTypedDigits)
{
    const struct { const char* typed; const char* shown; } cases[] = {
        {"72", "72"},      {"1,25", "1,3"},   {"73,35", "73,4"}, {"3,0", "3"},     {"7,25", "7,3"},
        {"0", "0"},        {"00", "0"},       {"0,04", "0"},     {"0,05", "0,1"},  {"-1,25", "-1,3"},
        {"-0,04", "0"},    {"9,96", "10"},    {"99,95", "100"},  {"1e2", "100"},   {"1,5E-1", "0,2"},
        {" 12 ", "12"},    {",5", "0,5"},     {"5,", "5"},       {"+4", "4"},      {"0,95", "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatOneDecimalText(QString::fromUtf8(c.typed), u','), QString::fromUtf8(c.shown)) << c.typed;
}

TEST(NumberText, NotANumberNamesTheText)
{
    const char* bad[] = {"abc", "1,2,3", "1.5", "", " ", "1e", "--1", "1 000", "e5", "1e99999", "0x10"};
    for (const char* text : bad) {
        try {
            formatOneDecimalText(QString::fromUtf8(text), u',');
            ADD_FAILURE() << "accepted " << text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(QString::fromUtf8(text)));
        }
    }
}

TEST(NumberText, ComputedValuesRoundTheirShortestForm)
{
    EXPECT_EQ(formatOneDecimal(72 + 1.3, u','), QStringLiteral("73,3"));
    EXPECT_EQ(formatOneDecimal(73.25, u','), QStringLiteral("73,3"));
    EXPECT_EQ(formatOneDecimal(0.15, u','), QStringLiteral("0,2"));
    EXPECT_EQ(formatOneDecimal(0.0, u','), QStringLiteral("0"));
}

TEST(NumberText, GeneralFormatIsShortestWithFifteenDigits)
{
    const struct { double value; const char* shown; } cases[] = {
        {73.3, "73,3"}, {1.25, "1,25"}, {72 + 1.3, "73,3"}, {0.1 + 0.2, "0,3"}, {134, "134"},
        {0, "0"}, {-2.5, "-2,5"}, {1e20, "1E20"}, {1.5e-7, "1,5E-7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatGeneral(c.value, u','), QString::fromUtf8(c.shown)) << c.value;
}

TEST(NumberText, ParsesWithTheGivenSeparatorOnly)
{
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("1,25"), u','), 1.25);
    EXPECT_DOUBLE_EQ(parseFloat(QStringLiteral("1.25"), u'.'), 1.25);
    EXPECT_FALSE(tryParseFloat(QStringLiteral("1.25"), u','));
}
