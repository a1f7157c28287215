#include "report/preview/TfrxPreviewWorkspace.h"

#include "common/Rounding.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/preview/TfrxFindState.h"
#include "report/preview/TfrxPreview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPicture>

#include <algorithm>

namespace {

// Painting visits the pages from this many before to this many after the page at the top.
constexpr int kPagesBefore = 60;
constexpr int kPagesAfter = 340;
constexpr int kTopGap = 10;

int roundInt(double value)
{
    return int(roundHalfEven(value));
}

} // namespace

TfrxPreviewWorkspace::TfrxPreviewWorkspace(TfrxPreview& APreview, bool IsThumbnail, QWidget* parent)
    : TfrxScrollWin(parent), FPreview(APreview), FIsThumbnail(IsThumbnail)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(FDefaultCursor);
    viewport()->setMouseTracking(true);
    if (IsThumbnail)
        FZoom = 0.1;
}

TfrxPreviewWorkspace::~TfrxPreviewWorkspace() = default;

void TfrxPreviewWorkspace::SetPreviewPages(TfrxCustomPreviewPages* value)
{
    FPreviewPages = value;
    ClearRecording();
}

void TfrxPreviewWorkspace::SetActiveFrameColor(const QColor& value)
{
    FActiveFrameColor = value;
    Repaint(true);
}

void TfrxPreviewWorkspace::SetBackColor(const QColor& value)
{
    FBackColor = value;
    Repaint();
}

void TfrxPreviewWorkspace::SetFrameColor(const QColor& value)
{
    FFrameColor = value;
    Repaint();
}

int TfrxPreviewWorkspace::ClientWidth() const
{
    return viewport()->width();
}

QRect TfrxPreviewWorkspace::PageRect(int Index) const
{
    return FPageList.GetPageBounds(Index, ClientWidth(), FZoom, FRTLLanguage).translated(-FOffset);
}

void TfrxPreviewWorkspace::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintPages(painter, event->region(), false);
}

void TfrxPreviewWorkspace::PaintPages(QPainter& Canvas, const QRegion& Region, bool BorderOnly)
{
    const QRect client = viewport()->rect();
    if (FLocked || !FPreviewPages || FPageList.GetCount() == 0) {
        Canvas.fillRect(client, FBackColor);
        return;
    }
    const int first = FPageList.FindPage(FOffset.y(), 0);
    const int from = std::max(first - kPagesBefore, 0);
    const int to = std::min(first + kPagesAfter, FPageList.GetCount() - 1);
    const auto shown = [&](const QRect& page, int extraBottom) {
        return page.top() < client.height() && page.bottom() + 1 + extraBottom > 0 && Region.intersects(page);
    };

    QRegion background = Region & client;
    for (int i = from; i <= to; ++i)
        if (const QRect page = PageRect(i); shown(page, 0))
            background -= page;
    Canvas.save();
    Canvas.setClipRegion(background);
    Canvas.fillRect(client, FBackColor);
    Canvas.restore();

    if (FPageNo >= 1 && FPageNo <= FPageList.GetCount())
        DrawActiveFrame(Canvas, PageRect(FPageNo - 1));
    if (BorderOnly)
        return;
    for (int i = from; i <= to; ++i)
        if (const QRect page = PageRect(i); shown(page, 1))
            DrawPageContent(Canvas, i, page);
}

