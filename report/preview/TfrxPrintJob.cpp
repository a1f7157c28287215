#include "report/preview/TfrxPrintJob.h"

#include "common/Rounding.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/PageList.h"
#include "report/preview/PrintGeometry.h"
#include "report/preview/TfrxPrintDialog.h"
#include "report/preview/TfrxProgress.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double kMmPerInch = 25.4;

int roundInt(double value)
{
    return int(roundHalfEven(value));
}

// What restoring the options after a job keeps: the duplex mode chosen in the dialog, the output
// file and the pages-on-sheet setting outlive the job, every other choice applies to it alone.
void restoreOptions(TfrxPrintOptions& options, const TfrxPrintOptions& saved)
{
    const TfrxDuplexMode duplex = options.GetDuplex();
    const int pagesOnSheet = options.GetPagesOnSheet();
    const QString outFileName = options.GetPrnOutFileName();
    options.Assign(saved);
    options.SetDuplex(duplex);
    options.SetPagesOnSheet(pagesOnSheet);
    options.SetPrnOutFileName(outFileName);
}

} // namespace

TfrxPrintJob::TfrxPrintJob(TfrxReport& AReport, TfrxCustomPreviewPages& APages)
    : FReport(AReport), FPages(APages)
{
}

TfrxPrintJob::~TfrxPrintJob() = default;

bool TfrxPrintJob::GetTerminated() const
{
    return FReport.GetTerminated();
}

void TfrxPrintJob::SetTerminated(bool value)
{
    FReport.SetTerminated(value);
}

QString TfrxPrintJob::OutFileName() const
{
    return FPrnOutFileName.isEmpty() ? FReport.GetPrintOptions()->GetPrnOutFileName() : FPrnOutFileName;
}

TfrxCustomPrinter* TfrxPrintJob::CurrentPrinter() const
{
    return FFixedPrinter ? FFixedPrinter : frxPrinters()->GetPrinter();
}

bool TfrxPrintJob::Print()
{
    if (!FFixedPrinter && OutFileName().isEmpty() && !frxPrinters()->GetHasPhysicalPrinters()) {
        frxErrorBox(frxGet(QStringLiteral("clNoPrinters")));
        return false;
    }
    FPages.SetPrintScale(1);
    TfrxPrintOptions& options = *FReport.GetPrintOptions();
    TfrxPrintOptions saved;
    saved.Assign(options);
    TfrxDuplexMode duplex = options.GetDuplex();
    if (!FFixedPrinter)
        FReport.SelectPrinter();
    if (!FFixedPrinter && options.GetShowDialog()) {
        if (!RunDialog(duplex)) {
            FPages.SetCopyNo(0);
            return false;
        }
        options.SetDuplex(duplex);
    }
    FDialogDuplex = duplex;

    TfrxCustomPrinter* printer = CurrentPrinter();
    try {
        RunJob(printer);
    } catch (...) {
        CloseJob(printer, saved);
        throw;
    }
    CloseJob(printer, saved);
    return true;
}

void TfrxPrintJob::RunJob(TfrxCustomPrinter* printer)
{
    const TfrxPrintOptions& options = *FReport.GetPrintOptions();
    if (printer && !OutFileName().isEmpty())
        printer->SetFileName(OutFileName());
    if (printer && options.GetPrintMode() != pmDefault)
        MeasureSheet(*printer);
    if (FOnPrintReport)
        FOnPrintReport();
    if (FOnReportPrint)
        FOnReportPrint();
    if (FOnLockPreview)
        FOnLockPreview();
    if (!printer || !printer->GetInitialized()) {
        frxErrorBox(frxGet(QStringLiteral("prInvalid")));
        return;
    }
    FPageList = frxParsePageList(options.GetPageNumbers(), FPages.GetCount());
    FPages.ClearPageCache();
    PrintPages(*printer);
}

void TfrxPrintJob::CloseJob(TfrxCustomPrinter* printer, const TfrxPrintOptions& saved)
{
    if (FOnAfterPrintReport)
        FOnAfterPrintReport();
    FPages.SetCopyNo(0);
    restoreOptions(*FReport.GetPrintOptions(), saved);
    // A file name holds for one job; the next one goes to the printer again.
    if (printer)
        printer->SetFileName(QString());
}

