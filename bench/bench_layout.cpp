#include "report/engine/ViewDrawing.h"
#include "report/model/TfrxMemoView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// The certificate's 48 memos: Times New Roman of 11 pixels, centred in 15.12-pixel-high boxes on an
// A5 page, with Russian values.
std::vector<std::unique_ptr<TfrxMemoView>> certificateMemos()
{
    const QStringList values = {QStringLiteral("ИВАНОВ"),
                                QStringLiteral("ИВАН ИВАНОВИЧ"),
                                QStringLiteral("12 мая 2019 г."),
                                QStringLiteral("АНО ДПО «Автошкола Вираж»"),
                                QStringLiteral("отлично"),
                                QStringLiteral("134"),
                                QStringLiteral("«B»"),
                                QStringLiteral("механическая")};
    std::vector<std::unique_ptr<TfrxMemoView>> memos;
    for (int i = 0; i < 48; ++i) {
        auto memo = std::make_unique<TfrxMemoView>();
        memo->SetBounds(20 + (i % 2) * 270, 20 + (i / 2) * 32, 250, 15.12);
        memo->GetFont()->SetName(QStringLiteral("Times New Roman"));
        memo->GetFont()->SetHeight(-11);
        memo->GetFont()->SetCharset(RUSSIAN_CHARSET);
        memo->SetHAlign(haCenter);
        memo->SetText(values[i % values.size()]);
        memos.push_back(std::move(memo));
    }
    return memos;
}

void BM_DrawCertificateMemosAt300Dpi(benchmark::State& state)
{
    auto memos = certificateMemos();
    const double scale = 300.0 / 96;
    QImage image(1748, 2480, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        for (auto& memo : memos)
            Draw(*memo, painter, scale, scale, 0, 0);
    }
    state.SetItemsProcessed(state.iterations() * memos.size());
}
BENCHMARK(BM_DrawCertificateMemosAt300Dpi)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
