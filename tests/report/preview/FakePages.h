#pragma once

#include "report/model/TfrxReportPage.h"
#include "report/preview/TfrxPrintPageSource.h"

#include <QList>
#include <QStringList>

#include <map>
#include <memory>

// The paper of a test page.
struct FakePaper {
    int PaperSize = 11;
    double Width = 148;
    double Height = 210;
    TPrinterOrientation Orientation = poPortrait;
    int Bin = 7;
    int BinOtherPages = 7;
    TfrxDuplexMode Duplex = dmNone;
};

// One DrawPage call.
struct FakeDrawing {
    int Index;
    int CopyNo;
    double PrintScale;
    double ScaleX;
    double ScaleY;
    double OffsetX;
    double OffsetY;
};

// Prepared pages for print tests: each page has 10 mm margins, a framed rectangle and a memo
// reading "Page<n>" at kMarkLeft, kMarkTop (report pixels from the printable area's corner).
// Every drawing is written to the log as "draw <page number> copy<CopyNo>" and kept, and the
// source counts how many page objects were alive at once.
class FakePages : public TfrxPrintPageSource {
public:
    static constexpr double kMargin = 10;
    static constexpr double kMarkLeft = 100;
    static constexpr double kMarkTop = 50;

    FakePages(int count, QStringList& log, const FakePaper& paper = {});
    ~FakePages() override;

    void SetPaper(int index, const FakePaper& paper);
    int GetMaxLivePages() const { return FMaxLivePages; }
    int GetPagesBuilt() const { return FPagesBuilt; }
    const QList<FakeDrawing>& GetDrawings() const { return FDrawings; }
    // Drawing that page raises an Exception.
    void SetFailingPage(int index) { FFailingPage = index; }

    int GetCount() override { return int(FPapers.size()); }
    TfrxReportPage* GetPage(int Index) override;
    void DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                  double OffsetY) override;
    void ClearPageCache() override { FCache.clear(); }
    int GetCurPreviewPage() const override { return FCurPreviewPage; }
    void SetCurPreviewPage(int value) override { FCurPreviewPage = value; }
    int GetCopyNo() const override { return FCopyNo; }
    void SetCopyNo(int value) override { FCopyNo = value; }
    double GetPrintScale() const override { return FPrintScale; }
    void SetPrintScale(double value) override { FPrintScale = value; }

private:
    std::unique_ptr<TfrxReportPage> BuildPage(int index) const;

    QStringList& FLog;
    std::vector<FakePaper> FPapers;
    std::map<int, std::unique_ptr<TfrxReportPage>> FCache;
    QList<FakeDrawing> FDrawings;
    int FFailingPage = -1;
    int FMaxLivePages = 0;
    int FPagesBuilt = 0;
    int FCurPreviewPage = 1;
    int FCopyNo = 0;
    double FPrintScale = 1;
};
