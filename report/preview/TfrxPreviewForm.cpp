#include "report/preview/TfrxPreviewForm.h"

#include "common/Exception.h"
#include "common/NumberText.h"
#include "common/Rounding.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomEngine.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportComponent.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/TfrxReportParts.h"
#include "report/model/TfrxView.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/DialogControls.h"
#include "report/preview/TfrxPageSettingsForm.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewWorkspace.h"
#include "report/preview/TfrxSearchDialog.h"

#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <climits>
#include <memory>

namespace {

using dialogControls::text;

constexpr QSize kClientSize(803, 584);
constexpr int kButtonHeight = 23;
constexpr int kToolbarBorder = 2;
// Wide enough for "100%" beside the drop-down arrow of this platform's combo boxes.
constexpr int kZoomBoxWidth = 64;
constexpr int kZoomListWidth = 100;
constexpr int kSpacerWidth = 35;
constexpr int kCancelWidth = 68;
constexpr int kFirstPanelWidth = 200;
constexpr int kPageWidthItem = 6;
constexpr int kWholePageItem = 7;
constexpr double kZoomStep = 0.25;
constexpr int kPreparationDelayMs = 50;

// The text resource with its "%d" placeholders replaced in order.
QString textWithNumbers(const char* key, std::initializer_list<int> numbers)
{
    QString result = text(key);
    for (int number : numbers) {
        const qsizetype at = result.indexOf(QLatin1String("%d"));
        if (at < 0)
            break;
        result.replace(at, 2, QString::number(number));
    }
    return result;
}

QString invalidIntegerMessage(const QString& value)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(value);
}

// "Description (*.ext)|*.ext" as a file-dialog name filter.
QString nameFilter(const QString& pair)
{
    return pair.section(u'|', 0, 0);
}

QString withFp3Extension(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString suffix = info.suffix();
    const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return stem + QStringLiteral(".fp3");
}

} // namespace

