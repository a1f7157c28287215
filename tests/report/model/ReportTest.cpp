#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QDateTime>

#include <gtest/gtest.h>

namespace {

const QStringList kEmptyScript{"begin", "", "end."};

QStringList childNames(const TfrxComponent& parent)
{
    QStringList names;
    for (const TfrxComponent* child : parent.GetObjects())
        names.append(child->GetName());
    return names;
}

} // namespace

TEST(Report, ANewReportHasItsDefaults)
{
    const double before = dateTimeToValue(QDateTime::currentDateTime());
    TfrxReport report;
    EXPECT_EQ(report.GetVersion(), "5.6.1");
    EXPECT_EQ(report.GetIniFile(), "\\Software\\Orvanta");
    EXPECT_TRUE(report.GetShowProgress());
    EXPECT_TRUE(report.GetStoreInDFM());
    EXPECT_EQ(report.GetScriptLanguage(), "PascalScript");
    EXPECT_EQ(report.GetScriptText(), kEmptyScript);
    EXPECT_EQ(report.GetPreviewOptions()->GetButtons().bits(), 4095u);
    EXPECT_EQ(report.GetPrintOptions()->GetPrinter(), "Default");
    EXPECT_EQ(report.GetPagesCount(), 0);
    EXPECT_GE(report.GetReportOptions()->GetCreateDate(), before);
    EXPECT_EQ(report.GetReportOptions()->GetCreateDate(), report.GetReportOptions()->GetLastChange());
    EXPECT_EQ(report.GetSysVariables(), (QStringList{"Date", "Time", "Page", "Page#", "TotalPages",
                                                     "TotalPages#", "Line", "Line#", "CopyName#"}));
    EXPECT_TRUE(report.GetfrComponentStyle().contains(csHandlesNestedProperties));
}

TEST(Report, TheVersionCannotBeChanged)
{
    TfrxReport report;
    report.SetVersion("4.0");
    EXPECT_EQ(report.GetVersion(), "5.6.1");
}

TEST(Report, ClearResetsTheReportsSettingsButKeepsThePreviewWindowsAndTheStore)
{
    TfrxReport report;
    new TfrxReportPage(&report);
    report.SetIniFile("custom.ini");
    report.GetPreviewOptions()->SetButtons({pbPrint});
    report.GetPreviewOptions()->SetZoom(2);
    report.GetPreviewOptions()->SetModal(false);
    report.GetPreviewOptions()->SetOutlineVisible(true);
    report.GetEngineOptions()->SetDoublePass(true);
    report.GetEngineOptions()->SetMaxMemSize(99);
    report.GetPrintOptions()->SetCopies(3);
    report.GetPrintOptions()->SetPrinter("PDF");
    report.GetReportOptions()->SetDescription({"described"});
    report.GetReportOptions()->SetVersionMajor("1");
    report.GetVariables().Add()->SetName("v");
    report.GetStyles().Add()->SetName("s");
    report.SetScriptText({"var x;"});
    report.SetScriptLanguage("C++Script");
    report.SetDotMatrixReport(true);
    report.SetOnStartReport("Start");
    report.SetFileName("shablon.fr3");
    report.AddError("kept");

    report.Clear();

    EXPECT_EQ(report.GetPagesCount(), 0);
    EXPECT_EQ(report.GetIniFile(), "custom.ini");
    EXPECT_EQ(report.GetPreviewOptions()->GetButtons(), TfrxPreviewButtons{pbPrint});
    EXPECT_EQ(report.GetPreviewOptions()->GetZoom(), 2);
    EXPECT_FALSE(report.GetPreviewOptions()->GetModal());
    EXPECT_FALSE(report.GetPreviewOptions()->GetOutlineVisible());
    EXPECT_FALSE(report.GetEngineOptions()->GetDoublePass());
    EXPECT_EQ(report.GetEngineOptions()->GetMaxMemSize(), 99);
    EXPECT_EQ(report.GetPrintOptions()->GetCopies(), 1);
    EXPECT_EQ(report.GetPrintOptions()->GetPrinter(), "Default");
    EXPECT_TRUE(report.GetReportOptions()->GetDescription().isEmpty());
    EXPECT_EQ(report.GetReportOptions()->GetVersionMajor(), "");
    EXPECT_TRUE(report.GetVariables().IsEmpty());
    EXPECT_TRUE(report.GetStyles().IsEmpty());
    EXPECT_EQ(report.GetScriptText(), kEmptyScript);
    EXPECT_EQ(report.GetScriptLanguage(), "PascalScript");
    EXPECT_FALSE(report.GetDotMatrixReport());
    EXPECT_EQ(report.GetOnStartReport(), "");
    EXPECT_EQ(report.GetFileName(), "shablon.fr3");
    EXPECT_EQ(report.GetErrors(), QStringList{"kept"});
}

