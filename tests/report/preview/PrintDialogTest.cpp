#include "report/model/TfrxReport.h"
#include "report/preview/PrintDialogPictures.h"
#include "report/preview/TfrxPrintDialog.h"
#include "report/preview/TfrxProgress.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

// The print dialog and the progress window on a machine without printers: the printer list holds
// the virtual printer alone.
class PrintDialogTest : public QObject {
    Q_OBJECT

private:
    template <class Control> Control* find(const char* name)
    {
        auto* control = FDialog->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }

    TfrxPrintOptions& options() { return *FReport->GetPrintOptions(); }

    void open()
    {
        FDialog->SetAReport(FReport.get());
        FDialog->show();
    }

    std::unique_ptr<TfrxReport> FReport;
    std::unique_ptr<TfrxPrintDialog> FDialog;

private slots:
    void init()
    {
        FReport = std::make_unique<TfrxReport>();
        FDialog = std::make_unique<TfrxPrintDialog>();
    }

    void cleanup()
    {
        FDialog.reset();
        FReport.reset();
        frxPrinters()->GetPrinter()->SetFileName(QString());
    }

    void everyCaptionComesFromTheTextTables_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const char* captions[][2] = {
            {"PrinterGroup", "Printer"},
            {"NameL", "Name:"},
            {"PropButton", "Properties..."},
            {"WhereL", "Where:"},
            {"FileCB", "Print to file"},
            {"PagesGroup", "Pages"},
            {"AllRB", "All"},
            {"CurPageRB", "Current page"},
            {"PageNumbersRB", "Pages:"},
            {"DescrL", "Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12"},
            {"CopiesGroup", "Copies"},
            {"CopiesL", "Number of copies"},
            {"CollateCB", "Collate"},
            {"OtherGroup", "Other"},
            {"PrintL", "Print"},
            {"OrderL", "Order"},
            {"DuplexL", "Duplex"},
            {"PrintModeGroup", "Print mode"},
            {"PagSizeL", "Print on sheet"},
            {"OkB", "OK"},
            {"CancelB", "Cancel"},
        };
        for (const auto& c : captions)
            QTest::newRow(c[0]) << QString::fromLatin1(c[0]) << QString::fromLatin1(c[1]);
    }

    void everyCaptionComesFromTheTextTables()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QObject* control = FDialog->findChild<QObject*>(name);
        QVERIFY(control);
        const QVariant text =
            qobject_cast<QGroupBox*>(control) ? control->property("title") : control->property("text");
        QCOMPARE(text.toString(), caption);
    }

    void theListsHoldTheirChoices()
    {
        QCOMPARE(FDialog->windowTitle(), QStringLiteral("Print"));
        const auto items = [](QComboBox* combo) {
            QStringList texts;
            for (int i = 0; i < combo->count(); ++i)
                texts.append(combo->itemText(i));
            return texts;
        };
        QCOMPARE(items(find<QComboBox>("PrintPagesCB")),
                 (QStringList{"All pages", "Odd pages", "Even pages"}));
        QCOMPARE(items(find<QComboBox>("OrderCB")), (QStringList{"Direct (1-9)", "Reverse (9-1)"}));
        QCOMPARE(items(find<QComboBox>("DuplexCB")),
                 (QStringList{"Default", "Vertical", "Horizontal", "Simplex"}));
        QCOMPARE(items(find<QComboBox>("PrintModeCB")),
                 (QStringList{"Default", "Split big pages", "Join small pages", "Scale"}));
        QCOMPARE(items(find<QComboBox>("PrintersCB")), frxPrinters()->GetPrinters());
        // "Default", then the printer's papers without "Custom".
        QComboBox* sheets = find<QComboBox>("PagPageSizeCB");
        QCOMPARE(sheets->itemText(0), QStringLiteral("Default"));
        QCOMPARE(sheets->count(), frxPrinters()->GetPrinter()->GetPapers().Count());
    }

    void defaultOptionsShowAsDefaults()
    {
        open();
        QCOMPARE(find<QComboBox>("PrintersCB")->currentIndex(), frxPrinters()->GetPrinterIndex());
        QCOMPARE(FDialog->GetOldIndex(), frxPrinters()->GetPrinterIndex());
        QVERIFY(!find<QCheckBox>("FileCB")->isChecked());
        QVERIFY(find<QRadioButton>("AllRB")->isChecked());
        QCOMPARE(find<QSpinBox>("CopiesE")->value(), 1);
        QVERIFY(find<QCheckBox>("CollateCB")->isChecked());
        QCOMPARE(find<QComboBox>("PrintPagesCB")->currentIndex(), 0);
        QCOMPARE(find<QComboBox>("OrderCB")->currentIndex(), 0);
        QCOMPARE(find<QComboBox>("DuplexCB")->currentIndex(), 0);
        QCOMPARE(find<QComboBox>("PrintModeCB")->currentIndex(), 0);
        QCOMPARE(find<QComboBox>("PagPageSizeCB")->currentIndex(), 0);
        QVERIFY(!find<QComboBox>("PagPageSizeCB")->isEnabled());
    }

    void theOptionsShowWhenTheDialogOpens()
    {
        options().SetCopies(5);
        options().SetCollate(false);
        options().SetPageNumbers(QStringLiteral("2-4"));
        options().SetPrintPages(ppEven);
        options().SetReverse(true);
        options().SetPrintMode(pmScale);
        FDialog->SetADuplexMode(dmHorizontal);
        open();
        QCOMPARE(find<QSpinBox>("CopiesE")->value(), 5);
        QVERIFY(!find<QCheckBox>("CollateCB")->isChecked());
        QVERIFY(find<QRadioButton>("PageNumbersRB")->isChecked());
        QCOMPARE(find<QLineEdit>("PageNumbersE")->text(), QStringLiteral("2-4"));
        QCOMPARE(find<QComboBox>("PrintPagesCB")->currentIndex(), int(ppEven));
        QCOMPARE(find<QComboBox>("OrderCB")->currentIndex(), 1);
        QCOMPARE(find<QComboBox>("DuplexCB")->currentIndex(), int(dmHorizontal));
        QCOMPARE(find<QComboBox>("PrintModeCB")->currentIndex(), int(pmScale));
        QVERIFY(find<QComboBox>("PagPageSizeCB")->isEnabled());
    }

    void okWritesTheChoicesIntoTheOptions()
    {
        open();
        find<QSpinBox>("CopiesE")->setValue(3);
        find<QCheckBox>("CollateCB")->setChecked(false);
        find<QRadioButton>("PageNumbersRB")->setChecked(true);
        find<QLineEdit>("PageNumbersE")->setText(QStringLiteral("1,3"));
        find<QComboBox>("PrintPagesCB")->setCurrentIndex(ppOdd);
        find<QComboBox>("OrderCB")->setCurrentIndex(1);
        find<QComboBox>("DuplexCB")->setCurrentIndex(dmSimplex);
        find<QPushButton>("OkB")->click();
        QCOMPARE(FDialog->result(), int(QDialog::Accepted));
        QCOMPARE(options().GetCopies(), 3);
        QVERIFY(!options().GetCollate());
        QCOMPARE(options().GetPageNumbers(), QStringLiteral("1,3"));
        QCOMPARE(options().GetPrintPages(), ppOdd);
        QVERIFY(options().GetReverse());
        QCOMPARE(options().GetPrintMode(), pmDefault);
        // "Default" names no paper: the printer's current one is used.
        QCOMPARE(options().GetPrintOnSheet(), 256);
        QCOMPARE(FDialog->GetADuplexMode(), dmSimplex);
        // The duplex choice reaches the options through the print job, not the dialog.
        QCOMPARE(options().GetDuplex(), dmNone);
    }

    void allPagesClearsThePageList()
    {
        options().SetPageNumbers(QStringLiteral("2"));
        open();
        find<QRadioButton>("AllRB")->setChecked(true);
        find<QPushButton>("OkB")->click();
        QVERIFY(options().GetPageNumbers().isEmpty());
    }

    void currentPageIsThePreviewsPage()
    {
        FDialog->SetCurPreviewPage(4);
        open();
        find<QRadioButton>("CurPageRB")->setChecked(true);
        find<QPushButton>("OkB")->click();
        QCOMPARE(options().GetPageNumbers(), QStringLiteral("4"));
    }

    void enteringThePageListChoosesIt()
    {
        open();
        QFocusEvent focusIn(QEvent::FocusIn);
        QCoreApplication::sendEvent(find<QLineEdit>("PageNumbersE"), &focusIn);
        QVERIFY(find<QRadioButton>("PageNumbersRB")->isChecked());
    }

    void cancelLeavesTheOptionsAlone()
    {
        open();
        find<QSpinBox>("CopiesE")->setValue(7);
        find<QComboBox>("OrderCB")->setCurrentIndex(1);
        find<QPushButton>("CancelB")->click();
        QCOMPARE(FDialog->result(), int(QDialog::Rejected));
        QCOMPARE(options().GetCopies(), 1);
        QVERIFY(!options().GetReverse());
    }

    void printToFileAsksForAPrnFile_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("other extension") << "/tmp/out/certificate.pdf"
                                         << "/tmp/out/certificate.prn";
        QTest::newRow("no extension") << "/tmp/out/certificate"
                                      << "/tmp/out/certificate.prn";
        QTest::newRow("two dots") << "/tmp/out/a.b.c"
                                  << "/tmp/out/a.b.prn";
    }

    void printToFileAsksForAPrnFile()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, fileName);
        open();
        find<QCheckBox>("FileCB")->setChecked(true);
        FDialog->SetOnAskFileName([chosen] { return chosen; });
        find<QPushButton>("OkB")->click();
        QCOMPARE(FDialog->result(), int(QDialog::Accepted));
        QCOMPARE(frxPrinters()->GetPrinter()->GetFileName(), fileName);
    }

    void aCancelledFileQuestionCancelsTheDialog()
    {
        frxPrinters()->GetPrinter()->SetFileName(QStringLiteral("/tmp/earlier.prn"));
        open();
        find<QSpinBox>("CopiesE")->setValue(2);
        find<QCheckBox>("FileCB")->setChecked(true);
        FDialog->SetOnAskFileName([] { return QString(); });
        find<QPushButton>("OkB")->click();
        QCOMPARE(FDialog->result(), int(QDialog::Rejected));
        QCOMPARE(options().GetCopies(), 1);
        // An OK always forgets the file of an earlier choice.
        QVERIFY(frxPrinters()->GetPrinter()->GetFileName().isEmpty());
    }

    void theSheetFollowsThePrintMode()
    {
        open();
        QComboBox* mode = find<QComboBox>("PrintModeCB");
        QComboBox* sheets = find<QComboBox>("PagPageSizeCB");
        mode->setCurrentIndex(pmJoin);
        QVERIFY(sheets->isEnabled());
        QCOMPARE(sheets->currentIndex(), frxPrinters()->GetPrinter()->PaperIndex(9));
        mode->setCurrentIndex(pmDefault);
        QVERIFY(!sheets->isEnabled());
        QCOMPARE(sheets->currentIndex(), 0);
    }

    void collateSwitchesTheCopiesPicture()
    {
        QCheckBox* collate = find<QCheckBox>("CollateCB");
        QLabel* picture = find<QLabel>("CopiesPB");
        collate->setChecked(true);
        QCOMPARE(picture->pixmap().toImage(), frxCopiesPicture(true).toImage());
        collate->setChecked(false);
        QCOMPARE(picture->pixmap().toImage(), frxCopiesPicture(false).toImage());
        QVERIFY(frxCopiesPicture(true).toImage() != frxCopiesPicture(false).toImage());
    }

    void theProgressWindowDisablesTheActiveWindowWhileItIsShown()
    {
        QWidget owner;
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        {
            TfrxProgress progress(false);
            progress.show();
            QVERIFY(!owner.isEnabled());
            progress.hide();
            QVERIFY(owner.isEnabled());
            progress.show();
            QVERIFY(!owner.isEnabled());
        }
        QVERIFY(owner.isEnabled());
    }

    void theProgressWindowsCancelIsRemembered()
    {
        TfrxProgress progress(false);
        int cancelled = 0;
        connect(&progress, &TfrxProgress::cancelled, this, [&cancelled] { ++cancelled; });
        progress.show();
        QCOMPARE(progress.GetCancelButton()->text(), QStringLiteral("Cancel"));
        // Without its bar the message moves down.
        QCOMPARE(progress.GetMessageLabel()->y(), 35);
        QVERIFY(!progress.GetTerminated());
        progress.GetCancelButton()->click();
        QVERIFY(progress.GetTerminated());
        QCOMPARE(cancelled, 1);
    }
};

int main(int argc, char** argv)
{
    qputenv("CUPS_SERVER", "/nonexistent/frx-preview-tests/cups.sock");
    QApplication app(argc, argv);
    PrintDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PrintDialogTest.moc"
