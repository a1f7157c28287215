#include "report/preview/TfrxPageSettingsForm.h"

#include "common/Exception.h"
#include "common/NumberText.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxIniFile.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/DialogControls.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewForm.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPaperTable.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <cmath>

namespace {

using dialogControls::label;
using dialogControls::named;
using dialogControls::text;

constexpr QSize kClientSize(286, 359);
constexpr int kInches = 1;
constexpr double kMillimetresPerInch = 25.4;
constexpr double kMillimetresPerCentimetre = 10;

QChar decimalSeparator()
{
    return QLocale().decimalPoint().at(0);
}

// A sheet with a letter on it, upright or lying, for the orientation the buttons show.
QPixmap sheetPicture(bool landscape)
{
    const QSize sheet = landscape ? QSize(44, 32) : QSize(32, 44);
    QPixmap picture(sheet + QSize(1, 1));
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(QPoint(0, 0), sheet));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(QPoint(0, 0), sheet), Qt::AlignCenter, QStringLiteral("A"));
    return picture;
}

// A paper without a name (the virtual printer's) is shown by its size.
QString paperCaption(const QString& name, int number)
{
    double width = 0;
    double height = 0;
    if (!name.isEmpty() || !frxGetPaperDimensions(number, width, height))
        return name;
    const QChar separator = decimalSeparator();
    return QStringLiteral("%1 × %2 mm")
        .arg(QString::number(width).replace(u'.', separator),
             QString::number(height).replace(u'.', separator));
}

} // namespace

