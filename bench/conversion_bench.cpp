// Micro-benchmarks: the conversion's parts beside what a C++ developer would otherwise use.
#include <benchmark/benchmark.h>

#include <cfloat>
#include <clocale>
#include <cstdlib>
#include <ctime>
#include <string>

#include "date_format.h"
#include "extended.h"
#include "number_text.h"
#include "regional_settings.h"
#include "year_model.h"

namespace {

const char* const kShortTexts[] = {"65", "6899", "13.798", "0.5", "2000"};

aeon::RegionalSettings pointSettings() {
    aeon::RegionalSettings s = aeon::RegionalSettings::german();
    s.decimalSeparator = ".";
    return s;
}

void BM_TextToExtended(benchmark::State& state) {
    const aeon::RegionalSettings settings = pointSettings();
    const char* text = kShortTexts[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(aeon::TextToExtended(text, settings));
    state.SetLabel(text);
}
BENCHMARK(BM_TextToExtended)->DenseRange(0, 4);

void BM_strtold(benchmark::State& state) {
    const char* text = kShortTexts[state.range(0)];
    for (auto _ : state) benchmark::DoNotOptimize(std::strtold(text, nullptr));
    state.SetLabel(text);
}
BENCHMARK(BM_strtold)->DenseRange(0, 4);

// 29.12.2016 06:43:59, as a date-time value and as seconds since the epoch.
constexpr double kInstant = 42733.0 + (6 * 3600 + 43 * 60 + 59) / 86400.0;
constexpr std::time_t kEpochSeconds = 1482993839;

void BM_DateTimeToText(benchmark::State& state) {
    const aeon::RegionalSettings settings = aeon::RegionalSettings::german();
    for (auto _ : state) benchmark::DoNotOptimize(aeon::DateTimeToText(kInstant, settings));
}
BENCHMARK(BM_DateTimeToText);

void BM_strftime(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        std::tm parts{};
        gmtime_r(&kEpochSeconds, &parts);
        const std::size_t n = std::strftime(buffer, sizeof buffer, "%d.%m.%Y %H:%M:%S", &parts);
        benchmark::DoNotOptimize(std::string(buffer, n));
    }
}
BENCHMARK(BM_strftime);

template <typename Op>
void runExtended(benchmark::State& state, Op op) {
    aeon::Extended a = aeon::Extended::fromDouble(4.354e17);
    const aeon::Extended b = aeon::Extended::fromDouble(13.798);
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(op(a, b));
    }
}
void BM_ExtendedAdd(benchmark::State& s) {
    runExtended(s, [](auto a, auto b) { return a + b; });
}
void BM_ExtendedMultiply(benchmark::State& s) {
    runExtended(s, [](auto a, auto b) { return a * b; });
}
void BM_ExtendedDivide(benchmark::State& s) {
    runExtended(s, [](auto a, auto b) { return a / b; });
}
BENCHMARK(BM_ExtendedAdd);
BENCHMARK(BM_ExtendedMultiply);
BENCHMARK(BM_ExtendedDivide);

#if LDBL_MANT_DIG == 64
template <typename Op>
void runHardware(benchmark::State& state, Op op) {
    long double a = 4.354e17L;
    const long double b = 13.798L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(op(a, b));
    }
}
void BM_LongDoubleAdd(benchmark::State& s) {
    runHardware(s, [](auto a, auto b) { return a + b; });
}
void BM_LongDoubleMultiply(benchmark::State& s) {
    runHardware(s, [](auto a, auto b) { return a * b; });
}
void BM_LongDoubleDivide(benchmark::State& s) {
    runHardware(s, [](auto a, auto b) { return a / b; });
}
BENCHMARK(BM_LongDoubleAdd);
BENCHMARK(BM_LongDoubleMultiply);
BENCHMARK(BM_LongDoubleDivide);
#endif

void BM_ConvertAge(benchmark::State& state) {
    const aeon::RegionalSettings settings = aeon::RegionalSettings::german();
    const aeon::AgeRowInfo& row = aeon::kAgeRows[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            aeon::ConvertAge(aeon::kYearModels[0].model, row.row, "65", settings));
    }
    state.SetLabel(std::string(row.name));
}
BENCHMARK(BM_ConvertAge)->DenseRange(0, 5);

}  // namespace

BENCHMARK_MAIN();
