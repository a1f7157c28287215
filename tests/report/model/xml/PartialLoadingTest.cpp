#include "XMLTestSupport.h"

#include "common/Exception.h"
#include "report/model/xml/AnsiCodePage.h"
#include "report/model/xml/TfrxInvalidXMLException.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PartialLoading : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FTempDir.isValid());
        FDocument.SetTempDir(FTempDir.path());
    }

    QStringList filesInTempDir() const { return QDir(FTempDir.path()).entryList(QDir::Files); }

    // A prepared report whose pages after the first may be parked.
    void buildPreparedReport(TfrxXMLDocument& document, int pages)
    {
        TfrxXMLItem* root = document.GetRoot();
        root->SetName(QStringLiteral("preparedreport"));
        TfrxXMLItem* previewPages = root->Add(QStringLiteral("previewpages"));
        for (int i = 0; i < pages; ++i) {
            TfrxXMLItem* page = previewPages->Add(QStringLiteral("page0"));
            page->SetUnloadable(i > 0);
            TfrxXMLItem* band = page->Add(QStringLiteral("TfrxNullBand"));
            band->SetText(QStringLiteral("l=\"0\" t=\"0\""));
            band->Add(QStringLiteral("m1"))
                ->SetProp(QStringLiteral("u"), QStringLiteral("Страница %1").arg(i + 1));
        }
        root->Add(QStringLiteral("dictionary"))
            ->Add(QStringLiteral("m1"))
            ->SetProp(QStringLiteral("name"), QStringLiteral("Page0.Memo1"));
    }

    static TfrxXMLItem* page(TfrxXMLDocument& document, int index)
    {
        return document.GetRoot()->GetItems(0)->GetItems(index);
    }

    static QString pageText(TfrxXMLItem* page)
    {
        return page->GetItems(0)->GetItems(0)->GetProp(QStringLiteral("u"));
    }

    QTemporaryDir FTempDir;
    TfrxXMLDocument FDocument;
};

} // namespace

TEST_F(PartialLoading, MarkedElementsAreParkedAndFetchedBack)
{
    TfrxXMLDocument written;
    buildPreparedReport(written, 3);
    loadBytesPartially(FDocument, saveBytes(written));

    TfrxXMLItem* first = page(FDocument, 0);
    EXPECT_TRUE(first->GetLoaded());
    EXPECT_EQ(pageText(first), QStringLiteral("Страница 1"));
    for (int i = 1; i < 3; ++i) {
        TfrxXMLItem* parked = page(FDocument, i);
        EXPECT_FALSE(parked->GetLoaded());
        EXPECT_TRUE(parked->GetUnloadable());
        EXPECT_EQ(parked->GetCount(), 0);
        EXPECT_EQ(parked->GetText(), QString());
    }
    EXPECT_EQ(FDocument.GetRoot()->GetItems(1)->GetItems(0)->GetProp(QStringLiteral("name")),
              QStringLiteral("Page0.Memo1"));

    FDocument.LoadItem(page(FDocument, 2));
    EXPECT_TRUE(page(FDocument, 2)->GetLoaded());
    EXPECT_EQ(pageText(page(FDocument, 2)), QStringLiteral("Страница 3"));
    EXPECT_EQ(page(FDocument, 2)->GetItems(0)->GetText(), QStringLiteral("l=\"0\" t=\"0\""));
    EXPECT_TRUE(filesInTempDir().isEmpty()) << "the loaded stream serves, nothing is copied";
}

TEST_F(PartialLoading, UnloadingUsesATemporaryFileThatIsAlwaysRemoved)
{
    buildPreparedReport(FDocument, 3);
    FDocument.UnloadItem(page(FDocument, 0));
    EXPECT_TRUE(page(FDocument, 0)->GetLoaded()) << "not unloadable";
    FDocument.UnloadItem(page(FDocument, 1));
    FDocument.UnloadItem(page(FDocument, 2));
    const QStringList files = filesInTempDir();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].startsWith(QLatin1String("fr")));
    EXPECT_FALSE(page(FDocument, 1)->GetLoaded());
    EXPECT_EQ(page(FDocument, 1)->GetCount(), 0);

    FDocument.LoadItem(page(FDocument, 1));
    EXPECT_EQ(pageText(page(FDocument, 1)), QStringLiteral("Страница 2"));
    FDocument.Clear();
    EXPECT_TRUE(filesInTempDir().isEmpty());

    {
        TfrxXMLDocument another;
        another.SetTempDir(FTempDir.path());
        buildPreparedReport(another, 2);
        another.UnloadItem(page(another, 1));
        EXPECT_EQ(filesInTempDir().size(), 1);
        loadBytes(another, kDeclaration + "<r/>");
        EXPECT_TRUE(filesInTempDir().isEmpty()) << "a new load drops the old temporary file";
        another.UnloadItem(another.GetRoot());
        another.GetRoot()->SetUnloadable(true);
        another.GetRoot()->Add();
        another.UnloadItem(another.GetRoot());
        EXPECT_EQ(filesInTempDir().size(), 1);
    }
    EXPECT_TRUE(filesInTempDir().isEmpty()) << "destroying the document removes its file";
}

