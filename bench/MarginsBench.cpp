// Cost of the birth-time margins of one chart: every fact's two edges
// found to the second, with the precise ephemeris (the goal: under 5 ms)
// and with the classic one. Run with `make bench`.
#include <benchmark/benchmark.h>

#include "engine/Engine.h"
#include "margins/Margins.h"

using namespace zodiora;

namespace {

Chart DelhiChart(Ephemeris ephemeris)
{
    BirthData birth;
    birth.year = 1980;
    birth.month = 6;
    birth.day = 15;
    birth.hour = 6;
    birth.minute = 30;
    birth.exactOffsetSeconds = 19800;
    birth.latDegrees = 28;
    birth.latMinutes = 37;
    birth.lonDegrees = 77;
    birth.lonMinutes = 13;
    CalculationSettings settings;
    settings.ephemeris = ephemeris;
    return ComputeChart(birth, settings);
}

void BM_MarginsPrecise(benchmark::State& state)
{
    const Chart chart = DelhiChart(Ephemeris::Precise);
    for (auto _ : state) benchmark::DoNotOptimize(margins::BirthTimeMargins(chart));
}
BENCHMARK(BM_MarginsPrecise)->Unit(benchmark::kMillisecond);

void BM_MarginsClassic(benchmark::State& state)
{
    const Chart chart = DelhiChart(Ephemeris::Classic);
    for (auto _ : state) benchmark::DoNotOptimize(margins::BirthTimeMargins(chart));
}
BENCHMARK(BM_MarginsClassic)->Unit(benchmark::kMillisecond);

}  // namespace
