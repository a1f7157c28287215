#include "PdfProbe.h"
#include "ViewParamsCase.h"

#include "report/preview/printers/TfrxPrinter.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>
#include <pwd.h>
#include <unistd.h>

#include <gtest/gtest.h>

// These run against the private print server of scripts/cups-test-server: its default printer "PDF"
// (cups-pdf) and "NoA4", which offers A5 and Letter only, with 12 pt unprintable strips.
namespace {

// Where cups-pdf puts the files of this user's jobs, as its system-wide settings say.
QString cupsPdfOutputFolder()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        const QRegularExpression line(QStringLiteral("^Out\\s+(\\S.*)$"),
                                      QRegularExpression::MultilineOption);
        const auto m = line.match(QString::fromLocal8Bit(conf.readAll()));
        if (m.hasMatch())
            out = m.captured(1).trimmed();
    }
    const passwd* user = getpwuid(getuid());
    out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(user->pw_dir));
    out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(user->pw_name));
    return out;
}

struct QueuedJobs {
    int active = 0;
    QStringList titles;
};

QueuedJobs queuedJobs()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "PDF", 0, CUPS_WHICHJOBS_ALL);
    QueuedJobs result;
    for (int i = 0; i < count; ++i) {
        result.titles.append(QString::fromUtf8(jobs[i].title));
        if (jobs[i].state < IPP_JSTATE_CANCELED)
            ++result.active;
    }
    cupsFreeJobs(count, jobs);
    return result;
}

// Jobs finish on the server's time; a job that is never done fails the test after two minutes.
bool waitUntilJobsAreDone()
{
    for (int i = 0; i < 1200; ++i) {
        if (queuedJobs().active == 0)
            return true;
        QThread::msleep(100);
    }
    return false;
}

class CupsPrinterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frxPrinters()->FillPrinters();
        printer = dynamic_cast<TfrxPrinter*>(frxPrinters()->GetPrinter());
        ASSERT_NE(printer, nullptr) << "no print server at " << qgetenv("CUPS_SERVER").constData();
        ASSERT_EQ(printer->GetName(), QStringLiteral("PDF"));
    }

    void TearDown() override
    {
        for (const QString& file : OutputFiles())
            QFile::remove(file);
        if (printer)
            printer->SetFileName(QString());
    }

    // A job title no other test run uses; cups-pdf names its files after it.
    QString Title(const char* name)
    {
        FTitle =
            QStringLiteral("frxtest_%1_%2").arg(QCoreApplication::applicationPid()).arg(QLatin1String(name));
        return FTitle;
    }

    QStringList OutputFiles() const
    {
        if (FTitle.isEmpty())
            return {};
        const QDir folder(cupsPdfOutputFolder());
        QStringList files;
        for (const QString& name : folder.entryList({FTitle + QStringLiteral("*")}, QDir::Files))
            files.append(folder.filePath(name));
        return files;
    }

    // Makes the printer without A4 current.
    void UseNoA4()
    {
        TfrxPrinters* printers = frxPrinters();
        printers->SetPrinterIndex(printers->IndexOf(QStringLiteral("NoA4")));
        printer = dynamic_cast<TfrxPrinter*>(printers->GetPrinter());
        ASSERT_NE(printer, nullptr);
        ASSERT_TRUE(printer->GetInitialized());
    }

    void ExpectMargins(double left, double top, double right, double bottom)
    {
        EXPECT_EQ(printer->GetLeftMargin(), left);
        EXPECT_EQ(printer->GetTopMargin(), top);
        EXPECT_EQ(printer->GetRightMargin(), right);
        EXPECT_EQ(printer->GetBottomMargin(), bottom);
    }

    void PrintOnePage(TPrinterOrientation orientation)
    {
        printer->SetPrintParams(11, 148, 210, orientation, 7, 0, 1);
        printer->BeginDoc();
        printer->BeginPage();
        QPainter* painter = printer->GetCanvas()->GetPainter();
        ASSERT_NE(painter, nullptr);
        painter->drawLine(0, 0, printer->GetDPI().x(), printer->GetDPI().y());
        painter->setFont(QFont(QStringLiteral("Liberation Sans"), 14));
        painter->drawText(QPointF(printer->GetDPI().x(), printer->GetDPI().y()), QStringLiteral("Mark"));
        printer->EndPage();
        printer->EndDoc();
    }

    TfrxPrinter* printer = nullptr;
    QString FTitle;
};

TEST_F(CupsPrinterTest, TheListHoldsTheQueueAsDefaultPrinter)
{
    TfrxPrinters* printers = frxPrinters();
    EXPECT_TRUE(printers->GetHasPhysicalPrinters());
    EXPECT_EQ(printers->GetPrinters(), (QStringList{QStringLiteral("NoA4"), QStringLiteral("PDF")}));
    EXPECT_EQ(frxDefaultPrinterName(), QStringLiteral("PDF"));
    printers->SetPrinterIndex(-1);
    EXPECT_EQ(printers->GetPrinterIndex(), printers->IndexOf(QStringLiteral("pdf")));
    EXPECT_TRUE(printer->GetInitialized());
    EXPECT_TRUE(printer->GetPort().isEmpty());
}

