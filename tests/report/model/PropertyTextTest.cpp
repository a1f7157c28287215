#include "report/model/PropertyText.h"

#include "common/Exception.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

struct FormatCase {
    double value;
    const char* text;
};

// The general format with a decimal comma, as templates written under Russian settings hold it.
const FormatCase kFormatCases[] = {
    {0, "0"},
    {1, "1"},
    {-11, "-11"},
    {0.5, "0,5"},
    {41982.6347830324, "41982,6347830324"},
    {593.38582677, "593,38582677"},
    {-28.23624, "-28,23624"},
    {0.1 + 0.2, "0,3"},
    {1.0 / 3, "0,333333333333333"},
    {123456789012345.0, "123456789012345"},
    {1e15, "1E15"},
    {1.5e20, "1,5E20"},
    {0.00001, "0,00001"},
    {0.000012345, "0,000012345"},
    {0.000001, "1E-6"},
    {-1.5e-7, "-1,5E-7"},
    {9.999999999999999e-6, "0,00001"},
};

} // namespace

TEST(PropertyText, FloatsAreWrittenInTheGeneralFormat)
{
    for (const FormatCase& c : kFormatCases)
        EXPECT_EQ(floatToText(c.value, u','), QString::fromUtf8(c.text)) << c.value;
    EXPECT_EQ(floatToText(2.5, u'.'), "2.5");
}

TEST(PropertyText, WrittenFloatsReadBackAsTheSameText)
{
    for (const FormatCase& c : kFormatCases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(floatToText(textToFloat(text), u','), text);
    }
    EXPECT_TRUE(std::isinf(textToFloat(floatToText(HUGE_VAL, u','))));
    EXPECT_TRUE(std::isnan(textToFloat(floatToText(std::nan(""), u','))));
}

TEST(PropertyText, FloatsThatDoNotParseThrowTheConversionMessage)
{
    for (const char* text : {"", "abc", "1,2,3", "1e", "1E400", "--1"}) {
        try {
            textToFloat(QString::fromUtf8(text));
            ADD_FAILURE() << text;
        } catch (const Exception& error) {
            EXPECT_EQ(error.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
        }
    }
}

TEST(PropertyText, LinesSplitAtCrLfCrOrLfWithoutAnEmptyLastLine)
{
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(splitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(splitLines(""), QStringList{});
    EXPECT_EQ(joinLines({"begin", "", "end."}), "begin\r\n\r\nend.");
}
