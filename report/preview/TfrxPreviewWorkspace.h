#pragma once

#include "report/engine/TextOutRecorder.h"
#include "report/preview/TfrxPageList.h"
#include "report/preview/TfrxScrollWin.h"

#include <QColor>
#include <QElapsedTimer>

class TfrxCustomPreviewPages;
class TfrxPreview;

// The surface that lays out and paints the prepared pages: one for the pages, one at zoom 0.1 for
// the thumbnails. Pages are painted with the prepared pages' DrawPage; only the pages near the top
// of the view that meet the region to be painted are drawn, and the background is filled around
// them, so no page is overdrawn.
class TfrxPreviewWorkspace : public TfrxScrollWin {
    Q_OBJECT

public:
    TfrxPreviewWorkspace(TfrxPreview& APreview, bool IsThumbnail, QWidget* parent = nullptr);
    ~TfrxPreviewWorkspace() override;

    TfrxPageList& GetPageList() { return FPageList; }
    const TfrxPageList& GetPageList() const { return FPageList; }
    TfrxCustomPreviewPages* GetPreviewPages() const { return FPreviewPages; }
    void SetPreviewPages(TfrxCustomPreviewPages* value);
    double GetZoom() const { return FZoom; }
    void SetZoom(double value) { FZoom = value; }
    int GetPageNo() const { return FPageNo; }
    void SetPageNo(int value) { FPageNo = value; }
    bool GetLocked() const { return FLocked; }
    void SetLocked(bool value) { FLocked = value; }
    bool GetIsThumbnail() const { return FIsThumbnail; }
    bool GetRTLLanguage() const { return FRTLLanguage; }
    void SetRTLLanguage(bool value) { FRTLLanguage = value; }
    bool GetDisableUpdate() const { return FDisableUpdate; }
    void SetDisableUpdate(bool value) { FDisableUpdate = value; }
    QPoint GetOffset() const { return FOffset; }

    QColor GetActiveFrameColor() const { return FActiveFrameColor; }
    void SetActiveFrameColor(const QColor& value);
    QColor GetBackColor() const { return FBackColor; }
    void SetBackColor(const QColor& value);
    QColor GetFrameColor() const { return FFrameColor; }
    void SetFrameColor(const QColor& value);

    // The rectangle of page Index in view coordinates (scrolled).
    QRect PageRect(int Index) const;
    // Paints onto any canvas the part of the view in Region, as the view shows it; BorderOnly
    // leaves the page contents as they are (only the background and the active frame).
    void PaintPages(QPainter& Canvas, const QRegion& Region, bool BorderOnly);
    // Repaints the whole view, or only its background and frames.
    void Repaint(bool BorderOnly = false);
    // Scrolls so that the top of page PageN (1-based) stands 10 pixels below the top of the view.
    void ScrollToPage(int PageN);
    // Invalidates the text recording of the search (after each layout).
    void ClearRecording() { FEMFImagePage = -1; }
    // The text outputs of page Index drawn at scale 1, kept until the next layout.
    const QList<RecordedTextOut>& PageTextOuts(int Index);

signals:
    // A click on a thumbnail.
    void thumbnailClicked(int PageN);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void OnHScrollChange(int Delta) override;
    void OnVScrollChange(int Delta) override;

private:
    int ClientWidth() const;
    void DrawActiveFrame(QPainter& Canvas, const QRect& page) const;
    void DrawPageContent(QPainter& Canvas, int Index, const QRect& page) const;
    void InvertFoundText(QPainter& Canvas, const QRect& page) const;
    // The page under a point of the view, -1 when none.
    int PageAt(QPoint point) const;
    void ReportMouse(QMouseEvent* event, int MouseEvent);

    TfrxPreview& FPreview;
    TfrxCustomPreviewPages* FPreviewPages = nullptr;
    TfrxPageList FPageList;
    QColor FActiveFrameColor = QColor(255, 199, 60);
    QColor FBackColor = QColor(128, 128, 128);
    QColor FFrameColor = QColor(96, 96, 96);
    Qt::CursorShape FDefaultCursor = Qt::OpenHandCursor;
    bool FDisableUpdate = false;
    bool FDown = false;
    QPoint FLastPoint;
    TextOutList FEMFImage;
    int FEMFImagePage = -1;
    bool FIsThumbnail;
    bool FLocked = false;
    QPoint FOffset;
    QElapsedTimer FTimeOffset;
    int FPageNo = 1;
    double FZoom = 1;
    bool FRTLLanguage = false;
};
