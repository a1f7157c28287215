#include "report/engine/EngineRegistration.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxReportParts.h"
#include "report/preview/InfoBox.h"
#include "report/preview/RegisterPreview.h"
#include "report/preview/TfrxPageSettingsForm.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewForm.h"
#include "report/preview/TfrxSearchDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The preview window on the certificate template, prepared by the real engine, on a machine
// without printers (the virtual printer is the current one).
class PreviewFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfrxReport> FReport;
    std::unique_ptr<TfrxPreviewForm> FForm;
    QTemporaryDir FFolder;
    QStringList FErrors;
    TfrxErrorBoxHandler FPreviousHandler;

    TfrxPreview& preview() { return *FForm->GetPreview(); }
    TfrxCustomPreviewPages& pages() { return *FReport->GetPreviewPages(); }
    template <class Control> Control* find(const char* name)
    {
        auto* control = FForm->findChild<Control*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QToolButton* button(const char* name) { return find<QToolButton>(name); }
    QString status(int panel)
    {
        return find<QLabel>(qPrintable(QStringLiteral("StatusPanel%1").arg(panel)))->text();
    }
    QString zoomBox() { return find<QComboBox>("ZoomCB")->currentText(); }

    // Window set-up and preparation as ShowReport does them, without the modal loop.
    void showPrepared()
    {
        FForm->Init(*FReport);
        FForm->show();
        FForm->resize(900, 960);
        QVERIFY(frxPrepareInPreview(preview(), false));
        QCOMPARE(preview().GetPageCount(), 1);
    }
    void typeAndEnter(const char* name, const QString& text)
    {
        QLineEdit* edit =
            name == QByteArray("ZoomCB") ? find<QComboBox>(name)->lineEdit() : find<QLineEdit>(name);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    // Answers the next modal dialog of that class, once it is shown.
    template <class Dialog> void whenShown(std::function<void(Dialog&)> answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                whenShown<Dialog>(answer);
                return;
            }
            answer(*dialog);
        });
    }
    void pageSettings(const QString& leftMargin, bool allPages)
    {
        whenShown<TfrxPageSettingsForm>([leftMargin, allPages](TfrxPageSettingsForm& dialog) {
            auto* margin = dialog.findChild<QLineEdit*>(QStringLiteral("MarginLeftE"));
            margin->setText(leftMargin);
            dialog.findChild<QRadioButton*>(QLatin1String(allPages ? "ApplyToAllRB" : "ApplyToCurRB"))
                ->click();
            dialog.accept();
        });
        button("PageSettingsB")->click();
    }
    QStringList rightMenuTexts(QMenu* menu)
    {
        QStringList texts;
        for (QAction* action : menu->actions())
            if (action->isVisible())
                texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return texts;
    }

