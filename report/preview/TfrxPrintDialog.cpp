#include "report/preview/TfrxPrintDialog.h"

#include "report/model/TfrxReport.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/DialogControls.h"
#include "report/preview/PrintDialogPictures.h"
#include "report/preview/printers/TfrxCustomPrinter.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyledItemDelegate>

namespace {

using dialogControls::label;
using dialogControls::named;
using dialogControls::text;

constexpr QSize kClientSize(557, 333);
constexpr int kMaxCopies = 1000;
constexpr int kA4 = 9;

// Combo rows that show a picture and a text at fixed places of their row.
class PictureRowDelegate : public QStyledItemDelegate {
public:
    PictureRowDelegate(QPoint picture, QPoint text, int rowHeight, QObject* parent)
        : QStyledItemDelegate(parent), FPicture(picture), FText(text), FRowHeight(rowHeight)
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        const QPixmap picture = index.data(Qt::DecorationRole).value<QIcon>().pixmap(option.decorationSize);
        painter->drawPixmap(option.rect.topLeft() + FPicture, picture);
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect textRect(option.rect.topLeft() + FText, option.rect.bottomRight());
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (FRowHeight > 0)
            size.setHeight(FRowHeight);
        return size;
    }

private:
    QPoint FPicture;
    QPoint FText;
    int FRowHeight;
};

// "Description|*.ext|..." pairs as file-dialog name filters.
QString nameFilters(const QString& pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts.at(i).contains(parts.at(i + 1))
                           ? parts.at(i)
                           : QStringLiteral("%1 (%2)").arg(parts.at(i), parts.at(i + 1)));
    return filters.join(QStringLiteral(";;"));
}

QString withPrnExtension(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix();
    const QString stem = suffix.isEmpty() ? fileName : fileName.left(fileName.size() - suffix.size() - 1);
    return stem + QStringLiteral(".prn");
}

// The duplex choice that a printer's own dialog made, as an index of the duplex list; 0 for none.
TfrxDuplexMode duplexChoiceOf(int printerDuplex)
{
    switch (printerDuplex) {
    case 1:
        return dmSimplex;
    case 2:
        return dmVertical;
    case 3:
        return dmHorizontal;
    default:
        return dmNone;
    }
}

} // namespace

