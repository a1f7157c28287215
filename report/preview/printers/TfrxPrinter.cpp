#include "report/preview/printers/TfrxPrinter.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "report/model/resources/TfrxResources.h"
#include "report/preview/printers/CupsQueue.h"
#include "report/preview/printers/PdfPrintJob.h"
#include "report/preview/printers/TfrxPrinterCanvas.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

namespace {

constexpr int kMaxPapers = 512;
constexpr int kMaxBins = 256;
// Paper numbers of sizes that have no standard paper-size code.
constexpr int kUncodedPaperBase = 1000;
constexpr int kPrinterPaperBase = 2000;
// Bin numbers of sources that have no standard paper-source code.
constexpr int kPrinterBinBase = 256;

int paperNumberOf(const QPageSize& size, int position)
{
    const int code = size.windowsId();
    if (code > 0 && code < kfrxCustomPaper)
        return code;
    if (size.id() != QPageSize::Custom)
        return kUncodedPaperBase + size.id();
    return kPrinterPaperBase + position;
}

int binNumberOf(const QByteArray& keyword, int position)
{
    static const QHash<QByteArray, int> codes = {
        {"auto", kfrxDefaultBin}, {"top", 1}, {"bottom", 2}, {"middle", 3}, {"manual", 4}, {"envelope", 5},
        {"large-capacity", 11},
    };
    return codes.value(keyword, kPrinterBinBase + position);
}

int duplexCodeOf(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexLongSide:
        return 2;
    case QPrinter::DuplexShortSide:
        return 3;
    default:
        return 1;
    }
}

QPrinter::DuplexMode duplexModeOf(int code)
{
    return code == 2   ? QPrinter::DuplexLongSide
           : code == 3 ? QPrinter::DuplexShortSide
                       : QPrinter::DuplexNone;
}

QByteArray sidesOf(int duplexCode)
{
    return duplexCode == 2 ? "two-sided-long-edge" : duplexCode == 3 ? "two-sided-short-edge" : "one-sided";
}

int orientationCodeOf(TPrinterOrientation orientation)
{
    return orientation == poLandscape ? 2 : 1;
}

QPageLayout::Orientation layoutOrientationOf(int code)
{
    return code == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

double dotsToMm(int dots, int dpi)
{
    return double(roundHalfEven(dots / double(dpi) * 25.4));
}

// Qt's CUPS print engine keeps the options chosen in its dialog, as name and value pairs, under a
// key of its own that the public key list does not name.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(QPrintEngine::PPK_CustomBase - 0x100);

// The paper source that the printer's own dialog chose, if it chose one.
QByteArray dialogMediaSource(QPrinter& printer)
{
    const QStringList options = printer.printEngine()->property(kCupsOptionsKey).toStringList();
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options.at(i) == QLatin1String("media-source") || options.at(i) == QLatin1String("InputSlot"))
            return options.at(i + 1).toUtf8();
    return {};
}

void raiseJobError(const QString& reason)
{
    throw Exception(formatMessage(frxGet(QStringLiteral("prJobFailed")), reason));
}

} // namespace

TfrxPrinter::TfrxPrinter(const QString& AName, const QString& APort) : TfrxCustomPrinter(AName, APort) {}

TfrxPrinter::~TfrxPrinter() = default;

void TfrxPrinter::Init()
{
    if (FInitialized)
        return;
    const QPrinterInfo info = QPrinterInfo::printerInfo(FName);
    if (info.isNull())
        return;
    FDefaultPageSize = info.defaultPageSize();
    ResetPapersAndBins();
    FillPapers(info.supportedPageSizes());
    FillBins();
    FMode = TfrxDeviceMode{};
    FMode.PaperSize = PaperNumberOf(FDefaultPageSize);
    FMode.Duplex = duplexCodeOf(info.defaultDuplexMode());
    FMode.DefaultSource = BinNumberOf(CupsQueue(FName).DefaultMediaSource());

    RecreateDC();
    if (!UpdateDeviceCaps()) {
        Uninitialize();
        return;
    }
    FDefPaper = FMode.PaperSize;
    FDefBin = FMode.DefaultSource;
    FDefDuplex = FMode.Duplex;
    FPaper = FDefPaper;
    FDefPaperWidth = FPaperWidth;
    FDefPaperHeight = FPaperHeight;
    FDefOrientation = FMode.Orientation != 1 ? poLandscape : poPortrait;
    FOrientation = FDefOrientation;
    FBin = -1;
    FDuplex = -1;
    FInitialized = true;
}

