#include "PreparedReportSupport.h"

#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/xml/TfrxXMLDocument.h"
#include "tests/report/model/TemplateTestSupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

TfrxXMLItem& section(TfrxXMLDocument& document, const QString& name)
{
    return *document.GetRoot()->FindItem(name);
}

void readSaved(TfrxCustomPreviewPages& pages, TfrxXMLDocument& document)
{
    QByteArray bytes = savedPages(pages);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer);
}

} // namespace

TEST(PreparationTest, CertificatePreparesIntoOnePageOfDifferencesFromItsSourceObjects)
{
    auto report = filledCertificate();
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    ASSERT_EQ(pages.GetCount(), 1);
    EXPECT_EQ(report->GetEngine()->GetTotalPages(), 0);

    TfrxXMLDocument document;
    readSaved(pages, document);
    EXPECT_EQ(document.GetRoot()->GetName(), QStringLiteral("preparedreport"));
    TfrxXMLItem& previewPages = section(document, QStringLiteral("previewpages"));
    ASSERT_EQ(previewPages.GetCount(), 1);
    TfrxXMLItem& page = *previewPages.GetItems(0);
    EXPECT_EQ(page.GetName(), QStringLiteral("page0"));
    ASSERT_EQ(page.GetCount(), 1);
    TfrxXMLItem& band = *page.GetItems(0);
    EXPECT_EQ(band.GetName(), QStringLiteral("TfrxNullBand"));
    EXPECT_EQ(band.GetProp(QStringLiteral("l")), QStringLiteral("0"));
    EXPECT_EQ(band.GetProp(QStringLiteral("t")), QStringLiteral("0"));
    ASSERT_EQ(band.GetCount(), 49);
    EXPECT_EQ(band.GetItems(0)->GetName(), QStringLiteral("p1"));
    EXPECT_EQ(band.GetItems(0)->GetProp(QStringLiteral("ImageIndex")), QStringLiteral("1"));

    // Template order, each memo's text in "u", nothing else differing from the source copy.
    TfrxXMLItem& dictionary = section(document, QStringLiteral("dictionary"));
    for (int i = 1; i < band.GetCount(); ++i) {
        const TfrxXMLItem& memo = *band.GetItems(i);
        EXPECT_EQ(memo.GetName(), QStringLiteral("m%1").arg(i));
        const int entry = dictionary.Find(memo.GetName());
        ASSERT_GE(entry, 0);
        const QString sourceName = dictionary.GetItems(entry)->GetProp(QStringLiteral("name"));
        ASSERT_TRUE(sourceName.startsWith(QLatin1String("Page0.")));
        EXPECT_EQ(memo.GetProp(QStringLiteral("u")), sourceName.mid(6));
        EXPECT_EQ(memo.GetText().trimmed(), QStringLiteral("u=\"%1\"").arg(sourceName.mid(6)));
    }
}

TEST(PreparationTest, PreparedPageHoldsTheMemosWhereTheTemplatePlacesThem)
{
    auto report = filledCertificate();
    struct Placed {
        QString name;
        double left, top, width, height;
    };
    QList<Placed> expected;
    for (TfrxComponent* object : firstPage(*report).GetObjects())
        expected.append({object->GetName(), object->GetLeft(), object->GetTop(), object->GetWidth(),
                         object->GetHeight()});
    ASSERT_TRUE(report->PrepareReport());

    TfrxReportPage* page = report->GetPreviewPages()->GetPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->GetPaperWidth(), 148);
    EXPECT_EQ(page->GetLeftMargin(), 5);
    for (const Placed& placed : expected) {
        SCOPED_TRACE(placed.name.toStdString());
        TfrxComponent* object = page->FindObject(placed.name);
        ASSERT_NE(object, nullptr);
        EXPECT_DOUBLE_EQ(object->GetLeft(), placed.left);
        EXPECT_DOUBLE_EQ(object->GetTop(), placed.top);
        EXPECT_DOUBLE_EQ(object->GetWidth(), placed.width);
        EXPECT_DOUBLE_EQ(object->GetHeight(), placed.height);
        if (auto* memo = dynamic_cast<TfrxMemoView*>(object))
            EXPECT_EQ(memo->GetMemo().join(QStringLiteral("\r\n")), placed.name);
    }
    auto* picture = dynamic_cast<TfrxPictureView*>(page->FindObject(QStringLiteral("Picture1")));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->GetPicture()->IsEmpty());
}

