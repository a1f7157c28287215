#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QStringList namesOf(const QList<TfrxComponent*>& objects)
{
    QStringList names;
    for (const TfrxComponent* object : objects)
        names.append(object->GetName());
    return names;
}

TfrxMemoView* memo(TfrxComponent* parent, const QString& name)
{
    auto* m = new TfrxMemoView(parent);
    m->SetName(name);
    return m;
}

// A report with Page1 holding Memo1 (with a child Inner) and Memo2, and Page2 holding Memo3.
struct SmallReport : ::testing::Test {
    TfrxReport report;
    TfrxReportPage* page1 = new TfrxReportPage(&report);
    TfrxReportPage* page2 = new TfrxReportPage(&report);
    TfrxMemoView* memo1 = nullptr;
    TfrxMemoView* inner = nullptr;

    SmallReport()
    {
        page1->SetName("Page1");
        page2->SetName("Page2");
        memo1 = memo(page1, "Memo1");
        inner = memo(memo1, "Inner");
        memo(page1, "Memo2");
        memo(page2, "Memo3");
    }
};

} // namespace

TEST_F(SmallReport, AllObjectsListsDescendantsDepthFirstEachBeforeItsChildren)
{
    EXPECT_EQ(namesOf(report.GetAllObjects()),
              (QStringList{"Page1", "Memo1", "Inner", "Memo2", "Page2", "Memo3"}));
    EXPECT_EQ(namesOf(page1->GetAllObjects()), (QStringList{"Memo1", "Inner", "Memo2"}));
}

TEST_F(SmallReport, FindObjectIgnoresLetterCase)
{
    EXPECT_EQ(report.FindObject("memo1"), memo1);
    EXPECT_EQ(report.FindObject("INNER"), inner);
    EXPECT_EQ(report.FindObject("Memo9"), nullptr);
    EXPECT_EQ(report.FindObject(""), nullptr) << "an unnamed object is not found by an empty name";
}

TEST_F(SmallReport, FindObjectReturnsTheFirstMatchInDepthFirstOrder)
{
    // Naming prevents two objects named alike; objects outside the report can still be joined in.
    auto* stray = new TfrxMemoView();
    stray->SetName("memo1");
    stray->SetParent(page2);
    EXPECT_EQ(report.FindObject("MEMO1"), memo1);
}

TEST_F(SmallReport, ReportAndPageAreTheNearestAncestors)
{
    EXPECT_EQ(inner->GetReport(), &report);
    EXPECT_EQ(inner->GetPage(), page1);
    EXPECT_EQ(report.GetReport(), &report);
    EXPECT_EQ(report.GetPage(), nullptr);
    TfrxMemoView loose;
    EXPECT_EQ(loose.GetReport(), nullptr);
}

TEST_F(SmallReport, AbsolutePositionAddsTheAncestorsPositions)
{
    memo1->SetBounds(10, 20, 100, 50);
    inner->SetBounds(1.5, 2.5, 10, 10);
    EXPECT_DOUBLE_EQ(inner->GetAbsLeft(), 11.5);
    EXPECT_DOUBLE_EQ(inner->GetAbsTop(), 22.5);
}

TEST_F(SmallReport, DestroyingAnObjectDetachesItAndItsChildren)
{
    delete memo1;
    EXPECT_EQ(namesOf(page1->GetObjects()), QStringList{"Memo2"});
    EXPECT_EQ(report.FindObject("Inner"), nullptr);
}

TEST_F(SmallReport, SettingTheParentMovesTheObjectToTheEndOfTheNewChildren)
{
    memo1->SetParent(page2);
    EXPECT_EQ(namesOf(page1->GetObjects()), QStringList{"Memo2"});
    EXPECT_EQ(namesOf(page2->GetObjects()), (QStringList{"Memo3", "Memo1"}));
    EXPECT_EQ(inner->GetPage(), page2);
}

TEST_F(SmallReport, AnObjectCannotBecomeItsOwnDescendant)
{
    EXPECT_THROW(memo1->SetParent(inner), Exception);
    EXPECT_THROW(memo1->SetParent(memo1), Exception);
    EXPECT_EQ(memo1->GetParent(), page1);
    EXPECT_EQ(inner->GetParent(), memo1);
}

TEST_F(SmallReport, ClearKeepsInheritedChildrenButClearsThem)
{
    memo1->SetIsAncestor(true);
    page1->Clear();
    EXPECT_EQ(namesOf(page1->GetObjects()), QStringList{"Memo1"});
    EXPECT_TRUE(memo1->GetObjects().isEmpty());
}

TEST_F(SmallReport, AReferenceReadsAsNoneOnceItsTargetIsDestroyed)
{
    auto* memo3 = static_cast<TfrxMemoView*>(report.FindObject("Memo3"));
    memo1->SetFlowTo(memo3);
    EXPECT_EQ(memo1->GetFlowTo(), memo3);
    delete memo3;
    EXPECT_EQ(memo1->GetFlowTo(), nullptr);
}