TEST_F(CupsPrinterTest, PapersAndBinsStartWithCustomAndDefault)
{
    const NumberedNames& papers = printer->GetPapers();
    ASSERT_GT(papers.Count(), 1);
    EXPECT_EQ(papers.Name(0), QStringLiteral("Custom"));
    EXPECT_EQ(papers.Number(0), 256);
    const int a5 = printer->PaperIndex(11);
    ASSERT_GT(a5, 0);
    EXPECT_EQ(papers.Name(a5), QStringLiteral("A5"));
    EXPECT_EQ(printer->PaperNameToNumber(QStringLiteral("A5")), 11);
    EXPECT_EQ(printer->PaperNameToNumber(QStringLiteral("No such paper")), 256);
    for (int i = 1; i < papers.Count(); ++i)
        EXPECT_EQ(printer->PaperIndex(papers.Number(i)), i)
            << "paper number listed twice: " << papers.Number(i);

    ASSERT_GE(printer->GetBins().Count(), 1);
    EXPECT_EQ(printer->GetBins().Name(0), QStringLiteral("Default"));
    EXPECT_EQ(printer->GetBins().Number(0), 7);
    EXPECT_EQ(printer->BinNameToNumber(QStringLiteral("No such tray")), 7);
}

TEST_F(CupsPrinterTest, InitReadsTheQueueDefaults)
{
    EXPECT_EQ(printer->GetDefPaper(), 9);
    EXPECT_EQ(printer->GetDefPaperWidth(), 210);
    EXPECT_EQ(printer->GetDefPaperHeight(), 297);
    EXPECT_EQ(printer->GetDefOrientation(), poPortrait);
    EXPECT_EQ(printer->GetDefBin(), 7);
    EXPECT_EQ(printer->GetDefDuplex(), 1);
    EXPECT_EQ(printer->GetBin(), -1);
    EXPECT_EQ(printer->GetDuplex(), -1);
}

TEST_F(CupsPrinterTest, ResolutionIsTheQueueDefault)
{
    // The queue's driver prints at 300 dots per inch unless told otherwise.
    EXPECT_EQ(printer->GetDPI(), QPoint(300, 300));
    EXPECT_TRUE(QPrinterInfo::printerInfo(QStringLiteral("PDF")).supportedResolutions().contains(300));
}

class CupsPrinterViewTest : public CupsPrinterTest, public ::testing::WithParamInterface<ViewCase> {};

TEST_P(CupsPrinterViewTest, MeasuresThePaperInWholeMillimetres)
{
    const ViewCase c = GetParam();
    printer->SetViewParams(c.paper, c.width, c.height, c.orientation);
    EXPECT_EQ(printer->GetPaper(), c.expectedPaper);
    EXPECT_EQ(printer->GetOrientation(), c.orientation);
    EXPECT_EQ(printer->GetPaperWidth(), c.expectedWidth);
    EXPECT_EQ(printer->GetPaperHeight(), c.expectedHeight);
    // The queue's driver can print up to the paper's edges.
    EXPECT_EQ(printer->GetLeftMargin(), 0);
    EXPECT_EQ(printer->GetTopMargin(), 0);
    EXPECT_EQ(printer->GetRightMargin(), 0);
    EXPECT_EQ(printer->GetBottomMargin(), 0);
}

INSTANTIATE_TEST_SUITE_P(Papers, CupsPrinterViewTest,
                         ::testing::Values(ViewCase{11, 0, 0, poPortrait, 11, 148, 210},
                                           ViewCase{11, 0, 0, poLandscape, 11, 210, 148},
                                           ViewCase{8, 0, 0, poPortrait, 8, 297, 420},
                                           // custom sizes keep their sizes, with the margins of A4
                                           ViewCase{256, 100, 150, poPortrait, 256, 100, 150},
                                           // a number the queue does not offer is a custom size
                                           ViewCase{48, 120, 80, poPortrait, 256, 120, 80},
                                           // -1 measures the queue's own paper
                                           ViewCase{-1, 0, 0, poPortrait, 256, 210, 297}));

