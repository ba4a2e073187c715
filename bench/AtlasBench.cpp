// Speed and size of the offline atlas; run with `make bench`.
// Targets: loading <= 50 ms, a completion query <= 2 ms for any prefix, the
// loaded atlas <= 30 MB of extra memory.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "atlas/Atlas.h"
#include "atlas/AtlasLocation.h"

using zodiora::atlas::Atlas;

namespace {

std::string AtlasPath()
{
    return zodiora::atlas::DefaultAtlasPath().value_or("");
}

double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double HeapMegabytes()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / (1024.0 * 1024.0);
}

const Atlas& LoadedAtlas()
{
    static const Atlas atlas = *Atlas::Load(AtlasPath(), nullptr);
    return atlas;
}

// Queries a place field sees while the user types, short to long; the
// one-letter ones walk the longest stretches of the index.
const char* const Queries[] = {
    "s", "b", "Sa", "Berk", "sao pa", "Calcutta", "Berkeley, California, United States", "Springfield, Ill", "xq",
};

}  // namespace

// Unpacking, parsing, folding every name and sorting the index.
static void BM_AtlasLoad(benchmark::State& state)
{
    const std::string path = AtlasPath();
    for (auto _ : state) {
        std::string error;
        auto atlas = Atlas::Load(path, &error);
        if (!atlas) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(atlas);
    }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// Extra memory of a loaded atlas: resident set and heap in use, before and after.
static void BM_AtlasMemory(benchmark::State& state)
{
    const std::string path = AtlasPath();
    for (auto _ : state) {
        const double residentBefore = ResidentMegabytes();
        const double heapBefore = HeapMegabytes();
        auto atlas = Atlas::Load(path, nullptr);
        state.counters["extra_rss_MB"] = ResidentMegabytes() - residentBefore;
        state.counters["extra_heap_MB"] = HeapMegabytes() - heapBefore;
        state.counters["places"] = atlas ? static_cast<double>(atlas->places().size()) : 0;
        benchmark::DoNotOptimize(atlas);
    }
}
BENCHMARK(BM_AtlasMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// One completion query, as the place field asks for its list of 10.
static void BM_AtlasComplete(benchmark::State& state)
{
    const Atlas& atlas = LoadedAtlas();
    const char* query = Queries[state.range(0)];
    std::size_t found = 0;
    for (auto _ : state) {
        const auto places = atlas.search(query, 10);
        found = places.size();
        benchmark::DoNotOptimize(places);
    }
    state.SetLabel(std::string("\"") + query + "\" -> " + std::to_string(found));
}
BENCHMARK(BM_AtlasComplete)->DenseRange(0, std::size(Queries) - 1)->Unit(benchmark::kMicrosecond);