TEST(Report, CheckDataPageAddsDataAsTheFirstPage)
{
    TfrxReport report;
    (new TfrxReportPage(&report))->SetName("Page1");
    report.CheckDataPage();
    ASSERT_EQ(report.GetPagesCount(), 2);
    EXPECT_NE(dynamic_cast<TfrxDataPage*>(report.GetPages(0)), nullptr);
    EXPECT_EQ(childNames(report), (QStringList{"Data", "Page1"}));
    EXPECT_EQ(report.GetPages(0)->GetWidth(), 1000);
    EXPECT_EQ(report.GetPages(0)->GetHeight(), 1000);

    report.CheckDataPage();
    EXPECT_EQ(report.GetPagesCount(), 2) << "a report with a data page keeps it";
}

TEST(Report, CheckDataPageNamesItDataPage1WhenDataIsTaken)
{
    TfrxReport report;
    auto* page = new TfrxReportPage(&report);
    (new TfrxMemoView(page))->SetName("Data");
    report.CheckDataPage();
    EXPECT_EQ(report.GetPages(0)->GetName(), "DataPage1");
}

TEST(Report, CheckDataPageAvoidsANameHeldOutsideTheTree)
{
    TfrxReport report;
    auto* page = new TfrxReportPage(&report);
    std::unique_ptr<TfrxComponent> detached(new TfrxMemoView(page));
    detached->SetName("Data");
    detached->SetParent(nullptr);
    report.CheckDataPage();
    EXPECT_EQ(report.GetPages(0)->GetName(), "DataPage1");
}

TEST(Report, ErrorsAreSortedAndEachIsKeptOnce)
{
    TfrxReport report;
    for (const char* message :
         {"Cannot find class TfrxCrossView", "b", "Cannot find class TfrxCrossView", "a", "B"})
        report.AddError(message);
    EXPECT_EQ(report.GetErrors(), (QStringList{"a", "b", "Cannot find class TfrxCrossView"}));
}

TEST(Report, SilentModeIsAViewOfNewSilentMode)
{
    TfrxEngineOptions options;
    EXPECT_FALSE(options.GetSilentMode());
    options.SetSilentMode(true);
    EXPECT_EQ(options.GetNewSilentMode(), simSilent);
    options.SetNewSilentMode(simReThrow);
    EXPECT_FALSE(options.GetSilentMode());
    options.SetSilentMode(false);
    EXPECT_EQ(options.GetNewSilentMode(), simMessageBoxes);
}

TEST(Report, DescriptionsComeFromTheTextTables)
{
    EXPECT_EQ(TfrxReport().GetDescription(), "Report object");
    EXPECT_EQ(TfrxReportPage().GetDescription(), "Report page");
    EXPECT_EQ(TfrxMemoView().GetDescription(), "Text object");
    EXPECT_EQ(TfrxPictureView().GetDescription(), "Picture object");
    EXPECT_EQ(TfrxDataPage().GetDescription(), "obDataPage");
}

TEST(ClassRegistry, CreatesRegisteredClassesByNameIgnoringCase)
{
    TfrxReportPage page;
    TfrxComponent* created = frxClassRegistry().CreateObject("tfrxMEMOview", &page);
    ASSERT_NE(dynamic_cast<TfrxMemoView*>(created), nullptr);
    EXPECT_EQ(created->GetParent(), &page);
    EXPECT_EQ(frxClassRegistry().CreateObject("TfrxCrossView", &page), nullptr);
    EXPECT_FALSE(frxClassRegistry().IsRegistered("TfrxView"));
    for (const char* name : {"TfrxReport", "TfrxReportPage", "TfrxDataPage", "TfrxCustomMemoView",
                             "TfrxMemoView", "TfrxPictureView"})
        EXPECT_TRUE(frxClassRegistry().GetClassNames().contains(name)) << name;
}

