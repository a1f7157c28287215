#include "report/preview/TfrxPreview.h"

#include "common/Rounding.h"
#include "report/engine/TfrxOutline.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/InfoBox.h"
#include "report/preview/TfrxFindState.h"
#include "report/preview/TfrxPreviewTabs.h"
#include "report/preview/TfrxPreviewWorkspace.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double kMinZoom = 0.25;
constexpr double kMinWheelZoom = 0.3;
constexpr double kWheelZoomStep = 0.1;
constexpr int kWheelStep = 20;
constexpr int kLayoutMargin = 26;
constexpr int kRangeMargin = 10;
constexpr int kTopGap = 10;
constexpr int kSearchMargin = 20;
// Pages added to the layout one by one while a report is being prepared.
constexpr int kPagesLaidOutWhilePreparing = 50;
constexpr int kPageNumberRole = Qt::UserRole;
constexpr int kTopRole = Qt::UserRole + 1;

int roundInt(double value)
{
    return int(roundHalfEven(value));
}

// Unlocks the preview whatever happens to the command that locked it.
class UnlockOnExit {
public:
    explicit UnlockOnExit(TfrxPreview& preview) : FPreview(preview) {}
    ~UnlockOnExit() { FPreview.Unlock(); }
    UnlockOnExit(const UnlockOnExit&) = delete;
    UnlockOnExit& operator=(const UnlockOnExit&) = delete;

private:
    TfrxPreview& FPreview;
};

} // namespace

TfrxFindState& frxFindState()
{
    static TfrxFindState state;
    return state;
}

TfrxPreview::TfrxPreview(QWidget* AOwner)
    : QWidget(AOwner), FTabItems(std::make_unique<TfrxPreviewTabs>()),
      FOutlineColor(QApplication::palette().color(QPalette::Base))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    FTabs = new QTabBar(this);
    FTabs->setObjectName(QStringLiteral("FTabs"));
    FTabs->setFixedHeight(22);
    FTabs->setIconSize(QSize(16, 16));
    FTabs->hide();
    layout->addWidget(FTabs);

    FSplitter = new QSplitter(Qt::Horizontal, this);
    FSplitter->setObjectName(QStringLiteral("FSplitter"));
    FSplitter->setHandleWidth(4);
    FSplitter->setChildrenCollapsible(false);
    layout->addWidget(FSplitter, 1);

    FOutline = new QTreeWidget(FSplitter);
    FOutline->setObjectName(QStringLiteral("FOutline"));
    FOutline->setHeaderHidden(true);
    FOutline->setFrameShape(QFrame::NoFrame);
    FOutline->hide();
    connect(FOutline, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OnOutlineClicked(item); });

    FThumbnail = new TfrxPreviewWorkspace(*this, true, FSplitter);
    FThumbnail->setObjectName(QStringLiteral("FThumbnail"));
    FThumbnail->hide();
    connect(FThumbnail, &TfrxPreviewWorkspace::thumbnailClicked, this,
            [this](int PageN) { OnThumbnailClicked(PageN); });

    FWorkspace = new TfrxPreviewWorkspace(*this, false, FSplitter);
    FWorkspace->setObjectName(QStringLiteral("FWorkspace"));
    FSplitter->setStretchFactor(2, 1);
    connect(FSplitter, &QSplitter::splitterMoved, this, [this] { RebuildPageList(); });

    CreateMessagePanel();
    setFocusProxy(FWorkspace);
}

TfrxPreview::~TfrxPreview()
{
    ClearAllTabs();
}

void TfrxPreview::CreateOutlineMenu()
{
    FOutline->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* collapse = new QAction(frxGet(QStringLiteral("pvCollapseAll")), FOutline);
    connect(collapse, &QAction::triggered, this, [this] {
        FOutline->collapseAll();
        FWorkspace->setFocus();
    });
    auto* expand = new QAction(frxGet(QStringLiteral("pvExpandAll")), FOutline);
    connect(expand, &QAction::triggered, this, [this] {
        FOutline->expandAll();
        if (FOutline->topLevelItemCount() > 0)
            FOutline->scrollToItem(FOutline->topLevelItem(0));
        FWorkspace->setFocus();
    });
    FOutline->addActions({collapse, expand});
}

