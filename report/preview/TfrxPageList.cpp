#include "report/preview/TfrxPageList.h"

#include "common/Rounding.h"

#include <algorithm>

namespace {

constexpr int kGap = 10;
// The default page of a missing index: A4 in report pixels.
constexpr double kA4Width = 794;
constexpr double kA4Height = 1123;

int roundInt(double value)
{
    return int(roundHalfEven(value));
}

} // namespace

void TfrxPageList::Clear()
{
    FItems.clear();
    FMaxWidth = 0;
}

void TfrxPageList::AddPage(int AWidth, int AHeight, double Zoom)
{
    FItems.push_back({roundInt(Zoom * AHeight), roundInt(Zoom * AWidth), 0, 0});
}

void TfrxPageList::CalcBounds(int ClientWidth)
{
    FMaxWidth = 0;
    int y = kGap;
    size_t i = 0;
    while (i < FItems.size()) {
        const size_t rowStart = i;
        int x = 0;
        int rowHeight = 0;
        while (i < FItems.size() && (i == rowStart || x + FItems[i].Width <= ClientWidth)) {
            TfrxPageItem& item = FItems[i];
            item.OffsetX = x;
            item.OffsetY = y;
            rowHeight = std::max(rowHeight, item.Height);
            x += item.Width + kGap;
            ++i;
        }
        FMaxWidth = std::max(FMaxWidth, x);
        const int d = (ClientWidth - x + kGap) / 2;
        const int shift = d < 0 ? kGap : d + kGap;
        for (size_t k = rowStart; k < i; ++k)
            FItems[k].OffsetX += shift;
        y += rowHeight + kGap;
    }
}

int TfrxPageList::FindPage(int OffsetY, int OffsetX) const
{
    int low = 0;
    int high = GetCount() - 1;
    int found = -1;
    while (low <= high) {
        const int probe = (low + high) / 2;
        const TfrxPageItem& item = FItems[size_t(probe)];
        const int threshold = OffsetY + (OffsetX == 0 ? roundInt(item.Height / 5.0) : 0);
        if (item.OffsetY <= threshold) {
            found = probe;
            low = probe + 1;
        } else {
            high = probe - 1;
        }
    }
    if (OffsetX == 0)
        return found;
    const QPoint point(OffsetX, OffsetY);
    for (int k = std::max(found - 20, 0); k <= std::min(found + 20, GetCount() - 1); ++k) {
        const TfrxPageItem& item = FItems[size_t(k)];
        if (QRect(item.OffsetX, item.OffsetY, item.Width, item.Height).contains(point))
            return k;
    }
    return found;
}

QRect TfrxPageList::GetPageBounds(int Index, int ClientWidth, double Scale, bool RTL) const
{
    if (Index >= 0 && Index < GetCount()) {
        const TfrxPageItem& item = FItems[size_t(Index)];
        const int left = RTL ? ClientWidth - item.Width - item.OffsetX : item.OffsetX;
        return QRect(left, item.OffsetY, item.Width, item.Height);
    }
    const double width = Scale * kA4Width;
    const int left = ClientWidth >= width ? roundInt((ClientWidth - width) / 2) : kGap;
    const int top = roundInt(Scale * kGap);
    return QRect(left, top, roundInt(width), roundInt(Scale * kA4Height));
}

QPoint TfrxPageList::GetMaxBounds() const
{
    if (FItems.empty())
        return {};
    const TfrxPageItem& last = FItems.back();
    return {FMaxWidth, last.OffsetY + last.Height};
}
