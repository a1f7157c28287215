#include "report/engine/TfrxPreviewPages.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "report/engine/PictureDrawing.h"
#include "report/engine/PreparedObjectXML.h"
#include "report/engine/TfrxNullBand.h"
#include "report/engine/ViewDrawing.h"
#include "report/model/MemoExpansion.h"
#include "report/model/SafeFileWrite.h"
#include "report/model/TfrxClassRegistry.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomMemoView.h"
#include "report/model/TfrxPictureView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxReportParts.h"
#include "report/model/TfrxXMLSerializer.h"
#include "report/model/xml/TfrxXMLItem.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QFile>
#include <QPainter>
#include <QUrl>

namespace {

constexpr double kMillimetre = 3.77953;
// The per-element overhead counted towards the memory limit besides the element's text.
constexpr qint64 kElementOverhead = qint64(sizeof(TfrxXMLItem)) + 16;

const QString kPreviewPages = QStringLiteral("previewpages");
const QString kLogicalPageNumbers = QStringLiteral("logicalpagenumbers");
const QString kOutline = QStringLiteral("outline");
const QString kAnchors = QStringLiteral("anchors");
const QString kCutted = QStringLiteral("cutted");
const QString kReport = QStringLiteral("report");
const QString kSourcePages = QStringLiteral("sourcepages");
const QString kDictionary = QStringLiteral("dictionary");
const QString kPictureCache = QStringLiteral("picturecache");

int roundInt(double value)
{
    return int(roundHalfEven(value));
}

// The source page index of an element named "page<n>", or −1.
int sourceIndexOfName(const QString& name)
{
    if (!name.startsWith(QLatin1String("page")))
        return -1;
    bool ok = false;
    const int index = name.mid(4).toInt(&ok);
    return ok ? index : -1;
}

QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

bool isAnyBand(const TfrxComponent& obj)
{
    return dynamic_cast<const TfrxBand*>(&obj) != nullptr;
}

// Everything that a memo's drawing changes for this drawing only.
class MemoDrawingState {
public:
    MemoDrawingState(TfrxCustomMemoView& memo, int totalPages, int copyNo)
        : FMemo(memo), FText(memo.GetMemo())
    {
        ExtractMacros(memo, totalPages, copyNo);
    }
    ~MemoDrawingState() { FMemo.SetText(FText.join(QLatin1String("\r\n"))); }
    MemoDrawingState(const MemoDrawingState&) = delete;
    MemoDrawingState& operator=(const MemoDrawingState&) = delete;

private:
    TfrxCustomMemoView& FMemo;
    QStringList FText;
};

} // namespace

TfrxPreviewPages::TfrxPreviewPages(TfrxReport& AReport)
    : TfrxCustomPreviewPages(AReport), FOutlineObject(*this)
{
    FOutline = &FOutlineObject;
    ResetDocument();
}

TfrxPreviewPages::~TfrxPreviewPages()
{
    FPageCache.clear();
}

void TfrxPreviewPages::ResetDocument()
{
    FXMLDoc.Clear();
    FXMLDoc.GetRoot()->SetName(QStringLiteral("preparedreport"));
    FPagesItem = nullptr;
    FOutlineObject.SetRoot(Section(kOutline));
}

TfrxXMLItem* TfrxPreviewPages::Section(const QString& Name)
{
    return FXMLDoc.GetRoot()->FindItem(Name);
}

TfrxXMLItem* TfrxPreviewPages::PageItem(int Index)
{
    TfrxXMLItem* pages = Section(kPreviewPages);
    return Index >= 0 && Index < pages->GetCount() ? pages->GetItems(Index) : nullptr;
}

bool TfrxPreviewPages::IsRunning() const
{
    return FEngine && FEngine->GetRunning();
}

int TfrxPreviewPages::GetCount()
{
    return Section(kPreviewPages)->GetCount();
}

TfrxReportPage* TfrxPreviewPages::GetSourcePage(int Index)
{
    return Index >= 0 && Index < GetSourcePageCount() ? FSourcePages[Index].get() : nullptr;
}

TfrxReportPage* TfrxPreviewPages::SourcePageOf(const TfrxXMLItem& Item) const
{
    const int index = sourceIndexOfName(Item.GetName());
    return index >= 0 && index < int(FSourcePages.size()) ? FSourcePages[index].get() : nullptr;
}

void TfrxPreviewPages::Clear()
{
    ClearPageCache();
    FSourcePages.clear();
    FDictionary.Clear();
    FPictureCache.Clear();
    FSourcePageOf.clear();
    FSourceEntryOf.clear();
    ResetDocument();
    FCurPage = -1;
    FFirstPage = 0;
    FXMLSize = 0;
    FLastY = 0;
    FLogicalPageN = 0;
}