void TfrxPreviewWorkspace::DrawActiveFrame(QPainter& Canvas, const QRect& page) const
{
    const int left = page.left();
    const int top = page.top();
    const int right = page.left() + page.width();
    const int bottom = page.top() + page.height();
    Canvas.save();
    Canvas.setPen(QPen(FActiveFrameColor, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    Canvas.setBrush(Qt::NoBrush);
    const QPoint frame[] = {{left - 1, top - 1},
                            {right + 1, top - 1},
                            {right + 1, bottom + 1},
                            {left - 1, bottom + 1},
                            {left - 1, top - 2}};
    Canvas.drawPolyline(frame, 5);
    Canvas.restore();
}

void TfrxPreviewWorkspace::DrawPageContent(QPainter& Canvas, int Index, const QRect& page) const
{
    Canvas.save();
    Canvas.fillRect(page, Qt::white);
    Canvas.setPen(FFrameColor);
    Canvas.setBrush(Qt::NoBrush);
    Canvas.drawRect(page.adjusted(0, 0, -1, -1));
    Canvas.restore();

    Canvas.save();
    FPreviewPages->DrawPage(Index, Canvas, FZoom, FZoom, page.left(), page.top());
    Canvas.restore();

    if (FIsThumbnail) {
        Canvas.save();
        QFont font(QStringLiteral("Arial"));
        font.setPointSize(8);
        Canvas.setFont(font);
        const QString number = QLatin1Char(' ') + QString::number(Index + 1) + QLatin1Char(' ');
        const QRect box(page.left() + 1, page.top() + 1, Canvas.fontMetrics().horizontalAdvance(number),
                        Canvas.fontMetrics().height());
        Canvas.fillRect(box, FBackColor);
        Canvas.setPen(Qt::white);
        Canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop, number);
        Canvas.restore();
    }
    if (frxFindState().Found && Index == FPreview.FLastFoundPage)
        InvertFoundText(Canvas, page);
}

void TfrxPreviewWorkspace::InvertFoundText(QPainter& Canvas, const QRect& page) const
{
    const QRect& match = frxFindState().FoundRect;
    Canvas.save();
    Canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    Canvas.setPen(QPen(Qt::white, 1));
    // The match is in page pixels; both axes follow the zoom so that the inversion covers the text.
    const int x1 = page.left() + roundInt(match.left() * FZoom) - 1;
    const int x2 = page.left() + roundInt((match.left() + match.width()) * FZoom) + 1;
    const int y1 = roundInt(match.top() * FZoom);
    const int y2 = roundInt((match.top() + match.height()) * FZoom);
    for (int y = y1; y <= y2; ++y)
        Canvas.drawLine(x1, page.top() + y, x2, page.top() + y);
    Canvas.restore();
}

void TfrxPreviewWorkspace::Repaint(bool BorderOnly)
{
    if (!BorderOnly || FLocked || FPageList.GetCount() == 0) {
        viewport()->update();
        return;
    }
    // The pages stay as painted: only the space around them, where the frames are, is repainted.
    QRegion around(viewport()->rect());
    const int first = FPageList.FindPage(FOffset.y(), 0);
    for (int i = std::max(first - kPagesBefore, 0);
         i <= std::min(first + kPagesAfter, FPageList.GetCount() - 1); ++i)
        around -= PageRect(i);
    viewport()->update(around);
}

void TfrxPreviewWorkspace::ScrollToPage(int PageN)
{
    if (PageN < 1 || PageN > FPageList.GetCount())
        return;
    SetVertPosition(FPageList.GetItem(PageN - 1).OffsetY - kTopGap);
}

const QList<RecordedTextOut>& TfrxPreviewWorkspace::PageTextOuts(int Index)
{
    if (FEMFImagePage != Index) {
        FEMFImage.Clear();
        QPicture recording;
        QPainter painter(&recording);
        {
            TextOutRecording attach(painter, FEMFImage);
            FPreviewPages->DrawPage(Index, painter, 1, 1, 0, 0);
        }
        painter.end();
        FEMFImagePage = Index;
    }
    return FEMFImage.GetItems();
}

void TfrxPreviewWorkspace::OnVScrollChange(int Delta)
{
    Q_UNUSED(Delta);
    FOffset.setY(GetVertPosition());
    if (FIsThumbnail)
        return;
    FDisableUpdate = true;
    const int saved = FPreview.GetSavedPageNo();
    FPreview.SetPageNo(saved != -1 ? saved : FPageList.FindPage(FOffset.y(), 0) + 1);
    FDisableUpdate = false;
}

void TfrxPreviewWorkspace::OnHScrollChange(int Delta)
{
    Q_UNUSED(Delta);
    FOffset.setX(GetHorzPosition());
}

int TfrxPreviewWorkspace::PageAt(QPoint point) const
{
    const int x = FRTLLanguage ? ClientWidth() - point.x() : point.x();
    const int index = FPageList.FindPage(point.y() + FOffset.y(), std::max(x + FOffset.x(), 1));
    return index >= 0 && PageRect(index).contains(point) ? index : -1;
}

void TfrxPreviewWorkspace::mousePressEvent(QMouseEvent* event)
{
    if (!FIsThumbnail)
        emit FPreview.mouseDown(event);
    if (event->button() == Qt::LeftButton && FPageList.GetCount() > 0 && !FLocked) {
        FDown = true;
        FLastPoint = event->position().toPoint();
    }
}

void TfrxPreviewWorkspace::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (FDown) {
        const QPoint moved = point - FLastPoint;
        FLastPoint = point;
        SetHorzPosition(GetHorzPosition() - moved.x());
        SetVertPosition(GetVertPosition() - moved.y());
        return;
    }
    if (!FIsThumbnail && event->buttons() == Qt::NoButton)
        ReportMouse(event, meMouseMove);
}

void TfrxPreviewWorkspace::mouseReleaseEvent(QMouseEvent* event)
{
    FDown = false;
    const int index = PageAt(event->position().toPoint());
    if (index < 0)
        return;
    if (FIsThumbnail) {
        emit thumbnailClicked(index + 1);
        return;
    }
    FDisableUpdate = true;
    FPreview.SetPageNo(index + 1);
    FDisableUpdate = false;
    if (event->button() == Qt::RightButton)
        return;
    ReportMouse(event, meMouseUp);
    const bool doubleClick =
        FTimeOffset.isValid() && FTimeOffset.elapsed() < QApplication::doubleClickInterval();
    if (doubleClick)
        FTimeOffset.invalidate();
    else
        FTimeOffset.start();
    ReportMouse(event, doubleClick ? meDbClick : meClick);
}

void TfrxPreviewWorkspace::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!FIsThumbnail)
        emit FPreview.dblClick();
    else
        TfrxScrollWin::mouseDoubleClickEvent(event);
}

void TfrxPreviewWorkspace::ReportMouse(QMouseEvent* event, int MouseEvent)
{
    if (!FPreviewPages || FLocked)
        return;
    const QPoint point = event->position().toPoint();
    const int index = PageAt(point);
    if (index < 0) {
        viewport()->setCursor(FDefaultCursor);
        return;
    }
    const QRect page = PageRect(index);
    Qt::CursorShape cursor = FDefaultCursor;
    FPreviewPages->ObjectOver(index, point.x(), point.y(), event->button(), event->modifiers(), FZoom,
                              page.left(), page.top(), cursor, TfrxMouseIntEvents(MouseEvent));
    viewport()->setCursor(cursor);
}

void TfrxPreviewWorkspace::wheelEvent(QWheelEvent* event)
{
    const QPoint delta = event->angleDelta();
    const bool horz = delta.y() == 0 && delta.x() != 0;
    FPreview.MouseWheelScroll(horz ? delta.x() : delta.y(), horz,
                              event->modifiers().testFlag(Qt::ControlModifier));
    event->accept();
}

void TfrxPreviewWorkspace::keyPressEvent(QKeyEvent* event)
{
    // Navigation keys belong to the preview control.
    event->ignore();
}
