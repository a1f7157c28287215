#include "FakeDialogs.h"
#include "app/CertApplication.h"
#include "app/FillMap.h"
#include "app/TfmMain.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// certprint without windows: the program itself, run as the operator's scripts run it.
class HeadlessPrintTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    struct Run {
        int exitCode;
        QString errors;
    };
    static Run certprint(const QStringList& arguments,
                         const QString& executable = QStringLiteral(CERTPRINT_EXECUTABLE))
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // No display is needed: the program chooses the off-screen platform itself.
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        process.setProcessEnvironment(environment);
        process.start(executable, arguments);
        if (!process.waitForFinished(120000))
            return {-1, QStringLiteral("certprint did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardError())};
    }
    QString write(const QString& name, const QByteArray& content)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    QByteArray sample() const
    {
        QFile file(QStringLiteral(CERTPRINT_SAMPLE));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    // Every word that pdftotext finds on the first page, with its box in points.
    struct Word {
        QString text;
        QRectF box;
    };
    static QList<Word> pdfWords(const QString& fileName)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"),
                        {QStringLiteral("-bbox"), fileName, QStringLiteral("-")});
        pdftotext.waitForFinished();
        const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
        static const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        QList<Word> words;
        for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
            const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
            const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
            QString text = m.captured(5);
            text.replace(QLatin1String("&quot;"), QLatin1String("\""))
                .replace(QLatin1String("&amp;"), QLatin1String("&"));
            words.append({text, QRectF(topLeft, bottomRight)});
        }
        return words;
    }
    static int imageCount(const QString& fileName)
    {
        QProcess pdfimages;
        pdfimages.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), fileName});
        pdfimages.waitForFinished();
        // Two heading lines, then one line per image.
        return int(QString::fromUtf8(pdfimages.readAllStandardOutput()).count(u'\n')) - 2;
    }
    // The memo texts that the print command writes for the sample, as the window computes them.
    static QList<QPair<const FillMapEntry*, QString>> expectedTexts()
    {
        FakeDialogs dialogs;
        TfmMain window;
        window.openCertificate(QStringLiteral(CERTPRINT_SAMPLE));
        QList<QPair<const FillMapEntry*, QString>> texts;
        if (window.fillCertificateReport() != TfmMain::CertificateFill::Filled)
            return texts;
        for (const FillMapEntry& entry : fillMap()) {
            auto* memo =
                dynamic_cast<TfrxMemoView*>(window.frxReport1()->FindObject(QLatin1String(entry.name)));
            if (memo)
                texts.append({&entry, memo->GetMemo().join(u' ')});
        }
        return texts;
    }

