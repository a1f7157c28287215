#include "CertificatePages.h"
#include "FakePages.h"

#include "common/Exception.h"
#include "report/engine/EngineRegistration.h"
#include "report/engine/TfrxOutline.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/preview/InfoBox.h"
#include "report/preview/TfrxFindState.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewWorkspace.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <cmath>
#include <limits>
#include <memory>

// The preview control over prepared A5 pages (559 × 794 report pixels, 10 mm margins, a memo
// "Page<n>" 100 × 50 report pixels inside the printable area).
class PreviewControlTest : public QObject {
    Q_OBJECT

private:
    static constexpr int kA5Width = 559;
    static constexpr int kA5Height = 794;

    void open(int pages, QSize size = {1000, 700})
    {
        FPages = std::make_unique<FakePages>(*FReport, pages, FLog);
        FPreview = std::make_unique<TfrxPreview>();
        FPreview->resize(size);
        FPreview->show();
        QVERIFY(QTest::qWaitForWindowExposed(FPreview.get()));
        FReport->SetPreview(FPreview.get());
        QVERIFY(FPreview->Init(FReport.get(), FPages.get()));
    }

    TfrxPreviewWorkspace& workspace() { return *FPreview->GetWorkspace(); }
    int scrollBarWidth() const { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }
    // The width the rows are laid out for.
    int layoutWidth() { return workspace().width() - scrollBarWidth() - 26; }
    QImage view()
    {
        QImage image(workspace().viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        workspace().PaintPages(painter, QRegion(image.rect()), false);
        return image;
    }

    std::unique_ptr<TfrxReport> FReport;
    QStringList FLog;
    std::unique_ptr<FakePages> FPages;
    std::unique_ptr<TfrxPreview> FPreview;
    QStringList FInfoBoxes;

private slots:
    void initTestCase() { frxRegisterEngine(); }

    void init()
    {
        FReport = std::make_unique<TfrxReport>();
        FLog.clear();
        FInfoBoxes.clear();
        frxSetInfoBoxHandler([this](const QString& text) { FInfoBoxes.append(text); });
    }

    void cleanup()
    {
        FPreview.reset();
        FPages.reset();
        FReport.reset();
        frxSetInfoBoxHandler(nullptr);
    }

    void theCertificatePageStandsCentredTenPixelsBelowTheTop()
    {
        open(1);
        QCOMPARE(FPreview->GetPageNo(), 1);
        QCOMPARE(FPreview->GetPageCount(), 1);
        const QRect page = workspace().PageRect(0);
        QCOMPARE(page, QRect((layoutWidth() - kA5Width) / 2 + 10, 10, kA5Width, kA5Height));
        QCOMPARE(workspace().GetHorzRange(), 559 + 10 + 10);
        QCOMPARE(workspace().GetVertRange(), 10 + 794 + 10);

        const QImage image = view();
        image.save(QStringLiteral("preview-certificate.png"));
        QCOMPARE(image.pixelColor(2, 2), QColor(128, 128, 128));
        // The 2-pixel active frame just outside the page, the page's own frame on its edge, white
        // paper inside.
        QCOMPARE(image.pixelColor(page.left() - 1, page.top() + 100), QColor(255, 199, 60));
        QCOMPARE(image.pixelColor(page.left() - 2, page.top() + 100), QColor(255, 199, 60));
        QCOMPARE(image.pixelColor(page.left(), page.top() + 100), QColor(96, 96, 96));
        QCOMPARE(image.pixelColor(page.left() + 5, page.top() + 5), QColor(Qt::white));
        QCOMPARE(image.pixelColor(page.left() - 4, page.top() + 100), QColor(128, 128, 128));
    }

    void theMemosAreDrawnAtTheirPlaceOnThePage()
    {
        open(1);
        const QImage image = view();
        const QRect page = workspace().PageRect(0);
        // The mark's frame lies 10 report pixels round the memo, from the printable area's corner.
        const int left = page.left() + int(std::lround(10 * 3.77953)) + 90;
        const int top = page.top() + int(std::lround(10 * 3.77953)) + 40;
        QCOMPARE(image.pixelColor(left, top + 20).lightness() < 128, true);
        QCOMPARE(image.pixelColor(left + 20, top + 20), QColor(Qt::white));
    }

    void wholePageFitsTheHeightOfAWideWindowAndTheWidthOfANarrowOne()
    {
        open(1, {1200, 600});
        FPreview->SetZoomMode(zmWholePage);
        QCOMPARE(FPreview->GetZoom(), double(workspace().height() - 26) / kA5Height);
        FPreview->resize(400, 1200);
        QCOMPARE(FPreview->GetZoomMode(), zmWholePage);
        QCOMPARE(FPreview->GetZoom(), double(layoutWidth()) / kA5Width);
        FPreview->SetZoomMode(zmPageWidth);
        FPreview->resize(900, 600);
        QCOMPARE(FPreview->GetZoom(), double(layoutWidth()) / kA5Width);
    }

    void theZoomHasALowerLimitButNoUpperOne()
    {
        open(1);
        QSignalSpy zooms(FPreview.get(), &TfrxPreview::zoomChanged);
        FPreview->SetZoomMode(zmPageWidth);
        FPreview->SetZoom(0.1);
        QCOMPARE(FPreview->GetZoom(), 0.25);
        QCOMPARE(FPreview->GetZoomMode(), zmDefault);
        FPreview->SetZoom(std::numeric_limits<double>::quiet_NaN());
        QCOMPARE(FPreview->GetZoom(), 0.25);
        FPreview->SetZoom(40);
        QCOMPARE(FPreview->GetZoom(), 40.0);
        QCOMPARE(zooms.last().at(0).toDouble(), 40.0);
        QCOMPARE(workspace().PageRect(0).width(), 40 * kA5Width);
    }

    void ctrlWheelZoomsInTenthsDownToThreeTenths()
    {
        open(1);
        FPreview->SetZoom(0.35);
        FPreview->MouseWheelScroll(-120, false, true);
        QCOMPARE(FPreview->GetZoom(), 0.3);
        FPreview->MouseWheelScroll(-120, false, true);
        QCOMPARE(FPreview->GetZoom(), 0.3);
        FPreview->MouseWheelScroll(120, false, true);
        QVERIFY(std::abs(FPreview->GetZoom() - 0.4) < 1e-9);
    }

    void theWheelScrollsTwentyPixelsAgainstItsDirection()
    {
        open(2);
        workspace().SetVertPosition(100);
        FPreview->MouseWheelScroll(120, false, false);
        QCOMPARE(workspace().GetVertPosition(), 80);
        FPreview->MouseWheelScroll(-120, false, false);
        FPreview->MouseWheelScroll(-120, false, false);
        QCOMPARE(workspace().GetVertPosition(), 120);
        FPreview->MouseWheelScroll(0, false, false);
        QCOMPARE(workspace().GetVertPosition(), 120);
    }

    void scrollingMakesAPageCurrentOnceItsTopIsWithinAFifthOfItsHeight()
    {
        open(3);
        QSignalSpy changes(FPreview.get(), &TfrxPreview::pageChanged);
        const int second = workspace().GetPageList().GetItem(1).OffsetY; // 10 + 794 + 10
        const int fifth = int(std::lround(kA5Height / 5.0));
        workspace().SetVertPosition(second - fifth - 1);
        QCOMPARE(FPreview->GetPageNo(), 1);
        workspace().SetVertPosition(second - fifth);
        QCOMPARE(FPreview->GetPageNo(), 2);
        // The view did not jump to the page's top.
        QCOMPARE(workspace().GetVertPosition(), second - fifth);
        QVERIFY(!changes.isEmpty());
        QCOMPARE(changes.last().at(0).toInt(), 2);
    }

    void pageNumbersAreClampedAndNavigationScrollsToThePage()
    {
        open(4);
        FPreview->Last();
        QCOMPARE(FPreview->GetPageNo(), 4);
        QCOMPARE(workspace().GetVertPosition(), std::min(workspace().GetPageList().GetItem(3).OffsetY - 10,
                                                         workspace().verticalScrollBar()->maximum()));
        FPreview->SetPageNo(9);
        QCOMPARE(FPreview->GetPageNo(), 4);
        FPreview->SetPageNo(-3);
        QCOMPARE(FPreview->GetPageNo(), 1);
        FPreview->Next();
        FPreview->Next();
        QCOMPARE(FPreview->GetPageNo(), 3);
        QCOMPARE(workspace().GetVertPosition(), workspace().GetPageList().GetItem(2).OffsetY - 10);
        FPreview->Prior();
        QCOMPARE(FPreview->GetPageNo(), 2);
    }

    void keysScrollAndPage_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("pageNo");
        QTest::addColumn<int>("vertical");
        // Starting on page 2, whose top stands 10 pixels below the top of the view (814 - 10).
        QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 2 << 804 + 8;
        QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 2 << 804 - 8;
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 0 << 2 << 804 + 300;
        QTest::newRow("Ctrl+PageDown") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 3 << 1608;
        QTest::newRow("Ctrl+PageUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 1 << 0;
        QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 1 << 0;
    }

    void keysScrollAndPage()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, pageNo);
        QFETCH(int, vertical);
        open(4);
        FPreview->SetPageNo(2);
        QCOMPARE(workspace().GetVertPosition(), 804);
        QTest::keyClick(&workspace(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(FPreview->GetPageNo(), pageNo);
        QCOMPARE(workspace().GetVertPosition(), vertical);
    }

    void aCaseInsensitiveSearchFindsSmallLettersAndF3GoesOnOnTheSamePageFirst()
    {
        open(3);
        FPages->SetSecondText(0, QStringLiteral("second page1 line"));
        FPages->ClearPageCache();
        FPreview->RebuildPageList();
        QVERIFY(FPreview->FindText(QStringLiteral("PAGE1"), true, false));
        QVERIFY(FPreview->FindTextFound());
        const QRect first = frxFindState().FoundRect;
        const QImage before = view();

        // F3: the second text output of page 1 before any later page.
        QTest::keyClick(&workspace(), Qt::Key_F3);
        QVERIFY(FPreview->FindTextFound());
        const QRect second = frxFindState().FoundRect;
        QVERIFY(second.top() > first.bottom());
        const QImage after = view();
        // The first match is no longer inverted, the second is.
        const QPoint origin = workspace().PageRect(0).topLeft();
        QVERIFY(before.pixelColor(origin + first.center()) != after.pixelColor(origin + first.center()));
        QVERIFY(before.pixelColor(origin + second.center()) != after.pixelColor(origin + second.center()));
        QVERIFY(FInfoBoxes.isEmpty());

        // Nothing else matches: "Text not found", and F3 keeps saying it.
        QTest::keyClick(&workspace(), Qt::Key_F3);
        QVERIFY(!FPreview->FindTextFound());
        QTest::keyClick(&workspace(), Qt::Key_F3);
        QCOMPARE(FInfoBoxes,
                 QStringList({QStringLiteral("Text not found"), QStringLiteral("Text not found")}));
    }

    void aCaseSensitiveSearchStartsFromTheCurrentPageAndScrollsToTheMatch()
    {
        open(5);
        QVERIFY(!FPreview->FindText(QStringLiteral("PAGE"), true, true));
        QCOMPARE(FInfoBoxes.size(), 1);
        FPreview->MarkCurrentPage(3);
        QCOMPARE(workspace().GetVertPosition(), 0);
        QVERIFY(FPreview->FindText(QStringLiteral("Page"), false, true));
        // The match on page 3 lay below the view: its bottom now stands 20 pixels above the view's.
        const QRect match = frxFindState().FoundRect;
        QCOMPARE(workspace().PageRect(2).top() + match.top() + match.height(),
                 workspace().viewport()->height() - 20);
        QVERIFY(!FPreview->FindText(QString(), true, false));
        QCOMPARE(FInfoBoxes.size(), 2);
    }

    void thumbnailsShowPageNumbersAndAClickScrollsThePageView()
    {
        open(4);
        QSignalSpy outline(FPreview.get(), &TfrxPreview::outlineVisibleChanged);
        FPreview->SetOutlineVisible(true);
        QVERIFY(FPreview->GetOutlineTree()->isVisible());
        FPreview->SetThumbnailVisible(true);
        QVERIFY(!FPreview->GetOutlineTree()->isVisible());
        QVERIFY(FPreview->GetThumbnail()->isVisible());
        QCOMPARE(outline.last().at(0).toBool(), false);

        TfrxPreviewWorkspace& thumbnails = *FPreview->GetThumbnail();
        QCOMPARE(thumbnails.GetZoom(), 0.1);
        QImage image(thumbnails.viewport()->size(), QImage::Format_RGB32);
        {
            QPainter painter(&image);
            thumbnails.PaintPages(painter, QRegion(image.rect()), false);
        }
        image.save(QStringLiteral("preview-thumbnails.png"));
        const QRect third = thumbnails.PageRect(2);
        QCOMPARE(third.size(), QSize(56, 79));

        QTest::mouseClick(thumbnails.viewport(), Qt::LeftButton, {}, third.center());
        QCOMPARE(FPreview->GetPageNo(), 3);
        QCOMPARE(workspace().GetVertPosition(), workspace().GetPageList().GetItem(2).OffsetY - 10);
    }

    void whileLockedOnlyTheBackgroundIsPainted()
    {
        open(1);
        FPreview->Lock();
        const QImage image = view();
        QCOMPARE(image.pixelColor(workspace().PageRect(0).center()), QColor(128, 128, 128));
        FPreview->ShowMessage(QStringLiteral("Saving file..."));
        QVERIFY(FPreview->GetMessagePanel()->isVisible());
        FPreview->Unlock();
        QVERIFY(!FPreview->GetMessagePanel()->isVisible());
        QCOMPARE(view().pixelColor(workspace().PageRect(0).center()), QColor(Qt::white));
    }

    void withoutPagesThereIsNoPageAndOnlyBackground()
    {
        open(0);
        QCOMPARE(FPreview->GetPageNo(), 0);
        QCOMPARE(FPreview->GetPageCount(), 0);
        QCOMPARE(view().pixelColor(500, 300), QColor(128, 128, 128));
        FPreview->SetPosition(1, 10);
        QCOMPARE(FPreview->GetTopPosition(), 0);
    }

    void setPositionAndGetTopPositionAreInverse()
    {
        open(3);
        FPreview->SetPosition(2, 100);
        const int pageTop = workspace().GetPageList().GetItem(1).OffsetY;
        QCOMPARE(workspace().GetVertPosition(), pageTop + int(std::lround(10 * 3.77953 + 100)) - 10);
        QCOMPARE(FPreview->GetPageNo(), 2);
        QCOMPARE(FPreview->GetTopPosition(), 100);
    }

    void printTellsThePagesTheCurrentPageAndUnlocks()
    {
        open(2);
        FPreview->SetPageNo(2);
        FPreview->Lock();
        FPreview->Print();
        QCOMPARE(FPages->GetCurPreviewPage(), 2);
        QVERIFY(!FPreview->GetLocked());
    }

    // The real thing: the prepared certificate with the blank's picture under its values.
    void thePreparedCertificateShowsWithTheBlank()
    {
        prepareCertificate(*FReport);
        TfrxCustomPreviewPages& pages = *FReport->GetPreviewPages();
        QCOMPARE(pages.GetCount(), 1);
        FPreview = std::make_unique<TfrxPreview>();
        FPreview->resize(900, 900);
        FPreview->show();
        QVERIFY(QTest::qWaitForWindowExposed(FPreview.get()));
        QVERIFY(FPreview->Init(FReport.get(), &pages));
        const QImage shot = FPreview->grab().toImage();
        shot.save(QStringLiteral("preview-prepared-certificate.png"));
        const QRect page = workspace().PageRect(0);
        QCOMPARE(page.size(), QSize(kA5Width, kA5Height));
        // The picture covers the paper: far more than the values' ink is not white.
        int coloured = 0;
        for (int y = page.top(); y < std::min(page.bottom(), shot.height()); y += 4)
            for (int x = page.left(); x < page.right(); x += 4)
                coloured += shot.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
        QVERIFY(coloured > 1000);
        QVERIFY(FPreview->FindText(QStringLiteral("q05"), true, false));
    }

    void aPreparedReportSavedAndOpenedAgainShowsItsFirstPage()
    {
        prepareCertificate(*FReport);
        TfrxCustomPreviewPages& pages = *FReport->GetPreviewPages();
        FPreview = std::make_unique<TfrxPreview>();
        FPreview->resize(900, 900);
        FPreview->show();
        QVERIFY(FPreview->Init(FReport.get(), &pages));
        QTemporaryDir dir;
        const QString saved = dir.filePath(QStringLiteral("certificate.fp3"));
        FPreview->SaveToFile(saved);
        QVERIFY(!FPreview->GetLocked());
        QVERIFY(QFileInfo::exists(saved));

        pages.Clear();
        FPreview->LoadFromFile(saved);
        QCOMPARE(FPreview->GetPageCount(), 1);
        QCOMPARE(FPreview->GetPageNo(), 1);
        QCOMPARE(workspace().PageRect(0).size(), QSize(kA5Width, kA5Height));

        // A broken file: the error reaches the caller, the control is usable again.
        const QString broken = dir.filePath(QStringLiteral("broken.fp3"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<preparedreport><previewpages>");
        file.close();
        bool failed = false;
        try {
            FPreview->LoadFromFile(broken);
        } catch (const Exception&) {
            failed = true;
        }
        QVERIFY(failed);
        QVERIFY(!FPreview->GetLocked());
        QVERIFY(!FPreview->GetMessagePanel()->isVisible());
    }

    void preparationInsideTheControlLaysPagesOutAsTheyCome()
    {
        open(3);
        QSignalSpy started(FPreview.get(), &TfrxPreview::preparationStarted);
        QSignalSpy finished(FPreview.get(), &TfrxPreview::preparationFinished);
        FPreview->InternalOnProgressStart(0, 0);
        QVERIFY(FPreview->GetRunning());
        QCOMPARE(started.size(), 1);
        FPreview->InternalOnProgressStart(0, 0);
        QCOMPARE(started.size(), 1);
        QCOMPARE(workspace().GetPageList().GetCount(), 0);

        FPreview->InternalOnProgress(0, 0);
        QCOMPARE(FPreview->GetPageNo(), 1);
        // While preparing, the thumbnails are not laid out.
        QCOMPARE(workspace().GetPageList().GetCount(), 3);
        QCOMPARE(FPreview->GetThumbnail()->GetPageList().GetCount(), 0);

        FPreview->InternalOnProgressStop(0, 0);
        QVERIFY(!FPreview->GetRunning());
        QCOMPARE(finished.size(), 1);
        QCOMPARE(FPreview->GetThumbnail()->GetPageList().GetCount(), 3);
        // Progress of other kinds (printing) leaves the control alone.
        FPreview->InternalOnProgressStart(2, 0);
        QVERIFY(!FPreview->GetRunning());
    }

    void anOutlineNodeLeadsToItsPageAndPosition()
    {
        prepareCertificate(*FReport);
        TfrxCustomPreviewPages& pages = *FReport->GetPreviewPages();
        pages.GetOutline()->LevelRoot();
        pages.GetOutline()->AddItem(QStringLiteral("Certificate"), 300);
        FReport->GetPreviewOptions()->SetOutlineVisible(true);
        FPreview = std::make_unique<TfrxPreview>();
        FPreview->resize(900, 500);
        FPreview->show();
        QVERIFY(FPreview->Init(FReport.get(), &pages));
        QTreeWidget& tree = *FPreview->GetOutlineTree();
        QVERIFY(tree.isVisible());
        QCOMPARE(tree.topLevelItemCount(), 1);
        QTreeWidgetItem& node = *tree.topLevelItem(0);
        QCOMPARE(node.text(0), QStringLiteral("Certificate"));
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, tree.visualItemRect(&node).center());
        const TfrxReportPage& page = *pages.GetPage(0);
        QCOMPARE(workspace().GetVertPosition(),
                 10 + int(std::lround(page.GetTopMargin() * 3.77953 + 300)) - 10);
        QCOMPARE(FPreview->GetTopPosition(), 300);
    }

    void theControlDetachesFromItsReport()
    {
        open(1);
        QCOMPARE(FReport->GetPreview(), FPreview.get());
        FPreview.reset();
        QCOMPARE(FReport->GetPreview(), nullptr);
    }
};

QTEST_MAIN(PreviewControlTest)
#include "PreviewControlTest.moc"
