// Compiling an expression is the expensive step; the cache turns every further evaluation of the
// same text into a call. These measure both, and a plain name answered by the fast lookup.
#include "report/script/TfrxExpressionCache.h"
#include "report/script/TfrxReportScript.h"

#include <benchmark/benchmark.h>

namespace {

const QString kArithmetic = QStringLiteral("(12.5 + 7) * 2 - 3 / 4");
const QString kFormatted = QStringLiteral("FormatFloat('0.0', (12.5 + 7) * 2) + ' ч.'");

class BenchHost : public TfrxScriptHost {
public:
    std::optional<TfsVariant> GetDataFieldValue(const QString&) override { return std::nullopt; }
    TfsVariant GetSystemVariable(const QString&) override { return 1; }
    std::optional<TfsVariant> GetHostValue(const QString&) override { return std::nullopt; }
    std::optional<TfsVariant> GetReportVariable(const QString&) override { return std::nullopt; }
    std::optional<TfsVariant> GetGlobalVariable(const QString&) override { return std::nullopt; }
    void SetReportVariable(const QString&, const TfsVariant&) override {}
    TfsVariant GetAggregateValue(const QString&, const QString&, const QString&, int) override { return 0; }
    void AddError(const QString&) override {}
    QString GetCurrentObjectName() const override { return QString(); }
    bool GetIgnoreDevByZero() const override { return false; }
    bool GetCaseSensitiveExpressions() const override { return false; }
};

void BM_CompileAndEvaluate(benchmark::State& state, const QString& expression)
{
    TfsScript main;
    for (auto _ : state) {
        TfrxExpressionCache cache;
        QString error;
        benchmark::DoNotOptimize(cache.Calc(expression, &main, error));
    }
}
BENCHMARK_CAPTURE(BM_CompileAndEvaluate, arithmetic, kArithmetic);
BENCHMARK_CAPTURE(BM_CompileAndEvaluate, formatted, kFormatted);

void BM_EvaluateCached(benchmark::State& state, const QString& expression)
{
    TfsScript main;
    TfrxExpressionCache cache;
    QString error;
    cache.Calc(expression, &main, error);
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.Calc(expression, &main, error));
}
BENCHMARK_CAPTURE(BM_EvaluateCached, arithmetic, kArithmetic);
BENCHMARK_CAPTURE(BM_EvaluateCached, formatted, kFormatted);

void BM_FastLookupOfPageNumber(benchmark::State& state)
{
    BenchHost host;
    TfrxReportScript script(host);
    script.PrepareScript({}, {QStringLiteral("begin end.")}, QStringLiteral("PascalScript"));
    for (auto _ : state)
        benchmark::DoNotOptimize(script.Calc(QStringLiteral("Page#")));
}
BENCHMARK(BM_FastLookupOfPageNumber);

} // namespace

BENCHMARK_MAIN();
