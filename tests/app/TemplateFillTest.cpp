#include "FakeDialogs.h"
#include "PreviewWatcher.h"
#include "app/CertApplication.h"
#include "app/CertificateTemplate.h"
#include "app/FillMap.h"
#include "app/TemplateFill.h"
#include "app/TfmMain.h"
#include "common/Exception.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

// The certificate template the window holds from creation, and the fill that writes the
// certificate into its named memos.
class TemplateFillTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfmMain> window;
    std::unique_ptr<FakeDialogs> fake;
    // Closes the preview window that a complete print opens.
    PreviewWatcher previews;

    const CertificateControls& c() const { return window->controls(); }
    TfrxReport& report() const { return *window->frxReport1(); }
    QString memoText(const char* name) const
    {
        auto* memo = dynamic_cast<TfrxMemoView*>(report().FindObject(QLatin1String(name)));
        // The lines, without the line break that reading Text puts after each.
        return memo ? memo->GetMemo().join(u'\n') : QStringLiteral("<missing>");
    }
    void fillCompleteCertificate()
    {
        const char* texts[] = {"ЧОУ ДПО [Автошкола]", "второй ряд", "г. Тверь", "7719", "Иванов Иван",
                               "Подготовка", "Водитель", "B", "Петров П.П.", "124/7"};
        for (int n = 1; n <= 10; ++n)
            c().edits[n - 1]->setText(QString::fromUtf8(texts[n - 1]));
        c().dates[0]->setDate(QDate(2019, 3, 5));
        c().dates[1]->setDate(QDate(2019, 11, 21));
        c().dates[2]->setDate(QDate(2020, 1, 9));
        c().dates[3]->setDate(QDate(2019, 12, 31));
    }

