#pragma once

#include "report/model/TfrxTypes.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>

class QIODevice;
class QLabel;
class QPushButton;
class QSplitter;
class QTabBar;
class QTreeWidget;
class QTreeWidgetItem;
class TfrxCustomPreviewPages;
class TfrxPreviewTabs;
class TfrxPreviewWorkspace;
class TfrxReport;

// The commands of the control that need a dialog of the preview window (the search dialog, the page
// settings dialog, the designer, the file dialogs). The window fills them in; an empty one does
// nothing.
struct TfrxPreviewCommands {
    // Asks for the text to find and, on OK, calls FindText.
    std::function<void()> Find;
    std::function<void()> PageSetupDlg;
    std::function<void()> Edit;
    // Ask for a prepared-report file and call LoadFromFile(FileName) / SaveToFile(FileName).
    std::function<void()> OpenDialog;
    std::function<void()> SaveDialog;
};

// The control that shows the prepared pages of a report: it lays them out at a zoom, paints them,
// scrolls and pages through them, keeps the current page, shows the report outline or page
// thumbnails beside them, searches their text and follows the preparation of a report while it
// runs. A preview window holds one; the control reports to it through its signals.
class TfrxPreview : public QWidget {
    Q_OBJECT

public:
    explicit TfrxPreview(QWidget* AOwner = nullptr);
    // Detaches the control from its report (ClearAllTabs).
    ~TfrxPreview() override;

    // Detaches the control from its report, gives the report back its own prepared pages and keeps
    // only the first tab.
    void ClearAllTabs();
    // Shows the report's prepared pages; false when the control was already showing them (or is
    // called from inside the preview).
    bool Init(TfrxReport* aReport, TfrxCustomPreviewPages* aPrevPages);
    void UnInit(TfrxCustomPreviewPages* aPreviewPages);
    // While locked, the workspaces paint only their background and the layout is left alone.
    void Lock();
    void Unlock();
    // Prepares the report again, keeping the page, the zoom and the scroll positions.
    void RefreshReport();

    // The report's progress during its preparation (ProgressType 0); Progress counts prepared
    // pages from 0. Invokable by name, so that the engine reaches them through the report's
    // preview object without depending on this library.
    Q_INVOKABLE void InternalOnProgressStart(int ProgressType, int Progress);
    Q_INVOKABLE void InternalOnProgress(int ProgressType, int Progress);
    Q_INVOKABLE void InternalOnProgressStop(int ProgressType, int Progress);

    void AddPage();
    void DeletePage();
    // Prints from the current page's point of view (the print dialog's "Current page"), then
    // unlocks the control, which the print job locked, also after an error.
    void Print();
    void Edit();
    void First();
    void Next();
    void Prior();
    void Last();
    void PageSetupDlg();
    void Find();
    void FindNext();
    // Asks a running preparation to stop.
    void Cancel();
    void Clear();
    // Scrolls to page PageN (1-based), Top report pixels below its top margin (0: the page's top).
    void SetPosition(int PageN, int Top);
    int GetTopPosition();
    void ShowMessage(const QString& s);
    void HideMessage();
    // Delta as the wheel reports it (positive away from the user); Zoom for the wheel with Ctrl.
    void MouseWheelScroll(int Delta, bool Horz, bool Zoom);
    void LoadFromFile();
    void LoadFromFile(const QString& FileName);
    void LoadFromStream(QIODevice& Stream);
    void SaveToFile();
    void SaveToFile(const QString& FileName);

    // Searches the text the pages output, from the first page or from the current one; a match is
    // inverted on its page and scrolled into view. Without a match the box "Text not found".
    bool FindText(const QString& SearchString, bool FromTop, bool IsCaseSensitive);
    bool FindTextFound() const;
    void FindTextClear();

    // Lays the pages out again at the zoom the zoom mode asks for.
    void RebuildPageList();
    void RebuildOutline();
    // Stores the current page without scrolling to it (repaints only the frames).
    void MarkCurrentPage(int PageN);

    TfrxReport* GetReport() const { return FReport; }
    TfrxCustomPreviewPages* GetPreviewPages() const { return FPreviewPages; }
    const TfrxPreviewCommands& GetCommands() const { return FCommands; }
    void SetCommands(TfrxPreviewCommands value) { FCommands = std::move(value); }

    int GetPageCount() const;
    int GetPageNo() const { return FPageNo; }
    void SetPageNo(int value);
    double GetZoom() const { return FZoom; }
    void SetZoom(double value);
    TfrxZoomMode GetZoomMode() const { return FZoomMode; }
    void SetZoomMode(TfrxZoomMode value);
    // The page to keep current while the zoom changes (the zoom box sets it); -1 otherwise.
    int GetSavedPageNo() const { return FSavedPageNo; }
    void SetSavedPageNo(int value) { FSavedPageNo = value; }
    bool GetLocked() const { return FLocked; }
    // The report is being prepared.
    bool GetRunning() const { return FRunning; }
    bool GetRefreshing() const { return FRefreshing; }
    bool GetAllowF3() const { return FAllowF3; }
    void SetAllowF3(bool value) { FAllowF3 = value; }

