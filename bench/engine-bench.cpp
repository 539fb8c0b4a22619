// calculate() over every valid draw, and over one-megabyte inputs to show the
// time grows linearly with the text length.

#include "engine/calculate.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

void allDraws(benchmark::State &state)
{
    std::array<std::u16string, 10> digits;
    for (int d = 0; d < 10; ++d)
        digits[d] = std::u16string(1, static_cast<char16_t>(u'0' + d));
    for (auto _ : state) {
        for (int draw = 0; draw < 1000; ++draw) {
            auto result =
                engine::calculate(digits[draw / 100], digits[draw / 10 % 10], digits[draw % 10]);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    // Seconds per call, shown with an SI prefix (n for nanoseconds).
    state.counters["perCall"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * 1000,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(allDraws);

// One box holds a long text; the outcome is the one a person gets for it.
enum class LongText { Digits, Letters, Spaces, Zeros };

template <LongText kind> void longInput(benchmark::State &state)
{
    const auto length = static_cast<std::size_t>(state.range(0));
    std::u16string text;
    switch (kind) {
    case LongText::Digits: // too large a number: Overflow
        text.assign(length, u'7');
        break;
    case LongText::Letters: // TypeMismatch
        text.assign(length, u'a');
        break;
    case LongText::Spaces: // missing input
        text.assign(length, u' ');
        break;
    case LongText::Zeros: // reads as 0: four result texts
        text.assign(length, u'0');
        break;
    }
    for (auto _ : state) {
        try {
            auto result = engine::calculate(text, u"2", u"3");
            benchmark::DoNotOptimize(result);
        } catch (const engine::ConversionError &) {
        }
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(state.iterations() * state.range(0) * 2);
}
BENCHMARK(longInput<LongText::Digits>)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Complexity();
BENCHMARK(longInput<LongText::Letters>)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Complexity();
BENCHMARK(longInput<LongText::Spaces>)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Complexity();
BENCHMARK(longInput<LongText::Zeros>)->RangeMultiplier(4)->Range(1 << 14, 1 << 20)->Complexity();

} // namespace

BENCHMARK_MAIN();