TEST(ReportComponent, AfterPrintRestoresTheBoundsSavedBeforePrint)
{
    TfrxMemoView memo;
    memo.SetBounds(1, 2, 3, 4);
    memo.BeforePrint();
    memo.SetBounds(10, 20, 30, 40);
    memo.AfterPrint();
    EXPECT_EQ(memo.GetLeft(), 1);
    EXPECT_EQ(memo.GetTop(), 2);
    EXPECT_EQ(memo.GetWidth(), 3);
    EXPECT_EQ(memo.GetHeight(), 4);
}

TEST(FontInheritance, ANewObjectTakesItsParentsFont)
{
    TfrxReportPage page;
    page.GetFont()->SetName("Times New Roman");
    page.GetFont()->SetHeight(-11);
    EXPECT_FALSE(page.GetParentFont()) << "changing a font attribute makes the font the object's own";

    TfrxMemoView* child = new TfrxMemoView(&page);
    EXPECT_TRUE(child->GetParentFont());
    EXPECT_EQ(child->GetFont()->GetName(), "Times New Roman");
    EXPECT_EQ(child->GetFont()->GetSize(), 8);
}

TEST(FontInheritance, AFontChangeTravelsDownToInheritingDescendantsOnly)
{
    TfrxReportPage page;
    auto* inheriting = new TfrxMemoView(&page);
    auto* grandchild = new TfrxMemoView(inheriting);
    auto* own = new TfrxMemoView(&page);
    own->GetFont()->SetName("Courier New");

    page.GetFont()->SetStyle(TFontStyles{fsBold});

    EXPECT_EQ(grandchild->GetFont()->GetStyle(), TFontStyles{fsBold});
    EXPECT_TRUE(grandchild->GetParentFont());
    EXPECT_TRUE(inheriting->GetParentFont());
    EXPECT_EQ(own->GetFont()->GetStyle(), TFontStyles());
    EXPECT_EQ(own->GetFont()->GetName(), "Courier New");
}

TEST(FontInheritance, SettingParentFontTakesTheParentsFontAgain)
{
    TfrxReportPage page;
    page.GetFont()->SetColor(clRed);
    auto* child = new TfrxMemoView(&page);
    child->GetFont()->SetColor(clBlack);
    ASSERT_FALSE(child->GetParentFont());

    child->SetParentFont(true);
    EXPECT_TRUE(child->GetParentFont());
    EXPECT_EQ(child->GetFont()->GetColor(), clRed);
}

TEST(FontInheritance, MovingAnInheritingObjectTakesTheNewParentsFont)
{
    TfrxReportPage first;
    TfrxReportPage second;
    second.GetFont()->SetName("Tahoma");
    auto* child = new TfrxMemoView(&first);
    child->SetParent(&second);
    EXPECT_EQ(child->GetFont()->GetName(), "Tahoma");
}

TEST(FontDescription, SizeFollowsTheHeightAtTheFontsResolution)
{
    TfrxFont font;
    EXPECT_EQ(font.GetName(), "Arial");
    EXPECT_EQ(font.GetHeight(), -13);
    EXPECT_EQ(font.GetSize(), 10);
    EXPECT_EQ(font.GetCharset(), DEFAULT_CHARSET);
    EXPECT_EQ(font.GetColor(), clBlack);
    font.SetSize(8);
    EXPECT_EQ(font.GetHeight(), -11);
    font.SetHeight(-13);
    EXPECT_EQ(font.GetSize(), 10);
}

namespace {

struct RestrictionCase {
    bool designing;
    TfrxRestrictions restrictions;
    bool moves;
    bool sizes;
};

std::ostream& operator<<(std::ostream& out, const RestrictionCase& c)
{
    return out << (c.designing ? "designing" : "not designing") << ", restrictions " << c.restrictions.bits();
}

class DesignRestrictions : public ::testing::TestWithParam<RestrictionCase> {};

} // namespace

TEST_P(DesignRestrictions, ApplyOnlyInDesignMode)
{
    const RestrictionCase& c = GetParam();
    TfrxMemoView view;
    view.SetBounds(1, 2, 3, 4);
    view.SetRestrictions(c.restrictions);
    view.SetIsDesigning(c.designing);
    view.SetBounds(10, 20, 30, 40);
    EXPECT_EQ(view.GetLeft(), c.moves ? 10 : 1);
    EXPECT_EQ(view.GetTop(), c.moves ? 20 : 2);
    EXPECT_EQ(view.GetWidth(), c.sizes ? 30 : 3);
    EXPECT_EQ(view.GetHeight(), c.sizes ? 40 : 4);
}

INSTANTIATE_TEST_SUITE_P(Cases, DesignRestrictions,
                         ::testing::Values(RestrictionCase{true, {rfDontMove}, false, true},
                                           RestrictionCase{true, {rfDontSize}, true, false},
                                           RestrictionCase{true, {rfDontMove, rfDontSize}, false, false},
                                           RestrictionCase{
                                               true, {rfDontDelete, rfDontEdit, rfDontModify}, true, true},
                                           RestrictionCase{false, {rfDontMove, rfDontSize}, true, true}));

TEST(DesignMode, ObjectsCreatedInADesignedReportAreDesigned)
{
    TfrxReport report;
    auto* page = new TfrxReportPage(&report);
    report.SetIsDesigning(true);
    EXPECT_TRUE(page->GetIsDesigning());
    auto* view = new TfrxMemoView(page);
    EXPECT_TRUE(view->GetIsDesigning());
}
