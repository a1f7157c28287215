#include "FakePages.h"
#include "QtGTestPrinters.h"
#include "RecordingPrinter.h"

#include "common/Exception.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxReport.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/TfrxProgress.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr double kMmPerInch = 25.4;

QStringList entries(const QStringList& log, const QString& prefix)
{
    QStringList found;
    for (const QString& entry : log)
        if (entry.startsWith(prefix))
            found.append(entry);
    return found;
}

class PrintJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FPreviousErrorBox = frxSetErrorBoxHandler([this](const QString& text) { errorBoxes.append(text); });
        options().SetShowDialog(false);
        report.SetShowProgress(false);
    }

    void TearDown() override { frxSetErrorBoxHandler(FPreviousErrorBox); }

    TfrxPrintOptions& options() { return *report.GetPrintOptions(); }

    FakePages& UsePages(int count, const FakePaper& paper = {})
    {
        pages = std::make_unique<FakePages>(report, count, log, paper);
        return *pages;
    }

    // Every job runs on the recording printer unless the test hands it the printer list.
    bool Print(bool onRecordingPrinter = true)
    {
        job = std::make_unique<TfrxPrintJob>(report, *pages);
        if (onRecordingPrinter)
            job->SetPrinter(&printer);
        if (FOnProgress)
            job->SetOnProgress(FOnProgress);
        return job->Print();
    }

    QStringList draws() const { return entries(log, QStringLiteral("draw")); }
    QStringList params() const { return entries(log, QStringLiteral("params")); }

    QStringList log;
    QStringList errorBoxes;
    RecordingPrinter printer{log};
    TfrxReport report;
    std::unique_ptr<FakePages> pages;
    std::unique_ptr<TfrxPrintJob> job;
    std::function<void(int)> FOnProgress;

private:
    TfrxErrorBoxHandler FPreviousErrorBox;
};

TEST_F(PrintJobTest, TheCertificateGoesOneToOneOntoItsPaper)
{
    UsePages(1);
    EXPECT_TRUE(Print());
    EXPECT_EQ(log, (QStringList{paramsEntry(11, 148, 210, poPortrait, 7, 0, 1), "BeginDoc", "BeginPage",
                                "draw 1 copy1", "EndPage", "EndDoc"}));
    const FakeDrawing& drawing = pages->GetDrawings().at(0);
    EXPECT_DOUBLE_EQ(drawing.ScaleX, 6.25);
    EXPECT_DOUBLE_EQ(drawing.ScaleY, 6.25);
    EXPECT_NEAR(drawing.OffsetX, -4 * 600 / kMmPerInch, 1e-9);
    EXPECT_NEAR(drawing.OffsetY, -4 * 600 / kMmPerInch, 1e-9);
    EXPECT_EQ(pages->GetCopyNo(), 0);
}

struct CopiesCase {
    int copies;
    bool collate;
    QStringList draws;
    QStringList params;
};

class PrintJobCopiesTest : public PrintJobTest, public ::testing::WithParamInterface<CopiesCase> {};

