#pragma once

#include "report/preview/PreviewButtonImages.h"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QStatusBar;
class QToolButton;
class TfrxPreview;
class TfrxReport;

// The preview window: a toolbar, a status bar and a context menu around one preview control, which
// shows the prepared pages of a report. From here the operator prints, opens and saves prepared
// reports, zooms, searches, pages through the report, looks at its outline or thumbnails, changes
// the page settings and edits a page.
//
// While the report is being prepared inside the window, the Close button reads "Cancel" and
// cancels the preparation, the commands that need pages are disabled and closing is refused.
//
// The controls carry their names as object names ("PrintB", "ZoomCB", "PageE", "StatusBar", ...).
class TfrxPreviewForm : public QDialog {
    Q_OBJECT

public:
    explicit TfrxPreviewForm(QWidget* parent = nullptr);
    ~TfrxPreviewForm() override;

    // Shows the report's prepared pages and sets the window up from its preview options.
    void Init(TfrxReport& Report);
    TfrxPreview* GetPreview() const { return FPreview; }
    TfrxReport* GetReport() const { return FReport; }
    bool GetFreeOnClose() const { return FFreeOnClose; }
    void SetFreeOnClose(bool value);
    bool GetFullScreen() const { return FFullScreen; }
    void SwitchToFullScreen();
    void RefreshButtonStates();
    // Applies the zoom box: a chosen item (Item 6 page width, 7 whole page) or its text.
    void ZoomBoxChanged(int Item = -1);
    // Goes to the page typed in the page box.
    void PageBoxEntered();
    // Closes the window, or cancels the preparation while the report is being prepared.
    void CloseOrCancel();
    QMenu* GetRightMenu() const { return FRightMenu; }

    // Asks for a prepared-report file to open (Save false) or to save, with the file dialog's
    // filter; empty when cancelled. The default shows the platform's file dialog.
    using TAskFileName = std::function<QString(bool Save, const QString& Filter)>;
    void SetOnAskFileName(TAskFileName value) { FOnAskFileName = std::move(value); }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    enum class ItemKind { Button, CheckButton, Separator, Panel };
    // A toolbar control in toolbar order, with the context-menu item that follows its state.
    struct ToolbarItem {
        QWidget* widget;
        ItemKind kind;
        QAction* menuItem = nullptr;
    };

    void CreateToolbar();
    QToolButton* AddButton(const char* name, const char* captionKey, const char* hintKey, PreviewImage image,
                           std::function<void()> action, ItemKind kind = ItemKind::Button);
    QWidget* AddSeparator(const char* name);
    void CreateZoomBox();
    void CreatePageBox();
    void CreateCancelButton();
    void CreateStatusBar();
    void CreateMenus();
    void CreateShortcuts();
    void BindPreview();

    void ShowButtons();
    void FillSaveMenu();
    void ExtendRightMenu();
    void SetItemEnabled(QWidget* widget, bool enabled);
    void UpdateCaption();
    void UpdateStatus(int PageNo);
    void UpdateZoomText(double Zoom);
    void ResizePagePanel();
    void PreparationStarted();
    void PreparationFinished();

    // The commands behind the preview control's dialogs.
    void FindCommand();
    void OpenCommand();
    void SaveCommand();
    void PageSetupCommand();
    // Opens the designer on a copy of the current page; nothing while no designer is registered.
    void EditCommand();
    // Opens the designer on copies of the page templates that the prepared pages came from.
    void ShowTemplateCommand();
    // Runs a command and shows any error it raises in the error box: no exception may leave a
    // toolkit callback.
    void Guarded(const std::function<void()>& command);
    QString AskFileName(bool save);

    TfrxReport* FReport = nullptr;
    TfrxPreview* FPreview = nullptr;
    bool FFreeOnClose = false;
    bool FFullScreen = false;
    Qt::WindowStates FOldState;
    TAskFileName FOnAskFileName;

    QWidget* FToolBar = nullptr;
    std::vector<ToolbarItem> FToolbarItems;
    QToolButton* FPrintB = nullptr;
    QToolButton* FOpenB = nullptr;
    QToolButton* FSaveB = nullptr;
    QToolButton* FPdfB = nullptr;
    QToolButton* FEmailB = nullptr;
    QToolButton* FFindB = nullptr;
    QWidget* FSep1 = nullptr;
    QToolButton* FZoomPlusB = nullptr;
    QWidget* FSep3 = nullptr;
    QComboBox* FZoomCB = nullptr;
    QToolButton* FZoomMinusB = nullptr;
    QToolButton* FFullScreenBtn = nullptr;
    QWidget* FSep2 = nullptr;
    QToolButton* FOutlineB = nullptr;
    QToolButton* FThumbB = nullptr;
    QToolButton* FPageSettingsB = nullptr;
    QToolButton* FDesignerB = nullptr;
    QWidget* FSep5 = nullptr;
    QToolButton* FFirstB = nullptr;
    QToolButton* FPriorB = nullptr;
    QWidget* FSep4 = nullptr;
    QLineEdit* FPageE = nullptr;
    QLabel* FOfNL = nullptr;
    QToolButton* FNextB = nullptr;
    QToolButton* FLastB = nullptr;
    QToolButton* FCancelB = nullptr;

    QStatusBar* FStatusBar = nullptr;
    QLabel* FStatusPanels[3] = {};

    QMenu* FExportPopup = nullptr;
    QMenu* FHiddenMenu = nullptr;
    QMenu* FRightMenu = nullptr;
    QAction* FCollapseMI = nullptr;
    QAction* FExpandMI = nullptr;
    QAction* FDrillSeparator = nullptr;
};

// The preview window of ShowReport: shows the report's prepared pages, in the preview control
// already attached to the report when there is one, else in a new window (modal when
// PreviewOptions.Modal). With Prepare, the report is prepared 50 ms after the window opened, inside
// its modal loop, so that its pages appear while they are produced (OldStyleProgress prepares first
// and shows nothing when that fails).
void frxShowPreview(TfrxReport& Report, bool Prepare);

// Prepares the preview's report inside the preview, which follows the run through the report's
// progress: it clears its pages at the start and lays out the new ones at the end (also after an
// error). True when the preparation succeeded.
bool frxPrepareInPreview(TfrxPreview& Preview, bool ClearLastReport);
