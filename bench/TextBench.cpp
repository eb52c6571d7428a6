// Benchmarks of memo text layout on the 600 dpi measuring canvas with real fonts: measuring a long memo
// and splitting it into page-high parts, as the band engine does for every stretching memo.
#include "platform/qt/QtPlatform.h"
#include "views/TqbxMemoView.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

std::u16string Paragraphs(int count)
{
    std::u16string text;
    for (int i = 0; i < count; ++i)
        text += u"Every report prints what its designer placed, line for line and page for page, "
                u"measured once so that the breaks never move.\r\n";
    return text;
}

void MemoCalcHeight(benchmark::State& state)
{
    qbx::TqbxMemoView memo;
    memo.SetBounds(0, 0, 300, 100);
    memo.Memo.SetText(Paragraphs(static_cast<int>(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(memo.CalcHeight());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(MemoCalcHeight)->Arg(10)->Arg(200);

void MemoSplitIntoParts(benchmark::State& state)
{
    qbx::TqbxMemoView memo;
    memo.SetBounds(0, 0, 300, 700);
    std::u16string text = Paragraphs(200);
    for (auto _ : state) {
        memo.Memo.SetText(text);
        memo.InitPart();
        int parts = 0;
        do {
            memo.DrawPart();
            ++parts;
        } while (memo.HasPartLeft());
        benchmark::DoNotOptimize(parts);
    }
}
BENCHMARK(MemoSplitIntoParts);

} // namespace

int main(int argc, char** argv)
{
    std::unique_ptr<QApplication> app = qbx::CreateApplication(argc, argv);
    qbx::QtPlatform platform;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