TEST_P(PrintJobCopiesTest, CopiesAreCollatedByTheJobOrLeftToThePrinter)
{
    const CopiesCase& c = GetParam();
    UsePages(2);
    options().SetCopies(c.copies);
    options().SetCollate(c.collate);
    EXPECT_TRUE(Print());
    EXPECT_EQ(draws(), c.draws);
    EXPECT_EQ(params(), c.params);
    EXPECT_EQ(entries(log, QStringLiteral("BeginDoc")).size(), 1);
    EXPECT_EQ(entries(log, QStringLiteral("EndDoc")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, PrintJobCopiesTest,
    ::testing::Values(
        CopiesCase{
            3,
            true,
            {"draw 1 copy1", "draw 2 copy1", "draw 1 copy2", "draw 2 copy2", "draw 1 copy3", "draw 2 copy3"},
            {paramsEntry(11, 148, 210, poPortrait, 7, 0, 1)}},
        CopiesCase{
            3, false, {"draw 1 copy1", "draw 2 copy1"}, {paramsEntry(11, 148, 210, poPortrait, 7, 0, 3)}},
        // fewer than one copy is one copy
        CopiesCase{
            0, true, {"draw 1 copy1", "draw 2 copy1"}, {paramsEntry(11, 148, 210, poPortrait, 7, 0, 1)}},
        CopiesCase{
            -2, false, {"draw 1 copy1", "draw 2 copy1"}, {paramsEntry(11, 148, 210, poPortrait, 7, 0, 1)}}));

struct OrderCase {
    const char* pageNumbers;
    TfrxPrintPages printPages;
    bool reverse;
    QList<int> pages;
};

class PrintJobOrderTest : public PrintJobTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(PrintJobOrderTest, PagesFollowTheListTheParityAndTheOrder)
{
    const OrderCase& c = GetParam();
    UsePages(5);
    options().SetPageNumbers(QString::fromUtf8(c.pageNumbers));
    options().SetPrintPages(c.printPages);
    options().SetReverse(c.reverse);
    EXPECT_TRUE(Print());
    QStringList expected;
    for (int page : c.pages)
        expected.append(QStringLiteral("draw %1 copy1").arg(page));
    EXPECT_EQ(draws(), expected);
    // A job that prints nothing begins no document.
    EXPECT_EQ(log.contains(QStringLiteral("BeginDoc")), !c.pages.isEmpty());
    EXPECT_EQ(log.contains(QStringLiteral("EndDoc")), !c.pages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Order, PrintJobOrderTest,
    ::testing::Values(OrderCase{"", ppAll, false, {1, 2, 3, 4, 5}},
                      OrderCase{"", ppAll, true, {5, 4, 3, 2, 1}},
                      OrderCase{"2-", ppAll, false, {2, 3, 4, 5}}, OrderCase{"2-", ppAll, true, {5, 4, 3, 2}},
                      OrderCase{"", ppEven, false, {2, 4}}, OrderCase{"", ppOdd, true, {5, 3, 1}},
                      OrderCase{"3,1", ppAll, false, {3, 1}}, OrderCase{"2,2", ppAll, false, {2, 2}},
                      OrderCase{"1-3", ppEven, true, {2}},
                      // outside the report: 0, the page after the last, and beyond
                      OrderCase{"0,6,7,3", ppAll, false, {3}}, OrderCase{"0", ppAll, false, {}}));

TEST_F(PrintJobTest, SettingsAreSentOnlyWhenTheyChange)
{
    FakePages& fake = UsePages(5);
    fake.SetPaper(2, FakePaper{9, 210, 297});
    fake.SetPaper(3, FakePaper{9, 210, 297});
    fake.SetPaper(4, FakePaper{9, 297, 210, poLandscape});
    EXPECT_TRUE(Print());
    EXPECT_EQ(params(), (QStringList{paramsEntry(11, 148, 210, poPortrait, 7, 0, 1),
                                     paramsEntry(9, 210, 297, poPortrait, 7, 0, 1),
                                     paramsEntry(9, 297, 210, poLandscape, 7, 0, 1)}));
    // Each change comes before the page that needs it.
    EXPECT_EQ(log.indexOf(params().at(1)), log.indexOf(QStringLiteral("draw 3 copy1")) - 2);
}

TEST_F(PrintJobTest, ACustomSizeThatDiffersOnlyInItsFractionsIsTheSamePaper)
{
    FakePages& fake = UsePages(3, FakePaper{256, 100.2, 150.4});
    fake.SetPaper(1, FakePaper{256, 99.9, 149.6});
    fake.SetPaper(2, FakePaper{256, 100.6, 150});
    EXPECT_TRUE(Print());
    EXPECT_EQ(params(), (QStringList{paramsEntry(256, 100.2, 150.4, poPortrait, 7, 0, 1),
                                     paramsEntry(256, 100.6, 150, poPortrait, 7, 0, 1)}));
}

TEST_F(PrintJobTest, TheFirstPageOfABinUsesItAndLaterPagesTheOtherBin)
{
    UsePages(3, FakePaper{11, 148, 210, poPortrait, 1, 2});
    options().SetCopies(2);
    EXPECT_TRUE(Print());
    // The second copy's first page is not the first page of bin 1 any more.
    EXPECT_EQ(params(), (QStringList{paramsEntry(11, 148, 210, poPortrait, 1, 0, 1),
                                     paramsEntry(11, 148, 210, poPortrait, 2, 0, 1)}));
    EXPECT_EQ(draws().size(), 6);
}

TEST_F(PrintJobTest, EveryCollatedCopyOfADuplexReportStartsOnANewSheet)
{
    UsePages(3, FakePaper{11, 148, 210, poPortrait, 7, 7, dmVertical});
    options().SetCopies(2);
    EXPECT_TRUE(Print());
    EXPECT_EQ(log, (QStringList{paramsEntry(11, 148, 210, poPortrait, 7, 1, 1),
                                "BeginDoc",
                                "BeginPage",
                                "draw 1 copy1",
                                "EndPage",
                                "BeginPage",
                                "draw 2 copy1",
                                "EndPage",
                                "BeginPage",
                                "draw 3 copy1",
                                "EndPage",
                                "BeginPage",
                                "EndPage",
                                "BeginPage",
                                "draw 1 copy2",
                                "EndPage",
                                "BeginPage",
                                "draw 2 copy2",
                                "EndPage",
                                "BeginPage",
                                "draw 3 copy2",
                                "EndPage",
                                "BeginPage",
                                "EndPage",
                                "EndDoc"}));
}

TEST_F(PrintJobTest, AnEvenNumberOfDuplexPagesNeedsNoEmptySheet)
{
    UsePages(2, FakePaper{11, 148, 210, poPortrait, 7, 7, dmHorizontal});
    options().SetCopies(2);
    EXPECT_TRUE(Print());
    EXPECT_EQ(entries(log, QStringLiteral("BeginPage")).size(), 4);
}

TEST_F(PrintJobTest, CancelAfterTheSecondPageAbortsTheJob)
{
    UsePages(5);
    options().SetCopies(2);
    FOnProgress = [this](int page) {
        if (page == 2)
            job->SetTerminated(true);
    };
    EXPECT_TRUE(Print());
    EXPECT_EQ(draws(), (QStringList{"draw 1 copy1", "draw 2 copy1"}));
    EXPECT_EQ(log.last(), QStringLiteral("Abort"));
    EXPECT_FALSE(log.contains(QStringLiteral("EndDoc")));
    EXPECT_EQ(job->GetPagesPrinted(), 2);
    EXPECT_EQ(pages->GetCopyNo(), 0);
}

TEST_F(PrintJobTest, TheProgressWindowsCancelButtonStopsTheJob)
{
    UsePages(5);
    report.SetShowProgress(true);
    QString message;
    FOnProgress = [&message](int page) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<TfrxProgress*>(widget); progress && page == 2) {
                message = progress->GetMessageLabel()->text();
                progress->GetCancelButton()->click();
            }
    };
    EXPECT_TRUE(Print());
    EXPECT_EQ(message, QStringLiteral("Printing page 2"));
    EXPECT_EQ(draws().size(), 2);
    EXPECT_EQ(log.last(), QStringLiteral("Abort"));
    for (QWidget* widget : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TfrxProgress*>(widget), nullptr) << "the progress window outlived the job";
}

TEST_F(PrintJobTest, AJobHoldsOnePageObjectAtATime)
{
    UsePages(5);
    options().SetCopies(2);
    EXPECT_TRUE(Print());
    EXPECT_EQ(pages->GetMaxLivePages(), 1);
    EXPECT_EQ(pages->GetPagesBuilt(), 10);
}

TEST_F(PrintJobTest, AnErrorWhileDrawingDiscardsTheDocumentAndEndsTheJob)
{
    UsePages(3).SetFailingPage(1);
    bool afterPrint = false;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetPrinter(&printer);
    job->SetOnAfterPrintReport([&afterPrint] { afterPrint = true; });
    EXPECT_THROW(job->Print(), Exception);
    EXPECT_TRUE(afterPrint);
    EXPECT_EQ(draws(), QStringList{"draw 1 copy1"});
    EXPECT_EQ(log.last(), QStringLiteral("Abort"));
}

TEST_F(PrintJobTest, APageListThatIsNoListEndsTheJobBeforeAnyPage)
{
    UsePages(3);
    options().SetPageNumbers(QStringLiteral("1,,2"));
    options().SetCopies(4);
    QStringList events;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetPrinter(&printer);
    job->SetOnPrintReport([&events] { events.append(QStringLiteral("print")); });
    job->SetOnAfterPrintReport([&events] { events.append(QStringLiteral("after")); });
    try {
        job->Print();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'' is not a valid integer value"));
    }
    EXPECT_EQ(events, (QStringList{"print", "after"}));
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(options().GetCopies(), 4);
    EXPECT_EQ(options().GetPageNumbers(), QStringLiteral("1,,2"));
}

TEST_F(PrintJobTest, APrinterThatIsNotValidPrintsNothingButTheEventsFire)
{
    UsePages(2);
    printer.SetValid(false);
    QStringList events;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetPrinter(&printer);
    job->SetOnPrintReport([&events] { events.append(QStringLiteral("print")); });
    job->SetOnAfterPrintReport([&events] { events.append(QStringLiteral("after")); });
    EXPECT_TRUE(job->Print());
    EXPECT_EQ(errorBoxes, QStringList{"Printer selected is not valid"});
    EXPECT_EQ(events, (QStringList{"print", "after"}));
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(PrintJobTest, WithoutPrintersNothingHappens)
{
    ASSERT_FALSE(frxPrinters()->GetHasPhysicalPrinters());
    UsePages(2);
    options().SetShowDialog(true);
    bool printReport = false;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetOnPrintReport([&printReport] { printReport = true; });
    EXPECT_FALSE(job->Print());
    EXPECT_EQ(errorBoxes, QStringList{"No printers installed on your system"});
    EXPECT_FALSE(printReport);
}

TEST_F(PrintJobTest, TheTitleIsTheReportsNameOrElseItsFile)
{
    UsePages(1);
    report.SetFileName(QStringLiteral("/reports/shablon.fr3"));
    EXPECT_TRUE(Print());
    EXPECT_EQ(printer.GetTitle(), QStringLiteral("/reports/shablon.fr3"));
    report.GetReportOptions()->SetName(QStringLiteral("Свидетельство"));
    EXPECT_TRUE(Print());
    EXPECT_EQ(printer.GetTitle(), QStringLiteral("Свидетельство"));
}

TEST_F(PrintJobTest, AnOutputFileHoldsForOneJob)
{
    UsePages(1);
    QString during;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetPrinter(&printer);
    job->SetPrnOutFileName(QStringLiteral("/tmp/out.prn"));
    job->SetOnPrintPage([this, &during](TfrxReportPage&, int) { during = printer.GetFileName(); });
    EXPECT_TRUE(job->Print());
    EXPECT_EQ(during, QStringLiteral("/tmp/out.prn"));
    EXPECT_TRUE(printer.GetFileName().isEmpty());
}

TEST_F(PrintJobTest, OnPrintPageSeesEachPageWithItsCopy)
{
    UsePages(2);
    options().SetCopies(2);
    QStringList seen;
    job = std::make_unique<TfrxPrintJob>(report, *pages);
    job->SetPrinter(&printer);
    job->SetOnPrintPage([&seen](TfrxReportPage& page, int copy) {
        seen.append(QStringLiteral("%1/%2").arg(page.GetObjects().size()).arg(copy));
    });
    EXPECT_TRUE(job->Print());
    EXPECT_EQ(seen, (QStringList{"2/1", "2/1", "2/2", "2/2"}));
}

TEST_F(PrintJobTest, ScaleStretchesAnA5PageOntoAnA4Sheet)
{
    UsePages(2);
    options().SetPrintMode(pmScale);
    options().SetPrintOnSheet(9);
    EXPECT_TRUE(Print());
    EXPECT_EQ(params(), QStringList{paramsEntry(9, 210, 297, poPortrait, 7, 0, 1)});
    ASSERT_EQ(pages->GetDrawings().size(), 2);
    for (const FakeDrawing& drawing : pages->GetDrawings()) {
        EXPECT_DOUBLE_EQ(drawing.ScaleX, 210.0 / 148 * 6.25);
        EXPECT_DOUBLE_EQ(drawing.ScaleY, 297.0 / 210 * 6.25);
        EXPECT_DOUBLE_EQ(drawing.PrintScale, 297.0 / 210);
        EXPECT_NEAR(drawing.OffsetX, -4 * 600 / kMmPerInch, 1e-9);
    }
}

TEST_F(PrintJobTest, JoinPutsTwoA5PagesSideBySideOnATurnedA4Sheet)
{
    UsePages(3);
    options().SetPrintMode(pmJoin);
    options().SetPrintOnSheet(9);
    EXPECT_TRUE(Print());
    EXPECT_EQ(log, (QStringList{paramsEntry(9, 210, 297, poLandscape, 7, 0, 1), "BeginDoc", "BeginPage",
                                "draw 1 copy1", "draw 2 copy1", "EndPage", "BeginPage", "draw 3 copy1",
                                "EndPage", "EndDoc"}));
    const QList<FakeDrawing>& drawings = pages->GetDrawings();
    EXPECT_NEAR(drawings.at(1).OffsetX - drawings.at(0).OffsetX, 148 * 600 / kMmPerInch, 1e-9);
    EXPECT_DOUBLE_EQ(drawings.at(1).OffsetY, drawings.at(0).OffsetY);
    EXPECT_DOUBLE_EQ(drawings.at(2).OffsetX, drawings.at(0).OffsetX);
    EXPECT_EQ(job->GetPagesPrinted(), 2);
}

struct JoinCopiesCase {
    int copies;
    bool collate;
    QStringList log;
};

class PrintJobJoinCopiesTest : public PrintJobTest, public ::testing::WithParamInterface<JoinCopiesCase> {};

// Each page is placed once per copy whatever the sheets hold; the printer makes one copy.
TEST_P(PrintJobJoinCopiesTest, EveryPageIsPlacedOncePerCopy)
{
    const JoinCopiesCase& c = GetParam();
    UsePages(2);
    options().SetPrintMode(pmJoin);
    options().SetPrintOnSheet(9);
    options().SetCopies(c.copies);
    options().SetCollate(c.collate);
    EXPECT_TRUE(Print());
    QStringList expected{paramsEntry(9, 210, 297, poLandscape, 7, 0, 1), "BeginDoc"};
    expected << c.log << "EndDoc";
    EXPECT_EQ(log, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Copies, PrintJobJoinCopiesTest,
    ::testing::Values(JoinCopiesCase{2,
                                     false,
                                     {"BeginPage", "draw 1 copy1", "draw 1 copy2", "EndPage", "BeginPage",
                                      "draw 2 copy1", "draw 2 copy2", "EndPage"}},
                      // the copies of a page run on over the end of a sheet
                      JoinCopiesCase{3,
                                     false,
                                     {"BeginPage", "draw 1 copy1", "draw 1 copy2", "EndPage", "BeginPage",
                                      "draw 1 copy3", "draw 2 copy1", "EndPage", "BeginPage", "draw 2 copy2",
                                      "draw 2 copy3", "EndPage"}},
                      JoinCopiesCase{2,
                                     true,
                                     {"BeginPage", "draw 1 copy1", "draw 2 copy1", "EndPage", "BeginPage",
                                      "draw 1 copy2", "draw 2 copy2", "EndPage"}}));

TEST_F(PrintJobTest, SplitSpreadsAnA3PageOverThreeTurnedA4Sheets)
{
    UsePages(1, FakePaper{8, 297, 420});
    options().SetPrintMode(pmSplit);
    options().SetPrintOnSheet(9);
    EXPECT_TRUE(Print());
    EXPECT_EQ(log, (QStringList{paramsEntry(9, 210, 297, poLandscape, 7, 0, 1), "BeginDoc", "BeginPage",
                                "draw 1 copy1", "EndPage", "BeginPage", "draw 1 copy1", "EndPage",
                                "BeginPage", "draw 1 copy1", "EndPage", "EndDoc"}));
    const double dotsPerMm = 600 / kMmPerInch;
    const QList<FakeDrawing>& drawings = pages->GetDrawings();
    // Each later sheet repeats the splicing overlap and the unprintable strips of the one before.
    const double step = (210 - (4 + 4 + 3)) * dotsPerMm;
    EXPECT_NEAR(drawings.at(0).OffsetY, -4 * dotsPerMm, 1e-9);
    EXPECT_NEAR(drawings.at(1).OffsetY, -step, 1e-9);
    EXPECT_NEAR(drawings.at(2).OffsetY, -2 * step, 1e-9);
    for (const FakeDrawing& drawing : drawings) {
        EXPECT_NEAR(drawing.OffsetX, -4 * dotsPerMm, 1e-9);
        EXPECT_DOUBLE_EQ(drawing.ScaleX, 6.25);
    }
}

TEST_F(PrintJobTest, SplitSendsTheSheetAgainWhenItsOrientationChanges)
{
    // A landscape A4 page fits a portrait A4 sheet turned; the A3 page after it needs the sheet
    // turned as well, an A5 page not.
    FakePages& fake = UsePages(3, FakePaper{9, 297, 210, poLandscape});
    fake.SetPaper(1, FakePaper{8, 297, 420});
    fake.SetPaper(2, FakePaper{11, 148, 210});
    options().SetPrintMode(pmSplit);
    options().SetPrintOnSheet(9);
    EXPECT_TRUE(Print());
    EXPECT_EQ(params(), (QStringList{paramsEntry(9, 210, 297, poLandscape, 7, 0, 1),
                                     paramsEntry(9, 210, 297, poPortrait, 7, 0, 1)}));
}

} // namespace