TfrxPrintDialog::TfrxPrintDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(text("prdPrint"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    resize(kClientSize);
    CreatePrinterGroup();
    CreatePagesGroup();
    CreateCopiesGroup();
    CreateOtherGroup();
    CreatePrintModeGroup();
    CreateButtons();
    FillPrinters();
    FOldIndex = frxPrinters()->GetPrinterIndex();
    CollateChanged();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

TfrxPrintDialog::~TfrxPrintDialog() = default;

void TfrxPrintDialog::CreatePrinterGroup()
{
    QGroupBox* group = named(new QGroupBox(text("prdPrinter"), this), "PrinterGroup", QRect(8, 4, 541, 80));
    label(group, "NameL", text("prdName"), QRect(12, 24, 60, 16));
    FPrintersCB = named(new QComboBox(group), "PrintersCB", QRect(76, 20, 340, 22));
    const bool highDpi =
        QGuiApplication::primaryScreen() && QGuiApplication::primaryScreen()->logicalDotsPerInch() > 96;
    FPrintersCB->setItemDelegate(
        new PictureRowDelegate(QPoint(2, 1), QPoint(24, 2), highDpi ? 19 : 0, FPrintersCB));
    connect(FPrintersCB, &QComboBox::currentIndexChanged, this, &TfrxPrintDialog::PrinterChanged);
    FPropButton = named(new QPushButton(text("prdProperties"), group), "PropButton", QRect(428, 18, 101, 25));
    connect(FPropButton, &QPushButton::clicked, this, &TfrxPrintDialog::PropertiesClicked);
    label(group, "WhereL", text("prdWhere"), QRect(12, 52, 60, 16));
    FWhereL1 = label(group, "WhereL1", QString(), QRect(76, 52, 340, 16));
    FFileCB = named(new QCheckBox(text("prdPrintToFile"), group), "FileCB", QRect(428, 50, 105, 20));
}

void TfrxPrintDialog::CreatePagesGroup()
{
    QGroupBox* group = named(new QGroupBox(text("prdPages"), this), "PagesGroup", QRect(8, 90, 265, 108));
    FAllRB = named(new QRadioButton(text("prdAll"), group), "AllRB", QRect(12, 18, 240, 18));
    FAllRB->setChecked(true);
    FCurPageRB = named(new QRadioButton(text("prdCurPage"), group), "CurPageRB", QRect(12, 38, 240, 18));
    FPageNumbersRB =
        named(new QRadioButton(text("prdPageNumbers"), group), "PageNumbersRB", QRect(12, 58, 70, 18));
    FPageNumbersE = named(new QLineEdit(group), "PageNumbersE", QRect(84, 56, 169, 21));
    FPageNumbersE->installEventFilter(this);
    connect(FPageNumbersRB, &QRadioButton::clicked, FPageNumbersE, qOverload<>(&QWidget::setFocus));
    QLabel* description = label(group, "DescrL", text("prdDescription"), QRect(12, 80, 241, 26));
    description->setWordWrap(true);
}

void TfrxPrintDialog::CreateCopiesGroup()
{
    QGroupBox* group = named(new QGroupBox(text("prdCopies"), this), "CopiesGroup", QRect(284, 90, 265, 108));
    label(group, "CopiesL", text("prdCopiesNumber"), QRect(12, 24, 130, 16));
    // The number field with its up-down arrows; it takes digits only.
    FCopiesE = named(new QSpinBox(group), "CopiesE", QRect(150, 20, 70, 21));
    FCopiesE->setRange(1, kMaxCopies);
    FCollateCB = named(new QCheckBox(text("prdCollate"), group), "CollateCB", QRect(12, 62, 120, 18));
    connect(FCollateCB, &QCheckBox::toggled, this, &TfrxPrintDialog::CollateChanged);
    FCopiesPB = named(new QLabel(group), "CopiesPB", QRect(150, 54, 100, 40));
    FCopiesPB->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void TfrxPrintDialog::CreateOtherGroup()
{
    QGroupBox* group = named(new QGroupBox(text("prdOther"), this), "OtherGroup", QRect(8, 204, 265, 92));
    const auto addList = [group](const char* labelName, const char* caption, const char* comboName, int top,
                                 const QStringList& items) {
        label(group, labelName, text(caption), QRect(12, top + 4, 80, 16));
        QComboBox* combo = named(new QComboBox(group), comboName, QRect(96, top, 157, 22));
        combo->addItems(items);
        return combo;
    };
    FPrintPagesCB = addList("PrintL", "prdPrint", "PrintPagesCB", 16,
                            {text("prdAllPages"), text("prdOddPages"), text("prdEvenPages")});
    FOrderCB = addList("OrderL", "prdOrder", "OrderCB", 41, {text("prdDirect"), text("prdReverse")});
    FDuplexCB = addList("DuplexL", "prdDuplex", "DuplexCB", 66,
                        {text("prDefault"), text("prdVertical"), text("prdHorizontal"), text("prdSimplex")});
}

void TfrxPrintDialog::CreatePrintModeGroup()
{
    QGroupBox* group =
        named(new QGroupBox(text("prdPrintMode"), this), "PrintModeGroup", QRect(284, 204, 265, 92));
    FPrintModeCB = named(new QComboBox(group), "PrintModeCB", QRect(12, 16, 241, 38));
    FPrintModeCB->setIconSize(QSize(64, 32));
    FPrintModeCB->setItemDelegate(new PictureRowDelegate(QPoint(2, 1), QPoint(74, 10), 34, FPrintModeCB));
    const char* modes[] = {"prDefault", "prdSplit", "prdJoin", "prdScale"};
    for (int mode = pmDefault; mode <= pmScale; ++mode)
        FPrintModeCB->addItem(QIcon(frxPrintModePicture(TfrxPrintMode(mode))), text(modes[mode]));
    connect(FPrintModeCB, &QComboBox::currentIndexChanged, this, &TfrxPrintDialog::PrintModeChanged);
    label(group, "PagSizeL", text("prdPrintOnSheet"), QRect(12, 64, 90, 16));
    FPagPageSizeCB = named(new QComboBox(group), "PagPageSizeCB", QRect(104, 60, 149, 22));
}

void TfrxPrintDialog::CreateButtons()
{
    QPushButton* ok = named(new QPushButton(text("1"), this), "OkB", QRect(394, 302, 75, 25));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrxPrintDialog::accept);
    QPushButton* cancel = named(new QPushButton(text("2"), this), "CancelB", QRect(474, 302, 75, 25));
    connect(cancel, &QPushButton::clicked, this, &TfrxPrintDialog::reject);
}

void TfrxPrintDialog::FillPrinters()
{
    const TfrxPrinters* printers = frxPrinters();
    const QIcon printer(frxPrinterPicture());
    const QSignalBlocker blocker(FPrintersCB);
    for (const QString& name : printers->GetPrinters())
        FPrintersCB->addItem(printer, name);
    FPrintersCB->setCurrentIndex(printers->GetPrinterIndex());
    PrinterChanged();
}

TfrxCustomPrinter* TfrxPrintDialog::Printer() const
{
    return frxPrinters()->GetPrinter();
}

void TfrxPrintDialog::PrinterChanged()
{
    int paper = -1;
    if (FPagPageSizeCB->currentIndex() > 0 && Printer())
        paper = Printer()->PaperNameToNumber(FPagPageSizeCB->currentText());
    frxPrinters()->SetPrinterIndex(FPrintersCB->currentIndex());
    TfrxCustomPrinter* printer = Printer();
    FWhereL1->setText(printer ? printer->GetPort() : QString());
    FPagPageSizeCB->clear();
    FPagPageSizeCB->addItem(text("prDefault"));
    const int position = printer && paper >= 0 ? printer->PaperIndex(paper) : -1;
    if (printer) {
        const NumberedNames& papers = printer->GetPapers();
        // The first paper is "Custom", which "Default" replaces at the same position.
        for (int i = 1; i < papers.Count(); ++i)
            FPagPageSizeCB->addItem(papers.Name(i));
    }
    FPagPageSizeCB->setCurrentIndex(position > 0 ? position : 0);
}

void TfrxPrintDialog::PrintModeChanged()
{
    if (FPrintModeCB->currentIndex() == pmDefault) {
        FPagPageSizeCB->setCurrentIndex(0);
        FPagPageSizeCB->setEnabled(false);
        return;
    }
    FPagPageSizeCB->setEnabled(true);
    if (FPagPageSizeCB->currentIndex() == 0)
        FPagPageSizeCB->setCurrentIndex(Printer() ? Printer()->PaperIndex(kA4) : -1);
}

void TfrxPrintDialog::CollateChanged()
{
    FCopiesPB->setPixmap(frxCopiesPicture(FCollateCB->isChecked()));
}

void TfrxPrintDialog::PropertiesClicked()
{
    TfrxCustomPrinter* printer = Printer();
    if (!printer)
        return;
    printer->PropertiesDlg();
    if (const TfrxDuplexMode choice = duplexChoiceOf(printer->GetDuplex()); choice != dmNone) {
        FADuplexMode = choice;
        FDuplexCB->setCurrentIndex(choice);
    }
}

void TfrxPrintDialog::showEvent(QShowEvent* event)
{
    LoadOptions();
    QDialog::showEvent(event);
}

bool TfrxPrintDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FPageNumbersE && event->type() == QEvent::FocusIn)
        FPageNumbersRB->setChecked(true);
    return QDialog::eventFilter(watched, event);
}

