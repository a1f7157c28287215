#include "app/TfmMain.h"

#include "app/BlankArea.h"
#include "app/CertificateFile.h"
#include "app/CertificateValidation.h"
#include "app/CertificateTemplate.h"
#include "app/CommandButton.h"
#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "app/EntryControls.h"
#include "app/TAboutBox.h"
#include "app/TemplateFill.h"
#include "app/profile/PrivateProfile.h"
#include "common/NumberText.h"
#include "report/model/TfrxReport.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QSize kClientSize(1005, 647);
constexpr int kBottomPanelHeight = 41;
constexpr int kCommandPanelWidth = 101;
constexpr int kSplitterWidth = 3;
const QString kSaveFilter = QStringLiteral("файл свидетельства о профессии водителя|*.vod");

QChar decimalSeparator()
{
    return QLocale().decimalPoint().at(0);
}

QString executableFolder()
{
    return QCoreApplication::applicationDirPath();
}

QFont commandFont(int pixelHeight)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelHeight);
    font.setBold(true);
    return font;
}

} // namespace

TfmMain::TfmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("fmMain"));
    setWindowTitle(QStringLiteral("Свидетельство о профессии водителя (А5- формат 2019)"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/icons/program.png")));
    QFont windowFont(QStringLiteral("Tahoma"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    createMenu();
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    FSplitter = new QSplitter(Qt::Horizontal, client);
    FSplitter->setHandleWidth(kSplitterWidth);
    FSplitter->setChildrenCollapsible(false);
    FSplitter->addWidget(createEntryArea());
    FSplitter->addWidget(createCommandPanel());
    FSplitter->setStretchFactor(0, 1);
    FSplitter->setStretchFactor(1, 0);
    FSplitter->setSizes({kClientSize.width() - kCommandPanelWidth - kSplitterWidth, kCommandPanelWidth});
    layout->addWidget(FSplitter, 1);
    layout->addWidget(createBottomPanel());
    setCentralWidget(client);

    setDatesToToday();
    FReport = std::make_unique<TfrxReport>();
    FReport->SetName(QStringLiteral("frxReport1"));
    setupCertificateReport(*FReport);
    FAboutBox = new TAboutBox(this);
    move(0, 0);
    resize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());
}

TfmMain::~TfmMain() = default;

std::function<void()> TfmMain::guarded(void (TfmMain::*command)())
{
    return [this, command] { runGuarded(this, [this, command] { (this->*command)(); }); };
}

void TfmMain::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    QMenu* file = bar->addMenu(QStringLiteral("Файл"));
    FOpenAction = file->addAction(QStringLiteral("Открыть"), this, guarded(&TfmMain::openCommand));
    FSaveAsAction = file->addAction(QStringLiteral("Сохранить как..."), this, guarded(&TfmMain::saveAsCommand));
    FSaveAction = file->addAction(QStringLiteral("Сохранить"), this, guarded(&TfmMain::saveCommand));
    FSaveAction->setEnabled(false);
    FExitAction = file->addAction(QStringLiteral("Выход"), this, &QWidget::close);
    QMenu* print = bar->addMenu(QStringLiteral("Печать"));
    FClearAction = print->addAction(QStringLiteral("Очистить форму"), this, guarded(&TfmMain::clearCommand));
    FPrintAction = print->addAction(QStringLiteral("Печать свидетельства"), this, guarded(&TfmMain::printCommand));
    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    FAboutAction = help->addAction(QStringLiteral("О программе"), this, [this] { FAboutBox->exec(); });
}

QWidget* TfmMain::createEntryArea()
{
    FEntryArea = new QScrollArea;
    FEntryArea->setObjectName(QStringLiteral("ScrollBox1"));
    FEntryArea->setFrameShape(QFrame::NoFrame);
    FEntryArea->setWidgetResizable(true);
    auto* blank = new BlankArea(FEntryArea);
    blank->setObjectName(QStringLiteral("Image1"));
    blank->setMinimumSize(entryControlsExtent());
    FControls = createEntryControls(blank);
    FEntryArea->setWidget(blank);

    connect(FControls.edits[7], &QLineEdit::textChanged, this, &TfmMain::mirrorCategory);
    for (int n = 0; n < 10; ++n)
        FControls.hours[n]->installEventFilter(this);
    return FEntryArea;
}

QWidget* TfmMain::createCommandPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setMinimumWidth(1);
    const auto icon = [](const char* name) { return QIcon(QStringLiteral(":/assets/icons/%1.png").arg(QLatin1String(name))); };
    const struct {
        const char* name;
        const char* caption;
        QRect bounds;
        int fontHeight;
        const char* icon;
        int iconTop;
    } buttons[] = {
        {"Button1", "ПЕЧАТЬ", {6, 12, 91, 69}, 13, "print", 3},
        {"Button2", "ОЧИСТИТЬ ПОЛЯ", {6, 87, 91, 78}, 13, "clear", 3},
        {"Button3", "НАСТРОЙКА МАКЕТА", {6, 171, 91, 86}, 11, "layout", 5},
        {"Button4", "МАКЕТ ШАБЛОНА", {6, 263, 91, 75}, 11, "mockup", -1},
    };
    for (const auto& b : buttons) {
        auto* button = new CommandButton(QString::fromUtf8(b.caption), icon(b.icon), b.iconTop, panel);
        button->setObjectName(QLatin1String(b.name));
        button->setGeometry(b.bounds);
        button->setFont(commandFont(b.fontHeight));
    }
    auto* printButton = panel->findChild<QPushButton*>(QStringLiteral("Button1"));
    // The button activates the menu item so that both run exactly the same command.
    connect(printButton, &QPushButton::clicked, FPrintAction, &QAction::trigger);
    connect(panel->findChild<QPushButton*>(QStringLiteral("Button2")), &QPushButton::clicked, FClearAction,
            &QAction::trigger);
    connect(panel->findChild<QPushButton*>(QStringLiteral("Button3")), &QPushButton::clicked, this,
            guarded(&TfmMain::layoutCommand));
    connect(panel->findChild<QPushButton*>(QStringLiteral("Button4")), &QPushButton::clicked, this,
            guarded(&TfmMain::mockupCommand));
    return panel;
}

