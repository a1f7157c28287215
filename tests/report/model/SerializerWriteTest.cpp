#include "TemplateTestSupport.h"

#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/xml/TfrxXMLItem.h"

#include <QBuffer>
#include <QRegularExpression>

#include <functional>

#include <gtest/gtest.h>

namespace {

QStringList attributeNames(const QString& attributes)
{
    QStringList names;
    static const QRegularExpression pair(QStringLiteral(" ([^ =]+)=\""));
    for (const QRegularExpressionMatch& match : pair.globalMatch(attributes))
        names.append(match.captured(1));
    return names;
}

QString attributesOf(const TfrxPersistent& object)
{
    return TfrxXMLSerializer().ObjToXML(object);
}

QByteArray pngBytes(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

class SerializerWrite : public ::testing::Test {
protected:
    SerializerWrite() : FLocale(russianNumbers())
    {
        FPage = new TfrxReportPage(&FReport);
        FPage->SetName("Page1");
        FMemo = new TfrxMemoView(FPage);
        FMemo->SetName("Memo1");
        FMemo->SetBounds(10, 20, 100, 15);
    }

    ScopedLocale FLocale;
    TfrxReport FReport;
    TfrxReportPage* FPage;
    TfrxMemoView* FMemo;
};

struct WrittenCase {
    const char* change;
    std::function<void(TfrxMemoView&)> apply;
    const char* attributes; // as they appear, in this order, in the memo's attribute text
};

const WrittenCase kWrittenCases[] = {
    {"a fractional position, with the decimal comma", [](TfrxMemoView& m) { m.SetLeft(30.23623756); },
     " Left=\"30,23623756\""},
    {"a non-default enumeration, by its identifier", [](TfrxMemoView& m) { m.SetHAlign(haRight); },
     " HAlign=\"haRight\""},
    {"a Boolean off its default", [](TfrxMemoView& m) { m.SetWordWrap(false); }, " WordWrap=\"False\""},
    {"a set, as the number of its bits",
     [](TfrxMemoView& m) {
         m.SetVisibility({vsPreview, vsExport});
     },
     " Visibility=\"3\""},
    {"restrictions, as bits",
     [](TfrxMemoView& m) {
         m.SetRestrictions({rfDontSize, rfDontMove});
     },
     " Restrictions=\"6\""},
    {"a float with its storage condition true", [](TfrxMemoView& m) { m.SetGapX(3); }, " GapX=\"3\""},
    {"a rotation, reduced modulo 360", [](TfrxMemoView& m) { m.SetRotation(450); }, " Rotation=\"90\""},
    {"a font of its own, every always-stored part and the font name",
     [](TfrxMemoView& m) { m.GetFont()->SetStyle({fsItalic}); },
     " Font.Charset=\"1\" Font.Color=\"0\" Font.Height=\"-13\" Font.Name=\"Arial\" Font.Style=\"2\""},
    {"the frame's width and a line that differs from it",
     [](TfrxMemoView& m) {
         m.GetFrame()->SetWidth(2);
         m.GetFrame()->GetLeftLine()->SetWidth(1);
     },
     " Frame.Width=\"2\" Frame.LeftLine.Width=\"1\""},
    {"frame edges, as bits",
     [](TfrxMemoView& m) {
         m.GetFrame()->SetTyp({ftLeft, ftBottom});
     },
     " Frame.Typ=\"9\""},
    {"the colour shorthand, as the brush's colour", [](TfrxMemoView& m) { m.SetColor(255); },
     " Fill.BackColor=\"255\""},
    {"a glass fill with its grey and its blend",
     [](TfrxMemoView& m) {
         m.SetColor(255);
         m.SetFillType(ftGlass);
     },
     " FillType=\"ftGlass\" Fill.Color=\"8421504\" Fill.Blend=\"0,5\""},
    {"the URL shorthand, as the hyperlink", [](TfrxMemoView& m) { m.SetURL("@3"); },
     " Hyperlink.Kind=\"hkPageNumber\" Hyperlink.Value=\"3\""},
    {"an event handler's name", [](TfrxMemoView& m) { m.SetOnBeforePrint("Memo1OnBeforePrint"); },
     " OnBeforePrint=\"Memo1OnBeforePrint\""},
    {"text with a quote, line breaks, < and &", [](TfrxMemoView& m) { m.SetText("a\"b\r\n<c>&"); },
     " Text=\"a&#34;b&#13;&#10;&#60;c&#62;&#38;\""},
    {"text ending with an empty line, which the file loses",
     [](TfrxMemoView& m) {
         m.SetMemo({"one", ""});
     },
     " Text=\"one&#13;&#10;\""},
};

} // namespace

TEST_F(SerializerWrite, ANewMemoWritesOnlyItsBoundsAndText)
{
    EXPECT_EQ(attributesOf(*FMemo), " Left=\"10\" Top=\"20\" Width=\"100\" Height=\"15\" Text=\"\"");
}

TEST_F(SerializerWrite, ChangedPropertiesAreWrittenInTableOrder)
{
    for (const WrittenCase& c : kWrittenCases) {
        TfrxMemoView memo(FPage);
        c.apply(memo);
        EXPECT_TRUE(attributesOf(memo).contains(QString::fromUtf8(c.attributes)))
            << c.change << "\n  got: " << attributesOf(memo).toStdString();
    }
}

TEST_F(SerializerWrite, ValuesSetBackToTheirDefaultsAreNotWritten)
{
    const std::function<void(TfrxMemoView&)> kChanges[] = {
        [](TfrxMemoView& m) { m.SetHAlign(haLeft); },
        [](TfrxMemoView& m) { m.SetGapX(2); },
        [](TfrxMemoView& m) { m.SetVisibility(kAllVisibilities); },
        [](TfrxMemoView& m) { m.SetPrintable(true); },
        [](TfrxMemoView& m) {
            m.SetURL("http://example.org");
            m.GetHyperlink()->SetValue("");
        },
        [](TfrxMemoView& m) { m.GetFrame()->SetWidth(1); },
        [](TfrxMemoView& m) { m.SetFillType(ftBrush); },
        [](TfrxMemoView& m) { m.SetDescription(""); },
        [](TfrxMemoView& m) { m.SetExpressionDelimiters("[,]"); },
        [](TfrxMemoView& m) { m.SetParentFont(true); },
    };
    for (const auto& change : kChanges) {
        TfrxMemoView memo(FPage);
        memo.SetBounds(10, 20, 100, 15);
        change(memo);
        EXPECT_EQ(attributeNames(attributesOf(memo)),
                  (QStringList{"Left", "Top", "Width", "Height", "Text"}));
    }
}

TEST_F(SerializerWrite, TheReportWritesItsAlwaysStoredPropertiesAndNoName)
{
    FReport.SetName("frxReport1");
    EXPECT_EQ(attributeNames(attributesOf(FReport)),
              (QStringList{"Version", "DotMatrixReport", "IniFile", "PreviewOptions.Buttons",
                           "PreviewOptions.Zoom", "PrintOptions.Printer", "PrintOptions.PrintOnSheet",
                           "ReportOptions.CreateDate", "ReportOptions.Description.Text",
                           "ReportOptions.LastChange", "ScriptLanguage", "ScriptText.Text"}));
    EXPECT_TRUE(attributesOf(FReport).contains(" ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\""));
    FReport.SetShowProgress(false);
    FReport.GetPreviewOptions()->SetButtons({pbPrint, pbZoom});
    EXPECT_TRUE(attributesOf(FReport).contains(" PreviewOptions.Buttons=\"17\""));
    EXPECT_TRUE(attributesOf(FReport).contains(" ShowProgress=\"False\""));
}

TEST_F(SerializerWrite, PagesWriteTheirPaperMarginsAndEmptyLists)
{
    TfrxDataPage data(&FReport);
    EXPECT_EQ(attributesOf(data), " Height=\"1000\" Left=\"0\" Top=\"0\" Width=\"1000\"");
    EXPECT_EQ(attributesOf(*FPage), " PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" LeftMargin=\"0\""
                                    " RightMargin=\"0\" TopMargin=\"0\" BottomMargin=\"0\" ColumnWidth=\"0\""
                                    " ColumnPositions.Text=\"\" HGuides.Text=\"\" VGuides.Text=\"\"");
    FPage->SetOrientation(poLandscape);
    FPage->SetBin(2);
    EXPECT_TRUE(attributesOf(*FPage).startsWith(" Orientation=\"poLandscape\" PaperWidth=\"297\""));
    EXPECT_TRUE(attributesOf(*FPage).contains(" Bin=\"2\""));
}

TEST_F(SerializerWrite, APictureWritesItsClassNameAndFileAsHexadecimal)
{
    auto* picture = new TfrxPictureView(FPage);
    EXPECT_EQ(
        attributeNames(attributesOf(*picture)),
        (QStringList{"Left", "Top", "Width", "Height", "HightQuality", "Transparent", "TransparentColor"}));
    const QByteArray png = pngBytes(smallImage());
    picture->GetPicture()->LoadGraphic(TfrxPicture::kPngClass, png);
    const QByteArray length = QByteArray::number(1 + 9 + png.size(), 16).rightJustified(8, '0');
    const QByteArray littleEndian = length.mid(6, 2) + length.mid(4, 2) + length.mid(2, 2) + length.mid(0, 2);
    const QString expected = " Picture.PropData=\"04446174610A" +
                             QString::fromLatin1(littleEndian.toUpper()) + "0954506E67496D616765" +
                             QString::fromLatin1(png.toHex().toUpper()) + "\"";
    EXPECT_TRUE(attributesOf(*picture).contains(expected));
    EXPECT_TRUE(attributesOf(*picture).endsWith(
        " HightQuality=\"False\" Transparent=\"False\" TransparentColor=\"16777215\""));
}

TEST_F(SerializerWrite, SerializeDefaultValuesWritesOrdinalsAndStringsAtTheirDefaults)
{
    TfrxXMLSerializer serializer;
    serializer.SetSerializeDefaultValues(true);
    const QString attributes = serializer.ObjToXML(*FMemo);
    for (const char* attribute :
         {" HAlign=\"haLeft\"", " Description=\"\"", " Frame.Typ=\"0\"", " WordWrap=\"True\""})
        EXPECT_TRUE(attributes.contains(QString::fromLatin1(attribute))) << attribute;
    EXPECT_FALSE(attributes.contains(" Font.")) << "the storage condition still applies";
}

TEST_F(SerializerWrite, AMemoWritesSeveralFormatsAsANestedCollectionAndOneAsDisplayFormat)
{
    FMemo->GetDisplayFormat()->SetKind(fkNumeric);
    TfrxXMLItem single;
    TfrxXMLSerializer().WriteRootComponent(*FMemo, true, &single);
    EXPECT_TRUE(single.GetText().contains(" DisplayFormat.Kind=\"fkNumeric\""));
    EXPECT_EQ(single.GetCount(), 0);

    FMemo->AddFormat()->SetFormatStr("%2.2f");
    TfrxXMLItem several;
    TfrxXMLSerializer().WriteRootComponent(*FMemo, true, &several);
    EXPECT_FALSE(several.GetText().contains("DisplayFormat"));
    ASSERT_EQ(several.GetCount(), 1);
    const TfrxXMLItem& formats = *several.GetItems(0);
    EXPECT_EQ(formats.GetName(), "Formats");
    ASSERT_EQ(formats.GetCount(), 2);
    EXPECT_EQ(formats.GetItems(0)->GetName(), "item");
    EXPECT_EQ(formats.GetItems(0)->GetText(), " Kind=\"fkNumeric\"");
    EXPECT_EQ(formats.GetItems(1)->GetText(), " FormatStr=\"%2.2f\"");
}

TEST_F(SerializerWrite, TheReportWritesItsCollectionsBeforeItsPages)
{
    TfrxVariable* variable = FReport.GetVariables().Add();
    variable->SetName("Total");
    variable->SetValue(QString("12"));
    TfrxXMLItem root;
    TfrxXMLSerializer().WriteRootComponent(FReport, true, &root);
    ASSERT_EQ(root.GetCount(), 2);
    EXPECT_EQ(root.GetItems(0)->GetName(), "Variables");
    EXPECT_EQ(root.GetItems(0)->GetItems(0)->GetText(), " Name=\"Total\" Value=\"12\"");
    EXPECT_EQ(root.GetItems(1)->GetName(), "TfrxReportPage");
    EXPECT_TRUE(root.GetItems(1)->GetText().startsWith("Name=\"Page1\" "));
    EXPECT_EQ(root.GetItems(1)->GetItems(0)->GetName(), "TfrxMemoView");
}

TEST_F(SerializerWrite, ATreeIsWrittenIndentedWithCrLf)
{
    const QByteArray bytes = saveBytes(*FPage);
    EXPECT_EQ(bytes,
              kDeclaration +
                  "<TfrxReportPage PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" LeftMargin=\"0\" "
                  "RightMargin=\"0\" TopMargin=\"0\" BottomMargin=\"0\" ColumnWidth=\"0\" "
                  "ColumnPositions.Text=\"\" HGuides.Text=\"\" VGuides.Text=\"\">\r\n"
                  "  <TfrxMemoView Name=\"Memo1\" Left=\"10\" Top=\"20\" Width=\"100\" Height=\"15\" "
                  "Text=\"\"/>\r\n"
                  "</TfrxReportPage>\r\n");
}

TEST_F(SerializerWrite, ComponentStringsCarryTheClassAndNoName)
{
    FMemo->SetText("x");
    TfrxXMLSerializer serializer;
    const QString text = serializer.WriteComponentStr(*FMemo);
    EXPECT_EQ(text, "TfrxMemoView Left=\"10\" Top=\"20\" Width=\"100\" Height=\"15\" Text=\"x\"");

    TfrxComponent* copy = serializer.ReadComponentStr(FPage, text);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetParent(), FPage);
    EXPECT_EQ(serializer.WriteComponentStr(*copy), text);
    EXPECT_EQ(serializer.ReadComponentStr(FPage, "  "), nullptr);
    EXPECT_EQ(serializer.ReadComponentStr(FPage, "TfrxCrossView Left=\"1\""), nullptr);
    EXPECT_EQ(serializer.GetErrors(), QStringList{"Cannot find class TfrxCrossView"});
}

TEST_F(SerializerWrite, ComponentsTravelAsSingleElements)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    TfrxXMLSerializer writer(&buffer);
    writer.WriteComponent(*FMemo);
    EXPECT_EQ(bytes, "<TfrxMemoView Left=\"10\" Top=\"20\" Width=\"100\" Height=\"15\" Text=\"\"/>");
    buffer.seek(0);
    TfrxXMLSerializer reader(&buffer);
    TfrxComponent* copy = reader.ReadComponent(FPage);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->GetTop(), 20);
}
