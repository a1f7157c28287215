#include "app/HeadlessPrint.h"

#include "app/CommandLine.h"
#include "app/Dialogs.h"
#include "app/TfmMain.h"
#include "common/Exception.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxReport.h"
#include "report/preview/printers/TfrxPrinters.h"

#include <QFileInfo>

#include <cstdio>

namespace {

void writeError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

// The window's message boxes as lines on the standard error stream; remembers whether an error
// was among them, since the print job reports some failures only by its error box.
class ConsoleDialogs final : public Dialogs {
public:
    ConsoleDialogs()
    {
        setDialogs(this);
        FPreviousErrorBox = frxSetErrorBoxHandler([this](const QString& text) { showError(nullptr, text); });
    }
    ~ConsoleDialogs() override
    {
        frxSetErrorBoxHandler(FPreviousErrorBox);
        setDialogs(nullptr);
    }

    QString getOpenFileName(QWidget*, const QString&) override { return {}; }
    QString getSaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    void showMessage(QWidget*, const QString& text) override { writeError(text); }
    void showError(QWidget*, const QString& text) override
    {
        writeError(text);
        FErrorShown = true;
    }
    void openDocument(const QString&) override {}

    bool GetErrorShown() const { return FErrorShown; }

private:
    TfrxErrorBoxHandler FPreviousErrorBox;
    bool FErrorShown = false;
};

void choosePrinter(TfrxReport& report, const HeadlessRequest& request)
{
    TfrxPrintOptions& options = *report.GetPrintOptions();
    options.SetShowDialog(false);
    if (!request.pdfFile.isEmpty()) {
        options.SetPrnOutFileName(QFileInfo(request.pdfFile).absoluteFilePath());
        return;
    }
    // The print job leaves the current printer for a name it does not know; here that is an error.
    if (!request.printerName.isEmpty() && frxPrinters()->IndexOf(request.printerName) < 0)
        throw Exception(QStringLiteral("certprint: no printer named %1").arg(request.printerName));
    if (!request.printerName.isEmpty())
        options.SetPrinter(request.printerName);
}

int printCertificate(const HeadlessRequest& request, ConsoleDialogs& console)
{
    if (!QFileInfo(request.certificateFile).isFile())
        throw Exception(QStringLiteral("certprint: cannot read %1").arg(request.certificateFile));
    TfmMain window;
    window.openCertificate(request.certificateFile);
    switch (window.fillCertificateReport()) {
    case TfmMain::CertificateFill::RecordInvalid:
        return kHeadlessRecordInvalid;
    case TfmMain::CertificateFill::TemplateMissing:
        return kHeadlessFailed;
    case TfmMain::CertificateFill::Filled:
        break;
    }
    TfrxReport& report = *window.frxReport1();
    TfrxCustomPreviewPages* pages = report.GetPreviewPages();
    if (!pages)
        throw Exception(QStringLiteral("certprint: the report engine is not available"));
    // Preparation errors become an exception here instead of a box nobody sees, and no progress
    // window opens.
    report.GetEngineOptions()->SetNewSilentMode(simReThrow);
    report.SetShowProgress(false);
    if (!report.PrepareReport(true) || pages->GetCount() == 0)
        throw Exception(QStringLiteral("certprint: the certificate could not be prepared"));
    choosePrinter(report, request);
    const bool printed = pages->Print();
    return printed && !console.GetErrorShown() ? kHeadlessPrinted : kHeadlessFailed;
}

} // namespace

int runHeadlessPrint(const HeadlessRequest& request)
{
    ConsoleDialogs console;
    try {
        return printCertificate(request, console);
    } catch (const Exception& error) {
        writeError(error.message());
    } catch (const std::exception& error) {
        writeError(QString::fromLocal8Bit(error.what()));
    }
    return kHeadlessFailed;
}
