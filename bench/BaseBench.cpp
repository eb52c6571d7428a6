// Benchmarks of the shared helpers that every property read and write goes through.
#include "base/FloatText.h"
#include "base/TWideStrings.h"
#include "base/Variant.h"

#include <benchmark/benchmark.h>

namespace {

void FloatToTextGeneral(benchmark::State& state)
{
    long double value = 37.7953L;
    for (auto _ : state)
        benchmark::DoNotOptimize(qbx::FloatToText(value));
}
BENCHMARK(FloatToTextGeneral);

void TextToFloatComma(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(qbx::TextToFloat("12345,678"));
}
BENCHMARK(TextToFloatComma);

void VariantTextToInteger(benchmark::State& state)
{
    qbx::Variant v("123456");
    for (auto _ : state)
        benchmark::DoNotOptimize(v.AsInteger());
}
BENCHMARK(VariantTextToInteger);

void WideStringsSetText(benchmark::State& state)
{
    std::u16string text;
    for (int i = 0; i < 1000; ++i)
        text += u"a line of memo text\r\n";
    qbx::TWideStrings lines;
    for (auto _ : state) {
        lines.SetText(text);
        benchmark::DoNotOptimize(lines.Count());
    }
}
BENCHMARK(WideStringsSetText);

} // namespace
