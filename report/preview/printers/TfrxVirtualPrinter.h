#pragma once

#include "report/preview/printers/TfrxCustomPrinter.h"

#include <QPageSize>

#include <memory>

class PdfPrintJob;

// Stands in for the printers when the system has none, so that reports can still be laid out:
// 600 dots per inch, the standard papers, 5 mm margins. It prints nothing, except to a file
// (FileName), which it writes as a PDF document of its papers.
class TfrxVirtualPrinter : public TfrxCustomPrinter {
public:
    TfrxVirtualPrinter(const QString& AName, const QString& APort);
    ~TfrxVirtualPrinter() override;

    void Init() override;
    void Abort() override;
    void BeginDoc() override;
    void BeginPage() override;
    void BeginRAWDoc() override {}
    void EndDoc() override;
    void EndPage() override;
    void EndRAWDoc() override {}
    void WriteRAWDoc(const QByteArray&) override {}
    void SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                       TPrinterOrientation AOrientation) override;
    void SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                        TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies) override;
    bool PropertiesDlg() override { return false; }

private:
    QPageSize CurrentPageSize() const;

    std::unique_ptr<PdfPrintJob> FJob;
};