void TfrxPreview::CreateMessagePanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("FMessagePanel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->resize(260, 75);
    panel->hide();
    FMessagePanel = panel;

    FMessageLabel = new QLabel(panel);
    FMessageLabel->setObjectName(QStringLiteral("FMessageLabel"));
    FMessageLabel->setGeometry(4, 20, 255, 20);
    FMessageLabel->setAlignment(Qt::AlignCenter);

    FCancelButton = new QPushButton(frxGet(QStringLiteral("2")), panel);
    FCancelButton->setObjectName(QStringLiteral("FCancelButton"));
    FCancelButton->setGeometry(92, 44, 75, 25);
    FCancelButton->hide();
    connect(FCancelButton, &QPushButton::clicked, this, [this] {
        if (FReport)
            FReport->SetTerminated(true);
    });
}

// ---- initialisation and tabs

bool TfrxPreview::Init(TfrxReport* aReport, TfrxCustomPreviewPages* aPrevPages)
{
    if (FCalledFromPreview)
        return false;
    FReport = aReport;
    FPreviewPages = aPrevPages;
    if (FInitialized && FEachReportInTab) {
        AddPreviewTab();
        return false;
    }
    FWorkspace->SetPreviewPages(aPrevPages);
    FThumbnail->SetPreviewPages(aPrevPages);
    if (aPrevPages)
        aPrevPages->SetOnNavigate([self = QPointer<TfrxPreview>(this)](int PageNo, double Top) {
            if (self)
                self->NavigateTo(PageNo, roundInt(Top));
        });
    TfrxFindState& find = frxFindState();
    find.Found = false;
    find.LastMatch = -1;
    FLastFoundPage = 0;
    FAllowF3 = false;

    if (FInitialized) {
        TfrxPreviewTabItem& first = FTabItems->GetItem(0);
        first.Report = aReport;
        first.PreviewPages = aPrevPages;
        FTabItems->SetCurTab(0);
        FTabs->setCurrentIndex(0);
        RebuildPageList();
        RebuildOutline();
        First();
        return true;
    }
    ApplyOptions();
    AddPreviewTab();
    FInitialized = true;
    RebuildPageList();
    RebuildOutline();
    First();
    return true;
}

void TfrxPreview::ApplyOptions()
{
    if (!FReport)
        return;
    const TfrxPreviewOptions& options = *FReport->GetPreviewOptions();
    if (options.GetZoomMode() == zmDefault)
        FZoom = std::max(options.GetZoom(), kMinZoom);
    else
        FZoomMode = options.GetZoomMode();
    SetOutlineWidth(options.GetOutlineWidth());
    SetOutlineVisible(options.GetOutlineVisible());
    SetThumbnailVisible(options.GetThumbnailVisible());
}

void TfrxPreview::AddPreviewTab()
{
    TfrxPreviewTabItem item;
    if (FReport) {
        const QString& fileName = FReport->GetFileName();
        item.Name =
            fileName.isEmpty() ? FReport->GetReportOptions()->GetName() : QFileInfo(fileName).fileName();
    }
    item.Report = FReport;
    item.PreviewPages = FPreviewPages;
    item.Zoom = FZoom;
    item.ZoomMode = FZoomMode;
    FTabItems->Add(item);
    FTabs->addTab(item.Name);
    FTabItems->SetCurTab(FTabItems->GetCount() - 1);
    FTabs->setVisible(FTabItems->GetCount() > 1);
}