TfrxPreviewForm::TfrxPreviewForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frxPreviewForm"));
    setWindowTitle(text("100"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(kClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FPreview = new TfrxPreview(this);
    FPreview->setObjectName(QStringLiteral("Preview"));
    CreateToolbar();
    CreateStatusBar();
    layout->addWidget(FToolBar);
    layout->addWidget(FPreview, 1);
    layout->addWidget(FStatusBar);
    CreateMenus();
    CreateShortcuts();
    BindPreview();
    FPreview->setFocus();
}

TfrxPreviewForm::~TfrxPreviewForm() = default;

// ---- toolbar

QToolButton* TfrxPreviewForm::AddButton(const char* name, const char* captionKey, const char* hintKey,
                                        PreviewImage image, std::function<void()> action, ItemKind kind)
{
    auto* button = new QToolButton(FToolBar);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setFixedHeight(kButtonHeight);
    button->setIcon(previewButtonImage(image));
    button->setText(text(captionKey));
    button->setToolTip(text(hintKey));
    button->setStatusTip(text(hintKey));
    button->setCheckable(kind == ItemKind::CheckButton);
    if (action)
        connect(button, &QToolButton::clicked, this, [this, action] { Guarded(action); });
    FToolBar->layout()->addWidget(button);
    FToolbarItems.push_back({button, kind});
    return button;
}

QWidget* TfrxPreviewForm::AddSeparator(const char* name)
{
    auto* separator = new QFrame(FToolBar);
    separator->setObjectName(QString::fromLatin1(name));
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setFixedSize(8, kButtonHeight);
    FToolBar->layout()->addWidget(separator);
    FToolbarItems.push_back({separator, ItemKind::Separator});
    return separator;
}

void TfrxPreviewForm::CreateToolbar()
{
    FToolBar = new QWidget(this);
    FToolBar->setObjectName(QStringLiteral("ToolBar"));
    auto* row = new QHBoxLayout(FToolBar);
    row->setContentsMargins(kToolbarBorder, kToolbarBorder, kToolbarBorder, kToolbarBorder);
    row->setSpacing(0);

    TfrxPreview* p = FPreview;
    FPrintB = AddButton("PrintB", "pvPrint", "pvPrint", PreviewImage::Print, [p] { p->Print(); });
    FOpenB = AddButton("OpenB", "pvOpen", "pvOpen", PreviewImage::Open, [p] { p->LoadFromFile(); });
    FSaveB = AddButton("SaveB", "pvSave", "pvSave", PreviewImage::Save, nullptr);
    FSaveB->setPopupMode(QToolButton::InstantPopup);
    // No export filter exists in this system, so these two stay hidden.
    FPdfB = AddButton("PdfB", "pvPdf", "pvPdfHint", PreviewImage::Save, nullptr);
    FEmailB = AddButton("EmailB", "pvEmail", "pvEmailHint", PreviewImage::Save, nullptr);
    FFindB = AddButton("FindB", "pvFind", "pvFind", PreviewImage::Find, [p] { p->Find(); });
    FSep1 = AddSeparator("Sep1");
    FZoomPlusB = AddButton("ZoomPlusB", "pvZoomIn", "pvZoomIn", PreviewImage::ZoomIn, [this] {
        FPreview->SetZoom(FPreview->GetZoom() + kZoomStep);
        ZoomBoxChanged();
    });
    CreateZoomBox();
    FZoomMinusB = AddButton("ZoomMinusB", "pvZoomOut", "pvZoomOut", PreviewImage::ZoomOut, [this] {
        FPreview->SetZoom(FPreview->GetZoom() - kZoomStep);
        ZoomBoxChanged();
    });
    FFullScreenBtn = AddButton("FullScreenBtn", "pvFullScreen", "pvFullScreenHint", PreviewImage::FullScreen,
                               [this] { SwitchToFullScreen(); });
    FSep2 = AddSeparator("Sep2");
    FOutlineB = AddButton(
        "OutlineB", "pvOutline", "pvOutlineHint", PreviewImage::Outline,
        [this] { FPreview->SetOutlineVisible(FOutlineB->isChecked()); }, ItemKind::CheckButton);
    FThumbB = AddButton(
        "ThumbB", "pvThumbnails", "pvThumbnails", PreviewImage::Thumbnails,
        [this] { FPreview->SetThumbnailVisible(FThumbB->isChecked()); }, ItemKind::CheckButton);
    FPageSettingsB = AddButton("PageSettingsB", "pvPageSettings", "pvPageSettings",
                               PreviewImage::PageSettings, [p] { p->PageSetupDlg(); });
    FDesignerB = AddButton("DesignerB", "pvEdit", "pvEditHint", PreviewImage::Edit, [p] { p->Edit(); });
    FDesignerB->installEventFilter(this);
    FSep5 = AddSeparator("Sep5");
    FFirstB = AddButton("FirstB", "pvFirst", "pvFirstHint", PreviewImage::First, [p] { p->First(); });
    FPriorB = AddButton("PriorB", "pvPrior", "pvPriorHint", PreviewImage::Prior, [p] { p->Prior(); });
    CreatePageBox();
    FNextB = AddButton("NextB", "pvNext", "pvNextHint", PreviewImage::Next, [p] { p->Next(); });
    FLastB = AddButton("LastB", "pvLast", "pvLastHint", PreviewImage::Last, [p] { p->Last(); });
    auto* spacer = new QWidget(FToolBar);
    spacer->setObjectName(QStringLiteral("frTBPanel1"));
    spacer->setFixedSize(kSpacerWidth, kButtonHeight);
    row->addWidget(spacer);
    CreateCancelButton();
    row->addStretch(1);
}

void TfrxPreviewForm::CreateZoomBox()
{
    FSep3 = new QWidget(FToolBar);
    FSep3->setObjectName(QStringLiteral("Sep3"));
    auto* box = new QHBoxLayout(FSep3);
    box->setContentsMargins(0, 0, 0, 0);
    FZoomCB = new QComboBox(FSep3);
    FZoomCB->setObjectName(QStringLiteral("ZoomCB"));
    FZoomCB->setEditable(true);
    FZoomCB->setInsertPolicy(QComboBox::NoInsert);
    FZoomCB->setFixedWidth(kZoomBoxWidth);
    FZoomCB->view()->setMinimumWidth(kZoomListWidth);
    FZoomCB->setToolTip(text("pvZoom"));
    FZoomCB->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
                       QStringLiteral("100%"), QStringLiteral("150%"), QStringLiteral("200%"),
                       text("zmPageWidth"), text("zmWholePage")});
    box->addWidget(FZoomCB);
    FToolBar->layout()->addWidget(FSep3);
    FToolbarItems.push_back({FSep3, ItemKind::Panel});
    connect(FZoomCB, &QComboBox::activated, this,
            [this](int item) { Guarded([this, item] { ZoomBoxChanged(item); }); });
    FZoomCB->lineEdit()->installEventFilter(this);
}