void TfrxPreviewPages::ClearPageCache()
{
    FLastObjectOver = nullptr;
    FPageCache.clear();
}

void TfrxPreviewPages::Initialize()
{
    const QString tempDir = FReport.GetEngineOptions()->GetTempDir();
    if (FPictureCache.IsEmpty()) {
        FPictureCache.SetUseFileCache(FReport.GetPreviewOptions()->GetPictureCacheInFile() ||
                                      FReport.GetEngineOptions()->GetUseFileCache());
        FPictureCache.SetTempDir(tempDir);
    }
    FXMLDoc.SetTempDir(tempDir);
    FReport.InternalOnProgressStart(0);
}

void TfrxPreviewPages::UnloadPagesOverMemoryLimit()
{
    const TfrxEngineOptions& options = *FReport.GetEngineOptions();
    if (!options.GetUseFileCache() || FXMLSize <= qint64(options.GetMaxMemSize()) * 1048576)
        return;
    for (int i = FPagesItem->GetCount() - 2; i >= 0; --i) {
        TfrxXMLItem* item = FPagesItem->GetItems(i);
        if (!item->GetLoaded())
            break;
        FXMLDoc.UnloadItem(item);
    }
    FXMLSize = 0;
}

void TfrxPreviewPages::AddPage(TfrxReportPage* Page)
{
    FPagesItem = Section(kPreviewPages);
    UnloadPagesOverMemoryLimit();
    ++FCurPage;
    if (FCurPage < FPagesItem->GetCount() && FAddPageAction != apAdd)
        return;
    TfrxXMLItem* item =
        FPagesItem->Add(QStringLiteral("page") + QString::number(FSourcePageOf.value(Page, -1)));
    if (FPagesItem->GetCount() > 2)
        item->SetUnloadable(true);
    FReport.InternalOnProgress(0, FCurPage + 1);
    FAddPageAction = apWriteOver;
    FCurPage = FPagesItem->GetCount() - 1;
    IncLogicalPageNumber();
}

void TfrxPreviewPages::AddObject(TfrxComponent* Obj)
{
    if (!Obj)
        return;
    TfrxXMLItem* page = PageItem(FCurPage);
    if (!page)
        return;
    FXMLDoc.LoadItem(page);
    AddObjectItem(*Obj, *page, SourcePageOf(*page) != nullptr, nullptr);
}

void TfrxPreviewPages::AddObject(TfrxComponent* Band, const QList<TfrxComponent*>& Objects)
{
    if (!Band)
        return;
    TfrxXMLItem* page = PageItem(FCurPage);
    if (!page)
        return;
    FXMLDoc.LoadItem(page);
    AddObjectItem(*Band, *page, SourcePageOf(*page) != nullptr, &Objects);
}

void TfrxPreviewPages::AddObjectItem(TfrxComponent& Obj, TfrxXMLItem& Parent, bool AliasForm,
                                     const QList<TfrxComponent*>* Children)
{
    if (!Obj.GetVisible() || !Obj.GetfrComponentStyle().contains(csPreviewVisible))
        return;
    if (auto* picture = dynamic_cast<TfrxPictureView*>(&Obj); picture && picture->GetPictureChanged())
        AddPicture(picture);
    TfrxXMLItem* item = Parent.Add();
    const int entry = AliasForm ? FSourceEntryOf.value(&Obj, -1) : -1;
    if (entry >= 0) {
        const TfrxDictionary::Entry& source = FDictionary.GetItem(entry);
        item->SetName(source.Alias);
        item->SetText(frxDifferenceAttributes(Obj, *source.Object, !FEngine || FEngine->GetFinalPass()));
    } else {
        item->SetName(Obj.GetClassName());
        item->SetText(frxClassFormAttributes(Obj));
    }
    FXMLSize += item->GetName().size() + item->GetText().size() + kElementOverhead;
    for (TfrxComponent* child : Children ? *Children : Obj.GetObjects())
        AddObjectItem(*child, *item, AliasForm, nullptr);
}

void TfrxPreviewPages::AddPicture(TfrxPictureView* Picture)
{
    Picture->SetImageIndex(FPictureCache.AddPicture(*Picture->GetPicture()));
    Picture->SetPictureChanged(false);
}

void TfrxPreviewPages::AddSourcePage(TfrxReportPage* Page)
{
    const int index = int(FSourcePages.size());
    auto copy = std::make_unique<TfrxReportPage>();
    copy->Assign(*Page);
    copy->SetName(Page->GetName());
    for (TfrxComponent* child : Page->GetObjects())
        CopySourceObject(*child, *copy, index);
    FSourcePages.push_back(std::move(copy));
    FSourcePageOf.insert(Page, index);
}

