// Speed of a whole chart and of a large batch; run with `make bench`.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>

#include "birthdata/BirthDataInput.h"
#include "presentation/ChartSession.h"
#include "cli/ChartTool.h"
#include "engine/Engine.h"
#include "NullBuffer.h"
#include "SampleBirths.h"

using namespace zodiora;
using zodiora::test::Delhi1980Input;

// Validation, the engine, the retrograde step and every text
// the results form shows: what "Proceed" costs before painting.
static void BM_WholeChart(benchmark::State& state)
{
    BirthFormInput input = Delhi1980Input();
    ChartSession session;
    int minute = 0;
    for (auto _ : state) {
        input.minute = minute++ % 60;
        benchmark::DoNotOptimize(ValidateBirthData(input));
        ChartResult result = session.run(input, ChartSession::ReportMode::Skip);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_WholeChart);

static void BM_EngineSteps(benchmark::State& state)
{
    BirthData birth;
    ReadBirthData(Delhi1980Input(), birth);
    for (auto _ : state) {
        birth.minute = (birth.minute + 1) % 60;
        Chart chart = ComputeChart(birth);
        benchmark::DoNotOptimize(chart);
    }
}
BENCHMARK(BM_EngineSteps);

// zodiora-chart --batch FILE --json over 100,000 lines, output discarded.
static void BM_Batch100k(benchmark::State& state)
{
    const auto path = std::filesystem::temp_directory_path() / "zodiora-bench-batch.csv";
    {
        std::ofstream file(path);
        for (int i = 0; i < 100000; ++i) {
            file << "PERSON," << 1901 + i % 150 << "-" << (i % 12 < 9 ? "0" : "") << 1 + i % 12 << "-"
                 << (i % 28 < 9 ? "0" : "") << 1 + i % 28 << "," << i % 24 << ":" << i % 60 << "," << i % 71 << ","
                 << i % 90 << ":" << i % 60 << (i % 2 ? "N" : "S") << "," << i % 180 << ":" << (i * 7) % 60
                 << (i % 3 ? "E" : "W") << "," << i % 2 << "\n";
        }
    }
    bench::NullBuffer nullBuffer;
    std::ostream null(&nullBuffer);
    const std::string file = path.string();
    const char* argv[] = {"zodiora-chart", "--batch", file.c_str(), "--json"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::RunChartTool(4, argv, null, null));
    }
    std::filesystem::remove(path);
    state.SetItemsProcessed(state.iterations() * 100000);
}
// Wall time: the batch runs on a worker pool, the calling thread only reads and writes.
BENCHMARK(BM_Batch100k)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
