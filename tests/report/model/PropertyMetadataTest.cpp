#include "StoredAttributes.h"

#include "report/model/TfrxDataPage.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <gtest/gtest.h>

namespace {

QStringList propertyNames(const TfrxPersistent& object, int count)
{
    QStringList names;
    for (int i = 0; i < count && i < object.GetProperties().Count(); ++i)
        names.append(object.GetProperties().At(i).GetName());
    return names;
}

const TfrxPropertyInfo& property(const TfrxPersistent& object, const char* name)
{
    const TfrxPropertyInfo* info = object.GetProperties().Find(name);
    if (!info)
        throw std::runtime_error(name);
    return *info;
}

} // namespace

TEST(PropertyMetadata, ViewsListTheCommonPropertiesFirstInFileOrder)
{
    const QStringList common{
        "Name",        "Tag",         "Description",  "Align",          "Printable",         "ShiftMode",
        "Left",        "Top",         "Width",        "Height",         "GroupIndex",        "Restrictions",
        "Visible",     "OnAfterData", "OnAfterPrint", "OnBeforePrint",  "OnMouseEnter",      "OnMouseLeave",
        "OnMouseDown", "OnMouseMove", "OnMouseUp",    "OnPreviewClick", "OnPreviewDblClick", "Hyperlink",
        "Hint",        "ShowHint",    "Visibility"};
    EXPECT_EQ(propertyNames(TfrxMemoView(), common.size() + 1), common + QStringList{"StretchMode"});
    EXPECT_EQ(propertyNames(TfrxPictureView(), common.size() + 1), common + QStringList{"Cursor"});
}

TEST(PropertyMetadata, PropertiesAreFoundIgnoringLetterCase)
{
    TfrxMemoView memo;
    EXPECT_EQ(memo.GetProperties().Find("halign")->GetName(), "HAlign");
    EXPECT_EQ(memo.GetProperties().Find("NoSuchProperty"), nullptr);
    EXPECT_EQ(property(memo, "Font").GetKind(), pkFont);
    EXPECT_EQ(property(memo, "Fill").GetKind(), pkFill);
    EXPECT_EQ(property(memo, "FlowTo").GetKind(), pkReference);
    EXPECT_EQ(property(memo, "OnBeforePrint").GetTypeName(), "TfrxNotifyEvent");
    EXPECT_EQ(property(memo, "Left").GetTypeName(), "Extended");
}

TEST(PropertyMetadata, EnumerationsAndSetsCarryTheirValueNames)
{
    TfrxMemoView memo;
    EXPECT_EQ(property(memo, "HAlign").GetValueNames(),
              (QStringList{"haLeft", "haRight", "haCenter", "haBlock"}));
    EXPECT_EQ(property(memo, "Visibility").GetValueNames(),
              (QStringList{"vsPreview", "vsExport", "vsPrint"}));
    EXPECT_EQ(property(memo, "WordWrap").GetValueNames(), (QStringList{"False", "True"}));
    EXPECT_EQ(property(*memo.GetFont(), "Style").GetValueNames(),
              (QStringList{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}));
}

TEST(PropertyMetadata, ValuesAreReadAndWrittenThroughTheTables)
{
    TfrxReportPage page;
    auto* memo = new TfrxMemoView(&page);
    auto* other = new TfrxMemoView(&page);
    property(*memo, "HAlign").SetValue(*memo, 2);
    EXPECT_EQ(memo->GetHAlign(), haCenter);
    property(*memo, "Visibility").SetValue(*memo, qulonglong(3));
    EXPECT_EQ(memo->GetVisibility(), (TfrxVisibilityTypes{vsPreview, vsExport}));
    property(*memo, "Left").SetValue(*memo, 30.5);
    EXPECT_EQ(memo->GetLeft(), 30.5);
    property(*memo, "FlowTo").SetValue(*memo, QVariant::fromValue<TfrxComponent*>(other));
    EXPECT_EQ(memo->GetFlowTo(), other);
    property(*memo, "FlowTo").SetValue(*memo, QVariant::fromValue<TfrxComponent*>(&page));
    EXPECT_EQ(memo->GetFlowTo(), nullptr) << "a page is not a memo";
    property(*memo, "Memo").SetValue(*memo, QStringList{"a", "b"});
    EXPECT_EQ(memo->GetText(), "a\r\nb\r\n");

    TfrxPersistent* font = property(*memo, "Font").GetObject(*memo);
    property(*font, "Size").SetValue(*font, 8);
    EXPECT_EQ(memo->GetFont()->GetHeight(), -11);
    EXPECT_FALSE(memo->GetParentFont());
    EXPECT_EQ(property(*memo, "Fill").GetObject(*memo)->GetClassName(), "TfrxBrushFill");
}

