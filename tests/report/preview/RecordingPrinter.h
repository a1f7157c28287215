#pragma once

#include "report/preview/printers/TfrxCustomPrinter.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <memory>

// A printer that writes what it is asked to do to a log ("params ...", "BeginDoc", "BeginPage",
// "EndPage", "EndDoc", "Abort") and draws on an image. It offers A3, A4 and A5 and measures
// standard papers by the paper table, custom ones by the sizes given; its unprintable margins
// are the same on every side.
class RecordingPrinter : public TfrxCustomPrinter {
public:
    RecordingPrinter(QStringList& log, QPoint dpi = QPoint(600, 600), double margin = 4);

    // An invalid printer is not initialised.
    void SetValid(bool value) { FInitialized = value; }

    void Init() override {}
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
    QStringList& FLog;
    QImage FImage;
    std::unique_ptr<QPainter> FPainter;
};

// "params <paper> <width>x<height> <P|L> bin<bin> duplex<mode> copies<n>" as the printer logs it.
QString paramsEntry(int paper, double width, double height, TPrinterOrientation orientation, int bin,
                    int duplex, int copies);