void TfrxPrinter::Uninitialize()
{
    FDC.reset();
    FPageSizes.clear();
    FSources.clear();
    ResetPapersAndBins();
}

void TfrxPrinter::FillPapers(const QList<QPageSize>& sizes)
{
    FPageSizes.clear();
    for (int i = 0; i < sizes.size() && FPageSizes.size() < kMaxPapers; ++i) {
        const int number = paperNumberOf(sizes.at(i), i);
        // One paper per number, so that a number always names the same size.
        if (number == kfrxCustomPaper || FPageSizes.contains(number))
            continue;
        FPapers.Add(sizes.at(i).name(), number);
        FPageSizes.insert(number, sizes.at(i));
    }
}

void TfrxPrinter::FillBins()
{
    FSources.clear();
    FSources.insert(kfrxDefaultBin, "auto");
    const QList<CupsQueue::MediaSource> sources = CupsQueue(FName).MediaSources();
    for (int i = 0; i < sources.size() && FSources.size() <= kMaxBins; ++i) {
        const int number = binNumberOf(sources.at(i).Keyword, i);
        if (FSources.contains(number))
            continue;
        FBins.Add(sources.at(i).Name, number);
        FSources.insert(number, sources.at(i).Keyword);
    }
}

int TfrxPrinter::PaperNumberOf(const QPageSize& size) const
{
    for (int i = 1; i < FPapers.Count(); ++i)
        if (FPageSizes.value(FPapers.Number(i)).isEquivalentTo(size))
            return FPapers.Number(i);
    return kfrxCustomPaper;
}

int TfrxPrinter::BinNumberOf(const QByteArray& source) const
{
    for (auto it = FSources.cbegin(); it != FSources.cend(); ++it)
        if (it.value() == source)
            return it.key();
    return kfrxDefaultBin;
}

QPageSize TfrxPrinter::PageSize() const
{
    if (FMode.PaperSize != kfrxCustomPaper)
        return FPageSizes.value(FMode.PaperSize, FDefaultPageSize);
    if (FMode.PaperWidth <= 0 || FMode.PaperLength <= 0)
        return FDefaultPageSize;
    return QPageSize(QSizeF(FMode.PaperWidth / 10.0, FMode.PaperLength / 10.0), QPageSize::Millimeter,
                     QString(), QPageSize::ExactMatch);
}

void TfrxPrinter::RecreateDC()
{
    if (!FDC) {
        FDC = std::make_unique<QPrinter>(QPrinter::HighResolution);
        FDC->setPrinterName(FName);
        // Qt measures at its own high resolution unless told the printer's.
        if (const int dpi = CupsQueue(FName).DefaultResolution(); dpi > 0)
            FDC->setResolution(dpi);
    }
    const QPageSize size = PageSize();
    const QPageLayout::Orientation orientation = layoutOrientationOf(FMode.Orientation);
    FDC->setPageSize(size);
    FDC->setPageOrientation(orientation);
    if (FJob)
        FJob->SetPaper(size, orientation);
}

