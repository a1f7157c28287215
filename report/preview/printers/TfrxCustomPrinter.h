#pragma once

#include "report/preview/printers/NumberedNames.h"
#include "report/preview/printers/TPrinterOrientation.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

#include <memory>

class TfrxPrinterCanvas;

// Bin number of automatic paper selection, the "Default" entry of every printer's bins.
inline constexpr int kfrxDefaultBin = 7;
// Paper number of a size given in millimetres, the "Custom" entry of every printer's papers.
inline constexpr int kfrxCustomPaper = 256;

// A printer as the report subsystem sees it: its papers and bins, its resolution, the physical size
// and unprintable margins of the current paper (millimetres), and the print jobs sent to it.
// Drawing goes to GetCanvas() between BeginPage and EndPage.
//
// Printing to a file: a non-empty FileName sends the next job to that file instead of the device.
// The file is a PDF document (the one file format printing produces on this platform, whatever
// the extension, ".prn" or ".pdf"), laid out exactly as the printer would print it: the same
// paper, resolution and unprintable margins. The virtual printer writes such files too, so a
// report can be printed to PDF on a machine without printers.
class TfrxCustomPrinter {
public:
    TfrxCustomPrinter(const QString& AName, const QString& APort);
    virtual ~TfrxCustomPrinter();
    TfrxCustomPrinter(const TfrxCustomPrinter&) = delete;
    TfrxCustomPrinter& operator=(const TfrxCustomPrinter&) = delete;

    // Reads the printer's capabilities once; afterwards GetInitialized() tells whether that worked.
    virtual void Init() = 0;
    // Discards the open document and ends it; nothing of it is printed.
    virtual void Abort() = 0;
    // BeginDoc, BeginPage and EndDoc raise an Exception when the document cannot be written or
    // queued; EndDoc ends the document all the same.
    virtual void BeginDoc() = 0;
    virtual void BeginPage() = 0;
    // A document of bytes handed to the printer as they are; failure raises an Exception.
    virtual void BeginRAWDoc() = 0;
    virtual void EndDoc() = 0;
    virtual void EndPage() = 0;
    virtual void EndRAWDoc() = 0;
    virtual void WriteRAWDoc(const QByteArray& buf) = 0;
    // Describe a paper for layout and preview (physical size and margins), without a job.
    virtual void SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                               TPrinterOrientation AOrientation) = 0;
    // Paper, orientation, bin, duplex (0 dmNone, 1 dmVertical, 2 dmHorizontal, 3 dmSimplex) and
    // copies for the pages that follow.
    virtual void SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                                TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies) = 0;
    // The printer's own settings dialog; true when it was accepted.
    virtual bool PropertiesDlg() = 0;

    // Position of the first bin / paper with that number; -1 when none.
    int BinIndex(int ABin) const;
    int PaperIndex(int APaper) const;
    // Number of the bin / paper with that name; an unknown name gives the first entry's number
    // (7 "Default", 256 "Custom").
    int BinNameToNumber(const QString& ABin) const;
    int PaperNameToNumber(const QString& APaper) const;

    int GetBin() const { return FBin; }
    int GetDuplex() const { return FDuplex; }
    const NumberedNames& GetBins() const { return FBins; }
    TfrxPrinterCanvas* GetCanvas() const { return FCanvas.get(); }
    TPrinterOrientation GetDefOrientation() const { return FDefOrientation; }
    int GetDefPaper() const { return FDefPaper; }
    double GetDefPaperHeight() const { return FDefPaperHeight; }
    double GetDefPaperWidth() const { return FDefPaperWidth; }
    int GetDefDuplex() const { return FDefDuplex; }
    int GetDefBin() const { return FDefBin; }
    QPoint GetDPI() const { return FDPI; }
    const QString& GetFileName() const { return FFileName; }
    void SetFileName(const QString& value) { FFileName = value; }
    bool GetInitialized() const { return FInitialized; }
    const QString& GetName() const { return FName; }
    int GetPaper() const { return FPaper; }
    const NumberedNames& GetPapers() const { return FPapers; }
    double GetPaperHeight() const { return FPaperHeight; }
    double GetPaperWidth() const { return FPaperWidth; }
    double GetLeftMargin() const { return FLeftMargin; }
    double GetTopMargin() const { return FTopMargin; }
    double GetRightMargin() const { return FRightMargin; }
    double GetBottomMargin() const { return FBottomMargin; }
    TPrinterOrientation GetOrientation() const { return FOrientation; }
    const QString& GetPort() const { return FPort; }
    const QString& GetTitle() const { return FTitle; }
    void SetTitle(const QString& value) { FTitle = value; }

protected:
    // Papers and bins start with their "Custom" and "Default" entries.
    void ResetPapersAndBins();
    // The document name of the next job.
    QString DocumentName() const;

    int FBin = -1;
    int FDuplex = -1;
    NumberedNames FBins;
    std::unique_ptr<TfrxPrinterCanvas> FCanvas;
    TPrinterOrientation FDefOrientation = poPortrait;
    int FDefPaper = 0;
    double FDefPaperHeight = 0;
    double FDefPaperWidth = 0;
    int FDefDuplex = 0;
    int FDefBin = 0;
    QPoint FDPI;
    QString FFileName;
    bool FInitialized = false;
    QString FName;
    int FPaper = 0;
    NumberedNames FPapers;
    double FPaperHeight = 0;
    double FPaperWidth = 0;
    double FLeftMargin = 0;
    double FTopMargin = 0;
    double FRightMargin = 0;
    double FBottomMargin = 0;
    TPrinterOrientation FOrientation = poPortrait;
    QString FPort;
    bool FPrinting = false;
    QString FTitle;
};
