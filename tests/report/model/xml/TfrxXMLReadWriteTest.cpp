#include "XMLTestSupport.h"

#include "report/model/xml/AnsiCodePage.h"
#include "report/model/xml/TfrxInvalidXMLException.h"
#include "report/model/xml/TfrxXMLReader.h"

#include <gtest/gtest.h>

namespace {

TfrxXMLItem& child(const TfrxXMLItem& item, int index)
{
    return *item.GetItems(index);
}

// A small template as the designer writes it.
void buildTemplate(TfrxXMLDocument& document)
{
    TfrxXMLItem* report = document.GetRoot();
    report->SetName(QStringLiteral("TfrxReport"));
    report->SetProp(QStringLiteral("Version"), QStringLiteral("5.6.1"));
    report->SetProp(QStringLiteral("ReportOptions.Description.Text"),
                    QStringLiteral("Модуль для печати бланков о профессии водителя"));
    report->SetProp(QStringLiteral("ScriptText.Text"), QStringLiteral("begin\r\n\r\nend."));
    TfrxXMLItem* data = report->Add(QStringLiteral("TfrxDataPage"));
    data->SetProp(QStringLiteral("Name"), QStringLiteral("Data"));
    TfrxXMLItem* page = report->Add(QStringLiteral("TfrxReportPage"));
    page->SetProp(QStringLiteral("Name"), QStringLiteral("Page1"));
    TfrxXMLItem* memo = page->Add(QStringLiteral("TfrxMemoView"));
    memo->SetProp(QStringLiteral("Name"), QStringLiteral("Memo12"));
    memo->SetProp(QStringLiteral("Left"), QStringLiteral("56,69295"));
    memo->SetProp(QStringLiteral("Text"), QStringLiteral("12_категории \"В\" <a> & b\r\nвторая строка"));
}

} // namespace

TEST(TfrxXMLWriter, AutoIndentPutsEachTagOnItsOwnIndentedLine)
{
    TfrxXMLDocument document;
    buildTemplate(document);
    document.SetAutoIndent(true);
    const QByteArray expected =
        kDeclaration +
        "\r\n"
        "<TfrxReport Version=\"5.6.1\" ReportOptions.Description.Text=\"" +
        QStringLiteral("Модуль для печати бланков о профессии водителя").toUtf8() +
        "\" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\">\r\n"
        "  <TfrxDataPage Name=\"Data\"/>\r\n"
        "  <TfrxReportPage Name=\"Page1\">\r\n"
        "    <TfrxMemoView Name=\"Memo12\" Left=\"56,69295\" Text=\"" +
        QStringLiteral("12_категории &#34;В&#34; &#60;a&#62; &#38; b&#13;&#10;вторая строка").toUtf8() +
        "\"/>\r\n"
        "  </TfrxReportPage>\r\n"
        "</TfrxReport>\r\n";
    EXPECT_EQ(saveBytes(document), expected);
}

TEST(TfrxXMLWriter, WithoutAutoIndentNothingComesBetweenTags)
{
    TfrxXMLDocument document;
    TfrxXMLItem* root = document.GetRoot();
    root->SetName(QStringLiteral("preparedreport"));
    root->Add(QStringLiteral("previewpages"))
        ->Add(QStringLiteral("page0"))
        ->SetText(QStringLiteral(" n=\"1\""));
    TfrxXMLItem* unloadable = root->Add(QStringLiteral("page1"));
    unloadable->SetUnloadable(true);
    EXPECT_EQ(saveBytes(document), kDeclaration +
                                       "<preparedreport><previewpages><page0 n=\"1\"/></previewpages>"
                                       "<page1  ld=\"0\"/></preparedreport>");
}

