#include "PreparedReportSupport.h"
#include "TestCanvas.h"

#include "report/engine/PictureDrawing.h"
#include "report/engine/TfrxDictionary.h"
#include "report/engine/TfrxPreviewPages.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxView.h"
#include "report/model/xml/TfrxXMLDocument.h"
#include "report/model/xml/TfrxXMLItem.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TfrxXMLItem& firstPreparedObject(TfrxCustomPreviewPages& pages, TfrxXMLDocument& document, int child)
{
    QByteArray bytes = savedPages(pages);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    document.LoadFromStream(buffer);
    TfrxXMLItem& page = *document.GetRoot()->FindItem(QStringLiteral("previewpages"))->GetItems(0);
    return *page.GetItems(0)->GetItems(child);
}

} // namespace

TEST(PreviewPagesTest, SavedCertificateOpensAndDrawsTheSamePicture)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("certificate.fp3"));
    QImage before;
    {
        auto report = filledCertificate();
        ASSERT_TRUE(report->PrepareReport());
        before = drawnPage(*report->GetPreviewPages(), 0);
        report->GetPreviewPages()->SaveToFile(fileName);
    }
    TfrxReport other;
    TfrxCustomPreviewPages& pages = *other.GetPreviewPages();
    ASSERT_TRUE(pages.LoadFromFile(fileName));
    ASSERT_EQ(pages.GetCount(), 1);
    EXPECT_EQ(pages.GetPageSize(0), QSize(559, 794));
    EXPECT_EQ(drawnPage(pages, 0), before);
    // And the picture really is the blank behind the memos.
    EXPECT_NE(before.pixel(20, 400), qRgb(255, 255, 255));
}

// The prepared page shows exactly what the filled template shows when it is drawn as it stands.
TEST(PreviewPagesTest, CertificateDrawnFromItsPreparedPageLooksLikeTheTemplate)
{
    auto report = filledCertificate();
    ASSERT_TRUE(report->PrepareReport());
    TfrxReportPage& page = firstPage(*report);
    QImage expected(drawnPage(*report->GetPreviewPages(), 0).size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        DrawPageBackground(page, painter, 1, 1, 0, 0);
        for (TfrxComponent* object : page.GetAllObjects())
            if (auto* view = dynamic_cast<TfrxView*>(object); view && IsVisibleOn(*view, painter)) {
                view->SetIsPrinting(true);
                Draw(*view, painter, 1, 1, page.GetLeftMargin() * 3.77953, page.GetTopMargin() * 3.77953);
                view->SetIsPrinting(false);
            }
    }
    const QImage drawn = drawnPage(*report->GetPreviewPages(), 0);
    if (drawn != expected && qEnvironmentVariableIsSet("FRX_ENGINE_PNG_DIR")) {
        drawn.save(qEnvironmentVariable("FRX_ENGINE_PNG_DIR") + QStringLiteral("/prepared.png"));
        expected.save(qEnvironmentVariable("FRX_ENGINE_PNG_DIR") + QStringLiteral("/template.png"));
    }
    EXPECT_EQ(drawn, expected);
}

