#pragma once

#include "report/model/TfrxTypes.h"

#include <QString>

#include <vector>

class TfrxCustomPreviewPages;
class TfrxReport;

// What a tab of the preview keeps of the report it shows while another tab is active.
struct TfrxPreviewTabItem {
    QString Name;
    int Top = 0;
    int Left = 0;
    int PageNo = 1;
    TfrxReport* Report = nullptr;
    TfrxCustomPreviewPages* PreviewPages = nullptr;
    double Zoom = 1;
    TfrxZoomMode ZoomMode = zmDefault;
};

// One tab per report shown by the preview; the first one is the report the preview was opened on.
class TfrxPreviewTabs {
public:
    int GetCount() const { return int(FItems.size()); }
    TfrxPreviewTabItem& GetItem(int Index) { return FItems[size_t(Index)]; }
    void Add(TfrxPreviewTabItem item) { FItems.push_back(std::move(item)); }
    void Delete(int Index) { FItems.erase(FItems.begin() + Index); }
    int GetCurTab() const { return FCurTab; }
    void SetCurTab(int value) { FCurTab = value; }

private:
    std::vector<TfrxPreviewTabItem> FItems;
    int FCurTab = 0;
};
