#include "report/model/TfrxReportPage.h"

#include "common/NumberText.h"
#include "common/Rounding.h"
#include "report/model/TfrxEnumNames.h"
#include "report/model/TfrxPropertyTable.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPaperTable.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QLocale>

#include <cmath>
#include <utility>

namespace {

constexpr int kCustomPaper = 256;

double roundTo8Decimals(double value)
{
    return std::round(value * 1e8) / 1e8;
}

} // namespace

TfrxReportPage::TfrxReportPage(TfrxComponent* AOwner)
    : TfrxPage(AOwner), FBackPicture(std::make_unique<TfrxPictureView>())
{
    FBackPicture->SetKeepAspectRatio(false);
    UpdateDimensions();
}

const TfrxPropertyList& TfrxReportPage::ClassProperties()
{
    using P = TfrxReportPage;
    static const TfrxPropertyList list =
        TfrxPropertyTable<P>(TfrxPage::ClassProperties())
            .Enum("Orientation", "TPrinterOrientation", frxPrinterOrientationNames(), &P::GetOrientation,
                  &P::SetOrientation)
            .Default(poPortrait)
            .Float("PaperWidth", &P::GetPaperWidth, &P::SetPaperWidth)
            .Float("PaperHeight", &P::GetPaperHeight, &P::SetPaperHeight)
            .Integer("PaperSize", &P::GetPaperSize, &P::SetPaperSize)
            .Float("LeftMargin", &P::GetLeftMargin, &P::SetLeftMargin)
            .Float("RightMargin", &P::GetRightMargin, &P::SetRightMargin)
            .Float("TopMargin", &P::GetTopMargin, &P::SetTopMargin)
            .Float("BottomMargin", &P::GetBottomMargin, &P::SetBottomMargin)
            .Boolean("MirrorMargins", &P::GetMirrorMargins, &P::SetMirrorMargins)
            .Default(false)
            .Integer("Columns", &P::GetColumns, &P::SetColumns)
            .Default(0)
            .Float("ColumnWidth", &P::GetColumnWidth, &P::SetColumnWidth)
            .Strings("ColumnPositions", &P::GetColumnPositions, &P::SetColumnPositions)
            .Integer("Bin", &P::GetBin, &P::SetBin)
            .Default(7)
            .Integer("BinOtherPages", &P::GetBinOtherPages, &P::SetBinOtherPages)
            .Default(7)
            .Object(pkPicture, "BackPicture", "TPicture", &P::GetBackPicture)
            .Boolean("BackPictureVisible", &P::GetBackPictureVisible, &P::SetBackPictureVisible)
            .Default(true)
            .Boolean("BackPicturePrintable", &P::GetBackPicturePrintable, &P::SetBackPicturePrintable)
            .Default(true)
            .Boolean("BackPictureStretched", &P::GetBackPictureStretched, &P::SetBackPictureStretched)
            .Default(true)
            .Integer("PageCount", &P::GetPageCount, &P::SetPageCount)
            .Default(1)
            .Color("Color", &P::GetColor, &P::SetColor)
            .Default(clNone)
            .Reference("DataSet", "TfrxDataSet", &P::GetDataSet, &P::SetDataSet)
            .String("DataSetName", &P::GetDataSetName, &P::SetDataSetName)
            .Enum("Duplex", "TfrxDuplexMode", frxDuplexModeNames(), &P::GetDuplex, &P::SetDuplex)
            .Default(dmNone)
            .Object(pkFrame, "Frame", "TfrxFrame", &P::GetFrame)
            .Boolean("EndlessHeight", &P::GetEndlessHeight, &P::SetEndlessHeight)
            .Default(false)
            .Boolean("EndlessWidth", &P::GetEndlessWidth, &P::SetEndlessWidth)
            .Default(false)
            .Boolean("LargeDesignHeight", &P::GetLargeDesignHeight, &P::SetLargeDesignHeight)
            .Default(false)
            .String("OutlineText", &P::GetOutlineText, &P::SetOutlineText)
            .Boolean("PrintIfEmpty", &P::GetPrintIfEmpty, &P::SetPrintIfEmpty)
            .Default(true)
            .Boolean("PrintOnPreviousPage", &P::GetPrintOnPreviousPage, &P::SetPrintOnPreviousPage)
            .Default(false)
            .Boolean("ShowTitleOnPreviousPage", &P::GetShowTitleOnPreviousPage,
                     &P::SetShowTitleOnPreviousPage)
            .Default(true)
            .Boolean("ResetPageNumbers", &P::GetResetPageNumbers, &P::SetResetPageNumbers)
            .Default(false)
            .Boolean("TitleBeforeHeader", &P::GetTitleBeforeHeader, &P::SetTitleBeforeHeader)
            .Default(true)
            .Strings("HGuides", &P::GetHGuides, &P::SetHGuides)
            .Strings("VGuides", &P::GetVGuides, &P::SetVGuides)
            .Event("OnAfterPrint", &P::GetOnAfterPrint, &P::SetOnAfterPrint)
            .Event("OnBeforePrint", &P::GetOnBeforePrint, &P::SetOnBeforePrint)
            .Event("OnManualBuild", &P::GetOnManualBuild, &P::SetOnManualBuild)
            .Build();
    return list;
}