TEST(PreparationTest, PreparationLeavesTheTemplateAsItWas)
{
    for (const bool destroyForms : {true, false}) {
        SCOPED_TRACE(destroyForms);
        auto report = filledCertificate();
        report->GetEngineOptions()->SetDestroyForms(destroyForms);
        memoNamed(*report, QStringLiteral("Memo1")).SetText(QStringLiteral("[1 + 2] and [Page#]"));
        const QByteArray before = saveBytes(*report);
        ASSERT_TRUE(report->PrepareReport());
        EXPECT_EQ(saveBytes(*report), before);
        auto* prepared = dynamic_cast<TfrxMemoView*>(
            report->GetPreviewPages()->GetPage(0)->FindObject(QStringLiteral("Memo1")));
        EXPECT_EQ(prepared->GetMemo().join(QStringLiteral("\r\n")), QStringLiteral("3 and 1"));
    }
}

TEST(PreparationTest, ReloadGivesNewObjectsWithTheSameValues)
{
    auto report = filledCertificate();
    const std::weak_ptr<const void> before = report->FindObject(QStringLiteral("Memo5"))->GetLifeToken();
    const QByteArray values = saveBytes(*report);
    ASSERT_TRUE(report->PrepareReport());
    EXPECT_TRUE(before.expired());
    EXPECT_NE(report->FindObject(QStringLiteral("Memo5")), nullptr);
    EXPECT_EQ(saveBytes(*report), values);
}

TEST(PreparationTest, InvisiblePageObjectIsPreparedButNotOutput)
{
    auto report = generatedReport(3, 1);
    memoNamed(*report, QStringLiteral("Memo2")).SetVisible(false);
    ASSERT_TRUE(report->PrepareReport());
    TfrxReportPage* page = report->GetPreviewPages()->GetPage(0);
    EXPECT_NE(page->FindObject(QStringLiteral("Memo1")), nullptr);
    EXPECT_EQ(page->FindObject(QStringLiteral("Memo2")), nullptr);
    EXPECT_NE(page->FindObject(QStringLiteral("Memo3")), nullptr);
}

TEST(PreparationTest, PageWithoutBandsIsSkippedWhenEmptyPagesAreNotPrinted)
{
    struct Case {
        bool pagePrintIfEmpty;
        bool enginePrintIfEmpty;
        int pages;
    };
    for (const Case& c : {Case{true, true, 1}, Case{false, true, 0}, Case{true, false, 0}}) {
        auto report = generatedReport(2, 1);
        firstPage(*report).SetPrintIfEmpty(c.pagePrintIfEmpty);
        report->GetEngineOptions()->SetPrintIfEmpty(c.enginePrintIfEmpty);
        EXPECT_TRUE(report->PrepareReport());
        EXPECT_TRUE(report->GetErrors().isEmpty());
        EXPECT_EQ(report->GetPreviewPages()->GetCount(), c.pages);
    }
}

TEST(PreparationTest, PageCountGivesThatManyPagesEachWithAllObjects)
{
    auto report = generatedReport(4, 3);
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    ASSERT_EQ(pages.GetCount(), 3);
    for (int i = 0; i < 3; ++i)
        for (int m = 1; m <= 4; ++m)
            EXPECT_NE(pages.GetPage(i)->FindObject(QStringLiteral("Memo%1").arg(m)), nullptr);
}

TEST(PreparationTest, SecondPreparationWithoutClearingAppends)
{
    auto report = generatedReport(1, 2);
    ASSERT_TRUE(report->PrepareReport());
    ASSERT_TRUE(report->PrepareReport(false));
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 4);
    ASSERT_TRUE(report->PrepareReport(true));
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 2);
}

TEST(PreparationTest, TotalPagesIsResolvedWhenThePageIsDrawn)
{
    auto report = generatedReport(1, 3);
    memoNamed(*report, QStringLiteral("Memo1")).SetText(QStringLiteral("[Page#] of [TotalPages#]"));
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    auto* memo = dynamic_cast<TfrxMemoView*>(pages.GetPage(1)->FindObject(QStringLiteral("Memo1")));
    EXPECT_EQ(memo->GetMemo().join(QStringLiteral("\r\n")), QStringLiteral("2 of [TotalPages#]"));
    drawnPage(pages, 1);
    // The macro stays for the next drawing (another copy, another page count).
    EXPECT_EQ(memo->GetMemo().join(QStringLiteral("\r\n")), QStringLiteral("2 of [TotalPages#]"));
}