void TfrxPreview::UnInit(TfrxCustomPreviewPages* aPreviewPages)
{
    for (int i = FTabItems->GetCount() - 1; i >= 0; --i)
        if (FTabItems->GetItem(i).PreviewPages == aPreviewPages) {
            FTabItems->Delete(i);
            FTabs->removeTab(i);
        }
    FTabs->setVisible(FTabItems->GetCount() > 1);
    if (FTabItems->GetCount() == 0)
        FInitialized = false;
}

void TfrxPreview::ClearAllTabs()
{
    if (FReport && FReport->GetPreview() == this)
        FReport->SetPreview(nullptr);
    while (FTabItems->GetCount() > 1) {
        FTabItems->Delete(FTabItems->GetCount() - 1);
        FTabs->removeTab(FTabs->count() - 1);
    }
    FTabs->hide();
}

// ---- lock, message, clear

void TfrxPreview::Lock()
{
    FLocked = true;
    FWorkspace->SetLocked(true);
    FThumbnail->SetLocked(true);
}

void TfrxPreview::Unlock()
{
    HideMessage();
    FLocked = false;
    FWorkspace->SetLocked(false);
    FThumbnail->SetLocked(false);
    RebuildPageList();
    FWorkspace->Repaint();
    FThumbnail->Repaint();
}

void TfrxPreview::ShowMessage(const QString& s)
{
    FMessagePanel->move((width() - 260) / 2, (height() - 75) / 3);
    FMessageLabel->setText(s);
    FMessagePanel->show();
    FMessagePanel->raise();
    FMessagePanel->repaint();
}

void TfrxPreview::HideMessage()
{
    FMessagePanel->hide();
    FCancelButton->hide();
}

void TfrxPreview::Clear()
{
    if (FRunning)
        return;
    Lock();
    if (FPreviewPages)
        FPreviewPages->Clear();
    Unlock();
    FWorkspace->GetPageList().Clear();
    FThumbnail->GetPageList().Clear();
    RebuildOutline();
    SetPageNo(1);
    FWorkspace->SetHorzRange(0);
    FWorkspace->SetVertRange(0);
    if (FThumbnail->isVisible()) {
        FThumbnail->SetHorzRange(0);
        FThumbnail->SetVertRange(0);
    }
}

// ---- layout

int TfrxPreview::GetPageCount() const
{
    return FPreviewPages ? FPreviewPages->GetCount() : 0;
}

bool TfrxPreview::FinalPass() const
{
    const TfrxCustomEngine* engine = FReport ? FReport->GetEngine() : nullptr;
    return !engine || engine->GetFinalPass();
}

void TfrxPreview::RebuildPageList()
{
    if (FLocked || GetPageCount() == 0)
        return;
    FAllowF3 = false;
    FWorkspace->ClearRecording();
    const QSize size = FPreviewPages->GetPageSize(FPageNo - 1);
    if (size.height() == 0)
        return;
    const int v = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int layoutWidth = FWorkspace->width() - v - kLayoutMargin;
    if (FZoomMode == zmWholePage) {
        if (double(size.height()) / height() >= double(size.width()) / width())
            FZoom = double(FWorkspace->height() - kLayoutMargin) / size.height();
        else
            FZoom = double(layoutWidth) / size.width();
    } else if (FZoomMode == zmPageWidth) {
        FZoom = double(layoutWidth) / size.width();
    }
    FWorkspace->SetZoom(FZoom);
    FThumbnail->SetZoom(0.1);

    TfrxPageList& pages = FWorkspace->GetPageList();
    TfrxPageList& thumbnails = FThumbnail->GetPageList();
    pages.Clear();
    thumbnails.Clear();
    for (int i = 0; i < GetPageCount(); ++i) {
        const QSize page = FPreviewPages->GetPageSize(i);
        pages.AddPage(page.width(), page.height(), FZoom);
        if (!FRunning)
            thumbnails.AddPage(page.width(), page.height(), 0.1);
    }
    pages.CalcBounds(layoutWidth);
    if (!FRunning)
        thumbnails.CalcBounds(FThumbnail->width() - v - kLayoutMargin);
    SetScrollRanges();
    if (FZoomMode == zmWholePage)
        FWorkspace->ScrollToPage(FPageNo);
    if (!FRefreshing) {
        FWorkspace->Repaint();
        FThumbnail->Repaint();
    }
    emit zoomChanged(FZoom);
}