TEST_F(PartialLoading, SavingWritesParkedElementsWholeAndParksThemAgain)
{
    TfrxXMLDocument expected;
    buildPreparedReport(expected, 3);
    const QByteArray whole = saveBytes(expected);

    buildPreparedReport(FDocument, 3);
    FDocument.UnloadItem(page(FDocument, 1));
    FDocument.UnloadItem(page(FDocument, 2));
    EXPECT_EQ(saveBytes(FDocument), whole);
    EXPECT_FALSE(page(FDocument, 1)->GetLoaded());
    EXPECT_EQ(page(FDocument, 1)->GetCount(), 0);
    EXPECT_EQ(saveBytes(FDocument), whole);
}

TEST_F(PartialLoading, AttributesChangedWhileParkedAreKept)
{
    buildPreparedReport(FDocument, 2);
    TfrxXMLItem* parked = page(FDocument, 1);
    FDocument.UnloadItem(parked);
    parked->SetProp(QStringLiteral("c"), QStringLiteral("1"));
    FDocument.LoadItem(parked);
    EXPECT_EQ(parked->GetText(), QStringLiteral("c=\"1\""));
    EXPECT_EQ(pageText(parked), QStringLiteral("Страница 2"));
}

TEST_F(PartialLoading, AnElementEmptiedButNeverParkedFetchesNothing)
{
    buildPreparedReport(FDocument, 3);
    FDocument.UnloadItem(page(FDocument, 1));
    TfrxXMLItem* emptied = page(FDocument, 2);
    emptied->Clear();
    ASSERT_FALSE(emptied->GetLoaded());
    FDocument.LoadItem(emptied);
    EXPECT_TRUE(emptied->GetLoaded());
    EXPECT_EQ(emptied->GetCount(), 0);
}

TEST_F(PartialLoading, EightBitAndUtf8PartsOfTheTemporaryStreamAreDecodedEachTheirWay)
{
    const QByteArray old = QByteArray("<?xml version=\"1.0\"?><preparedreport><previewpages>"
                                      "<page0  ld=\"0\"><m1 u=\"") +
                           stringToAnsi(QStringLiteral("Старый")) +
                           "\"/></page0></previewpages></preparedreport>";
    loadBytesPartially(FDocument, old);
    ASSERT_TRUE(FDocument.GetOldVersion());
    TfrxXMLItem* newPage = FDocument.GetRoot()->GetItems(0)->Add(QStringLiteral("page0"));
    newPage->SetUnloadable(true);
    newPage->Add(QStringLiteral("m1"))->SetProp(QStringLiteral("u"), QStringLiteral("Новый"));
    FDocument.UnloadItem(newPage);

    FDocument.LoadItem(page(FDocument, 0));
    FDocument.LoadItem(newPage);
    EXPECT_EQ(page(FDocument, 0)->GetItems(0)->GetProp(QStringLiteral("u")), QStringLiteral("Старый"));
    EXPECT_EQ(newPage->GetItems(0)->GetProp(QStringLiteral("u")), QStringLiteral("Новый"));
}

TEST_F(PartialLoading, SavingToAFileReplacesItAndLeavesNothingBehind)
{
    const QString fileName = QDir(FTempDir.path()).filePath(QStringLiteral("report.fp3"));
    buildPreparedReport(FDocument, 3);
    FDocument.UnloadItem(page(FDocument, 2));
    FDocument.SaveToFile(fileName);
    EXPECT_EQ(filesInTempDir(), QStringList{QStringLiteral("report.fp3")});
    EXPECT_FALSE(page(FDocument, 1)->GetLoaded()) << "reloaded from the file with partial loading";

    // Saving over the file the document was loaded from.
    FDocument.LoadItem(page(FDocument, 1));
    page(FDocument, 1)->GetItems(0)->GetItems(0)->SetProp(QStringLiteral("u"), QStringLiteral("Изменено"));
    FDocument.SaveToFile(fileName);
    EXPECT_EQ(filesInTempDir(), QStringList{QStringLiteral("report.fp3")});
    TfrxXMLDocument reread;
    reread.LoadFromFile(fileName);
    for (int i : {1, 2})
        reread.LoadItem(page(reread, i));
    EXPECT_EQ(pageText(page(reread, 1)), QStringLiteral("Изменено"));
    EXPECT_EQ(pageText(page(reread, 2)), QStringLiteral("Страница 3"));
}

TEST_F(PartialLoading, AFailedSaveKeepsTheFileAndTheDocument)
{
    const QString missingFolder = QDir(FTempDir.path()).filePath(QStringLiteral("missing/report.fp3"));
    buildPreparedReport(FDocument, 2);
    FDocument.UnloadItem(page(FDocument, 1));
    EXPECT_THROW(FDocument.SaveToFile(missingFolder), Exception);
    FDocument.LoadItem(page(FDocument, 1));
    EXPECT_EQ(pageText(page(FDocument, 1)), QStringLiteral("Страница 2"));

    EXPECT_THROW(FDocument.LoadFromFile(missingFolder), Exception);
}

TEST_F(PartialLoading, ADamagedTemporaryStreamIsAFormatErrorNotForeignData)
{
    QByteArray bytes = kDeclaration + "<r><page0  ld=\"0\"><m/></page0><page1  ld=\"0\"><m/></page1></r>";
    loadBytesPartially(FDocument, bytes);
    TfrxXMLItem* second = FDocument.GetRoot()->GetItems(1);
    ASSERT_TRUE(second->GetParked());
    second->SetOffset(FDocument.GetRoot()->GetItems(0)->GetOffset());
    EXPECT_THROW(FDocument.LoadItem(second), TfrxInvalidXMLException);
    EXPECT_FALSE(second->GetLoaded());
}