void TfrxPreviewPages::CopySourceObject(TfrxComponent& Obj, TfrxComponent& Parent, int SourceIndex)
{
    if (!Obj.GetfrComponentStyle().contains(csPreviewVisible))
        return;
    TfrxComponent* copy = frxClassRegistry().CreateObject(Obj.GetClassName(), &Parent);
    if (!copy)
        return;
    copy->Assign(Obj);
    copy->SetName(Obj.GetName());
    if (auto* picture = dynamic_cast<TfrxPictureView*>(copy))
        picture->GetPicture()->Clear();
    if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(copy)) {
        memo->SetDataSet(nullptr);
        memo->SetDataField(QString());
        // Output gives every memo a display format; so that it is no difference, the copy has one too.
        memo->GetDisplayFormat();
    }
    const QString prefix = isAnyBand(Obj) ? QStringLiteral("b") : Obj.GetBaseName().left(1).toLower();
    const QString alias = FDictionary.CreateUniqueName(prefix);
    TfrxDictionary::Entry& entry = FDictionary.Add(
        alias, QStringLiteral("Page") + QString::number(SourceIndex) + QLatin1Char('.') + Obj.GetName(),
        copy);
    entry.BaseAttributes = frxStoredAttributes(*copy);
    FSourceEntryOf.insert(&Obj, FDictionary.GetCount() - 1);
    for (TfrxComponent* child : Obj.GetObjects())
        CopySourceObject(*child, *copy, SourceIndex);
}

void TfrxPreviewPages::AddToSourcePage(TfrxComponent* Obj)
{
    if (!Obj || FSourcePages.empty() || FSourceEntryOf.contains(Obj))
        return;
    TfrxReportPage& page = *FSourcePages.back();
    QString name = Obj->GetName();
    for (int n = 1; name.isEmpty() || page.FindObject(name); ++n)
        name = Obj->GetBaseName() + QString::number(n);
    const QString original = Obj->GetName();
    CopySourceObject(*Obj, page, int(FSourcePages.size()) - 1);
    if (TfrxComponent* copy = page.GetObjects().isEmpty() ? nullptr : page.GetObjects().last();
        copy && name != original)
        copy->SetName(name);
}

void TfrxPreviewPages::BeginPass()
{
    FFirstPageIndex = GetCount() - 1;
    if (TfrxXMLItem* page = PageItem(FFirstPageIndex)) {
        FXMLDoc.LoadItem(page);
        FFirstObjectIndex = page->GetCount();
        FFirstOutlineIndex = Section(kOutline)->GetCount();
    }
    ResetLogicalPageNumber();
}

void TfrxPreviewPages::ClearFirstPassPages()
{
    ClearPageCache();
    TfrxXMLItem* root = FXMLDoc.GetRoot();
    if (FFirstPageIndex == -1) {
        for (int i = 0; i < root->GetCount(); ++i) {
            TfrxXMLItem* section = root->GetItems(i);
            if (section->GetName().compare(kAnchors, Qt::CaseInsensitive) != 0 &&
                section->GetName().compare(kLogicalPageNumbers, Qt::CaseInsensitive) != 0)
                section->Clear();
        }
    } else {
        TfrxXMLItem* pages = Section(kPreviewPages);
        if (TfrxXMLItem* first = PageItem(FFirstPageIndex)) {
            FXMLDoc.LoadItem(first);
            while (first->GetCount() > FFirstObjectIndex)
                delete first->GetItems(first->GetCount() - 1);
        }
        while (pages->GetCount() > FFirstPageIndex + 1)
            delete pages->GetItems(pages->GetCount() - 1);
        TfrxXMLItem* outline = Section(kOutline);
        while (outline->GetCount() > FFirstOutlineIndex)
            delete outline->GetItems(outline->GetCount() - 1);
    }
    FOutlineObject.SetRoot(Section(kOutline));
    ResetLogicalPageNumber();
    FCurPage = FFirstPageIndex;
    FXMLSize = 0;
}

void TfrxPreviewPages::CutObjects(int APosition)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    if (!page)
        return;
    TfrxXMLItem* cutted = Section(kCutted);
    while (page->GetCount() > APosition)
        cutted->AddItem(page->GetItems(APosition));
}

void TfrxPreviewPages::PasteObjects(double X, double Y)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    TfrxXMLItem* cutted = Section(kCutted);
    if (!page || cutted->GetCount() == 0) {
        delete cutted;
        return;
    }
    const TfrxXMLItem* first = cutted->GetItems(0);
    const double dx = X - first->GetProp(QStringLiteral("l")).toDouble();
    const double dy = Y - first->GetProp(QStringLiteral("t")).toDouble();
    while (cutted->GetCount() > 0) {
        TfrxXMLItem* item = cutted->GetItems(0);
        item->SetProp(QStringLiteral("l"),
                      QString::number(item->GetProp(QStringLiteral("l")).toDouble() + dx, 'g', 15));
        item->SetProp(QStringLiteral("t"),
                      QString::number(item->GetProp(QStringLiteral("t")).toDouble() + dy, 'g', 15));
        page->AddItem(item);
    }
    delete cutted;
}