TEST_F(CupsPrinterTest, SetPrintParamsFillsTheSettingsBlock)
{
    printer->SetPrintParams(11, 148, 210, poPortrait, 7, 0, 1);
    TfrxDeviceMode mode = printer->GetDeviceMode();
    EXPECT_EQ(mode.PaperSize, 11);
    EXPECT_EQ(mode.Orientation, 1);
    EXPECT_EQ(mode.PaperLength, 0);
    EXPECT_EQ(mode.PaperWidth, 0);
    EXPECT_EQ(mode.DefaultSource, printer->GetDefBin());
    EXPECT_EQ(mode.Duplex, printer->GetDefDuplex());
    EXPECT_FALSE(mode.Collate);
    EXPECT_EQ(printer->GetPaper(), 11);
    EXPECT_EQ(printer->GetPaperWidth(), 148);
    EXPECT_EQ(printer->GetPaperHeight(), 210);

    printer->SetPrintParams(256, 100, 150, poLandscape, 7, 0, 3);
    mode = printer->GetDeviceMode();
    EXPECT_EQ(mode.PaperSize, 256);
    EXPECT_EQ(mode.Orientation, 2);
    EXPECT_EQ(mode.PaperLength, 1000);
    EXPECT_EQ(mode.PaperWidth, 1500);
    EXPECT_EQ(mode.Copies, 3);
    EXPECT_EQ(printer->GetPaper(), 256);
}

TEST_F(CupsPrinterTest, DuplexModesBecomeDeviceCodes)
{
    const struct {
        int duplexMode;
        int code;
    } cases[] = {{0, printer->GetDefDuplex()}, {1, 2}, {2, 3}, {3, 1}};
    for (const auto& c : cases) {
        printer->SetPrintParams(9, 0, 0, poPortrait, 7, c.duplexMode, 1);
        EXPECT_EQ(printer->GetDeviceMode().Duplex, c.code) << c.duplexMode;
    }
}

TEST_F(CupsPrinterTest, APrinterWithoutA4ListsItsOwnPapersSourcesAndDefaults)
{
    UseNoA4();
    EXPECT_EQ(printer->GetPapers().Count(), 3);
    EXPECT_GT(printer->PaperIndex(11), 0);
    EXPECT_GT(printer->PaperIndex(1), 0);
    EXPECT_EQ(printer->PaperIndex(9), -1);
    EXPECT_EQ(printer->GetDefPaper(), 11);
    EXPECT_EQ(printer->GetDefPaperWidth(), 148);
    EXPECT_EQ(printer->GetDefPaperHeight(), 210);
    EXPECT_EQ(printer->GetDPI(), QPoint(600, 600));
    EXPECT_EQ(printer->GetDefDuplex(), 2);
    EXPECT_EQ(printer->GetDefBin(), 7);

    // Automatic selection is the "Default" entry; the top tray and manual feed follow.
    const NumberedNames& bins = printer->GetBins();
    ASSERT_EQ(bins.Count(), 3);
    EXPECT_EQ(bins.Number(0), 7);
    const int manual = printer->BinIndex(4);
    ASSERT_GT(manual, 0);
    EXPECT_GT(printer->BinIndex(1), 0);
    EXPECT_EQ(printer->BinNameToNumber(bins.Name(manual)), 4);
}

TEST_F(CupsPrinterTest, UnprintableStripsBecomeWholeMillimetres)
{
    UseNoA4();
    // 12 points are 4.23 mm; the far strips take what the rounded printable size leaves.
    printer->SetViewParams(11, 0, 0, poPortrait);
    EXPECT_EQ(printer->GetPaperWidth(), 148);
    EXPECT_EQ(printer->GetPaperHeight(), 210);
    ExpectMargins(4, 4, 4, 5);

    printer->SetViewParams(11, 0, 0, poLandscape);
    EXPECT_EQ(printer->GetPaperWidth(), 210);
    EXPECT_EQ(printer->GetPaperHeight(), 148);
    ExpectMargins(4, 4, 5, 4);
}

TEST_F(CupsPrinterTest, ACustomSizeWithoutA4IsMeasuredWithTheFirstListedPaper)
{
    UseNoA4();
    printer->SetViewParams(256, 100, 150, poPortrait);
    EXPECT_EQ(printer->GetPaper(), 256);
    EXPECT_EQ(printer->GetPaperWidth(), 100);
    EXPECT_EQ(printer->GetPaperHeight(), 150);
    ExpectMargins(4, 4, 4, 5);
}

TEST_F(CupsPrinterTest, PrintParamsOfAPaperThePrinterLacksDescribeACustomSize)
{
    UseNoA4();
    printer->SetPrintParams(9, 210, 297, poPortrait, 7, 0, 1);
    const TfrxDeviceMode& mode = printer->GetDeviceMode();
    EXPECT_EQ(mode.PaperSize, 256);
    EXPECT_EQ(mode.PaperLength, 2970);
    EXPECT_EQ(mode.PaperWidth, 2100);
    EXPECT_EQ(mode.Duplex, 2);
    EXPECT_EQ(printer->GetPaper(), 256);
    EXPECT_EQ(printer->GetPaperWidth(), 210);
    EXPECT_EQ(printer->GetPaperHeight(), 297);

    printer->SetPrintParams(11, 148, 210, poPortrait, 4, 3, 1);
    EXPECT_EQ(printer->GetDeviceMode().DefaultSource, 4);
    EXPECT_EQ(printer->GetDeviceMode().Duplex, 1);
}