TEST(PropertyMetadata, TheCertificatePageStoresWhatTheTemplateHolds)
{
    TfrxReport report;
    auto* page = new TfrxReportPage(&report);
    page->GetFont()->SetCharset(ANSI_CHARSET);
    page->GetFont()->SetHeight(-11);
    page->GetFont()->SetName("Times New Roman");
    page->SetPaperSize(11);
    for (auto setter : {&TfrxReportPage::SetLeftMargin, &TfrxReportPage::SetRightMargin,
                        &TfrxReportPage::SetTopMargin, &TfrxReportPage::SetBottomMargin})
        (page->*setter)(5);
    EXPECT_EQ(
        storedAttributes(*page),
        (QStringList{"Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style", "PaperWidth",
                     "PaperHeight", "PaperSize", "LeftMargin", "RightMargin", "TopMargin", "BottomMargin",
                     "ColumnWidth", "ColumnPositions.Text", "HGuides.Text", "VGuides.Text"}));
    EXPECT_EQ(storedAttributes(TfrxDataPage()), (QStringList{"Height", "Left", "Top", "Width"}));
}

TEST(PropertyMetadata, TheCertificateReportStoresWhatTheTemplateHolds)
{
    TfrxReport report;
    report.GetReportOptions()->SetDescription(
        {QString::fromUtf8("Модуль для печати бланков о профессии водителя")});
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    report.GetReportOptions()->GetPicture()->SetImage(icon);
    report.GetReportOptions()->SetVersionMajor("1");
    report.GetReportOptions()->SetVersionMinor("0");
    EXPECT_EQ(
        storedAttributes(report),
        (QStringList{"Version", "DotMatrixReport", "IniFile", "PreviewOptions.Buttons", "PreviewOptions.Zoom",
                     "PrintOptions.Printer", "PrintOptions.PrintOnSheet", "ReportOptions.CreateDate",
                     "ReportOptions.Description.Text", "ReportOptions.LastChange",
                     "ReportOptions.Picture.PropData", "ReportOptions.VersionMajor",
                     "ReportOptions.VersionMinor", "ScriptLanguage", "ScriptText.Text"}));
}

TEST(PropertyMetadata, NonDefaultPageAndReportSettingsAreStored)
{
    TfrxReport report;
    report.SetShowProgress(false);
    report.GetEngineOptions()->SetNewSilentMode(simSilent);
    report.GetReportOptions()->SetAuthor("Office");
    const QStringList stored = storedAttributes(report);
    for (const char* name : {"ShowProgress", "EngineOptions.SilentMode", "EngineOptions.NewSilentMode"})
        EXPECT_TRUE(stored.contains(name)) << name;
    EXPECT_LT(stored.indexOf("ReportOptions.Author"), stored.indexOf("ReportOptions.CreateDate"));

    TfrxReportPage page;
    page.SetOrientation(poLandscape);
    page.SetBin(2);
    page.SetColor(clWhite);
    page.GetFrame()->SetTyp({ftTop});
    page.SetPageCount(2);
    const QStringList pageStored = storedAttributes(page);
    for (const char* name : {"Orientation", "Bin", "Color", "Frame.Typ", "PageCount"})
        EXPECT_TRUE(pageStored.contains(name)) << name;
    EXPECT_LT(pageStored.indexOf("Orientation"), pageStored.indexOf("PaperWidth"));
    EXPECT_FALSE(pageStored.contains("BinOtherPages"));
}