void TfrxPreviewPages::Finish()
{
    FLastY = 0;
    ClearPageCache();
    FSourcePageOf.clear();
    FSourceEntryOf.clear();
    FReport.InternalOnProgressStop(0);
}

void TfrxPreviewPages::IncLogicalPageNumber()
{
    if (FEngine && FEngine->GetDoublePass() && FEngine->GetFinalPass())
        return;
    ++FLogicalPageN;
    Section(kLogicalPageNumbers)
        ->Add(QStringLiteral("page"))
        ->SetProp(QStringLiteral("n"), QString::number(FLogicalPageN));
}

void TfrxPreviewPages::ResetLogicalPageNumber()
{
    if (FEngine && FEngine->GetDoublePass() && FEngine->GetFinalPass())
        return;
    TfrxXMLItem* numbers = Section(kLogicalPageNumbers);
    for (int i = std::min(FCurPage, numbers->GetCount() - 1); i > FFirstPageIndex; --i) {
        TfrxXMLItem* item = numbers->GetItems(i);
        item->SetProp(QStringLiteral("t"), QString::number(FLogicalPageN));
        if (item->GetProp(QStringLiteral("n")) == QLatin1String("1"))
            break;
    }
    FLogicalPageN = 0;
}

int TfrxPreviewPages::GetLogicalPageNo()
{
    TfrxXMLItem* numbers = Section(kLogicalPageNumbers);
    if (FCurPage >= 0 && FCurPage < numbers->GetCount())
        return numbers->GetItems(FCurPage)->GetProp(QStringLiteral("n")).toInt();
    return FCurPage - FFirstPage + 1;
}

int TfrxPreviewPages::GetLogicalTotalPages()
{
    TfrxXMLItem* numbers = Section(kLogicalPageNumbers);
    if (FCurPage >= 0 && FCurPage < numbers->GetCount())
        return numbers->GetItems(FCurPage)->GetProp(QStringLiteral("t")).toInt();
    return (FEngine ? FEngine->GetTotalPages() : 0) - FFirstPage;
}

void TfrxPreviewPages::AddAnchor(const QString& Text)
{
    TfrxXMLItem* item = Section(kAnchors)->Add(QStringLiteral("item"));
    item->SetProp(QStringLiteral("text"), Text);
    item->SetProp(QStringLiteral("page"), QString::number(FCurPage));
    item->SetProp(QStringLiteral("top"), QString::number(roundInt(FEngine ? FEngine->GetCurY() : 0)));
}

int TfrxPreviewPages::GetAnchorPage(const QString& Text)
{
    TfrxXMLItem* anchors = Section(kAnchors);
    for (int i = anchors->GetCount() - 1; i >= 0; --i)
        if (anchors->GetItems(i)->GetProp(QStringLiteral("text")).compare(Text, Qt::CaseInsensitive) == 0)
            return anchors->GetItems(i)->GetProp(QStringLiteral("page")).toInt() + 1;
    return 1;
}

int TfrxPreviewPages::GetAnchorCurPosition()
{
    return Section(kAnchors)->GetCount() - 1;
}

void TfrxPreviewPages::ShiftAnchors(int From, int NewTop)
{
    TfrxXMLItem* anchors = Section(kAnchors);
    if (From + 1 >= anchors->GetCount())
        return;
    const int delta = NewTop - anchors->GetItems(From + 1)->GetProp(QStringLiteral("top")).toInt();
    for (int i = From + 1; i < anchors->GetCount(); ++i) {
        TfrxXMLItem* item = anchors->GetItems(i);
        item->SetProp(QStringLiteral("page"),
                      QString::number(item->GetProp(QStringLiteral("page")).toInt() + 1));
        item->SetProp(QStringLiteral("top"),
                      QString::number(item->GetProp(QStringLiteral("top")).toInt() + delta));
    }
}

bool TfrxPreviewPages::BandExists(TfrxComponent* Band)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    if (!page || !Band)
        return false;
    const int entry = FSourceEntryOf.value(Band, -1);
    const QString name = entry >= 0 ? FDictionary.GetItem(entry).Alias : Band->GetClassName();
    for (int i = 0; i < page->GetCount(); ++i)
        if (page->GetItems(i)->GetName() == name)
            return true;
    return false;
}