void TfrxPrintDialog::LoadOptions()
{
    if (!FAReport)
        return;
    const TfrxPrintOptions& options = *FAReport->GetPrintOptions();
    FCopiesE->setValue(options.GetCopies());
    FCollateCB->setChecked(options.GetCollate());
    if (!options.GetPageNumbers().isEmpty()) {
        FPageNumbersRB->setChecked(true);
        FPageNumbersE->setText(options.GetPageNumbers());
    }
    FPrintPagesCB->setCurrentIndex(options.GetPrintPages());
    FOrderCB->setCurrentIndex(options.GetReverse() ? 1 : 0);
    FPrintModeCB->setCurrentIndex(options.GetPrintMode());
    FDuplexCB->setCurrentIndex(FADuplexMode);
    PrintModeChanged();
    if (options.GetPrintMode() != pmDefault && Printer()) {
        // "Default" stands where the printer's papers list "Custom", so positions agree.
        const int position = Printer()->PaperIndex(options.GetPrintOnSheet());
        FPagPageSizeCB->setCurrentIndex(position > 0 ? position : position == 0 ? 1 : 0);
    }
}

void TfrxPrintDialog::accept()
{
    TfrxCustomPrinter* printer = Printer();
    if (printer)
        printer->SetFileName(QString());
    if (FFileCB->isChecked()) {
        const QString fileName = FOnAskFileName ? FOnAskFileName() : AskFileName();
        if (fileName.isEmpty()) {
            reject();
            return;
        }
        if (printer)
            printer->SetFileName(withPrnExtension(fileName));
    }
    StoreOptions();
    QDialog::accept();
}

void TfrxPrintDialog::reject()
{
    frxPrinters()->SetPrinterIndex(FOldIndex);
    QDialog::reject();
}

QString TfrxPrintDialog::AskFileName()
{
    QFileDialog dialog(this, text("prdPrintToFile"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(nameFilters(text("prdPrnFilter")));
    dialog.setDefaultSuffix(QStringLiteral("prn"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TfrxPrintDialog::StoreOptions()
{
    if (!FAReport)
        return;
    TfrxPrintOptions& options = *FAReport->GetPrintOptions();
    options.SetCopies(FCopiesE->value());
    options.SetCollate(FCollateCB->isChecked());
    if (FAllRB->isChecked())
        options.SetPageNumbers(QString());
    else if (FCurPageRB->isChecked())
        options.SetPageNumbers(QString::number(FCurPreviewPage));
    else
        options.SetPageNumbers(FPageNumbersE->text());
    options.SetPrintPages(TfrxPrintPages(FPrintPagesCB->currentIndex()));
    FADuplexMode = TfrxDuplexMode(FDuplexCB->currentIndex());
    options.SetReverse(FOrderCB->currentIndex() == 1);
    options.SetPrintMode(TfrxPrintMode(FPrintModeCB->currentIndex()));
    if (TfrxCustomPrinter* printer = Printer())
        options.SetPrintOnSheet(printer->PaperNameToNumber(FPagPageSizeCB->currentText()));
}