void TfrxPreviewForm::CreatePageBox()
{
    FSep4 = new QWidget(FToolBar);
    FSep4->setObjectName(QStringLiteral("Sep4"));
    FSep4->setFixedHeight(kButtonHeight);
    FPageE = new QLineEdit(FSep4);
    FPageE->setObjectName(QStringLiteral("PageE"));
    FPageE->setGeometry(2, 1, 32, 21);
    FPageE->setToolTip(text("pvPageNumber"));
    FPageE->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), FPageE));
    FPageE->installEventFilter(this);
    FOfNL = new QLabel(FSep4);
    FOfNL->setObjectName(QStringLiteral("OfNL"));
    FOfNL->move(38, 4);
    FOfNL->setText(textWithNumbers("pvOf", {0}));
    FToolBar->layout()->addWidget(FSep4);
    FToolbarItems.push_back({FSep4, ItemKind::Panel});
    ResizePagePanel();
}

void TfrxPreviewForm::CreateCancelButton()
{
    FCancelB = new QToolButton(FToolBar);
    FCancelB->setObjectName(QStringLiteral("CancelB"));
    FCancelB->setAutoRaise(true);
    FCancelB->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    FCancelB->setIcon(previewButtonImage(PreviewImage::Close));
    FCancelB->setText(text("clClose"));
    FCancelB->setFixedSize(kCancelWidth, kButtonHeight);
    connect(FCancelB, &QToolButton::clicked, this, &TfrxPreviewForm::CloseOrCancel);
    FToolBar->layout()->addWidget(FCancelB);
}

void TfrxPreviewForm::CreateStatusBar()
{
    FStatusBar = new QStatusBar(this);
    FStatusBar->setObjectName(QStringLiteral("StatusBar"));
    FStatusBar->setSizeGripEnabled(false);
    for (int n = 0; n < 3; ++n) {
        FStatusPanels[n] = new QLabel(FStatusBar);
        FStatusPanels[n]->setObjectName(QStringLiteral("StatusPanel%1").arg(n));
        FStatusPanels[n]->setFrameShape(QFrame::StyledPanel);
        FStatusPanels[n]->setFrameShadow(QFrame::Sunken);
        // The texts never widen the window.
        FStatusPanels[n]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    }
    // The first panel keeps its width; the other two share the rest equally.
    FStatusPanels[0]->setFixedWidth(kFirstPanelWidth);
    FStatusBar->addWidget(FStatusPanels[0]);
    FStatusBar->addWidget(FStatusPanels[1], 1);
    FStatusBar->addWidget(FStatusPanels[2], 1);
    const QScreen* screen = QGuiApplication::primaryScreen();
    FStatusBar->setFixedHeight(screen && screen->logicalDotsPerInch() > 96 ? 24 : 19);
}

void TfrxPreviewForm::ResizePagePanel()
{
    FOfNL->adjustSize();
    FSep4->setFixedWidth(FOfNL->geometry().right() + 1 + 4);
}

// ---- menus and keys

void TfrxPreviewForm::CreateMenus()
{
    FExportPopup = new QMenu(this);
    FExportPopup->setObjectName(QStringLiteral("ExportPopup"));
    FSaveB->setMenu(FExportPopup);

    FHiddenMenu = new QMenu(this);
    FHiddenMenu->setObjectName(QStringLiteral("HiddenMenu"));
    QAction* showTemplate = FHiddenMenu->addAction(text("pvShowTemplate"));
    showTemplate->setObjectName(QStringLiteral("ShowTemplateMI"));
    connect(showTemplate, &QAction::triggered, this, [this] { Guarded([this] { ShowTemplateCommand(); }); });

    FRightMenu = new QMenu(this);
    FRightMenu->setObjectName(QStringLiteral("RightMenu"));
    FCollapseMI = FRightMenu->addAction(text("pvCollapseAll"));
    FCollapseMI->setObjectName(QStringLiteral("CollapseMI"));
    FExpandMI = FRightMenu->addAction(text("pvExpandAll"));
    FExpandMI->setObjectName(QStringLiteral("ExpandMI"));
    FDrillSeparator = FRightMenu->addSeparator();
}

void TfrxPreviewForm::CreateShortcuts()
{
    // Shortcuts see the keys before the focused control does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &TfrxPreviewForm::CloseOrCancel);
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    connect(fullScreen, &QShortcut::activated, this, &TfrxPreviewForm::SwitchToFullScreen);
}