int TfrxPreviewPages::GetCurPosition()
{
    TfrxXMLItem* page = PageItem(FCurPage);
    return page ? page->GetCount() : 0;
}

double TfrxPreviewPages::GetLastY(double ColumnPosition)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    double result = 0;
    if (page) {
        FXMLDoc.LoadItem(page);
        for (int i = 0; i < page->GetCount(); ++i) {
            const TfrxXMLItem* item = page->GetItems(i);
            const TfrxDictionary::Entry* entry = FDictionary.Find(item->GetName());
            const TfrxComponent* source = entry ? entry->Object : nullptr;
            if (!source || !isAnyBand(*source))
                continue;
            const auto value = [&](const QString& name, double fallback) {
                return item->PropExists(name) ? item->GetProp(name).toDouble() : fallback;
            };
            if (ColumnPosition != 0 &&
                std::abs(value(QStringLiteral("l"), source->GetLeft()) - ColumnPosition) > 0.001)
                continue;
            result = std::max(result, value(QStringLiteral("t"), source->GetTop()) +
                                          value(QStringLiteral("h"), source->GetHeight()));
        }
    }
    return result == 0 && FLastY != 0 ? FLastY : result;
}

void TfrxPreviewPages::UpdatePageDimensions(TfrxReportPage* Page, double Height, double Width)
{
    TfrxReportPage* source = GetSourcePage(FSourcePageOf.value(Page, -1));
    if (!source)
        return;
    source->SetPaperSize(256);
    source->SetPaperWidth(Width / kMillimetre);
    source->SetPaperHeight(Height / kMillimetre);
}

void TfrxPreviewPages::UpdatePageLastColumn(int Column, bool Reset, double Position)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    if (!page)
        return;
    page->SetProp(QStringLiteral("c"), QString::number(Reset ? 0 : Column));
    page->SetProp(QStringLiteral("cp"), QString::number(Reset ? 0 : Position, 'g', 15));
}

double TfrxPreviewPages::GetLastColumnPos(int& Column)
{
    TfrxXMLItem* page = PageItem(FCurPage);
    Column = page ? page->GetProp(QStringLiteral("c")).toInt() : 0;
    return page ? page->GetProp(QStringLiteral("cp")).toDouble() : 0;
}

std::unique_ptr<TfrxReportPage> TfrxPreviewPages::BuildPage(TfrxXMLItem& Item)
{
    FXMLDoc.LoadItem(&Item);
    auto page = std::make_unique<TfrxReportPage>();
    if (const TfrxReportPage* source = SourcePageOf(Item)) {
        page->Assign(*source);
        page->SetName(source->GetName());
        for (int i = 0; i < Item.GetCount(); ++i)
            frxBuildPreparedObject(*Item.GetItems(i), *page, FDictionary, FPictureCache);
    } else {
        TfrxXMLSerializer serializer;
        serializer.ReadRootComponent(*page, &Item);
    }
    page->AlignChildren();
    return page;
}

TfrxReportPage* TfrxPreviewPages::GetPage(int Index)
{
    TfrxXMLItem* item = PageItem(Index);
    if (!item)
        return nullptr;
    if (!IsRunning())
        for (auto it = FPageCache.begin(); it != FPageCache.end(); ++it)
            if (it->Index == Index) {
                FPageCache.splice(FPageCache.begin(), FPageCache, it);
                return FPageCache.front().Page.get();
            }
    FPageCache.push_front(CachedPage{Index, BuildPage(*item)});
    TfrxReportPage* page = FPageCache.front().Page.get();
    const int limit = FReport.GetPreviewOptions()->GetPagesInCache();
    while (FPageCache.size() > 1 && int(FPageCache.size()) > limit)
        ReleaseLastCachedPage();
    return page;
}

void TfrxPreviewPages::ReleaseLastCachedPage()
{
    const CachedPage& last = FPageCache.back();
    if (FReport.GetEngineOptions()->GetUseFileCache())
        if (TfrxXMLItem* item = PageItem(last.Index); item && item->GetUnloadable())
            FXMLDoc.UnloadItem(item);
    FLastObjectOver = nullptr;
    FPageCache.pop_back();
}

QSize TfrxPreviewPages::GetPageSize(int Index)
{
    TfrxXMLItem* item = PageItem(Index);
    if (!item)
        return {0, 0};
    const TfrxReportPage* page = SourcePageOf(*item);
    if (!page)
        page = GetPage(Index);
    return page ? QSize(roundInt(page->GetWidth()), roundInt(page->GetHeight())) : QSize(0, 0);
}

