#include "report/preview/TfrxScrollWin.h"

#include <QScrollBar>

#include <algorithm>

TfrxScrollWin::TfrxScrollWin(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // The bars keep their place whatever the range, so that the layout width does not depend on it.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Painting covers the whole client area: the system need not erase it first.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    UpdateScrollBars();
}

int TfrxScrollWin::GetHorzPosition() const
{
    return horizontalScrollBar()->value();
}

void TfrxScrollWin::SetHorzPosition(int value)
{
    horizontalScrollBar()->setValue(value);
}

void TfrxScrollWin::SetHorzRange(int value)
{
    FHorzRange = value;
    UpdateScrollBars();
}

int TfrxScrollWin::GetVertPosition() const
{
    return verticalScrollBar()->value();
}

void TfrxScrollWin::SetVertPosition(int value)
{
    verticalScrollBar()->setValue(value);
}

void TfrxScrollWin::SetVertRange(int value)
{
    FVertRange = value;
    UpdateScrollBars();
}

int TfrxScrollWin::GetHorzPage() const
{
    return viewport()->width();
}

int TfrxScrollWin::GetVertPage() const
{
    return viewport()->height();
}

void TfrxScrollWin::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
    if (dx != 0)
        OnHScrollChange(-dx);
    if (dy != 0)
        OnVScrollChange(-dy);
}

void TfrxScrollWin::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TfrxScrollWin::UpdateScrollBars()
{
    QScrollBar* horz = horizontalScrollBar();
    horz->setRange(0, std::max(FHorzRange - GetHorzPage(), 0));
    horz->setPageStep(FLargeChange);
    horz->setSingleStep(FSmallChange);
    QScrollBar* vert = verticalScrollBar();
    vert->setRange(0, std::max(FVertRange - GetVertPage(), 0));
    vert->setPageStep(FLargeChange);
    vert->setSingleStep(FSmallChange);
}