TfrxPageSettingsForm::TfrxPageSettingsForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frxPageSettingsForm"));
    setWindowTitle(text("psPageSettings"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    setFixedSize(kClientSize);
    CreateSizeGroup();
    CreateOrientationGroup();
    CreateMarginsGroup();
    CreateOtherGroup();
    CreateButtons();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrxPageSettingsForm::~TfrxPageSettingsForm() = default;

void TfrxPageSettingsForm::CreateSizeGroup()
{
    QGroupBox* group = named(new QGroupBox(text("psSize"), this), "SizeGroup", QRect(8, 4, 270, 104));
    FSizeCB = named(new QComboBox(group), "SizeCB", QRect(12, 20, 246, 21));
    label(group, "WidthL", text("psWidth"), QRect(12, 52, 64, 16));
    FWidthE = named(new QLineEdit(group), "WidthE", QRect(80, 49, 70, 21));
    FUnitLabels << label(group, "UnitL1", QString(), QRect(156, 52, 30, 16));
    label(group, "HeightL", text("psHeight"), QRect(12, 78, 64, 16));
    FHeightE = named(new QLineEdit(group), "HeightE", QRect(80, 75, 70, 21));
    FUnitLabels << label(group, "UnitL2", QString(), QRect(156, 78, 30, 16));

    connect(FSizeCB, &QComboBox::activated, this, [this] { PaperChanged(); });
    connect(FWidthE, &QLineEdit::textEdited, this, [this] { SizeTyped(); });
    connect(FHeightE, &QLineEdit::textEdited, this, [this] { SizeTyped(); });
}

void TfrxPageSettingsForm::CreateOrientationGroup()
{
    QGroupBox* group =
        named(new QGroupBox(text("psOrientation"), this), "OrientationGroup", QRect(8, 112, 270, 72));
    FPortraitRB = named(new QRadioButton(text("psPortrait"), group), "PortraitRB", QRect(12, 22, 150, 18));
    FLandscapeRB = named(new QRadioButton(text("psLandscape"), group), "LandscapeRB", QRect(12, 44, 150, 18));
    FPortraitImg = named(new QLabel(group), "PortraitImg", QRect(200, 16, 48, 48));
    FPortraitImg->setPixmap(sheetPicture(false));
    FPortraitImg->setAlignment(Qt::AlignCenter);
    FLandscapeImg = named(new QLabel(group), "LandscapeImg", QRect(200, 16, 48, 48));
    FLandscapeImg->setPixmap(sheetPicture(true));
    FLandscapeImg->setAlignment(Qt::AlignCenter);
    FPortraitRB->setChecked(true);
    UpdatePictures();
    // One signal per change of the choice, not per click.
    connect(FLandscapeRB, &QRadioButton::toggled, this, [this] { OrientationChanged(); });
}

void TfrxPageSettingsForm::CreateMarginsGroup()
{
    QGroupBox* group = named(new QGroupBox(text("psMargins"), this), "MarginsGroup", QRect(8, 188, 270, 76));
    label(group, "LeftL", text("psLeft"), QRect(12, 24, 44, 16));
    FMarginLeftE = named(new QLineEdit(group), "MarginLeftE", QRect(58, 21, 50, 21));
    FUnitLabels << label(group, "UnitL3", QString(), QRect(112, 24, 22, 16));
    label(group, "TopL", text("psTop"), QRect(12, 50, 44, 16));
    FMarginTopE = named(new QLineEdit(group), "MarginTopE", QRect(58, 47, 50, 21));
    FUnitLabels << label(group, "UnitL4", QString(), QRect(112, 50, 22, 16));
    label(group, "RightL", text("psRight"), QRect(140, 24, 44, 16));
    FMarginRightE = named(new QLineEdit(group), "MarginRightE", QRect(188, 21, 50, 21));
    FUnitLabels << label(group, "UnitL5", QString(), QRect(242, 24, 22, 16));
    label(group, "BottomL", text("psBottom"), QRect(140, 50, 44, 16));
    FMarginBottomE = named(new QLineEdit(group), "MarginBottomE", QRect(188, 47, 50, 21));
    FUnitLabels << label(group, "UnitL6", QString(), QRect(242, 50, 22, 16));
}

void TfrxPageSettingsForm::CreateOtherGroup()
{
    QGroupBox* group = named(new QGroupBox(text("psOther"), this), "OtherGroup", QRect(8, 268, 270, 56));
    FApplyToCurRB =
        named(new QRadioButton(text("psApplyToCur"), group), "ApplyToCurRB", QRect(12, 16, 250, 18));
    FApplyToAllRB =
        named(new QRadioButton(text("psApplyToAll"), group), "ApplyToAllRB", QRect(12, 34, 250, 18));
    FApplyToCurRB->setChecked(true);
}

void TfrxPageSettingsForm::CreateButtons()
{
    QPushButton* ok = named(new QPushButton(text("1"), this), "OKB", QRect(122, 330, 75, 25));
    ok->setDefault(true);
    QPushButton* cancel = named(new QPushButton(text("2"), this), "CancelB", QRect(203, 330, 75, 25));
    connect(ok, &QPushButton::clicked, this, &TfrxPageSettingsForm::accept);
    connect(cancel, &QPushButton::clicked, this, &TfrxPageSettingsForm::reject);
}

bool TfrxPageSettingsForm::GetNeedRebuild() const
{
    return FApplyToAllRB->isChecked();
}

void TfrxPageSettingsForm::showEvent(QShowEvent* event)
{
    FUpdating = true;
    ReadUnits();
    FillPapers();
    ShowPage();
    FUpdating = false;
    QDialog::showEvent(event);
}

void TfrxPageSettingsForm::ReadUnits()
{
    FUnits = 0;
    if (FReport)
        FUnits = TfrxIniFile(FReport->GetIniFile())
                     .ReadInteger(QStringLiteral("Form5.TfrxDesignerForm"), QStringLiteral("Units"), 0);
    const QString unit = text(FUnits == kInches ? "uInch" : "uCm");
    for (QLabel* unitLabel : FUnitLabels)
        unitLabel->setText(unit);
}

TfrxCustomPrinter* TfrxPageSettingsForm::Printer() const
{
    return frxPrinters()->GetPrinter();
}

void TfrxPageSettingsForm::FillPapers()
{
    FSizeCB->clear();
    if (const TfrxCustomPrinter* printer = Printer()) {
        const NumberedNames& papers = printer->GetPapers();
        for (int n = 0; n < papers.Count(); ++n)
            FSizeCB->addItem(paperCaption(papers.Name(n), papers.Number(n)), papers.Number(n));
    }
    if (FSizeCB->count() == 0)
        FSizeCB->addItem(text("prCustom"), kfrxCustomPaper);
    const int index = FPage ? FSizeCB->findData(FPage->GetPaperSize()) : -1;
    FSizeCB->setCurrentIndex(index < 0 ? 0 : index);
}

int TfrxPageSettingsForm::ChosenPaper() const
{
    // By position, not by name: the papers of the virtual printer have no names.
    return FSizeCB->currentIndex() < 0 ? kfrxCustomPaper : FSizeCB->currentData().toInt();
}

void TfrxPageSettingsForm::ShowPage()
{
    if (!FPage)
        return;
    FWidthE->setText(ToUnits(FPage->GetPaperWidth()));
    FHeightE->setText(ToUnits(FPage->GetPaperHeight()));
    FMarginLeftE->setText(ToUnits(FPage->GetLeftMargin()));
    FMarginTopE->setText(ToUnits(FPage->GetTopMargin()));
    FMarginRightE->setText(ToUnits(FPage->GetRightMargin()));
    FMarginBottomE->setText(ToUnits(FPage->GetBottomMargin()));
    (FPage->GetOrientation() == poLandscape ? FLandscapeRB : FPortraitRB)->setChecked(true);
    UpdatePictures();
}

void TfrxPageSettingsForm::UpdatePictures()
{
    FPortraitImg->setVisible(FPortraitRB->isChecked());
    FLandscapeImg->setVisible(FLandscapeRB->isChecked());
}

QString TfrxPageSettingsForm::ToUnits(double millimetres) const
{
    const double value = millimetres / (FUnits == kInches ? kMillimetresPerInch : kMillimetresPerCentimetre);
    const QString shown =
        value == std::trunc(value) ? QString::number(value, 'f', 0) : QString::number(value, 'f', 2);
    return QString(shown).replace(u'.', decimalSeparator());
}

double TfrxPageSettingsForm::FromUnits(const QLineEdit* field) const
{
    const QChar separator = decimalSeparator();
    QString cleaned = field->text();
    cleaned.replace(u'.', separator).replace(u',', separator).remove(u' ');
    return parseFloat(cleaned, separator) *
           (FUnits == kInches ? kMillimetresPerInch : kMillimetresPerCentimetre);
}

TfrxPageSettingsForm::PageValues TfrxPageSettingsForm::ReadValues() const
{
    return {FromUnits(FWidthE),     FromUnits(FHeightE),      FromUnits(FMarginLeftE),
            FromUnits(FMarginTopE), FromUnits(FMarginRightE), FromUnits(FMarginBottomE)};
}

void TfrxPageSettingsForm::ShowPrinterPaper(int paper, double width, double height)
{
    TfrxCustomPrinter* printer = Printer();
    if (!printer)
        return;
    const TPrinterOrientation orientation = FLandscapeRB->isChecked() ? poLandscape : poPortrait;
    printer->SetViewParams(paper, width, height, orientation);
    FUpdating = true;
    FWidthE->setText(ToUnits(printer->GetPaperWidth()));
    FHeightE->setText(ToUnits(printer->GetPaperHeight()));
    FUpdating = false;
}

void TfrxPageSettingsForm::PaperChanged()
{
    if (FUpdating)
        return;
    const int paper = ChosenPaper();
    // Choosing "Custom" keeps the size the fields hold.
    if (paper == kfrxCustomPaper)
        return;
    try {
        ShowPrinterPaper(paper, FromUnits(FWidthE), FromUnits(FHeightE));
    } catch (const Exception& error) {
        frxErrorBox(error.message());
    }
}

void TfrxPageSettingsForm::OrientationChanged()
{
    UpdatePictures();
    if (FUpdating)
        return;
    const int paper = ChosenPaper();
    try {
        const double width = FromUnits(FWidthE);
        const double height = FromUnits(FHeightE);
        // A standard paper is described in the new orientation; a custom one is turned.
        if (paper == kfrxCustomPaper)
            ShowPrinterPaper(paper, height, width);
        else
            ShowPrinterPaper(paper, width, height);
    } catch (const Exception& error) {
        frxErrorBox(error.message());
    }
}

void TfrxPageSettingsForm::SizeTyped()
{
    if (!FUpdating)
        FSizeCB->setCurrentIndex(0);
}

void TfrxPageSettingsForm::ApplyTo(TfrxReportPage& page, const PageValues& values) const
{
    page.SetOrientation(FLandscapeRB->isChecked() ? poLandscape : poPortrait);
    page.SetPaperWidth(values.width);
    page.SetPaperHeight(values.height);
    page.SetPaperSize(ChosenPaper());
    page.SetLeftMargin(values.left);
    page.SetRightMargin(values.right);
    page.SetTopMargin(values.top);
    page.SetBottomMargin(values.bottom);
    if (!GetNeedRebuild())
        page.AlignChildren();
}

void TfrxPageSettingsForm::accept()
{
    if (FPage) {
        PageValues values{};
        try {
            values = ReadValues();
        } catch (const Exception& error) {
            frxErrorBox(error.message());
            return;
        }
        ApplyTo(*FPage, values);
    }
    QDialog::accept();
}

namespace {

// The template pages take the settings in this order, so that a standard paper number has the
// last word over the sizes and the margins are those entered.
void copyToTemplatePages(TfrxReport& report, const TfrxReportPage& edited)
{
    for (int n = 0; n < report.GetPagesCount(); ++n) {
        auto* page = dynamic_cast<TfrxReportPage*>(report.GetPages(n));
        if (!page)
            continue;
        page->SetOrientation(edited.GetOrientation());
        page->SetPaperWidth(edited.GetPaperWidth());
        page->SetPaperHeight(edited.GetPaperHeight());
        page->SetPaperSize(edited.GetPaperSize());
        page->SetLeftMargin(edited.GetLeftMargin());
        page->SetRightMargin(edited.GetRightMargin());
        page->SetTopMargin(edited.GetTopMargin());
        page->SetBottomMargin(edited.GetBottomMargin());
    }
}

} // namespace

void frxPageSetupDlg(TfrxPreview& Preview, QWidget* Parent)
{
    TfrxCustomPreviewPages* pages = Preview.GetPreviewPages();
    TfrxReport* report = Preview.GetReport();
    if (Preview.GetRunning() || !pages || !report)
        return;
    const int index = Preview.GetPageNo() - 1;
    TfrxReportPage* page = pages->GetPage(index);
    if (!page)
        return;
    TfrxPageSettingsForm form(Parent);
    form.SetPage(page);
    form.SetReport(report);
    if (form.exec() != QDialog::Accepted)
        return;
    if (form.GetNeedRebuild()) {
        copyToTemplatePages(*report, *page);
        frxPrepareInPreview(Preview, true);
        return;
    }
    Preview.Lock();
    try {
        pages->ModifyPage(index, page);
    } catch (...) {
        Preview.Unlock();
        throw;
    }
    Preview.Unlock();
}