void TfrxPreviewPages::DrawPage(int Index, QPainter& Canvas, double ScaleX, double ScaleY, double OffsetX,
                                double OffsetY)
{
    TfrxReportPage* page = GetPage(Index);
    if (!page)
        return;
    const bool printer = TfrxPrinterCanvas::IsPrinterCanvas(&Canvas);
    const double left = page->GetLeftMargin();
    const double right = page->GetRightMargin();
    if (page->GetMirrorMargins() && Index % 2 == 1) {
        page->SetLeftMargin(right);
        page->SetRightMargin(left);
    }
    Canvas.save();
    if (!printer) {
        const QRect paper(QPoint(roundInt(OffsetX), roundInt(OffsetY)),
                          QPoint(roundInt(page->GetPaperWidth() * kMillimetre * ScaleX + OffsetX) - 1,
                                 roundInt(page->GetPaperHeight() * kMillimetre * ScaleY + OffsetY) - 1));
        Canvas.setClipRect(paper, Canvas.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    }
    try {
        page->SetIsPrinting(printer);
        DrawPageBackground(*page, Canvas, ScaleX, ScaleY, OffsetX, OffsetY);
        page->SetIsPrinting(false);
        DrawObjects(*page, Canvas, ScaleX, ScaleY, OffsetX + page->GetLeftMargin() * kMillimetre * ScaleX,
                    OffsetY + page->GetTopMargin() * kMillimetre * ScaleY);
    } catch (...) {
        page->SetIsPrinting(false);
        page->SetLeftMargin(left);
        page->SetRightMargin(right);
        Canvas.restore();
        throw;
    }
    page->SetLeftMargin(left);
    page->SetRightMargin(right);
    Canvas.restore();
}

void TfrxPreviewPages::DrawObjects(TfrxReportPage& Page, QPainter& Canvas, double ScaleX, double ScaleY,
                                   double OffsetX, double OffsetY)
{
    QRectF visible;
    if (Canvas.device())
        visible = Canvas.transform().inverted().mapRect(
            QRectF(0, 0, Canvas.device()->width(), Canvas.device()->height()));
    if (Canvas.hasClipping())
        visible =
            visible.isNull() ? Canvas.clipBoundingRect() : visible.intersected(Canvas.clipBoundingRect());
    const int totalPages = GetCount();
    for (TfrxComponent* obj : Page.GetAllObjects()) {
        auto* view = dynamic_cast<TfrxView*>(obj);
        if (!view || !IsVisibleOn(*view, Canvas))
            continue;
        const QRectF rect(view->GetAbsLeft() * ScaleX + OffsetX - 20,
                          view->GetAbsTop() * ScaleY + OffsetY - 20, view->GetWidth() * ScaleX + 40,
                          view->GetHeight() * ScaleY + 40);
        if (!visible.isNull() && !visible.intersects(rect))
            continue;
        view->SetIsPrinting(true);
        try {
            if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(view)) {
                const MemoDrawingState state(*memo, totalPages, FCopyNo);
                Draw(*view, Canvas, ScaleX, ScaleY, OffsetX, OffsetY, FPrintScale);
            } else {
                Draw(*view, Canvas, ScaleX, ScaleY, OffsetX, OffsetY, FPrintScale);
            }
        } catch (...) {
            view->SetIsPrinting(false);
            throw;
        }
        view->SetIsPrinting(false);
    }
}

void TfrxPreviewPages::ObjectOver(int Index, int X, int Y, Qt::MouseButton Button,
                                  Qt::KeyboardModifiers Shift, double Scale, int OffsetX, int OffsetY,
                                  Qt::CursorShape& Cursor, TfrxMouseIntEvents MouseEvent)
{
    Q_UNUSED(Button);
    Q_UNUSED(Shift);
    if (IsRunning() || !PageItem(Index))
        return;
    TfrxReportPage* page = GetPage(Index);
    if (!page)
        return;
    const double margin =
        page->GetMirrorMargins() && Index % 2 == 1 ? page->GetRightMargin() : page->GetLeftMargin();
    const int originX = roundInt(OffsetX + margin * kMillimetre * Scale);
    const int originY = roundInt(OffsetY + page->GetTopMargin() * kMillimetre * Scale);
    SetStatusText(0, QString());
    SetStatusText(1, QString());
    const QList<TfrxComponent*> objects = page->GetAllObjects();
    TfrxView* hit = nullptr;
    for (auto it = objects.crbegin(); it != objects.crend() && !hit; ++it) {
        auto* view = dynamic_cast<TfrxView*>(*it);
        if (!view)
            continue;
        const QRect rect(QPoint(roundInt(view->GetAbsLeft() * Scale) + originX,
                                roundInt(view->GetAbsTop() * Scale) + originY),
                         QPoint(roundInt((view->GetAbsLeft() + view->GetWidth()) * Scale) + originX - 1,
                                roundInt((view->GetAbsTop() + view->GetHeight()) * Scale) + originY - 1));
        if (rect.contains(X, Y))
            hit = view;
    }
    if (!hit) {
        FLastObjectOver = nullptr;
        return;
    }
    FLastObjectOver = hit;
    const QString link = hit->GetHyperlink()->GetValue();
    if (!link.isEmpty()) {
        SetStatusText(0, link);
        Cursor = Qt::PointingHandCursor;
        if (MouseEvent == meClick || MouseEvent == meDbClick)
            FollowHyperlink(*hit);
    }
}

