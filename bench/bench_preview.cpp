// The preview's paint of the certificate page into an off-screen buffer (one frame of the page view)
// and printing 100 certificate pages into a PDF file through the print job.

#include "report/engine/EngineRegistration.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/preview/RegisterPreview.h"
#include "report/preview/TfrxPreview.h"
#include "report/preview/TfrxPreviewWorkspace.h"
#include "report/preview/TfrxPrintJob.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<TfrxReport> preparedCertificate()
{
    auto report = std::make_unique<TfrxReport>();
    report->SetShowProgress(false);
    report->LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE), true);
    int n = 0;
    for (TfrxComponent* object : report->GetAllObjects())
        if (auto* memo = dynamic_cast<TfrxMemoView*>(object))
            memo->SetText(QStringLiteral("Value %1").arg(++n));
    report->PrepareReport(true);
    return report;
}

void BM_PaintCertificatePage(benchmark::State& state)
{
    const auto report = preparedCertificate();
    TfrxPreview preview;
    preview.resize(1400, 1000);
    preview.show();
    preview.Init(report.get(), report->GetPreviewPages());
    preview.SetZoom(state.range(0) / 100.0);
    TfrxPreviewWorkspace& workspace = *preview.GetWorkspace();
    QImage buffer(workspace.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const QRegion region(buffer.rect());
    for (auto _ : state) {
        QPainter painter(&buffer);
        workspace.PaintPages(painter, region, false);
        painter.end();
        benchmark::DoNotOptimize(buffer.constBits());
    }
}
BENCHMARK(BM_PaintCertificatePage)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_Print100PagesToPdf(benchmark::State& state)
{
    const auto report = preparedCertificate();
    TfrxPrintOptions& options = *report->GetPrintOptions();
    options.SetCopies(100);
    options.SetCollate(true);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("certificates.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(frxPrintToPdfFile(*report, *report->GetPreviewPages(), file));
}
BENCHMARK(BM_Print100PagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No print server: the virtual printer writes the file, as on a machine without printers.
    if (qEnvironmentVariableIsEmpty("CUPS_SERVER"))
        qputenv("CUPS_SERVER", "/nonexistent/bench-preview/cups.sock");
    QApplication application(argc, argv);
    frxRegisterEngine();
    frxRegisterPreview();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
