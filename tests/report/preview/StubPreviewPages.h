#pragma once

#include "report/model/TfrxCustomPreviewPages.h"

// Prepared pages that do nothing: test doubles override what their test looks at.
class StubPreviewPages : public TfrxCustomPreviewPages {
public:
    using TfrxCustomPreviewPages::TfrxCustomPreviewPages;

    int GetCount() override { return 0; }
    TfrxReportPage* GetPage(int) override { return nullptr; }
    QSize GetPageSize(int) override { return {}; }
    void Clear() override {}
    void Initialize() override {}
    void AddObject(TfrxComponent*) override {}
    void AddObject(TfrxComponent*, const QList<TfrxComponent*>&) override {}
    void AddPage(TfrxReportPage*) override {}
    void AddSourcePage(TfrxReportPage*) override {}
    void AddToSourcePage(TfrxComponent*) override {}
    void BeginPass() override {}
    void ClearFirstPassPages() override {}
    void CutObjects(int) override {}
    void Finish() override {}
    void IncLogicalPageNumber() override {}
    void ResetLogicalPageNumber() override {}
    void PasteObjects(double, double) override {}
    void ShiftAnchors(int, int) override {}
    void AddPicture(TfrxPictureView*) override {}
    bool BandExists(TfrxComponent*) override { return false; }
    int GetCurPosition() override { return 0; }
    int GetAnchorCurPosition() override { return 0; }
    double GetLastY(double) override { return 0; }
    int GetLogicalPageNo() override { return 0; }
    int GetLogicalTotalPages() override { return 0; }
    int GetSourcePageCount() override { return 0; }
    TfrxReportPage* GetSourcePage(int) override { return nullptr; }
    void AddEmptyPage(int) override {}
    void DeletePage(int) override {}
    void ModifyPage(int, TfrxReportPage*) override {}
    void AddFrom(TfrxReport&) override {}
    void DrawPage(int, QPainter&, double, double, double, double) override {}
    void ObjectOver(int, int, int, Qt::MouseButton, Qt::KeyboardModifiers, double, int, int, Qt::CursorShape&,
                    TfrxMouseIntEvents) override
    {
    }
    void LoadFromStream(QIODevice&, bool) override {}
    void SaveToStream(QIODevice&) override {}
    bool LoadFromFile(const QString&, bool) override { return false; }
    void SaveToFile(const QString&) override {}
    bool Print() override { return false; }
    bool Export(QObject*) override { return false; }
    void ClearPageCache() override {}
};