TEST(ClassRegistry, DesignCreateMakesADesignedObject)
{
    TfrxReportPage page;
    TfrxComponent* created = frxClassRegistry().DesignCreate("TfrxPictureView", &page);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(created->GetIsDesigning());
}

namespace {

// A source report with one page: Memo1 flows into Memo2, which has its own font and text.
struct CopySource : ::testing::Test {
    TfrxReport source;
    TfrxReportPage* page = new TfrxReportPage(&source);
    TfrxMemoView* memo1 = new TfrxMemoView(page);
    TfrxMemoView* memo2 = new TfrxMemoView(page);

    CopySource()
    {
        page->SetName("Page1");
        page->SetPaperSize(11);
        page->SetOrientation(poLandscape);
        memo1->SetName("Memo1");
        memo2->SetName("Memo2");
        memo1->SetFlowTo(memo2);
        memo2->SetText("first\nsecond");
        memo2->GetFont()->SetName("Times New Roman");
        memo2->SetFillType(ftGlass);
        memo2->GetFrame()->SetTyp({ftLeft, ftTop});
        memo2->SetBounds(1, 2, 3, 4);
        memo2->AddHighlight()->SetCondition("<Value> > 0");
        memo2->AddHighlight()->SetCondition("<Value> < 0");
    }
};

} // namespace

TEST_F(CopySource, AssignAllCopiesATreeIntoAnotherReport)
{
    TfrxReport target;
    auto* copy = new TfrxReportPage(&target);
    copy->AssignAll(*page);

    EXPECT_EQ(copy->GetName(), "") << "Assign does not copy the name of the object itself";
    EXPECT_EQ(copy->GetOrientation(), poLandscape);
    EXPECT_EQ(copy->GetPaperWidth(), 210);
    EXPECT_EQ(copy->GetPaperHeight(), 148);
    EXPECT_EQ(childNames(*copy), (QStringList{"Memo1", "Memo2"}));
    auto* copy1 = static_cast<TfrxMemoView*>(target.FindObject("Memo1"));
    auto* copy2 = static_cast<TfrxMemoView*>(target.FindObject("Memo2"));
    EXPECT_EQ(copy1->GetFlowTo(), copy2) << "references lead to the copies";
    EXPECT_EQ(copy2->GetMemo(), (QStringList{"first", "second"}));
    EXPECT_EQ(copy2->GetFont()->GetName(), "Times New Roman");
    EXPECT_FALSE(copy2->GetParentFont());
    EXPECT_TRUE(copy1->GetParentFont());
    EXPECT_EQ(copy2->GetFillType(), ftGlass);
    EXPECT_EQ(copy2->GetFrame()->GetTyp(), (TfrxFrameTypes{ftLeft, ftTop}));
    EXPECT_EQ(copy2->GetLeft(), 1);
    EXPECT_EQ(copy2->GetHeight(), 4);
    ASSERT_EQ(copy2->GetHighlightCount(), 2);
    EXPECT_EQ(copy2->GetHighlightItem(1)->GetCondition(), "<Value> < 0");
}

TEST_F(CopySource, AssignAllWithinTheSameReportLeavesTakenNamesEmpty)
{
    auto* copy = new TfrxReportPage(&source);
    copy->AssignAll(*page);
    EXPECT_EQ(childNames(*copy), (QStringList{"", ""}));
    EXPECT_EQ(source.FindObject("Memo1"), memo1);
}

TEST_F(CopySource, AssignCopiesAlsoValuesAtTheirDefaults)
{
    TfrxMemoView target;
    target.SetGapX(5);
    target.SetWordWrap(false);
    target.SetText("old");
    new TfrxMemoView(&target);

    target.Assign(*memo1);
    EXPECT_EQ(target.GetGapX(), 2);
    EXPECT_TRUE(target.GetWordWrap());
    EXPECT_TRUE(target.GetMemo().isEmpty());
    EXPECT_TRUE(target.GetObjects().isEmpty()) << "the target's children are destroyed";
    EXPECT_EQ(target.GetFlowTo(), nullptr) << "a reference into another report is not kept";
}
