#include "report/engine/Hyphenation.h"

#include <gtest/gtest.h>

namespace {

struct HyphenCase {
    const char16_t* word;
    int before;
    int expected;
};

class HyphenationPointTest : public ::testing::TestWithParam<HyphenCase> {};

TEST_P(HyphenationPointTest, FindsTheLastBreakBeforeTheOverflow)
{
    const HyphenCase& c = GetParam();
    EXPECT_EQ(HyphenationPoint(QStringView(c.word), c.before), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HyphenationPointTest,
    ::testing::Values(
        // ПРИВЕТ breaks only after ПРИ, and only when at least four letters fit.
        HyphenCase{u"ПРИВЕТ", 4, 3}, HyphenCase{u"ПРИВЕТ", 5, 3}, HyphenCase{u"ПРИВЕТ", 3, 0},
        HyphenCase{u"ПРИВЕТ", 2, 0}, HyphenCase{u"привет", 4, 3},
        // After a vowel, or a consonant followed by a consonant; never before a vowel or a sign.
        HyphenCase{u"КОСТРОМА", 8, 6}, HyphenCase{u"КОСТРОМА", 6, 4}, HyphenCase{u"СЕМЬЯ", 5, 2},
        // Not before Й; not inside a doubled consonant that a vowel follows.
        HyphenCase{u"ВОЙНА", 5, 3}, HyphenCase{u"ВОЙНА", 3, 0}, HyphenCase{u"КАССА", 5, 3},
        HyphenCase{u"КАССА", 3, 0},
        // Short words and other alphabets are never broken.
        HyphenCase{u"КОТ", 3, 0}, HyphenCase{u"HELLO", 5, 0}));

} // namespace
