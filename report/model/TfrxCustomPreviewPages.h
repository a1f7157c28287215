#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <Qt>

#include <functional>

class QIODevice;
class QObject;
class QPainter;
class TfrxComponent;
class TfrxCustomEngine;
class TfrxOutline;
class TfrxPictureView;
class TfrxReport;
class TfrxReportPage;

// Whether AddPage may write over an existing page when the current page index lies inside the list.
enum TfrxAddPageAction { apWriteOver, apAdd };
enum TfrxMouseIntEvents { meClick, meDbClick, meMouseMove, meMouseUp, meMouseDown };

// The prepared pages of a report as the engine, the preview and the print job see them. Pages are
// numbered from 0; page objects handed out by GetPage are owned by the store and live until its
// page cache lets them go (ClearPageCache, an editing operation, Clear).
class TfrxCustomPreviewPages {
public:
    explicit TfrxCustomPreviewPages(TfrxReport& AReport) : FReport(AReport) {}
    virtual ~TfrxCustomPreviewPages() = default;
    TfrxCustomPreviewPages(const TfrxCustomPreviewPages&) = delete;
    TfrxCustomPreviewPages& operator=(const TfrxCustomPreviewPages&) = delete;

    virtual int GetCount() = 0;
    // None when the store is empty or Index lies outside it.
    virtual TfrxReportPage* GetPage(int Index) = 0;
    // Rounded Width and Height of the page in report pixels; (0, 0) outside the list.
    virtual QSize GetPageSize(int Index) = 0;
    virtual void Clear() = 0;

    // The engine's side of a run.
    virtual void Initialize() = 0;
    virtual void AddObject(TfrxComponent* Obj) = 0;
    // Records Band with Objects as its children instead of its own (a page's objects output on
    // the null band stay children of their page).
    virtual void AddObject(TfrxComponent* Band, const QList<TfrxComponent*>& Objects) = 0;
    virtual void AddPage(TfrxReportPage* Page) = 0;
    virtual void AddSourcePage(TfrxReportPage* Page) = 0;
    virtual void AddToSourcePage(TfrxComponent* Obj) = 0;
    virtual void BeginPass() = 0;
    virtual void ClearFirstPassPages() = 0;
    virtual void CutObjects(int APosition) = 0;
    virtual void Finish() = 0;
    virtual void IncLogicalPageNumber() = 0;
    virtual void ResetLogicalPageNumber() = 0;
    virtual void PasteObjects(double X, double Y) = 0;
    virtual void ShiftAnchors(int From, int NewTop) = 0;
    virtual void AddPicture(TfrxPictureView* Picture) = 0;
    virtual bool BandExists(TfrxComponent* Band) = 0;
    // Number of objects on the current page.
    virtual int GetCurPosition() = 0;
    virtual int GetAnchorCurPosition() = 0;
    virtual double GetLastY(double ColumnPosition = 0) = 0;
    virtual int GetLogicalPageNo() = 0;
    virtual int GetLogicalTotalPages() = 0;
    // The private copies of the page templates of the last run (or of a loaded file).
    virtual int GetSourcePageCount() = 0;
    virtual TfrxReportPage* GetSourcePage(int Index) = 0;

    // Editing; each releases the live pages.
    virtual void AddEmptyPage(int Index) = 0;
    virtual void DeletePage(int Index) = 0;
    virtual void ModifyPage(int Index, TfrxReportPage* Page) = 0;
    virtual void AddFrom(TfrxReport& Report) = 0;

    // Draws page Index with the paper's top-left corner at device point (OffsetX, OffsetY) and one
    // report pixel as ScaleX × ScaleY device dots, the page's margins included. On a printer canvas
    // only views whose Visibility holds vsPrint are drawn, and memos see GetCopyNo and
    // GetPrintScale; elsewhere those with vsPreview.
    virtual void DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                          double OffsetY) = 0;
    // Hit-testing for the preview: X, Y and the offsets are device pixels, Scale the zoom. Cursor is
    // in-out; the status texts and the navigation hook tell the preview what to show.
    virtual void ObjectOver(int Index, int X, int Y, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                            double Scale, int OffsetX, int OffsetY, Qt::CursorShape& Cursor,
                            TfrxMouseIntEvents MouseEvent) = 0;

    // A missing file returns false without change unless ExceptionIfNotFound; a malformed document
    // throws and leaves the store cleared.
    virtual void LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) = 0;
    virtual void SaveToStream(QIODevice& Stream) = 0;
    virtual bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) = 0;
    // A failed save leaves the previous file as it was and throws Exception.
    virtual void SaveToFile(const QString& FileName) = 0;
    // The print dialog and job over these pages; true when they were printed.
    virtual bool Print() = 0;
    // No export filter is registered in this system; false.
    virtual bool Export(QObject* Filter) = 0;

    // Releases every page object built so far, so that a print job holds one at a time.
    virtual void ClearPageCache() = 0;

    TfrxReport& GetReport() const { return FReport; }
    TfrxCustomEngine* GetEngine() const { return FEngine; }
    void SetEngine(TfrxCustomEngine* value) { FEngine = value; }
    TfrxOutline* GetOutline() const { return FOutline; }
    TfrxAddPageAction GetAddPageAction() const { return FAddPageAction; }
    void SetAddPageAction(TfrxAddPageAction value) { FAddPageAction = value; }
    // Index of the current prepared page; −1 when the store is empty.
    int GetCurPage() const { return FCurPage; }
    void SetCurPage(int value) { FCurPage = value; }
    // The page the preview shows, 1-based; the print dialog's "Current page".
    int GetCurPreviewPage() const { return FCurPreviewPage; }
    void SetCurPreviewPage(int value) { FCurPreviewPage = value; }
    // Index of the first page of the current run.
    int GetFirstPage() const { return FFirstPage; }
    void SetFirstPage(int value) { FFirstPage = value; }
    // The copy being printed, for the memos; 0 outside a print job.
    int GetCopyNo() const { return FCopyNo; }
    void SetCopyNo(int value) { FCopyNo = value; }
    // The scale of the page being printed in pmScale, else 1.
    double GetPrintScale() const { return FPrintScale; }
    void SetPrintScale(double value) { FPrintScale = value; }

    // ObjectOver's status-bar texts 0 (hyperlink) and 1 (long hint).
    QString GetStatusText(int Index) const { return FStatusTexts[Index == 1 ? 1 : 0]; }
    // Where a followed hyperlink (hkAnchor, hkPageNumber) moves the preview: 1-based page number and
    // top in report pixels. Set by the preview control; nothing happens while unset.
    using TfrxNavigateHandler = std::function<void(int PageNo, double Top)>;
    void SetOnNavigate(TfrxNavigateHandler value) { FOnNavigate = std::move(value); }

protected:
    void SetStatusText(int Index, const QString& value) { FStatusTexts[Index == 1 ? 1 : 0] = value; }
    const TfrxNavigateHandler& GetOnNavigate() const { return FOnNavigate; }

    TfrxAddPageAction FAddPageAction = apWriteOver;
    int FCurPage = -1;
    int FCurPreviewPage = 1;
    int FFirstPage = 0;
    // Owned by the implementation, which creates it with the store.
    TfrxOutline* FOutline = nullptr;
    TfrxReport& FReport;
    TfrxCustomEngine* FEngine = nullptr;
    int FCopyNo = 0;
    double FPrintScale = 1;

private:
    QString FStatusTexts[2];
    TfrxNavigateHandler FOnNavigate;
};
