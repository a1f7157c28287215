#include "app/CertificateTemplate.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxReport.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QTest>

// The committed template file holds exactly the program's built-in copy of the certificate
// template, as scripts/make-template writes it.
class TemplateFileTest : public QObject {
    Q_OBJECT

private:
    QStringList boxes;
    TfrxErrorBoxHandler previousHandler;

    // Every property of both objects through the property tables, sub-objects included (where
    // stored, since reaching some creates them), pictures by their bytes; then the children.
    static void compareObjects(const TfrxPersistent& loaded, const TfrxPersistent& builtIn,
                               const QString& path)
    {
        QCOMPARE(loaded.GetClassName(), builtIn.GetClassName());
        QCOMPARE(loaded.GetBinaryProperties().size(), builtIn.GetBinaryProperties().size());
        for (qsizetype i = 0; i < loaded.GetBinaryProperties().size(); ++i)
            QVERIFY2(loaded.GetBinaryProperties()[i].value == builtIn.GetBinaryProperties()[i].value,
                     qPrintable(path + QStringLiteral(".PropData")));
        for (const TfrxPropertyInfo& property : builtIn.GetProperties()) {
            const QString name = path + u'.' + property.GetName();
            if (property.IsObject()) {
                QCOMPARE(property.IsStored(loaded), property.IsStored(builtIn));
                if (property.IsStored(builtIn))
                    compareObjects(*property.GetObject(loaded), *property.GetObject(builtIn), name);
            } else if (property.GetKind() == pkReference) {
                const auto* a = property.GetValue(loaded).value<TfrxComponent*>();
                const auto* b = property.GetValue(builtIn).value<TfrxComponent*>();
                QVERIFY2((a ? a->GetName() : QString()) == (b ? b->GetName() : QString()), qPrintable(name));
            } else {
                QVERIFY2(property.GetValue(loaded) == property.GetValue(builtIn),
                         qPrintable(name + QStringLiteral(": ") + property.GetValue(loaded).toString() +
                                    QStringLiteral(" != ") + property.GetValue(builtIn).toString()));
            }
        }
        if (const auto* builtInComponent = dynamic_cast<const TfrxComponent*>(&builtIn)) {
            const auto& loadedChildren = dynamic_cast<const TfrxComponent&>(loaded).GetObjects();
            const auto& builtInChildren = builtInComponent->GetObjects();
            QCOMPARE(loadedChildren.size(), builtInChildren.size());
            for (qsizetype i = 0; i < builtInChildren.size(); ++i) {
                QCOMPARE(loadedChildren[i]->GetName(), builtInChildren[i]->GetName());
                compareObjects(*loadedChildren[i], *builtInChildren[i], builtInChildren[i]->GetName());
            }
        }
    }

    static QByteArray fileBytes()
    {
        QFile file(QStringLiteral(CERTPRINT_TEMPLATE));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The built-in template with the creation and change dates of the file, which record when the
    // template was first made rather than what it holds.
    static void setupWithFileDates(TfrxReport& builtIn, const TfrxReport& loaded)
    {
        setupCertificateReport(builtIn);
        builtIn.GetReportOptions()->SetCreateDate(loaded.GetReportOptions()->GetCreateDate());
        builtIn.GetReportOptions()->SetLastChange(loaded.GetReportOptions()->GetLastChange());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        previousHandler = frxSetErrorBoxHandler([this](const QString& text) { boxes << text; });
    }
    void cleanupTestCase() { frxSetErrorBoxHandler(previousHandler); }

    void theFileLoadsWithoutErrors()
    {
        TfrxReport loaded;
        QVERIFY(loaded.LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE)));
        QCOMPARE(loaded.GetErrors(), QStringList());
        QCOMPARE(boxes, QStringList());
    }

    void loadingTheFileGivesExactlyTheBuiltInTemplate()
    {
        TfrxReport loaded;
        loaded.LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE));
        TfrxReport builtIn;
        setupWithFileDates(builtIn, loaded);
        compareObjects(loaded, builtIn, QStringLiteral("frxReport1"));
    }

    void theFileIsWhatSavingTheBuiltInTemplateWrites()
    {
        TfrxReport loaded;
        loaded.LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE));
        TfrxReport builtIn;
        setupWithFileDates(builtIn, loaded);
        QByteArray saved;
        QBuffer buffer(&saved);
        buffer.open(QIODevice::WriteOnly);
        builtIn.SaveToStream(buffer);
        QVERIFY2(saved == fileBytes(), "assets/shablon.fr3 is out of date: run scripts/make-template");
    }

    void theFileIsInstalledBesideTheExecutables()
    {
        QFile installed(QStringLiteral(CERTPRINT_INSTALLED_TEMPLATE));
        QVERIFY(installed.open(QIODevice::ReadOnly));
        QVERIFY(installed.readAll() == fileBytes());
    }
};

QTEST_MAIN(TemplateFileTest)
#include "TemplateFileTest.moc"