QString TfrxReportPage::GetDescription() const
{
    return frxGet(QStringLiteral("obRepPage"));
}

void TfrxReportPage::SetDefaults()
{
    FLeftMargin = FRightMargin = FTopMargin = FBottomMargin = 10;
    if (const TfrxCustomPrinter* printer = frxPrinters()->GetPrinter()) {
        FPaperSize = printer->GetDefPaper();
        FPaperWidth = printer->GetDefPaperWidth();
        FPaperHeight = printer->GetDefPaperHeight();
        FOrientation = printer->GetDefOrientation();
    }
    UpdateDimensions();
}

void TfrxReportPage::AlignChildren()
{
    SetWidth((FPaperWidth - FLeftMargin - FRightMargin) * kPixelsPerMm);
    SetHeight((FPaperHeight - FTopMargin - FBottomMargin) * kPixelsPerMm);
    TfrxPage::AlignChildren();
    UpdateDimensions();
}

void TfrxReportPage::SetOrientation(TPrinterOrientation value)
{
    if (value == FOrientation)
        return;
    std::swap(FPaperWidth, FPaperHeight);
    const double left = FLeftMargin, right = FRightMargin, top = FTopMargin, bottom = FBottomMargin;
    if (value == poLandscape) {
        FLeftMargin = top;
        FRightMargin = bottom;
        FTopMargin = right;
        FBottomMargin = left;
    } else {
        FLeftMargin = bottom;
        FRightMargin = top;
        FTopMargin = left;
        FBottomMargin = right;
    }
    FOrientation = value;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperWidth(double value)
{
    FPaperWidth = roundTo8Decimals(value);
    FPaperSize = kCustomPaper;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperHeight(double value)
{
    FPaperHeight = roundTo8Decimals(value);
    FPaperSize = kCustomPaper;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperSize(int value)
{
    FPaperSize = value;
    double width = 0;
    double height = 0;
    if (value < kCustomPaper && frxGetPaperDimensions(value, width, height)) {
        if (FOrientation == poLandscape)
            std::swap(width, height);
        FPaperWidth = width;
        FPaperHeight = height;
    }
    UpdateDimensions();
}

void TfrxReportPage::SetColumns(int value)
{
    FColumns = value;
    FColumnPositions.clear();
    if (value <= 0)
        return;
    FColumnWidth = (FPaperWidth - FLeftMargin - FRightMargin) / value;
    const QChar separator = QLocale().decimalPoint().front();
    for (int i = 0; i < value; ++i)
        FColumnPositions.append(formatGeneral(i * FColumnWidth, separator));
}

void TfrxReportPage::SetPageCount(int value)
{
    if (value >= 1)
        FPageCount = value;
}

void TfrxReportPage::UpdateDimensions()
{
    SetWidth(static_cast<double>(roundHalfEven(FPaperWidth * kPixelsPerMm)));
    SetHeight(static_cast<double>(roundHalfEven(FPaperHeight * kPixelsPerMm)));
}