void TfrxPreviewForm::BindPreview()
{
    connect(FPreview, &TfrxPreview::pageChanged, this, &TfrxPreviewForm::UpdateStatus);
    connect(FPreview, &TfrxPreview::zoomChanged, this, &TfrxPreviewForm::UpdateZoomText);
    connect(FPreview, &TfrxPreview::dblClick, this, [this] {
        if (FFullScreen)
            SwitchToFullScreen();
    });
    connect(FPreview, &TfrxPreview::outlineVisibleChanged, FOutlineB, &QToolButton::setChecked);
    connect(FPreview, &TfrxPreview::thumbnailVisibleChanged, FThumbB, &QToolButton::setChecked);
    connect(FPreview, &TfrxPreview::preparationStarted, this, &TfrxPreviewForm::PreparationStarted);
    connect(FPreview, &TfrxPreview::preparationFinished, this, &TfrxPreviewForm::PreparationFinished);
    FPreview->SetCommands({[this] { FindCommand(); }, [this] { PageSetupCommand(); },
                           [this] { EditCommand(); }, [this] { OpenCommand(); }, [this] { SaveCommand(); }});
}

// ---- set-up

void TfrxPreviewForm::Init(TfrxReport& Report)
{
    FReport = &Report;
    const TfrxPreviewOptions& options = *Report.GetPreviewOptions();
    FPreview->Init(&Report, Report.GetPreviewPages());
    if (options.GetMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    if (options.GetZoomMode() != zmDefault)
        FPreview->SetZoomMode(options.GetZoomMode());
    else
        FPreview->SetZoom(options.GetZoom());
    FPreview->SetRTLPreview(options.GetRTLPreview());
    ShowButtons();
    FillSaveMenu();
    UpdateCaption();
    ExtendRightMenu();
    RefreshButtonStates();
    UpdateStatus(FPreview->GetPageNo());
}

void TfrxPreviewForm::ShowButtons()
{
    const TfrxPreviewOptions& options = *FReport->GetPreviewOptions();
    const TfrxPreviewButtons buttons = options.GetButtons();
    const bool zoom = buttons.contains(pbZoom);
    FPrintB->setVisible(buttons.contains(pbPrint));
    FOpenB->setVisible(buttons.contains(pbLoad));
    FSaveB->setVisible(buttons.contains(pbSave) || buttons.contains(pbExport));
    FPdfB->setVisible(false);
    FEmailB->setVisible(false);
    FFindB->setVisible(buttons.contains(pbFind));
    FSep1->setVisible(zoom);
    FZoomPlusB->setVisible(zoom);
    FSep3->setVisible(zoom);
    FZoomMinusB->setVisible(zoom);
    FFullScreenBtn->setVisible(zoom && !buttons.contains(pbNoFullScreen));
    FOutlineB->setVisible(buttons.contains(pbOutline));
    FThumbB->setVisible(buttons.contains(pbOutline));
    FPageSettingsB->setVisible(buttons.contains(pbPageSetup));
    FDesignerB->setVisible(buttons.contains(pbEdit));
    FSep2->setVisible(buttons.contains(pbPageSetup) || buttons.contains(pbEdit));
    const bool navigator = buttons.contains(pbNavigator);
    for (QWidget* control : {FSep5, static_cast<QWidget*>(FFirstB), static_cast<QWidget*>(FPriorB), FSep4,
                             static_cast<QWidget*>(FNextB), static_cast<QWidget*>(FLastB)})
        control->setVisible(navigator);
    FCancelB->setVisible(!buttons.contains(pbNoClose));
    const Qt::ToolButtonStyle style =
        options.GetShowCaptions() ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly;
    for (const ToolbarItem& item : FToolbarItems)
        if (auto* button = qobject_cast<QToolButton*>(item.widget))
            button->setToolButtonStyle(style);
}

void TfrxPreviewForm::FillSaveMenu()
{
    const TfrxPreviewButtons buttons = FReport->GetPreviewOptions()->GetButtons();
    FExportPopup->clear();
    if (buttons.contains(pbSave)) {
        QAction* save = FExportPopup->addAction(text("clFP3files") + QStringLiteral("..."));
        save->setObjectName(QStringLiteral("SaveMI"));
        connect(save, &QAction::triggered, this, [this] { Guarded([this] { FPreview->SaveToFile(); }); });
    }
    // Export filters would follow the separator; none is registered in this system.
    if (buttons.contains(pbSave) && buttons.contains(pbExport))
        FExportPopup->addSeparator();
}

void TfrxPreviewForm::ExtendRightMenu()
{
    bool separatorAdded = false;
    for (ToolbarItem& item : FToolbarItems) {
        if (item.kind == ItemKind::Separator) {
            if (separatorAdded)
                break;
            FRightMenu->addSeparator();
            separatorAdded = true;
            continue;
        }
        auto* button = qobject_cast<QToolButton*>(item.widget);
        if (!button || item.kind != ItemKind::Button || button->isHidden() || button->toolTip().isEmpty())
            continue;
        if (button->menu()) {
            QMenu* sub = FRightMenu->addMenu(button->icon(), button->toolTip());
            for (QAction* action : button->menu()->actions())
                sub->addAction(action);
            item.menuItem = sub->menuAction();
        } else {
            item.menuItem = FRightMenu->addAction(button->icon(), button->toolTip());
            connect(item.menuItem, &QAction::triggered, button, &QToolButton::click);
        }
        item.menuItem->setEnabled(button->isEnabled());
    }
}

void TfrxPreviewForm::SetItemEnabled(QWidget* widget, bool enabled)
{
    widget->setEnabled(enabled);
    for (const ToolbarItem& item : FToolbarItems)
        if (item.widget == widget && item.menuItem)
            item.menuItem->setEnabled(enabled);
}

void TfrxPreviewForm::RefreshButtonStates()
{
    const bool running = FPreview->GetRunning();
    const bool pages = !running && FPreview->GetPageCount() > 0;
    for (QWidget* button : {FPrintB, FSaveB, FPdfB, FEmailB, FFindB, FPageSettingsB})
        SetItemEnabled(button, pages);
    SetItemEnabled(FOpenB, !running);
    SetItemEnabled(FDesignerB, !running && FReport && FReport->GetPreviewOptions()->GetAllowEdit());
    // Expanding and collapsing act on drill-down groups, which the report objects of this system
    // do not have.
    for (QAction* drillDown : {FCollapseMI, FExpandMI, FDrillSeparator})
        drillDown->setVisible(false);
}

void TfrxPreviewForm::UpdateCaption()
{
    const QString name = FReport ? FReport->GetReportOptions()->GetName() : QString();
    setWindowTitle(name.isEmpty() ? text("100") : name);
}

// ---- status, zoom and page boxes

void TfrxPreviewForm::UpdateStatus(int PageNo)
{
    const int count = FPreview->GetPageCount();
    const TfrxCustomEngine* engine = FReport ? FReport->GetEngine() : nullptr;
    if (FPreview->GetRunning() && engine && !engine->GetFinalPass()) {
        FStatusPanels[0]->setText(text("pvFirstPass").trimmed() + u' ' + QString::number(count));
    } else {
        FStatusPanels[0]->setText(textWithNumbers("pvPageOf", {PageNo, count}));
        FOfNL->setText(textWithNumbers("pvOf", {count}));
        ResizePagePanel();
    }
    FPageE->setText(QString::number(PageNo));
}

void TfrxPreviewForm::UpdateZoomText(double Zoom)
{
    FZoomCB->setEditText(QString::number(roundHalfEven(Zoom * 100)) + u'%');
}

void TfrxPreviewForm::ZoomBoxChanged(int Item)
{
    FPreview->setFocus();
    FPreview->SetSavedPageNo(FPreview->GetPageNo());
    if (Item < 0)
        Item = FZoomCB->findText(FZoomCB->currentText());
    if (Item == kPageWidthItem) {
        FPreview->SetZoomMode(zmPageWidth);
    } else if (Item == kWholePageItem) {
        FPreview->SetZoomMode(zmWholePage);
    } else {
        QString typed = FZoomCB->currentText();
        const qsizetype percent = typed.indexOf(u'%');
        if (percent >= 0)
            typed[percent] = u' ';
        typed.remove(u' ');
        if (!typed.isEmpty()) {
            const QChar separator = QLocale().decimalPoint().at(0);
            typed.replace(u'.', separator).replace(u',', separator);
            try {
                FPreview->SetZoom(parseFloat(typed, separator) / 100);
            } catch (...) {
                FPreview->SetSavedPageNo(-1);
                throw;
            }
        }
    }
    // The layout has already written its zoom; the box then shows it as a whole percentage.
    QTimer::singleShot(0, this, [this] { UpdateZoomText(FPreview->GetZoom()); });
    FPreview->SetPageNo(FPreview->GetSavedPageNo());
    FPreview->SetSavedPageNo(-1);
}

void TfrxPreviewForm::PageBoxEntered()
{
    bool ok = false;
    const qlonglong page = FPageE->text().toLongLong(&ok);
    if (!ok)
        throw Exception(invalidIntegerMessage(FPageE->text()));
    FPreview->SetPageNo(int(std::min<qlonglong>(page, INT_MAX)));
    FPreview->setFocus();
}

// ---- window states

void TfrxPreviewForm::SwitchToFullScreen()
{
    FFullScreen = !FFullScreen;
    FToolBar->setVisible(!FFullScreen);
    FStatusBar->setVisible(!FFullScreen);
    if (FFullScreen) {
        FOldState = windowState();
        setWindowState(Qt::WindowFullScreen);
    } else {
        setWindowState(FOldState);
    }
}

void TfrxPreviewForm::SetFreeOnClose(bool value)
{
    FFreeOnClose = value;
    setAttribute(Qt::WA_DeleteOnClose, value);
}

void TfrxPreviewForm::CloseOrCancel()
{
    if (FPreview->GetRunning())
        FPreview->Cancel();
    else
        close();
}

void TfrxPreviewForm::reject()
{
    if (FPreview->GetRunning())
        FPreview->Cancel();
    else
        QDialog::reject();
}

void TfrxPreviewForm::closeEvent(QCloseEvent* event)
{
    if (FPreview->GetRunning()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrxPreviewForm::PreparationStarted()
{
    FCancelB->setText(text("clCancel"));
    RefreshButtonStates();
}

void TfrxPreviewForm::PreparationFinished()
{
    FCancelB->setText(text("clClose"));
    FStatusPanels[1]->clear();
    RefreshButtonStates();
}

// ---- events

bool TfrxPreviewForm::event(QEvent* event)
{
    // The hints of the toolbar go to the third status panel.
    if (event->type() == QEvent::StatusTip) {
        FStatusPanels[2]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QDialog::event(event);
}

bool TfrxPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == FZoomCB->lineEdit())
                Guarded([this] { ZoomBoxChanged(); });
            else if (watched == FPageE)
                Guarded([this] { PageBoxEntered(); });
            else
                return QDialog::eventFilter(watched, event);
            return true;
        }
    }
    if (watched == FDesignerB && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        FHiddenMenu->popup(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrxPreviewForm::wheelEvent(QWheelEvent* event)
{
    FPreview->MouseWheelScroll(event->angleDelta().y(), false,
                               event->modifiers().testFlag(Qt::ControlModifier));
    event->accept();
}

void TfrxPreviewForm::contextMenuEvent(QContextMenuEvent* event)
{
    FRightMenu->popup(event->globalPos());
}

// ---- commands

void TfrxPreviewForm::Guarded(const std::function<void()>& command)
{
    try {
        command();
    } catch (const Exception& error) {
        frxErrorBox(error.message());
    } catch (const std::exception& error) {
        frxErrorBox(QString::fromLocal8Bit(error.what()));
    }
}

QString TfrxPreviewForm::AskFileName(bool save)
{
    const QString filter = text("clFP3files") + QStringLiteral(" (*.fp3)|*.fp3");
    if (FOnAskFileName)
        return FOnAskFileName(save, filter);
    QFileDialog dialog(this, QString(), QString(), nameFilter(filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

void TfrxPreviewForm::SaveCommand()
{
    const QString fileName = AskFileName(true);
    if (fileName.isEmpty())
        return;
    FPreview->GetWorkspace()->update();
    // One filter is offered, so the prepared report is never written compressed.
    FReport->GetReportOptions()->SetCompressed(false);
    FPreview->SaveToFile(withFp3Extension(fileName));
}

void TfrxPreviewForm::OpenCommand()
{
    const QString fileName = AskFileName(false);
    if (fileName.isEmpty())
        return;
    FPreview->GetWorkspace()->update();
    try {
        FPreview->LoadFromFile(fileName);
    } catch (...) {
        FPreview->SetPageNo(1);
        RefreshButtonStates();
        throw;
    }
    FPreview->SetPageNo(1);
    UpdateCaption();
    RefreshButtonStates();
}

void TfrxPreviewForm::FindCommand()
{
    TfrxSearchDialog dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        FPreview->FindText(dialog.GetTextToFind(), dialog.GetSearchFromBeginning(),
                           dialog.GetCaseSensitive());
}

void TfrxPreviewForm::PageSetupCommand()
{
    frxPageSetupDlg(*FPreview, this);
}

namespace {

// Every object of the page directly on it at its absolute place, and nothing bound to data, so
// that the designer shows the page as it was printed.
void flattenPage(TfrxReportPage& page)
{
    for (TfrxComponent* object : page.GetAllObjects()) {
        if (auto* view = dynamic_cast<TfrxView*>(object)) {
            view->SetDataField(QString());
            view->SetDataSet(nullptr);
            view->SetRestrictions({});
        }
        if (object->GetParent() == &page || dynamic_cast<TfrxBand*>(object))
            continue;
        const double left = object->GetAbsLeft();
        const double top = object->GetAbsTop();
        object->SetParent(&page);
        object->SetLeft(left);
        object->SetTop(top);
        object->SetParentFont(false);
        auto* view = dynamic_cast<TfrxView*>(object);
        if (view && (view->GetAlign() == baBottom || view->GetAlign() == baClient))
            view->SetAlign(baNone);
    }
    const QList<TfrxComponent*> children = page.GetObjects();
    for (TfrxComponent* object : children)
        if (dynamic_cast<TfrxBand*>(object))
            delete object;
}

} // namespace

void TfrxPreviewForm::ShowTemplateCommand()
{
    const auto& design = frxReportParts().DesignReport;
    TfrxCustomPreviewPages* pages = FPreview->GetPreviewPages();
    if (!design || !pages)
        return;
    // Copies of the page templates of the last run: what the designer does with them cannot reach
    // the prepared report.
    TfrxReport copy;
    for (int n = 0; n < pages->GetSourcePageCount(); ++n)
        if (const TfrxReportPage* source = pages->GetSourcePage(n)) {
            auto* page = new TfrxReportPage(&copy);
            page->AssignAll(*source);
            page->SetName(source->GetName());
        }
    design(copy);
}

void TfrxPreviewForm::EditCommand()
{
    const auto& designPage = frxReportParts().DesignPreviewPage;
    TfrxCustomPreviewPages* pages = FPreview->GetPreviewPages();
    const int index = FPreview->GetPageNo() - 1;
    TfrxReportPage* prepared = pages ? pages->GetPage(index) : nullptr;
    if (!designPage || !prepared)
        return;
    TfrxReport copy;
    auto* page = new TfrxReportPage(&copy);
    page->AssignAll(*prepared);
    flattenPage(*page);
    // A failure is shown (by the caller's guard) and leaves the prepared page as it was.
    if (!designPage(copy))
        return;
    FPreview->Lock();
    try {
        pages->ModifyPage(index, page);
    } catch (...) {
        FPreview->Unlock();
        throw;
    }
    FPreview->Unlock();
}

// ---- ShowReport's window

bool frxPrepareInPreview(TfrxPreview& Preview, bool ClearLastReport)
{
    TfrxReport* report = Preview.GetReport();
    if (!report || Preview.GetRunning())
        return false;
    // The report tells its bound preview the run's start, each page and the end.
    return report->PrepareReport(ClearLastReport);
}

void frxShowPreview(TfrxReport& Report, bool Prepare)
{
    if (Prepare && Report.GetOldStyleProgress()) {
        if (!Report.PrepareReport(false))
            return;
        Prepare = false;
    }
    const auto prepareLater = [](TfrxPreview* preview) {
        QTimer::singleShot(kPreparationDelayMs, preview, [preview] {
            try {
                frxPrepareInPreview(*preview, false);
            } catch (const Exception& error) {
                frxErrorBox(error.message());
            }
        });
    };
    if (auto* attached = qobject_cast<TfrxPreview*>(Report.GetPreview())) {
        attached->Init(&Report, Report.GetPreviewPages());
        if (Prepare)
            prepareLater(attached);
        return;
    }
    auto form = std::make_unique<TfrxPreviewForm>();
    Report.SetPreview(form->GetPreview());
    form->Init(Report);
    if (Prepare)
        prepareLater(form->GetPreview());
    if (Report.GetPreviewOptions()->GetModal()) {
        form->exec();
        return;
    }
    form->SetFreeOnClose(true);
    form.release()->show();
}
