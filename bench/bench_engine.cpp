// Preparation and prepared pages: the filled certificate, and a generated page of 50 memos prepared
// 10 000 times in memory and with the file cache, then opened and drawn at page 5 000.

#include "report/engine/EngineRegistration.h"
#include "report/model/ReportErrors.h"
#include "report/model/TfrxCustomPreviewPages.h"
#include "report/model/TfrxMemoView.h"
#include "report/model/TfrxReport.h"
#include "report/model/TfrxReportPage.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kGeneratedPages = 10000;

// Resident and peak resident memory of the process, in megabytes.
double statusMegabytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(strlen(key))).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

std::unique_ptr<TfrxReport> filledCertificate()
{
    auto report = std::make_unique<TfrxReport>();
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    report->LoadFromFile(QStringLiteral(CERTPRINT_TEMPLATE), true);
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    for (TfrxComponent* object : report->GetAllObjects())
        if (auto* memo = dynamic_cast<TfrxMemoView*>(object))
            memo->SetText(QStringLiteral("Значение ") + memo->GetName());
    return report;
}

std::unique_ptr<TfrxReport> generatedReport(int pageCount, bool fileCache)
{
    auto report = std::make_unique<TfrxReport>();
    report->GetEngineOptions()->SetNewSilentMode(simSilent);
    report->GetEngineOptions()->SetUseFileCache(fileCache);
    report->GetEngineOptions()->SetMaxMemSize(1);
    auto* page = new TfrxReportPage(report.get());
    page->SetName(QStringLiteral("Page1"));
    page->SetPaperSize(11);
    page->SetPageCount(pageCount);
    for (int i = 1; i <= 50; ++i) {
        auto* memo = new TfrxMemoView(page);
        memo->SetName(QStringLiteral("Memo%1").arg(i));
        memo->SetBounds(10, 15 * i, 300, 15);
        memo->SetText(QStringLiteral("Memo %1 of page [Page#]").arg(i));
    }
    return report;
}

void BM_PrepareCertificate(benchmark::State& state)
{
    auto report = filledCertificate();
    for (auto _ : state)
        if (!report->PrepareReport())
            state.SkipWithError("preparation failed");
}
BENCHMARK(BM_PrepareCertificate)->Unit(benchmark::kMillisecond);

// The run alone: without the snapshot saved before and the report reloaded after, which re-decodes
// the blank's picture.
void BM_PrepareCertificateWithoutSnapshot(benchmark::State& state)
{
    auto report = filledCertificate();
    report->GetEngineOptions()->SetDestroyForms(false);
    for (auto _ : state)
        if (!report->PrepareReport())
            state.SkipWithError("preparation failed");
}
BENCHMARK(BM_PrepareCertificateWithoutSnapshot)->Unit(benchmark::kMillisecond);

// The same with the page built afterwards, which decodes the blank's picture from the cache.
void BM_PrepareCertificateAndBuildPage(benchmark::State& state)
{
    auto report = filledCertificate();
    for (auto _ : state) {
        if (!report->PrepareReport())
            state.SkipWithError("preparation failed");
        benchmark::DoNotOptimize(report->GetPreviewPages()->GetPage(0));
    }
}
BENCHMARK(BM_PrepareCertificateAndBuildPage)->Unit(benchmark::kMillisecond);

void prepareGenerated(benchmark::State& state, bool fileCache)
{
    const int pages = int(state.range(0));
    const double before = statusMegabytes("VmRSS:");
    double grown = 0;
    for (auto _ : state) {
        auto report = generatedReport(pages, fileCache);
        if (!report->PrepareReport() || report->GetPreviewPages()->GetCount() != pages)
            state.SkipWithError("preparation failed");
        grown = statusMegabytes("VmRSS:") - before;
    }
    state.counters["pages/s"] =
        benchmark::Counter(double(pages) * state.iterations(), benchmark::Counter::kIsRate);
    state.counters["rss_grown_MB"] = grown;
    state.counters["peak_rss_MB"] = statusMegabytes("VmHWM:");
}

void BM_PrepareGeneratedInMemory(benchmark::State& state)
{
    prepareGenerated(state, false);
}
BENCHMARK(BM_PrepareGeneratedInMemory)
    ->Arg(2500)
    ->Arg(kGeneratedPages)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

void BM_PrepareGeneratedWithFileCache(benchmark::State& state)
{
    prepareGenerated(state, true);
}
BENCHMARK(BM_PrepareGeneratedWithFileCache)
    ->Arg(2500)
    ->Arg(kGeneratedPages)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

void BM_OpenAndDrawPage5000(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("generated.fp3"));
    {
        auto report = generatedReport(kGeneratedPages, true);
        if (!report->PrepareReport()) {
            state.SkipWithError("preparation failed");
            return;
        }
        report->GetPreviewPages()->SaveToFile(fileName);
    }
    QImage image(559, 794, QImage::Format_RGB32);
    for (auto _ : state) {
        TfrxReport report;
        TfrxCustomPreviewPages& pages = *report.GetPreviewPages();
        pages.LoadFromFile(fileName, true);
        image.fill(Qt::white);
        QPainter painter(&image);
        pages.DrawPage(4999, painter, 1, 1, 0, 0);
    }
    state.counters["file_MB"] = double(QFile(fileName).size()) / 1048576;
}
BENCHMARK(BM_OpenAndDrawPage5000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    frxRegisterEngine();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
