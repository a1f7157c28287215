#include "TemplateTestSupport.h"

#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/xml/AnsiCodePage.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

// Reads attribute text into a fresh memo on a page, as a template would.
class SerializerRead : public ::testing::Test {
protected:
    SerializerRead()
    {
        FPage = new TfrxReportPage(&FReport);
        FMemo = new TfrxMemoView(FPage);
        FMemo->SetName("Memo1");
    }

    void apply(const QString& attributes) { FSerializer.XMLToObj(attributes, *FMemo); }

    TfrxReport FReport;
    TfrxReportPage* FPage;
    TfrxMemoView* FMemo;
    TfrxXMLSerializer FSerializer;
};

struct FloatCase {
    const char* text;
    double value;
};

const FloatCase kFloatCases[] = {
    {"1,5", 1.5},       {"1.5", 1.5}, {"-28,23624", -28.23624}, {"1 000,5", 1000.5}, {"1,5E-7", 1.5e-7},
    {"1.5e20", 1.5e20}, {" 2 ", 2},   {"0,00001", 0.00001},
};

QByteArray hexOfPictureData(const TfrxPicture& picture)
{
    QByteArray name("Data");
    QByteArray data = picture.SaveData();
    QByteArray block;
    block.append(char(name.size())).append(name).append(char(0x0A));
    const quint32 length = quint32(data.size());
    for (int shift = 0; shift < 32; shift += 8)
        block.append(char((length >> shift) & 0xFF));
    return (block + data).toHex();
}

} // namespace

TEST_F(SerializerRead, FloatsReadWithACommaOrAPointUnderAnySettings)
{
    for (const auto locale : {QLocale::Russian, QLocale::English}) {
        ScopedLocale settings(locale, locale == QLocale::Russian ? QLocale::Russia : QLocale::UnitedStates);
        for (const FloatCase& c : kFloatCases) {
            apply(QStringLiteral(" Left=\"%1\"").arg(QString::fromUtf8(c.text)));
            EXPECT_DOUBLE_EQ(FMemo->GetLeft(), c.value) << c.text;
        }
    }
    EXPECT_TRUE(FSerializer.GetErrors().isEmpty()) << FSerializer.GetErrors().join('\n').toStdString();
}

TEST_F(SerializerRead, EnumerationsAndBooleansReadByIdentifierInAnyCaseOrByOrdinal)
{
    apply(" HAlign=\"HACENTER\" ParentFont=\"false\" VAlign=\"2\" WordWrap=\"0\" Clipped=\"TRUE\"");
    EXPECT_EQ(FMemo->GetHAlign(), haCenter);
    EXPECT_FALSE(FMemo->GetParentFont());
    EXPECT_EQ(FMemo->GetVAlign(), vaCenter);
    EXPECT_FALSE(FMemo->GetWordWrap());
    EXPECT_TRUE(FMemo->GetClipped());
    apply(" HAlign=\"2\"");
    EXPECT_EQ(FMemo->GetHAlign(), haCenter);
}

TEST_F(SerializerRead, SetsAndColoursReadAsNumbers)
{
    apply(" Visibility=\"3\" Frame.Typ=\"15\" Font.Style=\"3\" Fill.BackColor=\"-16777201\" "
          "Font.Color=\"255\"");
    EXPECT_EQ(FMemo->GetVisibility(), (TfrxVisibilityTypes{vsPreview, vsExport}));
    EXPECT_FALSE(FMemo->GetPrintable());
    EXPECT_EQ(FMemo->GetFrame()->GetTyp(), (TfrxFrameTypes{ftLeft, ftRight, ftTop, ftBottom}));
    EXPECT_EQ(FMemo->GetFont()->GetStyle(), (TFontStyles{fsBold, fsItalic}));
    EXPECT_EQ(FMemo->GetColor(), -16777201);
    EXPECT_EQ(FMemo->GetFont()->GetColor(), 255);
}

TEST_F(SerializerRead, BadValuesAreReportedOnceEachAndLeaveThePropertyAsItWas)
{
    FMemo->SetHAlign(haRight);
    FMemo->SetLeft(7);
    FMemo->SetTag(3);
    apply(" HAlign=\"haNowhere\" Left=\"abc\" Tag=\"1,5\" Visibility=\"8\" Top=\"5\" Left=\"abc\" "
          "Text=\"&#x41;\" Width=\"9\"");
    EXPECT_EQ(FMemo->GetHAlign(), haRight);
    EXPECT_EQ(FMemo->GetLeft(), 7);
    EXPECT_EQ(FMemo->GetTag(), 3);
    EXPECT_EQ(FMemo->GetVisibility(), kAllVisibilities);
    EXPECT_EQ(FMemo->GetTop(), 5) << "reading goes on after an error";
    EXPECT_EQ(FMemo->GetWidth(), 9);
    EXPECT_EQ(
        FSerializer.GetErrors(),
        (QStringList{"'1,5' is not a valid integer value", "'8' is not a valid TfrxVisibilityTypes value",
                     "'abc' is not a valid floating point value",
                     "'haNowhere' is not a valid TfrxHAlign value", "'x41' is not a valid integer value"}));
}

TEST_F(SerializerRead, UnknownNamesAndPathsThroughValuesAreIgnoredSilently)
{
    apply(
        " NoSuchProperty=\"1\" Left.Width=\"5\" Font.NoSuch=\"1\" Frame=\"x\" Memo=\"y\" Printable.x=\"1\"");
    EXPECT_TRUE(FSerializer.GetErrors().isEmpty());
    EXPECT_EQ(FMemo->GetLeft(), 0);
    EXPECT_TRUE(FMemo->GetMemo().isEmpty());
}