private slots:
    void init()
    {
        FReport = std::make_unique<TfrxReport>();
        QVERIFY(FReport->LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE)));
        FReport->GetPreviewOptions()->SetMaximized(false);
        FForm = std::make_unique<TfrxPreviewForm>();
        FReport->SetPreview(FForm->GetPreview());
        FErrors.clear();
        FPreviousHandler = frxSetErrorBoxHandler([this](const QString& text) { FErrors << text; });
    }
    void cleanup()
    {
        frxSetErrorBoxHandler(FPreviousHandler);
        FForm.reset();
        FReport.reset();
    }

    void certificateWindowShowsItsOnePage()
    {
        showPrepared();
        QCOMPARE(FForm->windowTitle(), QStringLiteral("Preview"));
        for (const char* name :
             {"PrintB", "OpenB", "SaveB", "FindB", "ZoomPlusB", "ZoomMinusB", "FullScreenBtn", "OutlineB",
              "ThumbB", "PageSettingsB", "DesignerB", "FirstB", "PriorB", "NextB", "LastB", "CancelB"}) {
            QVERIFY2(button(name)->isVisible(), name);
            QVERIFY2(button(name)->isEnabled(), name);
        }
        QVERIFY(!button("PdfB")->isVisible());
        QVERIFY(!button("EmailB")->isVisible());
        QCOMPARE(button("PrintB")->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(button("DesignerB")->toolTip(), QStringLiteral("Edit Page"));
        QCOMPARE(button("CancelB")->text(), QStringLiteral("Close"));
        QCOMPARE(zoomBox(), QStringLiteral("100%"));
        QCOMPARE(status(0), QStringLiteral("Page 1 of 1"));
        QCOMPARE(find<QLineEdit>("PageE")->text(), QStringLiteral("1"));
        QCOMPARE(find<QLabel>("OfNL")->text(), QStringLiteral("of 1"));
        QCOMPARE(find<QLabel>("StatusPanel1")->width(), find<QLabel>("StatusPanel2")->width());
        QCOMPARE(find<QLabel>("StatusPanel0")->width(), 200);
    }

    void captionIsTheReportName()
    {
        FReport->GetReportOptions()->SetName(QStringLiteral("Свидетельство"));
        showPrepared();
        QCOMPARE(FForm->windowTitle(), QStringLiteral("Свидетельство"));
    }

    void menusHoldTheToolbarCommands()
    {
        showPrepared();
        QMenu* save = button("SaveB")->menu();
        QCOMPARE(save->actions().size(), 2);
        QCOMPARE(save->actions().at(0)->text(), QStringLiteral("Prepared Report..."));
        QVERIFY(save->actions().at(1)->isSeparator());
        const QStringList expected{QStringLiteral("Print"),    QStringLiteral("Open"),
                                   QStringLiteral("Save"),     QStringLiteral("Find"),
                                   QStringLiteral("-"),        QStringLiteral("Zoom In"),
                                   QStringLiteral("Zoom Out"), QStringLiteral("Full Screen")};
        QCOMPARE(rightMenuTexts(FForm->GetRightMenu()), expected);
        QMenu* saveItems = FForm->GetRightMenu()->actions().at(5)->menu();
        QVERIFY(saveItems);
        QCOMPARE(saveItems->actions().size(), 2);
        QCOMPARE(FForm->GetRightMenu()->actions().at(0)->text(), QStringLiteral("Collapse all"));
        QVERIFY(!FForm->GetRightMenu()->actions().at(0)->isVisible());
    }

    void preparationDisablesTheCommandsAndCanBeCancelled()
    {
        FForm->Init(*FReport);
        FForm->show();
        QStringList seen;
        connect(&preview(), &TfrxPreview::preparationStarted, this, [&] {
            for (const char* name : {"PrintB", "SaveB", "FindB", "PageSettingsB", "OpenB", "DesignerB"})
                if (button(name)->isEnabled())
                    seen << QString::fromLatin1(name);
            seen << button("CancelB")->text();
            button("CancelB")->click();
            seen << (FReport->GetTerminated() ? QStringLiteral("terminated") : QStringLiteral("running"));
            // A close request is refused while the report is being prepared.
            FForm->close();
            seen << (FForm->isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
        });
        frxPrepareInPreview(preview(), false);
        QCOMPARE(seen, (QStringList{QStringLiteral("Cancel"), QStringLiteral("terminated"),
                                    QStringLiteral("open")}));
        QCOMPARE(button("CancelB")->text(), QStringLiteral("Close"));
        QVERIFY(button("OpenB")->isEnabled());
    }

    void zoomButtonsAndBox()
    {
        showPrepared();
        button("ZoomPlusB")->click();
        QCOMPARE(preview().GetZoom(), 1.25);
        QCOMPARE(zoomBox(), QStringLiteral("125%"));
        preview().SetZoom(0.25);
        button("ZoomMinusB")->click();
        QCOMPARE(preview().GetZoom(), 0.25);
        typeAndEnter("ZoomCB", QStringLiteral("87,5 %"));
        QCOMPARE(preview().GetZoom(), 0.875);
        QCoreApplication::processEvents();
        QCOMPARE(zoomBox(), QStringLiteral("88%"));
        typeAndEnter("ZoomCB", QStringLiteral("150.5"));
        QCOMPARE(preview().GetZoom(), 1.505);
        typeAndEnter("ZoomCB", QStringLiteral("abc"));
        QCOMPARE(FErrors, QStringList{QStringLiteral("'abc' is not a valid floating point value")});
        QCOMPARE(preview().GetZoom(), 1.505);
        typeAndEnter("ZoomCB", QStringLiteral("%"));
        QCOMPARE(preview().GetZoom(), 1.505);
    }

    void wholePageFitsThePageAndShowsItsPercentage()
    {
        showPrepared();
        FForm->resize(900, 600);
        QComboBox* zoom = find<QComboBox>("ZoomCB");
        emit zoom->activated(7);
        QCOMPARE(preview().GetZoomMode(), zmWholePage);
        QCoreApplication::processEvents();
        const QString percent = QString::number(qRound(preview().GetZoom() * 100)) + u'%';
        QCOMPARE(zoomBox(), percent);
        QVERIFY(preview().GetZoom() < 1);
        QCOMPARE(preview().GetPageNo(), 1);
        QCOMPARE(preview().GetSavedPageNo(), -1);
    }

    void pageBoxGoesToTheTypedPage()
    {
        showPrepared();
        typeAndEnter("PageE", QStringLiteral("7"));
        QCOMPARE(preview().GetPageNo(), 1);
        QVERIFY(FErrors.isEmpty());
        typeAndEnter("PageE", QString());
        QCOMPARE(FErrors, QStringList{QStringLiteral("'' is not a valid integer value")});
        QTest::keyClicks(find<QLineEdit>("PageE"), QStringLiteral("x2"));
        QCOMPARE(find<QLineEdit>("PageE")->text(), QStringLiteral("2"));
    }

    void fullScreenHidesTheBarsUntilF11OrADoubleClick()
    {
        showPrepared();
        QTest::keyClick(FForm.get(), Qt::Key_F11);
        QVERIFY(FForm->GetFullScreen());
        QVERIFY(!find<QWidget>("ToolBar")->isVisible());
        QVERIFY(!find<QStatusBar>("StatusBar")->isVisible());
        QVERIFY(FForm->windowState() & Qt::WindowFullScreen);
        emit preview().dblClick();
        QVERIFY(!FForm->GetFullScreen());
        QVERIFY(find<QWidget>("ToolBar")->isVisible());
        QVERIFY(!(FForm->windowState() & Qt::WindowFullScreen));
        button("FullScreenBtn")->click();
        QVERIFY(FForm->GetFullScreen());
        QTest::keyClick(FForm.get(), Qt::Key_F11);
        QVERIFY(find<QStatusBar>("StatusBar")->isVisible());
    }

    void optionsChooseTheButtons()
    {
        TfrxPreviewOptions& options = *FReport->GetPreviewOptions();
        options.SetAllowEdit(false);
        options.SetButtons(kDefaultPreviewButtons + TfrxPreviewButtons{pbNoClose} -
                           TfrxPreviewButtons{pbZoom});
        options.SetShowCaptions(true);
        showPrepared();
        QVERIFY(button("DesignerB")->isVisible());
        QVERIFY(!button("DesignerB")->isEnabled());
        QVERIFY(!button("CancelB")->isVisible());
        QVERIFY(!button("ZoomPlusB")->isVisible());
        QVERIFY(!find<QWidget>("Sep1")->isVisible());
        QCOMPARE(button("PrintB")->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        QCOMPARE(button("PrintB")->text(), QStringLiteral("Print"));
        // Esc closes the window without a Close button.
        QTest::keyClick(FForm.get(), Qt::Key_Escape);
        QVERIFY(!FForm->isVisible());
    }

    void savedReportOpensAgain()
    {
        showPrepared();
        const QString typed = FFolder.filePath(QStringLiteral("certificate.txt"));
        const QString saved = FFolder.filePath(QStringLiteral("certificate.fp3"));
        FForm->SetOnAskFileName([&](bool save, const QString& filter) { return save ? typed : saved; });
        find<QMenu>("ExportPopup")->actions().at(0)->trigger();
        QVERIFY(QFile::exists(saved));
        QVERIFY(!QFile::exists(typed));
        QVERIFY(!preview().GetLocked());

        pages().Clear();
        preview().RebuildPageList();
        FReport->GetReportOptions()->SetName(QString());
        button("OpenB")->click();
        QVERIFY(FErrors.isEmpty());
        QCOMPARE(preview().GetPageCount(), 1);
        QCOMPARE(preview().GetPageNo(), 1);
        QCOMPARE(status(0), QStringLiteral("Page 1 of 1"));
        QCOMPARE(FForm->windowTitle(), QStringLiteral("Preview"));
        QCOMPARE(pages().GetPage(0)->GetPaperSize(), 11);
    }

    void failedOpenIsShownAndTheWindowStays()
    {
        showPrepared();
        const QString broken = FFolder.filePath(QStringLiteral("broken.fp3"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<preparedreport><page");
        file.close();
        FForm->SetOnAskFileName([&](bool, const QString&) { return broken; });
        button("OpenB")->click();
        QCOMPARE(FErrors.size(), 1);
        QVERIFY(FForm->isVisible());
        QVERIFY(!preview().GetLocked());
        QVERIFY(!preview().GetMessagePanel()->isVisible());
    }

    void pageSettingsForTheCurrentPage()
    {
        showPrepared();
        pageSettings(QStringLiteral("1"), false);
        QCOMPARE(pages().GetPage(0)->GetLeftMargin(), 10.0);
        // The template keeps its margins.
        auto* templatePage = dynamic_cast<TfrxReportPage*>(FReport->FindObject(QStringLiteral("Page1")));
        QVERIFY(templatePage);
        QCOMPARE(templatePage->GetLeftMargin(), 5.0);
        QVERIFY(!preview().GetLocked());
    }

    void pageSettingsForAllPagesPreparesAgain()
    {
        showPrepared();
        pageSettings(QStringLiteral("2"), true);
        auto* templatePage = dynamic_cast<TfrxReportPage*>(FReport->FindObject(QStringLiteral("Page1")));
        QVERIFY(templatePage);
        QCOMPARE(templatePage->GetLeftMargin(), 20.0);
        QCOMPARE(templatePage->GetPaperSize(), 11);
        QCOMPARE(preview().GetPageCount(), 1);
        QCOMPARE(pages().GetPage(0)->GetLeftMargin(), 20.0);
        QCOMPARE(status(0), QStringLiteral("Page 1 of 1"));
        QVERIFY(!preview().GetRunning());
    }

    void searchDialogStartsWithTheLastText()
    {
        showPrepared();
        whenShown<TfrxSearchDialog>([](TfrxSearchDialog& dialog) {
            dialog.findChild<QLineEdit*>(QStringLiteral("TextE"))->setText(QStringLiteral("нет такого"));
            dialog.accept();
        });
        QStringList infos;
        const TfrxInfoBoxHandler previous = frxSetInfoBoxHandler([&](const QString& text) { infos << text; });
        button("FindB")->click();
        frxSetInfoBoxHandler(previous);
        QVERIFY(!preview().FindTextFound());
        QCOMPARE(infos, QStringList{QStringLiteral("Text not found")});
        TfrxSearchDialog next;
        QCOMPARE(next.GetTextToFind(), QStringLiteral("нет такого"));
        QVERIFY(next.findChild<QLineEdit*>(QStringLiteral("TextE"))->hasSelectedText());
    }

    void editChangesThePreparedPageOnlyWhenTheDesignerSaysSo()
    {
        showPrepared();
        const auto memoText = [this] {
            auto* memo = dynamic_cast<TfrxMemoView*>(pages().GetPage(0)->FindObject(QStringLiteral("Memo5")));
            return memo ? memo->GetMemo().join(u'\n') : QStringLiteral("<none>");
        };
        const QString before = memoText();
        // Without a designer the button does nothing.
        button("DesignerB")->click();
        QCOMPARE(memoText(), before);

        bool modified = false;
        int designed = 0;
        frxReportParts().DesignPreviewPage = [&](TfrxReport& copy) {
            ++designed;
            auto* memo = dynamic_cast<TfrxMemoView*>(copy.FindObject(QStringLiteral("Memo5")));
            if (memo)
                memo->SetText(QStringLiteral("Правка"));
            return modified;
        };
        button("DesignerB")->click();
        QCOMPARE(memoText(), before);
        modified = true;
        button("DesignerB")->click();
        frxReportParts().DesignPreviewPage = nullptr;
        QCOMPARE(designed, 2);
        QCOMPARE(memoText(), QStringLiteral("Правка"));
        QVERIFY(!preview().GetLocked());
        QVERIFY(FErrors.isEmpty());
    }

    void showTemplateOpensTheDesignerOnTheSourcePages()
    {
        showPrepared();
        QAction* showTemplate = FForm->findChild<QAction*>(QStringLiteral("ShowTemplateMI"));
        QVERIFY(showTemplate);
        showTemplate->trigger(); // no designer: nothing happens
        QStringList designed;
        frxReportParts().DesignReport = [&](TfrxReport& copy) {
            for (int n = 0; n < copy.GetPagesCount(); ++n)
                designed << copy.GetPages(n)->GetName();
            if (auto* memo = dynamic_cast<TfrxMemoView*>(copy.FindObject(QStringLiteral("Memo5"))))
                memo->SetText(QStringLiteral("Правка"));
        };
        showTemplate->trigger();
        frxReportParts().DesignReport = nullptr;
        QCOMPARE(designed, QStringList{QStringLiteral("Page1")});
        auto* source =
            dynamic_cast<TfrxMemoView*>(pages().GetSourcePage(0)->FindObject(QStringLiteral("Memo5")));
        QVERIFY(source);
        QVERIFY(source->GetMemo().join(QString()) != QStringLiteral("Правка"));
    }

    void screenshots()
    {
        showPrepared();
        QDir().mkpath(QStringLiteral(CERTPRINT_SCREENSHOTS));
        QVERIFY(FForm->grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/preview-template-100.png")));
    }
};

int main(int argc, char** argv)
{
    // Nothing listens here, so the printer layer offers its virtual printer alone.
    qputenv("CUPS_SERVER", "/nonexistent/frx-preview-form-tests/cups.sock");
    QApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    frxRegisterEngine();
    frxRegisterPreview();
    PreviewFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreviewFormTest.moc"
