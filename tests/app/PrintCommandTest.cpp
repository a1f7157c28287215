#include "FakeDialogs.h"
#include "PreviewWatcher.h"
#include "app/CertApplication.h"
#include "app/TfmMain.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/preview/TfrxPrintDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// The print, layout and mock-up commands of the certificate window, end to end: the real
// template beside the executable, the real engine, the preview window in its modal loop and the
// print dialog and job on the private print server's queue, printing to a file.
class PrintCommandTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfmMain> window;
    std::unique_ptr<FakeDialogs> fake;
    std::unique_ptr<PreviewWatcher> previews;
    QTemporaryDir folder;

    const CertificateControls& c() const { return window->controls(); }
    QString installedTemplate() const
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/shablon.fr3");
    }
    void fillCompleteCertificate()
    {
        const char* texts[] = {
            "ЧОУ ДПО «Автошкола Дорога»", "",         "г. Тверь", "7719",        "Иванов Иван Иванович",
            "Подготовка водителей",       "Водитель", "B",        "Петров П.П.", "124/7"};
        for (int n = 1; n <= 10; ++n)
            c().edits[n - 1]->setText(QString::fromUtf8(texts[n - 1]));
        c().dates[0]->setDate(QDate(2019, 3, 5));
        c().dates[1]->setDate(QDate(2019, 6, 28));
    }
    void print() { window->findChild<QPushButton*>(QStringLiteral("Button1"))->click(); }
    // The prepared memo of the page the preview shows.
    static TfrxMemoView* preparedMemo(TfrxPreviewForm& form, const char* name)
    {
        TfrxReportPage* page = form.GetReport()->GetPreviewPages()->GetPage(0);
        return page ? dynamic_cast<TfrxMemoView*>(page->FindObject(QLatin1String(name))) : nullptr;
    }
    static QString pdfText(const QString& fileName)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {fileName, QStringLiteral("-")});
        pdftotext.waitForFinished();
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }
    static QString pdfImages(const QString& fileName)
    {
        QProcess pdfimages;
        pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fileName});
        pdfimages.waitForFinished();
        return QString::fromUtf8(pdfimages.readAllStandardOutput());
    }