void TfrxPreviewPages::FollowHyperlink(TfrxView& View)
{
    const QString value = View.GetHyperlink()->GetValue();
    switch (View.GetHyperlink()->GetKind()) {
    case hkURL:
        QDesktopServices::openUrl(QUrl::fromUserInput(value));
        break;
    case hkAnchor: {
        TfrxXMLItem* anchors = Section(kAnchors);
        for (int i = anchors->GetCount() - 1; i >= 0; --i) {
            const TfrxXMLItem* item = anchors->GetItems(i);
            if (item->GetProp(QStringLiteral("text")).compare(value, Qt::CaseInsensitive) == 0) {
                if (GetOnNavigate())
                    GetOnNavigate()(item->GetProp(QStringLiteral("page")).toInt() + 1,
                                    item->GetProp(QStringLiteral("top")).toDouble());
                break;
            }
        }
        break;
    }
    case hkPageNumber:
        if (GetOnNavigate())
            GetOnNavigate()(value.toInt(), 0);
        break;
    default:
        break;
    }
}

void TfrxPreviewPages::AddEmptyPage(int Index)
{
    TfrxXMLItem* item = PageItem(Index);
    if (!item)
        return;
    ClearPageCache();
    auto empty = std::make_unique<TfrxXMLItem>();
    empty->SetName(item->GetName());
    Section(kPreviewPages)->InsertItem(Index, std::move(empty));
}

void TfrxPreviewPages::DeletePage(int Index)
{
    TfrxXMLItem* item = PageItem(Index);
    if (!item || GetCount() < 2)
        return;
    ClearPageCache();
    delete item;
    FCurPage = std::min(FCurPage, GetCount() - 1);
}

void TfrxPreviewPages::ModifyPage(int Index, TfrxReportPage* Page)
{
    TfrxXMLItem* item = PageItem(Index);
    if (!item || !Page)
        return;
    auto whole = std::make_unique<TfrxXMLItem>();
    TfrxXMLSerializer().WriteRootComponent(*Page, true, whole.get());
    whole->SetName(QStringLiteral("TfrxReportPage"));
    whole->SetUnloadable(false);
    ClearPageCache();
    TfrxXMLItem* pages = Section(kPreviewPages);
    delete item;
    pages->InsertItem(Index, std::move(whole));
}

void TfrxPreviewPages::AddFrom(TfrxReport& Report)
{
    TfrxCustomPreviewPages* other = Report.GetPreviewPages();
    if (!other || other == this)
        return;
    ClearPageCache();
    TfrxXMLItem* pages = Section(kPreviewPages);
    const int shift = pages->GetCount();
    for (int i = 0; i < other->GetCount(); ++i)
        if (TfrxReportPage* page = other->GetPage(i)) {
            TfrxXMLItem* item = pages->Add();
            TfrxXMLSerializer().WriteRootComponent(*page, true, item);
            item->SetName(QStringLiteral("TfrxReportPage"));
            other->ClearPageCache();
        }
    if (auto* store = dynamic_cast<TfrxPreviewPages*>(other)) {
        TfrxXMLItem* anchors = store->Section(kAnchors);
        for (int i = 0; i < anchors->GetCount(); ++i) {
            const TfrxXMLItem* source = anchors->GetItems(i);
            TfrxXMLItem* item = Section(kAnchors)->Add(QStringLiteral("item"));
            item->SetProp(QStringLiteral("text"), source->GetProp(QStringLiteral("text")));
            item->SetProp(QStringLiteral("page"),
                          QString::number(source->GetProp(QStringLiteral("page")).toInt() + shift));
            item->SetProp(QStringLiteral("top"), source->GetProp(QStringLiteral("top")));
        }
        store->SetCurPage(store->GetCount() - 1);
        FLastY = store->GetLastY();
    }
    FCurPage = GetCount() - 1;
}

