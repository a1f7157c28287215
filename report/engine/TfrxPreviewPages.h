#pragma once

#include "report/engine/TfrxDictionary.h"
#include "report/engine/TfrxOutline.h"
#include "report/engine/TfrxPictureCache.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/xml/TfrxXMLDocument.h"

#include <QHash>

#include <list>
#include <memory>
#include <vector>

class TfrxView;

// The prepared pages of a report, kept as the elements of one XML document whose prepared objects
// hold only their differences from private copies of the template objects (the source pages).
// Pages become live objects only when they are asked for; the most recent ones stay in a cache of
// PreviewOptions.PagesInCache pages. With EngineOptions.UseFileCache the page elements beyond
// MaxMemSize megabytes and the pictures go to temporary files, so memory stays bounded however
// many pages a run produces.
class TfrxPreviewPages : public TfrxCustomPreviewPages {
public:
    explicit TfrxPreviewPages(TfrxReport& AReport);
    ~TfrxPreviewPages() override;

    int GetCount() override;
    TfrxReportPage* GetPage(int Index) override;
    QSize GetPageSize(int Index) override;
    void Clear() override;

    void Initialize() override;
    void AddObject(TfrxComponent* Obj) override;
    void AddObject(TfrxComponent* Band, const QList<TfrxComponent*>& Objects) override;
    void AddPage(TfrxReportPage* Page) override;
    void AddSourcePage(TfrxReportPage* Page) override;
    void AddToSourcePage(TfrxComponent* Obj) override;
    void BeginPass() override;
    void ClearFirstPassPages() override;
    void CutObjects(int APosition) override;
    void Finish() override;
    void IncLogicalPageNumber() override;
    void ResetLogicalPageNumber() override;
    void PasteObjects(double X, double Y) override;
    void ShiftAnchors(int From, int NewTop) override;
    void AddPicture(TfrxPictureView* Picture) override;
    bool BandExists(TfrxComponent* Band) override;
    int GetCurPosition() override;
    int GetAnchorCurPosition() override;
    double GetLastY(double ColumnPosition = 0) override;
    int GetLogicalPageNo() override;
    int GetLogicalTotalPages() override;
    int GetSourcePageCount() override { return int(FSourcePages.size()); }
    TfrxReportPage* GetSourcePage(int Index) override;

    void AddAnchor(const QString& Text);
    int GetAnchorPage(const QString& Text);
    // Endless pages: the source page's paper grows to the size reached.
    void UpdatePageDimensions(TfrxReportPage* Page, double Height, double Width);
    void UpdatePageLastColumn(int Column, bool Reset, double Position);
    double GetLastColumnPos(int& Column);

    void AddEmptyPage(int Index) override;
    void DeletePage(int Index) override;
    void ModifyPage(int Index, TfrxReportPage* Page) override;
    void AddFrom(TfrxReport& Report) override;

    void DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                  double OffsetY) override;
    void ObjectOver(int Index, int X, int Y, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                    double Scale, int OffsetX, int OffsetY, Qt::CursorShape& Cursor,
                    TfrxMouseIntEvents MouseEvent) override;

    void LoadFromStream(QIODevice& Stream, bool AllowPartialLoading = false) override;
    void SaveToStream(QIODevice& Stream) override;
    bool LoadFromFile(const QString& FileName, bool ExceptionIfNotFound = false) override;
    void SaveToFile(const QString& FileName) override;
    bool Print() override;
    bool Export(QObject* Filter) override;
    void ClearPageCache() override;

private:
    struct CachedPage {
        int Index;
        std::unique_ptr<TfrxReportPage> Page;
    };

    TfrxXMLItem* Section(const QString& Name);
    TfrxXMLItem* PageItem(int Index);
    // The source page a page element is named after; none for a page stored whole.
    TfrxReportPage* SourcePageOf(const TfrxXMLItem& Item) const;
    std::unique_ptr<TfrxReportPage> BuildPage(TfrxXMLItem& Item);
    void ReleaseLastCachedPage();
    void AddObjectItem(TfrxComponent& Obj, TfrxXMLItem& Parent, bool AliasForm,
                       const QList<TfrxComponent*>* Children);
    void CopySourceObject(TfrxComponent& Obj, TfrxComponent& Parent, int SourceIndex);
    void UnloadPagesOverMemoryLimit();
    bool IsRunning() const;
    void ResetDocument();
    void WriteSections();
    void ReadSections();
    void DrawObjects(TfrxReportPage& Page, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                     double OffsetY);
    void FollowHyperlink(TfrxView& View);

    bool FAllowPartialLoading = false;
    TfrxDictionary FDictionary;
    int FFirstObjectIndex = 0;
    int FFirstPageIndex = 0;
    int FFirstOutlineIndex = 0;
    int FLogicalPageN = 0;
    std::list<CachedPage> FPageCache;
    TfrxXMLItem* FPagesItem = nullptr;
    TfrxPictureCache FPictureCache;
    std::vector<std::unique_ptr<TfrxReportPage>> FSourcePages;
    TfrxXMLDocument FXMLDoc;
    qint64 FXMLSize = 0;
    double FLastY = 0;
    TfrxView* FLastObjectOver = nullptr;
    TfrxOutline FOutlineObject;
    // During a run: which source page and dictionary entry a template page or object belongs to.
    QHash<const TfrxComponent*, int> FSourcePageOf;
    QHash<const TfrxComponent*, int> FSourceEntryOf;
};
