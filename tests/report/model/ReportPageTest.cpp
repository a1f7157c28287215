#include "report/model/TfrxReportPage.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

struct Margins {
    double left, right, top, bottom;
};

Margins marginsOf(const TfrxReportPage& page)
{
    return {page.GetLeftMargin(), page.GetRightMargin(), page.GetTopMargin(), page.GetBottomMargin()};
}

void setMargins(TfrxReportPage& page, Margins m)
{
    page.SetLeftMargin(m.left);
    page.SetRightMargin(m.right);
    page.SetTopMargin(m.top);
    page.SetBottomMargin(m.bottom);
}

void expectMargins(const TfrxReportPage& page, Margins expected)
{
    const Margins m = marginsOf(page);
    EXPECT_EQ(m.left, expected.left);
    EXPECT_EQ(m.right, expected.right);
    EXPECT_EQ(m.top, expected.top);
    EXPECT_EQ(m.bottom, expected.bottom);
}

} // namespace

TEST(ReportPage, ANewPageIsA4PortraitWithoutMargins)
{
    TfrxReportPage page;
    EXPECT_EQ(page.GetPaperSize(), 9);
    EXPECT_EQ(page.GetPaperWidth(), 210);
    EXPECT_EQ(page.GetPaperHeight(), 297);
    EXPECT_EQ(page.GetOrientation(), poPortrait);
    expectMargins(page, {0, 0, 0, 0});
    EXPECT_EQ(page.GetBin(), 7);
    EXPECT_EQ(page.GetBinOtherPages(), 7);
    EXPECT_EQ(page.GetPageCount(), 1);
    EXPECT_EQ(page.GetColor(), clNone);
    EXPECT_FALSE(page.GetBackPictureView().GetKeepAspectRatio());
    EXPECT_EQ(page.GetWidth(), 794);
    EXPECT_EQ(page.GetHeight(), 1123);
}

TEST(ReportPage, A5PortraitIs559By794ReportPixels)
{
    TfrxReportPage page;
    page.SetPaperSize(11);
    EXPECT_EQ(page.GetPaperWidth(), 148);
    EXPECT_EQ(page.GetPaperHeight(), 210);
    EXPECT_EQ(page.GetWidth(), 559);
    EXPECT_EQ(page.GetHeight(), 794);
}

TEST(ReportPage, ANamedPaperOnALandscapePageIsTurned)
{
    TfrxReportPage page;
    page.SetOrientation(poLandscape);
    page.SetPaperSize(11);
    EXPECT_EQ(page.GetPaperWidth(), 210);
    EXPECT_EQ(page.GetPaperHeight(), 148);
    EXPECT_EQ(page.GetWidth(), 794);
    EXPECT_EQ(page.GetHeight(), 559);
}

TEST(ReportPage, TurningThePageTurnsItsMarginsWithIt)
{
    TfrxReportPage page;
    setMargins(page, {5, 6, 7, 8});
    page.SetOrientation(poLandscape);
    expectMargins(page, {7, 8, 6, 5});
    EXPECT_EQ(page.GetPaperWidth(), 297);
    EXPECT_EQ(page.GetPaperHeight(), 210);

    page.SetOrientation(poLandscape);
    expectMargins(page, {7, 8, 6, 5}); // the same orientation changes nothing

    page.SetOrientation(poPortrait);
    expectMargins(page, {5, 6, 7, 8});
    EXPECT_EQ(page.GetPaperWidth(), 210);
}

TEST(ReportPage, GivenDimensionsMakeThePaperCustom)
{
    TfrxReportPage page;
    page.SetPaperWidth(100.123456789);
    EXPECT_EQ(page.GetPaperSize(), 256);
    EXPECT_DOUBLE_EQ(page.GetPaperWidth(), 100.12345679);
    page.SetPaperHeight(50);
    EXPECT_EQ(page.GetWidth(), 378);
    EXPECT_EQ(page.GetHeight(), 189);
}

TEST(ReportPage, ANamedPaperReadAfterStoredDimensionsWins)
{
    TfrxReportPage page;
    page.SetPaperWidth(100);
    page.SetPaperHeight(100);
    page.SetPaperSize(11);
    EXPECT_EQ(page.GetPaperWidth(), 148);
    EXPECT_EQ(page.GetPaperHeight(), 210);
}

TEST(ReportPage, APaperNumberOutsideTheTableOnlyStoresTheNumber)
{
    for (int number : {48, 256, 300}) {
        TfrxReportPage page;
        page.SetPaperSize(11);
        page.SetPaperSize(number);
        EXPECT_EQ(page.GetPaperSize(), number);
        EXPECT_EQ(page.GetPaperWidth(), 148) << number;
        EXPECT_EQ(page.GetPaperHeight(), 210) << number;
    }
}

TEST(ReportPage, PageCountBelowOneIsIgnored)
{
    TfrxReportPage page;
    page.SetPageCount(3);
    page.SetPageCount(0);
    page.SetPageCount(-1);
    EXPECT_EQ(page.GetPageCount(), 3);
}

TEST(ReportPage, ColumnsDivideThePrintableWidth)
{
    TfrxReportPage page;
    setMargins(page, {10, 10, 0, 0});
    page.SetColumns(3);
    EXPECT_DOUBLE_EQ(page.GetColumnWidth(), 190.0 / 3);
    ASSERT_EQ(page.GetColumnPositions().size(), 3);
    // Written in the general number format with the user's decimal separator.
    const QString point = QLocale().decimalPoint();
    EXPECT_EQ(page.GetColumnPositions().at(0), "0");
    EXPECT_EQ(page.GetColumnPositions().at(1), "63" + point + "3333333333333");
    page.SetColumns(4);
    EXPECT_EQ(page.GetColumnPositions(), (QStringList{"0", "47" + point + "5", "95", "142" + point + "5"}));
    page.SetColumns(0);
    EXPECT_TRUE(page.GetColumnPositions().isEmpty());
    EXPECT_EQ(page.GetColumnWidth(), 47.5);
}

TEST(ReportPage, SetDefaultsTakesTheDefaultPrintersPaperAndTenMillimetreMargins)
{
    const TfrxCustomPrinter* printer = frxPrinters()->GetPrinter();
    ASSERT_NE(printer, nullptr);
    TfrxReportPage page;
    page.SetPaperSize(11);
    page.SetOrientation(poLandscape);
    page.SetDefaults();
    expectMargins(page, {10, 10, 10, 10});
    EXPECT_EQ(page.GetPaperSize(), printer->GetDefPaper());
    EXPECT_EQ(page.GetPaperWidth(), printer->GetDefPaperWidth());
    EXPECT_EQ(page.GetPaperHeight(), printer->GetDefPaperHeight());
    EXPECT_EQ(page.GetOrientation(), printer->GetDefOrientation());
    EXPECT_EQ(page.GetPaperSize(), 9) << "the virtual printer's A4";
    EXPECT_EQ(page.GetWidth(), 794);
}
