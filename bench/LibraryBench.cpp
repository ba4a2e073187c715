// Opening the chart library and listing it, as the Open Chart window does
// on every show: the target is at most 100 ms for 10,000 charts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SampleBirths.h"
#include "chartlibrary/ChartLibrary.h"

using namespace zodiora;

namespace {

constexpr int LibrarySize = 10'000;

// One library of 10,000 varied charts, built once for every benchmark here
// and removed when the run ends.
class BenchLibrary {
public:
    BenchLibrary()
    {
        folder_ = std::filesystem::temp_directory_path() / "zodiora-bench-library";
        std::filesystem::remove_all(folder_);
        path_ = folder_ / "charts.sqlite";
        ChartLibrary library;
        library.open(path_);
        std::vector<SavedChart> charts(LibrarySize);
        for (int i = 0; i < LibrarySize; ++i) {
            SavedChart& chart = charts[static_cast<std::size_t>(i)];
            chart.form = test::Delhi1980Input();
            chart.form.name = "PERSON " + std::to_string(i);
            chart.form.year = 1901 + i % 150;
            chart.form.monthIndex = i % 12;
            chart.form.day = 1 + i % 28;
            chart.form.city = "City " + std::to_string(i % 500);
            chart.form.state = "State " + std::to_string(i % 50);
            chart.form.country = "Country " + std::to_string(i % 20);
            chart.note = "A note of a few words about this chart.";
        }
        library.saveAll(charts);
    }
    ~BenchLibrary() { std::filesystem::remove_all(folder_); }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

const BenchLibrary& Library10k()
{
    static const BenchLibrary library;
    return library;
}

}  // namespace

// What the window pays: open (integrity check, schema check) and the whole list.
static void BM_OpenAndList10k(benchmark::State& state)
{
    const auto& path = Library10k().path();
    for (auto _ : state) {
        ChartLibrary library;
        library.open(path);
        auto rows = library.list();
        if (!rows || rows->size() < LibrarySize) {
            state.SkipWithError("the library did not list 10,000 charts");
            break;
        }
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_OpenAndList10k)->Unit(benchmark::kMillisecond);

// Typing in the search box of an open library.
static void BM_Search10k(benchmark::State& state)
{
    ChartLibrary library;
    library.open(Library10k().path());
    for (auto _ : state) {
        auto rows = library.list("city 42");
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(BM_Search10k)->Unit(benchmark::kMillisecond);

// One Save Chart press, synced to disk.
static void BM_SaveOne(benchmark::State& state)
{
    ChartLibrary library;
    library.open(Library10k().path());
    SavedChart chart;
    chart.form = test::Delhi1980Input();
    chart.id = library.save(chart).value();
    for (auto _ : state) {
        chart.form.minute = (chart.form.minute + 1) % 60;
        benchmark::DoNotOptimize(library.save(chart));
    }
}
BENCHMARK(BM_SaveOne)->Unit(benchmark::kMillisecond);
