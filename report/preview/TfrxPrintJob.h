#pragma once

#include "report/model/TfrxTypes.h"
#include "report/preview/printers/TPrinterOrientation.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class TfrxCustomPrinter;
class TfrxPrintDialog;
class TfrxPrintOptions;
class TfrxCustomPreviewPages;
class TfrxProgress;
class TfrxReport;
class TfrxReportPage;
struct TfrxSheetGrid;

// One print job: the prepared pages of a report sent to the current printer. It selects the
// report's printer, shows the print dialog (PrintOptions.ShowDialog), works out the pages and their
// order from the print options (page list, odd/even, reverse, copies and collation), sets paper,
// orientation, bin and duplex whenever they change from page to page, and draws each page on the
// printer's canvas at the printer's resolution, shifted by its unprintable margins, so that every
// object lands at its place relative to the paper's edges. The print modes spread big pages over
// several sheets (pmSplit), gather small ones on one sheet (pmJoin) or stretch each page to the
// sheet (pmScale).
//
// The options changed in the dialog hold for this job only, except the duplex mode and the
// printer chosen there. A progress window (ShowProgress) with a Cancel button shows the page being
// printed; pending window messages run after every page (unless EngineOptions.EnableThreadSafe),
// and a cancel, or SetTerminated(true) from an event, aborts the document before the next page.
class TfrxPrintJob {
public:
    TfrxPrintJob(TfrxReport& AReport, TfrxCustomPreviewPages& APages);
    ~TfrxPrintJob();
    TfrxPrintJob(const TfrxPrintJob&) = delete;
    TfrxPrintJob& operator=(const TfrxPrintJob&) = delete;

    // False when no printer is installed or the dialog was cancelled, true otherwise (also when the
    // printer is not valid or the job was cancelled). An error of the page list or of the printer
    // is raised as an Exception after the closing events.
    bool Print();

    // The job goes to this file (a PDF document laid out as the printer prints) instead of the
    // printer, for this job only (PrintOptions.PrnOutFileName holds for every job); it may then run
    // on the virtual printer of a machine without printers.
    const QString& GetPrnOutFileName() const { return FPrnOutFileName; }
    void SetPrnOutFileName(const QString& value) { FPrnOutFileName = value; }
    // A printer to print on instead of the printer list's current one (hosts and tests); no printer
    // is then selected by name, and the dialog, which chooses among the list's printers, is not
    // shown. Not owned.
    void SetPrinter(TfrxCustomPrinter* value) { FFixedPrinter = value; }

    // The report's Terminated: set by the progress window's Cancel or by an event, it aborts the
    // document before the next page.
    bool GetTerminated() const;
    void SetTerminated(bool value);
    // Sheets sent in the last job (pages, or joined sheets in pmJoin).
    int GetPagesPrinted() const { return FPagesPrinted; }

    // Events of the host program.
    void SetOnPrintReport(std::function<void()> value) { FOnPrintReport = std::move(value); }
    void SetOnPrintPage(std::function<void(TfrxReportPage& Page, int CopyNo)> value)
    {
        FOnPrintPage = std::move(value);
    }
    void SetOnAfterPrintReport(std::function<void()> value) { FOnAfterPrintReport = std::move(value); }
    // Runs the report script's OnReportPrint procedure.
    void SetOnReportPrint(std::function<void()> value) { FOnReportPrint = std::move(value); }
    // Locks the report's preview control and refreshes it, so that it paints no page while the
    // pages are rebuilt for printing; the preview window unlocks it after the job.
    void SetOnLockPreview(std::function<void()> value) { FOnLockPreview = std::move(value); }
    // Called with the page number of every page sent (after the progress window is updated).
    void SetOnProgress(std::function<void(int Page)> value) { FOnProgress = std::move(value); }
    // Shows the print dialog modally and tells whether it was accepted; the default runs exec(),
    // and counts the dialog as cancelled where no widget application runs.
    void SetOnExecuteDialog(std::function<bool(TfrxPrintDialog& Dialog)> value)
    {
        FOnExecuteDialog = std::move(value);
    }

private:
    QString OutFileName() const;
    TfrxCustomPrinter* CurrentPrinter() const;
    bool RunDialog(TfrxDuplexMode& duplex);
    void RunJob(TfrxCustomPrinter* printer);
    // The closing steps, also after an error: events, copy number, options, output file.
    void CloseJob(TfrxCustomPrinter* printer, const TfrxPrintOptions& saved);
    void MeasureSheet(TfrxCustomPrinter& printer);
    void PrintPages(TfrxCustomPrinter& printer);
    void PrintCopies();
    // Each returns false when the job was cancelled.
    bool PrintPageSet();
    bool PrintPositions();
    bool PrintPage(int index);
    bool PrintSplitPage(int index);
    bool PrintJoined();
    void DrawSplitSheets(int index, const TfrxReportPage& page, const TfrxSheetGrid& grid);
    // The page index at a position of the page set; -1 when it names no page.
    int PageIndexAt(int position) const;
    bool Excluded(int index) const;

    int PrinterCopies() const;
    void SetCopies(TfrxReportPage& page);
    int PageBin(const TfrxReportPage& page);
    TfrxDuplexMode PageDuplex(const TfrxReportPage& page) const;
    void TrackDuplexSide(TfrxDuplexMode duplex);
    void SendScaleParams(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex);
    void SendPageParams(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex);
    void BeginDoc();
    void Draw(int index, double scaleX, double scaleY, double offsetX, double offsetY);
    // Remembers what the page was printed with and releases its object.
    void FinishPage(const TfrxReportPage& page, int bin, TfrxDuplexMode duplex);
    // Aborts the document when the job was cancelled.
    bool Cancelled();
    void Abort();
    void ProgressStart();
    void Progress(int page);
    void ProgressStop();
    void ProcessPendingMessages();

    TfrxReport& FReport;
    TfrxCustomPreviewPages& FPages;
    TfrxCustomPrinter* FFixedPrinter = nullptr;
    QString FPrnOutFileName;

    // Job state, valid during one Print.
    TfrxCustomPrinter* FPrinter = nullptr;
    QList<int> FPageList;
    QList<int> FUsedBins;
    double FSheetWidth = 0;
    double FSheetHeight = 0;
    TfrxDuplexMode FDialogDuplex = dmNone;
    int FCopies = 1;
    int FCurrentCopy = 1;
    bool FStarted = false;
    bool FDocumentOpen = false;
    int FPagesPrinted = 0;
    int FPrevPaper = 0;
    long long FPrevWidth = 0;
    long long FPrevHeight = 0;
    int FPrevBin = 0;
    TPrinterOrientation FPrevOrientation = poPortrait;
    TfrxDuplexMode FPrevDuplex = dmNone;
    bool FOddSide = false;
    std::unique_ptr<TfrxProgress> FProgress;

    std::function<void()> FOnPrintReport;
    std::function<void(TfrxReportPage&, int)> FOnPrintPage;
    std::function<void()> FOnAfterPrintReport;
    std::function<void()> FOnReportPrint;
    std::function<void()> FOnLockPreview;
    std::function<void(int)> FOnProgress;
    std::function<bool(TfrxPrintDialog&)> FOnExecuteDialog;
};

// Prints the pages into a PDF file through the current printer (the virtual one on a machine
// without printers), without the print dialog; the print options apply as they are.
bool frxPrintToPdfFile(TfrxReport& AReport, TfrxCustomPreviewPages& APages, const QString& FileName);