TEST_F(CupsPrinterTest, AJobOfOnePageComesOutOfTheQueue)
{
    printer->SetTitle(Title("a5"));
    PrintOnePage(poPortrait);
    ASSERT_TRUE(waitUntilJobsAreDone());
    EXPECT_TRUE(queuedJobs().titles.contains(FTitle));
    const QStringList files = OutputFiles();
    ASSERT_EQ(files.size(), 1);
    const PdfFacts facts = pdfFacts(files.first());
    ASSERT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 2);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 2);
}

TEST_F(CupsPrinterTest, ALandscapePageIsTurnedOntoTheWholeSheet)
{
    printer->SetTitle(Title("a5landscape"));
    printer->SetPrintParams(11, 210, 148, poLandscape, 7, 0, 1);
    printer->BeginDoc();
    printer->BeginPage();
    const double dotsPerMm = printer->GetDPI().x() / 25.4;
    printer->GetCanvas()->GetPainter()->fillRect(QRectF(0, 0, 210 * dotsPerMm, 148 * dotsPerMm), Qt::black);
    printer->EndPage();
    printer->EndDoc();
    ASSERT_TRUE(waitUntilJobsAreDone());
    const QStringList files = OutputFiles();
    ASSERT_EQ(files.size(), 1);
    const PdfFacts facts = pdfFacts(files.first());
    ASSERT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 2);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 2);
    // A page shrunk to fit the sheet unturned would leave the lower part of the sheet blank.
    const QImage sheet = pdfFirstPageImage(files.first(), 10);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_LT(qGray(sheet.pixel(sheet.width() / 2, sheet.height() - 3)), 128);
    EXPECT_LT(qGray(sheet.pixel(sheet.width() - 3, sheet.height() / 2)), 128);
}

TEST_F(CupsPrinterTest, AbortQueuesNothing)
{
    printer->SetTitle(Title("aborted"));
    printer->SetPrintParams(11, 148, 210, poPortrait, 7, 0, 1);
    printer->BeginDoc();
    printer->BeginPage();
    printer->GetCanvas()->GetPainter()->drawLine(0, 0, 300, 300);
    printer->EndPage();
    printer->Abort();
    EXPECT_EQ(printer->GetCanvas()->GetPainter(), nullptr);
    EXPECT_FALSE(queuedJobs().titles.contains(FTitle));
    EXPECT_TRUE(OutputFiles().isEmpty());
}

TEST_F(CupsPrinterTest, PrintingToAFileWritesThePdfThereAndQueuesNothing)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("certificate.prn"));
    printer->SetTitle(Title("tofile"));
    printer->SetFileName(fileName);
    PrintOnePage(poPortrait);
    const PdfFacts facts = pdfFacts(fileName);
    ASSERT_EQ(facts.pages, 1);
    EXPECT_NEAR(facts.pageSizes[0].width(), 148 * kPointsPerMm, 0.5);
    EXPECT_NEAR(facts.pageSizes[0].height(), 210 * kPointsPerMm, 0.5);
    // One inch from the printable corner, which is the paper's corner on this queue.
    EXPECT_NEAR(pdfWordBox(fileName, QStringLiteral("Mark")).left(), 72, 1.5);
    EXPECT_FALSE(queuedJobs().titles.contains(FTitle));
}

TEST_F(CupsPrinterTest, DrawingStartsAtThePrintableCorner)
{
    UseNoA4();
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("margins.pdf"));
    printer->SetFileName(fileName);
    PrintOnePage(poPortrait);
    // One inch from the printable corner, which lies 4 whole millimetres in from the paper's edge.
    EXPECT_NEAR(pdfWordBox(fileName, QStringLiteral("Mark")).left(), 72 + 4 * kPointsPerMm, 1.5);
}

TEST_F(CupsPrinterTest, ARawDocumentReachesThePrinterAsItIs)
{
    printer->SetTitle(Title("raw"));
    printer->BeginRAWDoc();
    // cups-pdf names the file after the document's own title.
    printer->WriteRAWDoc("%!PS\n%%Title: " + FTitle.toLatin1() +
                         "\n/Helvetica findfont 20 scalefont setfont\n");
    printer->WriteRAWDoc("72 720 moveto (Raw) show showpage\n");
    printer->EndRAWDoc();
    ASSERT_TRUE(waitUntilJobsAreDone());
    EXPECT_TRUE(queuedJobs().titles.contains(FTitle));
    const QStringList files = OutputFiles();
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(pdfFacts(files.first()).pages, 1);
}

} // namespace
