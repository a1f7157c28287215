#pragma once

#include "report/preview/printers/CupsQueue.h"
#include "report/preview/printers/TfrxCustomPrinter.h"

#include <QHash>
#include <QPageSize>

#include <memory>

class CupsRawJob;
class PdfPrintJob;
class QPrinter;

// The printer's settings block: what is applied to the device whenever its context is made.
struct TfrxDeviceMode {
    int Orientation = 1; // 1 portrait, 2 landscape
    int PaperSize = 0;
    int PaperLength = 0; // tenths of a millimetre, for the custom size 256 only
    int PaperWidth = 0;
    int Copies = 1;
    int DefaultSource = kfrxDefaultBin;
    int Duplex = 1; // 1 simplex, 2 vertical (long edge), 3 horizontal (short edge)
    bool Collate = false;
};

// A printer of the system, a CUPS queue. Its capabilities come from Qt's print support and the
// queue's IPP attributes. A job is drawn into a PDF document at the printer's resolution and
// queued when it ends (Abort queues nothing), or written to FileName instead.
//
// Paper numbers are the standard paper-size codes where a paper has one (9 A4, 11 A5, ...);
// papers without one get 1000 + their Qt page size id, and sizes peculiar to the printer
// 2000 + their position in its list. Bin numbers: 7 automatic, 1 top, 2 bottom, 3 middle,
// 4 manual, 5 envelope, 11 large capacity, and 256 + position for the printer's other sources.
// Paper and orientation may change from page to page; bin, duplex and copies hold for the whole
// job as they were at its first page.
class TfrxPrinter : public TfrxCustomPrinter {
public:
    TfrxPrinter(const QString& AName, const QString& APort);
    ~TfrxPrinter() override;

    void Init() override;
    void Abort() override;
    void BeginDoc() override;
    void BeginPage() override;
    void BeginRAWDoc() override;
    void EndDoc() override;
    void EndPage() override;
    void EndRAWDoc() override;
    void WriteRAWDoc(const QByteArray& buf) override;
    void SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                       TPrinterOrientation AOrientation) override;
    void SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                        TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies) override;
    bool PropertiesDlg() override;

    const TfrxDeviceMode& GetDeviceMode() const { return FMode; }

    // Makes a new device context from the settings block: a job's context while printing, else
    // one for measuring only.
    void RecreateDC();
    // Reads resolution, paper size and unprintable margins of the current context; false (after
    // the error box) when the device reports no resolution.
    bool UpdateDeviceCaps();

private:
    QPageSize PageSize() const;
    int PaperNumberOf(const QPageSize& size) const;
    int BinNumberOf(const QByteArray& source) const;
    void FillPapers(const QList<QPageSize>& sizes);
    void FillBins();
    int FallbackPaper() const;
    CupsQueue::Options JobOptions() const;
    void Uninitialize();

    TfrxDeviceMode FMode;
    // Measures the current paper; a job draws into FJob instead.
    std::unique_ptr<QPrinter> FDC;
    std::unique_ptr<PdfPrintJob> FJob;
    CupsQueue::Options FJobOptions;
    std::unique_ptr<CupsRawJob> FRawJob;
    QPageSize FDefaultPageSize;
    // The page sizes and paper sources behind the paper and bin numbers.
    QHash<int, QPageSize> FPageSizes;
    QHash<int, QByteArray> FSources;
};
