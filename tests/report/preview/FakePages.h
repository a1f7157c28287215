#pragma once

#include "StubPreviewPages.h"

#include "report/model/TfrxReportPage.h"

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
class FakePages : public StubPreviewPages {
public:
    static constexpr double kMargin = 10;
    static constexpr double kMarkLeft = 100;
    static constexpr double kMarkTop = 50;

    FakePages(TfrxReport& report, int count, QStringList& log, const FakePaper& paper = {});
    ~FakePages() override;

    void SetPaper(int index, const FakePaper& paper);
    int GetMaxLivePages() const { return FMaxLivePages; }
    int GetPagesBuilt() const { return FPagesBuilt; }
    const QList<FakeDrawing>& GetDrawings() const { return FDrawings; }
    // A second memo on that page, below the mark (kMarkTop + kLineStep).
    void SetSecondText(int index, const QString& text) { FSecondTexts[index] = text; }
    static constexpr double kLineStep = 60;
    // Drawing that page raises an Exception.
    void SetFailingPage(int index) { FFailingPage = index; }

    int GetCount() override { return int(FPapers.size()); }
    TfrxReportPage* GetPage(int Index) override;
    QSize GetPageSize(int Index) override;
    void DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                  double OffsetY) override;
    void ClearPageCache() override { FCache.clear(); }

private:
    std::unique_ptr<TfrxReportPage> BuildPage(int index) const;

    QStringList& FLog;
    std::vector<FakePaper> FPapers;
    std::map<int, std::unique_ptr<TfrxReportPage>> FCache;
    QList<FakeDrawing> FDrawings;
    std::map<int, QString> FSecondTexts;
    int FFailingPage = -1;
    int FMaxLivePages = 0;
    int FPagesBuilt = 0;
};