TEST_F(SerializerRead, DottedNamesReachSubObjectsIgnoringLetterCase)
{
    apply(" font.name=\"Times New Roman\" FRAME.LEFTLINE.WIDTH=\"3\" Hyperlink.Value=\"v\" "
          "Memo.Text=\"a&#13;&#10;b\"");
    EXPECT_EQ(FMemo->GetFont()->GetName(), "Times New Roman");
    EXPECT_EQ(FMemo->GetFrame()->GetLeftLine()->GetWidth(), 3);
    EXPECT_EQ(FMemo->GetHyperlink()->GetValue(), "v");
    EXPECT_EQ(FMemo->GetMemo(), (QStringList{"a", "b"}));
}

TEST_F(SerializerRead, ListsOfStringsSplitAtAnyLineBreak)
{
    TfrxXMLSerializer serializer;
    serializer.XMLToObj(" ScriptText.Text=\"begin&#13;&#10;x;&#13;y;&#10;end.&#13;&#10;\" "
                        "ReportOptions.Description.Text=\"\"",
                        FReport);
    EXPECT_EQ(FReport.GetScriptText(), (QStringList{"begin", "x;", "y;", "end."}));
    EXPECT_TRUE(FReport.GetReportOptions()->GetDescription().isEmpty());
}

TEST_F(SerializerRead, MemoTextIsUnescapedAndSplitIntoLines)
{
    apply(" Text=\"12_категории &#34;В&#34;&#13;&#10;&lt;&amp;&#62;\"");
    EXPECT_EQ(FMemo->GetMemo(), (QStringList{"12_категории \"В\"", "<&>"}));
    apply(" Text=\"\"");
    EXPECT_TRUE(FMemo->GetMemo().isEmpty());
}

TEST_F(SerializerRead, OneLetterNamesAreShortFormsOfBoundsAndText)
{
    apply(" l=\"1,5\" t=\"2\" w=\"3.25\" h=\"4\" x=\"a&#13;&#10;b\"");
    EXPECT_EQ(FMemo->GetLeft(), 1.5);
    EXPECT_EQ(FMemo->GetTop(), 2);
    EXPECT_EQ(FMemo->GetWidth(), 3.25);
    EXPECT_EQ(FMemo->GetHeight(), 4);
    EXPECT_EQ(FMemo->GetMemo(), (QStringList{"a", "b"}));
    apply(" u=\"c\"");
    EXPECT_EQ(FMemo->GetMemo(), QStringList{"c"});
}

TEST_F(SerializerRead, PictureDataReadsInEitherCaseAndDamagedDataIsIgnored)
{
    auto* picture = new TfrxPictureView(FPage);
    TfrxPicture source;
    source.SetImage(smallImage());
    const QString hex = QString::fromLatin1(hexOfPictureData(source));
    TfrxXMLSerializer serializer;
    serializer.XMLToObj(" Picture.PropData=\"" + hex + "\"", *picture);
    EXPECT_EQ(picture->GetPicture()->GetGraphicData(), source.GetGraphicData());
    EXPECT_EQ(picture->GetPicture()->GetWidth(), 3);

    for (const QString& damaged :
         {hex.left(hex.size() - 1), "ZZ" + hex.mid(2), hex.left(40), QString("0444")}) {
        TfrxPictureView other(FPage);
        serializer.XMLToObj(" Picture.PropData=\"" + damaged + "\" Left=\"4\"", other);
        EXPECT_TRUE(other.GetPicture()->IsEmpty());
        EXPECT_EQ(other.GetLeft(), 4);
    }
    EXPECT_TRUE(serializer.GetErrors().isEmpty());
}

TEST_F(SerializerRead, ReferencesAreResolvedByNameOnceTheTreeIsRead)
{
    loadBytes(FReport, pageTemplate("", "<TfrxMemoView Name=\"First\" FlowTo=\"second\"/>"
                                        "<TfrxMemoView Name=\"Second\" FlowTo=\"Missing\"/>"));
    auto* first = dynamic_cast<TfrxMemoView*>(FReport.FindObject("First"));
    auto* second = dynamic_cast<TfrxMemoView*>(FReport.FindObject("Second"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetFlowTo(), second);
    EXPECT_EQ(second->GetFlowTo(), nullptr);
    EXPECT_TRUE(FReport.GetErrors().isEmpty());
}

TEST_F(SerializerRead, OldDocumentsCarryUtf8InsideTheirMemoTexts)
{
    const QByteArray utf8InAnsi = stringToAnsi(ansiToString(QString("мемо").toUtf8()));
    loadBytes(FReport, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\r\n<TfrxReport>"
                       "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"M1\" Text=\"" +
                           utf8InAnsi + "\"/><TfrxMemoView Name=\"M2\" Hint=\"" +
                           stringToAnsi(QString("подсказка")) + "\"/></TfrxReportPage></TfrxReport>");
    auto* m1 = dynamic_cast<TfrxMemoView*>(FReport.FindObject("M1"));
    auto* m2 = dynamic_cast<TfrxMemoView*>(FReport.FindObject("M2"));
    ASSERT_TRUE(m1 && m2);
    EXPECT_EQ(m1->GetMemo(), QStringList{"мемо"});
    EXPECT_EQ(m2->GetHint(), "подсказка");
}

TEST_F(SerializerRead, AttributeTextWithoutClosingQuoteEndsTheScan)
{
    apply(" Left=\"5\" Top=\"6");
    EXPECT_EQ(FMemo->GetLeft(), 5);
    EXPECT_EQ(FMemo->GetTop(), 0);
}