private slots:
    void pdfHoldsEveryValueInItsBoxAndNoBlank()
    {
        const QString pdf = folder.filePath(QStringLiteral("ivanov.pdf"));
        const Run run = certprint({QStringLiteral("--pdf"), pdf, QStringLiteral(CERTPRINT_SAMPLE)});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        const QList<Word> words = pdfWords(pdf);
        QVERIFY(!words.isEmpty());
        QCOMPARE(imageCount(pdf), 0);

        const auto expected = expectedTexts();
        QCOMPARE(expected.size(), int(fillMap().size()));
        // The template's page has 5 mm margins; one report pixel is 0.75 point.
        const double margin = 5 * 72 / 25.4;
        const double tolerance = 1.5;
        int checked = 0;
        for (const auto& [entry, text] : expected) {
            const QString first = text.section(u' ', 0, 0, QString::SectionSkipEmpty);
            if (first.isEmpty())
                continue;
            const QRectF box(margin + entry->left * 0.75, margin + entry->top * 0.75, entry->width * 0.75,
                             kFillMemoHeight * 0.75);
            const QRectF allowed = box.adjusted(-tolerance, -tolerance, tolerance, tolerance);
            const bool inBox = std::any_of(words.begin(), words.end(), [&](const Word& word) {
                return word.text == first && allowed.contains(word.box);
            });
            QVERIFY2(
                inBox,
                qPrintable(
                    QStringLiteral("%1: \"%2\" is not in its box").arg(QLatin1String(entry->name), first)));
            ++checked;
        }
        QVERIFY(checked >= 40);
    }

    void failedValidationSaysWhyAndExitsWith2()
    {
        // The sample file is in the 8-bit code page: its line is emptied byte-wise.
        QByteArray content = sample();
        const qsizetype value = content.indexOf("edit_5=") + 7;
        content.remove(value, content.indexOf("\r\n", value) - value);
        const QString file = write(QStringLiteral("incomplete.vod"), content);
        const Run run = certprint({QStringLiteral("--pdf"), folder.filePath(QStringLiteral("x.pdf")), file});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errors.contains(QStringLiteral("Введите ФИО обучающегося!")), qPrintable(run.errors));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("x.pdf"))));
    }

    void otherFailuresExitWith1_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString pdf = QStringLiteral("out.pdf");
        QTest::newRow("missing certificate")
            << QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("/nonexistent.vod")}
            << QStringLiteral("cannot read /nonexistent.vod");
        QTest::newRow("no output file")
            << QStringList{QStringLiteral("--pdf"), QStringLiteral(CERTPRINT_SAMPLE)}
            << QStringLiteral("usage:");
        QTest::newRow("both modes") << QStringList{QStringLiteral("--print"), QStringLiteral("--pdf"), pdf,
                                                   QStringLiteral(CERTPRINT_SAMPLE)}
                                    << QStringLiteral("either --pdf or --print");
        QTest::newRow("two certificates")
            << QStringList{QStringLiteral("--print"), QStringLiteral("a.vod"), QStringLiteral("b.vod")}
            << QStringLiteral("one certificate file");
        QTest::newRow("printer without print")
            << QStringList{QStringLiteral("--pdf"), pdf, QStringLiteral("--printer"), QStringLiteral("PDF"),
                           QStringLiteral(CERTPRINT_SAMPLE)}
            << QStringLiteral("--printer goes with --print");
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--print"), QStringLiteral("--copies"), QStringLiteral("2")}
            << QStringLiteral("unexpected option --copies");
        QTest::newRow("unknown printer")
            << QStringList{QStringLiteral("--print"), QStringLiteral(CERTPRINT_SAMPLE),
                           QStringLiteral("--printer"), QStringLiteral("NoSuchQueue")}
            << QStringLiteral("no printer named NoSuchQueue");
        QTest::newRow("no printer installed")
            << QStringList{QStringLiteral("--print"), QStringLiteral(CERTPRINT_SAMPLE)}
            << QStringLiteral("No printers installed on your system");
    }
    void otherFailuresExitWith1()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const Run run = certprint(arguments);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    }

    // A copy of the program in a folder of the test's own, beside the template given (none for an
    // empty one).
    QString programWithTemplate(const QString& name, const QByteArray& templateContent)
    {
        QDir().mkpath(folder.filePath(name));
        const QString executable = folder.filePath(name + QStringLiteral("/certprint"));
        if (!QFile::copy(QStringLiteral(CERTPRINT_EXECUTABLE), executable))
            return {};
        if (!templateContent.isEmpty())
            write(name + QStringLiteral("/shablon.fr3"), templateContent);
        return executable;
    }

    void missingTemplateIsNamedAndExitsWith1()
    {
        const QString executable = programWithTemplate(QStringLiteral("bare"), {});
        QVERIFY(!executable.isEmpty());
        const Run run = certprint({QStringLiteral("--pdf"), folder.filePath(QStringLiteral("y.pdf")),
                                   QStringLiteral(CERTPRINT_SAMPLE)},
                                  executable);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QStringLiteral("Не найден файл шаблона печати: ") +
                                     folder.filePath(QStringLiteral("bare/shablon.fr3"))),
                 qPrintable(run.errors));
    }

    void templateWithoutTheMemosExitsWith1()
    {
        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        TfrxReport empty;
        empty.SaveToStream(saved);
        const QString executable = programWithTemplate(QStringLiteral("empty"), saved.data());
        QVERIFY(!executable.isEmpty());
        const Run run = certprint({QStringLiteral("--pdf"), folder.filePath(QStringLiteral("z.pdf")),
                                   QStringLiteral(CERTPRINT_SAMPLE)},
                                  executable);
        QCOMPARE(run.exitCode, 1);
        // The fill names the first memo it misses.
        QVERIFY2(run.errors.contains(QStringLiteral("Memo2")), qPrintable(run.errors));
    }
};

int main(int argc, char** argv)
{
    // The program under test finds no print server here, so it knows no printer but the virtual one.
    qputenv("CUPS_SERVER", "/nonexistent/headless-print-tests/cups.sock");
    CertApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    HeadlessPrintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HeadlessPrintTest.moc"
