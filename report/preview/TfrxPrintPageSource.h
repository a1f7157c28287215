#pragma once

class QPainter;
class TfrxReportPage;

// What the print job needs of the prepared pages. The prepared-page store implements it; its Print
// runs a TfrxPrintJob over itself.
//
// Pages are numbered from 0. The store rebuilds a page object from its prepared form on demand and
// keeps the objects it built in a cache, which the job empties after every printed page so that a
// job holds one page object at a time however many pages it prints.
class TfrxPrintPageSource {
public:
    virtual ~TfrxPrintPageSource() = default;

    virtual int GetCount() = 0;
    // The page object of page Index (paper, orientation, margins, bins, duplex and its views),
    // owned by the source and alive until the cache is emptied; nullptr when there is no such page.
    virtual TfrxReportPage* GetPage(int Index) = 0;
    // Draws page Index with the paper's top-left corner at device point (OffsetX, OffsetY) and one
    // report pixel as ScaleX × ScaleY device dots, the page's margins included. On a printer canvas
    // only views whose Visibility holds vsPrint are drawn, and memos see GetCopyNo and
    // GetPrintScale.
    virtual void DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                          double OffsetY) = 0;
    // Releases every page object built so far.
    virtual void ClearPageCache() = 0;

    // The page the preview shows, 1-based; the print dialog's "Current page".
    virtual int GetCurPreviewPage() const = 0;
    virtual void SetCurPreviewPage(int value) = 0;
    // The copy being printed, for the memos; 0 outside a print job.
    virtual int GetCopyNo() const = 0;
    virtual void SetCopyNo(int value) = 0;
    // The scale of the page being printed in pmScale, else 1.
    virtual double GetPrintScale() const = 0;
    virtual void SetPrintScale(double value) = 0;
};