bool TfrxPrinter::UpdateDeviceCaps()
{
    if (!FDC)
        RecreateDC();
    const int dpi = FDC->resolution();
    if (dpi <= 0) {
        if (qobject_cast<QApplication*>(QCoreApplication::instance()))
            QMessageBox::critical(QApplication::activeWindow(), frxGet(QStringLiteral("mbError")),
                                  frxGet(QStringLiteral("prInvalid")));
        return false;
    }
    FDPI = QPoint(dpi, dpi);
    QPageLayout layout = FDC->pageLayout();
    layout.setMargins(layout.minimumMargins());
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    FPaperHeight = dotsToMm(paper.height(), dpi);
    FPaperWidth = dotsToMm(paper.width(), dpi);
    FLeftMargin = dotsToMm(printable.left(), dpi);
    FTopMargin = dotsToMm(printable.top(), dpi);
    FRightMargin = FPaperWidth - dotsToMm(printable.width(), dpi) - FLeftMargin;
    FBottomMargin = FPaperHeight - dotsToMm(printable.height(), dpi) - FTopMargin;
    return true;
}

int TfrxPrinter::FallbackPaper() const
{
    if (PaperIndex(9) >= 0)
        return 9;
    for (int i = 0; i < FPapers.Count(); ++i)
        if (FPapers.Number(i) != kfrxCustomPaper)
            return FPapers.Number(i);
    return -1;
}

void TfrxPrinter::SetViewParams(int APaperSize, double APaperWidth, double APaperHeight,
                                TPrinterOrientation AOrientation)
{
    if (!FInitialized)
        return;
    // -1 asks for the printer's own paper, which is measured as it is, without a fallback.
    const bool unspecified = APaperSize == -1;
    int paper = APaperSize;
    if (paper != kfrxCustomPaper && PaperIndex(paper) < 0)
        paper = kfrxCustomPaper;
    if (paper != kfrxCustomPaper || unspecified) {
        FMode.PaperSize = paper;
        FMode.Orientation = orientationCodeOf(AOrientation);
        if (unspecified) {
            FMode.PaperLength = 0;
            FMode.PaperWidth = 0;
        }
        RecreateDC();
        if (!UpdateDeviceCaps())
            return;
    } else {
        SetViewParams(FallbackPaper(), 0, 0, AOrientation);
        FPaperWidth = APaperWidth;
        FPaperHeight = APaperHeight;
    }
    FPaper = paper;
    FOrientation = AOrientation;
}

void TfrxPrinter::SetPrintParams(int APaperSize, double APaperWidth, double APaperHeight,
                                 TPrinterOrientation AOrientation, int ABin, int ADuplex, int ACopies)
{
    if (!FInitialized)
        return;
    int paper = APaperSize;
    if (paper != kfrxCustomPaper && PaperIndex(paper) < 0)
        paper = kfrxCustomPaper;
    FMode.PaperLength = 0;
    FMode.PaperWidth = 0;
    if (paper == kfrxCustomPaper) {
        const bool landscape = AOrientation == poLandscape;
        FMode.PaperLength = int(roundHalfEven((landscape ? APaperWidth : APaperHeight) * 10));
        FMode.PaperWidth = int(roundHalfEven((landscape ? APaperHeight : APaperWidth) * 10));
    }
    FMode.PaperSize = paper;
    FMode.Orientation = orientationCodeOf(AOrientation);
    FMode.Copies = ACopies;
    FMode.Collate = false;
    FMode.DefaultSource = ABin != kfrxDefaultBin ? ABin : FBin != -1 ? FBin : FDefBin;
    int duplex = ADuplex == 0 ? FDefDuplex : ADuplex + 1;
    if (duplex == 4)
        duplex = 1;
    if (FDuplex != -1)
        duplex = FDuplex;
    FMode.Duplex = duplex;
    RecreateDC();
    if (!UpdateDeviceCaps())
        return;
    FPaper = paper;
    FOrientation = AOrientation;
}

CupsQueue::Options TfrxPrinter::JobOptions() const
{
    CupsQueue::Options options;
    const auto add = [&options](const QByteArray& name, const QByteArray& value) {
        options.append({name, value});
    };
    add("media", PageSize().key().toUtf8());
    if (FMode.Orientation == 2)
        add("landscape", "true");
    if (FMode.Copies > 1)
        add("copies", QByteArray::number(FMode.Copies));
    add("sides", sidesOf(FMode.Duplex));
    if (FMode.DefaultSource != kfrxDefaultBin && FSources.contains(FMode.DefaultSource))
        add("media-source", FSources.value(FMode.DefaultSource));
    return options;
}