bool TfrxPrintJob::RunDialog(TfrxDuplexMode& duplex)
{
    // Without a widget application there is nobody to ask: the dialog counts as cancelled.
    if (!FOnExecuteDialog && !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    TfrxPrintDialog dialog;
    dialog.SetAReport(&FReport);
    dialog.SetADuplexMode(duplex);
    dialog.SetCurPreviewPage(FPages.GetCurPreviewPage());
    const bool accepted = FOnExecuteDialog ? FOnExecuteDialog(dialog) : dialog.exec() == QDialog::Accepted;
    if (accepted)
        duplex = dialog.GetADuplexMode();
    return accepted;
}

void TfrxPrintJob::MeasureSheet(TfrxCustomPrinter& printer)
{
    const int sheet = FReport.GetPrintOptions()->GetPrintOnSheet();
    if (sheet == kfrxCustomPaper)
        printer.SetViewParams(kfrxCustomPaper, printer.GetPaperWidth(), printer.GetPaperHeight(), poPortrait);
    else
        printer.SetViewParams(sheet, 0, 0, poPortrait);
    FSheetWidth = printer.GetPaperWidth() != 0 ? printer.GetPaperWidth() : printer.GetDefPaperWidth();
    FSheetHeight = printer.GetPaperHeight() != 0 ? printer.GetPaperHeight() : printer.GetDefPaperHeight();
}

void TfrxPrintJob::PrintPages(TfrxCustomPrinter& printer)
{
    FPrinter = &printer;
    SetTerminated(false);
    ProgressStart();
    const QString& name = FReport.GetReportOptions()->GetName();
    printer.SetTitle(name.isEmpty() ? FReport.GetFileName() : name);
    FCopies = std::max(FReport.GetPrintOptions()->GetCopies(), 1);
    FStarted = false;
    FDocumentOpen = false;
    FPagesPrinted = 0;
    FUsedBins.clear();
    FPrevDuplex = dmNone;
    FOddSide = false;
    try {
        PrintCopies();
        if (FDocumentOpen) {
            FDocumentOpen = false;
            printer.EndDoc();
        }
    } catch (...) {
        // The error that ends the job is the one to report, not one of discarding the document.
        try {
            Abort();
        } catch (...) {
        }
        ProgressStop();
        throw;
    }
    ProgressStop();
}

void TfrxPrintJob::PrintCopies()
{
    if (!FReport.GetPrintOptions()->GetCollate()) {
        FCurrentCopy = 1;
        PrintPageSet();
        return;
    }
    for (int copy = 1; copy <= FCopies; ++copy) {
        FCurrentCopy = copy;
        if (!PrintPageSet())
            return;
        if (FOddSide) {
            // The next copy starts on a sheet of its own.
            FOddSide = false;
            FPrinter->BeginPage();
            FPrinter->EndPage();
        }
        if (GetTerminated())
            return;
    }
}

bool TfrxPrintJob::PrintPageSet()
{
    return FReport.GetPrintOptions()->GetPrintMode() == pmJoin ? PrintJoined() : PrintPositions();
}

bool TfrxPrintJob::PrintPositions()
{
    const TfrxPrintOptions& options = *FReport.GetPrintOptions();
    const bool split = options.GetPrintMode() == pmSplit;
    const int count = FPageList.isEmpty() ? FPages.GetCount() : int(FPageList.size());
    for (int k = 0; k < count; ++k) {
        const int index = PageIndexAt(options.GetReverse() ? count - 1 - k : k);
        if (index < 0 || Excluded(index))
            continue;
        if (!(split ? PrintSplitPage(index) : PrintPage(index)))
            return false;
    }
    return true;
}

int TfrxPrintJob::PageIndexAt(int position) const
{
    const int index = FPageList.isEmpty() ? position : FPageList.at(position) - 1;
    return index >= 0 && index < FPages.GetCount() ? index : -1;
}

bool TfrxPrintJob::Excluded(int index) const
{
    const bool odd = (index + 1) % 2 == 1;
    switch (FReport.GetPrintOptions()->GetPrintPages()) {
    case ppOdd:
        return !odd;
    case ppEven:
        return odd;
    default:
        return false;
    }
}

bool TfrxPrintJob::PrintPage(int index)
{
    if (Cancelled())
        return false;
    TfrxReportPage* page = FPages.GetPage(index);
    if (!page)
        return true;
    SetCopies(*page);
    const int bin = PageBin(*page);
    const TfrxDuplexMode duplex = PageDuplex(*page);
    TrackDuplexSide(duplex);
    double kx = 1;
    double ky = 1;
    if (FReport.GetPrintOptions()->GetPrintMode() == pmScale) {
        SendScaleParams(*page, bin, duplex);
        if (page->GetPaperWidth() > 0 && page->GetPaperHeight() > 0) {
            kx = FSheetWidth / page->GetPaperWidth();
            ky = FSheetHeight / page->GetPaperHeight();
        }
        FPages.SetPrintScale(std::min(kx, ky));
    } else {
        SendPageParams(*page, bin, duplex);
    }
    BeginDoc();
    FPrinter->BeginPage();
    const TfrxPagePlacement placement =
        frxPlacePage(FPrinter->GetDPI(), FPrinter->GetLeftMargin(), FPrinter->GetTopMargin(), kx, ky);
    Draw(index, placement.ScaleX, placement.ScaleY, placement.OffsetX, placement.OffsetY);
    Progress(index + 1);
    FPrinter->EndPage();
    FinishPage(*page, bin, duplex);
    return true;
}

bool TfrxPrintJob::PrintSplitPage(int index)
{
    if (Cancelled())
        return false;
    TfrxReportPage* page = FPages.GetPage(index);
    if (!page)
        return true;
    SetCopies(*page);
    const int bin = index == 0 ? page->GetBin() : page->GetBinOtherPages();
    const TfrxDuplexMode duplex = PageDuplex(*page);
    const TfrxSheetGrid grid = frxSplitGridWithOverlap(
        page->GetPaperWidth(), page->GetPaperHeight(), FSheetWidth, FSheetHeight,
        FReport.GetPrintOptions()->GetSplicingLine(), FPrinter->GetLeftMargin(), FPrinter->GetTopMargin(),
        FPrinter->GetRightMargin(), FPrinter->GetBottomMargin());
    // What was sent last is the sheet's orientation, which is what the next page has to match.
    const TPrinterOrientation sheetOrientation = grid.Turned ? poLandscape : poPortrait;
    if (!FStarted || sheetOrientation != FPrevOrientation || bin != FPrevBin || duplex != FPrevDuplex)
        FPrinter->SetPrintParams(FReport.GetPrintOptions()->GetPrintOnSheet(), FSheetWidth, FSheetHeight,
                                 sheetOrientation, bin, duplex, PrinterCopies());
    BeginDoc();
    DrawSplitSheets(index, *page, grid);
    Progress(index + 1);
    FinishPage(*page, bin, duplex);
    FPrevOrientation = sheetOrientation;
    return true;
}

void TfrxPrintJob::DrawSplitSheets(int index, const TfrxReportPage& page, const TfrxSheetGrid& grid)
{
    const QPoint dpi = FPrinter->GetDPI();
    const double dx = dpi.x() / kMmPerInch;
    const double dy = dpi.y() / kMmPerInch;
    const double left = FPrinter->GetLeftMargin();
    const double top = FPrinter->GetTopMargin();
    const double splicing = FReport.GetPrintOptions()->GetSplicingLine();
    const double sheetX = (grid.Turned ? FSheetHeight : FSheetWidth) * dx;
    const double sheetY = (grid.Turned ? FSheetWidth : FSheetHeight) * dy;
    // Each later sheet starts the splicing overlap and the unprintable strips before the end of the
    // previous one; its clipping hides what the previous sheet printed already.
    const double stepX = sheetX - (left + FPrinter->GetRightMargin() + splicing) * dx;
    const double stepY = sheetY - (top + FPrinter->GetBottomMargin() + splicing) * dy;
    const int clipRight = roundInt(page.GetPaperWidth() * kPixelsPerMm * dpi.x() / kReportDpi -
                                   FPrinter->GetRightMargin() * dx) -
                          1;
    const int clipBottom = roundInt(page.GetPaperHeight() * kPixelsPerMm * dpi.y() / kReportDpi -
                                    FPrinter->GetBottomMargin() * dy) -
                           1;
    for (int row = 0; row < grid.Rows; ++row) {
        const double offsetY = row == 0 ? -top * dy : -row * stepY;
        const int clipTop = row == 0 ? 0 : roundInt((top + splicing) * dy);
        for (int column = 0; column < grid.Columns; ++column) {
            const double offsetX = column == 0 ? -left * dx : -column * stepX;
            const int clipLeft = column == 0 ? 0 : roundInt((left + splicing) * dx);
            FPrinter->BeginPage();
            if (QPainter* painter = FPrinter->GetCanvas()->GetPainter()) {
                painter->save();
                painter->setClipRect(QRect(QPoint(clipLeft, clipTop), QPoint(clipRight, clipBottom)),
                                     Qt::IntersectClip);
                try {
                    FPages.DrawPage(index, *painter, dpi.x() / kReportDpi, dpi.y() / kReportDpi, offsetX,
                                    offsetY);
                } catch (...) {
                    painter->restore();
                    throw;
                }
                painter->restore();
            }
            FPrinter->EndPage();
        }
    }
}

bool TfrxPrintJob::PrintJoined()
{
    const TfrxPrintOptions& options = *FReport.GetPrintOptions();
    const int count = FPageList.isEmpty() ? FPages.GetCount() : int(FPageList.size());
    int position = 0;
    const auto nextIndex = [&] {
        while (position < count)
            if (const int index = PageIndexAt(position++); index >= 0)
                return index;
        return -1;
    };
    int current = nextIndex();
    const TfrxReportPage* first = current >= 0 ? FPages.GetPage(current) : nullptr;
    if (!first)
        return true;
    const double pageWidth = first->GetPaperWidth();
    const double pageHeight = first->GetPaperHeight();
    const TfrxSheetGrid grid = frxJoinGrid(pageWidth, pageHeight, FSheetWidth, FSheetHeight);
    if (!FStarted) {
        FPrinter->SetPrintParams(options.GetPrintOnSheet(), FSheetWidth, FSheetHeight,
                                 grid.Turned ? poLandscape : poPortrait, first->GetBin(), PageDuplex(*first),
                                 1);
        BeginDoc();
        FStarted = true;
    }
    const QPoint dpi = FPrinter->GetDPI();
    const double stepX = dpi.x() / kMmPerInch * pageWidth;
    const double stepY = dpi.y() / kMmPerInch * pageHeight;
    // Without collation every page takes this many places in a row, across sheets too.
    const int placements = options.GetCollate() ? 1 : FCopies;
    int placed = 0;
    while (current >= 0) {
        FPrinter->BeginPage();
        int lastIndex = current;
        double offsetY = -FPrinter->GetTopMargin() * dpi.y() / kMmPerInch;
        for (int row = 0; row < grid.Rows && current >= 0; ++row) {
            double offsetX = -FPrinter->GetLeftMargin() * dpi.x() / kMmPerInch;
            for (int column = 0; column < grid.Columns && current >= 0; ++column) {
                FPages.SetCopyNo(options.GetCollate() ? FCurrentCopy : placed + 1);
                Draw(current, dpi.x() / kReportDpi, dpi.y() / kReportDpi, offsetX, offsetY);
                offsetX += stepX;
                lastIndex = current;
                if (++placed == placements) {
                    placed = 0;
                    current = nextIndex();
                }
            }
            offsetY += stepY;
        }
        FPrinter->EndPage();
        Progress(lastIndex + 1);
        ProcessPendingMessages();
        if (Cancelled())
            return false;
        ++FPagesPrinted;
        FPages.ClearPageCache();
    }
    return true;
}

int TfrxPrintJob::PrinterCopies() const
{
    return FReport.GetPrintOptions()->GetCollate() ? 1 : FCopies;
}

void TfrxPrintJob::SetCopies(TfrxReportPage& page)
{
    FPages.SetCopyNo(FReport.GetPrintOptions()->GetCollate() ? FCurrentCopy : 1);
    if (FOnPrintPage)
        FOnPrintPage(page, FPages.GetCopyNo());
}

int TfrxPrintJob::PageBin(const TfrxReportPage& page)
{
    if (FUsedBins.contains(page.GetBin()))
        return page.GetBinOtherPages();
    FUsedBins.append(page.GetBin());
    return page.GetBin();
}

TfrxDuplexMode TfrxPrintJob::PageDuplex(const TfrxReportPage& page) const
{
    return FDialogDuplex != dmNone ? FDialogDuplex : page.GetDuplex();
}

void TfrxPrintJob::TrackDuplexSide(TfrxDuplexMode duplex)
{
    if (duplex != FPrevDuplex)
        FOddSide = false;
    if (duplex == dmVertical || duplex == dmHorizontal)
        FOddSide = !FOddSide;
}

void TfrxPrintJob::SendScaleParams(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex)
{
    if (FStarted && bin == FPrevBin && page.GetOrientation() == FPrevOrientation && duplex == FPrevDuplex)
        return;
    FPrinter->SetPrintParams(FReport.GetPrintOptions()->GetPrintOnSheet(), FSheetWidth, FSheetHeight,
                             page.GetOrientation(), bin, duplex, PrinterCopies());
    FSheetWidth = FPrinter->GetPaperWidth();
    FSheetHeight = FPrinter->GetPaperHeight();
}

void TfrxPrintJob::SendPageParams(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex)
{
    if (FStarted && page.GetPaperSize() == FPrevPaper && roundHalfEven(page.GetPaperWidth()) == FPrevWidth &&
        roundHalfEven(page.GetPaperHeight()) == FPrevHeight && bin == FPrevBin &&
        page.GetOrientation() == FPrevOrientation && duplex == FPrevDuplex)
        return;
    FPrinter->SetPrintParams(page.GetPaperSize(), page.GetPaperWidth(), page.GetPaperHeight(),
                             page.GetOrientation(), bin, duplex, PrinterCopies());
}

void TfrxPrintJob::BeginDoc()
{
    if (FDocumentOpen)
        return;
    FPrinter->BeginDoc();
    FDocumentOpen = true;
}

void TfrxPrintJob::Draw(int index, double scaleX, double scaleY, double offsetX, double offsetY)
{
    // A printer that prints nothing (the virtual one without a file) has no painter.
    if (QPainter* painter = FPrinter->GetCanvas()->GetPainter())
        FPages.DrawPage(index, *painter, scaleX, scaleY, offsetX, offsetY);
}

void TfrxPrintJob::FinishPage(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex)
{
    ProcessPendingMessages();
    FStarted = true;
    ++FPagesPrinted;
    FPrevPaper = page.GetPaperSize();
    FPrevWidth = roundHalfEven(page.GetPaperWidth());
    FPrevHeight = roundHalfEven(page.GetPaperHeight());
    FPrevBin = bin;
    FPrevOrientation = page.GetOrientation();
    FPrevDuplex = duplex;
    FPages.ClearPageCache();
}

bool TfrxPrintJob::Cancelled()
{
    if (!GetTerminated())
        return false;
    Abort();
    return true;
}

void TfrxPrintJob::Abort()
{
    if (!FDocumentOpen)
        return;
    FDocumentOpen = false;
    FPrinter->Abort();
}

void TfrxPrintJob::ProgressStart()
{
    if (!FReport.GetShowProgress() || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    FProgress = std::make_unique<TfrxProgress>(false);
    QObject::connect(FProgress.get(), &TfrxProgress::cancelled, FProgress.get(),
                     [this] { SetTerminated(true); });
    FProgress->show();
}

void TfrxPrintJob::Progress(int page)
{
    if (FProgress)
        FProgress->SetMessage(
            frxGet(QStringLiteral("prPrinting")).replace(QLatin1String("%d"), QString::number(page)));
    if (FOnProgress)
        FOnProgress(page);
}

void TfrxPrintJob::ProgressStop()
{
    FProgress.reset();
}

void TfrxPrintJob::ProcessPendingMessages()
{
    if (!FReport.GetEngineOptions()->GetEnableThreadSafe())
        QCoreApplication::processEvents();
}

bool frxPrintToPdfFile(TfrxReport& AReport, TfrxCustomPreviewPages& APages, const QString& FileName)
{
    TfrxPrintOptions& options = *AReport.GetPrintOptions();
    const bool showDialog = options.GetShowDialog();
    options.SetShowDialog(false);
    TfrxPrintJob job(AReport, APages);
    job.SetPrnOutFileName(FileName);
    bool printed = false;
    try {
        printed = job.Print();
    } catch (...) {
        options.SetShowDialog(showDialog);
        throw;
    }
    options.SetShowDialog(showDialog);
    return printed;
}
