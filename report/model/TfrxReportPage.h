#pragma once

#include "report/model/TfrxObjectRef.h"
#include "report/model/TfrxPage.h"
#include "report/model/TfrxPictureView.h"
#include "report/preview/printers/TPrinterOrientation.h"

#include <QStringList>

#include <memory>

// A printable page. Paper sizes and margins are millimetres; the page's Width and Height follow
// the paper (whole report pixels) and are not stored.
class TfrxReportPage : public TfrxPage {
public:
    // A4 portrait (paper 9, 210 × 297 mm), no margins, automatic bins, prepared once.
    explicit TfrxReportPage(TfrxComponent* AOwner = nullptr);

    QString GetClassName() const override { return QStringLiteral("TfrxReportPage"); }
    const TfrxPropertyList& GetProperties() const override { return ClassProperties(); }
    static const TfrxPropertyList& ClassProperties();
    QString GetBaseName() const override { return QStringLiteral("Page"); }
    QString GetDescription() const override;

    // Margins of 10 mm, and the default printer's paper and orientation (used for new pages).
    void SetDefaults();
    // Aligns the child views within the printable area, then restores the paper size.
    void AlignChildren() override;

    TPrinterOrientation GetOrientation() const { return FOrientation; }
    // A change swaps the paper's width and height and turns the margins with the paper.
    void SetOrientation(TPrinterOrientation value);
    double GetPaperWidth() const { return FPaperWidth; }
    double GetPaperHeight() const { return FPaperHeight; }
    // Rounded to 8 decimals; makes the paper custom (256).
    void SetPaperWidth(double value);
    void SetPaperHeight(double value);
    int GetPaperSize() const { return FPaperSize; }
    // A number of the paper table below 256 takes that paper's size in the page's orientation;
    // other numbers are only stored.
    void SetPaperSize(int value);
    double GetLeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(double value) { FLeftMargin = value; }
    double GetRightMargin() const { return FRightMargin; }
    void SetRightMargin(double value) { FRightMargin = value; }
    double GetTopMargin() const { return FTopMargin; }
    void SetTopMargin(double value) { FTopMargin = value; }
    double GetBottomMargin() const { return FBottomMargin; }
    void SetBottomMargin(double value) { FBottomMargin = value; }
    bool GetMirrorMargins() const { return FMirrorMargins; }
    void SetMirrorMargins(bool value) { FMirrorMargins = value; }

    int GetColumns() const { return FColumns; }
    // n > 0 divides the printable width into n columns of equal width; n <= 0 drops the positions.
    void SetColumns(int value);
    double GetColumnWidth() const { return FColumnWidth; }
    void SetColumnWidth(double value) { FColumnWidth = value; }
    const QStringList& GetColumnPositions() const { return FColumnPositions; }
    void SetColumnPositions(const QStringList& value) { FColumnPositions = value; }

    int GetBin() const { return FBin; }
    void SetBin(int value) { FBin = value; }
    int GetBinOtherPages() const { return FBinOtherPages; }
    void SetBinOtherPages(int value) { FBinOtherPages = value; }

    // The background picture, its colour and the frame along the page's edges belong to a
    // picture object that the page owns outside its children.
    TfrxPictureView& GetBackPictureView() { return *FBackPicture; }
    const TfrxPictureView& GetBackPictureView() const { return *FBackPicture; }
    TfrxPicture* GetBackPicture() { return FBackPicture->GetPicture(); }
    const TfrxPicture* GetBackPicture() const { return FBackPicture->GetPicture(); }
    void SetBackPicture(const TfrxPicture& value) { FBackPicture->SetPicture(value); }
    TColor GetColor() const { return FBackPicture->GetColor(); }
    void SetColor(TColor value) { FBackPicture->SetColor(value); }
    TfrxFrame* GetFrame() { return FBackPicture->GetFrame(); }
    const TfrxFrame* GetFrame() const { return FBackPicture->GetFrame(); }
    void SetFrame(const TfrxFrame& value) { FBackPicture->SetFrame(value); }
    bool GetBackPictureVisible() const { return FBackPictureVisible; }
    void SetBackPictureVisible(bool value) { FBackPictureVisible = value; }
    bool GetBackPicturePrintable() const { return FBackPicturePrintable; }
    void SetBackPicturePrintable(bool value) { FBackPicturePrintable = value; }
    bool GetBackPictureStretched() const { return FBackPictureStretched; }
    void SetBackPictureStretched(bool value) { FBackPictureStretched = value; }