void TfrxPreview::SetScrollRanges()
{
    for (TfrxPreviewWorkspace* workspace : {FWorkspace, FThumbnail}) {
        const QPoint bounds = workspace->GetPageList().GetMaxBounds();
        workspace->SetHorzRange(bounds.x() + kRangeMargin);
        workspace->SetVertRange(bounds.y() + kRangeMargin);
    }
}

void TfrxPreview::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RebuildPageList();
}

// ---- current page and navigation

void TfrxPreview::SetPageNo(int value)
{
    const int count = GetPageCount();
    value = std::min(std::max(value, 1), count);
    MarkCurrentPage(value);
    for (TfrxPreviewWorkspace* workspace : {FWorkspace, FThumbnail})
        if (!workspace->GetDisableUpdate())
            workspace->ScrollToPage(value);
    emit pageChanged(FPageNo);
}

void TfrxPreview::MarkCurrentPage(int PageN)
{
    const bool changed = PageN != FPageNo;
    FPageNo = PageN;
    FWorkspace->SetPageNo(PageN);
    FThumbnail->SetPageNo(PageN);
    if (changed) {
        FWorkspace->Repaint(true);
        FThumbnail->Repaint(true);
    }
}

void TfrxPreview::First()
{
    SetPageNo(1);
}

void TfrxPreview::Next()
{
    SetPageNo(FPageNo + 1);
}

void TfrxPreview::Prior()
{
    SetPageNo(FPageNo - 1);
}

void TfrxPreview::Last()
{
    SetPageNo(GetPageCount());
}

bool TfrxPreview::PageTopMargin(int PageN, double& margin) const
{
    const TfrxReportPage* page = FPreviewPages ? FPreviewPages->GetPage(PageN - 1) : nullptr;
    if (!page || PageN - 1 >= FWorkspace->GetPageList().GetCount())
        return false;
    margin = page->GetTopMargin();
    return true;
}

void TfrxPreview::SetPosition(int PageN, int Top)
{
    PageN = std::min(std::max(PageN, 1), GetPageCount());
    double margin = 0;
    if (!PageTopMargin(PageN, margin))
        return;
    const int a = Top == 0 ? 0 : roundInt((margin * kPixelsPerMm + Top) * FZoom);
    FWorkspace->SetVertPosition(FWorkspace->GetPageList().GetItem(PageN - 1).OffsetY + a - kTopGap);
}

void TfrxPreview::NavigateTo(int PageN, int Top)
{
    SetPageNo(PageN);
    if (Top != 0)
        SetPosition(PageN, Top);
}

int TfrxPreview::GetTopPosition()
{
    double margin = 0;
    if (!PageTopMargin(FPageNo, margin))
        return 0;
    const int pageTop = FWorkspace->GetPageList().GetItem(FPageNo - 1).OffsetY;
    return roundInt((FWorkspace->GetVertPosition() - pageTop + kTopGap) / FZoom - margin * kPixelsPerMm);
}

// ---- zoom and scrolling

void TfrxPreview::SetZoom(double value)
{
    FZoom = std::isnan(value) || value < kMinZoom ? kMinZoom : value;
    FZoomMode = zmDefault;
    RebuildPageList();
}

void TfrxPreview::SetZoomMode(TfrxZoomMode value)
{
    FZoomMode = value;
    RebuildPageList();
}