void TfrxPrinter::BeginDoc()
{
    if (!FInitialized)
        throw Exception(frxGet(QStringLiteral("prInvalid")));
    FPrinting = true;
    QString fileName = FFileName;
    if (fileName.isEmpty()) {
        QTemporaryFile spool(QDir::temp().filePath(QStringLiteral("frXXXXXX.pdf")));
        spool.setAutoRemove(false);
        if (!spool.open())
            raiseJobError(spool.errorString());
        fileName = spool.fileName();
    }
    FJob = std::make_unique<PdfPrintJob>(fileName, DocumentName(), FDPI.x());
    RecreateDC();
}

void TfrxPrinter::BeginPage()
{
    if (!FJob)
        return;
    if (!FJob->HasPages())
        FJobOptions = JobOptions();
    FCanvas->Bind(FJob->BeginPage(FLeftMargin, FTopMargin));
}

void TfrxPrinter::EndPage()
{
    FCanvas->Unbind();
}

void TfrxPrinter::EndDoc()
{
    FCanvas->Unbind();
    QString error;
    if (const std::unique_ptr<PdfPrintJob> job = std::move(FJob)) {
        const bool hadPages = job->HasPages();
        if (!job->Finish())
            error = job->FileName();
        else if (hadPages && FFileName.isEmpty())
            error = CupsQueue(FName).PrintFile(job->FileName(), DocumentName(), FJobOptions);
        if (FFileName.isEmpty())
            QFile::remove(job->FileName());
    }
    FPrinting = false;
    FBin = -1;
    FDuplex = -1;
    FMode.DefaultSource = FDefBin;
    FMode.Duplex = FDefDuplex;
    RecreateDC();
    if (!error.isEmpty())
        raiseJobError(error);
}

void TfrxPrinter::Abort()
{
    FCanvas->Unbind();
    if (FJob) {
        FJob->Discard();
        if (FFileName.isEmpty())
            QFile::remove(FJob->FileName());
        FJob.reset();
    }
    EndDoc();
}

void TfrxPrinter::BeginRAWDoc()
{
    RecreateDC();
    FRawJob = std::make_unique<CupsRawJob>();
    const QString error = FRawJob->Start(FName, FTitle);
    if (!error.isEmpty()) {
        FRawJob.reset();
        raiseJobError(error);
    }
}

void TfrxPrinter::WriteRAWDoc(const QByteArray& buf)
{
    if (!FRawJob)
        return;
    const QString error = FRawJob->Write(buf);
    if (!error.isEmpty()) {
        FRawJob.reset();
        raiseJobError(error);
    }
}

void TfrxPrinter::EndRAWDoc()
{
    if (!FRawJob)
        return;
    const QString error = FRawJob->Finish();
    FRawJob.reset();
    if (!error.isEmpty())
        raiseJobError(error);
}

bool TfrxPrinter::PropertiesDlg()
{
    if (!FDC || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const int duplex = FMode.Duplex;
    FDC->setDuplex(duplexModeOf(duplex));
    QPrintDialog dialog(FDC.get(), QApplication::activeWindow());
    const bool accepted = dialog.exec() == QDialog::Accepted && FDC->printerName() == FName;
    if (accepted) {
        const QByteArray source = dialogMediaSource(*FDC);
        if (!source.isEmpty())
            FMode.DefaultSource = BinNumberOf(source);
        FBin = FMode.DefaultSource;
        FDefBin = FMode.DefaultSource;
        const int chosen = duplexCodeOf(FDC->duplex());
        if (chosen != duplex) {
            FDuplex = chosen;
            FMode.Duplex = chosen;
        }
    }
    // The dialog may have changed anything on the context; it is rebuilt from the settings block.
    FDC.reset();
    RecreateDC();
    return accepted;
}
