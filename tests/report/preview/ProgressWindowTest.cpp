#include "FakePages.h"
#include "RecordingPrinter.h"

#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/preview/RegisterPreview.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/TfrxProgress.h"
#include "tests/report/engine/PreparedReportSupport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QList<TfrxProgress*> progressWindows()
{
    QList<TfrxProgress*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* progress = qobject_cast<TfrxProgress*>(widget); progress && progress->isVisible())
            found.append(progress);
    return found;
}

// What the progress windows read at each page the report announces.
class ProgressWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frxRegisterEngine();
        frxRegisterPreview();
        report = generatedReport(2, 3);
        report->SetOldStyleProgress(true);
        report->SetOnProgress([this](TfrxReport&, int, int page) {
            const QList<TfrxProgress*> windows = progressWindows();
            QString seen = QString::number(windows.size());
            for (TfrxProgress* window : windows)
                seen += QLatin1Char(' ') + window->GetMessageLabel()->text();
            messages.append(seen);
            if (cancelAtPage == page && !windows.isEmpty())
                windows.first()->GetCancelButton()->click();
        });
    }

    std::unique_ptr<TfrxReport> report;
    QStringList messages;
    int cancelAtPage = 0;
};

} // namespace

TEST_F(ProgressWindowTest, OldStylePreparationShowsOneWindowNamingEachPageAndClosesIt)
{
    ASSERT_TRUE(report->PrepareReport());
    EXPECT_EQ(messages,
              QStringList({QStringLiteral("1 Preparing page 1"), QStringLiteral("1 Preparing page 2"),
                           QStringLiteral("1 Preparing page 3")}));
    EXPECT_TRUE(progressWindows().isEmpty());
}

TEST_F(ProgressWindowTest, DoublePassNamesTheFirstPassApart)
{
    report->GetEngineOptions()->SetDoublePass(true);
    firstPage(*report).SetPageCount(2);
    ASSERT_TRUE(report->PrepareReport());
    EXPECT_EQ(messages,
              QStringList({QStringLiteral("1 First pass: page 1"), QStringLiteral("1 First pass: page 2"),
                           QStringLiteral("1 Preparing page 1"), QStringLiteral("1 Preparing page 2")}));
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 2);
}

TEST_F(ProgressWindowTest, CancelStopsThePreparationWithThePagesMadeSoFar)
{
    firstPage(*report).SetPageCount(5);
    cancelAtPage = 2;
    EXPECT_TRUE(report->PrepareReport());
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 2);
    EXPECT_TRUE(progressWindows().isEmpty());
}

// The preview control shows a new-style preparation; ShowProgress off shows nothing; a thread-safe
// run touches no window at all.
TEST_F(ProgressWindowTest, NoWindowUnlessOldStyleAndShown)
{
    struct Case {
        bool oldStyle;
        bool showProgress;
        bool threadSafe;
        QString expected;
    };
    const Case cases[] = {{false, true, false, QStringLiteral("0")},
                          {true, false, false, QStringLiteral("0")},
                          {true, true, true, QString()}};
    for (const Case& c : cases) {
        messages.clear();
        report->SetOldStyleProgress(c.oldStyle);
        report->SetShowProgress(c.showProgress);
        report->GetEngineOptions()->SetEnableThreadSafe(c.threadSafe);
        ASSERT_TRUE(report->PrepareReport());
        const QStringList expected =
            c.expected.isNull() ? QStringList() : QStringList({c.expected, c.expected, c.expected});
        EXPECT_EQ(messages, expected) << c.oldStyle << c.showProgress << c.threadSafe;
    }
}

TEST_F(ProgressWindowTest, AnExportAlwaysHasItsWindow)
{
    report->SetOldStyleProgress(false);
    report->InternalOnProgressStart(1);
    report->InternalOnProgress(1, 4);
    EXPECT_EQ(messages, QStringList({QStringLiteral("1 Exporting page 4")}));
    report->InternalOnProgressStop(1);
    EXPECT_TRUE(progressWindows().isEmpty());
}

TEST_F(ProgressWindowTest, APrintJobShowsItsOwnWindowOnly)
{
    QStringList log;
    RecordingPrinter printer{log};
    FakePages pages(*report, 2, log);
    report->GetPrintOptions()->SetShowDialog(false);
    TfrxPrintJob job(*report, pages);
    job.SetPrinter(&printer);
    QList<int> windowsPerPage;
    job.SetOnProgress([&windowsPerPage](int) { windowsPerPage.append(progressWindows().size()); });
    ASSERT_TRUE(job.Print());
    EXPECT_EQ(windowsPerPage, QList<int>({1, 1}));
    EXPECT_TRUE(progressWindows().isEmpty());
}