void TfrxPreview::MouseWheelScroll(int Delta, bool Horz, bool Zoom)
{
    if (Delta == 0)
        return;
    if (Zoom) {
        SetZoom(std::max(FZoom + (Delta > 0 ? kWheelZoomStep : -kWheelZoomStep), kMinWheelZoom));
        return;
    }
    const int step = Delta > 0 ? -kWheelStep : kWheelStep;
    if (Horz)
        FWorkspace->SetHorzPosition(FWorkspace->GetHorzPosition() + step);
    else
        FWorkspace->SetVertPosition(FWorkspace->GetVertPosition() + step);
}

void TfrxPreview::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    const TfrxPreviewButtons buttons =
        FReport ? FReport->GetPreviewOptions()->GetButtons() : TfrxPreviewButtons();
    TfrxPreviewWorkspace& w = *FWorkspace;
    switch (event->key()) {
    case Qt::Key_Up:
        w.SetVertPosition(w.GetVertPosition() - w.GetSmallChange());
        break;
    case Qt::Key_Down:
        w.SetVertPosition(w.GetVertPosition() + w.GetSmallChange());
        break;
    case Qt::Key_Left:
        w.SetHorzPosition(w.GetHorzPosition() - w.GetSmallChange());
        break;
    case Qt::Key_Right:
        w.SetHorzPosition(w.GetHorzPosition() + w.GetSmallChange());
        break;
    case Qt::Key_PageUp:
        if (ctrl)
            Prior();
        else
            w.SetVertPosition(w.GetVertPosition() - w.GetLargeChange());
        break;
    case Qt::Key_PageDown:
        if (ctrl)
            Next();
        else
            w.SetVertPosition(w.GetVertPosition() + w.GetLargeChange());
        break;
    case Qt::Key_Home:
        First();
        break;
    case Qt::Key_End:
        Last();
        break;
    case Qt::Key_F3:
        if (buttons.contains(pbFind))
            FindNext();
        break;
    case Qt::Key_P:
        if (ctrl && buttons.contains(pbPrint))
            Print();
        break;
    case Qt::Key_S:
        if (ctrl && buttons.contains(pbSave))
            SaveToFile();
        break;
    case Qt::Key_F:
        if (ctrl && buttons.contains(pbFind))
            Find();
        break;
    case Qt::Key_O:
        if (ctrl && buttons.contains(pbLoad))
            LoadFromFile();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// ---- outline and thumbnails

bool TfrxPreview::GetOutlineVisible() const
{
    return !FOutline->isHidden();
}

void TfrxPreview::SetOutlineVisible(bool value)
{
    const bool changed = value != GetOutlineVisible();
    const bool hidesThumbnails = value && GetThumbnailVisible();
    FOutline->setVisible(value);
    if (value)
        FThumbnail->hide();
    UpdatePanels();
    emit outlineVisibleChanged(value);
    if (hidesThumbnails)
        emit thumbnailVisibleChanged(false);
    if (changed)
        RebuildPageList();
}

bool TfrxPreview::GetThumbnailVisible() const
{
    return !FThumbnail->isHidden();
}

void TfrxPreview::SetThumbnailVisible(bool value)
{
    const bool changed = value != GetThumbnailVisible();
    const bool hidesOutline = value && GetOutlineVisible();
    FThumbnail->setVisible(value);
    if (value) {
        FOutline->hide();
        const QPoint bounds = FThumbnail->GetPageList().GetMaxBounds();
        FThumbnail->SetHorzRange(bounds.x() + kRangeMargin);
        FThumbnail->SetVertRange(bounds.y() + kRangeMargin);
        FThumbnail->ScrollToPage(FPageNo);
    }
    UpdatePanels();
    emit thumbnailVisibleChanged(value);
    if (hidesOutline)
        emit outlineVisibleChanged(false);
    if (changed)
        RebuildPageList();
}

void TfrxPreview::UpdatePanels()
{
    const int side = FOutlineWidth;
    // The splitter shows its handle only beside a visible panel.
    FSplitter->setSizes({side, side, std::max(FSplitter->width() - side, 1)});
}

int TfrxPreview::GetOutlineWidth() const
{
    return FOutlineWidth;
}

void TfrxPreview::SetOutlineWidth(int value)
{
    FOutlineWidth = value;
    UpdatePanels();
}

void TfrxPreview::SetOutlineColor(const QColor& value)
{
    FOutlineColor = value;
    QPalette palette = FOutline->palette();
    palette.setColor(QPalette::Base, value);
    FOutline->setPalette(palette);
}

void TfrxPreview::RebuildOutline()
{
    FOutline->clear();
    TfrxOutline* outline = FPreviewPages ? FPreviewPages->GetOutline() : nullptr;
    if (!outline)
        return;
    outline->LevelRoot();
    AddOutlineItems(FOutline->invisibleRootItem());
    if (FReport && FReport->GetPreviewOptions()->GetOutlineExpand())
        FOutline->expandAll();
    if (FOutline->topLevelItemCount() > 0)
        FOutline->scrollToItem(FOutline->topLevelItem(0));
}

void TfrxPreview::AddOutlineItems(QTreeWidgetItem* parent)
{
    TfrxOutline& outline = *FPreviewPages->GetOutline();
    for (int i = 0; i < outline.GetCount(); ++i) {
        const TfrxOutlineItem item = outline.GetItem(i);
        auto* node = new QTreeWidgetItem(parent, {item.Text});
        node->setData(0, kPageNumberRole, item.Page + 1);
        node->setData(0, kTopRole, item.Top);
        outline.LevelDown(i);
        AddOutlineItems(node);
        outline.LevelUp();
    }
}

void TfrxPreview::OnOutlineClicked(QTreeWidgetItem* item)
{
    const int pageNo = item->data(0, kPageNumberRole).toInt();
    SetPosition(pageNo, item->data(0, kTopRole).toInt());
    MarkCurrentPage(pageNo);
    FWorkspace->setFocus();
}

void TfrxPreview::OnThumbnailClicked(int PageN)
{
    FThumbnail->SetDisableUpdate(true);
    SetPageNo(PageN);
    FThumbnail->SetDisableUpdate(false);
}

// ---- colours and layout direction

QColor TfrxPreview::GetActiveFrameColor() const
{
    return FWorkspace->GetActiveFrameColor();
}

void TfrxPreview::SetActiveFrameColor(const QColor& value)
{
    FWorkspace->SetActiveFrameColor(value);
}

QColor TfrxPreview::GetBackColor() const
{
    return FWorkspace->GetBackColor();
}

void TfrxPreview::SetBackColor(const QColor& value)
{
    FWorkspace->SetBackColor(value);
}

QColor TfrxPreview::GetFrameColor() const
{
    return FWorkspace->GetFrameColor();
}

void TfrxPreview::SetFrameColor(const QColor& value)
{
    FWorkspace->SetFrameColor(value);
}

bool TfrxPreview::GetRTLPreview() const
{
    return FWorkspace->GetRTLLanguage();
}

void TfrxPreview::SetRTLPreview(bool value)
{
    FWorkspace->SetRTLLanguage(value);
    FThumbnail->SetRTLLanguage(value);
    FWorkspace->Repaint();
    FThumbnail->Repaint();
}

// ---- preparation inside the control

void TfrxPreview::InternalOnProgressStart(int ProgressType, int Progress)
{
    Q_UNUSED(Progress);
    // A start while running (the window and the engine may both tell it) changes nothing.
    if (ProgressType != 0 || FRefreshing || FRunning)
        return;
    Clear();
    FRunning = true;
    emit preparationStarted();
}

void TfrxPreview::InternalOnProgress(int ProgressType, int Progress)
{
    if (ProgressType != 0)
        return;
    if (FRefreshing) {
        emit pageChanged(FPageNo);
        return;
    }
    const bool finalPass = FinalPass();
    const int n = Progress;
    if (finalPass && n < kPagesLaidOutWhilePreparing && FPreviewPages && n < GetPageCount()) {
        const QSize size = FPreviewPages->GetPageSize(n);
        TfrxPageList& pages = FWorkspace->GetPageList();
        pages.AddPage(size.width(), size.height(), FZoom);
        pages.CalcBounds(FWorkspace->width() - style()->pixelMetric(QStyle::PM_ScrollBarExtent) -
                         kLayoutMargin);
    }
    if (n == 0) {
        SetPageNo(1);
        if (finalPass)
            RebuildPageList();
        FFirstPageTime = QDateTime::currentMSecsSinceEpoch();
    } else if (n == 1) {
        const qint64 t = QDateTime::currentMSecsSinceEpoch() - FFirstPageTime;
        FTick = t <= 4 ? 50 : t > 9 ? 5 : 20;
        SetPageNo(1);
        if (finalPass)
            RebuildPageList();
    } else if (n % FTick == 0) {
        emit pageChanged(FPageNo);
        if (finalPass)
            SetScrollRanges();
    }
    QCoreApplication::processEvents();
}

void TfrxPreview::InternalOnProgressStop(int ProgressType, int Progress)
{
    Q_UNUSED(Progress);
    if (ProgressType != 0 || FRefreshing)
        return;
    FRunning = false;
    emit pageChanged(FPageNo);
    SetScrollRanges();
    RebuildPageList();
    RebuildOutline();
    emit preparationFinished();
}

void TfrxPreview::RefreshReport()
{
    if (!FReport || FRunning)
        return;
    const int horz = FWorkspace->GetHorzPosition();
    const int vert = FWorkspace->GetVertPosition();
    const int pageNo = FPageNo;
    const double zoom = FZoom;
    FRefreshing = true;
    try {
        FReport->PrepareReport(true);
    } catch (...) {
        FRefreshing = false;
        throw;
    }
    FRefreshing = false;
    FZoom = zoom;
    FPageNo = std::min(pageNo, GetPageCount());
    RebuildPageList();
    RebuildOutline();
    FWorkspace->SetHorzPosition(horz);
    FWorkspace->SetVertPosition(vert);
}

// ---- editing the prepared pages

void TfrxPreview::AddPage()
{
    if (FRunning || !FPreviewPages)
        return;
    FPreviewPages->AddEmptyPage(FPageNo - 1);
    RebuildPageList();
    SetPageNo(FPageNo);
}

void TfrxPreview::DeletePage()
{
    if (FRunning || !FPreviewPages)
        return;
    FPreviewPages->DeletePage(FPageNo - 1);
    if (FPageNo >= GetPageCount())
        FPageNo = std::max(FPageNo - 1, std::min(1, GetPageCount()));
    RebuildPageList();
    emit pageChanged(FPageNo);
}

// ---- commands

void TfrxPreview::Print()
{
    if (FRunning || !FPreviewPages)
        return;
    FPreviewPages->SetCurPreviewPage(FPageNo);
    UnlockOnExit unlock(*this);
    FPreviewPages->Print();
}

void TfrxPreview::Edit()
{
    if (FCommands.Edit)
        FCommands.Edit();
}

void TfrxPreview::PageSetupDlg()
{
    if (!FRunning && FCommands.PageSetupDlg)
        FCommands.PageSetupDlg();
}

void TfrxPreview::Find()
{
    if (FCommands.Find)
        FCommands.Find();
    FAllowF3 = true;
}

void TfrxPreview::FindNext()
{
    if (FAllowF3)
        FindNextMatch();
}

void TfrxPreview::Cancel()
{
    if (FReport)
        FReport->SetTerminated(true);
}

void TfrxPreview::LoadFromFile()
{
    if (!FRunning && FCommands.OpenDialog)
        FCommands.OpenDialog();
}

void TfrxPreview::LoadFromFile(const QString& FileName)
{
    LoadPages([&] { FPreviewPages->LoadFromFile(FileName, false); });
}

void TfrxPreview::LoadFromStream(QIODevice& Stream)
{
    LoadPages([&] { FPreviewPages->LoadFromStream(Stream); });
}

void TfrxPreview::LoadPages(const std::function<void()>& load)
{
    if (FRunning || !FPreviewPages)
        return;
    Lock();
    UnlockOnExit unlock(*this);
    ShowMessage(frxGet(QStringLiteral("clLoading")));
    // A failed load leaves the store cleared: the view shows what is left, from its first page.
    const auto showFirstPage = [this] {
        FPageNo = std::min(1, GetPageCount());
        RebuildOutline();
    };
    try {
        load();
    } catch (...) {
        showFirstPage();
        throw;
    }
    showFirstPage();
}

void TfrxPreview::SaveToFile()
{
    if (!FRunning && FCommands.SaveDialog)
        FCommands.SaveDialog();
}

void TfrxPreview::SaveToFile(const QString& FileName)
{
    if (FRunning || !FPreviewPages)
        return;
    Lock();
    UnlockOnExit unlock(*this);
    ShowMessage(frxGet(QStringLiteral("clSaving")));
    FPreviewPages->SaveToFile(FileName);
}

// ---- text search

bool TfrxPreview::FindText(const QString& SearchString, bool FromTop, bool IsCaseSensitive)
{
    TfrxFindState& find = frxFindState();
    find.Text = SearchString;
    find.CaseSensitive = IsCaseSensitive;
    FLastFoundPage = FromTop ? 0 : FPageNo - 1;
    find.LastMatch = -1;
    FindNextMatch();
    FAllowF3 = true;
    return find.Found;
}

bool TfrxPreview::FindTextFound() const
{
    return frxFindState().Found;
}

void TfrxPreview::FindTextClear()
{
    TfrxFindState& find = frxFindState();
    find.LastMatch = -1;
    find.Found = false;
    FLastFoundPage = 0;
    FWorkspace->Repaint();
    FThumbnail->Repaint();
}

void TfrxPreview::FindNextMatch()
{
    TfrxFindState& find = frxFindState();
    find.Found = false;
    const Qt::CaseSensitivity sensitivity = find.CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    while (!find.Text.isEmpty() && FLastFoundPage < GetPageCount()) {
        const QList<RecordedTextOut>& outputs = FWorkspace->PageTextOuts(FLastFoundPage);
        for (int i = find.LastMatch + 1; i < outputs.size(); ++i)
            if (outputs[i].FText.contains(find.Text, sensitivity)) {
                find.Found = true;
                find.FoundRect = outputs[i].FBounds;
                find.LastMatch = i;
                break;
            }
        if (find.Found) {
            ScrollToMatch();
            return;
        }
        find.LastMatch = -1;
        ++FLastFoundPage;
    }
    frxInfoBox(frxGet(QStringLiteral("clStrNotFound")));
}

void TfrxPreview::ScrollToMatch()
{
    const QRect& match = frxFindState().FoundRect;
    TfrxPreviewWorkspace& w = *FWorkspace;
    if (FLastFoundPage >= w.GetPageList().GetCount())
        return;
    const TfrxPageItem& page = w.GetPageList().GetItem(FLastFoundPage);
    const int top = page.OffsetY + roundInt(match.top() * FZoom);
    const int bottom = page.OffsetY + roundInt((match.top() + match.height()) * FZoom);
    if (top < w.GetVertPosition() || bottom > w.GetVertPosition() + w.GetVertPage())
        w.SetVertPosition(bottom - w.GetVertPage() + kSearchMargin);
    const int left = page.OffsetX + roundInt(match.left() * FZoom);
    const int right = page.OffsetX + roundInt((match.left() + match.width()) * FZoom);
    if (left < w.GetHorzPosition() || right > w.GetHorzPosition() + w.GetHorzPage())
        w.SetHorzPosition(right - w.GetHorzPage() + kSearchMargin);
    w.Repaint();
    FThumbnail->Repaint();
}