    int GetPageCount() const { return FPageCount; }
    // Values below 1 are ignored.
    void SetPageCount(int value);
    TfrxComponent* GetDataSet() const { return FDataSet.Get(); }
    void SetDataSet(TfrxComponent* value) { FDataSet.Set(value); }
    const QString& GetDataSetName() const { return FDataSetName; }
    void SetDataSetName(const QString& value) { FDataSetName = value; }
    TfrxDuplexMode GetDuplex() const { return FDuplex; }
    void SetDuplex(TfrxDuplexMode value) { FDuplex = value; }
    bool GetEndlessHeight() const { return FEndlessHeight; }
    void SetEndlessHeight(bool value) { FEndlessHeight = value; }
    bool GetEndlessWidth() const { return FEndlessWidth; }
    void SetEndlessWidth(bool value) { FEndlessWidth = value; }
    bool GetLargeDesignHeight() const { return FLargeDesignHeight; }
    void SetLargeDesignHeight(bool value) { FLargeDesignHeight = value; }
    const QString& GetOutlineText() const { return FOutlineText; }
    void SetOutlineText(const QString& value) { FOutlineText = value; }
    bool GetPrintIfEmpty() const { return FPrintIfEmpty; }
    void SetPrintIfEmpty(bool value) { FPrintIfEmpty = value; }
    bool GetPrintOnPreviousPage() const { return FPrintOnPreviousPage; }
    void SetPrintOnPreviousPage(bool value) { FPrintOnPreviousPage = value; }
    bool GetShowTitleOnPreviousPage() const { return FShowTitleOnPreviousPage; }
    void SetShowTitleOnPreviousPage(bool value) { FShowTitleOnPreviousPage = value; }
    bool GetResetPageNumbers() const { return FResetPageNumbers; }
    void SetResetPageNumbers(bool value) { FResetPageNumbers = value; }
    bool GetTitleBeforeHeader() const { return FTitleBeforeHeader; }
    void SetTitleBeforeHeader(bool value) { FTitleBeforeHeader = value; }
    const QStringList& GetHGuides() const { return FHGuides; }
    void SetHGuides(const QStringList& value) { FHGuides = value; }
    const QStringList& GetVGuides() const { return FVGuides; }
    void SetVGuides(const QStringList& value) { FVGuides = value; }

    const QString& GetOnAfterPrint() const { return FOnAfterPrint; }
    void SetOnAfterPrint(const QString& value) { FOnAfterPrint = value; }
    const QString& GetOnBeforePrint() const { return FOnBeforePrint; }
    void SetOnBeforePrint(const QString& value) { FOnBeforePrint = value; }
    const QString& GetOnManualBuild() const { return FOnManualBuild; }
    void SetOnManualBuild(const QString& value) { FOnManualBuild = value; }

private:
    // Width and Height: the paper in whole report pixels, halves to even.
    void UpdateDimensions();

    TPrinterOrientation FOrientation = poPortrait;
    double FPaperWidth = 210;
    double FPaperHeight = 297;
    int FPaperSize = 9;
    double FLeftMargin = 0;
    double FRightMargin = 0;
    double FTopMargin = 0;
    double FBottomMargin = 0;
    bool FMirrorMargins = false;
    int FColumns = 0;
    double FColumnWidth = 0;
    QStringList FColumnPositions;
    int FBin = 7;
    int FBinOtherPages = 7;
    std::unique_ptr<TfrxPictureView> FBackPicture;
    bool FBackPictureVisible = true;
    bool FBackPicturePrintable = true;
    bool FBackPictureStretched = true;
    int FPageCount = 1;
    TfrxObjectRef<TfrxComponent> FDataSet;
    QString FDataSetName;
    TfrxDuplexMode FDuplex = dmNone;
    bool FEndlessHeight = false;
    bool FEndlessWidth = false;
    bool FLargeDesignHeight = false;
    QString FOutlineText;
    bool FPrintIfEmpty = true;
    bool FPrintOnPreviousPage = false;
    bool FShowTitleOnPreviousPage = true;
    bool FResetPageNumbers = false;
    bool FTitleBeforeHeader = true;
    QStringList FHGuides;
    QStringList FVGuides;
    QString FOnAfterPrint;
    QString FOnBeforePrint;
    QString FOnManualBuild;
};
