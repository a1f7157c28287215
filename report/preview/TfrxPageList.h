#pragma once

#include <QPoint>
#include <QRect>

#include <vector>

// One laid-out page: its size in pixels at the workspace's zoom and its place in the workspace.
struct TfrxPageItem {
    int Height = 0;
    int Width = 0;
    int OffsetX = 0;
    int OffsetY = 0;
};

// The page rectangles of a workspace, computed once per layout: pages stand in rows, left to right
// and top to bottom, 10 pixels apart and 10 pixels below the top, each row centred on its own.
class TfrxPageList {
public:
    int GetCount() const { return int(FItems.size()); }
    const TfrxPageItem& GetItem(int Index) const { return FItems[size_t(Index)]; }
    void Clear();
    // A page of AWidth × AHeight report pixels at Zoom.
    void AddPage(int AWidth, int AHeight, double Zoom);
    void CalcBounds(int ClientWidth);
    // The page at a vertical position (OffsetX 0: the page counts once its top is less than a fifth
    // of its height below OffsetY), or the page under a point; -1 before the first page.
    int FindPage(int OffsetY, int OffsetX = 0) const;
    // Page Index's rectangle, Width × Height pixels (mirrored for right-to-left layouts); an A4-sized default
    // for an index that names no page.
    QRect GetPageBounds(int Index, int ClientWidth, double Scale, bool RTL) const;
    // The widest row and the bottom of the last page; (0, 0) without pages.
    QPoint GetMaxBounds() const;

private:
    std::vector<TfrxPageItem> FItems;
    int FMaxWidth = 0;
};