// An expression error stops the run at that memo: the page that the page start added stays,
// without any object, and the error is reported once as the silent mode says.
TEST(PreparationTest, ExpressionErrorIsCollectedAndReportedOnce)
{
    for (const TfrxSilentMode mode : {simMessageBoxes, simSilent, simReThrow}) {
        SCOPED_TRACE(int(mode));
        ErrorBoxRecorder boxes;
        auto report = generatedReport(3, 1);
        report->GetEngineOptions()->SetNewSilentMode(mode);
        memoNamed(*report, QStringLiteral("Memo2")).SetText(QStringLiteral("[1 +]"));
        bool result = true;
        if (mode == simReThrow) {
            try {
                result = report->PrepareReport();
                ADD_FAILURE() << "no exception";
            } catch (const Exception& e) {
                EXPECT_TRUE(e.message().startsWith(QStringLiteral("The following error(s) have occured:")));
                result = false;
            }
        } else {
            result = report->PrepareReport();
        }
        EXPECT_FALSE(result);
        ASSERT_EQ(report->GetErrors().size(), 1);
        EXPECT_TRUE(report->GetErrors()[0].startsWith(QStringLiteral("Memo2: ")))
            << report->GetErrors()[0].toStdString();
        EXPECT_EQ(boxes.GetTexts().size(), mode == simMessageBoxes ? 1 : 0);
        TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
        ASSERT_EQ(pages.GetCount(), 1);
        EXPECT_TRUE(pages.GetPage(0)->GetObjects().isEmpty());
        // The template is whole again, the failing memo included.
        EXPECT_EQ(memoNamed(*report, QStringLiteral("Memo2")).GetMemo().join(QStringLiteral("\r\n")),
                  QStringLiteral("[1 +]"));
    }
}

TEST(PreparationTest, ScriptCompileErrorFailsThePreparation)
{
    auto report = generatedReport(1, 1);
    report->SetScriptText({QStringLiteral("begin"), QStringLiteral("  x := ;"), QStringLiteral("end.")});
    EXPECT_FALSE(report->PrepareReport());
    ASSERT_FALSE(report->GetErrors().isEmpty());
    EXPECT_TRUE(report->GetErrors()[0].startsWith(QStringLiteral("Script error at")))
        << report->GetErrors()[0].toStdString();
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 0);
}

TEST(PreparationTest, DoublePassDiscardsTheFirstPassAndKnowsTheTotal)
{
    auto report = generatedReport(2, 3);
    report->GetEngineOptions()->SetDoublePass(true);
    memoNamed(*report, QStringLiteral("Memo1")).SetText(QStringLiteral("[Page#]"));
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    ASSERT_EQ(pages.GetCount(), 3);
    EXPECT_EQ(report->GetEngine()->GetTotalPages(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* memo = dynamic_cast<TfrxMemoView*>(pages.GetPage(i)->FindObject(QStringLiteral("Memo1")));
        ASSERT_NE(memo, nullptr);
        EXPECT_EQ(memo->GetMemo().join(QString()), QString::number(i + 1));
        EXPECT_NE(pages.GetPage(i)->FindObject(QStringLiteral("Memo2")), nullptr);
    }
}

TEST(PreparationTest, ProgressIsReportedForEveryPageUnlessThreadSafe)
{
    for (const bool threadSafe : {false, true}) {
        auto report = generatedReport(1, 3);
        report->GetEngineOptions()->SetEnableThreadSafe(threadSafe);
        QStringList events;
        const auto record = [&](const char* kind) {
            return [&events, kind](TfrxReport&, int type, int progress) {
                events << QStringLiteral("%1 %2 %3").arg(QLatin1String(kind)).arg(type).arg(progress);
            };
        };
        report->SetOnProgressStart(record("start"));
        report->SetOnProgress(record("page"));
        report->SetOnProgressStop(record("stop"));
        ASSERT_TRUE(report->PrepareReport());
        EXPECT_EQ(events, threadSafe
                              ? QStringList()
                              : QStringList({"start 0 0", "page 0 1", "page 0 2", "page 0 3", "stop 0 0"}));
    }
}

TEST(PreparationTest, ShowReportWhilePreparingDoesNothing)
{
    auto report = generatedReport(1, 3);
    int calls = 0;
    report->SetOnProgress([&calls](TfrxReport& sender, int, int) {
        ++calls;
        sender.ShowReport(true); // a second Print press while the first one prepares
    });
    ASSERT_TRUE(report->PrepareReport());
    EXPECT_EQ(calls, 3);
    EXPECT_EQ(report->GetPreviewPages()->GetCount(), 3);
}