private slots:
    QString installedTemplate() const { return QCoreApplication::applicationDirPath() + QStringLiteral("/shablon.fr3"); }

    void init()
    {
        // The print command reads the template beside the executable, as the installed program does.
        QFile::remove(installedTemplate());
        QVERIFY(QFile::copy(QStringLiteral(CERTPRINT_TEMPLATE), installedTemplate()));
        fake = std::make_unique<FakeDialogs>();
        window = std::make_unique<TfmMain>();
    }
    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void builtInTemplateHoldsTheBlankAndTheMemos()
    {
        QCOMPARE(report().GetPagesCount(), 2);
        QVERIFY(dynamic_cast<TfrxDataPage*>(report().GetPages(0)));
        QCOMPARE(report().GetPages(0)->GetName(), QStringLiteral("Data"));
        auto* page = dynamic_cast<TfrxReportPage*>(report().GetPages(1));
        QVERIFY(page);
        QCOMPARE(page->GetName(), QStringLiteral("Page1"));
        QCOMPARE(page->GetPaperSize(), 11);
        QCOMPARE(page->GetPaperWidth(), 148.0);
        QCOMPARE(page->GetPaperHeight(), 210.0);
        QCOMPARE(page->GetLeftMargin(), 5.0);
        QCOMPARE(page->GetBottomMargin(), 5.0);
        QCOMPARE(page->GetFont()->GetName(), QStringLiteral("Times New Roman"));

        auto* picture = dynamic_cast<TfrxPictureView*>(report().FindObject(QStringLiteral("Picture1")));
        QVERIFY(picture);
        QCOMPARE(picture->GetPicture()->GetGraphicClass(), QStringLiteral("TPngImage"));
        QCOMPARE(picture->GetPicture()->GetImage().size(), QSize(1739, 2471));
        QVERIFY(picture->GetStretched() && picture->GetKeepAspectRatio());
        QCOMPARE(picture->GetVisibility(), (TfrxVisibilityTypes{vsPreview, vsExport}));

        int memos = 0;
        for (TfrxComponent* object : page->GetObjects())
            memos += dynamic_cast<TfrxMemoView*>(object) != nullptr;
        QCOMPARE(memos, 48);
        for (const FillMapEntry& entry : fillMap()) {
            auto* memo = dynamic_cast<TfrxMemoView*>(report().FindObject(QLatin1String(entry.name)));
            QVERIFY2(memo, entry.name);
            QCOMPARE(memo->GetParent(), page);
            QCOMPARE(memo->GetLeft(), entry.left);
            QCOMPARE(memo->GetHeight(), 15.12);
            QVERIFY(!memo->GetParentFont());
            QCOMPARE(memo->GetFont()->GetCharset(), 204);
            QCOMPARE(memo->GetFont()->GetHeight(), -entry.fontHeight);
            QCOMPARE(memo->GetFont()->GetStyle().contains(fsItalic), entry.italic);
            QVERIFY(memo->GetWordWrap() && memo->GetAllowExpressions());
        }
        QCOMPARE(report().GetScriptText(), (QStringList{"begin", "", "end."}));
        QCOMPARE(report().GetIniFile(), QStringLiteral("\\Software\\Orvanta"));
    }

    void printFillsEveryMemo()
    {
        fillCompleteCertificate();
        const char* hours[] = {"0", "40", "0,5", "00", "0,0", "1", "2", "3", "4", "5"};
        for (int n = 0; n < 10; ++n)
            c().hours[n]->setText(QLatin1String(hours[n]));
        c().total()->setText(QStringLiteral("0"));
        c().choices[0]->setCurrentIndex(2);
        c().choices[9]->setCurrentIndex(5);
        c().transmission->setCurrentIndex(0);
        window->printAction()->trigger();
        QVERIFY(fake->messages.isEmpty());

        const struct { const char* memo; const char* text; } expected[] = {
            {"Memo1", "ЧОУ ДПО [Автошкола]"}, {"Memo2", "второй ряд"}, {"Memo5", "Иванов Иван"},
            {"Memo6", "05"}, {"Memo7", "марта"}, {"Memo8", "2019"},
            {"Memo9", "21"}, {"Memo10", "ноября"}, {"Memo11", "2019"},
            {"Memo13", "x"}, {"Memo14", "40"}, {"Memo15", "0,5"}, {"Memo16", "00"}, {"Memo17", "0,0"},
            {"Memo23", "0"}, {"Memo24", "09"}, {"Memo25", "января"}, {"Memo26", "2020"},
            {"Memo_day", "31"}, {"Memo_month", "декабря"}, {"Memo_year", "2019"},
            {"Memo28", "Х"}, {"Memo29", ""}, {"Memo37", ""}, {"Memo38", "X"},
            {"Memo39", "B"}, {"Memo40", "B"}, {"Memo41", "B"}, {"Memo_cat", "B"},
            {"Memo42", "механической"}, {"Memo_prot", "124/7"}, {"Memo_kval", "Водитель"},
            {"Memo27", "Петров П.П."},
        };
        for (const auto& e : expected)
            QCOMPARE(memoText(e.memo), QString::fromUtf8(e.text));
        // The prepared page carries the operator's text as typed, brackets included, and no error.
        QVERIFY(previews.errors().isEmpty());
        QCOMPARE(previews.shown(), 1);
        TfrxReportPage* prepared = report().GetPreviewPages()->GetPage(0);
        QVERIFY(prepared);
        auto* preparedMemo1 = dynamic_cast<TfrxCustomMemoView*>(prepared->FindObject(QStringLiteral("Memo1")));
        QVERIFY(preparedMemo1);
        QCOMPARE(preparedMemo1->GetMemo(), QStringList{QStringLiteral("ЧОУ ДПО [Автошкола]")});

        // A dump of every memo's text, for looking at what the print command filled in.
        QDir().mkpath(QStringLiteral(CERTPRINT_SCREENSHOTS));
        QFile dump(QStringLiteral(CERTPRINT_SCREENSHOTS "/filled-memos.txt"));
        QVERIFY(dump.open(QIODevice::WriteOnly | QIODevice::Text));
        for (const FillMapEntry& entry : fillMap())
            dump.write(QStringLiteral("%1=%2\n").arg(QLatin1String(entry.name), memoText(entry.name)).toUtf8());
    }

    void incompleteCertificateFillsNothing()
    {
        fillCompleteCertificate();
        c().edits[6]->clear();
        window->printAction()->trigger();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Введите присвоенную квалификацию!")});
        QCOMPARE(memoText("Memo1"), QString());
    }

    void missingTemplateFileIsNamed()
    {
        fillCompleteCertificate();
        QFile::remove(installedTemplate());
        window->printAction()->trigger();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Не найден файл шаблона печати: ") + installedTemplate()});
        QVERIFY(fake->errors.isEmpty());
    }

    void eachPrintReloadsTheTemplate()
    {
        fillCompleteCertificate();
        window->printAction()->trigger();
        QCOMPARE(memoText("Memo5"), QStringLiteral("Иванов Иван"));
        // A template changed in between (as the designer saves it) is the one printed next.
        {
            TfrxReport edited;
            edited.LoadFromFile(installedTemplate());
            auto* memo = dynamic_cast<TfrxMemoView*>(edited.FindObject(QStringLiteral("Memo5")));
            QVERIFY(memo);
            memo->SetLeft(100);
            edited.SaveToFile(installedTemplate());
        }
        window->printAction()->trigger();
        QCOMPARE(report().FindObject(QStringLiteral("Memo5"))->GetLeft(), 100.0);
        QCOMPARE(memoText("Memo5"), QStringLiteral("Иванов Иван"));
        QCOMPARE(report().GetFileName(), installedTemplate());
    }

    void templateWithoutMemo1IsFilledWithoutIt()
    {
        fillCompleteCertificate();
        delete report().FindObject(QStringLiteral("Memo1"));
        fillTemplate(report(), c());
        QCOMPARE(memoText("Memo2"), QStringLiteral("второй ряд"));
        QCOMPARE(memoText("Memo_kval"), QStringLiteral("Водитель"));
    }

    void missingOrWrongObjectIsNamedAndStopsTheFill()
    {
        fillCompleteCertificate();
        delete report().FindObject(QStringLiteral("Memo12"));
        try {
            fillTemplate(report(), c());
            QFAIL("a template without Memo12 was filled");
        } catch (const Exception& e) {
            QVERIFY2(e.message().contains(QStringLiteral("Memo12")), qPrintable(e.message()));
        }
        QCOMPARE(memoText("Memo11"), QStringLiteral("2019"));
        QCOMPARE(memoText("Memo13"), QString());

        auto* page = report().GetPages(1);
        auto* impostor = new TfrxPictureView(page);
        impostor->SetName(QStringLiteral("Memo12"));
        try {
            fillTemplate(report(), c());
            QFAIL("a picture was filled as a memo");
        } catch (const Exception& e) {
            QVERIFY(e.message().startsWith(QStringLiteral("Invalid class typecast")));
            QVERIFY(e.message().contains(QStringLiteral("Memo12")));
        }
    }

    void emptyReportNamesTheFirstRequiredMemo()
    {
        report().Clear();
        try {
            fillTemplate(report(), c());
            QFAIL("an empty report was filled");
        } catch (const Exception& e) {
            QVERIFY(e.message().contains(QStringLiteral("Memo2")));
        }
    }

    void copyOfTheTemplateFillsAlike()
    {
        fillCompleteCertificate();
        TfrxReport copy;
        copy.AssignAll(report());
        fillTemplate(report(), c());
        fillTemplate(copy, c());
        for (const FillMapEntry& entry : fillMap()) {
            auto* memo = dynamic_cast<TfrxMemoView*>(copy.FindObject(QLatin1String(entry.name)));
            QVERIFY(memo);
            QCOMPARE(memo->GetMemo().join(u'\n'), memoText(entry.name));
            QCOMPARE(memo->GetLeft(), entry.left);
        }
    }
};

int main(int argc, char** argv)
{
    CertApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TemplateFillTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TemplateFillTest.moc"
