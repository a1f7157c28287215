#include "report/preview/PageList.h"
#include "common/Exception.h"

#include <gtest/gtest.h>

namespace {

struct PageListCase {
    const char* text;
    int total;
    QList<int> pages;
};

class PageListTest : public ::testing::TestWithParam<PageListCase> {};

TEST_P(PageListTest, GivesThePagesInTheOrderWritten)
{
    const PageListCase& c = GetParam();
    EXPECT_EQ(frxParsePageList(QString::fromUtf8(c.text), c.total), c.pages) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, PageListTest,
    ::testing::Values(PageListCase{"", 5, {}}, PageListCase{"  ", 5, {}},
                      PageListCase{"1,3,5-12", 20, {1, 3, 5, 6, 7, 8, 9, 10, 11, 12}},
                      PageListCase{"3,1", 5, {3, 1}}, PageListCase{"2,2", 5, {2, 2}},
                      PageListCase{" 1 , 2 - 4 ", 5, {1, 2, 3, 4}},
                      // a trailing minus runs to the last page
                      PageListCase{"2-", 5, {2, 3, 4, 5}}, PageListCase{"1,4-", 5, {1, 4, 5}},
                      // a backward range adds nothing
                      PageListCase{"5-3", 5, {}}, PageListCase{"0", 5, {0}},
                      // single numbers stay as written, the job skips them; ranges stop at the last page
                      PageListCase{"7", 5, {7}}, PageListCase{"4-2000000000", 5, {4, 5}}));

struct PageListErrorCase {
    const char* text;
    const char* message;
};

class PageListErrorTest : public ::testing::TestWithParam<PageListErrorCase> {};

TEST_P(PageListErrorTest, AnItemThatIsNoNumberIsAConversionError)
{
    const PageListErrorCase& c = GetParam();
    try {
        frxParsePageList(QString::fromUtf8(c.text), 5);
        FAIL() << "no error for " << c.text;
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(Errors, PageListErrorTest,
                         ::testing::Values(PageListErrorCase{"-3", "'' is not a valid integer value"},
                                           PageListErrorCase{"1,,2", "'' is not a valid integer value"},
                                           PageListErrorCase{"1,", "'' is not a valid integer value"},
                                           PageListErrorCase{"a", "'a' is not a valid integer value"},
                                           PageListErrorCase{"1-x", "'x' is not a valid integer value"},
                                           PageListErrorCase{"1-2-3", "'2-3' is not a valid integer value"},
                                           PageListErrorCase{"1;2", "'1;2' is not a valid integer value"},
                                           PageListErrorCase{"+2", "'+2' is not a valid integer value"},
                                           PageListErrorCase{"99999999999",
                                                             "'99999999999' is not a valid integer value"}));

} // namespace
