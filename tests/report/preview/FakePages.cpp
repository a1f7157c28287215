#include "FakePages.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxMemoView.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QPainter>

FakePages::FakePages(TfrxReport& report, int count, QStringList& log, const FakePaper& paper)
    : StubPreviewPages(report), FLog(log), FPapers(size_t(count), paper)
{
}

FakePages::~FakePages() = default;

void FakePages::SetPaper(int index, const FakePaper& paper)
{
    FPapers.at(size_t(index)) = paper;
}

std::unique_ptr<TfrxReportPage> FakePages::BuildPage(int index) const
{
    const FakePaper& paper = FPapers.at(size_t(index));
    auto page = std::make_unique<TfrxReportPage>();
    page->SetOrientation(paper.Orientation);
    page->SetPaperSize(paper.PaperSize);
    page->SetPaperWidth(paper.Width);
    page->SetPaperHeight(paper.Height);
    // Setting the sizes makes the paper custom; the number is the page's own.
    page->SetPaperSize(paper.PaperSize);
    page->SetLeftMargin(kMargin);
    page->SetTopMargin(kMargin);
    page->SetRightMargin(kMargin);
    page->SetBottomMargin(kMargin);
    page->SetBin(paper.Bin);
    page->SetBinOtherPages(paper.BinOtherPages);
    page->SetDuplex(paper.Duplex);

    auto* rectangle = new TfrxView(page.get());
    rectangle->SetBounds(kMarkLeft - 10, kMarkTop - 10, 220, 50);
    rectangle->GetFrame()->SetTyp({ftLeft, ftTop, ftRight, ftBottom});
    auto* mark = new TfrxMemoView(page.get());
    mark->SetBounds(kMarkLeft, kMarkTop, 200, 30);
    mark->GetFont()->SetName(QStringLiteral("Liberation Sans"));
    mark->GetFont()->SetHeight(-16);
    mark->SetText(QStringLiteral("Page%1").arg(index + 1));
    if (const auto second = FSecondTexts.find(index); second != FSecondTexts.end()) {
        auto* memo = new TfrxMemoView(page.get());
        memo->SetBounds(kMarkLeft, kMarkTop + kLineStep, 200, 30);
        memo->GetFont()->SetName(QStringLiteral("Liberation Sans"));
        memo->GetFont()->SetHeight(-16);
        memo->SetText(second->second);
    }
    return page;
}

TfrxReportPage* FakePages::GetPage(int Index)
{
    if (Index < 0 || Index >= GetCount())
        return nullptr;
    std::unique_ptr<TfrxReportPage>& page = FCache[Index];
    if (!page) {
        page = BuildPage(Index);
        ++FPagesBuilt;
    }
    FMaxLivePages = std::max(FMaxLivePages, int(FCache.size()));
    return page.get();
}

QSize FakePages::GetPageSize(int Index)
{
    if (Index < 0 || Index >= GetCount())
        return {};
    const FakePaper& paper = FPapers.at(size_t(Index));
    return {int(roundHalfEven(paper.Width * kPixelsPerMm)), int(roundHalfEven(paper.Height * kPixelsPerMm))};
}

void FakePages::DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                         double OffsetY)
{
    TfrxReportPage* page = GetPage(Index);
    if (!page)
        return;
    if (Index == FFailingPage)
        throw Exception(QStringLiteral("drawing failed"));
    FLog.append(QStringLiteral("draw %1 copy%2").arg(Index + 1).arg(FCopyNo));
    FDrawings.append({Index, FCopyNo, FPrintScale, ScaleX, ScaleY, OffsetX, OffsetY});
    const bool printer = TfrxPrinterCanvas::IsPrinterCanvas(&Canvas);
    const double x = OffsetX + page->GetLeftMargin() * kPixelsPerMm * ScaleX;
    const double y = OffsetY + page->GetTopMargin() * kPixelsPerMm * ScaleY;
    for (TfrxComponent* object : page->GetAllObjects()) {
        auto* view = dynamic_cast<TfrxView*>(object);
        if (!view || !IsVisibleOn(*view, Canvas))
            continue;
        view->SetIsPrinting(printer);
        Draw(*view, Canvas, ScaleX, ScaleY, x, y, FPrintScale);
        view->SetIsPrinting(false);
    }
}
