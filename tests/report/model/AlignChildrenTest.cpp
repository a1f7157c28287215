#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Box {
    double left, top, width, height;
};

struct ViewSpec {
    Box bounds;
    TfrxAlign align;
};

struct AlignCase {
    const char* name;
    std::vector<ViewSpec> views; // the last one is the view under test
    Box expected;
};

std::ostream& operator<<(std::ostream& out, const AlignCase& c)
{
    return out << c.name;
}

class AlignChildren : public ::testing::TestWithParam<AlignCase> {};

} // namespace

// The parent is 200 × 100.
TEST_P(AlignChildren, PlacesTheViewByItsAlignment)
{
    const AlignCase& c = GetParam();
    TfrxComponent parent;
    parent.SetBounds(0, 0, 200, 100);
    TfrxMemoView* tested = nullptr;
    for (const ViewSpec& spec : c.views) {
        tested = new TfrxMemoView(&parent);
        tested->SetBounds(spec.bounds.left, spec.bounds.top, spec.bounds.width, spec.bounds.height);
        tested->SetAlign(spec.align);
    }
    parent.AlignChildren();
    EXPECT_DOUBLE_EQ(tested->GetLeft(), c.expected.left);
    EXPECT_DOUBLE_EQ(tested->GetTop(), c.expected.top);
    EXPECT_DOUBLE_EQ(tested->GetWidth(), c.expected.width);
    EXPECT_DOUBLE_EQ(tested->GetHeight(), c.expected.height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AlignChildren,
    ::testing::Values(
        AlignCase{"left alone goes to 0", {{{50, 0, 20, 20}, baLeft}}, {0, 0, 20, 20}},
        AlignCase{"left goes to the right edge of an overlapping neighbour",
                  {{{10, 0, 30, 20}, baNone}, {{100, 5, 20, 20}, baLeft}},
                  {40, 5, 20, 20}},
        AlignCase{"a neighbour above does not count",
                  {{{10, 0, 30, 20}, baNone}, {{100, 50, 20, 20}, baLeft}},
                  {0, 50, 20, 20}},
        AlignCase{"touching edges do not overlap",
                  {{{10, 0, 30, 20}, baNone}, {{100, 20, 20, 20}, baLeft}},
                  {0, 20, 20, 20}},
        AlignCase{
            "right alone goes to the parent's right edge", {{{10, 0, 20, 20}, baRight}}, {180, 0, 20, 20}},
        AlignCase{"right stops at an overlapping neighbour",
                  {{{150, 0, 30, 20}, baNone}, {{10, 0, 20, 20}, baRight}},
                  {130, 0, 20, 20}},
        AlignCase{"width fills the gap between neighbours",
                  {{{0, 0, 30, 20}, baNone}, {{150, 0, 30, 20}, baNone}, {{50, 0, 10, 20}, baWidth}},
                  {30, 0, 120, 20}},
        AlignCase{"width passes over a right neighbour ending left of its own right edge",
                  {{{0, 0, 50, 20}, baNone}, {{60, 0, 10, 20}, baNone}, {{50, 0, 40, 20}, baWidth}},
                  {50, 0, 150, 20}},
        AlignCase{"negative lefts come first, by magnitude",
                  {{{-10, 0, 30, 20}, baNone}, {{-50, 0, 20, 20}, baLeft}},
                  {20, 0, 20, 20}},
        AlignCase{"width passes over a left neighbour further right",
                  {{{-10, 0, 30, 20}, baNone}, {{-50, 0, 20, 20}, baWidth}},
                  {0, 0, 200, 20}},
        AlignCase{"center", {{{0, 10, 50, 20}, baCenter}}, {75, 10, 50, 20}},
        AlignCase{"bottom", {{{5, 10, 50, 30}, baBottom}}, {5, 70, 50, 30}},
        AlignCase{"client", {{{5, 10, 50, 30}, baClient}}, {0, 0, 200, 100}},
        AlignCase{"none stays", {{{5, 10, 50, 30}, baNone}}, {5, 10, 50, 30}}));

TEST(AlignChildrenInDesign, RestrictionsHoldTheView)
{
    TfrxComponent parent;
    parent.SetBounds(0, 0, 200, 100);
    auto* view = new TfrxMemoView(&parent);
    view->SetBounds(5, 10, 50, 30);
    view->SetAlign(baClient);
    view->SetRestrictions({rfDontMove});
    view->SetIsDesigning(true);
    parent.AlignChildren();
    EXPECT_EQ(view->GetLeft(), 5);
    EXPECT_EQ(view->GetTop(), 10);
    EXPECT_EQ(view->GetWidth(), 200);
    EXPECT_EQ(view->GetHeight(), 100);
}

TEST(AlignChildrenOnAPage, AlignsWithinThePrintableAreaAndKeepsThePaperSize)
{
    TfrxReportPage page;
    page.SetPaperSize(11);
    page.SetLeftMargin(5);
    page.SetRightMargin(5);
    page.SetTopMargin(5);
    page.SetBottomMargin(5);
    auto* right = new TfrxMemoView(&page);
    right->SetBounds(0, 0, 100, 15);
    right->SetAlign(baRight);
    auto* bottom = new TfrxMemoView(&page);
    bottom->SetBounds(0, 50, 100, 15);
    bottom->SetAlign(baBottom);

    page.AlignChildren();

    EXPECT_DOUBLE_EQ(right->GetLeft(), 138 * 3.77953 - 100);
    EXPECT_DOUBLE_EQ(bottom->GetTop(), 200 * 3.77953 - 15);
    EXPECT_EQ(page.GetWidth(), 559);
    EXPECT_EQ(page.GetHeight(), 794);
}