void TfrxPreviewPages::WriteSections()
{
    TfrxXMLItem* report = Section(kReport);
    report->Clear();
    TfrxXMLItem* reportItem = report->Add(FReport.GetClassName());
    reportItem->SetProp(QStringLiteral("DotMatrixReport"), boolText(FReport.GetDotMatrixReport()));
    reportItem->SetProp(QStringLiteral("PreviewOptions.OutlineVisible"),
                        boolText(FReport.GetPreviewOptions()->GetOutlineVisible()));
    reportItem->SetProp(QStringLiteral("PreviewOptions.OutlineWidth"),
                        QString::number(FReport.GetPreviewOptions()->GetOutlineWidth()));
    reportItem->SetProp(QStringLiteral("ReportOptions.Name"), FReport.GetReportOptions()->GetName());

    TfrxXMLItem* sources = Section(kSourcePages);
    sources->Clear();
    for (const auto& page : FSourcePages)
        TfrxXMLSerializer().WriteRootComponent(*page, true, sources->Add());

    TfrxXMLItem* dictionary = Section(kDictionary);
    dictionary->Clear();
    for (int i = 0; i < FDictionary.GetCount(); ++i)
        dictionary->Add(FDictionary.GetItem(i).Alias)
            ->SetProp(QStringLiteral("name"), FDictionary.GetItem(i).SourceName);

    TfrxXMLItem* pictures = Section(kPictureCache);
    pictures->Clear();
    for (int i = 1; i <= FPictureCache.GetCount(); ++i)
        pictures->Add(QStringLiteral("item"))
            ->SetProp(QStringLiteral("stream"),
                      QString::fromLatin1(FPictureCache.GetBytes(i).toHex().toUpper()));
}

void TfrxPreviewPages::SaveToStream(QIODevice& Stream)
{
    WriteSections();
    try {
        FXMLDoc.SaveToStream(Stream);
    } catch (...) {
        // The copies in the sections are only wanted in the file.
        Section(kSourcePages)->Clear();
        Section(kPictureCache)->Clear();
        throw;
    }
    Section(kSourcePages)->Clear();
    Section(kPictureCache)->Clear();
}

void TfrxPreviewPages::SaveToFile(const QString& FileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    writeFileSafely(FileName, bytes);
}

void TfrxPreviewPages::ReadSections()
{
    TfrxXMLItem* report = Section(kReport);
    if (report->GetCount() > 0)
        TfrxXMLSerializer().XMLToObj(report->GetItems(0)->GetText(), FReport);

    TfrxXMLItem* sources = Section(kSourcePages);
    for (int i = 0; i < sources->GetCount(); ++i) {
        auto page = std::make_unique<TfrxReportPage>();
        TfrxXMLSerializer().ReadRootComponent(*page, sources->GetItems(i));
        FSourcePages.push_back(std::move(page));
    }
    sources->Clear();

    TfrxXMLItem* dictionary = Section(kDictionary);
    for (int i = 0; i < dictionary->GetCount(); ++i) {
        const TfrxXMLItem* item = dictionary->GetItems(i);
        const QString name = item->GetProp(QStringLiteral("name"));
        const qsizetype dot = name.indexOf(u'.');
        TfrxReportPage* page = GetSourcePage(dot > 4 ? name.mid(4, dot - 4).toInt() : -1);
        TfrxComponent* object = page ? page->FindObject(name.mid(dot + 1)) : nullptr;
        TfrxDictionary::Entry& entry = FDictionary.Add(item->GetName(), name, object);
        if (object) {
            entry.BaseAttributes = frxStoredAttributes(*object);
        }
    }
    dictionary->Clear();

    TfrxXMLItem* pictures = Section(kPictureCache);
    for (int i = 0; i < pictures->GetCount(); ++i)
        FPictureCache.AddBytes(
            QByteArray::fromHex(pictures->GetItems(i)->GetProp(QStringLiteral("stream")).toLatin1()));
    pictures->Clear();
}

void TfrxPreviewPages::LoadFromStream(QIODevice& Stream, bool AllowPartialLoading)
{
    Clear();
    FAllowPartialLoading = AllowPartialLoading;
    try {
        FXMLDoc.LoadFromStream(Stream);
        if (FXMLDoc.GetRoot()->GetName().compare(QLatin1String("preparedreport"), Qt::CaseInsensitive) != 0)
            throw Exception(QStringLiteral("The file is not a prepared report"));
        FOutlineObject.SetRoot(Section(kOutline));
        ReadSections();
    } catch (...) {
        Clear();
        throw;
    }
    FCurPage = GetCount() - 1;
}

bool TfrxPreviewPages::LoadFromFile(const QString& FileName, bool ExceptionIfNotFound)
{
    if (!QFile::exists(FileName) && !ExceptionIfNotFound)
        return false;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
    LoadFromStream(file, false);
    return true;
}

bool TfrxPreviewPages::Print()
{
    const TfrxReportParts& parts = frxReportParts();
    return parts.PrintPages ? parts.PrintPages(*this) : false;
}

bool TfrxPreviewPages::Export(QObject* Filter)
{
    Q_UNUSED(Filter);
    return false;
}