// On paper only the values are printed: the blank's picture is for the screen.
TEST(PreviewPagesTest, PrinterCanvasLeavesTheBlankOut)
{
    auto report = filledCertificate();
    ASSERT_TRUE(report->PrepareReport());
    const QImage screen = drawnPage(*report->GetPreviewPages(), 0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    {
        PrinterPage printer(96, pdf);
        report->GetPreviewPages()->DrawPage(0, printer.Painter(), 1, 1, 0, 0);
    }
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                    QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    ASSERT_TRUE(pdftoppm.waitForFinished(60000));
    const QImage paper(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(paper.isNull());
    const QPoint blankOnly(20, 400);
    EXPECT_NE(screen.pixel(blankOnly), qRgb(255, 255, 255));
    EXPECT_EQ(paper.pixel(blankOnly), qRgb(255, 255, 255));
    // The values are there: Memo1 is the first line of the page.
    const TfrxComponent* memo1 = report->GetPreviewPages()->GetPage(0)->FindObject(QStringLiteral("Memo1"));
    const QRect box(int(memo1->GetAbsLeft() + 5 * 3.77953), int(memo1->GetAbsTop() + 5 * 3.77953),
                    int(memo1->GetWidth()), int(memo1->GetHeight()));
    EXPECT_GT(inkIn(paper.convertToFormat(QImage::Format_RGB32), box), 0);
}

TEST(PreviewPagesTest, MemoTextIsStoredWithCarriageReturnLineFeedAndNoTrailingBreak)
{
    struct Case {
        QString text;
        QString stored;
    };
    for (const Case& c :
         {Case{QString(), QString()}, Case{QStringLiteral("A\r\nB"), QStringLiteral("A\r\nB")},
          Case{QStringLiteral("A\nB\n"), QStringLiteral("A\r\nB")}}) {
        auto report = generatedReport(1, 1);
        memoNamed(*report, QStringLiteral("Memo1")).SetText(c.text);
        ASSERT_TRUE(report->PrepareReport());
        TfrxXMLDocument document;
        TfrxXMLItem& memo = firstPreparedObject(*report->GetPreviewPages(), document, 0);
        EXPECT_TRUE(memo.PropExists(QStringLiteral("u")));
        EXPECT_EQ(memo.GetProp(QStringLiteral("u")), c.stored);
    }
}

TEST(PreviewPagesTest, FileCacheGivesTheSamePagesAsMemory)
{
    auto memory = generatedReport(5, 12);
    for (int i = 1; i <= 5; ++i)
        memoNamed(*memory, QStringLiteral("Memo%1").arg(i)).SetText(QStringLiteral("[Page#]/%1").arg(i));
    auto cached = generatedReport(5, 12);
    for (int i = 1; i <= 5; ++i)
        memoNamed(*cached, QStringLiteral("Memo%1").arg(i)).SetText(QStringLiteral("[Page#]/%1").arg(i));
    cached->GetEngineOptions()->SetUseFileCache(true);
    cached->GetEngineOptions()->SetMaxMemSize(0); // every page beyond the first two leaves memory
    cached->GetPreviewOptions()->SetPagesInCache(2);
    ASSERT_TRUE(memory->PrepareReport());
    ASSERT_TRUE(cached->PrepareReport());
    TfrxCustomPreviewPages& a = *memory->GetPreviewPages();
    TfrxCustomPreviewPages& b = *cached->GetPreviewPages();
    ASSERT_EQ(a.GetCount(), b.GetCount());
    for (const int i : {11, 0, 5, 11, 3})
        EXPECT_EQ(pageContent(a, i), pageContent(b, i)) << i;
    EXPECT_EQ(savedPages(a), savedPages(b));
}

TEST(PreviewPagesTest, PageCacheKeepsAtMostPagesInCacheLivePages)
{
    // A change to a live page survives only while the page stays cached.
    struct Case {
        int pagesInCache;
        bool rebuilt;
    };
    for (const Case& c : {Case{1, true}, Case{2, false}}) {
        auto report = generatedReport(1, 2);
        report->GetPreviewOptions()->SetPagesInCache(c.pagesInCache);
        ASSERT_TRUE(report->PrepareReport());
        TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
        auto* memo = dynamic_cast<TfrxMemoView*>(pages.GetPage(0)->FindObject(QStringLiteral("Memo1")));
        memo->SetText(QStringLiteral("changed"));
        pages.GetPage(1);
        memo = dynamic_cast<TfrxMemoView*>(pages.GetPage(0)->FindObject(QStringLiteral("Memo1")));
        EXPECT_EQ(memo->GetMemo().join(QStringLiteral("\r\n")),
                  c.rebuilt ? QStringLiteral("Value 1") : QStringLiteral("changed"));
    }
}

TEST(PreviewPagesTest, OutOfRangeAndEmptyStoreGiveNothing)
{
    TfrxReport report;
    TfrxCustomPreviewPages& pages = *report.GetPreviewPages();
    EXPECT_EQ(pages.GetPage(0), nullptr);
    EXPECT_EQ(pages.GetPageSize(3), QSize(0, 0));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pages.DrawPage(0, painter, 1, 1, 0, 0);
    EXPECT_EQ(pages.GetCurPage(), -1);
}

TEST(PreviewPagesTest, LoadingRejectsWhatIsNotAPreparedReport)
{
    QTemporaryDir dir;
    TfrxReport report;
    TfrxCustomPreviewPages& pages = *report.GetPreviewPages();
    EXPECT_FALSE(pages.LoadFromFile(dir.filePath(QStringLiteral("missing.fp3"))));
    EXPECT_THROW(pages.LoadFromFile(dir.filePath(QStringLiteral("missing.fp3")), true), Exception);

    auto prepared = generatedReport(1, 1);
    ASSERT_TRUE(prepared->PrepareReport());
    const QByteArray good = savedPages(*prepared->GetPreviewPages());
    for (const QByteArray& bad :
         {QByteArray("not a document"),
          QByteArray("<?xml version=\"1.0\"?><TfrxReport><TfrxReportPage/></TfrxReport>")}) {
        QBuffer buffer;
        buffer.setData(good);
        buffer.open(QIODevice::ReadOnly);
        pages.LoadFromStream(buffer);
        ASSERT_EQ(pages.GetCount(), 1);
        QBuffer broken;
        broken.setData(bad);
        broken.open(QIODevice::ReadOnly);
        EXPECT_THROW(pages.LoadFromStream(broken), Exception);
        EXPECT_EQ(pages.GetCount(), 0);
        EXPECT_EQ(pages.GetPage(0), nullptr);
    }
}

TEST(PreviewPagesTest, FailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    auto report = generatedReport(1, 1);
    ASSERT_TRUE(report->PrepareReport());
    const QString fileName = dir.filePath(QStringLiteral("missing-folder/report.fp3"));
    EXPECT_THROW(report->GetPreviewPages()->SaveToFile(fileName), Exception);
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST(PreviewPagesTest, EditingOperationsKeepAtLeastOnePage)
{
    auto report = generatedReport(2, 2);
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    pages.AddEmptyPage(1);
    ASSERT_EQ(pages.GetCount(), 3);
    EXPECT_TRUE(pages.GetPage(1)->GetObjects().isEmpty());
    EXPECT_EQ(pages.GetPageSize(1), pages.GetPageSize(0));

    TfrxReportPage changed;
    changed.Assign(*pages.GetPage(0));
    changed.SetPaperSize(9);
    pages.ModifyPage(0, &changed);
    EXPECT_EQ(pages.GetPage(0)->GetPaperWidth(), 210);
    EXPECT_EQ(pages.GetPageSize(0).width(), 794);

    pages.DeletePage(0);
    pages.DeletePage(0);
    pages.DeletePage(0);
    EXPECT_EQ(pages.GetCount(), 1);
}

TEST(PreviewPagesTest, ModifiedPageKeepsItsObjectsThroughSavingAndLoading)
{
    auto report = generatedReport(2, 1);
    ASSERT_TRUE(report->PrepareReport());
    TfrxCustomPreviewPages& pages = *report->GetPreviewPages();
    TfrxReportPage copy;
    copy.AssignAll(*pages.GetPage(0));
    pages.ModifyPage(0, &copy);
    const QByteArray before = pageContent(pages, 0);
    QBuffer buffer;
    buffer.setData(savedPages(pages));
    buffer.open(QIODevice::ReadOnly);
    TfrxReport other;
    other.GetPreviewPages()->LoadFromStream(buffer);
    EXPECT_EQ(pageContent(*other.GetPreviewPages(), 0), before);
    EXPECT_NE(other.GetPreviewPages()->GetPage(0)->FindObject(QStringLiteral("Memo2")), nullptr);
}

TEST(DictionaryTest, AliasesCountUpFromWhereTheHalvingStops)
{
    TfrxDictionary dictionary;
    QStringList aliases;
    for (int i = 0; i < 4; ++i)
        aliases << dictionary.Add(dictionary.CreateUniqueName(QStringLiteral("m")), QString(), nullptr).Alias;
    EXPECT_EQ(aliases, QStringList({"m1", "m2", "m3", "m4"}));
    // A gap below the stopping point is not reused.
    dictionary.Add(QStringLiteral("m39"), QString(), nullptr);
    EXPECT_EQ(dictionary.CreateUniqueName(QStringLiteral("m")), QStringLiteral("m40"));
    EXPECT_EQ(dictionary.CreateUniqueName(QStringLiteral("p")), QStringLiteral("p1"));
}