TEST(TfrxXMLReadWrite, ATemplateSurvivesTheRoundTripUnchanged)
{
    TfrxXMLDocument written;
    buildTemplate(written);
    written.SetAutoIndent(true);
    const QByteArray bytes = saveBytes(written);

    TfrxXMLDocument read;
    loadBytes(read, bytes);
    EXPECT_FALSE(read.GetOldVersion());
    const TfrxXMLItem& report = *read.GetRoot();
    EXPECT_EQ(report.GetName(), QStringLiteral("TfrxReport"));
    EXPECT_EQ(report.GetText(), written.GetRoot()->GetText());
    EXPECT_EQ(report.GetProp(QStringLiteral("ScriptText.Text")), QStringLiteral("begin\r\n\r\nend."));
    ASSERT_EQ(report.GetCount(), 2);
    const TfrxXMLItem& memo = child(child(report, 1), 0);
    EXPECT_EQ(memo.GetText(),
              QStringLiteral("Name=\"Memo12\" Left=\"56,69295\" Text=\"12_категории &#34;В&#34; "
                             "&#60;a&#62; &#38; b&#13;&#10;вторая строка\""));
    EXPECT_EQ(memo.GetProp(QStringLiteral("Text")),
              QStringLiteral("12_категории \"В\" <a> & b\r\nвторая строка"));
    EXPECT_EQ(memo.GetParent(), &child(report, 1));

    read.SetAutoIndent(true);
    EXPECT_EQ(saveBytes(read), bytes);
}

TEST(TfrxXMLReadWrite, ALargeDocumentPassesTheBuffersIntact)
{
    TfrxXMLDocument written;
    written.GetRoot()->SetName(QStringLiteral("r"));
    for (int i = 0; i < 2000; ++i)
        written.GetRoot()->Add(QStringLiteral("item"))->SetProp(QStringLiteral("n"), QString::number(i));
    written.GetRoot()->Add(QStringLiteral("big"))->SetProp(QStringLiteral("v"), QString(10000, QChar(u'Ж')));
    TfrxXMLDocument read;
    loadBytes(read, saveBytes(written));
    ASSERT_EQ(read.GetRoot()->GetCount(), 2001);
    EXPECT_EQ(read.GetRoot()->GetItems(1999)->GetProp(QStringLiteral("n")), QStringLiteral("1999"));
    EXPECT_EQ(read.GetRoot()->GetItems(2000)->GetProp(QStringLiteral("v")), QString(10000, QChar(u'Ж')));
}

TEST(TfrxXMLReader, ElementsClosedInTheirStartTagHaveNoChildren)
{
    TfrxXMLDocument document;
    loadBytes(document, kDeclaration + "<r><a/><b x=\"1\"/><c x=\"1\" /><d /></r>");
    const TfrxXMLItem& r = *document.GetRoot();
    ASSERT_EQ(r.GetCount(), 4);
    const struct {
        const char* name;
        const char* text;
    } expected[] = {{"a", ""}, {"b", "x=\"1\""}, {"c", "x=\"1\" "}, {"d", ""}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(child(r, i).GetName(), QLatin1String(expected[i].name));
        EXPECT_EQ(child(r, i).GetText(), QLatin1String(expected[i].text));
        EXPECT_EQ(child(r, i).GetCount(), 0);
    }
}

TEST(TfrxXMLReader, MissingClosingTagsAtTheEndAreNotAnError)
{
    TfrxXMLDocument document;
    loadBytes(document, kDeclaration + "<r><a x=\"1\"><b/><c>");
    const TfrxXMLItem& r = *document.GetRoot();
    ASSERT_EQ(r.GetCount(), 1);
    ASSERT_EQ(child(r, 0).GetCount(), 2);
    EXPECT_EQ(child(child(r, 0), 1).GetName(), QStringLiteral("c"));
}

TEST(TfrxXMLReader, ClosingTagsMatchIgnoringLetterCaseOnly)
{
    TfrxXMLDocument document;
    loadBytes(document, kDeclaration + "<TfrxReportPage><x/></TFRXREPORTPAGE >");
    EXPECT_EQ(document.GetRoot()->GetCount(), 1);
    EXPECT_THROW(loadBytes(document, kDeclaration + "<r><a></b></r>"), TfrxInvalidXMLException);
}

TEST(TfrxXMLReader, TheFirstTagMustBeTheDeclarationAfterAnOptionalByteOrderMark)
{
    TfrxXMLDocument document;
    loadBytes(document, "\xEF\xBB\xBF" + kDeclaration + "\r\n<r/>");
    EXPECT_EQ(document.GetRoot()->GetName(), QStringLiteral("r"));
    EXPECT_THROW(loadBytes(document, "<r/>"), TfrxInvalidXMLException);
    try {
        loadBytes(document, "<TfrxReport/>");
        FAIL();
    } catch (const TfrxInvalidXMLException& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid file format"));
    }
}