QWidget* TfmMain::createBottomPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(kBottomPanelHeight);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->addStretch(1);
    auto* exitButton = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Выход"), panel);
    exitButton->setObjectName(QStringLiteral("BitBtn1"));
    exitButton->setFixedSize(185, 33);
    layout->addWidget(exitButton);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        runGuarded(this, [this] { normalizeHours(); });
    return QMainWindow::eventFilter(watched, event);
}

void TfmMain::normalizeHours()
{
    const QChar separator = decimalSeparator();
    for (int n = 0; n < 10; ++n) {
        QLineEdit* field = FControls.hours[n];
        if (field->text().isEmpty())
            field->setText(QStringLiteral("0"));
        field->setText(formatOneDecimalText(field->text(), separator));
    }
    FControls.total()->setText(formatOneDecimal(sumOfHours(FControls), separator));
}

void TfmMain::mirrorCategory(const QString& category)
{
    for (QLabel* label : FControls.categoryLabels) {
        label->setText(category);
        label->adjustSize();
    }
}

void TfmMain::setDatesToToday()
{
    for (QDateEdit* picker : FControls.dates)
        picker->setDate(QDate::currentDate());
}

void TfmMain::clearCommand()
{
    for (int n = 0; n < 10; ++n) {
        FControls.edits[n]->clear();
        FControls.hours[n]->setText(QStringLiteral("0"));
        FControls.choices[n]->setCurrentIndex(-1);
    }
    setDatesToToday();
    FControls.transmission->setCurrentIndex(-1);
    FControls.total()->setText(QStringLiteral("0"));
}

QString TfmMain::dialogFolder() const
{
    return FCertificateFileName.isEmpty() ? executableFolder() : QFileInfo(FCertificateFileName).absolutePath();
}

void TfmMain::openCommand()
{
    const QString fileName = dialogs().getOpenFileName(this, dialogFolder());
    if (!fileName.isEmpty())
        openCertificate(fileName);
    else
        FControls.total()->setText(formatGeneral(sumOfHours(FControls), decimalSeparator()));
}

void TfmMain::openCertificate(const QString& fileName)
{
    const PrivateProfile file(fileName);
    setWindowTitle(readCertificate(file, FControls));
    FCertificateFileName = fileName;
    FSaveAction->setEnabled(true);
    FControls.total()->setText(formatGeneral(sumOfHours(FControls), decimalSeparator()));
}

void TfmMain::writeCertificate(const QString& fileName)
{
    PrivateProfile file(fileName);
    ::writeCertificate(file, FControls);
    file.updateFile();
    dialogs().showMessage(this, QStringLiteral("Файл сохранен : ") + fileName);
}

void TfmMain::saveAsCommand()
{
    const QString fileName = dialogs().getSaveFileName(this, dialogFolder(), kSaveFilter);
    if (fileName.isEmpty()) {
        dialogs().showMessage(this, QStringLiteral("Файл не сохранен!"));
        return;
    }
    writeCertificate(fileName);
}

void TfmMain::saveCommand()
{
    if (!FCertificateFileName.isEmpty())
        writeCertificate(FCertificateFileName);
}

void TfmMain::printCommand()
{
    if (fillCertificateReport() == CertificateFill::Filled)
        FReport->ShowReport(true);
}

TfmMain::CertificateFill TfmMain::fillCertificateReport()
{
    if (const auto missing = findMissingValue(FControls)) {
        dialogs().showMessage(this, *missing);
        return CertificateFill::RecordInvalid;
    }
    if (!loadTemplate()) {
        dialogs().showMessage(this, QStringLiteral("Не найден файл шаблона печати: ") +
                                        QDir::toNativeSeparators(templateFileName()));
        return CertificateFill::TemplateMissing;
    }
    fillTemplate(*FReport, FControls);
    return CertificateFill::Filled;
}

QString TfmMain::templateFileName() const
{
    return executableFolder() + QStringLiteral("/shablon.fr3");
}

bool TfmMain::loadTemplate()
{
    return FReport->LoadFromFile(templateFileName());
}

void TfmMain::layoutCommand()
{
    // A missing template leaves an empty report, on which the designer starts a new one.
    loadTemplate();
    FReport->DesignReport();
}

void TfmMain::mockupCommand()
{
    const QString path = executableFolder() + QStringLiteral("/шаблон.pdf");
    if (QFileInfo::exists(path))
        dialogs().openDocument(path);
    else
        dialogs().showMessage(this, QStringLiteral("Файл шаблона не найден!"));
}
