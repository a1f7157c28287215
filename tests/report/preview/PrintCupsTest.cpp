#include "CertificatePages.h"
#include "FakePages.h"
#include "PdfProbe.h"

#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/preview/RegisterPreview.h"

#include "report/model/TfrxReport.h"
#include "report/preview/TfrxPrintDialog.h"
#include "report/preview/TfrxPrintJob.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

// The print dialog and the print job on the private print server of scripts/cups-test-server: its
// default printer "PDF" (cups-pdf, output under $HOME/PDF named after the job title) and "NoA4",
// which offers A5 and Letter only.
class PrintCupsTest : public QObject {
    Q_OBJECT

private:
    template <class Control> static Control* find(TfrxPrintDialog& dialog, const char* name)
    {
        auto* control = dialog.findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    static int printerIndex(const char* name) { return frxPrinters()->IndexOf(QString::fromLatin1(name)); }

    static void choosePrinter(TfrxPrintDialog& dialog, const char* name)
    {
        find<QComboBox>(dialog, "PrintersCB")->setCurrentIndex(printerIndex(name));
    }

    // The first output file of a job once cups-pdf has written it; every output file of it is removed.
    // The queue finishes on the server's time; a job that never comes out fails after two minutes.
    static QStringList waitForOutput(const QString& title, PdfFacts& facts, QImage* image = nullptr)
    {
        QStringList files;
        for (QDeadlineTimer deadline(120000); !deadline.hasExpired() && facts.pages == 0;
             QThread::msleep(200)) {
            files = outputFiles(title);
            if (!files.isEmpty())
                facts = pdfFacts(files.first());
        }
        if (image && !files.isEmpty())
            *image = pdfFirstPageImage(files.first(), 150);
        for (const QString& file : files)
            QFile::remove(file);
        return files;
    }

    // Files of cups-pdf for a job title, which it takes as the file name.
    static QStringList outputFiles(const QString& title)
    {
        const QDir folder(QDir::home().filePath(QStringLiteral("PDF")));
        QStringList files;
        for (const QString& name : folder.entryList({title + QStringLiteral("*")}, QDir::Files))
            files.append(folder.filePath(name));
        return files;
    }

private slots:
    void initTestCase() { QCOMPARE(frxPrinters()->GetPrinters(), (QStringList{"NoA4", "PDF"})); }

    void init() { frxPrinters()->SetPrinterIndex(printerIndex("PDF")); }

    void theWhereLineAndTheSheetsFollowThePrinter()
    {
        TfrxReport report;
        TfrxPrintDialog dialog;
        dialog.SetAReport(&report);
        dialog.show();
        QComboBox* sheets = find<QComboBox>(dialog, "PagPageSizeCB");
        TfrxCustomPrinter* pdf = frxPrinters()->GetPrinter();
        // Choosing a mode other than "Default" on a printer that has A4 offers A4.
        find<QComboBox>(dialog, "PrintModeCB")->setCurrentIndex(pmScale);
        QCOMPARE(sheets->currentText(), QStringLiteral("A4"));
        QCOMPARE(sheets->currentIndex(), pdf->PaperIndex(9));

        // The printer without A4 has no such sheet to keep.
        choosePrinter(dialog, "NoA4");
        QCOMPARE(frxPrinters()->GetPrinterIndex(), printerIndex("NoA4"));
        QCOMPARE(find<QLabel>(dialog, "WhereL1")->text(), frxPrinters()->GetPrinter()->GetPort());
        QCOMPARE(sheets->count(), frxPrinters()->GetPrinter()->GetPapers().Count());
        QCOMPARE(sheets->currentIndex(), 0);

        // A5 is on both, and stays chosen when the printer changes back.
        sheets->setCurrentIndex(sheets->findText(QStringLiteral("A5")));
        choosePrinter(dialog, "PDF");
        QCOMPARE(sheets->currentIndex(), pdf->PaperIndex(11));
        QCOMPARE(sheets->currentText(), QStringLiteral("A5"));
        find<QPushButton>(dialog, "OkB")->click();
        QCOMPARE(report.GetPrintOptions()->GetPrintOnSheet(), 11);
    }

    void aModeOtherThanDefaultOnAPrinterWithoutA4ShowsNoSheet()
    {
        frxPrinters()->SetPrinterIndex(printerIndex("NoA4"));
        TfrxReport report;
        TfrxPrintDialog dialog;
        dialog.SetAReport(&report);
        dialog.show();
        find<QComboBox>(dialog, "PrintModeCB")->setCurrentIndex(pmJoin);
        QCOMPARE(find<QComboBox>(dialog, "PagPageSizeCB")->currentIndex(), -1);
    }

    void theSheetOfTheOptionsIsShown_data()
    {
        QTest::addColumn<int>("printOnSheet");
        QTest::addColumn<int>("shownPaper"); // 0 for "Default"
        QTest::newRow("listed") << 11 << 11;
        // the printer's current paper: its first real one stands for it
        QTest::newRow("custom") << 256 << -1;
        QTest::newRow("not listed") << 48 << 0;
    }

    void theSheetOfTheOptionsIsShown()
    {
        QFETCH(int, printOnSheet);
        QFETCH(int, shownPaper);
        TfrxReport report;
        report.GetPrintOptions()->SetPrintMode(pmSplit);
        report.GetPrintOptions()->SetPrintOnSheet(printOnSheet);
        TfrxPrintDialog dialog;
        dialog.SetAReport(&report);
        dialog.show();
        const int expected = shownPaper == -1  ? 1
                             : shownPaper == 0 ? 0
                                               : frxPrinters()->GetPrinter()->PaperIndex(shownPaper);
        QCOMPARE(find<QComboBox>(dialog, "PagPageSizeCB")->currentIndex(), expected);
    }

    void cancelSelectsThePrinterThatWasCurrentAgain()
    {
        TfrxReport report;
        TfrxPrintDialog dialog;
        dialog.SetAReport(&report);
        dialog.show();
        choosePrinter(dialog, "NoA4");
        find<QPushButton>(dialog, "CancelB")->click();
        QCOMPARE(frxPrinters()->GetPrinterIndex(), printerIndex("PDF"));
    }

    // The choices of the dialog hold for the job they start: a printer and a duplex mode stay,
    // copies and pages go back to the report's own.
    void theDialogsChoicesFlowIntoTheJob()
    {
        QTemporaryDir dir;
        QStringList log;
        TfrxReport report;
        FakePages pages(report, 4, log);
        report.SetShowProgress(false);
        report.GetPrintOptions()->SetPrinter(QStringLiteral("pdf"));
        TfrxPrintJob job(report, pages);
        int shownCopies = 0;
        job.SetOnExecuteDialog([&](TfrxPrintDialog& dialog) {
            dialog.show();
            shownCopies = find<QSpinBox>(dialog, "CopiesE")->value();
            choosePrinter(dialog, "NoA4");
            find<QSpinBox>(dialog, "CopiesE")->setValue(2);
            find<QRadioButton>(dialog, "PageNumbersRB")->setChecked(true);
            find<QLineEdit>(dialog, "PageNumbersE")->setText(QStringLiteral("2-3"));
            find<QComboBox>(dialog, "DuplexCB")->setCurrentIndex(dmSimplex);
            find<QCheckBox>(dialog, "FileCB")->setChecked(true);
            dialog.SetOnAskFileName([&dir] { return dir.filePath(QStringLiteral("certificate.pdf")); });
            find<QPushButton>(dialog, "OkB")->click();
            return dialog.result() == QDialog::Accepted;
        });
        QVERIFY(job.Print());
        QCOMPARE(shownCopies, 1);
        QCOMPARE(log.filter(QStringLiteral("draw")),
                 (QStringList{"draw 2 copy1", "draw 3 copy1", "draw 2 copy2", "draw 3 copy2"}));
        const PdfFacts facts = pdfFacts(dir.filePath(QStringLiteral("certificate.prn")));
        QCOMPARE(facts.pages, 4);
        QVERIFY(qAbs(facts.pageSizes[0].width() - 148 * kPointsPerMm) < 2);

        const TfrxPrintOptions& options = *report.GetPrintOptions();
        QCOMPARE(options.GetCopies(), 1);
        QVERIFY(options.GetPageNumbers().isEmpty());
        QCOMPARE(options.GetDuplex(), dmSimplex);
        QCOMPARE(frxPrinters()->GetPrinterIndex(), printerIndex("NoA4"));
        QVERIFY(frxPrinters()->GetPrinter()->GetFileName().isEmpty());
    }

    void aJobComesOutOfThePdfQueue()
    {
        const QString title = QStringLiteral("frxprintjob_%1").arg(QCoreApplication::applicationPid());
        QStringList log;
        TfrxReport report;
        FakePages pages(report, 1, log);
        report.SetShowProgress(false);
        report.GetReportOptions()->SetName(title);
        report.GetPrintOptions()->SetShowDialog(false);
        TfrxPrintJob job(report, pages);
        QVERIFY(job.Print());

        PdfFacts facts;
        const QStringList files = waitForOutput(title, facts);
        QCOMPARE(files.size(), 1);
        QCOMPARE(facts.pages, 1);
        QVERIFY(qAbs(facts.pageSizes[0].width() - 148 * kPointsPerMm) < 2);
        QVERIFY(qAbs(facts.pageSizes[0].height() - 210 * kPointsPerMm) < 2);
    }

    // The queue draws text as bitmaps, which no text extraction reads: the page is checked by its
    // ink, which lies in the memos' cells (offset by the printer's margins as the job shifts it) and
    // nowhere else, so the blank's picture is not on it either.
    void thePreparedCertificateComesOutWithEveryValueInItsBox()
    {
        frxRegisterEngine();
        frxRegisterPreview();
        const QString title = QStringLiteral("frxcertificate_%1").arg(QCoreApplication::applicationPid());
        TfrxReport report;
        report.SetShowProgress(false);
        prepareCertificate(report);
        TfrxCustomPreviewPages& pages = *report.GetPreviewPages();
        QCOMPARE(pages.GetCount(), 1);
        report.GetReportOptions()->SetName(title);
        report.GetPrintOptions()->SetShowDialog(false);
        const QList<ExpectedText> expected = expectedTexts(pages);
        QCOMPARE(expected.size(), 48);
        QVERIFY(pages.Print());

        PdfFacts facts;
        QImage page;
        QCOMPARE(waitForOutput(title, facts, &page).size(), 1);
        QCOMPARE(facts.pages, 1);
        QVERIFY(qAbs(facts.pageSizes[0].width() - 148 * kPointsPerMm) < 2);
        QVERIFY(!page.isNull());
        page.save(QStringLiteral("cups-certificate.png"));
        QList<QRectF> boxes;
        for (const ExpectedText& text : expected) {
            boxes.append(text.Box);
            QVERIFY2(inkInside(page, 150, text.Box), qPrintable(text.Word));
        }
        QVERIFY(inkOutside(page, 150, boxes, 0.5) < 0.001);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PrintCupsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PrintCupsTest.moc"
