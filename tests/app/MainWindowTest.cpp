#include "FakeDialogs.h"
#include "PreviewWatcher.h"
#include "app/CertApplication.h"
#include "app/TAboutBox.h"
#include "app/TfmMain.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Drives the real certificate window the way an operator does: typing, moving the focus, picking
// and choosing menu items, with the dialogs answered by FakeDialogs.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TfmMain> window;
    std::unique_ptr<FakeDialogs> fake;
    // Closes the preview window that a complete print opens.
    PreviewWatcher previews;
    QTemporaryDir folder;

    const CertificateControls& c() const { return window->controls(); }
    QLineEdit* edit(int n) const { return c().edits[n - 1]; }
    QLineEdit* hours(int n) const { return c().hours[n - 1]; }
    QComboBox* choice(int n) const { return c().choices[n - 1]; }

    void typeInto(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void leave() { edit(1)->setFocus(); }
    QString path(const QString& name) const { return folder.filePath(name); }
    QByteArray bytesOf(const QString& fileName) const
    {
        QFile file(fileName);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
    void fillCompleteCertificate()
    {
        const char* texts[] = {"ЧОУ ДПО «Автошкола Дорога»", "г. Тверь", "г. Тверь", "7719",
                               "Иванов Иван Иванович", "Подготовка водителей ТС категории «B»",
                               "Водитель транспортного средства", "B", "Петров П.П.", "124/7"};
        for (int n = 1; n <= 10; ++n)
            edit(n)->setText(QString::fromUtf8(texts[n - 1]));
        c().dates[0]->setDate(QDate(2019, 3, 5));
        c().dates[1]->setDate(QDate(2019, 6, 28));
    }

private slots:
    void init()
    {
        const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/shablon.fr3");
        QFile::remove(installed);
        QVERIFY(QFile::copy(QStringLiteral(CERTPRINT_TEMPLATE), installed));
        fake = std::make_unique<FakeDialogs>();
        window = std::make_unique<TfmMain>();
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void startsWithTheBlankAndEmptyRecord()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Свидетельство о профессии водителя (А5- формат 2019)"));
        QCOMPARE(window->centralWidget()->size(), QSize(1005, 647));
        QCOMPARE(window->findChild<QScrollArea*>(QStringLiteral("ScrollBox1"))->size(), QSize(901, 606));
        QVERIFY(!window->saveAction()->isEnabled());
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(hours(n)->text(), QStringLiteral("0"));
            QCOMPARE(choice(n)->currentIndex(), -1);
            QCOMPARE(choice(n)->currentText(), QString());
        }
        QCOMPARE(c().total()->text(), QStringLiteral("0"));
        QVERIFY(!c().total()->isEnabled());
        for (QDateEdit* picker : c().dates)
            QCOMPARE(picker->date(), QDate::currentDate());
        QCOMPARE(c().dates[0]->text(), QLocale().toString(QDate::currentDate(), QLocale::LongFormat));
    }

    void controlsUseTheirFonts()
    {
        const struct { QWidget* widget; int height; bool bold; } fonts[] = {
            {edit(1), 12, false}, {edit(4), 11, true}, {edit(5), 13, false}, {edit(8), 11, true},
            {choice(1), 9, false}, {c().transmission, 9, true}, {c().categoryLabels[0], 12, true},
            {c().dates[0], 11, false},
        };
        for (const auto& f : fonts) {
            const QFontInfo info(f.widget->font());
            QCOMPARE(info.family(), QStringLiteral("Tahoma"));
            QCOMPARE(info.pixelSize(), f.height);
            QCOMPARE(info.bold(), f.bold);
        }
    }

    void tabVisitsTheControlsInNameOrder()
    {
        const QStringList expected = {"cmb_1", "cmb_10", "cmb_2", "cmb_3", "cmb_4", "cmb_5", "cmb_6", "cmb_7",
            "cmb_8", "cmb_9", "cmb_kpp", "DateTimePicker1", "DateTimePicker2", "DateTimePicker3",
            "DateTimePicker4", "Edit_1", "Edit_10", "Edit_2", "Edit_3", "Edit_4", "Edit_5", "Edit_6", "Edit_7",
            "Edit_8", "Edit_9", "edt_1", "edt_10", "edt_2", "edt_3", "edt_4", "edt_5", "edt_6", "edt_7", "edt_8",
            "edt_9"};
        QWidget* w = choice(1);
        for (const QString& name : expected) {
            QCOMPARE(w->objectName(), name);
            w = w->nextInFocusChain();
            while (w->parentWidget() != choice(1)->parentWidget() || !w->isEnabled())
                w = w->nextInFocusChain();
        }
    }

    void lengthLimitsStopTyping()
    {
        const QString longText(70, u'w');
        const struct { QLineEdit* field; int limit; } limits[] = {
            {edit(1), 58}, {edit(2), 58}, {edit(3), 50}, {edit(4), 4}, {edit(5), 44}, {edit(6), 44},
            {edit(7), 70}, {edit(8), 70}, {edit(9), 25}, {edit(10), 25}, {hours(1), 5}, {hours(10), 5},
        };
        for (const auto& l : limits) {
            typeInto(l.field, longText);
            QCOMPARE(l.field->text().size(), l.limit);
        }
    }

    void leavingAnHoursFieldNormalisesAllAndTotals()
    {
        typeInto(hours(1), QStringLiteral("72"));
        typeInto(hours(2), QStringLiteral("1,25"));
        typeInto(hours(3), QStringLiteral("3,0"));
        hours(4)->clear();
        hours(4)->setFocus();
        leave();
        QCOMPARE(hours(1)->text(), QStringLiteral("72"));
        QCOMPARE(hours(2)->text(), QStringLiteral("1,3"));
        QCOMPARE(hours(3)->text(), QStringLiteral("3"));
        QCOMPARE(hours(4)->text(), QStringLiteral("0"));
        QCOMPARE(c().total()->text(), QStringLiteral("76,3"));
        QVERIFY(fake->errors.isEmpty());
    }

    void aNonNumberStopsNormalisationWithItsText()
    {
        hours(1)->setText(QStringLiteral("5,55"));
        hours(3)->setText(QStringLiteral("abc"));
        hours(4)->setText(QStringLiteral("2,25"));
        c().total()->setText(QStringLiteral("7"));
        hours(2)->setFocus();
        leave();
        QCOMPARE(fake->errors, QStringList{QStringLiteral("'abc' is not a valid floating point value")});
        QCOMPARE(hours(1)->text(), QStringLiteral("5,6"));
        QCOMPARE(hours(3)->text(), QStringLiteral("abc"));
        QCOMPARE(hours(4)->text(), QStringLiteral("2,25"));
        QCOMPARE(c().total()->text(), QStringLiteral("7"));
    }

    void categoryIsMirroredOnEveryKeystroke()
    {
        edit(8)->setFocus();
        QTest::keyClicks(edit(8), QStringLiteral("B"));
        for (QLabel* label : c().categoryLabels)
            QCOMPARE(label->text(), QStringLiteral("B"));
        QTest::keyClicks(edit(8), QStringLiteral(",C"));
        for (QLabel* label : c().categoryLabels) {
            QCOMPARE(label->text(), QStringLiteral("B,C"));
            QVERIFY(label->width() >= label->sizeHint().width());
        }
        window->clearAction()->trigger();
        for (QLabel* label : c().categoryLabels)
            QCOMPARE(label->text(), QString());
    }

    void clearEmptiesTheRecordButKeepsTheFile()
    {
        fillCompleteCertificate();
        fake->nextOpen = QStringLiteral(CERTPRINT_SAMPLE);
        window->openAction()->trigger();
        const QString title = window->windowTitle();
        for (int n = 1; n <= 10; ++n)
            choice(n)->setCurrentIndex(1);
        window->findChild<QPushButton*>(QStringLiteral("Button2"))->click();
        for (int n = 1; n <= 10; ++n) {
            QCOMPARE(edit(n)->text(), QString());
            QCOMPARE(hours(n)->text(), QStringLiteral("0"));
            QCOMPARE(choice(n)->currentIndex(), -1);
        }
        QCOMPARE(c().transmission->currentIndex(), -1);
        QCOMPARE(c().total()->text(), QStringLiteral("0"));
        for (QDateEdit* picker : c().dates)
            QCOMPARE(picker->date(), QDate::currentDate());
        QCOMPARE(window->windowTitle(), title);
        QVERIFY(window->saveAction()->isEnabled());
        QCOMPARE(window->certificateFileName(), QStringLiteral(CERTPRINT_SAMPLE));
    }

    void saveAsThenOpenBringsEverythingBack()
    {
        fillCompleteCertificate();
        c().dates[2]->setDate(QDate(2019, 7, 1));
        c().dates[3]->setDate(QDate(2019, 7, 2));
        hours(1)->setText(QStringLiteral("1,25"));
        hours(2)->setText(QStringLiteral("72"));
        for (int n = 1; n <= 9; ++n)
            choice(n)->setCurrentIndex(n % 3);
        choice(10)->setCurrentIndex(5);
        c().transmission->setCurrentIndex(1);
        fake->nextSave = path(QStringLiteral("иванов.vod"));
        window->saveAsAction()->trigger();
        QCOMPARE(fake->messages.last(), QStringLiteral("Файл сохранен : ") + fake->nextSave);
        QVERIFY(!window->saveAction()->isEnabled());
        QCOMPARE(fake->saveFilters.last(), QStringLiteral("файл свидетельства о профессии водителя|*.vod"));

        window->clearAction()->trigger();
        fake->nextOpen = fake->nextSave;
        window->openAction()->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Иванов Иван Иванович"));
        QCOMPARE(edit(1)->text(), QStringLiteral("ЧОУ ДПО «Автошкола Дорога»"));
        QCOMPARE(edit(6)->text(), QStringLiteral("Подготовка водителей ТС категории «B»"));
        QCOMPARE(edit(10)->text(), QStringLiteral("124/7"));
        QCOMPARE(c().dates[0]->date(), QDate(2019, 3, 5));
        QCOMPARE(c().dates[3]->date(), QDate(2019, 7, 2));
        QCOMPARE(hours(1)->text(), QStringLiteral("1,25"));
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(choice(n)->currentIndex(), n % 3);
        QCOMPARE(choice(10)->currentIndex(), 5);
        QCOMPARE(choice(10)->currentText(), QString());
        QCOMPARE(c().transmission->currentIndex(), 1);
        for (QLabel* label : c().categoryLabels)
            QCOMPARE(label->text(), QStringLiteral("B"));
        // The total is recomputed in the general number format, not rounded to one decimal.
        QCOMPARE(c().total()->text(), QStringLiteral("73,25"));
        QVERIFY(window->saveAction()->isEnabled());
    }

    void saveAsOntoAnExistingFileKeepsItsOtherLines()
    {
        const QString fileName = path(QStringLiteral("old.vod"));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; written by hand\r\n[Слева]\r\nedit_1=old\r\nnote=keep me\r\n[Other]\r\nx=1\r\n");
        file.close();
        edit(1)->setText(QStringLiteral("new"));
        fake->nextSave = fileName;
        window->saveAsAction()->trigger();
        const QString content = QString::fromUtf8(bytesOf(fileName));
        QVERIFY(content.contains(QStringLiteral("; written by hand")));
        QVERIFY(content.contains(QStringLiteral("note=keep me")));
        QVERIFY(content.contains(QStringLiteral("[Other]\r\nx=1")));
        QVERIFY(content.contains(QStringLiteral("edit_1=new")));
        QVERIFY(!content.contains(QStringLiteral("edit_1=old")));
    }

    void saveWritesToTheOpenedFileOnly()
    {
        const QString opened = path(QStringLiteral("a.vod"));
        QVERIFY(QFile::copy(QStringLiteral(CERTPRINT_SAMPLE), opened));
        QFile::setPermissions(opened, QFile::ReadOwner | QFile::WriteOwner);
        fake->nextOpen = opened;
        window->openAction()->trigger();
        fake->nextSave = path(QStringLiteral("b.vod"));
        window->saveAsAction()->trigger();
        edit(5)->setText(QStringLiteral("Сидоров"));
        window->saveAction()->trigger();
        QCOMPARE(fake->messages.last(), QStringLiteral("Файл сохранен : ") + opened);
        QCOMPARE(fake->saveFolders.last(), folder.path());
        fake->nextOpen = opened;
        window->openAction()->trigger();
        QCOMPARE(edit(5)->text(), QStringLiteral("Сидоров"));
        QCOMPARE(fake->openFolders.last(), folder.path());
    }

    void cancelledSaveAsSaysNotSaved()
    {
        fake->nextSave.clear();
        window->saveAsAction()->trigger();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Файл не сохранен!")});
    }

    void failedSaveReportsTheFileAndNoSuccess()
    {
        const QString fileName = path(QStringLiteral("missing folder/locked.vod"));
        edit(5)->setText(QStringLiteral("Сидоров"));
        fake->nextSave = fileName;
        QTimer::singleShot(0, window->saveAsAction(), &QAction::trigger); // through the event loop's handler
        QTRY_COMPARE(fake->errors.size(), 1);
        QCOMPARE(fake->errors.first(), QStringLiteral("Unable to write to ") + fileName);
        QVERIFY(fake->messages.isEmpty());
        QVERIFY(!QFile::exists(fileName));
    }

    void openingAForeignFileFillsDefaults()
    {
        const QString fileName = path(QStringLiteral("readme.txt"));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Just some notes.\nNothing to see.\n");
        file.close();
        fake->nextOpen = fileName;
        QTimer::singleShot(0, window->openAction(), &QAction::trigger);
        QTRY_COMPARE(fake->errors.size(), 1);
        QCOMPARE(fake->errors.first(), QStringLiteral("'Ошибка при чтении!' is not a valid floating point value"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ошибка при чтении!"));
        QCOMPARE(edit(1)->text(), QStringLiteral("Ошибка при чтении!"));
        QCOMPARE(hours(1)->text(), QStringLiteral("Ошибка при чтении!"));
        QCOMPARE(c().total()->text(), QStringLiteral("Ошибка!"));
        QCOMPARE(c().dates[0]->date(), QDate::currentDate());
        QCOMPARE(choice(1)->currentIndex(), -1);
        QVERIFY(window->saveAction()->isEnabled());
        QCOMPARE(window->certificateFileName(), fileName);
    }

    void unreadableValuesComeBackAsDefaults()
    {
        const QString fileName = path(QStringLiteral("odd.vod"));
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Слева]\r\ndate1=2019-03-05\r\ndate2=\r\ndate3=5.3.19\r\n[Таблица]\r\n"
                   "cmb_1=7\r\ncmb_2=abc\r\ncmb_3=0x2\r\ncmb_4=-1\r\ncmb_5=2\r\ncmb_10=5\r\n");
        for (int n = 1; n <= 10; ++n)
            file.write(QStringLiteral("edt_%1=1\r\n").arg(n).toLatin1());
        file.close();
        fake->nextOpen = fileName;
        window->openAction()->trigger();
        QCOMPARE(c().dates[0]->date(), QDate::currentDate());
        QCOMPARE(c().dates[1]->date(), QDate::currentDate());
        QCOMPARE(c().dates[2]->date(), QDate(2019, 3, 5));
        const int expected[] = {-1, -1, 2, -1, 2};
        for (int n = 1; n <= 5; ++n)
            QCOMPARE(choice(n)->currentIndex(), expected[n - 1]);
        QCOMPARE(choice(10)->currentIndex(), 5);
        QCOMPARE(c().total()->text(), QStringLiteral("10"));
    }

    void printButtonAndMenuValidateAlike()
    {
        fillCompleteCertificate();
        const struct { int field; const char* message; } cases[] = {
            {1, "Введите наименование организации!"}, {3, "Введите наименование населенного пункта!"},
            {4, "Введите серию свидетельства!"}, {5, "Введите ФИО обучающегося!"},
            {6, "Введите название образовательной программы!"}, {7, "Введите присвоенную квалификацию!"},
            {8, "Введите категорию ТС!"}, {9, "Введите ФИО руководителя образовательной организации!"},
            {10, "Введите номер протокола!"},
        };
        auto* printButton = window->findChild<QPushButton*>(QStringLiteral("Button1"));
        for (const auto& check : cases) {
            const QString saved = edit(check.field)->text();
            edit(check.field)->clear();
            if (check.field == 3)
                edit(1)->clear(); // only the first missing value is reported
            fake->messages.clear();
            printButton->click();
            window->printAction()->trigger();
            const QString expected = QString::fromUtf8(check.field == 3 ? cases[0].message : check.message);
            QCOMPARE(fake->messages, (QStringList{expected, expected}));
            edit(check.field)->setText(saved);
            edit(1)->setText(QStringLiteral("ЧОУ"));
        }
        edit(2)->clear();
        edit(1)->setText(QStringLiteral(" "));
        c().dates[1]->setDate(c().dates[0]->date());
        fake->messages.clear();
        printButton->click();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Даты начала и окончания обучения совпадают!")});
        c().dates[1]->setDate(c().dates[0]->date().addDays(-1));
        fake->messages.clear();
        printButton->click();
        QVERIFY(fake->messages.isEmpty());
    }

    void mockupCommandSaysWhenTheFileIsMissing()
    {
        const QString pdf = QCoreApplication::applicationDirPath() + QStringLiteral("/шаблон.pdf");
        QFile::remove(pdf);
        window->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        QCOMPARE(fake->messages, QStringList{QStringLiteral("Файл шаблона не найден!")});
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        window->findChild<QPushButton*>(QStringLiteral("Button4"))->click();
        QCOMPARE(fake->openedDocuments, QStringList{pdf});
        QFile::remove(pdf);
    }

    void aboutBoxOpensAgainAndAgain()
    {
        for (int i = 0; i < 2; ++i) {
            QTimer::singleShot(0, [this] {
                QVERIFY(window->aboutBox()->isVisible());
                QTest::keyClick(window->aboutBox(), Qt::Key_Return);
            });
            window->aboutAction()->trigger();
            QVERIFY(!window->aboutBox()->isVisible());
        }
    }

    void screenshots()
    {
        fake->nextOpen = QStringLiteral(CERTPRINT_SAMPLE);
        window->openAction()->trigger();
        QDir().mkpath(QStringLiteral(CERTPRINT_SCREENSHOTS));
        QVERIFY(window->grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/main-window.png")));
        window->aboutBox()->show();
        QVERIFY(window->aboutBox()->grab().save(QStringLiteral(CERTPRINT_SCREENSHOTS "/about-box.png")));
        window->aboutBox()->hide();
    }
};

int main(int argc, char** argv)
{
    CertApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "MainWindowTest.moc"
