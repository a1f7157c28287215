#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

namespace {

struct NamedReport : ::testing::Test {
    TfrxReport report;
    TfrxReportPage* page = new TfrxReportPage(&report);
    TfrxMemoView* memo1 = new TfrxMemoView(page);
    TfrxMemoView* memo2 = new TfrxMemoView(page);

    NamedReport()
    {
        page->SetName("Page1");
        memo1->SetName("Memo1");
        memo2->SetName("Memo2");
    }
};

QString messageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

} // namespace

TEST_F(NamedReport, ANameTakenInTheReportIsRefusedIgnoringCase)
{
    EXPECT_THROW(memo2->SetName("memo1"), EDuplicateName);
    EXPECT_EQ(messageOf([&] { memo2->SetName("MEMO1"); }), "Duplicate name");
    EXPECT_EQ(memo2->GetName(), "Memo2");
}

TEST_F(NamedReport, ANameDifferingOnlyInLetterCaseIsIgnored)
{
    memo1->SetName("MEMO1");
    EXPECT_EQ(memo1->GetName(), "Memo1");
}

TEST_F(NamedReport, AnEmptyNameIsAccepted)
{
    memo1->SetName("");
    EXPECT_EQ(memo1->GetName(), "");
    memo2->SetName("");
    EXPECT_EQ(report.FindObject("Memo1"), nullptr);
}

TEST_F(NamedReport, AnInheritedObjectCannotBeRenamed)
{
    memo1->SetIsAncestor(true);
    EXPECT_EQ(messageOf([&] { memo1->SetName("Other"); }),
              "Could not rename Memo1, it was introduced in the ancestor report");
    EXPECT_EQ(memo1->GetName(), "Memo1");
}

TEST_F(NamedReport, ADetachedObjectOfTheReportStillHoldsItsName)
{
    auto* detached = new TfrxMemoView(page);
    detached->SetName("Kept");
    detached->SetParent(nullptr);
    EXPECT_EQ(report.FindObject("Kept"), nullptr);
    EXPECT_EQ(messageOf([&] { memo2->SetName("kept"); }), "A component named kept already exists");
    delete detached;
    memo2->SetName("kept");
    EXPECT_EQ(memo2->GetName(), "kept");
}

TEST(Naming, AnObjectMayOutliveTheReportThatNamedIt)
{
    auto report = std::make_unique<TfrxReport>();
    auto* page = new TfrxReportPage(report.get());
    std::unique_ptr<TfrxComponent> detached(new TfrxMemoView(page));
    detached->SetParent(nullptr);
    report.reset();
    detached->SetName("StillFine");
    EXPECT_EQ(detached->GetName(), "StillFine");
}

TEST(Naming, OnlyIdentifiersAreNames)
{
    TfrxMemoView memo;
    for (const char* invalid : {"1Memo", "Memo 1", "Memo-1", "Memo.1", " Memo"})
        EXPECT_THROW(memo.SetName(invalid), EComponentError) << invalid;
    EXPECT_THROW(memo.SetName(QString::fromUtf8("Мемо")), EComponentError) << "names are ASCII identifiers";
    EXPECT_EQ(memo.GetName(), "");
    for (const char* valid : {"Memo_day", "_x", "M1", "memo_cat"}) {
        memo.SetName(valid);
        EXPECT_EQ(memo.GetName(), valid);
    }
}

TEST(Naming, BaseNamesComeFromTheClassName)
{
    EXPECT_EQ(TfrxMemoView().GetBaseName(), "Memo");
    EXPECT_EQ(TfrxCustomMemoView().GetBaseName(), "CustomMemo");
    EXPECT_EQ(TfrxPictureView().GetBaseName(), "Picture");
    EXPECT_EQ(TfrxReportPage().GetBaseName(), "Page");
    EXPECT_EQ(TfrxDataPage().GetBaseName(), "DataPage");
    EXPECT_EQ(TfrxReport().GetBaseName(), "Report");
}

TEST(Naming, UniqueNamesTakeTheSmallestFreeNumber)
{
    TfrxReport report;
    auto* page = new TfrxReportPage(&report);
    for (int i = 1; i <= 42; ++i)
        (new TfrxMemoView(page))->SetName(QStringLiteral("Memo%1").arg(i));
    auto* memo = new TfrxMemoView(page);
    memo->CreateUniqueName();
    EXPECT_EQ(memo->GetName(), "Memo43");

    report.FindObject("Memo7")->SetName("MEMO_seven");
    auto* another = new TfrxMemoView(page);
    another->CreateUniqueName();
    EXPECT_EQ(another->GetName(), "Memo7");
}

TEST(Naming, UniqueNamesOutsideAReportLookAtTheParentsSubtree)
{
    TfrxReportPage page;
    (new TfrxMemoView(&page))->SetName("memo1");
    auto* memo = new TfrxMemoView(&page);
    memo->CreateUniqueName();
    EXPECT_EQ(memo->GetName(), "Memo2");

    TfrxMemoView alone;
    alone.CreateUniqueName();
    EXPECT_EQ(alone.GetName(), "Memo1");
}
