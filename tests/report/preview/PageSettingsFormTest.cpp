#include "report/model/ReportErrors.h"
#include "report/model/TfrxIniFile.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/preview/TfrxPageSettingsForm.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

// The page settings dialog on the certificate's A5 page, on a machine without printers: the
// current printer is the virtual one, which lists the standard papers.
class PageSettingsFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrxReport> FReport;
    TfrxReportPage* FPage = nullptr;
    std::unique_ptr<TfrxPageSettingsForm> FForm;
    QTemporaryDir FFolder;
    QStringList FErrors;
    TfrxErrorBoxHandler FPreviousHandler;

    template <class Control> Control* find(const char* name)
    {
        auto* control = FForm->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QString field(const char* name) { return find<QLineEdit>(name)->text(); }
    void type(const char* name, const QString& text)
    {
        QLineEdit* edit = find<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void choosePaper(int number)
    {
        QComboBox* size = find<QComboBox>("SizeCB");
        const int index = size->findData(number);
        QVERIFY(index >= 0);
        size->setCurrentIndex(index);
        emit size->activated(index);
    }
    void useUnits(int units)
    {
        // A settings text file of the test's own, so that the user's preferences stay untouched.
        const QString ini = FFolder.filePath(QStringLiteral("units.ini"));
        TfrxIniFile file(ini);
        file.WriteInteger(QStringLiteral("Form5.TfrxDesignerForm"), QStringLiteral("Units"), units);
        file.UpdateFile();
        FReport->SetIniFile(ini);
    }
    void open()
    {
        FForm->SetPage(FPage);
        FForm->SetReport(FReport.get());
        FForm->show();
    }

private slots:
    void init()
    {
        FReport = std::make_unique<TfrxReport>();
        FPage = new TfrxReportPage(FReport.get());
        FPage->SetPaperSize(11);
        for (auto setMargin : {&TfrxReportPage::SetLeftMargin, &TfrxReportPage::SetTopMargin,
                               &TfrxReportPage::SetRightMargin, &TfrxReportPage::SetBottomMargin})
            (FPage->*setMargin)(5);
        useUnits(0);
        FForm = std::make_unique<TfrxPageSettingsForm>();
        FErrors.clear();
        FPreviousHandler = frxSetErrorBoxHandler([this](const QString& text) { FErrors << text; });
    }
    void cleanup()
    {
        frxSetErrorBoxHandler(FPreviousHandler);
        FForm.reset();
        FReport.reset();
    }

    void showsTheCertificatePageInCentimetres()
    {
        open();
        QCOMPARE(FForm->windowTitle(), QStringLiteral("Page Settings"));
        QCOMPARE(FForm->size(), QSize(286, 359));
        // The virtual printer's papers have no names: they are shown by their sizes.
        QCOMPARE(find<QComboBox>("SizeCB")->currentData().toInt(), 11);
        QCOMPARE(find<QComboBox>("SizeCB")->currentText(), QStringLiteral("148 × 210 mm"));
        QCOMPARE(find<QComboBox>("SizeCB")->itemText(0), QStringLiteral("Custom"));
        QCOMPARE(field("WidthE"), QStringLiteral("14,80"));
        QCOMPARE(field("HeightE"), QStringLiteral("21"));
        for (const char* margin : {"MarginLeftE", "MarginTopE", "MarginRightE", "MarginBottomE"})
            QCOMPARE(field(margin), QStringLiteral("0,50"));
        for (int n = 1; n <= 6; ++n)
            QCOMPARE(FForm->findChild<QLabel*>(QStringLiteral("UnitL%1").arg(n))->text(),
                     QStringLiteral("cm"));
        QVERIFY(find<QRadioButton>("PortraitRB")->isChecked());
        QVERIFY(find<QLabel>("PortraitImg")->isVisible());
        QVERIFY(!find<QLabel>("LandscapeImg")->isVisible());
        QVERIFY(find<QRadioButton>("ApplyToCurRB")->isChecked());
        QVERIFY(!FForm->GetNeedRebuild());
    }

    void inchesFollowTheDesignerUnits()
    {
        useUnits(1);
        open();
        QCOMPARE(field("WidthE"), QStringLiteral("5,83"));
        QCOMPARE(find<QLabel>("UnitL4")->text(), QStringLiteral("in"));
        // Pixels and characters are shown as centimetres.
        FForm->hide();
        useUnits(2);
        FForm->show();
        QCOMPARE(field("WidthE"), QStringLiteral("14,80"));
    }

    void landscapeAsksThePrinterForThePaperTurned()
    {
        open();
        find<QRadioButton>("LandscapeRB")->click();
        QCOMPARE(field("WidthE"), QStringLiteral("21"));
        QCOMPARE(field("HeightE"), QStringLiteral("14,80"));
        QCOMPARE(frxPrinters()->GetPrinter()->GetPaper(), 11);
        QVERIFY(find<QLabel>("LandscapeImg")->isVisible());
        QVERIFY(!find<QLabel>("PortraitImg")->isVisible());
        find<QRadioButton>("PortraitRB")->click();
        QCOMPARE(field("WidthE"), QStringLiteral("14,80"));
    }

    void choosingAStandardPaperShowsItsSize()
    {
        open();
        choosePaper(9);
        QCOMPARE(field("WidthE"), QStringLiteral("21"));
        QCOMPARE(field("HeightE"), QStringLiteral("29,70"));
    }

    void customPaperKeepsTheSizeAndTurnsWithTheOrientation()
    {
        open();
        type("WidthE", QStringLiteral("10"));
        type("HeightE", QStringLiteral("15"));
        QCOMPARE(find<QComboBox>("SizeCB")->currentIndex(), 0);
        choosePaper(256);
        QCOMPARE(field("WidthE"), QStringLiteral("10"));
        QCOMPARE(field("HeightE"), QStringLiteral("15"));
        find<QRadioButton>("LandscapeRB")->click();
        QCOMPARE(field("WidthE"), QStringLiteral("15"));
        QCOMPARE(field("HeightE"), QStringLiteral("10"));
        find<QRadioButton>("PortraitRB")->click();
        QCOMPARE(field("WidthE"), QStringLiteral("10"));
    }

    void unnamedPapersKeepTheirNumbersOnOk()
    {
        // By name, every unnamed paper would be the first one (Letter).
        open();
        FForm->accept();
        QCOMPARE(FPage->GetPaperSize(), 11);
        QCOMPARE(FPage->GetPaperWidth(), 148.0);
        QCOMPARE(FPage->GetLeftMargin(), 5.0);
    }

    void typedSizeMakesTheOkPageCustom()
    {
        open();
        type("WidthE", QStringLiteral("12.5"));
        type("HeightE", QStringLiteral(" 20 "));
        type("MarginLeftE", QStringLiteral("1,2"));
        QCOMPARE(find<QComboBox>("SizeCB")->currentText(), QStringLiteral("Custom"));
        FForm->accept();
        QCOMPARE(FForm->result(), int(QDialog::Accepted));
        QCOMPARE(FPage->GetPaperSize(), 256);
        QCOMPARE(FPage->GetPaperWidth(), 125.0);
        QCOMPARE(FPage->GetPaperHeight(), 200.0);
        QCOMPARE(FPage->GetLeftMargin(), 12.0);
        QCOMPARE(FPage->GetTopMargin(), 5.0);
    }

    void standardPaperOverridesTheEnteredSize()
    {
        open();
        choosePaper(9);
        type("WidthE", QStringLiteral("30"));
        find<QComboBox>("SizeCB")->setCurrentIndex(find<QComboBox>("SizeCB")->findData(9));
        find<QRadioButton>("ApplyToAllRB")->click();
        FForm->accept();
        QVERIFY(FForm->GetNeedRebuild());
        QCOMPARE(FPage->GetPaperSize(), 9);
        QCOMPARE(FPage->GetPaperWidth(), 210.0);
        QCOMPARE(FPage->GetPaperHeight(), 297.0);
    }

    void aFieldWithoutANumberChangesNothing_data()
    {
        QTest::addColumn<QString>("fieldName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("width") << "WidthE"
                               << "abc"
                               << "'abc' is not a valid floating point value";
        QTest::newRow("last margin") << "MarginBottomE"
                                     << "1 ,2,3"
                                     << "'1,2,3' is not a valid floating point value";
        QTest::newRow("empty") << "MarginTopE"
                               << ""
                               << "'' is not a valid floating point value";
    }
    void aFieldWithoutANumberChangesNothing()
    {
        QFETCH(QString, fieldName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        open();
        find<QRadioButton>("LandscapeRB")->click();
        type("MarginLeftE", QStringLiteral("2"));
        find<QLineEdit>(qPrintable(fieldName))->setText(typed);
        FForm->accept();
        QCOMPARE(FErrors, QStringList{message});
        // Not a single field reached the page, and the dialog waits for a correction.
        QVERIFY(FForm->isVisible());
        QCOMPARE(FPage->GetOrientation(), poPortrait);
        QCOMPARE(FPage->GetLeftMargin(), 5.0);
        QCOMPARE(FPage->GetPaperWidth(), 148.0);
    }

    void orientationWithABrokenSizeSaysSo()
    {
        open();
        find<QLineEdit>("HeightE")->setText(QStringLiteral("x"));
        find<QRadioButton>("LandscapeRB")->click();
        QCOMPARE(FErrors, QStringList{QStringLiteral("'x' is not a valid floating point value")});
        QCOMPARE(field("WidthE"), QStringLiteral("14,80"));
    }

    void cancelLeavesThePageAlone()
    {
        open();
        type("MarginLeftE", QStringLiteral("3"));
        FForm->reject();
        QCOMPARE(FPage->GetLeftMargin(), 5.0);
    }

    void screenshot()
    {
        open();
        QDir().mkpath(QStringLiteral(CERTPRINT_SCREENSHOTS));
        QVERIFY(FForm->grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/page-settings.png")));
    }
};

int main(int argc, char** argv)
{
    // Nothing listens here, so the printer layer offers its virtual printer alone.
    qputenv("CUPS_SERVER", "/nonexistent/frx-page-settings-tests/cups.sock");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    PageSettingsFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PageSettingsFormTest.moc"
