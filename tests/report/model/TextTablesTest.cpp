#include "report/model/resources/TfrxResources.h"

#include "common/Exception.h"
#include "report/model/xml/AnsiCodePage.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QByteArray
    kTableHeader("<?xml version=\"1.1\" encoding=\"utf-8\"?>\r\n<Resources CodePage=\"1251\">\r\n");

QByteArray textTable(const QByteArray& texts)
{
    return kTableHeader + texts + "</Resources>\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class TextTables : public ::testing::Test {
protected:
    TextTables() : FResources(FFolder.path()) {}

    QTemporaryDir FFolder;
    TfrxResources FResources;
};

} // namespace

TEST_F(TextTables, TheBuiltInTextsAreFoundUnderTheirKeysInAnyLetterCase)
{
    const std::pair<const char*, const char*> kTexts[] = {
        {"1", "OK"},
        {"2", "Cancel"},
        {"5000", "Password"},
        {"5001", "Enter the password:"},
        {"clErrors", "The following error(s) have occured:"},
        {"clDecompressError", "Stream decompress error"},
        {"mbError", "Error"},
        {"mbConfirm", "Confirm"},
        {"mbInfo", "Information"},
        {"xrCantFindClass", "Cannot find class"},
        {"prdupl", "Duplicate name"},
        {"CLCANTREN", "Could not rename %s, it was introduced in the ancestor report"},
        {"prDefault", "Default"},
        {"obReport", "Report object"},
        {"obRepPage", "Report page"},
        {"obText", "Text object"},
        {"obPicture", "Picture object"},
        {"SIdUndeclared", "Undeclared identifier: "},
    };
    for (const auto& [key, text] : kTexts)
        EXPECT_EQ(FResources.Get(key), text) << key;
}

TEST_F(TextTables, AnAbsentKeyYieldsTheKeyAndALeadingExclamationMarkIsDropped)
{
    for (const char* key : {"clDecryptError", "Invalid password", "obDataPage", ""})
        EXPECT_EQ(FResources.Get(key), key);
    FResources.Add("untranslated", "!Not yet translated");
    FResources.Add("exclaimed", "!!Twice");
    EXPECT_EQ(FResources.Get("untranslated"), "Not yet translated");
    EXPECT_EQ(FResources.Get("exclaimed"), "!Twice");
}

TEST_F(TextTables, ATextTableAddsAndReplacesTexts)
{
    FResources.AddXML(textTable("<StrRes Name=\"mbError\" Text=\"Ошибка\"/>\r\n"
                                "<StrRes Name=\"new\" Text=\"a&#13;&#10;&#34;b&#34;\"/>\r\n"
                                "<Other Name=\"mbInfo\" Text=\"ignored\"/>\r\n"));
    EXPECT_EQ(FResources.Get("MBERROR"), "Ошибка");
    EXPECT_EQ(FResources.Get("new"), "a\r\n\"b\"");
    EXPECT_EQ(FResources.Get("mbInfo"), "Information");
    EXPECT_EQ(FResources.GetCodePage(), 1251);

    FResources.AddXML(
        "<?xml version=\"1.1\"?><resources CodePage=\"1\"><StrRes Name=\"mbInfo\" Text=\"x\"/></resources>");
    EXPECT_EQ(FResources.Get("mbInfo"), "Information") << "the root must be named exactly Resources";
    EXPECT_THROW(
        FResources.AddXML("<?xml version=\"1.1\"?><Resources><StrRes Name=\"mbInfo\" Text=\"x\"></Other>"),
        Exception);
    EXPECT_EQ(FResources.Get("mbInfo"), "Information");
}

TEST_F(TextTables, AnOldTableKeepsUtf8InsideItsEightBitTexts)
{
    FResources.AddXML("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Resources CodePage=\"1251\">"
                      "<StrRes Name=\"mbError\" Text=\"" +
                      QString("Ошибка").toUtf8() + "\"/></Resources>");
    EXPECT_EQ(FResources.Get("mbError"), "Ошибка");
}

TEST_F(TextTables, LanguageFilesAreListedAndReplaceTexts)
{
    writeFile(FFolder.filePath("RUSSIAN.frc"), textTable("<StrRes Name=\"2\" Text=\"Отмена\"/>"));
    writeFile(FFolder.filePath("english.frc"), textTable(""));
    writeFile(FFolder.filePath("notes.txt"), "");
    const TfrxResources resources(FFolder.path());
    EXPECT_EQ(resources.GetLanguages(), (QStringList{"English", "Russian"}));

    FResources.LoadFromFile(FFolder.filePath("RUSSIAN.frc"));
    EXPECT_EQ(FResources.Get("2"), "Отмена");
    EXPECT_EQ(FResources.Get("1"), "OK");
    EXPECT_THROW(FResources.LoadFromFile(FFolder.filePath("missing.frc")), Exception);
}

TEST_F(TextTables, ClearEmptiesTheTable)
{
    FResources.Clear();
    EXPECT_EQ(FResources.Get("mbError"), "mbError");
}