private slots:
    void init()
    {
        QFile::remove(installedTemplate());
        QVERIFY(QFile::copy(QStringLiteral(CERTPRINT_TEMPLATE), installedTemplate()));
        QFile::setPermissions(installedTemplate(), QFile::ReadOwner | QFile::WriteOwner);
        fake = std::make_unique<FakeDialogs>();
        previews = std::make_unique<PreviewWatcher>();
        window = std::make_unique<TfmMain>();
        window->show();
    }
    void cleanup()
    {
        window.reset();
        previews.reset();
        fake.reset();
    }

    void validCertificateIsPreviewedOverTheBlankAndPrinted()
    {
        fillCompleteCertificate();
        const QString output = folder.filePath(QStringLiteral("certificate.prn"));
        QStringList seen;
        previews->setAction([&](TfrxPreviewForm& form) {
            seen << (form.isModal() ? QStringLiteral("modal") : QStringLiteral("modeless"));
            seen << ((form.windowState() & Qt::WindowMaximized) ? QStringLiteral("maximized")
                                                                : QStringLiteral("normal"));
            seen << form.findChild<QComboBox*>(QStringLiteral("ZoomCB"))->currentText();
            seen << form.findChild<QLabel*>(QStringLiteral("StatusPanel0"))->text();
            TfrxMemoView* memo = preparedMemo(form, "Memo5");
            seen << (memo ? memo->GetMemo().join(u'\n') : QStringLiteral("<no Memo5>"));

            QDir().mkpath(QStringLiteral(CERTPRINT_SCREENSHOTS));
            form.grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/preview-certificate-100.png"));
            form.findChild<QComboBox*>(QStringLiteral("ZoomCB"))->activated(6);
            form.grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/preview-certificate-page-width.png"));

            // The print dialog sends the job to a file, which the virtual printer writes as PDF.
            QTimer::singleShot(0, [output] {
                auto* dialog = qobject_cast<TfrxPrintDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->SetOnAskFileName([output] { return output; });
                dialog->findChild<QCheckBox*>(QStringLiteral("FileCB"))->setChecked(true);
                dialog->accept();
            });
            form.findChild<QToolButton*>(QStringLiteral("PrintB"))->click();
            form.close();
        });
        print();
        QCOMPARE(previews->shown(), 1);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY2(previews->errors().isEmpty(), qPrintable(previews->errors().join(u'\n')));
        QCOMPARE(seen,
                 (QStringList{QStringLiteral("modal"), QStringLiteral("maximized"), QStringLiteral("100%"),
                              QStringLiteral("Page 1 of 1"), QStringLiteral("Иванов Иван Иванович")}));
        QVERIFY(QFile::exists(output));
        const QString printed = pdfText(output);
        for (const char* value : {"Иванов Иван Иванович", "7719", "марта", "2019", "124/7", "Петров П.П."})
            QVERIFY2(printed.contains(QString::fromUtf8(value)), value);
        // The blank's picture is seen in the preview only.
        QCOMPARE(pdfImages(output).count(u'\n'), 2);
    }

    void invalidCertificateOpensNoPreview()
    {
        fillCompleteCertificate();
        c().edits[4]->clear();
        print();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Введите ФИО обучающегося!")});
        QCOMPARE(previews->shown(), 0);
    }

    void missingTemplateIsNamedAndOpensNoPreview()
    {
        fillCompleteCertificate();
        QFile::remove(installedTemplate());
        window->printAction()->trigger();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Не найден файл шаблона печати: ") +
                                             QDir::toNativeSeparators(installedTemplate())});
        QCOMPARE(previews->shown(), 0);
    }

    void secondPrintShowsTheTemplateSavedInBetween()
    {
        fillCompleteCertificate();
        QList<double> lefts;
        previews->setAction([&](TfrxPreviewForm& form) {
            TfrxMemoView* memo = preparedMemo(form, "Memo5");
            lefts << (memo ? memo->GetLeft() : -1);
            form.close();
        });
        print();
        {
            TfrxReport edited;
            QVERIFY(edited.LoadFromFile(installedTemplate()));
            auto* memo = dynamic_cast<TfrxMemoView*>(edited.FindObject(QStringLiteral("Memo5")));
            QVERIFY(memo);
            memo->SetLeft(100);
            edited.SaveToFile(installedTemplate());
        }
        print();
        QCOMPARE(previews->shown(), 2);
        QCOMPARE(lefts.size(), 2);
        QCOMPARE(lefts[0], 79.37);
        QCOMPARE(lefts[1], 100.0);
    }

    void layoutCommandLoadsTheTemplate()
    {
        // No designer is registered here: the designer step returns at once.
        window->findChild<QPushButton*>(QStringLiteral("Button3"))->click();
        QCOMPARE(window->frxReport1()->GetFileName(), installedTemplate());
        QVERIFY(window->frxReport1()->FindObject(QStringLiteral("Memo5")));
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(fake->errors.isEmpty());
    }

    void mockupOpensTheInstalledPdf()
    {
        const QString pdf = QCoreApplication::applicationDirPath() + QStringLiteral("/шаблон.pdf");
        if (!QFile::exists(pdf))
            QVERIFY(QFile::copy(QStringLiteral(CERTPRINT_MOCKUP), pdf));
        window->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        QCOMPARE(fake->openedDocuments, QStringList{pdf});
        QVERIFY(fake->messages.isEmpty());
    }
};

int main(int argc, char** argv)
{
    // ctest points CUPS_SERVER at the private print server with its cups-pdf queue.
    CertApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    PrintCommandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PrintCommandTest.moc"