    QTreeWidget* GetOutlineTree() const { return FOutline; }
    QSplitter* GetSplitter() const { return FSplitter; }
    TfrxPreviewWorkspace* GetThumbnail() const { return FThumbnail; }
    TfrxPreviewWorkspace* GetWorkspace() const { return FWorkspace; }
    QTabBar* GetTabs() const { return FTabs; }
    QWidget* GetMessagePanel() const { return FMessagePanel; }
    QPushButton* GetCancelButton() const { return FCancelButton; }

    QColor GetActiveFrameColor() const;
    void SetActiveFrameColor(const QColor& value);
    QColor GetBackColor() const;
    void SetBackColor(const QColor& value);
    QColor GetFrameColor() const;
    void SetFrameColor(const QColor& value);
    QColor GetOutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(const QColor& value);
    bool GetOutlineVisible() const;
    void SetOutlineVisible(bool value);
    int GetOutlineWidth() const;
    void SetOutlineWidth(int value);
    bool GetThumbnailVisible() const;
    void SetThumbnailVisible(bool value);
    bool GetEachReportInTab() const { return FEachReportInTab; }
    void SetEachReportInTab(bool value) { FEachReportInTab = value; }
    bool GetUseReportHints() const { return FUseReportHints; }
    void SetUseReportHints(bool value) { FUseReportHints = value; }
    // Pages laid out from the right edge.
    bool GetRTLPreview() const;
    void SetRTLPreview(bool value);

signals:
    // After every change of the current page, and during preparation (OnPageChanged).
    void pageChanged(int PageNo);
    // A double click in the page view (OnDblClick).
    void dblClick();
    // A mouse press in the page view, in its coordinates (OnMouseDown).
    void mouseDown(QMouseEvent* event);
    // The layout ran with this zoom: the zoom box shows it.
    void zoomChanged(double Zoom);
    // The outline or the thumbnail panel was shown or hidden: OutlineB and ThumbB follow.
    void outlineVisibleChanged(bool Visible);
    void thumbnailVisibleChanged(bool Visible);
    // Preparation started / ended inside the control: CancelB reads "Cancel" / "Close", the
    // button states are refreshed, and at the end status panel 1 is emptied.
    void preparationStarted();
    void preparationFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TfrxPreviewWorkspace;

    void CreateOutlineMenu();
    void CreateMessagePanel();
    void ApplyOptions();
    void UpdatePanels();
    void SetScrollRanges();
    void OnOutlineClicked(QTreeWidgetItem* item);
    void OnThumbnailClicked(int PageN);
    void AddOutlineItems(QTreeWidgetItem* parent);
    void LoadPages(const std::function<void()>& load);
    void FindNextMatch();
    void ScrollToMatch();
    void AddPreviewTab();
    // Page n's top margin in mm, and whether page n exists in the prepared pages.
    bool PageTopMargin(int PageN, double& margin) const;
    bool FinalPass() const;
    // Where a followed hyperlink leads: page PageN (1-based), Top report pixels below its top margin.
    void NavigateTo(int PageN, int Top);

    TfrxReport* FReport = nullptr;
    TfrxCustomPreviewPages* FPreviewPages = nullptr;
    TfrxPreviewCommands FCommands;

    QTabBar* FTabs = nullptr;
    std::unique_ptr<TfrxPreviewTabs> FTabItems;
    QTreeWidget* FOutline = nullptr;
    TfrxPreviewWorkspace* FThumbnail = nullptr;
    QSplitter* FSplitter = nullptr;
    TfrxPreviewWorkspace* FWorkspace = nullptr;
    QWidget* FMessagePanel = nullptr;
    QLabel* FMessageLabel = nullptr;
    QPushButton* FCancelButton = nullptr;

    bool FAllowF3 = false;
    // The page (0-based) where the search goes on.
    int FLastFoundPage = 0;
    bool FLocked = false;
    QColor FOutlineColor;
    int FOutlineWidth = 120;
    int FPageNo = 1;
    int FSavedPageNo = -1;
    bool FRefreshing = false;
    bool FRunning = false;
    int FTick = 50;
    qint64 FFirstPageTime = 0;
    double FZoom = 1.0;
    TfrxZoomMode FZoomMode = zmDefault;
    bool FInitialized = false;
    bool FCalledFromPreview = false;
    bool FEachReportInTab = false;
    bool FUseReportHints = true;
};
