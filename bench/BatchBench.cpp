// Batch throughput by output format and thread count, and the per-chart
// cost of charting and of writing one chart; run with `make bench`.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "cli/ChartFormatter.h"
#include "cli/ChartTool.h"
#include "presentation/ChartSession.h"
#include "NullBuffer.h"
#include "SampleBirths.h"
#include "ToolFixtures.h"

using namespace zodiora;

namespace {

constexpr int BatchLines = 100000;

// 100,000 valid births over the whole range, written once per run.
const std::string& BatchFile()
{
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "zodiora-bench-formats.csv";
        std::ofstream out(file);
        char line[128];
        for (int i = 0; i < BatchLines; ++i) {
            std::snprintf(line, sizeof line, "PERSON,%04d-%02d-%02d,%02d:%02d:%02d,%d,%02d:%02d%c,%03d:%02d%c,%d\n",
                          1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, (i * 7) % 60, i % 71, i % 90,
                          (i * 3) % 60, i % 2 ? 'N' : 'S', i % 180, (i * 7) % 60, i % 3 ? 'E' : 'W', i % 2);
            out << line;
        }
        return file.string();
    }();
    return path;
}

void Batch(benchmark::State& state, const char* format)
{
    const std::string threads = std::to_string(state.range(0));
    const char* argv[] = {"zodiora-chart", "--batch", BatchFile().c_str(), "--format", format, "--threads",
                          threads.c_str()};
    bench::NullBuffer nullBuffer;
    std::ostream null(&nullBuffer);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::RunChartTool(7, argv, null, null));
    }
    state.SetItemsProcessed(state.iterations() * BatchLines);
}

}  // namespace

// Whole batches, output discarded; items/s is charts per second of wall time.
static void BM_BatchJson(benchmark::State& state) { Batch(state, "json"); }
static void BM_BatchCsv(benchmark::State& state) { Batch(state, "csv"); }
static void BM_BatchText(benchmark::State& state) { Batch(state, "text"); }
BENCHMARK(BM_BatchJson)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_BatchCsv)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_BatchText)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The JSON batch on one thread with --with sections against without: the
// vargas and KP lords must cost under 30 % more than the plain batch.
void BatchWith(benchmark::State& state, std::vector<const char*> more)
{
    std::vector<const char*> argv{"zodiora-chart", "--batch", BatchFile().c_str(), "--json", "--threads", "1"};
    argv.insert(argv.end(), more.begin(), more.end());
    bench::NullBuffer nullBuffer;
    std::ostream null(&nullBuffer);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cli::RunChartTool(static_cast<int>(argv.size()), argv.data(), null, null));
    }
    state.SetItemsProcessed(state.iterations() * BatchLines);
}
static void BM_BatchJsonPlain(benchmark::State& state) { BatchWith(state, {}); }
static void BM_BatchJsonVargasKp(benchmark::State& state) { BatchWith(state, {"--with", "vargas,kp"}); }
BENCHMARK(BM_BatchJsonPlain)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
BENCHMARK(BM_BatchJsonVargasKp)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// One chart as a batch worker makes it: the session's run, then the JSON line.
static void BM_PerChartJson(benchmark::State& state)
{
    cli::ChartRequest request = bench::Delhi1980Request();
    ChartSession session;
    const cli::ChartFormatter formatter = bench::JsonFormatter();
    std::string out;
    int minute = 0;
    for (auto _ : state) {
        request.form.minute = minute++ % 60;
        out.clear();
        formatter.appendChart(out, 1, session.run(request.form, formatter.reportMode()), request);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PerChartJson);

// The writer alone: one chart's JSON line from a finished result.
static void BM_JsonLineOnly(benchmark::State& state)
{
    ChartSession session;
    const cli::ChartRequest request = bench::Delhi1980Request();
    const ChartResult result = session.run(request.form, ChartSession::ReportMode::Skip);
    const cli::ChartFormatter formatter = bench::JsonFormatter();
    std::string out;
    for (auto _ : state) {
        out.clear();
        formatter.appendChart(out, 1, result, request);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(out.size()));
}
BENCHMARK(BM_JsonLineOnly);

// The same line with --with vargas,kp: the settings keys, the sixteen
// vargas and the KP lords after the existing keys.
static void BM_JsonLineWithVargasKp(benchmark::State& state)
{
    ChartSession session;
    const cli::ChartRequest request = bench::Delhi1980Request();
    const ChartResult result = session.run(request.form, ChartSession::ReportMode::Skip);
    cli::ChartFormatter formatter = bench::JsonFormatter();
    formatter.sections = std::get<cli::SectionSelection>(cli::ParseSections("vargas,kp"));
    formatter.settingsKeys = true;
    std::string out;
    for (auto _ : state) {
        out.clear();
        formatter.appendChart(out, 1, result, request);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long>(out.size()));
}
BENCHMARK(BM_JsonLineWithVargasKp);