TEST(TfrxXMLReader, CharacterDataAndCommentsAreSkipped)
{
    TfrxXMLDocument document;
    loadBytes(document, "<!-- before -->" + kDeclaration +
                            "<r>text<!-- a <b> c --><a>more text</a><!-- x ---><lost/>--><b/>tail</r>");
    const TfrxXMLItem& r = *document.GetRoot();
    ASSERT_EQ(r.GetCount(), 2);
    EXPECT_EQ(child(r, 0).GetName(), QStringLiteral("a"));
    EXPECT_EQ(child(r, 0).GetCount(), 0);
    EXPECT_EQ(child(r, 1).GetName(), QStringLiteral("b"));
}

TEST(TfrxXMLReader, TheDeclarationTellsTheEightBitVariant)
{
    const struct {
        const char* declaration;
        bool old;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"no\"?>", false},
        {"<?xml version=\"1.1\" encoding=\"utf-8\"?>", false},
        {"<?xml version=\"1.0\" encoding=\"windows-1251\"?>", true},
        {"<?xml version=\"1.0\"?>", true},
        {"<?xml?>", false},
    };
    for (const auto& c : cases) {
        TfrxXMLDocument document;
        loadBytes(document, QByteArray(c.declaration) + "<r/>");
        EXPECT_EQ(document.GetOldVersion(), c.old) << c.declaration;
    }
}

TEST(TfrxXMLReadWrite, CyrillicOfTheEightBitVariantIsReadAndSavedAsUtf8)
{
    TfrxXMLDocument document;
    loadBytes(document,
              QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Resources CodePage=\"1251\">"
                         "<StrRes Name=\"1\" Text=\"") +
                  stringToAnsi(QStringLiteral("Отмена &#34;Ё&#34;")) + "\"/></Resources>");
    ASSERT_TRUE(document.GetOldVersion());
    EXPECT_EQ(child(*document.GetRoot(), 0).GetProp(QStringLiteral("Text")), QStringLiteral("Отмена \"Ё\""));

    const QByteArray saved = saveBytes(document);
    EXPECT_TRUE(saved.startsWith(kDeclaration));
    EXPECT_TRUE(saved.contains(QStringLiteral("Отмена &#34;Ё&#34;").toUtf8()));
    TfrxXMLDocument reread;
    loadBytes(reread, saved);
    EXPECT_FALSE(reread.GetOldVersion());
    EXPECT_EQ(child(*reread.GetRoot(), 0).GetProp(QStringLiteral("Text")), QStringLiteral("Отмена \"Ё\""));
}

TEST(TfrxXMLReader, LeavesTheStreamJustAfterTheElementItRead)
{
    QBuffer stream;
    stream.setData("<TfrxMemoView Name=\"Memo1\"/>\r\n<TfrxPictureView Name=\"Picture1\"/>");
    stream.open(QIODevice::ReadOnly);
    TfrxXMLItem first, second, end;
    {
        TfrxXMLReader reader(stream);
        reader.ReadRootItem(first);
    }
    EXPECT_EQ(stream.pos(), 28);
    {
        TfrxXMLReader reader(stream);
        reader.ReadRootItem(second);
        reader.ReadRootItem(end);
    }
    EXPECT_EQ(first.GetProp(QStringLiteral("Name")), QStringLiteral("Memo1"));
    EXPECT_EQ(second.GetName(), QStringLiteral("TfrxPictureView"));
    EXPECT_EQ(end.GetName(), QString());
}

TEST(TfrxXMLReader, TheUnloadableMarkerIsRemovedWhenReadingWhole)
{
    TfrxXMLDocument document;
    loadBytes(document, kDeclaration + "<r><page0  ld=\"0\"><m/></page0><page1 n=\"2\" ld=\"0\"/></r>");
    const TfrxXMLItem& r = *document.GetRoot();
    EXPECT_EQ(child(r, 0).GetText(), QString());
    EXPECT_EQ(child(r, 0).GetCount(), 1);
    EXPECT_TRUE(child(r, 0).GetLoaded());
    EXPECT_EQ(child(r, 1).GetText(), QStringLiteral("n=\"2\""));
}
